#pragma once

#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/process_exit.h"
#include "platform/random_source.h"
#include "print/qt_text_printer.h"

// The real seams, owned together.
struct QtPlatform
{
    QtMessageBox messageBox;
    QtFileDialog fileDialog;
    QtTextPrinter printer{messageBox, fileDialog};
    ClockSeededRandom random;
    QtProcessExit processExit;
    QtDialogs dialogs;

    Platform platform() { return Platform{messageBox, fileDialog, printer, random, processExit, dialogs}; }
};
