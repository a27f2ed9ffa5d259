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

// The archive format, and nothing else: a flat list of named files held
// whole in memory, read from and written to bytes. The game's Pack (textures
// on top), pintabo-sheets, pintabo-import and the builders all read and
// write archives through it.
//
// File layout, little-endian: int32 entry count, then per entry a signed 8-bit
// name length L, L name bytes, uint32 size S and S data bytes.
class Archive {
public:
    std::vector<raw> files;
    std::vector<std::string> names;

    Archive() = default;
    virtual ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    // Loads the archive at `path` into an empty archive; false (errno set)
    // when the file cannot be opened. A damaged archive keeps the entries
    // read whole.
    bool load(const char* path);

    // Reads archive bytes held in memory; a truncated or lying archive keeps
    // the entries read whole before the fault. Returns false in that case,
    // and at once, before anything is kept, for an archive that says it
    // holds more than `most_entries` entries.
    bool parse(const unsigned char* bytes, size_t count, size_t most_entries = SIZE_MAX);

    // The entry named `name`, or an empty view.
    raw getfile(const char* name) const;

    // Writer side. Both return 1 when the entry was appended and 0 when it was
    // refused (a name over 127 bytes, or a file that cannot be read).
    int pushfile(const char* path);
    int pushfile(const char* name, raw file);
    // The archive's bytes, as save() writes them.
    std::vector<unsigned char> bytes() const;
    // Return false when the file could not be written completely.
    bool save(const char* path) const;
    bool unpack_all(const char* prefix) const;

    static constexpr size_t max_name_length = 127;

protected:
    int find(const char* name) const;
    // Called after each entry is appended, for what a kind of archive keeps
    // beside its entries.
    virtual void entry_added() {}

private:
    void append(const std::string& name, const unsigned char* bytes, uint32_t size);
};
