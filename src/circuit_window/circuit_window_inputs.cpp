// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window's inputs: one labelled control per field of the code, with its
// unit and default, made from the code's description of its fields; and the inputs a tab
// hands over.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <array>

#include "check/common_fields.h"
#include "circuit_window/circuit_window.h"
#include "circuit_window/code_memory.h"
#include "circuit_window/method_pictures.h"
#include "circuit_window/window_text.h"
#include "codes/code_registry.h"
#include "window_kit/access_letters.h"
#include "window_kit/aligned_columns.h"
#include "window_kit/list_entries.h"
#include "window_kit/text_tone.h"

namespace ferrovolt {

namespace {

constexpr int kMaxTextLength = 32;
// The letters a list shows of its entry when its entries are longer.
constexpr int kListLetters = 24;

// The inputs a new code takes over from the one before, where it reads them alike.
constexpr std::array<std::string_view, 6> kCarried{keys::kCurrent, keys::kFeet,  keys::kLength,
                                                   keys::kPhase,   keys::kVolts, keys::kMaterial};

// A code's usual nominal voltage by phase, which the window shows until the user types one:
// IEC 60038's 230 V between line and neutral and 400 V between lines.
struct UsualVolts {
    std::string_view code, phase, volts;
};
constexpr std::array<UsualVolts, 2> kUsualVolts{
    {{"iec60364", "single", "230"}, {"iec60364", "three", "400"}}};

// The inputs a code's reference method reads only for some methods: under another method the
// input is disabled and says why. The methods are the keys of the field named "method".
struct MethodInput {
    std::string_view code, field;
    std::array<std::string_view, 2> methods;
    std::string_view reason;
};
constexpr std::array<MethodInput, 4> kMethodInputs{{
    {"iec60364", "layout", {"F", "G"}, "Read for methods F and G only: single-core cables in air"},
    {"iec60364",
     "soil_resistivity",
     {"D1", "D2"},
     "Read for methods D1 and D2 only: in the ground"},
    {"iec60364", "spacing", {"D1", "D2"}, "Read for methods D1 and D2 only: in the ground"},
    {"iec60364", "ducts", {"D1", ""}, "Read for method D1 only: cables in ducts in the ground"},
}};

// The accepted texts of a choice, in order.
std::vector<std::string_view> choiceKeys(std::string_view choices) {
    std::vector<std::string_view> keys;
    while (!choices.empty()) {
        const std::size_t bar = choices.find('|');
        keys.push_back(choices.substr(0, bar));
        choices = bar == std::string_view::npos ? std::string_view() : choices.substr(bar + 1);
    }
    return keys;
}

// Whether the window shows the field's caption, on a label or a check box: where an access
// letter can stand.
bool showsCaption(const CheckField& field) {
    return field.placement == FieldPlacement::Row ||
           (field.kind == InputKind::Flag && field.shown.empty() && field.maximum == 0);
}

}  // namespace

std::string CircuitWindow::textOf(const QWidget* control) {
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

bool CircuitWindow::setText(QWidget* control, const QString& text) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setText(text);
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int at = list->findData(text);
        if (at >= 0) list->setCurrentIndex(at);
        return at >= 0;
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(text == QLatin1String("true"));
        return true;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool number = false;
        const int value = text.toInt(&number);
        if (number) spin->setValue(value);
        return number;
    }
    return false;
}

QWidget* CircuitWindow::control(std::string_view key) const {
    const std::optional<std::size_t> field = m_code->fieldIndex(key);
    for (const Input& input : m_inputs)
        if (field && input.field == *field) return input.control;
    return nullptr;
}

QWidget* CircuitWindow::fieldControl(const CheckField& field, const QString& caption) {
    const QString initial = qt(field.defaultText.empty() ? field.initial : field.defaultText);
    if (field.maximum > 0) {
        auto* spin = new QSpinBox(this);
        spin->setRange(1, field.maximum);
        setText(spin, initial);
        connect(spin, &QSpinBox::valueChanged, this, [this] { recalculate(); });
        return spin;
    }
    if (field.kind == InputKind::Size || field.kind == InputKind::Choice || !field.shown.empty()) {
        auto* list = new QComboBox(this);
        if (field.kind == InputKind::Size)
            list->addItem(QStringLiteral("None: choose the size"), QString());
        for (const ChoiceText& choice : field.shown) {
            list->addItem(qt(choice.shown), qt(choice.key));
            // Short entries keep the unit column narrow; the tip says the whole of it.
            if (!choice.tip.empty())
                list->setItemData(list->count() - 1, qt(choice.tip), Qt::ToolTipRole);
        }
        if (field.shown.empty())
            for (const std::string_view key : choiceKeys(field.choices))
                list->addItem(qt(key), qt(key));
        setText(list, initial);
        if (field.key == keys::kMethod) {
            // Each method with its drawing.
            list->setIconSize(kMethodPictureSize);
            followPalette(list, [list] {
                for (int i = 0; i < list->count(); ++i)
                    list->setItemIcon(i, methodPicture(list->itemData(i).toString().toStdString(),
                                                       list->palette()));
            });
        }
        bool longWords = false;
        for (int i = 0; i < list->count(); ++i)
            longWords = longWords || list->itemText(i).size() > kListLetters;
        // Entries in whole sentences: the list opens as wide as they are, the control stays
        // as narrow as the others, cuts its entry with an ellipsis and says it whole in its tip.
        if (longWords) cutLongEntries(*list, kListLetters);
        // Before the answer: the inputs the method does not read are left out of it.
        if (field.key == keys::kMethod)
            connect(list, &QComboBox::currentIndexChanged, this, [this] { followMethod(); });
        connect(list, &QComboBox::currentIndexChanged, this, [this] { recalculate(); });
        if (field.key == keys::kPhase)
            connect(list, &QComboBox::currentIndexChanged, this, [this] { followPhase(); });
        return list;
    }
    if (field.kind == InputKind::Flag) {
        auto* box = new QCheckBox(caption, this);
        setText(box, initial);
        connect(box, &QCheckBox::toggled, this, [this] { recalculate(); });
        return box;
    }
    auto* text = new QLineEdit(initial, this);
    text->setMaxLength(kMaxTextLength);
    if (field.key == keys::kVolts)
        connect(text, &QLineEdit::textEdited, this, [this] { m_voltsTyped = true; });
    if (!field.placeholder.empty()) text->setPlaceholderText(qt(field.placeholder));
    connect(text, &QLineEdit::textChanged, this, [this] { recalculate(); });
    return text;
}

QWidget* CircuitWindow::addField(QGridLayout* grid, std::size_t index) {
    const CheckField& field = m_code->fields()[index];
    const QString caption = m_shownCaptions[index];
    QWidget* control = fieldControl(field, caption);
    control->setObjectName(qt(field.key));
    control->setAccessibleName(plain(caption));
    const int row = grid->rowCount();
    switch (field.placement) {
        case FieldPlacement::Row: {
            auto* label = new QLabel(caption, this);
            label->setBuddy(control);
            grid->addWidget(label, row, 0);
            grid->addWidget(control, row, 1);
            if (!field.unit.empty()) {
                grid->addWidget(new QLabel(qt(field.unit), this), row, 2);
                control->setAccessibleDescription(qt(field.unit));
            }
            break;
        }
        case FieldPlacement::Beside:
            // In the unit column of the row before: the length's unit, the insulation's family.
            grid->addWidget(control, row - 1, 2);
            break;
        case FieldPlacement::Check:
            grid->addWidget(control, row, 1, 1, 2);
            break;
    }
    m_inputs.push_back({index, control, plain(caption)});
    return control;
}

void CircuitWindow::buildInputs() {
    for (QGroupBox* group : m_groups) delete group;
    m_groups.clear();
    m_inputGrids.clear();
    m_inputs.clear();
    const std::span<const CheckField> fields = m_code->fields();
    std::vector<std::string_view> groups;
    for (const CheckField& field : fields)
        if (std::find(groups.begin(), groups.end(), field.group) == groups.end())
            groups.push_back(field.group);
    // Every access letter once in the window: the window's commands keep theirs, the inputs
    // take the others in the order they are laid out.
    QList<QChar> taken;
    for (const QString& command : {m_codeCaption->text(), m_showTrail->text(), m_copy->text(),
                                   m_save->text(), m_conduitFill->text()})
        if (const QChar letter = accessLetter(command); !letter.isNull()) taken << letter;
    std::vector<std::size_t> lettered;
    QStringList captions;
    for (const std::string_view group : groups)
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].group == group && showsCaption(fields[i])) {
                lettered.push_back(i);
                captions << qt(fields[i].caption);
            }
    captions = withAccessLetters(captions, taken);
    m_shownCaptions.assign(fields.size(), QString());
    for (std::size_t i = 0; i < fields.size(); ++i) m_shownCaptions[i] = qt(fields[i].caption);
    for (std::size_t i = 0; i < lettered.size(); ++i)
        m_shownCaptions[lettered[i]] = captions[static_cast<qsizetype>(i)];

    for (const std::string_view group : groups) {
        auto* box = new QGroupBox(qt(group), this);
        m_panel->insertWidget(static_cast<int>(m_groups.size()), box);
        m_groups.push_back(box);
        m_inputGrids.push_back(new QGridLayout(box));
        // The room to spare goes to the controls, so that they line up from group to group.
        m_inputGrids.back()->setColumnStretch(1, 1);
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].group == group) addField(m_inputGrids.back(), i);
        box->show();  // now, not when the layout gets round to it: Tab reaches it at once
    }
    if (QWidget* material = control(keys::kMaterial)) {
        // A material chosen here replaces the one a tab could not hand over.
        if (auto* list = qobject_cast<QComboBox*>(material))
            connect(list, &QComboBox::activated, m_note, [this] {
                m_note->clear();
                m_note->hide();
            });
    }

    // The code's list stands above the groups, its control in line with theirs.
    std::vector<QGridLayout*> grids = m_inputGrids;
    grids.push_back(m_codeGrid);
    alignColumns(grids, {0});
    // Its unit column is empty: the room goes to the list, the window stays narrow.
    alignColumns(m_inputGrids, {2});
    if (!m_groups.empty()) {
        int left = 0, top = 0, right = 0, bottom = 0;
        m_inputGrids.front()->getContentsMargins(&left, &top, &right, &bottom);
        const QMargins frame = m_groups.front()->contentsMargins();
        m_codeGrid->setContentsMargins(frame.left() + left, 0, frame.right() + right, 0);
    }
}

void CircuitWindow::setCode(const CircuitCode& code) {
    rememberCircuitCode(code);
    switchCode(code);
}

void CircuitWindow::switchCode(const CircuitCode& code) {
    {
        const QSignalBlocker quiet(m_codeList);
        m_codeList->setCurrentIndex(m_codeList->findData(qt(code.key())));
    }
    if (&code == m_code) return;
    // A length in feet means nothing to a code that reads metres only.
    const QWidget* feet = control(keys::kFeet);
    const bool inFeet = feet != nullptr && textOf(feet) == "true";
    std::vector<std::pair<std::string_view, QString>> kept;
    for (const std::string_view key : kCarried)
        if (const QWidget* from = control(key))
            if ((key != keys::kLength || !inFeet || code.field(keys::kFeet) != nullptr) &&
                (key != keys::kVolts || m_voltsTyped))
                kept.emplace_back(key, QString::fromStdString(textOf(from)));

    m_building = true;
    m_code = &code;
    m_case = code.newCase();
    m_answered = false;
    buildInputs();
    buildRows();
    for (const auto& [key, text] : kept)
        if (QWidget* to = control(key)) setText(to, text);
    followPhase();
    followMethod();
    m_building = false;
    orderTabs();
    recalculate();
    fitColumns();
}

void CircuitWindow::followMethod() {
    const QWidget* method = control(keys::kMethod);
    if (method == nullptr) return;
    const std::string chosen = textOf(method);
    for (const MethodInput& input : kMethodInputs) {
        if (input.code != m_code->key()) continue;
        QWidget* used = control(input.field);
        const CheckField* field = m_code->field(input.field);
        if (used == nullptr || field == nullptr) continue;
        const bool reads =
            std::find(input.methods.begin(), input.methods.end(), chosen) != input.methods.end();
        used->setEnabled(reads);
        const QString why = reads ? QString() : qt(input.reason);
        used->setToolTip(why);
        used->setAccessibleDescription(reads ? qt(field->unit) : why);
    }
}

void CircuitWindow::followPhase() {
    if (m_voltsTyped) return;
    const QWidget* phase = control(keys::kPhase);
    QWidget* volts = control(keys::kVolts);
    if (phase == nullptr || volts == nullptr) return;
    for (const UsualVolts& usual : kUsualVolts)
        if (usual.code == m_code->key() && usual.phase == textOf(phase))
            setText(volts, QString::fromLatin1(usual.volts.data(),
                                               static_cast<qsizetype>(usual.volts.size())));
}

void CircuitWindow::prefill(const CircuitPrefill& tab) {
    if (const std::optional<std::string_view> key = prefillCode(tab))
        if (const CircuitCode* code = circuitCode(*key)) switchCode(*code);
    m_building = true;
    setText(control(keys::kCurrent), QString::fromStdString(tab.current));
    QString note;
    if (QWidget* feet = control(keys::kFeet)) {
        setText(feet, tab.feet ? QStringLiteral("true") : QStringLiteral("false"));
        setText(control(keys::kLength), QString::fromStdString(tab.length));
    } else if (!tab.feet) {
        setText(control(keys::kLength), QString::fromStdString(tab.length));
    } else {
        note += QStringLiteral("The length is in feet and %1 takes metres: enter it in metres. ")
                    .arg(qt(m_code->name()));
    }
    const std::optional<Material> material = codeMaterial(tab.material);
    setText(control(keys::kMaterial), material == Material::Aluminium ? QStringLiteral("aluminium")
                                                                      : QStringLiteral("copper"));
    if (!material)
        note += QStringLiteral(
                    "%1 is not in the code's tables, which cover copper and aluminium: "
                    "the check uses copper.")
                    .arg(QString::fromStdString(tab.material));
    if (tab.volts) {
        m_voltsTyped = true;  // the tab's supply is the user's
        setText(control(keys::kVolts), qt(roundedNumberText(*tab.volts, 3)));
        setText(control(keys::kPhase),
                tab.threePhase ? QStringLiteral("three") : QStringLiteral("single"));
    } else {
        note += QStringLiteral(
            " The supply is not one of the list: voltage and phase are left "
            "as they were.");
    }
    m_note->setText(note.trimmed());
    m_note->setVisible(!m_note->text().isEmpty());
    m_building = false;
    recalculate();
}

}  // namespace ferrovolt
