#include "classification/twinspan/printed_output.h"

#include <algorithm>
#include <cstdio>

#include "core/text.h"

namespace zembu::classification::twinspan {

namespace {

constexpr size_t kPrinterWidth = 120;
const std::string kStars(kPrinterWidth, '*');

std::string num(long long value, int width) { return core::padLeft(std::to_string(value), static_cast<size_t>(width)); }

std::string fixed(double value, int width, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%*.*f", width, decimals, value);
    return text;
}

std::string groupCode(int classNumber) { return core::leftJustify(std::string(1, '*').append(classCode(classNumber)), 30); }

// Collects lines and joins them with CR LF.
class Printer {
public:
    void line(const std::string& text = {}) {
        out_ += core::trimRight(text);
        out_ += "\r\n";
    }
    // Items in rows of perRow, each line starting with lead; lines can be
    // cut to a width (the order lists lose the mark after their last item).
    void items(const std::vector<std::string>& items, size_t perRow, const std::string& lead, const std::string& gap,
               size_t width = std::string::npos) {
        for (size_t k = 0; k < items.size(); k += perRow) {
            std::string text = lead;
            for (size_t m = k; m < std::min(items.size(), k + perRow); ++m) text += (m > k ? gap : "") + items[m];
            if (text.size() > width) text.resize(width);
            line(text);
        }
    }
    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

class Report {
public:
    Report(const CondensedData& data, const Parameters& p, const TwinspanResult& r) : data_(data), p_(p), r_(r) {}

    std::string text() {
        header();
        if (r_.stoppedEarly) {
            out_.line();
            out_.line(p_.maxLevel == 0 ? " No divisions: the maximum level of divisions is 0."
                                       : " No divisions: the minimum group size exceeds the number of samples with "
                                         "occurrences.");
            return out_.take();
        }
        divisions(r_.samples, true);
        divisions(r_.species, false);
        twoWayTable();
        return out_.take();
    }

private:
    const PseudospeciesTable& table() const { return r_.table; }

    std::string speciesName(int internal) const {
        const int number = table().speciesFileNumber[internal];
        return speciesLabel(data_.speciesNames[number - 1]);
    }
    std::string pseudospeciesName(int column) const {
        return speciesName(table().pseudoSpecies[column]) +
               std::to_string(table().pseudoLevel[column]);
    }

    void header() {
        out_.line(" TWINSPAN - two-way indicator species analysis");
        out_.line();
        out_.line(" " + data_.title);
        out_.line();
        out_.line(" Number of SAMPLES" + num(data_.sampleCount(), 6));
        out_.line();
        out_.line(" Number of SPECIES" + num(data_.speciesCount, 6));
        out_.line();
        out_.line(" Omitted samples:");
        if (!p_.omittedSamples.empty()) {
            std::vector<std::string> list;
            for (int s : p_.omittedSamples) list.push_back(num(s, 6));
            out_.items(list, 12, "", "");
        }
        out_.line(" End of list of omissions");
        out_.line(" Input parameters:");
        out_.line(" Number of cut levels:                          " + num(static_cast<long long>(p_.cutLevels.size()), 9));
        out_.line();
        out_.line(" Cut levels:");
        std::string cuts;
        for (double c : p_.cutLevels) cuts += fixed(c, 8, 2);
        out_.line(cuts);
        out_.line(" Minimum group size for division:               " + num(p_.minGroupSize, 9));
        out_.line(" Maximum number of indicators per division:     " + num(p_.maxIndicators, 9));
        out_.line(" Maximum number of species in final tabulation: " + num(p_.maxTableSpecies, 9));
        out_.line(" Maximum level of divisions:                    " + num(p_.maxLevel, 9));
        out_.line(p_.writePunched ? " Machine readable copy is wanted" : " Machine readable copy is not wanted");
        valuesPerLevel(" Weights for levels of pseudospecies:", p_.levelWeights);
        valuesPerLevel(" Indicator potentials for cut levels:", p_.indicatorPotentials);
        out_.line(" Species omitted from the list of potential indicators");
        if (!p_.nonIndicatorSpecies.empty()) {
            std::vector<std::string> list;
            for (int s : p_.nonIndicatorSpecies) list.push_back(num(s, 6));
            out_.items(list, 12, "", "");
        }
        out_.line(" End of list of omissions");
        weights(" Weights of samples:", p_.sampleWeights);
        weights(" Weights of species:", p_.speciesWeights);
        out_.line();
        out_.line();
        out_.line(" Number of samples with occurrences              " + num(table().nonEmptySampleCount(), 8));
        out_.line(" Total number of species and pseudospecies       " + num(table().pseudospeciesCount(), 8));
        out_.line(" Number of species, excluding pseudospecies and ones with no occurrences" +
                  num(table().speciesCount(), 5));
    }

    void valuesPerLevel(const std::string& caption, const std::vector<double>& values) {
        out_.line(caption);
        if (values.empty()) {
            out_.line(" All values set to 1 by default");
            return;
        }
        std::string text;
        for (double v : values) text += fixed(v, 8, 2);
        out_.line(text);
    }

    void weights(const std::string& caption, const std::vector<std::pair<int, double>>& list) {
        if (list.empty()) return;
        out_.line(caption);
        std::vector<std::string> items;
        for (const auto& [item, w] : list) items.push_back(num(item, 6) + fixed(w, 8, 3));
        out_.items(items, 8, "", "");
    }

    std::vector<std::string> sampleNames(const std::vector<int>& rows) const {
        std::vector<std::string> names;
        for (int row : rows) names.push_back(data_.sampleNames[row]);
        return names;
    }
    std::vector<std::string> speciesNames(const std::vector<int>& rows) const {
        std::vector<std::string> names;
        for (int row : rows) names.push_back(speciesName(row));
        return names;
    }
    void rowList(const std::vector<int>& rows, bool samples) {
        if (samples) out_.items(sampleNames(rows), 12, " ", "  ");
        else out_.items(speciesNames(rows), 11, "  ", "  ");
    }

    void divisions(const EngineResult& result, bool samples) {
        out_.line(" ");
        for (const Division& d : result.divisions) {
            out_.line(" " + kStars);
            out_.line();
            out_.line(" DIVISION" + num(d.classNumber, 5) + "  (N=" + num(d.itemCount, 4) + ")         I.E. GROUP " +
                      groupCode(d.classNumber));
            switch (d.outcome) {
            case DivisionOutcome::TooFewItems:
                out_.line(" DIVISION FAILS - There are too few items");
                break;
            case DivisionOutcome::NoEigenvalue:
                out_.line(" DIVISION FAILS - The items are too uniform for an ordination axis");
                break;
            case DivisionOutcome::OneSided:
                eigenvalue(d);
                out_.line(" DIVISION FAILS - All items fall on one side");
                break;
            case DivisionOutcome::Divided:
                divided(d, samples);
                break;
            }
            if (d.endsLevel > 0) {
                out_.line();
                out_.line("    End of level" + num(d.endsLevel, 4));
                out_.line();
            }
        }
        out_.line();
        out_.line(" This is the end of the divisions requested");
        out_.line(" " + kStars);
    }

    void eigenvalue(const Division& d) {
        out_.line(" Eigenvalue" + fixed(d.eigenvalue, 6, 3) + "  at iteration" + num(d.iteration, 4));
        if (!d.converged)
            out_.line(" RA TROUBLE" + num(d.iteration, 4) + " ITERATIONS, AND RESIDUAL IS STILL" +
                      fixed(d.residual, 7, 3) + "  INSTEAD OF" + fixed(5e-6, 7, 3) + " (THE TOLERANCE)");
    }

    void divided(const Division& d, bool samples) {
        eigenvalue(d);
        if (!d.indicators.empty()) {
            out_.line(" INDICATORS, together with their SIGN");
            std::vector<std::string> list;
            for (const Indicator& ind : d.indicators)
                list.push_back(pseudospeciesName(ind.column) + (ind.sign < 0 ? "(-)" : "(+)"));
            out_.items(list, 7, " ", "   ");
            out_.line(" Maximum indicator score for negative group" + num(d.maxNegativeScore, 5) +
                      "     Minimum indicator score for positive group" + num(d.maxNegativeScore + 1, 5));
        }
        out_.line();
        group("NEGATIVE", 2 * d.classNumber, d.negative, samples);
        if (samples) {
            subList(" BORDERLINE negatives    (N=", d.borderlineNegative);
            subList(" MISCLASSIFIED negatives (N=", d.misclassifiedNegative);
        }
        out_.line();
        group("POSITIVE", 2 * d.classNumber + 1, d.positive, samples);
        if (samples) {
            subList(" BORDERLINE positives    (N=", d.borderlinePositive);
            subList(" MISCLASSIFIED positives (N=", d.misclassifiedPositive);
        }
        if (samples && p_.longOutput) preferentialLists(d);
    }

    void group(const char* side, int cls, const std::vector<int>& rows, bool samples) {
        out_.line(std::string(" Items in ") + side + " group" + num(cls, 4) + "  (N=" +
                  num(static_cast<long long>(rows.size()), 5) + ")         i.e. group " + groupCode(cls));
        rowList(rows, samples);
    }

    void subList(const std::string& caption, const std::vector<int>& rows) {
        if (rows.empty()) return;
        out_.line();
        out_.line(caption + num(static_cast<long long>(rows.size()), 5) + ")");
        rowList(rows, true);
    }

    void preferentialLists(const Division& d) {
        const PreferentialLists lists = preferentials(table(), d);
        auto print = [&](const char* caption, const std::vector<Preferential>& list) {
            out_.line();
            out_.line(caption);
            std::vector<std::string> items;
            for (const Preferential& p : list)
                items.push_back(pseudospeciesName(p.column) + "(" + num(p.negativeCount, 3) + "," +
                                num(p.positiveCount, 3) + ")");
            out_.items(items, 6, " ", " ");
        };
        print(" NEGATIVE PREFERENTIALS", lists.negative);
        print(" POSITIVE PREFERENTIALS", lists.positive);
        print(" NON-PREFERENTIALS", lists.neutral);
    }

    // Species shown in the table: all, or the most frequent when there are too many.
    std::vector<int> tableSpecies() const {
        std::vector<int> shown = r_.speciesOrder;
        if (static_cast<int>(shown.size()) <= p_.maxTableSpecies) return shown;
        std::vector<int> frequency(static_cast<size_t>(table().speciesCount()), 0);
        for (int i : r_.sampleOrder)
            for (int q = table().occurrenceStart[i];
                 q < table().occurrenceStart[i + 1]; ++q)
                if (table().occurrenceLevel[q] > 0) ++frequency[table().occurrenceSpecies[q]];
        std::vector<int> byFrequency = shown;
        std::stable_sort(byFrequency.begin(), byFrequency.end(), [&](int a, int b) {
            return frequency[a] > frequency[b];
        });
        byFrequency.resize(static_cast<size_t>(p_.maxTableSpecies));
        std::vector<bool> keep(static_cast<size_t>(table().speciesCount()), false);
        for (int s : byFrequency) keep[s] = true;
        std::vector<int> result;
        for (int s : shown)
            if (keep[s]) result.push_back(s);
        return result;
    }

    void twoWayTable() {
        const PseudospeciesTable& t = table();
        out_.line();
        out_.line(" ORDER OF SPECIES INCLUDING RARER ONES");
        std::vector<std::string> list;
        for (int s : r_.speciesOrder) list.push_back(num(t.speciesFileNumber[s], 4) + " " + speciesName(s) + "!");
        out_.items(list, 8, " ", "", kPrinterWidth);
        out_.line();
        out_.line(" ORDER OF SAMPLES");
        list.clear();
        for (int i : r_.sampleOrder) list.push_back(num(i + 1, 5) + data_.sampleNames[i] + " !");
        out_.items(list, 8, " ", "", kPrinterWidth);
        out_.line(" ");

        const std::string lead(17, ' ');
        // Sample numbers written downwards, one digit per line.
        int digits = 4;
        for (int i : r_.sampleOrder) digits = std::max(digits, static_cast<int>(std::to_string(i + 1).size()));
        for (int d = digits - 1; d >= 0; --d) {
            std::string text = lead;
            for (int i : r_.sampleOrder) {
                const std::string n = std::to_string(i + 1);
                text += static_cast<int>(n.size()) > d ? n[n.size() - 1 - static_cast<size_t>(d)] : ' ';
            }
            out_.line(text);
        }
        out_.line();

        // One line per species: the number of levels it reaches in each sample.
        std::vector<int> position(static_cast<size_t>(t.sampleCount()), -1);
        for (size_t p = 0; p < r_.sampleOrder.size(); ++p) position[r_.sampleOrder[p]] = static_cast<int>(p);
        const std::vector<int> shown = tableSpecies();
        std::vector<int> row(static_cast<size_t>(t.speciesCount()), -1);
        for (size_t k = 0; k < shown.size(); ++k) row[shown[k]] = static_cast<int>(k);
        std::vector<std::string> cells(shown.size(), std::string(r_.sampleOrder.size(), '-'));
        for (int i = 0; i < t.sampleCount(); ++i) {
            if (position[i] < 0) continue;
            for (int q = t.occurrenceStart[i]; q < t.occurrenceStart[i + 1]; ++q) {
                const int k = row[t.occurrenceSpecies[q]];
                if (k >= 0) cells[k][position[i]] = static_cast<char>('0' + t.occurrenceLevel[q]);
            }
        }
        const size_t codeWidth = static_cast<size_t>(p_.maxLevel);
        for (size_t k = 0; k < shown.size(); ++k) {
            const int s = shown[k];
            const int cls = r_.species.rowClass[s];
            out_.line(num(t.speciesFileNumber[s], 5) + " " + speciesName(s) + "  " + cells[k] + "  " +
                      core::leftJustify(classCode(cls), codeWidth));
        }
        out_.line();
        // Sample codes written downwards, one level per line.
        for (size_t l = 0; l < static_cast<size_t>(p_.maxLevel); ++l) {
            std::string text = lead;
            for (int i : r_.sampleOrder) {
                const std::string code = classCode(r_.samples.rowClass[i]);
                text += l < code.size() ? code[l] : ' ';
            }
            out_.line(text);
        }
        out_.line();
    }

    const CondensedData& data_;
    const Parameters& p_;
    const TwinspanResult& r_;
    Printer out_;
};

}  // namespace

std::string printedOutputText(const CondensedData& data, const Parameters& parameters, const TwinspanResult& result) {
    return Report(data, parameters, result).text();
}

std::string speciesLabel(const std::string& name) {
    std::string padded = name;
    padded.resize(8, ' ');
    return padded.substr(0, 4) + " " + padded.substr(4, 4);
}

PreferentialLists preferentials(const PseudospeciesTable& t, const Division& d) {
    const int columns = t.pseudospeciesCount();
    std::vector<int> neg(static_cast<size_t>(columns), 0), pos(static_cast<size_t>(columns), 0);
    auto count = [&](const std::vector<int>& rows, std::vector<int>& into) {
        for (int row : rows)
            for (int k = t.rowStart[row]; k < t.rowStart[row + 1]; ++k)
                ++into[t.rowColumns[k]];
    };
    count(d.negative, neg);
    count(d.positive, pos);
    // Found in more than a fifth of a group, or in exactly a fifth at least twice.
    auto common = [](long long count, long long size) { return 5 * count > size || (5 * count == size && count >= 2); };
    // Integer cross-products keep the comparisons exact.
    const long long nNeg = static_cast<long long>(d.negative.size());
    const long long nPos = static_cast<long long>(d.positive.size());
    PreferentialLists lists;
    for (int j = 0; j < columns; ++j) {
        const long long a = neg[j], b = pos[j];
        if (!common(a, nNeg) && !common(b, nPos)) continue;
        const Preferential p{j, static_cast<int>(a), static_cast<int>(b)};
        if (a * nPos >= 2 * b * nNeg) lists.negative.push_back(p);
        else if (b * nNeg >= 2 * a * nPos) lists.positive.push_back(p);
        else lists.neutral.push_back(p);
    }
    return lists;
}

}  // namespace zembu::classification::twinspan
