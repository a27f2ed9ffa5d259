#pragma once

#include <string>

#include "common/image.h"
#include "common/shapes.h"
#include "scene/model_writer.h"

// A flat piece of artwork: a rectangle of the frame it is drawn in (x to
// the right, z up, facing -y) and an image with square pixels covering it.
// The image is padded to powers of two; the quad shows only the part that
// covers the rectangle. Drawing code works in scene units through at(),
// box() and len(), so layout numbers stay in one unit everywhere.
class Sheet {
public:
    Sheet(double x0, double x1, double z0, double z1, double px_per_unit);

    Image& image() { return img_; }
    const Image& image() const { return img_; }

    // Image pixel of the scene point (x, z).
    Pt at(double x, double z) const;
    // Image box of the scene rectangle.
    Box box(double x0, double x1, double z0, double z1) const;
    // Box of a rectangle given by its centre and size.
    Box box_around(double cx, double cz, double w, double h) const;
    // A scene length in pixels.
    float len(double units) const { return static_cast<float>(units * ppu_); }

    // The quad at depth y, its texture named `texture`.
    Mesh quad(const std::string& texture, double y) const;

    double x0() const { return x0_; }
    double x1() const { return x1_; }
    double z0() const { return z0_; }
    double z1() const { return z1_; }

private:
    double x0_, x1_, z0_, z1_, ppu_;
    int used_w_, used_h_;
    Image img_;
};
