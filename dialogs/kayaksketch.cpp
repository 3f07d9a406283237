#include "dialogs/kayaksketch.h"

#include <QPainter>
#include <QPainterPath>

namespace dialogs {

namespace {

const QColor kDeckColour(222, 184, 135);
const QColor kHullColour(160, 110, 60);
const QColor kCockpitColour(60, 60, 60);

// A pointed plan outline inside `r`.
QPainterPath planOutline(const QRectF& r)
{
    QPainterPath p;
    const double midY = r.center().y();
    p.moveTo(r.left(), midY);
    p.cubicTo(r.left() + r.width() * 0.3, r.top(), r.left() + r.width() * 0.6, r.top(), r.right(), midY);
    p.cubicTo(r.left() + r.width() * 0.6, r.bottom(), r.left() + r.width() * 0.3, r.bottom(), r.left(), midY);
    return p;
}

QPainterPath profileOutline(const QRectF& r)
{
    // A deck arching up to the cockpits over a hull with gentle rocker.
    QPainterPath p;
    const QPointF bow(r.left(), r.top() + r.height() * 0.25), stern(r.right(), r.top() + r.height() * 0.3);
    p.moveTo(bow);
    p.cubicTo(r.left() + r.width() * 0.3, r.top() - r.height() * 0.1, r.left() + r.width() * 0.7,
              r.top() - r.height() * 0.1, stern.x(), stern.y());
    p.cubicTo(r.left() + r.width() * 0.75, r.bottom(), r.left() + r.width() * 0.25, r.bottom(), bow.x(), bow.y());
    return p;
}

}  // namespace

KayakSketch::KayakSketch(int cockpits, QWidget* parent) : QWidget(parent), cockpits_(cockpits)
{
    setMinimumSize(sizeHint());
}

void KayakSketch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect().adjusted(8, 8, -8, -8);
    const QRectF plan(area.left(), area.top(), area.width(), area.height() * 0.45);
    const QRectF profile(area.left(), area.top() + area.height() * 0.55, area.width(), area.height() * 0.4);

    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(kDeckColour);
    painter.drawPath(planOutline(plan));
    painter.setBrush(kHullColour);
    painter.drawPath(profileOutline(profile));

    painter.setBrush(kCockpitColour);
    const double cockpitWidth = plan.width() * 0.12;
    for (int k = 0; k < cockpits_; ++k) {
        const double centre = plan.left() + plan.width() * (cockpits_ == 1 ? 0.52 : 0.38 + 0.26 * k);
        painter.drawEllipse(QRectF(centre - cockpitWidth / 2, plan.center().y() - plan.height() * 0.18,
                                   cockpitWidth, plan.height() * 0.36));
    }
}

}  // namespace dialogs
