#pragma once
// What the X server and its window manager say about a window: its frame on
// the screen, whether it is mapped, its owner and the stacking of windows,
// read with xwininfo and xprop as a user's tools would read them.

#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStringList>
#include <QWidget>

#include <ostream>

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

inline int field(const QString& text, const QString& label)
{
    const QRegularExpressionMatch m = QRegularExpression(label + R"(:\s*(-?\d+))").match(text);
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
    runTool("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()), "click", "1"});
}

// Alt+F4 once the window manager has made `id` the active window: it closes
// it as its close box does, by sending the window WM_DELETE_WINDOW. Waiting
// for the activation keeps a busy machine from closing another window.
inline void closeByWindowManager(WId id)
{
    runTool("xdotool", {"windowactivate", "--sync", QString::number(id), "key", "alt+F4"});
}

}  // namespace testsupport
