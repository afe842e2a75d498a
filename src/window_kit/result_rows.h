// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Result rows of a window: a caption and its value side by side in a grid, read by a screen
// reader as one object ("Voltage drop: 0.156 V"), the row that governs in bold and in words
// (", governing"), and with no value at all once the inputs are refused.

#include <QLabel>
#include <vector>

class QGridLayout;

namespace ferrovolt {

// The value of a result: named by its caption and the value it shows now.
class ResultValue : public QLabel {
    Q_OBJECT
public:
    ResultValue(const QString& caption, QWidget* parent);

    // Shows `shown` (a placeholder such as "—" when `spoken` is empty) and tells a screen
    // reader; bold when the row governs.
    void setResult(const QString& shown, const QString& spoken, bool governs);

    const QString& caption() const { return m_caption; }
    const QString& spokenValue() const { return m_spoken; }
    bool governs() const { return m_governs; }
    // What a screen reader reads.
    QString spokenText() const;

private:
    QString m_caption;
    QString m_spoken;
    bool m_governs = false;
};

// A caption drawn beside its value, which reads it out itself.
class ResultCaption : public QLabel {
    Q_OBJECT
public:
    ResultCaption(const QString& caption, QWidget* parent);
};

class ResultRows {
public:
    // Rows are added to `grid` of `owner` in columns 0 (caption) and 1 (value).
    ResultRows(QGridLayout* grid, QWidget* owner);

    // Adds a row below those already in the grid; its value is named `key`.
    ResultValue* add(const QString& key, const QString& caption);

    // Shows the row's value, or hides the row when it has none.
    void show(std::size_t row, const QString& value, bool governs = false);
    // After a refusal: no row shows a value or governs.
    void clear();

    std::size_t size() const { return m_rows.size(); }

private:
    struct Row {
        ResultCaption* caption;
        ResultValue* value;
    };
    QGridLayout* m_grid;
    QWidget* m_owner;
    std::vector<Row> m_rows;
};

}  // namespace ferrovolt
