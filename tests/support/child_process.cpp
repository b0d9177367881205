#include "support/child_process.h"

#include <csignal>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace noktaris::test {

ChildOutcome runInChild(const std::function<QByteArray()>& work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const QByteArray output = work();
        for (qsizetype done = 0; done < output.size();) {
            const ssize_t n = write(fds[1], output.constData() + done, std::size_t(output.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        _exit(0);
    }
    close(fds[1]);
    ChildOutcome outcome;
    char chunk[4096];
    for (ssize_t got; (got = read(fds[0], chunk, sizeof chunk)) > 0;)
        outcome.output.append(chunk, got);
    close(fds[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child) {
        outcome.exited = WIFEXITED(status);
        outcome.exitCode = outcome.exited ? WEXITSTATUS(status) : -1;
    }
    return outcome;
}

ChildOutcome runWithFileSizeLimit(rlim_t limit, const std::function<QByteArray()>& work)
{
    return runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        return work();
    });
}

ChildOutcome runAsOrdinaryUser(const std::function<QByteArray()>& work)
{
    return runInChild([&] {
        constexpr uid_t kNobody = 65534;
        if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
            return QByteArray("could not give up root");
        return work();
    });
}

} // namespace noktaris::test
