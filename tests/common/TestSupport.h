#pragma once

#include "platform/ui/Dialogs.h"
#include "tests/common/QtPrinters.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

// Gives a test its own folder: the program believes its executable lies there, so
// every file it reads or writes beside the executable is the test's own. Dialog
// boxes are answered from a script and recorded, and the random seed is fixed.
class TestFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Delivers what is waiting for the current event to end, such as a window's Close;
    // timers do not tick here.
    static void Settle();

    // Full path of a file in the test's folder.
    QString PathOf(const QString& name) const;
    QString ExePath() const { return PathOf("Quorvel"); }
    QByteArray ReadBytes(const QString& name) const;
    // Copies a file that the build put beside the test program into the test's folder.
    void CopyAsset(const QString& name) const;
    void WriteBytes(const QString& name, const QByteArray& bytes) const;

    // Answers for the next dialog boxes, in order; when none is left, every box is
    // answered with Yes/OK and an empty text.
    void Answer(bool accepted, const QString& value = QString());
    std::vector<TDialogRequest> Dialogs;
    // Captions of the windows shown modally, in order; each is answered with OK.
    std::vector<QString> Modals;
    // What a test wants to look at in a modal window while it is "shown".
    std::function<void(class TForm&)> OnModal;
    int Beeps = 0;

private:
    QTemporaryDir FDir;
    std::deque<TDialogAnswer> FAnswers;
};
