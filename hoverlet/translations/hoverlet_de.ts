<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>hoverlet::AboutBox</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the control&apos;s name and version, &quot;Tarnwick Hoverlet 1.0&quot;</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Contact info:</source>
        <extracomment>Stands before two links to the maker: its web site and its mail address</extracomment>
        <translation>Kontakt:</translation>
    </message>
    <message>
        <source>WWW</source>
        <extracomment>A link to the maker&apos;s web site; at most about five letters</extracomment>
        <translation>Web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <extracomment>A link that writes a mail to the maker; at most about six letters</extracomment>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>hoverlet::DesignerPlugin</name>
    <message>
        <source>Background colour (the system&apos;s button face by default)</source>
        <translation>Hintergrundfarbe (standardmäßig die Schaltflächenfarbe des Systems)</translation>
    </message>
    <message>
        <source>Kept and stored; when off, the link neither hovers nor opens</source>
        <translation>Wird übernommen und gespeichert; ausgeschaltet reagiert der Link weder auf den Mauszeiger noch öffnet er etwas</translation>
    </message>
    <message>
        <source>The font of the caption; the underline follows the look</source>
        <translation>Die Schrift des Textes; die Unterstreichung folgt der jeweiligen Darstellung</translation>
    </message>
    <message>
        <source>Change the look while the pointer is over the link</source>
        <translation>Darstellung ändern, solange der Mauszeiger über dem Link steht</translation>
    </message>
    <message>
        <source>Text colour while hovering (red by default)</source>
        <translation>Textfarbe, solange der Mauszeiger darüber steht (standardmäßig Rot)</translation>
    </message>
    <message>
        <source>Underline the text while hovering</source>
        <translation>Text unterstreichen, solange der Mauszeiger darüber steht</translation>
    </message>
    <message>
        <source>Text colour otherwise (blue by default)</source>
        <translation>Textfarbe sonst (standardmäßig Blau)</translation>
    </message>
    <message>
        <source>Underline the text otherwise</source>
        <translation>Text sonst unterstreichen</translation>
    </message>
    <message>
        <source>The address opened on a click: http, https or mailto</source>
        <translation>Die Adresse, die ein Klick öffnet: http, https oder mailto</translation>
    </message>
    <message>
        <source>The text shown</source>
        <translation>Der angezeigte Text</translation>
    </message>
    <message>
        <source>Hoverlet: a text link that changes colour under the pointer</source>
        <translation>Hoverlet: ein Textlink, der unter dem Mauszeiger die Farbe wechselt</translation>
    </message>
    <message>
        <source>A line of text that looks and acts like a web link. While the pointer is over it the text takes the hover colour and underline; a click opens its URL with the desktop&apos;s program for it and emits Click().</source>
        <translation>Eine Textzeile, die wie ein Weblink aussieht und sich so verhält. Solange der Mauszeiger darüber steht, erhält der Text die Hover-Farbe und -Unterstreichung; ein Klick öffnet seine URL mit dem dafür eingestellten Programm der Arbeitsumgebung und sendet Click().</translation>
    </message>
</context>
<context>
    <name>hoverlet::HoverletAccessible</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A link&apos;s description for screen readers: %1 is the host&apos;s tool-tip, %2 the address</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
</TS>
