// SPDX-License-Identifier: GPL-3.0-or-later
// ferrovolt: the desktop program. Everything but the start lives in the window library.

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "check/circuit_code.h"
#include "circuit_window/circuit_window.h"
#include "codes/code_registry.h"
#include "ferrovolt_version.h"
#include "fill_window/fill_window.h"
#include "fill_window/fill_window_host.h"
#include "project_window/project_window.h"
#include "project_window/project_window_host.h"
#include "services/qt_system_services.h"
#include "window/frm_options.h"
#include "window_kit/placement.h"

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// QApplication aborts when it cannot reach a display; find out first and say so plainly.
bool displayReachable() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform != nullptr && *platform != '\0') {
        if (std::strncmp(platform, "xcb", 3) == 0) return isSet("DISPLAY");
        if (std::strncmp(platform, "wayland", 7) == 0) return isSet("WAYLAND_DISPLAY");
        return true;  // offscreen, vnc and the like need no display
    }
    return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

constexpr const char* kHelp =
    "Usage: ferrovolt [--help] [--version] [--circuit-check] [--conduit-fill]\n"
    "                 [--project [FILE]] [FILE.fvproj]\n"
    "Opens the window of six cable calculators: Area / Weight, Conduit Capacity, Resistivity,\n"
    "Compare Gauges, Voltage Drop and Conductor Sizing.\n"
    "\n"
    "  --help           print this help and exit\n"
    "  --version        print the program's name and version and exit\n"
    "  --circuit-check  open the Circuit Check window alone: one circuit sized by every\n"
    "                   criterion of the electrical code, with its calculation\n"
    "  --code KEY       the code the Circuit Check window opens with: nec2023 or\n"
    "                   iec60364 (else the one chosen last)\n"
    "  --conduit-fill   open the Conduit Fill window alone: the smallest raceway for mixed\n"
    "                   conductors and cables by NEC Chapter 9, drawn to scale\n"
    "  --project [FILE] open the Project window alone: a whole installation as a tree and\n"
    "                   a grid of its circuits, each answer as you type; with FILE open\n"
    "  FILE.fvproj      open the project file in the Project window\n"
    "\n"
    "The same computations on the command line: ferrovolt-calc --help.\n"
    "Results support, and do not replace, a check against the local code by the person\n"
    "responsible for the installation.\n";

// The code "--code KEY" (or "--code=KEY") names; null when it is not given. An unknown
// or missing key is said on the error output and ends the program with status 2.
const ferrovolt::CircuitCode* codeOption(int argc, char* argv[], bool& refused) {
    constexpr std::string_view kOption = "--code";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with(kOption)) continue;
        std::string_view key;
        if (arg.size() > kOption.size() && arg[kOption.size()] == '=')
            key = arg.substr(kOption.size() + 1);
        else if (arg.size() == kOption.size() && i + 1 < argc)
            key = argv[i + 1];
        else if (arg.size() != kOption.size())
            continue;
        if (const ferrovolt::CircuitCode* code = ferrovolt::circuitCode(key)) return code;
        if (key.empty())
            std::cerr << "ferrovolt: --code needs the key of a code; the codes are";
        else
            std::cerr << "ferrovolt: no code \"" << key << "\"; the codes are";
        for (const ferrovolt::CircuitCode* code : ferrovolt::circuitCodes())
            std::cerr << ' ' << code->key();
        std::cerr << '\n';
        refused = true;
        return nullptr;
    }
    return nullptr;
}

// The project "--project [FILE]" or a lone "FILE.fvproj" names: nothing when neither is given;
// an empty text for the window with a new project.
std::optional<std::string> projectArgument(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--project") {
            if (i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--"))
                return std::string(argv[i + 1]);
            return std::string();
        }
        if (!arg.starts_with("--") && arg.ends_with(".fvproj")) return std::string(arg);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any window exists, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::cout << FERROVOLT_TITLE " " << ferrovolt::kVersionText << '\n';
            return EXIT_SUCCESS;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << kHelp;
            return EXIT_SUCCESS;
        }
    }
    bool refused = false;
    const ferrovolt::CircuitCode* code = codeOption(argc, argv, refused);
    if (refused) return 2;
    if (!displayReachable()) {
        std::cerr << "ferrovolt: no display to open the window on; "
                     "use ferrovolt-calc for the calculators on the command line.\n";
        return EXIT_FAILURE;
    }

    QApplication application(argc, argv);
    // QApplication takes the user's locale for C; number texts must not follow it.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.ferrovolt.Ferrovolt"));

    // A project file opens the Project window alone; a refused file is said on the error
    // output and in the window, which opens with a new project.
    if (const std::optional<std::string> file = projectArgument(argc, argv)) {
        ferrovolt::QtSystemServices services;
        ferrovolt::ProjectWindow project(&services);
        if (!file->empty())
            if (const auto refusal = project.openFile(QString::fromLocal8Bit(file->c_str())))
                std::cerr << "ferrovolt: " << refusal->toStdString() << '\n';
        ferrovolt::placeWindow(project, nullptr);
        project.show();
        // Once the window is shown: the work a crashed or killed window left behind.
        QTimer::singleShot(0, &project, [&project] { project.offerRecovery(); });
        return QApplication::exec();
    }

    // The Circuit Check or the Conduit Fill window alone, without the main window and its
    // splash.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--circuit-check") == 0) {
            ferrovolt::QtSystemServices services;
            ferrovolt::CircuitWindow circuitCheck;
            if (code != nullptr) circuitCheck.setCode(*code);
            ferrovolt::placeWindow(circuitCheck, nullptr);
            ferrovolt::FillWindowHost fill(&circuitCheck, &services);
            QObject::connect(&circuitCheck, &ferrovolt::CircuitWindow::conduitFillRequested, &fill,
                             [&fill](const ferrovolt::FillInputs& inputs, const QString& note) {
                                 fill.open(&inputs, note);
                             });
            // "Add to project…" opens the Project window beside it, for the circuit.
            ferrovolt::ProjectWindowHost project(&circuitCheck, &services);
            QObject::connect(
                &circuitCheck, &ferrovolt::CircuitWindow::addToProjectRequested, &project,
                [&project, &circuitCheck] { project.open()->addCircuitFromCheck(circuitCheck); });
            circuitCheck.show();
            return QApplication::exec();
        }
        if (std::strcmp(argv[i], "--conduit-fill") == 0) {
            ferrovolt::QtSystemServices services;
            ferrovolt::FillWindow conduitFill(&services);
            ferrovolt::placeWindow(conduitFill, nullptr);
            conduitFill.show();
            return QApplication::exec();
        }
    }

    ferrovolt::QtSystemServices services;
    ferrovolt::frmOptions window(services);
    window.Form_Load();
    window.show();
    return QApplication::exec();
}
