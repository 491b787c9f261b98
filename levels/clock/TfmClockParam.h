#pragma once
// The clock level editor "Parameters of Clock": the level frame for game
// type 1 with the clock's parameter controls and a live preview of the ring
// of balls. It rebuilds Clock::Configs, the list the clock game plays from.

#include "TLevelEditor.h"
#include "clock/ClockLevel.h"

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class TfmClockParam;
}

// One circle of the preview: a fixed 33 x 33 ball in maroon. It shows the
// maroon ball picture of the installation when there is one, cut to the
// circle, and a painted disc otherwise.
class TBallShape : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Size = 33;
    explicit TBallShape(QWidget* parent = nullptr);
    void SetPicture(const QPixmap& picture);
    bool HasPicture() const { return !m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

class TfmClockParam : public TLevelEditor
{
    Q_OBJECT
public:
    explicit TfmClockParam(QWidget* parent = nullptr);
    ~TfmClockParam() override;

    QString BuildParam() override;

    // PlaceBalls of the clock on this window: the ring stands at distance
    // + 10 pixels around the centre of pSurface.
    void PlaceBalls(std::int32_t layout, int count, std::int32_t dist);
    // True when the shown numbers are 1..N once each (or Random is set).
    bool CheckBallNumbers() const;
    // Field 1 from the sixteen number edits, each made two characters long.
    QString NumbersToString();
    // The number edits from field 1: two characters each.
    void StringToNumbers(const QString& S);

    // Handlers.
    void cbTypeJeuChange();
    void cbDistChange(); // also run by a change of cbBallNb
    void cbMovementChange();
    void cbRandomClick(); // also run by cbVisible
    void btColorClick(QObject* Sender);
    void btNumberColorClick();

    // Controls (objectName as named here).
    QGroupBox* gbParam;
    QComboBox* cbMovement;
    QComboBox* cbTypeJeu;
    QComboBox* cbBallNb;
    QComboBox* cbDist;
    QComboBox* cbBallSize;
    QComboBox* cbSpeed;
    QLabel* lSpeed;
    QCheckBox* cbGrid;
    QCheckBox* cbCenter;
    QCheckBox* cbRandom;
    TColorBox* eBallColor;
    TColorBox* eTargetColor;
    TColorBox* eNbColor;
    QPushButton* btBallColor;
    QPushButton* btTargetColor;
    QPushButton* btNumberColor;
    QCheckBox* cbDiag;
    QCheckBox* cbCible;
    QCheckBox* cbSon;
    QCheckBox* cbVisible;
    QComboBox* cbChenille;
    QComboBox* cbPersSize;
    QPushButton* btPers;
    QFrame* pSurface;
    std::array<TBallShape*, Clock::MaxBalls> ball{};
    std::array<QLineEdit*, Clock::MaxBalls> NumBall{};

protected:
    void PrepareForm() override;
    void PrepareShow() override;
    void ShowParam(const QString& param) override;
    void ApplyNewDefaults() override;
    void FillHiddenBoxes() override;
    bool CheckParams() override;
    void RebuildLevelList(const QList<LevelRow>& rows) override;

private:
    // The preview of step "cbDistChange": laid out when a layout, a count
    // and a distance are chosen. Throws EConvertError for a count or a
    // distance that is no whole number.
    void LayOutPreview();
    void HidePreview();
    int ShownBallCount() const;

    std::unique_ptr<Ui::TfmClockParam> ui;
};

extern TfmClockParam* fmClockParam;
