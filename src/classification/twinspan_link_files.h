#pragma once
// The files of the TWINSPAN link: the choices of its dialog (Form32) with
// the settings that keep them, the data file of the relevés of one colour
// ("twtwtw.cc!") and the answers to the program's questions ("tw.dat").

#include <cstdint>
#include <string>
#include <vector>

#include "core/table.h"

namespace zembu::core {
class Settings;
}

namespace zembu::classification {

inline constexpr const char* TwinspanDataFileName = "twtwtw.cc!";
inline constexpr const char* TwinspanAnswerFileName = "tw.dat";
inline constexpr const char* TwinspanPunchedFileName = "twtwtw.pun";
inline constexpr const char* TwinspanPrintedFileName = "twtwtw.twi";
// Relevés the data file can number (five digits).
inline constexpr int32_t MaxTwinspanReleves = 99999;

// The choices of Form32, as typed.
struct TwinspanLinkOptions {
    std::string pseudospeciesCount = "3";  // Text1
    std::string cutLevels = "0 5 25";      // Text2
    std::string minGroupSize = "5";        // Text3
    std::string maxIndicators = "6";       // Text4
    std::string maxTableSpecies = "100";   // Text5
    std::string maxLevel = "6";            // Text6: maximum level of divisions
    std::string program;                   // Text7: the TWINSPAN program
    int colour = 0;                        // Combo1: relevé colour analysed
    bool sortSpecies = false;              // Check1
    bool makeSeparators = false;           // Check2
};

// The options the dialog opens with: Text1..Text4 and the program from the
// settings (defaults where a setting is empty), the rest as defaults. An
// empty program setting gives defaultProgram.
TwinspanLinkOptions linkOptionsFromSettings(const core::Settings& settings, const std::string& defaultProgram);

// Stores Text1..Text4 under their settings.
void storeLinkSettings(core::Settings& settings, const TwinspanLinkOptions& options);

// A refused field: the message and the field (1..6 for Text1..Text6).
struct LinkOptionProblem {
    std::string text;
    int field = 0;
};

// Checks Text1..Text6: whole numbers within their limits (cut levels 1..9,
// minimum group size 2..10000, indicators 0..15, species of the printed table
// 0..1000, levels of division 1..15) and exactly Text1 increasing cut levels
// in Text2. Returns the first problem; an empty text when all are usable.
LinkOptionProblem checkLinkOptions(const TwinspanLinkOptions& options);

// The separator level the divisions set: Text6, or 6 when it lies outside 1..6.
int separatorLevelOf(const TwinspanLinkOptions& options);

// The answer file: "TWTWTW.CC!", "-1", Text1 .. Text6, "1", "-1", "1", "-1"
// and "-1" four times, one a line, CR LF.
std::string answerFileText(const TwinspanLinkOptions& options);

// Form32.ccsoubor: the data file of the relevés of colour `colour` in table
// order, numbered 1, 2, ...: title and format lines, data lines of up to 7
// (species, cover) pairs, "0000", the species names (the species record
// numbers) and the relevé names (the relevé record numbers). Species are
// numbered in the order they first appear; group rows ("#...") and deleted
// rows are left out.
struct TwinspanDataFile {
    std::string text;
    int32_t releves = 0;  // relevés written
    int32_t species = 0;  // species numbered
};
TwinspanDataFile ccsoubor(const core::Table& table, int colour);

}  // namespace zembu::classification
