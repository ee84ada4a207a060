#include "core/head_lines.h"

#include "core/text.h"

namespace zembu::core {

HeadLines hlavickared(const Table& t) {
    HeadLines lines;
    const auto n = static_cast<size_t>(std::max(t.ReleveCount, 0));
    for (std::string& line : lines) line.assign(n, ' ');
    for (int32_t k = 1; k <= t.ReleveCount; ++k) {
        const int32_t rec = t.ReleveOrder[k].record;
        if (rec < 1 || rec > t.MaxReleves) continue;
        const std::string value = core::rightJustify(t.ReleveHead[rec], 6);
        for (size_t c = 0; c < 6; ++c) lines[5 - c][static_cast<size_t>(k - 1)] = value[c];
    }
    return lines;
}

}  // namespace zembu::core
