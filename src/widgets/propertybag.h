// Property bag: where a host keeps the settings of the buttons it places,
// as named values. Writing a value equal to its default stores nothing (and
// drops what an earlier save left under that key); reading a missing key
// gives the default. Keys match exactly, letter case included.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QStringList>
#include <QVariant>

namespace widgets {

class PropertyBag {
public:
    virtual ~PropertyBag() = default;
    // The stored value, or def when the key is absent.
    virtual QVariant ReadProperty(const QString& key, const QVariant& def = QVariant()) const = 0;
    // Stores value unless it equals def; an invalid def means "always stored"
    // (an invalid value, "nothing", is then not stored).
    virtual void WriteProperty(const QString& key, const QVariant& value, const QVariant& def = QVariant()) = 0;
    virtual bool contains(const QString& key) const = 0;
};

// A property bag kept as a JSON object. Numbers (colours, Booleans as -1 and
// 0) are JSON numbers, texts strings, fonts {"font": "..."} and pictures
// {"image": base64 PNG, "icon": true|false}.
class JsonPropertyBag : public PropertyBag {
public:
    JsonPropertyBag() = default;
    explicit JsonPropertyBag(QJsonObject values) : m_values(std::move(values)) {}

    QVariant ReadProperty(const QString& key, const QVariant& def = QVariant()) const override;
    void WriteProperty(const QString& key, const QVariant& value, const QVariant& def = QVariant()) override;
    bool contains(const QString& key) const override { return m_values.contains(key); }

    QStringList keys() const { return m_values.keys(); }
    const QJsonObject& values() const { return m_values; }
    QByteArray toJson() const;
    // False (and the bag left empty) when the text is not a JSON object.
    bool fromJson(const QByteArray& text);

private:
    QJsonObject m_values;
};

}  // namespace widgets
