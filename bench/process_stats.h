#pragma once

#include <vector>

// What the benchmarks read about their own process and their frame times.

// Milliseconds since the process began: from PINTABO_BENCH_T0 (the launcher's
// CLOCK_REALTIME in nanoseconds, taken just before it started us) when set,
// else from the start time in /proc/self/stat, which counts in clock ticks
// (10 ms on most kernels).
double ms_since_process_start();

// Processor time used by all threads of the process so far, in ms.
double process_cpu_ms();

// A line's value in KiB from /proc/self/status, e.g. "VmHWM"; -1 when absent.
long status_kib(const char* field);

// The p-th percentile (0 < p <= 100) by the nearest-rank rule; 0 when empty.
double percentile(std::vector<double> values, double p);
