// Stands in for the C library's close() in this test program: the program's
// code calls it like any other, and it goes on to the real one.
#include "failing_close.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>

namespace tarnwick::test {
namespace {

std::atomic<bool> pending{false};
std::mutex fragmentGuard;
std::string wanted;

bool isWantedOpenForWriting(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return false;
    char target[4096];
    const ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target);
    const std::lock_guard<std::mutex> hold(fragmentGuard);
    return n > 0 && std::string(target, std::size_t(n)).find(wanted) != std::string::npos;
}

// Only while a failure is pending does it look at the file, so that the rest
// of the test program closes as ever.
bool failsNow(int fd) { return pending && isWantedOpenForWriting(fd) && pending.exchange(false); }

}  // namespace

void failNextClose(const std::string& fragment) {
    const std::lock_guard<std::mutex> hold(fragmentGuard);
    wanted = fragment;
    pending = true;
}

bool closeFailurePending() { return pending; }

}  // namespace tarnwick::test

extern "C" int close(int fd) {
    using Close = int (*)(int);
    static const auto real = reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "close"));
    const bool fail = tarnwick::test::failsNow(fd);
    const int result = real(fd);
    if (!fail) return result;
    errno = EIO;
    return -1;
}
