#pragma once

#include "platform/ui/Form.h"
#include "settings/OptionsFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QTabWidget>
#include <vector>

// A framed group of radio buttons, one of which is selected: ItemIndex is the
// selected item, -1 for none. The items share the frame's height evenly below its
// caption.
class TRadioGroup : public QGroupBox {
public:
    TRadioGroup(QWidget* parent, const QString& caption, const QStringList& items);

    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const { return FButtons.at(static_cast<size_t>(index)); }
    int Count() const { return static_cast<int>(FButtons.size()); }
    void SetBounds(int left, int top, int width, int height);

private:
    void PlaceItems();

    QButtonGroup FGroup;
    std::vector<QRadioButton*> FButtons;
};

// The options dialog: both games' options on the tabbed pages "Blocks" and
// "Shapes". It reads the options file when created and writes all thirteen keys
// when "&Ok" is pressed; "&Cancel" and the close box write nothing. Enter and Escape
// press neither button.
class TfrmOptions : public TForm {
    Q_DECLARE_TR_FUNCTIONS(TfrmOptions)

public:
    explicit TfrmOptions(QWidget* owner = nullptr);

    // Loads every control from the options file.
    void FormCreate();
    // "&Ok": writes the options file from the controls, then closes. A refused write
    // throws, the rest stays unwritten and the dialog stays open.
    void Button1Click();
    // "&Cancel": closes without writing.
    void Button2Click();
    // "Co&ntrols...": the controls dialog, which writes its own section on its own Ok.
    void btnControlsClick();

    // The options as the controls show them.
    TGameOptions Shown() const;

    QTabWidget* TabbedNotebook1;
    QWidget* PageBlocks;
    QWidget* PageShapes;

    QLabel* Label2;
    QLineEdit* txtB_PlayerName;
    QCheckBox* chkb_UseSound;
    QCheckBox* chkb_BeepOnDrop;
    TRadioGroup* rdoB_Speed;

    QLabel* Label1;
    QLineEdit* txtS_PlayerName;
    TRadioGroup* rdos_Speed;
    QCheckBox* chks_ShowNextPiece;
    QCheckBox* chks_UseSound;
    QCheckBox* chks_BeepOnDrop;
    QCheckBox* chks_UseDefaultPieces;
    QCheckBox* chks_DrawGrid;

    QWidget* Panel1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* btnControls;
};
