#pragma once
// Acts on the next modal dialog once it is shown, so that a test can drive
// an exec() without blocking.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

inline void WhenModalShown(std::function<void(QWidget*)> action, int attempts = 200)
{
    QTimer::singleShot(10, [action = std::move(action), attempts]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            action(modal);
        } else if (attempts > 0) {
            WhenModalShown(std::move(action), attempts - 1);
        }
    });
}
