#include "platform/device/instance_messages.h"

#include <QByteArray>

namespace device {
namespace {

constexpr std::string_view kActivate = "activate";
constexpr std::string_view kOpen = "open ";
constexpr std::string_view kOk = "ok";
constexpr std::string_view kRefused = "refused ";

QByteArray Bytes(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

}  // namespace

std::string EncodeInstanceRequest(std::string_view hostPath) {
    if (hostPath.empty()) return std::string(kActivate) + '\n';
    return std::string(kOpen) + Bytes(hostPath).toPercentEncoding("/").toStdString() + '\n';
}

std::optional<InstanceRequest> DecodeInstanceRequest(std::string_view line) {
    if (line.size() >= kLongestInstanceLine) return std::nullopt;
    if (line == kActivate) return InstanceRequest{};
    if (!line.starts_with(kOpen)) return std::nullopt;
    const std::string path = QByteArray::fromPercentEncoding(Bytes(line.substr(kOpen.size()))).toStdString();
    // A path with a NUL was not sent by a start; a relative one means nothing here.
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) return std::nullopt;
    return InstanceRequest{path};
}

std::string EncodeInstanceAnswer(std::string_view refusal) {
    if (refusal.empty()) return std::string(kOk) + '\n';
    std::string text(refusal.substr(0, kLongestInstanceLine - kRefused.size() - 1));
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return std::string(kRefused) + text + '\n';
}

std::optional<std::string> DecodeInstanceAnswer(std::string_view line) {
    if (line == kOk) return std::string();
    if (line.starts_with(kRefused) && line.size() > kRefused.size()) return std::string(line.substr(kRefused.size()));
    return std::nullopt;
}

}  // namespace device
