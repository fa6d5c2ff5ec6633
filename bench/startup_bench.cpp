// Start-up to the first painted main window, against a bare Qt window started the same way in the same
// run; each iteration spawns a fresh process (offscreen platform) and reads the time and peak memory it
// reports at its first finished paint. The two are started in turns, so a busy machine slows both alike;
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

void BM_StartupAgainstBareQtWindow(benchmark::State& state)
{
    std::vector<double> bareMs, appMs, bareMiB, appMiB;
    for (auto _ : state) {
        const Sample bare = RunProbe("bare");
        const Sample app = RunProbe("app");
        if (!bare.ok || !app.ok) {
            state.SkipWithError("the probe did not report");
            return;
        }
        state.SetIterationTime(app.seconds);
        bareMs.push_back(bare.seconds * 1e3);
        appMs.push_back(app.seconds * 1e3);
        bareMiB.push_back(static_cast<double>(bare.peakKiB) / 1024.0);
        appMiB.push_back(static_cast<double>(app.peakKiB) / 1024.0);
    }
    state.counters["bare_ms"] = Median(bareMs);
    state.counters["app_ms"] = Median(appMs);
    state.counters["time_ratio"] = Median(appMs) / Median(bareMs);
    state.counters["bare_MiB"] = *std::max_element(bareMiB.begin(), bareMiB.end());
    state.counters["app_MiB"] = *std::max_element(appMiB.begin(), appMiB.end());
    state.counters["memory_ratio"] = state.counters["app_MiB"] / state.counters["bare_MiB"];
}
BENCHMARK(BM_StartupAgainstBareQtWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
