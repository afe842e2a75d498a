// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_report/report_nodes.h"

#include <algorithm>

#include "check/common_fields.h"
#include "numtext/rounded_number.h"
#include "project/project_file.h"

namespace ferrovolt::package {

namespace {

using project::Json;

std::string kiloAmps(double amps) {
    return amps > 0 ? roundedNumberText(amps / 1000, 2) + " kA" : "-";
}

// "Design &current:" as a reader reads it: "Design current".
std::string plainCaption(std::string_view caption) {
    std::string out;
    for (const char c : caption)
        if (c != '&') out += c;
    while (!out.empty() && (out.back() == ':' || out.back() == ' ')) out.pop_back();
    return out;
}

std::string spaced(std::string_view key) {
    std::string out(key);
    std::replace(out.begin(), out.end(), '_', ' ');
    return out;
}

bool valued(const project::NodeAnswer& node) {
    return node.reached && !node.refusal;
}

const Json* given(const project::Cable& cable, std::string_view key) {
    for (const auto& [k, value] : cable)
        if (k == key) return &value;
    return nullptr;
}

// The length with its unit, as the cable gives it or by the unit's default.
std::string lengthText(const CircuitCode& code, const project::Cable& cable) {
    const Json* length = given(cable, keys::kLength);
    if (length == nullptr) return "-";
    std::string text = project::cableFieldText(*length);
    if (const CheckField* feet = code.field(keys::kFeet)) {
        const Json* unit = given(cable, keys::kFeet);
        const std::string flag =
            unit != nullptr ? project::cableFieldText(*unit) : std::string(feet->defaultText);
        if (const std::optional<std::string_view> words =
                choiceWords(*feet, flag.empty() ? "false" : flag))
            (text += ' ') += *words;
    }
    return text;
}

std::string valueText(const CheckValue& value, int decimals) {
    if (const auto* number = std::get_if<double>(&value))
        return roundedNumberText(*number, decimals);
    if (const auto* text = std::get_if<std::string_view>(&value)) return std::string(*text);
    if (const auto* yes = std::get_if<bool>(&value)) return *yes ? "yes" : "no";
    return {};
}

}  // namespace

std::vector<ReportNode> reportNodes(const project::Project& project,
                                    const project::ProjectAnswer& answer) {
    std::map<std::string, const project::NodeAnswer*> byId;
    std::map<std::string, const project::Board*> boards;
    for (const project::Board& board : project.boards) boards[board.id] = &board;
    std::map<std::string, const project::Circuit*> circuits;
    for (const project::Circuit& circuit : project.circuits) circuits[circuit.id] = &circuit;
    std::vector<ReportNode> nodes;
    nodes.reserve(answer.nodes.size());
    for (const project::NodeAnswer& node : answer.nodes) {
        ReportNode r;
        r.answer = &node;
        if (node.kind == project::NodeKind::Supply) {
            byId["supply"] = &node;
            r.title = "Supply";
        } else {
            const auto from = byId.find(node.fedFrom);
            r.origin = from == byId.end() ? nullptr : from->second;
        }
        if (node.kind == project::NodeKind::Board) {
            byId[node.id] = &node;
            if (const auto board = boards.find(node.id); board != boards.end()) {
                r.breakingCapacityKa = board->second->breakingCapacityKa;
                if (board->second->cable) r.cable = &*board->second->cable;
            }
            r.title = "Feeder to board " + node.id + ", from " + node.fedFrom;
        } else if (node.kind == project::NodeKind::Circuit) {
            if (const auto circuit = circuits.find(node.id); circuit != circuits.end())
                r.cable = &circuit->second->cable;
            r.title = "Circuit " + node.id + " on board " + node.fedFrom;
        }
        nodes.push_back(std::move(r));
    }
    return nodes;
}

Summary summarise(const project::ProjectAnswer& answer) {
    Summary s;
    for (const project::NodeAnswer& node : answer.nodes) {
        if (node.kind == project::NodeKind::Board) ++s.boards;
        const bool cable = node.checked || node.refusal ||
                           (!node.reached && node.kind != project::NodeKind::Supply);
        if (cable) ++s.cables;
        if (node.refusal) ++s.refused;
        if (!node.reached && !node.refusal) ++s.notReached;
        if (cable && valued(node) && node.fails.empty()) ++s.meetAll;
        for (const project::NodeFail& fail : node.fails) {
            const auto found = std::find_if(s.failures.begin(), s.failures.end(),
                                            [&](const auto& f) { return f.first == fail.name; });
            if (found == s.failures.end())
                s.failures.emplace_back(fail.name, 1);
            else
                ++found->second;
        }
    }
    return s;
}

std::string verdictText(const project::NodeAnswer& node) {
    if (node.refusal) return "refused";
    if (!node.reached) return "not reached";
    if (node.fails.empty()) return "meets all";
    std::string text = "fails:";
    std::string_view separator = " ";
    for (const project::NodeFail& fail : node.fails) {
        (text += separator) += spaced(fail.key);
        separator = ", ";
    }
    return text;
}

ScheduleRow scheduleRow(const ReportNode& node, bool iec) {
    const project::NodeAnswer& a = *node.answer;
    ScheduleRow row;
    row.id = a.id;
    row.board = a.fedFrom;
    row.verdict = verdictText(a);
    row.current = row.length = row.size = row.device = row.governedBy = row.drop = row.iscOrigin =
        row.zs = "-";
    const CircuitCase* checked = a.checked.get();
    if (checked != nullptr && node.cable != nullptr)
        row.length = lengthText(checked->code(), *node.cable);
    if (node.cable != nullptr)
        if (const Json* rating = given(*node.cable, keys::kDeviceRating))
            row.device = project::cableFieldText(*rating) + " A";
    if (!valued(a) || checked == nullptr) return row;
    const CircuitCode& code = checked->code();
    row.current = roundedNumberText(a.designCurrent, 1);
    row.size = std::string(checked->sizeLabel());
    if (const auto governed = code.rowIndex(keys::kGovernedBy))
        row.governedBy = spaced(checked->rowText(*governed));
    // The device's rating in amperes, whichever of the two keys the code answers it by (NEC
    // 2023's "device" is the rating, IEC 60364's the kind of device).
    for (const std::string_view key : {keys::kDeviceRating, std::string_view("device")}) {
        const auto device = code.rowIndex(key);
        if (device && std::holds_alternative<double>(checked->value(*device))) {
            row.device = checked->rowText(*device);
            break;
        }
    }
    row.drop = roundedNumberText(a.at.dropPercent, 2);
    if (node.origin != nullptr && node.origin->at.iscMax > 0)
        row.iscOrigin = roundedNumberText(node.origin->at.iscMax / 1000, 2);
    if (iec) row.zs = roundedNumberText(a.at.loopMin.magnitude(), 4);
    return row;
}

TextRows inputRows(const CircuitCode& code, const project::Cable& cable) {
    TextRows rows;
    const CheckField* before = nullptr;
    for (const auto& [key, value] : cable) {
        const CheckField* field = code.field(key);
        if (field == nullptr) continue;
        // The length with its unit, given or not: a metre is as much a unit as a foot.
        const std::string words = key == keys::kLength
                                      ? lengthText(code, cable)
                                      : inputWords(*field, project::cableFieldText(value));
        if (key == keys::kFeet) continue;
        if (field->placement == FieldPlacement::Beside && before != nullptr) {
            if (!words.empty())
                rows.back().second += (before->kind == InputKind::Number ? " " : ", ") + words;
            continue;
        }
        before = nullptr;
        if (words.empty()) continue;
        rows.emplace_back(plainCaption(field->caption.empty() ? field->key : field->caption),
                          words);
        before = field;
    }
    return rows;
}

TextRows treeRows(const project::NodeAnswer& node, bool iec) {
    if (!valued(node)) return {};
    TextRows rows = {
        {"Design current", roundedNumberText(node.designCurrent, 2) + " A"},
        {"Drop of this cable", roundedNumberText(node.dropPercent, 3) + " %"},
        {"Drop from the origin", roundedNumberText(node.at.dropPercent, 3) + " %"},
    };
    if (node.dropLimitPercent > 0)
        rows.emplace_back("Limit from the origin",
                          roundedNumberText(node.dropLimitPercent, 3) + " %");
    rows.emplace_back("Maximum fault current at the far end", kiloAmps(node.at.iscMax));
    if (node.at.xOverR > 0) rows.emplace_back("X/R there", roundedNumberText(node.at.xOverR, 2));
    if (node.peak > 0) rows.emplace_back("Peak current i_p", kiloAmps(node.peak));
    if (iec && node.at.ik1Max > 0)
        rows.emplace_back("Earth fault maximum I_k1", kiloAmps(node.at.ik1Max));
    rows.emplace_back("Minimum fault current at the far end", kiloAmps(node.at.iscMin));
    if (iec)
        rows.emplace_back("Loop impedance Zs",
                          roundedNumberText(node.at.loopMin.magnitude(), 4) + " Ω");
    rows.emplace_back("Fault method", std::string(faultMethodKey(node.at.method)));
    if (node.motorFeederCurrent)
        rows.emplace_back("Feeder of its motors (430.24)",
                          roundedNumberText(*node.motorFeederCurrent, 2) + " A");
    if (node.feederDeviceMax)
        rows.emplace_back("Largest feeder device (430.62(A))",
                          std::to_string(*node.feederDeviceMax) + " A");
    if (node.startDipPercent)
        rows.emplace_back("Dip while its largest motor starts",
                          roundedNumberText(*node.startDipPercent, 2) + " %");
    return rows;
}

TextRows answerRows(const CircuitCase& checked) {
    const std::span<const CheckRow> rows = checked.code().rows();
    TextRows out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CheckRow& row = rows[i];
        if (row.saidElsewhere) continue;
        std::string text;
        if (row.shape == RowShape::One) {
            text = checked.rowWords(i);
        } else {
            const std::size_t columns = row.shape == RowShape::Table ? row.columns.size() : 1;
            for (std::size_t item = 0; item < checked.itemCount(i); ++item) {
                if (!text.empty()) text += "; ";
                for (std::size_t c = 0; c < columns; ++c) {
                    if (c > 0) text += ' ';
                    text += valueText(checked.item(i, item, c),
                                      row.shape == RowShape::Table ? row.columns[c].decimals : 0);
                }
            }
        }
        if (text.empty()) continue;
        if (row.criterion && i == checked.governingRow()) text += " (governs)";
        out.emplace_back(std::string(row.caption), text);
    }
    return out;
}

std::vector<DiagramNode> diagramNodes(const project::Project& project,
                                      const std::vector<ReportNode>& nodes,
                                      const project::ProjectAnswer& answer) {
    std::map<std::string, int> index;
    std::vector<DiagramNode> out;
    out.reserve(nodes.size());
    for (const ReportNode& r : nodes) {
        const project::NodeAnswer& a = *r.answer;
        DiagramNode d;
        d.fails = !a.fails.empty() || a.refusal.has_value() || !a.reached;
        const std::string cable =
            a.checked && valued(a)
                ? std::string(a.checked->sizeLabel()) + " · " +
                      (r.cable != nullptr ? lengthText(a.checked->code(), *r.cable) : "-") + " · "
                : std::string();
        if (a.kind == project::NodeKind::Supply) {
            index["supply"] = static_cast<int>(out.size());
            d.lines.push_back("Supply (" + std::string(answer.code->name()) + ")");
            const project::Supply& supply = project.supply;
            if (supply.source)
                d.lines.push_back("Network " + roundedNumberText(supply.source->mvaMax, 1) +
                                  " MVA max, " + roundedNumberText(supply.source->mvaMin, 1) +
                                  " MVA min, " + roundedNumberText(supply.source->kv, 2) + " kV");
            else if (supply.infiniteBus)
                d.lines.push_back("Network: infinite bus");
            if (const auto& t = supply.transformer)
                d.lines.push_back("Transformer " + roundedNumberText(t->kva, 1) + " kVA, Z " +
                                  roundedNumberText(t->percentZ, 3) + " %, " +
                                  roundedNumberText(t->secondaryVolts, 1) + " V");
            if (supply.availableFaultCurrent)
                d.lines.push_back("Available fault current " +
                                  kiloAmps(*supply.availableFaultCurrent));
            if (answer.refusal) d.lines.push_back("refused: " + *answer.refusal);
        } else {
            const auto parent = index.find(a.fedFrom);
            d.parent = parent == index.end() ? -1 : parent->second;
        }
        if (a.kind == project::NodeKind::Board) {
            index[a.id] = static_cast<int>(out.size());
            d.lines.push_back("Board " + a.id);
            d.lines.push_back(r.cable != nullptr ? "Feeder " + cable + verdictText(a)
                                                 : "At the supply's terminals");
        } else if (a.kind == project::NodeKind::Circuit) {
            d.lines.push_back(a.id + "  " + cable + verdictText(a));
        }
        if (a.kind != project::NodeKind::Circuit && valued(a)) {
            std::string fault =
                "Isc max " + kiloAmps(a.at.iscMax) + ", min " + kiloAmps(a.at.iscMin);
            if (r.breakingCapacityKa) {
                fault +=
                    " · breaking capacity " + roundedNumberText(*r.breakingCapacityKa, 1) + " kA";
                const bool low = std::any_of(a.fails.begin(), a.fails.end(), [](const auto& f) {
                    return f.key == "breaking_capacity";
                });
                if (low) fault += " TOO LOW";
            }
            d.lines.push_back(fault);
        }
        out.push_back(std::move(d));
    }
    return out;
}

}  // namespace ferrovolt::package
