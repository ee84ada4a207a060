#include "classification/twinspan/record_format.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zembu::classification::twinspan {

namespace {

// Widest record a format may describe; guards against absurd repeat counts.
constexpr int kMaxRecordWidth = 100000;

// Recursive-descent reader of a format text with the blanks removed.
class FormatParser {
public:
    explicit FormatParser(std::string_view text) : text_(text) {}

    bool parse(std::vector<FormatField>& fields) {
        if (!take('(')) return false;
        if (!list(fields)) return false;
        if (!take(')')) return false;
        return pos_ == text_.size();
    }

private:
    bool list(std::vector<FormatField>& fields) {
        if (peek() == ')') return true;  // "()" reads nothing
        for (;;) {
            if (!item(fields)) return false;
            if (peek() == ',') {
                ++pos_;
                continue;
            }
            if (peek() == ')') return true;
            // A comma may be left out before a group or after an X.
            if (!(std::isdigit(static_cast<unsigned char>(peek())) || std::isalpha(static_cast<unsigned char>(peek())) ||
                  peek() == '('))
                return false;
        }
    }

    bool item(std::vector<FormatField>& fields) {
        const int repeat = number(1);
        if (repeat < 0) return false;
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(peek())));
        if (c == '(') {
            ++pos_;
            std::vector<FormatField> inner;
            const int startColumn = column_;
            column_ = 0;
            if (!list(inner) || !take(')')) return false;
            const int groupWidth = column_;
            column_ = startColumn;
            for (int r = 0; r < repeat; ++r) {
                for (FormatField f : inner) {
                    f.start += column_;
                    fields.push_back(f);
                }
                column_ += groupWidth;
                if (column_ > kMaxRecordWidth) return false;
            }
            return true;
        }
        ++pos_;
        if (c == 'X') {
            column_ += repeat;
            return column_ <= kMaxRecordWidth;
        }
        FormatField field;
        if (c == 'I') {
            field.kind = FormatField::Kind::Integer;
        } else if (c == 'F' || c == 'E' || c == 'D' || c == 'G') {
            field.kind = FormatField::Kind::Real;
        } else {
            return false;
        }
        field.width = number(0);
        if (field.width <= 0) return false;
        if (field.kind == FormatField::Kind::Real) {
            if (!take('.')) return false;
            field.decimals = number(-1);
            if (field.decimals < 0) return false;
            // An exponent width ("E12.4E2") changes nothing on input.
            if (c != 'F' && (peek() == 'E' || peek() == 'e')) {
                ++pos_;
                if (number(-1) < 0) return false;
            }
        } else if (peek() == '.') {  // "I5.3": the minimum digits matter only on output
            ++pos_;
            if (number(-1) < 0) return false;
        }
        for (int r = 0; r < repeat; ++r) {
            field.start = column_;
            fields.push_back(field);
            column_ += field.width;
            if (column_ > kMaxRecordWidth) return false;
        }
        return true;
    }

    // Reads an unsigned number; fallback when there are no digits.
    int number(int fallback) {
        if (!std::isdigit(static_cast<unsigned char>(peek()))) return fallback;
        long long v = 0;
        while (std::isdigit(static_cast<unsigned char>(peek()))) {
            v = v * 10 + (text_[pos_++] - '0');
            if (v > kMaxRecordWidth) return -1;
        }
        return static_cast<int>(v);
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    bool take(char c) {
        if (peek() != c) return false;
        ++pos_;
        return true;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int column_ = 0;
};

std::string withoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t') out += c;
    return out;
}

// The digits of a decimal number as an integer mantissa and a power of ten.
struct DecimalParts {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    long long exponent = 0;
};

// Splits "[sign]digits[.digits][exponent]" into its parts; implied decimals
// apply when there is no point. False when the text is not such a number.
bool splitDecimal(const std::string& s, int impliedDecimals, DecimalParts& parts) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) parts.negative = s[i++] == '-';
    std::string digits;
    bool point = false;
    long long fractionDigits = 0;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            anyDigit = true;
            if (point) ++fractionDigits;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return false;
    long long exponent = 0;
    if (i < s.size()) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
        if (c == 'E' || c == 'D' || c == 'Q') ++i;
        else if (c != '+' && c != '-') return false;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativeExponent = s[i++] == '-';
        if (i >= s.size()) return false;
        for (; i < s.size(); ++i) {
            if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
            exponent = exponent * 10 + (s[i] - '0');
            if (exponent > 100000) return false;
        }
        if (negativeExponent) exponent = -exponent;
    }
    const size_t firstNonZero = digits.find_first_not_of('0');
    parts.digits = firstNonZero == std::string::npos ? std::string() : digits.substr(firstNonZero);
    parts.exponent = exponent - (point ? fractionDigits : impliedDecimals);
    return true;
}

// trunc(1000 * value + 0.5) computed on the decimal digits.
long long thousandthsOf(const DecimalParts& p, double value) {
    constexpr long long kCap = std::numeric_limits<long long>::max() / 20;
    if (p.digits.empty()) return 0;
    if (p.negative) {
        // Negative values do not occur in cover data; binary arithmetic will do,
        // held inside the range a long long can carry.
        const double scaled = std::trunc(1000.0 * value + 0.5);
        return scaled < -static_cast<double>(kCap) ? -kCap : static_cast<long long>(scaled);
    }
    const long long shift = p.exponent + 3;  // value * 1000 = digits * 10^shift
    const long long integerDigits = static_cast<long long>(p.digits.size()) + shift;
    if (integerDigits > 18) return kCap;
    long long whole = 0;
    for (long long k = 0; k < integerDigits; ++k)
        whole = whole * 10 + (k < static_cast<long long>(p.digits.size()) ? p.digits[k] - '0' : 0);
    // The first digit after the point decides the rounding of + 0.5.
    const long long firstFraction = integerDigits;
    if (firstFraction >= 0 && firstFraction < static_cast<long long>(p.digits.size()) &&
        p.digits[firstFraction] >= '5')
        ++whole;
    return whole;
}

std::optional<DecimalValue> decimalFrom(const std::string& s, int impliedDecimals) {
    if (s.empty()) return DecimalValue{};
    DecimalParts parts;
    if (!splitDecimal(s, impliedDecimals, parts)) return std::nullopt;
    std::string literal = parts.negative ? "-" : "";
    literal.append(parts.digits.empty() ? "0" : parts.digits).append("e").append(std::to_string(parts.exponent));
    DecimalValue result;
    result.value = std::strtod(literal.c_str(), nullptr);
    if (!std::isfinite(result.value)) return std::nullopt;
    result.thousandths = thousandthsOf(parts, result.value);
    return result;
}

}  // namespace

std::optional<RecordFormat> RecordFormat::parse(std::string_view text) {
    RecordFormat format;
    const std::string stripped = withoutBlanks(text);
    FormatParser parser(stripped);
    if (!parser.parse(format.fields_) || format.fields_.empty()) return std::nullopt;
    return format;
}

int RecordFormat::coupletCapacity() const {
    if (fields_.empty() || fields_[0].kind != FormatField::Kind::Integer) return -1;
    if ((fields_.size() - 1) % 2 != 0) return -1;
    for (size_t k = 1; k < fields_.size(); k += 2)
        if (fields_[k].kind != FormatField::Kind::Integer || fields_[k + 1].kind != FormatField::Kind::Real) return -1;
    return static_cast<int>((fields_.size() - 1) / 2);
}

std::optional<long long> readIntegerField(std::string_view field) {
    const std::string s = withoutBlanks(field);
    if (s.empty()) return 0;
    size_t i = 0;
    bool negative = false;
    if (s[0] == '+' || s[0] == '-') negative = s[i++] == '-';
    if (i >= s.size()) return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return std::nullopt;
        v = v * 10 + (s[i] - '0');
        if (v > 1000000000000LL) return std::nullopt;
    }
    return negative ? -v : v;
}

std::optional<DecimalValue> readRealField(std::string_view field, int decimals) {
    return decimalFrom(withoutBlanks(field), decimals);
}

std::optional<DecimalValue> readDecimal(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.empty()) return std::nullopt;
    return decimalFrom(s, 0);
}

}  // namespace zembu::classification::twinspan
