#include "processcost.h"

#include <fstream>
#include <string>

namespace {

// A "Name: value" field of a /proc/self file, or 0.
uint64_t ProcField(const char* file, const std::string& name) {
    std::ifstream in(file);
    std::string key;
    uint64_t value = 0;
    while (in >> key) {
        if (key == name) {
            in >> value;
            return value;
        }
        in.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace

CostMeter::CostMeter() {
    // "5" resets the peak resident set size (VmHWM) to the current one.
    std::ofstream("/proc/self/clear_refs") << "5";
    startResident = ProcField("/proc/self/status", "VmRSS:");
    startRead = ProcField("/proc/self/io", "rchar:");
}

uint64_t CostMeter::BytesRead() const { return ProcField("/proc/self/io", "rchar:") - startRead; }

uint64_t CostMeter::PeakGrowthKiB() const {
    const uint64_t peak = ProcField("/proc/self/status", "VmHWM:");
    return peak > startResident ? peak - startResident : 0;
}
