// Feeds arbitrary bytes to the registry file reader, and checks that what it
// keeps is written back in a form that reads the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registry/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const registry::ParsedRegistry parsed = registry::ParseRegistryText(text);
    const std::string written = registry::FormatRegistryText(parsed.keys);
    const registry::ParsedRegistry again = registry::ParseRegistryText(written);
    if (again.damaged() || again.keys != parsed.keys) std::abort();
    return 0;
}
