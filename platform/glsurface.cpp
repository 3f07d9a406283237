#include "platform/glsurface.h"

#include <QExposeEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QOpenGLShaderProgram>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// Row-major row-vector matrices read as column-major are the column-vector
// transposes GLSL multiplies with, so they go up unchanged. Colours are
// 0xAARRGGBB words, whose bytes arrive as (B, G, R, A). Depth 0..w becomes
// OpenGL's -w..w.
constexpr const char* kVertexShader = R"(
attribute vec3 position;
attribute vec4 packedColour;
uniform mat4 world;
uniform mat4 view;
uniform mat4 projection;
varying vec3 colour;
void main()
{
    vec4 p = projection * view * world * vec4(position, 1.0);
    p.z = 2.0 * p.z - p.w;
    gl_Position = p;
    colour = packedColour.bgr;
}
)";

constexpr const char* kFragmentShader = R"(
varying vec3 colour;
void main()
{
    gl_FragColor = vec4(colour, 1.0);
}
)";

constexpr int kDepthBits = 24;
constexpr float kColourScale = 255.0f;

float channel(std::uint32_t colour, int shift) { return float((colour >> shift) & 0xFF) / kColourScale; }

bool stripsFit(const Frame3D& f)
{
    return std::all_of(f.strips.begin(), f.strips.end(), [&f](const StripRange& s) {
        return s.first >= 0 && s.count >= 0 && s.first <= f.vertexCount && s.count <= f.vertexCount - s.first;
    });
}

}  // namespace

GLSurface::GLSurface()
{
    setSurfaceType(QSurface::OpenGLSurface);
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(kDepthBits);
    setFormat(format);
}

GLSurface::~GLSurface() { freeObjects(); }

bool GLSurface::open(const QByteArray& vertexShaderForTest)
{
    create();
    context_ = std::make_unique<QOpenGLContext>();
    context_->setFormat(requestedFormat());
    if (!context_->create() || !context_->makeCurrent(this)) return false;
    initializeOpenGLFunctions();
    const QByteArray vertexShader = vertexShaderForTest.isEmpty() ? QByteArray(kVertexShader) : vertexShaderForTest;
    ready_ = buildProgram(vertexShader) && buffer_.create();
    if (!ready_) program_.reset();
    context_->doneCurrent();
    return ready_;
}

bool GLSurface::buildProgram(const QByteArray& vertexShader)
{
    program_ = std::make_unique<QOpenGLShaderProgram>();
    if (!program_->addShaderFromSourceCode(QOpenGLShader::Vertex, vertexShader) ||
        !program_->addShaderFromSourceCode(QOpenGLShader::Fragment, kFragmentShader) || !program_->link())
        return false;
    positionAttribute_ = program_->attributeLocation("position");
    colourAttribute_ = program_->attributeLocation("packedColour");
    worldUniform_ = program_->uniformLocation("world");
    viewUniform_ = program_->uniformLocation("view");
    projectionUniform_ = program_->uniformLocation("projection");
    return positionAttribute_ >= 0 && colourAttribute_ >= 0;
}

bool GLSurface::setFrame(const Frame3D& frame)
{
    if (!stripsFit(frame) || frame.vertexCount < 0 || (frame.vertexCount > 0 && !frame.vertices)) {
        hasFrame_ = false;
        return false;
    }
    frame_ = frame;
    const auto* bytes = static_cast<const unsigned char*>(frame.vertices);
    vertices_.assign(bytes, bytes + std::size_t(frame.vertexCount) * std::size_t(frame.layout.stride));
    frame_.vertices = vertices_.data();
    hasFrame_ = true;
    uploaded_ = false;
    requestUpdate();
    return true;
}

bool GLSurface::event(QEvent* e)
{
    if (e->type() == QEvent::UpdateRequest) {
        present();
        return true;
    }
    return QWindow::event(e);
}

void GLSurface::exposeEvent(QExposeEvent*)
{
    if (isExposed()) present();
}

// A window made smaller is not exposed again, yet its frame must be drawn to its new size.
void GLSurface::resizeEvent(QResizeEvent*) { requestUpdate(); }

// Draws the latest frame on the window and shows it; a frame that fails is
// not shown.
void GLSurface::present()
{
    if (!ready_ || !hasFrame_ || failed_ || !isExposed()) return;
    if (!context_->makeCurrent(this) || !drawFrame(size() * devicePixelRatio())) return reportFailure();
    context_->swapBuffers(this);
    if (onSwapped) onSwapped();
}

void GLSurface::reportFailure()
{
    failed_ = true;
    // Whoever answers may show a message box: not from inside drawing.
    if (onFailure) QTimer::singleShot(0, this, onFailure);
}

bool GLSurface::drawFrame(QSize pixels)
{
    glViewport(0, 0, pixels.width(), pixels.height());
    const std::uint32_t c = frame_.clearColour;
    glClearColor(channel(c, 16), channel(c, 8), channel(c, 0), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_CULL_FACE);
    drawStrips();
    return glGetError() == GL_NO_ERROR;
}

void GLSurface::drawStrips()
{
    if (frame_.strips.empty()) return;
    program_->bind();
    glUniformMatrix4fv(worldUniform_, 1, GL_FALSE, frame_.world.data());
    glUniformMatrix4fv(viewUniform_, 1, GL_FALSE, frame_.view.data());
    glUniformMatrix4fv(projectionUniform_, 1, GL_FALSE, frame_.projection.data());
    buffer_.bind();
    if (!uploaded_) buffer_.allocate(vertices_.data(), int(vertices_.size()));
    uploaded_ = true;
    const VertexLayout& l = frame_.layout;
    program_->enableAttributeArray(positionAttribute_);
    program_->enableAttributeArray(colourAttribute_);
    glVertexAttribPointer(GLuint(positionAttribute_), 3, GL_FLOAT, GL_FALSE, l.stride,
                          reinterpret_cast<const void*>(std::intptr_t(l.positionOffset)));
    glVertexAttribPointer(GLuint(colourAttribute_), 4, GL_UNSIGNED_BYTE, GL_TRUE, l.stride,
                          reinterpret_cast<const void*>(std::intptr_t(l.colourOffset)));
    for (const StripRange& s : frame_.strips) glDrawArrays(GL_TRIANGLE_STRIP, s.first, s.count);
    program_->disableAttributeArray(positionAttribute_);
    program_->disableAttributeArray(colourAttribute_);
    buffer_.release();
    program_->release();
}

QImage GLSurface::grabFramebuffer()
{
    if (!ready_ || !hasFrame_ || !context_->makeCurrent(this)) return {};
    const QSize pixels = size() * devicePixelRatio();
    QOpenGLFramebufferObject target(pixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    target.bind();
    drawFrame(pixels);
    target.release();
    return target.toImage().convertToFormat(QImage::Format_RGB32);
}

void GLSurface::freeObjects()
{
    if (!context_) return;
    ready_ = false;
    // A lost context took its GL objects with it: only their wrappers go.
    const bool current = context_->makeCurrent(this);
    if (current) buffer_.destroy();
    program_.reset();
    if (current) context_->doneCurrent();
    context_.reset();
}

void GLSurface::mousePressEvent(QMouseEvent* e)
{
    if (onMouse) onMouse(MouseAction::Down, e->position());
}
void GLSurface::mouseMoveEvent(QMouseEvent* e)
{
    if (onMouse) onMouse(MouseAction::Move, e->position());
}
void GLSurface::mouseReleaseEvent(QMouseEvent* e)
{
    if (onMouse) onMouse(MouseAction::Up, e->position());
}

}  // namespace platform
