#include "classification/releve_formula.h"

#include <cctype>

#include "classification/cocktail_group.h"
#include "core/index_code.h"
#include "core/table.h"
#include "core/text.h"

namespace zembu::classification {

namespace {

constexpr const char* SyntaxError = "SYNTAX ERROR";

enum class TokenKind { Term, Operator, Open, Close };

struct Token {
    TokenKind kind;
    LogicalOperator op = LogicalOperator::None;
    std::string text;  // the term's text between the brackets
};

// Thrown inside the parser and turned into the parse's error.
struct Refusal {
    FormulaError error;
};

[[noreturn]] void refuse(std::string text, std::string title = SyntaxError) { throw Refusal{{std::move(text), std::move(title)}}; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isOpening(char c) { return c == '(' || c == '[' || c == '{'; }
bool isClosing(char c) { return c == ')' || c == ']' || c == '}'; }
char closingOf(char opening) { return opening == '(' ? ')' : opening == '[' ? ']' : '}'; }

std::string layerText(int layer) { return std::to_string(layer) + ". hierarchical layer"; }

const std::string MoreOpening = "No of parenthesis \u00B4(\u00B4 is higher then \u00B4)\u00B4!!!";
const std::string MoreClosing = "No of parenthesis \u00B4(\u00B4 is lower then \u00B4)\u00B4!!!";
const std::string MoreLess = "No of parenthesis \u00B4<\u00B4 is higher then \u00B4>\u00B4!!!";
const std::string MoreGreater = "No of parenthesis \u00B4<\u00B4 is lower then \u00B4>\u00B4!!!";
const std::string NestedTerm = "A term cannot hold another term: \u00B4<\u00B4 stands inside \u00B4<\u00B4 \u00B4>\u00B4!!!";

std::string mismatchedText(char opening, char closing) {
    return std::string("Parenthesis \u00B4") + opening + "\u00B4 is closed by \u00B4" + closing +
           "\u00B4!!! Both sides of a pair must be of one kind: ( ), [ ] or { }.";
}

// The counts of the three parenthesis kinds together and of "<" and ">";
// parentheses inside terms (in species names) are not counted.
void checkCounts(std::string_view text) {
    int opening = 0, closing = 0, less = 0, greater = 0;
    bool inTerm = false;
    for (char c : text) {
        if (c == '<') ++less, inTerm = true;
        else if (c == '>') ++greater, inTerm = false;
        else if (!inTerm && isOpening(c)) ++opening;
        else if (!inTerm && isClosing(c)) ++closing;
    }
    if (opening > closing) refuse(MoreOpening);
    if (opening < closing) refuse(MoreClosing);
    if (less > greater) refuse(MoreLess);
    if (less < greater) refuse(MoreGreater);
}

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::string open;  // the opening parentheses not closed yet
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (isBlank(c)) {
            ++i;
        } else if (c == '<') {
            const size_t end = text.find_first_of("<>", i + 1);
            if (end == std::string_view::npos) refuse(MoreLess);
            if (text[end] == '<') refuse(NestedTerm);
            tokens.push_back({TokenKind::Term, LogicalOperator::None, std::string(text.substr(i + 1, end - i - 1))});
            i = end + 1;
        } else if (c == '>') {
            refuse(MoreGreater);
        } else if (isOpening(c)) {
            open += c;
            if (static_cast<int>(open.size()) >= MaxFormulaLayers)
                refuse("Too many hierarchical layers!!! A formula may have at most " +
                       std::to_string(MaxFormulaLayers) + " layers.");
            tokens.push_back({TokenKind::Open});
            ++i;
        } else if (isClosing(c)) {
            if (open.empty()) refuse(MoreClosing);
            if (closingOf(open.back()) != c) refuse(mismatchedText(open.back(), c));
            open.pop_back();
            tokens.push_back({TokenKind::Close});
            ++i;
        } else {
            size_t end = i;
            while (end < text.size() && !isBlank(text[end]) && text[end] != '<' && text[end] != '>' &&
                   !isOpening(text[end]) && !isClosing(text[end]))
                ++end;
            const std::string word(text.substr(i, end - i));
            LogicalOperator op = LogicalOperator::None;
            if (core::equalsIgnoreCase(word, "AND")) op = LogicalOperator::And;
            else if (core::equalsIgnoreCase(word, "OR")) op = LogicalOperator::Or;
            else if (core::equalsIgnoreCase(word, "NOT")) op = LogicalOperator::Not;
            else refuse("Unknown operator " + core::codePageToUtf8(word) + "!!! Use AND, OR or NOT.");
            tokens.push_back({TokenKind::Operator, op});
            i = end;
        }
    }
    return tokens;
}

// True when the first token opens a pair of parentheses that the last closes.
bool wholeFormulaEnclosed(const std::vector<Token>& tokens) {
    if (tokens.empty() || tokens.front().kind != TokenKind::Open) return false;
    int depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::Open) ++depth;
        else if (tokens[i].kind == TokenKind::Close && --depth == 0) return i + 1 == tokens.size();
    }
    return false;
}

class Parser {
public:
    Parser(const std::vector<Token>& tokens, Formula& formula) : tokens_(tokens), formula_(formula) {}

    FormulaNode parseFormula() {
        FormulaNode root = parseLayer(1);
        if (pos_ < tokens_.size()) refuse("An operator is missing in the " + layerText(1) + "!!!");
        return root;
    }

private:
    bool atEnd() const { return pos_ >= tokens_.size(); }
    const Token& peek() const { return tokens_[pos_]; }

    FormulaNode parseLayer(int layer) {
        FormulaNode node;
        node.layer = layer;
        node.operands.push_back(parseOperand(layer));
        while (!atEnd() && peek().kind == TokenKind::Operator) {
            const LogicalOperator op = tokens_[pos_++].op;
            if (node.op == LogicalOperator::None) node.op = op;
            else if (node.op != op)
                refuse("Operators must be segregated by ()!!! Error is in the " + layerText(layer) + ".");
            node.operands.push_back(parseOperand(layer));
        }
        return node;
    }

    FormulaNode parseOperand(int layer) {
        if (atEnd() || peek().kind == TokenKind::Operator || peek().kind == TokenKind::Close)
            refuse("An operand is missing in the " + layerText(layer) + "!!!");
        const Token& token = tokens_[pos_++];
        if (token.kind == TokenKind::Term) {
            FormulaNode node;
            node.layer = layer;
            node.term = static_cast<int>(formula_.terms.size());
            formula_.terms.push_back({token.text});
            return node;
        }
        FormulaNode inner = parseLayer(layer + 1);
        if (atEnd() || peek().kind != TokenKind::Close)
            refuse("An operator is missing in the " + layerText(layer + 1) + "!!!");
        ++pos_;
        return inner;
    }

    const std::vector<Token>& tokens_;
    Formula& formula_;
    size_t pos_ = 0;
};

// The live rows whose trimmed name is name.
std::vector<int32_t> rowsNamed(const core::Table& table, std::string_view name) {
    std::vector<int32_t> rows;
    for (int32_t i = 1; i <= table.SpeciesCount; ++i)
        if (core::trim(table.SpeciesInfo[i].name) == name) rows.push_back(i);
    return rows;
}

// Resolves a term's text to its name, threshold and rows. The threshold is
// "UP" and exactly two digits; when the text without it names no row but the
// whole text does (a name such as "### GROUP12"), the whole text is the name.
void resolveTerm(const core::Table& table, FormulaTerm& term) {
    const std::string text(core::trim(term.name));
    for (size_t p = text.size(); p-- > 0;) {
        if (text.compare(p, 2, "UP") != 0 || p + 4 > text.size()) continue;
        const auto digit = [&](size_t q) { return q < text.size() && std::isdigit(static_cast<unsigned char>(text[q])); };
        if (!digit(p + 2) || !digit(p + 3) || digit(p + 4)) continue;
        const std::string name(core::trim(text.substr(0, p) + text.substr(p + 4)));
        std::vector<int32_t> rows = rowsNamed(table, name);
        if (rows.empty() && !rowsNamed(table, text).empty()) break;
        term.name = name;
        term.threshold = (text[p + 2] - '0') * 10 + (text[p + 3] - '0');
        term.rows = std::move(rows);
        break;
    }
    if (!term.threshold) {
        term.name = text;
        term.rows = rowsNamed(table, text);
    }
    if (term.rows.empty())
        refuse("The name " + core::codePageToUtf8(term.name) + " was not found in the table!!!", "ERROR");
    term.groupRow = isGroupRowName(term.name);
}

bool holds(const FormulaNode& node, const std::vector<std::vector<char>>& truth, int32_t rec) {
    if (node.term >= 0) return truth[static_cast<size_t>(node.term)][static_cast<size_t>(rec)] != 0;
    bool value = holds(node.operands[0], truth, rec);
    for (size_t i = 1; i < node.operands.size(); ++i) {
        switch (node.op) {
        case LogicalOperator::And: value = value && holds(node.operands[i], truth, rec); break;
        case LogicalOperator::Or: value = value || holds(node.operands[i], truth, rec); break;
        case LogicalOperator::Not: value = value && !holds(node.operands[i], truth, rec); break;
        case LogicalOperator::None: break;
        }
    }
    return value;
}

void describe(const Formula& formula, const FormulaNode& node, int indent, std::vector<std::string>& lines) {
    const std::string pad(static_cast<size_t>(indent) * 3, ' ');
    if (node.term >= 0) {
        const FormulaTerm& term = formula.terms[static_cast<size_t>(node.term)];
        std::string line = pad + "<" + core::codePageToUtf8(term.name) + ">";
        if (term.threshold) line += " cover > " + std::to_string(*term.threshold) + " %";
        lines.push_back(line);
        return;
    }
    std::string line = pad + std::to_string(node.layer) + ". layer";
    if (node.op != LogicalOperator::None) line += std::string(": ") + operatorName(node.op);
    lines.push_back(line);
    for (const FormulaNode& operand : node.operands) describe(formula, operand, indent + 1, lines);
}

}  // namespace

const char* operatorName(LogicalOperator op) {
    switch (op) {
    case LogicalOperator::And: return "AND";
    case LogicalOperator::Or: return "OR";
    case LogicalOperator::Not: return "NOT";
    case LogicalOperator::None: break;
    }
    return "";
}

FormulaParse parseFormula(const core::Table& table, std::string_view text) {
    FormulaParse parse;
    try {
        checkCounts(text);
        const std::vector<Token> tokens = tokenize(text);
        if (tokens.empty()) refuse("The formula is empty!!!");
        if (wholeFormulaEnclosed(tokens))
            refuse("Too many parenthesis!!! The highest layer of hierarchy needn't have a parenthesis...");
        Formula formula;
        formula.root = Parser(tokens, formula).parseFormula();
        if (formula.terms.size() > static_cast<size_t>(MaxFormulaTerms))
            refuse("Too many terms!!! A formula may hold at most " + std::to_string(MaxFormulaTerms) + " terms.");
        for (FormulaTerm& term : formula.terms) resolveTerm(table, term);
        parse.formula = std::move(formula);
    } catch (const Refusal& refusal) {
        parse.error = refusal.error;
    }
    return parse;
}

std::vector<char> evaluateFormula(const core::Table& table, const Formula& formula) {
    // Each term's truth by relevé record, from the cell strings of its rows.
    std::vector<std::vector<char>> truth;
    truth.reserve(formula.terms.size());
    for (const FormulaTerm& term : formula.terms) {
        std::vector<char> present(static_cast<size_t>(table.ReleveRecordCount) + 1, 0);
        const int threshold = term.groupRow ? -1 : term.threshold.value_or(0);
        for (int32_t row : term.rows) {
            const int32_t s = table.SpeciesInfo[row].record;
            if (s < 1 || s > table.MaxSpecies) continue;
            const std::string& cells = table.SpeciesData[s];
            for (int c = 0; c < core::cellCount(cells); ++c) {
                const int32_t rec = core::cellRecord(cells, c);
                if (rec >= 1 && rec <= table.ReleveRecordCount &&
                    core::coverPercent(core::cellCoverByte(cells, c)) > threshold)
                    present[static_cast<size_t>(rec)] = 1;
            }
        }
        truth.push_back(std::move(present));
    }
    std::vector<char> selected(static_cast<size_t>(table.ReleveCount) + 1, 0);
    for (int32_t k = 1; k <= table.ReleveCount; ++k) {
        const int32_t rec = table.ReleveOrder[k].record;
        if (rec >= 1 && rec <= table.ReleveRecordCount) selected[static_cast<size_t>(k)] = holds(formula.root, truth, rec);
    }
    return selected;
}

std::vector<std::string> describeFormula(const Formula& formula) {
    std::vector<std::string> lines;
    describe(formula, formula.root, 0, lines);
    return lines;
}

}  // namespace zembu::classification
