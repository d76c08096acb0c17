#pragma once

#include "game/GameWindow.h"
#include "platform/sound/WavePlayer.h"
#include "tests/common/TestSupport.h"

#include <memory>

// Opens a game window in the test's folder, with the background picture beside it,
// and records the sounds it plays by file name.
template <class Window> class WindowTest : public TestFolder {
protected:
    void SetUp() override {
        TestFolder::SetUp();
        CopyAsset("bg.bmp");
    }
    // Opens the window on the options file as it stands.
    Window& Open() {
        window = std::make_unique<Window>();
        window->sysWave->SetBeforePlaying([this](QObject* sender) {
            sounds << static_cast<TWavePlayer*>(sender)->FileName().section('/', -1);
        });
        return *window;
    }
    void Key(int key) { window->FormKeyDown(key); }
    void Char(char ch) {
        QChar c(ch);
        window->FormKeyPress(c);
    }
    unsigned Interval() const { return window->tmrGameTimer.Interval(); }

    std::unique_ptr<Window> window;
    QStringList sounds;
};
