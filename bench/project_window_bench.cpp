// SPDX-License-Identifier: GPL-3.0-or-later
// The Project window on the generated 10,000-circuit project: one circuit of panel P0 edited
// through the window's document, as a typed cell is (the tree checked again, the grid, the
// check pane and the failure count brought up to date), and the grid repainted. /0 its
// length (the circuit alone is checked again), /1 its current (SM0 and everything below its
// busbar). Offscreen, unless a platform is given.

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>

#include <fstream>

#include "generated_project.h"
#include "project_window/project_window.h"

namespace {

void BM_ProjectWindowEdit(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("generated.fvproj"));
    std::ofstream(path.toStdString()) << generatedProject();
    ferrovolt::ProjectWindow window;
    if (const auto refusal = window.openFile(path)) {
        state.SkipWithError(refusal->toStdString().c_str());
        return;
    }
    window.show();
    window.selectNode(QStringLiteral("C0"));
    QApplication::processEvents();
    auto* grid = window.findChild<QTableView*>(QStringLiteral("gridCircuits"));
    const bool current = state.range(0) == 1;
    const char* key = current ? "current" : "length";
    const QString before = current ? QStringLiteral("1") : QStringLiteral("30");
    const QString after = current ? QStringLiteral("2") : QStringLiteral("31");
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        benchmark::DoNotOptimize(
            window.document().setCircuitField("C0", key, flip ? after : before));
        grid->viewport()->repaint();
    }
    state.counters["rechecked"] = static_cast<double>(window.document().tree().recheckedCount());
    state.counters["rows"] = grid->model()->rowCount();
}
BENCHMARK(BM_ProjectWindowEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
