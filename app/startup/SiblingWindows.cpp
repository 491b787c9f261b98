#include "SiblingWindows.h"

#include <memory>
#include <xcb/xcb.h>

namespace {

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&free)>;

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name)
{
    XcbReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, uint16_t(strlen(name)), name),
                              nullptr),
        &free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QByteArray property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t atom,
                    xcb_atom_t type)
{
    if (atom == XCB_ATOM_NONE)
        return {};
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, window, atom, type, 0, 1024), nullptr),
        &free);
    if (!reply || reply->type == XCB_ATOM_NONE)
        return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

QList<xcb_window_t> children(xcb_connection_t* connection, xcb_window_t window)
{
    QList<xcb_window_t> result;
    XcbReply<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &free);
    if (!reply)
        return result;
    const xcb_window_t* list = xcb_query_tree_children(reply.get());
    for (int i = 0; i < xcb_query_tree_children_length(reply.get()); ++i)
        result.append(list[i]);
    return result;
}

} // namespace

QList<TopLevelWindow> EnumerateTopLevelWindows()
{
    QList<TopLevelWindow> windows;
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return windows;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (!connection || xcb_connection_has_error(connection)) {
        if (connection)
            xcb_disconnect(connection);
        return windows;
    }
    const xcb_atom_t netWmName = internAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t utf8 = internAtom(connection, "UTF8_STRING");

    auto describe = [&](xcb_window_t window) {
        const QByteArray wmClass = property(connection, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        QString title = QString::fromUtf8(property(connection, window, netWmName, utf8));
        if (title.isEmpty())
            title = QString::fromLatin1(property(connection, window, XCB_ATOM_WM_NAME, XCB_ATOM_ANY));
        // WM_CLASS holds "instance\0class\0".
        const QList<QByteArray> parts = wmClass.split('\0');
        const QString className = parts.size() > 1 ? QString::fromLatin1(parts[1]) : QString();
        if (!className.isEmpty() || !title.isEmpty())
            windows.append({className, title});
    };

    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screens.rem; xcb_screen_next(&screens)) {
        for (xcb_window_t top : children(connection, screens.data->root)) {
            describe(top);
            for (xcb_window_t inner : children(connection, top))
                describe(inner);
        }
    }
    xcb_disconnect(connection);
    return windows;
}

bool SiblingProductRunning(const QList<TopLevelWindow>& windows)
{
    static const QStringList titles = {QStringLiteral("harvo"), QStringLiteral("nelvi"),
                                       QStringLiteral("Ostrav"), QStringLiteral("Pellamo")};
    for (const TopLevelWindow& window : windows) {
        if (window.className == QLatin1String("TApplication") && titles.contains(window.title, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

bool SiblingProductRunning()
{
    return SiblingProductRunning(EnumerateTopLevelWindows());
}
