#include "platform/ButtonPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace platform {

namespace {

void drawBox(QPainter& p)
{
    // A parcel with a green plus: a product coming in.
    p.setPen(QPen(QColor(120, 80, 30), 1.5));
    p.setBrush(QColor(222, 176, 110));
    p.drawRect(QRectF(3.5, 9.5, 20, 18));
    p.drawLine(QPointF(3.5, 15.5), QPointF(23.5, 15.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 150, 50));
    p.drawEllipse(QRectF(17, 2, 14, 14));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(23, 4.5, 2, 9));
    p.drawRect(QRectF(19.5, 8, 9, 2));
}

void drawCart(QPainter& p)
{
    // A shopping cart: a product going out.
    p.setPen(QPen(QColor(30, 70, 160), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath basket;
    basket.moveTo(2, 5);
    basket.lineTo(7, 5);
    basket.lineTo(11, 21);
    basket.lineTo(26, 21);
    basket.lineTo(29, 10);
    basket.lineTo(9, 10);
    p.drawPath(basket);
    p.setBrush(QColor(30, 70, 160));
    p.drawEllipse(QRectF(10, 24, 4.5, 4.5));
    p.drawEllipse(QRectF(22, 24, 4.5, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 170, 20));
    p.drawEllipse(QRectF(14, 11.5, 7, 7));
}

void drawList(QPainter& p)
{
    // A sheet with lines: the sales lines.
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 2.5, 21, 27));
    p.setPen(QPen(QColor(200, 60, 40), 2));
    for (int i = 0; i < 5; ++i) p.drawPoint(QPointF(9.5, 8.5 + i * 4.5));
    p.setPen(QPen(QColor(60, 100, 180), 1.6));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(12.5, 8.5 + i * 4.5), QPointF(23, 8.5 + i * 4.5));
}

void drawBars(QPainter& p)
{
    // Bars over an axis: the summary.
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.drawLine(QPointF(3, 4), QPointF(3, 29));
    p.drawLine(QPointF(3, 29), QPointF(30, 29));
    const QColor colours[] = {QColor(220, 80, 60), QColor(60, 150, 70), QColor(60, 110, 200), QColor(240, 170, 30)};
    const double heights[] = {10, 18, 13, 23};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.drawRect(QRectF(6 + i * 6, 28 - heights[i], 4.5, heights[i]));
    }
}

void drawPencil(QPainter& p)
{
    // A pencil over a sheet: a line corrected.
    p.setPen(QPen(QColor(90, 90, 90), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 5.5, 19, 24));
    p.setPen(QPen(QColor(60, 100, 180), 1.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(7, 11.5 + i * 4.5), QPointF(18, 11.5 + i * 4.5));
    p.setPen(QPen(QColor(120, 70, 20), 1));
    p.setBrush(QColor(240, 170, 30));
    QPainterPath pencil;
    pencil.moveTo(26, 2);
    pencil.lineTo(30, 6);
    pencil.lineTo(16, 20);
    pencil.lineTo(11, 22);
    pencil.lineTo(13, 17);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

void drawCross(QPainter& p)
{
    // A red cross: lines deleted.
    p.setPen(QPen(QColor(200, 40, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 7), QPointF(25, 25));
    p.drawLine(QPointF(25, 7), QPointF(7, 25));
}

}  // namespace

QIcon picture(Picture which)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case Picture::NewProduct: drawBox(p); break;
    case Picture::Sell: drawCart(p); break;
    case Picture::SalesDetail: drawList(p); break;
    case Picture::Summary: drawBars(p); break;
    case Picture::Correct: drawPencil(p); break;
    case Picture::Delete: drawCross(p); break;
    }
    return QIcon(pixmap);
}

}  // namespace platform
