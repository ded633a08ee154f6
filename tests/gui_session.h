#pragma once

// Drives the real program by the names of its windows and controls, as a user would.

#include "fixtures.h"
#include "image_control.h"
#include "program.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

// The program as the engineers who use it see it: German numbers, a comma for the decimals.
inline void useGermanLocale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

// The control that holds the keyboard focus, by name; empty when none does or only a window.
inline QString focusName() {
    QWidget* w = QApplication::focusWidget();
    return w && !w->isWindow() ? w->objectName() : QString();
}

struct SeenMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

// Answers every modal message box with OK and remembers what it said, so a box can never hang
// a test. A box the test did not announce fails the running test with its title and text, and so
// does an announced box that never came.
class MessageBoxAnswerer : public QObject {
  public:
    MessageBoxAnswerer() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->isVisible()) {
                seen.append({box->windowTitle(), box->text(), box->icon()});
                const qsizetype buttons = box->buttons().size();
                box->button(QMessageBox::Ok)->click();
                QCOMPARE(buttons, 1);
                take(seen.last());
            }
        });
        timer_.start(5);
    }
    ~MessageBoxAnswerer() override {
        // A test that failed before its box came has said what went wrong already.
        for (const SeenMessage& box : std::as_const(expected_)) {
            if (!QTest::currentTestFailed()) {
                fail("expected message box did not appear", box);
            }
        }
    }

    // The next box: its title, and a part of its text when one is given.
    void expect(const QString& title, const QString& text = {}) {
        expected_.append({title, text, QMessageBox::NoIcon});
    }
    // Boxes of this title and text, any number of them, where a test cannot tell when they come.
    void allow(const QString& title, const QString& text = {}) {
        allowed_.append({title, text, QMessageBox::NoIcon});
    }

    QList<SeenMessage> seen;

  private:
    static bool matches(const SeenMessage& box, const SeenMessage& announced) {
        return box.title == announced.title && box.text.contains(announced.text);
    }
    void take(const SeenMessage& box) {
        if (!expected_.isEmpty() && matches(box, expected_.first())) {
            expected_.removeFirst();
        } else if (std::none_of(allowed_.begin(), allowed_.end(),
                                [&](const SeenMessage& a) { return matches(box, a); })) {
            fail("unexpected message box", box);
        }
    }
    static void fail(const char* what, const SeenMessage& box) {
        QTest::qFail(qPrintable(QString("%1: \"%2\" %3").arg(what, box.title, box.text)), __FILE__,
                     __LINE__);
    }

    QTimer timer_;
    QList<SeenMessage> expected_;
    QList<SeenMessage> allowed_;
};

// The offscreen platform notes every raise() it cannot do, and QtTest every event a locked
// window ignores; thousands of those would crowd out what a test has to say (QtTest stops
// printing after 2000 warnings).
inline QtMessageHandler nextMessageHandler = nullptr;
inline void dropOffscreenNotes() {
    const QtMessageHandler ours = [](QtMsgType type, const QMessageLogContext& context,
                                     const QString& message) {
        if (!message.startsWith(QLatin1String("This plugin does not support")) &&
            !message.endsWith(QLatin1String("not accepted by receiving widget")) &&
            nextMessageHandler) {
            nextMessageHandler(type, context, message);
        }
    };
    const QtMessageHandler previous = qInstallMessageHandler(ours);
    if (previous != ours) {
        nextMessageHandler = previous;
    }
}

class Session {
  public:
    Session() {
        dropOffscreenNotes();
        program.start();
    }
    ~Session() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    ipb::Program program;
    MessageBoxAnswerer messages;

    void expectMessage(const QString& title, const QString& text = {}) {
        messages.expect(title, text);
    }

    // The loaded window with this name (one of the four or a dialog over them), or null.
    QWidget* window(const char* name) const {
        if (QWidget* w = program.loadedWindow(QLatin1String(name))) {
            return w;
        }
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String(name) && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }
    template <class T = QWidget> T* control(const char* windowName, const char* name) const {
        QWidget* w = window(windowName);
        T* c = w ? w->findChild<T*>(QLatin1String(name)) : nullptr;
        if (!c) {
            qWarning("no control %s in %s", name, windowName);
        }
        return c;
    }
    QLineEdit* box(const char* name) { return control<QLineEdit>("FrmHaupt", name); }
    QPushButton* button(const char* windowName, const char* name) {
        return control<QPushButton>(windowName, name);
    }
    QLabel* label(const char* windowName, const char* name) {
        return control<QLabel>(windowName, name);
    }

    void chooseLoadCase(int loadCase) {
        QTest::mouseClick(
            control<ipb::ImageControl>("FrmStart", loadCase == 1 ? "BildLastf1" : "BildLastf2"),
            Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(window("FrmHaupt")));
    }
    void type(const char* boxName, const QString& text) {
        QLineEdit* b = box(boxName);
        b->setFocus();
        b->selectAll();
        QTest::keyClicks(b, text);
    }
    // Chooses the load case (0: the input window is open already), the section row and the
    // deflection limit when given, fills the boxes and clicks "Berechnen" once the timer has
    // enabled it.
    void compute(const Inputs& inputs, int loadCase = 0, int sectionRow = -1,
                 const char* limit = nullptr) {
        if (loadCase) {
            chooseLoadCase(loadCase);
        }
        if (sectionRow >= 0) {
            control<QListWidget>("FrmHaupt", "TrgWahl")->setCurrentRow(sectionRow);
        }
        if (limit) {
            control<QRadioButton>("FrmHaupt", limit)->click();
        }
        for (const auto& [name, text] : inputs) {
            type(qPrintable(name), text);
        }
        QPushButton* berech = button("FrmHaupt", "CmdBerech");
        QTRY_VERIFY_WITH_TIMEOUT(berech->isEnabled(), 1000);
        QTest::mouseClick(berech, Qt::LeftButton);
    }
    bool shown(const char* windowName) {
        QWidget* w = window(windowName);
        return w && w->isVisible();
    }
};

// The window that takes the keys, active as a user would have it; the report is opened first.
inline QWidget* activate(Session& s, const char* name) {
    if (QLatin1String(name) == QLatin1String("FrmReport") && !s.shown("FrmReport")) {
        s.button("FrmErgAusg", "CmdReport")->click();
    }
    QWidget* w = s.window(name);
    w->activateWindow();
    return QTest::qWaitForWindowActive(w) ? w : nullptr;
}

// The design data dialog, once it is open, with these controls set, and OK.
inline void fillDesignDialog(Session& s, const QMap<QString, QString>& entries) {
    QTRY_VERIFY(s.shown("FrmBemessung"));
    for (auto e = entries.begin(); e != entries.end(); ++e) {
        if (auto* combo = s.window("FrmBemessung")->findChild<QComboBox*>(e.key())) {
            combo->setCurrentText(e.value());
        } else if (auto* box = s.window("FrmBemessung")->findChild<QCheckBox*>(e.key())) {
            box->setChecked(e.value() == QLatin1String("ja"));
        } else {
            s.control<QLineEdit>("FrmBemessung", qPrintable(e.key()))->setText(e.value());
        }
    }
    s.button("FrmBemessung", "CmdBemessungOk")->click();
    QTRY_VERIFY(!s.window("FrmBemessung"));
}

// "Bemessung…" from the results window with these controls set, and OK.
inline void setDesign(Session& s, const QMap<QString, QString>& entries) {
    s.window("FrmErgAusg")->findChild<QAction*>("ActionBemessung")->trigger();
    fillDesignDialog(s, entries);
}
