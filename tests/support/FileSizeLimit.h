#pragma once
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace zort::test {

// Runs fn with the files of the process limited to `bytes`: a write beyond the limit
// fails (EFBIG) as on a full disk, even for an administrator, instead of ending the
// process with SIGXFSZ.
inline void withFileSizeLimit(rlim_t bytes, const std::function<void()>& fn) {
    struct sigaction ignore {}, old {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &old);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
    fn();
    setrlimit(RLIMIT_FSIZE, &before);
    sigaction(SIGXFSZ, &old, nullptr);
}

} // namespace zort::test
