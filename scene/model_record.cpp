#include "scene/model_record.h"

#include <cstring>

static uint32_t read_u32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool read_model_record(const unsigned char** pos, const unsigned char* end, MeshRecord* record) {
    const unsigned char* p = *pos;
    if (p > end || static_cast<size_t>(end - p) < 4) return false;
    const uint64_t name_len = read_u32(p);
    const uint64_t left = static_cast<uint64_t>(end - p);
    if (name_len == 0 || left < 4 + name_len + 60 + 4 + 1) return false;
    const char* name = reinterpret_cast<const char*>(p + 4);
    if (!std::memchr(name, 0, name_len)) return false;
    const unsigned char* mat = p + 4 + name_len;
    const uint64_t n = read_u32(mat + 60);
    if (left - (4 + name_len + 65) < 96 * n) return false;

    record->texture_name = name;
    record->material = mat;
    record->triangle_count = static_cast<int>(n);
    record->vertices = mat + 65;
    record->normals = record->vertices + 36 * n;
    record->texcoords = record->normals + 36 * n;
    *pos = record->texcoords + 24 * n;
    return true;
}

bool read_object_records(const unsigned char* data, size_t size, std::vector<MeshRecord>* records) {
    records->clear();
    if (!data || size < 5) return false;
    const unsigned char* pos = data;
    const unsigned char* end = data + size;
    if (*pos == 255) pos += 4;
    pos += 1;
    if (end - pos < 4) return false;
    int32_t count;
    std::memcpy(&count, pos, 4);
    pos += 4;
    for (int32_t i = 0; i < count; ++i) {
        MeshRecord r;
        if (!read_model_record(&pos, end, &r)) break;
        records->push_back(r);
    }
    return true;
}

RecordVertex record_vertex(const MeshRecord& record, int i) {
    RecordVertex v;
    std::memcpy(&v, record.vertices + 12 * static_cast<size_t>(i), 12);
    return v;
}
