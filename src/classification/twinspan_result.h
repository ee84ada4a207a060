#pragma once
// The classification TWINSPAN writes into its punched output file: per item
// (relevé or species) its name from the data file and its division code.
// The file is read by the columns of its fixed layout, never by splitting at
// blanks: a name of five or more digits is printed as two 4-character halves
// and would shift every following field.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::classification {

// One classified item: the number its name carries (the relevé or species
// record number the link wrote as the name) and its code, "*" followed by
// one "0" or "1" per division level.
struct ClassifiedItem {
    int32_t name = 0;
    std::string code;
};

struct TwinspanClassification {
    std::vector<ClassifiedItem> releves;  // "SAMPLE CLASSIFICATION", in file order
    std::vector<ClassifiedItem> species;  // "SPECIES CLASSIFICATION", in file order
};

// True when the text holds the line "SPECIES CLASSIFICATION", the sign that
// TWINSPAN finished writing its output.
bool hasSpeciesClassification(std::string_view text);

// Reads both sections of a punched output file's text. Throws
// core::ZembuError (title "TWINSPAN") naming the line and what is wrong when
// a section is missing, a count cannot be read, a record is cut short, or a
// name or code is not what the link writes.
TwinspanClassification readTwinspanClassification(std::string_view text);

}  // namespace zembu::classification
