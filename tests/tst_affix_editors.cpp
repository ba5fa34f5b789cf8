#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "window/app/mainwindow.h"
#include "reader_model.h"
#include "window/ui/ui_mainwindow.h"
#include "window_probe.h"

class AffixEditorsTest : public QObject
{
    Q_OBJECT

    struct Row
    {
        QCheckBox *box;
        QLineEdit *edit;
        QComboBox *picker;
    };
    static Row row(MainWindow &w, int which)
    {
        const Row rows[] = {{uiOf(w)->PreAmbleChk, uiOf(w)->PreAmbleEdit, uiOf(w)->Pre_cmb},
                            {uiOf(w)->PostAmbleChk, uiOf(w)->PostAmbleEdit, uiOf(w)->Post_cmb},
                            {uiOf(w)->RemoveDataChk, uiOf(w)->RemoveDataEdit, uiOf(w)->Remove_cmb}};
        return rows[which];
    }
    static void addRows()
    {
        QTest::addColumn<int>("which");
        QTest::newRow("preamble") << 0;
        QTest::newRow("postamble") << 1;
        QTest::newRow("remove data") << 2;
    }

private slots:
    void initTestCase() { VirtualReader::Model::instance().reset(); }

    void shouldInsertOneTokenPerChangeOfItemAndKeepTheTextWhenUnticked_data() { addRows(); }
    // Also into an edit that its box left disabled, which stays so.
    void shouldInsertOneTokenPerChangeOfItemAndKeepTheTextWhenUnticked()
    {
        QFETCH(int, which);
        MainWindow w;
        w.EnableControls(true);
        const Row r = row(w, which);
        r.edit->setEnabled(false);
        r.edit->setText("AB");
        r.picker->setCurrentIndex(0);  // already current after start-up: nothing
        r.picker->setCurrentIndex(13);
        r.picker->setCurrentIndex(13);
        r.picker->setCurrentIndex(10);
        QCOMPARE(r.edit->text(), QString("AB[CR][LF]"));
        for (int other = 0; other < 3; ++other) {
            if (other != which)
                QCOMPARE(row(w, other).edit->text(), QString());
        }

        // A selection is replaced, and the cursor ends behind the token.
        r.edit->setSelection(1, 1);
        r.picker->setCurrentIndex(0);
        QCOMPARE(r.edit->text(), QString("A[NULL][CR][LF]"));
        QCOMPARE(r.edit->cursorPosition(), 7);

        // A picker left without an item inserts nothing; the last item is the last name.
        r.picker->setCurrentIndex(-1);
        QCOMPARE(r.edit->text(), QString("A[NULL][CR][LF]"));
        r.edit->end(false);
        r.picker->setCurrentIndex(31);
        QCOMPARE(r.edit->text(), QString("A[NULL][CR][LF][US]"));
        QVERIFY(!r.edit->isEnabled());

        // The box governs the edit; going off keeps the text.
        r.box->click();
        QVERIFY(r.box->isChecked() && r.edit->isEnabled());
        r.box->click();
        QVERIFY(!r.box->isChecked() && !r.edit->isEnabled());
        QCOMPARE(r.edit->text(), QString("A[NULL][CR][LF][US]"));
    }

    // The arrow keys over the picker change the item step by step; the focus stays put.
    void shouldInsertEveryItemPassedWhileScrolling()
    {
        MainWindow w;
        w.EnableControls(true);
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        uiOf(w)->Post_cmb->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(uiOf(w)->Post_cmb));
        for (int step = 0; step < 3; ++step)
            QTest::keyClick(uiOf(w)->Post_cmb, Qt::Key_Down);
        QCOMPARE(uiOf(w)->PostAmbleEdit->text(), QString("[SOH][STX][ETX]"));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(uiOf(w)->Post_cmb));
    }

    // As far as clicks go, remove data and remove ID code exclude each other.
    void shouldExcludeRemoveDataAndRemoveIdCode()
    {
        MainWindow w;
        w.EnableControls(true);
        QCheckBox *data = uiOf(w)->RemoveDataChk;
        QCheckBox *idCode = uiOf(w)->RemoveIDCodeChk;
        QLineEdit *edit = uiOf(w)->RemoveDataEdit;
        idCode->setChecked(true);
        edit->setEnabled(false);
        data->click();
        QVERIFY(data->isChecked() && !idCode->isChecked() && edit->isEnabled());
        idCode->click();
        QVERIFY(!data->isChecked() && idCode->isChecked() && !edit->isEnabled());
        idCode->click();  // unticking changes nothing else
        QVERIFY(!data->isChecked() && !idCode->isChecked() && !edit->isEnabled());

        data->setChecked(true);
        idCode->setChecked(true);  // as a configuration file can leave them
        edit->setEnabled(true);
        data->click();
        QVERIFY(!data->isChecked() && idCode->isChecked() && !edit->isEnabled());
    }
};

QTEST_MAIN(AffixEditorsTest)
#include "tst_affix_editors.moc"
