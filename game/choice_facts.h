#pragma once

class Object;

// What a thing the child can choose is, in the game's own terms: a region
// of the picture (its id, its 0-based colour number, painted or not) or a
// tube (its 1-based number); and which number the brush carries.

struct Region_facts {
    int id = 0;
    int num = 0;  // 0-based colour number; 9 for a fixed region
    bool painted = false;
};
// False when `o` is no region of the picture.
bool region_facts(const Object* o, Region_facts& out);

// The tube's 1-based number, 0 when `o` is no tube.
int tube_number(const Object* o);

// The 0-based colour number of the paint on the brush in paint by numbers,
// -1 in free colouring or with a clean brush.
int brush_number();
