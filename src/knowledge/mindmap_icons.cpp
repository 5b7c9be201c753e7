// The faces of the root buttons: simple pictures of our own, one per kind.
#include "knowledge/mindmap.h"

#include <QPainter>
#include <QPainterPath>

namespace knowledge {
namespace {

// A rounded tile in the application's colour with its initial letter.
void letterTile(QPainter& p, int s, const QColor& colour, const QString& letter)
{
    const QRectF r(s * 0.06, s * 0.06, s * 0.88, s * 0.88);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(r, s * 0.16, s * 0.16);
    p.setBrush(colour.lighter(135));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.18), s * 0.16, s * 0.16);
    QFont f(QStringLiteral("Sans"));
    f.setBold(true);
    f.setPixelSize(qMax(1, int(s * 0.58)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, letter);
}

void globe(QPainter& p, int s)
{
    const QRectF r(s * 0.08, s * 0.08, s * 0.84, s * 0.84);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 136, 229));
    p.drawEllipse(r);
    QPen pen(Qt::white);
    pen.setWidthF(qMax(1.0, s * 0.035));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.adjusted(r.width() * 0.28, 0, -r.width() * 0.28, 0));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    const double dy = r.height() * 0.25;
    const double inset = r.width() * 0.07;
    p.drawLine(QPointF(r.left() + inset, r.center().y() - dy), QPointF(r.right() - inset, r.center().y() - dy));
    p.drawLine(QPointF(r.left() + inset, r.center().y() + dy), QPointF(r.right() - inset, r.center().y() + dy));
}

// A window with four panes.
void window(QPainter& p, int s)
{
    const double gap = s * 0.05;
    const QRectF r(s * 0.1, s * 0.1, s * 0.8, s * 0.8);
    const QColor panes[4] = {QColor(244, 81, 30), QColor(124, 179, 66), QColor(3, 169, 244), QColor(255, 193, 7)};
    const double w = (r.width() - gap) / 2;
    const double h = (r.height() - gap) / 2;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(panes[i]);
        p.drawRoundedRect(QRectF(r.left() + (i % 2) * (w + gap), r.top() + (i / 2) * (h + gap), w, h), s * 0.03,
                          s * 0.03);
    }
}

}  // namespace

QPixmap rootIcon(const QString& kind, int size)
{
    const int s = qMax(16, size);
    QPixmap pm(s, s);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == QStringLiteral("word")) letterTile(p, s, QColor(43, 87, 154), QStringLiteral("W"));
    else if (kind == QStringLiteral("excel")) letterTile(p, s, QColor(33, 115, 70), QStringLiteral("X"));
    else if (kind == QStringLiteral("ppt")) letterTile(p, s, QColor(210, 71, 38), QStringLiteral("P"));
    else if (kind == QStringLiteral("network")) globe(p, s);
    else window(p, s);
    return pm;
}

}  // namespace knowledge
