#pragma once
// A script target that records each call as one short line.
#include <optional>
#include <string>
#include <vector>

#include <QImage>

#include "platform/headless/script_target.h"

namespace headless {

class FakeTarget final : public ScriptTarget {
public:
    std::vector<std::string> calls;
    std::optional<int> exitAfterCalls;  // the program ends once this many calls were made
    int exitCode = 0;
    QImage screen{240, 320, QImage::Format_RGB32};

    void StylusDown(int x, int y) override { calls.push_back("down " + Xy(x, y)); }
    void StylusMove(int x, int y) override { calls.push_back("move " + Xy(x, y)); }
    void StylusUp(int x, int y) override { calls.push_back("up " + Xy(x, y)); }
    void DoubleTap(int x, int y) override { calls.push_back("dbltap " + Xy(x, y)); }
    void Hold(int x, int y) override { calls.push_back("hold " + Xy(x, y)); }
    void Wheel(int x, int y, int notches, int modifiers) override {
        calls.push_back("wheel " + Xy(x, y) + " " + std::to_string(notches) + "+" + std::to_string(modifiers));
    }
    void Key(KeyChord key) override { calls.push_back("key " + std::to_string(key.key) + "+" + std::to_string(key.modifiers)); }
    void AppKey(int button) override { calls.push_back("appkey " + std::to_string(button)); }
    void Type(std::string_view text) override { calls.push_back("type " + std::string(text)); }
    void Command(int id) override { calls.push_back("command " + std::to_string(id)); }
    void Advance(int ms) override { calls.push_back("advance " + std::to_string(ms)); }
    void ProcessPending() override { calls.push_back("pending"); }
    QImage Screen() override {
        calls.push_back("screen");
        return screen;
    }
    std::string Dump() override {
        calls.push_back("dump");
        return "screen: 240x320\n";
    }
    void Quit() override { calls.push_back("quit"); }
    std::optional<int> ExitCode() override {
        if (exitAfterCalls && int(calls.size()) >= *exitAfterCalls) return exitCode;
        return std::nullopt;
    }

private:
    static std::string Xy(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
};

}  // namespace headless
