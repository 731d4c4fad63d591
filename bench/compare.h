// Timing a library operation against the plain C++ way of doing the same
// thing in the same run: the benchmark's own loop times the library side,
// a fixed number of rounds times the plain side, and the counters
// `plain_ns` and `ratio` (library time / plain time) are reported.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

// Nanoseconds per call of the plain operation.
template <class F>
double PlainNs(F&& plain, int rounds = 1'000'000) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) plain();
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / rounds;
}

// Runs the timed loop of `library` and reports it against `plain`.
template <class K, class P>
void Compare(benchmark::State& state, K&& library, P&& plain, int plainRounds = 1'000'000) {
  const auto start = Clock::now();
  for (auto _ : state) library();
  const double libraryNs =
      std::chrono::duration<double, std::nano>(Clock::now() - start).count() / static_cast<double>(state.iterations());
  const double plainNs = PlainNs(plain, plainRounds);
  state.counters["plain_ns"] = plainNs;
  state.counters["ratio"] = libraryNs / plainNs;
}

}  // namespace bench
