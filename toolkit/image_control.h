#pragma once

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace ipb {

class Drawing;

// A picture stretched to fill the control exactly (aspect not kept), optionally inside a single
// border. Vector drawings stay crisp at any size and screen scale; small bitmaps (the faces)
// are scaled without smoothing so their pixels stay sharp. The picture is loaded after the
// first paint, so it never delays a window's first frame and a hidden one costs nothing.
// A pressable picture works like a button: it takes the focus with Tab, shows a focus frame,
// answers Enter and Space like a click, and a screen reader sees a button it can press.
class ImageControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
    Q_PROPERTY(bool framed READ framed WRITE setFramed)
    Q_PROPERTY(bool pressable READ pressable WRITE setPressable)

  public:
    explicit ImageControl(QWidget* parent = nullptr);
    ~ImageControl() override;

    QString source() const { return source_; }
    void setSource(const QString& source);
    bool framed() const { return framed_; }
    void setFramed(bool framed);
    bool pressable() const { return focusPolicy() != Qt::NoFocus; }
    void setPressable(bool pressable);

  signals:
    void clicked();
    void doubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void load();

    QString source_;
    bool framed_ = false;
    bool loaded_ = false;
    bool loadQueued_ = false;
    std::unique_ptr<Drawing> drawing_;
    QPixmap bitmap_;
};

} // namespace ipb
