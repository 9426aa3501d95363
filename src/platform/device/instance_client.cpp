#include "platform/device/instance_client.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/device/instance_messages.h"

namespace device {
namespace {

using Clock = std::chrono::steady_clock;

// Closes the socket however the exchange ends.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

int RemainingMs(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? int(left) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
    pollfd p{fd, events, 0};
    int ready;
    do {
        ready = ::poll(&p, 1, RemainingMs(deadline));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A non-blocking connection, so that a full backlog cannot hold the start up.
int Connect(const std::string& socketPath) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (socketPath.empty() || socketPath.size() >= sizeof(address.sun_path)) return -1;
    std::memcpy(address.sun_path, socketPath.data(), socketPath.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool SendAll(int fd, std::string_view bytes, Clock::time_point deadline) {
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(size_t(sent));
        } else if (sent < 0 && (errno == EAGAIN || errno == EINTR)) {
            if (!WaitFor(fd, POLLOUT, deadline)) return false;
        } else {
            return false;
        }
    }
    return true;
}

// The answer line without its end of line; nothing on timeout, end or overflow.
std::optional<std::string> ReadLine(int fd, Clock::time_point deadline) {
    std::string line;
    char buffer[512];
    while (line.size() < kLongestInstanceLine) {
        if (!WaitFor(fd, POLLIN, deadline)) return std::nullopt;
        const ssize_t got = ::recv(fd, buffer, sizeof(buffer), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
        if (got <= 0) return std::nullopt;
        line.append(buffer, size_t(got));
        if (const size_t end = line.find('\n'); end != std::string::npos) return line.substr(0, end);
    }
    return std::nullopt;
}

}  // namespace

InstanceExchange SendInstanceRequest(const std::string& socketPath, std::string_view line, int answerTimeoutMs) {
    InstanceExchange result;
    const Fd fd(Connect(socketPath));
    if (fd.get() < 0) return result;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(answerTimeoutMs > 0 ? answerTimeoutMs : 200);
    if (!SendAll(fd.get(), line, deadline)) return result;
    result.outcome = InstanceExchange::Sent;
    if (answerTimeoutMs <= 0) return result;
    const std::optional<std::string> answer = ReadLine(fd.get(), deadline);
    const std::optional<std::string> refusal = answer ? DecodeInstanceAnswer(*answer) : std::nullopt;
    if (!refusal) return result;
    result.outcome = InstanceExchange::Answered;
    result.refusal = *refusal;
    return result;
}

}  // namespace device
