// SPDX-License-Identifier: GPL-3.0-or-later
// A generated project of 10,000 circuits under 100 boards in three levels (a main board at
// the transformer's terminals, 9 sub-mains, 90 panels of 111 or 112 circuits): read, written,
// and checked whole; and one node changed in the tree kept checked between changes.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <string>
#include <variant>

#include "generated_project.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project/project_tree.h"

namespace {

using namespace ferrovolt::project;

const std::string& projectText() {
    static const std::string text = generatedProjectText();
    return text;
}

void BM_ProjectRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(readProject(projectText()));
}
BENCHMARK(BM_ProjectRead)->Unit(benchmark::kMillisecond);

void BM_ProjectWrite(benchmark::State& state) {
    const Project project = std::get<Project>(readProject(projectText()));
    for (auto _ : state) benchmark::DoNotOptimize(writeProject(project));
}
BENCHMARK(BM_ProjectWrite)->Unit(benchmark::kMillisecond);

void BM_ProjectCheck(benchmark::State& state) {
    const Project project = std::get<Project>(readProject(projectText()));
    std::size_t answered = 0;
    for (auto _ : state) {
        const ProjectAnswer answer = checkProject(project);
        answered = 0;
        for (const NodeAnswer& node : answer.nodes) answered += node.checked && !node.refusal;
    }
    state.counters["answered"] = static_cast<double>(answered);  // 10,099 cables
}
BENCHMARK(BM_ProjectCheck)->Unit(benchmark::kMillisecond);

// One circuit of panel P0 changed back and forth: /0 its length (nothing above it reads its
// load differently: the circuit alone), /1 its current (P0's and SM0's feeders carry the sum
// below them, so SM0's busbar and all of its 10 panels and 1,120 circuits are checked again).
void BM_ProjectChangeOne(benchmark::State& state) {
    InstallationTree tree(std::get<Project>(readProject(projectText())));
    const bool current = state.range(0) == 1;
    Circuit changed = tree.project().circuits[0];
    const Json before = current ? Json(1) : Json(30);
    const Json after = current ? Json(2) : Json(31);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        for (auto& [key, value] : changed.cable)
            if (key == (current ? "current" : "length")) value = flip ? after : before;
        benchmark::DoNotOptimize(tree.setCircuit(changed));
    }
    state.counters["rechecked"] = static_cast<double>(tree.recheckedCount());
}
BENCHMARK(BM_ProjectChangeOne)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Heap in use, bytes: glibc's count of what it handed out and not yet freed, the blocks it
// mapped on their own (large vectors) included.
double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// What the project takes once read and once kept checked, per node (10,100 of them), beside
// the file's own size; and where a checked node's bytes go. One iteration: the figures are
// sizes, not times.
void BM_ProjectMemory(benchmark::State& state) {
    double model = 0, tree = 0, kase = 0;
    for (auto _ : state) {
        const double start = heapInUse();
        Project project = std::get<Project>(readProject(projectText()));
        model = heapInUse() - start;
        const InstallationTree kept(std::move(project));
        tree = heapInUse() - start;
        // One circuit's case as the tree keeps it, checked: the mean of 1,000.
        std::vector<std::unique_ptr<ferrovolt::CircuitCase>> cases;
        const double before = heapInUse();
        for (int i = 0; i < 1000; ++i) {
            cases.push_back(kept.code().newCase());
            for (const auto& [key, value] : kept.project().circuits[0].cable)
                cases.back()->set(*kept.code().fieldIndex(key), cableFieldText(value));
            cases.back()->setOrigin(kept.board("P0")->at);
            benchmark::DoNotOptimize(cases.back()->check());
        }
        kase = (heapInUse() - before) / 1000;
    }
    const double nodes = 10100;
    state.counters["file_per_node"] = static_cast<double>(projectText().size()) / nodes;
    state.counters["model_per_node"] = model / nodes;
    state.counters["tree_per_node"] = tree / nodes;  // the model included
    state.counters["case"] = kase;
    state.counters["node_answer"] = sizeof(NodeAnswer);
}
BENCHMARK(BM_ProjectMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
