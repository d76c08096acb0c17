#include "platform/ui/Form.h"

#include "platform/ui/Application.h"
#include "platform/ui/SessionEnd.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

int VirtualKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vk::Return;
    case Qt::Key_Escape:
        return vk::Escape;
    case Qt::Key_PageUp:
        return vk::Prior;
    case Qt::Key_PageDown:
        return vk::Next;
    case Qt::Key_End:
        return vk::End;
    case Qt::Key_Home:
        return vk::Home;
    case Qt::Key_Left:
        return vk::Left;
    case Qt::Key_Up:
        return vk::Up;
    case Qt::Key_Right:
        return vk::Right;
    case Qt::Key_Down:
        return vk::Down;
    case Qt::Key_Space:
        return 32;
    default:
        if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) ||
            (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
            return qtKey; // letters and digits share their codes with Qt
        return 0;
    }
}

TForm::TForm(QWidget* parent) : QDialog(parent) {
    SetBorder(TBorder::Single);
    setModal(true);
}

void TForm::SetClientSize(int width, int height) {
    setFixedSize(width, height);
}

void TForm::SetBorder(TBorder border, TIcons icons) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint;
    if (border == TBorder::None)
        flags |= Qt::FramelessWindowHint;
    else
        flags |= Qt::WindowTitleHint;
    if (icons == TIcons::CloseOnly && border != TBorder::None)
        flags |= Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint;
    setWindowFlags(flags);
}

void TForm::SetColor(TColor color) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(color));
    setPalette(pal);
    setAutoFillBackground(true);
}

namespace {

int FitOnAxis(int start, int length, int areaStart, int areaLength) {
    return std::min(std::max(start, areaStart),
                    std::max(areaStart, areaStart + areaLength - length));
}

} // namespace

QPoint FitOnArea(const QRect& frame, const QRect& area) {
    return {FitOnAxis(frame.x(), frame.width(), area.x(), area.width()),
            FitOnAxis(frame.y(), frame.height(), area.y(), area.height())};
}

QRect TForm::WorkArea() const {
    const QWidget* owner = this;
    while (owner->parentWidget())
        owner = owner->parentWidget();
    const QScreen* screen = owner == this ? QGuiApplication::primaryScreen() : owner->screen();
    return screen ? screen->availableGeometry() : QRect();
}

void TForm::Place(QPoint topLeft) {
    // Before it is shown the window has no frame yet: its frame is its client area.
    move(FitOnArea(QRect(topLeft, frameGeometry().size()), WorkArea()));
    FFrameUnknown = true;
}

void TForm::CenterOn(const QRect& rect) {
    Place(rect.center() - QPoint(width() / 2, height() / 2));
}

void TForm::CenterOnScreen() {
    CenterOn(WorkArea());
}

void TForm::CenterOver(const QWidget& window) {
    CenterOn(window.frameGeometry());
}

namespace {
TModalResponder gModalResponder;
}

void SetModalResponder(TModalResponder responder) {
    gModalResponder = std::move(responder);
}

int TForm::ShowModal() {
    if (gModalResponder) return gModalResponder(*this);
    if (SessionEnd::Ending()) return QDialog::Rejected;
    return exec();
}

void TForm::Close() {
    if (FClosePending) return;
    FClosePending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FClosePending = false;
            close();
        },
        Qt::QueuedConnection);
}

QString WithoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

namespace {

// The room the style leaves for a button's text.
int TextRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

int TextWidth(const QPushButton& button) {
    return button.fontMetrics().horizontalAdvance(WithoutMnemonic(button.text()));
}

// Whether the rectangle is free of the button's siblings and inside their parent.
bool Free(const QPushButton& button, const QRect& rect) {
    const QWidget* parent = button.parentWidget();
    if (!parent || !parent->rect().contains(rect)) return false;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling && sibling != &button && !sibling->isWindow() && sibling->isVisibleTo(parent) &&
            sibling->geometry().intersects(rect))
            return false;
    }
    return true;
}

} // namespace

void FitButtonTexts(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        const int lack = TextWidth(*button) - TextRoom(*button);
        if (lack <= 0) continue;
        const QRect at = button->geometry();
        for (const QRect& wider : {at.adjusted(-lack / 2, 0, lack - lack / 2, 0),
                                   at.adjusted(0, 0, lack, 0), at.adjusted(-lack, 0, 0, 0)}) {
            if (Free(*button, wider)) {
                button->setGeometry(wider);
                break;
            }
        }
    }
}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::Show) FitButtonTexts(*this);
    // With no window manager nobody gives the keyboard back once a box or window this
    // one opened has closed: it would stay with the root window, keys would go where
    // the pointer is, and another program taking the focus would go unnoticed.
    if (event->type() == QEvent::WindowUnblocked && isVisible()) activateWindow();
    // A window manager frames the window once it is mapped, and says so by moving it:
    // a frame that now runs off the area where the window alone did not is moved onto
    // it, once, before the player can have moved the window anywhere.
    if (FFrameUnknown && event->type() == QEvent::Move && isVisible() &&
        frameGeometry() != geometry()) {
        FFrameUnknown = false;
        const QRect frame = frameGeometry();
        const QPoint fitted = FitOnArea(frame, WorkArea());
        if (fitted != frame.topLeft()) move(fitted);
    }
    return QDialog::event(event);
}

void TForm::keyPressEvent(QKeyEvent* event) {
    Application::Guard([&] {
        int key = VirtualKeyOf(event->key());
        if (key != 0) FormKeyDown(key);
        const QString text = event->text();
        if (!text.isEmpty()) {
            QChar ch = text.front();
            FormKeyPress(ch);
        }
    });
    event->accept();
}

void TForm::closeEvent(QCloseEvent* event) {
    FClosed = true;
    Application::Guard([this] { FormClose(); });
    QDialog::closeEvent(event);
}
