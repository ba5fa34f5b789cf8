#pragma once

class QMainWindow;

namespace Ui {
class MainWindow;
}

// What a keyboard and a screen reader meet in the window: a name for every control that takes
// focus, the labels of the combo boxes, the Tab order, the shortcuts, and the widgets that lie
// under others kept out of both.
namespace WindowAccess {

// Once, on the freshly built tree: labels, the widgets nobody sees, Tab order, the shortcuts
// (actions on the window), the page keys, the combo boxes' values and the message boxes' texts
// for a screen reader.
void setUp(Ui::MainWindow &ui, QMainWindow &window);

// The names, in the window's translation context; with the other texts of the window.
void nameControls(Ui::MainWindow &ui);

// The connect button says what a press does now: "Connect", or "Disconnect" while connected;
// its description says the state, which a screen reader speaks when it changes.
void showConnectState(Ui::MainWindow &ui, bool connected);

}  // namespace WindowAccess
