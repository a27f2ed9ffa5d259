#pragma once

// The parent's gate: before something a young child should not do alone
// (adding or removing a child, clearing every picture, the web, printing,
// bringing in a picture) a dialog shows three numbers as words in the
// game's language and a keypad of figures; pressing the three in order
// lets the action through. A reader answers at once; a child who cannot
// read yet does not. Nothing needs holding or timing. A wrong key starts
// the three again.
//
// The dialog opens over a menu (the second level); the caller's menu stays.

// Whether the gate is asked at all (a machine's settings may turn it off).
extern bool parent_gate_wanted;

// Runs `then(arg)` once a grown-up has answered (at once without the gate).
void ask_parent(void (*then)(int), int arg);

// The numbers the open gate asks for, 1 to 9 each (0 when none is open),
// for tests that answer it.
int parent_gate_number(int i);

void create_parent_gate_f(void* param);
void when_mouse_select_gate_key_f(void* container);
