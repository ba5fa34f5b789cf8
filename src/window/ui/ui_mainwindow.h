#pragma once

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class QWidget;

namespace Ui {

// The widget tree of the main window, built in code with absolute geometry. Every widget
// carries its object name; the rest of the program addresses widgets through these pointers.
class MainWindow
{
public:
    QWidget *centralWidget = nullptr;
    QLabel *FWLbl = nullptr;
    QTabWidget *tabWidget = nullptr;
    QWidget *Membrane_tab = nullptr;
    QGroupBox *groupBox_4 = nullptr;
    QPushButton *TrigBut = nullptr;
    QTextEdit *ScannerEdit = nullptr;
    QPushButton *ClearBut = nullptr;
    QWidget *Keylon_tab = nullptr;
    QGroupBox *groupBox_2 = nullptr;
    QLineEdit *KLNOutLengthEdit = nullptr;
    QCheckBox *PreAmbleChk = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *KLNOutStartEdit = nullptr;
    QLineEdit *PostAmbleEdit = nullptr;
    QLineEdit *RemoveDataEdit = nullptr;
    QLabel *label = nullptr;
    QCheckBox *BuzzerEnableChk = nullptr;
    QLineEdit *PreAmbleEdit = nullptr;
    QCheckBox *AutoReportChk = nullptr;
    QCheckBox *PostAmbleChk = nullptr;
    QLabel *CodeType_lbl = nullptr;
    QComboBox *Pre_cmb = nullptr;
    QComboBox *Post_cmb = nullptr;
    QComboBox *Remove_cmb = nullptr;
    QLabel *Label1_2 = nullptr;
    QComboBox *KB_cmb = nullptr;
    QPushButton *FWUpdateBut = nullptr;
    QWidget *layoutWidget = nullptr;
    QHBoxLayout *horizontalLayout_2 = nullptr;
    QCheckBox *RemoveDataChk = nullptr;
    QCheckBox *RemoveIDCodeChk = nullptr;
    QLabel *label_3 = nullptr;
    QWidget *layoutWidget1 = nullptr;
    QHBoxLayout *horizontalLayout = nullptr;
    QPushButton *ChangeModeBut = nullptr;
    QPushButton *ImportBut = nullptr;
    QPushButton *ExportBut = nullptr;
    QPushButton *DefaultBut = nullptr;
    QPushButton *GetKLNStatusBut = nullptr;
    QPushButton *SetKLNStatusBut = nullptr;
    QPushButton *ConnectBut = nullptr;
    QLabel *Debuglabel = nullptr;
    QPushButton *TestBut = nullptr;
    QLabel *label_2 = nullptr;
    QGroupBox *groupBox_3 = nullptr;
    QRadioButton *USBKB_radcmd = nullptr;
    QRadioButton *Searal_radcmd = nullptr;
    QLineEdit *SerialNameEdit = nullptr;

    // Builds the tree on the window, sets the texts, makes the connections and shows the
    // settings page; connects the slots by name last.
    void setupUi(QMainWindow *window);
    void retranslateUi(QMainWindow *window);

    // The controls of the reader's settings on the Setting page, in reading order: each switch
    // with the edit and the code list it opens, the output window, the keyboard country.
    std::vector<QWidget *> settingControls() const;
};

}  // namespace Ui
