#pragma once
#include <QApplication>

// The application's default error box: every event handler runs inside
// notify(), so an error raised in a handler is shown in a message box with
// its text and never crosses Qt's event loop.
class VelunorApplication : public QApplication
{
    Q_OBJECT
public:
    VelunorApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// Shows an error the way the default error box does; for code that runs
// outside the event loop (start-up) and wants the same behaviour.
void ReportError(const QString& text);

// Runs `handler` inside the default error box; returns false when it raised.
template <typename Handler> bool RunGuarded(Handler&& handler);

// The message layer's real presenter: a modal message box.
void InstallMessageBoxPresenter();

#include "AppError.h"
#include <exception>

template <typename Handler> bool RunGuarded(Handler&& handler)
{
    try {
        handler();
        return true;
    } catch (const AppError& error) {
        ReportError(error.message());
    } catch (const std::exception& error) {
        ReportError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ReportError(QStringLiteral("Unknown error"));
    }
    return false;
}
