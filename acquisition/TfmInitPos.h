#pragma once
// The initial-position check: samples the CoG while the patient stands still
// on the plate, shows it live and, on Save, keeps it as InitX, InitY (see
// SurfaceMapping.h) for the game about to start.
//
//   ShowModal: StartAcq, Timer1 on (150 ms), exec()
//   Timer1Timer: InitX, InitY := CgX, CgY; Label1 shows them
//   Save:   StopAcq, Timer1 off; Accepted, or Rejected with a message when
//           a coordinate is 0 (no sample)
//   Cancel: Rejected; sampling goes on, the caller stops it

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;
class TAcqCgPodo;

class TfmInitPos : public QDialog
{
    Q_OBJECT
public:
    // `acquisition` is the thread to sample with; null means the program's
    // AcqThread, looked up at each use.
    explicit TfmInitPos(TAcqCgPodo* acquisition = nullptr, QWidget* parent = nullptr);

    // QDialog::Accepted when the position was saved, QDialog::Rejected
    // otherwise.
    int ShowModal();

    // "X:%5.1f - Y:%5.1f" with the default locale's decimal separator.
    static QString PositionText(double x, double y);

public slots:
    void Timer1Timer();
    void BitBtn1Click();
    void done(int result) override;

private:
    TAcqCgPodo* acquisition() const;
    void FormCreate();

    TAcqCgPodo* m_acquisition;
    QLabel* lText;
    QLabel* Label1;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QTimer* Timer1;
};

// The one dialog of the run, created at start-up after the main window.
extern TfmInitPos* fmInitPos;
void CreateInitPosDialog(TAcqCgPodo* acquisition = nullptr, QWidget* parent = nullptr);
void DestroyInitPosDialog();
