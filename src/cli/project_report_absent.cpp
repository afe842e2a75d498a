// SPDX-License-Identifier: GPL-3.0-or-later
// `project report` in a build without Qt: the command is known, and says it cannot print.
#include <ostream>
#include <string>

#include "cli/cli_app.h"
#include "cli/command_output.h"
#include "cli/project_report_run.h"

namespace ferrovolt {

std::string reportRequestProblem(const ReportRequest&) {
    return "this build of ferrovolt-calc has no report: it was built without Qt";
}

int runProjectReport(const ReportRequest&, const project::Project&, std::ostream&) {
    return kExitUsage;
}

}  // namespace ferrovolt
