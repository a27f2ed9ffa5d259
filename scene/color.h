#pragma once

// A colour of three doubles, each normally 0.0 to 1.0. Compared exactly:
// white (1, 1, 1) stands for an uncoloured region, so no tolerance is wanted.
struct Color {
    double r = 0.0, g = 0.0, b = 0.0;

    Color() = default;
    Color(double red, double green, double blue) : r(red), g(green), b(blue) {}

    void set_color(double red, double green, double blue) {
        r = red;
        g = green;
        b = blue;
    }
    bool eq(Color c) const { return r == c.r && g == c.g && b == c.b; }
};
