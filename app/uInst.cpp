#include "app/uInst.h"

#include "platform/files/AppPath.h"
#include "platform/numbers/SysUtils.h"
#include "platform/text/RtfReader.h"
#include "platform/ui/Application.h"
#include "platform/ui/Language.h"

#include <QFile>

TfrmInst::TfrmInst(QWidget* owner) : TForm(owner) {
    SetBorder(TBorder::Single, TIcons::CloseOnly);
    SetCaption(tr("Instructions"));
    SetColor(clBtnFace);
    SetClientSize(795, 459);

    ins = new QTextEdit(this);
    ins->setGeometry(0, 0, 795, 434);
    ins->setFrameShape(QFrame::NoFrame);
    ins->setReadOnly(true);
    ins->setAcceptRichText(true);
    ins->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ins->document()->setDocumentMargin(8);

    Panel1 = new QWidget(this);
    Panel1->setGeometry(0, 434, 795, 25);
    Button1 = new QPushButton(tr("&Close"), Panel1);
    Button1->setGeometry(3, 0, 790, 25);
    Button1->setAutoDefault(true);
    QObject::connect(Button1, &QPushButton::clicked, this,
                     [this] { Application::Guard([this] { Button1Click(); }); });

    CenterOnScreen();
    Application::Guard([this] { FormCreate(); });
}

void TfrmInst::FormCreate() {
    const QString folder = AppFolder();
    const QString path = folder + Language::LocalFileName(folder, QStringLiteral("Instructions"),
                                                          QStringLiteral(".rtf"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(tr("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray rtf = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Exception(tr("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    ReadRtf(rtf, *ins->document());
    ins->moveCursor(QTextCursor::Start);
}

void TfrmInst::Button1Click() {
    SetModalResult(QDialog::Accepted);
}
