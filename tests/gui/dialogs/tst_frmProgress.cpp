#include "gui/dialogs/frmProgress.h"

#include <QLabel>
#include <QTest>

using namespace pellor;

class TestFrmProgress : public QObject {
    Q_OBJECT

private slots:
    void elapsedText_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << qint64(0) << QStringLiteral("0:00:00");
        QTest::newRow("rounded to whole seconds") << qint64(59500) << QStringLiteral("0:01:00");
        QTest::newRow("minutes within the hour") << qint64(3605000) << QStringLiteral("1:00:05");
        QTest::newRow("past a day") << qint64(90061000) << QStringLiteral("25:01:01");
    }
    void elapsedText() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(frmProgress::elapsedText(ms), text);
    }

    void runsTheChosenActionAndReportsItsResult_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<qint32>("target");
        QTest::addColumn<bool>("loadResult");
        QTest::addColumn<bool>("success");
        QTest::addColumn<QString>("ran");
        QTest::newRow("load succeeds")
            << QStringLiteral("2") << 2 << true << true << QStringLiteral("load");
        QTest::newRow("load fails")
            << QStringLiteral("2") << 2 << false << false << QStringLiteral("load");
        QTest::newRow("save") << QStringLiteral("1") << 2 << false << true
                              << QStringLiteral("save");
        QTest::newRow("other target") << QStringLiteral("2") << 3 << true << false << QString();
        QTest::newRow("no action") << QStringLiteral("0") << 2 << true << false << QString();
    }
    void runsTheChosenActionAndReportsItsResult() {
        QFETCH(QString, action);
        QFETCH(qint32, target);
        QFETCH(bool, loadResult);
        QFETCH(bool, success);
        QFETCH(QString, ran);
        QString done;
        frmProgress progress([](int id) { return QStringLiteral("text %1").arg(id); });
        QLabel* caption = progress.findChild<QLabel*>(QStringLiteral("lblCaption"));
        QString captionSeen;
        progress.setLoadWork([&] {
            done = QStringLiteral("load");
            captionSeen = caption->text();
            progress.refreshElapsed();
            return loadResult;
        });
        progress.setSaveWork([&] {
            done = QStringLiteral("save");
            captionSeen = caption->text();
            return true;
        });
        progress.SetActionPramater(action, target);
        progress.exec();
        QCOMPARE(done, ran);
        QCOMPARE(progress.m_isSuccess, success);
        if (ran == u"load")
            QCOMPARE(captionSeen, QStringLiteral("text 217"));
        if (ran == u"save")
            QCOMPARE(captionSeen, QStringLiteral("text 218"));
        QVERIFY(!progress.isVisible());
    }

    void theWorkIsUsedForOneRunOnly() {
        frmProgress progress({});
        int runs = 0;
        progress.setLoadWork([&] { return ++runs > 0; });
        progress.SetActionPramater(QStringLiteral("2"), 2);
        progress.exec();
        QVERIFY(progress.m_isSuccess);
        progress.SetActionPramater(QStringLiteral("2"), 2);
        progress.exec(); // no new work given
        QCOMPARE(runs, 1);
        QVERIFY(!progress.m_isSuccess);
    }

    void cannotBeCancelledWhileRunning() {
        frmProgress progress({});
        bool stillVisibleAfterEscape = false;
        progress.setLoadWork([&] {
            progress.reject();
            stillVisibleAfterEscape = progress.isVisible();
            return true;
        });
        progress.SetActionPramater(QStringLiteral("2"), 2);
        QCOMPARE(progress.exec(), int(QDialog::Accepted));
        QVERIFY(stillVisibleAfterEscape);
        QVERIFY(progress.m_isSuccess);
    }
};

QTEST_MAIN(TestFrmProgress)
#include "tst_frmProgress.moc"
