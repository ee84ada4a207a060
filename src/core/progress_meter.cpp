#include "core/progress_meter.h"

#include <algorithm>
#include <string>

namespace zembu::core {

ProgressMeter::ProgressMeter(Interaction& ui, int64_t total) : ui_(ui), total_(total) {
    ui_.progressShow();
}

ProgressMeter::~ProgressMeter() { ui_.progressHide(); }

void ProgressMeter::merak() { advance(1); }

void ProgressMeter::advance(int64_t steps) {
    count_ += steps;
    redraw();
}

void ProgressMeter::setCount(int64_t count) {
    count_ = count;
    redraw();
}

void ProgressMeter::redraw() {
    if (total_ <= 0) return;
    // Whole part of counter / total * 100, capped at 100.
    const int percent = static_cast<int>(std::min<int64_t>(100, count_ * 100 / total_));
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    ui_.progressSet(percent, std::to_string(percent) + " %");
}

}  // namespace zembu::core
