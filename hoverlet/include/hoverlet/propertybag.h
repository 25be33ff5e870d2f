#pragma once

#include <hoverlet/hoverlet_export.h>

#include <QFont>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace hoverlet {

// The stored properties of one hosted control, as its form keeps them.
// Names are compared without regard to case and kept in lower case; a value equal to its
// default is not stored. "_extentx" and "_extenty" hold the control's size in hundredths of a
// millimetre. The ambient font is the host form's font, the default of a control's Font.
//
// Text form, one property a line:  Name = value
//   "text"                      a string; "" inside stands for one quote
//   -1, 2566                    an integer (booleans: -1 True, 0 False)
//   &H00FF0000&                 a 32-bit colour in hexadecimal
//   "MS Sans Serif" 8.25 bold underline
//                               a font: family, points, then any of bold italic underline strikeout
class HOVERLET_EXPORT PropertyBag
{
public:
    PropertyBag();
    explicit PropertyBag(const QFont &ambientFont);
    PropertyBag(const PropertyBag &other);
    PropertyBag &operator=(const PropertyBag &other);
    PropertyBag(PropertyBag &&other) noexcept;
    PropertyBag &operator=(PropertyBag &&other) noexcept;
    ~PropertyBag();

    QFont ambientFont() const;
    void setAmbientFont(const QFont &font);

    bool contains(QStringView name) const;
    QStringList names() const; // lower case, in the order they were written
    QVariant read(QStringView name, const QVariant &defaultValue) const;
    void write(QStringView name, const QVariant &value, const QVariant &defaultValue);

    QString toText() const;
    static std::optional<PropertyBag> fromText(QStringView text, QString *error = nullptr);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace hoverlet
