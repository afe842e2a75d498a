// SPDX-License-Identifier: GPL-3.0-or-later
// ferrovolt-probe screenshots FOLDER | ferrovolt-probe scaled-screenshot FOLDER |
// ferrovolt-probe project-screenshots FOLDER EXAMPLES | ferrovolt-probe measure STARTED_AT_NS

#include "screenshots.h"
#include "startup_timing.h"

#include <QApplication>
#include <QLocale>
#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    const bool project = argc == 4 && std::strcmp(argv[1], "project-screenshots") == 0;
    if (!project && (argc != 3 || (std::strcmp(argv[1], "screenshots") != 0 &&
                                   std::strcmp(argv[1], "scaled-screenshot") != 0 &&
                                   std::strcmp(argv[1], "measure") != 0))) {
        std::cerr << "usage: ferrovolt-probe screenshots FOLDER | ferrovolt-probe "
                     "scaled-screenshot FOLDER | ferrovolt-probe project-screenshots FOLDER "
                     "EXAMPLES | ferrovolt-probe measure STARTED_AT_NS\n";
        return 2;
    }
    const std::string mode = argv[1];
    const std::string argument = argv[2];

    QApplication application(argc, argv);
    // As the program does: number texts must not follow the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());

    if (mode == "screenshots") {
        return ferrovolt::probe::takeScreenshots(QString::fromStdString(argument));
    }
    if (project) {
        return ferrovolt::probe::takeProjectScreenshots(QString::fromStdString(argument),
                                                        QString::fromLocal8Bit(argv[3]));
    }
    if (mode == "scaled-screenshot") {
        return ferrovolt::probe::takeScaledScreenshot(QString::fromStdString(argument));
    }
    return ferrovolt::probe::measureStartup(std::stoll(argument));
}
