#include "support/file_size_limit.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace noktaris::test {

ChildOutcome runWithFileSizeLimit(rlim_t limit, const std::function<QByteArray()>& work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
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

} // namespace noktaris::test
