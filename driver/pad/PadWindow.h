#pragma once
// The "Steplink pad" window: the plate view, the values being sent, and the
// UDP sender. It sends on every change and again every 100 ms, so a
// simulator started after the pad still picks the position up.

#include "PadSettings.h"

#include <QHostAddress>
#include <QTimer>
#include <QUdpSocket>
#include <QWidget>

class QLabel;
class PlateView;

class PadWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ResendIntervalMs = 100;

    explicit PadWindow(const PadSettings& settings, QWidget* parent = nullptr);

    PlateView* plateView() const { return m_plate; }
    // "X: 24.0  Y: 24.0", as shown.
    QString valueText() const;
    static QString formatValues(QPointF position);

private:
    void send();
    void showValues();

    PlateView* m_plate;
    QLabel* m_values;
    QUdpSocket m_socket;
    QTimer m_resend;
    quint16 m_port;
};
