// The RTF reader behind the instructions viewer. Any bytes must load without a crash,
// a hang or a sanitizer report, and never yield more characters than there were bytes:
// every character of the document comes from at least one byte of the file.

#include "fuzz/FuzzSupport.h"
#include "platform/text/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QTextDocument document;
    document.setPlainText(QStringLiteral("left over"));
    ReadRtf(rtf, document);
    const QString text = document.toPlainText();
    fuzz::Require(text.size() <= rtf.size(), "the document holds " + std::to_string(text.size()) +
                                                 " characters from " + std::to_string(rtf.size()) +
                                                 " bytes");
    fuzz::Require(rtf.contains("left over") || !text.contains(QStringLiteral("left over")),
                  "the document was not cleared first");
    return 0;
}
