#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>

// What must hold after every frame of the game, whatever was clicked: no
// GL error raised, at most one dialog per layer and the layer flags agreeing with them, no
// click hold without a panel, as many tubes as the mode has, a loaded brush
// carrying its tube's colour, no objects piling up (the same quiet screen
// always holds as many objects), and every settings file written reading
// back to exactly what was handed to the writer.
class Game_invariants {
public:
    // The first broken rule after this frame, or "" when all hold.
    std::string check_frame();
    // After a quit: the file on disk is the last one written and reads back whole.
    std::string check_saved_file(const std::string& path);

    // What the run went through, for the report.
    std::set<std::string> screens_seen;
    unsigned long picture_changes = 0;
    unsigned long saves_checked = 0;
    unsigned long quiet_checks = 0;
    long most_objects = 0;

private:
    std::string check_dialogs();
    std::string check_tubes_and_brush();
    std::string check_objects();
    std::string check_saves();

    using Quiet_key = std::tuple<int, bool, bool, int>;
    std::map<Quiet_key, long> objects_when_quiet_;
    const void* last_picture_ = nullptr;
    unsigned long writes_seen_ = 0;
};
