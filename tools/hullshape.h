#pragma once
// A hull as a designer writes it down: the anchors of each hull line in
// inches, the slope of the line through each anchor and how far its handles
// reach along the hull. The builder turns this into a design.

#include <optional>
#include <string>
#include <vector>

namespace hulls {

struct Inches {
    double x, y, z;  // along the hull from the bow, height, half-breadth
};

// Rise and widening of a line per inch towards the stern.
struct Slope {
    double dy, dz;
};

// How a line leaves (or reaches) a shared end point: its slope there and
// how far along the hull its handle reaches.
struct EndTangent {
    Slope slope;
    double reach;  // inches along X, > 0
};

// An anchor inside a line. Both handles lie on the line's tangent through
// the anchor, so the line has no kink there.
struct Knot {
    Inches at;
    Slope slope;
    double reachBack;              // X extent of the handle towards the bow
    double reachAhead;             // X extent of the handle towards the stern
    std::optional<int> index = {};  // a fixed anchor index; its handles take index + 1 (back) and + 2 (ahead)
};

// A line from the bow tip to the stern tip.
struct LineShape {
    EndTangent bow;
    std::vector<Knot> knots;
    EndTangent stern;
    bool onCentrePlane = false;  // the ridge and the keel: Z stays 0
};

// The deck chine leaves the sheer at one X and rejoins it at another; outside
// that stretch it follows the sheer exactly.
struct DeckChineShape {
    double leavesSheerAt;  // inches from the bow
    EndTangent leave;
    std::vector<Knot> knots;
    double rejoinsSheerAt;
    EndTangent rejoin;
};

struct CockpitShape {
    double rearEnd;          // X of the rear end of the outline, inches
    double length;           // front end to rear end
    double width;            // across the side points
    double aftToCG;          // from the rear end forward to the paddler's centre of gravity
    double endHalfBreadth;   // half-breadth of the sideways handles at the front and rear ends
};

struct Loading {
    double paddlerWeight;       // pounds, each paddler
    double cargoWeight;         // pounds
    double materialWeight;      // pounds per square foot of panel
    double distanceBetweenCockpits = 0;  // inches between the paddlers, two cockpits only
};

struct HullShape {
    std::string name;
    double length;     // inches
    double bowTipY;    // height of the bow tip, where every line starts
    double sternTipY;  // height of the stern tip, where every line ends
    LineShape ridge;   // line 1, the deck's centre line
    DeckChineShape deckChine;  // line 2
    LineShape sheer;           // line 3
    std::vector<LineShape> chines;  // from the sheer down
    LineShape keel;                 // the last line
    std::vector<CockpitShape> cockpits;
    Loading loading;
    double waterlineHeight;  // inches
    int stationCount;
    int stitchSpacing;    // inches
    double sectionOffset; // inches
};

}  // namespace hulls
