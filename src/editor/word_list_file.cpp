#include "editor/word_list_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>

namespace WordListFile {

namespace {

constexpr char quote = '"';
constexpr char comma = ',';
constexpr char blank = ' ';
constexpr char cr = '\r';
constexpr char lf = '\n';

bool isLineEnd(char c)
{
    return c == cr || c == lf;
}

// A quoted field may span line ends, so the scanner walks the whole buffer
// instead of splitting it into lines first.
class Scanner
{
public:
    explicit Scanner(const QByteArray &bytes)
        : m_data(bytes.constData()), m_size(bytes.size())
    {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    ParseResult run()
    {
        ParseResult result;
        while (m_pos < m_size) {
            if (skipBlankLine())
                continue;
            if (!readLine(result.fields)) {
                result.unterminatedQuote = true;
                break;
            }
        }
        return result;
    }

private:
    // A line of nothing but blanks adds nothing, as an empty one does: a
    // stray blank line in a hand-made file should not raise a refusal.
    bool skipBlankLine()
    {
        qsizetype p = m_pos;
        while (p < m_size && m_data[p] == blank)
            ++p;
        if (p < m_size && !isLineEnd(m_data[p]))
            return false;
        m_pos = p;
        skipLineEnd();
        return true;
    }

    void skipLineEnd()
    {
        if (m_pos >= m_size)
            return;
        if (m_data[m_pos] == cr && m_pos + 1 < m_size && m_data[m_pos + 1] == lf)
            m_pos += 2;
        else
            ++m_pos;
    }

    qsizetype nextSeparator(qsizetype from) const
    {
        while (from < m_size && m_data[from] != comma && !isLineEnd(m_data[from]))
            ++from;
        return from;
    }

    // The fields of one non-empty line (which a quoted field may stretch
    // over further lines). False when a quoted field never closes.
    bool readLine(QStringList &fields)
    {
        for (;;) {
            while (m_pos < m_size && m_data[m_pos] == blank)
                ++m_pos;
            if (m_pos < m_size && m_data[m_pos] == quote) {
                const qsizetype open = m_pos + 1;
                qsizetype close = open;
                while (close < m_size && m_data[close] != quote)
                    ++close;
                if (close == m_size)
                    return false;
                fields.append(QString::fromLatin1(m_data + open, close - open));
                m_pos = nextSeparator(close + 1);
            } else {
                const qsizetype end = nextSeparator(m_pos);
                fields.append(QString::fromLatin1(m_data + m_pos, end - m_pos));
                m_pos = end;
            }
            if (m_pos < m_size && m_data[m_pos] == comma) {
                ++m_pos;
                continue;
            }
            skipLineEnd();
            return true;
        }
    }

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

QString tr(const char *text)
{
    return QCoreApplication::translate("WordListFile", text);
}

} // namespace

ParseResult parse(const QByteArray &bytes)
{
    return Scanner(bytes).run();
}

QByteArray format(const QStringList &entries)
{
    qsizetype size = 0;
    for (const QString &entry : entries)
        size += entry.size() + 4;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString &entry : entries) {
        bytes += quote;
        bytes += entry.toLatin1();
        bytes += quote;
        bytes += "\r\n";
    }
    return bytes;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.parsed = parse(bytes);
    if (result.parsed.unterminatedQuote)
        result.error = tr("a quoted word runs past the end of the file");
    return result;
}

QString write(const QString &path, const QStringList &entries)
{
    QSaveFile file(path);
    // Lets a file in a folder we may not create files in still be saved in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QString reason = writeTo(file, entries);
    if (!reason.isEmpty()) {
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeTo(QIODevice &device, const QStringList &entries)
{
    const QByteArray bytes = format(entries);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0) {
            const QString reason = device.errorString();
            return reason.isEmpty() ? tr("the file could not be written") : reason;
        }
        data += written;
        left -= written;
    }
    return {};
}

} // namespace WordListFile
