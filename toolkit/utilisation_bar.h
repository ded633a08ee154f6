#pragma once

#include <QStyledItemDelegate>

namespace ipb {

// A table cell's utilisation as a bar behind its text: the cell's full width at 100 %, in the
// program's red beyond it, so that the eye finds the checks near or over their limit before
// reading a figure. Cells without a utilisation are painted as usual.
class UtilisationBar : public QStyledItemDelegate {
  public:
    // The role that holds the utilisation in percent, a double.
    static constexpr int kUtilisationRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace ipb
