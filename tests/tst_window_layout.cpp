#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include "window/app/mainwindow.h"
#include "core/platform/platform.h"
#include "window/ui/ui_mainwindow.h"
#include "window/ui/window_access.h"
#include "window_probe.h"

namespace {

QString textOf(const QWidget *widget)
{
    if (auto label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    if (auto edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return QString();
}

// Answers every lookup with "context|text", so that a text that skips the translation
// function, or asks in another context, stands out.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        if (disambiguation || n != -1)
            return QStringLiteral("unexpected|%1").arg(QLatin1String(sourceText));
        return QStringLiteral("%1|%2").arg(QLatin1String(context), QLatin1String(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// How many connections leave a signal; receivers() is only open to subclasses.
class ReceiverCount : public QObject
{
public:
    static int of(const QObject *sender, const char *signal)
    {
        const auto receivers = &ReceiverCount::receivers;
        return (sender->*receivers)(signal);
    }
};

QPoint centreIn(const QWidget *widget, const QWidget *ancestor)
{
    return widget->mapTo(ancestor, widget->rect().center());
}

}  // namespace

class WindowLayoutTest : public QObject
{
    Q_OBJECT

    MainWindow *window = nullptr;
    Ui::MainWindow *ui = nullptr;

    void show()
    {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void init()
    {
        Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); });
        window = new MainWindow;
        ui = uiOf(*window);
    }
    void cleanup()
    {
        delete window;
        Platform::resetSeams();
    }

    void shouldBuildEveryWidgetWithItsNameClassParentGeometryTextAndState_data()
    {
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("geometry");  // null for widgets placed by a layout
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("disabled");   // made disabled (not only inside a disabled parent)

        auto row = [](const char *name, const char *cls, const char *parent, QRect geometry,
                      const char *text, bool disabled = false) {
            QTest::newRow(name) << QString::fromLatin1(cls) << QString::fromLatin1(parent) << geometry
                                << QString::fromLatin1(text) << disabled;
        };

        row("centralWidget", "QWidget", "MainWindow", QRect(), "");
        row("FWLbl", "QLabel", "centralWidget", QRect(10, 40, 311, 21), "F/W Version:");
        row("tabWidget", "QTabWidget", "centralWidget", QRect(10, 110, 571, 331), "", true);
        row("ConnectBut", "QPushButton", "centralWidget", QRect(440, 30, 141, 71), "");
        row("Debuglabel", "QLabel", "centralWidget", QRect(450, 50, 47, 16), "TextLabel");
        row("TestBut", "QPushButton", "centralWidget", QRect(450, 60, 41, 31), "PushButton");
        row("label_2", "QLabel", "centralWidget", QRect(440, 10, 121, 16), "Connect Device");
        row("groupBox_3", "QGroupBox", "centralWidget", QRect(320, 10, 111, 91), "Interface");

        row("Membrane_tab", "QWidget", "qt_tabwidget_stackedwidget", QRect(), "");
        row("Keylon_tab", "QWidget", "qt_tabwidget_stackedwidget", QRect(), "");

        row("USBKB_radcmd", "QRadioButton", "groupBox_3", QRect(10, 20, 83, 16), "USB KB");
        row("Searal_radcmd", "QRadioButton", "groupBox_3", QRect(10, 40, 83, 16), "Serial Port");

        row("groupBox_4", "QGroupBox", "Membrane_tab", QRect(10, 10, 541, 271), "Output");
        row("TrigBut", "QPushButton", "groupBox_4", QRect(450, 50, 75, 71), "&Scan");
        row("ScannerEdit", "QTextEdit", "groupBox_4", QRect(10, 20, 521, 211), "");
        row("ClearBut", "QPushButton", "groupBox_4", QRect(440, 240, 75, 23), "Clear");

        row("groupBox_2", "QGroupBox", "Keylon_tab", QRect(10, 0, 551, 221), "Keylon");
        row("label_3", "QLabel", "Keylon_tab", QRect(10, 230, 101, 16), "Change Interface");
        row("layoutWidget1", "QWidget", "Keylon_tab", QRect(0, 250, 561, 51), "");

        row("KLNOutLengthEdit", "QLineEdit", "groupBox_2", QRect(250, 190, 61, 20), "", true);
        row("PreAmbleChk", "QCheckBox", "groupBox_2", QRect(9, 19, 131, 16), "PreAmble Enable", true);
        row("Label1", "QLabel", "groupBox_2", QRect(250, 170, 81, 16), "Output length");
        row("KLNOutStartEdit", "QLineEdit", "groupBox_2", QRect(171, 190, 61, 20), "", true);
        row("PostAmbleEdit", "QLineEdit", "groupBox_2", QRect(9, 89, 471, 20), "", true);
        row("RemoveDataEdit", "QLineEdit", "groupBox_2", QRect(9, 137, 471, 20), "", true);
        row("label", "QLabel", "groupBox_2", QRect(170, 170, 71, 16), "Output start");
        row("BuzzerEnableChk", "QCheckBox", "groupBox_2", QRect(9, 195, 91, 16), "Buzzer Enable", true);
        row("PreAmbleEdit", "QLineEdit", "groupBox_2", QRect(9, 41, 471, 20), "", true);
        row("AutoReportChk", "QCheckBox", "groupBox_2", QRect(9, 173, 124, 16), "ID Code Auto Report", true);
        row("PostAmbleChk", "QCheckBox", "groupBox_2", QRect(9, 67, 141, 16), "PostAmble Enable", true);
        row("CodeType_lbl", "QLabel", "groupBox_2", QRect(426, 20, 91, 20), "Code");
        row("Pre_cmb", "QComboBox", "groupBox_2", QRect(480, 40, 71, 22), "");
        row("Post_cmb", "QComboBox", "groupBox_2", QRect(480, 90, 71, 22), "");
        row("Remove_cmb", "QComboBox", "groupBox_2", QRect(480, 137, 71, 22), "");
        row("Label1_2", "QLabel", "groupBox_2", QRect(340, 170, 81, 16), "KB Country");
        row("KB_cmb", "QComboBox", "groupBox_2", QRect(340, 190, 91, 22), "");
        row("FWUpdateBut", "QPushButton", "groupBox_2", QRect(460, 180, 81, 31), "FW &Update");
        row("layoutWidget", "QWidget", "groupBox_2", QRect(9, 115, 273, 20), "");

        row("RemoveDataChk", "QCheckBox", "layoutWidget", QRect(), "Remove Data Enable", true);
        row("RemoveIDCodeChk", "QCheckBox", "layoutWidget", QRect(), "Remove ID Code Enable", true);

        row("ChangeModeBut", "QPushButton", "layoutWidget1", QRect(), "Change Mode");
        row("ImportBut", "QPushButton", "layoutWidget1", QRect(), "Import");
        row("ExportBut", "QPushButton", "layoutWidget1", QRect(), "Export");
        row("DefaultBut", "QPushButton", "layoutWidget1", QRect(), "Default");
        row("GetKLNStatusBut", "QPushButton", "layoutWidget1", QRect(), "&Get Status", true);
        row("SetKLNStatusBut", "QPushButton", "layoutWidget1", QRect(), "&Set Status", true);
    }
    void shouldBuildEveryWidgetWithItsNameClassParentGeometryTextAndState()
    {
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, disabled);

        const QList<QWidget *> found = window->findChildren<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
        QCOMPARE(found.size(), 1);
        QWidget *widget = found.first();
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
        QVERIFY(widget->parentWidget());
        QCOMPARE(widget->parentWidget()->objectName(), parentName);
        if (!geometry.isNull())
            QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(textOf(widget), text);
        QCOMPARE(widget->testAttribute(Qt::WA_ForceDisabled), disabled);
    }

    void shouldHaveAFixedSizeTitledWindowWithoutBars()
    {
        QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window->minimumSize(), QSize(591, 451));
        QCOMPARE(window->maximumSize(), QSize(591, 451));
        QCOMPARE(window->sizePolicy(), QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed));
        QCOMPARE(window->windowTitle(), QStringLiteral("Keylon2 Utility V1.0.0"));
        QCOMPARE(window->centralWidget(), ui->centralWidget);
        QVERIFY(!window->menuWidget());
        QVERIFY(!window->findChild<QStatusBar *>());
        QVERIFY(!window->findChild<QToolBar *>());
        QCOMPARE(ui->FWLbl->font().pointSize(), 14);  // the version shows bigger than the rest

        show();
        for (const QSize &asked : {QSize(800, 600), QSize(300, 200)}) {
            window->resize(asked);
            QCOMPARE(window->size(), QSize(591, 451));
        }
    }

    void shouldStartOnTheDisabledSettingsPage()
    {
        QCOMPARE(ui->tabWidget->count(), 2);
        QCOMPARE(ui->tabWidget->widget(0), ui->Membrane_tab);
        QCOMPARE(ui->tabWidget->widget(1), ui->Keylon_tab);
        QCOMPARE(ui->tabWidget->tabText(0), QStringLiteral("Status"));
        QCOMPARE(ui->tabWidget->tabText(1), QStringLiteral("Setting"));

        QCOMPARE(ui->tabWidget->currentWidget(), ui->Keylon_tab);
        QVERIFY(!ui->tabWidget->isEnabled());
        // Even the controls that are enabled on their own cannot be used yet.
        QVERIFY(!ui->ImportBut->isEnabled());
        QVERIFY(!ui->ClearBut->isEnabled());
        QVERIFY(ui->ConnectBut->isEnabled());
        QVERIFY(ui->groupBox_3->isEnabled());
    }

    void shouldLayOutTheButtonRowsTightly()
    {
        const struct {
            QHBoxLayout *layout;
            QWidget *holder;
            const char *name;
            QList<QWidget *> widgets;
        } rows[] = {
            {ui->horizontalLayout_2, ui->layoutWidget, "horizontalLayout_2", {ui->RemoveDataChk, ui->RemoveIDCodeChk}},
            {ui->horizontalLayout, ui->layoutWidget1, "horizontalLayout",
             {ui->ChangeModeBut, ui->ImportBut, ui->ExportBut, ui->DefaultBut, ui->GetKLNStatusBut, ui->SetKLNStatusBut}},
        };
        for (const auto &row : rows) {
            QVERIFY(row.layout);
            QCOMPARE(row.layout->objectName(), QString::fromLatin1(row.name));
            QCOMPARE(row.holder->layout(), row.layout);
            QCOMPARE(row.layout->spacing(), 6);
            QCOMPARE(row.layout->contentsMargins(), QMargins(0, 0, 0, 0));
            QCOMPARE(row.layout->count(), row.widgets.size());
            for (int i = 0; i < row.widgets.size(); ++i)
                QCOMPARE(row.layout->itemAt(i)->widget(), row.widgets.at(i));
        }
    }

    // The raise order decides what a click reaches where widgets overlap.
    void shouldCoverTestButtonWithConnectButtonAndScanButtonWithTextArea()
    {
        show();
        QList<QWidget *> stacking;
        for (QObject *child : ui->centralWidget->children())
            if (auto widget = qobject_cast<QWidget *>(child))
                stacking << widget;
        QCOMPARE(stacking, (QList<QWidget *>{ui->FWLbl, ui->tabWidget, ui->Debuglabel, ui->TestBut, ui->label_2,
                                             ui->groupBox_3, ui->ConnectBut}));
        for (QWidget *covered : {static_cast<QWidget *>(ui->TestBut), static_cast<QWidget *>(ui->Debuglabel)})
            QCOMPARE(ui->centralWidget->childAt(centreIn(covered, ui->centralWidget)), ui->ConnectBut);

        QWidget *hit = ui->groupBox_4->childAt(centreIn(ui->TrigBut, ui->groupBox_4));
        QVERIFY(hit == ui->ScannerEdit || ui->ScannerEdit->isAncestorOf(hit));
    }

    void shouldShowTheNotConnectedIconOfThreeDistinctOnes()
    {
        QList<QImage> images;
        for (const char *name : {"connect_creating", "connect_established", "connect_no"}) {
            const QImage image(QStringLiteral(":/image/%1.png").arg(QLatin1String(name)));
            QCOMPARE(image.size(), QSize(48, 48));
            images << image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        QVERIFY(images[0] != images[1] && images[0] != images[2] && images[1] != images[2]);

        QCOMPARE(ui->ConnectBut->text(), QString());
        QCOMPARE(ui->ConnectBut->iconSize(), QSize(64, 64));
        const QImage shown = ui->ConnectBut->icon().pixmap(QSize(48, 48), QIcon::Normal, QIcon::Off).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), images[0]);
    }

    void shouldTranslateEveryTextInTheWindowContext()
    {
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        ui->retranslateUi(window);
        WindowAccess::nameControls(*ui);
        QCoreApplication::removeTranslator(&translator);

        QCOMPARE(window->windowTitle(), QStringLiteral("Window|Keylon2 Utility V1.0.0"));
        QCOMPARE(ui->tabWidget->tabText(0), QStringLiteral("Window|Status"));
        QCOMPARE(ui->tabWidget->tabText(1), QStringLiteral("Window|Setting"));
        QCOMPARE(ui->ConnectBut->text(), QString());
        int marked = 0;
        int named = 0;
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            const QString text = textOf(widget);
            if (!qobject_cast<QLineEdit *>(widget) && !text.isEmpty()) {
                QVERIFY2(text.startsWith(QLatin1String("Window|")), qPrintable(widget->objectName() + ": " + text));
                ++marked;
            }
            // What a screen reader calls a control and says of it, and its tool tip (Qt names
            // the tab bar's scroll buttons).
            if (qobject_cast<QTabBar *>(widget->parentWidget()))
                continue;
            // A combo box's description is its value: an entry of its list, no text of the window.
            const QString description = qobject_cast<QComboBox *>(widget) ? QString() : widget->accessibleDescription();
            for (const QString &told : {widget->accessibleName(), description, widget->toolTip()}) {
                if (told.isEmpty())
                    continue;
                QVERIFY2(told.startsWith(QLatin1String("Window|")), qPrintable(widget->objectName() + ": " + told));
                ++named;
            }
        }
        // Labels, group boxes, check boxes, radio and push buttons that carry a text; three of
        // the labels are heard only, one for each affix picker.
        QCOMPARE(marked, 32);
        // 16 names, two descriptions (the interface button's, the connect button's state), 5 tool
        // tips.
        QCOMPARE(named, 23);
    }

    void shouldListTheSlotTableInOrder()
    {
        const QMetaObject *meta = window->metaObject();
        QCOMPARE(meta->className(), "MainWindow");
        QVERIFY(window->qt_metacast("MainWindow"));
        const QStringList table = {
            "GetKLNValueClick()", "SetKLNValueClick()", "threadStart()", "threadPause()", "threadStop()",
            "ReadStatus()", "ConnectClick()", "PowerPassClick()", "PreAmbleEnableClick()",
            "PostAmbleEnableClick()", "RemoveDataEnableClick()", "TestButClick()", "tabChange(int)",
            "TriggerClick()", "ChangeModeClick()", "FWUpdateClick()", "on_Searal_radcmd_clicked()",
            "on_USBKB_radcmd_clicked()", "onReadyRead()", "Pre_selectChanged(int)", "Post_selectChanged(int)",
            "Remove_selectChanged(int)", "on_ImportBut_clicked()", "on_ExportBut_clicked()",
            "on_DefaultBut_clicked()", "on_RemoveIDCodeChk_clicked()"};
        QCOMPARE(meta->methodCount() - meta->methodOffset(), table.size());
        for (int i = 0; i < table.size(); ++i) {
            const QMetaMethod method = meta->method(meta->methodOffset() + i);
            QCOMPARE(QString::fromLatin1(method.methodSignature()), table.at(i));
            QCOMPARE(method.methodType(), QMetaMethod::Slot);
            QCOMPARE(method.access(), i < 16 ? QMetaMethod::Public : QMetaMethod::Private);
            QCOMPARE(method.returnType(), int(QMetaType::Void));
            for (const QByteArray &parameter : method.parameterNames())
                QCOMPARE(parameter, QByteArray("index"));
        }
    }

    void shouldConnectEachSignalToItsSlotOnce()
    {
        const struct {
            const char *sender, *signal, *slot;
        } connections[] = {
            // Made by the layout set-up.
            {"ConnectBut", SIGNAL(clicked()), SLOT(ConnectClick())},
            {"PreAmbleChk", SIGNAL(clicked()), SLOT(PreAmbleEnableClick())},
            {"PostAmbleChk", SIGNAL(clicked()), SLOT(PostAmbleEnableClick())},
            {"RemoveDataChk", SIGNAL(clicked()), SLOT(RemoveDataEnableClick())},
            {"GetKLNStatusBut", SIGNAL(clicked()), SLOT(GetKLNValueClick())},
            {"SetKLNStatusBut", SIGNAL(clicked()), SLOT(SetKLNValueClick())},
            {"TestBut", SIGNAL(clicked()), SLOT(TestButClick())},
            {"tabWidget", SIGNAL(currentChanged(int)), SLOT(tabChange(int))},
            {"TrigBut", SIGNAL(clicked()), SLOT(TriggerClick())},
            {"ChangeModeBut", SIGNAL(clicked()), SLOT(ChangeModeClick())},
            {"FWUpdateBut", SIGNAL(clicked()), SLOT(FWUpdateClick())},
            // Made by name.
            {"Searal_radcmd", SIGNAL(clicked()), SLOT(on_Searal_radcmd_clicked())},
            {"USBKB_radcmd", SIGNAL(clicked()), SLOT(on_USBKB_radcmd_clicked())},
            {"ImportBut", SIGNAL(clicked()), SLOT(on_ImportBut_clicked())},
            {"ExportBut", SIGNAL(clicked()), SLOT(on_ExportBut_clicked())},
            {"DefaultBut", SIGNAL(clicked()), SLOT(on_DefaultBut_clicked())},
            {"RemoveIDCodeChk", SIGNAL(clicked()), SLOT(on_RemoveIDCodeChk_clicked())},
            // Made by the constructor once the pickers are filled.
            {"Pre_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Pre_selectChanged(int))},
            {"Post_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Post_selectChanged(int))},
            {"Remove_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Remove_selectChanged(int))},
        };
        for (const auto &c : connections) {
            QObject *source = window->findChild<QObject *>(QLatin1String(c.sender));
            QVERIFY2(source, c.sender);
            // disconnect() answers whether the connection was there and takes away every copy of
            // it: exactly one leaves the signal for this slot. SLOT() puts a digit before the name.
            const int before = ReceiverCount::of(source, c.signal);
            QVERIFY2(QObject::disconnect(source, c.signal, window, c.slot), c.slot + 1);
            QVERIFY2(ReceiverCount::of(source, c.signal) == before - 1, c.slot + 1);
        }
    }

    void shouldEmptyTheScannerTextOnClear()
    {
        ui->tabWidget->setEnabled(true);
        ui->tabWidget->setCurrentIndex(0);
        show();
        ui->ScannerEdit->setPlainText(QStringLiteral("0012345678"));
        QTest::mouseClick(ui->ClearBut, Qt::LeftButton);
        QCOMPARE(ui->ScannerEdit->toPlainText(), QString());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
