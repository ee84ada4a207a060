#include "classification/twinspan/console_program.h"

#include <algorithm>
#include <cctype>

#include "classification/twinspan/dialogue.h"
#include "classification/twinspan/printed_output.h"
#include "classification/twinspan/punched_file.h"
#include "core/errors.h"
#include "core/file_util.h"
#include "core/text.h"

namespace zembu::classification::twinspan {

namespace fs = std::filesystem;

namespace {

[[noreturn]] void fail(const std::string& message) { throw core::ZembuError(message, "TWINSPAN"); }

void writeOutput(const fs::path& file, const std::string& text) {
    core::AtomicFileWriter writer(file);
    if (!writer.isOpen()) fail("Cannot write " + file.string() + ": " + writer.errorText());
    writer.write(text);
    if (!writer.commit()) fail("Cannot write " + file.string() + ": " + writer.errorText());
}

}  // namespace

fs::path locateInputFile(const fs::path& typed) {
    if (typed.empty()) fail("No input file was named.");
    const auto found = core::findFileIgnoringCase(typed);
    if (!found) fail("The input file " + typed.string() + " does not exist.");
    return *found;
}

fs::path outputFileFor(const fs::path& input, const std::string& extension) {
    // The letter case of the input's extension decides, or of its name when
    // the extension has no letters.
    auto hasLetters = [](const std::string& text) {
        return std::any_of(text.begin(), text.end(), [](unsigned char c) { return std::isalpha(c) != 0; });
    };
    const std::string ext = input.extension().string();
    const std::string basis = hasLetters(ext) ? ext : input.stem().string();
    const bool lower = core::upperAscii(basis) != basis;
    return input.parent_path() /
           (input.stem().string() + "." + (lower ? core::lowerAscii(extension) : core::upperAscii(extension)));
}

TwinspanResult classifyAndWrite(const fs::path& input, const CondensedData& data, const Parameters& parameters) {
    TwinspanResult result = runTwinspan(data, parameters);
    // Both texts are complete before either file is touched.
    const std::string printed = printedOutputText(data, parameters, result);
    const std::string punched = parameters.writePunched ? punchedFileText(data, result) : std::string();
    writeOutput(outputFileFor(input, "twi"), printed);
    if (parameters.writePunched) writeOutput(outputFileFor(input, "pun"), punched);
    return result;
}

int runConsoleProgram(std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        Dialogue dialogue(in, out);
        const fs::path input = locateInputFile(dialogue.inputFileName());
        const CondensedData data = readCondensedFile(input);
        Parameters parameters;
        dialogue.readParameters(parameters);
        out << " Reading data matrix from " << input.filename().string() << ": " << data.sampleCount()
            << " samples, " << data.speciesCount << " species\n";
        const TwinspanResult result = classifyAndWrite(input, data, parameters);
        if (result.stoppedEarly) out << " No divisions were made.\n";
        else
            out << " " << result.samples.divisions.size() << " sample and " << result.species.divisions.size()
                << " species divisions; output in " << outputFileFor(input, "twi").filename().string() << "\n";
        return 0;
    } catch (const core::ZembuError& e) {
        out.flush();
        err << "twinspan: " << e.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        out.flush();
        err << "twinspan: not enough memory for this data set.\n";
        return 1;
    }
}

}  // namespace zembu::classification::twinspan
