#pragma once
#include <initializer_list>
#include <string>

namespace tarnwick::test {

// The bytes of a pattern or set file holding these lines, each ended by CR LF.
inline std::string lines(std::initializer_list<const char*> values) {
    std::string bytes;
    for (const char* v : values) bytes += std::string(v) + "\r\n";
    return bytes;
}

}  // namespace tarnwick::test
