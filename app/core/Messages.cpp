#include "Messages.h"

#include <cstdio>

namespace {
MessagePresenter& presenter()
{
    static MessagePresenter current;
    return current;
}
} // namespace

void ShowMessage(const QString& text, MessageKind kind)
{
    if (presenter()) {
        presenter()(text, kind);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

MessagePresenter SetMessagePresenter(MessagePresenter next)
{
    MessagePresenter previous = std::move(presenter());
    presenter() = std::move(next);
    return previous;
}
