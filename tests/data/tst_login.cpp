#include "Data.h"
#include "DataFixture.h"
#include "Define.h"
#include "Login.h"
#include "MessageCapture.h"
#include "Password.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <memory>

using KeyList = QList<int>; // Qt key codes; a letter or digit is its Qt::Key value

class TestLogin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UsePrivateAliasRegistry(m_home); }
    void init();
    void cleanup();

    void encodePassword_data();
    void encodePassword();
    void passwordKeys_data();
    void passwordKeys();
    void login_data();
    void login();
    void refusedLoginKeepsFields();
    void prefill_data();
    void prefill();
    void keysOfTheDialog_data();
    void keysOfTheDialog();
    void window();

private:
    void openData();
    void type(TfmLogin& login, const QString& name, const QString& password);

    QTemporaryDir m_home;
    std::unique_ptr<DataFixture> m_fx;
    std::unique_ptr<TF_Data> m_data;
};

void TestLogin::init()
{
    DefineReset();
    m_fx = std::make_unique<DataFixture>();
    ExePath = m_fx->inst.path() + QLatin1Char('/');
    ConfigPath = ExePath + QLatin1String("Config/");
    m_fx->inst.write("Steplink.ini", "[Plate]\nName=PLT2020A\n");
}

void TestLogin::cleanup()
{
    m_data.reset();
    m_fx.reset();
}

void TestLogin::openData()
{
    m_data = std::make_unique<TF_Data>();
    QVERIFY(!m_data->EndRequested());
}

void TestLogin::type(TfmLogin& login, const QString& name, const QString& password)
{
    login.eLogin->setText(name);
    QTest::keyClicks(login.ePassWd, password);
}

void TestLogin::encodePassword_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("empty") << "" << QList<int>{};
    QTest::newRow("a") << "a" << QList<int>{147};
    QTest::newRow("ab") << "ab" << QList<int>{147, 68};
    QTest::newRow("digits") << "0909" << QList<int>{98, 27, 98, 27};
    QTest::newRow("odd position below 30 wraps") << QString("A\x01") << QList<int>{115, 227};
    QTest::newRow("even position above 205 wraps") << QString(QChar(250)) << QList<int>{44};
}

void TestLogin::encodePassword()
{
    QFETCH(QString, password);
    QFETCH(QList<int>, codes);
    const QString encoded = EncodePassword(password);
    QList<int> actual;
    for (const QChar c : encoded)
        actual << c.unicode();
    QCOMPARE(actual, codes);
}

void TestLogin::passwordKeys_data()
{
    QTest::addColumn<KeyList>("keys");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters and digits") << KeyList{Qt::Key_A, Qt::Key_Z, Qt::Key_7} << "az7"
                                        << "***";
    QTest::newRow("blank, dot and accent are ignored")
        << KeyList{Qt::Key_A, Qt::Key_Space, Qt::Key_Period, Qt::Key_Eacute, Qt::Key_B} << "ab"
        << "**";
    QTest::newRow("backspace takes the last letter")
        << KeyList{Qt::Key_A, Qt::Key_B, Qt::Key_Backspace, Qt::Key_C} << "ac"
        << "**";
    QTest::newRow("backspace with the caret at the start")
        << KeyList{Qt::Key_A, Qt::Key_B, Qt::Key_Home, Qt::Key_Backspace} << "a"
        << "**";
    QTest::newRow("delete is ignored") << KeyList{Qt::Key_A, Qt::Key_Left, Qt::Key_Delete} << "a"
                                       << "*";
    QTest::newRow("emptied box empties the password")
        << KeyList{Qt::Key_A, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_B} << "b"
        << "*";
}

void TestLogin::passwordKeys()
{
    QFETCH(KeyList, keys);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    openData();
    TfmLogin login(m_data.get());
    login.show();
    for (const int key : keys) {
        if (key == Qt::Key_Eacute)
            QTest::sendKeyEvent(QTest::Click, login.ePassWd, Qt::Key_Eacute, QStringLiteral("é"),
                                Qt::NoModifier);
        else if (key >= Qt::Key_A && key <= Qt::Key_Z)
            QTest::keyClick(login.ePassWd, char('a' + (key - Qt::Key_A)));
        else if (key >= Qt::Key_0 && key <= Qt::Key_9)
            QTest::keyClick(login.ePassWd, char('0' + (key - Qt::Key_0)));
        else if (key == Qt::Key_Space)
            QTest::keyClick(login.ePassWd, ' ');
        else if (key == Qt::Key_Period)
            QTest::keyClick(login.ePassWd, '.');
        else
            QTest::keyClick(login.ePassWd, Qt::Key(key));
    }
    QCOMPARE(login.TypedPassword, typed);
    QCOMPARE(login.ePassWd->text(), shown);

    // Pasting never reaches the box.
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(login.ePassWd, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(login.ePassWd->text(), shown);
}

void TestLogin::login_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("stored name and password") << "THERAPIST1"
                                              << "pass1" << true;
    QTest::newRow("name typed in lower case") << "therapist1"
                                              << "pass1" << true;
    QTest::newRow("wrong password") << "THERAPIST1"
                                    << "pass2" << false;
    QTest::newRow("password in other case") << "THERAPIST1"
                                            << "PASS1" << false;
    QTest::newRow("unknown user") << "NOBODY"
                                  << "pass1" << false;
    QTest::newRow("user stored in lower case can never log in") << "nurse"
                                                                << "pass3" << false;
    QTest::newRow("empty stored password, empty typed") << "GUEST"
                                                        << "" << true;
    QTest::newRow("same name twice: the first row counts") << "TWIN"
                                                           << "first" << true;
    QTest::newRow("same name twice: the second row does not") << "TWIN"
                                                              << "second" << false;
    QTest::newRow("quotes in the name") << "X\" or \"1\"=\"1"
                                        << "" << false;
}

void TestLogin::login()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, accepted);
    m_fx->addUser("THERAPIST1", EncodePassword("pass1"));
    m_fx->addUser("nurse", EncodePassword("pass3"));
    m_fx->addUser("GUEST", "");
    m_fx->addUser("TWIN", EncodePassword("first"));
    m_fx->addUser("TWIN", EncodePassword("second"));
    openData();
    TfmLogin login(m_data.get());
    login.show();
    type(login, name, password);
    MessageCapture messages;
    QTest::mouseClick(login.B_OK, Qt::LeftButton);
    QCOMPARE(login.LoginOk, accepted);
    QCOMPARE(login.isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(login.result(), int(QDialog::Accepted));
        QCOMPARE(messages.texts(), QStringList());
    } else {
        QCOMPARE(messages.texts(), QStringList{"Utilisateur ou mot de passe incorrect !"});
    }
    QVERIFY(!m_data->Query->Active());
}

void TestLogin::refusedLoginKeepsFields()
{
    m_fx->addUser("THERAPIST1", EncodePassword("pass1"));
    openData();
    TfmLogin login(m_data.get());
    login.show();
    type(login, "therapist1", "pass");
    MessageCapture messages;
    QTest::mouseClick(login.B_OK, Qt::LeftButton);
    QVERIFY(login.isVisible());
    QCOMPARE(login.eLogin->text(), QStringLiteral("therapist1"));
    QCOMPARE(login.ePassWd->text(), QStringLiteral("****"));
    // Another attempt goes on from what is there.
    QTest::keyClicks(login.ePassWd, "1");
    QTest::mouseClick(login.B_OK, Qt::LeftButton);
    QVERIFY(!login.isVisible());
    QCOMPARE(login.result(), int(QDialog::Accepted));
    QCOMPARE(messages.texts().size(), 1);
}

void TestLogin::prefill_data()
{
    QTest::addColumn<QString>("iniName");
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last user") << "Steplink.ini" << QByteArray("[Main]\nLastUser=2\n") << "SECOND";
    QTest::newRow("file name in capitals")
        << "STEPLINK.INI" << QByteArray("[main]\nlastuser=1\n") << "FIRST";
    QTest::newRow("no such user") << "Steplink.ini" << QByteArray("[Main]\nLastUser=5\n") << "";
    QTest::newRow("no key: user 99")
        << "Steplink.ini" << QByteArray("[Plate]\nName=X\n") << "NINETY-NINE";
    QTest::newRow("no device INI") << "" << QByteArray() << "";
}

void TestLogin::prefill()
{
    QFETCH(QString, iniName);
    QFETCH(QByteArray, ini);
    QFETCH(QString, expected);
    m_fx->addUser("FIRST", "");
    m_fx->addUser("SECOND", "");
    m_fx->exec("INSERT INTO Users (PK_USE, NOM, PASS_WD) VALUES (99, 'NINETY-NINE', '')");
    QFile::remove(m_fx->inst.filePath("Steplink.ini"));
    if (!iniName.isEmpty())
        m_fx->inst.write(iniName, ini);
    MessageCapture messages; // the plate look-up may miss the device INI
    openData();
    TfmLogin login(m_data.get());
    QString shown;
    QWidget* focus = nullptr;
    QTimer::singleShot(0, &login, [&] {
        shown = login.eLogin->text();
        focus = login.focusWidget();
        login.B_Cancel->click();
    });
    QCOMPARE(login.ShowModal(), int(QDialog::Rejected));
    QCOMPARE(shown, expected);
    QVERIFY(!login.eLogin->isReadOnly());
    QCOMPARE(focus, login.ePassWd);
}

void TestLogin::keysOfTheDialog_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter presses OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(QDialog::Rejected);
}

void TestLogin::keysOfTheDialog()
{
    QFETCH(int, key);
    QFETCH(int, result);
    m_fx->addUser("ADMIN", EncodePassword("x1"));
    openData();
    TfmLogin login(m_data.get());
    QTimer::singleShot(0, &login, [&] {
        login.eLogin->setText("admin");
        QTest::keyClicks(login.ePassWd, "x1");
        QTest::keyClick(login.ePassWd, Qt::Key(key));
    });
    QCOMPARE(login.ShowModal(), result);
    QCOMPARE(login.LoginOk, true);
}

void TestLogin::window()
{
    openData();
    TfmLogin login(m_data.get());
    QCOMPARE(login.windowTitle(), QStringLiteral("Droits d'accès"));
    QVERIFY(!(login.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(login.windowFlags() & Qt::WindowSystemMenuHint));
    QCOMPARE(login.findChild<QLabel*>("lLogin")->text(), QStringLiteral("Utilisateur"));
    QCOMPARE(login.findChild<QLabel*>("lPassWd")->text(), QStringLiteral("Mot de passe"));
    QCOMPARE(login.findChild<QPushButton*>("B_OK")->text(), QStringLiteral("&Ok"));
    QVERIFY(login.findChild<QPushButton*>("B_OK")->isDefault());
    QCOMPARE(login.findChild<QPushButton*>("B_Cancel")->text(), QStringLiteral("&Annuler"));
    QVERIFY(login.findChild<QLineEdit*>("eLogin"));
    QVERIFY(login.findChild<QLineEdit*>("ePassWd"));

    // Closing through the window system is refused until a login succeeded.
    MessageCapture messages;
    login.show();
    login.close();
    QVERIFY(login.isVisible());
    QCOMPARE(messages.texts(), QStringList{"Utilisateur ou mot de passe incorrect !"});
}

QTEST_MAIN(TestLogin)
#include "tst_login.moc"
