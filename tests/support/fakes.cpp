#include "fakes.h"

QString ScriptedFileDialog::openFile(QWidget *, const QString &filter)
{
    ++opens;
    filtersSeen.append(filter);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileDialog::saveFile(QWidget *, const QString &filter)
{
    ++saves;
    filtersSeen.append(filter);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}
