#pragma once

#include <string>
#include <vector>

#include "game/page_table.h"

class Config;

// Every picture the game can show: the twenty built-in ones, then the
// child's own pictures (made by pintabo-import into the own pictures'
// folder) by their numbers, from 101 on.
struct Page_source {
    int number = 0;
    std::string name;    // an own picture's name, as the gallery shows it
    std::string folder;  // empty for the built-in pictures (the archives' folder)
    PageFigures figures{};
    bool has_simple = true, has_detailed = true;
    // An own picture's archive file as the folder showed it (simple,
    // detailed): a file that is no longer this one is checked again.
    struct File_seen {
        unsigned long device = 0, inode = 0;
        long long size = 0, modified_ns = 0;
        bool operator==(const File_seen& o) const {
            return device == o.device && inode == o.inode && size == o.size && modified_ns == o.modified_ns;
        }
    } seen[2];

    bool has(bool detailed) const { return detailed ? has_detailed : has_simple; }
    const PageVariant& variant(bool detailed) const { return detailed ? figures.detailed : figures.simple; }
    // The archive to open: a name in the archives' folder, or a full path.
    std::string archive(bool detailed) const { return folder + page_archive(number, detailed); }
    bool own() const { return !folder.empty(); }
};

// In the order the arrows and the gallery go.
const std::vector<Page_source>& page_catalogue();
// The picture `number`, or null.
const Page_source* find_page(int number);

// Whether picture `number` can be built in a variant now. A built-in
// picture always can (its archives were checked at start). One of the
// child's own can while its archive is open or is still the file the folder
// showed; a file that changed is checked again. An archive that has gone,
// turned unreadable or been damaged since is dropped from the catalogue (that
// variant; the picture when neither is left) with one line on standard
// error, and false is returned: the arrows and the gallery go on without it.
// Pointers into the catalogue may change when it drops something.
bool page_ready(int number, bool detailed);

// Reads the own pictures' folder (again): an archive that is damaged,
// hostile or misnamed is skipped with one line on standard error.
void scan_own_pictures();

// Drops from `c` the records of own pictures that are gone from the folder.
void forget_removed_pictures(Config& c);
