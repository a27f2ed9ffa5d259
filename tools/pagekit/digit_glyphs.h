#pragma once

#include <string>
#include <vector>

#include "geometry.h"

// Outlines of the digits 0 to 9 of a TrueType face, as rings scaled so each
// digit stands exactly 1 unit high, centred on (0, 0). Curves are flattened
// finely enough for digits a few centimetres tall on screen.
class DigitGlyphs {
public:
    explicit DigitGlyphs(const std::string& font_path);

    bool ok() const { return ok_; }
    const std::vector<Ring>& outline(int digit) const { return rings_[digit]; }
    double width(int digit) const { return width_[digit]; }  // in digit heights

private:
    bool ok_ = false;
    std::vector<Ring> rings_[10];
    double width_[10] = {};
};
