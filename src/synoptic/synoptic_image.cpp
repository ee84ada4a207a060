#include "synoptic/synoptic_image.h"

#include <algorithm>
#include <limits>
#include <map>

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/table.h"
#include "core/text.h"
#include "core/workspace.h"
#include "synoptic/synoptic_table.h"

namespace zembu::synoptic {

namespace {

constexpr const char* ImageFilter = "TEXT file|*.txt|All files (*.*)|*.*";
constexpr const char* LineEnd = "\r\n";

// The text after a fixed beginning, or nothing when the line does not start so.
std::optional<std::string_view> after(std::string_view line, std::string_view start) {
    if (line.substr(0, start.size()) != start) return std::nullopt;
    return core::trim(line.substr(start.size()));
}

std::optional<int> wholeNumber(std::optional<std::string_view> text) {
    if (!text || !core::isNumber(*text)) return std::nullopt;
    const double v = core::leadingNumber(*text);
    if (v < 0 || v > 1e7 || v != static_cast<double>(static_cast<int>(v))) return std::nullopt;
    return static_cast<int>(v);
}

double squareSum(const SynopticImage& image, size_t species, int g) {
    const double v = image.value(species, g);
    return v * v;
}

}  // namespace

SynopticImage synopticImage(const core::Table& t, const SynopticSettings& settings, int type) {
    SynopticImage image;
    image.type = type;
    if (t.ReleveCount == 0) return image;
    SynopticCalculator calculator(t, settings, type);
    image.groupCount = calculator.groupCount();
    const bool byPercentage = type == CategoricalConstancy || type == CombinedTable;
    std::vector<SynopticCell> cells;
    image.values.reserve(static_cast<size_t>(t.SpeciesCount) * static_cast<size_t>(image.groupCount));
    for (int32_t i = 1; i <= t.SpeciesCount; ++i) {
        image.names.push_back(t.SpeciesInfo[i].name);
        image.layers.push_back(t.SpeciesLayer[i]);
        calculator.computeRow(i, cells);
        for (int32_t g = 1; g <= image.groupCount; ++g) {
            const SynopticCell& cell = cells[static_cast<size_t>(g) - 1];
            if (byPercentage) {
                const GroupStatistics st = calculator.statistics(g);
                image.values.push_back(percentageConstancy(st.count, st.size));
            } else {
                image.values.push_back(std::max(0.0, core::leadingNumber(cell.first.text)));
            }
        }
    }
    return image;
}

std::string synopticImageText(const SynopticImage& image) {
    std::string out = std::string("Synoptic table image") + LineEnd;
    out += "Table type: " + std::to_string(image.type) + LineEnd;
    out += "No. of species: " + std::to_string(image.names.size()) + LineEnd;
    out += "No. of groups: " + std::to_string(image.groupCount) + LineEnd;
    for (size_t s = 0; s < image.names.size(); ++s)
        out += image.names[s] + LineEnd + std::to_string(image.layers[s]) + LineEnd;
    for (const double v : image.values) out += core::formatNumber(v, "0.###") + LineEnd;
    return out;
}

std::optional<SynopticImage> readSynopticImage(std::string_view text) {
    const std::vector<std::string_view> lines = core::splitLines(text);
    if (lines.size() < 4 || core::trim(lines[0]) != "Synoptic table image") return std::nullopt;
    const auto type = wholeNumber(after(lines[1], "Table type:"));
    const auto species = wholeNumber(after(lines[2], "No. of species:"));
    const auto groups = wholeNumber(after(lines[3], "No. of groups:"));
    if (!type || !species || !groups) return std::nullopt;
    const size_t S = static_cast<size_t>(*species), K = static_cast<size_t>(*groups);
    if (lines.size() < 4 + 2 * S + S * K) return std::nullopt;
    SynopticImage image;
    image.type = *type;
    image.groupCount = *groups;
    size_t at = 4;
    for (size_t s = 0; s < S; ++s) {
        image.names.emplace_back(core::trimRight(lines[at++]));
        const auto layer = wholeNumber(core::trim(lines[at++]));
        if (!layer || *layer > 9) return std::nullopt;
        image.layers.push_back(*layer);
    }
    image.values.reserve(S * K);
    for (size_t v = 0; v < S * K; ++v) {
        const std::string_view field = core::trim(lines[at++]);
        if (!core::isNumber(field)) return std::nullopt;
        image.values.push_back(core::leadingNumber(field));
    }
    return image;
}

std::optional<ImageComparison> compareSynopticImages(const SynopticImage& a, const SynopticImage& b) {
    if (a.type != b.type) return std::nullopt;
    const int Ka = a.groupCount, Kb = b.groupCount;
    // Species of the current table by name and layer (the first of equal ones).
    std::map<std::pair<std::string, int>, size_t> current;
    for (size_t s = 0; s < b.names.size(); ++s)
        current.emplace(std::pair(std::string(core::trimRight(b.names[s])), b.layers[s]), s);
    std::vector<bool> matched(b.names.size(), false);

    ImageComparison r;
    r.distance.assign(static_cast<size_t>(Ka), std::vector<double>(static_cast<size_t>(Kb), 0.0));
    std::vector<double> normA(static_cast<size_t>(Ka) + 1, 0), normB(static_cast<size_t>(Kb) + 1, 0);
    for (size_t s = 0; s < a.names.size(); ++s) {
        const auto found = current.find({std::string(core::trimRight(a.names[s])), a.layers[s]});
        const bool both = found != current.end() && !matched[found->second];
        if (both) matched[found->second] = true;
        for (int ga = 1; ga <= Ka; ++ga) {
            const double va = a.value(s, ga);
            normA[static_cast<size_t>(ga)] += va * va;
            for (int gb = 1; gb <= Kb; ++gb) {
                const double vb = both ? b.value(found->second, gb) : 0;
                r.distance[static_cast<size_t>(ga) - 1][static_cast<size_t>(gb) - 1] += (va - vb) * (va - vb);
            }
        }
    }
    for (size_t s = 0; s < b.names.size(); ++s) {
        for (int gb = 1; gb <= Kb; ++gb) {
            const double v2 = squareSum(b, s, gb);
            normB[static_cast<size_t>(gb)] += v2;
            if (!matched[s])
                for (int ga = 1; ga <= Ka; ++ga) r.distance[static_cast<size_t>(ga) - 1][static_cast<size_t>(gb) - 1] += v2;
        }
    }

    // The pairs of groups the similarity is measured on.
    double paired = 0, norms = 0;
    const auto pair = [&](int ga, int gb) {
        paired += r.distance[static_cast<size_t>(ga) - 1][static_cast<size_t>(gb) - 1];
        norms += normA[static_cast<size_t>(ga)] + normB[static_cast<size_t>(gb)];
    };
    if (Ka == Kb) {
        for (int g = 1; g <= Ka; ++g) pair(g, g);
    } else if (Ka < Kb) {
        for (int ga = 1; ga <= Ka; ++ga) {
            const auto& row = r.distance[static_cast<size_t>(ga) - 1];
            pair(ga, static_cast<int>(std::min_element(row.begin(), row.end()) - row.begin()) + 1);
        }
    } else {
        for (int gb = 1; gb <= Kb; ++gb) {
            int best = 1;
            for (int ga = 2; ga <= Ka; ++ga)
                if (r.distance[static_cast<size_t>(ga) - 1][static_cast<size_t>(gb) - 1] <
                    r.distance[static_cast<size_t>(best) - 1][static_cast<size_t>(gb) - 1])
                    best = ga;
            pair(best, gb);
        }
    }
    r.similarity = norms > 0 ? 1 - paired / norms : 1;

    std::string& out = r.clipboardText;
    out = "ED matrix and total similarity\n";
    for (int gb = 1; gb <= Kb; ++gb) out += "\t" + std::to_string(gb);
    out += "\n";
    for (int ga = 1; ga <= Ka; ++ga) {
        out += std::to_string(ga);
        for (const double d : r.distance[static_cast<size_t>(ga) - 1]) out += "\t" + core::formatNumber(d, "0.000");
        out += "\n";
    }
    out += "Total similarity\t" + core::formatNumber(r.similarity, "0.00") + "\n";
    return r;
}

bool ulozsyno(core::Workspace& ws, int type, core::Interaction& ui) {
    if (ws.table.ReleveCount == 0) return false;
    const auto file =
        ui.saveFile({"Save image of synoptic table", ImageFilter, "synoptic.txt", ws.currentDirectory, false});
    if (!file) return false;
    core::BusyScope busy(ui);
    const SynopticImage image = synopticImage(ws.table, readSynopticSettings(ws), type);
    if (!core::writeFileAtomically(*file, synopticImageText(image))) {
        ui.message("The file " + *file + " cannot be written.", "ZEMBU", core::MessageIcon::Critical);
        return false;
    }
    return true;
}

std::optional<ImageComparison> otevsyno(core::Workspace& ws, int type, core::Interaction& ui) {
    if (ws.table.ReleveCount == 0) return std::nullopt;
    const auto file = ui.openFile({"Synoptic table image to compare", ImageFilter, "", ws.currentDirectory, true});
    if (!file) return std::nullopt;
    std::string text;
    if (!core::readWholeFile(*file, text)) {
        ui.message("The file " + *file + " cannot be read.", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    core::BusyScope busy(ui);
    const auto stored = readSynopticImage(text);
    std::optional<ImageComparison> r;
    if (stored) r = compareSynopticImages(*stored, synopticImage(ws.table, readSynopticSettings(ws), type));
    if (!r) {
        ui.message("These tables have different formats", "ZEMBU", core::MessageIcon::Critical);
        return std::nullopt;
    }
    ui.setClipboardText(r->clipboardText);
    ui.message("Similarity of two tables: " + core::formatNumber(r->similarity, "0.00") +
                   "\nThe result was saved into the clipboard!",
               "ZEMBU", core::MessageIcon::Information);
    return r;
}

}  // namespace zembu::synoptic
