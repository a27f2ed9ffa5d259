#include "logic/gl_recorder.h"

#include <GL/gl.h>

#include <sstream>

namespace gl_recorder {

std::vector<std::string>& calls() {
    static std::vector<std::string> list;
    return list;
}

void clear() { calls().clear(); }

std::string joined() {
    std::string out;
    for (const std::string& c : calls()) out += (out.empty() ? "" : "; ") + c;
    return out;
}

}  // namespace gl_recorder

namespace {

template <typename... T>
void record(const char* name, T... values) {
    std::ostringstream s;
    s << name;
    ((s << ' ' << values), ...);
    gl_recorder::calls().push_back(s.str());
}

}  // namespace

extern "C" {
void glTranslatef(GLfloat x, GLfloat y, GLfloat z) { record("translate", x, y, z); }
void glRotatef(GLfloat a, GLfloat x, GLfloat y, GLfloat z) { record("rotate", a, x, y, z); }
void glScaled(GLdouble x, GLdouble y, GLdouble z) { record("scale", x, y, z); }
void glPushMatrix() { record("push"); }
void glPopMatrix() { record("pop"); }
}
