#pragma once
// Memory figures of this process from /proc/self/status.
#include <cstdlib>
#include <fstream>
#include <string>

namespace bench {

// A field such as "VmRSS" or "VmHWM" in KiB; -1 when it is not there.
inline long StatusKiB(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0) return std::atol(line.c_str() + prefix.size());
    return -1;
}

}  // namespace bench
