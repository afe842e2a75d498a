// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/project_report_run.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QString>
#include <cstdio>
#include <ostream>

#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "project/project_engine.h"
#include "project_report/project_report.h"

namespace ferrovolt {

namespace {

// Qt's own remarks (a missing runtime folder and the like) would break the promise of one
// line on standard error; only its critical messages pass.
void quietQt(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((message.toLocal8Bit() + '\n').constData(), stderr);
}

// A Gui application off screen, created once for the process and kept: the report needs
// fonts and paint devices, never a display.
void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    qInstallMessageHandler(quietQt);
    static int argc = 3;
    static char name[] = "ferrovolt-calc";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
}

}  // namespace

std::string reportRequestProblem(const ReportRequest& request) {
    if (request.output.empty() && request.svg.empty())
        return "-o OUT.pdf or --svg OUT.svg is required";
    if (!request.paper.empty() && request.paper != "a4" && request.paper != "letter")
        return "--paper: \"" + oneLine(request.paper) + "\" is not a paper: a4 or letter";
    if (!request.sections.empty() && !package::sectionsOf(request.sections))
        return "--sections: \"" + oneLine(request.sections) +
               "\" is not a list of sections: cover, diagram, schedule, sheets";
    return {};
}

int runProjectReport(const ReportRequest& request, const project::Project& project,
                     std::ostream& err) {
    ensureGuiApplication();
    const project::ProjectAnswer answer = project::checkProject(project);
    if (answer.code == nullptr) {
        err << kProgram << ": project report: the project's code is not known\n";
        return kExitRefused;
    }
    if (!request.svg.empty()) {
        const package::ReportOutcome svg =
            package::writeDiagramSvg(project, answer, QString::fromStdString(request.svg));
        if (svg.end != package::ReportEnd::Written) {
            err << kProgram << ": " << oneLine(svg.reason.toStdString()) << '\n';
            return kExitWriteFailed;
        }
    }
    if (request.output.empty()) return kExitOk;
    package::ReportSettings settings;
    settings.paper = request.paper.empty()       ? paperOf(QLocale::system().territory())
                     : request.paper == "letter" ? Paper::Letter
                                                 : Paper::A4;
    if (!request.sections.empty()) settings.sections = *package::sectionsOf(request.sections);
    settings.date = QDate::currentDate();
    const package::ReportOutcome pdf = package::writeProjectReport(
        project, answer, settings, QString::fromStdString(request.output));
    if (pdf.end != package::ReportEnd::Written) {
        err << kProgram << ": " << oneLine(pdf.reason.toStdString()) << '\n';
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace ferrovolt
