#include "hoverletdesignerplugin.h"

#include "colourpropertysheet.h"

#include <hoverlet/hoverlet.h>

#include <QColor>
#include <QCoreApplication>
#include <QExtensionManager>
#include <QIcon>
#include <QtDesigner/QDesignerFormEditorInterface>

namespace hoverlet {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView ClassName = u"hoverlet::Hoverlet";

constexpr char ToolTipContext[] = "hoverlet::DesignerPlugin";

// Shown in the property editor beside each property, in Designer's language.
constexpr const char *PropertyToolTips[][2] = {
    {"BackColor", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin",
                                    "Background colour (the system's button face by default)")},
    {"Enabled", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin",
                                  "Kept and stored; when off, the link neither hovers nor opens")},
    {"Font", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin",
                               "The font of the caption; the underline follows the look")},
    {"CheckHover", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin",
                                     "Change the look while the pointer is over the link")},
    {"HoverColor",
     QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin", "Text colour while hovering (red by default)")},
    {"HoverUnderline",
     QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin", "Underline the text while hovering")},
    {"NormalColor",
     QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin", "Text colour otherwise (blue by default)")},
    {"NormalUnderline",
     QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin", "Underline the text otherwise")},
    {"URL", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin",
                              "The address opened on a click: http, https or mailto")},
    {"Caption", QT_TRANSLATE_NOOP("hoverlet::DesignerPlugin", "The text shown")},
};

QString toolTipsXml()
{
    QString xml;
    for (const auto &[name, tip] : PropertyToolTips)
        xml += u"<tooltip name=\""_s + QLatin1StringView(name) + u"\">"_s +
               QCoreApplication::translate(ToolTipContext, tip).toHtmlEscaped() + u"</tooltip>"_s;
    return xml;
}

// Designer writes a colour picked in its colour editor into the form as a colour, and QUiLoader,
// which loads forms through this plugin, then sets the control's colour property to a QColor.
// Qt has no conversion from a colour to a number, so this plugin adds the one the control
// means: the direct colour of its red, green and blue. Only processes that load the plugin,
// Designer and QUiLoader's hosts, get it. (uic's code calls the control's QColor setters.)
void registerColourConversion()
{
    const QMetaType colour = QMetaType::fromType<QColor>();
    const QMetaType stored = QMetaType::fromType<quint32>();
    if (QMetaType::hasRegisteredConverterFunction(colour, stored))
        return;
    QMetaType::registerConverterFunction(
        [](const void *from, void *to) {
            const QColor rgb = static_cast<const QColor *>(from)->toRgb();
            if (!rgb.isValid())
                return false;
            *static_cast<quint32 *>(to) = oleColorFromRgb(rgb.red(), rgb.green(), rgb.blue());
            return true;
        },
        colour, stored);
}

} // namespace

DesignerPlugin::DesignerPlugin(QObject *parent)
    : QObject(parent)
{
    registerColourConversion();
}

QString DesignerPlugin::name() const
{
    return ClassName.toString();
}

QString DesignerPlugin::group() const
{
    return u"Hoverlet"_s;
}

QString DesignerPlugin::toolTip() const
{
    return tr("Hoverlet: a text link that changes colour under the pointer");
}

QString DesignerPlugin::whatsThis() const
{
    return tr("A line of text that looks and acts like a web link. While the pointer is over it "
              "the text takes the hover colour and underline; a click opens its URL with the "
              "desktop's program for it and emits Click().");
}

QString DesignerPlugin::includeFile() const
{
    return u"hoverlet/hoverlet.h"_s;
}

QIcon DesignerPlugin::icon() const
{
    // The widget box takes only an icon that lists its sizes, which a scalable one does not.
    const QIcon scalable(u":/hoverlet/designer/hoverlet.svg"_s);
    QIcon icon;
    for (const int side : {16, 22, 32})
        icon.addPixmap(scalable.pixmap(side));
    return icon;
}

bool DesignerPlugin::isContainer() const
{
    return false;
}

QWidget *DesignerPlugin::createWidget(QWidget *parent)
{
    return new Hoverlet(parent);
}

bool DesignerPlugin::isInitialized() const
{
    return m_initialized;
}

// The colours are edited with Designer's colour editor (ColourPropertySheet).
void DesignerPlugin::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    QExtensionManager *manager = core->extensionManager();
    manager->registerExtensions(new ColourPropertySheetFactory(manager),
                                Q_TYPEID(QDesignerPropertySheetExtension));
    m_initialized = true;
}

// A new link gets the size that the control gives itself; URL is an address, not a text to
// translate.
QString DesignerPlugin::domXml() const
{
    const QSize size = Hoverlet().sizeHint();
    return uR"(<ui language="c++" displayname="Hoverlet">
 <widget class="%1" name="hoverlet">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>%2</width><height>%3</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>%1</class>
   <propertyspecifications>
    <stringpropertyspecification name="URL" type="url" notr="true"/>
    %4
   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)"_s.arg(ClassName)
        .arg(size.width())
        .arg(size.height())
        .arg(toolTipsXml());
}

} // namespace hoverlet
