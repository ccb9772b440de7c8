// Starts a program, the floor program, the floor of the program's own shape and any reference
// programs in turns, each with the start-up probe plugin, and reports the time from exec to the
// first window shown with the event loop idle, and the resident memory then: medians over the
// rounds, and the ratios of each to both floors. The platform is QT_QPA_PLATFORM's, offscreen
// when it is not set.
//
// nimbaro_startup_bench <rounds> <probe plugin folder> <program> <floor program>
//                       <floor of the program's shape> [<reference>...]
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double milliseconds = 0;
    double megabytes = 0;
    int widgets = 0;
    std::string windows;
};

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// The probe's report line, or nothing when the program ended without one.
std::optional<std::string> reportOf(const std::string& output) {
    const std::string mark = "startup-probe idle_ns=";
    const std::size_t start = output.find(mark);
    if (start == std::string::npos) {
        return std::nullopt;
    }
    return output.substr(start, output.find('\n', start) - start);
}

std::string field(const std::string& report, const std::string& name) {
    const std::size_t start = report.find(name + "=");
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t value = start + name.size() + 1;
    return report.substr(value, report.find(' ', value) - value);
}

std::optional<Run> startOnce(const std::string& program) {
    std::array<int, 2> pipe{};
    if (pipe2(pipe.data(), O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char> path(program.begin(), program.end());
    path.push_back('\0');
    char* arguments[] = {path.data(), nullptr};

    const long long started = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.data(), &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipe[1]);
    if (spawned != 0) {
        close(pipe[0]);
        return std::nullopt;
    }
    std::string output;
    std::array<char, 4096> buffer{};
    for (ssize_t count; (count = read(pipe[0], buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(count));
    }
    close(pipe[0]);
    int status = 0;
    waitpid(child, &status, 0);

    const std::optional<std::string> report = reportOf(output);
    if (!report || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    Run run;
    run.milliseconds = static_cast<double>(std::stoll(field(*report, "idle_ns")) - started) / 1e6;
    run.megabytes = std::stod(field(*report, "rss_kb")) / 1024.0;
    run.widgets = std::stoi(field(*report, "widgets"));
    run.windows = field(*report, "windows");
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Series {
    std::string path;
    std::vector<Run> runs;

    std::string name() const { return path.substr(path.find_last_of('/') + 1); }

    std::vector<double> times() const {
        std::vector<double> values;
        for (const Run& run : runs) {
            values.push_back(run.milliseconds);
        }
        return values;
    }
    std::vector<double> memories() const {
        std::vector<double> values;
        for (const Run& run : runs) {
            values.push_back(run.megabytes);
        }
        return values;
    }
};

double fastestTime(const Series& series) {
    const std::vector<double> times = series.times();
    return *std::min_element(times.begin(), times.end());
}

void printRow(const Series& series, const Series& floor, const Series& shapeFloor) {
    const std::vector<double> times = series.times();
    const auto [fastest, slowest] = std::minmax_element(times.begin(), times.end());
    const double time = median(times);
    const double memory = median(series.memories());
    std::printf(
        "%-16s %8.1f ms %8.1f ms %8.1f ms %6.2f x %6.2f x %6.1f MiB %6.2f x %6.2f x %7d   %s\n",
        series.name().c_str(), time, *fastest, *slowest, time / median(floor.times()),
        time / median(shapeFloor.times()), memory, memory / median(floor.memories()),
        memory / median(shapeFloor.memories()), series.runs.front().widgets,
        series.runs.front().windows.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::fprintf(stderr,
                     "usage: %s <rounds> <probe plugin folder> <program> <floor program> "
                     "<floor of the program's shape> [<reference program>...]\n",
                     argv[0]);
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    setenv("QT_PLUGIN_PATH", argv[2], 1);
    setenv("QT_QPA_GENERIC_PLUGINS", "nimbarostartupprobe", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<Series> programs;
    for (int i = 3; i < argc; ++i) {
        programs.push_back({argv[i], {}});
    }
    // One round to warm the file cache, then the measured rounds, the order reversing from
    // one round to the next so that a change of load on the machine hits every program alike.
    for (int round = -1; round < rounds; ++round) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            Series& series = programs[round % 2 == 0 ? turn : programs.size() - 1 - turn];
            const std::optional<Run> run = startOnce(series.path);
            if (!run) {
                std::fprintf(stderr, "%s did not report a shown, idle window\n",
                             series.path.c_str());
                return 1;
            }
            if (round >= 0) {
                series.runs.push_back(*run);
            }
        }
    }

    std::printf("start-up to the first window shown and idle, %d rounds, %s platform\n", rounds,
                std::getenv("QT_QPA_PLATFORM"));
    std::printf("%-16s %11s %11s %11s %8s %8s %11s %8s %8s %7s   %s\n", "program", "median",
                "fastest", "slowest", "x floor", "x menu", "memory", "x floor", "x menu", "widgets",
                "top-level widgets at idle");
    const Series& program = programs[0];
    const Series& floor = programs[1];
    const Series& shapeFloor = programs[2];
    for (const Series& series : programs) {
        printRow(series, floor, shapeFloor);
    }
    std::printf("%s against %s: median %.2f x, fastest %.2f x, memory %.2f x\n",
                program.name().c_str(), shapeFloor.name().c_str(),
                median(program.times()) / median(shapeFloor.times()),
                fastestTime(program) / fastestTime(shapeFloor),
                median(program.memories()) / median(shapeFloor.memories()));
    std::printf("startup %.2f x bare Qt, memory %.2f x bare Qt\n",
                median(program.times()) / median(floor.times()),
                median(program.memories()) / median(floor.memories()));
    return 0;
}
