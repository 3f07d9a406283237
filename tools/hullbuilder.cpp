#include "tools/hullbuilder.h"

#include "tools/cockpitrim.h"
#include "tools/lineplotter.h"

#include "model/hull/curves.h"

#include <stdexcept>

namespace hulls {

namespace {

constexpr double kStitchMarkLength = 0.25;

std::set<int> reservedIndices(const HullShape& shape)
{
    std::set<int> reserved{model::kBowPoint, model::kSternPoint, model::kSheerPointA, model::kSheerPointB};
    auto addKnots = [&](const std::vector<Knot>& knots) {
        for (const Knot& k : knots)
            if (k.index) reserved.insert({*k.index, *k.index + 1, *k.index + 2});
    };
    addKnots(shape.ridge.knots);
    addKnots(shape.deckChine.knots);
    addKnots(shape.sheer.knots);
    for (const LineShape& c : shape.chines) addKnots(c.knots);
    addKnots(shape.keel.knots);
    return reserved;
}

class Assembler {
public:
    explicit Assembler(const HullShape& shape)
        : shape_(shape), points_(reservedIndices(shape)), plot_(points_, segments_, shape.length)
    {
    }

    model::Design run();

private:
    void tips();
    std::vector<int> tipToTip(const LineShape& line);
    std::vector<int> deckChine(const std::vector<int>& sheer);
    // The sheer segment whose anchors span x (inches), and the sheer's point there.
    int sheerSegmentAt(const std::vector<int>& sheer, double x) const;
    Inches sheerPointAt(const std::vector<int>& sheer, double x) const;
    model::Design assemble(const std::vector<model::ControlPoint>& points) const;
    void snapToSheer(const model::Design& deck);
    model::Cockpit addCockpit(const model::Design& deck, const CockpitShape& cockpit);

    const HullShape& shape_;
    std::vector<model::CurveSegment> segments_;
    PointTable points_;
    LinePlotter plot_;
    std::vector<std::vector<int>> lines_;
    int bow_ = 0, stern_ = 0;
};

void Assembler::tips()
{
    bow_ = plot_.anchor({0, shape_.bowTipY, 0}, true, model::kBowPoint);
    stern_ = plot_.anchor({shape_.length, shape_.sternTipY, 0}, true, model::kSternPoint);
    // The ends stay at X = 0 and X = 1.
    points_[bow_].LockX = 1;
    points_[stern_].LockX = 1;
}

std::vector<int> Assembler::tipToTip(const LineShape& line)
{
    return plot_.line(bow_, line.bow, line.knots, line.stern, stern_, line.onCentrePlane);
}

int Assembler::sheerSegmentAt(const std::vector<int>& sheer, double x) const
{
    for (int s : sheer) {
        const model::CurveSegment& seg = segments_[std::size_t(s) - 1];
        if (x >= plot_.inches(seg.StartPoint).x && x <= plot_.inches(seg.EndPoint).x) return s;
    }
    throw std::invalid_argument(shape_.name + ": the deck chine leaves the sheer outside the hull");
}

Inches Assembler::sheerPointAt(const std::vector<int>& sheer, double x) const
{
    const model::CurveSegment& seg = segments_[std::size_t(sheerSegmentAt(sheer, x)) - 1];
    const model::Point3 p = model::BezierPointAtX(points_[seg.StartPoint].Position, points_[seg.StartHandle].Position,
                                                  points_[seg.EndHandle].Position, points_[seg.EndPoint].Position,
                                                  x / shape_.length);
    return {x, p.Y * shape_.length, p.Z * shape_.length};
}

std::vector<int> Assembler::deckChine(const std::vector<int>& sheer)
{
    const DeckChineShape& dc = shape_.deckChine;
    const int from = plot_.anchor(sheerPointAt(sheer, dc.leavesSheerAt), false, model::kSheerPointA);
    const int to = plot_.anchor(sheerPointAt(sheer, dc.rejoinsSheerAt), false, model::kSheerPointB);
    const std::vector<int> own = plot_.line(from, dc.leave, dc.knots, dc.rejoin, to, false);

    // Outside its own stretch the deck chine is the sheer itself, evaluated
    // from the same control points so the two edges match exactly.
    const model::CurveSegment head = segments_[std::size_t(sheerSegmentAt(sheer, dc.leavesSheerAt)) - 1];
    const model::CurveSegment tail = segments_[std::size_t(sheerSegmentAt(sheer, dc.rejoinsSheerAt)) - 1];
    std::vector<int> line{plot_.segment(head.StartPoint, head.StartHandle, head.EndHandle, head.EndPoint,
                                        model::kCoversStartToEndLimit, from)};
    line.insert(line.end(), own.begin(), own.end());
    line.push_back(plot_.segment(tail.StartPoint, tail.StartHandle, tail.EndHandle, tail.EndPoint,
                                 model::kCoversStartLimitToEnd, to));
    return line;
}

model::Design Assembler::assemble(const std::vector<model::ControlPoint>& points) const
{
    model::Design d;
    d.HullLength = shape_.length;
    d.ControlPoints = points;
    d.PointCount = std::int16_t(d.ControlPoints.size() - 1);
    d.CurveSegments.assign(1, model::CurveSegment{});
    d.CurveSegments.insert(d.CurveSegments.end(), segments_.begin(), segments_.end());
    d.SegmentCount = std::int16_t(segments_.size());

    d.LineCount = std::int16_t(lines_.size());
    d.HullLines.assign(lines_.size() + 1, model::HullLine{});
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        model::HullLine& hl = d.HullLines[i + 1];
        hl.SegmentCount = std::int16_t(lines_[i].size());
        for (int s : lines_[i]) hl.Segments.push_back(std::int16_t(s));
    }

    const int panels = d.LineCount - 1;
    d.PanelsPerSide = std::int16_t(panels);
    d.HullPanels.assign(std::size_t(panels) + 1, model::HullPanel{});
    d.PanelEnds.assign(std::size_t(panels) + 1, {0, 0, 0});
    for (int k = 1; k <= panels; ++k) {
        d.HullPanels[k] = {std::int16_t(k), std::int16_t(k + 1), std::int16_t(k > kDeckPanels ? 1 : 0)};
        d.PanelEnds[k] = {0, model::kBowPoint, model::kSternPoint};
    }
    // The second deck panel runs only where the deck chine leaves the sheer.
    d.PanelEnds[kDeckChineLine] = {0, model::kSheerPointA, model::kSheerPointB};
    return d;
}

void fillLoading(model::Design& d, const HullShape& shape)
{
    d.StationCount = shape.stationCount;
    d.PaddlerWeights = {0, shape.loading.paddlerWeight, shape.loading.paddlerWeight};
    d.CargoWeight = shape.loading.cargoWeight;
    d.MaterialWeightPerSqFt = shape.loading.materialWeight;
    d.WaterlineHeight = shape.waterlineHeight;
    d.StitchSpacing = std::int16_t(shape.stitchSpacing);
    d.StitchMarkLength = kStitchMarkLength;
    d.SectionOffset = shape.sectionOffset;
    d.CurveStep = model::kDefaultCurveStep;
    d.DesignLoaded = true;
}

// Points 18 and 23 sit on the sheer exactly as the editor re-snaps them.
void Assembler::snapToSheer(const model::Design& deck)
{
    for (int i : {model::kSheerPointA, model::kSheerPointB}) {
        const model::Point3 p = model::PointOnLineAtX(deck, deck.HullLines[model::kSheerLine], deck.point(i).X);
        points_[i].Position.Y = p.Y;
        points_[i].Position.Z = p.Z;
    }
}

// Rim points take the indices the hull's own points left, filling any gap
// below a fixed index. A pick in the profile takes the lowest index in reach,
// so most hull points lying under a rim point still win.
model::Cockpit Assembler::addCockpit(const model::Design& deck, const CockpitShape& c)
{
    RimIndices index{};
    for (int j = 1; j <= kRimPoints; ++j) index[j] = points_.add({});
    const RimPoints rim = rimPoints(deck, c, index);
    model::Cockpit record;
    record.RimPointCount = kRimPoints;
    for (int j = 1; j <= kRimPoints; ++j) {
        points_[index[j]] = rim[j];
        record.RimPoints[j] = std::int16_t(index[j]);
    }
    record.AftToCG = c.aftToCG;
    record.Length = c.length;
    record.Width = c.width;
    return record;
}

model::Design Assembler::run()
{
    tips();
    const std::vector<int> ridge = tipToTip(shape_.ridge);
    const std::vector<int> sheer = tipToTip(shape_.sheer);
    const std::vector<int> chine = deckChine(sheer);
    lines_ = {ridge, chine, sheer};
    for (const LineShape& c : shape_.chines) lines_.push_back(tipToTip(c));
    lines_.push_back(tipToTip(shape_.keel));

    snapToSheer(assemble(points_.snapshot()));
    const model::Design deck = assemble(points_.snapshot());
    std::vector<model::Cockpit> cockpits;
    for (const CockpitShape& c : shape_.cockpits) cockpits.push_back(addCockpit(deck, c));

    model::Design d = assemble(points_.finish());
    for (std::size_t k = 0; k < cockpits.size(); ++k) d.Cockpits[k + 1] = cockpits[k];
    d.CockpitCount = double(shape_.cockpits.size());
    d.Cockpits[1].DistanceBetweenCockpits = shape_.loading.distanceBetweenCockpits;
    fillLoading(d, shape_);
    return d;
}

}  // namespace

model::Design buildDesign(const HullShape& shape)
{
    if (shape.cockpits.empty() || shape.cockpits.size() > 2)
        throw std::invalid_argument(shape.name + ": one or two cockpits");
    return Assembler(shape).run();
}

}  // namespace hulls
