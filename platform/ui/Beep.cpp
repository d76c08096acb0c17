#include "platform/ui/Beep.h"

#include <QApplication>

namespace {
std::function<void()> gHook;
}

void MessageBeep() {
    if (gHook)
        gHook();
    else
        QApplication::beep();
}

void SetBeepHook(std::function<void()> hook) {
    gHook = std::move(hook);
}
