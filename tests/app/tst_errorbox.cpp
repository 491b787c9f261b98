#include "AppError.h"
#include "Application.h"
#include "MessageCapture.h"

#include <QPushButton>
#include <QtTest>
#include <stdexcept>

class TestErrorBox : public QObject
{
    Q_OBJECT

private slots:
    void errorInHandlerIsShown_data();
    void errorInHandlerIsShown();
};

void TestErrorBox::errorInHandlerIsShown_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("application error") << 0 << "Key violation";
    QTest::newRow("standard exception") << 1 << "file not found";
    QTest::newRow("anything else") << 2 << "Unknown error";
}

void TestErrorBox::errorInHandlerIsShown()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    MessageCapture messages;
    QPushButton button(QStringLiteral("Go"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (kind == 0)
            throw AppError(text);
        if (kind == 1)
            throw std::runtime_error(text.toStdString());
        throw 42;
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(messages.texts(), QStringList{text});
    // The event loop survives: the next click is handled again.
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 2);
    QCOMPARE(messages.texts().size(), 2);
}

int main(int argc, char** argv)
{
    VelunorApplication app(argc, argv);
    TestErrorBox test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errorbox.moc"
