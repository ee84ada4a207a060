#pragma once
// Beals smoothing: the chance that a species occurs in a relevé, estimated
// from how often it grows together with the species the relevé holds. For a
// live species s and a relevé holding the live species t1..tS:
//   value = round(1000 * sum_t c(s, t) / n(t) / S) / 1000 + (1 if s is present)
// with c(s, t) the relevés holding both, n(t) the relevés holding t, rounding
// halves to the even neighbour; 0 for a relevé without live species.
//
// The co-occurrence counts are gathered once from the cell strings, and each
// relevé adds up only the counts its species actually have, so the work grows
// with the co-occurrences present rather than with the square of the species.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zembu::core {
class Interaction;
class ProgressMeter;
class Table;
class Workspace;
}  // namespace zembu::core

namespace zembu::analysis {

inline constexpr const char* BealsFileTitle = "SAVE TABLE with BEALS PROB. VALUES";
inline constexpr const char* BealsFileFilter = "Text format TXT|*.txt|All files (*.*)|*.*";
inline constexpr const char* BealsLimitTitle = "LIMIT";
inline constexpr const char* BealsLimitPrompt = "Write minimum limit for value export <0.000-1,000)";
inline constexpr const char* BealsLimitProposal = "0.100";
inline constexpr double BealsLargestLimit = 0.999;

class BealsSmoothing {
public:
    // Counts the co-occurrences of the table's live species (one progress
    // step per live species when a meter is given). The table must outlive
    // the object and stay unchanged.
    explicit BealsSmoothing(const core::Table& table, core::ProgressMeter* meter = nullptr);

    // The values of every live row in relevé record rec, in thousandths
    // (value x 1000), by row 1..SpeciesCount (entry 0 unused).
    void valuesOf(int32_t rec, std::vector<int32_t>& thousandths);

    // c(s, t) for species records s and t (0 unless both are live).
    int32_t cooccurrences(int32_t s, int32_t t) const;

    // Pairs of live species (s, t), s and t equal included, that occur together.
    int64_t pairCount() const { return start_.empty() ? 0 : start_.back(); }
    // Terms a relevé adds up: the pairs of its live species t with the species occurring with t.
    int64_t termsOf(int32_t rec) const;

private:
    // The pairs of each t, in 16-bit form when every index and count fits,
    // in 32-bit form otherwise: the dense species s occurring with t and c(s, t).
    template <typename Index>
    struct PairRows {
        std::vector<Index> partner;
        std::vector<Index> count;
    };
    template <typename Index>
    void countPairs(PairRows<Index>& rows, const std::vector<int32_t>& liveRecord,
                    const std::vector<int64_t>& releveStart, const std::vector<int32_t>& releveSpecies,
                    core::ProgressMeter* meter);
    template <typename Index>
    void addTerms(const PairRows<Index>& rows, int32_t t);

    const core::Table& table_;
    std::vector<int32_t> dense_;      // by species record: index among live species, -1 when not live
    std::vector<int32_t> rowDense_;   // by row 1..SpeciesCount: the dense index of its record, -1 when none
    std::vector<int32_t> frequency_;  // n(t), by dense index
    std::vector<int64_t> start_;      // by dense t: where its pairs start
    bool narrow_ = true;
    PairRows<uint16_t> narrowRows_;
    PairRows<uint32_t> wideRows_;
    // c / n(t) for c = 0..n(t), for every t from weightStart_[t] on: the
    // terms are looked up rather than divided again for every relevé.
    std::vector<int64_t> weightStart_;
    std::vector<double> weights_;
    // Work space of one relevé, by dense index.
    std::vector<double> sum_;
    std::vector<char> present_;
    std::vector<int32_t> rounded_;
};

// A value as the export writes it: plain decimal text, a fraction below 1
// without its leading zero (".345"), no trailing zeros ("1.5", "2", "0").
std::string bealsValueText(int32_t thousandths);

// True when a value reaches the export limit.
bool bealsValueReaches(int32_t thousandths, double limit);

// The smallest value in thousandths that reaches the limit (1000 for a
// limit above 0.999: every present species).
int32_t bealsLimitThousandths(double limit);

// Writes the values reaching the limit for every live species in every
// relevé whose colour number is colour (9: every relevé), in column order,
// one line "TURBOVEG number;species number;layer;value" (CR LF) each, to file
// atomically. Returns the lines written; throws core::ZembuError when the file
// cannot be written.
int64_t writeBealsFile(const core::Table& table, int colour, double limit, const std::filesystem::path& file,
                       core::Interaction& ui);

// The limit typed into the input box: a number, with "." or ","; nothing
// when it is not a number.
std::optional<double> parseBealsLimit(std::string_view text);

// form1.cockrele_Click ("Calculated from All Relevés"): asks for the file and
// the limit (again while it is not a number from 0 to 0.999), then writes the
// values for the relevés of the relevé colour box's colour. Cancelling either
// question writes nothing. Returns true when the file was written.
bool cockrele_Click(core::Workspace& ws, core::Interaction& ui);

}  // namespace zembu::analysis
