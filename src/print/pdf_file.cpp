#include "print/pdf_file.h"

#include "platform/file_save.h"

#include <QBuffer>
#include <QPdfWriter>

namespace PdfFile {

QString save(const QString &path, const std::function<bool(QPdfWriter &)> &draw)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    bool drawn = false;
    {
        QPdfWriter writer(&pdf); // the document ends when the writer does
        drawn = draw(writer);
    }
    return drawn ? FileSave::save(path, pdf.data()).error : QStringLiteral("the document could not be drawn");
}

} // namespace PdfFile
