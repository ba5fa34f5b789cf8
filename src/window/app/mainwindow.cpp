#include "window/app/mainwindow.h"

#include <QComboBox>

#include "core/platform/platform.h"
#include "core/text/locale_codec.h"
#include "window/ui/mirror.h"
#include "window/ui/window_access.h"
#include "window/ui/window_font.h"
#include "window/ui/window_text_size.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , link_(this)
    , form_(ui)
    , status_(ui)
    , reader_(link_, form_, status_)
    , connection_(ui, link_, [this] { reader_.read(); }, [this] { form_.followSwitches(); })
    , wait_(*this, ui, link_.runner())
{
    ui.setupUi(this);
    WindowAccess::setUp(ui, *this);
    useLayoutFont(*this);
    WindowTextSize::follow(*this);
    mirrorPlacedWidgets(*this);
    status_.setUp();

    setUpLocaleCodec(Platform::getACP(), Platform::getOEMCP());

    connection_.preselect(link_.probe(), *this);

    // Showing the settings page above ran tabChange(1); the page index starts from 0 anyway.
    link_.setCurrentTab(0);

    form_.fillPickers();
    // Connected only now, so that filling the pickers inserts nothing into the affixes.
    connect(ui.Pre_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Pre_selectChanged(int)));
    connect(ui.Post_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Post_selectChanged(int)));
    connect(ui.Remove_cmb, SIGNAL(currentIndexChanged(int)), this, SLOT(Remove_selectChanged(int)));

    connect(&link_, &ReaderLink::pollDue, this, &MainWindow::onReadyRead);
    connect(&link_, &ReaderLink::wentDown, this, [this] { connection_.showNotConnected(); });
    connect(&link_, &ReaderLink::lineGone, this, [this](const QString &port) { connection_.tellLineGone(port); });
    connect(&link_, &ReaderLink::readerLeft, this, &QWidget::close);
}

MainWindow::~MainWindow() = default;

void MainWindow::EnableControls(bool on) { connection_.enableControls(on); }
int MainWindow::DisplayKLNValue(QByteArray chunk) { return reader_.showSerialAnswers(chunk); }

void MainWindow::GetKLNValueClick() { reader_.read(); }
void MainWindow::SetKLNValueClick() { writeSettings(link_, form_); }
void MainWindow::threadStart() { link_.dumpDiagnosticInterface(); }
void MainWindow::threadPause() { status_.toggleTicker(); }
void MainWindow::threadStop() {}
void MainWindow::ReadStatus() { reader_.readStatusOnce(); }
void MainWindow::ConnectClick() { connection_.connectOrDisconnect(); }
void MainWindow::PowerPassClick() {}
void MainWindow::PreAmbleEnableClick() { form_.preAmbleEnableClicked(); }
void MainWindow::PostAmbleEnableClick() { form_.postAmbleEnableClicked(); }
void MainWindow::RemoveDataEnableClick() { form_.removeDataEnableClicked(); }
void MainWindow::TestButClick() { status_.listPorts(); }
void MainWindow::tabChange(int index) { link_.setCurrentTab(index); }
void MainWindow::TriggerClick() {}
void MainWindow::ChangeModeClick() { changeInterface(link_); }
void MainWindow::FWUpdateClick() { runFirmwareUpdate(*this, link_, connection_, reader_); }

void MainWindow::on_Searal_radcmd_clicked() { connection_.useSerialPort(true); }
void MainWindow::on_USBKB_radcmd_clicked() { connection_.useSerialPort(false); }
void MainWindow::onReadyRead() { reader_.takeSerialChunk(); }
void MainWindow::Pre_selectChanged(int index) { form_.controlPicked(Affix::Pre, index); }
void MainWindow::Post_selectChanged(int index) { form_.controlPicked(Affix::Post, index); }
void MainWindow::Remove_selectChanged(int index) { form_.controlPicked(Affix::Remove, index); }
void MainWindow::on_ImportBut_clicked() { ConfigFiles::importPage(*this, link_, form_); }
void MainWindow::on_ExportBut_clicked() { ConfigFiles::exportPage(*this, link_, form_); }
void MainWindow::on_DefaultBut_clicked() { ConfigFiles::loadDefault(form_); }
void MainWindow::on_RemoveIDCodeChk_clicked() { form_.removeIdCodeClicked(); }
