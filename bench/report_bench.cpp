// SPDX-License-Identifier: GPL-3.0-or-later
// The report of the generated 10,000-circuit project (generated_project.h): the tree checked,
// then the PDF written whole (cover, diagram, schedule and some 20,000 pages of sheets), off
// screen; with the peak of the heap while it is written.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <algorithm>
#include <variant>

#include "generated_project.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project_report/project_report.h"

namespace {

using namespace ferrovolt;

void ensureApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 3;
    static char name[] = "ferrovolt_bench";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* argv[] = {name, platform, offscreen, nullptr};
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    (void)app;
}

double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

void BM_ProjectReport(benchmark::State& state) {
    ensureApplication();
    const project::Project p = std::get<project::Project>(project::readProject(generatedProject()));
    const QString path = QDir::temp().filePath(QStringLiteral("ferrovolt-bench-report.pdf"));
    int pages = 0;
    double peak = 0;
    for (auto _ : state) {
        const double start = heapInUse();
        const project::ProjectAnswer answer = project::checkProject(p);
        const package::ReportOutcome outcome =
            package::writeProjectReport(p, answer, {}, path, [&](int done, int) {
                if (done % 1000 == 0) peak = std::max(peak, heapInUse() - start);
                return true;
            });
        pages = outcome.pages;
    }
    state.counters["pages"] = pages;
    state.counters["peak_heap_mb"] = peak / 1e6;
    state.counters["file_mb"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
    QFile::remove(path);
}
BENCHMARK(BM_ProjectReport)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
