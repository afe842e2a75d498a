// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_window/project_document.h"

#include <QFile>
#include <QUndoCommand>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <span>
#include <sstream>

#include "check/common_fields.h"
#include "check/field_applies.h"
#include "csv/csv_reader.h"
#include "numtext/number_text.h"
#include "numtext/words.h"
#include "project/project_file.h"
#include "window_kit/window_text.h"

namespace ferrovolt {

namespace {

// A new project's supply: a common transformer of the code's practice, so that the first
// circuit typed is answered at once; the user replaces it with the real one.
constexpr std::string_view kNecTemplate = R"({"format": "ferrovolt-project", "version": 1,
  "project": {"name": "", "client": "", "reference": "", "engineer": "", "notes": ""},
  "code": "nec2023",
  "supply": {"transformer": {"kva": 500, "percent_z": 5.75, "x_r": 5, "secondary_volts": 480}},
  "boards": [{"id": "MDP", "fed_from": "supply", "cable": null, "demand_factor": 1}],
  "circuits": []})";
constexpr std::string_view kIecTemplate = R"({"format": "ferrovolt-project", "version": 1,
  "project": {"name": "", "client": "", "reference": "", "engineer": "", "notes": ""},
  "code": "iec60364",
  "supply": {"transformer": {"kva": 630, "percent_z": 6, "percent_r": 1.206, "primary_kv": 10,
                             "secondary_volts": 400},
             "voltage_factor_class": 6, "earthing": "TN-C-S"},
  "boards": [{"id": "MDB", "fed_from": "supply", "cable": null, "demand_factor": 1}],
  "circuits": []})";

// A cell's text as the file holds the field: a number as a JSON number (a whole one without a
// fraction, as the file writes it), a flag as true or false; any other text as it is, for the
// code's own reading to take or refuse.
project::Json fieldValue(const CheckField& field, const std::string& text) {
    if (field.kind == InputKind::Number) {
        if (const std::optional<double> number = readDouble(text)) {
            // In range first: a double beyond long long does not convert.
            if (*number > -1e15 && *number < 1e15 &&
                *number == static_cast<double>(static_cast<long long>(*number)))
                return static_cast<long long>(*number);
            return *number;
        }
    }
    if (field.kind == InputKind::Flag && (text == "true" || text == "false")) return text == "true";
    return text;
}

// One step of the undo stack: the state before and after a change, applied through the
// document. The first redo, when the step is pushed, finds the change already made.
class Step : public QUndoCommand {
public:
    Step(const QString& text, std::function<void()> undo, std::function<void()> redo)
        : m_undo(std::move(undo)), m_redo(std::move(redo)) {
        setText(text);
    }
    void undo() override { m_undo(); }
    void redo() override {
        if (m_done) return m_redo();
        m_done = true;
    }

private:
    std::function<void()> m_undo, m_redo;
    bool m_done = false;
};

}  // namespace

std::optional<std::size_t> circuitIndex(const project::Project& p, std::string_view id) {
    for (std::size_t i = 0; i < p.circuits.size(); ++i)
        if (p.circuits[i].id == id) return i;
    return std::nullopt;
}

std::optional<std::size_t> boardIndex(const project::Project& p, std::string_view id) {
    for (std::size_t i = 0; i < p.boards.size(); ++i)
        if (p.boards[i].id == id) return i;
    return std::nullopt;
}

bool feeds(const project::Project& p, std::string_view board, std::string_view below) {
    for (std::optional<std::size_t> at = boardIndex(p, below); at;
         at = boardIndex(p, p.boards[*at].fedFrom))
        if (p.boards[*at].id == board) return true;
    return false;
}

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent) {
    reset("nec2023");
}

ProjectDocument::~ProjectDocument() = default;

void ProjectDocument::reset(std::string_view codeKey) {
    auto read = project::readProject(codeKey == "iec60364" ? kIecTemplate : kNecTemplate);
    m_tree =
        std::make_unique<project::InstallationTree>(std::get<project::Project>(std::move(read)));
    m_path.clear();
    m_undo.clear();
    emit fileChanged();
    emit changed(true);
}

std::optional<QString> ProjectDocument::open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString();
    const QByteArray bytes = file.readAll();
    auto read = project::readProject(std::string_view(bytes.constData(), bytes.size()));
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read))
        return QString::fromStdString(project::refusalText(*refusal));
    m_tree =
        std::make_unique<project::InstallationTree>(std::get<project::Project>(std::move(read)));
    m_path = path;
    m_undo.clear();
    emit fileChanged();
    emit changed(true);
    return std::nullopt;
}

std::optional<QString> ProjectDocument::recover(const QString& recoveryPath,
                                                const QString& origin) {
    if (auto refusal = open(recoveryPath)) return refusal;
    m_path = origin;
    m_undo.resetClean();
    emit fileChanged();
    return std::nullopt;
}

std::optional<QString> ProjectDocument::saveAs(const QString& path) {
    if (auto refusal = project::saveProject(m_tree->project(), path.toStdString()))
        return QString::fromStdString(*refusal);
    const bool renamed = path != m_path;
    m_path = path;
    m_undo.setClean();
    if (renamed) emit fileChanged();
    return std::nullopt;
}

std::optional<QString> ProjectDocument::setCircuitField(const std::string& id, std::string_view key,
                                                        const QString& text) {
    const project::Project& p = m_tree->project();
    const std::optional<std::size_t> at = circuitIndex(p, id);
    if (!at) return QStringLiteral("no circuit ") + QString::fromStdString(id);
    const CircuitCode& code = m_tree->code();
    const CheckField* field = code.field(key);
    if (field == nullptr) return QStringLiteral("no field ") + qt(key);
    const project::Circuit before = p.circuits[*at];
    project::Json cable = project::Json::object();
    for (const auto& [name, value] : before.cable) cable[name] = value;
    const std::string given = text.trimmed().toStdString();
    if (given.empty())
        cable.erase(std::string(key));
    else
        cable[std::string(key)] = fieldValue(*field, given);
    auto read = project::readCable(cable, code, false);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read)) {
        // The path is the field's own ("/length"): the reason names it by its caption.
        QString caption = qt(field->caption).remove(QLatin1Char('&'));
        if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
        return caption + QStringLiteral(": ") + QString::fromStdString(refusal->reason);
    }
    project::Circuit after = before;
    after.cable = std::get<project::Cable>(std::move(read));
    if (after.cable == before.cable) return std::nullopt;
    if (auto refusal = m_tree->setCircuit(after)) return QString::fromStdString(*refusal);
    emit changed(false);
    m_undo.push(new Step(
        QStringLiteral("Edit %1 %2").arg(QString::fromStdString(id), qt(key)),
        [this, before] { applyCircuit(before); }, [this, after] { applyCircuit(after); }));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::renameCircuit(const std::string& id, const QString& newId) {
    const std::string to = newId.trimmed().toStdString();
    if (to == id) return std::nullopt;
    if (to.empty()) return QStringLiteral("Id: a circuit needs an id");
    const project::Project& p = m_tree->project();
    const bool taken = to == "supply" || circuitIndex(p, to) ||
                       std::any_of(p.boards.begin(), p.boards.end(),
                                   [&to](const project::Board& b) { return b.id == to; });
    if (taken) return QStringLiteral("Id: %1 is taken").arg(QString::fromStdString(to));
    const std::optional<std::size_t> at = circuitIndex(p, id);
    if (!at) return QStringLiteral("no circuit ") + QString::fromStdString(id);
    const std::size_t index = *at;
    const auto renameTo = [this, index](const std::string& name) {
        project::Project changed = m_tree->project();
        changed.circuits[index].id = name;
        replaceTree(std::move(changed));
    };
    renameTo(to);
    m_undo.push(new Step(
        QStringLiteral("Rename %1 to %2")
            .arg(QString::fromStdString(id), QString::fromStdString(to)),
        [renameTo, id] { renameTo(id); }, [renameTo, to] { renameTo(to); }));
    return std::nullopt;
}

std::variant<std::string, QString> ProjectDocument::insertCircuit(const std::string& board,
                                                                  const std::string& like) {
    const project::Project& p = m_tree->project();
    project::Circuit circuit;
    circuit.board = board;
    if (const std::optional<std::size_t> at = circuitIndex(p, like))
        circuit.cable = p.circuits[*at].cable;
    else
        circuit.cable = defaultCable(false);
    circuit.id = freeId(p, {});
    if (auto refusal = m_tree->insertCircuit(circuit)) return QString::fromStdString(*refusal);
    emit changed(true);
    const std::string id = circuit.id;
    m_undo.push(new Step(
        QStringLiteral("Insert %1").arg(QString::fromStdString(id)),
        [this, id] { applyRemoval(id); }, [this, circuit] { applyInsertion(circuit); }));
    return id;
}

std::optional<QString> ProjectDocument::removeCircuit(const std::string& id) {
    const std::optional<std::size_t> at = circuitIndex(m_tree->project(), id);
    if (!at) return QStringLiteral("no circuit ") + QString::fromStdString(id);
    const project::Circuit removed = m_tree->project().circuits[*at];
    const std::size_t index = *at;
    if (auto refusal = m_tree->removeCircuit(id)) return QString::fromStdString(*refusal);
    emit changed(true);
    m_undo.push(new Step(
        QStringLiteral("Delete %1").arg(QString::fromStdString(id)),
        [this, removed, index] { restoreAt(removed, index); }, [this, id] { applyRemoval(id); }));
    return std::nullopt;
}

std::string ProjectDocument::freeId(const project::Project& p, std::string id,
                                    std::string_view prefix) const {
    const auto taken = [&p](const std::string& name) {
        return name.empty() || name == "supply" || circuitIndex(p, name) || boardIndex(p, name);
    };
    const bool board = prefix != "C";
    for (std::size_t n = (board ? p.boards.size() : p.circuits.size()) + 1; taken(id); ++n)
        id = std::string(prefix) + std::to_string(n);
    return id;
}

project::Cable ProjectDocument::defaultCable(bool feeder) const {
    // The required inputs at the window's first texts, the voltage the supply's: a cable the
    // code answers. A feeder's current is left to the loads below it.
    const project::Supply& supply = m_tree->project().supply;
    double volts = 0;  // none
    if (supply.volts)
        volts = *supply.volts;
    else if (supply.transformer)
        volts = supply.transformer->secondaryVolts;
    project::Cable cable;
    const std::span<const CheckField> fields = m_tree->code().fields();
    for (const CheckField& field : fields) {
        // A general load's: one required of another kind of load (a motor's horsepower) is not.
        if (!field.required || !fieldApplies(fields, field, std::string_view()) ||
            (feeder && field.key == keys::kCurrent))
            continue;
        std::string text(field.initial);
        if (field.key == keys::kVolts && volts > 0) text = formatDouble(volts);
        cable.emplace_back(std::string(field.key), fieldValue(field, text));
    }
    return cable;
}

std::variant<std::string, QString> ProjectDocument::addCircuit(
    const std::string& board, const std::vector<std::pair<std::string, QString>>& texts) {
    const CircuitCode& code = m_tree->code();
    project::Json cable = project::Json::object();
    for (const auto& [key, text] : texts) {
        const CheckField* field = code.field(key);
        const std::string given = text.trimmed().toStdString();
        if (field != nullptr && !given.empty()) cable[key] = fieldValue(*field, given);
    }
    auto read = project::readCable(cable, code, false);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read))
        return QString::fromStdString(refusal->path.substr(1) + ": " + refusal->reason);
    const project::Circuit circuit{freeId(m_tree->project(), {}), board,
                                   std::get<project::Cable>(std::move(read))};
    if (auto refusal = m_tree->insertCircuit(circuit)) return QString::fromStdString(*refusal);
    emit changed(true);
    const std::string id = circuit.id;
    m_undo.push(new Step(
        QStringLiteral("Add %1 on %2")
            .arg(QString::fromStdString(id), QString::fromStdString(board)),
        [this, id] { applyRemoval(id); }, [this, circuit] { applyInsertion(circuit); }));
    return id;
}

namespace {

// A text of the supply's or a board's own fields as the file holds it: a number as a number, a
// flag as a flag, any other as a string, for the file's reading to take or refuse.
project::Json plainValue(const std::string& text) {
    if (const std::optional<double> number = readDouble(text)) {
        if (*number > -1e15 && *number < 1e15 &&
            *number == static_cast<double>(static_cast<long long>(*number)))
            return static_cast<long long>(*number);
        return *number;
    }
    if (text == "true" || text == "false") return text == "true";
    return text;
}

// Sets the member at `path` ("transformer/kva"), or takes it out; an object left empty goes
// with its last member.
void setAt(project::Json& object, std::string_view path,
           const std::optional<project::Json>& value) {
    const std::size_t slash = path.find('/');
    const std::string key(path.substr(0, slash));
    if (slash == std::string_view::npos) {
        if (value)
            object[key] = *value;
        else
            object.erase(key);
        return;
    }
    project::Json& inner = object[key];
    if (!inner.is_object()) inner = project::Json::object();
    setAt(inner, path.substr(slash + 1), value);
    if (inner.empty()) object.erase(key);
}

// Of the members the file takes one of, the other gives way to the one typed: the
// transformer's X/R or %R, the motors' full-load current or share of the load.
void dropTheOther(project::Json& object, std::string_view path) {
    constexpr std::pair<std::string_view, std::string_view> kOneOf[] = {
        {"transformer/x_r", "transformer/percent_r"},
        {"motor_load/fla", "motor_load/percent"},
    };
    for (const auto& [a, b] : kOneOf)
        if (path == a || path == b) {
            const std::string_view other = path == a ? b : a;
            const std::size_t slash = other.find('/');
            const auto outer = object.find(std::string(other.substr(0, slash)));
            if (outer != object.end() && outer->is_object())
                outer->erase(std::string(other.substr(slash + 1)));
        }
}

// "Caption: reason" for a refusal of the file's rules, whichever member it names: the field
// typed is the one at fault, or the one the rules miss beside it ("mva_min is missing").
QString fieldRefusal(const QString& caption, std::string_view path,
                     const project::FileRefusal& refusal) {
    std::string at = refusal.path.empty() ? std::string() : refusal.path.substr(1);
    if (at == path || at.empty()) return caption + QStringLiteral(": ") + qt(refusal.reason);
    return caption + QStringLiteral(": ") + qt(at) + u' ' + qt(refusal.reason);
}

}  // namespace

void ProjectDocument::pushProject(project::Project after, const QString& text) {
    const project::Project before = m_tree->project();
    replaceTree(after);
    m_undo.push(new Step(
        text, [this, before] { replaceTree(before); },
        [this, after = std::move(after)] { replaceTree(after); }));
}

std::optional<QString> ProjectDocument::setSupplyField(std::string_view path, const QString& text,
                                                       const QString& caption) {
    const project::Project& p = m_tree->project();
    project::Json supply = project::supplyJson(p.supply);
    const std::string given = text.trimmed().toStdString();
    if (!given.empty()) dropTheOther(supply, path);
    setAt(supply, path,
          given.empty() ? std::nullopt : std::optional<project::Json>(plainValue(given)));
    auto read = project::readSupply(supply, p.code);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read))
        return fieldRefusal(caption, path, *refusal);
    project::Project after = p;
    after.supply = std::get<project::Supply>(std::move(read));
    if (project::supplyJson(after.supply) == project::supplyJson(p.supply)) return std::nullopt;
    pushProject(std::move(after), QStringLiteral("Edit supply %1").arg(qt(path)));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::setSupplySource(bool transformer) {
    const project::Project& p = m_tree->project();
    const bool nec = p.code == "nec2023";
    const bool has = p.supply.transformer.has_value();
    if (has == transformer) return std::nullopt;
    project::Supply s = p.supply;
    const Origin& origin = m_tree->supply().at;
    if (transformer) {
        // The new project's transformer, at the voltage the supply has.
        auto fresh = project::readProject(nec ? kNecTemplate : kIecTemplate);
        s.transformer = std::get<project::Project>(fresh).supply.transformer;
        if (s.volts) s.transformer->secondaryVolts = *s.volts;
        s.availableFaultCurrent.reset();
        if (!nec) {
            s.ze.reset();
            s.ipf.reset();
        }
    } else {
        if (!s.volts) s.volts = s.transformer->secondaryVolts;
        if (!s.phase) s.phase = s.transformer->phase;
        s.transformer.reset();
        s.source.reset();
        // The fault level the origin has now, rounded as a person would type it.
        if (nec) {
            s.availableFaultCurrent = std::round(origin.iscMax);
            if (origin.xOverR > 0 && std::isfinite(origin.xOverR))
                s.xOverR = std::round(origin.xOverR * 100) / 100;
        } else {
            s.ze = std::round(origin.loopMin.magnitude() * 10000) / 10000;
            s.ipf = std::round(origin.iscMax);
        }
    }
    auto read = project::readSupply(project::supplyJson(s), p.code);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read))
        return QStringLiteral("Fault current from: ") +
               QString::fromStdString(project::refusalText(*refusal));
    project::Project after = p;
    after.supply = std::get<project::Supply>(std::move(read));
    pushProject(std::move(after), transformer ? QStringLiteral("Supply from a transformer")
                                              : QStringLiteral("Supply at a known fault level"));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::setBoardField(const std::string& id, std::string_view path,
                                                      const QString& text, const QString& caption) {
    const project::Project& p = m_tree->project();
    const std::optional<std::size_t> at = boardIndex(p, id);
    if (!at) return QStringLiteral("no board ") + QString::fromStdString(id);
    const CircuitCode& code = m_tree->code();
    const project::Board before = p.boards[*at];
    project::Json board = project::boardJson(before);
    const std::string given = text.trimmed().toStdString();
    std::optional<project::Json> value;
    if (!given.empty()) {
        value = plainValue(given);
        // A feeder's input as a cable's is read: by its field's kind.
        if (path.starts_with("cable/"))
            if (const CheckField* field = code.field(path.substr(6)))
                value = fieldValue(*field, given);
    }
    if (value) dropTheOther(board, path);
    setAt(board, path, value);
    auto read = project::readBoard(board, code);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read))
        return fieldRefusal(caption, path, *refusal);
    const project::Board after = std::get<project::Board>(std::move(read));
    if (project::boardJson(after) == project::boardJson(before)) return std::nullopt;
    if (auto refusal = m_tree->setBoard(after)) return QString::fromStdString(*refusal);
    emit changed(false);
    m_undo.push(new Step(
        QStringLiteral("Edit %1 %2").arg(QString::fromStdString(id), qt(path)),
        [this, before] { applyBoard(before); }, [this, after] { applyBoard(after); }));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::setBoardFeeder(const std::string& id, bool cable) {
    const project::Project& p = m_tree->project();
    const std::optional<std::size_t> at = boardIndex(p, id);
    if (!at) return QStringLiteral("no board ") + QString::fromStdString(id);
    const project::Board before = p.boards[*at];
    if (before.cable.has_value() == cable) return std::nullopt;
    project::Board after = before;
    after.cable = cable ? std::optional<project::Cable>(defaultCable(true)) : std::nullopt;
    if (auto refusal = m_tree->setBoard(after)) return QString::fromStdString(*refusal);
    emit changed(false);
    m_undo.push(new Step(
        (cable ? QStringLiteral("Feed %1 by a cable") : QStringLiteral("Feed %1 at the terminals"))
            .arg(QString::fromStdString(id)),
        [this, before] { applyBoard(before); }, [this, after] { applyBoard(after); }));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::renameBoard(const std::string& id, const QString& newId) {
    const std::string to = newId.trimmed().toStdString();
    if (to == id) return std::nullopt;
    if (to.empty()) return QStringLiteral("Id: a board needs an id");
    const project::Project& p = m_tree->project();
    if (to == "supply" || circuitIndex(p, to) || boardIndex(p, to))
        return QStringLiteral("Id: %1 is taken").arg(QString::fromStdString(to));
    if (!boardIndex(p, id)) return QStringLiteral("no board ") + QString::fromStdString(id);
    project::Project after = p;
    for (project::Board& b : after.boards) {
        if (b.id == id) b.id = to;
        if (b.fedFrom == id) b.fedFrom = to;
    }
    for (project::Circuit& c : after.circuits)
        if (c.board == id) c.board = to;
    pushProject(std::move(after), QStringLiteral("Rename %1 to %2")
                                      .arg(QString::fromStdString(id), QString::fromStdString(to)));
    return std::nullopt;
}

std::variant<std::string, QString> ProjectDocument::insertBoard(const std::string& fedFrom) {
    const project::Project& p = m_tree->project();
    project::Board board;
    board.id = freeId(p, {}, "DB");
    board.fedFrom = fedFrom;
    board.cable = defaultCable(true);
    if (auto refusal = m_tree->insertBoard(board)) return QString::fromStdString(*refusal);
    emit changed(true);
    const std::string id = board.id;
    // The board is the last of the project's and feeds nothing: the tree's own removal and
    // insertion give the same file back.
    m_undo.push(new Step(
        QStringLiteral("Add board %1").arg(QString::fromStdString(id)),
        [this, id] {
            m_tree->removeBoard(id);
            emit changed(true);
        },
        [this, board] {
            m_tree->insertBoard(board);
            emit changed(true);
        }));
    return id;
}

std::optional<QString> ProjectDocument::removeNode(const std::string& id) {
    const project::Project& p = m_tree->project();
    if (circuitIndex(p, id)) return removeCircuit(id);
    if (!boardIndex(p, id)) return QStringLiteral("Choose a board or a circuit to delete.");
    project::Project after = p;
    std::erase_if(after.boards, [&p, &id](const project::Board& b) { return feeds(p, id, b.id); });
    std::erase_if(after.circuits,
                  [&p, &id](const project::Circuit& c) { return feeds(p, id, c.board); });
    pushProject(std::move(after),
                QStringLiteral("Delete board %1").arg(QString::fromStdString(id)));
    return std::nullopt;
}

std::optional<QString> ProjectDocument::moveNode(const std::string& id, const std::string& board) {
    const project::Project& p = m_tree->project();
    const QString node = QString::fromStdString(id), onto = QString::fromStdString(board);
    if (const std::optional<std::size_t> at = circuitIndex(p, id)) {
        if (!boardIndex(p, board))
            return QStringLiteral("A circuit goes on a board: %1 is none.").arg(onto);
        const std::string from = p.circuits[*at].board;
        if (from == board) return std::nullopt;
        if (auto refusal = m_tree->moveCircuit(id, board)) return QString::fromStdString(*refusal);
        emit changed(true);
        m_undo.push(new Step(
            QStringLiteral("Move %1 to %2").arg(node, onto),
            [this, id, from] {
                m_tree->moveCircuit(id, from);
                emit changed(true);
            },
            [this, id, board] {
                m_tree->moveCircuit(id, board);
                emit changed(true);
            }));
        return std::nullopt;
    }
    const std::optional<std::size_t> at = boardIndex(p, id);
    if (!at) return QStringLiteral("Choose a board or a circuit to move.");
    if (board != "supply" && !boardIndex(p, board))
        return QStringLiteral("A board is fed from the supply or a board: %1 is neither.")
            .arg(onto);
    // A board fed from itself, or from a board it feeds, would feed its own supply.
    if (board != "supply" && feeds(p, id, board))
        return id == board ? QStringLiteral("Board %1 cannot feed itself.").arg(node)
                           : QStringLiteral(
                                 "Board %1 feeds %2: moved there it would feed "
                                 "itself.")
                                 .arg(node, onto);
    const std::string from = p.boards[*at].fedFrom;
    if (from == board) return std::nullopt;
    if (auto refusal = m_tree->moveBoard(id, board)) return QString::fromStdString(*refusal);
    emit changed(true);
    m_undo.push(new Step(
        QStringLiteral("Move %1 to %2").arg(node, onto),
        [this, id, from] {
            m_tree->moveBoard(id, from);
            emit changed(true);
        },
        [this, id, board] {
            m_tree->moveBoard(id, board);
            emit changed(true);
        }));
    return std::nullopt;
}

std::string ProjectDocument::circuitsCsv(const std::vector<std::string>& ids) const {
    const project::Project& p = m_tree->project();
    const std::span<const CheckField> fields = m_tree->code().fields();
    std::string out = "id,board";
    for (const CheckField& field : fields) (out += ',') += field.key;
    out += "\r\n";
    for (const std::string& id : ids) {
        const std::optional<std::size_t> at = circuitIndex(p, id);
        if (!at) continue;
        const project::Circuit& circuit = p.circuits[*at];
        appendCsvCell(out, circuit.id);
        out += ',';
        appendCsvCell(out, circuit.board);
        for (const CheckField& field : fields) {
            out += ',';
            for (const auto& [key, value] : circuit.cable)
                if (key == field.key) appendCsvCell(out, project::cableFieldText(value));
        }
        out += "\r\n";
    }
    return out;
}

ProjectDocument::Pasted ProjectDocument::pasteCircuits(const std::string& board,
                                                       std::string_view csv) {
    Pasted out;
    const CircuitCode& code = m_tree->code();
    // A header cell as columns are matched: case and all but letters and digits aside
    // ("Max-Drop" is "max_drop").
    const auto name = [](std::string_view cell) {
        std::string key;
        for (const char c : cell)
            if (std::isalnum(static_cast<unsigned char>(c)))
                key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return key;
    };
    std::istringstream in{std::string(csv)};
    CsvReader reader(in);
    CsvRow row;
    if (!reader.next(row) || row.fault != CsvRow::Fault::None) {
        out.refusal = QStringLiteral("The text is not CSV rows under a header of columns.");
        return out;
    }
    std::optional<std::size_t> idColumn;
    std::vector<const CheckField*> columns;
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const std::string key = name(row.cells[i]);
        if (key == "id") idColumn = i;
        const CheckField* field = nullptr;
        for (const CheckField& f : code.fields())
            if (name(f.key) == key) field = &f;
        columns.push_back(field);
    }
    if (!idColumn) {
        out.refusal = QStringLiteral("The text's header names no \"id\" column.");
        return out;
    }
    const project::Project before = m_tree->project();
    project::Project after = before;
    while (reader.next(row)) {
        if (row.fault == CsvRow::Fault::None && row.blank()) continue;
        const QString line = QStringLiteral("line %1: ").arg(row.line);
        if (row.fault != CsvRow::Fault::None) {
            out.refused << line + QStringLiteral("the row cannot be read as CSV");
            if (row.fault == CsvRow::Fault::NulByte) break;
            continue;
        }
        if (row.cells.size() != columns.size()) {
            out.refused << line + QStringLiteral("%1 cells where the header has %2")
                                      .arg(row.cells.size())
                                      .arg(columns.size());
            continue;
        }
        const std::string given(trimmed(row.cells[*idColumn]));
        const QString named = given.empty() ? line : line + qt(given) + QStringLiteral(": ");
        project::Json cable = project::Json::object();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const std::string text(trimmed(row.cells[i]));
            if (columns[i] != nullptr && !text.empty())
                cable[std::string(columns[i]->key)] = fieldValue(*columns[i], text);
        }
        auto read = project::readCable(cable, code, false);
        if (const auto* refusal = std::get_if<project::FileRefusal>(&read)) {
            out.refused << named + QString::fromStdString(refusal->path.substr(1)) +
                               QStringLiteral(": ") + QString::fromStdString(refusal->reason);
            continue;
        }
        project::Circuit circuit{freeId(after, given), board,
                                 std::get<project::Cable>(std::move(read))};
        out.inserted.push_back(circuit.id);
        after.circuits.push_back(std::move(circuit));
    }
    if (out.inserted.empty()) return out;
    const QString text = out.inserted.size() == 1
                             ? QStringLiteral("Paste %1").arg(qt(out.inserted.front()))
                             : QStringLiteral("Paste %1 circuits").arg(out.inserted.size());
    replaceTree(after);
    m_undo.push(new Step(
        text, [this, before] { replaceTree(before); }, [this, after] { replaceTree(after); }));
    return out;
}

void ProjectDocument::replaceProject(project::Project project, const QString& text) {
    const project::Project before = m_tree->project();
    replaceTree(project);
    m_undo.push(new Step(
        text, [this, before] { replaceTree(before); },
        [this, after = std::move(project)] { replaceTree(after); }));
}

void ProjectDocument::applyCircuit(const project::Circuit& circuit) {
    m_tree->setCircuit(circuit);
    emit changed(false);
}

void ProjectDocument::applyBoard(const project::Board& board) {
    m_tree->setBoard(board);
    emit changed(false);
}

void ProjectDocument::applyRemoval(const std::string& id) {
    m_tree->removeCircuit(id);
    emit changed(true);
}

void ProjectDocument::applyInsertion(const project::Circuit& circuit) {
    m_tree->insertCircuit(circuit);
    emit changed(true);
}

void ProjectDocument::restoreAt(const project::Circuit& circuit, std::size_t index) {
    project::Project p = m_tree->project();
    p.circuits.insert(p.circuits.begin() + static_cast<std::ptrdiff_t>(index), circuit);
    replaceTree(std::move(p));
}

void ProjectDocument::replaceTree(project::Project project) {
    m_tree = std::make_unique<project::InstallationTree>(std::move(project));
    emit changed(true);
}

}  // namespace ferrovolt
