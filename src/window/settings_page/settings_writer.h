#pragma once

class ReaderLink;
class SettingsForm;

// "&Set Status": writes the page into the reader over the link the window holds, and has the
// reader save it. When the page names the other interface, the reader changes to it after the
// save and leaves this link.
void writeSettings(ReaderLink &link, const SettingsForm &form);
