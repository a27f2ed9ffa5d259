#pragma once

#include <string>
#include <vector>

// The folder of the player's own pictures (get_own_pictures_path()).

// The number for the next own picture: 1 + the largest of 100, the numbers
// of the picture archives in `folder` and the picture numbers over 100 that
// the settings file at `settings` lists (as much of it as can be read; a
// missing file lists none). A removed picture's number is thus never given
// again while the settings may still hold its progress.
int next_picture_number(const std::string& folder, const std::string& settings);

// Writes archives into `folder` (created when missing), each all at once;
// on failure none of them is left. Returns "" or what went wrong.
std::string write_archives(const std::string& folder,
                           const std::vector<std::pair<std::string, std::vector<unsigned char>>>& archives);
