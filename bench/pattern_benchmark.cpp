// The patterns of validate --include/--exclude on names of growing length, beside the floor: reading
// the name once, byte by byte. A pattern that makes a backtracking matcher take exponential time stays
// a constant factor of the floor here, growing with the name as the floor does.
#include "validate/check_pattern.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

namespace {

std::string nameOf(benchmark::State& state) {
    return std::string(static_cast<std::size_t>(state.range(0)), 'a') + "!";
}

// The floor: every byte of the name looked at once.
void readingTheName(benchmark::State& state) {
    const std::string name = nameOf(state);
    for (auto _ : state) {
        const bool found = std::any_of(name.begin(), name.end(), [](char byte) { return byte == 'x'; });
        benchmark::DoNotOptimize(found);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * name.size()));
}

void matching(benchmark::State& state, const char* text) {
    const kadenzo::validate::CheckPattern pattern(text);
    const std::string name = nameOf(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern.foundIn(name));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * name.size()));
}

void aLiteral(benchmark::State& state) {
    matching(state, "record");
}

void nestedStars(benchmark::State& state) {
    matching(state, "(.*)*x$");
}

void nestedPluses(benchmark::State& state) {
    matching(state, "(.+)+\\d");
}

void spelledOutCounts(benchmark::State& state) {
    matching(state, "((a{1,10}){1,10}){1,10}z");
}

} // namespace

BENCHMARK(readingTheName)->Arg(64)->Arg(4096);
BENCHMARK(aLiteral)->Arg(64)->Arg(4096);
BENCHMARK(nestedStars)->Arg(64)->Arg(4096);
BENCHMARK(nestedPluses)->Arg(64)->Arg(4096);
BENCHMARK(spelledOutCounts)->Arg(64)->Arg(4096);
