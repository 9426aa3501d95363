#pragma once
// The state dump: plain text, one "key: value" a line, keys in a fixed
// order. Lists are written as indexed keys ("window.2.title: Ezo") after a
// count ("window.count: 3"), so a test can grep one line without parsing.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace headless {

class DumpWriter {
public:
    void Add(std::string_view key, std::string_view value);
    void Add(std::string_view key, long long value);
    // "prefix.index.key: value"
    void AddItem(std::string_view prefix, size_t index, std::string_view key, std::string_view value);
    void AddItem(std::string_view prefix, size_t index, std::string_view key, long long value);

    const std::vector<std::pair<std::string, std::string>>& entries() const { return entries_; }
    // The whole dump; line breaks and backslashes in values are escaped
    // (\n, \r, \\) so one entry is always one line.
    std::string Text() const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// A rectangle as "left top right bottom".
std::string RectText(int left, int top, int right, int bottom);

// Parts of the program add their own state to every dump. Sections are
// written after the device's, in the order they were added.
using DumpSection = std::function<void(DumpWriter&)>;
void AddDumpSection(std::string name, DumpSection section);
void RemoveDumpSection(std::string_view name);
void WriteDumpSections(DumpWriter& writer);

}  // namespace headless
