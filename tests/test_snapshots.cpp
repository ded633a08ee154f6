#include "gui_session.h"
#include <QProcess>
#include <QTableWidget>
class TestSnapshots : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { useGermanLocale(); }
    void shots() {
        const QString dir = qEnvironmentVariable("SHOTS");
        auto root = [&](const QString& name) {
            QTest::qWait(400);
            for (QWidget* w : QApplication::topLevelWidgets()) if (w->isVisible()) qInfo() << name << w->objectName() << w->frameGeometry() << w->screen()->availableGeometry();
        };
        Session s;
        s.compute(kGirder, 2, kGirderRow);
        s.button("FrmErgAusg", "CmdReport")->click();
        root("report-hint");
        s.window("FrmReport")->grab().save(dir + "/report-hint-window.png");
        QTest::keyClick(activate(s, "FrmReport"), Qt::Key_E, Qt::ControlModifier);
        QTRY_VERIFY(s.shown("FrmNachweise"));
        root("checks");
        s.window("FrmNachweise")->grab().save(dir + "/checks-window.png");
        QTest::keyClick(s.control<QTableWidget>("FrmNachweise", "TabNachweise"), Qt::Key_Down);
        QTest::keyClick(s.control<QTableWidget>("FrmNachweise", "TabNachweise"), Qt::Key_Down);
        QTest::keyClick(s.control<QTableWidget>("FrmNachweise", "TabNachweise"), Qt::Key_Down);
        QTest::keyClick(s.control<QTableWidget>("FrmNachweise", "TabNachweise"), Qt::Key_Down);
        s.window("FrmNachweise")->grab().save(dir + "/checks-window-row.png");
        QTest::keyClick(s.control<QTableWidget>("FrmNachweise", "TabNachweise"), Qt::Key_Escape);
        QTest::keyClick(activate(s, "FrmReport"), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(s.window("FrmProfilwahl"));
        root("section-choice");
        s.window("FrmProfilwahl")->grab().save(dir + "/section-choice.png");
    }
};
QTEST_MAIN(TestSnapshots)
#include "test_snapshots.moc"
