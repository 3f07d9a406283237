#pragma once
// The main window: six views, the station row, the scroll bars of the long
// views, the menus, the two deferred-redraw timers and the public
// operations the other windows call.

#include "dialogs/mainwindowops.h"
#include "mainwindow/layout.h"
#include "model/edits/dragedit.h"
#include "platform/menuitem.h"
#include "platform/oneshottimer.h"
#include "platform/picturebox.h"
#include "platform/qtfilesaver.h"
#include "platform/shell.h"
#include "views/drawingstate.h"
#include "views/viewboxes.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QLineEdit;
class QPushButton;
class QScrollBar;

namespace dialogs {
class frmFriction;
class frmInfo;
class frmNew;
class frmPreferences;
}
namespace panels {
class frmPanels;
}
namespace render3d {
class frmRender;
}
namespace ordering {
class frmPurchase;
}
namespace platform {
class Transfer;
}
namespace model {
class FileDialogs;
class MessageBox;
struct DocumentResult;
}

namespace mainwindow {

class frmAbout;

class Form1 : public QMainWindow, public dialogs::MainWindowOps {
    Q_OBJECT
public:
    Form1(model::MessageBox& messages, model::FileDialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // Public operations.
    void GetCalculations() override;
    void makesections() override;
    void drawscreens() override;
    void DrawWaterline() override;
    void ViewData_Click() override;
    bool viewWaterLineChecked() const override;
    bool viewDataChecked() const override;
    void enableTimer1() override;
    double MaxBeam() const override;
    void resetForNewDesign() override;
    void setMainWindowEnabled(bool enabled) override;
    void showStationRow() override;

    // File and Edit menu handlers.
    void New_Click();
    void Open_Click();
    bool Save_Click();
    bool SaveAs_Click();
    void Exit_Click();
    void AddBulkhead_Click();
    void RemoveBulkhead_Click();
    void PreviewPanels_Click();
    // View > 3D Rendering: a fresh 3D view in place of any earlier one.
    void Render3D_Click();

    // Window commands of the menus.
    void preferences_Click();
    void ViewDragCurves_Click();
    void About_Click();
    void HWB_Click();

    // Mouse editing in the long views; presses and read-out of the small
    // views; the section editor's station buttons; the window background.
    void RightView_MouseDown(float X, float Y);
    void RightView_MouseMove(float X, float Y);
    void RightView_MouseUp(float X, float Y);
    void TopView_MouseDown(float X, float Y);
    void TopView_MouseMove(float X, float Y);
    void TopView_MouseUp(float X, float Y);
    void BottomView_MouseDown(float X, float Y);
    void BottomView_MouseMove(float X, float Y);
    void BottomView_MouseUp(float X, float Y);
    void FrontView_MouseDown(float X, float Y);
    void FrontView_MouseMove(float X, float Y);
    void SectionEdit_MouseDown(float X, float Y);
    void SectionEdit_MouseMove(float X, float Y);
    void picVolumeDistributionGraph_MouseDown(float X, float Y);
    void Command1_Click();
    void Command2_Click();
    void Form_MouseMove();
    const model::DragEditor& dragEditor() const { return drag_; }

    // Plans menu: the order form for full-size or model plans.
    void BuyPlans_Click();
    void BuyModel_Click();
    // Shows the order form for the plans last chosen in the Plans menu, owned
    // by the window it is opened from while that stays shown; the panel
    // preview's and the 3D view's order buttons call it.
    void showPurchase(QWidget& opener);
    // "Purchase Full Size Plans" of the panel preview and the 3D view: full
    // size unless a kind was chosen already.
    void purchaseFullSize(QWidget& opener);
    ordering::frmPurchase& purchase();

    // The other windows, each created on first use.
    dialogs::frmInfo& info();
    dialogs::frmNew& wizard();
    dialogs::frmPreferences& preferences();
    dialogs::frmFriction& friction();
    frmAbout& about();

    platform::MenuItem& menu(const QString& name) const { return *menu_.value(name); }
    QScrollBar& scrollBar(const QString& name) const;
    const views::DrawingState& drawingState() const { return state_; }
    double ZoomFactor() const { return state_.ZoomFactor; }
    bool FormTooSmall() const { return state_.FormTooSmall; }
    double twipsPerPixel() const;

    views::ViewBoxes boxes;
    QPushButton* Command1 = nullptr;  // next station
    QPushButton* Command2 = nullptr;  // previous station
    QLineEdit* Text1 = nullptr;       // the current station's position
    platform::OneShotTimer Timer1;
    platform::OneShotTimer Timer2;

    // Ends the program after its last yield; replaced by tests.
    std::function<void()> endProgram;
    // Opens the maker's web site; replaced by tests.
    std::unique_ptr<platform::Shell> shell = std::make_unique<platform::DesktopShell>();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void Form_Load();
    void connectMouse();
    void planPress(model::PlanView view, std::int16_t active, float x, float y);
    void followMouse(model::Plane plane, float x, float y);
    void dropDrag(model::Plane plane);
    void showCursor(float x, float y);
    void smallViewPress(std::int16_t active);
    void stepStation(bool forward);
    void Form_Resize();
    void layOutForSize();
    void createViews();
    void createScrollBars();
    void connectMenus();
    void applyLayout(const Layout& layout, bool showStationRow);
    void applyScrollBarLayout(const std::array<ScrollBars, 3>& bars);
    Layout currentLayout() const;
    // Places the window by its outer frame, kept within the screen.
    void setOuterGeometry(QRect outer);
    void showScrollBarState(const views::DrawingState& state);
    void setZoom(const char* item, double factor, bool layOutBars);
    void setDrawMode(bool solid);
    void ViewWaterLine_Click();
    // The data window closed other than by View > Data.
    void frmInfo_Closing();
    void scrollChange(views::ScrollBar& bar, int value);
    void scrollScroll(views::ScrollBar& bar, int value);
    void Timer1_Timer();
    void Timer2_Timer();
    void EndProgram();
    bool confirmEnd();
    // Asks to save unsaved work; false when the user cancelled or the save failed.
    bool offerToSave();
    bool afterSave(const model::DocumentResult& result);
    void resetToZoomOne();
    void writeStationText();
    // Runs a handler; a calculation that cannot be held puts the design and
    // its results back as they were and is reported, not thrown.
    void guarded(const std::function<void()>& handler);

    model::MessageBox& messages_;
    model::FileDialogs& dialogs_;
    platform::QtFileSaver saver_;
    QHash<QString, platform::MenuItem*> menu_;
    QHash<QString, QScrollBar*> scrollBars_;
    views::DrawingState state_;
    model::DragEditor drag_{state_.DragActive, state_.WaterlineHandle};
    // Top-level windows of their own: disabling the main window while the
    // wizard is open must not disable them.
    std::unique_ptr<dialogs::frmInfo> info_;
    std::unique_ptr<dialogs::frmNew> wizard_;
    std::unique_ptr<dialogs::frmPreferences> preferences_;
    std::unique_ptr<dialogs::frmFriction> friction_;
    std::unique_ptr<frmAbout> about_;
    // Made on first use; shared_ptr binds its deleter there.
    std::shared_ptr<panels::frmPanels> panelPreview_;
    std::shared_ptr<render3d::frmRender> render_;
    std::unique_ptr<platform::Transfer> transfer_;  // outlives the order form that uses it
    std::unique_ptr<ordering::frmPurchase> purchase_;
    bool ending_ = false;
    bool resizing_ = false;
    bool resizePending_ = false;
};

}  // namespace mainwindow
