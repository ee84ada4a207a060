#include "import/cc_checks.h"

#include <string>

#include "core/errors.h"
#include "core/text.h"

namespace zembu::import {

namespace {

constexpr const char* kTitle = "Program Info";
constexpr const char* kChangeLimits = "Please change limits and try to import data once more.";

[[noreturn]] void refuseIndex(const char* what, int64_t index, int64_t line, int32_t limit) {
    if (index < 1)
        throw core::ZembuError(std::string("The file format is not correct!!!\rLine ") + std::to_string(line) +
                                   " holds the " + what + " index " + std::to_string(index) + ".",
                               kTitle);
    throw core::ZembuError(std::string("The ") + what + " index " + std::to_string(index) + " on line " +
                               std::to_string(line) + " exceeds the limit (" + std::to_string(limit) + ").\r" +
                               kChangeLimits,
                           kTitle);
}

[[noreturn]] void refuseCount(const char* what, int64_t count, int32_t limit) {
    throw core::ZembuError(std::string("The number of ") + what + " is" + core::withLeadingBlank(count) +
                               ".\rIt exeeds the limit (" + std::to_string(limit) + "). " + kChangeLimits,
                           kTitle);
}

}  // namespace

void checkReleveIndex(int64_t index, int64_t line, int32_t maxReleves) {
    if (index < 1 || index > maxReleves) refuseIndex("relevé", index, line, maxReleves);
}

void checkSpeciesIndex(int64_t index, int64_t line, int32_t maxSpecies) {
    if (index < 1 || index > maxSpecies) refuseIndex("species", index, line, maxSpecies);
}

void checkReleveCount(int64_t count, int32_t maxReleves) {
    if (count > maxReleves) refuseCount("relevés", count, maxReleves);
}

void checkEndOfData(bool found) {
    if (!found)
        throw core::ZembuError("The file format is not correct!!!\rThe data lines do not end with an end-of-data "
                               "line (\"0000\"); the file is not whole or its lines are not in the CC! format.",
                               kTitle);
}

void checkReleveList(int64_t count) {
    if (count == 0)
        throw core::ZembuError("The file format is not correct!!!\rThe file has no relevé list after its species "
                               "list, so no relevé of its data can be placed in the table.",
                               kTitle);
}

void checkSpeciesCount(int64_t count, int32_t maxSpecies) {
    if (count > maxSpecies) refuseCount("species", count, maxSpecies);
}

}  // namespace zembu::import
