#include "classification/twinspan_layout.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace zembu::classification {

namespace {

// Codes compare character by character as the padded keys do: a code that
// ends where the other goes on stands for the filler "-", below "0" and "1".
bool higherCode(const std::string& a, const std::string& b) {
    const size_t n = std::max(a.size(), b.size());
    for (size_t c = 0; c < n; ++c) {
        const char x = c < a.size() ? a[c] : '-';
        const char y = c < b.size() ? b[c] : '-';
        if (x != y) return static_cast<unsigned char>(x) > static_cast<unsigned char>(y);
    }
    return false;
}

// The species key of a code: the code followed by "0"s, cut to 7 characters.
std::string speciesKey(const std::string& code) { return (code + "00000000").substr(0, 7); }

}  // namespace

std::string twinspanHead(const std::string& code) {
    const std::string digits = code.empty() ? std::string() : code.substr(1);
    return (digits + UnclassifiedHead).substr(0, 6);
}

std::vector<std::string> codesByRecord(const core::Table& table, const TwinspanClassification& classification) {
    std::vector<std::string> codes(static_cast<size_t>(table.ReleveRecordCount) + 1);
    for (const ClassifiedItem& item : classification.releves)
        if (item.name >= 1 && item.name <= table.ReleveRecordCount) codes[static_cast<size_t>(item.name)] = item.code;
    return codes;
}

std::vector<double> twinspanReleveKeys(const core::Table& t, const std::vector<std::string>& codeOfRecord,
                                       int colour) {
    const int32_t n = t.ReleveCount;
    const auto codeAt = [&](int32_t k) -> const std::string& { return codeOfRecord[static_cast<size_t>(t.ReleveOrder[k].record)]; };
    std::vector<int32_t> classified;
    int32_t anchor = 0;
    for (int32_t k = 1; k <= n; ++k) {
        if (!codeAt(k).empty()) classified.push_back(k);
        if (anchor == 0 && t.ReleveColour[k].number == colour) anchor = k;
    }
    if (anchor == 0 && !classified.empty()) anchor = classified.front();
    std::stable_sort(classified.begin(), classified.end(),
                     [&](int32_t a, int32_t b) { return higherCode(codeAt(a), codeAt(b)); });

    // The new order: the others before the anchor (and the anchor itself
    // when it is not classified), the classified block, the others after.
    std::vector<int32_t> order;
    order.reserve(static_cast<size_t>(n));
    for (int32_t k = 1; k <= n; ++k) {
        if (k == anchor) {
            if (codeAt(k).empty()) order.push_back(k);
            order.insert(order.end(), classified.begin(), classified.end());
        } else if (codeAt(k).empty()) {
            order.push_back(k);
        }
    }
    std::vector<double> keys(static_cast<size_t>(n) + 1, 0.0);
    for (size_t rank = 0; rank < order.size(); ++rank)
        keys[static_cast<size_t>(order[rank])] = static_cast<double>(n - static_cast<int32_t>(rank));
    return keys;
}

std::vector<double> twinspanSpeciesKeys(const core::Table& t, const TwinspanClassification& classification) {
    std::unordered_map<int32_t, std::string> keyOfRecord;
    for (const ClassifiedItem& item : classification.species) keyOfRecord[item.name] = speciesKey(item.code);
    const int32_t n = t.SpeciesCount;
    std::vector<const std::string*> key(static_cast<size_t>(n) + 1, nullptr);
    for (int32_t i = 1; i <= n; ++i) {
        const auto found = keyOfRecord.find(t.SpeciesInfo[i].record);
        if (found != keyOfRecord.end()) key[static_cast<size_t>(i)] = &found->second;
    }
    std::vector<int32_t> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
        const std::string* x = key[static_cast<size_t>(a)];
        const std::string* y = key[static_cast<size_t>(b)];
        if (!x || !y) return x && !y;
        return *x < *y;
    });
    std::vector<double> keys(static_cast<size_t>(n) + 1, 0.0);
    for (size_t rank = 0; rank < order.size(); ++rank) keys[static_cast<size_t>(order[rank])] = static_cast<double>(rank + 1);
    return keys;
}

void placeDivisionSeparators(core::Table& t, const std::vector<std::string>& codeOfRecord, int colour) {
    const int32_t n = t.ReleveCount;
    std::vector<std::string> head(static_cast<size_t>(n) + 1);
    for (int32_t k = 1; k <= n; ++k) {
        head[static_cast<size_t>(k)] = twinspanHead(codeOfRecord[static_cast<size_t>(t.ReleveOrder[k].record)]);
        if (t.ReleveColour[k].number == colour) t.SeparatorAfter[k] = 0;
    }
    for (int level = 1; level <= 6; ++level) {
        for (int32_t j = 2; j <= n; ++j) {
            if (t.ReleveColour[j].number != colour || t.ReleveColour[j - 1].number != colour) continue;
            if (t.SeparatorAfter[j - 1] != 0) continue;
            const std::string& a = head[static_cast<size_t>(j - 1)];
            const std::string& b = head[static_cast<size_t>(j)];
            if (a.compare(0, static_cast<size_t>(level - 1), b, 0, static_cast<size_t>(level - 1)) == 0 &&
                a[static_cast<size_t>(level - 1)] != b[static_cast<size_t>(level - 1)])
                t.SeparatorAfter[j - 1] = static_cast<int16_t>(level);
        }
    }
}

int deepestDivisionLevel(const std::vector<std::string>& codeOfRecord) {
    size_t deepest = 1;
    for (const std::string& code : codeOfRecord)
        if (code.size() > 1) deepest = std::max(deepest, code.size() - 1);
    return static_cast<int>(std::min<size_t>(deepest, 6));
}

}  // namespace zembu::classification
