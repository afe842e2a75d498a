// SPDX-License-Identifier: GPL-3.0-or-later
// The project file's reader with any bytes, and the tree over what it accepts.
// - A refusal has a reason, a path that is a JSON pointer (empty for the whole file), and a
//   line of the file.
// - A project read is written, read again and written again to the same bytes.
// - The tree checks every project read: one node for the supply and one for each board and
//   circuit, and along each path the maximum and minimum fault currents never rise.

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "project/project_engine.h"
#include "project/project_file.h"

namespace {

using namespace ferrovolt;
using fuzz::require;

void checkTree(const project::Project& p) {
    const project::ProjectAnswer answer = project::checkProject(p);
    require(answer.nodes.size() == 1 + p.boards.size() + p.circuits.size(), "a node lost or added");
    std::map<std::string, const project::NodeAnswer*> byId;
    for (const project::NodeAnswer& node : answer.nodes) byId[node.id] = &node;
    for (const project::NodeAnswer& node : answer.nodes) {
        if (node.kind == project::NodeKind::Supply || !node.reached || node.refusal) continue;
        const project::NodeAnswer& up = *byId.at(node.fedFrom);
        require(!(node.at.iscMax > up.at.iscMax * (1 + 1e-9)), "a maximum rises", node.id);
        require(!(node.at.iscMin > up.at.iscMin * (1 + 1e-9)), "a minimum rises", node.id);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = project::readProject(text);
    if (const auto* refusal = std::get_if<project::FileRefusal>(&read)) {
        require(!refusal->reason.empty(), "a refusal without a reason");
        require(refusal->path.empty() || refusal->path.front() == '/', "a path not a pointer",
                refusal->path);
        require(refusal->line && *refusal->line >= 1 &&
                    *refusal->line <=
                        1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
                "a refusal off the file's lines");
        return 0;
    }
    const project::Project& p = std::get<project::Project>(read);
    const std::string written = project::writeProject(p);
    const auto again = project::readProject(written);
    require(std::holds_alternative<project::Project>(again), "a written project is refused",
            std::holds_alternative<project::FileRefusal>(again)
                ? project::refusalText(std::get<project::FileRefusal>(again))
                : "");
    require(project::writeProject(std::get<project::Project>(again)) == written,
            "written, read and written again differs");
    checkTree(p);
    return 0;
}
