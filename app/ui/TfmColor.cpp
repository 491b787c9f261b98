#include "TfmColor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

TfmColor* fmColor = nullptr;

QColor ToQColor(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color)
{
    return TColor(color.red()) | (TColor(color.green()) << 8) | (TColor(color.blue()) << 16);
}

TColorPanel::TColorPanel(int tag, TColor color, QWidget* parent)
    : QFrame(parent), m_tag(tag), m_color(color)
{
    setObjectName(QStringLiteral("pColor%1").arg(tag));
    setFixedSize(33, 33);
    setFrameShape(QFrame::Panel);
    setLineWidth(3);
    setFrameShadow(QFrame::Raised);
    // Its own colour, never the parent's themed background.
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    setPalette(palette);
}

void TColorPanel::setPressed(bool pressed)
{
    setFrameShadow(pressed ? QFrame::Sunken : QFrame::Raised);
}

void TColorPanel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(this);
    QFrame::mousePressEvent(event);
}

TfmColor::TfmColor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fmColor"));
    setWindowTitle(tr("Color"));
    setModal(true);

    static constexpr TColor colors[PanelCount] = {16711680, 128, 16711935, 32768, 65535, 255};
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* grid = new QGridLayout(group);
    for (int tag = 0; tag < PanelCount; ++tag) {
        m_panels[tag] = new TColorPanel(tag, colors[tag], group);
        grid->addWidget(m_panels[tag], tag / 3, tag % 3);
        connect(m_panels[tag], &TColorPanel::clicked, this, &TfmColor::ColorClick);
    }

    auto* btOk = new QPushButton(tr("OK"), this);
    btOk->setObjectName(QStringLiteral("btOk"));
    btOk->setDefault(true);
    auto* btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    connect(btOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btOk);
    buttons->addWidget(btCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TfmColor::showEvent(QShowEvent* event)
{
    PickedIndex = -1;
    for (TColorPanel* panel : m_panels)
        panel->setPressed(false);
    QDialog::showEvent(event);
}

void TfmColor::ColorClick(TColorPanel* panel)
{
    if (PickedIndex >= 0 && PickedIndex < PanelCount)
        m_panels[PickedIndex]->setPressed(false);
    PickedIndex = panel->tag();
    PickedColor = panel->color();
    panel->setPressed(true);
}

TfmColor* ColorPicker()
{
    if (!fmColor)
        fmColor = new TfmColor;
    return fmColor;
}
