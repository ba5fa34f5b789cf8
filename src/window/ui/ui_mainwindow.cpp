#include "window/ui/ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMetaObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

#include "window/ui/screen_scaling.h"
#include "window/ui/window_tr.h"

namespace Ui {

namespace {

// Creates a widget with its object name, absolute geometry and initial enabled state.
template<typename W>
W *place(QWidget *parent, const char *name, int x, int y, int width, int height, bool enabled = true)
{
    W *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(QRect(x, y, width, height));
    widget->setEnabled(enabled);
    return widget;
}

// A widget that a layout places: object name and enabled state only.
template<typename W>
W *inLayout(QWidget *parent, QHBoxLayout *layout, const char *name, bool enabled = true)
{
    W *widget = new W(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setEnabled(enabled);
    layout->addWidget(widget);
    return widget;
}

QHBoxLayout *rowLayout(QWidget *holder, const char *name)
{
    auto *layout = new QHBoxLayout(holder);
    layout->setSpacing(6);
    layout->setObjectName(QString::fromLatin1(name));
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

}  // namespace

void MainWindow::setupUi(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(591, 451);
    QSizePolicy fixedPolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    fixedPolicy.setHeightForWidth(window->sizePolicy().hasHeightForWidth());
    window->setSizePolicy(fixedPolicy);
    window->setMinimumSize(QSize(591, 451));
    window->setMaximumSize(QSize(591, 451));

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));

    FWLbl = place<QLabel>(centralWidget, "FWLbl", 10, 40, 311, 21);
    QFont versionFont;
    versionFont.setPointSize(14);
    FWLbl->setFont(versionFont);

    tabWidget = place<QTabWidget>(centralWidget, "tabWidget", 10, 110, 571, 331, false);

    // Status page. The scan button is made first, so the text area lies over it.
    Membrane_tab = new QWidget();
    Membrane_tab->setObjectName(QStringLiteral("Membrane_tab"));
    groupBox_4 = place<QGroupBox>(Membrane_tab, "groupBox_4", 10, 10, 541, 271);
    TrigBut = place<QPushButton>(groupBox_4, "TrigBut", 450, 50, 75, 71);
    ScannerEdit = place<QTextEdit>(groupBox_4, "ScannerEdit", 10, 20, 521, 211);
    // The page only ever grows by what the reader sends; an undo record of every chunk would
    // double what a day of key codes costs in memory.
    ScannerEdit->setUndoRedoEnabled(false);
    ClearBut = place<QPushButton>(groupBox_4, "ClearBut", 440, 240, 75, 23);
    tabWidget->addTab(Membrane_tab, QString());

    // Settings page.
    Keylon_tab = new QWidget();
    Keylon_tab->setObjectName(QStringLiteral("Keylon_tab"));
    groupBox_2 = place<QGroupBox>(Keylon_tab, "groupBox_2", 10, 0, 551, 221);
    KLNOutLengthEdit = place<QLineEdit>(groupBox_2, "KLNOutLengthEdit", 250, 190, 61, 20, false);
    PreAmbleChk = place<QCheckBox>(groupBox_2, "PreAmbleChk", 9, 19, 131, 16, false);
    Label1 = place<QLabel>(groupBox_2, "Label1", 250, 170, 81, 16);
    KLNOutStartEdit = place<QLineEdit>(groupBox_2, "KLNOutStartEdit", 171, 190, 61, 20, false);
    PostAmbleEdit = place<QLineEdit>(groupBox_2, "PostAmbleEdit", 9, 89, 471, 20, false);
    RemoveDataEdit = place<QLineEdit>(groupBox_2, "RemoveDataEdit", 9, 137, 471, 20, false);
    label = place<QLabel>(groupBox_2, "label", 170, 170, 71, 16);
    BuzzerEnableChk = place<QCheckBox>(groupBox_2, "BuzzerEnableChk", 9, 195, 91, 16, false);
    PreAmbleEdit = place<QLineEdit>(groupBox_2, "PreAmbleEdit", 9, 41, 471, 20, false);
    AutoReportChk = place<QCheckBox>(groupBox_2, "AutoReportChk", 9, 173, 124, 16, false);
    PostAmbleChk = place<QCheckBox>(groupBox_2, "PostAmbleChk", 9, 67, 141, 16, false);
    CodeType_lbl = place<QLabel>(groupBox_2, "CodeType_lbl", 426, 20, 91, 20);
    Pre_cmb = place<QComboBox>(groupBox_2, "Pre_cmb", 480, 40, 71, 22);
    Post_cmb = place<QComboBox>(groupBox_2, "Post_cmb", 480, 90, 71, 22);
    Remove_cmb = place<QComboBox>(groupBox_2, "Remove_cmb", 480, 137, 71, 22);
    Label1_2 = place<QLabel>(groupBox_2, "Label1_2", 340, 170, 81, 16);
    KB_cmb = place<QComboBox>(groupBox_2, "KB_cmb", 340, 190, 91, 22);
    FWUpdateBut = place<QPushButton>(groupBox_2, "FWUpdateBut", 460, 180, 81, 31);
    layoutWidget = place<QWidget>(groupBox_2, "layoutWidget", 9, 115, 273, 20);
    horizontalLayout_2 = rowLayout(layoutWidget, "horizontalLayout_2");
    RemoveDataChk = inLayout<QCheckBox>(layoutWidget, horizontalLayout_2, "RemoveDataChk", false);
    RemoveIDCodeChk = inLayout<QCheckBox>(layoutWidget, horizontalLayout_2, "RemoveIDCodeChk", false);

    label_3 = place<QLabel>(Keylon_tab, "label_3", 10, 230, 101, 16);
    layoutWidget1 = place<QWidget>(Keylon_tab, "layoutWidget1", 0, 250, 561, 51);
    horizontalLayout = rowLayout(layoutWidget1, "horizontalLayout");
    ChangeModeBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "ChangeModeBut");
    ImportBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "ImportBut");
    ExportBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "ExportBut");
    DefaultBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "DefaultBut");
    GetKLNStatusBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "GetKLNStatusBut", false);
    SetKLNStatusBut = inLayout<QPushButton>(layoutWidget1, horizontalLayout, "SetKLNStatusBut", false);
    tabWidget->addTab(Keylon_tab, QString());

    // The connection state is shown by the icon alone.
    ConnectBut = place<QPushButton>(centralWidget, "ConnectBut", 440, 30, 141, 71);
    ConnectBut->setIcon(iconForScreens(QStringLiteral(":/image/connect_creating.png")));
    ConnectBut->setIconSize(QSize(64, 64));
    Debuglabel = place<QLabel>(centralWidget, "Debuglabel", 450, 50, 47, 16);
    TestBut = place<QPushButton>(centralWidget, "TestBut", 450, 60, 41, 31);
    label_2 = place<QLabel>(centralWidget, "label_2", 440, 10, 121, 16);

    groupBox_3 = place<QGroupBox>(centralWidget, "groupBox_3", 320, 10, 111, 91);
    USBKB_radcmd = place<QRadioButton>(groupBox_3, "USBKB_radcmd", 10, 20, 83, 16);
    USBKB_radcmd->setChecked(true);
    Searal_radcmd = place<QRadioButton>(groupBox_3, "Searal_radcmd", 10, 40, 83, 16);
    SerialNameEdit = place<QLineEdit>(groupBox_3, "SerialNameEdit", 10, 60, 91, 20, false);

    window->setCentralWidget(centralWidget);

    // The connect button lies over the test button and the debug label, made after it; the
    // others keep the order they were made in.
    ConnectBut->raise();

    retranslateUi(window);

    QObject::connect(ConnectBut, SIGNAL(clicked()), window, SLOT(ConnectClick()));
    QObject::connect(PreAmbleChk, SIGNAL(clicked()), window, SLOT(PreAmbleEnableClick()));
    QObject::connect(PostAmbleChk, SIGNAL(clicked()), window, SLOT(PostAmbleEnableClick()));
    QObject::connect(RemoveDataChk, SIGNAL(clicked()), window, SLOT(RemoveDataEnableClick()));
    QObject::connect(GetKLNStatusBut, SIGNAL(clicked()), window, SLOT(GetKLNValueClick()));
    QObject::connect(SetKLNStatusBut, SIGNAL(clicked()), window, SLOT(SetKLNValueClick()));
    QObject::connect(TestBut, SIGNAL(clicked()), window, SLOT(TestButClick()));
    QObject::connect(tabWidget, SIGNAL(currentChanged(int)), window, SLOT(tabChange(int)));
    QObject::connect(TrigBut, SIGNAL(clicked()), window, SLOT(TriggerClick()));
    QObject::connect(ChangeModeBut, SIGNAL(clicked()), window, SLOT(ChangeModeClick()));
    QObject::connect(ClearBut, SIGNAL(clicked()), ScannerEdit, SLOT(clear()));
    QObject::connect(FWUpdateBut, SIGNAL(clicked()), window, SLOT(FWUpdateClick()));

    // Already connected above, so showing the settings page runs tabChange(1).
    tabWidget->setCurrentIndex(1);

    QMetaObject::connectSlotsByName(window);
}

std::vector<QWidget *> MainWindow::settingControls() const
{
    return {PreAmbleChk,   PreAmbleEdit,    Pre_cmb,         PostAmbleChk,    PostAmbleEdit,
            Post_cmb,      RemoveDataChk,   RemoveIDCodeChk, RemoveDataEdit,  Remove_cmb,
            AutoReportChk, BuzzerEnableChk, KLNOutStartEdit, KLNOutLengthEdit, KB_cmb};
}

void MainWindow::retranslateUi(QMainWindow *window)
{
    window->setWindowTitle(WindowText::tr("Keylon2 Utility V1.0.0"));
    FWLbl->setText(WindowText::tr("F/W Version:"));
    groupBox_4->setTitle(WindowText::tr("Output"));
    //: Button: asks the reader to scan a key now
    TrigBut->setText(WindowText::tr("&Scan"));
    //: Button: empties the output shown on the Status page
    ClearBut->setText(WindowText::tr("Clear"));
    //: Tab with the reader's output
    tabWidget->setTabText(tabWidget->indexOf(Membrane_tab), WindowText::tr("Status"));
    //: The reader's name, a product name
    groupBox_2->setTitle(WindowText::tr("Keylon"));
    PreAmbleChk->setText(WindowText::tr("PreAmble Enable"));
    Label1->setText(WindowText::tr("Output length"));
    label->setText(WindowText::tr("Output start"));
    BuzzerEnableChk->setText(WindowText::tr("Buzzer Enable"));
    AutoReportChk->setText(WindowText::tr("ID Code Auto Report"));
    PostAmbleChk->setText(WindowText::tr("PostAmble Enable"));
    //: Label before the affix pickers: which kind of code they show
    CodeType_lbl->setText(WindowText::tr("Code"));
    Label1_2->setText(WindowText::tr("KB Country"));
    FWUpdateBut->setText(WindowText::tr("FW &Update"));
    RemoveDataChk->setText(WindowText::tr("Remove Data Enable"));
    RemoveIDCodeChk->setText(WindowText::tr("Remove ID Code Enable"));
    label_3->setText(WindowText::tr("Change Interface"));
    //: Button: switches the reader to the other interface
    ChangeModeBut->setText(WindowText::tr("Change Mode"));
    ImportBut->setText(WindowText::tr("Import"));
    ExportBut->setText(WindowText::tr("Export"));
    //: Button: loads default.cfg into the page
    DefaultBut->setText(WindowText::tr("Default"));
    GetKLNStatusBut->setText(WindowText::tr("&Get Status"));
    SetKLNStatusBut->setText(WindowText::tr("&Set Status"));
    //: Tab with the reader's settings
    tabWidget->setTabText(tabWidget->indexOf(Keylon_tab), WindowText::tr("Setting"));
    //: Placeholder of a hidden label; never shown
    Debuglabel->setText(WindowText::tr("TextLabel"));
    //: Placeholder of a hidden button; never shown
    TestBut->setText(WindowText::tr("PushButton"));
    label_2->setText(WindowText::tr("Connect Device"));
    groupBox_3->setTitle(WindowText::tr("Interface"));
    USBKB_radcmd->setText(WindowText::tr("USB KB"));
    Searal_radcmd->setText(WindowText::tr("Serial Port"));
}

}  // namespace Ui
