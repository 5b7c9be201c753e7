#include "forms/controls.h"

#include "forms/twips.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace forms {

void AutoSizeLabel::setCaption(const QString& text)
{
    setText(text);
    if (!wordWrap()) {
        adjustSize();
        return;
    }
    // A word-wrapping label keeps its width and takes the height of its
    // wrapped text (at least one line).
    const int lines = qMax(heightForWidth(width()), fontMetrics().height() + contentsMargins().top() + contentsMargins().bottom());
    resize(width(), lines);
}

void FixedLabel::paintEvent(QPaintEvent* e)
{
    const QStringList lines = text().split('\n');
    const QFontMetrics fm(font());
    const QRect r = contentsRect();
    if (lines.size() < 2 || wordWrap() || textFormat() == Qt::RichText || fm.lineSpacing() * lines.size() <= r.height()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int step = r.height() / static_cast<int>(lines.size());
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    for (int i = 0; i < lines.size(); ++i) {
        const QRect line(r.left(), r.top() + i * step, r.width(), step);
        p.drawText(line, h | Qt::AlignVCenter, lines[i]);
    }
}

void WrapButton::setPicture(const QPixmap& pm)
{
    picture_ = pm;
    update();
}

QSize WrapButton::sizeHint() const { return size(); }

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    opt.icon = QIcon();
    p.drawControl(QStyle::CE_PushButtonBevel, opt);
    const QRect r = rect().adjusted(4, 4, -4, -4);
    if (!picture_.isNull()) {
        const QPixmap pm = picture_.scaled(r.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        p.drawPixmap(r.center() - QPoint(pm.width() / 2, pm.height() / 2), pm);
        return;
    }
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    // The classic toolkit's blanks are half a character wide, and its captions
    // break at blanks: "  任 务    项 目" shows as two lines. Drawing each blank
    // as an en space (half an em, a break opportunity) keeps those captions.
    QString shown = text();
    shown.replace(QLatin1Char(' '), QChar(0x2002));
    p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, shown);
}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const QString caption = title();
    // The top edge runs through the middle of the caption.
    const int top = caption.isEmpty() ? 0 : fm.height() / 2;
    if (!isFlat() && width() > 2 && height() > top + 2) {
        const QRect box(0, top, width() - 2, height() - top - 2);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(box);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(box.translated(1, 1));
    }
    if (caption.isEmpty()) return;
    const QRect text(8, 0, fm.horizontalAdvance(caption) + 4, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::AlignCenter | Qt::TextSingleLine, caption);
}

LineControl::LineControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void LineControl::setPoints(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    relayout();
}

void LineControl::setLineWidth(int px)
{
    width_ = px < 1 ? 1 : px;
    relayout();
}

void LineControl::setColor(const QColor& c)
{
    color_ = c;
    update();
}

void LineControl::relayout()
{
    const int pad = width_;
    const int l = std::min(tw(x1_), tw(x2_)) - pad;
    const int t = std::min(tw(y1_), tw(y2_)) - pad;
    const int r = std::max(tw(x1_), tw(x2_)) + pad;
    const int b = std::max(tw(y1_), tw(y2_)) + pad;
    setGeometry(l, t, r - l + 1, b - t + 1);
    update();
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(color_);
    pen.setWidth(width_);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    const QPoint o = pos();
    p.drawLine(QPoint(tw(x1_), tw(y1_)) - o, QPoint(tw(x2_), tw(y2_)) - o);
}

}  // namespace forms
