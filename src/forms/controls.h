#pragma once
// The few controls that Qt does not have as they are needed here: a label
// that sizes itself to its text, a button whose caption wraps at its width,
// a frame, a line with two end points, and the file and directory list boxes.
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace forms {

// A label that sizes itself to its text whenever the text changes; with word
// wrap on it keeps its width and only its height follows the text.
class AutoSizeLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setCaption(const QString& text);
};

// A label of fixed size. When its lines do not fit its height at the font's
// own line spacing (the CJK fallback fonts are taller than the fonts the
// designs were made with), the lines are drawn closer together instead of
// being cut off.
class FixedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A command button whose caption wraps at word breaks, centred, like the
// classic toolkit's buttons (captions such as "  任 务    项 目" rely on it).
// With a picture it shows the picture in place of the caption.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
    void setPicture(const QPixmap& pm);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QPixmap picture_;
};

// A frame: an etched rectangle with its caption set into the top edge, as
// the classic toolkit draws it; without a border (flat) only the caption
// shows. Drawn with plain lines: the style's group-box picture is scaled
// piece by piece over the whole box on every paint, and a window shows
// many frames.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* e) override;
};

// A line control: two end points in twips relative to its container, a width
// in pixels and a colour. The widget covers the line's bounding box and lets
// the mouse through.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);
    void setPoints(int x1, int y1, int x2, int y2);
    void setX1(int v) { setPoints(v, y1_, x2_, y2_); }
    void setX2(int v) { setPoints(x1_, y1_, v, y2_); }
    void setY1(int v) { setPoints(x1_, v, x2_, y2_); }
    void setY2(int v) { setPoints(x1_, y1_, x2_, v); }
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setLineWidth(int px);
    int lineWidth() const { return width_; }
    void setColor(const QColor& c);
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void relayout();
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int width_ = 1;
    QColor color_ = Qt::black;
};

// A file list box (the files of a folder) and a directory list box (the
// sub-folders of a folder). They show their entries as a list does, but they
// are controls of their own kind: a search meant for list and combo boxes
// does not look into them.
class FileListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
};

class DirListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
};

}  // namespace forms
