#include "editor/word_list_file.h"

namespace WordListFile {

ParseResult parse(const QByteArray &)
{
    return {};
}

QByteArray format(const QStringList &)
{
    return {};
}

ReadResult read(const QString &)
{
    return {};
}

QString write(const QString &, const QStringList &)
{
    return {};
}

QString writeTo(QIODevice &, const QStringList &)
{
    return {};
}

} // namespace WordListFile
