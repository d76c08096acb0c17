#pragma once

#include "platform/ui/GraphicControl.h"

#include <cstdint>

enum class TBevelStyle : uint8_t { bsLowered = 0, bsRaised = 1 };

// A progress bar whose filled part runs as a horizontal colour gradient from
// StartColor at the left edge to EndColor at the right end of the fill, inside a
// bevelled frame, optionally with a centred percentage.
class TGradProgress : public TGraphicControl {
public:
    explicit TGradProgress(QWidget* parent = nullptr);

    TBevelStyle BevelStyle() const { return FBevelStyle; }
    void SetBevelStyle(TBevelStyle value);
    // 1..10; stored only when twice the value fits in Width - 4, repainted anyway.
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    TColor StartColor() const { return FStartColor; }
    void SetStartColor(TColor value);
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value);
    // Values above MaxValue or below 0 are ignored, not clamped.
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t value);
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t value);
    int32_t Step() const { return FStep; }
    void SetStep(int32_t value) { FStep = value; }
    bool ShowPercent() const { return FShowPercent; }
    void SetShowPercent(bool value);
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value);
    // The control's font and its colour, used for the percentage.
    QFont& TextFont() { return FFont; }
    void SetTextColor(TColor color) { FTextColor = color; }

    void Stepit() { SetPosition(FPosition + FStep); }

    void Paint() override;

    // Width in pixels of the filled part now; -1 when there is none.
    int FillWidth() const;
    // The percentage shown: that of the fill's width in pixels, not Position / MaxValue.
    QString PercentText() const;

private:
    void CalcColorDeltas();
    void DrawBevel();

    int32_t FStartR = 0, FStartG = 0, FStartB = 0;
    int32_t FDeltaR = 0, FDeltaG = 0, FDeltaB = 0;
    TBevelStyle FBevelStyle = TBevelStyle::bsLowered;
    uint8_t FBevelWidth = 1;
    TColor FStartColor = clBlue;
    TColor FEndColor = clRed;
    TColor FBackColor = clBtnFace;
    int32_t FPosition = 0;
    int32_t FMaxValue = 100;
    int32_t FStep = 1;
    bool FShowPercent = true;
    QFont FFont;
    TColor FTextColor = clWhite;
};
