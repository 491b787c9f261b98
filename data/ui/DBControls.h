#pragma once
// Data-aware controls: they show a field (or the rows) of the dataset behind
// a TDataSource and follow it as it moves. An edit box writes what the user
// types into the field at once, so the row holds it when it is posted.

#include "DataSet.h"

#include <QAbstractTableModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTableView>

// What the edit box and the memo share: the binding to one field.
class TFieldLink : public QObject
{
    Q_OBJECT
public:
    explicit TFieldLink(QObject* parent = nullptr);

    void SetDataSource(TDataSource* source);
    TDataSource* DataSource() const { return m_source; }
    void SetDataField(const QString& fieldName);
    const QString& DataField() const { return m_fieldName; }

    // The bound field, null while the source has no dataset or no such field.
    TField* Field() const;
    // The field's text, "" without a field or row.
    QString Text() const;
    // Puts the dataset into editing when needed and writes the text; an
    // error is shown to the user and false returned.
    bool Write(const QString& text);

signals:
    // The shown value must be read again.
    void Changed();

private:
    QPointer<TDataSource> m_source;
    QString m_fieldName;
    bool m_writing = false;
};

class TDBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TDBEdit(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* source) { m_link.SetDataSource(source); }
    void SetDataField(const QString& fieldName) { m_link.SetDataField(fieldName); }
    TField* Field() const { return m_link.Field(); }

private:
    void ShowField();
    TFieldLink m_link;
};

class TDBMemo : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TDBMemo(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* source) { m_link.SetDataSource(source); }
    void SetDataField(const QString& fieldName) { m_link.SetDataField(fieldName); }

private:
    void ShowField();
    TFieldLink m_link;
    bool m_showing = false;
};

// The rows of a dataset as a table model, one column per chosen field.
class TDBGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Column
    {
        QString fieldName;
        QString title;
    };

    explicit TDBGridModel(QObject* parent = nullptr);

    void SetDataSource(TDataSource* source);
    TDataSource* DataSource() const { return m_source; }
    void SetColumns(const QList<Column>& columns);
    const QList<Column>& Columns() const { return m_columns; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    TDataSet* DataSet() const;

signals:
    // The dataset's current row moved (the grid follows it).
    void CurrentRowChanged(int row);

private:
    void Reset();
    QPointer<TDataSource> m_source;
    QList<Column> m_columns;
};

// A read-only grid over a dataset: whole-row selection, column titles. The
// selected row is the dataset's current row, both ways.
class TDBGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TDBGrid(QWidget* parent = nullptr);

    void SetDataSource(TDataSource* source) { m_model.SetDataSource(source); }
    // A width of 0 hides the column (the key column of the patient grid).
    void AddColumn(const QString& fieldName, const QString& title, int width = -1);
    TDBGridModel* GridModel() { return &m_model; }

signals:
    // A click on a cell, after the dataset has moved to the clicked row.
    void CellClick(int column);

private:
    void FollowDataSet(int row);
    void RowChosen(const QModelIndex& current);
    TDBGridModel m_model;
    QList<int> m_widths;
    bool m_following = false;
};
