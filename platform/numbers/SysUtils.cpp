#include "platform/numbers/SysUtils.h"

Exception::Exception(const QString& message) : std::runtime_error(message.toStdString()) {}

std::optional<int32_t> ParseInt(const QString& text, bool acceptZeroX) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (acceptZeroX && i + 1 < n && text[i] == u'0' &&
               (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n) return std::nullopt;
    uint64_t value = 0;
    for (; i < n; ++i) {
        const char16_t ch = text[i].unicode();
        int digit;
        if (ch >= u'0' && ch <= u'9')
            digit = ch - u'0';
        else if (hex && ch >= u'a' && ch <= u'f')
            digit = ch - u'a' + 10;
        else if (hex && ch >= u'A' && ch <= u'F')
            digit = ch - u'A' + 10;
        else
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
        if (hex ? value > 0xFFFFFFFFull : value > 0x80000000ull) return std::nullopt;
    }
    if (hex) {
        const auto bits = static_cast<uint32_t>(value);
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    if (!negative && value > 0x7FFFFFFFull) return std::nullopt;
    const int64_t signedValue =
        negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    return static_cast<int32_t>(signedValue);
}

std::optional<int32_t> ParseStoredInt(const QString& text) {
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        return ParseInt(u'$' + text.mid(2), false);
    return ParseInt(text, false);
}

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    const int64_t remainder = product % c;
    // Compare 2|r| with |c| without overflow: both fit easily in 64 bits.
    const int64_t twiceRemainder = remainder < 0 ? -2 * remainder : 2 * remainder;
    const int64_t divisor = c < 0 ? -static_cast<int64_t>(c) : c;
    if (twiceRemainder >= divisor) quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int32_t>(quotient);
}

QString ZeroPad(int64_t value, int width) {
    QString text = QString::number(value);
    while (text.size() < width)
        text.prepend(u'0');
    return text;
}
