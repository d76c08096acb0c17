#pragma once

#include "platform/ui/Form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>

// "Which Game ?": picks the game whose high-score table the menu shows. The list's
// texts are the tables' names as the player reads them (GameTitle), each item holding
// the name itself. OK has the focus, so Enter confirms at once; the
// result is QDialog::Accepted for OK, anything else otherwise.
class TfrmSelect : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmSelect)

public:
    // Centred over the owner, or over the screen without one.
    explicit TfrmSelect(QWidget* owner = nullptr);

    // Selects "Quorvel (Shapes)".
    void FormCreate();
    // Shows the selected item's text as the list's text.
    void cboListChange();
    void Button1Click();
    void Button2Click();
    // The chosen table's name, the same in every language.
    QString GameName() const { return cboList->currentData().toString(); }

    QPushButton* Button1;
    QPushButton* Button2;
    QComboBox* cboList;
};
