#include "game/page_ready.h"

#include "game/page_catalogue.h"
#include "res/media.h"

bool page_ready(int number, bool detailed) {
    const Page_source* p = find_page(number);
    if (!p || !p->has(detailed)) return false;
    // An archive open now has its bytes at hand whatever befalls its file.
    if (p->own() && media.is_open(p->archive(detailed).c_str())) return true;
    return recheck_own_page(number, detailed);
}
