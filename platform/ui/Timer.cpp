#include "platform/ui/Timer.h"

#include "platform/ui/Application.h"

#include <algorithm>
#include <climits>

TTimer::TTimer() {
    FTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&FTimer, &QTimer::timeout, [this] {
        if (FOnTimer) Application::Guard(FOnTimer);
    });
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == FInterval) return;
    FInterval = interval;
    Update();
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == FEnabled) return;
    FEnabled = enabled;
    Update();
}

void TTimer::SetHeld(bool held) {
    if (held == FHeld) return;
    FHeld = held;
    Update();
}

void TTimer::SetOnTimer(std::function<void()> onTimer) {
    FOnTimer = std::move(onTimer);
    Update();
}

void TTimer::Update() {
    FTimer.stop();
    if (FEnabled && !FHeld && FInterval > 0 && FOnTimer)
        FTimer.start(static_cast<int>(std::min<unsigned>(FInterval, INT_MAX)));
}
