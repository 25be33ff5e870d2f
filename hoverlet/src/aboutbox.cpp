#include "aboutbox.h"

#include "classregistry.h"
#include "units.h"

#include <hoverlet/hoverlet.h>
#include <hoverlet/olecolor.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>

namespace hoverlet {

namespace {

struct Placement
{
    QStringView name;
    TwipsRect twips;
};

// The window's client area and its controls, in twips.
constexpr TwipsRect ClientArea{0, 0, 6210, 2760};
constexpr Placement Layout[] = {
    {u"Image1", {120, 120, 4455, 825}},     {u"Picture2", {4680, 240, 1470, 585}},
    {u"Line2", {105, 2205, 6015, 15}}, // grey, one pixel, from 105 to 6120 across
    {u"Line1", {120, 2220, 6000, 30}}, // white, two pixels, from 120 to 6120 across
    {u"Label2", {120, 2340, 1275, 195}},    {u"Hoverlet2", {1140, 2340, 495, 195}},
    {u"Hoverlet1", {1740, 2340, 495, 195}}, {u"Command1", {4980, 2340, 1095, 315}},
};

constexpr QStringView MailAddress = u"mailto:hoverlet@tarnwick.example";

void place(QWidget *control)
{
    for (const Placement &placement : Layout) {
        if (placement.name == control->objectName()) {
            control->setGeometry(toPixels(placement.twips));
            return;
        }
    }
}

// The old desktop face, where the system has none of that name.
QFont sansSerif(qreal points, bool underline)
{
    const QString family = QStringLiteral("MS Sans Serif");
    // Nimbus Sans keeps the old face's narrow widths; DejaVu Sans is on every system.
    if (QFont::substitutes(family).isEmpty())
        QFont::insertSubstitutions(family,
                                   {QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(underline);
    font.setStrikeOut(false);
    return font;
}

// The pictures are drawn as SVG and shown as opaque 24-bit bitmaps of their stated size.
QPixmap picture(const QString &resource, const QSize &size, const QColor &background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

// A picture of letters, named by what it says for screen readers. It stands on the dialog's face,
// unless that is dark: then it keeps the light face its letters were drawn for.
QLabel *pictureBox(QWidget *parent, const QString &name, const QString &resource,
                   const QString &says)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setAccessibleName(says);
    place(box);
    QColor face = parent->palette().color(QPalette::Window);
    if (isDarkFace(face))
        face = Qt::white;
    box->setPixmap(picture(resource, box->size(), face));
    return box;
}

QWidget *line(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *line = new QWidget(parent);
    line->setObjectName(name);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    place(line);
    return line;
}

Hoverlet *link(QWidget *parent, const QString &name, const QString &caption)
{
    auto *link = new Hoverlet(parent);
    link->setObjectName(name);
    link->setCaption(caption);
    link->setLinkFont(sansSerif(8.25, true));
    place(link);
    return link;
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    //: %1 is the control's name and version, "Tarnwick Hoverlet 1.0"
    setWindowTitle(tr("About %1").arg(QLatin1StringView(registry::HoverletDescription)));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    // An open about box must not keep the application running once its windows are closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(sansSerif(8.25, false));
    setFixedSize(toPixels(ClientArea).size());

    pictureBox(this, QStringLiteral("Image1"), QStringLiteral(":/hoverlet/banner.svg"),
               QLatin1StringView(registry::HoverletDescription));
    pictureBox(this, QStringLiteral("Picture2"), QStringLiteral(":/hoverlet/logo.svg"),
               QStringLiteral("Tarnwick"));
    line(this, QStringLiteral("Line2"), QColor(128, 128, 128));
    line(this, QStringLiteral("Line1"), QColor(255, 255, 255));

    //: Stands before two links to the maker: its web site and its mail address
    auto *contact = new QLabel(tr("Contact info:"), this);
    contact->setObjectName(QStringLiteral("Label2"));
    place(contact);
    // On the links' baseline, which moves down when the face is taller than the row.
    const bool tooTall = QFontMetrics(contact->font()).height() > contact->height();
    contact->setAlignment(Qt::AlignLeft | (tooTall ? Qt::AlignBottom : Qt::AlignTop));

    // Each link is 33 pixels wide: its caption must fit in that, as must the label's above.
    //: A link to the maker's web site; at most about five letters
    link(this, QStringLiteral("Hoverlet2"), tr("WWW"));
    //: A link that writes a mail to the maker; at most about six letters
    link(this, QStringLiteral("Hoverlet1"), tr("E-mail"))->setUrl(MailAddress.toString());

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    place(ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);

    // Deleted with the event loop's end if still open, not left behind at exit.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

void AboutBox::showShared(const QWidget *caller)
{
    // The one box of the process; QPointer forgets it when closing deletes it.
    static QPointer<AboutBox> shared;
    if (shared) {
        shared->show();
        shared->raise();
        shared->activateWindow();
        return;
    }
    // A window of the library's own, parented to no form; WA_DeleteOnClose releases it.
    shared = new AboutBox;
    shared->show();
    // Centred with its frame, which is known once shown.
    QScreen *screen = caller ? caller->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = shared->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        shared->move(frame.topLeft());
    }
}

} // namespace hoverlet
