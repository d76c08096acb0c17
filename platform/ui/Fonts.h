#pragma once

#include <QFont>

// The two families the windows are drawn for are rarely installed on this platform:
// each asks for its family first and then for the closest stand-ins.

// "Arial Black" at the given pixel height.
QFont DisplayFont(int pixelSize);
// "MS Sans Serif" 11 pixels high. A wider stand-in is narrowed, so that text still
// fits controls sized for the original.
QFont WindowFont();
