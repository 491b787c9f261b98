#include "ReportConnection.h"

#include "AppError.h"
#include "MessageTable.h"

#include <utility>

void ReportCustomConnection::writeField(const QString& name, ReportFieldType type, int width)
{
    m_fields.append(ReportField{name, type, width});
}

void ReportCustomConnection::writeStrData(const QString& value)
{
    m_row.append(value);
}

void ReportCustomConnection::writeNullData()
{
    m_row.append(QString());
}

const QList<ReportField>& ReportCustomConnection::fields()
{
    if (!m_fieldsDeclared) {
        m_fieldsDeclared = true;
        m_fields.clear();
        if (onGetCols)
            onGetCols(*this);
    }
    return m_fields;
}

int ReportCustomConnection::fieldIndex(const QString& fieldName)
{
    const QList<ReportField>& declared = fields();
    for (int i = 0; i < declared.size(); ++i) {
        if (declared[i].name == fieldName)
            return i;
    }
    return -1;
}

void ReportCustomConnection::first()
{
    if (onFirst)
        onFirst(*this);
}

bool ReportCustomConnection::eof()
{
    bool atEnd = true;
    if (onEof) {
        atEnd = false;
        onEof(*this, atEnd);
    }
    return atEnd;
}

QStringList ReportCustomConnection::getRow()
{
    const qsizetype count = fields().size();
    m_row.clear();
    if (onGetRow)
        onGetRow(*this);
    if (m_row.size() > count)
        throw AppError(Msg::tr(Msg::ReportTooManyValues).arg(m_name));
    while (m_row.size() < count)
        m_row.append(QString());
    return std::exchange(m_row, {});
}
