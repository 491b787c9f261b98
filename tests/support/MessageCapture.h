#pragma once
// Takes the texts of the message layer in tests instead of showing a box.

#include "Messages.h"

#include <QStringList>

class MessageCapture
{
public:
    MessageCapture()
    {
        m_previous = SetMessagePresenter(
            [this](const QString& text, MessageKind) { m_texts.append(text); });
    }
    ~MessageCapture() { SetMessagePresenter(m_previous); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const QStringList& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

private:
    QStringList m_texts;
    MessagePresenter m_previous;
};
