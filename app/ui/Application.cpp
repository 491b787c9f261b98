#include "Application.h"

#include "Messages.h"

#include <QMessageBox>

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
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = QApplication::activeWindow();
        const QString title = QApplication::applicationDisplayName();
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
