#include "cli/cli_app.h"

#include <CLI/CLI.hpp>

#include <new>
#include <stdexcept>

#include "cli/commands.h"
#include "core/errors.h"

namespace zembu::cli {

int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"ZEMBU command-line tool: batch work on phytosociological tables.", "zembu-cli"};
    app.set_version_flag("--version", std::string("zembu-cli ") + ZEMBU_VERSION);
    app.require_subcommand(0, 1);

    CliContext context{out, err};
    for (CommandInstaller install : commandInstallers()) install(app, context);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion& e) {
        out << e.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& e) {
        err << e.what() << '\n';
        return e.get_exit_code() == 0 ? 0 : 2;
    } catch (const std::bad_alloc&) {
        // A command that asks for more memory than there is fails like any
        // other refused input: a message and a non-zero exit, never an abort.
        err << core::NotEnoughMemoryMessage << '\n';
        return 1;
    } catch (const std::length_error&) {
        err << core::NotEnoughMemoryMessage << '\n';
        return 1;
    }
    if (argc <= 1) {
        out << app.help();
        return 0;
    }
    return context.exitCode;
}

}  // namespace zembu::cli
