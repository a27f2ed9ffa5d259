#include "game/pages.h"

#include "anim/slot_builder.h"
#include "game/game_state.h"
#include "game/navigation.h"
#include "game/page_catalogue.h"
#include "game/page_table.h"
#include "game/painting.h"
#include "save/config.h"
#include "scene/object.h"
#include "shell/hits.h"

#define PINTABO_PAGE(nn, n)                          \
    void page##nn##_f(void*) { build_page(n, false); } \
    void hpage##nn##_f(void*) { build_page(n, true); }
PINTABO_PAGE(01, 1) PINTABO_PAGE(02, 2) PINTABO_PAGE(03, 3) PINTABO_PAGE(04, 4) PINTABO_PAGE(05, 5)
PINTABO_PAGE(06, 6) PINTABO_PAGE(07, 7) PINTABO_PAGE(08, 8) PINTABO_PAGE(09, 9) PINTABO_PAGE(10, 10)
PINTABO_PAGE(11, 11) PINTABO_PAGE(12, 12) PINTABO_PAGE(13, 13) PINTABO_PAGE(14, 14) PINTABO_PAGE(15, 15)
PINTABO_PAGE(16, 16) PINTABO_PAGE(17, 17) PINTABO_PAGE(18, 18) PINTABO_PAGE(19, 19) PINTABO_PAGE(20, 20)
#undef PINTABO_PAGE

int32_t requested_own_picture = 0;
void own_page_f(void*) { build_page(requested_own_picture, conf->detailed); }

const int32_t pages_order[20] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
const page_builder pages_pointers[20] = {
    page01_f, page02_f, page03_f, page04_f, page05_f, page06_f, page07_f, page08_f, page09_f, page10_f,
    page11_f, page12_f, page13_f, page14_f, page15_f, page16_f, page17_f, page18_f, page19_f, page20_f};
const page_builder hpages_pointers[20] = {
    hpage01_f, hpage02_f, hpage03_f, hpage04_f, hpage05_f, hpage06_f, hpage07_f, hpage08_f, hpage09_f, hpage10_f,
    hpage11_f, hpage12_f, hpage13_f, hpage14_f, hpage15_f, hpage16_f, hpage17_f, hpage18_f, hpage19_f, hpage20_f};

void create_page_element_f(const char* pak, const char* name, int id, int num, Object* parent) {
    Object* region = new Object();
    region->addfun(mouse_select, nullptr);
    region->add(pak, name);
    if (!conf->get_color_state(id)) region->visible = false;
    region->setcolor(0.8, 0.8, 0.8, region->alpha);
    Action fade = make_action(when_brush_select_scena_f);
    fade.iparam1 = id;
    fade.iparam2 = num;
    start_slot(region, {fade});
    parent->addlink(region);
}

Object* add_picture_sheet(Object* root, const char* pak) {
    Object* sheet = new Object();
    sheet->add(pak, "block");
    root->addlink(sheet);
    return sheet;
}

// The picture root lies turned by -90 degrees about x; the container turns
// the regions back.
Object* add_region_frame(Object* root) {
    Object* container = new Object();
    container->chrot(90.0, 0.0, 0.0);
    container->chposition(-11.716, -51.121, -14.607);
    root->addlink(container);
    return container;
}

void build_page(int picture, bool detailed) {
    // Its archive went between the request and now: the next one comes.
    if (!page_ready(picture, detailed)) {
        goto_page_after(picture);
        return;
    }
    const Page_source* source = find_page(picture);
    const PageFigures& figures = source->figures;
    const PageVariant& variant = source->variant(detailed);
    const std::string pak = source->archive(detailed);
    Object* root = Object_curent;

    conf->set_page(picture);

    Object* sheet = add_picture_sheet(root, pak.c_str());
    sheet->addfun(mouse_select, nullptr);

    if (no_clean_brush) {
        no_clean_brush = false;
    } else {
        brush_clean = true;
        color = Color(1.0, 1.0, 1.0);
    }

    Object* container = add_region_frame(root);

    COLORS_NUM = figures.tubes;
    if (conf->by_numbers)
        for (int i = 0; i < COLORS_NUM; ++i) conf->set_const_color(i, palette_color(figures.palette[i]));
    conf->set_quality(variant.total);

    for (const PageRegion& r : page_regions(variant))
        create_page_element_f(pak.c_str(), r.name.c_str(), r.id, r.num, container);

    Object* overlay = new Object();
    if (conf->by_numbers)
        overlay->add(pak.c_str(), "list_nums");
    else
        overlay->add("interface.pak", "list_nums_nodigits");
    overlay->add(pak.c_str(), "list_kontur");
    root->addlink(overlay);
    // The picture now on screen is the one the next start shows.
    save_progress();
}
