#include "window/maintenance/interface_change.h"

#include <QMessageBox>

#include "window/connection/reader_link.h"
#include "window/ui/window_tr.h"

void changeInterface(ReaderLink &link)
{
    if (!link.state().connected || link.exchanging())
        return;

    // The reader always switches to the interface it is not on.
    const QString question = link.reader().interfaceValue() == Dialects::SerialInterface.value
        ? WindowText::tr("Do you want to change Keylon interface to <b>USB Keyboard</b> and utility will close?")
        : WindowText::tr("Do you want to change Keylon interface to <b>serial</b> and utility will close?");
    if (QMessageBox::warning(nullptr, WindowText::tr("Change Mode"), question, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const auto result = link.exchange([&link] { return link.session().changeInterface(); });
    if (!result)
        return;
    // The reader stays where it is when the frame did not reach it: so does the utility.
    if (!result->ok()) {
        QMessageBox::warning(nullptr, WindowText::tr("Change Mode"),
                             WindowText::tr("The reader did not get the interface change; the utility stays open."));
        return;
    }
    link.leaveForOtherInterface();
}
