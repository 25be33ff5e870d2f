<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>hoverlet::AboutBox</name>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the control&apos;s name and version, &quot;Tarnwick Hoverlet 1.0&quot;</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Contact info:</source>
        <extracomment>Stands before two links to the maker: its web site and its mail address</extracomment>
        <translation>Contact&#xa0;:</translation>
    </message>
    <message>
        <source>WWW</source>
        <extracomment>A link to the maker&apos;s web site; at most about five letters</extracomment>
        <translation>Web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <extracomment>A link that writes a mail to the maker; at most about six letters</extracomment>
        <translation>Mél.</translation>
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
        <translation>Couleur de fond (par défaut, celle des boutons du système)</translation>
    </message>
    <message>
        <source>Kept and stored; when off, the link neither hovers nor opens</source>
        <translation>Conservé et enregistré&#xa0;; désactivé, le lien ne réagit plus au survol et n’ouvre rien</translation>
    </message>
    <message>
        <source>The font of the caption; the underline follows the look</source>
        <translation>La police du texte&#xa0;; le soulignement suit l’apparence</translation>
    </message>
    <message>
        <source>Change the look while the pointer is over the link</source>
        <translation>Changer l’apparence tant que le pointeur survole le lien</translation>
    </message>
    <message>
        <source>Text colour while hovering (red by default)</source>
        <translation>Couleur du texte au survol (rouge par défaut)</translation>
    </message>
    <message>
        <source>Underline the text while hovering</source>
        <translation>Souligner le texte au survol</translation>
    </message>
    <message>
        <source>Text colour otherwise (blue by default)</source>
        <translation>Couleur du texte hors survol (bleu par défaut)</translation>
    </message>
    <message>
        <source>Underline the text otherwise</source>
        <translation>Souligner le texte hors survol</translation>
    </message>
    <message>
        <source>The address opened on a click: http, https or mailto</source>
        <translation>L’adresse ouverte par un clic&#xa0;: http, https ou mailto</translation>
    </message>
    <message>
        <source>The text shown</source>
        <translation>Le texte affiché</translation>
    </message>
    <message>
        <source>Hoverlet: a text link that changes colour under the pointer</source>
        <translation>Hoverlet&#xa0;: un lien texte qui change de couleur sous le pointeur</translation>
    </message>
    <message>
        <source>A line of text that looks and acts like a web link. While the pointer is over it the text takes the hover colour and underline; a click opens its URL with the desktop&apos;s program for it and emits Click().</source>
        <translation>Une ligne de texte qui a l’aspect et le comportement d’un lien web. Tant que le pointeur la survole, le texte prend la couleur et le soulignement de survol&#xa0;; un clic ouvre son URL avec le programme que le bureau associe à cette adresse et émet Click().</translation>
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
