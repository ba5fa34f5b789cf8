#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "app/mainwindow.h"
#include "reader_model.h"
#include "ui/ui_mainwindow.h"

namespace {

struct Row
{
    QCheckBox *box;
    QLineEdit *edit;
    QComboBox *picker;
};

Row row(MainWindow &w, const QString &name)
{
    if (name == "pre")
        return {w.ui->PreAmbleChk, w.ui->PreAmbleEdit, w.ui->Pre_cmb};
    if (name == "post")
        return {w.ui->PostAmbleChk, w.ui->PostAmbleEdit, w.ui->Post_cmb};
    return {w.ui->RemoveDataChk, w.ui->RemoveDataEdit, w.ui->Remove_cmb};
}

}  // namespace

class AffixEditorsTest : public QObject
{
    Q_OBJECT

private:
    void addRows()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("preamble") << "pre";
        QTest::newRow("postamble") << "post";
        QTest::newRow("remove data") << "remove";
    }

private slots:
    void initTestCase() { VirtualReader::Model::instance().reset(); }

    void shouldInsertTokensAtTheCursor_data() { addRows(); }
    void shouldInsertTokensAtTheCursor()
    {
        QFETCH(QString, name);
        MainWindow w;
        w.EnableControls(true);
        const Row r = row(w, name);
        QCOMPARE(r.picker->count(), 32);
        r.edit->setText("AB");
        r.picker->setCurrentIndex(13);
        r.picker->setCurrentIndex(10);
        QCOMPARE(r.edit->text(), QString("AB[CR][LF]"));

        // Into the middle; the cursor ends behind the token.
        r.edit->setText("AB");
        r.edit->setCursorPosition(1);
        r.picker->setCurrentIndex(27);
        QCOMPARE(r.edit->text(), QString("A[ESC]B"));
        QCOMPARE(r.edit->cursorPosition(), 6);

        // The other rows are not touched.
        for (const QString &other : {QString("pre"), QString("post"), QString("remove")}) {
            if (other != name)
                QCOMPARE(row(w, other).edit->text(), QString());
        }
    }

    void shouldInsertNothingWhenTheCurrentItemIsPickedAgain()
    {
        MainWindow w;
        w.EnableControls(true);
        // Right after start-up NULL is current: picking it inserts nothing.
        w.ui->Pre_cmb->setCurrentIndex(0);
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString());
        w.ui->Pre_cmb->setCurrentIndex(13);
        w.ui->Pre_cmb->setCurrentIndex(13);
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString("[CR]"));
        w.ui->Pre_cmb->setCurrentIndex(0);
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString("[CR][NULL]"));
    }

    // Every step of the arrow keys or the wheel is a change of the current item.
    void shouldInsertOneTokenPerStepWhenScrolling()
    {
        MainWindow w;
        w.EnableControls(true);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.ui->Post_cmb->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.ui->Post_cmb));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(w.ui->Post_cmb, Qt::Key_Down);
        QCOMPARE(w.ui->Post_cmb->currentIndex(), 3);
        QCOMPARE(w.ui->PostAmbleEdit->text(), QString("[SOH][STX][ETX]"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.ui->Post_cmb));

        QWheelEvent wheelUp(QPointF(5, 5), w.ui->Post_cmb->mapToGlobal(QPoint(5, 5)), QPoint(),
                            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.ui->Post_cmb, &wheelUp);
        QCOMPARE(w.ui->Post_cmb->currentIndex(), 2);
        QCOMPARE(w.ui->PostAmbleEdit->text(), QString("[SOH][STX][ETX][STX]"));
    }

    void shouldReplaceTheSelection()
    {
        MainWindow w;
        w.EnableControls(true);
        w.ui->RemoveDataEdit->setText("HELLO");
        w.ui->RemoveDataEdit->setSelection(1, 3);
        w.ui->Remove_cmb->setCurrentIndex(9);
        QCOMPARE(w.ui->RemoveDataEdit->text(), QString("H[HT]O"));
        QVERIFY(!w.ui->RemoveDataEdit->hasSelectedText());
    }

    void shouldInsertIntoADisabledEdit()
    {
        MainWindow w;
        w.EnableControls(true);
        w.ui->PreAmbleEdit->setEnabled(false);
        w.ui->PreAmbleEdit->setText("x");
        w.ui->Pre_cmb->setCurrentIndex(31);
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString("x[US]"));
        QVERIFY(!w.ui->PreAmbleEdit->isEnabled());
    }

    // A picker without a current item (cleared, or an index the table does not have).
    void shouldIgnoreIndicesOutsideTheTable()
    {
        MainWindow w;
        w.EnableControls(true);
        w.ui->Pre_cmb->setCurrentIndex(5);
        w.ui->PreAmbleEdit->setText("keep");
        w.ui->Pre_cmb->setCurrentIndex(-1);
        QVERIFY(QMetaObject::invokeMethod(&w, "Pre_selectChanged", Q_ARG(int, 32)));
        QVERIFY(QMetaObject::invokeMethod(&w, "Post_selectChanged", Q_ARG(int, -1)));
        QVERIFY(QMetaObject::invokeMethod(&w, "Remove_selectChanged", Q_ARG(int, 1000)));
        QCOMPARE(w.ui->PreAmbleEdit->text(), QString("keep"));
        QCOMPARE(w.ui->PostAmbleEdit->text(), QString());
        QCOMPARE(w.ui->RemoveDataEdit->text(), QString());
    }

    void shouldKeepTextWhenUnticked_data() { addRows(); }
    void shouldKeepTextWhenUnticked()
    {
        QFETCH(QString, name);
        MainWindow w;
        w.EnableControls(true);
        const Row r = row(w, name);
        r.box->setChecked(false);
        r.edit->setEnabled(false);
        r.edit->setText("[STX]abc");

        r.box->click();
        QVERIFY(r.box->isChecked());
        QVERIFY(r.edit->isEnabled());
        r.box->click();
        QVERIFY(!r.box->isChecked());
        QVERIFY(!r.edit->isEnabled());
        QCOMPARE(r.edit->text(), QString("[STX]abc"));
    }

    // As far as clicks go, remove data and remove ID code exclude each other.
    void shouldExcludeRemoveDataAndRemoveIdCode()
    {
        MainWindow w;
        w.EnableControls(true);
        w.ui->RemoveIDCodeChk->setChecked(true);
        w.ui->RemoveDataChk->setChecked(false);
        w.ui->RemoveDataEdit->setEnabled(false);

        w.ui->RemoveDataChk->click();
        QVERIFY(w.ui->RemoveDataChk->isChecked());
        QVERIFY(!w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(w.ui->RemoveDataEdit->isEnabled());

        w.ui->RemoveIDCodeChk->click();
        QVERIFY(w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!w.ui->RemoveDataChk->isChecked());
        QVERIFY(!w.ui->RemoveDataEdit->isEnabled());

        // Unticking either one leaves the other as it is.
        w.ui->RemoveIDCodeChk->click();
        QVERIFY(!w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!w.ui->RemoveDataChk->isChecked());
        QVERIFY(!w.ui->RemoveDataEdit->isEnabled());

        w.ui->RemoveDataChk->setChecked(true);
        w.ui->RemoveIDCodeChk->setChecked(true);  // as a configuration file can leave them
        w.ui->RemoveDataEdit->setEnabled(true);
        w.ui->RemoveDataChk->click();
        QVERIFY(!w.ui->RemoveDataChk->isChecked());
        QVERIFY(w.ui->RemoveIDCodeChk->isChecked());
        QVERIFY(!w.ui->RemoveDataEdit->isEnabled());
    }
};

QTEST_MAIN(AffixEditorsTest)
#include "tst_affix_editors.moc"
