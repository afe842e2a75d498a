// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_kit/field_panel.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

#include "check/field_applies.h"
#include "check/origin.h"
#include "check/set_case.h"
#include "window_kit/access_letters.h"
#include "window_kit/list_entries.h"
#include "window_kit/text_tone.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

constexpr int kMaxTextLength = 32;
// The grid's column of a given input's note, after the unit's.
constexpr int kNoteColumn = 3;

// The accepted texts of a choice, in order.
std::vector<std::string_view> choiceKeys(std::string_view choices) {
    std::vector<std::string_view> keys;
    while (!choices.empty()) {
        const std::size_t bar = choices.find('|');
        keys.push_back(choices.substr(0, bar));
        choices = bar == std::string_view::npos ? std::string_view() : choices.substr(bar + 1);
    }
    return keys;
}

// Whether the panel shows the field's caption, on a label or a check box: where an access
// letter can stand. An input of rows is the window's widget, with its own.
bool showsCaption(const CheckField& field) {
    if (field.rows) return false;
    return field.placement == FieldPlacement::Row ||
           (field.kind == InputKind::Flag && field.shown.empty() && field.maximum == 0);
}

void setReadOnly(QWidget* control, bool readOnly) {
    if (auto* text = qobject_cast<QLineEdit*>(control))
        text->setReadOnly(readOnly);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        spin->setReadOnly(readOnly);
    else
        control->setEnabled(!readOnly);  // a list or a check box has no read-only state
}

}  // namespace

FieldPanel::FieldPanel(QWidget* window) : QObject(window), m_window(window) {
    // Before any of the window's own: what it reads and lays out is what applies.
    connect(this, &FieldPanel::changed, this, &FieldPanel::showWhatApplies);
}

void FieldPanel::setMade(std::function<void(const CheckField&, QWidget*)> made) {
    m_made = std::move(made);
}

void FieldPanel::setRowsWidget(std::function<QWidget*(const CheckField&)> widget) {
    m_rowsWidget = std::move(widget);
}

void FieldPanel::setRowsTexts(std::function<std::vector<std::string>(const CheckField&)> texts) {
    m_rowsTexts = std::move(texts);
}

void FieldPanel::setBeep(std::function<void()> beep) {
    m_beep = std::move(beep);
}

std::string FieldPanel::textOf(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control))
        return field->text().trimmed().toStdString();
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return list->currentData().toString().toStdString();
    if (const auto* box = qobject_cast<const QCheckBox*>(control))
        return box->isChecked() ? "true" : "false";
    if (const auto* spin = qobject_cast<const QSpinBox*>(control))
        return std::to_string(spin->value());
    return {};
}

bool FieldPanel::setText(QWidget* control, const QString& text) {
    if (auto* field = qobject_cast<QLineEdit*>(control)) {
        field->setText(text);
        return true;
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const int at = list->findData(text);
        if (at >= 0) list->setCurrentIndex(at);
        return at >= 0;
    }
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        box->setChecked(text == QLatin1String("true"));
        return true;
    }
    if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool number = false;
        const int value = text.toInt(&number);
        if (number) spin->setValue(value);
        return number;
    }
    return false;
}

QWidget* FieldPanel::makeControl(const CheckField& field, const QString& caption) {
    const QString initial = qt(field.defaultText.empty() ? field.initial : field.defaultText);
    const auto made = [this, &field](QWidget* control) {
        if (m_made) m_made(field, control);
    };
    if (field.maximum > 0) {
        auto* spin = new QSpinBox(m_window);
        spin->setRange(1, field.maximum);
        setText(spin, initial);
        made(spin);
        connect(spin, &QSpinBox::valueChanged, this, &FieldPanel::changed);
        return spin;
    }
    if (field.kind == InputKind::Size || field.kind == InputKind::Choice || !field.shown.empty()) {
        auto* list = new QComboBox(m_window);
        if (field.kind == InputKind::Size)
            list->addItem(QStringLiteral("None: choose the size"), QString());
        for (const ChoiceText& choice : field.shown) {
            list->addItem(qt(choice.shown), qt(choice.key));
            // Short entries keep the unit column narrow; the tip says the whole of it.
            if (!choice.tip.empty())
                list->setItemData(list->count() - 1, qt(choice.tip), Qt::ToolTipRole);
        }
        if (field.shown.empty())
            for (const std::string_view key : choiceKeys(field.choices))
                list->addItem(qt(key), qt(key));
        setText(list, initial);
        made(list);
        bool longWords = false;
        for (int i = 0; i < list->count(); ++i)
            longWords = longWords || list->itemText(i).size() > m_listLetters;
        // Entries in whole sentences: the list opens as wide as they are, the control stays
        // as narrow as the others, cuts its entry with an ellipsis and says it whole in its tip.
        if (longWords) cutLongEntries(*list, m_listLetters);
        connect(list, &QComboBox::currentIndexChanged, this, &FieldPanel::changed);
        return list;
    }
    if (field.kind == InputKind::Flag) {
        auto* box = new QCheckBox(caption, m_window);
        setText(box, initial);
        made(box);
        connect(box, &QCheckBox::toggled, this, &FieldPanel::changed);
        return box;
    }
    auto* text = new QLineEdit(initial, m_window);
    text->setMaxLength(kMaxTextLength);
    if (!field.placeholder.empty()) text->setPlaceholderText(qt(field.placeholder));
    made(text);
    connect(text, &QLineEdit::textChanged, this, &FieldPanel::changed);
    return text;
}

void FieldPanel::addInput(QGridLayout* grid, std::size_t field, const CheckField& shown,
                          const QString& caption) {
    const int row = grid->rowCount();
    if (shown.rows) {
        QWidget* widget = m_rowsWidget ? m_rowsWidget(shown) : nullptr;
        if (widget != nullptr) grid->addWidget(widget, row, 0, 1, -1);  // to the last column in use
        m_inputs.push_back({field, &shown, widget, plain(caption)});
        m_labels.emplace_back(nullptr, nullptr);
        return;
    }
    QWidget* control = makeControl(shown, caption);
    control->setObjectName(qt(shown.key));
    control->setAccessibleName(plain(caption));
    std::pair<QWidget*, QWidget*> labels{nullptr, nullptr};
    switch (shown.placement) {
        case FieldPlacement::Row: {
            auto* label = new QLabel(caption, m_window);
            label->setBuddy(control);
            grid->addWidget(label, row, 0);
            grid->addWidget(control, row, 1);
            labels.first = label;
            if (!shown.unit.empty()) {
                auto* unit = new QLabel(qt(shown.unit), m_window);
                grid->addWidget(unit, row, 2);
                labels.second = unit;
                control->setAccessibleDescription(qt(shown.unit));
            }
            break;
        }
        case FieldPlacement::Beside:
            // In the unit column of the row before: the length's unit, the insulation's family.
            grid->addWidget(control, row - 1, 2);
            break;
        case FieldPlacement::Check:
            grid->addWidget(control, row, 1, 1, -1);  // across the control and unit columns
            break;
    }
    m_inputs.push_back({field, &shown, control, plain(caption)});
    m_labels.push_back(labels);
}

void FieldPanel::build(const Check& check, QBoxLayout* into, int at, const QList<QChar>& taken) {
    std::vector<const CheckField*> fields;
    for (const CheckField& field : check.fields()) fields.push_back(&field);
    build(check, std::move(fields), into, at, taken);
}

void FieldPanel::build(const Check& check, std::vector<const CheckField*> fields, QBoxLayout* into,
                       int at, const QList<QChar>& taken) {
    for (QGroupBox* group : m_groups) delete group;
    m_groups.clear();
    m_grids.clear();
    m_inputs.clear();
    m_labels.clear();
    m_inputGroups.clear();
    m_given.clear();
    m_check = &check;
    // A window's declaration stands for the check's field of its key.
    std::vector<std::pair<std::size_t, const CheckField*>> known;
    for (const CheckField* field : fields) {
        std::optional<std::size_t> index = check.indexOf(*field);
        if (!index) index = check.fieldOfKey(field->key);
        if (index) known.emplace_back(*index, field);
    }
    std::vector<std::string_view> groups;
    for (const auto& [index, field] : known)
        if (std::find(groups.begin(), groups.end(), field->group) == groups.end())
            groups.push_back(field->group);
    // Every access letter once among what the window shows at a time: the window's commands
    // keep theirs, the inputs take the others in the order they are laid out, first those shown
    // with every followed field at its default, then those each other text of a followed field
    // shows. Inputs never shown together (a motor's and an air conditioner's) may share one.
    std::vector<std::size_t> inLayout;
    for (const std::string_view group : groups)
        for (std::size_t i = 0; i < known.size(); ++i)
            if (known[i].second->group == group && showsCaption(*known[i].second))
                inLayout.push_back(i);
    std::vector<FieldCondition> worlds{{}};
    for (const auto& [index, field] : known)
        if (const std::optional<FieldCondition> condition = conditionOf(*field))
            for (std::string_view texts = condition->texts; !texts.empty();) {
                const std::size_t bar = texts.find('|');
                const FieldCondition world{condition->key, texts.substr(0, bar)};
                texts = bar == std::string_view::npos ? std::string_view() : texts.substr(bar + 1);
                if (std::none_of(worlds.begin(), worlds.end(), [&](const FieldCondition& w) {
                        return w.key == world.key && w.texts == world.texts;
                    }))
                    worlds.push_back(world);
            }
    std::vector<QString> shownCaptions;
    for (const auto& [index, field] : known) shownCaptions.push_back(qt(field->caption));
    std::vector<bool> lettered(known.size(), false);
    for (const FieldCondition& world : worlds) {
        const auto shownIn = [&](const CheckField& field) {
            const std::optional<FieldCondition> condition = conditionOf(field);
            return !condition ||
                   fieldApplies(check.fields(), field,
                                condition->key == world.key ? world.texts : std::string_view());
        };
        QList<QChar> held = taken;
        std::vector<std::size_t> fresh;
        QStringList captions;
        for (const std::size_t i : inLayout) {
            if (!shownIn(*known[i].second)) continue;
            if (lettered[i]) {
                if (const QChar letter = accessLetter(shownCaptions[i]); !letter.isNull())
                    held << letter;
            } else {
                fresh.push_back(i);
                captions << shownCaptions[i];
            }
        }
        captions = withAccessLetters(captions, held);
        for (std::size_t k = 0; k < fresh.size(); ++k) {
            shownCaptions[fresh[k]] = captions[static_cast<qsizetype>(k)];
            lettered[fresh[k]] = true;
        }
    }

    for (const std::string_view group : groups) {
        auto* box = new QGroupBox(qt(group), m_window);
        into->insertWidget(at + static_cast<int>(m_groups.size()), box);
        m_groups.push_back(box);
        m_grids.push_back(new QGridLayout(box));
        // The room to spare goes to the controls, so that they line up from group to group.
        m_grids.back()->setColumnStretch(1, 1);
        for (std::size_t i = 0; i < known.size(); ++i)
            if (known[i].second->group == group) {
                addInput(m_grids.back(), known[i].first, *known[i].second, shownCaptions[i]);
                m_inputGroups.push_back(m_groups.size() - 1);
            }
        box->show();  // now, not when the layout gets round to it: Tab reaches it at once
    }
    showWhatApplies();
}

bool FieldPanel::applies(const Input& input) const {
    if (input.shown->when.empty() || m_check == nullptr) return true;
    const CheckField& own = m_check->fields()[input.field];
    std::string text;
    return fieldApplies(m_check->fields(), own,
                        [&](std::string_view key) -> std::optional<std::string_view> {
                            const QWidget* followed = control(key);
                            if (followed == nullptr) return std::nullopt;
                            text = textOf(followed);
                            return text;
                        });
}

bool FieldPanel::applies(std::string_view key) const {
    const Input* input = inputOf(key);
    return input == nullptr || applies(*input);
}

void FieldPanel::showWhatApplies() {
    std::vector<bool> groupApplies(m_groups.size(), false);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        const Input& input = m_inputs[i];
        const bool shown = applies(input);
        groupApplies[m_inputGroups[i]] = groupApplies[m_inputGroups[i]] || shown;
        if (input.shown->when.empty() || input.control == nullptr) continue;
        // Said every time: a widget not yet shown is hidden too, and would be shown with its
        // window unless hidden on purpose.
        input.control->setVisible(shown);
        for (QWidget* label : {m_labels[i].first, m_labels[i].second})
            if (label != nullptr) label->setVisible(shown);
    }
    for (std::size_t g = 0; g < m_groups.size(); ++g)
        if (m_groups[g]->isHidden() == groupApplies[g]) m_groups[g]->setVisible(groupApplies[g]);
}

const FieldPanel::Input* FieldPanel::inputOf(std::string_view key) const {
    if (m_check == nullptr) return nullptr;
    const std::optional<std::size_t> field = m_check->fieldIndex(key);
    for (const Input& input : m_inputs)
        if (field && input.field == *field) return &input;
    return nullptr;
}

QWidget* FieldPanel::control(std::string_view key) const {
    const Input* input = inputOf(key);
    return input != nullptr ? input->control : nullptr;
}

QString FieldPanel::captionOf(std::string_view key) const {
    const Input* input = inputOf(key);
    return input != nullptr ? input->caption : qt(key);
}

bool FieldPanel::isGiven(std::string_view key) const {
    const QWidget* at = control(key);
    return at != nullptr && std::any_of(m_given.begin(), m_given.end(),
                                        [at](const Given& given) { return given.control == at; });
}

std::optional<CheckRefusal> FieldPanel::setCase(CheckCase& target) const {
    std::vector<const CheckField*> shown;
    shown.reserve(m_inputs.size());
    for (const Input& input : m_inputs) shown.push_back(input.shown);
    auto panel = sourceOf(
        [this](const CheckField& field, std::size_t i,
               const auto& put) -> std::optional<CheckRefusal> {
            const Input& input = m_inputs[i];
            if (field.rows) {
                if (!m_rowsTexts) return std::nullopt;
                for (const std::string& text : m_rowsTexts(field))
                    if (std::optional<CheckRefusal> refused = put(text)) return refused;
                return std::nullopt;
            }
            const bool given = std::any_of(m_given.begin(), m_given.end(), [&](const Given& g) {
                return g.control == input.control;
            });
            // Not read where the window has disabled it (a method that does not read it), nor
            // where it does not apply (a motor's input under a general load).
            if (!given && !input.control->isEnabled()) return std::nullopt;
            if (!applies(input)) return std::nullopt;
            const std::string text = textOf(input.control);
            if (!text.empty()) return put(text);
            if (field.required) return CheckRefusal{field.key, "enter a number"};
            return std::nullopt;
        },
        [](const CheckField& field) {
            return CheckRefusal{field.key, "is not an input"};
        });
    return ferrovolt::setCase(target, shown, panel);
}

QString FieldPanel::refusalText(const CheckRefusal& refusal) const {
    return captionOf(refusal.field) + QStringLiteral(": ") + QString::fromStdString(refusal.reason);
}

QWidget* FieldPanel::refuse(const CheckRefusal& refusal) {
    if (m_beep) m_beep();
    const Input* input = inputOf(refusal.field);
    if (input == nullptr || input->shown->rows || input->control == nullptr) return nullptr;
    QWidget* at = input->control;
    const QWidget* focus = QApplication::focusWidget();
    if (focus != at && !at->isAncestorOf(focus)) at->setFocus(Qt::OtherFocusReason);
    return at;
}

void FieldPanel::setGiven(std::string_view key, const QString& text, const QString& note) {
    QWidget* at = control(key);
    if (at == nullptr) return;
    const auto was = std::find_if(m_given.begin(), m_given.end(),
                                  [at](const Given& given) { return given.control == at; });
    if (note.isEmpty()) {
        if (was == m_given.end()) return;
        delete was->note;
        m_given.erase(was);
        setReadOnly(at, false);
        at->setToolTip({});
        const Input* input = inputOf(key);
        at->setAccessibleDescription(qt(input->shown->unit));
        return;
    }
    setText(at, text);
    setReadOnly(at, true);
    at->setToolTip(note);
    at->setAccessibleDescription(note);
    if (was != m_given.end()) {
        was->note->setText(note);
        return;
    }
    auto* label = new QLabel(note, m_window);
    label->setObjectName(at->objectName() + QStringLiteral("Given"));
    setTextTone(label, TextTone::Note);
    for (QGridLayout* grid : m_grids) {
        const int index = grid->indexOf(at);
        if (index < 0) continue;
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        grid->addWidget(label, row, kNoteColumn);
    }
    m_given.push_back({at, label});
}

std::vector<std::string_view> FieldPanel::originKeys() const {
    std::vector<std::string_view> keys;
    for (const Input& input : m_inputs)
        if (givenByOrigin(input.shown->key)) keys.push_back(input.shown->key);
    return keys;
}

}  // namespace ferrovolt
