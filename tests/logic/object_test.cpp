#include "scene/object.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/gl_recorder.h"
#include "res/media.h"
#include "scene/model.h"
#include "shell/frame_clock.h"
#include "support/test_objects.h"
#include "support/temp_folder.h"
#include "support/test_archive.h"

namespace {

std::vector<std::string> hook_log;

void log_hook(int phase, void* param) {
    hook_log.push_back(std::string(static_cast<const char*>(param)) + std::to_string(phase));
}

int action_runs = 0;
void count_run(void*) { ++action_runs; }

class Objects : public ::testing::Test {
protected:
    TempFolder folder;
    void SetUp() override {
        hook_log.clear();
        action_runs = 0;
        write_archive(folder.file("art.pak"), {{"square", square_object(1.0f, 0.0f, "none")},
                                               {"two", write_object_file({square_mesh(1, 0, "a"), square_mesh(2, 0, "bb")})}});
        media.setpwd(folder.prefix());
    }
    void TearDown() override { media.setpwd("0"); }
    void frame(Object& root) {
        CURENT_TIME += 16;
        root.draw();
    }
};

}  // namespace

TEST_F(Objects, WithoutModelsOnlyChildPhasesRun) {
    Object root;
    root.addfun(log_hook, const_cast<char*>("r"));
    Object* child = object_running(count_run);
    root.addlink(child);
    frame(root);
    EXPECT_EQ(hook_log, (std::vector<std::string>{"r3", "r4"}));
    EXPECT_EQ(action_runs, 1);
    dismantle(root);
}

TEST_F(Objects, LoadedObjectRunsAllFourPhasesAroundModelsAndChildren) {
    Object root;
    root.add("art.pak", "square");
    root.addfun(log_hook, const_cast<char*>("r"));
    root.addlink(new Object());
    root.addlink(new Object());
    frame(root);
    EXPECT_EQ(hook_log, (std::vector<std::string>{"r1", "r2", "r3", "r4", "r3", "r4"}));
    EXPECT_EQ(root.model_count, 1);
    EXPECT_EQ(media.packs.size(), 1u);
    dismantle(root);
}

TEST_F(Objects, DeletedLeafDiesThenParentFreesItAFrameLater) {
    Object root;
    Object* leaf = object_running(count_run);
    root.addlink(leaf);
    frame(root);
    EXPECT_EQ(action_runs, 1);
    leaf->del();
    frame(root);
    EXPECT_EQ(action_runs, 1);  // a deleted object runs nothing
    EXPECT_TRUE(leaf->dead);
    EXPECT_EQ(root.links.size(), 1u);
    frame(root);
    EXPECT_TRUE(root.links.empty());
}

TEST_F(Objects, DeadSiblingsAreFreedInOnePassBeforeAnyIsDrawn) {
    Object root;
    Object* a = new Object();
    Object* keep = object_running(count_run);
    Object* b = new Object();
    root.addlink(a);
    root.addlink(keep);
    root.addlink(b);
    a->dead = true;
    b->dead = true;
    frame(root);
    ASSERT_EQ(root.links.size(), 1u);
    EXPECT_EQ(root.links[0], keep);
    EXPECT_EQ(action_runs, 1);
    dismantle(root);
}

TEST_F(Objects, DeletedSubtreeIsDismantledBottomUpOverDepthPlusOneFrames) {
    Object root;
    Object* top = new Object();
    Object* mid = new Object();
    Object* leaf = new Object();
    root.addlink(top);
    top->addlink(mid);
    mid->addlink(leaf);
    top->del();
    int frames = 0;
    while (!root.links.empty() && frames < 20) {
        frame(root);
        ++frames;
    }
    // depth 2 below `top`: leaf dies in frame 1, mid in 2, top in 3, freed in 4
    EXPECT_EQ(frames, 4);
}

TEST_F(Objects, RootWatchedByTheLoopBecomesDeadOnceChildless) {
    Object root;
    root.addlink(new Object());
    EXPECT_EQ(dismantle(root), 2);  // the child dies; the root frees it and dies in the same draw
    EXPECT_TRUE(root.links.empty());
}

TEST_F(Objects, ColourGoesToEveryModelAndIsStoredWithoutModels) {
    Object bare;
    bare.setcolor(0.1, 0.2, 0.3, 0.4);
    EXPECT_TRUE(bare.rgb.eq(Color(0.1, 0.2, 0.3)));
    EXPECT_EQ(bare.alpha, 0.4);

    Object two;
    two.add("art.pak", "two");
    ASSERT_EQ(two.models.size(), 2u);
    two.setcolor(Color(1.0, 0.5, 0.0));
    two.setalfa(0.25);
    for (Model* m : two.models) {
        EXPECT_TRUE(m->colored);
        EXPECT_EQ(m->rgba[1], 0.5);
        EXPECT_EQ(m->rgba[3], 0.25);
    }
}

TEST_F(Objects, ReplacingArtworkKeepsHooksActionsChildrenAndTransform) {
    Object o;
    o.chposition(1, 2, 3);
    o.addfun(log_hook, const_cast<char*>("o"));
    o.addlink(new Object());
    o.add("art.pak", "square");
    o.delete_all_models();
    EXPECT_FALSE(o.loaded);
    EXPECT_TRUE(media.packs.empty());  // the archive closed with its last reference
    o.add("art.pak", "two");
    EXPECT_EQ(o.model_count, 2);
    EXPECT_EQ(o.funs.size(), 1u);
    EXPECT_EQ(o.links.size(), 1u);
    EXPECT_EQ(o.pos_z, 3.0);
    dismantle(o);
}

TEST_F(Objects, ArchiveReferencesFollowObjectsAndModels) {
    {
        Object a, b;
        a.add("art.pak", "square");
        b.add("art.pak", "two");
        ASSERT_EQ(media.pack_refs.size(), 1u);
        EXPECT_EQ(media.pack_refs[0], 2 + 3);  // one per add, one per model texture
    }
    EXPECT_TRUE(media.packs.empty());
}

TEST_F(Objects, MissingObjectFileLeavesAnUnloadedObject) {
    Object o;
    o.add("art.pak", "nothing");
    EXPECT_FALSE(o.loaded);
    EXPECT_EQ(o.model_count, 0);
    EXPECT_EQ(o.added_paks.size(), 1u);
}

TEST_F(Objects, ScaleAppliesToModelsOnlyOrToChildrenToo) {
    Object o;
    o.add("art.pak", "square");
    o.chscale(2, 2, 2);
    o.addlink(new Object());
    gl_recorder::clear();
    frame(o);
    EXPECT_EQ(gl_recorder::joined(), "push; push; scale 2 2 2; pop; push; pop; pop");
    o.scale_children = true;
    gl_recorder::clear();
    frame(o);
    EXPECT_EQ(gl_recorder::joined(), "push; scale 2 2 2; push; pop; pop");
    dismantle(o);
}

// Handlers may delete their own object or an ancestor in the middle of a walk.
namespace {
Object* doomed_ancestor = nullptr;
void delete_self_and_ancestor(void*) {
    Object_curent->del();
    doomed_ancestor->del();
}
}  // namespace

TEST_F(Objects, HandlerMayDeleteItselfAndAnAncestorDuringTheWalk) {
    Object root;
    Object* parent = new Object();
    Object* child = new Object();
    root.addlink(parent);
    parent->addlink(child);
    parent->addlink(new Object());
    doomed_ancestor = parent;
    child->event.create_slot();
    Action a(1, true, 0.0);
    a.fun = delete_self_and_ancestor;
    child->event.add_action(a);
    child->event.send(0);
    for (int i = 0; i < 6; ++i) frame(root);
    EXPECT_TRUE(root.links.empty());
}
