// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The information notes behind the "i" signs of the tabs. Their line breaks are written as
// the program has always written them, a lone CR or CR LF; the note window shows both.

#include <QString>
#include <optional>

namespace ferrovolt {

inline constexpr char kNoteTitle[] = "Ferrovolt Information.";

// The standards bodies named in the sizing note.
inline constexpr char kNecAddress[] = "https://www.nfpa.org/NEC";
inline constexpr char kIetAddress[] = "https://www.theiet.org";

// For Area / Weight, Conduit Capacity and Resistivity.
QString disclaimerNote();

// For Voltage Drop and Conductor Sizing.
QString sizingNote();

// The note of the information sign with this array index; nothing for 5 and above.
std::optional<QString> noteForSign(int index);

}  // namespace ferrovolt
