#pragma once
#include <functional>
#include <string>

namespace tarnwick::test {

// Stand in for the C library's link() and renameat2() in this test program:
// while set, link() fails as on a file system without hard links (FAT, exFAT)
// and renameat2() cannot refuse a taken name, as on some FUSE mounts.
void failLinks(bool fail);

// Counts the calls that change a name (link, rename, renameat2, unlink) from
// now on, and before the `step`th (from 1) calls `atStep` in its place: a
// kill there (_exit) or another run's start. The step is then taken, unless
// `atStep` did not return; calls from then on are not counted.
void stopBeforeStep(int step, std::function<void()> atStep);

// Stops counting; true when the step was reached.
bool stepReached();

// While set, a rename() onto `name` fails (EIO) as a file system may refuse one.
void failRenamesTo(const std::string& name);

}  // namespace tarnwick::test
