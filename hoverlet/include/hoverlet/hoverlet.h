#pragma once

#include <hoverlet/hoverlet_export.h>
#include <hoverlet/olecolor.h>

#include <QFont>
#include <QString>
#include <QWidget>

#include <memory>

namespace hoverlet {

class PropertyBag;

// A line of text that looks and acts like a web link. While the pointer is over it the text
// takes the hover colour and underline; a click hands `URL` to the desktop and raises Click.
//
// The control hovers exactly while its surface (this widget) is the mouse grabber: the first
// pointer move over the label `lblLink` grabs the mouse, and the surface releases it when a move
// lands outside. Clicks while hovering therefore reach the surface, which opens the address.
// The grab is also given up when the control is hidden, disabled or told to stop tracking, and
// when another window takes the focus (a modal dialog opened from Click must get the mouse).
//
// Addresses are opened with QDesktopServices::openUrl, which returns at once. Only web (http,
// https) and mail (mailto) addresses are handed on; anything else is ignored. Tests and hosts
// that want to see what would be opened register a handler with QDesktopServices::setUrlHandler
// for those schemes.
//
// Colours are exposed as OleColor (quint32) values, as forms store them; booleans as bool.
// Every setter emits propertyChanged() with the property's name, for hosts that track edits.
//
// Dark faces, in every host: forms were designed as dark text on a light face, so whenever the
// button face the caption stands on is dark (a dark desktop palette, or one the host sets), a
// link colour that would not read there is shown turned over for that face, as readableOn()
// describes, and follows later palette changes. On a light face the colours are shown exactly as
// set. Only the drawing adapts: the properties read back, and are stored, as the host set them.
//
// Binary compatibility: every member that is not part of the API below lives in the private
// class, so that libhoverlet.so.1 keeps its interface across releases of the same major version.
class HOVERLET_EXPORT Hoverlet : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(bool Enabled READ isLinkEnabled WRITE setLinkEnabled)
    Q_PROPERTY(QFont Font READ linkFont WRITE setLinkFont)
    Q_PROPERTY(bool CheckHover READ checkHover WRITE setCheckHover)
    Q_PROPERTY(quint32 HoverColor READ hoverColor WRITE setHoverColor)
    Q_PROPERTY(bool HoverUnderline READ hoverUnderline WRITE setHoverUnderline)
    Q_PROPERTY(quint32 NormalColor READ normalColor WRITE setNormalColor)
    Q_PROPERTY(bool NormalUnderline READ normalUnderline WRITE setNormalUnderline)
    Q_PROPERTY(QString URL READ url WRITE setUrl)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)

public:
    static QString defaultUrl();     // "https://tarnwick.example/"
    static QString defaultCaption(); // "Hoverlet"

    explicit Hoverlet(QWidget *parent = nullptr);
    ~Hoverlet() override;

    OleColor backColor() const;
    void setBackColor(OleColor colour);
    // False makes an inert link: no hover, no opening, no events. The look does not change.
    bool isLinkEnabled() const;
    void setLinkEnabled(bool enabled);
    // The font of `lblLink`; its underline is the one of the current look.
    QFont linkFont() const;
    void setLinkFont(const QFont &font);
    bool checkHover() const;
    void setCheckHover(bool check);
    OleColor hoverColor() const;
    void setHoverColor(OleColor colour);
    bool hoverUnderline() const;
    void setHoverUnderline(bool underline);
    OleColor normalColor() const;
    void setNormalColor(OleColor colour);
    bool normalUnderline() const;
    void setNormalUnderline(bool underline);
    QString url() const;
    void setUrl(const QString &url);
    QString caption() const;
    void setCaption(const QString &caption);

    // The colours as a form made in Qt Designer sets them (uic's code): a colour picked there is
    // stored as the direct colour of its red, green and blue.
    void setBackColor(const QColor &colour);
    void setHoverColor(const QColor &colour);
    void setNormalColor(const QColor &colour);

    // True while the surface holds the mouse grab, which is what hovering means. Exported since
    // 1.0.0: it stays out of line.
    bool isHovering() const;

    // The stored properties, in their fixed order. Reading sets the values without notifying;
    // the normal look follows with the next resize, as when a host places the control.
    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    QSize sizeHint() const override;

public Q_SLOTS:
    // Shows the library's single about box, not modally.
    void ShowAbout();

Q_SIGNALS:
    void Click();
    void DblClick();
    // Button: left 1, right 2, middle 4 (MouseMove: those held). Shift: shift 1, ctrl 2, alt 4.
    // x, y: pixels from the control's top left corner.
    void MouseDown(qint16 Button, qint16 Shift, float x, float y);
    void MouseMove(qint16 Button, qint16 Shift, float x, float y);
    void MouseUp(qint16 Button, qint16 Shift, float x, float y);

    void propertyChanged(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Screen readers follow the link as a click does.
    friend class HoverletAccessible;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace hoverlet
