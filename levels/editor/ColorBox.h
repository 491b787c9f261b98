#pragma once
// A colour box of the level editors: a small box whose background shows a
// colour, and which keeps that colour as the value of a level parameter. The
// value is kept exactly as it was set (a system colour with its high byte
// set stays what it was), only its drawing goes through ToQColor.

#include "Define.h"

#include <QFrame>

class TColorBox : public QFrame
{
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

signals:
    void ColorChanged(TColor color);

private:
    TColor m_color = 0;
};
