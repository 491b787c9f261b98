#pragma once
#include "Define.h"

#include <QDialog>
#include <QFrame>

class QGroupBox;
class QPushButton;

// One colour swatch of the picker: paints its own colour, raised or pressed.
class TColorPanel : public QFrame
{
    Q_OBJECT
public:
    TColorPanel(int tag, TColor color, QWidget* parent);
    int tag() const { return m_tag; }
    TColor color() const { return m_color; }
    void setPressed(bool pressed);
    bool isPressed() const { return frameShadow() == QFrame::Sunken; }

signals:
    void clicked(TColorPanel* panel);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_tag;
    TColor m_color;
};

// The six-colour picker of the level editors: exactly the colours for which
// the games have pictures.
class TfmColor : public QDialog
{
    Q_OBJECT
public:
    explicit TfmColor(QWidget* parent = nullptr);

    int PickedIndex = -1;
    TColor PickedColor = 0;

    TColorPanel* panel(int tag) const { return m_panels[tag]; }
    static constexpr int PanelCount = 6;

protected:
    void showEvent(QShowEvent* event) override; // FormShow

private:
    void ColorClick(TColorPanel* panel);
    TColorPanel* m_panels[PanelCount] = {};
};

extern TfmColor* fmColor;
TfmColor* ColorPicker(); // created on first use when start-up has not made it

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
