#pragma once
// The cover label table ("UHUL::"): 101 labels of six characters, one for each
// cover percentage 0..100, so that cover statistics can be shown in the codes
// of a field scale.

#include <string>
#include <string_view>

namespace zembu::synoptic {

class CoverLabels {
public:
    // The labels of a stored table; a table shorter than 300 characters is
    // replaced by the default one.
    explicit CoverLabels(std::string_view stored);
    // The default table.
    CoverLabels() : CoverLabels(std::string_view()) {}

    // The label of percentage p (characters 6p + 1 .. 6p + 6), trimmed; empty
    // beyond the table.
    std::string_view label(int p) const;

    const std::string& table() const { return table_; }

    // The default table: the numbers 0 to 100, each right-aligned in six characters.
    static std::string defaultTable();

private:
    std::string table_;
};

}  // namespace zembu::synoptic
