#pragma once
// A window's design: its control table, written as data beside the window.
//
// Positions and sizes are twips relative to the container. Controls are
// created in table order and each new one lies above the ones before it, so
// a table lists covered controls before the controls that cover them.
#include <QRgb>
#include <QString>
#include <span>

class QWidget;

namespace forms {

class Form;

enum class Kind {
    Label,     // QLabel (AutoSize flag: forms::AutoSizeLabel)
    Button,    // forms::WrapButton
    Frame,     // FrameBox (a QGroupBox) with the caption as its title
    TextBox,   // QLineEdit
    TextArea,  // QPlainTextEdit, multi-line, read-only unless Editable
    Line,      // forms::LineControl: x1, y1, x2, y2
    Combo,     // QComboBox
    List,      // QListWidget
    FileList,  // forms::FileListBox: a folder's files by pattern
    DirList,   // forms::DirListBox: a folder's sub-folders
    Picture,   // QLabel showing a picture
    Option,    // QRadioButton
    Check,     // QCheckBox
    VScroll,   // QScrollBar, vertical
    Progress,  // QProgressBar
};

enum Flag : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    AutoSize = 1u << 2,  // labels: size to the text
    Centered = 1u << 3,  // labels: text centred
    WhiteBack = 1u << 4,
    GreyBack = 1u << 5,  // RGB(224, 224, 224)
    NoBorder = 1u << 6,  // text boxes and frames
    Editable = 1u << 7,  // text areas
    WordWrap = 1u << 8,  // labels
    // Built the first time the window looks it up (Form::ctl), with the
    // controls inside it: auxiliary controls the window never shows, which
    // need not cost anything when the window opens.
    Deferred = 1u << 9,
};

struct Font {
    const char* family = nullptr;  // nullptr: the window's font
    double points = 0;             // 0: the window's size
    bool bold = false;
};

struct Control {
    const char* name = "";
    Kind kind = Kind::Label;
    const char* parent = "";  // "" is the window itself
    int left = 0, top = 0, width = 0, height = 0;
    const char* caption = "";
    unsigned flags = 0;
    Font font = {};
    const char* tip = nullptr;  // hover hint
    // Lines: end points, width in pixels and colour.
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int lineWidth = 1;
    QRgb color = 0xFF000000;
    QRgb back = 0;  // explicit background colour (alpha 0: none)
};

using Design = std::span<const Control>;

// Creates the controls of a design on the window; each widget's object name
// is the control's name. The deferred ones are left for buildDeferredDesign
// (Form::ctl calls it on a look-up that finds nothing); returns whether any
// were.
bool buildDesign(Form* form, Design design);
void buildDeferredDesign(Form* form, Design design);

// Caption of a label, button, frame, text box, option or check box; setting it
// keeps an auto-sized label sized to its text. CR LF is a line break.
QString caption(const QWidget* w);
void setCaption(QWidget* w, const QString& text);

// Position and size in twips.
void moveTw(QWidget* w, int left, int top);
void resizeTw(QWidget* w, int width, int height);
void setGeometryTw(QWidget* w, int left, int top, int width, int height);
int leftTw(const QWidget* w);
int topTw(const QWidget* w);
int widthTw(const QWidget* w);
int heightTw(const QWidget* w);

}  // namespace forms
