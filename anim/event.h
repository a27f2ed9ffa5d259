#pragma once

#include <cstdint>
#include <cstddef>
#include <vector>

#include "anim/action.h"

class Animate;
class Event;

// A command on running actions by id: 0 stop, 1 start, 2 end; anything else does nothing.
struct idmove {
    int32_t id;
    int32_t command;
};

// A forward to slot `command` of another object's event.
struct event_and_command {
    Event* event;
    int32_t command;
};

// Numbered slots of what happens when the slot is sent: action templates to
// start on the owning object, id commands, and forwards to other events.
class Event {
public:
    int32_t slot = -1;
    std::vector<Action> empty_actions;
    std::vector<idmove> empty_idmoves;
    std::vector<event_and_command> empty_events;
    std::vector<int> slot_on;
    std::vector<std::vector<Action>> slot_actions;
    std::vector<std::vector<idmove>> slot_idmoves;
    std::vector<std::vector<event_and_command>> slot_events;
    Animate* animate = nullptr;

    Event() = default;

    void setup(Animate* a) { animate = a; }
    int create_slot();
    int select_slot(int n);
    void add_action(Action action);
    void add_idmove(idmove move);
    void add_event_and_command(Event& event, int command);
    void add_event_and_command(event_and_command record);
    void send(int n);

private:
    bool usable(int n) const;
};
