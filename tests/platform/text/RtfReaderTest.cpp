#include "platform/text/RtfReader.h"
#include "tests/common/QtPrinters.h"

#include <QColor>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QStringList Paragraphs(const QTextDocument& document) {
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QStringList Read(const QByteArray& rtf) {
    QTextDocument document;
    ReadRtf(rtf, document);
    return Paragraphs(document);
}

// The format of the first character of the first occurrence of text.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text) {
    const QTextCursor found = document.find(text, 0, QTextDocument::FindWholeWords);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor at(const_cast<QTextDocument*>(&document));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

Qt::Alignment AlignmentOf(const QTextDocument& document, const QString& text) {
    return document.find(text).block().blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

} // namespace

TEST(RtfReader, ParagraphsLinesAndTabsBecomeBlocksLineSeparatorsAndTabs) {
    EXPECT_EQ(Read("{\\rtf1\\ansi\\deff0 Hello\\par World\\line next\\tab x\\par}"),
              (QStringList{"Hello", QString("World") + QChar(0x2028) + "next\tx", ""}));
    // Line breaks of the file are no text; a backslash before one is a paragraph.
    EXPECT_EQ(Read("{\\rtf1 one\r\ntwo\\\nthree}"), (QStringList{"onetwo", "three"}));
    EXPECT_EQ(Read("{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f}"),
              QStringList{QString("a\\b{c}d") + QChar(0xA0) + "ef"});
    EXPECT_EQ(Read("{\\rtf1 \\ldblquote x\\rdblquote\\emdash\\bullet}"),
              QStringList{QString::fromUtf8("\u201Cx\u201D\u2014\u2022")});
}

TEST(RtfReader, CharacterFormatsFollowControlWordsAndGroups) {
    QTextDocument doc;
    ReadRtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
            "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
            "plain {\\b bold {\\i both} bold2} \\ul under\\ulnone  notunder "
            "\\fs40 big\\fs16  small \\cf1 red\\cf2  navy\\cf0  auto "
            "\\f1 mono\\plain  reset \\b1 on\\b0  off \\i italic\\i0  upright}",
            doc);
    EXPECT_EQ(Paragraphs(doc),
              QStringList{"plain bold both bold2 under notunder big small red navy auto mono "
                          "reset on off italic upright"});

    EXPECT_EQ(FormatOf(doc, "plain").fontWeight(), QFont::Normal);
    EXPECT_EQ(FormatOf(doc, "plain").fontPointSize(), 12.0);
    EXPECT_EQ(FormatOf(doc, "plain").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf(doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatOf(doc, "bold").fontItalic());
    EXPECT_EQ(FormatOf(doc, "both").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(doc, "both").fontItalic());
    EXPECT_FALSE(FormatOf(doc, "bold2").fontItalic());
    EXPECT_EQ(FormatOf(doc, "under").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf(doc, "under").fontUnderline());
    EXPECT_FALSE(FormatOf(doc, "notunder").fontUnderline());
    EXPECT_EQ(FormatOf(doc, "big").fontPointSize(), 20.0);
    EXPECT_EQ(FormatOf(doc, "small").fontPointSize(), 8.0);
    EXPECT_EQ(FormatOf(doc, "red").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(FormatOf(doc, "navy").foreground().color(), QColor(0, 0, 128));
    // Entry 0 of the table is the "auto" colour: no colour of its own.
    EXPECT_EQ(FormatOf(doc, "auto").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(doc, "mono").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(FormatOf(doc, "mono").fontPointSize(), 8.0);
    EXPECT_EQ(FormatOf(doc, "reset").fontPointSize(), 12.0);
    EXPECT_EQ(FormatOf(doc, "reset").foreground().style(), Qt::NoBrush);
    EXPECT_EQ(FormatOf(doc, "reset").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf(doc, "on").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(doc, "off").fontWeight(), QFont::Normal);
    EXPECT_TRUE(FormatOf(doc, "italic").fontItalic());
    EXPECT_FALSE(FormatOf(doc, "upright").fontItalic());
}

TEST(RtfReader, EachParagraphTakesTheAlignmentInForceAtItsEnd) {
    QTextDocument doc;
    ReadRtf("{\\rtf1\\pard\\qc Title\\par\\pard Body\\par\\qr right\\par\\qj "
            "justified\\par\\pard\\ql left then \\qc centred\\par\\pard\\li720\\sb240\\sa120 "
            "indented\\par\\pard\\li1440\\fi-720\\tx720\\tx2880 a\\tab b\\par}",
            doc);
    EXPECT_EQ(AlignmentOf(doc, "Title"), Qt::AlignHCenter);
    EXPECT_EQ(AlignmentOf(doc, "Body"), Qt::AlignLeft);
    EXPECT_EQ(AlignmentOf(doc, "right"), Qt::AlignRight);
    EXPECT_EQ(AlignmentOf(doc, "justified"), Qt::AlignJustify);
    EXPECT_EQ(AlignmentOf(doc, "left then"), Qt::AlignHCenter);
    const QTextBlockFormat indented = doc.find("indented").block().blockFormat();
    EXPECT_EQ(indented.leftMargin(), 48.0);
    EXPECT_EQ(indented.topMargin(), 16.0);
    EXPECT_EQ(indented.bottomMargin(), 8.0);
    EXPECT_EQ(doc.find("Body").block().blockFormat().leftMargin(), 0.0);
    // Tab stops count from the margin: the first line starts 720 twips in, so the stop
    // at 720 lies behind it and the one at 2880 is 2160 twips (144 pixels) along it.
    const QList<QTextOption::Tab> tabs = doc.find("a\tb").block().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_EQ(tabs[0].position, 144.0);
    EXPECT_EQ(doc.find("a\tb").block().blockFormat().textIndent(), -48.0);
    EXPECT_EQ(indented.textIndent(), 0.0);
    EXPECT_TRUE(indented.tabPositions().isEmpty());
}

TEST(RtfReader, HexEscapesAreWindows1252AndUnicodeSkipsItsReplacements) {
    EXPECT_EQ(Read("{\\rtf1 caf\\'e9 \\'80\\'93q\\'94 \\'fc}"),
              QStringList{QString::fromUtf8("caf\u00e9 \u20ac\u201cq\u201d \u00fc")});
    // \uc1 by default: one replacement character follows, here "?" and then \'80.
    EXPECT_EQ(Read("{\\rtf1 a\\u8364?b\\u8364\\'80c}"),
              QStringList{QString::fromUtf8("a\u20acb\u20acc")});
    // Negative numbers stand for characters above 32767; \uc2 and \uc0 change the count.
    EXPECT_EQ(Read("{\\rtf1 \\u-3913??x{\\uc2\\u8364\\'80\\'80y}\\uc0\\u8364 z}"),
              QStringList{QString::fromUtf8("\uf0b7?x\u20acy\u20acz")});
    EXPECT_EQ(Read("{\\rtf1 \\uc0\\u-3913 x}"), QStringList{QString::fromUtf8("\uf0b7x")});
    // A surrogate pair written as two \u words is one character.
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?\\u-8704?!}"), QStringList{QString::fromUtf8("\U0001F600!")});
    // A group ends the replacement count.
    EXPECT_EQ(Read("{\\rtf1 {\\uc3\\u8364 a}bc}"), QStringList{QString::fromUtf8("\u20acbc")});
}

TEST(RtfReader, DestinationsThatHoldNoDocumentTextAreSkipped) {
    EXPECT_EQ(Read("{\\rtf1{\\*\\generator Writer 1.0;}{\\stylesheet{\\s0 Normal;}}"
                   "{\\info{\\title Secret}{\\author Me}}{\\header head}"
                   "{\\pict\\wmetafile8 0123abcdef}{\\*\\unknowndest text}"
                   "{\\pict\\bin5 {}\\} }after "
                   "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}} end}"),
              QStringList{"after link end"});
    // Unknown control words are ignored, their delimiting space included.
    EXPECT_EQ(Read("{\\rtf1\\nosuchword keep \\nosuchword12 this}"), QStringList{"keep this"});
}

TEST(RtfReader, BrokenInputYieldsWhatTextItCan) {
    EXPECT_EQ(Read("{\\rtf1 unclosed {\\b group"), QStringList{"unclosed group"});
    EXPECT_EQ(Read("}}text}{\\rtf1 more}}}"), QStringList{"textmore"});
    EXPECT_EQ(Read("{\\rtf1 cut\\'4"), QStringList{"cut"});
    EXPECT_EQ(Read("{\\rtf1 cut\\'zzok}"), QStringList{"cutzzok"});
    EXPECT_EQ(Read("{\\rtf1 end\\"), QStringList{"end"});
    EXPECT_EQ(Read("{\\rtf1 \\bin999999999 hidden}"), QStringList{""});
    EXPECT_EQ(Read("{\\rtf1 \\bin-5 shown}"), QStringList{"shown"});
    const char binary[] = "{\\rtf1 a\0b\x01\x7f\x1b"
                          "c}";
    EXPECT_EQ(Read(QByteArray(binary, sizeof binary - 1)), QStringList{"abc"});
    EXPECT_EQ(Read("no rtf at all"), QStringList{"no rtf at all"});
    EXPECT_EQ(Read(""), QStringList{""});

    QTextDocument doc;
    ReadRtf("{\\rtf1{\\colortbl;\\red99999999999999999999\\green-5\\blue300;}"
            "\\fs99999999999999999999 huge\\fs-7  tiny\\cf99999999  nocolour \\f-3 "
            "\\uc999999 \\u65 ABCDEFGHIJKLMNOPQRSTUVWXYZ\\uc1\\u99999999?x\\u-99999?y"
            "\\cf1  clamped}",
            doc);
    // \uc is bounded at 16: the replacement run ends after P.
    EXPECT_EQ(Paragraphs(doc), QStringList{"huge tiny nocolour AQRSTUVWXYZxy clamped"});
    EXPECT_EQ(FormatOf(doc, "clamped").foreground().color(), QColor(255, 0, 255));
    EXPECT_EQ(FormatOf(doc, "huge").fontPointSize(), 1638.0);
    EXPECT_EQ(FormatOf(doc, "tiny").fontPointSize(), 1.0);
    EXPECT_EQ(FormatOf(doc, "nocolour").foreground().style(), Qt::NoBrush);
}

TEST(RtfReader, DeepNestingAndRandomBytesNeitherCrashNorLoseTheText) {
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(200000, '{');
    deep += "inside";
    deep += QByteArray(200000, '}');
    deep += " outside}";
    EXPECT_EQ(Read(deep), QStringList{"inside outside"});

    // Formats of groups beyond the stored depth do not leak out of them.
    QTextDocument doc;
    ReadRtf("{\\rtf1 " + QByteArray(1000, '{') + "\\b deep" + QByteArray(1000, '}') + " plain}",
            doc);
    EXPECT_EQ(FormatOf(doc, "plain").fontWeight(), QFont::Normal);

    QRandomGenerator random(7);
    const QByteArray alphabet = "{}\\'*uc0123456789abfpqrsltx- \r\n;";
    for (int round = 0; round < 50; ++round) {
        QByteArray noise = "{\\rtf1 start ";
        for (int i = 0; i < 2000; ++i) {
            const quint32 pick = random.bounded(4);
            noise += pick == 0 ? static_cast<char>(random.bounded(256))
                               : alphabet[random.bounded(static_cast<int>(alphabet.size()))];
        }
        QTextDocument noisy;
        ReadRtf(noise, noisy);
        EXPECT_TRUE(noisy.toPlainText().startsWith("start")) << round;
    }
}
