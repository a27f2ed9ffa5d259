#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Reading object files and their model records in place, without OpenGL: the
// game's models and the printed sheets read artwork through these.
//
// Object file: a marker byte (255 is followed by four bytes that are passed
// over), an int32 model count and that many model records.
// Model record, little-endian: uint32 L, L bytes of NUL-terminated texture
// name, a 60-byte material block, uint32 N triangles, one pad byte, then
// 36*N bytes of vertices, 36*N of normals and 24*N of texture coordinates.
// The arrays need not be aligned: read their floats through copies.

struct MeshRecord {
    const char* texture_name = nullptr;
    const unsigned char* material = nullptr;  // 60 bytes
    int triangle_count = 0;
    const unsigned char* vertices = nullptr;  // 3 vertices of 3 floats per triangle
    const unsigned char* normals = nullptr;
    const unsigned char* texcoords = nullptr;
};

// Reads the record at *pos (never past `end`) and advances *pos past it.
// Returns false, leaving *pos and *record as they were, when it does not fit.
bool read_model_record(const unsigned char** pos, const unsigned char* end, MeshRecord* record);

// The records of an object file. A short or lying file keeps the records read
// whole before the fault. Returns false, with no records, when the file is too
// short to hold its model count.
bool read_object_records(const unsigned char* data, size_t size, std::vector<MeshRecord>* records);

// Vertex `i` (0 to 3 * triangle_count - 1) of a record.
struct RecordVertex {
    float x, y, z;
};
RecordVertex record_vertex(const MeshRecord& record, int i);
