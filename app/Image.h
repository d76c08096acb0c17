#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>

// A picture control: the picture is drawn unscaled from the top-left corner and
// clipped to the control. A click is a left press and release both inside it. Given
// a focus policy, it also works as a button from the keyboard: while it has the
// focus a mark is drawn over the picture, and Return, Enter and Space click it.
class TImage : public QWidget {
public:
    using TOnClick = std::function<void()>;

    explicit TImage(QWidget* parent = nullptr);

    void SetBounds(int left, int top, int width, int height);
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& picture);
    // Runs through the program's error guard, as every handler does.
    void SetOnClick(TOnClick handler) { FOnClick = std::move(handler); }
    // The focus mark is a ring of this colour on the two outermost pixels all round.
    static QColor FocusMarkColor();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage FPicture;
    TOnClick FOnClick;
    bool FPressed = false;
};
