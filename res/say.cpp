#include "res/say.h"

#include <cstdio>
#include <mutex>
#include <set>

void say(const std::string& what) { std::fprintf(stderr, "pintabo: %s\n", what.c_str()); }

void say_once(const std::string& line) {
    // Never destroyed: a writer thread may still say something while the
    // process's statics are going away.
    static std::mutex* guard = new std::mutex();
    static std::set<std::string>* said = new std::set<std::string>();
    std::lock_guard<std::mutex> lock(*guard);
    if (!said->insert(line).second) return;
    std::fprintf(stderr, "%s\n", line.c_str());
}
