#pragma once

class Object;

// Where an object shows in the window, from the matrices of its models'
// last draw, in window pixels counted from the top left.
struct Screen_box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double depth = 1;  // window depth of its nearest corner, 0 at the eye's near plane, 1 at the far
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
    double centre_x() const { return (x0 + x1) / 2; }
    double centre_y() const { return (y0 + y1) / 2; }
    bool contains(double x, double y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// The box round the object's models (its children not counted); false when
// it has none drawn yet.
bool screen_box(const Object* o, Screen_box& out);

// The box round the object's triangles as the window shows them: tighter
// than screen_box round a turned or tilted thing (a tube), and slower.
bool screen_extent(const Object* o, Screen_box& out);

// A point on the object itself: the middle of its widest triangle, so it
// lies inside even a thin or hollow shape; false when it has none.
bool screen_point(const Object* o, double& x, double& y);
// A point well inside the object, for a mark laid over it: as far from its
// outline as a search over it finds (never nearer than screen_point's);
// `clearance`, when given, takes its distance from the outline.
bool screen_inner_point(const Object* o, double& x, double& y, double* clearance = nullptr);

// The cursor root draws in the eye's frame, 100 units further in: a window
// point carried to its plane `depth` units from the eye, and window pixels
// in units of that plane.
void to_cursor_plane(double x, double y, double depth, double& cx, double& cy);
double cursor_plane_units(double pixels, double depth);
// Puts a flat badge of the cursor root (a ring, a tick, a sparkle; drawn
// facing the viewer, radius 1) at window point (x, y), `radius` pixels.
void place_on_screen(Object* badge, double x, double y, double radius, double depth = 17.6);

// The window distance from (x, y) to the nearest of the object's
// triangles (0 inside one); a very large number when it has none.
double screen_distance(const Object* o, double x, double y);
