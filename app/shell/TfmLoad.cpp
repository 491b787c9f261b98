#include "TfmLoad.h"

#include "DBControls.h"
#include "Data.h"
#include "Define.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TfmLoad* fmLoad = nullptr;

namespace {

void paintGrid(TDBGrid* grid, const QColor& color)
{
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, color);
    grid->setPalette(palette);
}

void filterTrials(const QString& key)
{
    F_Data->tJeu->SetFilter(QStringLiteral("FK_PAT=") + key);
    F_Data->tJeu->SetFiltered(true);
}

} // namespace

TfmLoad::TfmLoad(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmLoad"));
    setWindowTitle(tr("Loading"));
    setModal(true);
    resize(680, 420);

    dbgPatient = new TDBGrid(this);
    dbgPatient->setObjectName(QStringLiteral("dbgPatient"));
    paintGrid(dbgPatient, QColor(0xC0, 0xC0, 0xC0)); // silver
    dbgPatient->AddColumn(QStringLiteral("NOM"), tr("NAME"), 150);
    dbgPatient->AddColumn(QStringLiteral("PRENOM"), tr("FIRST NAME"), 150);
    dbgPatient->AddColumn(QStringLiteral("PK_PAT"), QStringLiteral("PK_PAT"), 0);

    // Carries the key of the row the patient grid is on; the picker reads
    // the key from here, as the grid shows no key column.
    dbeName = new TDBEdit(this);
    dbeName->setObjectName(QStringLiteral("dbeName"));
    dbeName->setReadOnly(true);
    dbeName->setVisible(false);

    dbgGame = new TDBGrid(this);
    dbgGame->setObjectName(QStringLiteral("dbgGame"));
    paintGrid(dbgGame, QColor(0xC0, 0xDC, 0xC0)); // light green
    dbgGame->AddColumn(QStringLiteral("DATE_JEU"), tr("DATE"), 90);
    dbgGame->AddColumn(QStringLiteral("TIME"), tr("TIME"), 75);
    dbgGame->AddColumn(QStringLiteral("TYPE"), tr("TYPE"), 45);

    if (F_Data) {
        dbgPatient->SetDataSource(F_Data->sPat);
        dbeName->SetDataSource(F_Data->sPat);
        dbgGame->SetDataSource(F_Data->sJeu);
    }
    dbeName->SetDataField(QStringLiteral("pk_pat"));

    bOk = new QPushButton(tr("&OK"), this);
    bOk->setObjectName(QStringLiteral("bOk"));
    bOk->setDefault(true);
    bCancel = new QPushButton(tr("&Cancel"), this);
    bCancel->setObjectName(QStringLiteral("bCancel"));
    connect(bOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(bCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(dbgPatient, &TDBGrid::CellClick, this, &TfmLoad::dbgPatientCellClick);

    auto* grids = new QHBoxLayout;
    grids->addWidget(dbgPatient, 1);
    grids->addWidget(dbgGame, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bOk);
    buttons->addWidget(bCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grids);
    layout->addWidget(dbeName);
    layout->addLayout(buttons);
}

void TfmLoad::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TfmLoad::FormShow()
{
    F_Data->tJeu->Open();
    // Replaces the key of the row that is current at opening, so that only
    // a click on a row (which shows that row's key again) picks a patient.
    dbeName->setText(QStringLiteral("-1"));
    PickedPatient = -1;
    filterTrials(dbeName->text());
}

void TfmLoad::dbgPatientCellClick()
{
    const QString key = dbeName->text();
    if (key.isEmpty())
        return;
    filterTrials(key);
    PickedPatient = key.toInt();
}

void TfmLoad::done(int result)
{
    FormClose(result);
    QDialog::done(result);
}

void TfmLoad::FormClose(int result)
{
    if (!F_Data)
        return;
    F_Data->tJeu->Close();
    // The patient table is shared with the main window: leave it on the
    // patient the main window goes on with, and the trial filter on that
    // patient, whatever row the user moved to in the list.
    const bool picked = result == QDialog::Accepted && PickedPatient != -1;
    const int patient = picked ? PickedPatient : CurrentPatient;
    if (F_Data->tPat->Active())
        F_Data->tPat->Locate(QStringLiteral("PK_PAT"), patient);
    filterTrials(QString::number(patient));
}

TfmLoad* PatientPicker(QWidget* parent)
{
    if (!fmLoad) {
        fmLoad = new TfmLoad(parent);
        QObject::connect(fmLoad, &QObject::destroyed, [] { fmLoad = nullptr; });
    }
    return fmLoad;
}
