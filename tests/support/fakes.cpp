#include "fakes.h"

QString ScriptedFileDialog::openFile(QWidget *, const QString &filter)
{
    ++opens;
    filtersSeen.append(filter);
    return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
}

QString ScriptedFileDialog::saveFile(QWidget *, const QString &filter, const QString &title,
                                     const QString &defaultSuffix)
{
    ++saves;
    filtersSeen.append(filter);
    titlesSeen.append(title);
    suffixesSeen.append(defaultSuffix);
    return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
}
