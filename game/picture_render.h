#pragma once

class Object;
class Offscreen;

// The child's own painting of a picture, drawn away from the screen: the
// sheet, every painted region in the colour it was painted (by numbers: its
// tube's colour, a colour of the child's own included; free colouring: the
// colour the child chose), the outlines over them, and no numbers. The
// gallery draws its thumbnails so; a picture saved as an image is drawn so.

// How far a picture is painted in the current mode and variant.
struct Picture_progress {
    int painted = 0;
    int total = 0;
    bool finished() const { return total > 0 && painted >= total; }
    bool begun() const { return painted > 0; }
};
Picture_progress picture_progress(int number, bool detailed);

// The picture's tree in the painting the settings hold for the current mode
// (none: null). Not linked anywhere; free it with Object::destroy_tree.
Object* build_painted_picture(int number, bool detailed);

// Draws such a tree into `into` (a texture or a plain framebuffer), the
// picture's sheet filling it, its top row in the framebuffer's first row
// (a texture's t = 0, an image file's first row), through `work`, a
// framebuffer of the same size that may be multisampled and must hold depth. Leaves the window's
// drawing state as it found it, so it may run in the middle of a frame.
bool draw_picture_offscreen(Object* picture, Offscreen& work, Offscreen& into);
