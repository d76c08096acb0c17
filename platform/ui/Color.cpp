#include "platform/ui/Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct NamedColor {
    const char* name;
    TColor value;
};

constexpr std::array<NamedColor, 42> kNames{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clNone", clNone},
}};

// The palette role that stands for each interface colour, by index.
QColor SystemColor(unsigned index) {
    const QPalette palette = QGuiApplication::palette();
    using R = QPalette::ColorRole;
    using G = QPalette::ColorGroup;
    switch (index) {
    case 0:
        return palette.color(G::Active, R::Button); // scroll bar
    case 1:
        return palette.color(G::Active, R::Window); // desktop
    case 2:
        return palette.color(G::Active, R::Highlight); // active caption
    case 3:
        return palette.color(G::Inactive, R::Mid); // inactive caption
    case 4:
        return palette.color(G::Active, R::Window); // menu
    case 5:
        return palette.color(G::Active, R::Base); // window
    case 6:
        return palette.color(G::Active, R::Shadow); // window frame
    case 7:
        return palette.color(G::Active, R::WindowText); // menu text
    case 8:
        return palette.color(G::Active, R::Text); // window text
    case 9:
        return palette.color(G::Active, R::HighlightedText); // caption text
    case 10:
        return palette.color(G::Active, R::Button); // active border
    case 11:
        return palette.color(G::Inactive, R::Button); // inactive border
    case 12:
        return palette.color(G::Active, R::Dark); // application work space
    case 13:
        return palette.color(G::Active, R::Highlight);
    case 14:
        return palette.color(G::Active, R::HighlightedText);
    case 15:
        return palette.color(G::Active, R::Button); // button face
    case 16:
        return palette.color(G::Active, R::Dark); // button shadow
    case 17:
        return palette.color(G::Disabled, R::Text); // grey text
    case 18:
        return palette.color(G::Active, R::ButtonText);
    case 19:
        return palette.color(G::Inactive, R::HighlightedText);
    case 20:
        return palette.color(G::Active, R::Light); // button highlight
    case 21:
        return palette.color(G::Active, R::Shadow); // 3-D dark shadow
    case 22:
        return palette.color(G::Active, R::Midlight); // 3-D light
    case 23:
        return palette.color(G::Active, R::ToolTipText);
    case 24:
        return palette.color(G::Active, R::ToolTipBase);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace

std::optional<TColor> IdentToColor(const QString& name) {
    for (const NamedColor& entry : kNames) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) return entry.value;
    }
    return std::nullopt;
}

TColor ColorToRGB(TColor color) {
    if ((color & 0xFF000000u) == clSystemColor) {
        const QColor c = SystemColor(color & 0xFFu);
        return RGB(c.red(), c.green(), c.blue());
    }
    return color & 0x00FFFFFFu;
}

uint32_t ColorToPixel(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return 0xFF000000u | (static_cast<uint32_t>(GetRValue(rgb)) << 16) |
           (static_cast<uint32_t>(GetGValue(rgb)) << 8) | static_cast<uint32_t>(GetBValue(rgb));
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
