// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// `project report`'s printing, apart from the rest of the command line: the one command that
// needs Qt (its Gui, off screen, created only when this command runs). A build without the
// window has no report and says so.

#include <iosfwd>
#include <string>

namespace ferrovolt {

namespace project {
struct Project;
}  // namespace project

struct ReportRequest {
    std::string output;    // the PDF; "" for none
    std::string svg;       // the single-line diagram alone; "" for none
    std::string paper;     // "a4", "letter"; "" for the locale's
    std::string sections;  // "cover,diagram,schedule,sheets"; "" for all
};

// Checks what the command line asked for; the message of bad input, "" when it is good.
std::string reportRequestProblem(const ReportRequest& request);

// Writes the report of a project read and checked; the exit status, its reason on `err`.
int runProjectReport(const ReportRequest& request, const project::Project& project,
                     std::ostream& err);

}  // namespace ferrovolt
