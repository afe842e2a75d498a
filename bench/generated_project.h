// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The generated project the benchmarks share: 10,000 circuits under 100 boards in three
// levels (a main board at the transformer's terminals, 9 sub-mains, 90 panels of 111 or 112
// circuits), under NEC 2023.

#include <string>

inline std::string generatedProjectText() {
    std::string text =
        R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"transformer":)"
        R"({"kva":7500,"percent_z":5.75,"x_r":8,"secondary_volts":480}},"boards":[)"
        R"({"id":"MDP","fed_from":"supply","cable":null})";
    const std::string feeder = R"(,"cable":{"length":80,"feet":true,"phase":"three","volts":480,)"
                               R"("raceway":"steel","sets":4,"size":"500"}})";
    for (int m = 0; m < 9; ++m) {
        text += R"(,{"id":"SM)" + std::to_string(m) + R"(","fed_from":"MDP")" + feeder;
        for (int p = 0; p < 10; ++p)
            text += R"(,{"id":"P)" + std::to_string(m * 10 + p) + R"(","fed_from":"SM)" +
                    std::to_string(m) + "\"" + feeder;
    }
    text += R"(],"circuits":[)";
    for (int c = 0; c < 10000; ++c)
        text += std::string(c ? "," : "") + R"({"id":"C)" + std::to_string(c) + R"(","board":"P)" +
                std::to_string(c % 90) + R"(","cable":{"current":)" + std::to_string(1 + c % 3) +
                R"(,"length":)" + std::to_string(30 + c % 90) +
                R"(,"feet":true,"volts":277,"raceway":"steel"}})";
    return text + "]}";
}
