#include "platform/device3d.h"

#include "platform/glsurface.h"

#include <QMouseEvent>
#include <QOpenGLContext>

namespace platform {

namespace {

// A window that holds an OpenGL widget cannot even be shown where OpenGL is
// missing, so the surface is made only once a context has been had.
bool openGLAvailable()
{
    QOpenGLContext probe;
    return probe.create();
}

}  // namespace

Device3D::Device3D(QWidget* parent) : QWidget(parent) {}

Device3D::~Device3D() = default;

bool Device3D::open()
{
    release();
    if (!openGLAvailable()) return false;
    surface_ = new GLSurface(this);
    surface_->setGeometry(rect());
    surface_->onFailure = [this] { emit frameFailed(); };
    connect(surface_, &QOpenGLWidget::frameSwapped, this, &Device3D::frameSwapped);
    // Its context and shader are made as it first shows on a visible window.
    surface_->show();
    return true;
}

bool Device3D::isReady() const { return surface_ && surface_->isReady(); }

void Device3D::release()
{
    delete surface_;
    surface_ = nullptr;
}

bool Device3D::setFrame(const Frame3D& frame) { return surface_ && surface_->setFrame(frame); }

QImage Device3D::grabFramebuffer() { return surface_ ? surface_->grabFramebuffer() : QImage(); }

void Device3D::resizeEvent(QResizeEvent*)
{
    if (surface_) surface_->setGeometry(rect());
}

void Device3D::mousePressEvent(QMouseEvent* e) { emit mouseDown(e->position().x(), e->position().y()); }
void Device3D::mouseMoveEvent(QMouseEvent* e) { emit mouseMove(e->position().x(), e->position().y()); }
void Device3D::mouseReleaseEvent(QMouseEvent* e) { emit mouseUp(e->position().x(), e->position().y()); }

}  // namespace platform
