#include <QtTest>

#include <QDialog>
#include <QLabel>
#include <QMessageBox>

#include "test_support.h"

// The helpers that keep a failing window test from hanging.
class TestSupportTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        ModalWatchdog::setPatienceMs(0);
        ModalWatchdog::setReporter(nullptr);
    }

    void closerReportsABoxThatNeverCame()
    {
        ModalCloser closer(QMessageBox::Ok);
        QVERIFY(!closer.waitForBoxes(1, 200));
        QTimer::singleShot(50, [] { QMessageBox::warning(nullptr, "Title", "came late"); });
        QVERIFY(closer.waitForBoxes(1, 2000));
        QCOMPARE(closer.last().text, QString("came late"));
    }

    // Nobody answers: no closer for the message box, and a closer cannot answer a dialog.
    void watchdogClosesAModalWindowThatNobodyAnswers_data()
    {
        QTest::addColumn<bool>("messageBox");
        QTest::newRow("message box, no closer") << true;
        QTest::newRow("dialog beside a closer") << false;
    }
    void watchdogClosesAModalWindowThatNobodyAnswers()
    {
        QFETCH(bool, messageBox);
        QStringList failures;
        ModalWatchdog::setReporter([&](const QString &failure) { failures << failure; });
        ModalWatchdog::setPatienceMs(300);
        QElapsedTimer clock;
        clock.start();
        if (messageBox) {
            QMessageBox::warning(nullptr, "Unanswered", "nobody clicks");
        } else {
            ModalCloser closer;
            QDialog dialog;
            dialog.setWindowTitle("Unanswered");
            new QLabel("nobody clicks", &dialog);
            dialog.exec();
            QCOMPARE(closer.count(), 0);
        }
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains("\"Unanswered\" (\"nobody clicks\")"), qPrintable(failures[0]));
    }
};

QTEST_MAIN(TestSupportTest)
#include "tst_test_support.moc"
