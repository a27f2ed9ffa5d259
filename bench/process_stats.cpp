#include "process_stats.h"

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

double clock_ms(clockid_t id) {
    timespec t{};
    clock_gettime(id, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// Field 22 of /proc/self/stat: ticks from boot to the fork. The command name
// (field 2) may hold spaces, so counting starts after its closing parenthesis.
double start_ms_after_boot() {
    std::ifstream in("/proc/self/stat");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t paren = all.rfind(')');
    if (paren == std::string::npos) return -1.0;
    std::istringstream rest(all.substr(paren + 1));
    std::string field;
    for (int i = 3; i <= 22 && rest >> field; ++i) {
    }
    return std::atof(field.c_str()) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

double ms_since_process_start() {
    if (const char* t0 = std::getenv("PINTABO_BENCH_T0"))
        if (*t0) return clock_ms(CLOCK_REALTIME) - std::atof(t0) / 1e6;
    return clock_ms(CLOCK_BOOTTIME) - start_ms_after_boot();
}

double process_cpu_ms() { return clock_ms(CLOCK_PROCESS_CPUTIME_ID); }

long status_kib(const char* field) {
    std::ifstream status("/proc/self/status");
    const size_t n = std::strlen(field);
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, n, field) == 0 && line.size() > n && line[n] == ':') return std::atol(line.c_str() + n + 1);
    return -1;
}

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(p / 100.0 * static_cast<double>(values.size()));
    const size_t i = rank < 1.0 ? 0 : static_cast<size_t>(rank) - 1;
    return values[std::min(i, values.size() - 1)];
}
