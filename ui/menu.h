#pragma once

#include "shell/hits.h"

#include <initializer_list>
#include <vector>

#include "anim/event.h"

class Object;

// Every menu and dialog opens in a container under MENU_GLOBAL, dims the
// screen behind it, lets its panel grow out of the centre and closes by
// sending the container's slot 1, which makes every part vanish and deletes
// the container 500 ms later.

// Opens a menu: a container whose next draw runs `build` once (iparam1 = arg).
void create_default_menu_m(void (*build)(void*), int arg);

// The dimming backdrop behind a menu, under `parent` (null: the current
// object). Returns its vanishing slot.
event_and_command create_transparent_background_m(Object* parent);

// A menu panel: frame artwork from "langall.pak", text from the language
// archive, growing out of the centre to (x, y, z). Its vanishing slot is 1.
Object* create_default_background_m(const char* frame, const char* text, double x, double y, double z);

// The close slot of a menu container: forwards to every part's vanishing
// slot, then the container's own deletion after 500 ms.
void add_close_slot(Object* container, std::initializer_list<event_and_command> parts);
void add_close_slot(Object* container, const std::vector<event_and_command>& parts);

// The container's close slot has been sent (its deletion is under way).
bool menu_closing(const Object* container);

// The language archive of the current language.
const char* language_pak();

// The click sound of every accepted button.
void play_button_sound();

// A key-down of `sym` this frame that no one has taken yet; takes it.
bool take_key(int sym);

// Panel, fade and removal behaviours.
void emerge_scale_f(void* param);
void unmerge_scale_f(void* param);
void unmerge_transparency_f(void* param);
void plavnoe_narostanie_fona_f(void* param);
void plavnoe_zatuhanie_fona_f(void* param);
void default_menu_destroy(void* param);

// Close and cancel buttons; param is the object whose slot they send.
void when_mouse_select_button_cancel_f(void* target);        // first level, slot 1
void when_mouse_select_button_cancel_send2_f(void* target);  // first level, slot 2
void when_mouse_select_button_cancel_layer1_f(void* target); // second level, slot 1

constexpr int key_return = 13;
constexpr int key_escape = 27;
