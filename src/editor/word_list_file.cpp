#include "editor/word_list_file.h"

#include <QCoreApplication>

#include <algorithm>

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
    Scanner(const QByteArray &bytes, const std::function<void(const QString &)> &field)
        : m_data(bytes.constData())
        , m_size(bytes.size())
        , m_field(field)
    {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    // False when a quoted field never closes.
    bool run()
    {
        while (m_pos < m_size) {
            if (skipBlankLine())
                continue;
            if (!readLine())
                return false;
        }
        return true;
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
    bool readLine()
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
                m_field(QString::fromLatin1(m_data + open, close - open));
                m_pos = nextSeparator(close + 1);
            } else {
                const qsizetype end = nextSeparator(m_pos);
                m_field(QString::fromLatin1(m_data + m_pos, end - m_pos));
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
    const std::function<void(const QString &)> &m_field;
    qsizetype m_pos = 0;
};

QString tr(const char *text)
{
    return QCoreApplication::translate("WordListFile", text);
}

} // namespace

bool forEachField(const QByteArray &bytes, const std::function<void(const QString &)> &field)
{
    return Scanner(bytes, field).run();
}

ParseResult parse(const QByteArray &bytes)
{
    ParseResult result;
    result.unterminatedQuote = !forEachField(bytes, [&](const QString &f) { result.fields.append(f); });
    return result;
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

QString tooLargeReason()
{
    return tr("it is larger than 16 MB, the limit for a word list");
}

QString unterminatedQuoteReason()
{
    return tr("a quoted word runs past the end of the file");
}

} // namespace WordListFile
