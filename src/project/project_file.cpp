// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/project_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <map>
#include <set>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "check/circuit_code.h"
#include "check/field_applies.h"
#include "codes/code_registry.h"
#include "numtext/number_text.h"

namespace ferrovolt::project {

namespace {

struct Refused {
    FileRefusal refusal;
    bool key = false;  // the key itself is at fault, not its value: its line is named
};

[[noreturn]] void refuse(std::string path, std::string reason) {
    throw Refused{{std::move(path), std::nullopt, std::move(reason)}};
}

// A key that has no place here (unknown, or of the other code), whatever its value.
[[noreturn]] void refuseKey(std::string path, std::string reason) {
    throw Refused{{std::move(path), std::nullopt, std::move(reason)}, true};
}

// A key in a JSON pointer: "~" written "~0" and "/" written "~1".
std::string at(const std::string& path, std::string_view key) {
    std::string out = path + "/";
    for (const char c : key) {
        if (c == '~')
            out += "~0";
        else if (c == '/')
            out += "~1";
        else
            out += c;
    }
    return out;
}

std::string at(const std::string& path, std::size_t index) {
    return path + "/" + std::to_string(index);
}

const Json& objectAt(const Json& value, const std::string& path) {
    if (!value.is_object()) refuse(path, "must be an object");
    return value;
}

void onlyKeys(const Json& object, const std::string& path,
              std::initializer_list<std::string_view> keys) {
    for (const auto& [key, value] : object.items()) {
        bool known = false;
        for (std::string_view allowed : keys) known = known || key == allowed;
        if (!known) refuseKey(at(path, key), "is not a key of this object");
    }
}

const Json* member(const Json& object, std::string_view key) {
    const auto found = object.find(std::string(key));
    return found == object.end() ? nullptr : &*found;
}

std::string text(const Json& object, const std::string& path, std::string_view key, bool required) {
    const Json* value = member(object, key);
    if (value == nullptr) {
        if (required) refuse(at(path, key), "is missing");
        return {};
    }
    if (!value->is_string()) refuse(at(path, key), "must be a string");
    return value->get<std::string>();
}

// A number in (low, high]; `lowIncluded` takes low too.
std::optional<double> number(const Json& object, const std::string& path, std::string_view key,
                             double low, double high, bool lowIncluded = false) {
    const Json* value = member(object, key);
    if (value == nullptr) return std::nullopt;
    if (!value->is_number()) refuse(at(path, key), "must be a number");
    const double x = value->get<double>();
    if (!std::isfinite(x) || x < low || (x == low && !lowIncluded) || x > high)
        refuse(at(path, key), "must be " + std::string(lowIncluded ? "at least " : "more than ") +
                                  formatDouble(low) + " and at most " + formatDouble(high));
    return x;
}

double requiredNumber(const Json& object, const std::string& path, std::string_view key, double low,
                      double high) {
    const std::optional<double> x = number(object, path, key, low, high);
    if (!x) refuse(at(path, key), "is missing");
    return *x;
}

std::optional<std::string> phase(const Json& object, const std::string& path) {
    if (member(object, "phase") == nullptr) return std::nullopt;
    std::string value = text(object, path, "phase", false);
    if (value != "single" && value != "three")
        refuse(at(path, "phase"), "must be \"single\" or \"three\"");
    return value;
}

constexpr double kLarge = 1e9;

Network readNetwork(const Json& value, const std::string& path) {
    onlyKeys(objectAt(value, path), path, {"mva_max", "mva_min", "r_x", "kv"});
    Network n;
    n.mvaMax = requiredNumber(value, path, "mva_max", 0, 1e6);
    n.mvaMin = requiredNumber(value, path, "mva_min", 0, n.mvaMax);
    n.rOverX = number(value, path, "r_x", 0, 100);
    n.kv = requiredNumber(value, path, "kv", 0, 1000);
    return n;
}

Transformer readTransformer(const Json& value, const std::string& path, bool nec) {
    onlyKeys(objectAt(value, path), path,
             {"kva", "percent_z", "x_r", "percent_r", "primary_kv", "secondary_volts", "phase",
              "tolerance"});
    Transformer t;
    t.kva = requiredNumber(value, path, "kva", 0, 1e6);
    t.percentZ = requiredNumber(value, path, "percent_z", 0, 100);
    t.xOverR = number(value, path, "x_r", 0, 1000);
    t.percentR = number(value, path, "percent_r", 0, t.percentZ);
    if (t.xOverR && t.percentR) refuse(at(path, "percent_r"), "is given with x_r: one of them");
    if (!t.xOverR && !t.percentR) refuse(at(path, "x_r"), "is missing (or percent_r)");
    t.primaryKv = number(value, path, "primary_kv", 0, 1000).value_or(0);
    t.secondaryVolts = requiredNumber(value, path, "secondary_volts", 0, 1000);
    t.phase = phase(value, path);
    t.tolerance = number(value, path, "tolerance", 0.5, 1.5, true);
    if (t.tolerance && !nec) refuseKey(at(path, "tolerance"), "is a setting of NEC 2023 projects");
    return t;
}

Supply readSupply(const Json& value, const std::string& path, bool nec) {
    onlyKeys(objectAt(value, path), path,
             {"available_fault_current", "x_r", "volts", "phase", "source", "transformer",
              "infinite_bus", "voltage_factor_class", "earthing", "ze", "ipf"});
    for (std::string_view key : {"voltage_factor_class", "earthing", "ze", "ipf"})
        if (nec && member(value, key) != nullptr)
            refuseKey(at(path, key), "is a setting of IEC 60364 projects");
    if (!nec && member(value, "available_fault_current") != nullptr)
        refuseKey(at(path, "available_fault_current"), "is a setting of NEC 2023 projects");
    Supply s;
    s.availableFaultCurrent = number(value, path, "available_fault_current", 0, kLarge);
    s.xOverR = number(value, path, "x_r", 0, 1000);
    s.volts = number(value, path, "volts", 0, 1000);
    s.phase = phase(value, path);
    if (const Json* source = member(value, "source"))
        s.source = readNetwork(*source, at(path, "source"));
    if (const Json* transformer = member(value, "transformer"))
        s.transformer = readTransformer(*transformer, at(path, "transformer"), nec);
    if (const Json* bus = member(value, "infinite_bus")) {
        if (!bus->is_boolean()) refuse(at(path, "infinite_bus"), "must be true or false");
        s.infiniteBus = bus->get<bool>();
    }
    s.voltageFactorClass = number(value, path, "voltage_factor_class", 0, 10);
    if (s.voltageFactorClass && *s.voltageFactorClass != 6 && *s.voltageFactorClass != 10)
        refuse(at(path, "voltage_factor_class"), "must be 6 or 10 (% above the nominal voltage)");
    if (member(value, "earthing") != nullptr) {
        s.earthing = text(value, path, "earthing", false);
        if (*s.earthing != "TN-S" && *s.earthing != "TN-C-S" && *s.earthing != "TT")
            refuse(at(path, "earthing"), "must be \"TN-S\", \"TN-C-S\" or \"TT\"");
    }
    s.ze = number(value, path, "ze", 0, 1000);
    s.ipf = number(value, path, "ipf", 0, kLarge);
    if (s.availableFaultCurrent && s.transformer)
        refuse(at(path, "available_fault_current"), "is given with a transformer: one of them");
    if (s.source && !s.transformer)
        refuse(at(path, "source"), "feeds a transformer, and none is given");
    if (s.source && s.infiniteBus)
        refuse(at(path, "infinite_bus"), "is given with a source: one of them");
    if (s.ze.has_value() != s.ipf.has_value())
        refuse(at(path, s.ze ? "ipf" : "ze"), "is needed with " + std::string(s.ze ? "ze" : "ipf"));
    if (!s.availableFaultCurrent && !s.transformer && !s.ze)
        refuse(path, nec ? "needs an available fault current or a transformer"
                         : "needs a transformer, or Ze and the prospective fault current");
    if (!s.volts && !s.transformer) refuse(at(path, "volts"), "is missing");
    return s;
}

// The other code that has a field of this key, where this one has none.
const CircuitCode* otherCodeWith(const CircuitCode& code, std::string_view key) {
    for (const CircuitCode* other : circuitCodes())
        if (other != &code && other->fieldIndex(key)) return other;
    return nullptr;
}

Cable readCable(const Json& value, const std::string& path, const CircuitCode& code, bool feeder) {
    objectAt(value, path);
    const auto checked = code.newCase();
    for (const auto& [key, field] : value.items()) {
        const std::optional<std::size_t> index = code.fieldIndex(key);
        if (!index) {
            if (const CircuitCode* other = otherCodeWith(code, key))
                refuseKey(at(path, key), "is a field of " + std::string(other->name()) +
                                             ", not of " + std::string(code.name()));
            refuseKey(at(path, key), "is not a field of " + std::string(code.name()));
        }
        const CheckField& described = code.fields()[*index];
        const bool flag = described.kind == InputKind::Flag;
        const bool fits = field.is_string() || (flag ? field.is_boolean() : field.is_number());
        if (!fits)
            refuse(at(path, key), flag ? "must be true or false"
                                  : described.kind == InputKind::Number
                                      ? "must be a number or a number text"
                                      : "must be a string");
        if (std::optional<std::string> reason = checked->set(*index, cableFieldText(field)))
            refuse(at(path, key), *reason);
    }
    // A field that applies only under a load (`when`) is refused under another, naming it.
    std::vector<std::string> texts;  // kept while the lookups below read them
    const auto textOf = [&](std::string_view key) -> std::optional<std::string_view> {
        const Json* given = member(value, key);
        if (given == nullptr) return std::nullopt;
        return texts.emplace_back(cableFieldText(*given));
    };
    texts.reserve(code.fields().size());
    for (const CheckField& field : code.fields())
        if (!field.when.empty() && member(value, field.key) != nullptr &&
            !fieldApplies(code.fields(), field, textOf))
            refuse(at(path, field.key), notApplying(field));
    Cable cable;
    cable.reserve(value.size());  // every key is a field: no slack kept per cable
    for (const CheckField& field : code.fields()) {
        const Json* given = member(value, field.key);
        if (given != nullptr) {
            cable.emplace_back(std::string(field.key), *given);
        } else if (field.required && !(feeder && field.key == "current") &&
                   fieldApplies(code.fields(), field, textOf)) {
            refuse(at(path, field.key), "is missing");
        }
    }
    return cable;
}

MotorLoad readMotorLoad(const Json& value, const std::string& path) {
    onlyKeys(objectAt(value, path), path, {"fla", "percent"});
    MotorLoad m;
    m.fla = number(value, path, "fla", 0, kLarge);
    m.percent = number(value, path, "percent", 0, 100);
    if (m.fla && m.percent) refuse(at(path, "percent"), "is given with fla: one of them");
    if (!m.fla && !m.percent) refuse(at(path, "fla"), "is missing (or percent)");
    return m;
}

// A board's object; `newId` reads its id (and holds it against the ids already read).
template <typename NewId>
Board readBoard(const Json& value, const std::string& path, const CircuitCode& code,
                const NewId& newId) {
    const Json& b = objectAt(value, path);
    onlyKeys(b, path,
             {"id", "fed_from", "cable", "demand_factor", "breaking_capacity_ka", "motor_load"});
    Board board;
    board.id = newId(b, path);
    board.fedFrom = text(b, path, "fed_from", true);
    if (const Json* cable = member(b, "cable"); cable != nullptr && !cable->is_null())
        board.cable = readCable(*cable, at(path, "cable"), code, true);
    board.demandFactor = number(b, path, "demand_factor", 0, 1).value_or(1);
    board.breakingCapacityKa = number(b, path, "breaking_capacity_ka", 0, 1e4);
    if (const Json* motors = member(b, "motor_load"))
        board.motorLoad = readMotorLoad(*motors, at(path, "motor_load"));
    return board;
}

// Every board reaches the supply: a chain of fed_from that comes back to itself is refused at
// the first board of it.
void refuseLoops(const std::vector<Board>& boards) {
    std::map<std::string_view, std::size_t> byId;
    for (std::size_t i = 0; i < boards.size(); ++i) byId[boards[i].id] = i;
    std::vector<int> state(boards.size(), 0);  // 0 unseen, 1 on the walk, 2 reaches the supply
    for (std::size_t start = 0; start < boards.size(); ++start) {
        std::vector<std::size_t> walk;
        std::size_t i = start;
        while (state[i] == 0) {
            state[i] = 1;
            walk.push_back(i);
            const auto up = byId.find(boards[i].fedFrom);
            if (up == byId.end()) break;
            i = up->second;
        }
        if (state[i] == 1 && byId.count(boards[i].fedFrom) != 0) {
            std::string loop = boards[i].id;
            std::size_t j = byId[boards[i].fedFrom];
            while (j != i) {
                loop += " → " + boards[j].id;
                j = byId[boards[j].fedFrom];
            }
            refuse("/boards/" + std::to_string(i) + "/fed_from",
                   "makes a loop: " + loop + " → " + boards[i].id);
        }
        for (std::size_t k : walk) state[k] = 2;
    }
}

Project readWhole(const Json& root) {
    const std::string top;
    objectAt(root, "");
    onlyKeys(root, top,
             {"format", "version", "project", "code", "supply", "boards", "circuits", "settings"});
    if (text(root, top, "format", true) != kFormatName)
        refuse("/format", "must be \"" + std::string(kFormatName) + "\"");
    const Json* version = member(root, "version");
    if (version == nullptr) refuse("/version", "is missing");
    if (!version->is_number_integer() || version->get<double>() < 1)
        refuse("/version", "must be a whole number from 1");
    if (version->get<std::int64_t>() > kFormatVersion)
        refuse("/version", "is " + std::to_string(version->get<std::int64_t>()) +
                               ": the file needs a program that reads version " +
                               std::to_string(version->get<std::int64_t>()) +
                               " project files; this one reads version " +
                               std::to_string(kFormatVersion));
    Project p;
    if (const Json* id = member(root, "project")) {
        objectAt(*id, "/project");
        onlyKeys(*id, "/project", {"name", "client", "reference", "engineer", "notes"});
        p.identification = {
            text(*id, "/project", "name", false), text(*id, "/project", "client", false),
            text(*id, "/project", "reference", false), text(*id, "/project", "engineer", false),
            text(*id, "/project", "notes", false)};
    }
    p.code = text(root, top, "code", true);
    const CircuitCode* code = circuitCode(p.code);
    if (code == nullptr || code->key() != p.code)
        refuse("/code", "must be \"nec2023\" or \"iec60364\"");
    const bool nec = p.code == "nec2023";
    const Json* supply = member(root, "supply");
    if (supply == nullptr) refuse("/supply", "is missing");
    p.supply = readSupply(*supply, "/supply", nec);

    if (const Json* settings = member(root, "settings")) {
        objectAt(*settings, "/settings");
        onlyKeys(*settings, "/settings", {"fault_method"});
        if (member(*settings, "fault_method") != nullptr) {
            const std::string method = text(*settings, "/settings", "fault_method", false);
            if (method == "point-to-point" && nec)
                p.faultMethod = FaultSetting::PointToPoint;
            else if (method != "impedance")
                refuse("/settings/fault_method", nec ? "must be \"point-to-point\" or \"impedance\""
                                                     : "must be \"impedance\" (IEC 60909-0)");
        }
    }

    std::set<std::string> ids;
    const auto newId = [&](const Json& object, const std::string& path) {
        std::string id = text(object, path, "id", true);
        if (id.empty()) refuse(at(path, "id"), "must not be empty");
        if (id == "supply") refuse(at(path, "id"), "\"supply\" names the origin");
        if (!ids.insert(id).second) refuse(at(path, "id"), "\"" + id + "\" is given twice");
        return id;
    };
    if (const Json* boards = member(root, "boards")) {
        if (!boards->is_array()) refuse("/boards", "must be an array");
        p.boards.reserve(boards->size());
        for (std::size_t i = 0; i < boards->size(); ++i)
            p.boards.push_back(readBoard((*boards)[i], at("/boards", i), *code, newId));
    }
    for (std::size_t i = 0; i < p.boards.size(); ++i)
        if (p.boards[i].fedFrom != "supply" && ids.count(p.boards[i].fedFrom) == 0)
            refuse(at(at("/boards", i), "fed_from"),
                   "\"" + p.boards[i].fedFrom + "\" is not a board of the project");
    refuseLoops(p.boards);
    std::set<std::string_view> boardIds;
    for (const Board& b : p.boards) boardIds.insert(b.id);
    if (const Json* circuits = member(root, "circuits")) {
        if (!circuits->is_array()) refuse("/circuits", "must be an array");
        p.circuits.reserve(circuits->size());
        for (std::size_t i = 0; i < circuits->size(); ++i) {
            const std::string path = at("/circuits", i);
            const Json& c = objectAt((*circuits)[i], path);
            onlyKeys(c, path, {"id", "board", "cable"});
            Circuit circuit;
            circuit.id = newId(c, path);
            circuit.board = text(c, path, "board", true);
            if (boardIds.count(circuit.board) == 0)
                refuse(at(path, "board"),
                       "\"" + circuit.board + "\" is not a board of the project");
            const Json* cable = member(c, "cable");
            if (cable == nullptr) refuse(at(path, "cable"), "is missing");
            circuit.cable = readCable(*cable, at(path, "cable"), *code, false);
            p.circuits.push_back(std::move(circuit));
        }
    }
    return p;
}

std::size_t lineOf(std::string_view text, std::size_t byte) {
    std::size_t line = 1;
    for (std::size_t i = 0; i < byte && i < text.size(); ++i) line += text[i] == '\n' ? 1 : 0;
    return line;
}

// Where a JSON pointer leads in a text that is valid JSON: the byte its value starts at, or
// that of the deepest value on the way where the rest is missing (a key that is not there).
class PointerSeek {
public:
    explicit PointerSeek(std::string_view text) : m_text(text) {}

    // `key`: the start of the last key on the way rather than of its value.
    std::size_t find(std::string_view pointer, bool key = false) {
        std::vector<std::string> segments;
        for (std::size_t start = 1; start <= pointer.size() && !pointer.empty();) {
            const std::size_t end = std::min(pointer.find('/', start), pointer.size());
            std::string segment;
            for (std::size_t i = start; i < end; ++i) {
                if (pointer[i] == '~' && i + 1 < end) {
                    segment += pointer[++i] == '1' ? '/' : '~';
                } else {
                    segment += pointer[i];
                }
            }
            segments.push_back(std::move(segment));
            start = end + 1;
        }
        m_i = 0;
        blanks();
        m_key = 0;
        for (const std::string& segment : segments) {
            const std::size_t here = m_i;
            if (!enter(segment)) return here;
        }
        return key && m_key > 0 ? m_key : m_i;
    }

private:
    void blanks() {
        while (m_i < m_text.size() && (m_text[m_i] == ' ' || m_text[m_i] == '\t' ||
                                       m_text[m_i] == '\n' || m_text[m_i] == '\r'))
            ++m_i;
    }
    std::string_view string() {  // the raw text between the quotes
        const std::size_t start = ++m_i;
        while (m_i < m_text.size() && m_text[m_i] != '"') m_i += m_text[m_i] == '\\' ? 2 : 1;
        return m_text.substr(start, std::min(m_i++, m_text.size()) - start);
    }
    void skip() {
        blanks();
        if (m_i >= m_text.size()) return;
        if (m_text[m_i] == '"') {
            string();
        } else if (m_text[m_i] == '{' || m_text[m_i] == '[') {
            int depth = 0;
            do {
                if (m_text[m_i] == '"') {
                    string();
                    continue;
                }
                if (m_text[m_i] == '{' || m_text[m_i] == '[') ++depth;
                if (m_text[m_i] == '}' || m_text[m_i] == ']') --depth;
                ++m_i;
            } while (depth > 0 && m_i < m_text.size());
        } else {
            while (m_i < m_text.size() &&
                   std::string_view(",]} \t\r\n").find(m_text[m_i]) == std::string_view::npos)
                ++m_i;
        }
        blanks();
    }
    // Moves to the member or element named; false where there is none.
    bool enter(const std::string& segment) {
        if (m_i >= m_text.size()) return false;
        const bool object = m_text[m_i] == '{';
        if (!object && m_text[m_i] != '[') return false;
        ++m_i;
        blanks();
        for (std::size_t index = 0; m_i < m_text.size() && m_text[m_i] != '}' && m_text[m_i] != ']';
             ++index) {
            bool match = false;
            if (object) {
                const std::size_t quote = m_i;
                match = string() == segment;
                if (match) m_key = quote;
                blanks();
                ++m_i;  // the colon
            } else {
                match = std::to_string(index) == segment;
            }
            blanks();
            if (match) return true;
            skip();
            if (m_i < m_text.size() && m_text[m_i] == ',') ++m_i;
            blanks();
        }
        return false;
    }

    std::string_view m_text;
    std::size_t m_i = 0;
    std::size_t m_key = 0;  // where the last key entered starts
};

// A whole number is written as one ("volts": 480), as a person writes it.
Json number(double value) {
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return Json(static_cast<std::int64_t>(value));
    return Json(value);
}

void put(Json& json, std::string_view key, const std::optional<double>& value) {
    if (value) json[std::string(key)] = number(*value);
}

void put(Json& json, std::string_view key, const std::optional<std::string>& value) {
    if (value) json[std::string(key)] = *value;
}

Json cableJson(const Cable& cable) {
    Json json = Json::object();
    for (const auto& [key, value] : cable) json[key] = value;
    return json;
}

}  // namespace

std::string cableFieldText(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_boolean()) return value.get<bool>() ? "true" : "false";
    // The shortest plain decimals that read back as the same double, as batch takes a number.
    std::array<char, 400> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                       value.get<double>(), std::chars_format::fixed);
    return std::string(digits.data(), written.ptr);
}

std::string refusalText(const FileRefusal& refusal) {
    std::string out;
    if (refusal.line) out += "line " + std::to_string(*refusal.line) + ": ";
    if (!refusal.path.empty()) out += refusal.path + ": ";
    return out + refusal.reason;
}

std::variant<Cable, FileRefusal> readCable(const Json& value, const CircuitCode& code,
                                           bool feeder) {
    try {
        return readCable(value, "", code, feeder);
    } catch (Refused& r) {
        return std::move(r.refusal);
    }
}

std::variant<Board, FileRefusal> readBoard(const Json& value, const CircuitCode& code) {
    try {
        return readBoard(value, "", code, [](const Json& object, const std::string& path) {
            std::string id = text(object, path, "id", true);
            if (id.empty()) refuse(at(path, "id"), "must not be empty");
            if (id == "supply") refuse(at(path, "id"), "\"supply\" names the origin");
            return id;
        });
    } catch (Refused& r) {
        return std::move(r.refusal);
    }
}

std::variant<Project, FileRefusal> readProjectDocument(const Json& root) {
    try {
        return readWhole(root);
    } catch (Refused& r) {
        return std::move(r.refusal);
    }
}

std::variant<Project, FileRefusal> readProject(std::string_view text) {
    Json root;
    try {
        root = Json::parse(text);
    } catch (const Json::parse_error& e) {
        return FileRefusal{
            "", lineOf(text, e.byte == 0 ? 0 : e.byte - 1),
            "is not JSON: " + std::string(e.what()).substr(std::string(e.what()).find(':') + 2)};
    } catch (const Json::out_of_range& e) {
        // A number beyond a double ("1e400") is refused by the parser as out of range, not as
        // malformed: the file is refused alike, at the line of the number.
        const std::string what = e.what();
        const std::size_t quote = what.find('\'');
        const std::string number =
            quote == std::string::npos ? "" : what.substr(quote + 1, what.rfind('\'') - quote - 1);
        const std::size_t at = number.empty() ? std::string_view::npos : text.find(number);
        return FileRefusal{"", lineOf(text, at == std::string_view::npos ? 0 : at),
                           "is not JSON: " + what.substr(what.find("] ") + 2)};
    }
    try {
        return readWhole(root);
    } catch (Refused& r) {
        r.refusal.line = lineOf(text, PointerSeek(text).find(r.refusal.path, r.key));
        return r.refusal;
    }
}

std::string writeProject(const Project& p) {
    Json root;
    root["format"] = kFormatName;
    root["version"] = kFormatVersion;
    const Identification& id = p.identification;
    root["project"] = {{"name", id.name},
                       {"client", id.client},
                       {"reference", id.reference},
                       {"engineer", id.engineer},
                       {"notes", id.notes}};
    root["code"] = p.code;
    Json supply = Json::object();
    const Supply& s = p.supply;
    put(supply, "available_fault_current", s.availableFaultCurrent);
    put(supply, "x_r", s.xOverR);
    put(supply, "volts", s.volts);
    put(supply, "phase", s.phase);
    if (s.source) {
        Json json = {{"mva_max", number(s.source->mvaMax)}, {"mva_min", number(s.source->mvaMin)}};
        put(json, "r_x", s.source->rOverX);
        json["kv"] = number(s.source->kv);
        supply["source"] = std::move(json);
    }
    if (s.transformer) {
        const Transformer& t = *s.transformer;
        Json json = {{"kva", number(t.kva)}, {"percent_z", number(t.percentZ)}};
        put(json, "x_r", t.xOverR);
        put(json, "percent_r", t.percentR);
        if (t.primaryKv > 0) json["primary_kv"] = number(t.primaryKv);
        json["secondary_volts"] = number(t.secondaryVolts);
        put(json, "phase", t.phase);
        put(json, "tolerance", t.tolerance);
        supply["transformer"] = std::move(json);
    }
    if (s.infiniteBus) supply["infinite_bus"] = true;
    put(supply, "voltage_factor_class", s.voltageFactorClass);
    put(supply, "earthing", s.earthing);
    put(supply, "ze", s.ze);
    put(supply, "ipf", s.ipf);
    root["supply"] = std::move(supply);
    Json boards = Json::array();
    for (const Board& b : p.boards) {
        Json json = {{"id", b.id}, {"fed_from", b.fedFrom}};
        json["cable"] = b.cable ? cableJson(*b.cable) : Json();
        json["demand_factor"] = number(b.demandFactor);
        put(json, "breaking_capacity_ka", b.breakingCapacityKa);
        if (b.motorLoad) {
            Json motors = Json::object();
            put(motors, "fla", b.motorLoad->fla);
            put(motors, "percent", b.motorLoad->percent);
            json["motor_load"] = std::move(motors);
        }
        boards.push_back(std::move(json));
    }
    root["boards"] = std::move(boards);
    Json circuits = Json::array();
    for (const Circuit& c : p.circuits)
        circuits.push_back({{"id", c.id}, {"board", c.board}, {"cable", cableJson(c.cable)}});
    root["circuits"] = std::move(circuits);
    root["settings"] = {{"fault_method", p.faultMethod == FaultSetting::PointToPoint
                                             ? "point-to-point"
                                             : "impedance"}};
    return root.dump(2, ' ', false, Json::error_handler_t::strict) + "\n";
}

std::optional<std::string> saveProject(const Project& project, const std::filesystem::path& path) {
    const std::string bytes = writeProject(project);
    // A temporary name of its own beside the file, so that the rename stays on one file system
    // and two saves never share it.
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return "cannot write beside " + path.string() + ": " + std::strerror(errno);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ::ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const int error = done < bytes.size() || ::fsync(fd) != 0 ? errno : 0;
    if (::close(fd) != 0 || error != 0) {
        const std::string reason = std::strerror(error != 0 ? error : errno);
        ::unlink(temporary.c_str());
        return "cannot write " + path.string() + ": " + reason;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        ::unlink(temporary.c_str());
        return "cannot replace " + path.string() + ": " + reason;
    }
    return std::nullopt;
}

}  // namespace ferrovolt::project
