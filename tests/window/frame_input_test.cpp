// The window, its projection and the input state the frame loop keeps.
#include <cmath>
#include <vector>

#include "support/test_objects.h"
#include "window/window_scene.h"
#include "window/x_screen.h"

TEST(Window, OpensFullScreenAtTheDesktopSize) {
    int w = 0, h = 0;
    ASSERT_TRUE(x_screen_size(w, h));
    EXPECT_EQ(scena->width, w);
    EXPECT_EQ(scena->height, h);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    EXPECT_TRUE(SDL_GetVideoSurface()->flags & SDL_OPENGL);
}

TEST(Window, VisibleExtentFollowsTheFieldOfView) {
    const double aspect = static_cast<float>(scena->width) / static_cast<float>(scena->height);
    EXPECT_NEAR(scena->get_y_coord(-1.0), -std::tan(22.5 * M_PI / 180.0), 1e-5);
    EXPECT_NEAR(scena->get_y_coord(-1.0), -0.41421, 1e-5);
    EXPECT_NEAR(scena->get_x_coord(-1.0), scena->get_y_coord(-1.0) * aspect, 1e-5);
    EXPECT_NEAR(scena->get_x_coord(-78.0), 2.0 * scena->get_x_coord(-39.0), 1e-9);
    EXPECT_NEAR(scena->get_y_coord(39.0), -scena->get_y_coord(-39.0), 1e-9);
}

TEST(Window, ZeroHeightIsTreatedAsOne) {
    EXPECT_TRUE(scena->resizeWindow(scena->width, 0));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
    EXPECT_NEAR(scena->get_x_coord(-1.0) / scena->get_y_coord(-1.0), static_cast<double>(scena->width), 1e-2);
    scena->resizeWindow(scena->width, scena->height);
}

TEST(Window, FixedDrawingStateIsSet) {
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    GLfloat ref = 0;
    glGetFloatv(GL_ALPHA_TEST_REF, &ref);
    EXPECT_FLOAT_EQ(ref, 0.9f);
    GLint sample_buffers = -1;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sample_buffers);
    EXPECT_EQ(sample_buffers > 0, scena->multisampled);
    if (scena->multisampled) {
        EXPECT_TRUE(glIsEnabled(GL_MULTISAMPLE));
    }
}

using FrameInput = WindowScene;

TEST_F(FrameInput, LeftClickIsTrueInExactlyOneFramePerPress) {
    push_button(true, SDL_BUTTON_LEFT);
    frame();
    EXPECT_TRUE(mouse.left_click);
    EXPECT_TRUE(mouse.left);
    frames(3);  // held down
    EXPECT_FALSE(mouse.left_click);
    push_button(true, SDL_BUTTON_LEFT);  // a repeated down without an up is no new click
    frame();
    EXPECT_FALSE(mouse.left_click);
    push_button(false, SDL_BUTTON_LEFT);
    push_button(true, SDL_BUTTON_LEFT);
    frame();
    EXPECT_TRUE(mouse.left_click);
    push_button(false, SDL_BUTTON_LEFT);
    frame();
    EXPECT_FALSE(mouse.left);
    EXPECT_FALSE(mouse.left_click);
}

TEST_F(FrameInput, RightClickNeverSetsLeftClickAndOtherButtonsAreIgnored) {
    push_button(true, SDL_BUTTON_RIGHT);
    push_button(true, SDL_BUTTON_MIDDLE);
    push_button(true, SDL_BUTTON_WHEELUP);
    frame();
    EXPECT_TRUE(mouse.right_click);
    EXPECT_FALSE(mouse.left_click);
    EXPECT_FALSE(mouse.left);
    frame();
    EXPECT_FALSE(mouse.right_click);
    EXPECT_TRUE(mouse.right);
}

TEST_F(FrameInput, PointerFollowsMotionAndLastKeyOfAFrameWins) {
    push_motion(17, 23);
    push_key(SDLK_LEFT);
    push_key(SDLK_RIGHT);
    frame();
    EXPECT_EQ(mouse.x, 17);
    EXPECT_EQ(mouse.y, 23);
    EXPECT_TRUE(keydown);
    EXPECT_EQ(keyevent.key.keysym.sym, SDLK_RIGHT);
    EXPECT_FALSE(presskey(SDLK_LEFT));
    frame();
    EXPECT_FALSE(keydown);
    EXPECT_FALSE(presskey(SDLK_RIGHT));
}

namespace {
std::vector<bool> seen;
void takes_escape(void*) {
    if (presskey(SDLK_ESCAPE)) lockkey();
}
void looks_for_escape(void*) { seen.push_back(presskey(SDLK_ESCAPE)); }
}  // namespace

TEST_F(FrameInput, ConsumedKeyIsHiddenFromLaterHandlers) {
    map->addlink(object_running(looks_for_escape));
    map->addlink(object_running(takes_escape));
    map->addlink(object_running(looks_for_escape));
    seen.clear();
    push_key(SDLK_ESCAPE);
    frame();
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(FrameInput, QuitRequestFromTheWindowSystemDoesNotEndTheLoop) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    frames(2);
    EXPECT_TRUE(frame_loop_running());
}

TEST_F(FrameInput, LoopEndsOnceBothRootsHaveBeenDismantled) {
    Object* branch = new Object();
    branch->addlink(new Object());
    map->addlink(branch);
    map->del();
    cursor->del();
    int frames_run = 0;
    while (frame_loop_running() && frames_run < 10) {
        frame();
        ++frames_run;
    }
    EXPECT_FALSE(frame_loop_running());
    EXPECT_TRUE(map->dead);
    EXPECT_TRUE(cursor->dead);
    EXPECT_TRUE(map->links.empty()) << "nothing left linked to leak";
    EXPECT_EQ(frames_run, 3);  // one frame per level of the deepest branch
}
