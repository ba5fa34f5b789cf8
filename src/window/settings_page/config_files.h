#pragma once

class QWidget;
class ReaderLink;
class SettingsForm;

// Export, Import and the default file: the page to and from configuration files. The reader is
// not touched; Import also sets the interface the next write asks the reader for. The file
// dialogs open over dialogParent (the window).
namespace ConfigFiles {

void exportPage(QWidget &dialogParent, const ReaderLink &link, const SettingsForm &form);
void importPage(QWidget &dialogParent, ReaderLink &link, SettingsForm &form);
void loadDefault(SettingsForm &form);

}  // namespace ConfigFiles
