#include "platform/headless/dump.h"

#include <algorithm>
#include <mutex>

namespace headless {
namespace {

std::string Escape(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ItemKey(std::string_view prefix, size_t index, std::string_view key) {
    return std::string(prefix) + "." + std::to_string(index) + "." + std::string(key);
}

struct Sections {
    std::mutex lock;
    std::vector<std::pair<std::string, DumpSection>> list;
};

Sections& AllSections() {
    static Sections sections;
    return sections;
}

}  // namespace

void DumpWriter::Add(std::string_view key, std::string_view value) {
    entries_.emplace_back(std::string(key), std::string(value));
}

void DumpWriter::Add(std::string_view key, long long value) { Add(key, std::to_string(value)); }

void DumpWriter::AddItem(std::string_view prefix, size_t index, std::string_view key, std::string_view value) {
    Add(ItemKey(prefix, index, key), value);
}

void DumpWriter::AddItem(std::string_view prefix, size_t index, std::string_view key, long long value) {
    Add(ItemKey(prefix, index, key), value);
}

std::string DumpWriter::Text() const {
    std::string text;
    for (const auto& [key, value] : entries_) text += Escape(key) + ": " + Escape(value) + "\n";
    return text;
}

std::string RectText(int left, int top, int right, int bottom) {
    return std::to_string(left) + " " + std::to_string(top) + " " + std::to_string(right) + " " +
           std::to_string(bottom);
}

void AddDumpSection(std::string name, DumpSection section) {
    Sections& s = AllSections();
    std::lock_guard guard(s.lock);
    auto same = std::find_if(s.list.begin(), s.list.end(), [&](const auto& e) { return e.first == name; });
    if (same != s.list.end()) {
        same->second = std::move(section);
    } else {
        s.list.emplace_back(std::move(name), std::move(section));
    }
}

void RemoveDumpSection(std::string_view name) {
    Sections& s = AllSections();
    std::lock_guard guard(s.lock);
    std::erase_if(s.list, [&](const auto& e) { return e.first == name; });
}

void WriteDumpSections(DumpWriter& writer) {
    // Copied so a section may add or remove sections without deadlock.
    std::vector<std::pair<std::string, DumpSection>> list;
    {
        Sections& s = AllSections();
        std::lock_guard guard(s.lock);
        list = s.list;
    }
    for (const auto& [name, section] : list) section(writer);
}

}  // namespace headless
