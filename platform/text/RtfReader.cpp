#include "platform/text/RtfReader.h"

#include <QColor>
#include <QHash>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// Groups nested deeper than this are only counted, so that a run of opening braces
// cannot make the state stack grow with the input.
constexpr size_t kMaxDepth = 256;
// Longer control words are read to their end but never match.
constexpr size_t kMaxWordLength = 32;
// A table that keeps growing is malformed; entries beyond these are dropped.
constexpr qsizetype kMaxColors = 4096;
constexpr qsizetype kMaxFonts = 4096;
constexpr int kMaxSkipCount = 16;
constexpr qsizetype kMaxTabStops = 64;

constexpr char32_t kLineSeparator = 0x2028;

// Windows-1252 for 0x80..0x9F; 0 where the code page leaves a byte undefined.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
    return byte;
}

int Clamp(int64_t value, int low, int high) {
    return static_cast<int>(std::clamp<int64_t>(value, low, high));
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Control characters carry no text, the tab aside.
bool IsText(int64_t code) {
    return code == '\t' || (code >= 0x20 && code != 0x7F);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Destinations whose text is not part of the document.
bool IsSkippedDestination(const std::string& word) {
    static const std::set<std::string> words{
        "stylesheet", "info",         "pict",       "object",    "objdata",   "header",
        "headerl",    "headerr",      "headerf",    "footer",    "footerl",   "footerr",
        "footerf",    "footnote",     "fldinst",    "filetbl",   "listtable", "listoverridetable",
        "revtbl",     "rsidtbl",      "generator",  "xmlnstbl",  "themedata", "colorschememapping",
        "datastore",  "latentstyles", "pgdsctbl",   "bkmkstart", "bkmkend",   "nonshppict",
        "shppict",    "private",      "annotation", "atnid",     "atnauthor", "falt",
        "panose",     "tc",           "xe"};
    return words.contains(word);
}

enum class TDestination { Text, FontTable, ColorTable, Skip };

struct TCharProps {
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int HalfPoints = 24;
    int Color = 0;
    int Font = -1; // -1: the document's default font
    bool operator==(const TCharProps&) const = default;
};

struct TParaProps {
    Qt::Alignment Align = Qt::AlignLeft;
    int LeftIndent = 0;  // twips, as the next three
    int FirstIndent = 0; // relative to LeftIndent
    int SpaceBefore = 0;
    int SpaceAfter = 0;
    QList<int> TabStops; // twips
};

struct TState {
    TCharProps Char;
    TParaProps Para;
    TDestination Destination = TDestination::Text;
    int UnicodeSkip = 1; // \ucN: replacement characters that follow each \uN
};

class TRtfReader {
public:
    TRtfReader(const QByteArray& rtf, QTextDocument& document) : FData(rtf), FCursor(&document) {
        FStack.emplace_back();
    }

    void Run() {
        const qsizetype size = FData.size();
        while (FPos < size) {
            const char c = FData[FPos++];
            switch (c) {
            case '{':
                OpenGroup();
                break;
            case '}':
                CloseGroup();
                break;
            case '\\':
                ControlSequence();
                break;
            case '\r':
            case '\n':
                break; // line breaks of the file are no text
            default:
                Byte(static_cast<unsigned char>(c));
                break;
            }
        }
        CommitFontName();
        EndBlock();
    }

private:
    TState& Top() { return FStack.back(); }

    void OpenGroup() {
        FPendingSkip = 0;
        if (FStack.size() < kMaxDepth)
            FStack.push_back(FStack.back());
        else
            ++FOverflow;
    }

    void CloseGroup() {
        FPendingSkip = 0;
        if (FOverflow > 0) {
            --FOverflow;
            return;
        }
        if (FStack.size() <= 1) return; // a brace that closes nothing
        if (Top().Destination == TDestination::FontTable) CommitFontName();
        FStack.pop_back();
    }

    // Consumes one of the characters that stand in for the last \uN; true if it did.
    bool SkipReplacement() {
        if (FPendingSkip == 0) return false;
        --FPendingSkip;
        return true;
    }

    void Byte(unsigned char byte) {
        if (SkipReplacement()) return;
        if (IsText(byte)) Put(FromCp1252(byte));
    }

    void ControlSequence() {
        if (FPos >= FData.size()) return; // a backslash at the very end
        const char c = FData[FPos];
        if (!IsLetter(c)) {
            ++FPos;
            ControlSymbol(c);
            return;
        }
        std::string word;
        while (FPos < FData.size() && IsLetter(FData[FPos])) {
            if (word.size() <= kMaxWordLength) word += FData[FPos];
            ++FPos;
        }
        bool hasParam = false;
        int64_t param = 0;
        bool negative = false;
        if (FPos + 1 < FData.size() && FData[FPos] == '-' && IsDigit(FData[FPos + 1])) {
            negative = true;
            ++FPos;
        }
        while (FPos < FData.size() && IsDigit(FData[FPos])) {
            hasParam = true;
            // Saturates: the parameter only matters within the 32-bit range.
            param = std::min<int64_t>(param * 10 + (FData[FPos] - '0'), INT64_C(1) << 40);
            ++FPos;
        }
        if (FPos < FData.size() && FData[FPos] == ' ') ++FPos; // the delimiter
        if (negative) param = -param;
        ControlWord(word, hasParam, Clamp(param, INT32_MIN, INT32_MAX));
    }

    void ControlSymbol(char c) {
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            while (digits < 2 && FPos < FData.size() && HexValue(FData[FPos]) >= 0) {
                value = value * 16 + HexValue(FData[FPos++]);
                ++digits;
            }
            if (SkipReplacement() || digits < 2) return;
            if (IsText(value)) Put(FromCp1252(static_cast<unsigned char>(value)));
            return;
        }
        if (c == '*') {
            Top().Destination = TDestination::Skip;
            return;
        }
        if (SkipReplacement()) return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            Put(static_cast<char32_t>(c));
            break;
        case '~':
            Put(0x00A0);
            break;
        case '_':
            Put(0x2011);
            break;
        case '\r':
        case '\n':
            Paragraph();
            break;
        default:
            break; // \- (optional hyphen), \| and \: (index entries) and the like
        }
    }

    void ControlWord(const std::string& word, bool hasParam, int param) {
        if (word == "bin") {
            // Raw bytes follow, braces and backslashes included: never parse them.
            const qsizetype count = std::max(param, 0);
            FPos += std::min(count, FData.size() - FPos);
            SkipReplacement();
            return;
        }
        if (SkipReplacement()) return;

        TState& state = Top();
        if (IsSkippedDestination(word)) {
            state.Destination = TDestination::Skip;
            return;
        }
        if (state.Destination == TDestination::Skip) return;
        if (word == "fonttbl") {
            state.Destination = TDestination::FontTable;
            return;
        }
        if (word == "colortbl") {
            state.Destination = TDestination::ColorTable;
            return;
        }
        if (word == "u") {
            Unicode(param);
            FPendingSkip = state.UnicodeSkip;
            return;
        }
        if (word == "uc") {
            state.UnicodeSkip = std::clamp(param, 0, kMaxSkipCount);
            return;
        }
        switch (state.Destination) {
        case TDestination::FontTable:
            if (word == "f") {
                CommitFontName();
                FFontEntry = param;
            }
            return;
        case TDestination::ColorTable:
            if (word == "red")
                FRed = std::clamp(param, 0, 255);
            else if (word == "green")
                FGreen = std::clamp(param, 0, 255);
            else if (word == "blue")
                FBlue = std::clamp(param, 0, 255);
            else
                return;
            FColorGiven = true;
            return;
        case TDestination::Skip:
            return;
        case TDestination::Text:
            break;
        }
        TextWord(word, hasParam, param);
    }

    void TextWord(const std::string& word, bool hasParam, int param) {
        TCharProps& chr = Top().Char;
        TParaProps& para = Top().Para;
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "page" || word == "sect" || word == "row")
            Paragraph();
        else if (word == "line")
            Put(kLineSeparator);
        else if (word == "tab" || word == "cell")
            Put(U'\t');
        else if (word == "b")
            chr.Bold = on;
        else if (word == "i")
            chr.Italic = on;
        else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw")
            chr.Underline = on;
        else if (word == "ulnone")
            chr.Underline = false;
        else if (word == "plain")
            chr = TCharProps{};
        else if (word == "fs")
            chr.HalfPoints = hasParam ? std::clamp(param, 2, 3276) : 24;
        else if (word == "cf")
            chr.Color = param;
        else if (word == "f")
            chr.Font = hasParam ? param : -1;
        else if (word == "deff")
            FDefaultFont = param;
        else if (word == "pard")
            para = TParaProps{};
        else if (word == "ql")
            para.Align = Qt::AlignLeft;
        else if (word == "qc")
            para.Align = Qt::AlignHCenter;
        else if (word == "qr")
            para.Align = Qt::AlignRight;
        else if (word == "qj")
            para.Align = Qt::AlignJustify;
        else if (word == "li")
            para.LeftIndent = std::clamp(param, 0, 30000);
        else if (word == "fi")
            para.FirstIndent = std::clamp(param, -30000, 30000);
        else if (word == "sb")
            para.SpaceBefore = std::clamp(param, 0, 30000);
        else if (word == "sa")
            para.SpaceAfter = std::clamp(param, 0, 30000);
        else if (word == "tx" && para.TabStops.size() < kMaxTabStops)
            para.TabStops.append(std::clamp(param, 0, 30000));
        else if (word == "emdash")
            Put(0x2014);
        else if (word == "endash")
            Put(0x2013);
        else if (word == "bullet")
            Put(0x2022);
        else if (word == "lquote")
            Put(0x2018);
        else if (word == "rquote")
            Put(0x2019);
        else if (word == "ldblquote")
            Put(0x201C);
        else if (word == "rdblquote")
            Put(0x201D);
        else if (word == "emspace")
            Put(0x2003);
        else if (word == "enspace")
            Put(0x2002);
    }

    // \uN: N is a signed 16-bit number, so characters above 32767 come negative.
    void Unicode(int value) {
        int64_t code = value;
        if (code < 0) code += 65536;
        if (code < 0 || code > 0x10FFFF) return;
        if (code >= 0xD800 && code <= 0xDBFF) {
            FHighSurrogate = static_cast<char16_t>(code);
            return;
        }
        if (code >= 0xDC00 && code <= 0xDFFF) {
            if (FHighSurrogate != 0)
                Put(QChar::surrogateToUcs4(FHighSurrogate, static_cast<char16_t>(code)));
            FHighSurrogate = 0;
            return;
        }
        if (IsText(code)) Put(static_cast<char32_t>(code));
    }

    void Put(char32_t c) {
        FHighSurrogate = 0;
        if (c == 0) return;
        switch (Top().Destination) {
        case TDestination::Text:
            if (!FRun.isEmpty() && !(FRunProps == Top().Char)) Flush();
            FRunProps = Top().Char;
            AppendTo(FRun, c);
            break;
        case TDestination::FontTable:
            if (c == U';')
                CommitFontName();
            else
                AppendTo(FFontName, c);
            break;
        case TDestination::ColorTable:
            if (c == U';') CommitColor();
            break;
        case TDestination::Skip:
            break;
        }
    }

    static void AppendTo(QString& text, char32_t c) {
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else {
            text += QChar(static_cast<char16_t>(c));
        }
    }

    void CommitFontName() {
        const QString name = FFontName.trimmed();
        FFontName.clear();
        if (name.isEmpty() || FFonts.contains(FFontEntry) || FFonts.size() >= kMaxFonts) return;
        FFonts.insert(FFontEntry, name);
    }

    // An entry with no colour words is the "auto" colour: the reader's default.
    void CommitColor() {
        if (FColors.size() < kMaxColors)
            FColors.append(FColorGiven ? QColor(FRed, FGreen, FBlue) : QColor());
        FRed = FGreen = FBlue = 0;
        FColorGiven = false;
    }

    QTextCharFormat CharFormat(const TCharProps& props) const {
        QTextCharFormat format;
        format.setFontWeight(props.Bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(props.Italic);
        format.setFontUnderline(props.Underline);
        format.setFontPointSize(props.HalfPoints / 2.0);
        if (props.Color >= 0 && props.Color < FColors.size() && FColors[props.Color].isValid())
            format.setForeground(FColors[props.Color]);
        const int font = props.Font >= 0 ? props.Font : FDefaultFont;
        const auto name = FFonts.constFind(font);
        if (name != FFonts.constEnd()) format.setFontFamilies(QStringList{*name});
        return format;
    }

    // Twips (1/1440 inch) at 96 pixels per inch.
    static qreal Pixels(int twips) { return twips / 15.0; }

    QTextBlockFormat BlockFormat(const TParaProps& props) const {
        QTextBlockFormat format;
        format.setAlignment(props.Align);
        format.setLeftMargin(Pixels(props.LeftIndent));
        format.setTextIndent(Pixels(props.FirstIndent));
        format.setTopMargin(Pixels(props.SpaceBefore));
        format.setBottomMargin(Pixels(props.SpaceAfter));
        // RTF measures tab stops from the margin, Qt from where the line starts: right
        // for the first line, which is where tabs go in a list with a hanging indent.
        const int lineStart = props.LeftIndent + props.FirstIndent;
        QList<QTextOption::Tab> tabs;
        for (const int stop : props.TabStops)
            if (stop > lineStart)
                tabs.append(QTextOption::Tab(Pixels(stop - lineStart), QTextOption::LeftTab));
        format.setTabPositions(tabs);
        return format;
    }

    void Flush() {
        if (FRun.isEmpty()) return;
        FCursor.insertText(FRun, CharFormat(FRunProps));
        FRun.clear();
    }

    // A paragraph takes the formats in force where it ends.
    void EndBlock() {
        Flush();
        FCursor.setBlockFormat(BlockFormat(Top().Para));
        FCursor.setBlockCharFormat(CharFormat(Top().Char));
    }

    void Paragraph() {
        if (Top().Destination != TDestination::Text) return;
        EndBlock();
        FCursor.insertBlock();
    }

    const QByteArray& FData;
    qsizetype FPos = 0;
    QTextCursor FCursor;
    std::vector<TState> FStack;
    size_t FOverflow = 0;
    int FPendingSkip = 0;
    char16_t FHighSurrogate = 0;

    QString FRun;
    TCharProps FRunProps;

    QHash<int, QString> FFonts;
    int FFontEntry = 0;
    QString FFontName;
    int FDefaultFont = 0;

    QList<QColor> FColors;
    int FRed = 0;
    int FGreen = 0;
    int FBlue = 0;
    bool FColorGiven = false;
};

} // namespace

void ReadRtf(const QByteArray& rtf, QTextDocument& document) {
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    TRtfReader(rtf, document).Run();
    document.setUndoRedoEnabled(undo);
}
