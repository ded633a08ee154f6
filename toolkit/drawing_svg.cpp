#include "drawing.h"

#include <QSvgRenderer>

namespace ipb {

struct Drawing::Source {
    QSvgRenderer svg;
};

Drawing::Drawing(const QString& svgPath) : source_(std::make_unique<Source>()) {
    source_->svg.load(svgPath);
    source_->svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

Drawing::~Drawing() = default;

bool Drawing::isValid() const {
    return source_->svg.isValid();
}

void Drawing::paint(QPainter& painter, const QRectF& box) const {
    source_->svg.render(&painter, box);
}

} // namespace ipb
