#pragma once
// The 3D view: the hull's panel strips, wire-frame ribbons and water in a
// square picture, orbited with the mouse, with sliders for zoom, explode
// distance and line thickness.
//
// How a frame comes about: whatever would change the picture (an orbit step,
// a slider, a box) asks for a pass with requestFrame(); the event loop then
// runs one pass however many were asked for meanwhile. The pass turns the
// camera by the drag, composes the frame and hands it to the device, whose
// surface draws it at its next update, and again by itself when it is
// resized or exposed. While nothing changes nothing is drawn.

#include "platform/screensaver.h"
#include "render3d/framecompose.h"
#include "render3d/kayakverts.h"
#include "render3d/orbitcamera.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSlider;

namespace model {
class MessageBox;
}
namespace platform {
class Device3D;
}

namespace render3d {

class frmRender : public QWidget {
    Q_OBJECT

public:
    frmRender(const model::Design& design, model::MessageBox& messages,
              QDBusConnection bus = QDBusConnection::sessionBus(), QWidget* parent = nullptr);
    ~frmRender() override;

    // Lays the window out, shows it, sets up the device and starts the loop.
    void Form_Load();
    // Stops a running view and lets its device go, as a fresh opening needs.
    void unload();

    // Where "Purchase Full Size Plans" hands over once the view has ended.
    std::function<void()> purchasePlans;

    void ToggleScreenSaverActive(bool Active);
    bool Initialise();
    // Virtual so a test can make the lists or a frame fail.
    virtual bool InitKayakVerts();
    virtual void Render();

    bool RenderRunning() const { return running_; }
    const OrbitCamera& camera() const { return camera_; }
    const OrbitDrag& drag() const { return drag_; }
    const KayakVerts& verts() const { return verts_; }
    const VertexSettings& settings() const { return settings_; }
    const platform::ScreenSaver& screenSaver() const { return screenSaver_; }
    Vector3 EyePoint() const;

    platform::Device3D* Picture1 = nullptr;
    QFrame* Frame1 = nullptr;
    QSlider* Slider1 = nullptr;
    QSlider* SliderExplode = nullptr;
    QSlider* ThicknessSlider = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QCheckBox* chkDeck = nullptr;
    QCheckBox* chkHull = nullptr;
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QPushButton* CmdExit = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    // Closing from the title bar is "Close Window".
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void layOut();
    void layOutInside(QSize inner);
    void connectHandlers();
    void load();
    void requestFrame();
    void renderPass();
    void renderFailed();
    // A slider that changes the lists: rebuilt, then drawn.
    void rebuildLists();
    // Runs one way in from the event loop; an error raised there ends the
    // view with `message` instead of the program.
    void atEdge(const char* message, const std::function<void()>& work);
    // Ends the view once: `message` (if any) over the window, then the
    // window hidden, the screen saver and the device let go.
    void endView(const char* message = nullptr);
    RenderSwitches switches() const;

    void Picture1_MouseDown(double x, double y) { drag_.press(x, y); }
    void Picture1_MouseMove(double x, double y);
    void Picture1_MouseUp() { drag_.release(); }
    void SliderExplode_Change();
    void ThicknessSlider_Change();
    void CmdExit_Click();
    void Command1_Click();

    const model::Design& design_;
    model::MessageBox& messages_;
    platform::ScreenSaver screenSaver_;
    KayakVerts verts_;
    VertexSettings settings_;
    FrameVertices frame_;
    OrbitCamera camera_;
    OrbitDrag drag_;
    Matrix4 view_ = startViewMatrix();
    bool running_ = false;
    bool ended_ = true;  // until an opening starts
    bool passQueued_ = false;
};

}  // namespace render3d
