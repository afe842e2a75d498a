// SPDX-License-Identifier: GPL-3.0-or-later
#include "fill_window/fill_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

#include "check/common_fields.h"
#include "fill/chapter9_tables.h"
#include "fill/fill_case.h"
#include "fill/fill_sheet.h"
#include "fill_window/fill_drawing.h"
#include "fill_window/fill_report.h"
#include "pictures.h"
#include "services/system_services.h"
#include "window_kit/access_letters.h"
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

namespace c9 = chapter9;

enum Column { kCount = 0, kSize = 1, kType = 2 };
constexpr char kCableType[] = "cable";
constexpr double kSizeScale = 2.0;
// The lines of figures and drawing, and of the calculation, that a short screen still shows.
constexpr int kLeastFigureLines = 4;
constexpr int kLeastTrailLines = 4;
// The letters of an entry a list keeps in view on a narrow screen.
constexpr int kListLetters = 14;
// Wanted colours, made readable against the window's own background.

// The Type column's editor: a list of the conductor types, and "cable".
class TypeDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* list = new QComboBox(parent);
        list->setEditable(true);  // typed with completion; a text not listed is kept, and refused
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setAccessibleName(QStringLiteral("Type"));
        list->addItem(QString::fromLatin1(kCableType));
        for (const c9::ConductorType& type : c9::kConductorTypes) list->addItem(qt(type.text));
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* list = static_cast<QComboBox*>(editor);
        const QString text = index.data().toString();
        const int at = list->findText(text, Qt::MatchFixedString);
        if (at >= 0) list->setCurrentIndex(at);
        list->setEditText(text);
        // A key typed over the cell replaces its text, as in the other columns.
        list->lineEdit()->selectAll();
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }
};

// The fill's inputs as this window shows them: the check's own fields by key, with the
// window's groups, captions and entries (the raceway types by name, the trade sizes of the
// type chosen after the entry for none, the cable unit as a list).
constexpr char kRacewayGroup[] = "Raceway";
constexpr char kRowsGroup[] = "Conductors and cables";
constexpr ChoiceText kSmallestSize[] = {{"", "Smallest that holds them"}};
constexpr ChoiceText kCableUnits[] = {{"false", "inches"}, {"true", "millimetres"}};

const std::vector<CheckField>& shownFields() {
    static const std::vector<ChoiceText> raceways = [] {
        std::vector<ChoiceText> all;
        for (const c9::RacewayType& raceway : c9::kRaceways)
            all.push_back({raceway.key, raceway.name});
        return all;
    }();
    static const std::vector<CheckField> fields = [] {
        const Check& fill = fillCheck();
        const auto shown = [&fill](std::string_view key, std::string_view group,
                                   std::string_view caption) {
            CheckField field = *fill.field(key);
            field.group = group;
            field.caption = caption;
            return field;
        };
        std::vector<CheckField> all{
            shown(keys::kRaceway, kRacewayGroup, "&Raceway type:"),
            shown(keys::kSize, kRacewayGroup, "Trade si&ze:"),
            shown("nipple", kRacewayGroup, "&Nipple of 24 in or less (60 %)"),
            shown(keys::kWire, kRowsGroup, "Conductor and cable ro&ws:"),
            shown("cable", kRowsGroup, "Conductor and cable ro&ws:"),
            shown("metric", kRowsGroup, "Cable &diameters in:"),
        };
        all[0].shown = raceways;
        all[1].shown = kSmallestSize;
        all[2].placement = FieldPlacement::Check;
        all[5].shown = kCableUnits;
        return all;
    }();
    return fields;
}

QLabel* buddyLabel(const QString& text, QWidget* control) {
    auto* label = new QLabel(text);
    label->setBuddy(control);
    control->setAccessibleName(plain(text));
    return label;
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item == nullptr ? QString() : item->text().trimmed();
}

}  // namespace

FillWindow::FillWindow(SystemServices* services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services), m_result(FillRefusal{}) {
    setObjectName(QStringLiteral("FillWindow"));
    setWindowTitle(QStringLiteral("Conduit Fill"));
    setWindowIcon(programIcon());
    nameListsByLabel(*this);

    // The inputs scroll, down and on a narrow screen sideways, so that the window fits a
    // small or scaled screen with the answer and its buttons in view.
    auto* scroll = new ScrollingPanel(buildInputs(), this);
    scroll->setObjectName(QStringLiteral("inputScroll"));
    scroll->allowSideways();
    auto* columns = new QHBoxLayout;
    columns->addWidget(scroll, 1);
    columns->addWidget(buildResults(), 1);

    auto* disclaimer = new QLabel(qt(kFillDisclaimer), this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns, 1);
    whole->addWidget(disclaimer);

    orderTabs();

    addConductorRow(QStringLiteral("3"), QStringLiteral("12"), QStringLiteral("THHN"));
    addConductorRow(QStringLiteral("1"), QStringLiteral("12"), QStringLiteral("bare"));
    m_building = false;
    recalculate(false);
    // Opens on its first input; its size is the content's, up to the screen (placeWindow).
    m_raceway->setFocus(Qt::OtherFocusReason);
}

FillWindow::~FillWindow() {
    // An editor still open commits its text as the window closes: nothing is answered then.
    m_building = true;
    m_rows->blockSignals(true);
}

QWidget* FillWindow::buildInputs() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);

    m_fields = new FieldPanel(this);
    m_fields->setListLetters(kListLetters);
    m_fields->setBeep([this] {
        if (m_services != nullptr)
            m_services->beep();
        else
            QApplication::beep();
    });
    m_fields->setMade([this](const CheckField& field, QWidget* control) {
        // A new type lists its own trade sizes before the answer.
        if (field.key == keys::kRaceway)
            connect(static_cast<QComboBox*>(control), &QComboBox::currentIndexChanged, this,
                    [this] { fillTradeSizes(); });
    });
    m_fields->setRowsWidget([this](const CheckField& field) -> QWidget* {
        return field.key == keys::kWire ? buildRows() : nullptr;  // one grid for both
    });
    m_fields->setRowsTexts(
        [this](const CheckField& field) { return field.key == keys::kWire ? m_wires : m_cables; });
    std::vector<const CheckField*> fields;
    for (const CheckField& field : shownFields()) fields.push_back(&field);
    // The letters of the grid's caption and buttons and of the sheet's buttons, made later.
    QList<QChar> taken;
    for (const QString& command :
         {QStringLiteral("Conductor and cable ro&ws:"), QStringLiteral("Add &conductor"),
          QStringLiteral("Add ca&ble"), QStringLiteral("Re&move row"),
          QStringLiteral("S&how the calculation"), QStringLiteral("Cop&y"),
          QStringLiteral("&Save report…")})
        taken << accessLetter(command);
    m_fields->build(fillCheck(), fields, layout, 0, taken);
    m_case = fillCheck().newCheckCase();

    m_raceway = qobject_cast<QComboBox*>(m_fields->control(keys::kRaceway));
    m_tradeSize = qobject_cast<QComboBox*>(m_fields->control(keys::kSize));
    m_nipple = qobject_cast<QCheckBox*>(m_fields->control("nipple"));
    m_cableUnit = qobject_cast<QComboBox*>(m_fields->control("metric"));
    m_tradeSize->setObjectName(QStringLiteral("tradeSize"));
    m_cableUnit->setObjectName(QStringLiteral("cableUnit"));
    // The nipple's box across the group, under the lists' captions; the grid of rows takes
    // the room to spare.
    int row = 0, column = 0, rows = 0, columns = 0;
    QGridLayout* raceway = m_fields->grids().front();
    raceway->getItemPosition(raceway->indexOf(m_nipple), &row, &column, &rows, &columns);
    raceway->removeWidget(m_nipple);
    raceway->addWidget(m_nipple, row, 0, 1, -1);
    QGridLayout* conductors = m_fields->grids().back();
    conductors->getItemPosition(conductors->indexOf(m_rows->parentWidget()), &row, &column, &rows,
                                &columns);
    conductors->setRowStretch(row, 1);
    layout->setStretchFactor(m_fields->groups().back(), 1);
    fillTradeSizes();
    // Narrower than their longest entries where the screen is narrow, cut with an ellipsis.
    cutLongEntries(*m_tradeSize, kListLetters);

    connect(m_fields, &FieldPanel::changed, this, [this] { recalculate(true); });
    connect(m_rows, &QTableWidget::itemChanged, this, [this] { recalculate(true); });
    connect(m_addConductor, &QPushButton::clicked, this, [this] { addConductorRow(); });
    connect(m_addCable, &QPushButton::clicked, this, [this] { addCableRow(); });
    connect(m_remove, &QPushButton::clicked, this, [this] { removeCurrentRow(); });
    return panel;
}

QWidget* FillWindow::buildRows() {
    auto* part = new QWidget(this);
    auto* rowsLayout = new QVBoxLayout(part);
    rowsLayout->setContentsMargins({});
    m_rows = new QTableWidget(0, 3, part);
    m_rows->setObjectName(QStringLiteral("rows"));
    m_rows->setHorizontalHeaderLabels(
        {QStringLiteral("Count"), QStringLiteral("Size or diameter"), QStringLiteral("Type")});
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_rows->verticalHeader()->setVisible(false);
    m_rows->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing, F2 or a double click edits a cell; moving through the grid does not.
    m_rows->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_rows->setTabKeyNavigation(false);  // Tab leaves the grid; the arrows move within it
    m_rows->setItemDelegateForColumn(kType, new TypeDelegate(m_rows));
    m_rows->installEventFilter(this);
    m_rows->setMinimumHeight(fontMetrics().height() * 8);
    auto* rowsLabel = buddyLabel(QStringLiteral("Conductor and cable ro&ws:"), m_rows);
    m_rows->setToolTip(QStringLiteral("Insert adds a conductor row, Delete removes the row"));
    m_rows->setAccessibleDescription(
        QStringLiteral("Count, size or diameter, and type of each row; Insert adds a "
                       "conductor row, Delete removes the current row"));
    rowsLayout->addWidget(rowsLabel);
    rowsLayout->addWidget(m_rows, 1);

    auto* buttons = new QHBoxLayout;
    m_addConductor = new QPushButton(QStringLiteral("Add &conductor"), part);
    m_addConductor->setObjectName(QStringLiteral("cmdAddConductor"));
    m_addCable = new QPushButton(QStringLiteral("Add ca&ble"), part);
    m_addCable->setObjectName(QStringLiteral("cmdAddCable"));
    m_remove = new QPushButton(QStringLiteral("Re&move row"), part);
    m_remove->setObjectName(QStringLiteral("cmdRemoveRow"));
    for (QPushButton* button : {m_addConductor, m_addCable, m_remove}) {
        button->setAccessibleName(plain(button->text()));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    rowsLayout->addLayout(buttons);
    return part;
}

void FillWindow::orderTabs() {
    const std::array<QWidget*, 11> chain{m_raceway,      m_tradeSize, m_nipple, m_rows,
                                         m_addConductor, m_addCable,  m_remove, m_cableUnit,
                                         m_showTrail,    m_copy,      m_save};
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

QWidget* FillWindow::buildResults() {
    auto* box = new QGroupBox(QStringLiteral("Result"), this);
    auto* layout = new QVBoxLayout(box);
    m_note = new QLabel(box);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    layout->addWidget(m_note);

    m_size = new QLabel(box);
    m_size->setObjectName(QStringLiteral("lblTradeSize"));
    QFont large = m_size->font();
    large.setPointSizeF(large.pointSizeF() * kSizeScale);
    large.setBold(true);
    m_size->setFont(large);
    m_size->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_size);
    m_verdict = new VerdictLine(box);
    m_verdict->setObjectName(QStringLiteral("lblVerdict"));
    layout->addWidget(m_verdict);
    m_warning = new QLabel(box);
    m_warning->setObjectName(QStringLiteral("lblWarning"));
    m_warning->setWordWrap(true);
    layout->addWidget(m_warning);

    m_verdictRow = *fillCheck().rowIndex("verdict");
    m_warningsRow = *fillCheck().rowIndex("warnings");
    // One label a row, "Caption: value", so that a screen reader reads each row once; the
    // rows and the drawing scroll where the screen is short.
    auto* figures = new QWidget(box);
    auto* figuresLayout = new QVBoxLayout(figures);
    figuresLayout->setContentsMargins({});
    for (std::size_t i = 1; i < kFillRows.size(); ++i) {
        auto* value = new QLabel(figures);
        value->setObjectName(qt(kFillRows[i].key));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        figuresLayout->addWidget(value);
        m_values.push_back(value);
    }
    m_drawing = new FillDrawing(figures);
    figuresLayout->addWidget(m_drawing, 1);
    auto* figurePanel = new ScrollingPanel(figures, box);
    figurePanel->setObjectName(QStringLiteral("figurePanel"));
    figurePanel->setLeastLines(kLeastFigureLines);
    layout->addWidget(figurePanel, 2);

    auto* buttons = new QHBoxLayout;
    m_showTrail = new QPushButton(QStringLiteral("S&how the calculation"), box);
    m_showTrail->setObjectName(QStringLiteral("cmdShowTrail"));
    m_showTrail->setCheckable(true);
    m_copy = new QPushButton(QStringLiteral("Cop&y"), box);
    m_copy->setObjectName(QStringLiteral("cmdCopy"));
    m_copy->setToolTip(QStringLiteral("Puts the calculation on the clipboard as text"));
    m_save = new QPushButton(QStringLiteral("&Save report…"), box);
    m_save->setObjectName(QStringLiteral("cmdSaveReport"));
    m_save->setToolTip(QStringLiteral("Writes the calculation sheet as a PDF"));
    for (QPushButton* button : {m_showTrail, m_copy, m_save}) {
        button->setAccessibleName(plain(button->text()));
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    m_status = new StatusLine(box);
    layout->addWidget(m_status);

    m_trail = new QTextBrowser(box);
    m_trail->setObjectName(QStringLiteral("trail"));
    m_trail->setAccessibleName(QStringLiteral("Calculation"));
    m_trail->setVisible(false);
    m_trail->setMinimumHeight(fontMetrics().height() * kLeastTrailLines);
    layout->addWidget(m_trail, 3);

    connect(m_showTrail, &QPushButton::toggled, m_trail, &QWidget::setVisible);
    connect(m_copy, &QPushButton::clicked, this, [this] { copyReport(); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveReportAs(); });
    return box;
}

void FillWindow::fillTradeSizes() {
    const QString before = m_tradeSize->currentData().toString();
    const QSignalBlocker quiet(m_tradeSize);
    m_tradeSize->clear();
    m_tradeSize->addItem(QStringLiteral("Smallest that holds them"), QString());
    const auto& raceway =
        c9::kRaceways[static_cast<std::size_t>(std::max(0, m_raceway->currentIndex()))];
    for (const c9::RacewaySize& size : raceway.sizes)
        m_tradeSize->addItem(QString::fromStdString(fillTradeText(size.trade)),
                             qt(c9::kTradeSizes[static_cast<std::size_t>(size.trade)].trade));
    // A size the new type also has stays chosen; another goes back to the smallest.
    m_tradeSize->setCurrentIndex(std::max(0, m_tradeSize->findData(before)));
}

void FillWindow::addConductorRow(const QString& count, const QString& size, const QString& type) {
    const QSignalBlocker quiet(m_rows);
    const int row = m_rows->rowCount();
    m_rows->insertRow(row);
    m_rows->setItem(row, kCount, new QTableWidgetItem(count));
    m_rows->setItem(row, kSize, new QTableWidgetItem(size));
    m_rows->setItem(row, kType, new QTableWidgetItem(type));
    m_rows->setCurrentCell(row, kCount);
    if (!m_building) recalculate(true);
}

void FillWindow::addCableRow(const QString& count, const QString& diameter) {
    addConductorRow(count, diameter, QString::fromLatin1(kCableType));
}

void FillWindow::removeCurrentRow() {
    const int row = m_rows->currentRow();
    if (row < 0) return;
    {
        const QSignalBlocker quiet(m_rows);
        m_rows->removeRow(row);
        if (m_rows->rowCount() > 0)
            m_rows->setCurrentCell(std::min(row, m_rows->rowCount() - 1), kCount);
    }
    recalculate(true);
}

bool FillWindow::eventFilter(QObject* watched, QEvent* event) {
    // Not while a cell is being edited: then the keys are the editor's.
    if (watched == m_rows && event->type() == QEvent::KeyPress &&
        QApplication::focusWidget() == m_rows) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert) {
            addConductorRow();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            removeCurrentRow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FillWindow::prefill(const FillInputs& inputs, const QString& note) {
    m_building = true;
    m_raceway->setCurrentIndex(inputs.raceway);
    fillTradeSizes();
    if (inputs.tradeSize)
        m_tradeSize->setCurrentIndex(std::max(
            0, m_tradeSize->findData(
                   qt(c9::kTradeSizes[static_cast<std::size_t>(*inputs.tradeSize)].trade))));
    m_nipple->setChecked(inputs.nipple);
    {
        const QSignalBlocker quiet(m_rows);
        m_rows->setRowCount(0);
    }
    for (const FillRow& row : inputs.rows) {
        if (row.kind == FillItemKind::Cable)
            addCableRow(QString::number(row.count),
                        QString::fromStdString(roundedNumberText(row.diameter, 4)));
        else
            addConductorRow(QString::number(row.count),
                            qt(c9::kSizes[static_cast<std::size_t>(row.size)].label)
                                .section(QLatin1Char(' '), 0, 0),
                            qt(c9::kConductorTypes[static_cast<std::size_t>(row.type)].text));
    }
    m_note->setText(note);
    m_building = false;
    recalculate(false);
}

void FillWindow::recalculate(bool edited) {
    if (m_building || m_status == nullptr) return;
    const bool metric = FieldPanel::textOf(m_cableUnit) == "true";
    // Each row is read cell by cell, so that a refusal names its cell; the rows read are
    // handed to the case as the command line gives them, the wires first.
    m_wires.clear();
    m_cables.clear();
    std::vector<int> wireRows, cableRows;
    std::optional<CheckRefusal> refusal;
    for (int row = 0; row < m_rows->rowCount() && !refusal; ++row) {
        const std::string count = cellText(m_rows, row, kCount).toStdString();
        const std::string size = cellText(m_rows, row, kSize).toStdString();
        const std::string type = cellText(m_rows, row, kType).toStdString();
        const bool cable = QString::fromStdString(type).compare(QLatin1String(kCableType),
                                                                Qt::CaseInsensitive) == 0;
        auto read = cable ? fillCableOf(count, size, metric) : fillWireOf(count, size, type);
        if (auto* refused = std::get_if<FillRefusal>(&read)) {
            refusal = CheckRefusal{refused->field, std::move(refused->reason), row, refused->cell};
        } else if (cable) {
            m_cables.push_back(count + "x" + size);
            cableRows.push_back(row);
        } else {
            m_wires.push_back(count + "x" + size + ":" + type);
            wireRows.push_back(row);
        }
    }
    if (!refusal) {
        m_rowOf = std::move(wireRows);
        m_rowOf.insert(m_rowOf.end(), cableRows.begin(), cableRows.end());
        m_case->reset();
        refusal = m_fields->setCase(*m_case);
        if (!refusal) refusal = m_case->check();
        if (refusal && refusal->row >= 0 && refusal->row < static_cast<int>(m_rowOf.size()))
            refusal->row = m_rowOf[static_cast<std::size_t>(refusal->row)];
    }
    if (!refusal) {
        m_result = *fillAnswer(*m_case);
        showAnswer();
        return;
    }
    m_result = FillRefusal{refusal->field, refusal->reason, refusal->row, refusal->cell};
    const bool empty = m_rows->rowCount() == 0;
    QString message = QString::fromStdString(refusal->reason);
    if (refusal->row >= 0)
        message = QStringLiteral("Row %1: %2").arg(refusal->row + 1).arg(message);
    else if (m_fields->control(refusal->field) != nullptr)
        message = m_fields->refusalText(*refusal);
    showRefusal(empty ? QStringLiteral("Add a conductor or a cable.") : message);
    if (!edited || empty) return;
    m_fields->refuse(*refusal);
    if (refusal->row >= 0) {
        const int column = refusal->cell == "count"  ? kCount
                           : refusal->cell == "type" ? kType
                                                     : kSize;
        m_rows->setCurrentCell(refusal->row, column);
        m_rows->setFocus(Qt::OtherFocusReason);
    }
}

void FillWindow::showAnswer() {
    const FillAnswer& answer = std::get<FillAnswer>(m_result);
    const bool fits = m_case->verdict().value_or(false);
    // With no size that holds them, the largest is where the verdict says why, not the answer.
    const QString size = fits || answer.sizeGiven
                             ? QString::fromStdString(kFillRows[0].text(answer))
                             : QStringLiteral("None holds them");
    m_size->setText(size);
    m_size->setAccessibleName(qt(kFillRows[0].caption) + QStringLiteral(": ") + size);
    const QString verdict = QString::fromStdString(m_case->rowText(m_verdictRow));
    if (fits)
        m_verdict->showVerdict(verdict);
    else
        m_verdict->showRefusal(verdict);
    m_verdict->setAccessibleName(verdict);
    setTextTone(m_verdict, fits ? std::nullopt : std::optional(TextTone::Error));
    QString warnings;
    for (std::size_t i = 0; i < m_case->itemCount(m_warningsRow); ++i) {
        const CheckValue warning = m_case->item(m_warningsRow, i, 0);
        if (const auto* text = std::get_if<std::string_view>(&warning))
            warnings += QStringLiteral("Warning: ") + qt(*text);
    }
    m_warning->setText(warnings);
    m_warning->setAccessibleName(warnings);
    setTextTone(m_warning, TextTone::Warning);
    m_warning->setVisible(!warnings.isEmpty());
    for (std::size_t i = 1; i < kFillRows.size(); ++i) {
        QLabel* value = m_values[i - 1];
        const QString text = QString::fromStdString(kFillRows[i].text(answer));
        value->setText(qt(kFillRows[i].caption) + QStringLiteral(": ") + text);
        value->setAccessibleName(value->text());
        value->setVisible(!text.isEmpty());
    }
    m_drawing->setAnswer(&answer);
    m_trail->setHtml(fillTrailHtml(answer));
    m_copy->setEnabled(true);
    m_save->setEnabled(true);
}

void FillWindow::showRefusal(const QString& message) {
    m_size->setText(QStringLiteral("—"));
    m_size->setAccessibleName(qt(kFillRows[0].caption));
    m_verdict->showRefusal(message);
    m_verdict->setAccessibleName(message);
    setTextTone(m_verdict, TextTone::Error);
    m_warning->clear();
    m_warning->setAccessibleName({});
    m_warning->setVisible(false);
    for (std::size_t i = 1; i < kFillRows.size(); ++i) {
        m_values[i - 1]->setText(qt(kFillRows[i].caption) + QStringLiteral(":"));
        m_values[i - 1]->setAccessibleName(qt(kFillRows[i].caption));
    }
    m_drawing->setAnswer(nullptr);
    m_trail->clear();
    m_copy->setEnabled(false);
    m_save->setEnabled(false);
}

void FillWindow::setStatus(const QString& text) {
    m_status->announce(text);
}

void FillWindow::copyReport() {
    const auto* answer = std::get_if<FillAnswer>(&m_result);
    if (answer == nullptr) return;
    const std::string sheet = fillSheet(*answer);
    QGuiApplication::clipboard()->setText(QString::fromStdString(sheet));
    setStatus(QStringLiteral("Copied the calculation for %1 to the clipboard.")
                  .arg(QString::fromStdString(kFillRows[0].text(*answer))));
}

std::optional<QString> FillWindow::saveReport(const QString& path) {
    const auto* answer = std::get_if<FillAnswer>(&m_result);
    std::optional<QString> reason =
        answer == nullptr ? std::optional<QString>(QStringLiteral("there is no answer to report"))
                          : writeFillReport(*answer, QDate::currentDate(), path);
    setStatus(reason ? QStringLiteral("The report was not saved: ") + *reason
                     : QStringLiteral("Saved the report to %1.").arg(path));
    return reason;
}

void FillWindow::saveReportAs() {
    if (!askSheetIds(this)) return;
    const QString path = askSheetPath(this, QStringLiteral("conduit-fill.pdf"));
    if (path.isEmpty()) return;
    saveReport(path);
}

}  // namespace ferrovolt
