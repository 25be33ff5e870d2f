#pragma once

#include <hoverlet/olecolor.h>

#include <QExtensionFactory>
#include <QObject>
#include <QtDesigner/QDesignerPropertySheetExtension>

class QWidget;

namespace hoverlet {

// Qt Designer's property sheet for a Hoverlet: Designer's own sheet, except that BackColor,
// HoverColor and NormalColor are edited with Designer's colour editor instead of as integers.
// The control keeps the values it stores: a picked colour becomes a direct colour, and a colour
// that was not picked anew (a system colour such as the default button face) stays what it was.
// A system colour other than the default shows as its number, so that saving keeps it one.
class ColourPropertySheet : public QObject, public QDesignerPropertySheetExtension
{
    Q_OBJECT
    Q_INTERFACES(QDesignerPropertySheetExtension)

public:
    ColourPropertySheet(QDesignerPropertySheetExtension *designerSheet, QWidget *link,
                        QObject *parent);

    int count() const override;
    int indexOf(const QString &name) const override;
    QString propertyName(int index) const override;
    QString propertyGroup(int index) const override;
    void setPropertyGroup(int index, const QString &group) override;
    bool hasReset(int index) const override;
    bool reset(int index) override;
    bool isVisible(int index) const override;
    void setVisible(int index, bool visible) override;
    bool isAttribute(int index) const override;
    void setAttribute(int index, bool attribute) override;
    QVariant property(int index) const override;
    void setProperty(int index, const QVariant &value) override;
    bool isChanged(int index) const override;
    void setChanged(int index, bool changed) override;
    bool isEnabled(int index) const override;

private:
    // The default of a colour property, or nothing for any other property.
    std::optional<OleColor> colourDefault(int index) const;
    OleColor stored(int index) const;
    QColor shown(OleColor colour) const;

    QDesignerPropertySheetExtension *m_designerSheet;
    QWidget *m_link;
};

// Gives each Hoverlet on a form a ColourPropertySheet over the sheet Designer would give it.
class ColourPropertySheetFactory : public QExtensionFactory
{
    Q_OBJECT

public:
    explicit ColourPropertySheetFactory(QExtensionManager *parent);

protected:
    QObject *createExtension(QObject *object, const QString &iid, QObject *parent) const override;

private:
    mutable bool m_askingDesigner = false;
};

} // namespace hoverlet
