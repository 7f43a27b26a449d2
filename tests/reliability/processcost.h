#pragma once
// What a piece of work cost this process: bytes read from files and the
// growth of its peak resident memory. Used to show that hostile input is
// handled in one pass and bounded memory, without timing anything.

#include <cstdint>

class CostMeter {
public:
    // Starts measuring: resets the peak memory mark to the current use.
    CostMeter();

    // Bytes the process read through read calls since the start.
    uint64_t BytesRead() const;
    // How far the peak resident memory rose above the use at the start, in KiB.
    uint64_t PeakGrowthKiB() const;

private:
    uint64_t startRead;
    uint64_t startResident;
};
