#include "drawing.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <vector>

namespace ipb {

// ":/assets/section.svg" is drawn from ":/drawings/section@1x.png" … "section@3x.png", each
// the drawing at its largest size in the windows times the scale (Windows' 100 % to 300 %).
QStringList renderedPictures(const QString& svgPath) {
    const QString base = QStringLiteral(":/drawings/") + QFileInfo(svgPath).completeBaseName();
    QStringList pictures;
    for (const char* scale : {"1", "1.25", "1.5", "2", "3"}) {
        pictures << base + QLatin1Char('@') + QLatin1String(scale) + QStringLiteral("x.png");
    }
    return pictures;
}

struct Drawing::Source {
    QStringList paths;
    std::vector<QSize> sizes;
    mutable std::vector<QPixmap> loaded;
};

Drawing::Drawing(const QString& svgPath) : source_(std::make_unique<Source>()) {
    source_->paths = renderedPictures(svgPath);
    for (const QString& path : source_->paths) {
        source_->sizes.push_back(QImageReader(path).size());
    }
    source_->loaded.resize(source_->paths.size());
}

Drawing::~Drawing() = default;

bool Drawing::isValid() const {
    return source_->sizes.back().isValid();
}

void Drawing::paint(QPainter& painter, const QRectF& box) const {
    // The smallest picture with at least a pixel for every device pixel of the box; the
    // largest where none has.
    const QSizeF needed =
        painter.transform().mapRect(box).size() * painter.device()->devicePixelRatioF();
    std::size_t pick = source_->sizes.size() - 1;
    for (std::size_t i = 0; i < source_->sizes.size(); ++i) {
        if (source_->sizes[i].width() >= needed.width() - 0.5 &&
            source_->sizes[i].height() >= needed.height() - 0.5) {
            pick = i;
            break;
        }
    }
    QPixmap& picture = source_->loaded[pick];
    if (picture.isNull()) {
        picture.load(source_->paths[pick]);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(box, picture, QRectF(picture.rect()));
    painter.restore();
}

} // namespace ipb
