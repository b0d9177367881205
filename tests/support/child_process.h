// Faults the program must survive, played in a child process so that the test
// itself is not touched: a full disk (the child's files may not grow past a limit:
// RLIMIT_FSIZE, with SIGXFSZ ignored so a write fails with EFBIG) and an ordinary
// user's permissions (the child gives up root).
#pragma once

#include <QByteArray>

#include <functional>
#include <sys/resource.h>

namespace noktaris::test {

struct ChildOutcome {
    bool exited = false; // ended normally, not killed by a signal
    int exitCode = -1;
    QByteArray output; // what the work returned
};

// Runs `work` in a child process and hands back the bytes it returned.
ChildOutcome runInChild(const std::function<QByteArray()>& work);
// The same in a child whose files may not grow past `limit` bytes.
ChildOutcome runWithFileSizeLimit(rlim_t limit, const std::function<QByteArray()>& work);
// The same in a child that runs as the user "nobody" when the tests run as root.
ChildOutcome runAsOrdinaryUser(const std::function<QByteArray()>& work);

} // namespace noktaris::test
