#include "desktop_icon.h"

#include <cmath>

#include "common/font_raster.h"
#include "common/shapes.h"

Image make_desktop_icon(int size) {
    Image img(size, size);
    const float s = static_cast<float>(size);
    auto P = [s](float u, float v) { return Pt{u * s, v * s}; };
    fill(img, rounded_rect(0.03f * s, 0.03f * s, 0.97f * s, 0.97f * s, 0.2f * s),
         linear_gradient(P(0, 0), rgb(0x81D4FA), P(0, 1), rgb(0x0288D1)));
    // The palette: a rounded blob with a thumb hole and six dots of paint.
    const Shape palette = subtract(unite(ellipse(0.47f * s, 0.55f * s, 0.36f * s, 0.3f * s), circle(0.3f * s, 0.4f * s, 0.2f * s)),
                                   circle(0.36f * s, 0.68f * s, 0.07f * s));
    fill(img, translated(palette, 0.015f * s, 0.025f * s), Rgba{0, 0, 0, 0.3f}, 0.03f * s);
    fill(img, palette, rgb(0xFFE0B2));
    const int paints[] = {0xE53935, 0xFFB300, 0xFDD835, 0x43A047, 0x1E88E5, 0x8E24AA};
    const float dots[6][2] = {{0.25f, 0.42f}, {0.37f, 0.33f}, {0.51f, 0.32f}, {0.64f, 0.38f}, {0.7f, 0.52f}, {0.6f, 0.66f}};
    for (int i = 0; i < 6; ++i) fill(img, circle(dots[i][0] * s, dots[i][1] * s, 0.055f * s), rgb(paints[i]));
    // The brush across it, its tip loaded with red.
    fill(img, segment(P(0.58f, 0.62f), P(0.9f, 0.16f), 0.035f * s), rgb(0xFFD54F));
    fill(img, segment(P(0.52f, 0.71f), P(0.58f, 0.62f), 0.045f * s), rgb(0xB0BEC5));
    fill(img, polygon({P(0.47f, 0.69f), P(0.56f, 0.75f), P(0.43f, 0.86f)}), rgb(0xE53935));
    TextStyle st;
    st.colour = {1, 1, 1, 1};
    st.outline = rgb(0x01579B);
    st.outline_width = 0.015f * s;
    draw_text_fitted(img, bold_font(), "1 2 3", {0.08f * s, 0.8f * s, 0.6f * s, 0.96f * s}, 0.13f * s, st, false);
    return img;
}
