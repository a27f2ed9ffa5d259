// A display that refuses 4-sample multisampling: the window must still open,
// on a second try without multisampling and without asking for an
// accelerated visual. The refusal is staged by standing in for SDL's own
// calls: the game's calls reach these first, and they pass on to SDL's.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <vector>

#include "shell/scena.h"

namespace {

struct Request {
    int multisample_buffers;
    int multisample_samples;
    int accelerated;
    bool granted;
};

int wanted_buffers = 0, wanted_samples = 0, wanted_accelerated = 0;
std::vector<Request> requests;

}  // namespace

extern "C" int SDL_GL_SetAttribute(SDL_GLattr attr, int value) {
    using Real = int (*)(SDL_GLattr, int);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "SDL_GL_SetAttribute"));
    if (attr == SDL_GL_MULTISAMPLEBUFFERS) wanted_buffers = value;
    if (attr == SDL_GL_MULTISAMPLESAMPLES) wanted_samples = value;
    if (attr == SDL_GL_ACCELERATED_VISUAL) wanted_accelerated = value;
    return real(attr, value);
}

extern "C" SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    using Real = SDL_Surface* (*)(int, int, int, Uint32);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "SDL_SetVideoMode"));
    if (wanted_buffers != 0) {
        requests.push_back({wanted_buffers, wanted_samples, wanted_accelerated, false});
        SDL_SetError("this display has no multisampled visuals");
        return nullptr;
    }
    SDL_Surface* s = real(width, height, bpp, flags);
    requests.push_back({wanted_buffers, wanted_samples, wanted_accelerated, s != nullptr});
    return s;
}

TEST(VideoRetry, WindowOpensWithoutMultisamplingWhenItIsRefused) {
    Scena s(0, 0, 0);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].multisample_buffers, 1);
    EXPECT_EQ(requests[0].multisample_samples, 4);
    EXPECT_EQ(requests[0].accelerated, 1);
    EXPECT_FALSE(requests[0].granted);
    EXPECT_EQ(requests[1].multisample_buffers, 0);
    EXPECT_EQ(requests[1].multisample_samples, 0);
    EXPECT_EQ(requests[1].accelerated, 0);
    EXPECT_TRUE(requests[1].granted);
    EXPECT_FALSE(s.multisampled);
    GLint sample_buffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sample_buffers);
    EXPECT_EQ(sample_buffers, 0);  // no multisampling, whatever the GL_MULTISAMPLE switch says
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_GT(s.width, 0);
}
