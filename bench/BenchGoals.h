#pragma once

#include <benchmark/benchmark.h>

// A goal is a median time per operation that a benchmark must stay within. A goal
// benchmark runs repeatedly and records its goal as a counter; BenchMain prints a table
// of every goal with the median it reached.
namespace bench {

inline void Goal(benchmark::State& state, double microseconds) {
    state.counters["goal_us"] = microseconds;
}

inline void Repeated(benchmark::internal::Benchmark* b) {
    b->Repetitions(7)->ReportAggregatesOnly(true);
}

} // namespace bench
