#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

#include <memory>

class QPainter;

namespace ipb {

#ifdef Q_OS_WIN
// The pictures the build renders of one drawing, from the smallest screen scale to the largest.
QStringList renderedPictures(const QString& svgPath);
#endif

// One of the program's drawings, named by its SVG file, painted stretched to fill a box (aspect
// not kept). On Linux it is drawn from the SVG itself; on Windows, where Qt's SVG module is not
// built, from pictures of it rendered at build time for the usual screen scales, the sharpest
// one the box needs.
class Drawing {
  public:
    explicit Drawing(const QString& svgPath);
    ~Drawing();
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    bool isValid() const;
    void paint(QPainter& painter, const QRectF& box) const;

  private:
    struct Source;
    std::unique_ptr<Source> source_;
};

} // namespace ipb
