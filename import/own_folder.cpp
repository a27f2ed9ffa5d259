#include "own_folder.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "game/page_info.h"
#include "res/atomic_file.h"
#include "save/config.h"

int next_picture_number(const std::string& folder, const std::string& settings) {
    int largest = own_picture_first - 1;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* e = readdir(dir)) {
            int number = 0;
            bool detailed = false;
            if (parse_page_archive_name(e->d_name, number, detailed)) largest = std::max(largest, number);
        }
        closedir(dir);
    }
    std::ifstream file(settings, std::ios::binary);
    if (file) {
        const Config config(file);
        for (int32_t page : config.pages)
            if (page >= own_picture_first && page <= own_picture_last) largest = std::max<int>(largest, page);
    }
    return largest + 1;
}

std::string write_archives(const std::string& folder,
                           const std::vector<std::pair<std::string, std::vector<unsigned char>>>& archives) {
    std::string base = folder;
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    int error = 0;
    if (!make_folders(base, error)) return "cannot make the folder " + base + ": " + std::strerror(error);
    std::vector<std::string> written;
    for (const auto& [name, bytes] : archives) {
        const std::string path = base + "/" + name;
        if (!replace_file(path, bytes.data(), bytes.size(), error)) {
            for (const std::string& done : written) unlink(done.c_str());
            return "cannot write " + path + ": " + std::strerror(error);
        }
        written.push_back(path);
    }
    return "";
}
