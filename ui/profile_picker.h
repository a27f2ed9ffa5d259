#pragma once

class Object;

// "Who is painting?": the children of this account as big round pictures,
// an animal on a colour each, one click to choose. It opens at the start
// when there is more than one child, and from the top row's button. Below
// them, behind the parent's gate, a "+" adds a child, a pencil lets a
// grown-up type a child's name (drawn under the picture) and a "-" takes
// one out (asking once more; the child's file is kept as a backup).

// Whether the machine's settings allow more than one child.
extern bool profiles_allowed;

// Opens the picker as a first-level menu.
void open_profile_picker();

void create_profile_picker_f(void* param);
void when_mouse_select_child_f(void* container);
void when_mouse_select_add_child_f(void* container);
void when_mouse_select_remove_children_f(void* container);
void when_mouse_select_name_children_f(void* container);

// The plate of child's name on the open picker, or null (for tests).
Object* picker_name_plate(int child);

// A grown-up is typing a child's name: the keyboard is the picker's.
bool picker_taking_keys();
void when_mouse_select_remove_child_ok_f(void* container);

// The children's discs on the open picker (for tests), in list order.
int picker_children_shown();
