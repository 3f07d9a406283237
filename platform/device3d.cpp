#include "platform/device3d.h"

#include "platform/glsurface.h"

#include <QOpenGLContext>

namespace platform {

namespace {

// Where no OpenGL context can be had no GL window is made at all.
bool openGLAvailable()
{
    QOpenGLContext probe;
    return probe.create();
}

}  // namespace

Device3D::Device3D(QWidget* parent) : QWidget(parent) {}

Device3D::~Device3D() = default;

Device3D::Opened Device3D::open()
{
    release();
    if (!openGLAvailable()) return Opened::NoContext;
    surface_ = new GLSurface;
    surface_->onSwapped = [this] { emit frameSwapped(); };
    surface_->onFailure = [this] { emit frameFailed(); };
    surface_->onMouse = [this](MouseAction action, QPointF at) {
        switch (action) {
        case MouseAction::Down: emit mouseDown(at.x(), at.y()); break;
        case MouseAction::Move: emit mouseMove(at.x(), at.y()); break;
        case MouseAction::Up: emit mouseUp(at.x(), at.y()); break;
        }
    };
    // The container owns the window from here on.
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setGeometry(rect());
    container_->show();
    if (surface_->open(vertexShaderForTest)) return Opened::Ready;
    release();
    return Opened::NoDevice;
}

bool Device3D::isReady() const { return surface_ && surface_->isReady(); }

QWindow* Device3D::surfaceWindow() const { return surface_; }

QOpenGLContext* Device3D::context() const { return surface_ ? surface_->context() : nullptr; }

void Device3D::release()
{
    delete container_;
    container_ = nullptr;
    surface_ = nullptr;
}

bool Device3D::setFrame(const Frame3D& frame) { return surface_ && surface_->setFrame(frame); }

QImage Device3D::grabFramebuffer() { return surface_ ? surface_->grabFramebuffer() : QImage(); }

void Device3D::resizeEvent(QResizeEvent*)
{
    if (container_) container_->setGeometry(rect());
}

}  // namespace platform
