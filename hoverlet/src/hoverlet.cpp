#include "aboutbox.h"
#include "classregistry.h"
#include "hoverlet_p.h"
#include "hoverletaccessible.h"
#include "linkopener.h"
#include "units.h"

#include <hoverlet/hoverlet.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPointer>
#include <QWindow>

namespace hoverlet {

namespace {

// A new instance's size, in twips.
constexpr int NewWidthTwips = 1215;
constexpr int NewHeightTwips = 495;

qint16 buttonCode(Qt::MouseButtons buttons)
{
    qint16 code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

qint16 shiftCode(Qt::KeyboardModifiers modifiers)
{
    qint16 code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

} // namespace

QString Hoverlet::defaultUrl()
{
    return QStringLiteral("https://tarnwick.example/");
}

QString Hoverlet::defaultCaption()
{
    return QStringLiteral("Hoverlet");
}

Hoverlet::Hoverlet(QWidget *parent)
    : QWidget(parent)
    , d(std::make_unique<Private>(this))
{
    registry::instanceCreated();
    HoverletAccessible::install();
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    // Moves without a button held must reach the surface while it holds the grab.
    setMouseTracking(true);
    setAutoFillBackground(true);

    d->label = new QLabel(defaultCaption(), this);
    d->label->setObjectName(QStringLiteral("lblLink"));
    d->label->setTextFormat(Qt::PlainText); // a caption is text, never markup
    d->label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    d->label->setWordWrap(false);
    d->label->setTextInteractionFlags(Qt::NoTextInteraction);
    d->label->setFocusPolicy(Qt::NoFocus);
    d->label->setMouseTracking(true);
    d->label->setAutoFillBackground(true);
    d->label->setBackgroundRole(QPalette::Button);
    // Otherwise a button-face background would draw the text in the button-text colour.
    d->label->setForegroundRole(QPalette::WindowText);
    d->label->installEventFilter(this);

    // While the surface holds the grab no other window gets the mouse: a modal dialog opened
    // from Click, or any window that takes the focus, would be left without input.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (isHovering() && focused != window()->windowHandle())
            d->stopHovering();
    });

    d->applyBackColor();
    resize(twipsToPixels(NewWidthTwips), twipsToPixels(NewHeightTwips));
    d->label->setGeometry(rect());
    d->applyLook(d->normalColor, d->normalUnderline);
}

Hoverlet::~Hoverlet()
{
    d->label->removeEventFilter(this);
    if (isHovering())
        releaseMouse();
    registry::instanceDestroyed();
}

OleColor Hoverlet::backColor() const
{
    return d->backColor;
}

void Hoverlet::setBackColor(OleColor colour)
{
    d->backColor = colour;
    d->applyBackColor();
    d->changed("BackColor");
}

bool Hoverlet::isLinkEnabled() const
{
    return d->enabled;
}

void Hoverlet::setLinkEnabled(bool enabled)
{
    d->enabled = enabled;
    if (!enabled && isHovering())
        d->stopHovering();
    d->changed("Enabled");
}

QFont Hoverlet::linkFont() const
{
    return d->label->font();
}

void Hoverlet::setLinkFont(const QFont &font)
{
    d->label->setFont(font);
    d->changed("Font");
}

bool Hoverlet::checkHover() const
{
    return d->checkHover;
}

void Hoverlet::setCheckHover(bool check)
{
    d->checkHover = check;
    // Without this the grab would outlive hover tracking, and every click anywhere in the
    // application would then open the link.
    if (!check && isHovering())
        d->stopHovering();
    d->changed("CheckHover");
}

OleColor Hoverlet::hoverColor() const
{
    return d->hoverColor;
}

void Hoverlet::setHoverColor(OleColor colour)
{
    d->hoverColor = colour;
    d->changed("HoverColor");
}

bool Hoverlet::hoverUnderline() const
{
    return d->hoverUnderline;
}

void Hoverlet::setHoverUnderline(bool underline)
{
    d->hoverUnderline = underline;
    d->changed("HoverUnderline");
}

OleColor Hoverlet::normalColor() const
{
    return d->normalColor;
}

void Hoverlet::setNormalColor(OleColor colour)
{
    d->normalColor = colour;
    d->applyTextColor(colour);
    d->changed("NormalColor");
}

bool Hoverlet::normalUnderline() const
{
    return d->normalUnderline;
}

void Hoverlet::setNormalUnderline(bool underline)
{
    d->normalUnderline = underline;
    d->applyUnderline(underline);
    d->changed("NormalUnderline");
}

QString Hoverlet::url() const
{
    return d->url;
}

void Hoverlet::setUrl(const QString &url)
{
    d->url = url;
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
    d->changed("URL");
}

QString Hoverlet::caption() const
{
    return d->label->text();
}

void Hoverlet::setCaption(const QString &caption)
{
    d->label->setText(caption);
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    d->changed("Caption");
}

void Hoverlet::setBackColor(const QColor &colour)
{
    setBackColor(oleColorFromRgb(colour.red(), colour.green(), colour.blue()));
}

void Hoverlet::setHoverColor(const QColor &colour)
{
    setHoverColor(oleColorFromRgb(colour.red(), colour.green(), colour.blue()));
}

void Hoverlet::setNormalColor(const QColor &colour)
{
    setNormalColor(oleColorFromRgb(colour.red(), colour.green(), colour.blue()));
}

bool Hoverlet::isHovering() const
{
    return QWidget::mouseGrabber() == this;
}

QSize Hoverlet::sizeHint() const
{
    return QSize(twipsToPixels(NewWidthTwips), twipsToPixels(NewHeightTwips));
}

void Hoverlet::ShowAbout()
{
    AboutBox::showShared(this);
}

bool Hoverlet::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != d->label)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return d->handleLabelMouse(static_cast<QMouseEvent *>(event));
    case QEvent::Leave:
        // Someone else took the grab from us: without it no move will restore the look.
        if (!isHovering())
            d->applyLook(d->normalColor, d->normalUnderline);
        return false;
    case QEvent::FontChange:
    case QEvent::Resize:
        d->alignCaption();
        return false;
    default:
        return false;
    }
}

// The label's own mouse events: the hover step and the events a form sees. They are consumed
// here, so that they never reach the surface as if it held the grab.
bool Hoverlet::Private::handleLabelMouse(QMouseEvent *event)
{
    if (!enabled)
        return true;
    const QPointF at = label->mapTo(q, event->position());
    const auto x = float(at.x());
    const auto y = float(at.y());
    const qint16 shift = shiftCode(event->modifiers());
    const QPointer<Hoverlet> alive(q); // a form may delete the control from a handler

    switch (event->type()) {
    case QEvent::MouseMove:
        hoverStep(at);
        Q_EMIT q->MouseMove(buttonCode(event->buttons()), shift, x, y);
        break;
    case QEvent::MouseButtonPress:
        if (event->button() == Qt::LeftButton)
            leftDownOnLabel = true;
        Q_EMIT q->MouseDown(buttonCode(event->button()), shift, x, y);
        break;
    case QEvent::MouseButtonDblClick:
        if (event->button() == Qt::LeftButton) {
            // The release that ends a double click is not a click of its own.
            leftDownOnLabel = false;
            Q_EMIT q->DblClick();
        }
        break;
    case QEvent::MouseButtonRelease: {
        const bool click = event->button() == Qt::LeftButton && leftDownOnLabel &&
                           label->rect().contains(event->position().toPoint());
        if (event->button() == Qt::LeftButton)
            leftDownOnLabel = false;
        Q_EMIT q->MouseUp(buttonCode(event->button()), shift, x, y);
        // The MouseUp handler may have deleted the control, and this with it.
        if (click && alive)
            Q_EMIT alive->Click();
        break;
    }
    default:
        break;
    }
    return true;
}

void Hoverlet::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    d->hoverStep(event->position());
}

void Hoverlet::mousePressEvent(QMouseEvent *event)
{
    // Presses while hovering belong to the link, not to the form behind it.
    event->accept();
}

void Hoverlet::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isHovering() && d->enabled)
        d->activate();
}

void Hoverlet::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void Hoverlet::Private::hoverStep(QPointF position)
{
    if (!enabled || !checkHover)
        return;
    if (!q->isHovering()) {
        applyLook(hoverColor, hoverUnderline);
        q->grabMouse();
        return;
    }
    // The size in twips over the fixed 15 twips per pixel; the right and bottom edges
    // themselves still count as inside.
    const qreal w = pixelsToTwips(q->width()) / qreal(TwipsPerPixel);
    const qreal h = pixelsToTwips(q->height()) / qreal(TwipsPerPixel);
    if (position.x() < 0 || position.x() > w || position.y() < 0 || position.y() > h)
        stopHovering();
}

void Hoverlet::Private::activate()
{
    openLink(url);
    applyTextColor(normalColor);
    Q_EMIT q->Click();
}

void Hoverlet::Private::stopHovering()
{
    q->releaseMouse();
    applyLook(normalColor, normalUnderline);
}

void Hoverlet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    d->applyLook(d->normalColor, d->normalUnderline);
    d->label->setGeometry(rect());
}

void Hoverlet::hideEvent(QHideEvent *event)
{
    // A hidden control must not keep the application's mouse.
    if (isHovering())
        d->stopHovering();
    QWidget::hideEvent(event);
}

void Hoverlet::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled() && isHovering())
            d->stopHovering();
        break;
    case QEvent::ParentChange:
    case QEvent::PaletteChange: // also a new palette of the host or the desktop
    case QEvent::ApplicationPaletteChange:
        d->applyBackColor();
        d->applyTextColor(d->shownColor);
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

// The caption sits at the top, as labels do. A font whose line is taller than the control -
// a substitute face with more ascent and descent than the one the form was laid out for -
// sits at the bottom instead: only its unused descent is cut off, not its underline.
void Hoverlet::Private::alignCaption()
{
    const bool tooTall = QFontMetrics(label->font()).height() > label->height();
    label->setAlignment(Qt::AlignLeft | (tooTall ? Qt::AlignBottom : Qt::AlignTop));
}

void Hoverlet::Private::applyLook(OleColor colour, bool underline)
{
    applyTextColor(colour);
    applyUnderline(underline);
}

void Hoverlet::Private::applyTextColor(OleColor colour)
{
    shownColor = colour;
    const QPalette host = hostPalette();
    const QColor resolved = toQColor(colour, host);
    if (!resolved.isValid())
        return;
    // The caption stands on the label's button face; on a dark one it is made to read.
    const QColor shown = readableOn(resolved, host.color(QPalette::Button));
    // Every colour group alike: the link keeps its look whatever the window's state.
    QPalette palette = label->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, shown);
    label->setPalette(palette);
}

void Hoverlet::Private::applyUnderline(bool underline)
{
    QFont font = label->font();
    font.setUnderline(underline);
    label->setFont(font);
}

void Hoverlet::Private::applyBackColor()
{
    const QColor back = toQColor(backColor, hostPalette());
    if (!back.isValid())
        return;
    QPalette palette = q->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, back);
    q->setPalette(palette);
}

// System colours are those of the form that holds the control.
QPalette Hoverlet::Private::hostPalette() const
{
    return q->parentWidget() ? q->parentWidget()->palette() : QApplication::palette(q);
}

void Hoverlet::Private::changed(const char *name)
{
    Q_EMIT q->propertyChanged(QString::fromLatin1(name));
}

} // namespace hoverlet
