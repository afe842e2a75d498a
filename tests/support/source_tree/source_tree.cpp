// SPDX-License-Identifier: GPL-3.0-or-later
#include "source_tree.h"

namespace ferrovolt::test {

std::filesystem::path sourceTree() {
    return FERROVOLT_SOURCE_TREE;
}

}  // namespace ferrovolt::test
