// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/sheet_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPushButton>
#include <QSettings>
#include <QTextDocument>
#include <QUrl>
#include <array>

#include "ferrovolt_version.h"

namespace ferrovolt {

namespace {

constexpr char kPaperKey[] = "sheets/paper";
constexpr int kResolution = 300;  // the dots per inch the sheet is laid out in
constexpr double kLargestPoint = 9.5;

struct PaperText {
    Paper paper;
    const char* key;     // as the settings keep it
    const char* filter;  // as the save dialog offers it
};

constexpr std::array<PaperText, 2> kPapers = {{
    {Paper::A4, "A4", "PDF on A4 paper (*.pdf)"},
    {Paper::Letter, "Letter", "PDF on US Letter paper (*.pdf)"},
}};

const PaperText& textOf(Paper paper) {
    return kPapers[paper == Paper::A4 ? 0 : 1];
}

// The program's settings, named explicitly as the windows' own memory is.
QSettings settings() {
    return QSettings(QStringLiteral("Ferrovolt"), QStringLiteral("Ferrovolt"));
}

// Paper is black on white whatever the screen's palette: the sheet takes none of its colours
// from the application.
QPalette paperPalette() {
    QPalette palette(Qt::black, Qt::white);
    for (const QPalette::ColorRole role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::Base, QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xcc));
    return palette;
}

// Longer ids would crowd the sheet's title out of the header.
constexpr int kLongestId = 40;

SheetIds& sessionIds() {
    static SheetIds ids;
    return ids;
}

// The project and the circuit at the head of the first page, or room to write them by hand.
QString identificationHtml(const SheetIds& ids) {
    const auto cell = [](const char* caption, const QString& id) {
        return QStringLiteral("<td width='50%'>%1: %2</td>")
            .arg(QLatin1String(caption),
                 id.isEmpty() ? QStringLiteral("____________________________________")
                              : QStringLiteral("<b>%1</b>").arg(id.toHtmlEscaped()));
    };
    return QStringLiteral(
               "<table width='100%' cellspacing='0' cellpadding='2' "
               "style='margin-bottom:6px'><tr>") +
           cell("Project", ids.project) + cell("Circuit", ids.circuit) +
           QStringLiteral("</tr></table>");
}

// The project report's bands, the project leading the sheet's title and the circuit in the
// reference's place.
PageBands sheetBands(const Sheet& sheet, const SheetIds& ids) {
    return pageBands(
        ids.project.isEmpty() ? sheet.title
                              : QStringLiteral("%1 · %2").arg(ids.project, sheet.title),
        ids.circuit.isEmpty() ? QString() : QStringLiteral("Circuit %1").arg(ids.circuit),
        sheet.code, sheet.date);
}

}  // namespace

SheetIds rememberedSheetIds() {
    return sessionIds();
}

void rememberSheetIds(const SheetIds& ids) {
    sessionIds() = {ids.project.trimmed(), ids.circuit.trimmed()};
}

std::optional<SheetIds> askSheetIds(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("sheetIds"));
    dialog.setWindowTitle(QStringLiteral("Save report"));
    auto* layout = new QFormLayout(&dialog);
    auto* note = new QLabel(
        QStringLiteral("Printed at the head of every page. Left blank, the first page leaves "
                       "room to write it by hand."),
        &dialog);
    note->setWordWrap(true);
    layout->addRow(note);
    const SheetIds before = rememberedSheetIds();
    const auto field = [&](const char* name, const char* caption, const QString& text) {
        auto* edit = new QLineEdit(text, &dialog);
        edit->setObjectName(QLatin1String(name));
        edit->setMaxLength(kLongestId);
        edit->setClearButtonEnabled(true);
        layout->addRow(QString::fromLatin1(caption), edit);
        return edit;
    };
    QLineEdit* project = field("sheetProject", "&Project id:", before.project);
    QLineEdit* circuit = field("sheetCircuit", "C&ircuit id:", before.circuit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Continue…"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addRow(buttons);
    project->setFocus();
    project->selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    rememberSheetIds({project->text(), circuit->text()});
    return rememberedSheetIds();
}

Paper rememberedPaper() {
    const QString key = settings().value(QLatin1String(kPaperKey)).toString();
    for (const PaperText& paper : kPapers)
        if (key == QLatin1String(paper.key)) return paper.paper;
    return paperOf(QLocale::system().territory());
}

void rememberPaper(Paper paper) {
    settings().setValue(QLatin1String(kPaperKey), QLatin1String(textOf(paper).key));
}

QString askSheetPath(QWidget* parent, const QString& suggestedName) {
    QStringList filters;
    for (const PaperText& paper : kPapers) filters << QString::fromLatin1(paper.filter);
    QString chosen = QString::fromLatin1(textOf(rememberedPaper()).filter);
    QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Save report"), suggestedName,
                                     filters.join(QStringLiteral(";;")), &chosen);
    if (path.isEmpty()) return path;
    for (const PaperText& paper : kPapers)
        if (chosen == QLatin1String(paper.filter)) rememberPaper(paper.paper);
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    return path;
}

struct SheetPages::Layout {
    Sheet sheet;
    SheetIds ids;
    QBuffer buffer;  // the device the sheet is laid out on; nothing is written to it
    QPdfWriter writer{&buffer};
    QTextDocument document;
    QRectF page;  // the paper inside its margins, in dots
    QRectF body;  // the part of each page the body flows through
    double point = kLargestPoint;
    PageBands bands;

    QPageLayout pageLayout() const { return pageLayoutOf(sheet.paper); }

    void lay() {
        writer.setResolution(kResolution);
        writer.setPageLayout(pageLayout());
        page = QRectF(writer.pageLayout().paintRectPixels(kResolution));
        page.moveTopLeft(QPointF(0, 0));
        body = bodyBetweenBands(page, &writer);

        document.documentLayout()->setPaintDevice(&writer);
        for (auto image = sheet.images.begin(); image != sheet.images.end(); ++image)
            document.addResource(QTextDocument::ImageResource, QUrl(image.key()), image.value());
        // A caption and its value never run together, whatever the table's own padding.
        document.setDefaultStyleSheet(QStringLiteral("td { padding-right: 10px; }"));
        document.setHtml(identificationHtml(ids) + sheet.body);
        document.setPageSize(body.size());
        // A sheet that fits one page at a slightly smaller type keeps to one; a longer one
        // flows at the larger type instead of shrinking further.
        for (double size = kLargestPoint; size >= kSmallestSheetPoint; size -= 0.5) {
            point = size;
            document.setDefaultFont(paperFont(point));
            if (document.pageCount() <= 1) return;
        }
        point = kLargestPoint;
        document.setDefaultFont(paperFont(point));
    }

    void paint(QPainter& painter, int index) const {
        paintBands(painter, page, bands, index, document.pageCount());

        painter.save();
        const double top = body.height() * index;
        painter.translate(body.left(), body.top() - top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = paperPalette();
        context.clip = QRectF(0, top, body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
    }
};

SheetPages::SheetPages(const Sheet& sheet, const SheetIds& ids)
    : m_layout(std::make_unique<Layout>()) {
    m_layout->sheet = sheet;
    m_layout->ids = ids;
    m_layout->bands = sheetBands(sheet, ids);
    m_layout->lay();
}

SheetPages::~SheetPages() = default;

int SheetPages::count() const {
    return m_layout->document.pageCount();
}

double SheetPages::bodyPoint() const {
    return m_layout->point;
}

QImage SheetPages::image(int page, int dpi) const {
    const QRect whole = m_layout->pageLayout().fullRectPixels(kResolution);
    const double scale = static_cast<double>(dpi) / kResolution;
    QImage image(QSize(qRound(whole.width() * scale), qRound(whole.height() * scale)),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    // Laid out in dots of the sheet's resolution: the image takes the same, scaled down.
    const int dotsPerMetre = qRound(kResolution / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.translate(m_layout->pageLayout().paintRectPixels(kResolution).topLeft());
    m_layout->paint(painter, page);
    return image;
}

std::optional<QString> SheetPages::write(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    QPdfWriter writer(&file);
    writer.setTitle(m_layout->sheet.title);
    writer.setCreator(QStringLiteral("Ferrovolt %1").arg(QString::fromLatin1(kVersionText)));
    writer.setResolution(kResolution);
    writer.setPageLayout(m_layout->pageLayout());
    QPainter painter;
    if (!painter.begin(&writer)) return QStringLiteral("%1 cannot be written").arg(path);
    for (int page = 0; page < count(); ++page) {
        if (page > 0) writer.newPage();
        m_layout->paint(painter, page);
    }
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError)
        return QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
    return std::nullopt;
}

std::optional<QString> writeSheet(const Sheet& sheet, const QString& path, const SheetIds& ids) {
    return SheetPages(sheet, ids).write(path);
}

}  // namespace ferrovolt
