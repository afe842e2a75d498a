// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/results_copy.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>
#include <QWidget>
#include <algorithm>
#include <string_view>

#include "window/accessibility.h"
#include "window/controls.h"
#include "window/group_captions.h"
#include "window/tab_tables.h"

namespace ferrovolt {

namespace {

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString groupCaption(std::string_view group) {
    const auto* found = std::find_if(kGroupCaptions.begin(), kGroupCaptions.end(),
                                     [group](const GroupCaption& g) { return g.group == group; });
    return found != kGroupCaptions.end() ? QString::fromLatin1(found->caption) : QString();
}

// The boxes of Compare Gauges end in a blank that only spaces them from their border.
QString withoutTrailingBlanks(QString text) {
    while (text.endsWith(QLatin1Char(' '))) text.chop(1);
    return text;
}

// The text a control shows: a group shows the caption of its chosen button.
QString shownText(const QWidget* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) return field->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    const auto options = control->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
    for (const QAbstractButton* option : options)
        if (option->isChecked()) return option->text();
    return {};
}

// "Diameter :" captions the line "Diameter: ...".
QString rowCaption(const QWidget* caption) {
    QString text = withoutTrailingBlanks(shownText(caption));
    if (text.endsWith(QLatin1Char(':'))) text = withoutTrailingBlanks(text.chopped(1));
    return text;
}

QString line(const QString& caption, const QString& value, const QString& unit) {
    QString text = caption + QLatin1Char(':');
    // An empty result leaves its unit out too: a unit alone would read as the value.
    if (!value.isEmpty()) {
        text += QLatin1Char(' ') + value;
        if (!unit.isEmpty()) text += QLatin1Char(' ') + unit;
    }
    return text;
}

}  // namespace

ResultsCopy::ResultsCopy(QWidget& window) : QObject(&window), m_window(window) {
    for (int tab = 0; tab < kTabCount; ++tab) buildBlock(tab);
}

void ResultsCopy::buildBlock(int tab) {
    // A name of the tab tables that the window lacks is a fault of the program: it stops at
    // once, so that every window test fails on it.
    const auto named = [this](const QString& name) {
        auto* control = m_window.findChild<QWidget*>(name);
        if (control == nullptr)
            qFatal("Copy results: the window has no control named %s", qPrintable(name));
        return control;
    };
    Block& block = m_blocks.at(static_cast<std::size_t>(tab));
    block.outline = qobject_cast<QFrame*>(named(arrayName("Shape1", tab)));
    if (block.outline == nullptr) return;
    block.page = block.outline->parentWidget();

    const TabTable& table = kTabTables.at(static_cast<std::size_t>(tab));
    for (const TabInput& input : readingInputs(table)) {
        QWidget* control = named(qtName(input.control));
        if (control == nullptr) continue;
        if (input.heading.empty()) {
            block.inputs.push_back({nullptr, groupCaption(input.control), control});
        } else if (QWidget* heading = named(qtName(input.heading))) {
            // Read when copying: start-up still puts the degree sign into a heading.
            block.inputs.push_back({heading, QString(), control});
        }
    }
    const auto addLine = [&](QWidget* label, QWidget* caption, QWidget* unit) {
        if (label != nullptr && caption != nullptr) block.results.push_back({caption, label, unit});
    };
    if (table.rows != nullptr) {
        for (const RowDescription& row : table.rows->rows) {
            const QString name = qtName(row.label);
            QWidget* label = named(name);
            const QString unit =
                label != nullptr ? label->property(kResultUnitLabel).toString() : QString();
            addLine(label, named(QStringLiteral("lblCaption_") + name),
                    unit.isEmpty() ? nullptr : named(unit));
        }
    }
    for (const TabResult& result : table.results)
        addLine(named(qtName(result.result)), named(qtName(result.caption)),
                result.unit.empty() ? nullptr : named(qtName(result.unit)));

    block.menu = new QMenu(block.page);
    block.menu->setObjectName(arrayName("mnuResults", tab));
    QAction* copy = block.menu->addAction(QStringLiteral("Copy results"));
    copy->setObjectName(arrayName("mnuCopyResults", tab));
    connect(copy, &QAction::triggered, this, [this, tab] { copyResults(tab); });

    // A right-click on a label of the block reaches the page, as labels take no menu of their
    // own; the outline lets clicks through to the page as well.
    block.page->installEventFilter(this);

    // The keyboard reaches the block after the inputs, at its outline.
    block.outline->setFocusPolicy(Qt::TabFocus);
    block.outline->setAccessibleName(QStringLiteral("Results"));
    if (!block.inputs.empty()) QWidget::setTabOrder(block.inputs.back().control, block.outline);
    block.outline->installEventFilter(this);
}

QString ResultsCopy::resultsText(int tab) const {
    const Block& block = m_blocks.at(static_cast<std::size_t>(tab));
    QStringList lines;
    for (const InputLine& input : block.inputs)
        lines.append(line(input.heading != nullptr ? withoutTrailingBlanks(shownText(input.heading))
                                                   : input.groupCaption,
                          withoutTrailingBlanks(shownText(input.control)), QString()));
    for (const ResultLine& result : block.results)
        lines.append(line(
            rowCaption(result.caption), withoutTrailingBlanks(shownText(result.result)),
            result.unit != nullptr ? withoutTrailingBlanks(shownText(result.unit)) : QString()));
    return lines.join(QLatin1Char('\n'));
}

void ResultsCopy::copyResults(int tab) const {
    QGuiApplication::clipboard()->setText(resultsText(tab));
}

bool ResultsCopy::isInBlock(const Block& block, QWidget* hit, const QPoint& position) const {
    if (hit == nullptr) return block.outline->geometry().contains(position);
    return std::any_of(block.results.begin(), block.results.end(), [hit](const ResultLine& r) {
        return hit == r.caption || hit == r.result || (r.unit != nullptr && hit == r.unit);
    });
}

void ResultsCopy::popUpAtOutline(const Block& block) const {
    block.menu->popup(block.outline->mapToGlobal(block.outline->rect().center()));
}

bool ResultsCopy::eventFilter(QObject* watched, QEvent* event) {
    for (const Block& block : m_blocks) {
        if (block.outline == nullptr || watched != block.outline) continue;
        switch (event->type()) {
            case QEvent::FocusIn:
            case QEvent::FocusOut:
                block.outline->setLineWidth(block.outline->hasFocus() ? 2 : 1);
                return false;
            case QEvent::ContextMenu:
                popUpAtOutline(block);
                return true;
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                const bool shiftF10 =
                    key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
                if (key->key() != Qt::Key_Menu && !shiftF10) return false;
                popUpAtOutline(block);
                return true;
            }
            default:
                return false;
        }
    }
    if (event->type() != QEvent::ContextMenu) return false;
    for (const Block& block : m_blocks) {
        if (block.page == nullptr || watched != block.page) continue;
        auto* request = static_cast<QContextMenuEvent*>(event);
        if (!isInBlock(block, block.page->childAt(request->pos()), request->pos())) return false;
        // Not exec(): the menu is an ordinary popup and the event loop runs on undisturbed.
        block.menu->popup(request->globalPos());
        request->accept();
        return true;
    }
    return false;
}

}  // namespace ferrovolt
