// The level editor frame, with the clock editor as its concrete editor, on a
// real level table: browse and edit modes, New / Modify / Validate / Cancel /
// Delete, closing, the level list and the key filters.

#include "EditorFixture.h"
#include "LevelList.h"
#include "MessageTable.h"
#include "ModalDriver.h"
#include "clock/ClockLevel.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <functional>

using EditorStep = std::function<void(TfmClockParam&)>;
Q_DECLARE_METATYPE(EditorStep)

namespace {

const QString identity = QStringLiteral("01020304050607080910111213141516");

// A clock level of four balls in the editor's form.
QString fourBalls(int dist = 50)
{
    return ClockParam(
        identity, QStringLiteral("0;0;0;0;0;0;0;0;10;15;10;30;0;4;%1;16711935;0;32768").arg(dist));
}

void click(QAbstractButton* button)
{
    QVERIFY2(button->isEnabled(), qPrintable(button->objectName() + " is disabled"));
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestLevelEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }

    void startsInBrowseMode();
    void newValidateWritesTypeAndParam();
    void validateRefused_data();
    void validateRefused();
    void duplicateNameStaysPending_data();
    void duplicateNameStaysPending();
    void sameNameInAnotherGame();
    void deleteAsks_data();
    void deleteAsks();
    void emptyLevelList();
    void startRefusedOnClosedTable_data();
    void startRefusedOnClosedTable();
    void closeRefusedInEditMode();
    void levelListRebuiltOnClose();
    void undecodableRowLeftOut();
    void undecodableRowShownUpToItsFault();
    void levelTwoHundredFiftySixRefused();
    void browsingShowsEachRow();
    void keyFilters_data();
    void keyFilters();
    void numberBoxRefusesPasteAndControlKeys();
    void otherFilterIsReplacedOnShow();

private:
    QTemporaryDir m_home;
};

void TestLevelEditor::startsInBrowseMode()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls());
    TfmClockParam& e = f.open();
    QCOMPARE(e.windowTitle(), QStringLiteral("Parameters of Clock"));
    QVERIFY(!e.EditMode());
    QVERIFY(!e.B_OK->isEnabled());
    QVERIFY(!e.B_Cancel->isEnabled());
    QVERIFY(!e.ParamContainer()->isEnabled());
    QVERIFY(e.dbgCode->isEnabled() && e.B_New->isEnabled() && e.B_Modif->isEnabled() &&
            e.B_Del->isEnabled());
    QCOMPARE(e.ParamContainer()->objectName(), QStringLiteral("gbParam"));
    QCOMPARE(e.B_Del->toolTip(), QStringLiteral("Delete"));
    QCOMPARE(e.dbgCode->GridModel()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("Level"));
    QCOMPARE(e.T_Code->text(), QStringLiteral("Easy"));
    // FormShow showed the current row.
    QCOMPARE(e.cbDist->currentText(), QStringLiteral("50"));
    QCOMPARE(F_Data->tParam->Filter(), QStringLiteral("TYPE=1"));
    QCOMPARE(f.messages.texts(), QStringList());
}

void TestLevelEditor::newValidateWritesTypeAndParam()
{
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    QVERIFY(e.EditMode());
    QVERIFY(e.ParamContainer()->isEnabled());
    QVERIFY(!e.dbgCode->isEnabled() && !e.B_New->isEnabled() && !e.B_Del->isEnabled());
    QCOMPARE(e.cbPersSize->currentText(), QStringLiteral("15"));
    FillClockLevel(e, QStringLiteral("Four balls"));
    click(e.B_OK);

    QCOMPARE(f.messages.texts(), QStringList());
    QVERIFY(!e.EditMode());
    QCOMPARE(f.levelRows(1), 1);
    Clock::TConfig level;
    QString error;
    QVERIFY2(Clock::Decode(LevelRow{QStringLiteral("Four balls"),
                                    f.storedParam(1, QStringLiteral("Four balls")), QString()},
                           level, &error),
             qPrintable(error));
    QCOMPARE(level.TypeJeu, Clock::Circle);
    QCOMPARE(level.BallNb, 4);
    QCOMPARE(level.Dist, 50);
    QCOMPARE(level.BallSize, 30);
    QCOMPARE(level.Movement, Clock::Absolute);
    QCOMPARE(level.Speed, 10);    // hidden speed box
    QCOMPARE(level.Chenille, 10); // always hidden
    QCOMPARE(level.PersSize, 15);
    QCOMPARE(level.Numbers, identity);
    QCOMPARE(level.TargetColor, TColor(16711935));
    QCOMPARE(level.BallColor, TColor(32768));
}

void TestLevelEditor::validateRefused_data()
{
    QTest::addColumn<EditorStep>("spoil");
    QTest::addColumn<QString>("message");
    const QString fill = Msg::tr(Msg::FillAllParameters);
    QTest::newRow("visible box empty")
        << EditorStep([](TfmClockParam& e) { e.cbDist->clearEditText(); }) << fill;
    QTest::newRow("list box empty")
        << EditorStep([](TfmClockParam& e) { e.cbMovement->setCurrentIndex(-1); }) << fill;
    // The user cannot see this box, yet it must hold a value.
    QTest::newRow("hidden box empty")
        << EditorStep([](TfmClockParam& e) { e.cbPersSize->clearEditText(); }) << fill;
    QTest::newRow("layout changed, count not chosen again")
        << EditorStep([](TfmClockParam& e) { Choose(e.cbTypeJeu, "1/4 Circle to the left"); })
        << fill;
    QTest::newRow("duplicate ball number")
        << EditorStep([](TfmClockParam& e) { TypeInto(e.NumBall[2], "2"); })
        << Msg::tr(Msg::FillAllBallNumbers);
    QTest::newRow("empty ball number")
        << EditorStep([](TfmClockParam& e) { e.NumBall[3]->clear(); })
        << Msg::tr(Msg::FillAllBallNumbers);
    QTest::newRow("number beyond the count")
        << EditorStep([](TfmClockParam& e) { TypeInto(e.NumBall[3], "5"); })
        << Msg::tr(Msg::FillAllBallNumbers);
    // The table refuses a level without a name: the engine's message.
    QTest::newRow("empty name") << EditorStep([](TfmClockParam& e) {
        e.T_Code->selectAll();
        QTest::keyClick(e.T_Code, Qt::Key_Backspace);
    }) << Msg::tr(Msg::FieldRequired).arg("NIVEAU");
    // A "." passes the key filter; stored, the game could not read the level.
    QTest::newRow("distance with a point")
        << EditorStep([](TfmClockParam& e) { e.cbDist->setCurrentText("5.5"); })
        << Msg::tr(Msg::WholeNumbersOnly).arg("5.5");
}

void TestLevelEditor::validateRefused()
{
    QFETCH(EditorStep, spoil);
    QFETCH(QString, message);
    EditorFixture f;
    TfmClockParam& e = f.open();
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("Spoilt"));
    spoil(e);
    f.messages.clear();
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList{message});
    QVERIFY(e.EditMode());
    QCOMPARE(F_Data->tParam->State(), TDataSetState::Insert);
    QCOMPARE(f.levelRows(1), 0);
}

void TestLevelEditor::duplicateNameStaysPending_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("renameAfter");
    QTest::newRow("same name, renamed") << "Easy" << true;
    QTest::newRow("same name, cancelled") << "Easy" << false;
    QTest::newRow("other case, renamed") << "EASY" << true;
}

void TestLevelEditor::duplicateNameStaysPending()
{
    QFETCH(QString, name);
    QFETCH(bool, renameAfter);
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls(30));
    TfmClockParam& e = f.open();
    click(e.B_New);
    FillClockLevel(e, name);
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList{Msg::tr(Msg::CodeAlreadyUsed)});
    QVERIFY(e.EditMode());
    QCOMPARE(F_Data->tParam->State(), TDataSetState::Insert);
    QCOMPARE(e.T_Code->text(), name);
    QCOMPARE(f.levelRows(1), 1);

    f.messages.clear();
    if (renameAfter) {
        QTest::keyClicks(e.T_Code, QStringLiteral(" 2"));
        click(e.B_OK);
        QCOMPARE(f.messages.texts(), QStringList());
        QVERIFY(!e.EditMode());
        QCOMPARE(f.levelRows(1), 2);
        QVERIFY(!f.storedParam(1, name + QStringLiteral(" 2")).isEmpty());
    } else {
        click(e.B_Cancel);
        QVERIFY(!e.EditMode());
        QCOMPARE(F_Data->tParam->State(), TDataSetState::Browse);
        QCOMPARE(f.levelRows(1), 1);
        // The controls show the row the grid is back on.
        QCOMPARE(e.T_Code->text(), QStringLiteral("Easy"));
        QCOMPARE(e.cbDist->currentText(), QStringLiteral("30"));
    }
    QCOMPARE(f.storedParam(1, QStringLiteral("Easy")), fourBalls(30));
}

void TestLevelEditor::sameNameInAnotherGame()
{
    EditorFixture f;
    f.fx.addLevel(0, QStringLiteral("Easy"), QStringLiteral("1;2;3"));
    TfmClockParam& e = f.open();
    QCOMPARE(F_Data->tParam->RecordCount(), 0); // the ping-pong level is not listed
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("Easy"));
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(f.levelRows(1), 1);
    QCOMPARE(f.storedParam(0, QStringLiteral("Easy")), QStringLiteral("1;2;3"));
}

void TestLevelEditor::deleteAsks_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("remaining");
    QTest::newRow("yes") << "btnOk" << QStringList{"Alpha", "Gamma"};
    QTest::newRow("no") << "btnCancel" << QStringList{"Alpha", "Beta", "Gamma"};
}

void TestLevelEditor::deleteAsks()
{
    QFETCH(QString, answer);
    QFETCH(QStringList, remaining);
    EditorFixture f;
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        f.fx.addLevel(1, QLatin1String(name), fourBalls());
    TfmClockParam& e = f.open();
    F_Data->tParam->Next();
    QCOMPARE(e.T_Code->text(), QStringLiteral("Beta"));

    QString question;
    bool detached = false;
    WhenModalShown([&](QWidget* modal) {
        question = modal->findChild<QLabel*>(QStringLiteral("labMsg"))->text();
        detached = F_Data->tParam->ControlsDisabled();
        QTest::mouseClick(modal->findChild<QPushButton*>(answer), Qt::LeftButton);
    });
    click(e.B_Del);
    QCOMPARE(question, QStringLiteral("Do you really want to delete Beta ?"));
    QVERIFY(detached);
    QVERIFY(!F_Data->tParam->ControlsDisabled());
    QCOMPARE(f.messages.texts(), QStringList());
    QStringList names;
    for (int row = 0; row < e.dbgCode->GridModel()->rowCount(); ++row)
        names << e.dbgCode->GridModel()->index(row, 0).data().toString();
    QCOMPARE(names, remaining);
    QCOMPARE(f.levelRows(1), remaining.size());
    // The controls show the row the grid stands on.
    QCOMPARE(e.T_Code->text(), F_Data->tParamNIVEAU->AsString());
}

void TestLevelEditor::emptyLevelList()
{
    EditorFixture f;
    f.fx.addLevel(0, QStringLiteral("pong"), QStringLiteral("1"));
    TfmClockParam& e = f.open();
    QVERIFY(!e.HasCurrentRow());
    for (QComboBox* box : e.ParamContainer()->findChildren<QComboBox*>())
        QVERIFY2(box->currentText().isEmpty(), qPrintable(box->objectName()));

    TF_Confirm::QueueAnswer(TF_Confirm::Yes);
    click(e.B_Del);
    QCOMPARE(TF_Confirm::TakeAskedQuestions(), QStringList());
    TF_Confirm::ClearQueuedAnswers();

    // Modify starts a new row, without the defaults of New.
    click(e.B_Modif);
    QVERIFY(e.EditMode());
    QCOMPARE(F_Data->tParam->State(), TDataSetState::Insert);
    QCOMPARE(e.cbPersSize->currentText(), QString());
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList{Msg::tr(Msg::FillAllParameters)});
    click(e.B_Cancel);
    QVERIFY(!e.EditMode());
    QCOMPARE(f.levelRows(1), 0);
    QCOMPARE(f.levelRows(0), 1);
}

void TestLevelEditor::startRefusedOnClosedTable_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("new") << "B_New";
    QTest::newRow("modify") << "B_Modif";
}

void TestLevelEditor::startRefusedOnClosedTable()
{
    QFETCH(QString, button);
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls());
    TfmClockParam& e = f.open();
    F_Data->tParam->Close();
    click(e.findChild<QToolButton*>(button));
    QCOMPARE(f.messages.texts(), QStringList{Msg::tr(Msg::DataSetClosed)});
    // Nothing is pending, so the editor stays ready to browse.
    QVERIFY(!e.EditMode());
    QVERIFY(e.B_New->isEnabled());
}

void TestLevelEditor::closeRefusedInEditMode()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls());
    TfmClockParam& e = f.open();
    click(e.B_New);
    QTest::keyClicks(e.T_Code, QStringLiteral("Unsaved"));
    e.close();
    QVERIFY(e.isVisible());
    QTest::keyClick(&e, Qt::Key_Escape);
    QVERIFY(e.isVisible());
    QCOMPARE(f.messages.texts(), QStringList(2, Msg::tr(Msg::EditionModeActive)));

    click(e.B_Cancel);
    f.messages.clear();
    e.close();
    QVERIFY(!e.isVisible());
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(Clock::Configs.Names(), QStringList{"Easy"});
}

void TestLevelEditor::levelListRebuiltOnClose()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Medium"), fourBalls());
    f.fx.addLevel(1, QStringLiteral("easy"), fourBalls());
    f.fx.addLevel(0, QStringLiteral("Pong"), QStringLiteral("1"));
    TfmClockParam& e = f.open();
    // Built at creation, in name order, of this game type only.
    QCOMPARE(Clock::Configs.Names(), (QStringList{"easy", "Medium"}));
    QCOMPARE(int(Clock::Configs.NbConfigs()), 2);

    click(e.B_New);
    FillClockLevel(e, QStringLiteral("Hard"));
    click(e.B_OK);
    // Not before the editor closes: a game would not be open meanwhile.
    QCOMPARE(Clock::Configs.Names(), (QStringList{"easy", "Medium"}));
    e.close();
    QCOMPARE(Clock::Configs.Names(), (QStringList{"easy", "Hard", "Medium"}));
    QCOMPARE(Clock::Configs.At(1)->Dist, 50);
    QCOMPARE(f.messages.texts(), QStringList());
}

void TestLevelEditor::undecodableRowLeftOut()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Alpha"), fourBalls());
    f.fx.addLevel(1, QStringLiteral("Broken"), fourBalls().replace(";50;", ";5x;"));
    f.fx.addLevel(1, QStringLiteral("Gamma"), fourBalls(70));
    TfmClockParam& e = f.open(false);
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts()[0].contains(QStringLiteral("\"Broken\"")));
    QCOMPARE(Clock::Configs.Names(), (QStringList{"Alpha", "Gamma"}));
    QCOMPARE(Clock::Configs.At(1)->Dist, 70);

    // Shown in the editor, it is reported by its name as well.
    f.messages.clear();
    e.show();
    F_Data->tParam->Next();
    QCOMPARE(e.T_Code->text(), QStringLiteral("Broken"));
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts()[0].contains(QStringLiteral("\"Broken\"")));
    QCOMPARE(e.cbDist->currentText(), QString());

    // Each rebuild reports it once again, the others stay available.
    f.messages.clear();
    e.close();
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts()[0].contains(QStringLiteral("\"Broken\"")));
    QCOMPARE(Clock::Configs.Names(), (QStringList{"Alpha", "Gamma"}));
}

void TestLevelEditor::undecodableRowShownUpToItsFault()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Alpha"), fourBalls());
    // Field 14 (the layout) is no number: the fields before it are shown.
    f.fx.addLevel(1, QStringLiteral("Broken"),
                  ClockParam(identity, "1;-1;0;0;0;0;0;0;10;15;05;40;x;4;50;255;0;255"));
    TfmClockParam& e = f.open();
    f.messages.clear();
    F_Data->tParam->Next();
    QCOMPARE(e.T_Code->text(), QStringLiteral("Broken"));
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(f.messages.texts()[0].contains(QStringLiteral("\"Broken\"")));
    QCOMPARE(e.cbMovement->currentIndex(), 1);
    QVERIFY(e.cbGrid->isChecked());
    QCOMPARE(e.cbSpeed->currentText(), QStringLiteral("05"));
    QCOMPARE(e.cbBallSize->currentText(), QStringLiteral("40"));
    QCOMPARE(e.cbTypeJeu->currentIndex(), -1);
    QCOMPARE(e.cbDist->currentText(), QString());

    // Cancel shows the row again (reported again) and leaves edit mode all
    // the same: nothing is pending any more.
    click(e.B_Modif);
    f.messages.clear();
    click(e.B_Cancel);
    QCOMPARE(f.messages.texts().size(), 1);
    QVERIFY(!e.EditMode());
    QCOMPARE(F_Data->tParam->State(), TDataSetState::Browse);
}

void TestLevelEditor::levelTwoHundredFiftySixRefused()
{
    EditorFixture f;
    for (int i = 0; i < MaxLevelsPerGame; ++i)
        f.fx.addLevel(1, QStringLiteral("Level %1").arg(i, 3, 10, QLatin1Char('0')), fourBalls());
    TfmClockParam& e = f.open();
    QCOMPARE(int(Clock::Configs.NbConfigs()), MaxLevelsPerGame);
    click(e.B_New);
    FillClockLevel(e, QStringLiteral("One too many"));
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList{TooManyLevelsText()});
    QVERIFY(e.EditMode());
    click(e.B_Cancel);
    QCOMPARE(f.levelRows(1), MaxLevelsPerGame);

    // Changing an existing level is still possible.
    f.messages.clear();
    const QString changed = e.T_Code->text();
    QVERIFY(!changed.isEmpty());
    click(e.B_Modif);
    TypeInto(e.cbDist, QStringLiteral("90"));
    click(e.B_OK);
    QCOMPARE(f.messages.texts(), QStringList());
    QCOMPARE(f.storedParam(1, changed), fourBalls(90));
    e.close();
    QCOMPARE(int(Clock::Configs.NbConfigs()), MaxLevelsPerGame);
}

void TestLevelEditor::browsingShowsEachRow()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Alpha"), fourBalls(30));
    f.fx.addLevel(1, QStringLiteral("Beta"), fourBalls(80));
    TfmClockParam& e = f.open();
    QCOMPARE(e.cbDist->currentText(), QStringLiteral("30"));
    e.dbgCode->selectRow(1);
    QCOMPARE(e.T_Code->text(), QStringLiteral("Beta"));
    QCOMPARE(e.cbDist->currentText(), QStringLiteral("80"));

    // In edit mode a change of the name does not reload the controls.
    click(e.B_Modif);
    TypeInto(e.cbDist, QStringLiteral("60"));
    QTest::keyClicks(e.T_Code, QStringLiteral("x"));
    QCOMPARE(e.cbDist->currentText(), QStringLiteral("60"));
    click(e.B_Cancel);
    QCOMPARE(e.T_Code->text(), QStringLiteral("Beta"));
    QCOMPARE(e.cbDist->currentText(), QStringLiteral("80"));
}

void TestLevelEditor::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number box takes digits and point") << "cbDist"
                                                       << "4a;5.-"
                                                       << "45.";
    QTest::newRow("ball number edit") << "NumBall1"
                                      << "x1y2"
                                      << "12";
    QTest::newRow("ball number edit holds two digits") << "NumBall2"
                                                       << "123"
                                                       << "12";
    QTest::newRow("list-only movement") << "cbMovement"
                                        << "Da\b"
                                        << "Absolute";
    QTest::newRow("list-only layout") << "cbTypeJeu"
                                      << "1C"
                                      << "Circle";
    QTest::newRow("list-only count") << "cbBallNb"
                                     << "5 8"
                                     << "4";
}

void TestLevelEditor::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls());
    TfmClockParam& e = f.open();
    click(e.B_Modif);
    auto* widget = e.findChild<QWidget*>(box);
    QVERIFY(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->isEditable())
        combo->clearEditText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->clear();
    widget->setFocus();
    QTest::keyClicks(widget, keys);
    const QString text = qobject_cast<QComboBox*>(widget)
                             ? qobject_cast<QComboBox*>(widget)->currentText()
                             : qobject_cast<QLineEdit*>(widget)->text();
    QCOMPARE(text, expected);
    // Backspace passes the number filter.
    if (box == QLatin1String("cbDist")) {
        QTest::keyClick(widget, Qt::Key_Backspace);
        QCOMPARE(e.cbDist->currentText(), QStringLiteral("45"));
    }
}

void TestLevelEditor::numberBoxRefusesPasteAndControlKeys()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Easy"), fourBalls());
    TfmClockParam& e = f.open();
    click(e.B_Modif);
    const int items = e.cbBallSize->count();
    TypeInto(e.cbBallSize, QStringLiteral("35"));
    // Enter would add the text to the list of a plain combo box.
    QTest::keyClick(e.cbBallSize, Qt::Key_Return);
    QTest::keyClick(e.cbBallSize, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.cbBallSize->currentText(), QStringLiteral("35"));
    QCOMPARE(e.cbBallSize->count(), items);
    // A paste goes round the key filter, not round the allowed characters.
    QGuiApplication::clipboard()->setText(QStringLiteral("1;2"));
    e.NumBall[0]->clear();
    e.NumBall[0]->paste();
    QCOMPARE(e.NumBall[0]->text(), QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("7"));
    e.NumBall[0]->paste();
    QCOMPARE(e.NumBall[0]->text(), QStringLiteral("7"));
}

void TestLevelEditor::otherFilterIsReplacedOnShow()
{
    EditorFixture f;
    f.fx.addLevel(1, QStringLiteral("Clock level"), fourBalls());
    f.fx.addLevel(0, QStringLiteral("Pong level"), QStringLiteral("1"));
    TfmClockParam& e = f.open(false);
    // Another editor (or the main window) left the table on ping-pong: the
    // clock editor must never show, nor rewrite as a clock level, a
    // ping-pong row.
    F_Data->tParam->SetFilter(QStringLiteral("TYPE=0"));
    e.show();
    QCOMPARE(F_Data->tParam->Filter(), QStringLiteral("TYPE=1"));
    QCOMPARE(e.T_Code->text(), QStringLiteral("Clock level"));
}

QTEST_MAIN(TestLevelEditor)
#include "tst_leveleditor.moc"
