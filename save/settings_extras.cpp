#include "save/settings_extras.h"

#include <sstream>

#include "save/config.h"
#include "save/decimal.h"

namespace {

const char* const kFirstLine = "pintabo options 1";

bool read_int(const std::string& text, int low, int high, int32_t& out) { return read_decimal(text, 3, low, high, out); }

}  // namespace

std::string settings_extras(const Config& c) {
    std::ostringstream out;
    if (c.switch_scanning != 0) out << "switches=" << c.switch_scanning << "\n";
    if (c.scan_speed != 1) out << "scan-speed=" << c.scan_speed << "\n";
    const std::string options = out.str();
    return options.empty() ? options : std::string(kFirstLine) + "\n" + options;
}

void read_settings_extras(const std::string& block, Config& c) {
    std::istringstream in(block);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return;
    while (std::getline(in, line)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "switches") read_int(value, 0, 2, c.switch_scanning);
        if (key == "scan-speed") read_int(value, 0, 2, c.scan_speed);
    }
}
