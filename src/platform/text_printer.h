#pragma once

#include <QString>
#include <QStringList>

// The printer as a stream of text lines, one job per endDocument().
class TextPrinter
{
public:
    virtual ~TextPrinter() = default;
    virtual void setFontName(const QString &name) = 0;
    virtual void printLine(const QString &line) = 0;
    virtual void printEmptyLine() = 0;
    // Ends the job; returns what became of it as the user is to hear it
    // ("Saved the job to ..."), or nothing when there is nothing to tell.
    virtual QString endDocument() = 0;
};
