#include "TfmBalvoroMain.h"

#include "AcqCgPodo.h"
#include "AppError.h"
#include "DBControls.h"
#include "Data.h"
#include "DbError.h"
#include "Define.h"
#include "FileNames.h"
#include "GameModules.h"
#include "IniFile.h"
#include "Language.h"
#include "MessageTable.h"
#include "Messages.h"
#include "Playfields.h"
#include "PrintModule.h"
#include "SteplinkDriver.h"
#include "TF_Confirm.h"
#include "TfmColor.h"
#include "TfmInitPos.h"
#include "TfmLanguage.h"
#include "TfmLoad.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

TfmBalvoroMain* fmBalvoroMain = nullptr;

namespace {

constexpr int TrialColumns = 4;
constexpr int LevelColumn = 2;
constexpr int ScoreColumn = 3;
// The key of the trial a grid row lists, kept with its first cell.
constexpr int TrialKeyRole = Qt::UserRole + 1;

QToolButton* makeToolButton(QWidget* parent, const char* name, const QString& text,
                            const QString& hint,
                            QStyle::StandardPixmap icon = QStyle::SP_CustomBase)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    if (icon != QStyle::SP_CustomBase) {
        button->setIcon(parent->style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return button;
}

TDBEdit* makeFieldEdit(QWidget* parent, const char* name, const char* field)
{
    auto* edit = new TDBEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    if (F_Data)
        edit->SetDataSource(F_Data->sPat);
    edit->SetDataField(QLatin1String(field));
    return edit;
}

QToolBar* makeTitleBar(QWidget* parent, const char* name, const QString& caption)
{
    auto* bar = new QToolBar(caption, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    auto* title = new QLabel(QStringLiteral("  ") + caption + QStringLiteral("  "), bar);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    bar->addWidget(title);
    bar->addSeparator();
    return bar;
}

} // namespace

TfmBalvoroMain::TfmBalvoroMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fmBalvoroMain"));
    if (!fmBalvoroMain)
        fmBalvoroMain = this;

    PC_PAGE = new QTabWidget(this);
    PC_PAGE->setObjectName(QStringLiteral("PC_PAGE"));
    setCentralWidget(PC_PAGE);
    BuildPatientPage();
    BuildExercisesPage();
    BuildMenus();

    ColorDialog = new QColorDialog(this);
    ColorDialog->setObjectName(QStringLiteral("ColorDialog"));
    ColorDialog->setOption(QColorDialog::DontUseNativeDialog);

    m_printHistory = [this](const HistoryPrintInput& input) {
        PrintHistory(input, ReportOutput::preview(), this);
    };

    resize(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

TfmBalvoroMain::~TfmBalvoroMain()
{
    if (fmBalvoroMain == this)
        fmBalvoroMain = nullptr;
}

// ---------------------------------------------------------------- building

void TfmBalvoroMain::BuildPatientPage()
{
    TS_Patient = new QWidget(PC_PAGE);
    TS_Patient->setObjectName(QStringLiteral("TS_Patient"));
    PC_PAGE->addTab(TS_Patient, tr("Patient"));

    TB_Patient = makeTitleBar(TS_Patient, "TB_Patient", tr("Patient"));
    btPatient = makeToolButton(TS_Patient, "btPatient", tr("Search"), tr("Search"),
                               QStyle::SP_FileDialogContentsView);
    btVisible = makeToolButton(TS_Patient, "btVisible", tr("Visible"), tr("Visible data"),
                               QStyle::SP_FileDialogInfoView);
    btVisible->setCheckable(true);
    TB_Patient->addWidget(btPatient);
    TB_Patient->addWidget(btVisible);
    connect(btPatient, &QToolButton::clicked, this, &TfmBalvoroMain::btPatientClick);
    connect(btVisible, &QToolButton::clicked, this, &TfmBalvoroMain::btVisibleClick);

    gbPatients = new QGroupBox(tr("Patient"), TS_Patient);
    gbPatients->setObjectName(QStringLiteral("gbPatients"));
    T_Nom = makeFieldEdit(gbPatients, "T_Nom", "NOM");
    T_Prenom = makeFieldEdit(gbPatients, "T_Prenom", "PRENOM");
    T_BirthDT = makeFieldEdit(gbPatients, "T_BirthDT", "BIRTHDT");
    T_Pointure = makeFieldEdit(gbPatients, "T_Pointure", "POINTURE");
    cbSex = new QComboBox(gbPatients);
    cbSex->setObjectName(QStringLiteral("cbSex"));
    cbSex->addItems({tr("Male"), tr("Female")});
    cbSex->setCurrentIndex(1);
    cbSex->installEventFilter(this);
    auto* patientForm = new QFormLayout(gbPatients);
    patientForm->addRow(tr("Last Name"), T_Nom);
    patientForm->addRow(tr("First Name"), T_Prenom);
    patientForm->addRow(tr("Date of Birth"), T_BirthDT);
    patientForm->addRow(tr("Foot Size"), T_Pointure);
    patientForm->addRow(tr("Sex"), cbSex);

    gbPatAdresse = new QGroupBox(tr("Address"), TS_Patient);
    gbPatAdresse->setObjectName(QStringLiteral("gbPatAdresse"));
    T_Adresse = makeFieldEdit(gbPatAdresse, "T_Adresse", "ADRESSE");
    T_CP = makeFieldEdit(gbPatAdresse, "T_CP", "CP");
    T_Ville = makeFieldEdit(gbPatAdresse, "T_Ville", "VILLE");
    auto* addressForm = new QFormLayout(gbPatAdresse);
    addressForm->addRow(T_Adresse);
    addressForm->addRow(tr("City Code"), T_CP);
    addressForm->addRow(tr("City"), T_Ville);

    gbPatNote = new QGroupBox(tr("Note"), TS_Patient);
    gbPatNote->setObjectName(QStringLiteral("gbPatNote"));
    TM_Note = new TDBMemo(gbPatNote);
    TM_Note->setObjectName(QStringLiteral("TM_Note"));
    TM_Note->setReadOnly(true);
    if (F_Data)
        TM_Note->SetDataSource(F_Data->sPat);
    TM_Note->SetDataField(QStringLiteral("NOTE"));
    auto* noteLayout = new QVBoxLayout(gbPatNote);
    noteLayout->addWidget(TM_Note);

    auto* groups = new QGridLayout;
    groups->addWidget(gbPatients, 0, 0);
    groups->addWidget(gbPatAdresse, 0, 1);
    groups->addWidget(gbPatNote, 1, 0, 1, 2);
    groups->setRowStretch(1, 1);
    auto* layout = new QVBoxLayout(TS_Patient);
    layout->addWidget(TB_Patient);
    layout->addLayout(groups, 1);

    // The data stays unreadable until btVisible is pressed.
    SetPatientTextColor(Qt::white);

    // T_NomChange follows the patient table itself: two patients in a row
    // may share a last name, and the sex must still follow.
    if (F_Data) {
        connect(F_Data->sPat, &TDataSource::Scrolled, this, &TfmBalvoroMain::T_NomChange);
        connect(F_Data->sPat, &TDataSource::DataSetChanged, this, &TfmBalvoroMain::T_NomChange);
    }
    connect(T_Nom, &QLineEdit::textChanged, this, &TfmBalvoroMain::T_NomChange);
    T_NomChange();
}

void TfmBalvoroMain::BuildExercisesPage()
{
    TS_Exos = new QWidget(PC_PAGE);
    TS_Exos->setObjectName(QStringLiteral("TS_Exos"));
    PC_PAGE->addTab(TS_Exos, tr("Exercises"));

    TB_Exo = makeTitleBar(TS_Exos, "TB_Exo", tr("Exercises"));
    btPingPong = makeToolButton(TS_Exos, "btPingPong", tr("Ping Pong"), tr("Ping Pong"));
    btClock = makeToolButton(TS_Exos, "btClock", tr("Clock"), tr("Clock"));
    btTarget = makeToolButton(TS_Exos, "btTarget", tr("Target"), tr("Target"));
    btHoolaHoop = makeToolButton(TS_Exos, "btHoolaHoop", tr("HoolaHoop"), tr("HoolaHoop"));
    btPacMan = makeToolButton(TS_Exos, "btPacMan", tr("PacMan"), tr("PacMan"));
    const QList<QToolButton*> games = GameButtons();
    for (int tag = 0; tag < games.size(); ++tag) {
        QToolButton* button = games[tag];
        button->setProperty("tag", tag);
        button->setCheckable(true);
        TB_Exo->addWidget(button);
        connect(button, &QToolButton::clicked, this, [this, button] { btExerciseClick(button); });
    }
    TB_Exo->addSeparator();
    btParam = makeToolButton(TS_Exos, "btParam", tr("Parameters"), tr("Parameters"),
                             QStyle::SP_FileDialogDetailedView);
    btStart = makeToolButton(TS_Exos, "btStart", tr("Start"), tr("Start"), QStyle::SP_MediaPlay);
    btParam->setEnabled(false);
    btStart->setEnabled(false);
    TB_Exo->addWidget(btParam);
    TB_Exo->addWidget(btStart);
    connect(btParam, &QToolButton::clicked, this, &TfmBalvoroMain::btParamClick);
    connect(btStart, &QToolButton::clicked, this, &TfmBalvoroMain::btStartClick);

    gbTrials = new QGroupBox(tr("Trials"), TS_Exos);
    gbTrials->setObjectName(QStringLiteral("gbTrials"));
    sgTrials = new QTableWidget(1, TrialColumns, gbTrials);
    sgTrials->setObjectName(QStringLiteral("sgTrials"));
    sgTrials->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgTrials->setSelectionMode(QAbstractItemView::SingleSelection);
    sgTrials->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgTrials->verticalHeader()->setVisible(false);
    sgTrials->horizontalHeader()->setHighlightSections(false);
    sgTrials->horizontalHeader()->setStretchLastSection(true);
    sgTrials->setColumnWidth(0, 80);
    sgTrials->setColumnWidth(1, 64);
    sgTrials->setColumnWidth(2, 100);
    sgTrials->setEnabled(false);
    ClearTrialGrid();
    connect(sgTrials, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (!m_loadingTrials && row != previousRow)
                    sgTrialsDrawCell();
            });

    btPrint = makeToolButton(gbTrials, "btPrint", tr("Print"), tr("Print"), QStyle::SP_FileIcon);
    btDelete =
        makeToolButton(gbTrials, "btDelete", tr("Delete"), tr("Delete"), QStyle::SP_TrashIcon);
    connect(btPrint, &QToolButton::clicked, this, &TfmBalvoroMain::btPrintClick);
    connect(btDelete, &QToolButton::clicked, this, &TfmBalvoroMain::btDeleteClick);
    auto* trialButtons = new QHBoxLayout;
    trialButtons->addWidget(btPrint);
    trialButtons->addWidget(btDelete);
    trialButtons->addStretch();
    auto* trialLayout = new QVBoxLayout(gbTrials);
    trialLayout->addWidget(sgTrials);
    trialLayout->addLayout(trialButtons);

    chart = new QChart;
    chart->setObjectName(QStringLiteral("chart"));
    chart->setTitle(tr("History of Performance"));
    chart->legend()->hide();
    chart->setBackgroundRoundness(0);
    Series1 = new QLineSeries;
    Series1->setObjectName(QStringLiteral("Series1"));
    Series1->setPen(QPen(Qt::red, 2));
    Series1->setPointsVisible(false);
    chart->addSeries(Series1);
    axisBottom = new QValueAxis;
    axisBottom->setObjectName(QStringLiteral("axisBottom"));
    axisBottom->setLabelFormat(QStringLiteral("%d"));
    // Trials are counted: a tick on every whole number (fewer on a long
    // history), never a fraction shown rounded.
    axisBottom->setTickType(QValueAxis::TicksDynamic);
    axisBottom->setTickAnchor(0);
    axisBottom->setTickInterval(1);
    axisLeft = new QValueAxis;
    axisLeft->setObjectName(QStringLiteral("axisLeft"));
    axisLeft->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(axisBottom, Qt::AlignBottom);
    chart->addAxis(axisLeft, Qt::AlignLeft);
    Series1->attachAxis(axisBottom);
    Series1->attachAxis(axisLeft);
    grHistory = new QChartView(chart, TS_Exos);
    grHistory->setObjectName(QStringLiteral("grHistory"));
    grHistory->setRenderHint(QPainter::Antialiasing);

    auto* body = new QHBoxLayout;
    body->addWidget(gbTrials, 1);
    body->addWidget(grHistory, 1);
    auto* layout = new QVBoxLayout(TS_Exos);
    layout->addWidget(TB_Exo);
    layout->addLayout(body, 1);
}

void TfmBalvoroMain::BuildMenus()
{
    QMenu* files = menuBar()->addMenu(tr("&Files"));
    files->setObjectName(QStringLiteral("mnuFiles"));
    mnuQuit = files->addAction(tr("&Quit"));
    mnuQuit->setObjectName(QStringLiteral("mnuQuit"));
    connect(mnuQuit, &QAction::triggered, this, &TfmBalvoroMain::mnuQuitClick);

    QMenu* parameters = menuBar()->addMenu(tr("&Parameters"));
    parameters->setObjectName(QStringLiteral("mnuParameters"));
    mnuColor = parameters->addAction(tr("&Background Color"));
    mnuColor->setObjectName(QStringLiteral("mnuColor"));
    connect(mnuColor, &QAction::triggered, this, &TfmBalvoroMain::mnuColorClick);
    N1 = parameters->addSeparator();
    N1->setObjectName(QStringLiteral("N1"));
    N1->setVisible(false);
    // Created hidden: nothing in the program shows it.
    Language1 = parameters->addAction(tr("&Language"));
    Language1->setObjectName(QStringLiteral("Language1"));
    Language1->setVisible(false);
    connect(Language1, &QAction::triggered, this, &TfmBalvoroMain::Language1Click);
    parameters->addSeparator();
    mnuAbout = parameters->addAction(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &TfmBalvoroMain::mnuAboutClick);
}

QList<QToolButton*> TfmBalvoroMain::GameButtons() const
{
    // In the order of their tags, the game types.
    return {btPingPong, btClock, btTarget, btHoolaHoop, btPacMan};
}

// ---------------------------------------------------------------- creation

void TfmBalvoroMain::FormCreate()
{
    WriteLog(QStringLiteral("main create"));
    PlateConnected = true;

    int result = -1;
    if (SteplinkDriver.SLInit) {
        const QByteArray alias = AliasName.toLocal8Bit();
        result = SteplinkDriver.SLInit(nullptr, reinterpret_cast<void*>(winId()), alias.constData(),
                                       STEPLINK_CLIENT_CODE);
    }

    if (result == SL_PLATE_ABSENT) {
        ShowMessage(Msg::tr(Msg::PlateDisconnected), MessageKind::Warning);
        PlateConnected = false;
    } else if (result < 0) {
        // An unbound driver was reported by its loader already.
        if (SteplinkDriver.SLInit)
            ShowMessage(Msg::tr(Msg::SteplinkErrorCode) + QString::number(result),
                        MessageKind::Error);
        DeviceReady = false;
        m_endRequested = true;
    }

    if (!m_endRequested) {
        DeviceReady = true;
        PC_PAGE->setCurrentWidget(TS_Patient);
        sgTrials->setHorizontalHeaderLabels({tr("Date"), tr("Time"), tr("Level"), tr("Score")});
        if (AcqThread)
            AcqThread->SetPeriod(20);
        setWindowTitle(QGuiApplication::applicationName());
        CreateGameWindows();
        new TPrintModule(this);
    }

    WriteLog(QStringLiteral("main end creation"));
}

void TfmBalvoroMain::CreateGameWindows()
{
    // Editors first, then games, each in the order of the game types.
    for (int type = 0; type < GameType::Count; ++type) {
        const std::optional<GameModule> module = FindGameModule(type);
        if (module && module->createEditor)
            m_editors.insert(type, module->createEditor(this));
    }
    for (int type = 0; type < GameType::Count; ++type) {
        const std::optional<GameModule> module = FindGameModule(type);
        if (module && module->createGame)
            m_games.insert(type, module->createGame(this));
    }
}

void TfmBalvoroMain::closeEvent(QCloseEvent* event)
{
    FormClose();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}

void TfmBalvoroMain::FormClose()
{
    if (DeviceReady && !m_driverReleased && SteplinkDriver.SLExit) {
        m_driverReleased = true;
        SteplinkDriver.SLExit();
    }
}

void TfmBalvoroMain::mnuQuitClick()
{
    close();
}

void TfmBalvoroMain::mnuAboutClick()
{
    if (ShowAbout)
        ShowAbout();
}

// ---------------------------------------------------------------- patient page

void TfmBalvoroMain::btPatientClick()
{
    TfmLoad* picker = PatientPicker(this);
    if (picker->exec() != QDialog::Accepted || picker->PickedPatient == -1)
        return;

    CurrentPatient = picker->PickedPatient;
    ClearTrialGrid();
    for (QToolButton* button : GameButtons())
        button->setChecked(false);
    Series1->clear();
    chart->setTitle(QString());
    axisLeft->setTitleText(QString());
    axisBottom->setTitleText(QString());
    CurrentGameType = -1;
    btParam->setEnabled(false);
    btStart->setEnabled(false);
    sgTrials->setEnabled(false);
}

void TfmBalvoroMain::T_NomChange()
{
    bool male = false;
    if (F_Data && F_Data->tPat->Active() && !F_Data->tPat->IsEmpty())
        male = F_Data->tPat->FieldByName(QStringLiteral("SEXE"))->AsString() == QLatin1String("M");
    cbSex->setCurrentIndex(male ? 0 : 1);
}

bool TfmBalvoroMain::cbSexKeyPress(QKeyEvent*)
{
    return true;
}

bool TfmBalvoroMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cbSex &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride))
        return cbSexKeyPress(static_cast<QKeyEvent*>(event));
    return QMainWindow::eventFilter(watched, event);
}

void TfmBalvoroMain::SetPatientTextColor(const QColor& color)
{
    QList<QWidget*> boxes;
    for (TDBEdit* edit : findChildren<TDBEdit*>())
        boxes.append(edit);
    boxes.append(cbSex);
    boxes.append(TM_Note);
    for (QWidget* box : boxes) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Button, Qt::white);
        palette.setColor(QPalette::Text, color);
        palette.setColor(QPalette::ButtonText, color);
        box->setPalette(palette);
    }
}

void TfmBalvoroMain::btVisibleClick()
{
    SetPatientTextColor(btVisible->isChecked() ? Qt::black : Qt::white);
    cbSex->setCurrentIndex(cbSex->currentIndex());
    cbSex->update();
}

// ---------------------------------------------------------------- exercises page

void TfmBalvoroMain::btExerciseClick(QToolButton* button)
{
    const int tag = button->property("tag").toInt();
    if (tag == CurrentGameType) {
        // A game button cannot be raised by clicking it.
        button->setChecked(true);
        return;
    }
    for (QToolButton* other : GameButtons())
        other->setChecked(other == button);
    CurrentGameType = tag;
    LoadTrials();
    btParam->setEnabled(true);
    btStart->setEnabled(PlateConnected);
    sgTrials->setEnabled(true);
}

void TfmBalvoroMain::ClearTrialGrid()
{
    m_loadingTrials = true;
    sgTrials->clearContents();
    sgTrials->setRowCount(1);
    for (int column = 0; column < TrialColumns; ++column)
        sgTrials->setItem(0, column, new QTableWidgetItem);
    m_loadingTrials = false;
}

void TfmBalvoroMain::LoadTrials()
{
    ClearTrialGrid();
    TTable* trials = F_Data->tJeu;
    const bool wasOpen = trials->Active();
    m_loadingTrials = true;
    try {
        trials->Open();
        TField* key = trials->FieldByName(QStringLiteral("PK_JEU"));
        TField* type = trials->FieldByName(QStringLiteral("TYPE"));
        const QList<TField*> shown{trials->FieldByName(QStringLiteral("DATE_JEU")),
                                   trials->FieldByName(QStringLiteral("TIME")),
                                   trials->FieldByName(QStringLiteral("NIVEAU")),
                                   trials->FieldByName(QStringLiteral("SCORE"))};
        int row = 0;
        trials->First();
        while (!trials->Eof()) {
            if (type->AsInteger() == CurrentGameType) {
                if (row >= sgTrials->rowCount())
                    sgTrials->setRowCount(row + 1);
                for (int column = 0; column < TrialColumns; ++column)
                    sgTrials->setItem(row, column, new QTableWidgetItem(shown[column]->AsString()));
                sgTrials->item(row, 0)->setData(TrialKeyRole, key->AsInteger());
                ++row;
            }
            trials->Next();
        }
    } catch (...) {
        if (!wasOpen)
            trials->Close();
        m_loadingTrials = false;
        throw;
    }
    if (!wasOpen)
        trials->Close();
    sgTrials->setCurrentCell(0, 0);
    m_loadingTrials = false;
    sgTrialsDrawCell();
}

void TfmBalvoroMain::DeleteTrial(int n)
{
    if (n < 1 || n >= TrialRowCount())
        return;
    // The trial is found by the key its row was listed with, not by its
    // position: a trial added or removed by another program since the
    // history was read must never make us delete a different one.
    const QTableWidgetItem* first = sgTrials->item(n - 1, 0);
    const QVariant listedKey = first ? first->data(TrialKeyRole) : QVariant();
    if (!listedKey.isValid())
        return;

    TTable* trials = F_Data->tJeu;
    const bool wasOpen = trials->Active();
    try {
        trials->Open();
        TField* key = trials->FieldByName(QStringLiteral("PK_JEU"));
        TField* type = trials->FieldByName(QStringLiteral("TYPE"));
        trials->First();
        while (!trials->Eof()) {
            if (type->AsInteger() == CurrentGameType && key->AsInteger() == listedKey.toInt()) {
                trials->Delete();
                break;
            }
            trials->Next();
        }
    } catch (...) {
        if (!wasOpen)
            trials->Close();
        throw;
    }
    if (!wasOpen)
        trials->Close();
}

void TfmBalvoroMain::btDeleteClick()
{
    if (TrialCell(1, 0).isEmpty())
        return;
    const int row = SelectedTrialRow();
    if (row < 1)
        return;
    if (Confirm()->ShowModal(Msg::tr(Msg::DeleteTrialQuestion)) != TF_Confirm::Yes)
        return;
    DeleteTrial(row);
    LoadTrials();
}

int TfmBalvoroMain::TrialRowCount() const
{
    return sgTrials->rowCount() + 1;
}

QString TfmBalvoroMain::TrialCell(int row, int column) const
{
    if (row == 0) {
        const QTableWidgetItem* title = sgTrials->horizontalHeaderItem(column);
        return title ? title->text() : QString();
    }
    const QTableWidgetItem* item = sgTrials->item(row - 1, column);
    return item ? item->text() : QString();
}

int TfmBalvoroMain::SelectedTrialRow() const
{
    return sgTrials->currentRow() + 1;
}

QList<int> TfmBalvoroMain::ScoresOfLevel(const QString& level) const
{
    QList<int> scores;
    for (int row = 1; row < TrialRowCount(); ++row) {
        if (TrialCell(row, LevelColumn) != level)
            continue;
        const QString text = TrialCell(row, ScoreColumn);
        bool ok = false;
        const int score = text.trimmed().toInt(&ok);
        if (!ok)
            throw EConvertError(Msg::tr(Msg::NotAnInteger).arg(text));
        scores.append(score);
    }
    return scores;
}

QString TfmBalvoroMain::GameWord(int type)
{
    switch (type) {
    case GameType::PingPong:
        return QStringLiteral("Ping Pong ");
    case GameType::Clock:
        return QStringLiteral("Clock ");
    case GameType::Target:
        return QStringLiteral("Target ");
    case GameType::HulaHoop:
        return QStringLiteral("HoolaHoop ");
    case GameType::PacMan:
        return QStringLiteral("PacMan ");
    default:
        return QString();
    }
}

QString TfmBalvoroMain::LeftAxisTitle(int type)
{
    switch (type) {
    case GameType::Clock:
    case GameType::Target:
        return tr("Time") + QStringLiteral(" (s)");
    case GameType::HulaHoop:
        return tr("Surface Area");
    case GameType::PingPong:
    case GameType::PacMan:
        return tr("Score");
    default:
        return QString();
    }
}

void TfmBalvoroMain::sgTrialsDrawCell()
{
    if (CurrentGameType < 0)
        return;
    const int row = SelectedTrialRow();
    const QString level = row >= 1 ? TrialCell(row, LevelColumn) : QString();
    chart->setTitle(GameWord(CurrentGameType) + level);
    axisLeft->setTitleText(LeftAxisTitle(CurrentGameType));
    axisBottom->setTitleText(tr("Trial"));
    Series1->clear();
    if (level.isEmpty())
        return;

    QList<int> scores;
    try {
        scores = ScoresOfLevel(level);
    } catch (const AppError& error) {
        // A score that is no number leaves the chart empty; the grid and
        // the buttons still work.
        ShowMessage(error.message(), MessageKind::Error);
        return;
    }
    if (scores.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(scores.begin(), scores.end());
    if (*low == *high) {
        // One value (or one value repeated): a range around it, so that the
        // line does not sit on the axis.
        axisLeft->setRange(*low - 1, *low + 1);
        axisLeft->setTickCount(3);
    } else {
        axisLeft->setRange(*low, *high);
        axisLeft->applyNiceNumbers();
    }
    const int count = int(scores.size());
    axisBottom->setRange(count == 1 ? 0 : 1, count == 1 ? 2 : count);
    axisBottom->setTickInterval(std::max(1, (count + 9) / 10));
    // A line of one point draws nothing: a lone trial shows as a dot.
    Series1->setPointsVisible(count == 1);

    QList<QPointF> points;
    for (int k = 0; k < count; ++k)
        points.append(QPointF(k + 1, scores[k]));
    Series1->replace(points);
}

void TfmBalvoroMain::btPrintClick()
{
    if (TrialCell(1, 0).isEmpty())
        return;
    m_printHistory(HistoryPrintInput::fromWindow(*sgTrials, T_Nom->text(), T_Prenom->text(),
                                                 CurrentGameType, grHistory));
}

QDialog* TfmBalvoroMain::WindowOfType(const QMap<int, QDialog*>& windows, int type,
                                      const char* missingMessage) const
{
    QDialog* window = windows.value(type);
    if (!window)
        ShowMessage(Msg::tr(missingMessage).arg(GameWord(type).trimmed()), MessageKind::Warning);
    return window;
}

static void filterLevels(int type)
{
    F_Data->tParam->SetFilter(QStringLiteral("TYPE=") + QString::number(type));
    F_Data->tParam->SetFiltered(true);
}

void TfmBalvoroMain::btParamClick()
{
    if (CurrentGameType < 0)
        return;
    filterLevels(CurrentGameType);
    if (QDialog* editor = WindowOfType(m_editors, CurrentGameType, Msg::LevelEditorMissing))
        editor->exec();
}

void TfmBalvoroMain::btStartClick()
{
    if (CurrentGameType < 0 || !PlateConnected)
        return;
    // A game this installation lacks is reported before the patient is put
    // through the initial-position check for nothing.
    QDialog* game = WindowOfType(m_games, CurrentGameType, Msg::GameWindowMissing);
    if (!game)
        return;

    if (!fmInitPos)
        CreateInitPosDialog(nullptr, this);
    if (fmInitPos->ShowModal() != QDialog::Accepted) {
        if (AcqThread)
            AcqThread->StopAcq();
        return;
    }
    filterLevels(CurrentGameType);
    game->exec();
    LoadTrials();
}

// ---------------------------------------------------------------- menus

void TfmBalvoroMain::mnuColorClick()
{
    // The dialog starts from the colour last chosen in it, not from the
    // setting read at start.
    ColorDialog->setCurrentColor(m_lastChosenColor);
    if (ColorDialog->exec() != QDialog::Accepted)
        return;
    m_lastChosenColor = ColorDialog->selectedColor();
    ApplyBackgroundColor(FromQColor(m_lastChosenColor));
}

void TfmBalvoroMain::Language1Click()
{
    const QList<LanguageModule> modules = InstalledLanguageModules(ConfigPath);
    if (modules.isEmpty()) {
        ShowMessage(Msg::tr(Msg::NoDictionaryFiles), MessageKind::Information);
    } else {
        TfmLanguage dialog(modules, Language, this);
        if (dialog.exec() == QDialog::Accepted && dialog.SelectedLanguage() != 0 &&
            SetLanguageResource(ConfigPath, dialog.SelectedLanguage()))
            Language = dialog.SelectedLanguage();
    }

    const QString iniPath = ResolveFileName(ExePath, QStringLiteral("config\\Balvoro.INI"));
    if (QFileInfo(iniPath).isFile()) {
        IniFile(iniPath).writeInteger(QLatin1String(Key::ProgramLanguage.section),
                                      QLatin1String(Key::ProgramLanguage.key), Language);
    }
}
