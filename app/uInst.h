#pragma once

#include "platform/ui/Form.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

// The instructions: "Instructions.rtf" from the application folder, read-only,
// above a "&Close" button. A file that cannot be read is reported and the viewer
// opens empty.
class TfrmInst : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmInst)

public:
    explicit TfrmInst(QWidget* owner = nullptr);

    // Loads the instructions; throws "Cannot open file "<path>". <reason>" when the
    // file cannot be read.
    void FormCreate();
    void Button1Click();

    QTextEdit* ins;
    QWidget* Panel1;
    QPushButton* Button1;
};
