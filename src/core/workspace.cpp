#include "core/workspace.h"

namespace zembu::core {

Workspace::Workspace(std::filesystem::path workDirectory)
    : session_(std::make_unique<SessionDirectory>(std::move(workDirectory))) {
    journal.setFile(workFile("teacd.tmp"));
}

std::filesystem::path Workspace::settingsFile() const {
    return workDirectory().empty() ? std::filesystem::path() : workDirectory() / "zembu.ini";
}

std::string Workspace::windowCaption() const {
    if (captionFile.empty()) return "ZEMBU";
    return "ZEMBU - (" + captionFile + ")";
}

void Workspace::otevini() {
    if (!settingsFile().empty()) settings = readSettingsFile(settingsFile());
    else applySettingRules(settings);
    const int32_t releves = settings.releveCapacity();
    const int32_t species = settings.speciesCapacity();
    if (releves != table.MaxReleves || species != table.MaxSpecies) {
        table.setCapacities(releves, species);
        undo.clear();
    }
}

void Workspace::rewriteSettings() {
    if (vajicka()) otevini();
}

bool Workspace::vajicka() {
    settings.setValue(setting::SeparatorHierarchyValue, std::to_string(separatorLevel - 1));
    settings.setValue(setting::ReleveDimension, std::to_string(table.MaxReleves));
    settings.setValue(setting::SpeciesDimension, std::to_string(table.MaxSpecies));
    if (settingsFile().empty()) return false;
    return writeSettingsFile(settingsFile(), settings);
}

}  // namespace zembu::core
