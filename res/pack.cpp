#include "res/pack.h"

#include <GL/gl.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "res/drawn_resources.h"
#include "res/platform.h"

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

// The bytes models point into go: whatever is drawn next is drawn anew.
Pack::~Pack() {
    if (!files.empty()) drawn_resources_changed();
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
