// One conversion under the Windows runtime, three ways: the path it takes in
// the window (WideToNarrow, ToUpperCopy, ConvertBetweenBases, NarrowToWide),
// the engine alone, and the standard library's from_chars + to_chars on the
// same inputs. Then the first conversion in a fresh process, which pays for
// whatever the runtime sets up on first use. Prints figures, asserts nothing.

#include <windows.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "bench/timing.h"
#include "engine/base_converter.h"
#include "engine/text_bridge.h"

using bench::NowMicroseconds;

namespace {

struct Case {
    const wchar_t* typed;  // as the user types it, lower case included
    int from, to;
};

const Case kCases[] = {
    {L"ff", 16, 10},
    {L"255", 10, 2},
    {L"4294967295", 10, 16},
    {L"deadbeef", 16, 2},
};
constexpr int kCaseCount = sizeof kCases / sizeof kCases[0];

constexpr int kBatches = 101;
constexpr double kBatchMicroseconds = 2000;  // long enough to time, short enough to miss most interruptions
constexpr int kFreshProcesses = 21;
const char kFirstOnly[] = "--first-conversion";

BaseConverter Converter;
std::size_t Sink = 0;  // every result is counted here, so none is optimised away

void WindowPath(int i) {
    const Case& c = kCases[i];
    Converter.ConvertBetweenBases(ToUpperCopy(WideToNarrow(c.typed)), c.from, c.to);
    Sink += NarrowToWide(Converter.ResultText()).size();
}

// The engine's input as the window path hands it over. Filled just before
// the figures are taken: filling it during static initialisation would warm
// up the runtime before the first conversion is timed.
std::vector<std::string> Prepared;

void EngineAlone(int i) {
    Converter.ConvertBetweenBases(Prepared[i], kCases[i].from, kCases[i].to);
    Sink += Converter.ResultText().size();
}

void Standard(int i) {
    const std::string& text = Prepared[i];
    std::uint32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value, kCases[i].from);
    char digits[33];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, kCases[i].to);
    Sink += std::string(digits, written.ptr).size();
}

// Microseconds per conversion over count conversions, the cases in turn.
double PerConversion(void (*convert)(int), int count) {
    const double start = NowMicroseconds();
    for (int i = 0; i < count; ++i) {
        convert(i % kCaseCount);
    }
    return (NowMicroseconds() - start) / count;
}

// How many conversions fill a batch of about kBatchMicroseconds.
int BatchSize(void (*convert)(int)) {
    int count = kCaseCount;
    while (PerConversion(convert, count) * count < kBatchMicroseconds) {
        count *= 2;
    }
    return count;
}

void PrintConversionFigures() {
    for (const Case& c : kCases) {
        Prepared.push_back(ToUpperCopy(WideToNarrow(c.typed)));
    }
    struct Way {
        const char* name;
        void (*convert)(int);
        int batch;
        std::vector<double> samples;
    } ways[] = {{"window's whole path", WindowPath, 0, {}},
                {"engine alone", EngineAlone, 0, {}},
                {"from_chars + to_chars", Standard, 0, {}}};
    for (Way& way : ways) {
        way.batch = BatchSize(way.convert);
    }
    for (int b = 0; b < kBatches; ++b) {  // interleaved, so a busy moment touches all three
        for (Way& way : ways) {
            way.samples.push_back(PerConversion(way.convert, way.batch));
        }
    }
    std::printf("One conversion, %d inputs in turn; microseconds, median (min-max) of %d batches:\n", kCaseCount,
                kBatches);
    const double engine = bench::SpreadOf(ways[1].samples).median;
    for (const Way& way : ways) {
        const bench::Spread spread = bench::SpreadOf(way.samples);
        std::printf("  %-22s %9.3f (%.3f-%.3f)  %.2f x the engine\n", way.name, spread.median, spread.min,
                    spread.max, spread.median / engine);
    }
}

// Runs this program again to time its first conversion; microseconds, or a
// negative number when the process failed.
double FirstConversionInFreshProcess() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring argument(std::begin(kFirstOnly), std::end(kFirstOnly) - 1);
    std::wstring commandLine = std::wstring(L"\"") + path + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return -1;
    }
    DWORD nanoseconds = 0;
    const bool ended = WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(process.hProcess, 0);
    }
    GetExitCodeProcess(process.hProcess, &nanoseconds);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ended ? nanoseconds / 1000.0 : -1;
}

void PrintFirstConversionFigures() {
    std::vector<double> samples;
    for (int i = 0; i < kFreshProcesses; ++i) {
        const double microseconds = FirstConversionInFreshProcess();
        if (microseconds >= 0) {
            samples.push_back(microseconds);
        }
    }
    if (samples.empty()) {
        std::printf("First conversion in a fresh process: no process ran\n");
        return;
    }
    const bench::Spread spread = bench::SpreadOf(samples);
    std::printf("First conversion in a fresh process (%zu processes): min %.3f ms, median %.3f ms, max %.3f ms\n",
                samples.size(), spread.min / 1000, spread.median / 1000, spread.max / 1000);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kFirstOnly) == 0) {
        // The child: its exit code carries the time in nanoseconds.
        const double start = NowMicroseconds();
        WindowPath(0);
        return static_cast<int>((NowMicroseconds() - start) * 1000);
    }
    PrintConversionFigures();
    PrintFirstConversionFigures();
    return Sink == 0 ? 1 : 0;  // reads the results, so none is optimised away
}
