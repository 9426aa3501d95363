// Feeds arbitrary bytes to the script parser twice: whole, as a script file
// is read, and line by line from a stream, as standard input is. Both must
// agree on the commands, or on the line of the first error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/headless/script.h"
#include "platform/headless/script_source.h"

namespace {

bool Same(const headless::ScriptCommand& a, const headless::ScriptCommand& b) {
    return a.op == b.op && a.line == b.line && a.x == b.x && a.y == b.y && a.number == b.number && a.key == b.key &&
           a.text == b.text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const headless::ParsedScript whole = headless::ParseScript(text);
    if (whole.error) headless::FormatScriptError("fuzz.ezs", *whole.error);
    if (size > headless::kMaxScriptBytes) return 0;

    std::istringstream lines(text);
    headless::ScriptSource source(lines);
    size_t read = 0;
    while (true) {
        const headless::ScriptSource::Next next = source.Read();
        if (next.error) {
            if (!whole.error || whole.error->line != next.error->line) std::abort();
            return 0;
        }
        if (!next.command) break;
        // A script file with a bad line runs nothing; a stream runs the lines before it.
        if (whole.error) {
            if (next.command->line >= whole.error->line) std::abort();
            continue;
        }
        if (read >= whole.commands.size() || !Same(*next.command, whole.commands[read])) std::abort();
        ++read;
    }
    if (whole.error || read != whole.commands.size()) std::abort();
    return 0;
}
