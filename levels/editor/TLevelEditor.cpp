#include "TLevelEditor.h"

#include "Application.h"
#include "ColorBox.h"
#include "DBControls.h"
#include "Data.h"
#include "DbError.h"
#include "Define.h"
#include "MessageTable.h"
#include "Messages.h"
#include "ParamCodec.h"
#include "TF_Confirm.h"
#include "TfmColor.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The toolbar pictures, drawn here so that they look the same on every
// desktop theme (and under a bare X server without one).
enum class Glyph
{
    New,
    Modify,
    Validate,
    Cancel,
    Delete
};

QIcon glyphIcon(Glyph glyph)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (glyph) {
    case Glyph::New: {
        QPainterPath page;
        page.moveTo(5, 2);
        page.lineTo(15, 2);
        page.lineTo(19, 6);
        page.lineTo(19, 22);
        page.lineTo(5, 22);
        page.closeSubpath();
        p.setPen(QPen(QColor(70, 70, 70), 1.2));
        p.setBrush(Qt::white);
        p.drawPath(page);
        p.setPen(QPen(QColor(0, 140, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 9), QPointF(12, 19));
        p.drawLine(QPointF(7, 14), QPointF(17, 14));
        break;
    }
    case Glyph::Modify: {
        p.translate(12, 12);
        p.rotate(45);
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(240, 190, 40));
        p.drawRect(QRectF(-2.5, -10, 5, 15));
        p.setBrush(QColor(230, 150, 150));
        p.drawRect(QRectF(-2.5, -11.5, 5, 2.5));
        QPainterPath tip;
        tip.moveTo(-2.5, 5);
        tip.lineTo(2.5, 5);
        tip.lineTo(0, 10);
        tip.closeSubpath();
        p.setBrush(QColor(230, 210, 170));
        p.drawPath(tip);
        break;
    }
    case Glyph::Validate:
        p.setPen(QPen(QColor(0, 150, 0), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4, 13), QPointF(10, 19), QPointF(20, 5)}));
        break;
    case Glyph::Cancel:
        p.setPen(QPen(QColor(200, 0, 0), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(19, 19));
        p.drawLine(QPointF(19, 5), QPointF(5, 19));
        break;
    case Glyph::Delete:
        p.setPen(QPen(QColor(60, 60, 60), 1.2));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(4, 5, 16, 2.5));
        p.drawRect(QRectF(9, 2.5, 6, 2.5));
        p.setBrush(QColor(150, 60, 60));
        p.drawRect(QRectF(6, 8.5, 12, 13));
        p.setPen(QPen(QColor(235, 210, 210), 1.2));
        for (double x : {9.5, 12.0, 14.5})
            p.drawLine(QPointF(x, 11), QPointF(x, 19));
        break;
    }
    return QIcon(pixmap);
}

QToolButton* toolButton(QWidget* parent, const char* name, Glyph glyph, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true); // flat
    button->setFixedSize(32, 32);
    button->setIconSize(QSize(24, 24));
    button->setIcon(glyphIcon(glyph));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

// The keys a Windows edit box hands to its key filter are the character
// keys; Delete and the focus keys never reach it. The filters therefore see
// the keys that carry a character, except those.
bool isCharacterKey(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        return !event->text().isEmpty();
    }
}

// Releases the data-aware controls whatever way the question ends.
class ControlsDetached
{
public:
    explicit ControlsDetached(TTable* table) : m_table(table) { m_table->DisableControls(); }
    ~ControlsDetached() { m_table->EnableControls(); }
    ControlsDetached(const ControlsDetached&) = delete;
    ControlsDetached& operator=(const ControlsDetached&) = delete;

private:
    TTable* m_table;
};

} // namespace

TLevelEditor::TLevelEditor(int gameType, const QString& caption, const QString& deleteHint,
                           QWidget* parent)
    : QDialog(parent), m_gameType(gameType)
{
    if (!F_Data)
        throw AppError(Msg::tr(Msg::NotConnected));
    tParam = F_Data->tParam;
    sParam = F_Data->sParam;

    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Panel17 = new QFrame(this);
    Panel17->setObjectName(QStringLiteral("Panel17"));
    Panel17->setFrameShape(QFrame::StyledPanel);
    Panel17->setFrameShadow(QFrame::Raised);
    B_New = toolButton(Panel17, "B_New", Glyph::New, tr("New"));
    B_Modif = toolButton(Panel17, "B_Modif", Glyph::Modify, tr("Modify"));
    B_OK = toolButton(Panel17, "B_OK", Glyph::Validate, tr("Validate"));
    B_Cancel = toolButton(Panel17, "B_Cancel", Glyph::Cancel, tr("Cancel"));
    Panel18 = new QFrame(Panel17);
    Panel18->setObjectName(QStringLiteral("Panel18"));
    B_Del = toolButton(Panel18, "B_Del", Glyph::Delete, deleteHint);
    auto* delLayout = new QHBoxLayout(Panel18);
    delLayout->setContentsMargins(0, 0, 0, 0);
    delLayout->addWidget(B_Del);
    auto* toolbar = new QHBoxLayout(Panel17);
    toolbar->setContentsMargins(4, 2, 4, 2);
    toolbar->setSpacing(2);
    for (QToolButton* button : {B_New, B_Modif, B_OK, B_Cancel})
        toolbar->addWidget(button);
    toolbar->addStretch(1);
    toolbar->addWidget(Panel18);

    dbgCode = new TDBGrid(this);
    dbgCode->setObjectName(QStringLiteral("dbgCode"));
    dbgCode->AddColumn(QStringLiteral("NIVEAU"), tr("Level"));
    dbgCode->horizontalHeader()->setStretchLastSection(true);
    dbgCode->setFixedWidth(190);
    dbgCode->SetDataSource(sParam);

    connect(B_New, &QToolButton::clicked, this, &TLevelEditor::B_NewClick);
    connect(B_Modif, &QToolButton::clicked, this, &TLevelEditor::B_ModifClick);
    connect(B_OK, &QToolButton::clicked, this, &TLevelEditor::B_OKClick);
    connect(B_Cancel, &QToolButton::clicked, this, &TLevelEditor::B_CancelClick);
    connect(B_Del, &QToolButton::clicked, this, &TLevelEditor::B_DelClick);
}

TLevelEditor::~TLevelEditor() = default;

void TLevelEditor::SetupFrame(QWidget* paramContainer, TDBEdit* code)
{
    m_container = paramContainer;
    T_Code = code;
    T_Code->setObjectName(QStringLiteral("T_Code"));
    T_Code->SetDataSource(sParam);
    T_Code->SetDataField(QStringLiteral("NIVEAU"));
    connect(T_Code, &QLineEdit::textChanged, this, &TLevelEditor::T_CodeChange);

    auto* body = new QHBoxLayout;
    body->addWidget(dbgCode);
    body->addWidget(m_container, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Panel17);
    layout->addLayout(body);
    // A fixed dialog: its size is that of its contents.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Browse mode at start.
    SetEditMode(false);
    FormCreate();
}

bool TLevelEditor::EditMode() const
{
    return B_OK->isEnabled();
}

void TLevelEditor::SetEditMode(bool edit)
{
    if (m_container)
        m_container->setEnabled(edit);
    B_OK->setEnabled(edit);
    B_Cancel->setEnabled(edit);
    dbgCode->setEnabled(!edit);
    B_New->setEnabled(!edit);
    B_Modif->setEnabled(!edit);
    B_Del->setEnabled(!edit);
}

bool TLevelEditor::HasCurrentRow() const
{
    return tParam->Active() && !tParam->Eof();
}

QString TLevelEditor::CurrentLevelName() const
{
    return F_Data->tParamNIVEAU->AsString();
}

// ---------------------------------------------------------------- binding

void TLevelEditor::BindNumberBox(QWidget* box)
{
    m_numberBoxes.append(box);
    box->installEventFilter(this);
    // Pasting goes round the key filter: the same characters only.
    auto* validator =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box);
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setValidator(validator);
        if (combo->lineEdit())
            combo->lineEdit()->installEventFilter(this);
    } else if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setValidator(validator);
    }
}

void TLevelEditor::BindListOnlyBox(QComboBox* box)
{
    m_listOnlyBoxes.append(box);
    box->installEventFilter(this);
    if (box->lineEdit())
        box->lineEdit()->installEventFilter(this);
}

void TLevelEditor::BindCharacterPicture(QAbstractButton* button, TDBEdit* edit)
{
    T_Personnage = edit;
    T_Personnage->SetDataSource(sParam);
    T_Personnage->SetDataField(QStringLiteral("FICHIER"));
    connect(button, &QAbstractButton::clicked, this, &TLevelEditor::btPersClick);
}

bool TLevelEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isCharacterKey(key))
        return false;
    // An editable combo box hands its keys to its line edit: the filter of
    // the box applies there too.
    auto* box = qobject_cast<QWidget*>(watched);
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !m_numberBoxes.contains(edit)) {
        if (auto* combo = qobject_cast<QComboBox*>(edit->parentWidget()))
            box = combo;
    }
    QChar typed = key->text().at(0);
    if (m_numberBoxes.contains(box))
        cbParamKeyPress(box, typed);
    else if (m_listOnlyBoxes.contains(box))
        cbReadOnlyKeyPress(box, typed);
    else
        return false;
    return typed.isNull(); // true: the key is discarded
}

void TLevelEditor::cbParamKeyPress(QObject*, QChar& Key)
{
    const bool allowed = Key == QChar(8) || Key == QLatin1Char('.') ||
                         (Key >= QLatin1Char('0') && Key <= QLatin1Char('9'));
    if (!allowed)
        Key = QChar();
}

void TLevelEditor::cbReadOnlyKeyPress(QObject*, QChar& Key)
{
    Key = QChar();
}

// ---------------------------------------------------------------- level list

void TLevelEditor::UseOwnFilter()
{
    const QString filter = QStringLiteral("TYPE=") + QString::number(m_gameType);
    if (tParam->Filter() != filter)
        tParam->SetFilter(filter);
    if (!tParam->Filtered())
        tParam->SetFiltered(true);
}

QList<LevelRow> TLevelEditor::LevelRows() const
{
    QList<LevelRow> rows;
    if (!tParam->Active())
        return rows;
    // The rows as the filtered table delivers them, read without moving the
    // cursor: moving would show every row in the controls on the way.
    const int pending = tParam->State() == TDataSetState::Insert ? tParam->ViewCurrentRow() : -1;
    const int niveau = F_Data->tParamNIVEAU->Index();
    const int param = F_Data->tParamPARAM->Index();
    const int fichier = F_Data->tParamFICHIER->Index();
    for (int row = 0; row < tParam->ViewRowCount(); ++row) {
        if (row == pending)
            continue;
        rows.append(LevelRow{tParam->ViewValue(row, niveau).toString(),
                             tParam->ViewValue(row, param).toString(),
                             tParam->ViewValue(row, fichier).toString()});
    }
    return rows;
}

void TLevelEditor::LoadConfigs()
{
    if (!tParam->Editing())
        UseOwnFilter();
    RebuildLevelList(LevelRows());
}

// ---------------------------------------------------------------- controls

void TLevelEditor::ClearParamControls()
{
    for (QComboBox* box : m_container->findChildren<QComboBox*>()) {
        box->setCurrentIndex(-1);
        if (box->isEditable())
            box->clearEditText();
    }
    if (ClearsCheckBoxes()) {
        for (QCheckBox* box : m_container->findChildren<QCheckBox*>())
            box->setChecked(false);
    }
}

bool TLevelEditor::AllCombosFilled() const
{
    for (QComboBox* box : m_container->findChildren<QComboBox*>()) {
        if (box->currentText().isEmpty())
            return false;
    }
    return true;
}

bool TLevelEditor::NumberBoxesHoldNumbers() const
{
    // A number box lets "." through; a level stored with such a text could
    // not be read by its game, so it is refused here instead.
    for (QWidget* box : m_numberBoxes) {
        auto* combo = qobject_cast<QComboBox*>(box);
        if (!combo)
            continue;
        int value = 0;
        if (!ParamCodec::ToInteger(combo->currentText(), value)) {
            ShowMessage(Msg::tr(Msg::WholeNumbersOnly).arg(combo->currentText()));
            return false;
        }
    }
    return true;
}

void TLevelEditor::LoadParam()
{
    ClearParamControls();
    if (HasCurrentRow())
        ShowParam(F_Data->tParamPARAM->AsString());
    else
        ShowNoRow();
}

// ---------------------------------------------------------------- handlers

void TLevelEditor::FormCreate()
{
    UseOwnFilter();
    LoadConfigs();
    PrepareForm();
}

void TLevelEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TLevelEditor::FormShow()
{
    RunGuarded([this] {
        if (!tParam->Editing())
            UseOwnFilter();
        PrepareShow();
        LoadParam();
    });
}

void TLevelEditor::T_CodeChange()
{
    // The name shown changes whenever the grid moves to another row.
    if (!EditMode() && isVisible())
        RunGuarded([this] { LoadParam(); });
}

void TLevelEditor::B_NewClick()
{
    try {
        SetEditMode(true);
        T_Code->setFocus();
        tParam->Append();
        ClearParamControls();
        ApplyNewDefaults();
    } catch (const AppError& error) {
        ShowMessage(error.message());
        // Without a pending row there is nothing to validate or cancel.
        if (!tParam->Editing())
            SetEditMode(false);
    }
}

void TLevelEditor::B_ModifClick()
{
    try {
        tParam->Edit();
        SetEditMode(true);
        T_Code->setFocus();
    } catch (const AppError& error) {
        ShowMessage(error.message());
    }
}

void TLevelEditor::B_OKClick()
{
    // The level list holds at most 255 levels of one game: a new level
    // beyond them could never be played, so it is not stored.
    if (tParam->State() == TDataSetState::Insert && !RoomForNewLevel(tParam->RecordCount())) {
        ShowMessage(TooManyLevelsText());
        return;
    }
    FillHiddenBoxes();
    if (!AllCombosFilled() || !ParamsComplete()) {
        ShowMessage(Msg::tr(Msg::FillAllParameters));
        return;
    }
    if (!NumberBoxesHoldNumbers() || !CheckParams())
        return;
    try {
        F_Data->tParamTYPE->SetAsInteger(m_gameType);
        F_Data->tParamPARAM->SetAsString(BuildParam());
        tParam->Post();
        tParam->FlushBuffers();
        AfterPost();
    } catch (const EDBEngineError& error) {
        if (error.ErrorCode() == EngineCode::KeyViolation)
            ShowMessage(Msg::tr(Msg::CodeAlreadyUsed));
        else
            ReportError(error.message());
        return;
    } catch (const AppError& error) {
        ReportError(error.message());
        return;
    }
    SetEditMode(false);
}

void TLevelEditor::B_CancelClick()
{
    tParam->Cancel();
    // A row that cannot be shown is reported; the editor is back in browse
    // mode all the same, since nothing is pending any more.
    RunGuarded([this] { LoadParam(); });
    SetEditMode(false);
}

void TLevelEditor::B_DelClick()
{
    if (!HasCurrentRow())
        return;
    try {
        ControlsDetached detached(tParam);
        const QString question = Msg::tr(Msg::DeleteLevelQuestion).arg(T_Code->text());
        if (Confirm()->ShowModal(question) == TF_Confirm::Yes) {
            BeforeDelete();
            tParam->Delete();
        }
    } catch (const AppError& error) {
        ShowMessage(error.message());
    }
}

void TLevelEditor::FormCloseQuery(bool& CanClose)
{
    if (EditMode()) {
        CanClose = false;
        ShowMessage(Msg::tr(Msg::EditionModeActive));
        return;
    }
    CanClose = true;
    LoadConfigs();
}

void TLevelEditor::reject()
{
    bool canClose = true;
    FormCloseQuery(canClose);
    if (canClose)
        QDialog::reject();
}

// ---------------------------------------------------------------- pickers

QColorDialog* TLevelEditor::ColorDialog()
{
    if (!m_colorDialog) {
        m_colorDialog = new QColorDialog(this);
        m_colorDialog->setObjectName(QStringLiteral("ColorDialog"));
        m_colorDialog->setOption(QColorDialog::DontUseNativeDialog);
    }
    return m_colorDialog;
}

QFileDialog* TLevelEditor::OpenPictureDial()
{
    if (!m_pictureDialog) {
        m_pictureDialog = new QFileDialog(this);
        m_pictureDialog->setObjectName(QStringLiteral("OpenPictureDial"));
        m_pictureDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_pictureDialog->setWindowTitle(tr("Choix du personnage"));
        m_pictureDialog->setNameFilter(tr("Bitmaps (*.bmp)"));
        m_pictureDialog->setFileMode(QFileDialog::ExistingFile);
        m_pictureDialog->setAcceptMode(QFileDialog::AcceptOpen);
    }
    return m_pictureDialog;
}

bool TLevelEditor::PickWithColorPicker(TColorBox* box)
{
    TfmColor* picker = ColorPicker();
    if (picker->exec() == QDialog::Rejected)
        return false;
    box->SetColor(picker->PickedColor);
    return true;
}

bool TLevelEditor::PickWithColorDialog(TColorBox* box)
{
    QColorDialog* dialog = ColorDialog();
    dialog->setCurrentColor(ToQColor(box->Color()));
    if (dialog->exec() != QDialog::Accepted)
        return false;
    box->SetColor(FromQColor(dialog->selectedColor()));
    return true;
}

void TLevelEditor::btPersClick()
{
    QFileDialog* dialog = OpenPictureDial();
    dialog->setDirectory(ExePath);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QString file = dialog->selectedFiles().constFirst();
    // The edit shows the field; the field takes the name while the row is
    // being edited (the button sits in the container, usable only then).
    if (tParam->Editing()) {
        RunGuarded([&] { F_Data->tParamFICHIER->SetAsString(file); });
    }
}
