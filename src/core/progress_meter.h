#pragma once
// The progress meter of long loops: a step counter against a step total,
// shown as "NN %" and redrawn only when the percentage changes.

#include <cstdint>

#include "core/interaction.h"

namespace zembu::core {

class ProgressMeter {
public:
    // Shows the meter with the counter at 0.
    ProgressMeter(Interaction& ui, int64_t total);
    // Hides the meter.
    ~ProgressMeter();
    ProgressMeter(const ProgressMeter&) = delete;
    ProgressMeter& operator=(const ProgressMeter&) = delete;

    // merak: one step; redraws the meter when the whole percentage changed.
    void merak();
    // Several steps at once, for loops that report in batches.
    void advance(int64_t steps);
    // Sets the counter directly (for readers that report bytes read).
    void setCount(int64_t count);
    void setTotal(int64_t total) { total_ = total; }

    int lastPercent() const { return lastPercent_; }

private:
    void redraw();

    Interaction& ui_;
    int64_t total_;
    int64_t count_ = 0;
    int lastPercent_ = -1;
};

}  // namespace zembu::core
