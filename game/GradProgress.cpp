#include "game/GradProgress.h"

#include "platform/numbers/SysUtils.h"

#include <algorithm>

TGradProgress::TGradProgress(QWidget* parent) : TGraphicControl(parent) {
    FFont.setFamily(QStringLiteral("Default"));
    FFont.setPointSize(10);
    CalcColorDeltas();
    SetSize(150, 16);
}

void TGradProgress::CalcColorDeltas() {
    FStartR = GetRValue(FStartColor);
    FStartG = GetGValue(FStartColor);
    FStartB = GetBValue(FStartColor);
    FDeltaR = GetRValue(FEndColor) - FStartR;
    FDeltaG = GetGValue(FEndColor) - FStartG;
    FDeltaB = GetBValue(FEndColor) - FStartB;
}

void TGradProgress::SetBevelStyle(TBevelStyle value) {
    if (value == FBevelStyle) return;
    FBevelStyle = value;
    Paint();
}

void TGradProgress::SetBevelWidth(int value) {
    if (value < 1 || value > 10 || value == FBevelWidth) return;
    if (2 * value <= Width() - 4) FBevelWidth = static_cast<uint8_t>(value);
    Paint();
}

void TGradProgress::SetStartColor(TColor value) {
    if (value == FStartColor) return;
    FStartColor = value;
    CalcColorDeltas();
    Paint();
}

void TGradProgress::SetEndColor(TColor value) {
    if (value == FEndColor) return;
    FEndColor = value;
    CalcColorDeltas();
    Paint();
}

void TGradProgress::SetPosition(int32_t value) {
    if (value == FPosition || value > FMaxValue || value < 0) return;
    FPosition = value;
    try {
        Paint();
    } catch (...) {
        // A failed repaint must not stop the caller that only moved the bar.
    }
}

void TGradProgress::SetMaxValue(int32_t value) {
    if (value == FMaxValue) return;
    FMaxValue = value;
    if (FMaxValue < FPosition) FPosition = FMaxValue;
    Paint();
}

void TGradProgress::SetShowPercent(bool value) {
    if (value == FShowPercent) return;
    FShowPercent = value;
    Paint();
}

void TGradProgress::SetBackColor(TColor value) {
    if (value == FBackColor) return;
    FBackColor = value;
    Paint();
}

int TGradProgress::FillWidth() const {
    // Without a positive maximum there is nothing to fill.
    if (FMaxValue <= 0) return -1;
    return MulDiv(FPosition, Width(), FMaxValue);
}

QString TGradProgress::PercentText() const {
    const int fill = FillWidth();
    return QString::number(fill < 0 ? 0 : MulDiv(fill, 100, Width())) + "%";
}

void TGradProgress::DrawBevel() {
    TCanvas& canvas = Canvas();
    const int w = Width();
    const int h = Height();
    const int b = FBevelWidth;
    const bool lowered = FBevelStyle == TBevelStyle::bsLowered;
    canvas.SetPenColor(lowered ? clGray : clWhite);
    for (int i = 0; i <= b; ++i) {
        canvas.MoveTo(i, i);
        canvas.LineTo(w - i, i);
        canvas.MoveTo(i, i);
        canvas.LineTo(i, h - i);
    }
    canvas.SetPenColor(lowered ? clWhite : clGray);
    for (int i = 0; i <= b; ++i) {
        canvas.MoveTo(w - i, h - i);
        canvas.LineTo(w - i, i - 1);
        canvas.MoveTo(w - i, h - i);
        canvas.LineTo(i - 1, h - i);
    }
}

void TGradProgress::Paint() {
    const int w = Width();
    const int h = Height();
    if (w <= 0 || h <= 0) return;
    BeginBatch();
    DrawBevel();
    const int b = FBevelWidth;
    const int fill = FillWidth();
    const TRect inner{b + 1, b + 1, w - b, h - b};

    QImage image(std::max(w - b, 1), std::max(h - b, 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    TCanvas bitmap(&image);
    bitmap.SetPenColor(clBlack);
    for (int x = 0; x <= fill; ++x) {
        const int t = MulDiv(256, x, fill);
        // At x = fill, t is 256: a channel may step one past the end colour.
        auto channel = [t](int start, int delta) {
            return std::clamp(start + MulDiv(t, delta, 255), 0, 255);
        };
        bitmap.SetPenColor(
            RGB(channel(FStartR, FDeltaR), channel(FStartG, FDeltaG), channel(FStartB, FDeltaB)));
        bitmap.MoveTo(x, inner.Top);
        bitmap.LineTo(x, inner.Bottom);
    }
    bitmap.SetBrushColor(FBackColor);
    bitmap.Rectangle(fill, b, w, h);
    bitmap.SetBrushStyle(TBrushStyle::bsClear);
    if (FShowPercent) {
        bitmap.Font() = FFont;
        bitmap.SetFontColor(FTextColor);
        bitmap.TextCentred(inner, PercentText());
    }
    Canvas().CopyRect(inner, bitmap, inner);
    EndBatch();
}
