#pragma once
// The formula language of relevé selection (Form8): species and group rows
// written as terms between "<" and ">", joined by AND, OR and NOT, grouped by
// parentheses of three equivalent kinds. Parsing gives the structure that
// "&Show definition" shows; evaluation says which relevés the formula selects.
//
// Rules: every operator stands between two operands; one layer of the
// hierarchy (the formula itself, or the inside of one pair of parentheses)
// holds one kind of operator only; the formula itself is not enclosed in
// parentheses; at most 20 layers and 150 terms. Inside a term, "UP" and two
// digits set a cover threshold in percent; the rest, trimmed, names a live
// row of the table. Formula text is code-page bytes, like the names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zembu::core {
class Table;
}

namespace zembu::classification {

inline constexpr int MaxFormulaLayers = 20;
inline constexpr int MaxFormulaTerms = 150;

enum class LogicalOperator { None, And, Or, Not };

// A term: a row name with its optional cover threshold.
struct FormulaTerm {
    std::string name;             // trimmed, without the threshold (code-page bytes)
    std::optional<int> threshold; // "UP" and two digits; true only above this cover
    bool groupRow = false;        // a "###" row: counts wherever it occurs
    std::vector<int32_t> rows;    // the live rows of that name
};

// A node of the structure: a term, or a layer of operands joined by one operator.
struct FormulaNode {
    int term = -1;                            // index into Formula::terms; -1 for a layer
    int layer = 1;                            // hierarchical layer, 1 = the formula itself
    LogicalOperator op = LogicalOperator::None;  // None for a layer of one operand
    std::vector<FormulaNode> operands;
};

struct Formula {
    FormulaNode root;
    std::vector<FormulaTerm> terms;
};

// A refused formula: the message (UTF-8) and the title of its box.
struct FormulaError {
    std::string text;
    std::string title;  // "SYNTAX ERROR", or "ERROR" for an unknown name
};

struct FormulaParse {
    std::optional<Formula> formula;
    FormulaError error;  // set when formula is empty
    bool ok() const { return formula.has_value(); }
};

// Parses a formula against the rows of the table.
FormulaParse parseFormula(const core::Table& table, std::string_view text);

// By column 1..ReleveCount (index 0 unused): 1 where the formula holds.
std::vector<char> evaluateFormula(const core::Table& table, const Formula& formula);

// The structure for "&Show definition": one line per layer and term,
// indented by layer (UTF-8).
std::vector<std::string> describeFormula(const Formula& formula);

// Name of an operator: "AND", "OR", "NOT"; "" for None.
const char* operatorName(LogicalOperator op);

}  // namespace zembu::classification
