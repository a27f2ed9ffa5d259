#pragma once

#include <cstdint>

class Object;

using page_builder = void (*)(void*);

// The catalogue: picture numbers and the builders of both variants, index i
// standing for picture i+1.
extern const int32_t pages_order[20];
extern const page_builder pages_pointers[20];
extern const page_builder hpages_pointers[20];

// Builds picture `picture` (1 to 20, or one of the child's own) of a
// variant under Object_curent, the fresh picture root: sheet, regions,
// overlay, palette and region count.
void build_page(int picture, bool detailed);

// The builder of the child's own pictures: builds the picture asked for
// last (request_picture) in its variant.
void own_page_f(void* param);

// The white sheet of a picture, and the frame its regions stand in, under
// a picture root (turned by -90 degrees about x as every picture root is).
Object* add_picture_sheet(Object* root, const char* pak);
Object* add_region_frame(Object* root);

// One region: pickable, drawn only once coloured, fading to its colour.
void create_page_element_f(const char* pak, const char* name, int id, int num, Object* parent);

// clang-format off
void page01_f(void*); void page02_f(void*); void page03_f(void*); void page04_f(void*); void page05_f(void*);
void page06_f(void*); void page07_f(void*); void page08_f(void*); void page09_f(void*); void page10_f(void*);
void page11_f(void*); void page12_f(void*); void page13_f(void*); void page14_f(void*); void page15_f(void*);
void page16_f(void*); void page17_f(void*); void page18_f(void*); void page19_f(void*); void page20_f(void*);
void hpage01_f(void*); void hpage02_f(void*); void hpage03_f(void*); void hpage04_f(void*); void hpage05_f(void*);
void hpage06_f(void*); void hpage07_f(void*); void hpage08_f(void*); void hpage09_f(void*); void hpage10_f(void*);
void hpage11_f(void*); void hpage12_f(void*); void hpage13_f(void*); void hpage14_f(void*); void hpage15_f(void*);
void hpage16_f(void*); void hpage17_f(void*); void hpage18_f(void*); void hpage19_f(void*); void hpage20_f(void*);
// clang-format on
