#pragma once
// The later start's side of the single-instance socket, in plain POSIX calls
// so that it runs before (and without) a Qt application: connect, send one
// request line, wait a bounded time for the answer line.
#include <string>
#include <string_view>

namespace device {

struct InstanceExchange {
    enum Outcome { NotConnected, Sent, Answered } outcome = NotConnected;
    std::string refusal;  // with Answered: empty when the request was taken
};

// Sends line to the socket at socketPath. Waits for the answer at most
// answerTimeoutMs (0: does not wait; the request counts as Sent).
InstanceExchange SendInstanceRequest(const std::string& socketPath, std::string_view line, int answerTimeoutMs);

}  // namespace device
