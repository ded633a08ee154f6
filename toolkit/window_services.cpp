#include "window_services.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QTranslator>
#include <QVariant>

#include <algorithm>

namespace ipb {
namespace {

// The layouts were drawn for Windows' hinted Arial, a few pixels narrower than the same font
// here. A one-line caption that would be cut at its box is set a little tighter instead, so
// every caption stays whole at its designed place.
void fitCaption(QLabel* label) {
    if (label->wordWrap() || label->property("autoSize").toBool() || label->text().isEmpty()) {
        return;
    }
    const qreal needed = QFontMetricsF(label->font()).horizontalAdvance(label->text());
    const int room = label->contentsRect().width();
    if (needed > room) {
        QFont font = label->font();
        font.setLetterSpacing(QFont::PercentageSpacing, std::max(94.0, 100.0 * room / needed));
        label->setFont(font);
    }
}

// Keeps a window on its screen. A window's frame is known only once the window manager has
// framed it, after the first show; the window is placed by its client area first and checked
// once more when its frame appears, and never moved after that, so a user's own placement
// stands.
class ScreenPlacement : public QObject {
  public:
    explicit ScreenPlacement(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            frameChecked_ = false;
            place();
        } else if (event->type() == QEvent::Move && !frameChecked_ &&
                   window_->frameGeometry() != window_->geometry()) {
            frameChecked_ = true;
            place();
        }
        return false;
    }

  private:
    void place() {
        const QRect frame = window_->frameGeometry();
        const QScreen* screen = QGuiApplication::screenAt(window_->geometry().center());
        if (!screen) {
            screen = window_->screen();
        }
        const QPoint topLeft = placeInside(frame, screen->availableGeometry());
        if (topLeft != frame.topLeft()) {
            window_->move(topLeft); // move() places the frame
        }
    }

    QWidget* window_;
    bool frameChecked_ = false;
};

// Gives the focus each time the window is shown, so it never depends on what had it before or
// on the order in which the controls were created.
class FocusOnShow : public QObject {
  public:
    FocusOnShow(QWidget* window, FirstFocus first)
        : QObject(window), window_(window), first_(first) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QWidget* target = first_ == FirstFocus::FirstControl ? firstControl() : nullptr;
            (target ? target : window_)->setFocus(Qt::TabFocusReason);
        }
        return false;
    }

  private:
    QWidget* firstControl() const {
        for (QWidget* w = window_->nextInFocusChain(); w && w != window_;
             w = w->nextInFocusChain()) {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window_) && w->isEnabled()) {
                return w;
            }
        }
        return nullptr;
    }

    QWidget* window_;
    FirstFocus first_;
};

} // namespace

QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

char localeDecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    const char c = point.size() == 1 ? point.at(0).toLatin1() : '\0';
    return c != '\0' ? c : '.';
}

QPoint placeInside(const QRect& frame, const QRect& available) {
    const auto axis = [](int start, int length, int areaStart, int areaLength) {
        if (length >= areaLength) {
            return areaStart;
        }
        return std::clamp(start, areaStart, areaStart + areaLength - length);
    };
    return {axis(frame.x(), frame.width(), available.x(), available.width()),
            axis(frame.y(), frame.height(), available.y(), available.height())};
}

void finishForm(QWidget* form) {
    // Designer stores whole point sizes; the layouts use 8.25 and 9.75 pt (11 and 13 pixels at
    // 96 dpi), kept as a property beside the font.
    const auto children = form->findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant size = w->property("pointSizeF");
        if (size.isValid()) {
            QFont font = w->font();
            font.setPointSizeF(size.toDouble());
            w->setFont(font);
        }
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        fitCaption(label);
    }
    const QVariant position = form->property("screenPosition");
    if (position.isValid()) {
        // The layouts place the client area, not the frame around it.
        form->setGeometry(QRect(position.toPoint(), form->size()));
    }
    new ScreenPlacement(form);
}

void makeFixedDialog(QWidget* window) {
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::MSWindowsFixedSizeDialogHint);
    window->setFixedSize(window->size());
}

QAction* addWindowCommand(QWidget* window, const char* name, const QString& text,
                          const QKeySequence& keys) {
    if (window->contextMenuPolicy() != Qt::ActionsContextMenu) {
        window->setContextMenuPolicy(Qt::ActionsContextMenu);
        // Not every platform turns the Menu key into a context menu event, and none turns
        // Shift+F10 into one, so both open the menu here, beside the focused control.
        auto* menuKeys = new QShortcut(window);
        menuKeys->setObjectName(QStringLiteral("MenuKeys"));
        menuKeys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
        menuKeys->setContext(Qt::WindowShortcut);
        QObject::connect(menuKeys, &QShortcut::activated, window, [window] {
            QWidget* focus = window->focusWidget();
            const QPoint at =
                focus && focus->window() == window
                    ? focus->mapToGlobal(focus->rect().center())
                    : window->mapToGlobal(QPoint(window->width() / 3, window->height() / 3));
            QMenu::exec(window->actions(), at, nullptr, window);
        });
    }
    auto* action = new QAction(text, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    // Only while this window is the active one: the other windows keep their own keys.
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
    return action;
}

std::vector<QWidget*> designTabOrder(QWidget* form) {
    std::vector<QWidget*> order;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->property("tabIndex").isValid()) {
            order.push_back(w);
        }
    }
    std::stable_sort(order.begin(), order.end(), [](QWidget* a, QWidget* b) {
        return a->property("tabIndex").toInt() < b->property("tabIndex").toInt();
    });
    return order;
}

void setUpKeyboard(QWidget* window, const std::vector<QWidget*>& order, FirstFocus first) {
    applyTabOrder(window, order);
    new FocusOnShow(window, first);
}

void applyTabOrder(QWidget* window, const std::vector<QWidget*>& order) {
    // The focus chain is a ring through the window. QWidget::setTabOrder(a, b) leaves the ring
    // alone when b already follows a somewhere round it, even with the window in between (Qt
    // 6.4), so a chain built from pairs alone can start at the wrong control. While it is
    // built the window itself takes part, as the fixed start: every control then goes right
    // after the one before it, the first right after the window.
    const Qt::FocusPolicy windowPolicy = window->focusPolicy();
    window->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = window;
    for (QWidget* w : order) {
        if (w->focusPolicy() & Qt::TabFocus) {
            QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    window->setFocusPolicy(windowPolicy);
}

void setCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label->property("autoSize").toBool() && !label->wordWrap()) {
        const QFontMetrics metrics(label->font());
        const int frame = 2 * label->frameWidth();
        label->resize(metrics.horizontalAdvance(caption) + frame + 2,
                      std::max(label->height(), metrics.height() + frame));
    }
}

void showModeless(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void useQtTextsInGerman() {
    static QTranslator* translator = nullptr;
    if (translator) {
        return;
    }
    translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_de"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

void showMessage(QWidget* parent, const QString& title, const QString& text,
                 QMessageBox::Icon icon) {
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
    // Give the keyboard back to the window the box belongs to, whatever the window manager does.
    if (parent) {
        parent->window()->activateWindow();
    }
}

void afterPendingEvents(QObject* context, std::function<void()> call) {
    // A zero-interval timer, not a queued call: queued calls run among the pending events.
    auto* timer = new QTimer(context);
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, context, [timer, call = std::move(call)] {
        timer->deleteLater();
        call();
    });
    timer->start(0);
}

void focusWithTextSelected(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setSelection(0, static_cast<int>(edit->text().size()));
    }
}

} // namespace ipb
