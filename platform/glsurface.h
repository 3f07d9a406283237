#pragma once
// The OpenGL window behind Device3D: a native window with a context of its
// own, so frames go straight to the screen without being composed into the
// widget window first. It owns the shader, the vertex buffer and the drawing.
// It draws the latest frame at the update that follows a new frame, and again
// whenever the window is exposed (shown or uncovered) or resized; at no other
// time. A frame that cannot be drawn (the context lost or not made current, a
// GL error) is not shown, and the failure is reported once.

#include "platform/frame3d.h"

#include <QByteArray>
#include <QImage>
#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QWindow>

#include <functional>
#include <memory>

class QOpenGLContext;
class QOpenGLShaderProgram;

namespace platform {

enum class MouseAction { Down, Move, Up };

class GLSurface : public QWindow, protected QOpenGLFunctions {
public:
    GLSurface();
    ~GLSurface() override;

    // Makes the native window, its context and shader; false when any fails.
    // A test may give a vertex shader of its own in place of the surface's.
    bool open(const QByteArray& vertexShaderForTest = {});
    bool isReady() const { return ready_; }
    QOpenGLContext* context() const { return context_.get(); }
    bool setFrame(const Frame3D& frame);
    // The current frame drawn off screen and read back.
    QImage grabFramebuffer();

    std::function<void()> onSwapped;
    std::function<void()> onFailure;
    std::function<void(MouseAction, QPointF)> onMouse;

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool buildProgram(const QByteArray& vertexShader);
    void present();
    void reportFailure();
    bool drawFrame(QSize pixels);
    void drawStrips();
    void freeObjects();

    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLShaderProgram> program_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
    Frame3D frame_;
    std::vector<unsigned char> vertices_;
    bool ready_ = false;
    bool hasFrame_ = false;
    bool uploaded_ = false;
    bool failed_ = false;
    int positionAttribute_ = -1;
    int colourAttribute_ = -1;
    int worldUniform_ = -1, viewUniform_ = -1, projectionUniform_ = -1;
};

}  // namespace platform
