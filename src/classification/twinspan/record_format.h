#pragma once
// The record format of a condensed data file: a Fortran format such as
// "(I5,5(I5,F8.3))" naming the fixed columns of the sample number and of the
// (species number, value) couplets of every data record.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::classification::twinspan {

// One field that carries a value: its first column (0-based), its width, and
// for real fields the implied decimals used when the field holds no point.
struct FormatField {
    enum class Kind { Integer, Real };
    Kind kind = Kind::Integer;
    int start = 0;
    int width = 0;
    int decimals = 0;
};

// The fields of one record, in the order the format reads them.
class RecordFormat {
public:
    // Parses a format such as "(I5,5(I5,F8.3))" or "(i4,7(i4,f4.0),2x)";
    // nullopt when the text is not a format this reader understands
    // (I, F, E, D, G, X edit descriptors and repeated groups).
    static std::optional<RecordFormat> parse(std::string_view text);

    const std::vector<FormatField>& fields() const { return fields_; }

    // Number of (species, value) couplets one record holds: the fields after
    // the leading sample number taken in pairs of an integer and a real; -1
    // when the fields do not have that shape.
    int coupletCapacity() const;

private:
    std::vector<FormatField> fields_;
};

// Reads an integer field the way a formatted read does: blanks are ignored
// and a blank field is 0. nullopt when the field is not a whole number.
std::optional<long long> readIntegerField(std::string_view field);

// A number read from text, with its value in thousandths computed from the
// decimal digits themselves: trunc(1000 * value + 0.5) without any binary
// rounding, so 1.4995 gives 1500 and 1.49949 gives 1499.
struct DecimalValue {
    double value = 0.0;
    long long thousandths = 0;
};

// Reads a real field: blanks ignored, a blank field is 0, a field without a
// decimal point is scaled by 10^-decimals, an exponent (E, D or a bare sign)
// is allowed. nullopt when the field is not a number.
std::optional<DecimalValue> readRealField(std::string_view field, int decimals);

// Reads a number written in free form ("5", "0.5", "-1", "2.5e1").
std::optional<DecimalValue> readDecimal(std::string_view text);

}  // namespace zembu::classification::twinspan
