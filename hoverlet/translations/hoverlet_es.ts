<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>hoverlet::AboutBox</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the control&apos;s name and version, &quot;Tarnwick Hoverlet 1.0&quot;</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Contact info:</source>
        <extracomment>Stands before two links to the maker: its web site and its mail address</extracomment>
        <translation>Contacto:</translation>
    </message>
    <message>
        <source>WWW</source>
        <extracomment>A link to the maker&apos;s web site; at most about five letters</extracomment>
        <translation>Web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <extracomment>A link that writes a mail to the maker; at most about six letters</extracomment>
        <translation>Correo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>hoverlet::DesignerPlugin</name>
    <message>
        <source>Background colour (the system&apos;s button face by default)</source>
        <translation>Color de fondo (por omisión, el de los botones del sistema)</translation>
    </message>
    <message>
        <source>Kept and stored; when off, the link neither hovers nor opens</source>
        <translation>Se conserva y se guarda; desactivado, el enlace ni se resalta ni abre nada</translation>
    </message>
    <message>
        <source>The font of the caption; the underline follows the look</source>
        <translation>La fuente del texto; el subrayado sigue al aspecto</translation>
    </message>
    <message>
        <source>Change the look while the pointer is over the link</source>
        <translation>Cambiar el aspecto mientras el puntero está sobre el enlace</translation>
    </message>
    <message>
        <source>Text colour while hovering (red by default)</source>
        <translation>Color del texto con el puntero encima (rojo por omisión)</translation>
    </message>
    <message>
        <source>Underline the text while hovering</source>
        <translation>Subrayar el texto con el puntero encima</translation>
    </message>
    <message>
        <source>Text colour otherwise (blue by default)</source>
        <translation>Color del texto en los demás casos (azul por omisión)</translation>
    </message>
    <message>
        <source>Underline the text otherwise</source>
        <translation>Subrayar el texto en los demás casos</translation>
    </message>
    <message>
        <source>The address opened on a click: http, https or mailto</source>
        <translation>La dirección que abre un clic: http, https o mailto</translation>
    </message>
    <message>
        <source>The text shown</source>
        <translation>El texto que se muestra</translation>
    </message>
    <message>
        <source>Hoverlet: a text link that changes colour under the pointer</source>
        <translation>Hoverlet: un enlace de texto que cambia de color bajo el puntero</translation>
    </message>
    <message>
        <source>A line of text that looks and acts like a web link. While the pointer is over it the text takes the hover colour and underline; a click opens its URL with the desktop&apos;s program for it and emits Click().</source>
        <translation>Una línea de texto con el aspecto y el comportamiento de un enlace web. Mientras el puntero está encima, el texto toma el color y el subrayado de resaltado; un clic abre su URL con el programa que el escritorio tiene asignado y emite Click().</translation>
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
