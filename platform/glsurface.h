#pragma once
// The OpenGL widget behind Device3D: its shader, vertex buffer and drawing.

#include "platform/frame3d.h"

#include <QOpenGLBuffer>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

#include <functional>
#include <memory>

class QOpenGLShaderProgram;

namespace platform {

class GLSurface : public QOpenGLWidget, protected QOpenGLFunctions {
public:
    explicit GLSurface(QWidget* parent);
    ~GLSurface() override;

    // True once the context and the shader work.
    bool isReady() const { return ready_; }
    bool setFrame(const Frame3D& frame);
    // Called after painting when a frame failed.
    std::function<void()> onFailure;

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    bool buildProgram();
    void drawStrips();
    void freeObjects();

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
