#include "record_diagrams.h"

#include "qt_text.h"
#include "record_fonts.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace ipb {
namespace {

const QColor kInk(0x00, 0x00, 0x00);
const QColor kCurve(0x00, 0x3C, 0x8C);
const QColor kFill(0xDD, 0xE6, 0xF2);
const QColor kGuide(0x80, 0x80, 0x80);

QFont smallFont() {
    return recordFont(7.5);
}

void paintDiagram(QPainter& p, const QRectF& box, const RecordModel& record, const Diagram& d,
                  double mm) {
    const SpanLines& beam = record.lines;
    const QFont font = smallFont();
    const QFontMetricsF metrics(font, p.device());
    p.setFont(font);
    p.setPen(kInk);
    const QRectF captionLine(box.left(), box.top(), box.width(), metrics.height());
    p.drawText(captionLine, Qt::AlignLeft | Qt::AlignTop, qtText(d.caption));
    p.drawText(captionLine, Qt::AlignRight | Qt::AlignTop, qtText(d.largest));

    double top = 0, bottom = 0; // extremes of the values as drawn (downwards positive)
    for (const SpanPoint& point : beam.points) {
        const double v = d.downwards ? lineValue(point, d.line) : -lineValue(point, d.line);
        top = std::min(top, v);
        bottom = std::max(bottom, v);
    }
    const QRectF plot =
        box.adjusted(mm * 2, metrics.height() * 2.2, -mm * 2, -metrics.height() * 1.4);
    const double range = std::max(bottom - top, 1e-12);
    const double scaleY = plot.height() / range;
    const double axisY = plot.top() - top * scaleY;
    const auto at = [&](double x, double value) {
        const double drawn = d.downwards ? value : -value;
        return QPointF(plot.left() + x / beam.l * plot.width(), axisY + drawn * scaleY);
    };

    QPainterPath curve(QPointF(plot.left(), axisY));
    for (const SpanPoint& point : beam.points) {
        curve.lineTo(at(point.x, lineValue(point, d.line)));
    }
    curve.lineTo(QPointF(plot.right(), axisY));
    curve.closeSubpath();
    p.setPen(QPen(kCurve, mm * 0.3));
    p.setBrush(kFill);
    p.drawPath(curve);

    // The axis with the supports and the place of the point load.
    p.setPen(QPen(kInk, mm * 0.25));
    p.drawLine(QPointF(plot.left(), axisY), QPointF(plot.right(), axisY));
    p.setPen(QPen(kGuide, mm * 0.15, Qt::DashLine));
    std::vector<double> guides{0, beam.l};
    if (record.pointLoad) {
        guides.push_back(beam.la);
    }
    for (double x : guides) {
        const double gx = at(x, 0).x();
        p.drawLine(QPointF(gx, plot.top()), QPointF(gx, plot.bottom()));
    }

    p.setPen(kInk);
    for (const DiagramMark& mark : d.marks) {
        const QPointF point = at(mark.x, mark.value);
        const QString text = qtText(mark.text);
        const double width = metrics.horizontalAdvance(text) + mm;
        double left = std::clamp(point.x() - width / 2, box.left(), box.right() - width);
        const double y =
            mark.below ? point.y() + mm * 0.5 : point.y() - metrics.height() - mm * 0.5;
        p.drawText(QRectF(left, y, width, metrics.height()), Qt::AlignCenter, text);
        p.drawEllipse(point, mm * 0.4, mm * 0.4);
    }
}

// The beam itself over the span scale: the supports A and B, and the point load as an arrow.
void paintBeamSketch(QPainter& p, const QRectF& box, const RecordModel& record, double mm) {
    const SpanLines& beam = record.lines;
    const QRectF span = box.adjusted(mm * 2, 0, -mm * 2, 0);
    const double beamY = box.bottom() - mm * 3;
    p.setPen(QPen(kInk, mm * 0.6));
    p.drawLine(QPointF(span.left(), beamY), QPointF(span.right(), beamY));
    p.setPen(QPen(kInk, mm * 0.2));
    p.setBrush(Qt::NoBrush);
    const QFont font = smallFont();
    p.setFont(font);
    for (const auto& [x, name] : {std::pair{span.left(), QStringLiteral("A")},
                                  std::pair{span.right(), QStringLiteral("B")}}) {
        const QPointF tip(x, beamY + mm * 0.3);
        p.drawPolygon(
            QPolygonF{tip, tip + QPointF(-mm * 1.5, mm * 2.5), tip + QPointF(mm * 1.5, mm * 2.5)});
        p.drawText(QRectF(x - mm * 6, beamY, mm * 4, mm * 3), Qt::AlignRight | Qt::AlignVCenter,
                   name);
    }
    if (record.pointLoad) {
        const double x = span.left() + beam.la / beam.l * span.width();
        p.setPen(QPen(kInk, mm * 0.35));
        p.drawLine(QPointF(x, box.top() + mm), QPointF(x, beamY - mm * 0.5));
        p.setBrush(kInk);
        const QPointF tip(x, beamY - mm * 0.4);
        p.drawPolygon(
            QPolygonF{tip, tip + QPointF(-mm * 0.9, -mm * 2), tip + QPointF(mm * 0.9, -mm * 2)});
        p.drawText(QRectF(x + mm, box.top(), mm * 10, mm * 4), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("F"));
    }
}

// The axis of places under the diagrams, x [m] with 0, la and l, and the span as a dimension
// line with its length, over the same scale as the curves.
void paintSpanAxis(QPainter& p, const QRectF& box, const RecordModel& record, double mm) {
    const QFont font = smallFont();
    const QFontMetricsF metrics(font, p.device());
    p.setFont(font);
    const QRectF span = box.adjusted(mm * 2, 0, -mm * 2, 0);
    const auto at = [&](double x) { return span.left() + x / record.lines.l * span.width(); };
    const double axisY = box.top() + mm;
    p.setPen(QPen(kInk, mm * 0.2));
    p.drawLine(QPointF(span.left(), axisY), QPointF(span.right(), axisY));
    for (const auto& [x, text] : record.places) {
        const double tx = at(x);
        p.drawLine(QPointF(tx, axisY - mm * 0.8), QPointF(tx, axisY + mm * 0.8));
        const double width = metrics.horizontalAdvance(qtText(text)) + mm;
        const double left = std::clamp(tx - width / 2, box.left(), box.right() - width);
        p.drawText(QRectF(left, axisY + mm, width, metrics.height()), Qt::AlignCenter,
                   qtText(text));
    }
    // The axis's name over its end, clear of the places written under it.
    p.drawText(
        QRectF(box.left(), axisY - mm * 0.8 - metrics.height(), box.width(), metrics.height()),
        Qt::AlignRight | Qt::AlignBottom, QStringLiteral("x [m]"));

    // The span from A to B with arrowheads and its length written over the middle.
    const double dimY = axisY + mm * 2 + metrics.height() + mm * 1.5;
    p.drawLine(QPointF(span.left(), dimY), QPointF(span.right(), dimY));
    p.setBrush(kInk);
    for (const auto& [tip, direction] :
         {std::pair{span.left(), 1.0}, std::pair{span.right(), -1.0}}) {
        p.drawLine(QPointF(tip, dimY - mm * 1.2), QPointF(tip, dimY + mm * 1.2));
        p.drawPolygon(QPolygonF{QPointF(tip, dimY),
                                QPointF(tip + direction * mm * 1.8, dimY - mm * 0.6),
                                QPointF(tip + direction * mm * 1.8, dimY + mm * 0.6)});
    }
    const QString length = qtText(record.spanDimension);
    const double width = metrics.horizontalAdvance(length) + mm * 2;
    const QRectF label(span.center().x() - width / 2, dimY - metrics.height() - mm * 0.3, width,
                       metrics.height());
    p.drawText(label, Qt::AlignCenter, length);
}

} // namespace

void paintBeamDiagrams(QPainter& painter, const QRectF& area, const RecordModel& record,
                       double mm) {
    painter.save();
    const double sketch = mm * 9;
    const double axis = mm * 12;
    paintBeamSketch(painter, QRectF(area.left(), area.top(), area.width(), sketch), record, mm);
    const double gap = mm * 2;
    const double height = (area.height() - sketch - axis - 2 * gap) / 3;
    double y = area.top() + sketch;
    for (const Diagram& d : record.diagrams) {
        paintDiagram(painter, QRectF(area.left(), y, area.width(), height), record, d, mm);
        y += height + gap;
    }
    paintSpanAxis(painter, QRectF(area.left(), y - gap, area.width(), axis), record, mm);
    painter.restore();
}

} // namespace ipb
