// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The project file (.fvproj): JSON, read strictly and whole (a refusal names the JSON path and
// the reason, and nothing of the file is kept), written in one stable order so that a project
// diffs well and load → save gives the same bytes, and saved through a temporary file in the
// same folder so that a failed save leaves the file it would replace as it was.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "project/project.h"

namespace ferrovolt {
class CircuitCode;
}  // namespace ferrovolt

namespace ferrovolt::project {

inline constexpr int kFormatVersion = 1;
inline constexpr std::string_view kFormatName = "ferrovolt-project";

struct FileRefusal {
    std::string path;  // JSON pointer: "/circuits/3/cable/length"; "" for the whole file
    // Of the value at fault, of the key where the key has no place, or of the malformed JSON.
    std::optional<std::size_t> line;
    std::string reason;
};

// "line 12: /circuits/3/cable/length: must be more than 0".
std::string refusalText(const FileRefusal& refusal);

// A cable field's JSON value as the case takes its text: a number as its shortest plain
// decimals, a flag as "true" or "false".
std::string cableFieldText(const Json& value);

std::variant<Project, FileRefusal> readProject(std::string_view text);

// The same over a document already read (a batch request's member): a refusal has no line.
std::variant<Project, FileRefusal> readProjectDocument(const Json& root);

// A cable object read as a file's board (`feeder`: its current may be left out) or circuit
// under `code`, by the same rules; a refusal's path starts at the cable ("/length").
std::variant<Cable, FileRefusal> readCable(const Json& value, const CircuitCode& code, bool feeder);

// A board's object read as a file's board is under `code` (its id not held against others); a
// refusal's path starts at the board ("/demand_factor").
std::variant<Board, FileRefusal> readBoard(const Json& value, const CircuitCode& code);

// The supply's object as the file writes it, and such an object read by the file's rules under
// the code of `codeKey`; a refusal's path starts at the supply ("/transformer/kva").
Json supplyJson(const Supply& supply);
std::variant<Supply, FileRefusal> readSupply(const Json& value, std::string_view codeKey);

// A board's object as the file writes it.
Json boardJson(const Board& board);

std::string writeProject(const Project& project);

// Writes the project to `path` through a temporary file beside it, flushed and renamed over
// it; the reason when it could not be saved (the old file is then untouched).
std::optional<std::string> saveProject(const Project& project, const std::filesystem::path& path);

}  // namespace ferrovolt::project
