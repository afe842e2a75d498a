// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input/input_handling.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QObject>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "calc/voltage_drop.h"
#include "numtext/number_text.h"
#include "services/system_services.h"
#include "tables/lists.h"
#include "tables/tables.h"
#include "window/input/fix_ascii.h"
#include "window/input/focus_gate.h"
#include "window/input/key_press_filter.h"

namespace ferrovolt {

namespace {

constexpr int kLongFieldLimit = 20;  // currents and circuit lengths
constexpr int kShortFieldLimit = 4;  // temperature and cable diameter

std::string member(const char* array, int index) {
    return std::string(array) + "(" + std::to_string(index) + ")";
}

// The control registered in `handlers` that `widget` is, or is a part of.
template <class Handler>
const QWidget* ownerOf(const std::map<const QWidget*, Handler>& handlers, const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (handlers.count(widget) != 0) {
            return widget;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return nullptr;
}

bool isSupplyText(std::string_view text) {
    return findSupply(text) != nullptr;
}

}  // namespace

InputHandling::InputHandling(QWidget& window, const Tables& tables, SystemServices& services)
    : m_window(window),
      m_tables(tables),
      m_services(services),
      m_context(std::make_unique<QObject>()),
      m_keyFilter(std::make_unique<KeyPressFilter>()) {
    wireKeyFilters();
    wireChecks();
    wireLeaveHandlers();
    wireOptionButtons();
    m_lastFocus = m_window.focusWidget();
    m_gate = std::make_unique<FocusGate>(m_window,
                                         [this](QWidget& focused) { return mayLeave(focused); });
}

InputHandling::~InputHandling() = default;

template <class Control>
Control* InputHandling::control(const std::string& name) const {
    auto* found = m_window.findChild<Control*>(QString::fromStdString(name));
    if (found == nullptr) {
        // A misspelt name is a fault of the program: stop at once, so that every window test
        // fails on it.
        qFatal("Input handling: the window has no control named %s", name.c_str());
    }
    return found;
}

// ---- Wiring -------------------------------------------------------------------------------

void InputHandling::wireKeyFilters() {
    const auto watch = [this](const std::string& name, KeyPressFilter::KeyHandler handler) {
        if (auto* field = control<QLineEdit>(name)) {
            // Text committed by an input method arrives without key presses; without one,
            // every character typed passes the filter.
            field->setAttribute(Qt::WA_InputMethodEnabled, false);
            m_keyFilter->watch(*field, std::move(handler));
        }
    };
    for (const int i : {1, 2}) {
        watch(member("txtAmps", i), [this, i](int& KeyAscii) { txtAmps_KeyPress(i, KeyAscii); });
        watch(member("txtCCTlngth", i),
              [this, i](int& KeyAscii) { txtCCTlngth_KeyPress(i, KeyAscii); });
    }
    watch("txtTemp", [this](int& KeyAscii) { txtTemp_KeyPress(KeyAscii); });
    watch("txtCable", [this](int& KeyAscii) { txtCable_KeyPress(KeyAscii); });
}

void InputHandling::wireChecks() {
    const auto check = [this](const std::string& name, std::function<void(bool&)> handler) {
        if (auto* field = control<QWidget>(name)) {
            m_checks[field] = std::move(handler);
        }
    };
    for (const int i : {1, 2}) {
        check(member("txtAmps", i), [this, i](bool& Cancel) { txtAmps_Validate(i, Cancel); });
        check(member("txtCCTlngth", i),
              [this, i](bool& Cancel) { txtCCTlngth_Validate(i, Cancel); });
    }
    check("txtTemp", [this](bool& Cancel) { txtTemp_Validate(Cancel); });
    check("txtCable", [this](bool& Cancel) { txtCable_Validate(Cancel); });
    check("cmbStandards", [this](bool& Cancel) { cmbStandards_Validate(Cancel); });
    check("cmbVoltsPhase", [this](bool& Cancel) { cmbVoltsPhase_Validate(Cancel); });
    check("cmbGauge", [this](bool& Cancel) { cmbGauge_Validate(Cancel); });
    for (const int i : {0, 1, 2}) {
        check(member("cmbMaterial", i),
              [this, i](bool& Cancel) { cmbMaterial_Validate(i, Cancel); });
    }
}

void InputHandling::wireLeaveHandlers() {
    const auto leave = [this](const std::string& name, std::function<void()> handler) {
        if (auto* list = control<QWidget>(name)) {
            m_leaveHandlers[list] = std::move(handler);
        }
    };
    for (const int i : {0, 2}) {
        leave(member("cmbAWG", i), [this, i] { cmbAWG_LostFocus(i); });
    }
    for (const int i : {0, 1, 2}) {
        leave(member("cmbMaterial", i), [this, i] { cmbMaterial_LostFocus(i); });
    }
    leave("cmbStandards", [this] { cmbStandards_LostFocus(); });
    leave("cmbGauge", [this] { cmbGauge_LostFocus(); });
    leave("cmbVoltsPhase", [this] { cmbVoltsPhase_LostFocus(); });

    QObject::connect(qApp, &QApplication::focusChanged, m_context.get(),
                     [this](QWidget* old, QWidget* now) { onFocusChanged(old, now); });
}

void InputHandling::wireOptionButtons() {
    const auto onSelected = [this](const std::string& name, std::function<void()> handler) {
        if (auto* option = control<QAbstractButton>(name)) {
            QObject::connect(option, &QAbstractButton::toggled, m_context.get(),
                             [handler = std::move(handler)](bool checked) {
                                 if (checked) {
                                     handler();
                                 }
                             });
        }
    };
    for (const int i : {0, 1, 2}) {
        onSelected(member("optTemp", i), [this, i] { optTemp_Click(i); });
    }
    for (const int i : {0, 1}) {
        onSelected(member("optPhase", i), [this, i] { optPhase_Click(i); });
    }
    for (const int i : {0, 1, 2, 3, 4, 5}) {
        onSelected(member("optVolts", i), [this, i] { optVolts_Click(i); });
    }
}

// ---- Focus moves --------------------------------------------------------------------------

bool InputHandling::moveFocusTo(QWidget& target) {
    QWidget* focused = m_window.focusWidget();
    if (focused != nullptr && !isInside(&target, focused) && !mayLeave(*focused)) {
        return false;
    }
    target.setFocus(Qt::OtherFocusReason);
    return true;
}

bool InputHandling::mayLeave(QWidget& focused) {
    const QWidget* field = ownerOf(m_checks, &focused);
    if (field == nullptr) {
        return true;
    }
    bool Cancel = false;
    m_checks.at(field)(Cancel);
    return !Cancel;
}

void InputHandling::onFocusChanged(QWidget* /*old*/, QWidget* now) {
    // Only a move between two controls of the window leaves a list. The focus going to
    // another window (another program, a note, a list's own drop-down) and coming back is
    // none, so the control last focused in this window is what the focus comes from.
    if (now == nullptr || now->window() != &m_window) {
        return;
    }
    const QPointer<QWidget> previous = std::exchange(m_lastFocus, now);
    const QWidget* left = previous != nullptr ? ownerOf(m_leaveHandlers, previous.data()) : nullptr;
    if (left == nullptr || isInside(now, left)) {
        return;
    }
    m_leaveHandlers.at(left)();
}

// ---- Key handlers -------------------------------------------------------------------------

void InputHandling::filterKey(const std::string& field, int limit, int& KeyAscii) {
    const auto* edit = m_window.findChild<QLineEdit*>(QString::fromStdString(field));
    if (edit == nullptr) {
        return;
    }
    const bool selected = edit->hasSelectedText();
    const int start = selected ? edit->selectionStart() : edit->cursorPosition();
    const int length = selected ? edit->selectionLength() : 0;
    if (FixASCII(edit->text().toStdU16String(), start, length, KeyAscii, limit) ==
        KeyVerdict::Refuse) {
        KeyAscii = 0;
    }
}

void InputHandling::txtAmps_KeyPress(int index, int& KeyAscii) {
    filterKey(member("txtAmps", index), kLongFieldLimit, KeyAscii);
}

void InputHandling::txtCCTlngth_KeyPress(int index, int& KeyAscii) {
    filterKey(member("txtCCTlngth", index), kLongFieldLimit, KeyAscii);
}

void InputHandling::txtTemp_KeyPress(int& KeyAscii) {
    filterKey("txtTemp", kShortFieldLimit, KeyAscii);
}

void InputHandling::txtCable_KeyPress(int& KeyAscii) {
    filterKey("txtCable", kShortFieldLimit, KeyAscii);
}

// ---- Checks -------------------------------------------------------------------------------

void InputHandling::checkNumber(const std::string& field, bool& Cancel) {
    const auto* edit = m_window.findChild<QLineEdit*>(QString::fromStdString(field));
    if (edit != nullptr && !isNumber(edit->text().toStdString())) {
        Cancel = true;  // silently: the field simply keeps the focus
    }
}

void InputHandling::checkList(bool permitted, bool& Cancel) {
    if (!permitted) {
        m_services.beep();
        Cancel = true;
    }
}

std::string InputHandling::listText(const std::string& list) const {
    const auto* combo = m_window.findChild<QComboBox*>(QString::fromStdString(list));
    return combo != nullptr ? combo->currentText().toStdString() : std::string();
}

void InputHandling::txtAmps_Validate(int index, bool& Cancel) {
    checkNumber(member("txtAmps", index), Cancel);
}

void InputHandling::txtCCTlngth_Validate(int index, bool& Cancel) {
    checkNumber(member("txtCCTlngth", index), Cancel);
}

void InputHandling::txtTemp_Validate(bool& Cancel) {
    checkNumber("txtTemp", Cancel);
}

void InputHandling::txtCable_Validate(bool& Cancel) {
    checkNumber("txtCable", Cancel);
}

void InputHandling::cmbStandards_Validate(bool& Cancel) {
    checkList(isPermittedStandard(listText("cmbStandards")), Cancel);
}

void InputHandling::cmbVoltsPhase_Validate(bool& Cancel) {
    checkList(isSupplyText(listText("cmbVoltsPhase")), Cancel);
}

void InputHandling::cmbMaterial_Validate(int index, bool& Cancel) {
    checkList(isPermittedMaterial(m_tables, listText(member("cmbMaterial", index))), Cancel);
}

void InputHandling::cmbGauge_Validate(bool& Cancel) {
    checkList(isPermittedConductorSize(listText("cmbGauge")), Cancel);
}

// ---- Leave and option handlers ------------------------------------------------------------

void InputHandling::press(const std::string& button) {
    if (auto* target = m_window.findChild<QAbstractButton*>(QString::fromStdString(button))) {
        target->click();  // runs the button's click handler before returning
    }
}

void InputHandling::cmbAWG_LostFocus(int index) {
    press(member("cmdCalc", index));
}

void InputHandling::cmbMaterial_LostFocus(int index) {
    // The Resistivity tab's material box does not recalculate on leaving.
    if (index == 1 || index == 2) {
        press(member("cmdCalc4", index));
    }
}

void InputHandling::cmbStandards_LostFocus() {
    press(member("cmdCalc", 0));
}

void InputHandling::cmbGauge_LostFocus() {
    press(member("cmdCalc4", 1));
}

void InputHandling::cmbVoltsPhase_LostFocus() {
    press(member("cmdCalc4", 1));
}

void InputHandling::optTemp_Click(int /*index*/) {
    press(member("cmdCalc", 2));
}

void InputHandling::optPhase_Click(int /*index*/) {
    press(member("cmdCalc4", 2));
}

void InputHandling::optVolts_Click(int /*index*/) {
    press(member("cmdCalc4", 2));
}

}  // namespace ferrovolt
