#include "label_ops.h"

#include <cmath>

#include "distance.h"

void reassign_to_neighbours(std::vector<int>& labels, int w, int h, const std::vector<uint8_t>& drop,
                            const std::vector<uint8_t>* active, bool other_first) {
    const std::vector<int> before = labels;
    std::vector<uint8_t> done(labels.size(), 0);
    for (int pass = other_first ? 0 : 1; pass < 2; ++pass) {
        std::vector<int> queue;
        for (size_t p = 0; p < labels.size(); ++p) {
            if (active && !(*active)[p]) {
                done[p] = 1;
            } else if (!drop[p] || done[p]) {
                done[p] = 1;
                queue.push_back(static_cast<int>(p));
            }
        }
        for (size_t head = 0; head < queue.size(); ++head) {
            const int p = queue[head];
            const int i = p % w, j = p / w;
            const int nb[4] = {i > 0 ? p - 1 : -1, i < w - 1 ? p + 1 : -1, j > 0 ? p - w : -1, j < h - 1 ? p + w : -1};
            for (int q : nb) {
                if (q < 0 || done[q]) continue;
                if (pass == 0 && before[q] == labels[p]) continue;
                done[q] = 1;
                labels[q] = labels[p];
                queue.push_back(q);
            }
        }
    }
}

void remove_thin_parts(std::vector<int>& labels, int w, int h, float radius, const std::vector<uint8_t>* active) {
    const std::vector<float> d = inside_distance(labels, w, h);
    std::vector<uint8_t> core(labels.size()), keep(labels.size());
    for (size_t p = 0; p < labels.size(); ++p) keep[p] = core[p] = d[p] > radius;
    std::vector<int> disk;  // offsets (di, dj) packed as pairs
    const int r = static_cast<int>(std::ceil(radius));
    for (int dj = -r; dj <= r; ++dj)
        for (int di = -r; di <= r; ++di)
            if (di * di + dj * dj <= radius * radius) {
                disk.push_back(di);
                disk.push_back(dj);
            }
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const size_t p = static_cast<size_t>(j) * w + i;
            if (!core[p]) continue;
            // Only cores at the rim of the core area reach uncovered pixels.
            const bool rim = i == 0 || j == 0 || i == w - 1 || j == h - 1 || !core[p - 1] || !core[p + 1] ||
                             !core[p - w] || !core[p + w];
            if (!rim) continue;
            for (size_t k = 0; k < disk.size(); k += 2) {
                const int x = i + disk[k], y = j + disk[k + 1];
                if (x < 0 || y < 0 || x >= w || y >= h) continue;
                keep[static_cast<size_t>(y) * w + x] = 1;
            }
        }
    std::vector<uint8_t> drop(labels.size());
    bool any = false;
    for (size_t p = 0; p < labels.size(); ++p) {
        drop[p] = !keep[p] && (!active || (*active)[p]);
        any = any || drop[p];
    }
    if (any) reassign_to_neighbours(labels, w, h, drop, active);
}

int fix_diagonal_contacts(std::vector<int>& labels, int w, int h) {
    int total = 0;
    for (int pass = 0; pass < 100; ++pass) {
        int changed = 0;
        for (int j = 0; j + 1 < h; ++j)
            for (int i = 0; i + 1 < w; ++i) {
                int* top = labels.data() + static_cast<size_t>(j) * w + i;
                int* bottom = top + w;
                const int a = top[0], b = top[1], c = bottom[0], d = bottom[1];
                if (a == d && b != a && c != a) {
                    top[1] = a;
                    ++changed;
                } else if (b == c && a != b && d != b) {
                    top[0] = b;
                    ++changed;
                }
            }
        total += changed;
        if (changed == 0) break;
    }
    return total;
}

std::vector<int> connected_pieces(const std::vector<int>& labels, int w, int h, int& count) {
    std::vector<int> piece(labels.size(), -1);
    std::vector<int> stack;
    count = 0;
    for (size_t s = 0; s < labels.size(); ++s) {
        if (piece[s] >= 0) continue;
        piece[s] = count;
        stack.push_back(static_cast<int>(s));
        while (!stack.empty()) {
            const int p = stack.back();
            stack.pop_back();
            const int i = p % w, j = p / w;
            const int nb[4] = {i > 0 ? p - 1 : -1, i < w - 1 ? p + 1 : -1, j > 0 ? p - w : -1, j < h - 1 ? p + w : -1};
            for (int q : nb)
                if (q >= 0 && piece[q] < 0 && labels[q] == labels[p]) {
                    piece[q] = count;
                    stack.push_back(q);
                }
        }
        ++count;
    }
    return piece;
}
