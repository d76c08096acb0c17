#pragma once

#include "platform/ui/Form.h"
#include "settings/ShadowLabel.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class TIniStore;

// The decimal text of a number with "0" put in front while it is shorter than nine
// characters: 1230 gives '000001230'; longer numbers stay as they are.
QString PadScore(int32_t number);

// A game's name as the player reads it, in a caption or the chooser: "Quorvel (Shapes)"
// and "Quorvel (Blocks)" translated. The name itself is the game's section in the
// high-score file and its table's key, whatever the language.
QString GameTitle(const QString& gameName);

// The high-score file: the executable's file name with ".ini" in place of its extension,
// in the data folder (platform/AppPath.h).
QString HighScoreFileName();

// The high-score window: ten rows of name and score, best first, in one section of
// the high-score file per game. The caller creates it, sets GameName, Score and
// PlayerName, calls UpdateTable, shows it with ShowModal and destroys it; when
// UpdateTable throws, the caller destroys it without showing it.
class TfrmHigh : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmHigh)

public:
    explicit TfrmHigh(QWidget* owner = nullptr);

    QString GameName;   // the section in the file and the end of the caption
    int32_t Score = 0;  // the score to enter
    QString PlayerName; // empty: the window asks for a name

    // Asks for the name if there is none, then merges the entry into the table as it
    // is on the disk at that moment, keeps the ten best rows, writes the file if the
    // table changed and fills the labels. A change is merged and written under the
    // file's lock (platform/FileLock.h), so an entry of another copy is never lost.
    // A file that cannot be read throws EInOutError, carrying the file name and the
    // system's error; one that cannot be written is reported in an error box, and the
    // labels show the table merged from the file as it was read.
    void UpdateTable();
    // Ends the modal display with the result OK.
    void btnOKClick();

    // Row 1 to 10.
    TShadowLabel* NameLabel(int row) const { return FNames.at(row - 1); }
    TShadowLabel* ScoreLabel(int row) const { return FScores.at(row - 1); }

    TShadowLabel* txt1;
    TShadowLabel* txt2;
    TShadowLabel* txt3;
    TShadowLabel* txt4;
    TShadowLabel* txt5;
    TShadowLabel* txt6;
    TShadowLabel* txt7;
    TShadowLabel* txt8;
    TShadowLabel* txt9;
    TShadowLabel* txt10;
    TShadowLabel* txtS1;
    TShadowLabel* txts2;
    TShadowLabel* txts3;
    TShadowLabel* txts4;
    TShadowLabel* txts5;
    TShadowLabel* txts6;
    TShadowLabel* txts7;
    TShadowLabel* txts8;
    TShadowLabel* txts9;
    TShadowLabel* txts10;
    QPushButton* btnOK;

private:
    // The stored rows with the entry, sorted and cut to ten, best first, written into
    // the store's section.
    QStringList MergeEntry(TIniStore& store) const;
    void ShowRows(const QStringList& table);

    std::array<TShadowLabel*, 10> FNames{};
    std::array<TShadowLabel*, 10> FScores{};
};
