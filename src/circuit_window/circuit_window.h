// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Circuit Check window: the wiring code to check against, every input of its circuit
// check in its labelled control, on a panel that scrolls on a short screen, and the answer
// as the inputs change: each criterion's minimum size, the chosen size and the criterion
// that governs, the code's other rows, and the whole calculation, which can be copied or
// saved as a PDF sheet, a status line saying where it went. The panel and the rows
// are made from the code's own description of its fields and rows.

#include <QWidget>
#include <memory>
#include <vector>

#include "check/circuit_code.h"
#include "circuit_window/circuit_prefill.h"
#include "circuit_window/circuit_report.h"
#include "fill/fill_check.h"
#include "nec2023/nec2023_check.h"
#include "window_kit/result_rows.h"

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QTextBrowser;
class QVBoxLayout;

namespace ferrovolt {

class FieldPanel;
class ScrollingPanel;
class StatusLine;
class VerdictLine;

class CircuitWindow : public QWidget {
    Q_OBJECT
public:
    // Opens with the code chosen last time (NEC 2023 the first time).
    explicit CircuitWindow(QWidget* parent = nullptr);
    explicit CircuitWindow(const CircuitCode& code, QWidget* parent = nullptr);

    // Sets the inputs a tab hands over; the others keep what they hold. A 415 V supply is
    // checked under IEC 60364 (for this circuit: the code chosen last stays remembered). A material
    // the code's tables do not cover opens with copper, and the window says so.
    void prefill(const CircuitPrefill& tab);

    // A circuit handed over whole, as a project holds it: checked under `code` (for this
    // window only), each input of `texts` (a field's key, its text as the check reads it) set,
    // every other input back to its default.
    void setCircuit(const CircuitCode& code,
                    const std::vector<std::pair<std::string, QString>>& texts);

    const CircuitCode& code() const { return *m_code; }
    // Checks under `code` from now on, and remembers it for the next window: its inputs
    // replace the panel's, keeping the current, length, phase, voltage and material where
    // the code reads them alike.
    void setCode(const CircuitCode& code);

    // The case of the answer shown; null while the inputs are refused.
    const CircuitCase* answer() const { return m_answered ? m_case.get() : nullptr; }
    // The NEC 2023 answer shown; a refusal while there is none (or under another code).
    const CircuitResult& result() const { return m_result; }

    // The calculation sheet as text, onto the clipboard.
    void copyTrail();
    // The PDF sheet; the reason when it cannot be written.
    std::optional<QString> saveReport(const QString& path);
    // The inputs the answer was given, as the sheet lists them: every control in use.
    std::vector<GivenInput> givenInputs() const;
    // The inputs a cable of a project takes from this window, by key: every control in use
    // but what a project's tree gives in place of a typed text (check/origin.h).
    std::vector<std::pair<std::string, QString>> cableTexts() const;

signals:
    // "Conduit fill…" was pressed: the circuit's conductors as the rows of a fill.
    void conduitFillRequested(const ferrovolt::FillInputs& inputs, const QString& note);
    // "Add to project…" was pressed: the circuit's inputs (cableTexts()) as a project's.
    void addToProjectRequested();

private:
    // Checks under `code` from now on, for this window only.
    void switchCode(const CircuitCode& code);
    void buildCodeChoice(QVBoxLayout* into);
    // The code's fields, in group boxes in the order their groups first come.
    void buildInputs();
    // What the window adds to a control the panel makes: the method's drawings, following
    // the method and the phase, a voltage typed.
    void madeControl(const CheckField& field, QWidget* control);
    void buildResults(QVBoxLayout* into);
    // The code's rows: its criteria, a gap, then every other row but the size.
    void buildRows();
    // The answer's column as wide as its rows ask, less what the screen lacks for it.
    void fitColumns();
    // Tab goes from the code down the panel, then to the sheet's buttons.
    void orderTabs();
    QWidget* control(std::string_view key) const;

    // Reads the controls through the code's fields and answers; within the change that
    // calls it.
    void recalculate();
    void showAnswer();
    void showRefusal(const QString& message);
    // Disables the inputs the method chosen does not read, saying why.
    void followMethod();
    // Until the user types a voltage, the code's usual one for the phase chosen.
    void followPhase();
    // Enables "Conduit fill…", or disables it with the reason as its tip and description.
    void setConduitFill(const QString& unavailable);
    void saveReportAs();

    const CircuitCode* m_code;
    std::unique_ptr<CircuitCase> m_case;
    bool m_answered = false;
    bool m_building = false;
    bool m_voltsTyped = false;  // the voltage is the user's: typed, or handed over by a tab
    bool m_trailDue = false;  // the trail of the answer shown is still to be laid out  // the panel
                              // is being made or filled: no answer until it is

    QComboBox* m_codeList = nullptr;
    QGridLayout* m_codeGrid = nullptr;
    QVBoxLayout* m_panel = nullptr;  // the scrolling panel's group boxes
    FieldPanel* m_fields = nullptr;
    QLabel* m_codeCaption = nullptr;

    QHBoxLayout* m_columns = nullptr;
    QVBoxLayout* m_left = nullptr;
    QGroupBox* m_resultBox = nullptr;
    QVBoxLayout* m_resultLayout = nullptr;
    QLabel* m_note = nullptr;
    ResultValue* m_size = nullptr;
    VerdictLine* m_verdict = nullptr;
    ScrollingPanel* m_rowPanel = nullptr;
    std::unique_ptr<ResultRows> m_rows;
    std::vector<std::size_t> m_rowOf;  // the code's row of each of m_rows
    QPushButton* m_showTrail = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    StatusLine* m_status = nullptr;
    QPushButton* m_conduitFill = nullptr;
    QPushButton* m_addToProject = nullptr;
    QTextBrowser* m_trail = nullptr;

    CircuitResult m_result;
};

}  // namespace ferrovolt
