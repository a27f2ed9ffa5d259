#include "materials.h"

namespace {

MeshMaterial base() {
    MeshMaterial m;
    for (int i = 0; i < 3; ++i) {
        m.ambient[i] = 1.0f;
        m.diffuse[i] = 0.8f;
        m.specular[i] = 0.0f;
    }
    m.ambient[3] = m.diffuse[3] = m.specular[3] = 1.0f;
    m.shininess = 0.0f;
    return m;
}

}  // namespace

MeshMaterial cutout_material() {
    MeshMaterial m = base();
    m.alpha_test = true;
    return m;
}

MeshMaterial blended_material() {
    MeshMaterial m = base();
    m.blend = true;
    return m;
}

MeshMaterial opaque_material() { return base(); }

MeshMaterial shiny_material(float specular, float shininess) {
    MeshMaterial m = base();
    for (int i = 0; i < 3; ++i) m.specular[i] = specular;
    m.shininess = shininess;
    return m;
}
