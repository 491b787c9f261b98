#include "ColorBox.h"

#include "TfmColor.h"

TColorBox::TColorBox(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setLineWidth(1);
    setMinimumSize(40, 21);
    // Its own colour, never the themed background of the group it sits in.
    setAutoFillBackground(true);
    SetColor(0);
}

void TColorBox::SetColor(TColor color)
{
    const bool changed = color != m_color;
    m_color = color;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    setPalette(palette);
    update();
    if (changed)
        emit ColorChanged(color);
}
