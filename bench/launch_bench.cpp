// Whole-process runs of programs, alternating: the time from the start of the child
// to its exit, and its peak resident memory (ru_maxrss from wait4), as medians.
//
//   launch_bench RUNS WARM-UP NAME COMMAND [ARGUMENT...] [::: NAME COMMAND [ARGUMENT...]]...
//
// Every command runs RUNS times after WARM-UP unmeasured runs (the files in the
// page cache); the order alternates A B B A ..., so that all commands see the
// machine alike. The child's output goes to /dev/null and its error output to the
// file in NOKTARIS_LAUNCH_LOG (or /dev/null). A run that does not end within
// 10 s is killed and counted as failed, as is a run that does not exit with 0.
// One line per command, tab-separated:
//   launch NAME median-ms min-ms max-ms median-maxrss-KiB min-KiB max-KiB runs failed median-cpu-ms
// (cpu: the child's user and system time, ru_utime + ru_stime, less swayed by the
// machine's other load than the elapsed time).
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Command {
    std::string name;
    std::vector<char*> argv; // ends with nullptr
    std::vector<double> ms;
    std::vector<long> maxrssKiB;
    std::vector<double> cpuMs;
    int failed = 0;
};

struct Outcome {
    double ms = 0;
    long maxrssKiB = 0;
    double cpuMs = 0;
    bool ok = false;
};

Outcome runOnce(const Command& command, const char* log)
{
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&files, 2, log, O_WRONLY | O_CREAT | O_APPEND, 0644);
    // SIGCHLD is blocked here for sigtimedwait; the child starts with no signal blocked.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);

    Outcome outcome;
    pid_t pid = 0;
    const auto begin = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, command.argv[0], &files, &attributes, command.argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        std::fprintf(stderr, "launch_bench: cannot start %s: %s\n", command.argv[0], std::strerror(spawned));
        return outcome;
    }
    sigset_t child;
    sigemptyset(&child);
    sigaddset(&child, SIGCHLD);
    const timespec limit{10, 0};
    int status = 0;
    rusage usage{};
    for (;;) {
        // A SIGCHLD of an earlier child may still be pending: wait4 tells.
        const pid_t ended = wait4(pid, &status, WNOHANG, &usage);
        if (ended == pid)
            break;
        if (sigtimedwait(&child, nullptr, &limit) < 0 && errno == EAGAIN) {
            std::fprintf(stderr, "launch_bench: %s did not end within 10 s, killed\n", command.name.c_str());
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            return outcome;
        }
    }
    const auto end = std::chrono::steady_clock::now();
    outcome.ms = std::chrono::duration<double, std::milli>(end - begin).count();
    outcome.maxrssKiB = usage.ru_maxrss;
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1000.0 + double(t.tv_usec) / 1000.0; };
    outcome.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    outcome.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!outcome.ok)
        std::fprintf(stderr, "launch_bench: %s ended with status %d\n", command.name.c_str(), status);
    return outcome;
}

template <class T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T{} : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS WARM-UP NAME COMMAND [ARGUMENT...] [::: NAME COMMAND ...]...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmUp = std::atoi(argv[2]);
    std::vector<Command> commands;
    for (int i = 3; i < argc;) {
        Command command;
        command.name = argv[i++];
        while (i < argc && std::strcmp(argv[i], ":::") != 0)
            command.argv.push_back(argv[i++]);
        ++i;
        if (command.argv.empty()) {
            std::fprintf(stderr, "launch_bench: no command for %s\n", command.name.c_str());
            return 2;
        }
        command.argv.push_back(nullptr);
        commands.push_back(std::move(command));
    }
    const char* log = std::getenv("NOKTARIS_LAUNCH_LOG");
    if (!log || !*log)
        log = "/dev/null";

    sigset_t child;
    sigemptyset(&child);
    sigaddset(&child, SIGCHLD);
    sigprocmask(SIG_BLOCK, &child, nullptr);

    for (int round = 0; round < warmUp + runs; ++round) {
        for (std::size_t k = 0; k < commands.size(); ++k) {
            Command& command = commands[round % 2 ? commands.size() - 1 - k : k];
            const Outcome outcome = runOnce(command, log);
            if (round < warmUp)
                continue;
            if (!outcome.ok) {
                ++command.failed;
                continue;
            }
            command.ms.push_back(outcome.ms);
            command.maxrssKiB.push_back(outcome.maxrssKiB);
            command.cpuMs.push_back(outcome.cpuMs);
        }
    }
    for (const Command& command : commands) {
        const auto [fastest, slowest] = std::minmax_element(command.ms.begin(), command.ms.end());
        const auto [least, most] = std::minmax_element(command.maxrssKiB.begin(), command.maxrssKiB.end());
        const bool any = !command.ms.empty();
        std::printf("launch\t%s\t%.2f\t%.2f\t%.2f\t%ld\t%ld\t%ld\t%zu\t%d\t%.2f\n", command.name.c_str(),
                    median(command.ms), any ? *fastest : 0.0, any ? *slowest : 0.0, median(command.maxrssKiB),
                    any ? *least : 0L, any ? *most : 0L, command.ms.size(), command.failed, median(command.cpuMs));
    }
    return 0;
}
