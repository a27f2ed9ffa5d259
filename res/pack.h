#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A non-owning view of one file's bytes inside an open archive.
struct raw {
    unsigned char* data = nullptr;
    uint32_t size = 0;
};

// Ends the process with status 1 after saying on standard error which
// archive of the game's own could not be opened (errno `error`), where the
// archives are looked for, and that reinstalling or `make` restores it.
[[noreturn]] void exit_for_missing_archive(const char* path, int error);

// One resource archive held whole in memory: a flat list of named files, each
// of which may be turned into a reference-counted OpenGL texture on demand.
// The writer side builds and saves archives (the asset builder uses it).
//
// File layout, little-endian: int32 entry count, then per entry a signed 8-bit
// name length L, L name bytes, uint32 size S and S data bytes.
class Pack {
public:
    std::vector<unsigned long> images;
    std::vector<int> image_refs;
    std::vector<raw> files;
    std::vector<std::string> names;

    // Loads the archive at `path`. An archive that cannot be opened ends the
    // process as exit_for_missing_archive() does.
    explicit Pack(const char* path);
    // Loads the archive at `path` into an empty Pack; false when the file
    // cannot be opened. A damaged archive keeps the entries read whole.
    bool load(const char* path);
    // An empty archive for the writer side.
    Pack() = default;
    ~Pack();
    Pack(const Pack&) = delete;
    Pack& operator=(const Pack&) = delete;

    raw getfile(const char* name) const;
    unsigned long getimage(const char* name);
    void ungetimage(unsigned long texture);

    // Writer side. Both return 1 when the entry was appended and 0 when it was
    // refused (a name over 127 bytes, or a file that cannot be read).
    int pushfile(const char* path);
    int pushfile(const char* name, raw file);
    // The archive's bytes, as save() writes them.
    std::vector<unsigned char> bytes() const;
    // Return false when the file could not be written completely.
    bool save(const char* path) const;
    bool unpack_all(const char* prefix) const;

    // Reads archive bytes held in memory; a truncated or lying archive keeps
    // the entries read whole before the fault. Returns false in that case,
    // and at once, before anything is kept, for an archive that says it
    // holds more than `most_entries` entries.
    bool parse(const unsigned char* bytes, size_t count, size_t most_entries = SIZE_MAX);

    static constexpr size_t max_name_length = 127;

private:
    int find(const char* name) const;
    void append(const std::string& name, const unsigned char* bytes, uint32_t size);
};
