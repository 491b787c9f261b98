#pragma once
// The message layer: every message box of the program goes through here.
// The shipped program shows a real modal box; a test installs a presenter
// that takes the text (and gives the answer) without blocking.

#include <QString>
#include <functional>

enum class MessageKind { Information, Warning, Error };

using MessagePresenter = std::function<void(const QString& text, MessageKind kind)>;

// Shows `text` to the user and returns when the user has read it.
void ShowMessage(const QString& text, MessageKind kind = MessageKind::Information);

// Replaces the presenter; returns the previous one. Without a presenter the
// text goes to standard error.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);
