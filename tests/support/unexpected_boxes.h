#pragma once
// What a test program does with a message box no test scripted: the box
// never waits for a click; the running test fails at once with its text.
#include "platform/msgbox.h"

namespace testing_support {

// The message boxes in force whenever no ScriptedMessageBoxes is installed:
// every box fails the running test with its text and is answered No/Cancel.
plat::MessageBoxes& unexpectedMessageBoxes();

// Installs those boxes, and a watch that fails the running test with the
// text of any other modal dialog (a Qt message box or file dialog shown
// around msgOk) and closes it before it can wait for a click.
void installUnexpectedDialogWatch();

}  // namespace testing_support
