#include "app/uSelector.h"

#include "platform/ui/Application.h"
#include "settings/uHighScoreTable.h"

TfrmSelect::TfrmSelect(QWidget* owner) : TForm(owner) {
    SetBorder(TBorder::Dialog);
    SetCaption(tr("Which Game ?"));
    SetColor(clBtnFace);
    SetClientSize(229, 50);

    // Created in their tab order: OK first, so that it holds the focus.
    Button1 = new QPushButton(tr("&OK"), this);
    Button1->setGeometry(0, 25, 75, 25);
    Button2 = new QPushButton(tr("&Cancel"), this);
    Button2->setGeometry(153, 25, 75, 25);
    cboList = new QComboBox(this);
    cboList->setGeometry(1, 0, 228, 21);
    cboList->setEditable(false);
    for (const char* game : {QT_TRANSLATE_NOOP("Game", "Quorvel (Shapes)"),
                             QT_TRANSLATE_NOOP("Game", "Quorvel (Blocks)")})
        cboList->addItem(GameTitle(QString::fromLatin1(game)), QString::fromLatin1(game));
    // A focused button takes Enter; no button answers Enter for another.
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(true);
    Button1->setFocus();

    QObject::connect(Button1, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { Button1Click(); }); });
    QObject::connect(Button2, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { Button2Click(); }); });
    QObject::connect(cboList, &QComboBox::currentIndexChanged, this,
                     [this] { Application::Guard([this] { cboListChange(); }); });

    if (owner)
        CenterOver(*owner);
    else
        CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
}

void TfrmSelect::FormCreate() {
    cboList->setCurrentIndex(0);
    cboList->setCurrentText(GameTitle(QStringLiteral("Quorvel (Shapes)")));
}

void TfrmSelect::cboListChange() {
    const int index = cboList->currentIndex();
    if (index != -1) cboList->setCurrentText(cboList->itemText(index));
}

void TfrmSelect::Button1Click() {
    SetModalResult(QDialog::Accepted);
}

void TfrmSelect::Button2Click() {
    SetModalResult(QDialog::Rejected);
}
