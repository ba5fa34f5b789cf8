#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include "app/mainwindow.h"
#include "platform/platform.h"
#include "ui/ui_mainwindow.h"

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

private slots:
    void init();
    void cleanup();

    void everyWidgetHasItsNameClassParentGeometryTextAndState_data();
    void everyWidgetHasItsNameClassParentGeometryTextAndState();
    void pagesAreAddedInOrderWithTheirTitles();
    void buttonRowsAreTightHorizontalLayouts();
    void windowHasFixedSizeTitleAndNoBars();
    void windowCannotBeResized();
    void connectButtonCoversTestButtonAndDebugLabel();
    void textAreaCoversScanButton();
    void settingsPageIsShownButDisabledAtStart();
    void connectButtonShowsNotConnectedIcon();
    void iconsAreThreeDistinctImages();
    void everyTextGoesThroughTranslationInWindowContext();
    void methodTableIsTheSlotTableInOrder();
    void layoutConnectionsReachTheWindowSlots_data();
    void layoutConnectionsReachTheWindowSlots();
    void clearButtonEmptiesTheScannerText();

private:
    MainWindow *window = nullptr;
};

void WindowLayoutTest::init()
{
    Platform::setPortEnumerator([] { return QList<Platform::PortRecord>(); });
    window = new MainWindow;
}

void WindowLayoutTest::cleanup()
{
    delete window;
    window = nullptr;
    Platform::resetSeams();
}

void WindowLayoutTest::everyWidgetHasItsNameClassParentGeometryTextAndState_data()
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

void WindowLayoutTest::everyWidgetHasItsNameClassParentGeometryTextAndState()
{
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, disabled);

    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QWidget *> found = window->findChildren<QWidget *>(name);
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

void WindowLayoutTest::pagesAreAddedInOrderWithTheirTitles()
{
    Ui::MainWindow *ui = window->ui;
    QCOMPARE(ui->tabWidget->count(), 2);
    QCOMPARE(ui->tabWidget->widget(0), ui->Membrane_tab);
    QCOMPARE(ui->tabWidget->widget(1), ui->Keylon_tab);
    QCOMPARE(ui->Membrane_tab->objectName(), QStringLiteral("Membrane_tab"));
    QCOMPARE(ui->Keylon_tab->objectName(), QStringLiteral("Keylon_tab"));
    QCOMPARE(ui->tabWidget->tabText(0), QStringLiteral("Status"));
    QCOMPARE(ui->tabWidget->tabText(1), QStringLiteral("Setting"));
    QCOMPARE(QString::fromLatin1(ui->Keylon_tab->metaObject()->className()), QStringLiteral("QWidget"));
    QVERIFY(!ui->Membrane_tab->testAttribute(Qt::WA_ForceDisabled));
    QVERIFY(!ui->Keylon_tab->testAttribute(Qt::WA_ForceDisabled));

    // The version shows in a bigger font than the rest.
    QCOMPARE(ui->FWLbl->font().pointSize(), 14);
    QVERIFY(ui->USBKB_radcmd->isChecked());
}

void WindowLayoutTest::buttonRowsAreTightHorizontalLayouts()
{
    Ui::MainWindow *ui = window->ui;
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

    // Laid out left to right once shown.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(ui->RemoveDataChk->x() < ui->RemoveIDCodeChk->x());
    QVERIFY(ui->DefaultBut->x() < ui->GetKLNStatusBut->x());
}

void WindowLayoutTest::windowHasFixedSizeTitleAndNoBars()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->size(), QSize(591, 451));
    QCOMPARE(window->minimumSize(), QSize(591, 451));
    QCOMPARE(window->maximumSize(), QSize(591, 451));
    QCOMPARE(window->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(window->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(window->windowTitle(), QStringLiteral("Keylon2 Utility V1.0.0"));
    QCOMPARE(window->centralWidget(), window->ui->centralWidget);
    QVERIFY(!window->menuWidget());
    QVERIFY(!window->findChild<QStatusBar *>());
    QVERIFY(!window->findChild<QToolBar *>());

}

void WindowLayoutTest::windowCannotBeResized()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->resize(800, 600);
    QCOMPARE(window->size(), QSize(591, 451));
    window->resize(300, 200);
    QCOMPARE(window->size(), QSize(591, 451));
}

void WindowLayoutTest::connectButtonCoversTestButtonAndDebugLabel()
{
    Ui::MainWindow *ui = window->ui;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QList<QWidget *> stacking;
    for (QObject *child : ui->centralWidget->children())
        if (auto widget = qobject_cast<QWidget *>(child))
            stacking << widget;
    const QList<QWidget *> expected = {ui->FWLbl, ui->tabWidget, ui->Debuglabel, ui->TestBut,
                                       ui->label_2, ui->groupBox_3, ui->ConnectBut};
    QCOMPARE(stacking, expected);

    QCOMPARE(ui->centralWidget->childAt(centreIn(ui->TestBut, ui->centralWidget)), ui->ConnectBut);
    QCOMPARE(ui->centralWidget->childAt(centreIn(ui->Debuglabel, ui->centralWidget)), ui->ConnectBut);
}

void WindowLayoutTest::textAreaCoversScanButton()
{
    Ui::MainWindow *ui = window->ui;
    QWidget *hit = ui->groupBox_4->childAt(centreIn(ui->TrigBut, ui->groupBox_4));
    QVERIFY(hit);
    QVERIFY(hit == ui->ScannerEdit || ui->ScannerEdit->isAncestorOf(hit));
}

void WindowLayoutTest::settingsPageIsShownButDisabledAtStart()
{
    Ui::MainWindow *ui = window->ui;
    QCOMPARE(ui->tabWidget->currentIndex(), 1);
    QCOMPARE(ui->tabWidget->currentWidget(), ui->Keylon_tab);
    QVERIFY(!ui->tabWidget->isEnabled());
    // Even the controls that are enabled on their own cannot be used yet.
    QVERIFY(!ui->ImportBut->isEnabled());
    QVERIFY(!ui->ClearBut->isEnabled());
    QVERIFY(ui->ConnectBut->isEnabled());
    QVERIFY(ui->groupBox_3->isEnabled());
}

void WindowLayoutTest::connectButtonShowsNotConnectedIcon()
{
    Ui::MainWindow *ui = window->ui;
    QCOMPARE(ui->ConnectBut->text(), QString());
    QCOMPARE(ui->ConnectBut->iconSize(), QSize(64, 64));
    const QIcon icon = ui->ConnectBut->icon();
    QVERIFY(!icon.isNull());
    const QImage shown = icon.pixmap(QSize(48, 48), QIcon::Normal, QIcon::Off).toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage expected = QImage(QStringLiteral(":/image/connect_creating.png"))
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown, expected);
}

void WindowLayoutTest::iconsAreThreeDistinctImages()
{
    const QStringList paths = {QStringLiteral(":/image/connect_creating.png"),
                               QStringLiteral(":/image/connect_established.png"),
                               QStringLiteral(":/image/connect_no.png")};
    QList<QImage> images;
    for (const QString &path : paths) {
        QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(48, 48));
        images << image.convertToFormat(QImage::Format_ARGB32);
    }
    QVERIFY(images[0] != images[1]);
    QVERIFY(images[0] != images[2]);
    QVERIFY(images[1] != images[2]);
}

void WindowLayoutTest::everyTextGoesThroughTranslationInWindowContext()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    window->ui->retranslateUi(window);
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(window->windowTitle(), QStringLiteral("MainWindow|Keylon2 Utility V1.0.0"));
    QCOMPARE(window->ui->tabWidget->tabText(0), QStringLiteral("MainWindow|Status"));
    QCOMPARE(window->ui->tabWidget->tabText(1), QStringLiteral("MainWindow|Setting"));
    QCOMPARE(window->ui->ConnectBut->text(), QString());

    int marked = 0;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(widget) || widget == window->ui->ConnectBut)
            continue;
        const QString text = textOf(widget);
        if (text.isEmpty())
            continue;
        QVERIFY2(text.startsWith(QLatin1String("MainWindow|")), qPrintable(widget->objectName() + ": " + text));
        ++marked;
    }
    // Labels, group boxes, check boxes, radio and push buttons that carry a text.
    QCOMPARE(marked, 29);
}

void WindowLayoutTest::methodTableIsTheSlotTableInOrder()
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

void WindowLayoutTest::layoutConnectionsReachTheWindowSlots_data()
{
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QByteArray>("slot");

    auto row = [](const char *sender, const char *signal, const char *slot) {
        // SIGNAL() and SLOT() put a code digit before the signature.
        QTest::newRow(slot + 1) << QString::fromLatin1(sender) << QByteArray(signal) << QByteArray(slot);
    };
    // Made by the layout set-up.
    row("ConnectBut", SIGNAL(clicked()), SLOT(ConnectClick()));
    row("PreAmbleChk", SIGNAL(clicked()), SLOT(PreAmbleEnableClick()));
    row("PostAmbleChk", SIGNAL(clicked()), SLOT(PostAmbleEnableClick()));
    row("RemoveDataChk", SIGNAL(clicked()), SLOT(RemoveDataEnableClick()));
    row("GetKLNStatusBut", SIGNAL(clicked()), SLOT(GetKLNValueClick()));
    row("SetKLNStatusBut", SIGNAL(clicked()), SLOT(SetKLNValueClick()));
    row("TestBut", SIGNAL(clicked()), SLOT(TestButClick()));
    row("tabWidget", SIGNAL(currentChanged(int)), SLOT(tabChange(int)));
    row("TrigBut", SIGNAL(clicked()), SLOT(TriggerClick()));
    row("ChangeModeBut", SIGNAL(clicked()), SLOT(ChangeModeClick()));
    row("FWUpdateBut", SIGNAL(clicked()), SLOT(FWUpdateClick()));
    // Made by name.
    row("Searal_radcmd", SIGNAL(clicked()), SLOT(on_Searal_radcmd_clicked()));
    row("USBKB_radcmd", SIGNAL(clicked()), SLOT(on_USBKB_radcmd_clicked()));
    row("ImportBut", SIGNAL(clicked()), SLOT(on_ImportBut_clicked()));
    row("ExportBut", SIGNAL(clicked()), SLOT(on_ExportBut_clicked()));
    row("DefaultBut", SIGNAL(clicked()), SLOT(on_DefaultBut_clicked()));
    row("RemoveIDCodeChk", SIGNAL(clicked()), SLOT(on_RemoveIDCodeChk_clicked()));
    // Made by the constructor once the pickers are filled.
    row("Pre_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Pre_selectChanged(int)));
    row("Post_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Post_selectChanged(int)));
    row("Remove_cmb", SIGNAL(currentIndexChanged(int)), SLOT(Remove_selectChanged(int)));
}

void WindowLayoutTest::layoutConnectionsReachTheWindowSlots()
{
    QFETCH(QString, sender);
    QFETCH(QByteArray, signal);
    QFETCH(QByteArray, slot);

    QObject *source = window->findChild<QObject *>(sender);
    QVERIFY(source);
    // disconnect() answers whether the connection was there and takes away every copy of it:
    // exactly one connection leaves the signal for this slot.
    const int before = ReceiverCount::of(source, signal.constData());
    QVERIFY(QObject::disconnect(source, signal.constData(), window, slot.constData()));
    QCOMPARE(ReceiverCount::of(source, signal.constData()), before - 1);
}

void WindowLayoutTest::clearButtonEmptiesTheScannerText()
{
    Ui::MainWindow *ui = window->ui;
    ui->tabWidget->setEnabled(true);
    ui->tabWidget->setCurrentIndex(0);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    ui->ScannerEdit->setPlainText(QStringLiteral("0012345678"));
    QTest::mouseClick(ui->ClearBut, Qt::LeftButton);
    QCOMPARE(ui->ScannerEdit->toPlainText(), QString());
}

QTEST_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
