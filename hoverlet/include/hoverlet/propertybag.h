#pragma once

#include <hoverlet/hoverlet_export.h>

#include <QFont>
#include <QSharedDataPointer>
#include <QSize>
#include <QString>
#include <QVariant>

#include <optional>

namespace hoverlet {

// The stored properties of one hosted control, as its form keeps them.
// Names are compared without regard to case and kept in lower case; a value equal to its
// default is not stored. "_extentx" and "_extenty" hold the control's size in hundredths of a
// millimetre. The ambient font is the host form's font, the default of a control's Font.
//
// Text form, one property a line:  Name = value   (blank lines and lines starting with # are
// skipped; names are letters, digits and _, not starting with a digit)
//   "text"                      a string; "" inside stands for one quote; line breaks and other
//   "one" & Chr(10) & "two"     control characters are written as Chr(code) joined with &
//   -1, 2566                    a 32-bit integer (booleans: -1 True, 0 False)
//   8.25, 1e-3                  a number
//   &H00FF0000&                 a 32-bit colour in hexadecimal (1 to 8 digits, final & optional)
//   "MS Sans Serif" 8.25 bold underline
//                               a font: family, points, then any of bold italic underline strikeout
//
// The values a bag holds are of those kinds: QString, int, double, uint (colour) and QFont.
// write() turns bool into -1/0 and other integers into int, and refuses what has no text form.
//
// A value class with implicit sharing: copies are cheap and share their data until one of them
// is changed.
class HOVERLET_EXPORT PropertyBag
{
public:
    PropertyBag();
    explicit PropertyBag(const QFont &ambientFont);
    // Defined where the data's type is complete. A move shares the data as a copy does, so that
    // it neither allocates nor throws and the moved-from bag stays usable.
    PropertyBag(const PropertyBag &other);
    PropertyBag &operator=(const PropertyBag &other);
    PropertyBag(PropertyBag &&other) noexcept;
    PropertyBag &operator=(PropertyBag &&other) noexcept;
    ~PropertyBag();

    void swap(PropertyBag &other) noexcept { d.swap(other.d); }

    QFont ambientFont() const;
    void setAmbientFont(const QFont &font);

    bool contains(QStringView name) const;
    QStringList names() const; // lower case, in the order they were written
    QVariant read(QStringView name, const QVariant &defaultValue) const;
    // Stores `value`, or removes the name when `value` equals `defaultValue`. Returns false,
    // storing nothing, for a name or a value that the text form cannot hold.
    bool write(QStringView name, const QVariant &value, const QVariant &defaultValue);
    void remove(QStringView name);

    // The control's size as the host keeps it ("_extentx", "_extenty"), in pixels.
    std::optional<QSize> extent() const;
    void setExtent(const QSize &pixels);

    QString toText() const;
    // Errors read "line N: what is wrong"; the bag has the default ambient font.
    static std::optional<PropertyBag> fromText(QStringView text, QString *error = nullptr);

    // Same names with equal values, in any order; the ambient font is not compared.
    friend HOVERLET_EXPORT bool operator==(const PropertyBag &a, const PropertyBag &b);

private:
    class Private;
    QSharedDataPointer<Private> d;
};

} // namespace hoverlet
