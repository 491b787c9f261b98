#include "Playfields.h"

#include "IniFile.h"
#include "MessageTable.h"
#include "Messages.h"
#include "TfmColor.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace {
QList<QPointer<QWidget>>& playfields()
{
    static QList<QPointer<QWidget>> list;
    return list;
}
} // namespace

void PaintPlayfieldBackground(QWidget* playfield, TColor color)
{
    playfield->setAutoFillBackground(true);
    QPalette palette = playfield->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    playfield->setPalette(palette);
    playfield->update();
}

void RegisterPlayfield(QWidget* playfield)
{
    playfields().removeAll(nullptr);
    if (!playfields().contains(playfield))
        playfields().append(playfield);
    PaintPlayfieldBackground(playfield, BackGround_Color);
}

void ApplyBackgroundColor(TColor color)
{
    BackGround_Color = color;
    playfields().removeAll(nullptr);
    for (const QPointer<QWidget>& playfield : playfields())
        PaintPlayfieldBackground(playfield, color);

    IniFile ini(ProgramIniPath());
    if (ini.exists()) {
        ini.writeInteger(QLatin1String(Key::BackGroundColor.section),
                         QLatin1String(Key::BackGroundColor.key), int(color));
    } else {
        ShowMessage(Msg::tr(Msg::ConfigProblems) + Msg::tr(Msg::FileMissingLower) + ConfigPath +
                        QLatin1String(FileName::ProgramIni),
                    MessageKind::Warning);
    }
}
