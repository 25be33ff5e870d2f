<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>hoverlet::AboutBox</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the control&apos;s name and version, &quot;Tarnwick Hoverlet 1.0&quot;</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Contact info:</source>
        <extracomment>Stands before two links to the maker: its web site and its mail address</extracomment>
        <translation>Contatti:</translation>
    </message>
    <message>
        <source>WWW</source>
        <extracomment>A link to the maker&apos;s web site; at most about five letters</extracomment>
        <translation>Web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <extracomment>A link that writes a mail to the maker; at most about six letters</extracomment>
        <translation>E-mail</translation>
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
        <translation>Colore di sfondo (per impostazione predefinita, quello dei pulsanti di sistema)</translation>
    </message>
    <message>
        <source>Kept and stored; when off, the link neither hovers nor opens</source>
        <translation>Conservato e salvato; se disattivato, il collegamento non reagisce al puntatore e non apre nulla</translation>
    </message>
    <message>
        <source>The font of the caption; the underline follows the look</source>
        <translation>Il carattere del testo; la sottolineatura segue l’aspetto</translation>
    </message>
    <message>
        <source>Change the look while the pointer is over the link</source>
        <translation>Cambia l’aspetto mentre il puntatore è sopra il collegamento</translation>
    </message>
    <message>
        <source>Text colour while hovering (red by default)</source>
        <translation>Colore del testo al passaggio del puntatore (rosso per impostazione predefinita)</translation>
    </message>
    <message>
        <source>Underline the text while hovering</source>
        <translation>Sottolinea il testo al passaggio del puntatore</translation>
    </message>
    <message>
        <source>Text colour otherwise (blue by default)</source>
        <translation>Colore del testo negli altri casi (blu per impostazione predefinita)</translation>
    </message>
    <message>
        <source>Underline the text otherwise</source>
        <translation>Sottolinea il testo negli altri casi</translation>
    </message>
    <message>
        <source>The address opened on a click: http, https or mailto</source>
        <translation>L’indirizzo aperto da un clic: http, https o mailto</translation>
    </message>
    <message>
        <source>The text shown</source>
        <translation>Il testo mostrato</translation>
    </message>
    <message>
        <source>Hoverlet: a text link that changes colour under the pointer</source>
        <translation>Hoverlet: un collegamento testuale che cambia colore sotto il puntatore</translation>
    </message>
    <message>
        <source>A line of text that looks and acts like a web link. While the pointer is over it the text takes the hover colour and underline; a click opens its URL with the desktop&apos;s program for it and emits Click().</source>
        <translation>Una riga di testo con l’aspetto e il comportamento di un collegamento web. Mentre il puntatore vi passa sopra, il testo assume il colore e la sottolineatura di evidenziazione; un clic apre il suo URL con il programma associato dal desktop ed emette Click().</translation>
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
