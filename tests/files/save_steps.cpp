// Stands in for the C library's calls that change names in this test program:
// the program's code calls them like any other, and they go on to the real ones.
#include "save_steps.h"

#include <dlfcn.h>
#include <fcntl.h>

#include <cerrno>
#include <cstdio>

namespace tarnwick::test {
namespace {

bool linksFail = false;
int stepsLeft = 0;  // 0: not counting
bool reached = false;
std::function<void()> hook;
std::string refusedName;

void beforeStep() {
    if (stepsLeft == 0 || --stepsLeft > 0) return;
    reached = true;
    const std::function<void()> run = std::move(hook);
    run();
}

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

void failLinks(bool fail) { linksFail = fail; }

void stopBeforeStep(int step, std::function<void()> atStep) {
    hook = std::move(atStep);
    reached = false;
    stepsLeft = step;
}

void failRenamesTo(const std::string& name) { refusedName = name; }

bool stepReached() {
    stepsLeft = 0;
    hook = nullptr;
    return reached;
}

}  // namespace tarnwick::test

using tarnwick::test::beforeStep;

extern "C" int link(const char* from, const char* to) {
    static const auto call = tarnwick::test::real<int (*)(const char*, const char*)>("link");
    beforeStep();
    if (!tarnwick::test::linksFail) return call(from, to);
    errno = EPERM;
    return -1;
}

extern "C" int rename(const char* from, const char* to) {
    static const auto call = tarnwick::test::real<int (*)(const char*, const char*)>("rename");
    beforeStep();
    if (tarnwick::test::refusedName.empty() || tarnwick::test::refusedName != to) return call(from, to);
    errno = EIO;
    return -1;
}

extern "C" int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    static const auto call = tarnwick::test::real<int (*)(int, const char*, int, const char*, unsigned)>("renameat2");
    beforeStep();
    if (!tarnwick::test::linksFail || flags == 0) return call(fromDir, from, toDir, to, flags);
    errno = EINVAL;
    return -1;
}

extern "C" int unlink(const char* name) {
    static const auto call = tarnwick::test::real<int (*)(const char*)>("unlink");
    beforeStep();
    return call(name);
}
