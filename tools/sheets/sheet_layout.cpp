#include "sheet_layout.h"

#include <algorithm>

namespace {

// Half an inch all round keeps clear of every home printer's unprintable edge.
constexpr double kMargin = 36;
constexpr double kTitleSize = 18;
constexpr double kGap = 18;     // between the title and the picture
constexpr double kKeyGap = 28;  // between the picture and the key
// The key: squares of paint large enough to match a crayon against, in one
// row, each with its number under it.
constexpr double kSwatch = 40;
constexpr double kSwatchGap = 14;
constexpr double kNumberSize = 18;

}  // namespace

SheetLayout layout_sheet(PaperSize paper, SheetPoint low, SheetPoint high, int colours) {
    SheetLayout l;
    l.margin = kMargin;
    l.title_size = kTitleSize;
    l.title = {kMargin, kMargin, paper.width - 2 * kMargin, kTitleSize};
    l.number_size = kNumberSize;

    const double inner_w = paper.width - 2 * kMargin;
    const int n = std::max(colours, 1);
    // Many colours shrink the squares so the row still fits between the margins.
    const double swatch = std::min(kSwatch, (inner_w - (n - 1) * kSwatchGap) / n);
    const double key_h = swatch + kNumberSize * 1.5;

    // The picture as large as the space between the title and the key
    // allows, and the key right under it: a picture wider than the page is
    // tall leaves its spare paper at the bottom, all in one place.
    const double top = l.title.y + l.title.h + kGap;
    const double room = paper.height - kMargin - key_h - kKeyGap - top;
    const double w = std::max(high.x - low.x, 1e-9), h = std::max(high.y - low.y, 1e-9);
    l.scale = std::min(inner_w / w, room / h);
    l.low = low;
    l.high = high;
    l.drawing.w = w * l.scale;
    l.drawing.h = h * l.scale;
    l.drawing.x = kMargin + (inner_w - l.drawing.w) / 2;
    l.drawing.y = top;

    const double key_top = l.drawing.y + l.drawing.h + kKeyGap;
    const double row_w = n * swatch + (n - 1) * kSwatchGap;
    for (int i = 0; i < colours; ++i)
        l.swatches.push_back({kMargin + (inner_w - row_w) / 2 + i * (swatch + kSwatchGap), key_top, swatch, swatch});
    l.number_baseline = key_top + swatch + kNumberSize * 1.2;
    return l;
}
