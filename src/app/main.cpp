// ezo: options, device set-up, the program's entry, exit code.
#include <cstdio>
#include <string>
#include <vector>

#include "app/entry.h"
#include "app/options.h"
#include "app/program_entry.h"
#include "app/qt_messages.h"

int main(int argc, char** argv) {
    ezo::QuietQtMessages();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const ezo::ParsedOptions parsed = ezo::ParseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "ezo: %s\nTry 'ezo --help' for the options.\n", parsed.error.c_str());
        return ezo::kExitUsage;
    }
    if (parsed.options->help || parsed.options->version) {
        std::fputs((parsed.options->help ? ezo::UsageText() : ezo::VersionText()).c_str(), stdout);
        return 0;
    }
    return ezo::RunProgram(*parsed.options, ezo::EzoMain);
}
