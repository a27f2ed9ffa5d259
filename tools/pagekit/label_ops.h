#pragma once

#include <cstdint>
#include <vector>

// Clean-up operations on a label image (one int per pixel, row-major, w x h).

// Takes away every part of a label's area that no disk of `radius` pixels
// inside that area covers (slivers, thin necks, tiny specks) and hands those
// pixels to the nearest remaining area.
// With `active`, only marked pixels are taken away or handed out.
void remove_thin_parts(std::vector<int>& labels, int w, int h, float radius,
                       const std::vector<uint8_t>* active = nullptr);

// Removes every place where one label's pixels touch only across a corner
// (a 2x2 block with the same label on one diagonal and others on the
// other). Afterwards each label passes through any pixel corner at most
// once, so its borders trace as simple rings. Returns the pixels changed.
int fix_diagonal_contacts(std::vector<int>& labels, int w, int h);

// Gives every pixel marked in `drop` the label of the nearest unmarked
// pixel (breadth first, 4-neighbours, raster order on ties). With `active`,
// pixels not marked there are left alone and pass nothing on.
// With `other_first`, a pixel first goes to a label other than its own, so
// that a dropped neck really parts the areas on either side of it.
void reassign_to_neighbours(std::vector<int>& labels, int w, int h, const std::vector<uint8_t>& drop,
                            const std::vector<uint8_t>* active = nullptr, bool other_first = false);

// Numbers the 4-connected pieces of equal label 0, 1, ... in raster order of
// their first pixel; returns the piece of every pixel and sets `count`.
std::vector<int> connected_pieces(const std::vector<int>& labels, int w, int h, int& count);
