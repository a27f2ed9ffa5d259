#pragma once

#include <vector>

class Object;

// Everything the child can choose on the screen now, one list per screen,
// in groups: on the base screen the tubes, the regions of the picture and
// the interface buttons; with a menu or dialog open, the widgets of the
// topmost one (buttons, check boxes, gallery tiles, language entries, the
// palette). Choosing one is what a click on it does. Play without a mouse
// walks this list; the soak's player clicks from it.
enum class Choice_group { tubes, picture, buttons, dialog };

struct Choice {
    Object* object;
    Choice_group group;
};

std::vector<Choice> choices_on_screen();
