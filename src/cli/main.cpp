// skyloom-cli: the route calculation of Skyloom from a terminal.

#include <iostream>
#include <string>
#include <vector>

#include "cli/batch_run.h"
#include "cli/cli_options.h"
#include "cli/console.h"

int main(int argc, char** argv) {
    using namespace skyloom::cli;
    useUtf8Console();
    std::vector<std::string> arguments = commandLineArguments(argc, argv);
    ParseResult parsed = parseCommandLine(arguments);
    if (!parsed.options) {
        std::cerr << "skyloom-cli: " << parsed.error << "\nTry 'skyloom-cli --help'.\n";
        return kExitUsage;
    }
    const CliOptions& options = *parsed.options;
    if (options.help) {
        std::cout << usageText();
        return kExitDone;
    }
    if (options.version) {
        std::cout << "skyloom-cli " << SKYLOOM_VERSION << '\n';
        return kExitDone;
    }
    return runBatch(options, std::cin, std::cout, std::cerr, stdinIsTerminal());
}
