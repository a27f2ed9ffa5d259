#pragma once

#include <cstddef>
#include <cstdlib>
#include <vector>

// A bag to draw from: append, random pick, random pick with removal, and
// empty() which throws everything out. Picking from an empty bag yields T{}.
template <typename T>
class Randname {
public:
    std::vector<T> items;

    void push_back(const T& value) { items.push_back(value); }
    size_t size() const { return items.size(); }
    void empty() { items.clear(); }

    T rand() const {
        if (items.empty()) return T{};
        return items[static_cast<size_t>(std::rand()) % items.size()];
    }

    T rand_del() {
        if (items.empty()) return T{};
        const size_t i = static_cast<size_t>(std::rand()) % items.size();
        const T value = items[i];
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(i));
        return value;
    }
};
