// SPDX-License-Identifier: GPL-3.0-or-later
// A generated project of 10,000 circuits under 100 boards in three levels (a main board at
// the transformer's terminals, 9 sub-mains, 90 panels of 111 or 112 circuits): read, written,
// and checked whole; and one node changed in the tree kept checked between changes. One of
// 100,000 circuits under 910 boards (900 panels of the same size) is read, checked and
// measured too: a large file loads in bounded time and memory, each node taking what it takes
// at 10,000.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <map>
#include <string>
#include <variant>

#include "generated_project.h"
#include "project/project_engine.h"
#include "project/project_file.h"
#include "project/project_tree.h"

namespace {

using namespace ferrovolt::project;

constexpr int kCircuits = 10000;
constexpr int kLarge = 100000;

const std::string& projectText(int circuits = kCircuits) {
    static std::map<int, std::string> texts;
    auto [at, fresh] = texts.try_emplace(circuits);
    if (fresh) at->second = generatedProject(circuits);
    return at->second;
}

int circuitsOf(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

void BM_ProjectRead(benchmark::State& state) {
    const std::string& text = projectText(circuitsOf(state));
    for (auto _ : state) benchmark::DoNotOptimize(readProject(text));
}
BENCHMARK(BM_ProjectRead)->Arg(kCircuits)->Arg(kLarge)->Unit(benchmark::kMillisecond);

void BM_ProjectWrite(benchmark::State& state) {
    const Project project = std::get<Project>(readProject(projectText()));
    for (auto _ : state) benchmark::DoNotOptimize(writeProject(project));
}
BENCHMARK(BM_ProjectWrite)->Unit(benchmark::kMillisecond);

void BM_ProjectCheck(benchmark::State& state) {
    const Project project = std::get<Project>(readProject(projectText(circuitsOf(state))));
    std::size_t answered = 0;
    for (auto _ : state) {
        const ProjectAnswer answer = checkProject(project);
        answered = 0;
        for (const NodeAnswer& node : answer.nodes) answered += node.checked && !node.refusal;
    }
    state.counters["answered"] = static_cast<double>(answered);  // 10,099 or 100,909 cables
}
BENCHMARK(BM_ProjectCheck)->Arg(kCircuits)->Arg(kLarge)->Unit(benchmark::kMillisecond);

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

// What the project takes once read and once kept checked, per node (10,100 or 100,910 of
// them), beside the file's own size; and where a checked node's bytes go. One iteration: the
// figures are sizes, not times.
void BM_ProjectMemory(benchmark::State& state) {
    const std::string& text = projectText(circuitsOf(state));
    double model = 0, tree = 0, kase = 0;
    for (auto _ : state) {
        const double start = heapInUse();
        Project project = std::get<Project>(readProject(text));
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
    const double nodes = circuitsOf(state) + 10 + 9 * (circuitsOf(state) / 1000);  // boards
    state.counters["file_per_node"] = static_cast<double>(text.size()) / nodes;
    state.counters["model_per_node"] = model / nodes;
    state.counters["tree_per_node"] = tree / nodes;  // the model included
    state.counters["case"] = kase;
    state.counters["node_answer"] = sizeof(NodeAnswer);
}
BENCHMARK(BM_ProjectMemory)
    ->Arg(kCircuits)
    ->Arg(kLarge)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
