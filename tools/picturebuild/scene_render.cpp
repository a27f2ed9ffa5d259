#include "scene_render.h"

#include "picture_table.h"
#include "raster.h"

Image render_scene(const Scene& scene, int picture) {
    const std::vector<int> colours = rasterise(scene);
    const PictureInfo& info = picture_info(picture);
    Image out(Grid::w / 2, Grid::h / 2);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const int c = colour_of_key(colours[static_cast<size_t>(2 * y) * Grid::w + 2 * x]);
            out.set(x, y, c == 0 ? Rgba{1, 0, 1, 1} : rgb(static_cast<int>(palette_colour(info, c))));
        }
    return out;
}
