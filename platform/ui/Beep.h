#pragma once

#include <functional>

// The system's default beep. Tests count beeps through the hook instead.
void MessageBeep();
void SetBeepHook(std::function<void()> hook);
