// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/control_table.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "window/controls.h"
#include "window/qt_text.h"
#include "window/tab_sizing.h"

namespace ferrovolt {

QLabel* BuiltControls::get(RowOf<ControlKind::Heading> r) const {
    return static_cast<QLabel*>(m_widgets.at(r.index));
}
QComboBox* BuiltControls::get(RowOf<ControlKind::Combo> r) const {
    return static_cast<QComboBox*>(m_widgets.at(r.index));
}
QLineEdit* BuiltControls::get(RowOf<ControlKind::Text> r) const {
    return static_cast<QLineEdit*>(m_widgets.at(r.index));
}
QFrame* BuiltControls::get(RowOf<ControlKind::Group> r) const {
    return static_cast<QFrame*>(m_widgets.at(r.index));
}
QRadioButton* BuiltControls::get(RowOf<ControlKind::Option> r) const {
    return static_cast<QRadioButton*>(m_widgets.at(r.index));
}

QRadioButton* BuiltControls::option(std::size_t index, std::size_t count) const {
    auto* option =
        index < m_widgets.size() ? qobject_cast<QRadioButton*>(m_widgets[index]) : nullptr;
    if (option == nullptr) qFatal("a group has fewer than %d option buttons", int(count));
    return option;
}

BuiltControls buildControls(QWidget* page, std::span<const ControlRow> rows) {
    BuiltControls built;
    QFrame* group = nullptr;
    const auto spoken = [rows](std::string_view heading) {
        for (const ControlRow& r : rows)
            if (r.name == heading) return toQt(r.text);
        return QString();
    };
    for (const ControlRow& r : rows) {
        const QString name = toQt(r.name);
        const QString text = toQt(r.text);
        QWidget* made = nullptr;
        switch (r.kind) {
            case ControlKind::Heading:
                made = addLabel(page, name, text, r.place);
                break;
            case ControlKind::Combo:
                made = addCombo(page, name, text, r.place, spoken(r.heading));
                break;
            case ControlKind::Text:
                made = addTextField(page, name, text, r.place, spoken(r.heading));
                break;
            case ControlKind::Group:
                made = group = addGroup(page, name, r.place);
                break;
            case ControlKind::Option:
                made = addOption(group, name, text, r.place, r.selected, toQt(r.toolTip));
                if (!r.tag.empty()) made->setProperty(kTagProperty, toQt(r.tag));
                break;
        }
        if (!r.toolTip.empty() && r.kind != ControlKind::Option) {
            made->setToolTip(toQt(r.toolTip));
            made->setProperty(kOwnToolTip, toQt(r.toolTip));
        }
        built.m_widgets.push_back(made);
    }
    return built;
}

}  // namespace ferrovolt
