#include "scene/object.h"

#include <GL/gl.h>

#include <vector>

#include "res/media.h"
#include "scene/model.h"
#include "scene/model_record.h"

Object* Object_curent = nullptr;

long Object::alive_ = 0;

Object::Object() {
    event.setup(&animate);
    ++alive_;
}

// The archive reference of each add() goes back first; each model then gives
// back its texture, which keeps the archive open until the last one goes.
Object::~Object() {
    --alive_;
    for (const std::string& pak : added_paks) media.unget(pak.c_str());
    for (Model* m : models) delete m;
}

// Reads an object file (scene/model_record.h); a short or lying file keeps
// the models read whole before the fault.
void Object::add(const char* pak, const char* name) {
    added_paks.push_back(pak);
    const raw file = media.get(pak, name);
    std::vector<MeshRecord> records;
    if (!read_object_records(file.data, file.size, &records)) return;
    for (const MeshRecord& r : records) {
        Model* m = new Model();
        m->load(r, pak);
        models.push_back(m);
    }
    model_count += static_cast<int>(records.size());
    loaded = true;
}

void Object::delete_all_models() {
    for (const std::string& pak : added_paks) media.unget(pak.c_str());
    added_paks.clear();
    for (Model* m : models) delete m;
    models.clear();
    model_count = 0;
    loaded = false;
}

void Object::setcolor(double r, double g, double b, double a) {
    for (Model* m : models) m->setcolor(r, g, b, a);
    rgb = Color(r, g, b);
    alpha = a;
}

void Object::setalfa(double a) {
    for (Model* m : models) m->setcolor(rgb.r, rgb.g, rgb.b, a);
    alpha = a;
}

void Object::call_funs(int phase) {
    for (size_t i = 0; i < funs.size(); ++i) funs[i].fun(phase, funs[i].param);
}

void Object::draw_models() {
    for (Model* m : models) {
        if (visible)
            m->draw();
        else
            m->draw_only_grab_matrix();
    }
}

void Object::free_dead_children() {
    for (size_t i = 0; i < links.size();) {
        if (links[i]->dead) {
            delete links[i];
            links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void Object::draw() {
    Object_curent = this;
    glPushMatrix();
    move();
    if (scale_children && scaled) scale();
    if (!deleted) {
        animate.make();
        if (loaded) {
            call_funs(1);
            if (!scale_children && scaled) {
                glPushMatrix();
                scale();
                draw_models();
                glPopMatrix();
            } else {
                draw_models();
            }
            call_funs(2);
        }
    }
    free_dead_children();
    if (deleted && links.empty()) {
        dead = true;
    } else {
        // Children are walked by index: a handler may append to this list.
        for (size_t i = 0; i < links.size(); ++i) {
            if (deleted) links[i]->deleted = true;
            call_funs(3);
            links[i]->draw();
            call_funs(4);
        }
    }
    glPopMatrix();
}

void Object::destroy_tree(Object* root) {
    if (!root) return;
    for (Object* child : root->links) destroy_tree(child);
    root->links.clear();
    delete root;
}

void Object::draw_for_hit_test() const {
    for (const Model* m : models) m->draw_for_hit_test();
}
