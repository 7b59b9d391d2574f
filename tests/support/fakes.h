#pragma once

#include "inputs.h"
#include "platform/dialogs.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/process_exit.h"
#include "platform/text_printer.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

// Records what the program would have shown or done, and answers its dialogs from queues: each dialog takes the next
// queued path ("" when none: a cancel).
struct FakePlatform final : MessageBox, FileDialog, TextPrinter, ProcessExit, Dialogs
{
    void show(const QString &text, const QString &title) override { shown.append(title + u'|' + text); }
    QString openFile(QWidget *, const QString &filter) override
    {
        return answer(filter, openAnswers).value_or(QString());
    }
    QString saveFile(QWidget *, const QString &filter, const QString &title, const QString &defaultSuffix) override
    {
        return answer(filter + u'|' + title + u'|' + defaultSuffix, saveAnswers).value_or(QString());
    }
    void setFontName(const QString &name) override { fontNames.append(name); }
    void printLine(const QString &line) override { current.append(line); }
    void printEmptyLine() override { current.append(QString()); }
    QString endDocument() override { return jobs.append(std::exchange(current, {})), QString(); }
    void exitNow() override { onExit(); }
    // The printer dialogs answer through `setUp`: it may change the printer, and says whether the user accepted; none
    // set is a cancel.
    bool pageSetup(QPrinter &p, QWidget *) override { return printerDialog(QStringLiteral("page setup"), p); }
    bool choosePrinter(QPrinter &p, QWidget *) override { return printerDialog(QStringLiteral("printer"), p); }
    bool printerDialog(const QString &name, QPrinter &p) { return dialogs.append(name), setUp && setUp(p); }
    std::optional<quint32> askNumber(QWidget *, const QString &title, const QString &label, quint32, quint32) override
    {
        return answer(title + u'|' + label, numberAnswers);
    }
    std::optional<QStringList> editWords(QWidget *, const QString &title, const QString &label,
                                         const QStringList &words) override
    {
        return offeredWords = words, answer(title + u'|' + label, wordAnswers);
    }

    // The dialog recorded; the next queued answer, if any.
    template<typename T>
    std::optional<T> answer(const QString &dialog, QList<T> &answers)
    {
        dialogs.append(dialog);
        return answers.isEmpty() ? std::nullopt : std::optional(answers.takeFirst());
    }
    // `printer`, if given, stands in for this one's recording.
    Platform platform(TextPrinter *printer = nullptr)
    {
        return {*this, *this, printer ? *printer : *this, random, *this, *this};
    }

    QStringList shown; // "title|text" of each message box
    QStringList openAnswers, saveAnswers;
    QList<quint32> numberAnswers;
    QList<QStringList> wordAnswers;
    QStringList offeredWords; // what the last word list dialog offered
    QStringList dialogs;      // each one's filter, and a save dialog's "|title|default suffix"
    QStringList fontNames, current;
    QList<QStringList> jobs; // one per endDocument()
    std::function<void()> onExit = [] {};
    std::function<bool(QPrinter &)> setUp;
    ScriptedRandom random;
};
