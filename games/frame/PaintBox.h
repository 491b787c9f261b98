#pragma once
// A surface that leaves its drawing to its owner, as a paint box does: the
// game window paints its playfield through it on every update.

#include <QPainter>
#include <QWidget>
#include <functional>

class TPaintBox : public QWidget
{
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {}

    std::function<void(QPainter& painter)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!OnPaint)
            return;
        QPainter painter(this);
        OnPaint(painter);
    }
};
