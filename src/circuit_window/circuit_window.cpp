// SPDX-License-Identifier: GPL-3.0-or-later
#include "circuit_window/circuit_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

#include "circuit/circuit_fields.h"
#include "circuit/circuit_sheet.h"
#include "circuit_window/circuit_fill_prefill.h"
#include "circuit_window/circuit_report.h"
#include "circuit_window/window_text.h"
#include "pictures.h"
#include "window_kit/aligned_columns.h"
#include "window_kit/kit_accessibility.h"
#include "window_kit/scrolling_panel.h"
#include "window_kit/status_line.h"
#include "window_kit/text_tone.h"

namespace ferrovolt {

namespace {

constexpr std::array kCriteria{Criterion::Ampacity, Criterion::VoltageDrop, Criterion::ShortCircuit,
                               Criterion::SmallConductor};
constexpr double kSizeScale = 2.4;

// The controls' texts as the check's fields read them.
std::string textOf(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text().trimmed().toStdString();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentData().toString().toStdString();
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->isChecked() ? "true" : "false";
    if (const auto* spin = qobject_cast<const QSpinBox*>(control))
        return std::to_string(spin->value());
    return {};
}

bool isCriterionRow(const CircuitRow& row) {
    for (Criterion c : kCriteria)
        if (&criterionRow(c) == &row) return true;
    return false;
}

// The verdict, as the trail's "Answer" step words it.
QString verdictOf(const CircuitAnswer& answer) {
    QString verdict;
    writeCircuitTrail(answer,
                      [&verdict](std::string_view step, std::string_view value, std::string_view) {
                          if (step == "Answer") verdict = qt(value);
                      });
    return verdict;
}

}  // namespace

CircuitWindow::CircuitWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_result(CircuitRefusal{}) {
    setObjectName(QStringLiteral("CircuitWindow"));
    setWindowTitle(QStringLiteral("Circuit Check"));
    setWindowIcon(programIcon());
    nameListsByLabel(*this);

    // The inputs scroll where the screen is too short for them; the answer stays in view.
    auto* inputs = new QWidget(this);
    auto* left = new QVBoxLayout(inputs);
    left->setContentsMargins({});
    buildInputs(left);
    left->addStretch(1);
    alignColumns(m_inputGrids, {0, 2});
    auto* columns = new QHBoxLayout;
    auto* right = new QVBoxLayout;
    buildResults(right);
    columns->addWidget(new ScrollingPanel(inputs, this), 0);
    columns->addLayout(right, 1);

    // A material chosen here replaces the one a tab could not hand over.
    connect(m_material, &QComboBox::activated, m_note, [this] { m_note->clear(); });

    auto* disclaimer = new QLabel(qt(kCircuitDisclaimer), this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(disclaimer);

    recalculate();
}

void CircuitWindow::buildResults(QLayout* into) {
    auto* box = new QGroupBox(QStringLiteral("Result"), this);
    auto* layout = new QVBoxLayout(box);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    setTextTone(m_note, TextTone::Note);
    layout->addWidget(m_note);

    m_size = new ResultValue(qt(kCircuitRows[0].caption), this);
    m_size->setObjectName(QStringLiteral("lblSize"));
    QFont large = m_size->font();
    large.setPointSizeF(large.pointSizeF() * kSizeScale);
    large.setBold(true);
    m_size->setFont(large);
    layout->addWidget(m_size);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("lblVerdict"));
    m_verdict->setWordWrap(true);
    layout->addWidget(m_verdict);

    // The criteria first, then, after a gap, every other row the window shows.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);  // rows of a table: close, so the answer fits a short screen
    m_rows = std::make_unique<ResultRows>(grid, this);
    const auto addRow = [this](const CircuitRow& row) {
        m_rows->add(qt(row.key), qt(row.caption));
        m_rowOf.push_back(&row);
    };
    for (const Criterion c : kCriteria) addRow(criterionRow(c));
    grid->setRowMinimumHeight(grid->rowCount(), fontMetrics().height() / 2);
    for (const CircuitRow& row : kCircuitRows)
        if (!isCriterionRow(row) && &row != &kCircuitRows[0] && row.key != "governed_by")
            addRow(row);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    m_showTrail = new QPushButton(QStringLiteral("S&how the calculation"), this);
    m_showTrail->setObjectName(QStringLiteral("cmdShowTrail"));
    m_showTrail->setCheckable(true);
    m_copy = new QPushButton(QStringLiteral("Cop&y"), this);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_copy->setToolTip(QStringLiteral("Puts the calculation on the clipboard as text"));
    m_save = new QPushButton(QStringLiteral("&Save report…"), this);
    m_save->setObjectName(QStringLiteral("cmdSaveReport"));
    m_save->setToolTip(QStringLiteral("Writes the calculation sheet as a one-page PDF"));
    m_conduitFill = new QPushButton(QStringLiteral("Conduit fill…"), this);
    m_conduitFill->setObjectName(QStringLiteral("cmdConduitFill"));
    m_conduitFill->setToolTip(QStringLiteral("Sizes the raceway for these conductors"));
    for (QPushButton* button : {m_showTrail, m_copy, m_save, m_conduitFill})
        button->setAccessibleName(plain(button->text()));
    buttons->addWidget(m_showTrail);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_save);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    // The next tool on a line of its own, so the answer's column stays narrow.
    auto* next = new QHBoxLayout;
    next->addWidget(m_conduitFill);
    next->addStretch(1);
    layout->addLayout(next);
    m_status = new StatusLine(this);
    layout->addWidget(m_status);

    m_trail = new QTextBrowser(this);
    m_trail->setObjectName(QStringLiteral("trail"));
    m_trail->setAccessibleName(QStringLiteral("Calculation"));
    m_trail->setVisible(false);
    layout->addWidget(m_trail, 3);
    into->addWidget(box);

    connect(m_showTrail, &QPushButton::toggled, m_trail, &QWidget::setVisible);
    connect(m_copy, &QPushButton::clicked, this, [this] { copyTrail(); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveReportAs(); });
    connect(m_conduitFill, &QPushButton::clicked, this, [this] {
        if (const auto* answer = std::get_if<CircuitAnswer>(&m_result)) {
            const CircuitFill fill = circuitFill(*answer);
            emit conduitFillRequested(fill.inputs, fill.note);
        }
    });
}

QString CircuitWindow::captionOf(std::string_view key) const {
    for (const Input& input : m_inputs)
        if (input.key == key) return input.caption;
    return qt(key);
}

void CircuitWindow::recalculate() {
    if (m_trail == nullptr) return;  // still being built
    CircuitInputs in;
    for (const Input& input : m_inputs) {
        const std::string text = textOf(input.control);
        const CircuitField* field = circuitField(input.key);
        if (text.empty()) {
            if (!field->required) continue;
            showRefusal(input.caption + QStringLiteral(": enter a number"));
            return;
        }
        if (const std::optional<std::string> reason = field->set(in, text)) {
            showRefusal(input.caption + QStringLiteral(": ") + QString::fromStdString(*reason));
            return;
        }
    }
    m_result = checkCircuit(in);
    if (const auto* refusal = std::get_if<CircuitRefusal>(&m_result)) {
        showRefusal(captionOf(refusal->field) + QStringLiteral(": ") +
                    QString::fromStdString(refusal->reason));
        return;
    }
    showAnswer(std::get<CircuitAnswer>(m_result));
}

void CircuitWindow::showAnswer(const CircuitAnswer& answer) {
    m_status->clearStatus();
    m_size->setResult(qt(answer.sizeLabel), qt(answer.sizeLabel), true);
    m_verdict->setText(verdictOf(answer));
    setTextTone(m_verdict, std::nullopt);
    const CircuitRow& governing = criterionRow(answer.governedBy);
    for (std::size_t i = 0; i < m_rowOf.size(); ++i)
        m_rows->show(i, QString::fromStdString(circuitRowText(*m_rowOf[i], answer)),
                     m_rowOf[i] == &governing);
    m_trail->setHtml(circuitTrailHtml(answer));
    m_copy->setEnabled(true);
    m_save->setEnabled(true);
    m_conduitFill->setEnabled(true);
}

void CircuitWindow::showRefusal(const QString& message) {
    m_result = CircuitRefusal{};
    m_status->clearStatus();
    m_size->setResult(QStringLiteral("—"), {}, false);
    m_verdict->setText(message);
    setTextTone(m_verdict, TextTone::Error);
    m_rows->clear();
    m_trail->clear();
    m_copy->setEnabled(false);
    m_save->setEnabled(false);
    m_conduitFill->setEnabled(false);
}

void CircuitWindow::copyTrail() {
    const auto* answer = std::get_if<CircuitAnswer>(&m_result);
    if (answer == nullptr) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(circuitSheet(*answer)));
    m_status->announce(QStringLiteral("Copied the calculation for %1 to the clipboard.")
                           .arg(qt(answer->sizeLabel)));
}

std::optional<QString> CircuitWindow::saveReport(const QString& path) {
    const auto* answer = std::get_if<CircuitAnswer>(&m_result);
    if (answer == nullptr) return QStringLiteral("there is no answer to report");
    std::optional<QString> reason = writeCircuitReport(*answer, QDate::currentDate(), path);
    m_status->announce(
        reason ? QStringLiteral("The report was not saved: %1.").arg(*reason)
               : QStringLiteral("Saved the report to %1.")
                     .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
    return reason;
}

void CircuitWindow::saveReportAs() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save report"),
                                                QStringLiteral("circuit-check.pdf"),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
    if (const std::optional<QString> reason = saveReport(path))
        QMessageBox::warning(this, QStringLiteral("Save report"), *reason);
}

}  // namespace ferrovolt
