#pragma once
#include <QString>
#include <QStringList>

struct TopLevelWindow
{
    QString className; // second string of WM_CLASS
    QString title;     // _NET_WM_NAME, else WM_NAME
};

// The top-level windows of the X server named by $DISPLAY (and one level
// below them, where a window manager wraps clients in frames). Empty when
// there is no X server.
QList<TopLevelWindow> EnumerateTopLevelWindows();

// A sibling product of the platform runs: its application window has the
// class "TApplication" and one of the products' titles (compared without
// regard to case, as window look-ups by title do on the products' platform).
bool SiblingProductRunning(const QList<TopLevelWindow>& windows);
bool SiblingProductRunning();
