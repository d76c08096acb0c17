#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

// A picture control: the picture is drawn unscaled from the top-left corner and
// clipped to the control. A click is a left press and release both inside it.
class TImage : public QWidget {
public:
    using TOnClick = std::function<void()>;

    explicit TImage(QWidget* parent = nullptr);

    void SetBounds(int left, int top, int width, int height);
    const QImage& Picture() const { return FPicture; }
    void SetPicture(const QImage& picture);
    // Runs through the program's error guard, as every handler does.
    void SetOnClick(TOnClick handler) { FOnClick = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage FPicture;
    TOnClick FOnClick;
    bool FPressed = false;
};
