// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The input handling of the main window: the key filter of the numeric fields, the checks
// that run before the focus may leave a field, and the recalculation when a list is left
// or an option button is clicked. The window builds it once every control exists; it finds
// the controls by objectName and wires everything itself, knowing nothing of the window's
// class.
//
// A click on another tab's header is a move like any other: while the focused field's check
// refuses, the tab does not change, with the beep of a list's check and silently for a text
// field. When the check passes, the list's leave handler runs first and the tab changes after.
// Clicks on labels and pictures (notes, links, the logo) move no focus and ask nothing.

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QObject;
class QWidget;

namespace ferrovolt {

struct Tables;
class SystemServices;
class FocusGate;
class KeyPressFilter;

class InputHandling {
public:
    // The tables are read at event time: the window fills them after building this.
    // Must not outlive the window.
    InputHandling(QWidget& window, const Tables& tables, SystemServices& services);
    ~InputHandling();

    InputHandling(const InputHandling&) = delete;
    InputHandling& operator=(const InputHandling&) = delete;

    // Moves the focus to `target` as a click on it does: the check of the focused field
    // first, which may refuse (and beep for a list); then the move, which runs the leave
    // handler of a list. Answers whether the focus moved.
    bool moveFocusTo(QWidget& target);

private:
    // Key handlers: set KeyAscii to 0 to swallow the key.
    void txtAmps_KeyPress(int index, int& KeyAscii);
    void txtCCTlngth_KeyPress(int index, int& KeyAscii);
    void txtTemp_KeyPress(int& KeyAscii);
    void txtCable_KeyPress(int& KeyAscii);

    // Checks before the focus leaves: set Cancel to keep the focus in the field.
    void txtAmps_Validate(int index, bool& Cancel);
    void txtCCTlngth_Validate(int index, bool& Cancel);
    void txtTemp_Validate(bool& Cancel);
    void txtCable_Validate(bool& Cancel);
    void cmbStandards_Validate(bool& Cancel);
    void cmbVoltsPhase_Validate(bool& Cancel);
    void cmbMaterial_Validate(int index, bool& Cancel);
    void cmbGauge_Validate(bool& Cancel);

    // Run after the focus has left the list.
    void cmbAWG_LostFocus(int index);
    void cmbMaterial_LostFocus(int index);
    void cmbStandards_LostFocus();
    void cmbGauge_LostFocus();
    void cmbVoltsPhase_LostFocus();

    // Run when the option button becomes selected.
    void optTemp_Click(int index);
    void optPhase_Click(int index);
    void optVolts_Click(int index);

    void wireKeyFilters();
    void wireChecks();
    void wireLeaveHandlers();
    void wireOptionButtons();

    bool mayLeave(QWidget& focused);
    void onFocusChanged(QWidget* old, QWidget* now);
    void filterKey(const std::string& field, int limit, int& KeyAscii);
    void checkNumber(const std::string& field, bool& Cancel);
    void checkList(bool permitted, bool& Cancel);
    std::string listText(const std::string& list) const;
    void press(const std::string& button);

    template <class Control>
    Control* control(const std::string& name) const;

    QWidget& m_window;
    const Tables& m_tables;
    SystemServices& m_services;

    // Keyed by the control that owns the check or the leave handler.
    std::map<const QWidget*, std::function<void(bool& Cancel)>> m_checks;
    std::map<const QWidget*, std::function<void()>> m_leaveHandlers;

    // The control that last had the focus inside the window.
    QPointer<QWidget> m_lastFocus;

    std::unique_ptr<QObject> m_context;  // ends every connection when this is destroyed
    std::unique_ptr<KeyPressFilter> m_keyFilter;
    std::unique_ptr<FocusGate> m_gate;
};

}  // namespace ferrovolt
