#include "soak/folder_hazards.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "res/platform.h"
#include "res/platform_process.h"
#include "support/drawings.h"

Folder_hazards::Folder_hazards(unsigned seed, const std::string& work, int pictures)
    : rng_(seed * 7919u + 1), work_(work), folder_(get_own_pictures_path()) {
    for (int i = 0; i < pictures; ++i) {
        const std::string drawing = work_ + "/drawing" + std::to_string(i) + ".png";
        write_discs_drawing(drawing, i);
        std::string errors;
        if (run_program(program_beside_game("pintabo-import"), {drawing, "--name", "Soak " + std::to_string(i)}, nullptr,
                        errors) == 0)
            ++made;
        else
            std::fprintf(stderr, "soak: the importer failed: %s\n", errors.c_str());
    }
    std::filesystem::create_directories(work_ + "/kept");
    for (const auto& e : std::filesystem::directory_iterator(folder_)) {
        archives_.push_back(e.path().filename().string());
        std::filesystem::copy_file(e.path(), work_ + "/kept/" + archives_.back());
    }
    // The chooser: closed, then no picture, then a drawing, round again.
    write_discs_drawing(work_ + "/chosen.png", 3);
    std::ofstream(work_ + "/notes.txt") << "not a picture";
    mkdir((work_ + "/chooser").c_str(), 0700);
    const std::string chooser = work_ + "/chooser/zenity";
    std::ofstream(chooser) << "#!/bin/sh\ncd '" << work_ << "'\nn=$(cat asked 2>/dev/null || echo 0)\n"
                           << "echo $(((n + 1) % 3)) > asked\ncase $n in\n0) exit 1 ;;\n1) echo '" << work_
                           << "/notes.txt' ;;\n*) echo '" << work_ << "/chosen.png' ;;\nesac\n";
    chmod(chooser.c_str(), 0755);
    setenv("PATH", (work_ + "/chooser:" + std::getenv("PATH")).c_str(), 1);
}

void Folder_hazards::play_frame() {
    if (archives_.empty() || std::uniform_int_distribution<int>(0, 299)(rng_) != 0) return;
    const std::string name = archives_[std::uniform_int_distribution<size_t>(0, archives_.size() - 1)(rng_)];
    switch (std::uniform_int_distribution<int>(0, 2)(rng_)) {
    case 0:
        std::remove((folder_ + name).c_str());
        ++removed;
        break;
    case 1: {
        // Cut short: the first bytes of what it was.
        std::ifstream in(work_ + "/kept/" + name, std::ios::binary);
        std::string head(std::uniform_int_distribution<size_t>(0, 4000)(rng_), '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(folder_ + name, std::ios::binary | std::ios::trunc).write(head.data(), in.gcount());
        ++damaged;
        break;
    }
    default:
        for (const std::string& n : archives_)
            std::filesystem::copy_file(work_ + "/kept/" + n, folder_ + n,
                                       std::filesystem::copy_options::overwrite_existing);
        ++restored;
    }
}
