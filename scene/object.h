#pragma once

#include <string>
#include <vector>

#include "anim/animate.h"
#include "anim/event.h"
#include "scene/color.h"
#include "scene/coordin.h"

class Model;

// One per-frame drawing hook and its pointer. Phases: 1 before the object's
// own models, 2 after them (both only for a loaded, live object), 3 before
// and 4 after each child.
struct fun_and_param {
    void (*fun)(int phase, void* param);
    void* param;
};

// A node of the scene tree. Objects leave the tree only through deferred
// deletion: del() marks it, the subtree is dismantled bottom-up over the
// following frames and the parent frees it during a later draw.
class Object : public Coordin {
public:
    Animate animate;
    Event event;
    bool deleted = false;
    bool dead = false;
    Color rgb{1.0, 1.0, 1.0};
    double alpha = 1.0;
    bool visible = true;
    bool scale_children = false;
    std::vector<fun_and_param> funs;
    std::vector<Model*> models;
    std::vector<std::string> added_paks;
    int model_count = 0;
    bool loaded = false;
    std::vector<Object*> links;

    Object();
    ~Object();
    // Objects in existence, for checks that nothing piles up over hours.
    static long alive() { return alive_; }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    void add(const char* pak, const char* name);
    void addlink(Object* child) { links.push_back(child); }
    void addfun(void (*fun)(int, void*), void* param) { funs.push_back({fun, param}); }
    void clear_all_fun() { funs.clear(); }
    void delete_all_models();
    void setcolor(double r, double g, double b, double a);
    void setcolor(Color c) { setcolor(c.r, c.g, c.b, alpha); }
    void setalfa(double a);
    Object* del() {
        deleted = true;
        return this;
    }
    void draw();
    void draw_for_hit_test() const;

    // Frees a tree that was never linked into the scene (one built to be
    // drawn off-screen), children first.
    static void destroy_tree(Object* root);

private:
    static long alive_;
    void call_funs(int phase);
    void draw_models();
    void free_dead_children();
};

// The object whose draw began most recently: during its actions and its
// phase 1 and 2 hooks, the object itself.
extern Object* Object_curent;
