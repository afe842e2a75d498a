// SPDX-License-Identifier: GPL-3.0-or-later
#include <exception>
#include <iostream>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    // Nothing here touches the C locale: the core's number text never depends on it.
    std::ios::sync_with_stdio(false);
    try {
        return ferrovolt::runCli(argc, argv, std::cin, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cerr << "ferrovolt-calc: internal error: " << e.what() << '\n';
        return ferrovolt::kExitWriteFailed;
    }
}
