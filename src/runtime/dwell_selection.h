#pragma once
// Selecting by resting the pointer: an area under the pointer for the dwell
// time is selected; moving to another area starts over. After a selection the
// same area dwells again only once the pointer has left it, so a pointer that
// stays does not select the same area over and over.
#include <cstdint>

namespace orvel {

class DwellSelection {
public:
    void set_time(int dwell_ms) { dwell_ms_ = dwell_ms > 0 ? dwell_ms : 0; }
    bool enabled() const { return dwell_ms_ > 0; }

    // The pointer is over `area` (0: over none) at `now_ms`.
    void pointer_over(int area, int64_t now_ms);

    struct State {
        int area = 0;           // the area the frame shows, 0 none
        double progress = 0;    // 0..1 of the dwell time
        int selected = 0;       // the area selected at this moment, once
    };
    State tick(int64_t now_ms);
    // An area is filling up (the caller keeps ticking).
    bool filling() const { return enabled() && area_ != 0 && area_ != spent_; }
    void reset();
    int area() const { return area_; }

private:
    int dwell_ms_ = 0;
    int area_ = 0;
    int64_t since_ = 0;
    int spent_ = 0;  // selected and not yet left
};

}  // namespace orvel
