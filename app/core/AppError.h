#pragma once
#include <QString>
#include <stdexcept>

// An error raised inside an event handler: the application's default error
// box shows its text and the event loop goes on.
class AppError : public std::runtime_error
{
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};
