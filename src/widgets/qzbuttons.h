// qzButtons_H: an owner-drawn push button that draws its whole face itself in
// one of eight looks, on a rectangular, slanted, elliptic or picture-shaped
// window, and acts as a command button, a check box or an option button.
//
// At the property interface the control keeps its classic numeric rules:
// Booleans are 16-bit with True = -1, colours are 32-bit values in which bit 31
// names a system colour (index in the low byte; 0x8000000F button face,
// 0x80000012 button text) and any other value is r + 256 g + 65536 b, and every
// measure is in pixels. Inside it works with ordinary C++ and Qt types.
//
// Every change ends in one redraw that composes the face in an off-screen
// image of the control's size and shows it in one go.
#pragma once

#include <QFont>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

namespace widgets {

class PropertyBag;

using OleColor = quint32;
constexpr OleColor kSysButtonFace = 0x8000000F;
constexpr OleColor kSysButtonText = 0x80000012;
constexpr short kTrue = -1;
constexpr short kFalse = 0;

// A picture as the button holds it: a bitmap, whose top-left pixel is the
// transparent key colour, or an icon, drawn with its own alpha.
struct ButtonPicture {
    QImage image;
    bool icon = false;
    bool isNull() const { return image.isNull(); }
    bool operator==(const ButtonPicture& o) const { return icon == o.icon && image == o.image; }
};

// A rectangle as the layout rules write it: right and bottom are exclusive.
struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    bool operator==(const PixelRect&) const = default;
};

class qzButtons_H : public QWidget {
    Q_OBJECT
public:
    // StateFlags bits.
    enum : quint16 { DefaultLook = 1, ButtonDown = 2, CursorOver = 4, WindowShifted = 1024 };

    explicit qzButtons_H(QWidget* parent = nullptr);
    ~qzButtons_H() override;

    // ---- Properties (assignment first, reading second) ----
    void setButtonStyle(int Style);
    int ButtonStyle() const { return m_buttonStyle; }
    void setMode(int nMode);
    int Mode() const { return m_mode; }
    void setCaption(const QString& sCaption);
    QString Caption() const { return m_caption; }
    void setCaptionAlign(int nAlign);
    int CaptionAlign() const { return m_captionAlign; }
    void setCaptionStyle(int nStyle);
    int CaptionStyle() const { return m_captionStyle; }
    void setCustomClick(int nOpt);
    int CustomClick() const { return m_customClick; }
    void setButtonShape(int nShape);
    int ButtonShape() const { return m_buttonShape; }
    void setPicture(const ButtonPicture& xPic);
    ButtonPicture Picture() const { return m_picture; }
    void setPictureAlign(int ImgAlign);
    int PictureAlign() const { return m_pictureAlign; }
    void setEnabled(short bEnabled);
    short Enabled() const { return testAttribute(Qt::WA_ForceDisabled) ? kFalse : kTrue; }
    void setShowFocusRect(short bShow);
    short ShowFocusRect() const { return m_showFocusRect ? kTrue : kFalse; }
    void setValue(short bValue);
    short Value() const { return m_value ? kTrue : kFalse; }
    void setPictureSize(int nSize);
    int PictureSize();
    void setMousePointer(int nPointer);
    int MousePointer() const { return m_mousePointer; }
    void setMouseIcon(const ButtonPicture& nIcon);
    ButtonPicture MouseIcon() const { return m_mouseIcon; }
    void setButtonFont(const QFont& nFont);  // the Font property
    QFont ButtonFont() const { return font(); }
    void setFontStyle(int nStyle);
    int FontStyle() const;
    void setForeColor(OleColor nColor);
    OleColor ForeColor() const { return m_foreColor; }
    void setBackColor(OleColor nColor);
    OleColor BackColor() const { return m_backColor; }
    void setGradientColor(OleColor nColor);
    OleColor GradientColor() const { return m_gradientColor; }
    void setGradientMode(int nOpt);
    int GradientMode() const { return m_gradientMode; }
    void setResetDefaultColors(short nDefault);
    short ResetDefaultColors() const { return kFalse; }
    void setHoverColorLocks(int nLock);
    int HoverColorLocks() const { return m_hoverColorLocks; }
    void setHoverForeColor(OleColor nColor);
    OleColor HoverForeColor() const { return m_hoverForeColor; }
    void setHoverBackColor(OleColor nColor);
    OleColor HoverBackColor() const { return m_hoverBackColor; }
    WId hwnd() const { return effectiveWinId(); }
    void Refresh();
    void DelayDrawing(bool bDelay);

    // Published help text of a property, by its name ("ButtonStyle", ...).
    static QString propertyDescription(const QString& name);

    // ---- Host side (ambient properties, persistence) ----
    // False while the host is a designer: then refusals explain themselves.
    void setUserMode(bool userMode);
    bool userMode() const { return m_userMode; }
    // True while the host shows this control as its default button: Enter
    // anywhere in its window clicks it, unless a focused command button takes
    // Enter itself.
    void setDisplayAsDefault(bool on);
    // True while the control is its window's cancel button: Escape clicks it.
    void setCancel(bool on);
    // Shows a designer message; tests and hosts may replace it.
    using MessageHandler = std::function<void(const QString& text, const QString& title)>;
    static void setMessageHandler(MessageHandler handler);

    void InitProperties();
    bool ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;

    // Access key delivered by the host (Enter and Escape for default and
    // cancel buttons; Alt + letter arrives by itself as a shortcut).
    void AccessKeyPress(int KeyAscii);
    QChar accessKey() const { return m_accessKey; }

    // ---- Read-only view of the state, for hosts, tools and tests ----
    quint16 stateFlags() const { return m_stateFlags; }
    bool isHovering() const { return m_isHovering; }
    bool pressedByInput() const { return m_pressedByInput; }
    int lastButton() const { return m_lastButton; }
    bool delayDraw() const { return m_delayDraw; }
    int leftSlant() const { return m_leftSlant; }
    int rightEdge() const { return m_rightEdge; }
    PixelRect captionRect() const { return m_captionRect; }
    PixelRect pictureRect() const { return m_pictureRect; }
    int picturePixels() const { return m_picturePixels; }
    int pictureWidth() const { return m_pictureWidth; }
    int pictureHeight() const { return m_pictureHeight; }
    int pictureKind() const { return m_pictureKind; }
    const QImage& preparedPicture() const { return m_prepared; }
    QRegion windowRegion() const { return m_windowRegion; }
    QRegion innerRegion() const { return m_innerRegion; }
    QRegion insetRegion() const { return m_insetRegion; }
    // The face as last shown: off-screen buffer plus the shape outline.
    // Null when the control is too small to draw anything.
    const QImage& surface() const { return m_surface; }
    int redrawCount() const { return m_redrawCount; }
    int faceColor() const { return m_faceColor; }
    int darkColor() const { return m_darkColor; }
    int lightColor() const { return m_lightColor; }
    int hoverFaceColor() const { return m_hoverFaceColor; }
    // Members of this control's option group, in joining order.
    QList<qzButtons_H*> optionGroupMembers() const;

    // Colour helpers (RGB = r + 256 g + 65536 b).
    int ResolveColor(OleColor colour) const;
    // amount is in-out: avoiding black and white turns it round.
    static int ShadeColor(int colour, int& amount, bool scaleBlue, bool avoidExtremes, bool invert);
    static int ShadeColor(int colour, int amount, bool scaleBlue = false)
    {
        return ShadeColor(colour, amount, scaleBlue, false, false);
    }
    static std::vector<int> BuildGradientColors(int bands, int a, int b);
    static QColor toQColor(int rgb) { return QColor(rgb & 255, (rgb >> 8) & 255, (rgb >> 16) & 255); }
    static int fromQColor(const QColor& c) { return c.red() + 256 * c.green() + 65536 * c.blue(); }

    // Smallest client size that can hold the three border rings; anything
    // smaller is drawn as nothing.
    static constexpr int kMinFaceSize = 6;

signals:
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void KeyDown(int KeyCode, int Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, int Shift);
    void MouseOnButton(bool OnButton);
    void Click();
    void DoubleClick(int Button);
    // The host's property-changed notification, with the bag key.
    void PropertyChanged(const QString& key);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;
    void changeEvent(QEvent*) override;
    bool event(QEvent*) override;

private:
    using Points = std::array<QPoint, 16>;
    using Colours = std::array<int, 13>;  // index 1..12

    // properties and input
    bool designMode() const { return !m_userMode; }
    void designMessage(const QString& text, const QString& title = QString());
    void notify(const QString& key) { emit PropertyChanged(key); }
    bool UpdateOptionGroup(int action);
    void leaveOptionGroupQuietly();
    void rejoinOptionGroup();
    void moveInOptionGroup(int step);
    void grabWindowKey(int& id, bool on, Qt::Key key);
    bool takesEnter(const QKeyEvent* e) const;
    void startHover(bool leftHeld);
    void endHover();
    void onMouseDown(int button, int shift, float x, float y);
    void onMouseUp(int button, int shift, float x, float y);
    void onClick();
    void ambientChanged(const QString& name);
    void resizeHandler();
    void enabledChanged();
    bool insideShape(const QPoint& p) const;
    void updateAmbientDefault();

    // drawing pipeline
    bool degenerate() const { return width() < kMinFaceSize || height() < kMinFaceSize; }
    bool heldDownOver() const { return (m_stateFlags & ButtonDown) && (m_stateFlags & CursorOver); }
    bool pushed() const { return m_value || (m_pressedByInput && m_mode > 0); }
    void RedrawButton();
    bool composeFace();
    void UpdateBackBuffer(bool create);
    void RefreshResource(const QString& name);
    void PaintBackground(int face, int& focusState, int& level, int gradient, int hoverFace);
    void PrepareShapeBackground(int& level);
    void PaintGradient(int a, int b);
    void ShiftPressedWindow(bool& moved);
    void fillRect(int left, int top, int right, int bottom, int colour);
    void setPixel(int x, int y, int colour);
    void openPixels();
    void closePixels();
    void drawLine(QPoint from, QPoint to, int colour, bool dotted);
    void clipTo(const QRegion& region);
    void preparePainterClip(const QRect& target);
    bool inClip(int x, int y) const;
    void frameRegion(QImage& image, const QRegion& region, int colour) const;

    // renderers
    void RenderStyle(Points& pts, Colours& cols, int& focusState, int& level);
    void renderClassic(Colours& cols, int& focusState, int& level);  // styles 0, 1, 4, 5, 6
    void renderStyle2(Colours& cols, int& focusState, int& level);
    void renderStyle3(Colours& cols, int& focusState, int& level);
    void renderStyle7(Colours& cols, int& focusState, int& level);
    void DrawBorders(Points& pts, const Colours& cols, int outerPenStyle);
    void styleTail(Colours& cols, int& level) const;

    // shapes
    void BuildButtonShape();

    // caption, picture, focus
    void CalculateLayout(bool preparePicture);
    void DrawCaptionAndPicture(int face, int textColour, bool pushedIn, bool singlePass);
    void DrawFocusIndicator(int colour, bool solid, bool aroundCaption, const Points& pts);
    void drawText(const QString& text, const PixelRect& r, int colour);
    QString displayCaption() const;
    QFontMetrics bufferMetrics() const;

    // pictures
    void PreparePicture(int width, int height, QRegion* region);
    QSize FitPictureToSize(int w, int h) const;
    void DrawButtonPicture(PixelRect rect);

    // Holds drawing back for a scope, then puts back the hold that was there
    // before: an outer hold (loading, DelayDrawing) stays on.
    struct DrawingHold {
        qzButtons_H& button;
        bool was;
        explicit DrawingHold(qzButtons_H& b) : button(b), was(b.m_delayDraw) { b.m_delayDraw = true; }
        ~DrawingHold() { button.m_delayDraw = was; }
        DrawingHold(const DrawingHold&) = delete;
        DrawingHold& operator=(const DrawingHold&) = delete;
    };

    // ---- member state ----
    QImage m_buffer;
    QImage m_surface;
    QPainter* m_painter = nullptr;  // open on m_buffer during a redraw
    QRgb* m_bits = nullptr;         // m_buffer's pixels while m_painter is open
    int m_stride = 0;               // pixels a row
    int m_bitsW = 0, m_bitsH = 0;
    QRegion m_clip;                 // clipping of the buffer, kept between redraws
    bool m_clipOn = false;
    int m_penColour = 0;
    bool m_penDotted = false;
    QRegion m_insetRegion, m_innerRegion, m_windowRegion;
    QFont m_bufferFont;
    QString m_caption;
    int m_captionAlign = 0;
    int m_captionStyle = 0;
    int m_buttonStyle = 0;
    quint16 m_stateFlags = 0;
    int m_buttonShape = 0;
    int m_leftSlant = 0;
    int m_rightEdge = 0;
    PixelRect m_captionRect;
    bool m_showFocusRect = false;
    OleColor m_hoverBackColor = 0;
    OleColor m_hoverForeColor = 0;
    int m_hoverColorLocks = 0;
    int m_gradientMode = 0;
    OleColor m_gradientColor = 0;
    int m_mode = 0;
    bool m_value = false;
    int m_customClick = 0;
    ButtonPicture m_picture;
    QImage m_prepared;  // working copy at drawing size, key pixels transparent
    int m_pictureAlign = 0;
    int m_picturePixels = 0;
    PixelRect m_pictureRect;
    int m_pictureWidth = 0, m_pictureHeight = 0;
    int m_pictureKind = 0;
    bool m_delayDraw = false;
    bool m_stale = true;  // a redraw was held back or never made
    OleColor m_backColor = 0;
    OleColor m_foreColor = 0;
    int m_faceColor = 0, m_darkColor = 0, m_hoverFaceColor = 0, m_lightColor = 0;
    int m_lastButton = 0;
    bool m_isHovering = false;
    int m_ambientBackColor = 0;
    bool m_pressedByInput = false;
    int m_mousePointer = 0;
    ButtonPicture m_mouseIcon;
    bool m_userMode = true;
    bool m_displayAsDefault = false;  // set by the host
    bool m_ambientDefault = false;    // the ambient DisplayAsDefault: host default or focus
    bool m_suppressClick = false;     // the release after a double click clicks nothing
    QChar m_accessKey;
    int m_shortcutId = 0;
    int m_defaultReturnId = 0, m_defaultEnterId = 0;  // Enter while the host's default button
    int m_cancelId = 0;                               // Escape while the window's cancel button
    QPointer<QWidget> m_groupContainer;  // the container whose option group holds this button
    QPointer<QObject> m_group;           // that group
    int m_redrawCount = 0;
    // Work kept between redraws: the border pixels of the last framed
    // regions, and the last gradient's colours.
    struct FrameRuns {
        QSize size;
        QRegion region;
        std::vector<QRect> runs;
    };
    mutable std::array<FrameRuns, 4> m_frameRuns;
    mutable unsigned m_nextFrameRuns = 0;
    struct GradientColours {
        int bands = -1, a = 0, b = 0;
        std::vector<int> colours;
    };
    GradientColours m_gradient;
};

}  // namespace widgets
