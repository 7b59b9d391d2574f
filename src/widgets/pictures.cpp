#include "widgets/pictures.h"

#include "widgets/look.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Letters of a 7 x 7 board; LEXMIRE runs along the diagonal.
constexpr const char *board[] = {
    "LQWORDS", "TEKSPAY", "HUXZLNG", "FINMDOB", "RAZCIUV", "GRIDORT", "PUZZLEE",
};
constexpr int boardSize = 7;

void drawBoard(QPainter &p, const QRectF &area, bool ringDiagonal)
{
    const qreal cell = std::min(area.width(), area.height()) / boardSize;
    const QPointF origin(area.center().x() - cell * boardSize / 2, area.center().y() - cell * boardSize / 2);
    QFont font = Look::font(QStringLiteral("Arial"), 10, true);
    font.setPixelSize(std::max(6, static_cast<int>(cell * 0.62)));
    p.setFont(font);
    for (int r = 0; r < boardSize; ++r) {
        for (int c = 0; c < boardSize; ++c) {
            const QRectF box(origin.x() + c * cell, origin.y() + r * cell, cell, cell);
            p.setPen(r == c && ringDiagonal ? QColor(200, 0, 0) : QColor(60, 60, 60));
            p.drawText(box, Qt::AlignCenter, QString(QLatin1Char(board[r][c])));
        }
    }
    if (ringDiagonal) {
        // A rounded band along the diagonal, as a solver would ring a word.
        p.save();
        p.translate(origin + QPointF(cell / 2, cell / 2));
        p.rotate(45);
        const qreal length = (boardSize - 1) * cell * 1.41421356 + cell;
        QPen pen(Look::orange, std::max(2.0, cell * 0.12));
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(-cell / 2, -cell * 0.45, length, cell * 0.9), cell * 0.45, cell * 0.45);
        p.restore();
    }
}

} // namespace

namespace Pictures {

QPixmap wordsearch(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(pixmap.rect()).adjusted(4, 4, -4, -4);
    p.setPen(QPen(Look::orange, 3));
    p.setBrush(QColor(255, 244, 230));
    p.drawRoundedRect(frame, 10, 10);
    drawBoard(p, frame.adjusted(8, 8, -8, -8), true);
    return pixmap;
}

QPixmap printBackdrop(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(QColor(255, 248, 240));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setOpacity(0.35);
    drawBoard(p, QRectF(pixmap.rect()), false);
    p.setOpacity(0.6);
    const qreal radius = std::min(size.width(), size.height()) * 0.22;
    const QPointF centre(size.width() * 0.62, size.height() * 0.42);
    p.setPen(QPen(QColor(90, 60, 30), radius * 0.18));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(90, 60, 30), radius * 0.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.72, radius * 0.72), centre + QPointF(radius * 1.6, radius * 1.6));
    return pixmap;
}

QPixmap appIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Look::orange);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);
    p.setBrush(QColor(0xff, 0xf6, 0xec));
    p.drawRoundedRect(QRectF(28, 28, 200, 200), 20, 20);
    QFont font = Look::font(QStringLiteral("Arial"), 10, true);
    font.setPixelSize(44);
    p.setFont(font);
    p.setPen(QColor(0x50, 0x30, 0x14));
    const char *letters = "LQWTEKHUX";
    for (int i = 0; i < 9; ++i) {
        const QRectF box(38 + (i % 3) * 60, 44 + (i / 3) * 60, 60, 60);
        p.drawText(box, Qt::AlignCenter, QString(QLatin1Char(letters[i])));
    }
    p.translate(68, 74);
    p.rotate(45);
    p.setPen(QPen(QColor(0xd0, 0, 0), 10));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-26, -28, 222, 56), 28, 28);
    return pixmap;
}

} // namespace Pictures
