#pragma once

// Waits until the millisecond clock has moved on by at least the given time, handling
// every pending window event meanwhile, so the program stays responsive.
void Delay(double milliseconds);
