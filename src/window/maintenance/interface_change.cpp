#include "window/maintenance/interface_change.h"

#include <QMessageBox>

#include "window/connection/reader_link.h"
#include "window/ui/window_tr.h"

InterfaceChange::InterfaceChange(ReaderLink &link)
    : link_(link)
{
}

void InterfaceChange::run()
{
    if (!link_.state().connected || link_.exchanging())
        return;

    // The reader always switches to the interface it is not on.
    const QString question = link_.reader().interfaceValue() == Dialects::SerialInterface.value
        ? WindowText::tr("Do you want to change Keylon interface to <b>USB Keyboard</b> and utility will close?")
        : WindowText::tr("Do you want to change Keylon interface to <b>serial</b> and utility will close?");
    if (QMessageBox::warning(nullptr, WindowText::tr("Change Mode"), question, QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;

    const auto result = link_.exchange([this] { return link_.session().changeInterface(); });
    if (!result)
        return;
    // The reader stays where it is when the frame did not reach it: so does the utility.
    if (!result->ok()) {
        QMessageBox::warning(nullptr, WindowText::tr("Change Mode"),
                             WindowText::tr("The reader did not get the interface change; the utility stays open."));
        return;
    }
    link_.leaveForOtherInterface();
}
