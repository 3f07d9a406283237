#pragma once
// The rows of the design-data window's tabs, top to bottom.

#include <QColor>

namespace dialogs {

enum class ValueKind { None, TextBox, ReadOut, Heading, Separator };
enum class RightKind { None, SetButton, VisibleCheck, Check };

struct InfoRow {
    const char* caption;
    const char* control;
    ValueKind kind;
    const char* unit = "";
    const char* right = "";
    RightKind rightKind = RightKind::None;
    QRgb rightColor = 0;
    const char* below = "";  // a second read-out under the value (volumes in gallons)
};

inline constexpr QRgb kMarkerRed = 0xFF0000;
inline constexpr QRgb kMarkerBlue = 0x0000FF;
inline constexpr QRgb kMarkerGreen = 0x008000;

inline constexpr InfoRow kDimensionsRows[] = {
    {"Kayak Length", "txtKayakLength", ValueKind::TextBox, "", "Command5", RightKind::SetButton},
    {"Kayak Width", "txtKayakWidth", ValueKind::TextBox, "", "Command10", RightKind::SetButton},
    {"", "", ValueKind::Separator},
    {"Length of Water Line (LWL)", "txtLWL", ValueKind::ReadOut},
    {"Kayak Beam (BOA)", "txtBOA", ValueKind::ReadOut},
    {"Water Line Beam (BWL)", "txtBWL", ValueKind::ReadOut},
    {"Draft", "txtDraft", ValueKind::ReadOut},
    {"Flare", "lblFlare", ValueKind::ReadOut},
    {"", "", ValueKind::Separator},
    {"Entry Half Angle (degrees)", "txtEntryHalfAngle", ValueKind::ReadOut, "", "chkEntryHalfAngle",
     RightKind::VisibleCheck, kMarkerRed},
    {"Measured From:", "txtStartMeasuredFrom", ValueKind::TextBox, "", "Command6", RightKind::SetButton},
    {"Exit Half Angle (degrees)", "txtExitHalfAngle", ValueKind::ReadOut, "", "chkExitHalfAngle",
     RightKind::VisibleCheck, kMarkerRed},
    {"Measured From:", "txtEndMeasuredFrom", ValueKind::TextBox, "", "Command11", RightKind::SetButton},
    {"", "", ValueKind::Separator},
    {"Length to Beam Ratio (LWL / BWL) 5 (slow)-14 (fast)", "txtLengthtoBeamRatio", ValueKind::ReadOut},
    {"WSA to Wet Volume Ratio ", "txtWSAtoDisplacementRatio", ValueKind::ReadOut},
    {"Theoretical Top Speed - Froude ", "txtTheoreticalTopSpeed", ValueKind::ReadOut},
    {"LCB", "txtLCB", ValueKind::ReadOut, "", "chkLCBVisible", RightKind::VisibleCheck, kMarkerRed},
    {"% LCB", "txtLCBPercent", ValueKind::ReadOut},
    {"Hull Form", "txtLCBForm", ValueKind::ReadOut},
    {"LCF", "lblLCF", ValueKind::ReadOut, "", "chkLCFVisible", RightKind::VisibleCheck, kMarkerBlue},
    {"%LCF", "lblLCFPercent", ValueKind::ReadOut},
    {"Midship", "lblMidship", ValueKind::ReadOut, "", "chkMidship", RightKind::VisibleCheck, kMarkerGreen},
    {"Start of Water Line", "lblStartofWaterline", ValueKind::ReadOut},
    {"End of Water Line", "lblEndofWaterline", ValueKind::ReadOut},
};

inline constexpr InfoRow kCapacityRows[] = {
    {"Paddler 1 Weight", "txtPaddlerWeight", ValueKind::TextBox, "lbs", "Command2", RightKind::SetButton},
    {"Paddler 2 Weight", "txtPaddler2Weight", ValueKind::TextBox, "lbs", "Command13", RightKind::SetButton},
    {"Cargo Weight", "txtCargoWeight", ValueKind::TextBox, "lbs", "Command3", RightKind::SetButton},
    {"Wood Weight ", "txtMaterialWeightPerSquareFoot", ValueKind::TextBox, "lbs/ft^2", "Command4",
     RightKind::SetButton},
    {"Kayak Weight", "txtKayakWeight", ValueKind::ReadOut, "lbs"},
    {"Target Displacement", "txtTargetDisplacement", ValueKind::ReadOut, "lbs"},
    {"Total Volume", "txtTV", ValueKind::ReadOut, "", "", RightKind::None, 0, "txtTotalVolumeGallons"},
    {"Wet Volume", "txtWV", ValueKind::ReadOut, "", "", RightKind::None, 0, "txtWetVolumeGallons"},
    {"Design Displacement", "txtDisplacement", ValueKind::ReadOut, "lbs"},
};

inline constexpr InfoRow kCockpitRows[] = {
    {"Distance between cockpits", "txtDistanceBetweenCockpits", ValueKind::TextBox, "", "Command12",
     RightKind::SetButton},
    {"", "", ValueKind::None, "", "chkAutoPositionCockpit", RightKind::Check},
    {"Cockpit 1", "", ValueKind::Heading},
    {"Length", "txtCockpitLength", ValueKind::TextBox, "", "Command7", RightKind::SetButton},
    {"Width", "txtCockpitWidth", ValueKind::TextBox, "", "Command8", RightKind::SetButton},
    {"Cockpit Aft to CG", "txtCockpitAftToCG", ValueKind::TextBox, "", "Command9", RightKind::SetButton},
    {"Front Depth", "lblFrontDepth1", ValueKind::ReadOut},
    {"Rear Depth", "lblRearDepth1", ValueKind::ReadOut},
    {"Cockpit 2", "", ValueKind::Heading},
    {"Length", "txtCockpit2Length", ValueKind::TextBox, "", "Command14", RightKind::SetButton},
    {"Width", "txtCockpit2Width", ValueKind::TextBox, "", "Command15", RightKind::SetButton},
    {"Cockpit Aft to CG", "txtCockpit2AfttoCG", ValueKind::TextBox, "", "Command16", RightKind::SetButton},
    {"Front Depth", "lblFrontDepth2", ValueKind::ReadOut},
    {"Rear Depth", "lblRearDepth2", ValueKind::ReadOut},
};

inline constexpr InfoRow kAreaRows[] = {
    {"Total Surface Area", "txtTSA", ValueKind::ReadOut},
    {"Wet Surface Area (WSA)", "txtWSA", ValueKind::ReadOut},
    {"Water Plane Area", "txtWaterPlaneArea", ValueKind::ReadOut},
    {"Max Wet Cross Section Area", "txtAx", ValueKind::ReadOut},
};

inline constexpr InfoRow kCoefficientRows[] = {
    {"Block Coefficient - Cb", "txtCb", ValueKind::ReadOut},
    {"Prismatic Coefficient - Cp", "txtCp", ValueKind::ReadOut},
    {"MidShip Coefficient - Cm", "txtCm", ValueKind::ReadOut},
    {"Waterplane Coefficient - Cwp", "txtCwp", ValueKind::ReadOut},
};

}  // namespace dialogs
