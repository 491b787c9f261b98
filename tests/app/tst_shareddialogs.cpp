// The confirmation dialog, the six-colour picker and the background colour.

#include "Application.h"
#include "MessageCapture.h"
#include "ModalDriver.h"
#include "Playfields.h"
#include "TF_Confirm.h"
#include "TestInstallation.h"
#include "TfmColor.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestSharedDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { DefineReset(); }

    void confirmAnswers_data();
    void confirmAnswers();
    void confirmWrapsLongMessage();
    void confirmQueuedAnswer();

    void pickColors_data();
    void pickColors();
    void pickedColorKeptBetweenShowings();

    void backgroundColor_data();
    void backgroundColor();
};

void TestSharedDialogs::confirmAnswers_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter is Yes") << "enter" << 1;
    QTest::newRow("Escape is No") << "escape" << 2;
    QTest::newRow("Yes button") << "btnOk" << 1;
    QTest::newRow("No button") << "btnCancel" << 2;
}

void TestSharedDialogs::confirmAnswers()
{
    QFETCH(QString, action);
    TF_Confirm dialog;
    WhenModalShown([action](QWidget* modal) {
        if (action == QLatin1String("enter"))
            QTest::keyClick(modal, Qt::Key_Return);
        else if (action == QLatin1String("escape"))
            QTest::keyClick(modal, Qt::Key_Escape);
        else
            QTest::mouseClick(modal->findChild<QPushButton*>(action), Qt::LeftButton);
    });
    QTEST(dialog.ShowModal(QStringLiteral("Do you want to play again ?")), "answer");
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labMsg"))->text(),
             QStringLiteral("Do you want to play again ?"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Confirmation..."));
}

void TestSharedDialogs::confirmWrapsLongMessage()
{
    TF_Confirm dialog;
    const QString longMessage =
        QStringLiteral("Do you really want to delete ") + QString(200, QLatin1Char('x')) +
        QStringLiteral(" level with a very long name that goes on and on ?");
    int width = 0;
    WhenModalShown([&width](QWidget* modal) {
        width = modal->width();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.ShowModal(longMessage), 2);
    QCOMPARE(width, 360);
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("labMsg"))->wordWrap());
}

void TestSharedDialogs::confirmQueuedAnswer()
{
    TF_Confirm::QueueAnswer(2);
    TF_Confirm::QueueAnswer(1);
    QCOMPARE(Confirm()->ShowModal(QStringLiteral("first ?")), 2);
    QCOMPARE(Confirm()->ShowModal(QStringLiteral("second ?")), 1);
    QCOMPARE(TF_Confirm::TakeAskedQuestions(),
             (QStringList{QStringLiteral("first ?"), QStringLiteral("second ?")}));
}

void TestSharedDialogs::pickColors_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("result");
    QTest::addColumn<quint32>("color");
    QTest::newRow("red then yellow") << QList<int>{5, 4} << true << 4 << int(QDialog::Accepted)
                                     << 65535u;
    QTest::newRow("blue") << QList<int>{0} << true << 0 << int(QDialog::Accepted) << 16711680u;
    QTest::newRow("maroon twice") << QList<int>{1, 1} << true << 1 << int(QDialog::Accepted)
                                  << 128u;
    QTest::newRow("cancel after fuchsia")
        << QList<int>{2} << false << 2 << int(QDialog::Rejected) << 16711935u;
}

void TestSharedDialogs::pickColors()
{
    QFETCH(QList<int>, clicks);
    QFETCH(bool, ok);
    QFETCH(int, pressed);
    TfmColor picker;
    QList<int> pressedTags;
    WhenModalShown([&](QWidget* modal) {
        for (int tag : clicks)
            QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("pColor%1").arg(tag)),
                              Qt::LeftButton);
        for (int tag = 0; tag < TfmColor::PanelCount; ++tag) {
            if (picker.panel(tag)->isPressed())
                pressedTags << tag;
        }
        QTest::mouseClick(
            modal->findChild<QPushButton*>(ok ? QStringLiteral("btOk") : QStringLiteral("btCancel")),
            Qt::LeftButton);
    });
    QTEST(picker.exec(), "result");
    QCOMPARE(pressedTags, QList<int>{pressed});
    QCOMPARE(picker.PickedIndex, pressed);
    QTEST(quint32(picker.PickedColor), "color");
}

void TestSharedDialogs::pickedColorKeptBetweenShowings()
{
    TfmColor picker;
    QCOMPARE(picker.PickedColor, TColor(0)); // black before the first click ever
    QCOMPARE(ColorToName(picker.PickedColor), QStringLiteral("Bleu"));
    WhenModalShown([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("pColor3")), Qt::LeftButton);
        QTest::keyClick(modal, Qt::Key_Return);
    });
    QCOMPARE(picker.exec(), int(QDialog::Accepted));
    bool anyPressed = true;
    WhenModalShown([&](QWidget* modal) {
        anyPressed = false;
        for (int tag = 0; tag < TfmColor::PanelCount; ++tag)
            anyPressed = anyPressed || picker.panel(tag)->isPressed();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    QCOMPARE(picker.exec(), int(QDialog::Accepted));
    QVERIFY(!anyPressed);
    QCOMPARE(picker.PickedIndex, -1);
    QCOMPARE(picker.PickedColor, TColor(32768));
}

void TestSharedDialogs::backgroundColor_data()
{
    QTest::addColumn<bool>("iniPresent");
    QTest::newRow("ini present") << true;
    QTest::newRow("ini missing") << false;
}

void TestSharedDialogs::backgroundColor()
{
    QFETCH(bool, iniPresent);
    TestInstallation inst;
    if (iniPresent)
        inst.write(QStringLiteral("Config/Balvoro.ini"),
                   "[General]\r\nrefresh=25\r\nBackGround_Color=0\r\n[Sensibilite]\r\nDeltaX=8\r\n");
    {
        MessageCapture startup;
        DefineModuleStart(inst.path());
    }
    QWidget playfield;
    auto* gone = new QWidget;
    RegisterPlayfield(&playfield);
    RegisterPlayfield(gone);
    delete gone; // a destroyed playfield is simply forgotten

    MessageCapture messages;
    ApplyBackgroundColor(255);
    QCOMPARE(BackGround_Color, TColor(255));
    QCOMPARE(playfield.palette().color(QPalette::Window), QColor(Qt::red));
    if (iniPresent) {
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(inst.read(QStringLiteral("Config/Balvoro.ini")),
                 QByteArray("[General]\r\nrefresh=25\r\nBackGround_Color=255\r\n[Sensibilite]\r\n"
                            "DeltaX=8\r\n"));
    } else {
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Problems with the configuration : file missing ") +
                             inst.path() + QStringLiteral("/Config/Balvoro.ini")});
        QVERIFY(!QFileInfo::exists(inst.filePath(QStringLiteral("Config/Balvoro.ini"))));
    }
}

int main(int argc, char** argv)
{
    VelunorApplication app(argc, argv);
    TestSharedDialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shareddialogs.moc"
