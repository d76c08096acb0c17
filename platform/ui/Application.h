#pragma once

#include <QString>
#include <exception>
#include <utility>

// The program's last line of defence, as a toolkit's default handler: no exception
// ever crosses Qt's event loop. Every handler entry (slot, timer, key, paint) runs
// through Guard, which shows a failure in an error box and lets the program go on.
namespace Application {

void SetTitle(const QString& title);
QString Title();

void HandleException(const std::exception& error);

// The style keeps a picture of every control it has drawn, by size and state, up to
// Qt's default of 10 MB: a program left running all day meets enough boxes, sizes and
// states to fill it, and its memory grows for hours. This program's windows redraw
// from far less, so the cache is held to kPixmapCacheKB.
inline constexpr int kPixmapCacheKB = 1024;
void LimitPixmapCache();

template <class Fn> void Guard(Fn&& fn) {
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

} // namespace Application
