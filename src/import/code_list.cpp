#include "import/code_list.h"

#include "core/errors.h"
#include "core/file_util.h"
#include "core/interaction.h"
#include "core/settings.h"
#include "core/text.h"
#include "core/workspace.h"
#include "import/import_file.h"

namespace zembu::import {

namespace {

constexpr const char* kFilter = "Code list|*.cod|All files (*.*)|*.*";

}  // namespace

std::string exportCodeList(const core::Settings& settings) {
    return core::leftJustify(settings.value(core::setting::ExportRtfCodes), CodeListSize);
}

std::string readCodeListFile(const std::filesystem::path& file) {
    std::string codes = core::leftJustify(readImportFile(file), CodeListSize);
    // The codes live on one line of the settings file: no line ends in them.
    for (char& c : codes)
        if (c == '\r' || c == '\n' || c == '\0') c = ' ';
    return codes;
}

void writeCodeListFile(const std::filesystem::path& file, const std::string& codes) {
    if (!core::writeFileAtomically(file, core::leftJustify(codes, CodeListSize)))
        throw core::ZembuError("The file " + file.filename().string() + " cannot be written.", "Program Info");
}

std::string codeListHeading() { return "Perc. value      Phyt. code"; }

std::vector<std::string> codeListLines(const std::string& codes) {
    const std::string list = core::leftJustify(codes, CodeListSize);
    std::vector<std::string> lines;
    for (int i = 1; i <= 95; ++i)
        lines.push_back(core::padLeft(std::to_string(i) + " %", 9) + std::string(12, ' ') + list[i - 1]);
    return lines;
}

bool importCodeList(core::Workspace& ws, core::Interaction& ui) {
    const auto file = ui.openFile({"CODE LIST IMPORT", kFilter, "main.cod", ws.currentDirectory, true});
    if (!file) return false;
    try {
        ws.settings.setValue(core::setting::ExportRtfCodes, readCodeListFile(*file));
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

bool exportCodeListFile(core::Workspace& ws, core::Interaction& ui) {
    const auto file = ui.saveFile({"CODE LIST EXPORT", kFilter, "main.cod", ws.currentDirectory, false});
    if (!file) return false;
    try {
        writeCodeListFile(*file, exportCodeList(ws.settings));
        return true;
    } catch (const core::ZembuError& e) {
        ui.message(e.what(), e.title(), core::MessageIcon::Critical);
        return false;
    }
}

bool changeCode(core::Workspace& ws, int percent, core::Interaction& ui) {
    if (percent < 1 || percent > 95) return false;
    std::string codes = exportCodeList(ws.settings);
    const auto answer = ui.input("Phytosociological code for " + std::to_string(percent) + " %:", "CODE LIST",
                                 core::codePageToUtf8(std::string(1, codes[percent - 1])));
    if (!answer) return false;
    const std::string code = core::utf8ToCodePage(core::trim(*answer));
    if (code.size() > 1) {
        ui.message("Please use only one character for each cover value.", "ZEMBU", core::MessageIcon::Information);
        return false;
    }
    codes[percent - 1] = code.empty() ? ' ' : code[0];
    ws.settings.setValue(core::setting::ExportRtfCodes, codes);
    return true;
}

}  // namespace zembu::import
