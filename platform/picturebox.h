#pragma once
// A picture box: a widget over a retained image that keeps its picture
// between redraws (nothing is erased unless asked), drawn on in a user scale
// by Line, Circle and PSet, or through its device context. Drawing is aliased,
// so a given inch always lands on one whole pixel.

#include "platform/gditypes.h"
#include "platform/polygonraster.h"
#include "platform/userscale.h"

#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace platform {

class DeviceContext;

enum FillStyles : std::int16_t { kFillSolid = 0, kFillTransparent = 1 };
enum DrawStyles : std::int16_t {
    kDrawSolid = 0,
    kDrawDash = 1,
    kDrawDot = 2,
    kDrawDashDot = 3,
    kDrawDashDotDot = 4,
    kDrawInvisible = 5,
    kDrawInsideSolid = 6,
};

// Line draws a segment, a box outlined in the colour and filled by FillStyle,
// or a box filled in the colour.
enum class LineForm { Segment, Box, FilledBox };

// What a kept layer's pixels depend on, as whole numbers: equal keys, equal pixels.
using LayerKey = std::vector<std::int64_t>;
// `start` (the drawing style) followed by each polygon's colours and corners.
LayerKey polygonsKey(LayerKey start, const std::vector<PolygonPaint>& polygons);
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // Drawing properties, read by every drawing call.
    std::int16_t FillStyle = kFillTransparent;
    ColorRef FillColor = kBlack;
    ColorRef ForeColor = kBlack;
    ColorRef BackColor = kWhite;
    std::int16_t DrawStyle = kDrawSolid;
    std::int16_t DrawWidth = 1;

    // Outer size in pixels.
    float Width() const { return float(width()); }
    float Height() const { return float(height()); }
    // Client rectangle in pixels: (0, 0) to the size.
    Rect clientRect() const { return {0, 0, width(), height()}; }

    // User scale from an upper-left to a lower-right corner.
    void Scale(float x1, float y1, float x2, float y2);
    const UserScale& userScale() const { return scale_; }

    // Erases the picture to BackColor.
    void Cls();
    // Colour defaults to ForeColor.
    void Line(float x1, float y1, float x2, float y2, std::optional<ColorRef> color = std::nullopt,
              LineForm form = LineForm::Segment);
    // Angles in radians, counter-clockwise from the right; a negative angle
    // also draws the radius to that end (a pie, filled by FillStyle). A full
    // circle is filled by FillStyle, an open arc never.
    void Circle(float x, float y, float radius, std::optional<ColorRef> color = std::nullopt,
                std::optional<float> start = std::nullopt, std::optional<float> end = std::nullopt);
    void PSet(float x, float y, std::optional<ColorRef> color = std::nullopt);
    // Text in ForeColor and the box's font, its top-left corner at (x, y).
    void Print(float x, float y, const QString& text);

    // One pixel column of device rows top..bottom, both included.
    struct Column {
        int x, top, bottom;
    };
    // Fills the columns in one colour: the pixels of a thin solid vertical
    // Line per column, many times faster than as one-pixel rectangles.
    void Columns(const std::vector<Column>& columns, ColorRef color);

    // Vertical segments in the user scale, in one colour: the pixels of a
    // Line each, drawn as columns where the pen allows.
    struct VerticalSegment {
        float x, y1, y2;
    };
    void VerticalSegments(const std::vector<VerticalSegment>& segments, ColorRef color);

    // Device-pixel polygons drawn in turn, each filled by FillStyle and
    // outlined with the pen, in its own colours; the box's FillColor and
    // ForeColor are left as they were.
    void Polygons(const std::vector<PolygonPaint>& polygons);

    // A costly pass whose pixels depend only on `key`, drawn by `paint` with
    // the box's usual calls. The second time in a row the same key comes, the
    // pass is drawn into a transparent layer that is put over the picture and
    // kept: while the key stays the same the layer is put on again without
    // drawing. Only for aliased, opaque drawing, which lands on the layer
    // exactly as on the picture.
    void Layered(LayerKey key, const std::function<void()>& paint);

    // The device context, drawing on the same picture in its own mapping.
    DeviceContext& hDC() { return *dc_; }

    // The picture as it stands (for tests and saving).
    QImage image();

signals:
    // Mouse positions in the user scale; every event stays with the box.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The window's repaint, seen before it paints.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class DeviceContext;

    // Matches the retained image to the widget's size; false while it has no area.
    bool fitImage();
    // The painter on the retained image, opened on first use after a paint;
    // null while the box has no area.
    QPainter* canvas();
    void usePen(ColorRef color);
    void useBrush(bool filled, ColorRef color);
    void endPainting();
    QPoint toDevice(float x, float y) const;
    UserPoint toUser(const QPointF& position) const;

    // What the open painter holds, so unchanged pens and brushes are not set again.
    struct PenKey {
        ColorRef color;
        std::int16_t width, style;
        bool operator==(const PenKey&) const = default;
    };
    struct BrushKey {
        bool filled;
        ColorRef color;
        bool operator==(const BrushKey&) const = default;
    };

    void askForRepaint();
    // Hands what was drawn since it last ran to the screen, repainting only
    // the blocks that differ from what the box shows.
    void showChanges();
    // Copies what differs between the picture and what was shown into the
    // latter, and returns the blocks it lies in.
    QRegion takeChanges();
    void takeChangedBlocks();
    QRegion changedRegion();
    int blocksAcross() const;

    QImage image_;
    // The picture as last handed to the screen; equal to image_ while no
    // drawing call came since the last showChanges.
    QImage shown_;
    bool showPending_ = false;
    QPointer<QWidget> repaintedWindow_;
    // Row by row of blocks, which differed from what was shown.
    std::vector<bool> changedBlocks_;
    std::vector<QRect> changedRects_;
    QImage layer_;
    // The layer's opaque pixels, row by row, when it has no others but
    // transparent ones: put on by copying them, not by blending every pixel.
    struct LayerRun {
        int row, first, last;
    };
    std::vector<LayerRun> layerRuns_;
    bool layerCopyable_ = false;
    void findLayerRuns();
    void putLayer(QPainter& p);
    PolygonRaster raster_;
    LayerKey layerKey_, seenKey_;
    std::unique_ptr<QPainter> painter_;
    std::optional<PenKey> pen_;
    std::optional<BrushKey> brush_;
    UserScale scale_;
    std::unique_ptr<DeviceContext> dc_;
};

}  // namespace platform
