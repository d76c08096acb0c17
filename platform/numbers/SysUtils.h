#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

// The one exception type of the program: a failure with a message for the player.
class Exception : public std::runtime_error {
public:
    explicit Exception(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// Reads a whole text as a 32-bit signed integer: leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits after "$" or "0x"/"0X". Anything else
// in the text, no digits, or a decimal value outside the 32-bit range gives nothing.
// Hexadecimal takes at most 32 bits, so "$FFFFFFFF" is -1.
std::optional<int32_t> ParseInt(const QString& text, bool acceptZeroX = true);

// An integer as the data files store it: a "0x" or "0X" only as the text's first two
// characters reads as "$"; everywhere else only "$" marks hexadecimal, so " 0x1F"
// and "-0x1F" are not numbers.
std::optional<int32_t> ParseStoredInt(const QString& text);

// a * b / c with a 64-bit intermediate, halves rounded away from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

// The decimal text of a number with a leading "0" while it is shorter than width.
QString ZeroPad(int64_t value, int width);
