#include "demotree/gen_pictures.h"

#include "demotree/exercises.h"
#include "demotree/gen_shared.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace demotree::pictures {

namespace {

using gen::fail;

constexpr int kWidth = 480;
constexpr int kHeader = 40;

const QColor kInk(0x33, 0x33, 0x33);
const QColor kFrame(0x7F, 0x8C, 0x99);
const QColor kBand(0xDC, 0xE6, 0xF2);
const QColor kGreyBar(0xC8, 0xCC, 0xD2);
const QColor kAccent(0xE3, 0x6C, 0x0A);

QFont font(int pixels, bool bold = false)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                   QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void text(QPainter& p, const QRect& r, const QString& s, int pixels, bool bold = false,
          int flags = Qt::AlignLeft | Qt::AlignVCenter)
{
    p.setFont(font(pixels, bold));
    p.setPen(kInk);
    p.drawText(r, flags, s);
}

// A window frame with a title bar; returns the client area.
QRect window(QPainter& p, const QRect& r, const QString& title)
{
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const QRect bar(r.left(), r.top(), r.width(), 22);
    p.fillRect(bar.adjusted(1, 1, 0, 0), QColor(0xB9, 0xD1, 0xEA));
    text(p, bar.adjusted(8, 0, 0, 0), title, 12);
    return r.adjusted(1, 23, 0, 0);
}

void greyLines(QPainter& p, QRect r, int count, int step = 12)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGreyBar);
    for (int i = 0; i < count && r.top() + i * step + 6 <= r.bottom(); ++i) {
        const int w = (i == count - 1) ? r.width() * 3 / 5 : r.width();
        p.drawRoundedRect(QRect(r.left(), r.top() + i * step, w, 6), 2, 2);
    }
}

void arrow(QPainter& p, QPoint from, QPoint to)
{
    p.setPen(QPen(kAccent, 3));
    p.drawLine(from, to);
    const QLineF l(to, from);
    QLineF a = l, b = l;
    a.setLength(10);
    b.setLength(10);
    a.setAngle(l.angle() + 30);
    b.setAngle(l.angle() - 30);
    p.drawLine(a);
    p.drawLine(b);
}

void page(QPainter& p, const QRect& area, const QStringList& labels)
{
    const int w = 280;
    const QRect sheet(area.center().x() - w / 2, area.top(), w, area.height());
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    const QRect inner = sheet.adjusted(24, 14, -24, -12);
    text(p, QRect(inner.left(), inner.top(), inner.width(), 22), labels.value(0), 14, true, Qt::AlignCenter);
    greyLines(p, QRect(inner.left(), inner.top() + 34, inner.width(), 40), 3);
    const int columns = qMax(1, labels.value(1).toInt());
    const int gap = 16;
    const int colW = (inner.width() - gap * (columns - 1)) / columns;
    const QRect block(inner.left(), inner.top() + 80, inner.width(), inner.bottom() - inner.top() - 80);
    for (int c = 0; c < columns; ++c)
        greyLines(p, QRect(block.left() + c * (colW + gap), block.top(), colW, block.height()), block.height() / 12);
    if (columns > 1) {
        p.setPen(QPen(kAccent, 1, Qt::DashLine));
        for (int c = 1; c < columns; ++c) {
            const int x = block.left() + c * (colW + gap) - gap / 2;
            p.drawLine(x, block.top(), x, block.bottom());
        }
    }
}

void sheet(QPainter& p, const QRect& area, const QStringList& labels)
{
    int cols = 1;
    for (const QString& row : labels) cols = qMax(cols, int(row.split(',').size()));
    const int rowH = qMin(28, area.height() / int(qMax<qsizetype>(1, labels.size())));
    const int colW = area.width() / cols;
    for (int r = 0; r < labels.size(); ++r) {
        const QStringList cells = labels[r].split(',');
        for (int c = 0; c < cols; ++c) {
            const QRect cell(area.left() + c * colW, area.top() + r * rowH, colW, rowH);
            p.setPen(QPen(kFrame, 1));
            p.setBrush(r == 0 ? QColor(0xE8, 0xEC, 0xF0) : QColor(Qt::white));
            p.drawRect(cell);
            text(p, cell.adjusted(4, 0, -4, 0), cells.value(c), 12, r == 0, Qt::AlignCenter);
        }
    }
}

void slide(QPainter& p, const QRect& area, const QStringList& labels)
{
    const int h = area.height();
    const int w = qMin(area.width(), h * 4 / 3);
    const QRect s(area.center().x() - w / 2, area.top(), w, h);
    p.setPen(QPen(kFrame, 1));
    p.setBrush(QColor(0xFA, 0xFB, 0xFD));
    p.drawRect(s);
    const QRect title(s.left() + 20, s.top() + 16, s.width() - 40, 40);
    text(p, title, labels.value(0), 22, true, Qt::AlignCenter);
    int y = title.bottom() + 18;
    for (qsizetype i = 1; i < labels.size(); ++i, y += 30)
        text(p, QRect(s.left() + 36, y, s.width() - 56, 24), QStringLiteral("• ") + labels[i], 14);
    arrow(p, QPoint(s.left() + 4, s.top() + 36), QPoint(s.left() + 40, s.top() + 36));
}

void folders(QPainter& p, const QRect& area, const QStringList& labels)
{
    const int rowH = qMin(30, area.height() / int(qMax<qsizetype>(1, labels.size())));
    for (int i = 0; i < labels.size(); ++i) {
        const QString entry = labels[i];
        const int depth = int(entry.size() - entry.trimmed().size());
        const QString name = entry.trimmed();
        const QRect icon(area.left() + 10 + depth * 26, area.top() + i * rowH + 5, 20, rowH - 12);
        p.setPen(QPen(kFrame, 1));
        if (name.contains('.')) {
            p.setBrush(Qt::white);
            p.drawRect(icon.adjusted(3, 0, -3, 0));
        } else {
            p.setBrush(QColor(0xF6, 0xD3, 0x65));
            p.drawRect(icon);
        }
        if (depth > 0) {
            p.setPen(QPen(kGreyBar, 1));
            p.drawLine(icon.left() - 14, icon.center().y(), icon.left() - 3, icon.center().y());
        }
        text(p, QRect(icon.right() + 8, icon.top() - 4, area.width(), icon.height() + 8), name, 14);
    }
}

void browser(QPainter& p, const QRect& area, const QStringList& labels)
{
    const QRect client = window(p, area, QStringLiteral("浏览器"));
    const QRect address(client.left() + 8, client.top() + 6, client.width() - 16, 22);
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::white);
    p.drawRect(address);
    text(p, address.adjusted(6, 0, 0, 0), labels.value(0), 12);
    const QRect body = client.adjusted(16, 40, -16, -10);
    text(p, QRect(body.left(), body.top(), body.width(), 28), labels.value(1), 18, true);
    greyLines(p, QRect(body.left(), body.top() + 40, body.width(), body.height() - 40), 8, 14);
    if (!labels.value(2).isEmpty()) {
        const QRect dlg(area.right() - 300, area.bottom() - 110, 290, 100);
        const QRect in = window(p, dlg, QStringLiteral("另存为"));
        text(p, QRect(in.left() + 8, in.top() + 8, in.width() - 16, 24), QStringLiteral("文件名：") + labels[2], 12);
        text(p, QRect(in.left() + 8, in.top() + 40, in.width() - 16, 24), QStringLiteral("保存类型：网页，全部"), 12);
    }
}

void listPane(QPainter& p, const QRect& r, const QString& title, const QStringList& files)
{
    const QRect client = window(p, r, title);
    int y = client.top() + 8;
    for (const QString& f : files) {
        if (f.isEmpty()) continue;
        const QRect icon(client.left() + 10, y + 3, 16, 18);
        p.setPen(QPen(kFrame, 1));
        p.setBrush(f.contains('.') ? QColor(Qt::white) : QColor(0xF6, 0xD3, 0x65));
        p.drawRect(icon);
        text(p, QRect(icon.right() + 8, y, client.width() - 40, 24), f, 13);
        y += 28;
    }
}

void transfer(QPainter& p, const QRect& area, const QStringList& labels)
{
    const int paneW = (area.width() - 60) / 2;
    const QRect left(area.left(), area.top(), paneW, area.height());
    const QRect right(area.right() - paneW, area.top(), paneW, area.height());
    listPane(p, left, labels.value(0), labels.value(2).split('|'));
    listPane(p, right, labels.value(1), labels.value(3).split('|'));
    const int y = area.center().y();
    arrow(p, QPoint(left.right() + 8, y), QPoint(right.left() - 8, y));
    text(p, QRect(left.right(), y - 30, 60, 20), QStringLiteral("下载"), 12, true, Qt::AlignCenter);
}

void dialog(QPainter& p, const QRect& area, const QStringList& labels)
{
    const QRect client = window(p, area, QString());
    int y = client.top() + 12;
    for (const QString& line : labels) {
        const qsizetype colon = line.indexOf(QStringLiteral("："));
        const QString field = colon < 0 ? QString() : line.left(colon + 1);
        const QString value = colon < 0 ? line : line.mid(colon + 1);
        text(p, QRect(client.left() + 12, y, 80, 26), field, 13);
        const QRect box(client.left() + 96, y, client.width() - 110, 26);
        p.setPen(QPen(kFrame, 1));
        p.setBrush(Qt::white);
        p.drawRect(box);
        text(p, box.adjusted(6, 0, -4, 0), value, 13);
        y += 36;
    }
}

void scene(QPainter& p, const QRect& area, const QStringList& labels)
{
    p.setClipRect(area);
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, QColor(0x8E, 0xC5, 0xEE));
    sky.setColorAt(1, QColor(0xE4, 0xF2, 0xFB));
    p.fillRect(area, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xD5, 0x4F));
    p.drawEllipse(QPoint(area.right() - 60, area.top() + 40), 22, 22);
    p.setBrush(QColor(0x6D, 0xA8, 0x4C));
    p.drawEllipse(QRect(area.left() - 60, area.bottom() - 90, 300, 200));
    p.setBrush(QColor(0x4E, 0x8B, 0x3A));
    p.drawEllipse(QRect(area.left() + 180, area.bottom() - 70, 340, 200));
    const QRect house(area.center().x() - 50, area.bottom() - 120, 100, 80);
    p.setBrush(QColor(0xE8, 0xDC, 0xC8));
    p.drawRect(house);
    p.setBrush(QColor(0x5B, 0x7D, 0xA8));
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) p.drawRect(house.left() + 12 + c * 30, house.top() + 12 + r * 32, 16, 18);
    const QRect tag(area.left() + 10, area.bottom() - 34, 120, 26);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(tag, 4, 4);
    text(p, tag, labels.value(0), 14, true, Qt::AlignCenter);
}

QImage draw(const DemoPicture& pic)
{
    QImage img(kWidth, pic.height, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (pic.sketch == Sketch::Scene) {
        // A photo stand-in fills the whole picture and has no headline.
        scene(p, img.rect(), pic.labels);
        return img;
    }
    p.fillRect(QRect(0, 0, kWidth, kHeader), kBand);
    text(p, QRect(12, 0, kWidth - 24, kHeader), pic.caption, 16, true);
    const QRect area(16, kHeader + 12, kWidth - 32, pic.height - kHeader - 24);
    switch (pic.sketch) {
    case Sketch::Page: page(p, area, pic.labels); break;
    case Sketch::Sheet: sheet(p, area, pic.labels); break;
    case Sketch::Slide: slide(p, area, pic.labels); break;
    case Sketch::Folders: folders(p, area, pic.labels); break;
    case Sketch::Browser: browser(p, area, pic.labels); break;
    case Sketch::Transfer: transfer(p, area, pic.labels); break;
    case Sketch::Dialog: dialog(p, area, pic.labels); break;
    case Sketch::Scene: break;
    }
    p.setPen(QPen(kFrame, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    return img;
}

bool save(const DemoPicture& pic, const QString& path, QString* error)
{
    const QByteArray bytes = jpeg(pic);
    if (bytes.isEmpty()) return fail(error, QStringLiteral("cannot write JPEG (image format plugin missing?)"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return fail(error, QStringLiteral("cannot write ") + path);
    return true;
}

}  // namespace

QByteArray jpeg(const DemoPicture& picture)
{
    // Every demo tree holds the same pictures; tests build many trees.
    static QHash<QString, QByteArray> cache;
    const QString key = QString::number(int(picture.sketch)) + '|' + QString::number(picture.height) + '|' +
                        picture.caption + '|' + picture.labels.join(QChar(0x1F));
    if (const auto it = cache.constFind(key); it != cache.constEnd()) return *it;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(88);
    if (!writer.write(draw(picture))) return {};
    cache.insert(key, buffer.data());
    return buffer.data();
}

bool generateExercisePictures(const QString& materialsFolder, QString* error)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(error, QStringLiteral("drawing pictures needs a QGuiApplication"));
    for (const DemoExercise& ex : demoExercises()) {
        const QString bank = bankFolder(materialsFolder, ex.kind);
        for (const DemoPicture& pic : ex.samples)
            if (!save(pic, bank + QStringLiteral("/样图/") + ex.name() + '/' + pic.file, error)) return false;
        for (const DemoPicture& pic : ex.extras)
            if (!save(pic, bank + '/' + pic.file, error)) return false;
    }
    return true;
}

}  // namespace demotree::pictures
