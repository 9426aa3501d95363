#include "platform/device/message_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/device/painting.h"
#include "platform/device/window.h"
#include "platform/device/window_internal.h"

namespace device {
namespace {

struct Posted {
    HWND window;
    uint32_t msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Shared with posting threads: the queue and whether a turn is scheduled.
std::mutex queueMutex;
std::deque<Posted> queue;
bool turnScheduled = false;

// UI thread only.
std::optional<int> quitCode;
std::vector<QEventLoop*> runningLoops;
std::function<void()> modalLoopHook;

bool OnUiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app && app->thread() == QThread::currentThread();
}

// Takes the messages posted so far, so that a message that posts itself
// again waits for the next turn instead of holding this one forever.
std::deque<Posted> TakeBatch() {
    std::lock_guard lock(queueMutex);
    turnScheduled = false;
    std::deque<Posted> batch;
    batch.swap(queue);
    return batch;
}

void DispatchBatch(std::deque<Posted> batch) {
    while (!batch.empty()) {
        const Posted m = batch.front();
        batch.pop_front();
        if (quitCode) {
            // The rest waits: the loop ends first.
            std::lock_guard lock(queueMutex);
            queue.insert(queue.begin(), batch.begin(), batch.end());
            queue.push_front(m);
            return;
        }
        if (IsWindow(m.window)) SendMessage(m.window, m.msg, m.wParam, m.lParam);
    }
}

void RunTurn() {
    DispatchBatch(TakeBatch());
    PaintInvalidWindows();
}

}  // namespace

LRESULT SendMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (!IsWindow(window) || !OnUiThread()) return 0;
    internal::EnterDispatch(window);
    const LRESULT result = window->WindowProc(msg, wParam, lParam);
    internal::LeaveDispatch(window);
    return result;
}

bool PostMessage(HWND window, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    if (!window) return false;
    std::lock_guard lock(queueMutex);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return false;
    queue.push_back({window, msg, wParam, lParam});
    if (!turnScheduled) {
        turnScheduled = true;
        QMetaObject::invokeMethod(app, [] { RunTurn(); }, Qt::QueuedConnection);
    }
    return true;
}

void PostQuitMessage(int exitCode) {
    if (quitCode) return;
    quitCode = exitCode;
    for (QEventLoop* loop : runningLoops) loop->exit(exitCode);
}

std::optional<int> QuitCode() { return quitCode; }

int RunMessageLoop() {
    if (!quitCode) {
        QEventLoop loop;
        runningLoops.push_back(&loop);
        internal::RequestTurn();
        loop.exec();
        runningLoops.pop_back();
    }
    return quitCode.value_or(0);
}

void SetModalLoopHook(std::function<void()> hook) { modalLoopHook = std::move(hook); }

void ProcessPendingMessages() {
    if (!OnUiThread()) return;
    // Qt's own events first (queued calls, widget updates), then our turn.
    QCoreApplication::sendPostedEvents();
    RunTurn();
}

size_t PendingMessageCount() {
    std::lock_guard lock(queueMutex);
    return queue.size();
}

bool MessageBeep(uint32_t) {
    internal::CountBeep();
    return true;
}

namespace internal {

void EnterDispatch(HWND window) { ++window->data().dispatchDepth; }

void LeaveDispatch(HWND window) {
    --window->data().dispatchDepth;
    FreeIfPending(window);
}

void DropPostedMessages(HWND window) {
    std::lock_guard lock(queueMutex);
    std::erase_if(queue, [window](const Posted& m) { return m.window == window; });
}

void RequestTurn() {
    std::lock_guard lock(queueMutex);
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || turnScheduled) return;
    turnScheduled = true;
    QMetaObject::invokeMethod(app, [] { RunTurn(); }, Qt::QueuedConnection);
}

void ResetMessageLoop() {
    {
        std::lock_guard lock(queueMutex);
        queue.clear();
    }
    quitCode.reset();
}

// Modal loops register here so that the quit message ends them too.
void PushLoop(QEventLoop* loop) {
    runningLoops.push_back(loop);
    if (modalLoopHook) modalLoopHook();
}
void PopLoop(QEventLoop* loop) { std::erase(runningLoops, loop); }

}  // namespace internal
}  // namespace device
