// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The generated project of the benchmarks: 10,000 circuits under 100 boards in three levels (a
// main board at the transformer's terminals, 9 sub-mains, 90 panels of 111 or 112 circuits),
// or as many circuits again under panels of the same size. 10 panels a sub-main for 10,000
// circuits, 100 for 100,000; the large file's sub-mains give their own current (the sum of 100
// panels, 7,400 A, is more than four sets carry), so that every one of its cables is answered.

#include <string>

inline std::string generatedProject(int circuits = 10000) {
    const int panels = circuits / 1000;
    std::string text =
        R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"transformer":)"
        R"({"kva":7500,"percent_z":5.75,"x_r":8,"secondary_volts":480}},"boards":[)"
        R"({"id":"MDP","fed_from":"supply","cable":null})";
    const std::string feeder = R"(,"cable":{"length":80,"feet":true,"phase":"three","volts":480,)"
                               R"("raceway":"steel","sets":4,"size":"500"}})";
    const std::string subMain =
        panels > 10 ? R"(,"cable":{"current":1000,"length":80,"feet":true,"phase":"three",)"
                      R"("volts":480,"raceway":"steel","sets":4,"size":"500"}})"
                    : feeder;
    for (int m = 0; m < 9; ++m) {
        text += R"(,{"id":"SM)" + std::to_string(m) + R"(","fed_from":"MDP")" + subMain;
        for (int p = 0; p < panels; ++p)
            text += R"(,{"id":"P)" + std::to_string(m * panels + p) + R"(","fed_from":"SM)" +
                    std::to_string(m) + "\"" + feeder;
    }
    text += R"(],"circuits":[)";
    for (int c = 0; c < circuits; ++c)
        text += std::string(c ? "," : "") + R"({"id":"C)" + std::to_string(c) + R"(","board":"P)" +
                std::to_string(c % (9 * panels)) + R"(","cable":{"current":)" +
                std::to_string(1 + c % 3) + R"(,"length":)" + std::to_string(30 + c % 90) +
                R"(,"feet":true,"volts":277,"raceway":"steel"}})";
    return text + "]}";
}
