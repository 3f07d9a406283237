#pragma once
// The main window's menu bar: five menus, their submenus and items, each
// item named as the handlers know it.

#include "platform/menuitem.h"

#include <QHash>
#include <QString>

class QMenuBar;

namespace mainwindow {

struct MenuEntry {
    const char* parent;  // "" for a menu of the bar
    const char* name;
    const char* caption;
    bool opensMenu;
    bool marked = false;  // shows a check mark
};

inline constexpr MenuEntry kMenuTree[] = {
    {"", "File", "File", true},
    {"File", "New", "New", false},
    {"File", "Open", "Open", false},
    {"File", "Save", "Save", false},
    {"File", "SaveAs", "Save As", false},
    {"File", "Exit", "Exit", false},
    {"", "Edit", "Edit", true},
    {"Edit", "Bulkheads", "Bulkheads", true},
    {"Bulkheads", "AddBulkhead", "Add Bulkhead", false},
    {"Bulkheads", "RemoveBulkhead", "Remove Bulkhead", false},
    {"Edit", "preferences", "Preferences", false},
    {"", "View", "View", true},
    {"View", "ViewData", "Data", false, true},
    {"View", "ViewWaterLine", "Water Line", false, true},
    {"View", "ViewDragCurves", "Drag Curves", false},
    {"View", "Render3D", "3D Rendering", false},
    {"View", "Zoom", "Zoom", true},
    {"Zoom", "x5", "x .5", false, true},
    {"Zoom", "x75", "x .75", false, true},
    {"Zoom", "x1", "x1", false, true},
    {"Zoom", "x2", "x2", false, true},
    {"Zoom", "x4", "x4", false, true},
    {"View", "DrawMode", "Draw Mode", true},
    {"DrawMode", "Wireframe", "Wireframe", false, true},
    {"DrawMode", "Solid", "Solid", false, true},
    {"", "Purchase", "Plans", true},
    {"Purchase", "PreviewPanels", "Preview Panels", false},
    {"Purchase", "BuyModel", "Buy Plans: 3 Foot Model", false},
    {"Purchase", "BuyPlans", "Buy Plans: Full Size", false},
    {"", "Help", "Help", true},
    {"Help", "About", "About Quillock", false},
    {"Help", "HWB", "Brackenfold Website", false},
};

// Builds the tree into the bar; the items by name.
QHash<QString, platform::MenuItem*> buildMenus(QMenuBar* bar);

}  // namespace mainwindow
