// Settings files for a machine of any shape, as an administrator might
// mistype them or a disk might garble them. Every fault must name a line of
// the text, say a printable key, and every effective value must read back
// as itself: what the game prints with --check-config is a file it takes
// again without a fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "save/machine_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Machine_settings s;
    std::vector<Setting_fault> faults;
    read_settings_text(text, "f", s, faults);

    size_t lines = 0;
    for (char c : text) lines += c == '\n';
    for (const Setting_fault& f : faults) {
        if (f.line < 1 || static_cast<size_t>(f.line) > lines + 1 || f.file != "f") std::abort();
        for (char c : f.key)
            if (c < 0x20 || c > 0x7e) std::abort();
    }
    if (s.language < 0 || s.language > 4) std::abort();
    if (!s.fullscreen && (s.window_width < 320 || s.window_height < 240)) std::abort();

    std::string again;
    for (int i = 0; i < setting_key_count; ++i) again += s.line(static_cast<Setting_key>(i)) + "  # as it came\n";
    Machine_settings read_again;
    std::vector<Setting_fault> none;
    read_settings_text(again, "g", read_again, none);
    if (!none.empty()) std::abort();
    for (int i = 0; i < setting_key_count; ++i) {
        const Setting_key key = static_cast<Setting_key>(i);
        if (read_again.value_text(key) != s.value_text(key)) std::abort();
    }
    return 0;
}
