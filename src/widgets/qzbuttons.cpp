// qzButtons_H: properties with their rules, input, hover tracking and option
// groups. Drawing is in qzbuttons_draw.cpp, the property bag in propertybag.cpp.
#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace widgets {

namespace {

qzButtons_H::MessageHandler& messageHandler()
{
    static qzButtons_H::MessageHandler handler;
    return handler;
}

// The option group of one container: its members in joining order, held by
// guarded pointers so that a destroyed control can never be reached.
class OptionGroup : public QObject {
public:
    static constexpr const char* kName = "Buttons_OptGroup";
    explicit OptionGroup(QWidget* container) : QObject(container) { setObjectName(QLatin1String(kName)); }
    QList<QPointer<qzButtons_H>> members;

    static OptionGroup* of(QWidget* container, bool create)
    {
        if (!container) return nullptr;
        auto* g = container->findChild<OptionGroup*>(QLatin1String(kName), Qt::FindDirectChildrenOnly);
        if (!g && create) g = new OptionGroup(container);
        if (g) g->members.removeIf([](const QPointer<qzButtons_H>& p) { return p.isNull(); });
        return g;
    }
};

// Enter or Return without Control or Alt.
bool isEnterKey(const QKeyEvent* e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
           !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

int shiftState(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

int buttonCode(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

// The classic key code of a Qt key (letters and digits are their ASCII codes).
int keyCode(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Space: return 32;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    default: break;
    }
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_Z) return e->key();
    return e->key() & 0xFFFF;
}

// Mouse pointers by their classic numbers; 99 is the custom icon.
Qt::CursorShape cursorFor(int pointer)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,      Qt::ArrowCursor,     Qt::CrossCursor,     Qt::IBeamCursor,   Qt::ArrowCursor,
        Qt::SizeAllCursor,    Qt::SizeBDiagCursor, Qt::SizeVerCursor,   Qt::SizeFDiagCursor, Qt::SizeHorCursor,
        Qt::UpArrowCursor,    Qt::WaitCursor,      Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor,
        Qt::SizeAllCursor,
    };
    return pointer >= 0 && pointer < 16 ? shapes[pointer] : Qt::ArrowCursor;
}

}  // namespace

qzButtons_H::qzButtons_H(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    InitProperties();
}

qzButtons_H::~qzButtons_H()
{
    // A destroyed option button leaves its group, so no later click reaches it.
    leaveOptionGroupQuietly();
}

void qzButtons_H::setMessageHandler(MessageHandler handler) { messageHandler() = std::move(handler); }

void qzButtons_H::designMessage(const QString& text, const QString& title)
{
    if (!designMode()) return;
    const QString t = title.isEmpty() ? QCoreApplication::applicationName() : title;
    if (messageHandler()) messageHandler()(text, t);
    else QMessageBox::information(this, t, text);
}

// ---- Properties ----

void qzButtons_H::setButtonStyle(int Style)
{
    if (Style < 0 || Style > 7) return;
    const int old = m_buttonStyle;
    m_buttonStyle = Style;
    if (m_buttonShape < 4 || ((old == 5 || Style == 5) && m_buttonShape < 7)) BuildButtonShape();
    CalculateLayout(false);
    RefreshResource("BackColor");
    RedrawButton();
    notify("BackStyle");
}

void qzButtons_H::setMode(int nMode)
{
    if (nMode < 0 || nMode > 2) return;
    if (m_mode == 2 && nMode < 2) UpdateOptionGroup(-1);
    if (nMode == 2 && m_mode < 2) UpdateOptionGroup(1);
    if (nMode == 0 && m_mode > 0) setValue(kFalse);
    m_mode = nMode;
    RedrawButton();
    notify("Mode");
}

// The character a caption marks as access key: the one after its last single
// "&" ("&&" shows one ampersand and marks nothing). found is false when the
// caption holds no "&" at all.
static QChar markedAccessKey(const QString& caption, bool& found)
{
    found = caption.contains(QLatin1Char('&'));
    QChar key;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) continue;
        if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        key = i + 1 < caption.size() ? caption.at(i + 1) : QChar();
    }
    return key;
}

void qzButtons_H::setCaption(const QString& sCaption)
{
    bool hasAmpersand = false;
    const QChar key = markedAccessKey(sCaption, hasAmpersand);
    if (hasAmpersand) {
        if (key != m_accessKey) {
            if (m_shortcutId) releaseShortcut(m_shortcutId);
            m_shortcutId = 0;
            m_accessKey = key;
            if (!key.isNull()) m_shortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode()))));
        }
    }
    m_caption = sCaption;
    CalculateLayout(false);
    RedrawButton();
    notify("Caption");
}

void qzButtons_H::setCaptionAlign(int nAlign)
{
    if (nAlign < 0 || nAlign > 2) return;
    if (nAlign == 2 || m_pictureAlign <= 3 || m_pictureWidth + m_pictureHeight <= 0) {
        m_captionAlign = nAlign;
        CalculateLayout(false);
        RedrawButton();
        notify("CapAlign");
    } else {
        designMessage(QStringLiteral("When button images are aligned top/bottom center, \r\nbutton captions can only be center aligned"));
    }
}

void qzButtons_H::setCaptionStyle(int nStyle)
{
    if (nStyle < 0 || nStyle > 2) return;
    m_captionStyle = nStyle;
    notify("CapStyle");
    if (!m_caption.isEmpty()) {
        CalculateLayout(false);
        RedrawButton();
    }
}

void qzButtons_H::setCustomClick(int nOpt)
{
    if (nOpt < 0 || nOpt > 8) return;
    if (m_buttonShape < 7 && nOpt > 0)
        designMessage(QStringLiteral("This property has no effect unless the Button Shape is a custom shape."));
    m_customClick = nOpt;
    notify("CustomClick");
}

void qzButtons_H::setButtonShape(int nShape)
{
    if (nShape < 0 || nShape > 8) return;
    if (nShape >= 7) {
        if (m_picture.isNull() || m_pictureKind == 1) {
            designMessage(QStringLiteral("The Picture Property must be assigned first and must be a bitmap or JPEG."));
            return;
        }
        if (PictureSize() != 4) {
            DrawingHold hold(*this);
            setPictureSize(4);
        }
    }
    m_buttonShape = nShape;
    m_captionAlign = 2;
    resizeHandler();
    DelayDrawing(false);
    notify("Shape");
}

void qzButtons_H::setPicture(const ButtonPicture& xPic)
{
    m_picture = xPic;
    if (m_picturePixels == 0) m_picturePixels = 16;
    RefreshResource("Picture");
    if (m_buttonShape < 7) {
        CalculateLayout(true);
        RedrawButton();
    } else {
        if (m_picture.isNull()) {
            setButtonShape(0);
        } else if (m_pictureKind == 1) {
            setButtonShape(0);
            designMessage(QStringLiteral("Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\r\n"
                                         "Button was changed to Rectangular shaped."));
        }
        resizeHandler();
    }
    notify("Image");
}

void qzButtons_H::setPictureAlign(int ImgAlign)
{
    if (ImgAlign < 0 || ImgAlign > 5) return;
    m_pictureAlign = ImgAlign;
    if (ImgAlign == 4 || ImgAlign == 5) setCaptionAlign(2);
    CalculateLayout(false);
    RedrawButton();
    notify("ImgAlign");
}

void qzButtons_H::setEnabled(short bEnabled)
{
    // The control's own flag, not the effective state: under a disabled
    // container the property still turns the control off and on.
    const bool on = bEnabled != kFalse;
    if (on == (Enabled() != kFalse)) return;
    QWidget::setEnabled(on);  // the look follows in changeEvent
    notify("Enabled");
}

// The enabled state changed, through the property or because the container
// was enabled or disabled.
void qzButtons_H::enabledChanged()
{
    // A disabled widget may get no leave event: its hover ends now.
    if (!isEnabled()) endHover();
    if (m_buttonStyle == 3 && m_mode == 0 && m_buttonShape < 4) {
        // Inside an outer hold (loading, DelayDrawing) the outer end redraws.
        const bool held = m_delayDraw;
        {
            DrawingHold hold(*this);
            BuildButtonShape();
            CalculateLayout(false);
        }
        if (held) m_stale = true;
        else DelayDrawing(false);
    } else {
        RedrawButton();
    }
}

void qzButtons_H::setShowFocusRect(short bShow)
{
    m_showFocusRect = bShow != kFalse;
    if (m_stateFlags & DefaultLook) {
        if (!designMode()) {
            m_stateFlags &= ~DefaultLook;
            RedrawButton();
        } else {
            designMessage(QStringLiteral("The focus rectangle may appear on default buttons ONLY while in design mode, \r\n"
                                         "but will not appear when the form is running."));
        }
    } else {
        RedrawButton();
    }
    notify("Focus");
}

void qzButtons_H::setValue(short bValue)
{
    const bool on = bValue != kFalse;
    if (on && m_mode == 0) {
        designMessage(QStringLiteral("This property is not applicable for command button modes."));
        return;
    }
    m_value = on;
    if (on && m_mode == 2) UpdateOptionGroup(0);
    RedrawButton();
    notify("Value");
}

void qzButtons_H::setPictureSize(int nSize)
{
    if (nSize < 0 || nSize > 4) return;
    if (m_buttonShape >= 7) {
        designMessage(QStringLiteral("The picture size cannot be changed for Shaped buttons"));
        return;
    }
    m_picturePixels = (nSize + 2) * 8;
    CalculateLayout(true);
    RedrawButton();
    notify("ImgSize");
}

int qzButtons_H::PictureSize()
{
    if (m_picturePixels == 0) m_picturePixels = 16;
    // A stored pixel size between the five steps reads as the step below it.
    return std::clamp(m_picturePixels / 8 - 2, 0, 4);
}

void qzButtons_H::setMousePointer(int nPointer)
{
    if (!((nPointer >= 0 && nPointer <= 15) || nPointer == 99)) return;
    m_mousePointer = short(nPointer);
    if (nPointer == 99 && !m_mouseIcon.isNull()) setCursor(QCursor(QPixmap::fromImage(m_mouseIcon.image)));
    else if (nPointer == 0 || nPointer == 99) unsetCursor();
    else setCursor(cursorFor(nPointer));
    notify("mPointer");
}

void qzButtons_H::setMouseIcon(const ButtonPicture& nIcon)
{
    if (!nIcon.isNull() && !nIcon.icon) {
        // Only icons and cursors can be mouse pointers.
        designMessage(QStringLiteral("Invalid property value"), QStringLiteral("Select .ico Or .cur Files Only"));
        return;
    }
    m_mouseIcon = nIcon;
    if (!nIcon.isNull()) {
        setMousePointer(99);
        notify("mIcon");
    } else if (m_mousePointer == 99) {
        unsetCursor();  // the custom pointer has nothing left to show
    }
}

void qzButtons_H::setButtonFont(const QFont& nFont)
{
    setFont(nFont);
    RefreshResource("Font");
    CalculateLayout(false);
    RedrawButton();
    notify("Font");
}

void qzButtons_H::setFontStyle(int nStyle)
{
    QFont f = font();
    f.setBold(nStyle & 2);
    f.setItalic(nStyle & 4);
    f.setUnderline(nStyle & 8);
    setFont(f);
    RefreshResource("Font");
    CalculateLayout(false);
    notify("Font");
    RedrawButton();
}

int qzButtons_H::FontStyle() const
{
    const QFont f = font();
    return 2 * f.bold() + 4 * f.italic() + 8 * f.underline();
}

void qzButtons_H::setForeColor(OleColor nColor)
{
    if (nColor == m_foreColor) return;
    m_foreColor = nColor;
    if (m_hoverColorLocks == 0 || m_hoverColorLocks == 1) setHoverForeColor(nColor);
    m_delayDraw = false;
    RedrawButton();
    notify("cFore");
}

void qzButtons_H::setBackColor(OleColor nColor)
{
    m_backColor = nColor;
    if (m_hoverColorLocks == 0 || m_hoverColorLocks == 2)
        setHoverBackColor(m_gradientMode != 0 ? m_gradientColor : m_backColor);
    RefreshResource("BackColor");
    RedrawButton();
    notify("cBack");
}

void qzButtons_H::setGradientColor(OleColor nColor)
{
    if ((m_hoverColorLocks == 0 || m_hoverColorLocks == 2) && m_gradientMode > 0) m_hoverBackColor = nColor;
    m_gradientColor = nColor;
    RefreshResource("BackColor");
    if (m_gradientMode != 0) RedrawButton();
    notify("cGradient");
}

void qzButtons_H::setGradientMode(int nOpt)
{
    if (nOpt < 0 || nOpt > 4) return;
    m_gradientMode = nOpt;
    if (m_hoverColorLocks == 0 || m_hoverColorLocks == 2) {
        m_hoverBackColor = nOpt == 0 ? m_backColor : m_gradientColor;
        RefreshResource("BackColor");
    }
    RedrawButton();
    notify("Gradient");
}

void qzButtons_H::setResetDefaultColors(short nDefault)
{
    if (!designMode() || nDefault != kTrue) return;
    DelayDrawing(true);
    m_backColor = kSysButtonFace;
    setForeColor(kSysButtonText);
    setGradientColor(kSysButtonFace);
    setGradientMode(0);
    setHoverColorLocks(0);
    RefreshResource("BackColor");
    DelayDrawing(false);
    notify("cGradient");
    notify("cBack");
}

void qzButtons_H::setHoverColorLocks(int nLock)
{
    m_hoverColorLocks = nLock;
    if (nLock == 0 || nLock == 2) {
        m_hoverBackColor = m_gradientMode != 0 ? m_gradientColor : m_backColor;
        notify("cBHover");
    }
    if (nLock == 0 || nLock == 1) {
        m_hoverForeColor = m_foreColor;
        notify("cFHover");
    }
    RefreshResource("BackColor");
    notify("LockHover");
}

void qzButtons_H::setHoverForeColor(OleColor nColor)
{
    if (nColor == m_hoverForeColor) return;
    m_hoverForeColor = nColor;
    notify("cFHover");
    if (nColor != m_foreColor) {
        if (m_hoverColorLocks == 0) m_hoverColorLocks = 2;
        else if (m_hoverColorLocks == 1) m_hoverColorLocks = 3;
    }
}

void qzButtons_H::setHoverBackColor(OleColor nColor)
{
    if (nColor == m_hoverBackColor) return;
    m_hoverBackColor = nColor;
    if (nColor != m_backColor) {
        if (m_hoverColorLocks == 0) m_hoverColorLocks = 1;
        else if (m_hoverColorLocks == 2) m_hoverColorLocks = 3;
    }
    RefreshResource("BackColor");
    notify("cBHover");
}

void qzButtons_H::Refresh()
{
    m_delayDraw = false;
    RedrawButton();
}

void qzButtons_H::DelayDrawing(bool bDelay)
{
    m_delayDraw = bDelay;
    if (!bDelay) Refresh();
}

QString qzButtons_H::propertyDescription(const QString& name)
{
    static const QHash<QString, QString> texts = {
        {"ButtonStyle", "Various operating system button styles"},
        {"Mode", "Command button, check box or option button mode"},
        {"Caption", "The caption of the button. Double pipe (||) is a line break."},
        {"CaptionAlign", "Horizontal alignment of caption on the button."},
        {"CaptionStyle", "Flat, Embossed or Engraved effects"},
        {"CustomClick", "Custom shaped buttons only. Moves the button vs the traditional click effect."},
        {"ButtonShape", "Rectangular or various diagonal shapes"},
        {"Picture", "The image used to display on the button."},
        {"PictureAlign", "Alignment of the button image in relation to the caption and/or button."},
        {"Enabled", "Determines if events are fired for this button."},
        {"ShowFocusRect", "Allows or prevents a focus rectangle from being displayed. In design mode, this may always be "
                          "displayed for button set as Default."},
        {"Value", "Applicable to only check box or option button modes: True or False"},
        {"PictureSize", "Various sizes for images used on buttons. Last 2 options center image automatically."},
        {"MousePointer", "Various optional mouse pointers to use when mouse is over the button"},
        {"MouseIcon", "Icon or cursor used to display when mouse is over the button. MousePointer must be set to Custom."},
        {"Font", "Font used to display the caption."},
        {"FontStyle", "Various font attributes that can be changed directly."},
        {"ForeColor", "The color of the caption's font ."},
        {"BackColor", "Button back color. See also ResetDefaultColors"},
        {"GradientColor", "Secondary color used for gradient shades. The BackColor property is the primary color."},
        {"GradientMode", "Various directions to draw the gradient shading."},
        {"ResetDefaultColors", "Resets button's back color and text color to Window's standard. The hover properties are "
                               "also reset."},
        {"HoverColorLocks", "Can ensure the hover colors match the caption and back colors. Click for more options."},
        {"HoverForeColor", "Color of button caption's text when mouse is hovering over it. Affects the HoverLockColors "
                           "property."},
        {"HoverBackColor", "Color of button background when mouse is hovering over it. Affects the HoverLockColors "
                           "property."},
    };
    return texts.value(name);
}

// ---- Host side ----

void qzButtons_H::setUserMode(bool userMode) { m_userMode = userMode; }

void qzButtons_H::setDisplayAsDefault(bool on)
{
    m_displayAsDefault = on;
    grabWindowKey(m_defaultReturnId, on, Qt::Key_Return);
    grabWindowKey(m_defaultEnterId, on, Qt::Key_Enter);
    updateAmbientDefault();
}

void qzButtons_H::setCancel(bool on) { grabWindowKey(m_cancelId, on, Qt::Key_Escape); }

// Takes or gives back a key of the whole window, delivered as access key.
void qzButtons_H::grabWindowKey(int& id, bool on, Qt::Key key)
{
    if (on && !id) id = grabShortcut(QKeySequence(key), Qt::WindowShortcut);
    if (!on && id) {
        releaseShortcut(id);
        id = 0;
    }
}

void qzButtons_H::updateAmbientDefault()
{
    const bool on = m_displayAsDefault || hasFocus();
    if (on == m_ambientDefault) return;
    m_ambientDefault = on;
    ambientChanged(QStringLiteral("DisplayAsDefault"));
}

void qzButtons_H::ambientChanged(const QString& name)
{
    if (name.compare(QLatin1String("DisplayAsDefault"), Qt::CaseInsensitive) == 0) {
        if (m_ambientDefault && (m_showFocusRect || designMode())) m_stateFlags |= DefaultLook;
        else m_stateFlags &= ~DefaultLook;
        const bool custom = m_buttonShape >= 7 && designMode();
        if (custom) m_isHovering = m_stateFlags & DefaultLook;
        RedrawButton();
        if (custom) m_isHovering = false;
    } else if (name.compare(QLatin1String("BackColor"), Qt::CaseInsensitive) == 0) {
        const QWidget* p = parentWidget();
        m_ambientBackColor = p ? fromQColor(p->palette().color(QPalette::Window)) : ResolveColor(kSysButtonFace);
        if (m_buttonShape > 3 || m_buttonStyle == 5) RedrawButton();
    }
}

// ---- Option group ----

bool qzButtons_H::UpdateOptionGroup(int action)
{
    QWidget* container = action == 1 || !m_groupContainer ? parentWidget() : m_groupContainer.data();
    OptionGroup* g = OptionGroup::of(container, action == 1);
    if (!g) return false;
    const QList<QPointer<qzButtons_H>> members = g->members;
    bool result = false;
    if ((action == 1 || !members.isEmpty()) && m_value) {
        for (const auto& m : members)
            if (m && m != this) m->setValue(kFalse);
    }
    switch (action) {
    case -1:
        g->members.removeAll(QPointer<qzButtons_H>(this));
        m_groupContainer = nullptr;
        m_group = nullptr;
        if (g->members.isEmpty()) delete g;
        break;
    case 1:
        // A control stands in its group once, however often it joins.
        if (!g->members.contains(QPointer<qzButtons_H>(this))) g->members.append(this);
        m_groupContainer = container;
        m_group = g;
        break;
    case 2:
        for (const auto& m : members)
            if (m && m->m_value) {
                result = true;
                break;
            }
        break;
    default: break;
    }
    return result;
}

// Leaves the group without touching the other members (destruction, reload).
void qzButtons_H::leaveOptionGroupQuietly()
{
    if (auto* g = static_cast<OptionGroup*>(m_group.data())) {
        g->members.removeAll(QPointer<qzButtons_H>(this));
        if (g->members.isEmpty()) delete g;
    }
    m_group = nullptr;
    m_groupContainer = nullptr;
}

// An option button moved to another container, or given its first one,
// changes groups: it leaves the old group and joins the new container's (a
// selected button joining clears the members there).
void qzButtons_H::rejoinOptionGroup()
{
    if (m_mode != 2) return;
    if (m_group && m_groupContainer == parentWidget()) return;
    leaveOptionGroupQuietly();
    if (parentWidget()) UpdateOptionGroup(1);
}

// Arrow keys on an option button: the focus goes to the next (step 1) or
// previous (-1) member of its group that can take it; the key's release then
// selects that member.
void qzButtons_H::moveInOptionGroup(int step)
{
    const QList<qzButtons_H*> members = optionGroupMembers();
    const qsizetype here = members.indexOf(this);
    if (here < 0) return;
    const qsizetype n = members.size();
    for (qsizetype k = 1; k < n; ++k) {
        qzButtons_H* next = members.at(((here + step * k) % n + n) % n);
        if (next->isVisible() && next->isEnabled() && next->focusPolicy() != Qt::NoFocus) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

QList<qzButtons_H*> qzButtons_H::optionGroupMembers() const
{
    QList<qzButtons_H*> out;
    if (OptionGroup* g = OptionGroup::of(m_groupContainer ? m_groupContainer.data() : parentWidget(), false))
        for (const auto& m : g->members)
            if (m) out << m.data();
    return out;
}

// ---- Input ----

void qzButtons_H::onClick()
{
    if (m_lastButton != 1) return;
    if (m_mode > 0) {
        if (m_mode == 2 && m_value) return;
        setValue(m_value ? kFalse : kTrue);
    }
    emit Click();
}

void qzButtons_H::onMouseDown(int button, int shift, float x, float y)
{
    m_lastButton = button;
    if (button == 1) {
        m_stateFlags |= ButtonDown;
        m_pressedByInput = true;
        m_delayDraw = false;
        RedrawButton();
    }
    emit MouseDown(button, shift, x, y);
}

void qzButtons_H::onMouseUp(int button, int shift, float x, float y)
{
    m_pressedByInput = false;
    if (button == 1) {
        m_stateFlags &= ~ButtonDown;
        m_delayDraw = false;
        if (m_mode == 0) RedrawButton();
    }
    emit MouseUp(button, shift, x, y);
    m_lastButton = button;
}

bool qzButtons_H::insideShape(const QPoint& p) const
{
    if (!rect().contains(p)) return false;
    return m_windowRegion.isEmpty() || m_windowRegion.contains(p);
}

void qzButtons_H::startHover(bool leftHeld)
{
    if (m_isHovering) return;
    m_stateFlags |= CursorOver;
    emit MouseOnButton(true);
    m_isHovering = true;
    m_delayDraw = false;
    if (leftHeld) m_pressedByInput = true;
    RedrawButton();
}

void qzButtons_H::endHover()
{
    if (!m_isHovering) return;
    m_stateFlags &= ~CursorOver;
    m_isHovering = false;
    m_delayDraw = false;
    emit MouseOnButton(false);
    m_pressedByInput = false;
    RedrawButton();
}

void qzButtons_H::enterEvent(QEnterEvent* e)
{
    if (insideShape(e->position().toPoint())) startHover(e->buttons() & Qt::LeftButton);
    QWidget::enterEvent(e);
}

void qzButtons_H::leaveEvent(QEvent* e)
{
    endHover();
    QWidget::leaveEvent(e);
}

void qzButtons_H::hideEvent(QHideEvent* e)
{
    // A window hidden under the cursor sends no leave: the hover ends here.
    endHover();
    QWidget::hideEvent(e);
}

void qzButtons_H::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    const bool inside = insideShape(p);
    if (!m_isHovering && inside) startHover(e->buttons() & Qt::LeftButton);
    else if (m_isHovering && !inside) endHover();  // dragged off while the mouse is held
    emit MouseMove(int(e->buttons() & 7), shiftState(e->modifiers()), float(p.x()), float(p.y()));
}

void qzButtons_H::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    m_suppressClick = false;
    onMouseDown(buttonCode(e->button()), shiftState(e->modifiers()), float(p.x()), float(p.y()));
}

void qzButtons_H::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    onMouseUp(buttonCode(e->button()), shiftState(e->modifiers()), float(p.x()), float(p.y()));
    const bool suppress = m_suppressClick;
    m_suppressClick = false;
    if (!suppress && insideShape(p)) onClick();
}

void qzButtons_H::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit DoubleClick(m_lastButton);
    if (m_lastButton == 1) {
        onMouseDown(1, 0, float(p.x()), float(p.y()));
        m_lastButton = -1;
    } else {
        emit MouseDown(1, 0, float(p.x()), float(p.y()));
    }
    m_suppressClick = true;
}

bool qzButtons_H::takesEnter(const QKeyEvent* e) const { return m_mode == 0 && isEnterKey(e); }

void qzButtons_H::keyPressEvent(QKeyEvent* e)
{
    int code = keyCode(e);
    const int shift = shiftState(e->modifiers());
    static const int scanCodes[] = {75, 72, 77, 80};  // left, up, right, down
    if (code >= 37 && code <= 40) {
        if (QWidget* container = parentWidget())
            QCoreApplication::postEvent(container, new QKeyEvent(QEvent::KeyPress, e->key(), e->modifiers(),
                                                                 quint32(scanCodes[code - 37]), quint32(code), 0));
        // The container passes arrows on to nobody: the button moves the
        // focus within its option group itself.
        if (m_mode == 2) moveInOptionGroup(code == 39 || code == 40 ? 1 : -1);
        code = 0;
    } else if (code == 32 && !e->isAutoRepeat()) {
        if (!(m_stateFlags & ButtonDown)) {
            m_stateFlags |= CursorOver;
            m_pressedByInput = true;
            m_stateFlags |= ButtonDown;
            RedrawButton();
            if (!m_isHovering) m_stateFlags &= ~CursorOver;
        }
    }
    if (code != 0) emit KeyDown(code, shift);
    // A focused command button is its window's default button: Enter clicks it.
    const bool enter = takesEnter(e);
    if (enter && !e->isAutoRepeat()) AccessKeyPress(13);
    const QString text = e->text();
    if (!text.isEmpty() && text.at(0).unicode() < 256 && text.at(0).unicode() >= 8) emit KeyPress(text.at(0).unicode());
    // Keys the button does not use go on to its window (Escape, ...).
    e->setAccepted(enter || keyCode(e) == 32 || (keyCode(e) >= 37 && keyCode(e) <= 40));
}

void qzButtons_H::keyReleaseEvent(QKeyEvent* e)
{
    if (e->isAutoRepeat()) return;
    int code = keyCode(e);
    const int shift = shiftState(e->modifiers());
    m_pressedByInput = false;
    if (code == 32) {
        if (m_stateFlags & ButtonDown) {
            m_stateFlags &= ~ButtonDown;
            m_lastButton = 1;
            if (m_mode == 0) {
                RedrawButton();
            } else {
                emit KeyUp(code, shift);
                code = 0;
            }
            onClick();
        }
    } else if (code >= 37 && code <= 40) {
        code = 0;
        if (m_mode == 2 && !m_value) {
            m_lastButton = 1;
            onClick();
        }
    } else if (code == 16) {
        code = 0;
    }
    if (code != 0) emit KeyUp(code, shift);
    e->setAccepted(keyCode(e) == 32 || (keyCode(e) >= 37 && keyCode(e) <= 40));
}

void qzButtons_H::AccessKeyPress(int KeyAscii)
{
    if ((KeyAscii == 13 || KeyAscii == 27) && m_mode > 0) return;
    if (KeyAscii != 13 && KeyAscii != 27 && !(m_stateFlags & DefaultLook)) RedrawButton();
    m_lastButton = 1;
    onClick();
}

void qzButtons_H::focusInEvent(QFocusEvent* e)
{
    QWidget::focusInEvent(e);
    if (m_mode == 2 && !m_value && !UpdateOptionGroup(2)) {
        m_lastButton = 1;
        onClick();
    }
    updateAmbientDefault();
}

void qzButtons_H::focusOutEvent(QFocusEvent* e)
{
    QWidget::focusOutEvent(e);
    updateAmbientDefault();
}

void qzButtons_H::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::PaletteChange || e->type() == QEvent::ParentChange) ambientChanged(QStringLiteral("BackColor"));
    if (e->type() == QEvent::ParentChange) rejoinOptionGroup();
    // A font inherited from the container changes the caption's font too.
    if (e->type() == QEvent::FontChange) {
        RefreshResource("Font");
        CalculateLayout(false);
        RedrawButton();
    }
    if (e->type() == QEvent::EnabledChange) enabledChanged();
    QWidget::changeEvent(e);
}

bool qzButtons_H::event(QEvent* e)
{
    if (e->type() == QEvent::Shortcut) {
        auto* se = static_cast<QShortcutEvent*>(e);
        if (se->shortcutId() == m_shortcutId && !m_accessKey.isNull()) {
            AccessKeyPress(m_accessKey.toUpper().unicode());
            return true;
        }
        if (se->shortcutId() && (se->shortcutId() == m_defaultReturnId || se->shortcutId() == m_defaultEnterId)) {
            AccessKeyPress(13);
            return true;
        }
        if (se->shortcutId() && se->shortcutId() == m_cancelId) {
            AccessKeyPress(27);
            return true;
        }
    }
    // Enter on a focused command button is this button's, not the window
    // default button's.
    if (e->type() == QEvent::ShortcutOverride && takesEnter(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    return QWidget::event(e);
}

void qzButtons_H::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (designMode() && m_showFocusRect && m_ambientDefault) {
        m_stateFlags |= DefaultLook;
        RedrawButton();
    }
}

void qzButtons_H::resizeEvent(QResizeEvent*) { resizeHandler(); }

void qzButtons_H::resizeHandler()
{
    m_buffer = QImage();
    UpdateBackBuffer(true);
    if (!m_delayDraw) {
        BuildButtonShape();
        CalculateLayout(false);
        RedrawButton();
    }
}

}  // namespace widgets
