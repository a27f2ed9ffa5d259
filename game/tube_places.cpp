#include "game/tubes.h"

namespace {

const unsigned char kFreePalette[free_tube_count][3] = {
    {255, 255, 255}, {255, 255, 0}, {255, 204, 51}, {255, 153, 0}, {255, 0, 0},    {255, 102, 102},
    {255, 204, 204}, {204, 0, 204}, {153, 51, 204}, {0, 0, 255},   {102, 0, 153},  {0, 204, 255},
    {0, 204, 153},   {102, 153, 102}, {204, 204, 0}, {153, 204, 0}, {102, 102, 0}, {51, 51, 51},
};

// Free colouring: two columns, even tubes on the left.
const double kFreeEvenY[9] = {5.426, 4.0, 2.575, 1.149, -0.277, -1.703, -3.128, -4.554, -5.98};
const double kFreeOddY[9] = {5.575, 4.149, 2.724, 1.298, -0.128, -1.554, -2.979, -4.405, -5.831};

// Paint by numbers: a column whose height depends on the tube count.
const double kNumberedX[10] = {0.0, 0.0, 0.0, -10.1, -10.1, -9.857, -9.857, -9.857, -9.857, -9.857};
const double kNumberedY[10][9] = {
    {},
    {-8.2},
    {-8.2, -8.2},
    {6.262, -4.909, -3.557},
    {6.262, -4.909, -3.557, -2.204},
    {2.576, 1.224, -0.129, -1.482, -2.835},
    {3.569, 2.182, 0.795, -0.592, -1.979, -3.366},
    {3.929, 2.576, 1.224, -0.129, -1.482, -2.835, -4.188},
    {4.956, 3.569, 2.182, 0.795, -0.592, -1.979, -3.366, -4.753},
    {5.282, 3.929, 2.576, 1.224, -0.129, -1.482, -2.835, -4.188, -5.541},
};

}  // namespace

Color free_palette_color(int i) {
    if (i < 0 || i >= free_tube_count) return Color(1.0, 1.0, 1.0);
    const unsigned char* c = kFreePalette[i];
    return Color(c[0] / 256.0, c[1] / 256.0, c[2] / 256.0);
}

// Outside the tables a tube stands at the middle of the left edge.
TubePlace tube_place(int i, int n, bool by_numbers) {
    if (!by_numbers) {
        if (i < 0 || i >= free_tube_count) return {-11.54, 0.0, 75.0};
        return i % 2 == 0 ? TubePlace{-11.54, kFreeEvenY[i / 2], 75.0} : TubePlace{-9.983, kFreeOddY[i / 2], 75.0};
    }
    if (n < 1 || n > 9 || i < 0 || i >= n) return {-9.857, 0.0, 77.0};
    const double x = n == 2 ? (i == 0 ? -2.5 : 0.0) : kNumberedX[n];
    return {x, kNumberedY[n][i], 77.0};
}
