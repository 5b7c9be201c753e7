// The JSON property bag, and how a button starts, loads and saves through a
// property bag.
#include "widgets/propertybag.h"

#include "widgets/qzbuttons.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QJsonDocument>

Q_DECLARE_METATYPE(widgets::ButtonPicture)

namespace widgets {

namespace {

QJsonValue encode(const QVariant& v)
{
    if (!v.isValid() || v.isNull()) return QJsonValue(QJsonValue::Null);
    if (v.metaType() == QMetaType::fromType<QFont>()) return QJsonObject{{"font", v.value<QFont>().toString()}};
    if (v.metaType() == QMetaType::fromType<ButtonPicture>()) {
        const auto pic = v.value<ButtonPicture>();
        if (pic.isNull()) return QJsonValue(QJsonValue::Null);
        QByteArray png;
        QBuffer buf(&png);
        buf.open(QIODevice::WriteOnly);
        pic.image.save(&buf, "PNG");
        return QJsonObject{{"image", QString::fromLatin1(png.toBase64())}, {"icon", pic.icon}};
    }
    if (v.metaType() == QMetaType::fromType<bool>()) return v.toBool() ? -1 : 0;
    if (v.metaType() == QMetaType::fromType<QString>()) return v.toString();
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (ok) return n;
    return QJsonValue::fromVariant(v);
}

QVariant decode(const QJsonValue& j)
{
    if (j.isObject()) {
        const QJsonObject o = j.toObject();
        if (o.contains("font")) {
            QFont f;
            f.fromString(o.value("font").toString());
            return f;
        }
        if (o.contains("image")) {
            ButtonPicture pic;
            pic.image.loadFromData(QByteArray::fromBase64(o.value("image").toString().toLatin1()), "PNG");
            pic.icon = o.value("icon").toBool();
            return QVariant::fromValue(pic);
        }
        return QVariant();
    }
    if (j.isDouble()) return QVariant(qlonglong(j.toInteger()));
    if (j.isString()) return j.toString();
    if (j.isBool()) return QVariant(qlonglong(j.toBool() ? -1 : 0));
    return QVariant();
}

QVariant pictureValue(const ButtonPicture& p) { return p.isNull() ? QVariant() : QVariant::fromValue(p); }
ButtonPicture pictureOf(const QVariant& v)
{
    return v.metaType() == QMetaType::fromType<ButtonPicture>() ? v.value<ButtonPicture>() : ButtonPicture();
}
OleColor colourOf(const QVariant& v) { return OleColor(quint32(v.toLongLong())); }
short boolOf(const QVariant& v) { return v.toLongLong() != 0 ? kTrue : kFalse; }

}  // namespace

QVariant JsonPropertyBag::ReadProperty(const QString& key, const QVariant& def) const
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd()) return def;
    const QVariant v = decode(*it);
    return v.isValid() ? v : def;
}

void JsonPropertyBag::WriteProperty(const QString& key, const QVariant& value, const QVariant& def)
{
    const QJsonValue v = encode(value);
    if (v.isNull() || (def.isValid() && v == encode(def))) {
        m_values.remove(key);
        return;
    }
    m_values.insert(key, v);
}

QByteArray JsonPropertyBag::toJson() const { return QJsonDocument(m_values).toJson(QJsonDocument::Indented); }

bool JsonPropertyBag::fromJson(const QByteArray& text)
{
    const QJsonDocument doc = QJsonDocument::fromJson(text);
    m_values = doc.isObject() ? doc.object() : QJsonObject();
    return doc.isObject();
}

// ---- The button's side ----

void qzButtons_H::InitProperties()
{
    // The initial caption is the host application's legal notice.
    m_caption = QCoreApplication::instance() ? qApp->property("LegalCopyright").toString() : QString();
    m_captionAlign = 2;
    m_showFocusRect = true;
    m_hoverForeColor = kSysButtonText;
    m_hoverBackColor = kSysButtonFace;
    m_foreColor = kSysButtonText;
    if (QWidget* p = parentWidget()) setFont(p->font());
    ambientChanged(QStringLiteral("BackColor"));
    m_backColor = kSysButtonFace;
    RefreshResource("BackColor");
    for (const char* key : {"Caption", "CapAlign", "Focus", "cFHover", "cBHover", "Font"}) notify(QLatin1String(key));
}

bool qzButtons_H::ReadProperties(const PropertyBag& bag)
{
    ambientChanged(QStringLiteral("BackColor"));
    DelayDrawing(true);
    auto num = [&bag](const char* key, qlonglong def) { return bag.ReadProperty(QLatin1String(key), def).toLongLong(); };
    m_caption = bag.ReadProperty("Caption", QString()).toString();
    m_captionAlign = int(num("CapAlign", 2));
    m_buttonStyle = int(num("BackStyle", 0));
    m_buttonShape = int(num("Shape", 0));
    m_gradientMode = int(num("Gradient", 0));
    m_gradientColor = colourOf(bag.ReadProperty("cGradient", qlonglong(kSysButtonFace)));
    m_foreColor = colourOf(bag.ReadProperty("cFore", qlonglong(kSysButtonText)));
    const QVariant f = bag.ReadProperty("Font");
    if (f.metaType() == QMetaType::fromType<QFont>()) setFont(f.value<QFont>());
    m_showFocusRect = boolOf(bag.ReadProperty("Focus", qlonglong(kTrue))) != kFalse;
    m_mode = int(num("Mode", 0));
    m_value = boolOf(bag.ReadProperty("Value", qlonglong(kFalse))) != kFalse;
    m_customClick = int(num("CustomClick", 0));
    m_picture = pictureOf(bag.ReadProperty("Image"));
    m_picturePixels = int(num("ImgSize", 16));
    m_pictureAlign = int(num("ImgAlign", 0));
    m_hoverForeColor = colourOf(bag.ReadProperty("cFHover", qlonglong(kSysButtonText)));
    QWidget::setEnabled(boolOf(bag.ReadProperty("Enabled", qlonglong(kTrue))) != kFalse);
    const QWidget* parent = parentWidget();
    const OleColor parentBack = parent ? OleColor(fromQColor(parent->palette().color(QPalette::Window))) : kSysButtonFace;
    m_backColor = colourOf(bag.ReadProperty("cBack", qlonglong(parentBack)));
    // Older bags hold the hover back colour as "cBhover": both spellings load.
    const QVariant hoverBack = bag.contains("cBHover") ? bag.ReadProperty("cBHover") : bag.ReadProperty("cBhover");
    m_hoverBackColor = hoverBack.isValid() ? colourOf(hoverBack) : m_backColor;
    m_hoverColorLocks = int(num("LockHover", 0));
    m_captionStyle = int(num("CapStyle", 0));
    setMouseIcon(pictureOf(bag.ReadProperty("mIcon")));
    setMousePointer(int(num("mPointer", 0)));

    RefreshResource("Picture");
    RefreshResource("BackColor");
    setCaption(m_caption);
    if (m_mode == 2) UpdateOptionGroup(1);
    m_delayDraw = false;
    resizeHandler();
    return true;
}

void qzButtons_H::WriteProperties(PropertyBag& bag) const
{
    bag.WriteProperty("Caption", m_caption, QString());
    bag.WriteProperty("CapAlign", m_captionAlign, 2);
    bag.WriteProperty("BackStyle", m_buttonStyle, 0);
    bag.WriteProperty("Shape", m_buttonShape, 0);
    bag.WriteProperty("Font", font());
    bag.WriteProperty("cFore", qlonglong(m_foreColor), qlonglong(kSysButtonText));
    bag.WriteProperty("cFHover", qlonglong(m_hoverForeColor), qlonglong(kSysButtonText));
    bag.WriteProperty("cBHover", qlonglong(m_hoverBackColor), qlonglong(m_backColor));
    bag.WriteProperty("Focus", int(ShowFocusRect()), int(kTrue));
    bag.WriteProperty("LockHover", m_hoverColorLocks, 0);
    bag.WriteProperty("cGradient", qlonglong(m_gradientColor), qlonglong(kSysButtonFace));
    bag.WriteProperty("Gradient", m_gradientMode, 0);
    bag.WriteProperty("CapStyle", m_captionStyle, 0);
    bag.WriteProperty("Mode", m_mode);
    bag.WriteProperty("Value", int(Value()));
    bag.WriteProperty("CustomClick", m_customClick, 0);
    bag.WriteProperty("ImgAlign", m_pictureAlign, 0);
    bag.WriteProperty("Image", pictureValue(m_picture));
    bag.WriteProperty("ImgSize", m_picturePixels, 16);
    bag.WriteProperty("Enabled", int(Enabled()), int(kTrue));
    bag.WriteProperty("cBack", qlonglong(m_backColor));
    bag.WriteProperty("mPointer", m_mousePointer, 0);
    bag.WriteProperty("mIcon", pictureValue(m_mouseIcon));
}

}  // namespace widgets
