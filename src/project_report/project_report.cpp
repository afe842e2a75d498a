// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/project_report.h"

#include <QBuffer>
#include <QFile>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "check/check_sheet.h"
#include "check/common_fields.h"
#include "code_base/trail_step.h"
#include "ferrovolt_version.h"
#include "numtext/date_text.h"
#include "numtext/number_text.h"
#include "numtext/rounded_number.h"
#include "project/project_file.h"
#include "project_report/diagram_layout.h"
#include "project_report/diagram_paint.h"
#include "project_report/pdf_document.h"
#include "project_report/report_nodes.h"

namespace ferrovolt::package {

namespace {

constexpr int kResolution = 300;   // the dots per inch the report is laid out in
constexpr double kBindingMm = 25;  // the left margin, wide enough to bind or punch
constexpr double kBodyPoint = 9;
constexpr double kTablePoint = 7.5;  // the schedule's eleven columns
constexpr double kHeadingPoint = 12;
constexpr double kTitlePoint = 18;
constexpr double kRuleGapMm = 0.7;  // between a table's header rule and its first row

double dotsOfMm(double mm) {
    return mm / 25.4 * kResolution;
}

// A type as the report sets it: a size and a weight.
enum class Type { Body, BodyBold, Table, TableBold, Heading, Title, Band, BandTitle };

struct Face {
    Type type;
    double point;
    bool bold;
};

constexpr std::array<Face, 8> kFaces = {{{Type::Body, kBodyPoint, false},
                                         {Type::BodyBold, kBodyPoint, true},
                                         {Type::Table, kTablePoint, false},
                                         {Type::TableBold, kTablePoint, true},
                                         {Type::Heading, kHeadingPoint, true},
                                         {Type::Title, kTitlePoint, true},
                                         {Type::Band, kBandPoint, false},
                                         {Type::BandTitle, kBandTitlePoint, true}}};

// One cell of a line: its text broken into lines to its width.
struct Cell {
    double x = 0;
    double width = 0;
    QStringList lines;
    Type type = Type::Body;
    bool right = false;  // set against its right edge
};

// A line of the report: cells side by side, as tall as the tallest, with a rule under it
// where it heads a table.
struct Line {
    std::vector<Cell> cells;
    double height = 0;
    double before = 0;  // space above it
    bool rule = false;
    bool keepWithNext = false;  // a heading stays with what it heads
};

// The fonts and their measures on the report's device, and the page's frame.
class Typesetter {
public:
    explicit Typesetter(Paper paper) {
        for (const char* file :
             {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
            QFile face(QString::fromLatin1(file));
            if (face.open(QIODevice::ReadOnly)) m_files.push_back(face.readAll());
        }
        m_files.resize(2);
        m_writer.setResolution(kResolution);
        m_writer.setPageLayout(pageLayoutOf(paper, kBindingMm));
        m_page = QRectF(m_writer.pageLayout().paintRectPixels(kResolution));
        m_page.moveTopLeft(QPointF(0, 0));
        m_body = bodyBetweenBands(m_page, &m_writer);
        for (const Face& face : kFaces) {
            m_fonts.push_back(paperFont(face.point, face.bold));
            m_metrics.emplace_back(m_fonts.back(), &m_writer);
            m_glyphs.push_back({QRawFont(faceFile(face.bold), face.point * kResolution / 72), {}});
        }
    }

    QPageLayout pageLayout() const { return m_writer.pageLayout(); }
    const QPaintDevice* device() const { return &m_writer; }
    const QRectF& page() const { return m_page; }
    const QRectF& body() const { return m_body; }
    const QFont& font(Type type) const { return m_fonts[static_cast<std::size_t>(type)]; }
    const QFontMetricsF& metrics(Type type) const {
        return m_metrics[static_cast<std::size_t>(type)];
    }
    double lineSpacing(Type type) const { return metrics(type).lineSpacing(); }

    // The width of a text in dots: its characters' advances added up, unkerned as it is drawn.
    double width(QStringView text, Type type) const {
        double sum = 0;
        for (const QChar c : text) sum += glyphOf(type, c).advance;
        return sum;
    }

    // The text broken at spaces (or anywhere, for a word wider than the cell) into lines of
    // the width.
    QStringList wrap(const QString& text, double width, Type type) const {
        const auto fits = [&](QStringView line) { return this->width(line, type) <= width; };
        QStringList lines;
        for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
            if (fits(paragraph)) {
                lines << paragraph;
                continue;
            }
            QString line;
            for (const QString& word : paragraph.split(QLatin1Char(' '))) {
                const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
                if (fits(longer)) {
                    line = longer;
                    continue;
                }
                if (!line.isEmpty()) lines << line;
                line = word;
                while (line.size() > 1 && !fits(line)) {
                    qsizetype part = line.size() - 1;
                    while (part > 1 && !fits(QStringView(line).left(part))) --part;
                    lines << line.left(part);
                    line = line.mid(part);
                }
            }
            lines << line;
        }
        return lines;
    }

    Cell cell(double x, double width, const QString& text, Type type, bool right = false) const {
        return {x, width, wrap(text, width, type), type, right};
    }

    // A line's height from its cells.
    Line& finish(Line& line) const {
        for (const Cell& cell : line.cells)
            line.height = std::max(line.height,
                                   static_cast<double>(std::max<qsizetype>(1, cell.lines.size())) *
                                       lineSpacing(cell.type));
        line.height += line.before;
        return line;
    }

    void paint(PdfDocument& pdf, const Line& line, double top) const {
        const double y = top + line.before;
        for (const Cell& cell : line.cells) {
            const QFontMetricsF& m = metrics(cell.type);
            double baseline = y + m.ascent();
            for (const QString& text : cell.lines) {
                const double x = cell.right ? cell.x + cell.width - width(text, cell.type) : cell.x;
                drawText(pdf, QPointF(m_body.left() + x, m_body.top() + baseline), text, cell.type);
                baseline += m.lineSpacing();
            }
        }
        if (line.rule)
            pdf.fill(QRectF(m_body.left(), m_body.top() + top + line.height - dotsOfMm(kRuleGapMm),
                            m_body.width(), std::max(1.0, dotsOfMm(0.15))));
    }

    // A line of text at its baseline, as the face's glyphs, which the PDF places by their
    // widths.
    void drawText(PdfDocument& pdf, const QPointF& at, const QString& text, Type type) const {
        QList<quint32> indexes;
        indexes.reserve(text.size());
        for (const QChar c : text) indexes.push_back(glyphOf(type, c).index);
        if (indexes.isEmpty()) return;
        const Face& face = kFaces[static_cast<std::size_t>(type)];
        pdf.text(face.bold ? 1 : 0, face.point * kResolution / 72, at, indexes, text);
    }

    // The two faces' files, which the PDF embeds and the glyphs are read from, so that the
    // indexes drawn are the embedded file's whatever fonts the machine has.
    const QByteArray& faceFile(bool bold) const { return m_files[bold ? 1 : 0]; }

private:
    struct Glyph {
        quint32 index = 0;  // 0: none in the face
        double advance = 0;
        bool known = false;
    };
    // A face's glyphs by character, looked up once: the sheets of a large project set the
    // same few characters a million times, and shaping each text anew would take most of the
    // report's time. A character the face lacks is drawn as its missing glyph.
    struct Glyphs {
        QRawFont raw;
        std::vector<Glyph> byChar;
    };

    const Glyph& glyphOf(Type type, QChar c) const {
        Glyphs& glyphs = m_glyphs[static_cast<std::size_t>(type)];
        if (glyphs.byChar.empty()) glyphs.byChar.resize(0x10000);
        Glyph& glyph = glyphs.byChar[c.unicode()];
        if (glyph.known) return glyph;
        glyph.known = true;
        if (c.isSurrogate()) return glyph;
        const QList<quint32> index = glyphs.raw.glyphIndexesForString(QString(c));
        if (index.size() != 1) return glyph;
        glyph.index = index[0];
        const QList<QPointF> advance = glyphs.raw.advancesForGlyphIndexes(index);
        glyph.advance = advance.isEmpty() ? 0 : advance[0].x();
        return glyph;
    }

    QBuffer m_buffer;  // the device the report is measured on; nothing is written to it
    QPdfWriter m_writer{&m_buffer};
    QRectF m_page;
    QRectF m_body;
    std::vector<QFont> m_fonts;
    std::vector<QFontMetricsF> m_metrics;
    mutable std::vector<Glyphs> m_glyphs;
    std::vector<QByteArray> m_files;
};

QString q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Lines cut into pages of the body's height; a line never split, a heading kept with what
// follows it, and `repeat` (a table's header) set again at the head of each page after the
// first. The first line of each page, as indexes into the lines.
std::vector<std::size_t> pageStarts(const std::vector<Line>& lines, double height,
                                    double repeat = 0) {
    std::vector<std::size_t> starts{0};
    double used = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        double need = lines[i].height;
        for (std::size_t next = i; lines[next].keepWithNext && next + 1 < lines.size(); ++next)
            need += lines[next + 1].height;
        if (used > 0 && used + need > height) {
            starts.push_back(i);
            used = repeat;
        }
        used += lines[i].height;
    }
    return starts;
}

enum class Section { Cover, Diagram, Schedule, Sheet };

// One page of the report: its section, and which of the section's pages (for a sheet, the
// cable's node and the sheet's page).
struct PagePlan {
    Section section;
    std::size_t item = 0;
    std::size_t page = 0;
};

class Report {
public:
    Report(const project::Project& p, const project::ProjectAnswer& a, const ReportSettings& s)
        : m_project(p), m_answer(a), m_settings(s), m_type(s.paper), m_nodes(reportNodes(p, a)) {
        if (!m_settings.date.isValid()) m_settings.date = QDate::currentDate();
        m_bands = pageBands(q(p.identification.name),
                            p.identification.reference.empty()
                                ? QString()
                                : QStringLiteral("Reference %1").arg(q(p.identification.reference)),
                            q(a.code->name()), m_settings.date);
    }

    // Lays every section out, counting the pages.
    void plan() {
        const double height = m_type.body().height();
        if (m_settings.sections.cover) {
            m_cover = coverLines();
            for (std::size_t i = 0; i < pageStarts(m_cover, height).size(); ++i)
                m_pages.push_back({Section::Cover, 0, i});
        }
        if (m_settings.sections.diagram) {
            m_diagramNodes = diagramNodes(m_project, m_nodes, m_answer);
            m_diagram = layDiagram(m_diagramNodes, diagramMetrics(height - diagramTitleHeight()));
            for (int i = 0; i < m_diagram.pages; ++i)
                m_pages.push_back({Section::Diagram, 0, static_cast<std::size_t>(i)});
        }
        if (m_settings.sections.schedule) {
            m_schedule = scheduleLines();
            m_scheduleStarts = pageStarts(m_schedule, height, scheduleHeadHeight());
            for (std::size_t i = 0; i < m_scheduleStarts.size(); ++i)
                m_pages.push_back({Section::Schedule, 0, i});
        }
        if (m_settings.sections.sheets) {
            for (std::size_t n = 0; n < m_nodes.size(); ++n) {
                if (!m_nodes[n].cable) continue;
                const std::size_t pages = pageStarts(sheetLines(m_nodes[n]), height).size();
                for (std::size_t i = 0; i < pages; ++i) m_pages.push_back({Section::Sheet, n, i});
            }
        }
    }

    int pageCount() const { return static_cast<int>(m_pages.size()); }

    // The two faces, regular then bold, as the PDF's fonts 0 and 1; false when the program's
    // copy of one cannot be read.
    bool addFaces(PdfDocument& pdf) const {
        for (const bool bold : {false, true}) {
            const QByteArray& file = m_type.faceFile(bold);
            if (file.isEmpty()) return false;
            pdf.addFace(QRawFont(file, 1000), file,
                        bold ? "LiberationSans-Bold" : "LiberationSans");
        }
        return true;
    }
    QPageLayout pageLayout() const { return m_type.pageLayout(); }

    void paint(PdfDocument& pdf, int index) {
        paintBands(pdf, index);
        const PagePlan& plan = m_pages[static_cast<std::size_t>(index)];
        const double height = m_type.body().height();
        switch (plan.section) {
            case Section::Cover:
                paintLines(pdf, m_cover, pageStarts(m_cover, height), plan.page, 0);
                break;
            case Section::Diagram:
                paintDiagram(pdf, static_cast<int>(plan.page));
                break;
            case Section::Schedule:
                paintSchedule(pdf, plan.page);
                break;
            case Section::Sheet:
                if (m_sheetNode != plan.item || !m_sheet) {
                    m_sheet = sheetLines(m_nodes[plan.item]);
                    m_sheetStarts = pageStarts(*m_sheet, height);
                    m_sheetNode = plan.item;
                }
                paintLines(pdf, *m_sheet, m_sheetStarts, plan.page, 0);
                break;
        }
    }

private:
    const project::Project& m_project;
    const project::ProjectAnswer& m_answer;
    ReportSettings m_settings;
    Typesetter m_type;
    std::vector<ReportNode> m_nodes;
    PageBands m_bands;
    std::vector<PagePlan> m_pages;
    std::vector<Line> m_cover;
    std::vector<Line> m_schedule;
    std::vector<std::size_t> m_scheduleStarts;
    std::vector<DiagramNode> m_diagramNodes;
    DiagramLayout m_diagram;
    std::optional<std::vector<Line>> m_sheet;  // the sheet being painted
    std::vector<std::size_t> m_sheetStarts;
    std::size_t m_sheetNode = 0;

    double width() const { return m_type.body().width(); }

    Line heading(const QString& text, Type type = Type::Heading, double before = 0) const {
        Line line{{m_type.cell(0, width(), text, type)}, 0, before, false, true};
        m_type.finish(line);
        return line;
    }

    // A caption and its value, the caption in a column of `captionWidth`.
    Line pair(const QString& caption, const QString& value, double captionWidth,
              Type type = Type::Body) const {
        const double gap = dotsOfMm(3);
        Line line{{m_type.cell(0, captionWidth, caption, Type::BodyBold),
                   m_type.cell(captionWidth + gap, width() - captionWidth - gap, value, type)}};
        m_type.finish(line);
        return line;
    }

    void paintLines(PdfDocument& pdf, const std::vector<Line>& lines,
                    const std::vector<std::size_t>& starts, std::size_t page, double top) const {
        const std::size_t end = page + 1 < starts.size() ? starts[page + 1] : lines.size();
        double y = top;
        for (std::size_t i = starts[page]; i < end; ++i) {
            m_type.paint(pdf, lines[i], y);
            y += lines[i].height;
        }
    }

    // ---- the cover

    std::vector<Line> coverLines() const {
        const project::Identification& id = m_project.identification;
        std::vector<Line> lines;
        lines.push_back(heading(QStringLiteral("Calculation package"), Type::Title));
        lines.push_back(heading(q(id.name), Type::Heading, dotsOfMm(2)));
        lines.back().keepWithNext = false;
        const double caption = dotsOfMm(40);
        const auto add = [&](const char* label, const QString& value) {
            lines.push_back(pair(QString::fromLatin1(label),
                                 value.isEmpty() ? QStringLiteral("-") : value, caption));
        };
        lines.push_back(heading(QString(), Type::Body, dotsOfMm(4)));
        add("Client", q(id.client));
        add("Reference", q(id.reference));
        add("Engineer", q(id.engineer));
        add("Date",
            q(isoDateText(m_settings.date.year(), m_settings.date.month(), m_settings.date.day())));
        add("Code and edition", q(m_answer.code->name()));
        add("Program", QStringLiteral("Ferrovolt %1").arg(QString::fromLatin1(kVersionText)));
        if (!id.notes.empty()) add("Notes", q(id.notes));

        const Summary summary = summarise(m_answer);
        lines.push_back(heading(QStringLiteral("Summary"), Type::Heading, dotsOfMm(6)));
        add("Boards", QString::number(summary.boards));
        add("Cables checked", QString::number(summary.cables));
        add("Meet every criterion", QString::number(summary.meetAll));
        add("Refused", QString::number(summary.refused));
        if (summary.notReached > 0)
            add("Not reached (below a refused node)", QString::number(summary.notReached));
        lines.push_back(
            heading(QStringLiteral("Failures by criterion"), Type::BodyBold, dotsOfMm(3)));
        if (summary.failures.empty())
            lines.push_back(pair(QStringLiteral("None"), QString(), caption));
        for (const auto& [name, count] : summary.failures)
            lines.push_back(pair(QString::number(count), q(name), dotsOfMm(12), Type::Body));
        if (m_answer.refusal)
            lines.push_back(pair(QStringLiteral("Supply"), q(*m_answer.refusal), caption));

        lines.push_back(heading(q(kCircuitDisclaimer), Type::BodyBold, dotsOfMm(8)));
        lines.back().keepWithNext = false;
        if (!m_answer.defaults.empty()) {
            lines.push_back(
                heading(QStringLiteral("Defaults applied"), Type::BodyBold, dotsOfMm(4)));
            for (const std::string& d : m_answer.defaults) {
                Line line{{m_type.cell(dotsOfMm(4), width() - dotsOfMm(4), q(d), Type::Body)}};
                lines.push_back(m_type.finish(line));
            }
        }
        return lines;
    }

    // ---- the schedule

    struct Column {
        const char* caption;
        double mm;
        bool right;
    };

    std::vector<Column> columns() const {
        std::vector<Column> c = {
            {"Id", 18, false},          {"Board", 14, false}, {"Load A", 12, true},
            {"Length", 13, true},       {"Size", 17, false},  {"Device", 15, false},
            {"Governed by", 24, false}, {"Drop %", 11, true}, {"Isc origin kA", 14, true}};
        if (m_answer.code->key() == "iec60364") c.push_back({"Zs Ω", 12, true});
        c.push_back({"Verdict", 0, false});  // the rest of the width
        return c;
    }

    Line scheduleLine(const std::vector<QString>& texts, Type type, bool rule) const {
        const std::vector<Column> cols = columns();
        const double gap = dotsOfMm(1.2);
        double scale = 0;
        for (const Column& c : cols) scale += c.mm;
        // The columns as given in millimetres, the verdict taking what is left.
        Line line;
        double x = 0;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const double w =
                cols[i].mm > 0 ? dotsOfMm(cols[i].mm) : std::max(width() - x, dotsOfMm(10));
            line.cells.push_back(m_type.cell(x, w - gap, texts[i], type, cols[i].right));
            x += w;
        }
        (void)scale;
        line.rule = rule;
        m_type.finish(line);
        // Room for the rule under a header, clear of the row below.
        if (rule) line.height += 2 * dotsOfMm(kRuleGapMm);
        return line;
    }

    double scheduleHeadHeight() const { return m_schedule.empty() ? 0 : m_schedule[0].height; }

    std::vector<Line> scheduleLines() const {
        std::vector<QString> head;
        for (const Column& c : columns()) head.push_back(QString::fromUtf8(c.caption));
        std::vector<Line> lines{scheduleLine(head, Type::TableBold, true)};
        const bool iec = m_answer.code->key() == "iec60364";
        for (const ReportNode& node : m_nodes) {
            if (!node.cable) continue;
            const ScheduleRow row = scheduleRow(node, iec);
            std::vector<QString> cells = {q(row.id),         q(row.board), q(row.current),
                                          q(row.length),     q(row.size),  q(row.device),
                                          q(row.governedBy), q(row.drop),  q(row.iscOrigin)};
            if (iec) cells.push_back(q(row.zs));
            cells.push_back(q(row.verdict));
            lines.push_back(scheduleLine(cells, Type::Table, false));
        }
        return lines;
    }

    void paintSchedule(PdfDocument& pdf, std::size_t page) const {
        double top = 0;
        if (page > 0) {
            m_type.paint(pdf, m_schedule[0], 0);
            top = m_schedule[0].height;
        }
        paintLines(pdf, m_schedule, m_scheduleStarts, page, top);
    }

    // ---- each cable's sheet

    std::vector<Line> sheetLines(const ReportNode& node) const {
        std::vector<Line> lines;
        lines.push_back(heading(q(node.title), Type::Heading));
        lines.back().keepWithNext = false;
        const double caption = dotsOfMm(52);
        lines.push_back(heading(QStringLiteral("Inputs"), Type::BodyBold, dotsOfMm(3)));
        for (const auto& [name, value] : inputRows(*m_answer.code, *node.cable))
            lines.push_back(pair(q(name), q(value), caption));
        lines.push_back(heading(QStringLiteral("From the tree"), Type::BodyBold, dotsOfMm(3)));
        for (const auto& [name, value] : treeRows(*node.answer, m_answer.code->key() == "iec60364"))
            lines.push_back(pair(q(name), q(value), caption));
        const project::NodeAnswer& answer = *node.answer;
        if (answer.refusal) {
            lines.push_back(heading(QStringLiteral("Refused"), Type::BodyBold, dotsOfMm(3)));
            lines.push_back(pair(q(answer.refusal->field), q(answer.refusal->reason), caption));
            return lines;
        }
        if (!answer.checked) {
            lines.push_back(heading(QStringLiteral("Not reached: a node above it is refused"),
                                    Type::BodyBold, dotsOfMm(3)));
            return lines;
        }
        lines.push_back(heading(QStringLiteral("Answer"), Type::BodyBold, dotsOfMm(3)));
        for (const auto& [name, value] : answerRows(*answer.checked))
            lines.push_back(pair(q(name), q(value), caption));
        lines.push_back(heading(QStringLiteral("Verdict"), Type::BodyBold, dotsOfMm(3)));
        if (answer.fails.empty())
            lines.push_back(pair(QStringLiteral("Meets every criterion"), QString(), caption));
        for (const project::NodeFail& fail : answer.fails)
            lines.push_back(pair(QStringLiteral("Fails"), q(fail.name), caption));
        lines.push_back(heading(QStringLiteral("Calculation"), Type::BodyBold, dotsOfMm(3)));
        const double stepWidth = dotsOfMm(62);
        const double gap = dotsOfMm(3);
        answer.checked->writeTrail([&](std::string_view step, std::string_view value,
                                       std::string_view source) {
            QString right = q(value);
            if (!source.empty() && source != "input") (right += QLatin1Char('\n')) += q(source);
            Line line{{m_type.cell(0, stepWidth, q(step), Type::BodyBold),
                       m_type.cell(stepWidth + gap, width() - stepWidth - gap, right, Type::Body)},
                      0,
                      dotsOfMm(0.8)};
            lines.push_back(m_type.finish(line));
        });
        return lines;
    }

    // ---- the single-line diagram

    double diagramTitleHeight() const { return m_type.lineSpacing(Type::Heading) + dotsOfMm(2); }

    DiagramMetrics diagramMetrics(double pageHeight) const {
        DiagramMetrics m;
        const QFontMetricsF& regular = m_type.metrics(Type::Table);
        const QFontMetricsF& bold = m_type.metrics(Type::TableBold);
        m.textWidth = [&regular, &bold](std::string_view text, bool isBold) {
            return (isBold ? bold : regular).horizontalAdvance(q(text));
        };
        m.lineHeight = std::max(regular.lineSpacing(), bold.lineSpacing());
        m.indent = dotsOfMm(8);
        m.padding = dotsOfMm(1);
        m.gap = dotsOfMm(1.2);
        m.mark = dotsOfMm(5);
        m.pageWidth = width();
        m.pageHeight = pageHeight;
        return m;
    }

    void paintDiagram(PdfDocument& pdf, int page) const {
        m_type.paint(pdf,
                     heading(page == 0 ? QStringLiteral("Single-line diagram")
                                       : QStringLiteral("Single-line diagram (continued)")),
                     0);
        const QPointF origin(m_type.body().left(), m_type.body().top() + diagramTitleHeight());
        const double ascent = m_type.metrics(Type::Table).ascent();
        paintDiagramPage(pdf, m_diagram, m_diagramNodes, page, diagramMetrics(0), origin,
                         [&](QPointF at, const std::string& text, bool bold) {
                             m_type.drawText(pdf, at + QPointF(0, ascent),
                                             QString::fromStdString(text),
                                             bold ? Type::TableBold : Type::Table);
                         });
    }

    // The header and footer, in the words and places of every sheet's (paper.h).
    void paintBands(PdfDocument& pdf, int index) const {
        const BandRects r = bandRects(m_type.page(), m_type.device());
        const auto baseline = [&](const QRectF& band, Type type) {
            const QFontMetricsF& m = m_type.metrics(type);
            return band.top() + (band.height() - m.height()) / 2 + m.ascent();
        };
        pdf.fill(r.headRule);
        pdf.fill(r.footRule);
        for (const BandText& text :
             bandTexts(m_type.page(), m_type.device(), m_bands, index, pageCount())) {
            const Type type = text.title ? Type::BandTitle : Type::Band;
            const double x =
                text.right ? text.rect.right() - m_type.width(text.text, type) : text.rect.left();
            m_type.drawText(pdf, QPointF(x, baseline(text.rect, type)), text.text, type);
        }
    }
};

}  // namespace

std::optional<Sections> sectionsOf(std::string_view list) {
    Sections sections{false, false, false, false};
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string_view name = list.substr(start, comma - start);
        if (name == "cover")
            sections.cover = true;
        else if (name == "diagram")
            sections.diagram = true;
        else if (name == "schedule")
            sections.schedule = true;
        else if (name == "sheets")
            sections.sheets = true;
        else
            return std::nullopt;
        start = comma + 1;
    }
    return sections;
}

ReportOutcome writeProjectReport(const project::Project& project,
                                 const project::ProjectAnswer& answer,
                                 const ReportSettings& settings, const QString& path,
                                 const ReportProgress& progress) {
    if (answer.code == nullptr)
        return {ReportEnd::Failed, QStringLiteral("the project has no code"), 0};
    Report report(project, answer, settings);
    report.plan();
    const int pages = report.pageCount();
    if (pages == 0) return {ReportEnd::Failed, QStringLiteral("no section to print"), 0};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {ReportEnd::Failed,
                QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()), 0};
    const QPageLayout layout = report.pageLayout();
    PdfDocument pdf(file, layout.fullRect(QPageLayout::Point).size(), kResolution,
                    QPointF(layout.paintRectPixels(kResolution).topLeft()));
    if (!report.addFaces(pdf)) {
        file.cancelWriting();
        return {ReportEnd::Failed, QStringLiteral("the bundled face cannot be read"), 0};
    }
    for (int page = 0; page < pages; ++page) {
        pdf.beginPage();
        report.paint(pdf, page);
        pdf.endPage();
        if (progress && !progress(page + 1, pages)) {
            file.cancelWriting();
            return {ReportEnd::Cancelled, QStringLiteral("cancelled"), page + 1};
        }
    }
    const QString creator = QStringLiteral("Ferrovolt %1").arg(QString::fromLatin1(kVersionText));
    const bool written = pdf.finish(
        {QStringLiteral("%1: calculation package").arg(q(project.identification.name)),
         q(project.identification.engineer),
         QStringLiteral("Cable calculations under %1").arg(q(answer.code->name())), creator});
    if (!written || !file.commit())
        return {ReportEnd::Failed,
                QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()), pages};
    return {ReportEnd::Written, QString(), pages};
}

ReportOutcome writeDiagramSvg(const project::Project& project, const project::ProjectAnswer& answer,
                              const QString& path) {
    if (answer.code == nullptr)
        return {ReportEnd::Failed, QStringLiteral("the project has no code"), 0};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {ReportEnd::Failed,
                QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()), 0};
    file.write(diagramSvg(diagramNodes(project, reportNodes(project, answer), answer)));
    if (!file.commit())
        return {ReportEnd::Failed,
                QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()), 0};
    return {ReportEnd::Written, QString(), 1};
}

}  // namespace ferrovolt::package
