#pragma once
// The parts the screen draws over the device windows.
#include <QWidget>

namespace device {

class TaskBar final : public QWidget {
public:
    TaskBar(QWidget* parent, bool clockIsVirtual);
    void setTitle(const QString& title);
    void setStartIconShown(bool shown);
    // Repaints when the shown minute differs from the clock's.
    void refreshClock();
    int shownMinutes() const { return minutes_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool clockIsVirtual_;
    bool startIcon_ = true;
    QString title_;
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
