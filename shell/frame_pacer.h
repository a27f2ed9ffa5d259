#pragma once

#include <cstdint>

// Never more frames than a display shows: the loop waits for the next tick
// of a 60 Hz cadence (a swap that already waited for the display's refresh
// leaves nothing to wait). A frame that ran late starts the cadence anew
// rather than hurrying the next ones.
class Frame_pacer {
public:
    static constexpr double frame_ms = 1000.0 / 60.0;

    Frame_pacer();
    void wait_for_next_frame();

private:
    double next_ms_;
};
