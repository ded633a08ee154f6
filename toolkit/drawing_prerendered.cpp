#include "drawing.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace ipb {
namespace {

// The screen scales the build renders every drawing for (Windows' 100 % to 300 %).
constexpr std::array kScales{QLatin1String("1"), QLatin1String("1.25"), QLatin1String("1.5"),
                             QLatin1String("2"), QLatin1String("3")};

} // namespace

// ":/assets/section.svg" is drawn from ":/drawings/section@1x.png" … "section@3x.png", each
// the drawing at its largest size in the windows times the scale.
struct Drawing::Source {
    std::array<QString, kScales.size()> paths;
    std::array<QSize, kScales.size()> sizes;
    mutable std::array<QPixmap, kScales.size()> loaded;
};

Drawing::Drawing(const QString& svgPath) : source_(std::make_unique<Source>()) {
    const QString base = QStringLiteral(":/drawings/") + QFileInfo(svgPath).completeBaseName();
    for (std::size_t i = 0; i < kScales.size(); ++i) {
        source_->paths[i] = base + QLatin1Char('@') + kScales[i] + QStringLiteral("x.png");
        source_->sizes[i] = QImageReader(source_->paths[i]).size();
    }
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
    std::size_t pick = kScales.size() - 1;
    for (std::size_t i = 0; i < kScales.size(); ++i) {
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
