#pragma once

#include <QString>
#include <ostream>

// Lets GoogleTest show Qt texts as text when an expectation fails.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
