// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Circuit Check window: every input of the circuit check in its labelled control, on a
// panel that scrolls on a short screen, and the answer as the inputs change: each
// criterion's minimum size, the chosen size and the criterion that governs, the drop, and
// the whole calculation, which can be copied or saved as a one-page PDF sheet, a status line
// saying where it went.

#include <QWidget>
#include <memory>
#include <vector>

#include "circuit/circuit_check.h"
#include "circuit_window/circuit_prefill.h"
#include "fill/fill_check.h"
#include "window_kit/result_rows.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;

namespace ferrovolt {

class StatusLine;
struct CircuitRow;

class CircuitWindow : public QWidget {
    Q_OBJECT
public:
    explicit CircuitWindow(QWidget* parent = nullptr);

    // Sets the inputs a tab hands over; the others keep what they hold. A material the
    // code's tables do not cover opens with copper, and the window says so.
    void prefill(const CircuitPrefill& tab);

    const CircuitResult& result() const { return m_result; }

    // The calculation sheet as text, onto the clipboard.
    void copyTrail();
    // The one-page PDF sheet; the reason when it cannot be written.
    std::optional<QString> saveReport(const QString& path);

signals:
    // "Conduit fill…" was pressed: the circuit's conductors as the rows of a fill.
    void conduitFillRequested(const ferrovolt::FillInputs& inputs, const QString& note);

private:
    // One input control, bound to a field of the circuit check.
    struct Input {
        std::string_view key;
        QWidget* control;
        QString caption;  // its label without the mnemonic
    };

    void buildInputs(QLayout* into);
    // A group box of inputs, its grid among those whose columns line up.
    QGridLayout* inputGroup(QLayout* into, const QString& title);
    void buildResults(QLayout* into);
    QWidget* addInput(QGridLayout* grid, std::string_view key, const QString& label,
                      QWidget* control, const QString& unit = {});
    QCheckBox* addCheck(QGridLayout* grid, std::string_view key, const QString& text);
    QLineEdit* numberField(const QString& name, const QString& text);
    QComboBox* choiceList(const QString& name,
                          std::initializer_list<std::pair<const char*, const char*>> items);

    // Reads the controls through the check's fields and answers; within the change that
    // calls it.
    void recalculate();
    void showAnswer(const CircuitAnswer& answer);
    void showRefusal(const QString& message);
    QString captionOf(std::string_view key) const;
    void saveReportAs();

    std::vector<Input> m_inputs;
    QLineEdit* m_current = nullptr;
    QCheckBox* m_continuous = nullptr;
    QLineEdit* m_length = nullptr;
    QComboBox* m_lengthUnit = nullptr;
    QComboBox* m_material = nullptr;
    QComboBox* m_phase = nullptr;
    QLineEdit* m_volts = nullptr;
    QComboBox* m_terminals = nullptr;
    QLineEdit* m_faultCurrent = nullptr;
    QLineEdit* m_clearingTime = nullptr;

    std::vector<QGridLayout*> m_inputGrids;

    QLabel* m_note = nullptr;
    ResultValue* m_size = nullptr;
    QLabel* m_verdict = nullptr;
    std::unique_ptr<ResultRows> m_rows;
    std::vector<const CircuitRow*> m_rowOf;  // the check's row of each of m_rows
    QPushButton* m_showTrail = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    StatusLine* m_status = nullptr;
    QPushButton* m_conduitFill = nullptr;
    QTextBrowser* m_trail = nullptr;

    CircuitResult m_result;
};

}  // namespace ferrovolt
