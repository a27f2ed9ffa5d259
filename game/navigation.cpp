#include "game/navigation.h"

#include <vector>

#include "game/game_state.h"
#include "game/page_catalogue.h"
#include "game/pages.h"
#include "save/config.h"
#include "shell/scene_loader.h"

namespace {

// The pictures the arrows go through: every one that has the variant the
// settings ask for, in the catalogue's order.
std::vector<int> shown_pictures() {
    std::vector<int> list;
    for (const Page_source& p : page_catalogue())
        if (p.has(conf->detailed)) list.push_back(p.number);
    return list;
}

int index_of(const std::vector<int>& list, int picture) {
    if (picture == 0) return -1;
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] == picture) return static_cast<int>(i);
    return -1;
}

void request(int picture) {
    if (picture >= 1 && picture <= 20) {
        novaia_scena = conf->detailed ? hpages_pointers[picture - 1] : pages_pointers[picture - 1];
    } else {
        requested_own_picture = picture;
        novaia_scena = own_page_f;
    }
    nado_meniat_scenu = true;
    // Another picture has tubes of its own in paint by numbers, whatever
    // an earlier request of this frame (a clear, say) wanted to keep.
    if (picture != conf->get_page()) ne_trogat_banki = false;
}

// Leaving a picture: its undo history no longer applies, and in free
// colouring the brush and the tubes stay (the free palette is shared).
void request_other(int picture) {
    request(picture);
    signal_show_back_button = false;
    if (!conf->by_numbers) {
        no_clean_brush = true;
        ne_trogat_banki = true;
    }
}

// The picture `by` places (1 or -1) from `from`, round the list, among the
// pictures that can be built now; 0 when none can. The list goes by number,
// so a picture that is not in it (one just dropped) still has neighbours.
int neighbour(int from, int by) {
    for (;;) {
        const std::vector<int> list = shown_pictures();
        if (list.empty()) return 0;
        int found = by > 0 ? list.front() : list.back();
        if (by > 0) {
            for (int n : list)
                if (n > from) {
                    found = n;
                    break;
                }
        } else {
            for (size_t i = list.size(); i-- > 0;)
                if (list[i] < from) {
                    found = list[i];
                    break;
                }
        }
        // One that cannot be built any more has left the list: look again.
        if (page_ready(found, conf->detailed)) return found;
    }
}

// With no picture on screen (none built yet) the arrows do nothing.
void step(int by) {
    if (conf->get_page() == 0) return;
    const int n = neighbour(conf->get_page(), by);
    if (n != 0) request_other(n);
}

}  // namespace

void goto_page_after(int picture) {
    const int n = neighbour(picture, 1);
    if (n != 0) request_other(n);
}

void goto_page(int n) {
    if (index_of(shown_pictures(), n) >= 0 && page_ready(n, conf->detailed)) request_other(n);
}

void next_page() { step(1); }

void prev_page() { step(-1); }

// Without a picture to show again (a first start, a page number no picture
// has, a picture of the child's own that is gone or lacks this variant),
// picture 1 is built, in the variant the settings say: its progress is read
// from and written to that variant's tables.
void default_page() {
    const int i = index_of(shown_pictures(), conf->get_page());
    request(i >= 0 && page_ready(conf->get_page(), conf->detailed) ? conf->get_page() : 1);
}
