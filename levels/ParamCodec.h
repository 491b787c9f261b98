#pragma once
// The common shape of every level's PARAM string, written once for the five
// games' codecs: fields joined by ";" (none before the first or after the
// last), numbers as decimal integers, yes/no as "-1"/"0" (any non-zero
// number reads as yes), colours as the decimal integer of their 32-bit value
// (negative for the system colours), list choices as their zero-based index.

#include "Define.h"

#include <QString>
#include <QStringList>

namespace ParamCodec {

// Field n (from 1) ends just before the n-th ";"; the last field runs to the
// end of the string. An empty string is one empty field.
QStringList Split(const QString& param);
QString Join(const QStringList& fields);

// A strict decimal integer: an optional sign and digits only, within the
// range of a 32-bit integer. No blanks, no "." and no hexadecimal.
bool ToInteger(const QString& text, int& value);

QString FromInteger(int value);
QString FromFlag(bool value); // "-1" or "0"
QString FromColor(TColor value);

// The PARAM fields of one level row, read by number with the first failure
// kept as a readable reason (translated), so a codec reads every field in
// turn and asks once at the end whether the row was sound.
class Reader
{
public:
    // `expectedFields` is the layout's field count; a string with another
    // count is refused as a whole.
    Reader(const QString& param, int expectedFields);

    bool ok() const { return m_error.isEmpty(); }
    // Why the row cannot be decoded; empty while it can.
    const QString& error() const { return m_error; }
    int fieldCount() const { return int(m_fields.size()); }

    // Field n (1-based) as written; empty when there is no such field.
    QString text(int n) const;
    int integer(int n);
    bool flag(int n) { return integer(n) != 0; }
    TColor color(int n) { return static_cast<TColor>(integer(n)); }

private:
    void fail(const QString& reason);

    QStringList m_fields;
    QString m_error;
};

// Builds a PARAM string field by field, in layout order.
class Writer
{
public:
    Writer& text(const QString& value);
    Writer& integer(int value) { return text(FromInteger(value)); }
    Writer& flag(bool value) { return text(FromFlag(value)); }
    Writer& color(TColor value) { return text(FromColor(value)); }
    QString result() const { return Join(m_fields); }

private:
    QStringList m_fields;
};

} // namespace ParamCodec
