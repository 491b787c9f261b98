#pragma once
// The dataset layer: tables and queries with the semantics the windows are
// written against. A dataset holds the rows of its view (filter and master
// link applied, in index order) and a cursor on one of them:
//
//   Open -> First:   Bof, cursor on row 0 (Eof at once when empty)
//   Next past last:  Eof, the cursor stays on the last row
//   Edit / Append:   the current row is copied into (or a blank row becomes)
//                    the edit buffer; fields write into the buffer only
//   Post:            the buffer goes to the database; the view is read
//                    again and the cursor stands on the posted row
//   Cancel:          the buffer is dropped, nothing reaches the database
//
// Filters have the one form the program uses, FIELD=number; a master link
// restricts a detail table to the rows whose key field equals the master's
// current value. Data-aware controls listen through a TDataSource.

#include "Schema.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QVector>
#include <optional>

class TDatabase;
class TDataSet;
class TDataSource;

enum class TDataSetState
{
    Inactive,
    Browse,
    Edit,
    Insert
};

// One column of a dataset. Its value is that of the current row, or of the
// edit buffer while the dataset is in Edit or Insert state.
class TField
{
public:
    const QString& FieldName() const { return m_def.name; }
    TFieldType DataType() const { return m_def.type; }
    int Size() const { return m_def.size; }
    bool Required() const { return m_def.required; }
    bool ReadOnly() const { return m_def.type == TFieldType::AutoInc; }
    int Index() const { return m_index; }
    TDataSet* DataSet() const { return m_dataSet; }

    QVariant Value() const;
    bool IsNull() const;
    // An empty field gives "" and 0.
    QString AsString() const;
    // Throws EConvertError when the text is no decimal integer.
    int AsInteger() const;

    // Only in Edit or Insert state. Throws EDatabaseError for a read-only
    // field, a text longer than Size(), or a dataset not being edited;
    // EConvertError for a text that is no integer in an integer field.
    void SetValue(const QVariant& value);
    void SetAsString(const QString& value) { SetValue(value); }
    void SetAsInteger(int value) { SetValue(value); }
    void Clear() { SetValue(QVariant()); }

private:
    friend class TDataSet;
    TField(TDataSet* dataSet, FieldDef def, int index)
        : m_dataSet(dataSet), m_def(std::move(def)), m_index(index)
    {
    }
    TDataSet* m_dataSet;
    FieldDef m_def;
    int m_index;
};

class TDataSet : public QObject
{
    Q_OBJECT
public:
    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    TDatabase* Database() const { return m_database; }
    void SetDatabase(TDatabase* database);

    // Throws EDBEngineError when the database or table cannot be read.
    void Open();
    // Drops a pending edit.
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    void SetActive(bool active) { active ? Open() : Close(); }
    TDataSetState State() const { return m_state; }
    bool Editing() const
    {
        return m_state == TDataSetState::Edit || m_state == TDataSetState::Insert;
    }

    // Navigation. A pending edit is posted first (or dropped when nothing
    // was changed), as the engine does before moving.
    void First();
    void Last();
    void Next();
    void Prior();
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    bool IsEmpty() const { return m_rows.isEmpty() && m_state != TDataSetState::Insert; }
    int RecordCount() const { return int(m_rows.size()); }
    // 1-based position of the current row, 0 without one.
    int RecNo() const { return m_current + 1; }
    void SetRecNo(int recNo);
    // Moves to the first row whose field equals the value; false (and no
    // move) when no row does.
    bool Locate(const QString& fieldName, const QVariant& value,
                Qt::CaseSensitivity cs = Qt::CaseSensitive);
    // Reads the view again, staying on the current row when it is still there.
    void Refresh();

    const QList<TField*>& Fields() const { return m_fields; }
    TField* FindField(const QString& fieldName) const;
    // Throws EDatabaseError when there is no such field.
    TField* FieldByName(const QString& fieldName) const;

    // Editing. Edit on an empty dataset starts an insertion, as the engine does.
    void Edit();
    void Append();
    void Insert();
    // Throws EDBEngineError (KeyViolation, RequiredField, ...) and then stays
    // in Edit or Insert state with the buffer as it was.
    void Post();
    void Cancel();
    // Throws EDatabaseError on an empty dataset.
    void Delete();
    // Every post is a committed transaction of its own, so it is on disk when
    // Post returns; kept for the windows that flush after posting.
    void FlushBuffers() {}
    bool Modified() const;

    // "FIELD=number". Applied while Filtered is true; changing either on an
    // open dataset reads the view again and moves to its first row.
    const QString& Filter() const { return m_filter; }
    void SetFilter(const QString& filter);
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool filtered);

    // While disabled no notification reaches the controls; enabling again
    // tells them to read everything anew.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // The view as a grid shows it: every row, plus the pending row of an
    // insertion at its place.
    int ViewRowCount() const;
    int ViewCurrentRow() const; // -1 without a current row
    QVariant ViewValue(int viewRow, int fieldIndex) const;
    // Moves to the view row (ignored for the pending row).
    void MoveToViewRow(int viewRow);

signals:
    // The rows or the state of the whole view changed: read everything anew.
    void DataSetChanged();
    // The cursor moved to another row.
    void Scrolled();
    // A field of the edit buffer changed.
    void FieldChanged(TField* field);
    void StateChanged();

protected:
    struct Row
    {
        QVariant key; // identifies the row in the database
        QVector<QVariant> values;
    };

    // Creates the field objects; a table does it once for its definition, a
    // query at every open.
    void SetFieldDefs(const QList<FieldDef>& defs);
    QVariant ConvertForField(const FieldDef& def, const QVariant& value) const;
    void CheckActive() const;

    // Reads the rows of the view, in order. Throws EDBEngineError.
    virtual QVector<Row> FetchRows() = 0;
    virtual void PrepareOpen() {}
    virtual bool CanModify() const { return true; }
    // Write the edit buffer; return the key of the inserted row.
    virtual QVariant InsertRow(const QVector<QVariant>& values);
    virtual void UpdateRow(const QVariant& key, const QVector<QVariant>& values,
                           const QVector<bool>& modified);
    virtual void DeleteRow(const QVariant& key);
    // Fills the blank row of an insertion (a detail table sets its link field).
    virtual void InitNewRow(QVector<QVariant>& /*values*/) {}

    // Reads the view again and puts the cursor on the row with `key`, or on
    // the row at `fallback` (clamped) when it is gone.
    void Reload(const QVariant& key, int fallback);
    void NotifyDataSetChanged();

    // The parsed filter, when one applies. Throws EDatabaseError for a
    // filter of another form or on an unknown field.
    struct FilterTerm
    {
        QString field;
        qlonglong value = 0;
    };
    std::optional<FilterTerm> ActiveFilter() const;

    TDatabase* m_database = nullptr;

private:
    friend class TField;
    friend class TDatabase;
    void CheckBrowseMode();
    void StartInsert(int position);
    void SetState(TDataSetState state);
    void NotifyScrolled();
    QVariant CurrentValue(int fieldIndex) const;
    void SetBufferValue(TField* field, const QVariant& value);

    QList<TField*> m_fields;
    QVector<Row> m_rows;
    int m_current = -1;
    bool m_bof = true;
    bool m_eof = true;
    TDataSetState m_state = TDataSetState::Inactive;
    QVector<QVariant> m_buffer;
    QVector<bool> m_modified;
    int m_insertPosition = -1; // view row of the pending row
    int m_restoreRow = -1;     // cursor after a cancelled insertion
    QString m_filter;
    bool m_filtered = false;
    int m_disableCount = 0;
    bool m_changedWhileDisabled = false;
};

// A table of the database, read through one of its indexes.
class TTable : public TDataSet
{
    Q_OBJECT
public:
    explicit TTable(QObject* parent = nullptr);

    // A table of the schema (Schema.h); its fields exist from here on,
    // whether the table is open or not.
    void SetTableName(const QString& tableName);
    const QString& TableName() const { return m_tableName; }
    const TableDef* Definition() const { return m_def; }

    // Browse order; empty: the order of the primary key, or of storage.
    void SetIndexName(const QString& indexName);
    const QString& IndexName() const { return m_indexName; }

    // Shows only the rows whose `detailField` equals `masterField` of the
    // master's current row; follows the master as it moves.
    void SetMasterSource(TDataSource* master, const QString& masterField,
                         const QString& detailField);
    TDataSource* MasterSource() const { return m_master; }

protected:
    QVector<Row> FetchRows() override;
    void PrepareOpen() override;
    QVariant InsertRow(const QVector<QVariant>& values) override;
    void UpdateRow(const QVariant& key, const QVector<QVariant>& values,
                   const QVector<bool>& modified) override;
    void DeleteRow(const QVariant& key) override;
    void InitNewRow(QVector<QVariant>& values) override;

private:
    void MasterChanged();
    QVariant MasterValue() const;
    QString KeyColumn() const;

    QString m_tableName;
    const TableDef* m_def = nullptr;
    QString m_indexName;
    QPointer<TDataSource> m_master;
    QString m_masterField;
    QString m_detailField;
    QVariant m_lastMasterValue;
};

// A read-only SQL statement with named parameters (":NAME").
class TQuery : public TDataSet
{
    Q_OBJECT
public:
    explicit TQuery(QObject* parent = nullptr);

    void SetSQL(const QString& sql);
    const QString& SQL() const { return m_sql; }
    // The value is bound as a value: it never becomes part of the statement.
    void SetParam(const QString& name, const QVariant& value);

protected:
    QVector<Row> FetchRows() override;
    bool CanModify() const override { return false; }

private:
    QString m_sql;
    QList<QPair<QString, QVariant>> m_params;
};

// What data-aware controls bind to: it passes on the notifications of its
// dataset.
class TDataSource : public QObject
{
    Q_OBJECT
public:
    explicit TDataSource(QObject* parent = nullptr);

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);

signals:
    void DataSetChanged();
    void Scrolled();
    void FieldChanged(TField* field);
    void StateChanged();

private:
    QPointer<TDataSet> m_dataSet;
};
