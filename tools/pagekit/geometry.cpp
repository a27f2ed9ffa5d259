#include "geometry.h"

double ring_area2(const Ring& r) {
    double a = 0;
    const size_t n = r.size();
    for (size_t i = 0; i < n; ++i) {
        const Pt& p = r[i];
        const Pt& q = r[(i + 1) % n];
        a += p.x * q.y - q.x * p.y;
    }
    return a;
}
