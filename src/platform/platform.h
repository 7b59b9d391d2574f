#pragma once

class FileDialog;
class MessageBox;
class ProcessExit;
class RandomSource;
class TextPrinter;

// The services the windows reach the outside world through. main() hands in
// the Qt ones; tests hand in recording or scripted ones. Not owned.
struct Platform
{
    MessageBox *messageBox = nullptr;
    FileDialog *fileDialog = nullptr;
    TextPrinter *printer = nullptr;
    RandomSource *random = nullptr;
    ProcessExit *processExit = nullptr;
};
