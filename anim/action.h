#pragma once

#include <cstdint>

class Coordin;

using action_fun = void (*)(void*);

// One running behaviour: a function with a free parameter block, an id, run
// flags and two millisecond clocks. A plain record, copied by value; it owns
// nothing. The behaviour reads its own record through Action_curent.
class Action {
public:
    Coordin* coordin;
    double time = 0.0;
    int32_t iparam1;
    int32_t iparam2;
    int32_t iparam3;
    double dparam1;
    double dparam2;
    double dparam3;
    void* param;
    action_fun fun;
    int32_t id;
    bool started;
    bool endless;
    bool rip_flag = false;
    double duration;
    double lifetime = 0.0;

    // The parameter block, param and fun are left for the builder to fill.
    Action(int id, bool started, double duration);
    Action(Coordin* coordin, int id, bool started, double duration);

    void init(action_fun f, int i1, int i2, double d1, double d2, double d3);
    void init(action_fun f, int i1, double d1, double d2, double d3);
    void init(action_fun f, double d1, double d2, double d3);

    void start() { started = true; }
    void stop() { started = false; }
    bool rip() const { return rip_flag; }
    void set_rip() { rip_flag = true; }
    int get_id() const { return id; }
    void set_position(Coordin* c) { coordin = c; }

    void animate(uint32_t dt);
};

// The action whose function is running; valid only during that call.
extern Action* Action_curent;
