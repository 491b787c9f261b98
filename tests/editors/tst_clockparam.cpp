// The clock level editor: its controls, the ball ring preview, the ball
// numbers and the PARAM string it shows and builds.

#include "EditorFixture.h"
#include "MessageTable.h"
#include "ModalDriver.h"
#include "TfmColor.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QPushButton>
#include <cmath>

namespace {

const QString identity = QStringLiteral("01020304050607080910111213141516");

// The differential level with eight balls of radius 40 on a circle at
// distance 60, grid and return to centre on, fuchsia target, black numbers
// and red balls.
const QString example =
    identity + QStringLiteral(";1;-1;-1;0;0;0;0;0;10;15;05;40;0;8;60;16711935;0;255");

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

QPoint centreOf(const QWidget* w)
{
    return w->geometry().center();
}

} // namespace

class TestClockParam : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }

    void layoutOffersCounts_data();
    void layoutOffersCounts();
    void ballNumbersAccepted_data();
    void ballNumbersAccepted();
    void speedStored_data();
    void speedStored();
    void previewRing_data();
    void previewRing();
    void previewFollowsChoices();
    void randomDisablesNumbers();
    void paramRoundTrip_data();
    void paramRoundTrip();
    void colourButtons_data();
    void colourButtons();
    void characterPicture();
    void previewBackground();

private:
    QTemporaryDir m_home;
};

void TestClockParam::layoutOffersCounts_data()
{
    QTest::addColumn<QStringList>("layouts");
    QTest::addColumn<QStringList>("counts");
    QTest::newRow("circle") << QStringList{"Circle"} << QStringList{"4", "8", "12", "16"};
    QTest::newRow("left quarter") << QStringList{"1/4 Circle to the left"} << QStringList{"3", "5"};
    QTest::newRow("front quarter")
        << QStringList{"1/4 Circle to the front"} << QStringList{"3", "5"};
    QTest::newRow("quarter, then circle")
        << QStringList{"1/4 Circle to the left", "Circle"} << QStringList{"4", "8", "12", "16"};
}

void TestClockParam::layoutOffersCounts()
{
    QFETCH(QStringList, layouts);
    QFETCH(QStringList, counts);
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    for (const QString& layout : layouts) {
        if (e.cbBallNb->count() > 0) {
            e.cbBallNb->setCurrentIndex(0);
        }
        Choose(e.cbTypeJeu, layout);
        // The count is to be chosen again for the new layout.
        QCOMPARE(e.cbBallNb->currentText(), QString());
    }
    QStringList offered;
    for (int i = 0; i < e.cbBallNb->count(); ++i)
        offered << e.cbBallNb->itemText(i);
    QCOMPARE(offered, counts);
}

void TestClockParam::ballNumbersAccepted_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("random");
    QTest::addColumn<QStringList>("typed");   // edits 1.. in turn
    QTest::addColumn<QString>("storedStart"); // beginning of field 1
    QTest::newRow("five balls in any order, hidden edits anything")
        << "1/4 Circle to the right"
        << "5" << false << QStringList{"3", "5", "1", "4", "2", "9", "9", "", "0"}
        << "0305010402090900";
    QTest::newRow("a one-digit number is stored with its zero")
        << "Circle"
        << "4" << false << QStringList{"4", "3", "2", "1"} << "04030201";
    QTest::newRow("random numbers are not checked but stored")
        << "Circle"
        << "4" << true << QStringList{"2", "2", "", "7"} << "02020007";
}

void TestClockParam::ballNumbersAccepted()
{
    QFETCH(QString, layout);
    QFETCH(QString, count);
    QFETCH(bool, random);
    QFETCH(QStringList, typed);
    QFETCH(QString, storedStart);
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("Numbers"));
    Choose(e.cbTypeJeu, layout);
    Choose(e.cbBallNb, count);
    if (random)
        e.cbRandom->click();
    for (int k = 0; k < typed.size(); ++k)
        e.NumBall[k]->setText(typed[k]);
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    const QString param = f.storedParam(1, QStringLiteral("Numbers"));
    const QString numbers = param.section(QLatin1Char(';'), 0, 0);
    QCOMPARE(numbers.size(), 32);
    QVERIFY2(numbers.startsWith(storedStart), qPrintable(numbers));
    // The edits show what was stored.
    for (int k = 0; k < Clock::MaxBalls; ++k)
        QCOMPARE(e.NumBall[k]->text(), numbers.mid(2 * k, 2));
    // The game can play what was stored.
    Clock::TConfig level;
    QString error;
    QVERIFY2(Clock::Decode(LevelRow{"Numbers", param, QString()}, level, &error),
             qPrintable(error));
}

void TestClockParam::speedStored_data()
{
    QTest::addColumn<QString>("movement");
    QTest::addColumn<bool>("speedShown");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("absolute: hidden box stores 10") << "Absolute" << false << "02"
                                                    << "10";
    QTest::newRow("absolute trailing") << "Absolute & Trailing effect" << false << ""
                                       << "10";
    QTest::newRow("differential: chosen speed as shown") << "Differential" << true << "05"
                                                         << "05";
    QTest::newRow("differential trailing: typed") << "Differential & Trailing effect" << true << "7"
                                                  << "7";
}

void TestClockParam::speedStored()
{
    QFETCH(QString, movement);
    QFETCH(bool, speedShown);
    QFETCH(QString, speed);
    QFETCH(QString, stored);
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("Speed"));
    Choose(e.cbMovement, QStringLiteral("Differential"));
    TypeInto(e.cbSpeed, speed);
    Choose(e.cbMovement, movement);
    QCOMPARE(e.cbSpeed->isVisible(), speedShown);
    QCOMPARE(e.findChild<QLabel*>("lSpeed")->isVisible(), speedShown);
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(f.storedParam(1, QStringLiteral("Speed")).section(QLatin1Char(';'), 11, 11), stored);
}

void TestClockParam::previewRing_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("dist");
    QTest::addColumn<QList<QPoint>>("directions"); // unit steps of each ball from the centre
    QTest::newRow("circle of 8 at 50")
        << 0 << 8 << 50
        << QList<QPoint>{{1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}, {1, 0}};
    QTest::newRow("circle of 4: below, left, above, right")
        << 0 << 4 << 20 << QList<QPoint>{{0, 1}, {-1, 0}, {0, -1}, {1, 0}};
    QTest::newRow("front quarter of 3: ball 2 straight above")
        << 1 << 3 << 100 << QList<QPoint>{{-1, -1}, {0, -1}, {1, -1}};
    QTest::newRow("left quarter of 3") << 3 << 3 << 70 << QList<QPoint>{{-1, 1}, {-1, 0}, {-1, -1}};
}

void TestClockParam::previewRing()
{
    QFETCH(int, layout);
    QFETCH(int, count);
    QFETCH(int, dist);
    QFETCH(QList<QPoint>, directions);
    EditorFixture f;
    TfmClockParam& e = f.open();
    e.PlaceBalls(layout, count, dist);
    QCOMPARE(e.pSurface->size(), QSize(244, 244));
    const QPoint centre(122, 122);
    for (int k = 0; k < Clock::MaxBalls; ++k) {
        QCOMPARE(e.ball[k]->isVisibleTo(e.pSurface), k < count);
        QCOMPARE(e.NumBall[k]->isVisibleTo(e.pSurface), k < count);
        if (k >= count)
            continue;
        QCOMPARE(e.ball[k]->size(), QSize(33, 33));
        const QPoint offset = centreOf(e.ball[k]) - centre;
        // Every centre stands at distance + 10 from the panel's centre.
        const double radius = std::hypot(offset.x(), offset.y());
        QVERIFY2(std::abs(radius - (dist + 10)) <= 1.5,
                 qPrintable(QStringLiteral("ball %1 at %2").arg(k + 1).arg(radius)));
        const QPoint direction(offset.x() > 2    ? 1
                               : offset.x() < -2 ? -1
                                                 : 0,
                               offset.y() > 2    ? 1
                               : offset.y() < -2 ? -1
                                                 : 0);
        QCOMPARE(direction, directions[k]);
        // The number edit sits centred on its ball.
        QCOMPARE(e.NumBall[k]->size(), QSize(24, 24));
        QCOMPARE(e.NumBall[k]->pos(), e.ball[k]->pos() + QPoint(4, 4));
    }
}

void TestClockParam::previewFollowsChoices()
{
    EditorFixture f;
    TfmClockParam& e = f.open();
    // Nothing chosen yet: no ball is shown.
    for (int k = 0; k < Clock::MaxBalls; ++k)
        QVERIFY(!e.ball[k]->isVisibleTo(e.pSurface));
    click(e.B_New);
    Choose(e.cbTypeJeu, QStringLiteral("Circle"));
    Choose(e.cbBallNb, QStringLiteral("8"));
    QVERIFY(!e.ball[0]->isVisibleTo(e.pSurface)); // no distance yet
    TypeInto(e.cbDist, QStringLiteral("50"));
    QVERIFY(e.ball[7]->isVisibleTo(e.pSurface));
    QVERIFY(!e.ball[8]->isVisibleTo(e.pSurface));
    QCOMPARE(centreOf(e.ball[7]), QPoint(122 + 60, 122));
    Choose(e.cbDist, QStringLiteral("100"));
    QCOMPARE(centreOf(e.ball[7]), QPoint(122 + 110, 122));
    Choose(e.cbBallNb, QStringLiteral("12"));
    QVERIFY(e.ball[11]->isVisibleTo(e.pSurface));
    QCOMPARE(f.messages.texts(), QStringList());
    // A distance that is no whole number cannot be laid out: reported.
    TypeInto(e.cbDist, QStringLiteral("5."));
    QCOMPARE(f.messages.texts(), QStringList{Msg::tr(Msg::NotAnInteger).arg("5.")});
}

void TestClockParam::randomDisablesNumbers()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Fixed"), example);
    f.fx.addLevel(1, QStringLiteral("Random"),
                  QString(example).replace(";0;0;0;0;0;10;", ";0;0;0;-1;0;10;"));
    TfmClockParam& e = f.open();
    QVERIFY(!e.cbRandom->isChecked());
    QVERIFY(e.NumBall[0]->isEnabledTo(e.pSurface));
    F_Data->tParam->Next();
    QCOMPARE(e.T_Code->text(), QStringLiteral("Random"));
    QVERIFY(e.cbRandom->isChecked());
    for (QLineEdit* edit : e.NumBall)
        QVERIFY(!edit->isEnabledTo(e.pSurface));
    click(e.B_Modif);
    e.cbRandom->click();
    QVERIFY(e.NumBall[0]->isEnabledTo(e.pSurface));
    // The hidden visibility box runs the same handler.
    e.cbRandom->blockSignals(true);
    e.cbRandom->setChecked(true);
    e.cbRandom->blockSignals(false);
    QVERIFY(e.NumBall[0]->isEnabledTo(e.pSurface));
    e.cbVisible->setChecked(true);
    QVERIFY(!e.NumBall[0]->isEnabledTo(e.pSurface));
}

void TestClockParam::paramRoundTrip_data()
{
    QTest::addColumn<QString>("param");
    QTest::newRow("example level") << example;
    QTest::newRow("absolute, four balls")
        << identity + ";0;0;0;0;0;0;0;0;10;15;10;20;0;4;20;16711935;0;32768";
    QTest::newRow("quarter, reversed numbers, every flag")
        << "05040302010607080910111213141516"
           ";3;-1;-1;-1;-1;-1;0;-1;5;40;20;50;4;5;100;65535;16777215;128";
    QTest::newRow("random, twelve balls, system colour")
        << identity + ";2;0;-1;0;0;0;-1;0;10;20;10;30;0;12;90;255;-16777201;16711680";
}

void TestClockParam::paramRoundTrip()
{
    QFETCH(QString, param);
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Level"), param);
    TfmClockParam& e = f.open();
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(e.BuildParam(), param);
    // Modify and Validate without a change store the same string, except
    // that the hidden boxes get their value of "10" on the way.
    click(e.B_Modif);
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    QStringList fields = param.split(';');
    fields[Clock::Field::Chenille - 1] = "10";
    if (!e.cbSpeed->isVisible())
        fields[Clock::Field::Speed - 1] = "10";
    QCOMPARE(f.storedParam(1, QStringLiteral("Level")), fields.join(';'));
    QCOMPARE(e.cbSpeed->isVisible(),
             param.section(';', 1, 1) == "1" || param.section(';', 1, 1) == "3");
}

void TestClockParam::colourButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<uint>("expected");
    QTest::newRow("target colour from the picker") << "btTargetColor"
                                                   << "eTargetColor" << true << 255u;
    QTest::newRow("ball colour from the picker") << "btBallColor"
                                                 << "eBallColor" << true << 255u;
    QTest::newRow("picker cancelled") << "btBallColor"
                                      << "eBallColor" << false << 32768u;
    QTest::newRow("number colour from the colour dialog") << "btNumberColor"
                                                          << "eNbColor" << true << 0x204080u;
    QTest::newRow("colour dialog cancelled") << "btNumberColor"
                                             << "eNbColor" << false << 0u;
}

void TestClockParam::colourButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(bool, confirm);
    QFETCH(uint, expected);
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    WhenModalShown([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QColorDialog*>(modal)) {
            dialog->setCurrentColor(QColor(0x80, 0x40, 0x20));
            confirm ? dialog->accept() : dialog->reject();
            return;
        }
        QTest::mouseClick(modal->findChild<QWidget*>("pColor5"), Qt::LeftButton); // red
        QTest::mouseClick(modal->findChild<QPushButton*>(confirm ? "btOk" : "btCancel"),
                          Qt::LeftButton);
    });
    click(e.findChild<QPushButton*>(button));
    QCOMPARE(e.findChild<TColorBox*>(box)->Color(), TColor(expected));

    // A button with another tag chooses no box and opens nothing.
    bool opened = false;
    WhenModalShown(
        [&](QWidget* modal) {
            opened = true;
            modal->close();
        },
        5);
    QPushButton other;
    other.setProperty("tag", 3);
    e.btColorClick(&other);
    QTest::qWait(100);
    QVERIFY(!opened);
}

void TestClockParam::characterPicture()
{
    EditorFixture f;
    f.fx.inst.write(QStringLiteral("hero.bmp"), "BM");
    TfmClockParam& e = f.open();
    QVERIFY(!e.btPers->isVisibleTo(&e));
    QVERIFY(!e.T_Personnage->isVisibleTo(&e));
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("With hero"));
    QString title, folder, filter;
    WhenModalShown([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        filter = dialog->nameFilters().join('|');
        dialog->selectFile(f.fx.inst.filePath("hero.bmp"));
        // accept() takes the typed name as a person's Open does; done() would read the
        // view's selection, which the folder listing fills only later.
        static_cast<QDialog*>(dialog)->accept();
        // A dialog that did not take the answer must not hold the test.
        QTimer::singleShot(1000, dialog, [dialog] {
            if (dialog->isVisible())
                static_cast<QDialog*>(dialog)->reject();
        });
    });
    e.btPersClick();
    QCOMPARE(title, QStringLiteral("Choix du personnage"));
    QCOMPARE(folder, QDir(f.fx.inst.path()).absolutePath());
    QCOMPARE(filter, QStringLiteral("Bitmaps (*.bmp)"));
    QCOMPARE(e.T_Personnage->text(), f.fx.inst.filePath("hero.bmp"));
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(f.fx.exec("SELECT FICHIER FROM ParamJeu WHERE NIVEAU='With hero'").toString(),
             f.fx.inst.filePath("hero.bmp"));
    e.close();
    QCOMPARE(Clock::Configs.At(0)->Fichier, f.fx.inst.filePath("hero.bmp"));
}

void TestClockParam::previewBackground()
{
    EditorFixture f;
    BackGround_Color = 0x00FFFF; // yellow
    TfmClockParam& e = f.open(false);
    e.show();
    QCOMPARE(e.pSurface->palette().color(QPalette::Window), QColor(Qt::yellow));
    e.close();
    BackGround_Color = 16711680; // blue, at the next showing
    F_Data->tParam->SetFilter(QStringLiteral("TYPE=1"));
    e.show();
    QCOMPARE(e.pSurface->palette().color(QPalette::Window), QColor(Qt::blue));
    // Without the ball picture of the installation the circles are painted.
    QVERIFY(!e.ball[0]->HasPicture());
    QPixmap maroon(33, 33);
    maroon.fill(QColor(128, 0, 0));
    QVERIFY(maroon.save(f.fx.inst.filePath("Config/Balle_Marron.bmp")));
    e.close();
    e.show();
    QVERIFY(e.ball[0]->HasPicture());
    QCOMPARE(f.messages.texts(), QStringList());
}

QTEST_MAIN(TestClockParam)
#include "tst_clockparam.moc"
