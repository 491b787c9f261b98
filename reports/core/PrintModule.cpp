#include "PrintModule.h"

TPrintModule* PrintModule = nullptr;

namespace {
constexpr int TrialFieldWidth = 30;
}

QString ExerciseName(int gameType)
{
    switch (gameType) {
    case 0:
        return QStringLiteral("PingPong");
    case 1:
        return QStringLiteral("Clock");
    case 2:
        return QStringLiteral("Target");
    case 3:
        return QStringLiteral("HoolaHoop");
    case 4:
        return QStringLiteral("PacMan");
    default:
        return QString();
    }
}

TPrintModule::TPrintModule(QObject* parent) : QObject(parent)
{
    setObjectName(QStringLiteral("PrintModule"));
    if (!PrintModule)
        PrintModule = this;

    RvCustomConnection1.onGetCols = [this](ReportCustomConnection& c) {
        RvCustomConnection1GetCols(c);
    };
    RvCustomConnection1.onFirst = [this](ReportCustomConnection& c) {
        RvCustomConnection1First(c);
    };
    RvCustomConnection1.onGetRow = [this](ReportCustomConnection& c) {
        RvCustomConnection1GetRow(c);
    };
    RvCustomConnection1.onEof = [this](ReportCustomConnection& c, bool& eof) {
        RvCustomConnection1EOF(c, eof);
    };
    RvCustomConnectionChart.onGetCols = [this](ReportCustomConnection& c) {
        RvCustomConnectionChartGetCols(c);
    };
}

TPrintModule::~TPrintModule()
{
    if (PrintModule == this)
        PrintModule = nullptr;
}

void TPrintModule::setTrialGrid(const QList<QStringList>& rows, int selectedRow)
{
    m_rows = rows;
    if (selectedRow < 0 || selectedRow >= rows.size())
        selectedRow = 0;
    m_level = rows.isEmpty() ? QString() : rows[selectedRow].value(TrialColumn::Level);
    m_sequence = 0;
    m_scan = 0;
}

QList<ReportCustomConnection*> TPrintModule::connections()
{
    return {&RvCustomConnection1, &RvCustomConnectionChart};
}

void TPrintModule::RvCustomConnection1GetCols(ReportCustomConnection& connection)
{
    connection.writeField(QStringLiteral("NumTrial"), ReportFieldType::String, TrialFieldWidth);
    connection.writeField(QStringLiteral("DateTrial"), ReportFieldType::String, TrialFieldWidth);
    connection.writeField(QStringLiteral("TimeTrial"), ReportFieldType::String, TrialFieldWidth);
    connection.writeField(QStringLiteral("ScoreTrial"), ReportFieldType::String, TrialFieldWidth);
}

void TPrintModule::RvCustomConnection1First(ReportCustomConnection&)
{
    m_sequence = 0;
    m_scan = 0;
}

int TPrintModule::nextRowOfLevel(int from) const
{
    for (int row = from; row < m_rows.size(); ++row) {
        if (m_rows[row].value(TrialColumn::Level) == m_level)
            return row;
    }
    return -1;
}

void TPrintModule::RvCustomConnection1GetRow(ReportCustomConnection& connection)
{
    const int row = nextRowOfLevel(m_scan);
    if (row < 0) {
        // Asked past the end: deliver nothing rather than a row of another level.
        m_scan = int(m_rows.size());
        return;
    }
    m_scan = row + 1;
    ++m_sequence;
    const QStringList& trial = m_rows[row];
    connection.writeStrData(QString::number(m_sequence));
    connection.writeStrData(trial.value(TrialColumn::Date));
    connection.writeStrData(trial.value(TrialColumn::Time));
    connection.writeStrData(trial.value(TrialColumn::Score));
}

void TPrintModule::RvCustomConnection1EOF(ReportCustomConnection&, bool& eof)
{
    // The list ends after the last row of the level, whatever follows it.
    eof = nextRowOfLevel(m_scan) < 0;
}

void TPrintModule::RvCustomConnectionChartGetCols(ReportCustomConnection& connection)
{
    connection.writeField(QStringLiteral("PieChart"), ReportFieldType::Graphic, 0);
}
