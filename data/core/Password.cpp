#include "Password.h"

QString EncodePassword(const QString& password)
{
    QString encoded;
    encoded.reserve(password.size());
    for (qsizetype i = 0; i < password.size(); ++i) {
        const int c = password.at(i).unicode();
        const int shifted = i % 2 == 0 ? c + 50 : c - 30;
        encoded.append(QChar(char16_t(((shifted % 256) + 256) % 256)));
    }
    return encoded;
}
