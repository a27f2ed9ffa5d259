#include "anim/action.h"

Action* Action_curent = nullptr;

// The parameter block, param and fun start at zero: a builder sets what its
// function reads, and a record started without a function does nothing.
Action::Action(int id_, bool started_, double duration_)
    : coordin(nullptr), iparam1(0), iparam2(0), iparam3(0), dparam1(0.0), dparam2(0.0),
      dparam3(0.0), param(nullptr), fun(nullptr), id(id_), started(started_),
      endless(duration_ == 0.0), duration(duration_ == 0.0 ? 0.0 : duration_) {}

Action::Action(Coordin* c, int id_, bool started_, double duration_) : Action(id_, started_, duration_) {
    coordin = c;
}

void Action::init(action_fun f, int i1, int i2, double d1, double d2, double d3) {
    fun = f;
    iparam1 = i1;
    iparam2 = i2;
    dparam1 = d1;
    dparam2 = d2;
    dparam3 = d3;
    param = nullptr;
}

void Action::init(action_fun f, int i1, double d1, double d2, double d3) {
    fun = f;
    iparam1 = i1;
    dparam1 = d1;
    dparam2 = d2;
    dparam3 = d3;
    param = nullptr;
}

void Action::init(action_fun f, double d1, double d2, double d3) {
    fun = f;
    dparam1 = d1;
    dparam2 = d2;
    dparam3 = d3;
    param = nullptr;
}

// A stopped action keeps both clocks where they stand. The function still runs
// on the step that finishes the action; it is removed on the next walk.
void Action::animate(uint32_t dt) {
    if (!started) return;
    lifetime += dt;
    if (!endless && !(lifetime < duration)) rip_flag = true;
    time += dt;
    Action_curent = this;
    if (fun) fun(param);
}
