#pragma once
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

// The splash window shown while the program loads; it stays as the About
// window afterwards.
class TF_About : public QDialog
{
    Q_OBJECT
public:
    explicit TF_About(QWidget* parent = nullptr);

    // Adds `amount` to the progress gauge.
    void ProgressStep(int amount);
    int Progress() const;
    // Loading is over: the OK button replaces the gauge and the wait text.
    void LoadingDone();

    static QString ApplicationTitle(); // "Velunor", or "Mirado" with that branding
    static QPixmap ProductPicture(bool mirado);

private:
    void FormCreate();
    void btnCloseClick();

    QLabel* imVelunor;
    QLabel* imMirado;
    QLabel* lVersion;
    QLabel* dllVersion;
    QLabel* lbPlate;
    QProgressBar* pBar;
    QLabel* labWait;
    QPushButton* btnClose;
};

extern TF_About* F_About;
