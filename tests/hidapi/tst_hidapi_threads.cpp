// The reader list from two threads at once, on the system's hidapi rather than the virtual
// one: hidapi 0.13 frees and sets one process-wide error text in every listing (and every
// open by path), so two threads that list at once must not meet inside it.
#include <QThread>
#include <QtTest>

#include <hidapi.h>
#include <memory>

#include "core/link/reader_list.h"

class TestHidapiThreads : public QObject
{
    Q_OBJECT

private slots:
    void listingsFromTwoThreadsLeaveTheHeapWhole()
    {
        QCOMPARE(hid_init(), 0);
        const auto list = [] {
            for (int i = 0; i < 20000; ++i)
                ReaderList::attached(true);
        };
        std::unique_ptr<QThread> first(QThread::create(list));
        std::unique_ptr<QThread> second(QThread::create(list));
        first->start();
        second->start();
        QVERIFY(first->wait(120000));
        QVERIFY(second->wait(120000));
        hid_exit();
    }
};

QTEST_GUILESS_MAIN(TestHidapiThreads)
#include "tst_hidapi_threads.moc"
