#include "platform/picturebox.h"

#include "platform/devicecontext.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

namespace platform {

namespace {

// Changes are looked for, and repainted, in blocks this large: a redraw
// that moves a line repaints the blocks along it, not the box.
constexpr int kChangeBlockWidth = 64;
constexpr int kChangeBlockHeight = 8;
constexpr int kDegreeSixteenths = 16;  // Qt arc angles are in 1/16 degree
constexpr double kFullTurn = 2 * std::numbers::pi;

QColor toQColor(ColorRef c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

Qt::PenStyle penStyle(std::int16_t drawStyle)
{
    switch (drawStyle) {
    case kDrawDash: return Qt::DashLine;
    case kDrawDot: return Qt::DotLine;
    case kDrawDashDot: return Qt::DashDotLine;
    case kDrawDashDotDot: return Qt::DashDotDotLine;
    case kDrawInvisible: return Qt::NoPen;
    default: return Qt::SolidLine;
    }
}

// The pixels from one corner to the other, both included, whichever way round.
QRect spanning(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void copyArea(const QImage& from, QImage& to, const QRect& area)
{
    const std::size_t left = std::size_t(area.left()) * sizeof(QRgb);
    const std::size_t bytes = std::size_t(area.width()) * sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::memcpy(to.scanLine(y) + left, from.constScanLine(y) + left, bytes);
}

int arcSixteenths(double radians) { return int(std::lround(radians * 180 / std::numbers::pi * kDegreeSixteenths)); }

}  // namespace

LayerKey polygonsKey(LayerKey key, const std::vector<PolygonPaint>& polygons)
{
    for (const PolygonPaint& polygon : polygons) {
        key.insert(key.end(), {polygon.fill, polygon.outline, std::int64_t(polygon.points.size())});
        for (const Point& p : polygon.points) key.insert(key.end(), {p.x, p.y});
    }
    return key;
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent), dc_(std::make_unique<DeviceContext>(*this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Moves are reported with no button down too: the views show the cursor.
    setMouseTracking(true);
}

PictureBox::~PictureBox() { endPainting(); }

bool PictureBox::fitImage()
{
    if (width() <= 0 || height() <= 0) return false;
    if (image_.size() == size()) return true;
    endPainting();
    // A resized box keeps what it had where it still fits.
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(toQColor(BackColor));
    if (!image_.isNull()) QPainter(&resized).drawImage(0, 0, image_);
    image_ = std::move(resized);
    return true;
}

QPainter* PictureBox::canvas()
{
    if (!fitImage()) return nullptr;
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        pen_.reset();
        brush_.reset();
        if (!showPending_) askForRepaint();
    }
    return painter_.get();
}

void PictureBox::endPainting() { painter_.reset(); }

void PictureBox::usePen(ColorRef color)
{
    const PenKey key{color, DrawWidth, DrawStyle};
    if (pen_ == key) return;
    pen_ = key;
    // Width 1 and below is the one-pixel cosmetic pen.
    QPen pen(toQColor(color), DrawWidth > 1 ? DrawWidth : 0, penStyle(DrawStyle));
    painter_->setPen(pen);
}

void PictureBox::useBrush(bool filled, ColorRef color)
{
    const BrushKey key{filled, color};
    if (brush_ == key) return;
    brush_ = key;
    painter_->setBrush(filled ? QBrush(toQColor(color)) : QBrush(Qt::NoBrush));
}

QPoint PictureBox::toDevice(float x, float y) const
{
    const Point p = scale_.toDevice(x, y, width(), height());
    return {p.x, p.y};
}

UserPoint PictureBox::toUser(const QPointF& position) const
{
    return scale_.toUser(position.x(), position.y(), width(), height());
}

void PictureBox::Scale(float x1, float y1, float x2, float y2)
{
    scale_ = UserScale(x1, y1, x2, y2);
}

void PictureBox::Cls()
{
    if (QPainter* p = canvas()) p->fillRect(image_.rect(), toQColor(BackColor));
}

void PictureBox::Columns(const std::vector<Column>& columns, ColorRef color)
{
    QPainter* p = canvas();
    if (!p || columns.empty()) return;
    const QColor fill = toQColor(color);
    // Written straight into the picture, column by column: the painter would
    // fill each one-pixel row of each column as a span of its own. A shared
    // picture would be copied by the write, so it takes the painter's way.
    if (image_.format() != QImage::Format_RGB32 || !image_.isDetached()) {
        for (const Column& c : columns) p->fillRect(QRect(c.x, c.top, 1, c.bottom - c.top + 1), fill);
        return;
    }
    const QRgb pixel = fill.rgb();
    const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const bits = reinterpret_cast<QRgb*>(image_.bits());
    for (const Column& c : columns) {
        if (c.x < 0 || c.x >= image_.width()) continue;
        const int last = std::min(c.bottom, image_.height() - 1);
        for (int y = std::max(c.top, 0); y <= last; ++y) bits[y * stride + c.x] = pixel;
    }
}

void PictureBox::VerticalSegments(const std::vector<VerticalSegment>& segments, ColorRef color)
{
    if (DrawWidth > 1 || DrawStyle != kDrawSolid) {
        for (const VerticalSegment& s : segments) Line(s.x, s.y1, s.x, s.y2, color);
        return;
    }
    std::vector<Column> columns;
    columns.reserve(segments.size());
    for (const VerticalSegment& s : segments) {
        const QPoint a = toDevice(s.x, s.y1), b = toDevice(s.x, s.y2);
        columns.push_back({a.x(), std::min(a.y(), b.y()), std::max(a.y(), b.y())});
    }
    Columns(columns, color);
}

void PictureBox::Polygons(const std::vector<PolygonPaint>& polygons)
{
    QPainter* p = canvas();
    if (!p || polygons.empty()) return;
    const bool filled = FillStyle == kFillSolid;
    const bool outlined = DrawStyle != kDrawInvisible;
    const bool thinSolidPen = DrawWidth <= 1 && (DrawStyle == kDrawSolid || DrawStyle == kDrawInsideSolid);
    const bool writable = (image_.format() == QImage::Format_RGB32 ||
                           image_.format() == QImage::Format_ARGB32_Premultiplied) &&
                          image_.isDetached();
    const bool inRange = std::all_of(polygons.begin(), polygons.end(),
                                     [](const PolygonPaint& g) { return withinRasterRange(g.points); });
    if (writable && inRange && (thinSolidPen || !outlined)) {
        const PixelBuffer target{reinterpret_cast<std::uint32_t*>(image_.bits()),
                                 image_.bytesPerLine() / std::ptrdiff_t(sizeof(std::uint32_t)), image_.width(),
                                 image_.height()};
        raster_.paintInTurn(target, polygons, filled, outlined);
        return;
    }
    // Wide or patterned pens, and points beyond the raster's range.
    for (const PolygonPaint& g : polygons) {
        QPolygonF polygon;
        polygon.reserve(qsizetype(g.points.size()));
        for (const Point& point : g.points) polygon << QPointF(point.x, point.y);
        usePen(g.outline);
        useBrush(filled, g.fill);
        p->drawPolygon(polygon, Qt::OddEvenFill);
    }
}

void PictureBox::Line(float x1, float y1, float x2, float y2, std::optional<ColorRef> color, LineForm form)
{
    QPainter* p = canvas();
    if (!p) return;
    const ColorRef c = color.value_or(ForeColor);
    const QPoint a = toDevice(x1, y1), b = toDevice(x2, y2);
    switch (form) {
    case LineForm::Segment:
        // Thin solid lines along an axis (rulers, graph bars) are filled as
        // one-pixel rectangles: the same pixels as the stroked line, many
        // times faster.
        if ((a.x() == b.x() || a.y() == b.y()) && DrawWidth <= 1 && DrawStyle == kDrawSolid) {
            p->fillRect(spanning(a, b), toQColor(c));
            break;
        }
        usePen(c);
        p->drawLine(a, b);
        break;
    case LineForm::Box:
        usePen(c);
        useBrush(FillStyle == kFillSolid, FillColor);
        // A stroked rectangle covers one pixel more than its size: both corners.
        p->drawRect(spanning(a, b).adjusted(0, 0, -1, -1));
        break;
    case LineForm::FilledBox:
        p->fillRect(spanning(a, b), toQColor(c));
        break;
    }
}

void PictureBox::Circle(float x, float y, float radius, std::optional<ColorRef> color, std::optional<float> start,
                        std::optional<float> end)
{
    QPainter* p = canvas();
    if (!p) return;
    usePen(color.value_or(ForeColor));
    const QPoint centre = toDevice(x, y);
    const double r = scale_.widthToPixels(radius, width());
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    if (!start && !end) {
        useBrush(FillStyle == kFillSolid, FillColor);
        p->drawEllipse(QPointF(centre), r, r);
        return;
    }
    const double a = std::abs(start.value_or(0)), b = std::abs(end.value_or(float(kFullTurn)));
    double span = b - a;
    if (span < 0) span += kFullTurn;  // always counter-clockwise from start to end
    const bool pie = start.value_or(0) < 0 || end.value_or(0) < 0;
    if (!pie) {
        p->drawArc(box, arcSixteenths(a), arcSixteenths(span));
        return;
    }
    useBrush(FillStyle == kFillSolid, FillColor);
    p->drawPie(box, arcSixteenths(a), arcSixteenths(span));
}

void PictureBox::PSet(float x, float y, std::optional<ColorRef> color)
{
    QPainter* p = canvas();
    if (!p) return;
    const QPoint at = toDevice(x, y);
    const int size = DrawWidth > 1 ? DrawWidth : 1;
    p->fillRect(QRect(at.x() - size / 2, at.y() - size / 2, size, size), toQColor(color.value_or(ForeColor)));
}

void PictureBox::Print(float x, float y, const QString& text)
{
    QPainter* p = canvas();
    if (!p) return;
    usePen(ForeColor);
    p->setFont(font());
    const QPoint at = toDevice(x, y);
    p->drawText(at.x(), at.y() + QFontMetrics(font()).ascent(), text);
}

void PictureBox::Layered(LayerKey key, const std::function<void()>& paint)
{
    if (!fitImage()) return;
    if (key == layerKey_ && layer_.size() == image_.size()) {
        if (QPainter* p = canvas()) putLayer(*p);
        return;
    }
    layerKey_.clear();
    // Seen for the first time (a drag changes it at every step), the pass
    // draws straight on the picture; seen again, it is kept.
    if (key != seenKey_) {
        seenKey_ = std::move(key);
        paint();
        return;
    }
    endPainting();
    if (layer_.size() != image_.size()) layer_ = QImage(image_.size(), QImage::Format_ARGB32_Premultiplied);
    layer_.fill(Qt::transparent);
    {
        // Every drawing call draws on image_: the layer stands in for the
        // picture while the pass draws, and gives it back whatever the pass throws.
        std::swap(image_, layer_);
        struct Restore {
            PictureBox& box;
            ~Restore()
            {
                box.endPainting();
                std::swap(box.image_, box.layer_);
            }
        } restore{*this};
        paint();
    }
    layerKey_ = std::move(key);
    findLayerRuns();
    if (QPainter* p = canvas()) putLayer(*p);
}

void PictureBox::findLayerRuns()
{
    layerRuns_.clear();
    layerCopyable_ = layer_.format() == QImage::Format_ARGB32_Premultiplied;
    for (int y = 0; y < layer_.height() && layerCopyable_; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(layer_.constScanLine(y));
        for (int x = 0; x < layer_.width();) {
            const int alpha = qAlpha(line[x]);
            if (alpha != 0 && alpha != 255) layerCopyable_ = false;
            if (alpha != 255) {
                ++x;
                continue;
            }
            const int first = x;
            while (x < layer_.width() && qAlpha(line[x]) == 255) ++x;
            layerRuns_.push_back({y, first, x - 1});
        }
    }
}

// An opaque premultiplied pixel is stored as the picture's own format stores
// it (0xFFRRGGBB).
void PictureBox::putLayer(QPainter& p)
{
    if (!layerCopyable_ || image_.format() != QImage::Format_RGB32 || !image_.isDetached() ||
        layer_.size() != image_.size()) {
        p.drawImage(0, 0, layer_);
        return;
    }
    for (const LayerRun& r : layerRuns_) {
        const QRgb* from = reinterpret_cast<const QRgb*>(layer_.constScanLine(r.row));
        QRgb* to = reinterpret_cast<QRgb*>(image_.scanLine(r.row));
        std::copy(from + r.first, from + r.last + 1, to + r.first);
    }
}

QImage PictureBox::image()
{
    fitImage();
    endPainting();
    return image_;
}

// The window's repaint is asked for without marking any of the box dirty:
// what changed is found when the repaint comes, once however many redraws
// came before it.
void PictureBox::askForRepaint()
{
    showPending_ = true;
    QWidget* const top = window();
    if (top != repaintedWindow_) {
        if (repaintedWindow_) repaintedWindow_->removeEventFilter(this);
        top->installEventFilter(this);
        repaintedWindow_ = top;
    }
    QCoreApplication::postEvent(top, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
}

bool PictureBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest && showPending_) showChanges();
    return QWidget::eventFilter(watched, event);
}

void PictureBox::showChanges()
{
    showPending_ = false;
    if (!fitImage()) return;
    endPainting();
    const QRegion changed = takeChanges();
    if (!changed.isEmpty()) update(changed);
}

QRegion PictureBox::takeChanges()
{
    if (shown_.size() != image_.size() || shown_.format() != image_.format()) {
        shown_ = image_.copy();
        return image_.rect();
    }
    takeChangedBlocks();
    return changedRegion();
}

void PictureBox::takeChangedBlocks()
{
    const int across = blocksAcross(), down = (image_.height() + kChangeBlockHeight - 1) / kChangeBlockHeight;
    changedBlocks_.assign(std::size_t(across * down), false);
    const std::size_t rowBytes = std::size_t(image_.width()) * sizeof(QRgb);
    for (int y = 0; y < image_.height(); ++y) {
        const uchar* now = image_.constScanLine(y);
        uchar* was = shown_.scanLine(y);
        // Whole rows first: most are the same.
        if (std::memcmp(now, was, rowBytes) == 0) continue;
        for (int block = 0; block < across; ++block) {
            const std::size_t from = std::size_t(block * kChangeBlockWidth) * sizeof(QRgb);
            const std::size_t bytes = std::min(std::size_t(kChangeBlockWidth) * sizeof(QRgb), rowBytes - from);
            if (std::memcmp(now + from, was + from, bytes) == 0) continue;
            std::memcpy(was + from, now + from, bytes);
            changedBlocks_[std::size_t(y / kChangeBlockHeight * across + block)] = true;
        }
    }
}

// Changed blocks side by side make one rectangle; the rectangles come band
// by band, left to right, as a region holds them.
QRegion PictureBox::changedRegion()
{
    const int across = blocksAcross();
    changedRects_.clear();
    for (std::size_t at = 0; at < changedBlocks_.size();) {
        if (!changedBlocks_[at]) {
            ++at;
            continue;
        }
        const int band = int(at) / across, first = int(at) % across;
        int last = first;
        while (last + 1 < across && changedBlocks_[at + std::size_t(last + 1 - first)]) ++last;
        const QRect blocks(first * kChangeBlockWidth, band * kChangeBlockHeight,
                           (last - first + 1) * kChangeBlockWidth, kChangeBlockHeight);
        changedRects_.push_back(blocks & image_.rect());
        at += std::size_t(last - first + 1);
    }
    QRegion changed;
    changed.setRects(changedRects_.data(), int(changedRects_.size()));
    return changed;
}

int PictureBox::blocksAcross() const { return (image_.width() + kChangeBlockWidth - 1) / kChangeBlockWidth; }

void PictureBox::paintEvent(QPaintEvent* event)
{
    fitImage();
    endPainting();
    QPainter painter(this);
    for (const QRect& r : event->region()) {
        const QRect area = r & image_.rect();
        painter.drawImage(area.topLeft(), image_, area);
        // Drawn since the last look for changes: the screen has it now too.
        if (showPending_ && shown_.size() == image_.size()) copyArea(image_, shown_, area);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const UserPoint at = toUser(event->position());
    emit mouseDown(event->button(), event->modifiers(), float(at.x), float(at.y));
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    const UserPoint at = toUser(event->position());
    emit mouseMove(event->buttons(), event->modifiers(), float(at.x), float(at.y));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second click of a double-click is not another press; its release
    // still comes.
    emit DblClick();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const UserPoint at = toUser(event->position());
    emit mouseUp(event->button(), event->modifiers(), float(at.x), float(at.y));
}

}  // namespace platform
