#include "ui/choices.h"

#include "scene/object.h"
#include "shell/hits.h"
#include "shell/scene_loader.h"
#include "shell/startup.h"
#include "ui/menu.h"

namespace {

// Shown, or showing something of its own (a tile whose artwork is a mark on it).
bool shows_something(const Object* o) {
    if (o->visible && !o->models.empty()) return true;
    for (const Object* child : o->links)
        if (!child->deleted && child->visible && !child->models.empty()) return true;
    return false;
}

// The pickable objects under `root` in drawing order; `hidden_too` keeps
// those not drawn yet (a region shows only once painted).
void collect(const Object* root, Choice_group group, bool hidden_too, const Object* leave_out,
             std::vector<Choice>& out) {
    if (!root || root->deleted) return;
    for (Object* child : root->links) {
        if (child->deleted || child == leave_out) continue;
        if (is_pickable(child) && child->loaded && (hidden_too || shows_something(child))) out.push_back({child, group});
        collect(child, group, hidden_too, leave_out, out);
    }
}

}  // namespace

std::vector<Choice> choices_on_screen() {
    std::vector<Choice> out;
    if (!MENU_GLOBAL) return out;
    if (hits_layer1 || hits_layer2) {
        // The topmost menu or dialog that is not going away.
        for (auto it = MENU_GLOBAL->links.rbegin(); it != MENU_GLOBAL->links.rend(); ++it) {
            if ((*it)->deleted || menu_closing(*it)) continue;
            collect(*it, Choice_group::dialog, false, nullptr, out);
            break;
        }
        return out;
    }
    collect(old_colors, Choice_group::tubes, false, nullptr, out);
    // The sheet under the regions is the picture's first part: not a choice.
    const Object* sheet = old_scena && !old_scena->links.empty() ? old_scena->links.front() : nullptr;
    collect(old_scena, Choice_group::picture, true, sheet, out);
    collect(interface_root, Choice_group::buttons, false, nullptr, out);
    return out;
}
