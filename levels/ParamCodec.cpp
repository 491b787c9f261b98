#include "ParamCodec.h"

#include "MessageTable.h"

#include <limits>

namespace ParamCodec {

QStringList Split(const QString& param)
{
    // Qt's split keeps empty fields, which is what a sequential reader sees.
    return param.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

QString Join(const QStringList& fields)
{
    return fields.join(QLatin1Char(';'));
}

bool ToInteger(const QString& text, int& value)
{
    // QString::toInt would take surrounding blanks; a stored field is either
    // exactly a number or not one.
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    const qint64 limit = negative ? qint64(std::numeric_limits<int>::max()) + 1
                                  : qint64(std::numeric_limits<int>::max());
    qint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit)
            return false;
    }
    value = int(negative ? -magnitude : magnitude);
    return true;
}

QString FromInteger(int value)
{
    return QString::number(value);
}

QString FromFlag(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

QString FromColor(TColor value)
{
    // The stored form is the signed 32-bit value, so the system colours
    // (high byte set) read back as the same colour.
    return QString::number(static_cast<qint32>(value));
}

Reader::Reader(const QString& param, int expectedFields) : m_fields(Split(param))
{
    if (m_fields.size() != expectedFields)
        fail(Msg::tr(Msg::ParamFieldCount).arg(m_fields.size()).arg(expectedFields));
}

QString Reader::text(int n) const
{
    return n >= 1 && n <= m_fields.size() ? m_fields[n - 1] : QString();
}

int Reader::integer(int n)
{
    int value = 0;
    if (!ok())
        return 0;
    if (!ToInteger(text(n), value))
        fail(Msg::tr(Msg::ParamNotWholeNumber).arg(n).arg(text(n)));
    return value;
}

void Reader::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
}

Writer& Writer::text(const QString& value)
{
    m_fields.append(value);
    return *this;
}

} // namespace ParamCodec
