// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Circuit Check window: every input of the circuit check in its labelled control, and the
// answer as the inputs change: each criterion's minimum size, the chosen size and the
// criterion that governs, the drop, and the whole calculation, which can be copied or saved
// as a one-page PDF sheet.

#include <QWidget>
#include <array>
#include <vector>

#include "circuit/circuit_check.h"
#include "circuit_window/circuit_prefill.h"
#include "fill/fill_check.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTextBrowser;

namespace ferrovolt {

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
    void buildResults(QLayout* into);
    QWidget* addInput(QGridLayout* grid, std::string_view key, const QString& label,
                      QWidget* control, const QString& unit = {});
    QLineEdit* numberField(const QString& name, const QString& text);
    QComboBox* choiceList(const QString& name,
                          std::initializer_list<std::pair<const char*, const char*>> items);

    // Reads the controls through the check's fields and answers; within the change that
    // calls it.
    void recalculate();
    void showAnswer(const CircuitAnswer& answer);
    void showRefusal(const QString& message);
    void setResult(QLabel* label, const QString& caption, const QString& value, bool bold);
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

    QLabel* m_note = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_verdict = nullptr;
    std::array<QLabel*, 4> m_criterionCaptions{};
    std::array<QLabel*, 4> m_criteria{};
    std::vector<std::pair<QLabel*, QLabel*>> m_details;  // caption, value per other row
    QPushButton* m_showTrail = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_conduitFill = nullptr;
    QTextBrowser* m_trail = nullptr;

    CircuitResult m_result;
};

}  // namespace ferrovolt
