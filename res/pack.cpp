#include "res/pack.h"

#include <GL/gl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "res/drawn_resources.h"
#include "res/platform.h"

static uint32_t read_u32(const unsigned char* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

static void put_u32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<unsigned char>((v >> shift) & 0xFF));
}

static std::vector<unsigned char> read_whole(std::ifstream& in) {
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    in.seekg(0, std::ios::beg);
    std::vector<unsigned char> bytes(length > 0 ? static_cast<size_t>(length) : 0);
    if (!bytes.empty()) in.read(reinterpret_cast<char*>(bytes.data()), length);
    bytes.resize(static_cast<size_t>(in.gcount() > 0 ? in.gcount() : 0));
    return bytes;
}

void exit_for_missing_archive(const char* path, int error) {
    const std::string file(path);
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    std::fprintf(stderr,
                 "pintabo: cannot open the archive %s (%s); the game's archives are looked for in %s. "
                 "Reinstalling the game, or running make in its source folder, restores it.\n",
                 name.c_str(), std::strerror(error), folder.c_str());
    std::exit(1);
}

Pack::Pack(const char* path) {
    if (!load(path)) exit_for_missing_archive(path, errno);
}

bool Pack::load(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::vector<unsigned char> bytes = read_whole(in);
    parse(bytes.data(), bytes.size());
    return true;
}

// The bytes models point into go: whatever is drawn next is drawn anew.
Pack::~Pack() {
    if (!files.empty()) drawn_resources_changed();
    for (raw& f : files) delete[] f.data;
}

bool Pack::parse(const unsigned char* bytes, size_t count, size_t most_entries) {
    if (count < 4) return count == 0;
    const int32_t n = static_cast<int32_t>(read_u32(bytes));
    if (n > 0 && static_cast<size_t>(n) > most_entries) return false;
    size_t at = 4;
    for (int32_t i = 0; i < n; ++i) {
        if (count - at < 1) return false;
        const int8_t len = static_cast<int8_t>(bytes[at]);
        if (len < 0) return false;
        at += 1;
        if (count - at < static_cast<size_t>(len) + 4) return false;
        const std::string name(reinterpret_cast<const char*>(bytes + at), static_cast<size_t>(len));
        at += static_cast<size_t>(len);
        const uint32_t size = read_u32(bytes + at);
        at += 4;
        if (count - at < size) return false;
        append(name, bytes + at, size);
        at += size;
    }
    return true;
}

void Pack::append(const std::string& name, const unsigned char* bytes, uint32_t size) {
    raw f;
    f.data = new unsigned char[size > 0 ? size : 1];
    f.size = size;
    if (size > 0) std::memcpy(f.data, bytes, size);
    files.push_back(f);
    names.push_back(name);
    images.push_back(0);
    image_refs.push_back(0);
}

int Pack::find(const char* name) const {
    for (size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<int>(i);
    return -1;
}

raw Pack::getfile(const char* name) const {
    const int i = find(name);
    if (i < 0) return raw{};
    return files[static_cast<size_t>(i)];
}

unsigned long Pack::getimage(const char* name) {
    const int found = find(name);
    if (found < 0) return 0;
    const size_t i = static_cast<size_t>(found);
    if (images[i] == 0) images[i] = mac_load_tex(reinterpret_cast<char*>(files[i].data), static_cast<int>(files[i].size));
    image_refs[i] += 1;
    return images[i];
}

void Pack::ungetimage(unsigned long texture) {
    if (texture == 0) return;
    for (size_t i = 0; i < images.size(); ++i) {
        if (images[i] != texture) continue;
        image_refs[i] -= 1;
        if (image_refs[i] <= 0) {
            image_refs[i] = 0;
            const GLuint name = static_cast<GLuint>(texture);
            drawn_resources_changed();
            glDeleteTextures(1, &name);
            images[i] = 0;
        }
    }
}

int Pack::pushfile(const char* path) {
    if (std::strlen(path) > max_name_length) return 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return 0;
    const std::vector<unsigned char> bytes = read_whole(in);
    if (bytes.size() > 0xFFFFFFFFu) return 0;
    append(path, bytes.data(), static_cast<uint32_t>(bytes.size()));
    return 1;
}

int Pack::pushfile(const char* name, raw file) {
    if (std::strlen(name) > max_name_length) return 0;
    append(name, file.data, file.size);
    return 1;
}

std::vector<unsigned char> Pack::bytes() const {
    std::vector<unsigned char> out;
    put_u32(out, static_cast<uint32_t>(files.size()));
    for (size_t i = 0; i < files.size(); ++i) {
        out.push_back(static_cast<unsigned char>(names[i].size() & 0xFF));
        out.insert(out.end(), names[i].begin(), names[i].end());
        put_u32(out, files[i].size);
        out.insert(out.end(), files[i].data, files[i].data + files[i].size);
    }
    return out;
}

bool Pack::save(const char* path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::vector<unsigned char> all = bytes();
    out.write(reinterpret_cast<const char*>(all.data()), static_cast<std::streamsize>(all.size()));
    out.close();
    return static_cast<bool>(out);
}

bool Pack::unpack_all(const char* prefix) const {
    bool ok = true;
    for (size_t i = 0; i < files.size(); ++i) {
        std::ofstream out(std::string(prefix) + names[i], std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(files[i].data), files[i].size);
        out.close();
        ok = ok && static_cast<bool>(out);
    }
    return ok;
}
