// Start-up to the first painted main window, against a bare Qt window started the same way in the same
// run; each iteration spawns a fresh process (offscreen platform) and reads the time and peak memory it
// reports at its first finished paint.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <ctime>
#include <string>

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
    std::string probe = TMCALC_STARTUP_PROBE;
    std::array<char*, 3> args{probe.data(), const_cast<char*>(mode), nullptr};
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
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

void Startup(benchmark::State& state, const char* mode)
{
    long peak = 0;
    for (auto _ : state) {
        const Sample s = RunProbe(mode);
        if (!s.ok) {
            state.SkipWithError("the probe did not report");
            return;
        }
        state.SetIterationTime(s.seconds);
        peak = std::max(peak, s.peakKiB);
    }
    state.counters["peak_rss_MiB"] = static_cast<double>(peak) / 1024.0;
}

void BM_StartupBareQtWindow(benchmark::State& state) { Startup(state, "bare"); }
void BM_StartupMainWindow(benchmark::State& state) { Startup(state, "app"); }
BENCHMARK(BM_StartupBareQtWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupMainWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
