// A full disk without root: the work runs in a child process whose files may not
// grow past a limit (RLIMIT_FSIZE, with SIGXFSZ ignored so a write fails with EFBIG).
#pragma once

#include <QByteArray>

#include <functional>
#include <sys/resource.h>

namespace noktaris::test {

struct ChildOutcome {
    bool exited = false;   // ended normally, not killed by a signal
    int exitCode = -1;
    QByteArray output;     // what the work returned
};

// Runs `work` in a child whose files may not grow past `limit` bytes and hands back
// the bytes it returned. The parent's own files are not limited.
ChildOutcome runWithFileSizeLimit(rlim_t limit, const std::function<QByteArray()>& work);

} // namespace noktaris::test
