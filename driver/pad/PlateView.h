#pragma once
// Top view of the plate: a grid of one cell per sensor, (0, 0) at the top
// left, +y down as on the program's screen, and the CoG as a dot. The mouse
// (press and drag) puts the CoG under the pointer; the arrow keys nudge it by
// half a sensor; Home or C puts it back in the centre.

#include <QPointF>
#include <QRectF>
#include <QWidget>

class PlateView : public QWidget
{
    Q_OBJECT
public:
    static constexpr double KeyStep = 0.5;
    // Positions are kept to a tenth of a sensor, the resolution the pad
    // shows, so what it sends is exactly what it shows.
    static constexpr double Resolution = 0.1;

    explicit PlateView(int sensorsX, int sensorsY, QWidget* parent = nullptr);

    QPointF position() const { return m_position; }
    QPointF centre() const { return {m_sensorsX / 2.0, m_sensorsY / 2.0}; }
    // Clamped to the plate and rounded to Resolution.
    void setPosition(QPointF sensor);

    // The plate's area in widget coordinates, and the mapping both ways.
    QRectF plateRect() const;
    QPointF sensorToWidget(QPointF sensor) const;
    QPointF widgetToSensor(QPointF point) const;

    QSize sizeHint() const override { return {420, 420}; }

signals:
    void positionChanged(QPointF position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_sensorsX;
    int m_sensorsY;
    QPointF m_position;
};
