#pragma once
// The 3D device: an OpenGL widget that draws frames of pre-lit triangle
// strips with row-vector, left-handed transforms (depth 0..1), a depth test
// and no culling. Frames are handed over whole; the widget draws the latest
// one whenever it paints.

#include "platform/frame3d.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

#include <memory>

class QOpenGLShaderProgram;

namespace platform {

class Device3D : public QOpenGLWidget, protected QOpenGLFunctions {
    Q_OBJECT

public:
    explicit Device3D(QWidget* parent = nullptr);
    ~Device3D() override;

    // True once the widget has a working context and shader, until release().
    bool isReady() const { return ready_; }

    // Keeps a copy of the frame and schedules its drawing. A strip outside
    // the vertices refuses the whole frame (false), which draws nothing.
    bool setFrame(const Frame3D& frame);

    // Frees the GL objects; nothing is drawn after it.
    void release();

signals:
    // A frame could not be drawn. Sent after painting has finished.
    void frameFailed();
    // Mouse positions in pixels.
    void mouseDown(double x, double y);
    void mouseMove(double x, double y);
    void mouseUp(double x, double y);

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool buildProgram();
    void drawStrips();
    void reportFailure();

    std::unique_ptr<QOpenGLShaderProgram> program_;
    QOpenGLBuffer buffer_{QOpenGLBuffer::VertexBuffer};
    Frame3D frame_;
    std::vector<unsigned char> vertices_;
    bool ready_ = false;
    bool hasFrame_ = false;
    int positionAttribute_ = -1;
    int colourAttribute_ = -1;
    int worldUniform_ = -1, viewUniform_ = -1, projectionUniform_ = -1;
};

}  // namespace platform
