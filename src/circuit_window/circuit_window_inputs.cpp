// SPDX-License-Identifier: GPL-3.0-or-later
// The Circuit Check window's inputs: the code's fields on the window kit's panel, with what
// the window adds by code (the drawings of the methods, the usual voltage, the inputs a
// method does not read); and the inputs a tab hands over.

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "check/common_fields.h"
#include "circuit_window/circuit_window.h"
#include "circuit_window/code_memory.h"
#include "circuit_window/method_pictures.h"
#include "codes/code_registry.h"
#include "window_kit/access_letters.h"
#include "window_kit/aligned_columns.h"
#include "window_kit/field_panel.h"
#include "window_kit/text_tone.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

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

}  // namespace

QWidget* CircuitWindow::control(std::string_view key) const {
    return m_fields->control(key);
}

void CircuitWindow::madeControl(const CheckField& field, QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        if (field.key == keys::kMethod) {
            // Each method with its drawing.
            list->setIconSize(kMethodPictureSize);
            followPalette(list, [list] {
                for (int i = 0; i < list->count(); ++i)
                    list->setItemIcon(i, methodPicture(list->itemData(i).toString().toStdString(),
                                                       list->palette()));
            });
            // Before the answer: the inputs the method does not read are left out of it.
            connect(list, &QComboBox::currentIndexChanged, this, [this] { followMethod(); });
        }
        if (field.key == keys::kPhase)
            connect(list, &QComboBox::currentIndexChanged, this, [this] { followPhase(); });
    }
    if (auto* text = qobject_cast<QLineEdit*>(control);
        text != nullptr && field.key == keys::kVolts)
        connect(text, &QLineEdit::textEdited, this, [this] { m_voltsTyped = true; });
}

void CircuitWindow::buildInputs() {
    // Every access letter once in the window: the window's commands keep theirs, the inputs
    // take the others in the order they are laid out.
    QList<QChar> taken;
    for (const QString& command : {m_codeCaption->text(), m_showTrail->text(), m_copy->text(),
                                   m_save->text(), m_conduitFill->text()})
        if (const QChar letter = accessLetter(command); !letter.isNull()) taken << letter;
    m_fields->build(*m_code, m_panel, 0, taken);
    if (QWidget* material = control(keys::kMaterial)) {
        // A material chosen here replaces the one a tab could not hand over.
        if (auto* list = qobject_cast<QComboBox*>(material))
            connect(list, &QComboBox::activated, m_note, [this] {
                m_note->clear();
                m_note->hide();
            });
    }

    // The code's list stands above the groups, its control in line with theirs.
    const std::vector<QGridLayout*>& inputGrids = m_fields->grids();
    std::vector<QGridLayout*> grids = inputGrids;
    grids.push_back(m_codeGrid);
    alignColumns(grids, {0});
    // Its unit column is empty: the room goes to the list, the window stays narrow.
    alignColumns(inputGrids, {2});
    if (!m_fields->groups().empty()) {
        int left = 0, top = 0, right = 0, bottom = 0;
        inputGrids.front()->getContentsMargins(&left, &top, &right, &bottom);
        const QMargins frame = m_fields->groups().front()->contentsMargins();
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
    const bool inFeet = feet != nullptr && FieldPanel::textOf(feet) == "true";
    std::vector<std::pair<std::string_view, QString>> kept;
    for (const std::string_view key : kCarried)
        if (const QWidget* from = control(key))
            if ((key != keys::kLength || !inFeet || code.field(keys::kFeet) != nullptr) &&
                (key != keys::kVolts || m_voltsTyped))
                kept.emplace_back(key, QString::fromStdString(FieldPanel::textOf(from)));

    m_building = true;
    m_code = &code;
    m_case = code.newCase();
    m_answered = false;
    buildInputs();
    buildRows();
    for (const auto& [key, text] : kept)
        if (QWidget* to = control(key)) FieldPanel::setText(to, text);
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
    const std::string chosen = FieldPanel::textOf(method);
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
        if (usual.code == m_code->key() && usual.phase == FieldPanel::textOf(phase))
            FieldPanel::setText(volts,
                                QString::fromLatin1(usual.volts.data(),
                                                    static_cast<qsizetype>(usual.volts.size())));
}

void CircuitWindow::prefill(const CircuitPrefill& tab) {
    if (const std::optional<std::string_view> key = prefillCode(tab))
        if (const CircuitCode* code = circuitCode(*key)) switchCode(*code);
    m_building = true;
    FieldPanel::setText(control(keys::kCurrent), QString::fromStdString(tab.current));
    QString note;
    if (QWidget* feet = control(keys::kFeet)) {
        FieldPanel::setText(feet, tab.feet ? QStringLiteral("true") : QStringLiteral("false"));
        FieldPanel::setText(control(keys::kLength), QString::fromStdString(tab.length));
    } else if (!tab.feet) {
        FieldPanel::setText(control(keys::kLength), QString::fromStdString(tab.length));
    } else {
        note += QStringLiteral("The length is in feet and %1 takes metres: enter it in metres. ")
                    .arg(qt(m_code->name()));
    }
    const std::optional<Material> material = codeMaterial(tab.material);
    FieldPanel::setText(control(keys::kMaterial), material == Material::Aluminium
                                                      ? QStringLiteral("aluminium")
                                                      : QStringLiteral("copper"));
    if (!material)
        note += QStringLiteral(
                    "%1 is not in the code's tables, which cover copper and aluminium: "
                    "the check uses copper.")
                    .arg(QString::fromStdString(tab.material));
    if (tab.volts) {
        m_voltsTyped = true;  // the tab's supply is the user's
        FieldPanel::setText(control(keys::kVolts), qt(roundedNumberText(*tab.volts, 3)));
        FieldPanel::setText(control(keys::kPhase),
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

void CircuitWindow::setCircuit(const CircuitCode& code,
                               const std::vector<std::pair<std::string, QString>>& texts) {
    switchCode(code);
    m_building = true;
    for (const FieldPanel::Input& input : m_fields->inputs())
        if (input.control != nullptr && !input.shown->defaultText.empty())
            FieldPanel::setText(input.control, qt(input.shown->defaultText));
    for (const auto& [key, text] : texts) {
        if (QWidget* to = control(key)) FieldPanel::setText(to, text);
        if (key == keys::kVolts) m_voltsTyped = true;  // the project's, not the usual one
    }
    m_note->hide();
    m_building = false;
    followPhase();
    followMethod();
    recalculate();
}

}  // namespace ferrovolt
