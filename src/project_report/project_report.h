// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The project's calculation package as one PDF: a cover (who, what, under which code, and
// how many cables meet every criterion), the single-line diagram, the schedule of every
// cable, and a sheet per cable with its inputs, answer and whole trail. Every page is headed
// by the project and its reference and footed by "Page N of M", the date and the code, on A4
// or Letter with a margin for binding, in the bundled face, which the PDF embeds. Qt Gui
// alone, no widgets: the command line prints it off screen, the window with a progress bar.

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

#include "paper/paper.h"
#include "project/project.h"
#include "project/project_engine.h"

namespace ferrovolt::package {

struct Sections {
    bool cover = true;
    bool diagram = true;
    bool schedule = true;
    bool sheets = true;
};

// The sections a list names ("cover,schedule"); nothing when a name is not a section.
std::optional<Sections> sectionsOf(std::string_view list);

struct ReportSettings {
    Paper paper = Paper::A4;
    Sections sections;
    QDate date;  // the date every page's footer gives; today's when none
};

// Told the pages drawn and the pages in all after each page; returns false to stop.
using ReportProgress = std::function<bool(int done, int total)>;

enum class ReportEnd { Written, Cancelled, Failed };

struct ReportOutcome {
    ReportEnd end = ReportEnd::Written;
    QString reason;  // why it was not written
    int pages = 0;
};

// Writes the report of a project and its checked answer to `path`, through a temporary file
// renamed only once every page is written, so that a cancelled or failed report leaves no
// file behind (and an older one as it was). Needs a QGuiApplication.
ReportOutcome writeProjectReport(const project::Project& project,
                                 const project::ProjectAnswer& answer,
                                 const ReportSettings& settings, const QString& path,
                                 const ReportProgress& progress = {});

// The single-line diagram alone as an SVG picture, on one tall page; the same temporary and
// rename.
ReportOutcome writeDiagramSvg(const project::Project& project, const project::ProjectAnswer& answer,
                              const QString& path);

}  // namespace ferrovolt::package
