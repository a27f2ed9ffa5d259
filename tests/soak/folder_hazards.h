#pragma once

#include <random>
#include <string>
#include <vector>

// What happens to the own pictures' folder while a child plays: pictures
// made at the start, then now and then one archive removed, one damaged (a
// full disk, a copy cut short), or all put back as they were; and the
// gallery's "+" tile answered by a stand-in chooser that in turn closes
// without a choice, chooses a file that is no picture, and chooses a new
// drawing. What is put back is found at the next start.
class Folder_hazards {
public:
    // Makes `pictures` own pictures with the importer beside the soak and
    // puts the stand-in chooser first on PATH; `work` is a folder of the
    // soak's own.
    Folder_hazards(unsigned seed, const std::string& work, int pictures);

    // Once a frame: now and then one of the things above happens.
    void play_frame();

    unsigned long removed = 0, damaged = 0, restored = 0;
    int made = 0;

private:
    std::mt19937 rng_;
    std::string work_, folder_;
    std::vector<std::string> archives_;  // the names made at the start, kept in work_/kept/
};
