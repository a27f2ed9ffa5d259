#pragma once

#include <cstddef>
#include <functional>
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

// Gives the finished file `temporary` (in `dir`, which ends with a slash) the
// first free name of base + ext, base-2 + ext, ..., base-999 + ext, never
// replacing a file that is there, even one made at the same moment by
// another process: the temporary is linked to the name and then removed;
// where the file system refuses links (vfat, exFAT, some network mounts),
// the name is taken with O_EXCL and the temporary renamed over that
// reservation. `written` gets the name. On failure, false with the errno
// value in `error`; the temporary is then still there, for the caller.
bool publish_new_file(const std::string& temporary, const std::string& dir, const std::string& base,
                      const std::string& ext, std::string& written, int& error);

// The link() publish_new_file() uses; a test may stand in a refusing one.
extern int (*link_for_new_files)(const char* from, const char* to);

// Whether `name` is `stem` followed by a mkstemp() suffix ("." or "-" and
// six letters or digits), as the temporary files written here are named.
bool is_temporary_of(const std::string& name, const std::string& stem);

// Removes from `folder` the regular files that `ours` says are temporaries
// of ours and that have not changed for `minutes`: what a power cut or a
// kill left behind mid-write, never a write under way in another game.
// Returns how many went.
int remove_stale_temporaries(const std::string& folder, const std::function<bool(const std::string&)>& ours,
                             int minutes = 2);
