// An archive of the player's own pictures folder, of any shape: the check
// must keep within its bytes, and what it accepts must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "game/page_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const PageArchiveCheck check = check_page_archive(data, size);
    if (!check.error.empty()) return 0;
    // Accepted: the counts add up, every colour has a tube, the name shows.
    int sum = 0;
    for (int c = 0; c < 9; ++c) {
        sum += check.info.variant.regions[c];
        if (c >= check.info.tubes && check.info.variant.regions[c] != 0) std::abort();
    }
    if (sum != check.info.variant.total || !check_page_name(check.info.name).empty()) std::abort();
    return 0;
}
