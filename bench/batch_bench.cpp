// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of `batch` over an in-memory stream: a mix of every kind of request, errors
// and refusals included, as a bulk check would send them.

#include <benchmark/benchmark.h>

#include "allocation_count.h"

#include <array>
#include <istream>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

#include "cli/batch.h"

namespace ferrovolt {
namespace {

constexpr std::array<std::string_view, 10> kRequests{
    R"j({"calc":"area_weight","gauge":"18","standard":"AWG (B&S)"})j",
    R"j({"calc":"resistance","gauge":"6/0","material":"Copper (Annealed)","temperature":"75","unit":"C"})j",
    R"j({"calc":"compare","position":24,"unit":2})j",
    R"j({"calc":"gauge_area","gauge":"40","standard":0,"unit":1,"by_position":false})j",
    R"j({"calc":"conduit","inches":false,"size":"100","fill":40,"cable":"25"})j",
    R"j({"calc":"voltage_drop","length":"100","feet":false,"current":"200","material":"Copper (Annealed)","supply":"480 Volts 3-phase","gauge":"500 Kcmil"})j",
    R"j({"calc":"conductor_size","length":"100","feet":false,"current":"10","material":"Aluminium","three_phase":false,"volts":"240"})j",
    R"j({"calc":"voltage_drop","length":"100","feet":true,"current":"10","material":"Gold","supply":"240 Volts 1-phase","gauge":"19 AWG"})j",
    R"j({"calc":"area_weight","gauge":"18 ","standard":"AWG (B&S)"})j",
    R"j({"calc":"compare","position":47,"unit":0})j",
};

// The requests read from memory in place, and the answers counted and dropped, as a pipe would
// take them: a growing in-memory copy of the answers would add its page faults (about a
// seventh of the time) to every line.
class InputBuffer : public std::streambuf {
public:
    explicit InputBuffer(std::string& text) {
        setg(text.data(), text.data(), text.data() + text.size());
    }
};

class CountingSink : public std::streambuf {
public:
    std::size_t bytes() const { return m_bytes; }

protected:
    std::streamsize xsputn(const char*, std::streamsize count) override {
        m_bytes += static_cast<std::size_t>(count);
        return count;
    }
    int_type overflow(int_type c) override {
        ++m_bytes;
        return traits_type::not_eof(c);
    }

private:
    std::size_t m_bytes = 0;
};

void BM_BatchThroughput(benchmark::State& state) {
    const auto lines = static_cast<std::size_t>(state.range(0));
    std::string input;
    for (std::size_t i = 0; i < lines; ++i) input.append(kRequests[i % kRequests.size()]) += '\n';
    Tables tables;
    InitTables(tables);
    CountingSink sink;
    std::ostream out(&sink);
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        InputBuffer buffer(input);
        std::istream in(&buffer);
        benchmark::DoNotOptimize(runBatch(tables, in, out));
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * lines));
    state.SetBytesProcessed(static_cast<std::int64_t>(sink.bytes()));
    // Allocations per line.
    state.counters["allocs"] = benchmark::Counter(
        static_cast<double>(allocationCount() - before) /
        static_cast<double>(static_cast<std::size_t>(state.iterations()) * lines));
}
BENCHMARK(BM_BatchThroughput)->Arg(100000)->Unit(benchmark::kMillisecond);

// One request of each kind, answered alone: the cost of one line without the stream.
void BM_AnswerRequest(benchmark::State& state) {
    Tables tables;
    InitTables(tables);
    const std::string_view line = kRequests[static_cast<std::size_t>(state.range(0))];
    BatchAnswerer answerer(tables);
    std::string out;
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        out.clear();
        answerer.answer(line, out);
        benchmark::DoNotOptimize(out.data());
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_AnswerRequest)->DenseRange(0, kRequests.size() - 1);

}  // namespace
}  // namespace ferrovolt
