#pragma once
#include <string>

namespace tarnwick::test {

// Makes the next close of a file open for writing whose path holds `fragment`
// report an error after it closed the file, as a network file system or a
// full quota does with a write it could only try at the end.
void failNextClose(const std::string& fragment);

// True while that failure has not been met.
bool closeFailurePending();

}  // namespace tarnwick::test
