#include "PlateView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double Margin = 12.0;

double snap(double v)
{
    return std::round(v / PlateView::Resolution) * PlateView::Resolution;
}
} // namespace

PlateView::PlateView(int sensorsX, int sensorsY, QWidget* parent)
    : QWidget(parent), m_sensorsX(std::max(1, sensorsX)), m_sensorsY(std::max(1, sensorsY)),
      m_position(centre())
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(160, 160);
}

void PlateView::setPosition(QPointF sensor)
{
    const QPointF p(snap(std::clamp(sensor.x(), 0.0, double(m_sensorsX))),
                    snap(std::clamp(sensor.y(), 0.0, double(m_sensorsY))));
    if (p == m_position)
        return;
    m_position = p;
    update();
    emit positionChanged(m_position);
}

QRectF PlateView::plateRect() const
{
    const double cell = std::max(
        1e-3, std::min((width() - 2 * Margin) / m_sensorsX, (height() - 2 * Margin) / m_sensorsY));
    const QSizeF size(cell * m_sensorsX, cell * m_sensorsY);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QPointF PlateView::sensorToWidget(QPointF sensor) const
{
    const QRectF r = plateRect();
    return {r.left() + sensor.x() * r.width() / m_sensorsX,
            r.top() + sensor.y() * r.height() / m_sensorsY};
}

QPointF PlateView::widgetToSensor(QPointF point) const
{
    const QRectF r = plateRect();
    return {(point.x() - r.left()) * m_sensorsX / r.width(),
            (point.y() - r.top()) * m_sensorsY / r.height()};
}

void PlateView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QRectF r = plateRect();
    painter.fillRect(r, QColor(236, 240, 244));

    painter.setPen(QPen(QColor(196, 204, 214), 0));
    for (int i = 1; i < m_sensorsX; ++i) {
        const double x = r.left() + i * r.width() / m_sensorsX;
        painter.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    }
    for (int j = 1; j < m_sensorsY; ++j) {
        const double y = r.top() + j * r.height() / m_sensorsY;
        painter.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    }
    // Centre cross, so "at rest" is easy to find again.
    const QPointF c = sensorToWidget(centre());
    painter.setPen(QPen(QColor(120, 132, 148), 1, Qt::DashLine));
    painter.drawLine(QPointF(c.x(), r.top()), QPointF(c.x(), r.bottom()));
    painter.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
    painter.setPen(QPen(QColor(60, 70, 84), 2));
    painter.drawRect(r);

    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = std::clamp(r.width() / m_sensorsX * 0.8, 4.0, 12.0);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(QColor(214, 48, 49));
    painter.drawEllipse(sensorToWidget(m_position), radius, radius);
}

void PlateView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    setPosition(widgetToSensor(event->position()));
}

void PlateView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    setPosition(widgetToSensor(event->position()));
}

void PlateView::keyPressEvent(QKeyEvent* event)
{
    QPointF p = m_position;
    switch (event->key()) {
    case Qt::Key_Left:
        p.rx() -= KeyStep;
        break;
    case Qt::Key_Right:
        p.rx() += KeyStep;
        break;
    case Qt::Key_Up:
        p.ry() -= KeyStep;
        break;
    case Qt::Key_Down:
        p.ry() += KeyStep;
        break;
    case Qt::Key_Home:
    case Qt::Key_C:
        p = centre();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setPosition(p);
}
