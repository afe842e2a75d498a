// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "check/check_sheet.h"
#include "check/common_fields.h"
#include "check/origin.h"
#include "circuit_window/circuit_report.h"
#include "circuit_window/code_memory.h"
#include "codes/code_registry.h"
#include "fill/fill_case.h"
#include "nec2023/nec2023_code.h"
#include "pictures.h"
#include "window_kit/field_panel.h"
#include "window_kit/kit_accessibility.h"
#include "window_kit/list_entries.h"
#include "window_kit/scrolling_panel.h"
#include "window_kit/sheet_pages.h"
#include "window_kit/status_line.h"
#include "window_kit/text_tone.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

constexpr double kSizeScale = 2.4;
constexpr char kConduitFillTip[] = "Sizes the raceway for these conductors";
// A window manager's borders, left and right, beside the screen's work area.
constexpr int kFrameSides = 8;
// The letters of the code's name its list shows at the least.
constexpr int kCodeLetters = 12;
// The answer's rows a short screen still shows; the others scroll.
constexpr int kLeastRows = 4;
// The calculation's lines a short screen still shows; it scrolls.
constexpr int kLeastTrailLines = 4;

// The verdict, as the trail's "Answer" step words it.
QString verdictOf(const CircuitCase& checked) {
    QString verdict;
    checked.writeTrail([&verdict](std::string_view step, std::string_view value, std::string_view) {
        if (step == "Answer") verdict = qt(value);
    });
    return verdict;
}

// The code's size row: what the window shows large.
const CheckRow* headlineRow(const CircuitCode& code) {
    for (const CheckRow& row : code.rows())
        if (row.headline) return &row;
    return nullptr;
}

}  // namespace

CircuitWindow::CircuitWindow(QWidget* parent) : CircuitWindow(rememberedCircuitCode(), parent) {}

CircuitWindow::CircuitWindow(const CircuitCode& code, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_code(&code),
      m_case(code.newCase()),
      m_result(CircuitRefusal{}) {
    setObjectName(QStringLiteral("CircuitWindow"));
    setWindowTitle(QStringLiteral("Circuit Check"));
    setWindowIcon(programIcon());
    nameListsByLabel(*this);

    // The code stays in view; its inputs scroll where the screen is too short for them, and
    // the answer stays in view.
    auto* left = new QVBoxLayout;
    buildCodeChoice(left);
    auto* inputs = new QWidget(this);
    m_panel = new QVBoxLayout(inputs);
    m_panel->setContentsMargins({});
    m_panel->addStretch(1);
    auto* inputPanel = new ScrollingPanel(inputs, this);
    inputPanel->allowSideways();  // the answer beside it stays whole
    left->addWidget(inputPanel, 1);
    auto* columns = new QHBoxLayout;
    m_columns = columns;
    m_left = left;
    auto* right = new QVBoxLayout;
    buildResults(right);
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    m_fields = new FieldPanel(this);
    m_fields->setMade([this](const CheckField& field, QWidget* made) { madeControl(field, made); });
    connect(m_fields, &FieldPanel::changed, this, [this] { recalculate(); });
    buildInputs();
    followMethod();
    buildRows();

    auto* disclaimer = new QLabel(qt(kCircuitDisclaimer), this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(disclaimer);

    orderTabs();
    recalculate();
    fitColumns();
}

void CircuitWindow::fitColumns() {
    // The answer's column keeps the width its rows ask where the screen has room for it beside
    // the narrowest inputs; on a narrower screen (a laptop's at 200 %) its captions take a
    // second line and the inputs scroll sideways.
    const QScreen* shown = screen();
    if (shown == nullptr || layout() == nullptr) return;
    const auto wrapCaptions = [this](bool wrap) {
        for (ResultCaption* caption : m_rowPanel->widget()->findChildren<ResultCaption*>())
            caption->setWordWrap(wrap);
        m_rowPanel->updateGeometry();
    };
    m_resultBox->setMinimumWidth(0);
    wrapCaptions(false);
    const int wanted = m_resultBox->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    const int room = shown->availableGeometry().width() - kFrameSides - margins.left() -
                     margins.right() - m_columns->spacing() - m_left->minimumSize().width();
    if (room < wanted) wrapCaptions(true);
    m_resultBox->setMinimumWidth(std::clamp(room, 0, wanted));
}

void CircuitWindow::buildCodeChoice(QVBoxLayout* into) {
    m_codeGrid = new QGridLayout;
    m_codeList = new QComboBox(this);
    m_codeList->setObjectName(QStringLiteral("code"));
    m_codeList->setToolTip(QStringLiteral("The wiring code the circuit is checked against"));
    for (const CircuitCode* code : circuitCodes())
        m_codeList->addItem(qt(code->name()), qt(code->key()));
    m_codeList->setCurrentIndex(m_codeList->findData(qt(m_code->key())));
    m_codeCaption = new QLabel(QStringLiteral("Cod&e:"), this);
    m_codeCaption->setBuddy(m_codeList);
    m_codeList->setAccessibleName(plain(m_codeCaption->text()));
    m_codeGrid->addWidget(m_codeCaption, 0, 0);
    // As wide as the inputs' controls where there is room, else shorter: its entry is cut
    // with an ellipsis and said whole in its tip.
    cutLongEntries(*m_codeList, kCodeLetters);
    m_codeGrid->addWidget(m_codeList, 0, 1);
    m_codeGrid->setColumnStretch(1, 1);
    into->addLayout(m_codeGrid);
    connect(m_codeList, &QComboBox::activated, this, [this](int index) {
        if (const CircuitCode* chosen =
                circuitCode(m_codeList->itemData(index).toString().toStdString()))
            setCode(*chosen);
    });
}

void CircuitWindow::buildResults(QVBoxLayout* into) {
    auto* box = new QGroupBox(QStringLiteral("Result"), this);
    m_resultBox = box;
    m_resultLayout = new QVBoxLayout(box);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    m_note->hide();  // shown with a note only: its empty line is room the rows need
    setTextTone(m_note, TextTone::Note);
    m_resultLayout->addWidget(m_note);

    const CheckRow* headline = headlineRow(*m_code);
    m_size = new ResultValue(headline != nullptr ? qt(headline->caption) : QString(), this);
    m_size->setObjectName(QStringLiteral("lblSize"));
    QFont large = m_size->font();
    large.setPointSizeF(large.pointSizeF() * kSizeScale);
    large.setBold(true);
    m_size->setFont(large);
    m_resultLayout->addWidget(m_size);
    m_verdict = new VerdictLine(this);
    m_verdict->setObjectName(QStringLiteral("lblVerdict"));
    m_resultLayout->addWidget(m_verdict);
    // The rows come next (buildRows), then the buttons below them.
    m_resultLayout->addStretch(1);

    m_showTrail = new QPushButton(QStringLiteral("S&how the calculation"), this);
    m_showTrail->setObjectName(QStringLiteral("cmdShowTrail"));
    m_showTrail->setCheckable(true);
    m_copy = new QPushButton(QStringLiteral("Cop&y"), this);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_copy->setToolTip(QStringLiteral("Puts the calculation on the clipboard as text"));
    m_save = new QPushButton(QStringLiteral("&Save report…"), this);
    m_save->setObjectName(QStringLiteral("cmdSaveReport"));
    m_save->setToolTip(QStringLiteral("Writes the calculation sheet as a PDF"));
    m_conduitFill = new QPushButton(QStringLiteral("Conduit fill…"), this);
    m_conduitFill->setObjectName(QStringLiteral("cmdConduitFill"));
    m_conduitFill->setToolTip(QString::fromLatin1(kConduitFillTip));
    m_addToProject = new QPushButton(QStringLiteral("Add to project…"), this);
    m_addToProject->setObjectName(QStringLiteral("cmdAddToProject"));
    m_addToProject->setToolTip(
        QStringLiteral("Adds this circuit to a board of the open Project window"));
    for (QPushButton* button : {m_showTrail, m_copy, m_save, m_conduitFill, m_addToProject})
        button->setAccessibleName(plain(button->text()));
    // Two to a line, in Tab order, so that the answer's column stays narrow enough for the
    // inputs beside it on a laptop's screen at 200 %.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_showTrail, 0, 0);
    buttons->addWidget(m_copy, 0, 1);
    buttons->addWidget(m_save, 1, 0);
    buttons->addWidget(m_conduitFill, 1, 1);
    buttons->addWidget(m_addToProject, 2, 0);
    buttons->setColumnStretch(2, 1);
    m_resultLayout->addLayout(buttons);
    m_status = new StatusLine(this);
    m_resultLayout->addWidget(m_status);

    m_trail = new QTextBrowser(this);
    m_trail->setObjectName(QStringLiteral("trail"));
    m_trail->setAccessibleName(QStringLiteral("Calculation"));
    m_trail->setVisible(false);
    m_trail->setMinimumHeight(fontMetrics().height() * kLeastTrailLines);
    m_resultLayout->addWidget(m_trail, 3);
    into->addWidget(box);

    connect(m_showTrail, &QPushButton::toggled, m_trail, [this](bool shown) {
        if (shown && m_answered && m_trail->document()->isEmpty())
            m_trail->setHtml(circuitTrailHtml(*m_case));
        m_trail->setVisible(shown);
    });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyTrail(); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveReportAs(); });
    connect(m_addToProject, &QPushButton::clicked, this, [this] { emit addToProjectRequested(); });
    connect(m_conduitFill, &QPushButton::clicked, this, [this] {
        if (!m_answered) return;
        if (const std::optional<HandOn> handOn = m_case->fillHandOn())
            emit conduitFillRequested(fillInputsHandedOn(*handOn), qt(handOn->note));
    });
}

void CircuitWindow::buildRows() {
    // The criteria first, then, after a gap, every other row the window shows.
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins({});
    grid->setVerticalSpacing(1);  // rows of a table: close, so the answer fits a short screen
    m_rows = std::make_unique<ResultRows>(grid, panel);
    m_rowOf.clear();
    const std::span<const CheckRow> rows = m_code->rows();
    const auto addRow = [this, rows](std::size_t i) {
        m_rows->add(qt(rows[i].key), qt(rows[i].caption));
        m_rowOf.push_back(i);
    };
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].criterion) addRow(i);
    grid->setRowMinimumHeight(grid->rowCount(), fontMetrics().height() / 2);
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!rows[i].criterion && !rows[i].headline && rows[i].key != keys::kGovernedBy) addRow(i);
    grid->setColumnStretch(1, 1);
    // The rows scroll too where a code has more of them than a short screen has room for.
    if (m_rowPanel != nullptr) {
        m_rowPanel->setWidget(panel);
        panel->setAutoFillBackground(false);
    } else {
        m_rowPanel = new ScrollingPanel(panel, this);
        m_rowPanel->setObjectName(QStringLiteral("rowPanel"));
        m_rowPanel->setLeastLines(kLeastRows);
        m_resultLayout->insertWidget(m_resultLayout->indexOf(m_verdict) + 1, m_rowPanel);
    }

    // Another code may call its size otherwise.
    const CheckRow* headline = headlineRow(*m_code);
    const QString caption = headline != nullptr ? qt(headline->caption) : QString();
    if (m_size->caption() != caption) {
        auto* size = new ResultValue(caption, this);
        size->setObjectName(m_size->objectName());
        size->setFont(m_size->font());
        delete m_resultLayout->replaceWidget(m_size, size);
        delete m_size;
        m_size = size;
    }
}

void CircuitWindow::orderTabs() {
    std::vector<QWidget*> chain{m_codeList};
    for (const FieldPanel::Input& input : m_fields->inputs())
        if (input.control != nullptr) chain.push_back(input.control);
    for (QWidget* button : {m_showTrail, m_copy, m_save, m_conduitFill, m_addToProject})
        chain.push_back(button);
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void CircuitWindow::recalculate() {
    if (m_trail == nullptr || m_building) return;
    m_case->reset();
    std::optional<CheckRefusal> refusal = m_fields->setCase(*m_case);
    if (!refusal) refusal = m_case->check();
    if (refusal) {
        showRefusal(m_fields->refusalText(*refusal));
        return;
    }
    showAnswer();
}

void CircuitWindow::showAnswer() {
    m_answered = true;
    const CircuitAnswer* nec = necAnswer(*m_case);
    if (nec != nullptr)
        m_result = *nec;
    else
        m_result = CircuitRefusal{};
    m_status->clearStatus();
    const QString size = qt(m_case->sizeLabel());
    m_size->setResult(size, size, true);
    m_verdict->showVerdict(verdictOf(*m_case));
    setTextTone(m_verdict, std::nullopt);
    const std::size_t governing = m_case->governingRow();
    for (std::size_t i = 0; i < m_rowOf.size(); ++i) {
        const std::size_t row = m_rowOf[i];
        m_rows->show(i, QString::fromStdString(m_case->rowWords(row)), row == governing);
    }
    // The answer first: the trail is laid out once the change is over, and only while it
    // is shown (laying it out takes longer than the whole check).
    if (!m_trail->isVisibleTo(this)) {
        if (!m_trail->document()->isEmpty()) m_trail->clear();
    } else if (!m_trailDue) {
        m_trailDue = true;
        QTimer::singleShot(0, this, [this] {
            m_trailDue = false;
            if (m_answered && m_trail->isVisibleTo(this))
                m_trail->setHtml(circuitTrailHtml(*m_case));
        });
    }
    m_copy->setEnabled(true);
    m_save->setEnabled(true);
    // Conduit fill is NEC 2023 Chapter 9's: under a code whose answer hands it nothing the
    // button says so.
    setConduitFill(m_case->fillHandOn()
                       ? QString()
                       : QStringLiteral("Conduit fill is sized by NEC 2023 Chapter 9; "
                                        "this circuit is checked under %1")
                             .arg(qt(m_code->name())));
}

void CircuitWindow::setConduitFill(const QString& unavailable) {
    m_conduitFill->setEnabled(unavailable.isEmpty());
    const QString tip = unavailable.isEmpty() ? QString::fromLatin1(kConduitFillTip) : unavailable;
    m_conduitFill->setToolTip(tip);
    m_conduitFill->setAccessibleDescription(tip);
}

void CircuitWindow::showRefusal(const QString& message) {
    m_answered = false;
    m_result = CircuitRefusal{};
    m_status->clearStatus();
    m_size->setResult(QStringLiteral("—"), {}, false);
    m_verdict->showRefusal(message);
    setTextTone(m_verdict, TextTone::Error);
    m_rows->clear();
    m_trail->clear();
    m_copy->setEnabled(false);
    m_save->setEnabled(false);
    setConduitFill(QStringLiteral("Conduit fill takes the conductors of an answer; there is none"));
}

void CircuitWindow::copyTrail() {
    const CircuitCase* checked = answer();
    if (checked == nullptr) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(checkSheet(*checked)));
    m_status->announce(QStringLiteral("Copied the calculation for %1 to the clipboard.")
                           .arg(qt(checked->sizeLabel())));
}

std::optional<QString> CircuitWindow::saveReport(const QString& path) {
    const CircuitCase* checked = answer();
    if (checked == nullptr) return QStringLiteral("there is no answer to report");
    std::optional<QString> reason =
        writeCircuitReport(*checked, givenInputs(), QDate::currentDate(), path);
    m_status->announce(
        reason ? QStringLiteral("The report was not saved: %1.").arg(*reason)
               : QStringLiteral("Saved the report to %1.")
                     .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return reason;
}

std::vector<GivenInput> CircuitWindow::givenInputs() const {
    std::vector<GivenInput> given;
    given.reserve(m_fields->inputs().size());
    // An input hidden because it is of another kind of load is not the circuit's.
    const auto fields = m_code->fields();
    for (const FieldPanel::Input& input : m_fields->inputs())
        if (input.control != nullptr && input.control->isEnabled() &&
            m_fields->applies(fields[input.field].key))
            given.push_back({input.field, FieldPanel::textOf(input.control)});
    return given;
}

std::vector<std::pair<std::string, QString>> CircuitWindow::cableTexts() const {
    std::vector<std::pair<std::string, QString>> texts;
    const auto fields = m_code->fields();
    for (const GivenInput& input : givenInputs()) {
        const std::string_view key = fields[input.field].key;
        if (!givenByOrigin(key)) texts.emplace_back(std::string(key), qt(input.text));
    }
    return texts;
}

void CircuitWindow::saveReportAs() {
    if (!askSheetIds(this)) return;
    const QString path = askSheetPath(this, QStringLiteral("circuit-check.pdf"));
    if (path.isEmpty()) return;
    if (const std::optional<QString> reason = saveReport(path))
        QMessageBox::warning(this, QStringLiteral("Save report"), *reason);
}

}  // namespace ferrovolt
