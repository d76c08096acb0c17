#include "game/GameWindow.h"

#include "platform/files/AppPath.h"
#include "platform/numbers/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Fonts.h"
#include "settings/uHighScoreTable.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QKeyEvent>
#include <memory>

TGameWindow::TGameWindow(const QString& title, int speedUpSecond, TWriteToggles writeToggles,
                         QWidget* parent)
    : TForm(parent), FWriteToggles(writeToggles), FTitle(title), FSpeedUpSecond(speedUpSecond),
      FAppFolder(::AppFolder()) {
    SetClientSize(590, 561);
    SetColor(clBlack);
    setFont(WindowFont());
    imgBG = new QLabel(this);
    imgBG->setGeometry(0, 0, 590, 561);
    imgBG->setScaledContents(true);
    sysWave = new TWavePlayer(this);
    sysWave->SetAsynchronous(true);
    sysWave->SetLoop(false);
    tmrGameTimer.SetInterval(1000);
    tmrTimeCode.SetInterval(1000);
    tmrTimeCode.SetOnTimer([this] { tmrTimeCodeTimer(); });
    // Inactive only once no window of the program has the focus: moving it to the
    // quit question, a table or a message box keeps the application active.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    Application::Guard([this] { ApplicationDeactivate(); });
            });
}

QString TGameWindow::TimeText(int32_t minutes, int32_t seconds) {
    return tr("Time") + "\n\r" + ZeroPad(minutes, 2) + ":" + ZeroPad(seconds, 2);
}

QString TGameWindow::ScoreText(int32_t score) {
    return tr("Score") + "\n\r" + QString::number(score);
}

void TGameWindow::SetPaused(bool paused) {
    Paused = paused;
    const QString title = GameTitle(FTitle);
    //: The window's caption while the game waits for P; %1 is the game's name
    SetCaption(paused ? tr("Paused - %1").arg(title) : title);
    // A paused game would only be woken each second to do nothing.
    tmrGameTimer.SetHeld(paused);
    tmrTimeCode.SetHeld(paused);
}

void TGameWindow::LoadBackground() {
    const QString path = FAppFolder + "bg.bmp";
    QImageReader reader(path);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        Application::HandleException(
            Exception(tr("Cannot load the picture \"%1\". %2").arg(path, reader.errorString())));
        return;
    }
    imgBG->setPixmap(QPixmap::fromImage(picture));
}

void TGameWindow::PlaySound(const QString& name) {
    if (!Options.UseSound) return;
    sysWave->SetFileName(FAppFolder + name);
    sysWave->Play();
}

void TGameWindow::AddScore(int32_t points) {
    Score += points;
    lblScore->SetCaption(ScoreText(Score));
}

void TGameWindow::SlowDown() {
    if (tmrGameTimer.Interval() < 3000) tmrGameTimer.SetInterval(tmrGameTimer.Interval() + 100);
}

void TGameWindow::SpeedUp(unsigned step) {
    const unsigned interval = tmrGameTimer.Interval();
    if (interval > 75) tmrGameTimer.SetInterval(interval > step ? interval - step : 0);
}

void TGameWindow::tmrTimeCodeTimer() {
    if (Paused) return;
    ++Seconds;
    if (Seconds == 60) {
        ++Minutes;
        Seconds = 0;
    } else if (Seconds == FSpeedUpSecond && SpeedsUpOnTime()) {
        SpeedUp(10);
    }
    lblTime->SetCaption(TimeText(Minutes, Seconds));
}

void TGameWindow::ApplicationDeactivate() {
    // An ended game is paused too.
    if (!Paused) TogglePause();
}

char TGameWindow::LetterOf(QChar key) {
    const char16_t ch = key.unicode();
    if (ch >= u'a' && ch <= u'z') return static_cast<char>(ch - u'a' + 'A');
    if (ch >= u'A' && ch <= u'Z') return static_cast<char>(ch);
    return 0;
}

void TGameWindow::SaveToggles() {
    FWriteToggles(Options, &FOptionsRead);
    FOptionsRead = Options;
}

void TGameWindow::ResetGame() {
    Score = 0;
    Seconds = 0;
    Minutes = 0;
    SetPaused(true);
    tmrGameTimer.SetInterval(1000);
    lblScore->SetCaption(tr("Score"));
    lblTime->SetCaption(tr("Time"));
}

bool TGameWindow::CommonKeyDown(int key) {
    switch (key) {
    case vk::Prior:
        SlowDown();
        return true;
    case vk::Next:
        SpeedUp(100);
        return true;
    case vk::Escape:
        // The question does not pause the game: the timers go on meanwhile.
        if (ConfirmDlg(tr("Are you sure you want to quit ?"), tr("Confirm"))) Close();
        return true;
    default:
        return false;
    }
}

void TGameWindow::Perform(TAction action) {
    Application::Guard([this, action] {
        if (int key = ActionVirtualKey(action)) {
            FormKeyDown(key);
        } else {
            QChar letter = QLatin1Char(ActionLetter(action));
            FormKeyPress(letter);
        }
    });
}

void TGameWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const auto action = FControls.ActionOfKey(event->key());
    if (!action) return;
    // With Control a letter types a control character, which never was a switch.
    if (ActionLetter(*action) && (event->modifiers() & Qt::ControlModifier)) return;
    Perform(*action);
}

void TGameWindow::PadPressed(TPadButton button) {
    if (const auto action = FControls.ActionOfPad(button)) Perform(*action);
}

void TGameWindow::EndGame() {
    PlaySound("Game Over.wav");
    Paused = true;
    // The table runs a modal loop in which this window's timers keep ticking.
    tmrGameTimer.SetEnabled(false);
    try {
        auto table = std::make_unique<TfrmHigh>(this);
        table->GameName = FTitle;
        table->Score = Score;
        table->PlayerName = Options.PlayerName;
        table->UpdateTable();
        table->ShowModal();
    } catch (const std::exception& error) {
        // The game is over either way: report why the table failed, then close.
        Application::HandleException(error);
    }
    Close();
}
