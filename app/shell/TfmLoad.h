#pragma once
// The patient picker "Loading": the patients of the patient table and, for
// the patient clicked, that patient's trials. Its grids work on the data
// module's shared tables, so moving in the list moves the patient table for
// every window; OK hands the clicked patient's key to the main window.

#include <QDialog>

class QPushButton;
class TDBEdit;
class TDBGrid;

class TfmLoad : public QDialog
{
    Q_OBJECT
public:
    explicit TfmLoad(QWidget* parent = nullptr);

    // The key of the patient clicked since the picker opened; -1 for none.
    qint32 PickedPatient = -1;

    TDBGrid* dbgPatient;
    TDBEdit* dbeName;
    TDBGrid* dbgGame;
    QPushButton* bOk;
    QPushButton* bCancel;

public slots:
    void dbgPatientCellClick();
    // FormClose runs here, whatever closes the picker (buttons, Escape).
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    void FormShow();
    void FormClose(int result);
};

extern TfmLoad* fmLoad;
// The picker of the run, created on first use when start-up has not made it.
TfmLoad* PatientPicker(QWidget* parent = nullptr);
