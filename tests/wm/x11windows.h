#pragma once
// What the X server and its window manager say about a window: its frame on
// the screen, whether it is mapped, its owner and the stacking of windows,
// read with xwininfo and xprop as a user's tools would read them; and the
// requests a user makes of the window manager.

#include <QGuiApplication>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string_view>

// Rectangles in failure messages as x,y widthxheight.
inline void PrintTo(const QRect& r, std::ostream* out)
{
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height();
}

namespace testsupport {

struct X11Window {
    QRect frame;  // the window manager's frame around the window
    bool viewable = false;
    WId transientFor = 0;
};

inline QString runTool(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    p.waitForFinished(5000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline int field(const QString& text, const QString& label, const QString& separator = ":")
{
    const QRegularExpressionMatch m = QRegularExpression(label + separator + R"(\s*(-?\d+))").match(text);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

inline X11Window x11Window(WId id)
{
    const QString idText = QString::number(id);
    const QString info = runTool("xwininfo", {"-id", idText});
    const QString props = runTool("xprop", {"-id", idText, "_NET_FRAME_EXTENTS", "WM_TRANSIENT_FOR"});
    // _NET_FRAME_EXTENTS: left, right, top, bottom.
    const QRegularExpressionMatch e =
        QRegularExpression(R"(_NET_FRAME_EXTENTS\(CARDINAL\) = (\d+), (\d+), (\d+), (\d+))").match(props);
    const int l = e.captured(1).toInt(), r = e.captured(2).toInt(), t = e.captured(3).toInt(),
              b = e.captured(4).toInt();
    X11Window w;
    w.frame = QRect(field(info, "Absolute upper-left X") - l, field(info, "Absolute upper-left Y") - t,
                    field(info, "Width") + l + r, field(info, "Height") + t + b);
    w.viewable = info.contains("IsViewable");
    const QRegularExpressionMatch owner =
        QRegularExpression(R"(WM_TRANSIENT_FOR\(WINDOW\): window id # (0x[0-9a-f]+))").match(props);
    if (owner.hasMatch()) w.transientFor = owner.captured(1).toULongLong(nullptr, 16);
    return w;
}

// The managed windows, bottom of the stack first.
inline QList<WId> stackingOrder()
{
    QList<WId> ids;
    const QString text = runTool("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QRegularExpressionMatch& m : QRegularExpression("0x[0-9a-f]+").globalMatch(text))
        ids.append(m.captured().toULongLong(nullptr, 16));
    return ids;
}

inline void clickAt(QPoint p)
{
    // A move "--sync" to where the pointer already is waits for ever for a motion that never comes.
    const QString at = runTool("xdotool", {"getmouselocation", "--shell"});
    QStringList move{"mousemove", QString::number(p.x()), QString::number(p.y())};
    if (field(at, "X", "=") != p.x() || field(at, "Y", "=") != p.y()) move.insert(1, "--sync");
    runTool("xdotool", move << "click" << "1");
}

// Frees what xcb hands back.
struct XcbFree {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using XcbReply = std::unique_ptr<Reply, XcbFree>;

// EWMH source indication: a pager, i.e. the user's own direct action.
constexpr std::uint32_t kSourceUser = 2;

// Asks the window manager to close `id` as its close box does: a
// _NET_CLOSE_WINDOW request on the root window, which the manager answers by
// sending the window WM_DELETE_WINDOW. Unlike a key press it goes to that
// window whichever window has the focus. False when not on X11.
inline bool closeByWindowManager(WId id)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11) return false;
    xcb_connection_t* c = x11->connection();
    const auto window = static_cast<xcb_window_t>(id);
    constexpr std::string_view name = "_NET_CLOSE_WINDOW";
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, name.size(), name.data()), nullptr));
    const XcbReply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!atom || !geometry) return false;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = window;
    request.type = atom->atom;
    request.data.data32[0] = XCB_CURRENT_TIME;
    request.data.data32[1] = kSourceUser;
    xcb_send_event(c, false, geometry->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(c);
    return true;
}

}  // namespace testsupport
