// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The circuits of one board as a grid, one row a cable: its id and inputs, typed into like a
// spreadsheet, and the answers the tree gives it. A failing cell says so three ways: its
// colour, a symbol before its text, and a tool tip naming the criterion.

#include <QAbstractTableModel>
#include <QColor>
#include <string>
#include <vector>

#include "project_window/project_document.h"

namespace ferrovolt {

class CircuitGrid : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Kind { Id, Input, Size, GovernedBy, Drop, IscMax, IscMin, Zs, Verdict };
    struct Column {
        Kind kind;
        std::string_view key;  // an input's field key
        QString header;
    };

    // The symbol before the text of a failing cell.
    static constexpr char16_t kFailSymbol = u'\u2717';

    CircuitGrid(ProjectDocument& document, QObject* parent);

    // Shows the circuits of `board` ("" for none).
    void showBoard(const std::string& board);
    const std::string& board() const { return m_board; }
    // The row of a circuit; -1 when it is not on the board shown.
    int rowOf(std::string_view id) const;
    const std::string& circuitAt(int row) const;
    const std::vector<Column>& columns() const { return m_columns; }
    // The column of an input field or of an answer; -1 when the code has none.
    int columnOf(Kind kind, std::string_view key = {}) const;
    // The colours of a failing cell's text and of an input's default, readable on the view's
    // background.
    void setColours(const QColor& fail, const QColor& byDefault);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Changes the project through the document; a text the field does not take is refused
    // (refused() says why) and nothing changes.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

signals:
    void refused(const QString& reason);

private:
    void follow(bool structure);
    void makeColumns();
    // The failure a cell shows, in words; empty when it does not fail.
    QString failureOf(const project::NodeAnswer& node, const Column& column) const;
    QString textOf(int row, const Column& column) const;
    QString inputText(const Column& column, const std::string& text) const;
    QString defaultOf(const Column& column) const;

    ProjectDocument& m_document;
    std::vector<Column> m_columns;
    std::string m_codeKey;
    std::string m_board;
    std::vector<std::size_t> m_circuits;  // indices into the project's circuits
    QColor m_failColour{Qt::red};
    QColor m_defaultColour{Qt::darkGray};
};

}  // namespace ferrovolt
