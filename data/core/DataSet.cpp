#include "DataSet.h"

#include "Database.h"
#include "DbError.h"
#include "MessageTable.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <limits>

namespace {

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isIntegerType(TFieldType type)
{
    return type == TFieldType::AutoInc || type == TFieldType::SmallInt ||
           type == TFieldType::Integer;
}

bool isTextType(TFieldType type)
{
    return type == TFieldType::String || type == TFieldType::Memo;
}

// A value as the database returned it, in the type of its field. Reading
// never refuses: a value written by another program is shown as it is.
QVariant fromStorage(const FieldDef& def, const QVariant& value)
{
    if (value.isNull())
        return {};
    if (isIntegerType(def.type)) {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        return ok ? QVariant(int(number)) : QVariant(value.toString());
    }
    if (def.type == TFieldType::Blob)
        return value.toByteArray();
    return value.toString();
}

bool valuesEqual(const QVariant& a, const QVariant& b, Qt::CaseSensitivity cs)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    bool okA = false, okB = false;
    const qlonglong numberA = a.toLongLong(&okA);
    const qlonglong numberB = b.toLongLong(&okB);
    if (okA && okB)
        return numberA == numberB;
    return a.toString().compare(b.toString(), cs) == 0;
}

void bindAll(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

} // namespace

// ---------------------------------------------------------------- TField

QVariant TField::Value() const
{
    return m_dataSet->CurrentValue(m_index);
}

bool TField::IsNull() const
{
    return Value().isNull();
}

QString TField::AsString() const
{
    const QVariant value = Value();
    return value.isNull() ? QString() : value.toString();
}

int TField::AsInteger() const
{
    const QVariant value = Value();
    if (value.isNull())
        return 0;
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    const QString text = value.toString();
    bool ok = false;
    const int number = text.trimmed().toInt(&ok, 10);
    if (!ok)
        throw EConvertError(Msg::tr(Msg::NotAnInteger).arg(text));
    return number;
}

void TField::SetValue(const QVariant& value)
{
    m_dataSet->SetBufferValue(this, value);
}

// ---------------------------------------------------------------- TDataSet

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet()
{
    if (m_database)
        m_database->detach(this);
    qDeleteAll(m_fields);
}

void TDataSet::SetDatabase(TDatabase* database)
{
    if (database == m_database)
        return;
    Close();
    if (m_database)
        m_database->detach(this);
    m_database = database;
    if (m_database)
        m_database->attach(this);
}

void TDataSet::SetFieldDefs(const QList<FieldDef>& defs)
{
    qDeleteAll(m_fields);
    m_fields.clear();
    for (int i = 0; i < defs.size(); ++i)
        m_fields.append(new TField(this, defs[i], i));
}

void TDataSet::CheckActive() const
{
    if (!Active())
        throw EDatabaseError(Msg::tr(Msg::DataSetClosed));
}

void TDataSet::Open()
{
    if (Active())
        return;
    if (!m_database)
        throw EDBEngineError(EngineCode::None, Msg::tr(Msg::NotConnected));
    if (!m_database->Connected())
        m_database->Open();
    PrepareOpen();
    m_rows = FetchRows();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    SetState(TDataSetState::Browse);
    NotifyDataSetChanged();
}

void TDataSet::Close()
{
    if (!Active())
        return;
    m_buffer.clear();
    m_modified.clear();
    m_rows.clear();
    m_current = -1;
    m_bof = m_eof = true;
    SetState(TDataSetState::Inactive);
    NotifyDataSetChanged();
}

void TDataSet::SetState(TDataSetState state)
{
    if (m_state == state)
        return;
    m_state = state;
    if (m_disableCount > 0)
        m_changedWhileDisabled = true;
    else
        emit StateChanged();
}

void TDataSet::NotifyDataSetChanged()
{
    if (m_disableCount > 0)
        m_changedWhileDisabled = true;
    else
        emit DataSetChanged();
}

void TDataSet::NotifyScrolled()
{
    if (m_disableCount > 0)
        m_changedWhileDisabled = true;
    else
        emit Scrolled();
}

void TDataSet::DisableControls()
{
    ++m_disableCount;
}

void TDataSet::EnableControls()
{
    if (m_disableCount == 0)
        return;
    if (--m_disableCount == 0 && m_changedWhileDisabled) {
        m_changedWhileDisabled = false;
        emit StateChanged();
        emit DataSetChanged();
    }
}

void TDataSet::CheckBrowseMode()
{
    CheckActive();
    if (!Editing())
        return;
    if (Modified())
        Post();
    else
        Cancel();
}

void TDataSet::First()
{
    CheckBrowseMode();
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    NotifyScrolled();
}

void TDataSet::Last()
{
    CheckBrowseMode();
    m_current = int(m_rows.size()) - 1;
    m_eof = true;
    m_bof = m_rows.isEmpty();
    NotifyScrolled();
}

void TDataSet::Next()
{
    CheckBrowseMode();
    if (m_current + 1 < m_rows.size()) {
        ++m_current;
        m_bof = m_eof = false;
        NotifyScrolled();
    } else {
        m_eof = true;
    }
}

void TDataSet::Prior()
{
    CheckBrowseMode();
    if (m_current > 0) {
        --m_current;
        m_bof = m_eof = false;
        NotifyScrolled();
    } else {
        m_bof = true;
    }
}

void TDataSet::SetRecNo(int recNo)
{
    CheckBrowseMode();
    if (m_rows.isEmpty())
        return;
    m_current = std::clamp(recNo, 1, int(m_rows.size())) - 1;
    m_bof = m_eof = false;
    NotifyScrolled();
}

bool TDataSet::Locate(const QString& fieldName, const QVariant& value, Qt::CaseSensitivity cs)
{
    CheckBrowseMode();
    const int index = FieldByName(fieldName)->Index();
    for (int row = 0; row < m_rows.size(); ++row) {
        if (valuesEqual(m_rows[row].values[index], value, cs)) {
            m_current = row;
            m_bof = m_eof = false;
            NotifyScrolled();
            return true;
        }
    }
    return false;
}

void TDataSet::Refresh()
{
    CheckBrowseMode();
    Reload(m_current >= 0 ? m_rows[m_current].key : QVariant(), m_current);
    NotifyDataSetChanged();
}

void TDataSet::Reload(const QVariant& key, int fallback)
{
    m_rows = FetchRows();
    m_current = -1;
    if (!key.isNull()) {
        for (int row = 0; row < m_rows.size(); ++row) {
            if (valuesEqual(m_rows[row].key, key, Qt::CaseSensitive)) {
                m_current = row;
                break;
            }
        }
    }
    if (m_current < 0 && !m_rows.isEmpty())
        m_current = std::clamp(fallback, 0, int(m_rows.size()) - 1);
    m_bof = m_current <= 0;
    m_eof = m_rows.isEmpty();
}

TField* TDataSet::FindField(const QString& fieldName) const
{
    for (TField* field : m_fields) {
        if (same(field->FieldName(), fieldName))
            return field;
    }
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& fieldName) const
{
    TField* field = FindField(fieldName);
    if (!field)
        throw EDatabaseError(Msg::tr(Msg::FieldNotFound).arg(fieldName));
    return field;
}

QVariant TDataSet::CurrentValue(int fieldIndex) const
{
    if (Editing())
        return m_buffer.value(fieldIndex);
    if (m_current >= 0 && m_current < m_rows.size())
        return m_rows[m_current].values.value(fieldIndex);
    return {};
}

QVariant TDataSet::ConvertForField(const FieldDef& def, const QVariant& value) const
{
    if (value.isNull())
        return {};
    if (isIntegerType(def.type)) {
        qlonglong number = 0;
        bool ok = false;
        if (value.typeId() == QMetaType::QString) {
            const QString text = value.toString().trimmed();
            if (text.isEmpty())
                return {};
            number = text.toLongLong(&ok, 10);
            if (!ok)
                throw EConvertError(Msg::tr(Msg::NotAnInteger).arg(value.toString()));
        } else {
            number = value.toLongLong(&ok);
            if (!ok)
                throw EConvertError(Msg::tr(Msg::NotAnInteger).arg(value.toString()));
        }
        const qlonglong low =
            def.type == TFieldType::SmallInt ? -32768 : std::numeric_limits<int>::min();
        const qlonglong high =
            def.type == TFieldType::SmallInt ? 32767 : std::numeric_limits<int>::max();
        if (number < low || number > high)
            throw EDatabaseError(
                Msg::tr(Msg::FieldOutOfRange).arg(QString::number(number), def.name));
        return int(number);
    }
    if (def.type == TFieldType::Blob)
        return value.toByteArray();
    const QString text = value.toString();
    // A text that does not fit is refused rather than cut: a cut level
    // parameter or score would be stored as if it were right.
    if (def.type == TFieldType::String && def.size > 0 && text.size() > def.size)
        throw EDatabaseError(Msg::tr(Msg::FieldTooLong).arg(def.name).arg(def.size));
    return text;
}

void TDataSet::SetBufferValue(TField* field, const QVariant& value)
{
    if (!Editing())
        throw EDatabaseError(Msg::tr(Msg::NotEditing));
    if (field->ReadOnly())
        throw EDatabaseError(Msg::tr(Msg::FieldReadOnly).arg(field->FieldName()));
    const QVariant converted = ConvertForField(field->m_def, value);
    QVariant& slot = m_buffer[field->Index()];
    if (slot.isNull() == converted.isNull() && slot == converted)
        return;
    slot = converted;
    m_modified[field->Index()] = true;
    if (m_disableCount > 0)
        m_changedWhileDisabled = true;
    else
        emit FieldChanged(field);
}

bool TDataSet::Modified() const
{
    return m_modified.contains(true);
}

void TDataSet::Edit()
{
    CheckActive();
    if (Editing())
        return;
    if (!CanModify())
        throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
    if (m_rows.isEmpty()) {
        Insert();
        return;
    }
    m_buffer = m_rows[m_current].values;
    m_modified = QVector<bool>(m_fields.size(), false);
    SetState(TDataSetState::Edit);
}

void TDataSet::Append()
{
    CheckBrowseMode();
    m_restoreRow = int(m_rows.size()) - 1;
    StartInsert(int(m_rows.size()));
}

void TDataSet::Insert()
{
    CheckBrowseMode();
    m_restoreRow = m_current;
    StartInsert(std::max(m_current, 0));
}

void TDataSet::StartInsert(int position)
{
    if (!CanModify())
        throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
    m_buffer = QVector<QVariant>(m_fields.size());
    m_modified = QVector<bool>(m_fields.size(), false);
    InitNewRow(m_buffer);
    m_insertPosition = position;
    m_bof = m_eof = false;
    SetState(TDataSetState::Insert);
    NotifyDataSetChanged();
}

void TDataSet::Post()
{
    CheckActive();
    if (!Editing())
        return;
    for (TField* field : m_fields) {
        if (!field->Required() || field->ReadOnly())
            continue;
        const QVariant& value = m_buffer[field->Index()];
        if (value.isNull() ||
            (value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty()))
            throw EDBEngineError(EngineCode::RequiredField,
                                 Msg::tr(Msg::FieldRequired).arg(field->FieldName()));
    }
    if (m_state == TDataSetState::Insert) {
        const QVariant key = InsertRow(m_buffer);
        m_buffer.clear();
        m_modified.clear();
        m_state = TDataSetState::Browse;
        Reload(key, m_insertPosition);
    } else {
        const QVariant key = m_rows[m_current].key;
        if (Modified())
            UpdateRow(key, m_buffer, m_modified);
        m_buffer.clear();
        m_modified.clear();
        m_state = TDataSetState::Browse;
        Reload(key, m_current);
    }
    if (m_disableCount > 0)
        m_changedWhileDisabled = true;
    else
        emit StateChanged();
    NotifyDataSetChanged();
}

void TDataSet::Cancel()
{
    if (!Editing())
        return;
    if (m_state == TDataSetState::Insert) {
        m_current = m_rows.isEmpty() ? -1 : std::clamp(m_restoreRow, 0, int(m_rows.size()) - 1);
        m_bof = m_current <= 0;
        m_eof = m_rows.isEmpty();
    }
    m_buffer.clear();
    m_modified.clear();
    SetState(TDataSetState::Browse);
    NotifyDataSetChanged();
}

void TDataSet::Delete()
{
    CheckActive();
    if (m_state == TDataSetState::Insert) {
        Cancel();
        return;
    }
    if (m_rows.isEmpty())
        throw EDatabaseError(Msg::tr(Msg::EmptyDataSet));
    if (!CanModify())
        throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
    DeleteRow(m_rows[m_current].key);
    if (m_state == TDataSetState::Edit) {
        m_buffer.clear();
        m_modified.clear();
        SetState(TDataSetState::Browse);
    }
    const int position = m_current;
    Reload(QVariant(), position);
    NotifyDataSetChanged();
}

QVariant TDataSet::InsertRow(const QVector<QVariant>&)
{
    throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
}

void TDataSet::UpdateRow(const QVariant&, const QVector<QVariant>&, const QVector<bool>&)
{
    throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
}

void TDataSet::DeleteRow(const QVariant&)
{
    throw EDatabaseError(Msg::tr(Msg::ReadOnlyDataSet));
}

void TDataSet::SetFilter(const QString& filter)
{
    m_filter = filter;
    if (Active() && m_filtered) {
        CheckBrowseMode();
        Reload(QVariant(), 0);
        m_bof = true;
        NotifyDataSetChanged();
    }
}

void TDataSet::SetFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    m_filtered = filtered;
    if (Active()) {
        CheckBrowseMode();
        Reload(QVariant(), 0);
        m_bof = true;
        NotifyDataSetChanged();
    }
}

std::optional<TDataSet::FilterTerm> TDataSet::ActiveFilter() const
{
    if (!m_filtered || m_filter.trimmed().isEmpty())
        return std::nullopt;
    static const QRegularExpression form(
        QStringLiteral("^\\s*([A-Za-z_][A-Za-z0-9_]*)\\s*=\\s*([+-]?[0-9]+)\\s*$"));
    const QRegularExpressionMatch match = form.match(m_filter);
    bool ok = false;
    const qlonglong value = match.hasMatch() ? match.captured(2).toLongLong(&ok) : 0;
    TField* field = match.hasMatch() ? FindField(match.captured(1)) : nullptr;
    if (!ok || !field)
        throw EDatabaseError(Msg::tr(Msg::BadFilter).arg(m_filter));
    return FilterTerm{field->FieldName(), value};
}

int TDataSet::ViewRowCount() const
{
    return int(m_rows.size()) + (m_state == TDataSetState::Insert ? 1 : 0);
}

int TDataSet::ViewCurrentRow() const
{
    return m_state == TDataSetState::Insert ? m_insertPosition : m_current;
}

QVariant TDataSet::ViewValue(int viewRow, int fieldIndex) const
{
    if (m_state == TDataSetState::Insert) {
        if (viewRow == m_insertPosition)
            return m_buffer.value(fieldIndex);
        if (viewRow > m_insertPosition)
            --viewRow;
    } else if (m_state == TDataSetState::Edit && viewRow == m_current) {
        return m_buffer.value(fieldIndex);
    }
    if (viewRow < 0 || viewRow >= m_rows.size())
        return {};
    return m_rows[viewRow].values.value(fieldIndex);
}

void TDataSet::MoveToViewRow(int viewRow)
{
    if (!Active())
        return;
    if (m_state == TDataSetState::Insert) {
        if (viewRow == m_insertPosition)
            return;
        if (viewRow > m_insertPosition)
            --viewRow;
    }
    if (viewRow == m_current && !Editing())
        return;
    SetRecNo(viewRow + 1);
}

// ---------------------------------------------------------------- TTable

TTable::TTable(QObject* parent) : TDataSet(parent) {}

void TTable::SetTableName(const QString& tableName)
{
    Close();
    m_tableName = tableName;
    m_def = FindTable(tableName);
    SetFieldDefs(m_def ? m_def->fields : QList<FieldDef>());
}

void TTable::SetIndexName(const QString& indexName)
{
    m_indexName = indexName;
    if (Active())
        Refresh();
}

void TTable::SetMasterSource(TDataSource* master, const QString& masterField,
                             const QString& detailField)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterField = masterField;
    m_detailField = detailField;
    if (m_master) {
        connect(m_master, &TDataSource::DataSetChanged, this, &TTable::MasterChanged);
        connect(m_master, &TDataSource::Scrolled, this, &TTable::MasterChanged);
    }
}

QVariant TTable::MasterValue() const
{
    TDataSet* master = m_master ? m_master->DataSet() : nullptr;
    if (!master || !master->Active())
        return {};
    TField* field = master->FindField(m_masterField);
    return field ? field->Value() : QVariant();
}

void TTable::MasterChanged()
{
    // A detail being edited keeps its rows; it follows at its next move.
    if (!Active() || Editing())
        return;
    const QVariant value = MasterValue();
    if (value.isNull() == m_lastMasterValue.isNull() && value == m_lastMasterValue)
        return;
    Reload(QVariant(), 0);
    NotifyDataSetChanged();
}

QString TTable::KeyColumn() const
{
    // Plates has no key of its own: SQLite's row id stands in for it.
    const FieldDef* key = m_def ? m_def->keyField() : nullptr;
    return key ? key->name : QStringLiteral("rowid");
}

void TTable::PrepareOpen()
{
    if (!m_def || !m_database->TableExists(m_def->name))
        throw EDBEngineError(EngineCode::None, Msg::tr(Msg::TableMissing).arg(m_tableName));
    const QSqlRecord record = m_database->Sql().record(m_def->name);
    for (const FieldDef& field : m_def->fields) {
        if (record.indexOf(field.name) < 0)
            throw EDBEngineError(EngineCode::None,
                                 Msg::tr(Msg::TableFieldMissing).arg(m_tableName, field.name));
    }
    if (!m_indexName.isEmpty() && !m_def->index(m_indexName))
        throw EDatabaseError(Msg::tr(Msg::IndexNotFound).arg(m_indexName));
}

QVector<TDataSet::Row> TTable::FetchRows()
{
    if (!m_def || !m_database || !m_database->Connected())
        throw EDBEngineError(EngineCode::None, Msg::tr(Msg::NotConnected));

    QStringList columns{KeyColumn()};
    for (const TField* field : Fields())
        columns << field->FieldName();

    QStringList conditions;
    QVariantList values;
    m_lastMasterValue = QVariant();
    if (m_master && m_master->DataSet() && m_master->DataSet()->Active()) {
        m_lastMasterValue = MasterValue();
        if (m_lastMasterValue.isNull()) {
            conditions << QStringLiteral("1=0");
        } else {
            conditions << FieldByName(m_detailField)->FieldName() + QLatin1String(" = ?");
            values << m_lastMasterValue;
        }
    }
    if (const auto filter = ActiveFilter()) {
        conditions << filter->field + QLatin1String(" = ?");
        values << filter->value;
    }

    QStringList order;
    if (const IndexDef* index = m_def->index(m_indexName)) {
        for (const QString& fieldName : index->fields) {
            const FieldDef* field = m_def->field(fieldName);
            const bool text = field && isTextType(field->type);
            order << (index->caseInsensitive && text ? fieldName + QLatin1String(" COLLATE NOCASE")
                                                     : fieldName);
        }
    }
    order << KeyColumn();

    QString sql =
        QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QLatin1String(", ")), m_def->name);
    if (!conditions.isEmpty())
        sql += QLatin1String(" WHERE ") + conditions.join(QLatin1String(" AND "));
    sql += QLatin1String(" ORDER BY ") + order.join(QLatin1String(", "));

    QSqlQuery query(m_database->Sql());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        ThrowSqlError(query.lastError());
    bindAll(query, values);
    if (!query.exec())
        ThrowSqlError(query.lastError());

    QVector<Row> rows;
    while (query.next()) {
        Row row;
        row.key = query.value(0);
        row.values.reserve(Fields().size());
        for (int i = 0; i < Fields().size(); ++i)
            row.values.append(fromStorage(m_def->fields[i], query.value(i + 1)));
        rows.append(std::move(row));
    }
    return rows;
}

QVariant TTable::InsertRow(const QVector<QVariant>& values)
{
    QStringList columns;
    QStringList marks;
    QVariantList bound;
    for (int i = 0; i < Fields().size(); ++i) {
        if (Fields()[i]->ReadOnly() || values[i].isNull())
            continue;
        columns << Fields()[i]->FieldName();
        marks << QStringLiteral("?");
        bound << values[i];
    }
    const QString sql = columns.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(m_def->name)
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(m_def->name, columns.join(QLatin1String(", ")),
                                       marks.join(QLatin1String(", ")));
    QSqlQuery query(m_database->Sql());
    if (!query.prepare(sql))
        ThrowSqlError(query.lastError());
    bindAll(query, bound);
    if (!query.exec())
        ThrowSqlError(query.lastError());
    return query.lastInsertId();
}

void TTable::UpdateRow(const QVariant& key, const QVector<QVariant>& values,
                       const QVector<bool>& modified)
{
    QStringList assignments;
    QVariantList bound;
    for (int i = 0; i < Fields().size(); ++i) {
        if (!modified[i] || Fields()[i]->ReadOnly())
            continue;
        assignments << Fields()[i]->FieldName() + QLatin1String(" = ?");
        bound << values[i];
    }
    if (assignments.isEmpty())
        return;
    bound << key;
    QSqlQuery query(m_database->Sql());
    if (!query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                           .arg(m_def->name, assignments.join(QLatin1String(", ")), KeyColumn())))
        ThrowSqlError(query.lastError());
    bindAll(query, bound);
    if (!query.exec())
        ThrowSqlError(query.lastError());
}

void TTable::DeleteRow(const QVariant& key)
{
    QSqlQuery query(m_database->Sql());
    if (!query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_def->name, KeyColumn())))
        ThrowSqlError(query.lastError());
    query.addBindValue(key);
    if (!query.exec())
        ThrowSqlError(query.lastError());
}

void TTable::InitNewRow(QVector<QVariant>& values)
{
    // A new row of a detail table belongs to the master's current row.
    if (!m_master)
        return;
    if (TField* field = FindField(m_detailField)) {
        const QVariant master = MasterValue();
        if (!master.isNull())
            values[field->Index()] = master;
    }
}

// ---------------------------------------------------------------- TQuery

TQuery::TQuery(QObject* parent) : TDataSet(parent) {}

void TQuery::SetSQL(const QString& sql)
{
    Close();
    m_sql = sql;
    m_params.clear();
}

void TQuery::SetParam(const QString& name, const QVariant& value)
{
    const QString key = name.startsWith(QLatin1Char(':')) ? name : QLatin1Char(':') + name;
    for (auto& param : m_params) {
        if (same(param.first, key)) {
            param.second = value;
            return;
        }
    }
    m_params.append({key, value});
}

QVector<TDataSet::Row> TQuery::FetchRows()
{
    if (!m_database || !m_database->Connected())
        throw EDBEngineError(EngineCode::None, Msg::tr(Msg::NotConnected));
    QSqlQuery query(m_database->Sql());
    query.setForwardOnly(true);
    if (!query.prepare(m_sql))
        ThrowSqlError(query.lastError());
    for (const auto& [name, value] : m_params)
        query.bindValue(name, value);
    if (!query.exec())
        ThrowSqlError(query.lastError());

    const QSqlRecord record = query.record();
    QList<FieldDef> defs;
    for (int i = 0; i < record.count(); ++i) {
        const int type = record.field(i).metaType().id();
        TFieldType fieldType = TFieldType::Memo;
        if (type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt ||
            type == QMetaType::ULongLong)
            fieldType = TFieldType::Integer;
        else if (type == QMetaType::QByteArray)
            fieldType = TFieldType::Blob;
        defs.append({record.fieldName(i), fieldType, 0, false});
    }
    bool sameFields = defs.size() == Fields().size();
    for (int i = 0; sameFields && i < defs.size(); ++i)
        sameFields = same(defs[i].name, Fields()[i]->FieldName());
    if (!sameFields)
        SetFieldDefs(defs);

    QVector<Row> rows;
    int number = 0;
    while (query.next()) {
        Row row;
        row.key = number++;
        for (int i = 0; i < defs.size(); ++i)
            row.values.append(fromStorage(defs[i], query.value(i)));
        rows.append(std::move(row));
    }
    return rows;
}

// ---------------------------------------------------------------- TDataSource

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::SetDataSet(TDataSet* dataSet)
{
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (m_dataSet) {
        connect(m_dataSet, &TDataSet::DataSetChanged, this, &TDataSource::DataSetChanged);
        connect(m_dataSet, &TDataSet::Scrolled, this, &TDataSource::Scrolled);
        connect(m_dataSet, &TDataSet::FieldChanged, this, &TDataSource::FieldChanged);
        connect(m_dataSet, &TDataSet::StateChanged, this, &TDataSource::StateChanged);
    }
    emit DataSetChanged();
}
