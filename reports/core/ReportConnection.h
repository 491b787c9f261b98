#pragma once
// A custom data connection: the report engine pulls the rows of a list from
// it through four events, raised in this order for every list that reads it:
//
//   onGetCols   once, the first time the engine needs the field names;
//               the handler calls writeField() for each field, in order;
//   onFirst     before the first row;
//   onEof       before every row; the handler sets `eof` when no row is left;
//   onGetRow    once per row; the handler calls writeStrData() for each
//               field, in the declared order, and moves on to the next row.
//
// There is no separate "next" event: a handler that needs one moves its
// position in onGetRow. A connection without an onEof handler has no rows,
// which is right for connections that only declare fields.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

enum class ReportFieldType
{
    String,
    Integer,
    Float,
    DateTime,
    Boolean,
    Graphic
};

struct ReportField
{
    QString name;
    ReportFieldType type = ReportFieldType::String;
    int width = 0; // characters, for string fields
};

class ReportCustomConnection
{
public:
    using Event = std::function<void(ReportCustomConnection&)>;
    using EofEvent = std::function<void(ReportCustomConnection&, bool& eof)>;

    explicit ReportCustomConnection(const QString& name) : m_name(name) {}
    ReportCustomConnection(const ReportCustomConnection&) = delete;
    ReportCustomConnection& operator=(const ReportCustomConnection&) = delete;

    const QString& name() const { return m_name; }

    Event onGetCols;
    Event onFirst;
    Event onGetRow;
    EofEvent onEof;

    // For the onGetCols handler.
    void writeField(const QString& name, ReportFieldType type, int width);
    // For the onGetRow handler: the value of the next field of the row.
    void writeStrData(const QString& value);
    void writeNullData();

    // Engine side. fields() raises onGetCols the first time.
    const QList<ReportField>& fields();
    int fieldIndex(const QString& fieldName); // -1 when not declared (exact name)
    void first();
    bool eof();
    // Raises onGetRow; the row has one value per declared field (missing
    // values are empty). Throws AppError when the handler writes more.
    QStringList getRow();

private:
    QString m_name;
    QList<ReportField> m_fields;
    bool m_fieldsDeclared = false;
    QStringList m_row;
};
