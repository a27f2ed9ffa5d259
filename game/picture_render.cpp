#include "game/picture_render.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "anim/action.h"
#include "game/page_catalogue.h"
#include "game/page_table.h"
#include "game/pages.h"
#include "res/drawn_resources.h"
#include "save/config.h"
#include "scene/draw_blend.h"
#include "scene/draw_list.h"
#include "scene/model.h"
#include "scene/object.h"
#include "shell/offscreen.h"
#include "shell/scena.h"

namespace {

int settings_index(int number) {
    if (!conf) return -1;
    for (size_t i = 0; i < conf->pages.size(); ++i)
        if (conf->pages[i] == number) return static_cast<int>(i);
    return -1;
}

template <class Table>
auto find_uid(const Table& table, int uid) -> decltype(&table[0]) {
    for (const auto& record : table)
        if (record.uid == uid) return &record;
    return nullptr;
}

// The colour region `r` shows when painted in the current mode; false when
// it is not painted.
bool painted_colour(int index, const PageFigures& figures, bool detailed, const PageRegion& r, Color& out) {
    if (index < 0) return false;
    const size_t i = static_cast<size_t>(index);
    if (conf->by_numbers) {
        const Piece_qor* p = find_uid(detailed ? conf->hpieces_qor[i] : conf->pieces_qor[i], r.id);
        if (!p || p->num < 0 || p->num >= figures.tubes) return false;
        const Custom_color* own = find_uid(conf->custom_colors_qor[i], p->num);
        out = own ? own->color : palette_color(figures.palette[p->num]);
        return true;
    }
    const Piece* p = find_uid(detailed ? conf->hpieces[i] : conf->pieces[i], r.id);
    if (!p) return false;
    out = p->color;
    return true;
}

const PageVariant& variant_of(const PageFigures& f, bool detailed) { return detailed ? f.detailed : f.simple; }

}  // namespace

Picture_progress picture_progress(int number, bool detailed) {
    Picture_progress p;
    const Page_source* source = find_page(number);
    if (!source || !source->has(detailed)) return p;
    const PageFigures& f = source->figures;
    p.total = variant_of(f, detailed).total;
    const int index = settings_index(number);
    Color unused;
    for (const PageRegion& r : page_regions(variant_of(f, detailed)))
        if (r.num != 9 && painted_colour(index, f, detailed, r, unused)) ++p.painted;
    return p;
}

Object* build_painted_picture(int number, bool detailed) {
    if (!conf || !page_ready(number, detailed)) return nullptr;
    const Page_source* source = find_page(number);
    const PageFigures& f = source->figures;
    const std::string pak = source->archive(detailed);
    const int index = settings_index(number);
    Object* root = new Object();
    root->chrot(-90.0, 0.0, 0.0);
    add_picture_sheet(root, pak.c_str());
    Object* frame = add_region_frame(root);
    for (const PageRegion& r : page_regions(variant_of(f, detailed))) {
        Color c;
        if (!painted_colour(index, f, detailed, r, c)) continue;
        Object* region = new Object();
        region->add(pak.c_str(), r.name.c_str());
        region->setcolor(c.r, c.g, c.b, 1.0);
        frame->addlink(region);
    }
    Object* outlines = new Object();
    outlines->add(pak.c_str(), "list_kontur");
    root->addlink(outlines);
    return root;
}

namespace {

// Everything a frame in progress holds that drawing a tree of our own
// would disturb, kept aside and put back.
class Frame_aside {
public:
    Frame_aside() : target_(draw_list_target), state_(draw_state), object_(Object_curent), action_(Action_curent) {
        queued_.swap(draw_blend_models.models);
        glGetIntegerv(GL_VIEWPORT, viewport_);
        glGetFloatv(GL_COLOR_CLEAR_VALUE, clear_);
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
    }
    ~Frame_aside() {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
        glClearColor(clear_[0], clear_[1], clear_[2], clear_[3]);
        Offscreen::draw_to_window(viewport_[2], viewport_[3]);
        glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
        draw_blend_models.models.swap(queued_);
        draw_list_target = target_;
        draw_state = state_;
        Object_curent = object_;
        Action_curent = action_;
    }
    Frame_aside(const Frame_aside&) = delete;
    Frame_aside& operator=(const Frame_aside&) = delete;

private:
    Draw_list* target_;
    Draw_state state_;
    Object* object_;
    Action* action_;
    std::vector<Model*> queued_;
    GLint viewport_[4] = {0, 0, 0, 0};
    GLfloat clear_[4] = {0, 0, 0, 0};
};

// Eye-space bounds (x0, x1, y0, y1) of a record's geometry.
void eye_bounds(const Draw_record& r, double out[4]) {
    float box[6];
    r.model->box(box);
    out[0] = out[2] = 1e300;
    out[1] = out[3] = -1e300;
    for (int corner = 0; corner < 8; ++corner) {
        const double x = box[corner & 1 ? 3 : 0], y = box[corner & 2 ? 4 : 1], z = box[corner & 4 ? 5 : 2];
        const double* m = r.matrix;
        const double ex = m[0] * x + m[4] * y + m[8] * z + m[12], ey = m[1] * x + m[5] * y + m[9] * z + m[13];
        out[0] = std::min(out[0], ex);
        out[1] = std::max(out[1], ex);
        out[2] = std::min(out[2], ey);
        out[3] = std::max(out[3], ey);
    }
}

}  // namespace

bool draw_picture_offscreen(Object* picture, Offscreen& work, Offscreen& into) {
    if (!picture || !work.ready() || !into.ready() || work.width() != into.width() || work.height() != into.height())
        return false;
    Frame_aside aside;
    Draw_list list;
    list.clear();
    list.open();
    draw_list_target = &list;
    // Lit as the picture is in the game.
    draw_state = Draw_state();
    draw_state.lighting = true;
    draw_state.lights = 1;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    picture->draw();
    list.add_blended(draw_blend_models.models);
    draw_blend_models.models.clear();
    draw_list_target = nullptr;
    if (list.records.empty()) {
        list.close();
        return false;
    }
    // The sheet (the first record) fills the square; its middle in the middle.
    double b[4];
    eye_bounds(list.records.front(), b);
    const double cx = (b[0] + b[1]) / 2, cy = (b[2] + b[3]) / 2;
    const double aspect = static_cast<double>(into.width()) / into.height();
    double half_w = (b[1] - b[0]) / 2, half_h = (b[3] - b[2]) / 2;
    if (half_w / half_h > aspect)
        half_h = half_w / aspect;
    else
        half_w = half_h * aspect;
    work.draw_here();
    glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Upside down: the picture's top row goes to the framebuffer's first
    // row, where a texture's t = 0 and an image file's first row are.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(cx - half_w, cx + half_w, cy + half_h, cy - half_h, 0.1, 250.0);
    glMatrixMode(GL_MODELVIEW);
    list.issue();
    list.close();
    if (&work != &into) work.resolve_into(into);
    into.mipmap();
    drawn_resources_changed();
    return true;
}
