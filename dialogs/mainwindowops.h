#pragma once
// What the hull-model windows ask of the main window: its rebuild
// operations, its deferred rebuild and the state of two of its menu items.

namespace dialogs {

class MainWindowOps {
public:
    virtual ~MainWindowOps() = default;
    virtual void GetCalculations() = 0;
    virtual void makesections() = 0;
    virtual void drawscreens() = 0;
    virtual void DrawWaterline() = 0;
    virtual void ViewData_Click() = 0;
    virtual bool viewWaterLineChecked() const = 0;
    virtual bool viewDataChecked() const = 0;
    virtual void enableTimer1() = 0;
    // The beam over all, in inches, measured as the top view draws it.
    virtual double MaxBeam() const = 0;

    // For the new-design wizard: the window's own resets of a new design
    // (zoom 1, no water line, the plain caption, station 0), its enabled
    // state and the section editor's station row.
    virtual void resetForNewDesign() = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void showStationRow() = 0;
};

// The steps a rebuild can take, in the order they run.
enum RebuildStep : unsigned {
    kR1GetCalculations = 1u << 0,
    kR2makesections = 1u << 1,
    kR3drawscreens = 1u << 2,
    kR4DrawWaterline = 1u << 3,  // only while View > Water Line is checked
    kR5detect = 1u << 4,         // only while automatic waterline is on
    kR6Timer1 = 1u << 5,
};

}  // namespace dialogs
