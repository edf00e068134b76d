// The whole vartel-batch process, as a script or a teacher's batch job meets it: start, a full run of
// 3000 years, the data file or the pictures, exit. Prints figures; judges no time, but a
// run that fails makes the benchmark fail.
//
//   tools_bench [benchmark options]      VARTEL_BATCH overrides the tool's path
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

bool failed = false;

std::string ToolPath()
{
    const char* path = std::getenv("VARTEL_BATCH");
    return path != nullptr && *path != '\0' ? path : VARTEL_BATCH_PATH;
}

// A folder of its own for the files the runs write.
std::string OutputFolder()
{
    static const std::string folder = [] {
        std::string pattern = "/tmp/vartel-batch-bench-XXXXXX";
        return mkdtemp(pattern.data()) != nullptr ? pattern : std::string("/tmp");
    }();
    return folder;
}

struct Run {
    int status = -1; // the exit status; -1 when it could not be started or did not exit normally
    long peakKb = 0; // the child's peak resident memory
};

Run RunTool(const std::vector<std::string>& args)
{
    std::vector<std::string> all{ToolPath()};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // The figures are the point here; what the tool says (Qt's notes included) is not.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    Run run;
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.peakKb = usage.ru_maxrss;
    return run;
}

void BatchProcess(benchmark::State& state, std::vector<std::string> args)
{
    for (std::string& a : args)
        if (a.rfind("@", 0) == 0)
            a = OutputFolder() + "/" + a.substr(1);
    long peakKb = 0;
    for (auto _ : state) {
        const Run run = RunTool(args);
        if (run.status != 0) {
            failed = true;
            state.SkipWithError(("vartel-batch exited with " + std::to_string(run.status)).c_str());
            break;
        }
        peakKb = std::max(peakKb, run.peakKb);
    }
    state.counters["peak_rss_MB"] = static_cast<double>(peakKb) / 1024.0;
}

// "@name" is a file in the output folder.
BENCHMARK_CAPTURE(BatchProcess, years_0_no_files, std::vector<std::string>{"--years", "0"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BatchProcess, simple_full_run_data, std::vector<std::string>{"--data", "@x.txt"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BatchProcess, realistic_medium_full_run_data,
                  std::vector<std::string>{"--scenario", "6", "--data", "@x.txt"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BatchProcess, realistic_medium_events_data,
                  std::vector<std::string>{"--scenario", "6", "--event", "500:epidemic", "--event",
                                           "1500:population=100000", "--event", "2000:immigration-wave", "--data",
                                           "@x.txt"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BatchProcess, simple_full_run_data_and_pictures,
                  std::vector<std::string>{"--data", "@x.txt", "--graph", "@g.png", "--pyramid", "@p.png"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BatchProcess, simple_full_run_vector_pictures,
                  std::vector<std::string>{"--graph", "@g.emf", "--pyramid", "@p.svg"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (OutputFolder() != "/tmp")
        std::filesystem::remove_all(OutputFolder());
    return failed ? 1 : 0;
}
