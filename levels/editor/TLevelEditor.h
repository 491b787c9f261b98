#pragma once
// The level editor frame: what the five level editors share. Every editor
// edits the level table through the data module's tParam / sParam and works
// the same way:
//
//   +-Panel17-------------------------------------------------+
//   | B_New B_Modif B_OK B_Cancel                 Panel18:B_Del |
//   +---------+-----------------------------------------------+
//   | dbgCode | parameter container (gbParam or pParam)        |
//   | "Level" |   T_Code (NIVEAU) and the editor's controls    |
//   +---------+-----------------------------------------------+
//
//   browse mode (B_OK disabled)  --New / Modify-->    edit mode (B_OK enabled)
//   grid and New/Modify/Delete   <--Validate / Cancel-- container, Validate, Cancel
//
// The frame owns the toolbar, the grid, T_Code, both modes and every handler
// that behaves alike; an editor adds its parameter container and supplies
// through the virtual functions only what is its own: how a PARAM string is
// shown (ShowParam) and built (BuildParam), its defaults on New, its extra
// checks and steps, and the rebuild of its game's level list.
//
// Construction: the editor builds its container in its constructor and then
// calls SetupFrame(), which places the container, binds T_Code and runs
// FormCreate (the filter "TYPE=n" and the level list).

#include "LevelList.h"

#include <QDialog>
#include <QList>
#include <QString>

class QAbstractButton;
class QColorDialog;
class QComboBox;
class QFileDialog;
class QFrame;
class QToolButton;
class TColorBox;
class TDBEdit;
class TDBGrid;
class TDataSource;
class TTable;

class TLevelEditor : public QDialog
{
    Q_OBJECT
public:
    ~TLevelEditor() override;

    // The game type this editor filters on and writes into TYPE.
    int GameType() const { return m_gameType; }
    // Edit mode is held by the enabled state of B_OK.
    bool EditMode() const;

    // Common operations.
    void SetEditMode(bool edit);
    // Clears the parameter controls and shows the PARAM of the current row,
    // when there is one. Throws AppError when the row cannot be read (the
    // fields before the faulty one stay shown).
    void LoadParam();
    // The PARAM string composed from the controls.
    virtual QString BuildParam() = 0;
    // Rebuilds the game's level list from the rows of this editor's type.
    void LoadConfigs();
    // Whether tParam stands on a row (is not at its end).
    bool HasCurrentRow() const;

    // Handlers of the frame.
    void FormShow();
    void T_CodeChange();
    void B_NewClick();
    void B_ModifClick();
    void B_OKClick();
    void B_CancelClick();
    void B_DelClick();
    void FormCloseQuery(bool& CanClose);
    void btPersClick();
    // Key filters: a key set to the null character is discarded.
    // Number boxes take only backspace, "." and the digits.
    static void cbParamKeyPress(QObject* Sender, QChar& Key);
    // List-only boxes take no key: they change only through their list.
    static void cbReadOnlyKeyPress(QObject* Sender, QChar& Key);

    // Components; each carries its name as objectName.
    QFrame* Panel17 = nullptr;
    QFrame* Panel18 = nullptr;
    QToolButton* B_New = nullptr;
    QToolButton* B_Modif = nullptr;
    QToolButton* B_OK = nullptr;
    QToolButton* B_Cancel = nullptr;
    QToolButton* B_Del = nullptr;
    TDBGrid* dbgCode = nullptr;
    TDBEdit* T_Code = nullptr;
    TDBEdit* T_Personnage = nullptr; // hidden character picture (clock, target)
    QWidget* ParamContainer() const { return m_container; }
    // The standard dialogs, made on first use.
    QColorDialog* ColorDialog();
    QFileDialog* OpenPictureDial();

protected:
    // `caption` and `deleteHint` are already translated.
    TLevelEditor(int gameType, const QString& caption, const QString& deleteHint, QWidget* parent);

    // Places the editor's parameter container on the right, binds `code` to
    // NIVEAU as T_Code, and runs FormCreate.
    void SetupFrame(QWidget* paramContainer, TDBEdit* code);

    // Binding of the editor's controls to the frame's behaviour.
    void BindNumberBox(QWidget* box);     // cbParamKeyPress
    void BindListOnlyBox(QComboBox* box); // cbReadOnlyKeyPress
    // The hidden character picture: `edit` bound to FICHIER, `button` opens
    // the picture dialog (btPersClick).
    void BindCharacterPicture(QAbstractButton* button, TDBEdit* edit);
    // The colour pickers: on confirmation the chosen colour goes into `box`;
    // cancelling changes nothing. Both return whether a colour was taken.
    bool PickWithColorPicker(TColorBox* box); // fmColor, six colours
    bool PickWithColorDialog(TColorBox* box); // ColorDialog, any colour

    // --- What each editor supplies -------------------------------------
    // FormCreate's and FormShow's own preparation.
    virtual void PrepareForm() {}
    virtual void PrepareShow() {}
    // Shows a stored PARAM string in the cleared controls; throws AppError
    // (naming the level) at the first field it cannot read.
    virtual void ShowParam(const QString& param) = 0;
    // LoadParam without a current row, after the controls were cleared.
    virtual void ShowNoRow() {}
    // Whether clearing the controls unchecks the check boxes too.
    virtual bool ClearsCheckBoxes() const { return true; }
    // Defaults of a new level, after New cleared the controls.
    virtual void ApplyNewDefaults() {}
    // Values given to hidden boxes before Validate checks that every box is
    // filled (the user cannot fill a hidden box).
    virtual void FillHiddenBoxes() {}
    // Content besides the combo boxes that "Please fill all parameters !"
    // requires (the target grid's cells).
    virtual bool ParamsComplete() const { return true; }
    // The editor's own checks after the frame's; each shows its message.
    virtual bool CheckParams() { return true; }
    // Steps after the row was posted, still in edit mode (pac-man's file).
    virtual void AfterPost() {}
    // Steps on Yes to the delete question, before the row goes.
    virtual void BeforeDelete() {}
    // Replaces the game's level list with the decodable `rows`.
    virtual void RebuildLevelList(const QList<LevelRow>& rows) = 0;

    // Text of the current row's level name, for messages.
    QString CurrentLevelName() const;

    void reject() override; // every close goes through FormCloseQuery
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    TTable* tParam = nullptr;
    TDataSource* sParam = nullptr;

private:
    void FormCreate();
    // The filter "TYPE=n" of this editor, set when another one applies, so
    // that this editor never shows (nor rewrites) the levels of another game.
    void UseOwnFilter();
    void ClearParamControls();
    bool AllCombosFilled() const;
    bool NumberBoxesHoldNumbers() const;
    QList<LevelRow> LevelRows() const;

    int m_gameType;
    QWidget* m_container = nullptr;
    QList<QWidget*> m_numberBoxes;
    QList<QWidget*> m_listOnlyBoxes;
    QColorDialog* m_colorDialog = nullptr;
    QFileDialog* m_pictureDialog = nullptr;
};
