// Start-up to the first painted main window, against a bare Qt window (and one with a line of text)
// started the same way in the same run; each iteration spawns a fresh process (offscreen platform) and
// reads the time and peak memory it reports at its first finished paint. They are started in turns, so
// a busy machine slows all alike;
// the counters give the medians and their ratios. TMCALC_STARTUP_PROBE in the environment names another
// probe program (an older build, say) to measure against the same bare window.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Sample {
    double seconds = 0;
    long peakKiB = 0;
    bool ok = false;
};

Sample RunProbe(const char* mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    const char* other = std::getenv("TMCALC_STARTUP_PROBE");
    std::string probe = other != nullptr ? other : TMCALC_STARTUP_PROBE;
    std::array<char*, 3> args{probe.data(), const_cast<char*>(mode), nullptr};
    // Offscreen unless told otherwise (TMCALC_STARTUP_PLATFORM=xcb under Xvfb, say).
    const char* platform = std::getenv("TMCALC_STARTUP_PLATFORM");
    setenv("QT_QPA_PLATFORM", platform != nullptr ? platform : "offscreen", 1);
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, probe.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    Sample s;
    if (rc == 0) {
        FILE* out = fdopen(pipeFds[0], "r");
        long long paintedNs = 0;
        if (out != nullptr && std::fscanf(out, "%lld %ld", &paintedNs, &s.peakKiB) == 2) {
            const long long startNs = static_cast<long long>(start.tv_sec) * 1000000000LL + start.tv_nsec;
            s.seconds = static_cast<double>(paintedNs - startNs) * 1e-9;
            s.ok = true;
        }
        if (out != nullptr) std::fclose(out);
        int status = 0;
        waitpid(pid, &status, 0);
    } else {
        close(pipeFds[0]);
    }
    return s;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Besides the bare window, a window that shows one line of text: any window that draws text pays for the
// system's font configuration and a face, which the bare window never loads; its ratio tells how much of
// the program's start-up is that.
void BM_StartupAgainstBareQtWindow(benchmark::State& state)
{
    constexpr std::array<const char*, 3> kModes = {"bare", "text", "app"};
    std::array<std::vector<double>, 3> ms, mib;
    for (auto _ : state) {
        std::array<Sample, 3> samples;
        for (std::size_t m = 0; m < kModes.size(); ++m) {
            samples[m] = RunProbe(kModes[m]);
            if (!samples[m].ok) {
                state.SkipWithError("the probe did not report");
                return;
            }
            ms[m].push_back(samples[m].seconds * 1e3);
            mib[m].push_back(static_cast<double>(samples[m].peakKiB) / 1024.0);
        }
        state.SetIterationTime(samples[2].seconds);
    }
    for (std::size_t m = 0; m < kModes.size(); ++m) {
        const std::string mode = kModes[m];
        state.counters[mode + "_ms"] = Median(ms[m]);
        state.counters[mode + "_MiB"] = *std::max_element(mib[m].begin(), mib[m].end());
    }
    state.counters["time_ratio"] = state.counters["app_ms"] / state.counters["bare_ms"];
    state.counters["memory_ratio"] = state.counters["app_MiB"] / state.counters["bare_MiB"];
    state.counters["text_time_ratio"] = state.counters["text_ms"] / state.counters["bare_ms"];
    state.counters["text_memory_ratio"] = state.counters["text_MiB"] / state.counters["bare_MiB"];
}
BENCHMARK(BM_StartupAgainstBareQtWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
