#include "settings/uHighScoreTable.h"

#include "platform/files/AppPath.h"
#include "platform/files/FileLock.h"
#include "platform/files/IniText.h"
#include "platform/numbers/SysUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Fonts.h"
#include "settings/IniStore.h"
#include "settings/TextCompare.h"

#include <QFont>

namespace {

constexpr int kRows = 10;
constexpr std::array<int, kRows> kRowTops{27, 53, 78, 101, 125, 150, 174, 198, 221, 244};
constexpr int kLabelHeight = 23;

TShadowLabel* MakeLabel(QWidget* parent, int left, int top, int width, Qt::Alignment align) {
    static const QFont font = DisplayFont(16);
    auto* label = new TShadowLabel(parent);
    label->SetBounds(left, top, width, kLabelHeight);
    label->SetAlignment(align | Qt::AlignVCenter);
    label->setFont(font);
    return label;
}

} // namespace

QString PadScore(int32_t number) {
    return ZeroPad(number, 9);
}

QString GameTitle(const QString& gameName) {
    return QCoreApplication::translate("Game", gameName.toUtf8().constData());
}

QString HighScoreFileName() {
    return DataFileName(QStringLiteral(".ini"));
}

TfrmHigh::TfrmHigh(QWidget* owner) : TForm(owner) {
    SetBorder(TBorder::Single, TIcons::Nothing);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    SetClientSize(389, 319);
    SetColor(clBlack);
    SetCaption(tr("Highscores"));
    setFont(WindowFont());

    // Created first so that it comes first in the tab order and holds the focus.
    btnOK = new QPushButton(tr("&OK"), this);
    btnOK->setGeometry(157, 283, 75, 25);
    btnOK->setAutoDefault(true);
    btnOK->setDefault(true);
    btnOK->setFocus();
    QObject::connect(btnOK, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { btnOKClick(); }); });

    for (int row = 0; row < kRows; ++row) {
        FNames[row] = MakeLabel(this, 11, kRowTops[row], 200, Qt::AlignLeft);
        FScores[row] = MakeLabel(this, 288, kRowTops[row], 99, Qt::AlignRight);
    }
    txt1 = FNames[0];
    txt2 = FNames[1];
    txt3 = FNames[2];
    txt4 = FNames[3];
    txt5 = FNames[4];
    txt6 = FNames[5];
    txt7 = FNames[6];
    txt8 = FNames[7];
    txt9 = FNames[8];
    txt10 = FNames[9];
    txtS1 = FScores[0];
    txts2 = FScores[1];
    txts3 = FScores[2];
    txts4 = FScores[3];
    txts5 = FScores[4];
    txts6 = FScores[5];
    txts7 = FScores[6];
    txts8 = FScores[7];
    txts9 = FScores[8];
    txts10 = FScores[9];

    CenterOnScreen();
}

void TfrmHigh::UpdateTable() {
    //: The table's caption; %1 is the game's name
    SetCaption(tr("Highest Scores %1").arg(GameTitle(GameName)));
    if (PlayerName.isEmpty()) {
        QString name;
        if (InputQuery(tr("Highscores"), tr("Please Enter Your Name"), name, 255))
            PlayerName = name;
    }

    // Read only now: another copy may have written the table while the name box was
    // open. Most views change nothing and need neither the lock nor a write; the others
    // merge again into the file as it is under the lock.
    const QString fileName = HighScoreFileName();
    {
        TIniStore store(fileName);
        ShowRows(MergeEntry(store));
        if (!store.Modified() && MaySkipLock(fileName)) return;
        store.DiscardChanges();
    }
    // A table that cannot be written (a full disk, a folder the player may not write)
    // is still shown, merged as it stands, once the reason has been said.
    try {
        MakeDataFolder();
        const TDataFileLock lock(fileName);
        TIniStore store(fileName);
        const QStringList table = MergeEntry(store);
        store.UpdateFile();
        ShowRows(table);
    } catch (const EInOutError& error) {
        Application::HandleException(error);
    }
}

QStringList TfrmHigh::MergeEntry(TIniStore& store) const {
    QStringList rows;
    store.ReadNumberedList(GameName, rows, QString());
    if (rows.isEmpty()) {
        for (int i = 0; i < kRows; ++i)
            rows.append(PadScore(i) + QStringLiteral(",Player ") + QString::number(i));
    }
    if (!PlayerName.isEmpty()) rows.append(PadScore(Score) + u',' + OneLine(PlayerName));

    // Ascending, so the best rows are the last ones. A section edited by hand may give
    // fewer than ten: the table then holds just those.
    SortText(rows);
    QStringList table;
    for (qsizetype i = rows.size() - 1; i >= 0 && table.size() < kRows; --i)
        table.append(rows[i]);

    store.WriteNumberedList(GameName, table);
    return table;
}

void TfrmHigh::ShowRows(const QStringList& table) {
    for (int row = 0; row < kRows; ++row) {
        QString score;
        QString name;
        if (row < table.size()) {
            const QString& text = table[row];
            const qsizetype comma = text.indexOf(u',');
            if (comma >= 0) {
                score = text.left(comma);
                name = text.mid(comma + 1);
            } else {
                name = text;
            }
        }
        FNames[row]->SetCaption(name);
        FScores[row]->SetCaption(score);
    }
}

void TfrmHigh::btnOKClick() {
    SetModalResult(QDialog::Accepted);
}
