// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Conduit Fill window: a raceway type, an optional trade size and a grid of conductor and
// cable rows; the answer as the rows change, the cross-section to scale, and the calculation,
// which can be copied or saved as a PDF sheet.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "check/check.h"
#include "fill/fill_check.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTextBrowser;

namespace ferrovolt {

class StatusLine;
class VerdictLine;

class FieldPanel;
class FillDrawing;
class SystemServices;

class FillWindow : public QWidget {
    Q_OBJECT
public:
    // Beeps through `services` when given, else through the application.
    explicit FillWindow(SystemServices* services = nullptr, QWidget* parent = nullptr);
    ~FillWindow() override;

    // Replaces the raceway, the size and the rows by these, with a note saying where they
    // came from.
    void prefill(const FillInputs& inputs, const QString& note);

    const FillResult& result() const { return m_result; }

    // The calculation sheet as text, onto the clipboard; says so in the status line.
    void copyReport();
    // The PDF sheet; the reason when it cannot be written. Says so in the status
    // line either way.
    std::optional<QString> saveReport(const QString& path);

    // Rows: a conductor (count, size, type) or a cable (count, diameter).
    void addConductorRow(const QString& count = QStringLiteral("3"),
                         const QString& size = QStringLiteral("12"),
                         const QString& type = QStringLiteral("THHN"));
    void addCableRow(const QString& count = QStringLiteral("1"),
                     const QString& diameter = QStringLiteral("0.5"));
    void removeCurrentRow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildInputs();
    // The grid of rows with its buttons: the widget the panel shows for the input of wires.
    QWidget* buildRows();
    QWidget* buildResults();
    // Tab goes down the inputs, through the grid and its buttons, then to the sheet's buttons.
    void orderTabs();
    void fillTradeSizes();
    // Reads the controls and answers; `edited` when a person changed something, so that a
    // refusal beeps and takes the focus to its cell.
    void recalculate(bool edited);
    void showAnswer();
    void showRefusal(const QString& message);
    void setStatus(const QString& text);
    void saveReportAs();

    SystemServices* m_services;
    bool m_building = true;

    // The fill's inputs on the window kit's panel; the rows are the grid's, read cell by cell
    // and handed to the case as the command line gives them.
    FieldPanel* m_fields = nullptr;
    std::unique_ptr<CheckCase> m_case;
    std::vector<std::string> m_wires, m_cables;
    std::vector<int> m_rowOf;  // the grid's row of each row given to the case, wires first

    QComboBox* m_raceway = nullptr;
    QComboBox* m_tradeSize = nullptr;
    QCheckBox* m_nipple = nullptr;
    QComboBox* m_cableUnit = nullptr;
    QTableWidget* m_rows = nullptr;
    QPushButton* m_addConductor = nullptr;
    QPushButton* m_addCable = nullptr;
    QPushButton* m_remove = nullptr;

    QLabel* m_note = nullptr;
    QLabel* m_size = nullptr;
    VerdictLine* m_verdict = nullptr;
    QLabel* m_warning = nullptr;
    std::vector<QLabel*> m_values;  // the rows of kFillRows after the trade size
    std::size_t m_verdictRow = 0;   // the check's rows the window reads by name
    std::size_t m_warningsRow = 0;
    FillDrawing* m_drawing = nullptr;
    QPushButton* m_showTrail = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_save = nullptr;
    QTextBrowser* m_trail = nullptr;
    StatusLine* m_status = nullptr;

    FillResult m_result;
};

}  // namespace ferrovolt
