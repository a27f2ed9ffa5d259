#include "anim/event.h"

#include <cstddef>

#include "anim/animate.h"

bool Event::usable(int n) const {
    return n >= 0 && static_cast<size_t>(n) < slot_on.size() && slot_on[static_cast<size_t>(n)] == 1;
}

int Event::create_slot() {
    slot_on.push_back(1);
    slot_actions.push_back(empty_actions);
    slot_idmoves.push_back(empty_idmoves);
    slot_events.push_back(empty_events);
    slot = static_cast<int32_t>(slot_on.size()) - 1;
    return slot;
}

int Event::select_slot(int n) {
    if (!usable(n)) return 0;
    slot = n;
    return 1;
}

// Adding to an event without a current slot is ignored rather than written
// out of bounds; the game always creates a slot before filling it.
void Event::add_action(Action action) {
    if (usable(slot)) slot_actions[static_cast<size_t>(slot)].push_back(action);
}

void Event::add_idmove(idmove move) {
    if (usable(slot)) slot_idmoves[static_cast<size_t>(slot)].push_back(move);
}

void Event::add_event_and_command(Event& event, int command) { add_event_and_command({&event, command}); }

void Event::add_event_and_command(event_and_command record) {
    if (usable(slot)) slot_events[static_cast<size_t>(slot)].push_back(record);
}

// Slots are walked by index: a forward may send another slot of this same
// event, and nothing here may hold a reference across that call.
void Event::send(int n) {
    if (!usable(n) || !animate) return;
    const size_t s = static_cast<size_t>(n);
    for (size_t i = 0; i < slot_actions[s].size(); ++i) animate->add(slot_actions[s][i]);
    for (size_t i = 0; i < slot_idmoves[s].size(); ++i) {
        const idmove m = slot_idmoves[s][i];
        switch (m.command) {
            case 0: animate->stop_id(m.id); break;
            case 1: animate->start_id(m.id); break;
            case 2: animate->set_rip_id(m.id); break;
            default: break;
        }
    }
    for (size_t i = 0; i < slot_events[s].size(); ++i) {
        const event_and_command f = slot_events[s][i];
        if (f.event) f.event->send(f.command);
    }
}
