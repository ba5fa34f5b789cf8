#pragma once

class QWidget;
class ReaderLink;
class SettingsForm;

// Export, Import and the default file: the page to and from configuration files. The reader is
// not touched; Import also sets the interface the next write asks the reader for.
class ConfigFiles
{
public:
    // The file dialogs open over dialogParent (the window).
    ConfigFiles(QWidget &dialogParent, ReaderLink &link, SettingsForm &form);

    void exportPage();
    void importPage();
    void loadDefault();

private:
    QWidget &dialogParent_;
    ReaderLink &link_;
    SettingsForm &form_;
};
