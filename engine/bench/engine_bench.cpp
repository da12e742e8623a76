// The converter against the standard library's from_chars + to_chars on the
// same inputs. Prints a summary with the time per conversion and the ratio.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "engine/base_converter.h"

namespace {

struct BenchCase {
    const char* name;
    const char* text;
    int from;
    int to;
};

// "typical": what a user types; "32 digits": the longest text of a 32-bit
// value (leading zeros where the base needs fewer digits).
const BenchCase Cases[] = {
    {"16=>2 typical", "FF", 16, 2},
    {"16=>2 32 digits", "000000000000000000000000DEADBEEF", 16, 2},
    {"10=>16 typical", "255", 10, 16},
    {"10=>16 32 digits", "00000000000000000000004294967295", 10, 16},
    {"2=>10 typical", "1010", 2, 10},
    {"2=>10 32 digits", "11011110101011011011111011101111", 2, 10},
    {"36=>10 typical", "ZZ", 36, 10},
    {"36=>10 32 digits", "00000000000000000000000001Z141Z3", 36, 10},
};

void RunEngine(benchmark::State& state, const BenchCase& c) {
    BaseConverter converter;
    const std::string text = c.text;
    for (auto _ : state) {
        converter.ConvertBetweenBases(text, c.from, c.to);
        benchmark::DoNotOptimize(converter.ResultText());
    }
}

void RunStandard(benchmark::State& state, const BenchCase& c) {
    const std::string text = c.text;
    for (auto _ : state) {
        std::uint32_t value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value, c.from);
        char buffer[33];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, c.to);
        std::string result(buffer, written.ptr);
        benchmark::DoNotOptimize(result);
    }
}

// Collects each run's time per iteration while the console shows it as usual.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}  // plain text: the output often goes to a log
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                nanoseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv) {
    for (const BenchCase& c : Cases) {
        benchmark::RegisterBenchmark((std::string("engine/") + c.name).c_str(), RunEngine, c);
        benchmark::RegisterBenchmark((std::string("stdlib/") + c.name).c_str(), RunStandard, c);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-18s %12s %12s %8s\n", "conversion", "engine ns", "stdlib ns", "ratio");
    for (const BenchCase& c : Cases) {
        const auto engine = reporter.nanoseconds.find(std::string("engine/") + c.name);
        const auto standard = reporter.nanoseconds.find(std::string("stdlib/") + c.name);
        if (engine == reporter.nanoseconds.end() || standard == reporter.nanoseconds.end()) {
            continue;
        }
        std::printf("%-18s %12.1f %12.1f %7.1fx\n", c.name, engine->second, standard->second,
                    engine->second / standard->second);
    }
    return 0;
}
