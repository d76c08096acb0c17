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

template <class Fn> void Guard(Fn&& fn) {
    try {
        std::forward<Fn>(fn)();
    } catch (const std::exception& error) {
        HandleException(error);
    }
}

} // namespace Application
