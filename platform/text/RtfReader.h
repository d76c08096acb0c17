#pragma once

#include <QByteArray>
#include <QTextDocument>

// Rich text in RTF, as word processors save it, turned into a QTextDocument.
//
// Understood: groups; \par, \line, \tab and the paragraph breaks \page and \sect;
// character formats \b, \i, \ul/\ulnone, \fsN (half-points), \cfN with \colortbl,
// \fN with \fonttbl, reset by \plain; paragraph formats \qc, \ql, \qr, \qj, and
// \liN, \fiN, \sbN, \saN and the tab stops \txN (twips), reset by \pard; \'hh as Windows-1252; \uN
// with \ucN replacement characters; the escapes \\ \{ \} \~ \_ and the typographic words
// (\emdash, \lquote, \bullet, ...). Destinations that hold no text of the document
// (\*, \stylesheet, \info, \pict, headers, fields' instructions, ...) are skipped,
// \binN data included.
//
// Everything else is ignored: unknown control words, unbalanced braces, text after
// the last brace is kept. Malformed input never fails: whatever text can be read is
// read, in time linear in the input's length.
//
// The document is cleared first. Each paragraph takes the paragraph format in force
// at its end, as RTF defines.
void ReadRtf(const QByteArray& rtf, QTextDocument& document);
