#pragma once

#include <string>

// A small decimal number as the settings' text lines write it: figures only
// (no sign, no blanks), at most `digits` of them, within [low, high]; `out`
// is left alone when the text is not one.
template <typename Int>
bool read_decimal(const std::string& text, size_t digits, int low, int high, Int& out) {
    if (text.empty() || text.size() > digits) return false;
    int v = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
        v = v * 10 + (ch - '0');
    }
    if (v < low || v > high) return false;
    out = static_cast<Int>(v);
    return true;
}
