#include "core/recent_files.h"

#include <algorithm>

namespace zembu::core {

void pushRecentFile(Settings& settings, const std::string& file) {
    std::vector<std::string> entries;
    for (int i = 0; i < RecentFileCount; ++i) entries.push_back(settings.value(setting::Path1 + i));
    const auto found = std::find(entries.begin(), entries.end(), file);
    if (found != entries.end()) entries.erase(found);
    else entries.pop_back();
    entries.insert(entries.begin(), file);
    for (int i = 0; i < RecentFileCount; ++i) settings.setValue(setting::Path1 + i, entries[i]);
}

std::vector<std::string> recentFiles(const Settings& settings) {
    std::vector<std::string> files;
    for (int i = 0; i < RecentFileCount; ++i) {
        const std::string& entry = settings.value(setting::Path1 + i);
        if (!entry.empty()) files.push_back(entry);
    }
    return files;
}

bool hasTableFileName(const Settings& settings) { return !(settings.value(setting::Path1) < "   "); }

}  // namespace zembu::core
