#pragma once
// The parts the screen draws over the device windows.
#include <QWidget>

#include <cstdint>

namespace device {

class TaskBar final : public QWidget {
public:
    TaskBar(QWidget* parent, bool clockIsVirtual);
    void setTitle(const QString& title);
    void setStartIconShown(bool shown);
    // Shows note in place of the title until the device clock reaches untilMs.
    void setNote(const QString& note, uint64_t untilMs);
    const QString& note() const { return note_; }
    // Repaints when the shown minute differs from the clock's, or a note is due to go.
    void refreshClock();
    int shownMinutes() const { return minutes_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool clockIsVirtual_;
    bool startIcon_ = true;
    QString title_;
    QString note_;
    uint64_t noteUntilMs_ = 0;
    int minutes_ = -1;
};

// The handheld's busy indicator: a ring of dots in the middle of the screen.
class WaitIndicator final : public QWidget {
public:
    explicit WaitIndicator(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace device
