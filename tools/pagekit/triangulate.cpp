#include "triangulate.h"

#include <GL/glu.h>

#include <deque>

namespace {

struct TessState {
    std::deque<Pt> storage;  // vertices handed to the tessellator, stable addresses
    std::vector<Pt> out;
};

#ifndef CALLBACK
#define CALLBACK
#endif

void CALLBACK on_begin(GLenum, void*) {}
void CALLBACK on_edge_flag(GLboolean, void*) {}  // its presence asks for plain triangles
void CALLBACK on_vertex(void* vertex, void* data) {
    static_cast<TessState*>(data)->out.push_back(*static_cast<Pt*>(vertex));
}
void CALLBACK on_end(void*) {}
void CALLBACK on_combine(GLdouble coords[3], void*[4], GLfloat[4], void** result, void* data) {
    TessState* s = static_cast<TessState*>(data);
    s->storage.push_back({coords[0], coords[1]});
    *result = &s->storage.back();
}
void CALLBACK on_error(GLenum, void*) {}

}  // namespace

std::vector<Pt> triangulate(const std::vector<Ring>& rings, FillRule rule) {
    TessState state;
    GLUtesselator* tess = gluNewTess();
    using Fn = void(CALLBACK*)();
    gluTessCallback(tess, GLU_TESS_BEGIN_DATA, reinterpret_cast<Fn>(on_begin));
    gluTessCallback(tess, GLU_TESS_EDGE_FLAG_DATA, reinterpret_cast<Fn>(on_edge_flag));
    gluTessCallback(tess, GLU_TESS_VERTEX_DATA, reinterpret_cast<Fn>(on_vertex));
    gluTessCallback(tess, GLU_TESS_END_DATA, reinterpret_cast<Fn>(on_end));
    gluTessCallback(tess, GLU_TESS_COMBINE_DATA, reinterpret_cast<Fn>(on_combine));
    gluTessCallback(tess, GLU_TESS_ERROR_DATA, reinterpret_cast<Fn>(on_error));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, rule == FillRule::odd ? GLU_TESS_WINDING_ODD : GLU_TESS_WINDING_NONZERO);
    gluTessNormal(tess, 0, 0, 1);
    gluTessBeginPolygon(tess, &state);
    for (const Ring& r : rings) {
        gluTessBeginContour(tess);
        for (const Pt& p : r) {
            state.storage.push_back(p);
            GLdouble c[3] = {p.x, p.y, 0};
            gluTessVertex(tess, c, &state.storage.back());
        }
        gluTessEndContour(tess);
    }
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
    // The tessellator keeps the winding of its normal; make sure anyway.
    for (size_t k = 0; k + 2 < state.out.size(); k += 3) {
        const Pt a = state.out[k], b = state.out[k + 1], c = state.out[k + 2];
        if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) < 0) std::swap(state.out[k + 1], state.out[k + 2]);
    }
    state.out.resize(state.out.size() / 3 * 3);
    return state.out;
}
