#include "Application.h"

#include "Messages.h"

#include <QMessageBox>
#include <cstdio>

VelunorApplication::VelunorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VelunorApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    RunGuarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

void ReportError(const QString& text)
{
    ShowMessage(text, MessageKind::Error);
}

void InstallMessageBoxPresenter()
{
    SetMessagePresenter([](const QString& text, MessageKind kind) {
        // Every message also goes to the console: a trace for support, and
        // what the end-to-end tests read.
        std::fprintf(stderr, "[message] %s\n", text.toLocal8Bit().constData());
        std::fflush(stderr);
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        const QString title = QApplication::applicationName();
        switch (kind) {
        case MessageKind::Information:
            QMessageBox::information(parent, title, text);
            break;
        case MessageKind::Warning:
            QMessageBox::warning(parent, title, text);
            break;
        case MessageKind::Error:
            QMessageBox::critical(parent, title, text);
            break;
        }
    });
}
