#pragma once

#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/process_exit.h"
#include "platform/text_printer.h"
#include "scripted_random.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct ShownMessage
{
    QString text;
    QString title;
};

class RecordingMessageBox final : public MessageBox
{
public:
    void show(const QString &text, const QString &title) override { shown.append({text, title}); }
    QList<ShownMessage> shown;
};

class RecordingExit final : public ProcessExit
{
public:
    void exitNow() override
    {
        ++exits;
        if (onExit)
            onExit();
    }
    int exits = 0;
    std::function<void()> onExit;
};

// Pre-answered dialogs: each call takes the next queued path ("" when none).
class ScriptedFileDialog final : public FileDialog
{
public:
    QString openFile(QWidget *parent, const QString &filter) override;
    QString saveFile(QWidget *parent, const QString &filter, const QString &title,
                     const QString &defaultSuffix) override;

    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList filtersSeen;
    QStringList titlesSeen;   // of save dialogs
    QStringList suffixesSeen; // of save dialogs
    int opens = 0;
    int saves = 0;
};

// One entry per endDocument(): the lines of that job.
class RecordingPrinter final : public TextPrinter
{
public:
    void setFontName(const QString &name) override { fontNames.append(name); }
    void printLine(const QString &line) override { current.append(line); }
    void printEmptyLine() override { current.append(QString()); }
    void endDocument() override
    {
        jobs.append(current);
        current.clear();
    }

    QStringList fontNames;
    QStringList current;
    QList<QStringList> jobs;
};

// Fakes for every seam, wired into a Platform.
struct FakePlatform
{
    RecordingMessageBox messageBox;
    ScriptedFileDialog fileDialog;
    RecordingPrinter printer;
    ScriptedRandom random;
    RecordingExit processExit;

    Platform platform()
    {
        return Platform{&messageBox, &fileDialog, &printer, &random, &processExit};
    }
};
