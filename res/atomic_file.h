#pragma once

#include <cstddef>
#include <string>

// Files that are never seen half written: the settings file and the
// archives of the player's own pictures are written through these.

// The folder part of a path: "." when there is none, "/" for the root.
std::string folder_of(const std::string& path);

// mkdir -p with mode 0700: on a fresh account the folders on the way may not
// exist yet. True when `folder` is a folder afterwards; else `error` holds
// the errno value.
bool make_folders(const std::string& folder, int& error);

// Writes all `size` bytes to `fd`, going on after interruptions; false with
// errno set (EIO for a write that takes nothing) when it cannot.
bool write_all(int fd, const unsigned char* bytes, size_t size);

// Makes a rename or link in `folder` durable; a failure is ignored (it
// cannot be undone any more).
void sync_folder(const std::string& folder);

// Replaces `path` by `size` bytes all at once: they go to a temporary file
// in the same folder (`path` + ".XXXXXX"), which is flushed to disk and then
// renamed over `path`, and the folder is synced. Either the old file stays
// whole or the new one is there whole; on failure nothing is left behind
// and `error` holds the errno value.
bool replace_file(const std::string& path, const void* bytes, size_t size, int& error);
