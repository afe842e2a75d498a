// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace ferrovolt::test {

// The source folder the tests were built from, for the files they read from it (the examples,
// the manual page). It is compiled into one small file only: a path that names the clone would
// otherwise make every test file that used it differ from one clone to the next, and the
// compiler cache would serve none of them to another clone.
std::filesystem::path sourceTree();

}  // namespace ferrovolt::test
