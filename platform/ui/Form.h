#pragma once

#include "platform/ui/Color.h"

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

// Virtual-key codes the windows react to.
namespace vk {
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int Prior = 33; // Page Up
constexpr int Next = 34;  // Page Down
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
} // namespace vk

// The virtual-key code of a Qt key, or 0 for keys the program has no code for.
int VirtualKeyOf(int qtKey);

// A window with a fixed client area and children at fixed pixel positions. Keys
// reach FormKeyDown as virtual-key codes and then FormKeyPress as the typed
// character; QDialog's own Escape and Enter handling is off. Every way of closing
// runs FormClose. The opener creates the window, calls ShowModal and destroys it
// afterwards, so a window that closes itself from a handler outlives that handler.
// Once a box or window that it opened modally has closed, it takes the keyboard back.
class TForm;

// Where a window whose frame is `frame` opens on `area` (a screen's available area):
// where it is, if it lies wholly on the area; moved the least onto the area along
// each side it fits on; along a side it is larger than the area, at the area's start,
// so its title bar stays on it.
QPoint FitOnArea(const QRect& frame, const QRect& area);

// Tests answer modal windows through this seam: with a responder set, ShowModal
// hands it the window instead of running a modal loop, and returns its result.
using TModalResponder = std::function<int(TForm& form)>;
void SetModalResponder(TModalResponder responder);

// A control's text as it is shown: a lone "&" marks the accelerator and is not shown,
// "&&" shows one "&".
QString WithoutMnemonic(QString text);

// A button whose text, in the player's language, needs more room than the button has
// is made wider by what it lacks: about its middle, else to the right, else to the
// left, where that stays clear of the controls beside it and inside its parent; else
// it is left as it is.
void FitButtonTexts(QWidget& window);

class TForm : public QDialog {
public:
    enum class TBorder { Single, Dialog, None };
    enum class TIcons { CloseOnly, Nothing };

    explicit TForm(QWidget* parent = nullptr);

    void SetClientSize(int width, int height);
    int ClientWidth() const { return width(); }
    int ClientHeight() const { return height(); }
    void SetBorder(TBorder border, TIcons icons = TIcons::CloseOnly);
    void SetCaption(const QString& caption) { setWindowTitle(caption); }
    QString Caption() const { return windowTitle(); }
    void SetColor(TColor color);

    // Every window opens on the available area of the screen the main menu is on, as
    // FitOnArea places it; Place asks for the frame's top-left corner at the point.
    void Place(QPoint topLeft);
    // In the middle of that area.
    void CenterOnScreen();
    // In the middle of another window's frame.
    void CenterOver(const QWidget& window);

    // Shows the window modally until it closes; the result is the modal result. Once
    // the session is ending (platform/SessionEnd.h) nothing is shown: Rejected.
    int ShowModal();
    // Closes the window once the event being handled now is over: a handler that
    // closes its own window, and any board call below it, run to their end first.
    // Then FormClose runs and the modal loop ends.
    void Close();
    // Whether a Close is waiting for the current event to end.
    bool ClosePending() const { return FClosePending; }
    // Whether the window has been closed by any means since it was created.
    bool Closed() const { return FClosed; }
    // Ends the modal display with a result, as a button with a modal result does.
    void SetModalResult(int result) { done(result); }

    virtual void FormKeyDown(int& key) { (void)key; }
    virtual void FormKeyPress(QChar& key) { (void)key; }
    virtual void FormClose() {}
    // The session manager asks for the player's data now: it may be saving a
    // checkpoint, or the player may still cancel the logout. Writes what a close would
    // keep; the window goes on as it was.
    virtual void FormCommitData() {}

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The area the window may use: that of its top-most owner's screen, which is the
    // main menu's; the menu itself opens on the primary screen.
    QRect WorkArea() const;
    void CenterOn(const QRect& rect);

    bool FClosed = false;
    // Placed, but the window system has not yet told the frame round it.
    bool FFrameUnknown = false;
    bool FClosePending = false;
};
