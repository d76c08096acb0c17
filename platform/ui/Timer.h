#pragma once

#include <QTimer>
#include <functional>

// A window timer with an unsigned interval in milliseconds. An interval of 0 means
// no ticks at all; any change of the interval restarts the countdown, so the next
// tick comes one full new interval later; writing the same value changes nothing.
class TTimer {
public:
    TTimer();

    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned interval);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    void SetOnTimer(std::function<void()> onTimer);
    // A held timer delivers no ticks, so that a window with nothing to do costs no
    // time; interval and Enabled stay as they are, and letting it go starts a full
    // interval.
    void SetHeld(bool held);

    // Whether ticks are being delivered now.
    bool Ticking() const { return FTimer.isActive(); }

private:
    void Update();

    QTimer FTimer;
    unsigned FInterval = 1000;
    bool FEnabled = true;
    bool FHeld = false;
    std::function<void()> FOnTimer;
};
