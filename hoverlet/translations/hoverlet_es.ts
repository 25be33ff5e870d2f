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
        <translation>Email</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
