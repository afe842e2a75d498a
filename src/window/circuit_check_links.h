// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The way from the Voltage Drop and Conductor Sizing tabs to the Circuit Check window: a
// "Circuit check…" button on each, which opens the window filled with the tab's inputs, and
// on Conductor Sizing a red line whenever the size it shows cannot carry the current.

#include <QObject>

class QLabel;
class QPushButton;

namespace ferrovolt {

class CircuitWindowHost;
struct CircuitPrefill;
struct SizingTab;
struct Tables;
struct VoltageDropTab;

class CircuitCheckLinks : public QObject {
    Q_OBJECT
public:
    // Adds the controls to the two tabs' pages, in space their own controls leave free.
    CircuitCheckLinks(QWidget* mainWindow, const Tables& tables, const VoltageDropTab& drop,
                      const SizingTab& sizing);
    ~CircuitCheckLinks() override;

private:
    CircuitPrefill fromDropTab() const;
    CircuitPrefill fromSizingTab() const;
    // After each calculation of the Conductor Sizing tab.
    void updateWarning();

    const Tables& m_tables;
    const VoltageDropTab& m_drop;
    const SizingTab& m_sizing;
    CircuitWindowHost* m_host;
    QPushButton* m_warning;  // the line, pressed to open the window
    QLabel* m_warningText;
};

}  // namespace ferrovolt
