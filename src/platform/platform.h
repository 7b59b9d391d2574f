#pragma once

class FileDialog;
class MessageBox;
class Dialogs;
class ProcessExit;
class RandomSource;
class TextPrinter;

// The services the windows reach the outside world through. main() hands in
// the Qt ones; tests hand in recording or scripted ones. Not owned.
struct Platform
{
    MessageBox &messageBox;
    FileDialog &fileDialog;
    TextPrinter &printer;
    RandomSource &random;
    ProcessExit &processExit;
    Dialogs &dialogs;
};
