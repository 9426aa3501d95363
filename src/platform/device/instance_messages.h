#pragma once
// What a later start and the running program say to each other over the
// single-instance socket: one line each way, at most kLongestInstanceLine
// bytes with its end of line. A request is "activate" or "open PATH" (the
// host path's bytes percent-encoded, so no name can break the line); the
// answer is "ok" or "refused TEXT".
#include <optional>
#include <string>
#include <string_view>

namespace device {

constexpr size_t kLongestInstanceLine = 16 * 1024;

struct InstanceRequest {
    std::string path;  // host path to open; empty: only come to the front
};

// The request line, with its end of line; an empty path asks for the front.
std::string EncodeInstanceRequest(std::string_view hostPath);
// A received line, without its end of line; nothing for anything else.
std::optional<InstanceRequest> DecodeInstanceRequest(std::string_view line);

// The answer line: ok for an empty refusal. Line breaks in the text become blanks.
std::string EncodeInstanceAnswer(std::string_view refusal);
// The refusal text of an answer line (empty for ok); nothing for garbage.
std::optional<std::string> DecodeInstanceAnswer(std::string_view line);

}  // namespace device
