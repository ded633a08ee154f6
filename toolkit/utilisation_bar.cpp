#include "utilisation_bar.h"

#include "designed_palette.h"

#include <QPainter>

#include <algorithm>

namespace ipb {

void UtilisationBar::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QStyledItemDelegate::paint(painter, option, index);
    const QVariant utilisation = index.data(kUtilisationRole);
    if (!utilisation.isValid()) {
        return;
    }
    const double percent = utilisation.toDouble();
    // Over the text and the selection, translucent, so both stay readable beneath it.
    QColor colour = percent > 100 ? kFailingRed : option.palette.highlight().color();
    colour.setAlpha(percent > 100 ? 80 : 60);
    const QRect inside = option.rect.adjusted(2, 3, -2, -3);
    const int width =
        static_cast<int>(inside.width() * std::clamp(percent, 0.0, 100.0) / 100.0 + 0.5);
    painter->fillRect(QRect(inside.topLeft(), QSize(width, inside.height())), colour);
}

} // namespace ipb
