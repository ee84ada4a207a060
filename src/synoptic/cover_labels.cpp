#include "synoptic/cover_labels.h"

#include "core/text.h"

namespace zembu::synoptic {

namespace {
constexpr size_t LabelWidth = 6;
constexpr size_t ShortestTable = 300;
}  // namespace

CoverLabels::CoverLabels(std::string_view stored)
    : table_(stored.size() < ShortestTable ? defaultTable() : std::string(stored)) {}

std::string CoverLabels::defaultTable() {
    std::string table;
    for (int p = 0; p <= 100; ++p) table += core::rightJustify(std::to_string(p), LabelWidth);
    return table;
}

std::string_view CoverLabels::label(int p) const {
    if (p < 0) return {};
    const size_t start = static_cast<size_t>(p) * LabelWidth;
    if (start >= table_.size()) return {};
    return core::trim(std::string_view(table_).substr(start, LabelWidth));
}

}  // namespace zembu::synoptic
