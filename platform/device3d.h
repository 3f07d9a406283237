#pragma once
// The 3D device on a picture area: an OpenGL window, made by open(), that
// draws frames of pre-lit triangle strips with row-vector, left-handed
// transforms (depth 0..1), a depth test and no culling. Frames are handed
// over whole; the surface draws the latest one whenever it paints.

#include "platform/frame3d.h"

#include <QByteArray>
#include <QImage>
#include <QWidget>

class QOpenGLContext;

namespace platform {

class GLSurface;

class Device3D : public QWidget {
    Q_OBJECT

public:
    // What open() could make: nothing without any OpenGL context, or a
    // context whose surface, shader or buffer then failed.
    enum class Opened { Ready, NoContext, NoDevice };

    explicit Device3D(QWidget* parent = nullptr);
    ~Device3D() override;

    // Makes the surface on the picture with its context and shader; where
    // those cannot be had, says which step failed and keeps no surface.
    Opened open();
    bool isReady() const;
    // The native window the frames and the mouse go to, while there is one.
    QWindow* surfaceWindow() const;
    // The surface's context while there is one.
    QOpenGLContext* context() const;
    // Frees the surface; nothing is drawn after it.
    void release();

    // Keeps a copy of the frame and schedules its drawing. A strip outside
    // the vertices refuses the whole frame (false), which draws nothing.
    bool setFrame(const Frame3D& frame);
    // The picture as the surface draws it now.
    QImage grabFramebuffer();

    // Test hook: open() builds this vertex shader instead of its own (one
    // that does not compile stands for a device that cannot be made).
    QByteArray vertexShaderForTest;

signals:
    // The surface presented a frame.
    void frameSwapped();
    // A frame could not be drawn. Sent after painting has finished.
    void frameFailed();
    // Mouse positions over the picture, in pixels.
    void mouseDown(double x, double y);
    void mouseMove(double x, double y);
    void mouseUp(double x, double y);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* container_ = nullptr;
    GLSurface* surface_ = nullptr;
};

}  // namespace platform
