#pragma once

#include "scene/model_writer.h"

// Materials of the generated artwork. The game drives ambient and diffuse
// from the current colour (white, or the object's tint), so for flat
// artwork facing the light only specular and the two flags matter: a face
// lit head-on comes out at its texture's colour.

// Flat artwork with hard cut-out edges, drawn with the opaque scene.
MeshMaterial cutout_material();
// Flat artwork that fades in and out and is see-through where its texture is.
MeshMaterial blended_material();
// A fully opaque surface (backgrounds).
MeshMaterial opaque_material();
// Shiny solids (tube metal, brush ferrule, lacquered handle).
MeshMaterial shiny_material(float specular, float shininess);
