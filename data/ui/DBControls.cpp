#include "DBControls.h"

#include "AppError.h"
#include "DataSet.h"
#include "Messages.h"

#include <QHeaderView>
#include <QMouseEvent>

// ---------------------------------------------------------------- TFieldLink

TFieldLink::TFieldLink(QObject* parent) : QObject(parent) {}

void TFieldLink::SetDataSource(TDataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &TDataSource::DataSetChanged, this, &TFieldLink::Changed);
        connect(m_source, &TDataSource::Scrolled, this, &TFieldLink::Changed);
        connect(m_source, &TDataSource::StateChanged, this, &TFieldLink::Changed);
        connect(m_source, &TDataSource::FieldChanged, this, [this](TField* field) {
            if (!m_writing && field == Field())
                emit Changed();
        });
    }
    emit Changed();
}

void TFieldLink::SetDataField(const QString& fieldName)
{
    m_fieldName = fieldName;
    emit Changed();
}

TField* TFieldLink::Field() const
{
    TDataSet* dataSet = m_source ? m_source->DataSet() : nullptr;
    return dataSet && !m_fieldName.isEmpty() ? dataSet->FindField(m_fieldName) : nullptr;
}

QString TFieldLink::Text() const
{
    TField* field = Field();
    return field && field->DataSet()->Active() ? field->AsString() : QString();
}

bool TFieldLink::Write(const QString& text)
{
    TField* field = Field();
    if (!field || !field->DataSet()->Active())
        return false;
    m_writing = true;
    try {
        if (!field->DataSet()->Editing())
            field->DataSet()->Edit();
        field->SetAsString(text);
    } catch (const AppError& error) {
        m_writing = false;
        ShowMessage(error.message(), MessageKind::Error);
        return false;
    }
    m_writing = false;
    return true;
}

// ---------------------------------------------------------------- TDBEdit

TDBEdit::TDBEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(&m_link, &TFieldLink::Changed, this, &TDBEdit::ShowField);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (isReadOnly())
            return;
        if (!m_link.Write(text))
            ShowField(); // refused: show what the field holds
    });
}

void TDBEdit::ShowField()
{
    TField* field = m_link.Field();
    setMaxLength(field && field->DataType() == TFieldType::String && field->Size() > 0
                     ? field->Size()
                     : 32767);
    const QString text = m_link.Text();
    if (text != this->text())
        setText(text);
}

// ---------------------------------------------------------------- TDBMemo

TDBMemo::TDBMemo(QWidget* parent) : QPlainTextEdit(parent)
{
    connect(&m_link, &TFieldLink::Changed, this, &TDBMemo::ShowField);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_showing || isReadOnly())
            return;
        if (!m_link.Write(toPlainText()))
            ShowField();
    });
}

void TDBMemo::ShowField()
{
    const QString text = m_link.Text();
    if (text == toPlainText())
        return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
}

// ---------------------------------------------------------------- TDBGridModel

TDBGridModel::TDBGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TDataSet* TDBGridModel::DataSet() const
{
    return m_source ? m_source->DataSet() : nullptr;
}

void TDBGridModel::SetDataSource(TDataSource* source)
{
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &TDataSource::DataSetChanged, this, &TDBGridModel::Reset);
        connect(m_source, &TDataSource::StateChanged, this, &TDBGridModel::Reset);
        connect(m_source, &TDataSource::Scrolled, this,
                [this] { emit CurrentRowChanged(DataSet() ? DataSet()->ViewCurrentRow() : -1); });
        connect(m_source, &TDataSource::FieldChanged, this, [this](TField*) {
            TDataSet* dataSet = DataSet();
            const int row = dataSet ? dataSet->ViewCurrentRow() : -1;
            if (row >= 0)
                emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        });
    }
    Reset();
}

void TDBGridModel::SetColumns(const QList<Column>& columns)
{
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void TDBGridModel::Reset()
{
    beginResetModel();
    endResetModel();
    TDataSet* dataSet = DataSet();
    emit CurrentRowChanged(dataSet ? dataSet->ViewCurrentRow() : -1);
}

int TDBGridModel::rowCount(const QModelIndex& parent) const
{
    TDataSet* dataSet = DataSet();
    return parent.isValid() || !dataSet || !dataSet->Active() ? 0 : dataSet->ViewRowCount();
}

int TDBGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant TDBGridModel::data(const QModelIndex& index, int role) const
{
    TDataSet* dataSet = DataSet();
    if (!index.isValid() || !dataSet || role != Qt::DisplayRole)
        return {};
    TField* field = dataSet->FindField(m_columns.value(index.column()).fieldName);
    if (!field)
        return {};
    const QVariant value = dataSet->ViewValue(index.row(), field->Index());
    return value.isNull() ? QString() : value.toString();
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
        return m_columns[section].title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

// ---------------------------------------------------------------- TDBGrid

TDBGrid::TDBGrid(QWidget* parent) : QTableView(parent)
{
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    connect(&m_model, &TDBGridModel::CurrentRowChanged, this, &TDBGrid::FollowDataSet);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { RowChosen(current); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        RowChosen(index);
        emit CellClick(index.column());
    });
}

void TDBGrid::AddColumn(const QString& fieldName, const QString& title, int width)
{
    QList<TDBGridModel::Column> columns = m_model.Columns();
    columns.append({fieldName, title});
    m_widths.append(width);
    m_model.SetColumns(columns);
    for (int i = 0; i < m_widths.size(); ++i) {
        setColumnHidden(i, m_widths[i] == 0);
        if (m_widths[i] > 0)
            setColumnWidth(i, m_widths[i]);
    }
}

void TDBGrid::FollowDataSet(int row)
{
    m_following = true;
    if (row >= 0 && row < m_model.rowCount()) {
        int column = 0;
        while (column < m_model.columnCount() - 1 && isColumnHidden(column))
            ++column;
        setCurrentIndex(m_model.index(row, column));
    } else {
        selectionModel()->clearCurrentIndex();
        clearSelection();
    }
    m_following = false;
}

void TDBGrid::RowChosen(const QModelIndex& current)
{
    if (m_following || !current.isValid())
        return;
    TDataSet* dataSet = m_model.DataSet();
    if (!dataSet || current.row() == dataSet->ViewCurrentRow())
        return;
    try {
        dataSet->MoveToViewRow(current.row());
    } catch (const AppError& error) {
        ShowMessage(error.message(), MessageKind::Error);
        FollowDataSet(dataSet->ViewCurrentRow());
    }
}
