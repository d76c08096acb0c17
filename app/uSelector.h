#pragma once

#include "platform/ui/Form.h"

#include <QComboBox>
#include <QPushButton>

// "Which Game ?": picks the game whose high-score table the menu shows. The list's
// texts are the tables' names. OK has the focus, so Enter confirms at once; the
// result is QDialog::Accepted for OK, anything else otherwise.
class TfrmSelect : public TForm {
public:
    // Centred over the owner, or over the screen without one.
    explicit TfrmSelect(QWidget* owner = nullptr);

    // Selects "Quorvel (Shapes)".
    void FormCreate();
    // Shows the selected item's text as the list's text.
    void cboListChange();
    void Button1Click();
    void Button2Click();

    QPushButton* Button1;
    QPushButton* Button2;
    QComboBox* cboList;
};
