<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>molvera::AboutBox</name>
    <message>
        <source>This program is a molvera calculator for laboratory technicians. The program will assist in the preparation of reagents for use in laboratories.</source>
        <translation>Dieses Programm ist ein molvera-Rechner für das Laborpersonal. Es hilft beim Ansetzen von Reagenzien für den Laborgebrauch.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>For Windows 95/98/2000/NT</source>
        <translation>Für Windows 95/98/2000/NT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Report comments and suggestions to:</source>
        <translation>Anmerkungen und Vorschläge an:</translation>
    </message>
    <message>
        <source>Visit our web site for updates:</source>
        <translation>Updates auf unserer Website:</translation>
    </message>
</context>
<context>
    <name>molvera::BookCommand</name>
    <message>
        <source>Lists, exports or imports the bottles of the reagent book.</source>
        <extracomment>The book command&apos;s line in --help.</extracomment>
        <translation>Listet die Flaschen der Reagenzienliste auf, exportiert oder importiert sie.</translation>
    </message>
    <message>
        <source>list; export FILE, as CSV; or import FILE, a CSV file of either kind, all or nothing.</source>
        <extracomment>Keep list, export, import and FILE as they are: they are typed so.</extracomment>
        <translation>list; export FILE, als CSV; oder import FILE, eine CSV-Datei beider Arten, ganz oder gar nicht.</translation>
    </message>
    <message>
        <source>The lab book at CONNECTION, a libpq connection string or URI, instead of your own book (MOLVERA_LAB_BOOK gives it too).</source>
        <extracomment>CONNECTION is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Die Laborliste unter CONNECTION, einer libpq-Verbindungszeichenfolge oder -URI, statt der eigenen Liste (auch über MOLVERA_LAB_BOOK).</translation>
    </message>
    <message>
        <source>Export with semicolons and decimal commas, as spreadsheets of such languages read it.</source>
        <translation>Exportiert mit Semikolons und Dezimalkomma, wie es Tabellenkalkulationen in Sprachen mit Dezimalkomma lesen.</translation>
    </message>
    <message>
        <source>The book command takes list, export FILE or import FILE.</source>
        <extracomment>Keep list, export, import and FILE as they are.</extracomment>
        <translation>Der Befehl book erwartet list, export FILE oder import FILE.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read or written, as the system says it.</extracomment>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>%1	%2	%3</source>
        <extracomment>A bottle of the list: %1 its name, %2 its formula (never translated), %3 its strength.</extracomment>
        <translation>%1	%2	%3</translation>
    </message>
    <message>
        <source>%1 bottles written to “%2”.</source>
        <extracomment>%1 is how many bottles were written, %2 the file.</extracomment>
        <translation>In „%2“ geschriebene Flaschen: %1.</translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were in the book already.</extracomment>
        <translation>Hinzugefügte Flaschen: %1; bereits in der Liste und nicht erneut hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported: these rows cannot be.</source>
        <extracomment>After this sentence, each bad row is named on a line of its own.</extracomment>
        <translation>Es wurde nichts importiert: Diese Einträge lassen sich nicht importieren.</translation>
    </message>
</context>
<context>
    <name>molvera::BookCompletion</name>
    <message>
        <source>Bottles of the reagent book</source>
        <extracomment>What screen readers call the list of bottles offered under a box as one types.</extracomment>
        <translation>Flaschen der Reagenzienliste</translation>
    </message>
</context>
<context>
    <name>molvera::BookCsv</name>
    <message>
        <source>The row has more cells than the header has names.</source>
        <translation>Die Zeile hat mehr Felder, als die Kopfzeile Spaltennamen hat.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <extracomment>%1 is the cell&apos;s text as it stands in the file.</extracomment>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 is not a date and time such as 2026-12-07T09:30:00Z.</source>
        <extracomment>%1 is the cell&apos;s text; the example date and time stays as it is.</extracomment>
        <translation>%1 ist keine Datums- und Zeitangabe wie 2026-12-07T09:30:00Z.</translation>
    </message>
    <message>
        <source>%1 is not a basis molvera knows: write purity %, % w/w, % v/v, % w/v, g/L or M.</source>
        <extracomment>%1 is the cell&apos;s text; the bases listed are written as they stand.</extracomment>
        <translation>%1 ist keine Einheit, die molvera kennt: Zulässig sind purity %, % w/w, % v/v, % w/v, g/L und M.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the sentence that says what is wrong.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the column&apos;s name as the file&apos;s header writes it (not translated), %3 the sentence that says what is wrong.</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it as CSV in UTF-8 and import it again.</source>
        <translation>Die Datei ist kein UTF-8-Text. Bitte als CSV in UTF-8 speichern und erneut importieren.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>Der Kopfzeile fehlt die Spalte %1.</translation>
    </message>
</context>
<context>
    <name>molvera::BookModel</name>
    <message>
        <source>Name</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Specific gravity</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Works out at</source>
        <extracomment>The molarity the bottle&apos;s strength works out at: a check of the numbers on its label.</extracomment>
        <translation>Entspricht</translation>
    </message>
    <message>
        <source>CAS number</source>
        <extracomment>The CAS registry number.</extracomment>
        <translation>CAS-Nr.</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>Where the bottle stands in the lab.</extracomment>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Book</source>
        <extracomment>Which book the bottle is in: the lab&apos;s or the user&apos;s own.</extracomment>
        <translation>Liste</translation>
    </message>
</context>
<context>
    <name>molvera::BookStore</name>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Die Reagenzienliste %1 kann nicht angelegt werden, weil ihr Ordner schreibgeschützt ist. molvera arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s reason (in English).</extracomment>
        <translation>Die Reagenzienliste %1 kann nicht angelegt werden: %2. molvera arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 is damaged: %2. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>Die Reagenzienliste %1 ist beschädigt: %2. molvera hat die Datei unverändert gelassen und arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 is from an older molvera and can only be read, so it cannot be brought up to date. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Die Reagenzienliste %1 stammt von einer älteren molvera-Version und kann nur gelesen werden, lässt sich also nicht aktualisieren. molvera hat die Datei unverändert gelassen und arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read: changes to it cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Die Reagenzienliste %1 kann nur gelesen werden: Änderungen daran lassen sich nicht speichern.</translation>
    </message>
    <message>
        <source>%1 is not a reagent book of molvera. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>%1 ist keine Reagenzienliste von molvera. molvera hat die Datei unverändert gelassen und arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>Die Reagenzienliste %1 wurde von einer neueren molvera-Version geschrieben (Listenversion %2; diese molvera-Version kennt Versionen bis %3). molvera hat die Datei unverändert gelassen und arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be opened: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s or the database&apos;s reason (in English).</extracomment>
        <translation>Die Reagenzienliste %1 kann nicht geöffnet werden: %2. molvera arbeitet ohne die Liste weiter.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera shows the starter bottles, but changes to them cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Die Reagenzienliste %1 kann nicht angelegt werden, weil ihr Ordner schreibgeschützt ist. molvera zeigt die Standardflaschen, Änderungen daran lassen sich aber nicht speichern.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read, so the change was not saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Die Reagenzienliste %1 kann nur gelesen werden, die Änderung wurde also nicht gespeichert.</translation>
    </message>
    <message>
        <source>No reagent book is open, so the change was not saved.</source>
        <translation>Es ist keine Reagenzienliste geöffnet, die Änderung wurde also nicht gespeichert.</translation>
    </message>
    <message>
        <source>The reagent book %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>Die Reagenzienliste %1 konnte nicht geändert werden: %2. Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so this change was not saved. Look at the bottle again and make the change once more.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>Die Flasche %1 wurde in der Liste geändert, nachdem sie gelesen wurde; diese Änderung wurde also nicht gespeichert. Bitte die Flasche erneut ansehen und die Änderung noch einmal vornehmen.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book, so the change was not saved.</source>
        <translation>Die Flasche %1 ist nicht mehr in der Liste, die Änderung wurde also nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book.</source>
        <translation>Die Flasche %1 ist nicht mehr in der Liste.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so it was not removed. Look at the bottle again before removing it.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>Die Flasche %1 wurde in der Liste geändert, nachdem sie gelesen wurde, und wurde daher nicht entfernt. Bitte die Flasche vor dem Entfernen erneut ansehen.</translation>
    </message>
    <message>
        <source>%1 (%2) is in the book already, so the row was not added again.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) steht bereits in der Liste, die Zeile wurde also nicht erneut hinzugefügt.</translation>
    </message>
    <message>
        <source>Lab book</source>
        <extracomment>The name of the book the whole lab shares, beside its bottles.</extracomment>
        <translation>Laborliste</translation>
    </message>
    <message>
        <source>My book</source>
        <extracomment>The name of the user&apos;s own book, beside its bottles.</extracomment>
        <translation>Meine Liste</translation>
    </message>
    <message>
        <source>The lab book cannot be opened, because Qt&apos;s PostgreSQL driver is not installed (on Debian, the package libqt6sql6-psql). molvera works without the lab book.</source>
        <translation>Die Laborliste kann nicht geöffnet werden, weil der PostgreSQL-Treiber von Qt nicht installiert ist (unter Debian das Paket libqt6sql6-psql). molvera arbeitet ohne die Laborliste weiter.</translation>
    </message>
    <message>
        <source>molvera cannot read the lab book&apos;s connection string %1. Write it as host=… dbname=… or as postgresql://host/dbname, with no “;” in a value.</source>
        <extracomment>%1 is the connection string as given, without its password; host=… dbname=… and postgresql://host/dbname are written as they are.</extracomment>
        <translation>molvera kann die Verbindungszeichenfolge %1 der Laborliste nicht lesen. Bitte als host=… dbname=… oder als postgresql://host/dbname schreiben, ohne „;“ in einem Wert.</translation>
    </message>
    <message>
        <source>Connecting to the lab book at %1 …</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Verbindung zur Laborliste auf %1 wird hergestellt&#xa0;…</translation>
    </message>
    <message>
        <source>The database of the lab book at %1 holds a table of bottles that is not molvera&apos;s. molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Die Datenbank der Laborliste auf %1 enthält eine Tabelle mit Flaschen, die nicht von molvera stammt. molvera hat sie unverändert gelassen und arbeitet ohne die Laborliste weiter.</translation>
    </message>
    <message>
        <source>The lab book at %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>Die Laborliste auf %1 wurde von einer neueren molvera-Version geschrieben (Listenversion %2; diese molvera-Version kennt Versionen bis %3). molvera hat sie unverändert gelassen und arbeitet ohne die Laborliste weiter.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be opened: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Die Laborliste auf %1 kann nicht geöffnet werden: %2. molvera arbeitet ohne die Laborliste weiter.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be reached: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the reason libpq gives (in English).</extracomment>
        <translation>Die Laborliste auf %1 ist nicht erreichbar: %2. molvera arbeitet ohne die Laborliste weiter.</translation>
    </message>
    <message>
        <source>The lab book at %1 did not take the change: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Die Laborliste auf %1 hat die Änderung abgelehnt: %2. Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The lab book at %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Die Laborliste auf %1 konnte nicht geändert werden: %2. Die Änderung wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 (%2) is in this book already, so it was not copied.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) steht bereits in dieser Liste, die Flasche wurde also nicht kopiert.</translation>
    </message>
</context>
<context>
    <name>molvera::BookWindow</name>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the reagent book&apos;s window.</extracomment>
        <translation>Reagenzienliste</translation>
    </message>
    <message>
        <source>Searc&amp;h:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>A few letters of a name, a formula or a CAS number</source>
        <extracomment>Shown in the empty search box of the reagent book&apos;s window.</extracomment>
        <translation>Einige Buchstaben einer Bezeichnung, Formel oder CAS-Nummer</translation>
    </message>
    <message>
        <source>Bottles</source>
        <extracomment>What screen readers call the reagent book&apos;s table of bottles.</extracomment>
        <translation>Flaschen</translation>
    </message>
    <message>
        <source>&amp;Use on This Page</source>
        <translation>Auf dieser Seite &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>Du&amp;plicate…</source>
        <translation>Du&amp;plizieren…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>U&amp;ndo Delete</source>
        <translation>Löschen &amp;rückgängig</translation>
    </message>
    <message>
        <source>Save &amp;Stock to Book…</source>
        <translation>&amp;Ausgangssubstanz aufnehmen…</translation>
    </message>
    <message>
        <source>&amp;Restore Starter Bottles</source>
        <translation>Standardflaschen &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The book %1 can only be read: its file or folder cannot be written to.</source>
        <extracomment>%1 is the book&apos;s file. The book can be read but not changed.</extracomment>
        <translation>Die Liste %1 kann nur gelesen werden: Ihre Datei oder ihr Ordner ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a duplicated bottle: %1 is the name of the bottle it was copied from.</extracomment>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <source>Delete Bottle</source>
        <extracomment>%1 is the bottle&apos;s name. Undo Delete brings it back while the window is open.</extracomment>
        <translation>Flasche löschen</translation>
    </message>
    <message>
        <source>Delete the bottle %1 from the book?</source>
        <translation>Die Flasche %1 aus der Liste löschen?</translation>
    </message>
    <message numerus="yes">
        <source>%n starter bottle(s) added back.</source>
        <extracomment>%n is how many starter bottles were added back to the book.</extracomment>
        <translation>
            <numerusform>%n Standardflasche wiederhergestellt.</numerusform>
            <numerusform>%n Standardflaschen wiederhergestellt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <extracomment>The title of the file dialog that chooses a CSV file to import into the reagent book.</extracomment>
        <translation>Flaschen importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read.</extracomment>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n row(s) cannot be. The details name each by line and column.</source>
        <translation>
            <numerusform>Es wurde nichts importiert: %n Eintrag lässt sich nicht importieren. Die Details nennen ihn mit Zeile und Spalte.</numerusform>
            <numerusform>Es wurde nichts importiert: %n Einträge lassen sich nicht importieren. Die Details nennen jeden mit Zeile und Spalte.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were already in the book.</extracomment>
        <translation>Hinzugefügte Flaschen: %1; bereits in der Liste und nicht erneut hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>Export Bottles</source>
        <extracomment>The title of the file dialog that chooses where to export the reagent book.</extracomment>
        <translation>Flaschen exportieren</translation>
    </message>
    <message>
        <source>CSV with commas and decimal points (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file for spreadsheets that write numbers with a decimal point.</extracomment>
        <translation>CSV mit Kommas und Dezimalpunkt (*.csv)</translation>
    </message>
    <message>
        <source>CSV with semicolons and decimal commas (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file German, French ... spreadsheets read: &quot;;&quot; and decimal commas.</extracomment>
        <translation>CSV mit Semikolons und Dezimalkomma (*.csv)</translation>
    </message>
    <message>
        <source>reagent book.csv</source>
        <extracomment>The file name the export proposes.</extracomment>
        <translation>Reagenzienliste.csv</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>C&amp;opy to Lab Book</source>
        <translation>In die Laborliste &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Lab book:</source>
        <translation>Lab&amp;orliste:</translation>
    </message>
    <message>
        <source>host=… dbname=…, or postgresql://…; empty for no lab book</source>
        <extracomment>Shown in the empty lab book box. Keep host=, dbname= and postgresql:// as they are.</extracomment>
        <translation>host=… dbname=… oder postgresql://…; leer lassen, wenn es keine Laborliste gibt</translation>
    </message>
    <message>
        <source>Co&amp;nnect</source>
        <translation>Verbi&amp;nden</translation>
    </message>
    <message>
        <source>Set by MOLVERA_LAB_BOOK</source>
        <extracomment>The lab book comes from the environment variable; keep MOLVERA_LAB_BOOK as it is.</extracomment>
        <translation>Festgelegt durch MOLVERA_LAB_BOOK</translation>
    </message>
    <message>
        <source>Asking the lab book&apos;s server at %1 …</source>
        <extracomment>While the lab book&apos;s server is asked; %1 is its host.</extracomment>
        <translation>Der Server der Laborliste auf %1 wird abgefragt&#xa0;…</translation>
    </message>
    <message>
        <source>C&amp;opy to My Book</source>
        <translation>In meine Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>The book now holds: %1, %2.</source>
        <extracomment>After a refusal because the bottle changed: %1 its name and %2 its strength as the book now holds them.</extracomment>
        <translation>Die Liste enthält jetzt: %1, %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleCheck</name>
    <message>
        <source>Enter the bottle&apos;s name.</source>
        <translation>Bezeichnung der Flasche eingeben.</translation>
    </message>
    <message>
        <source>The strength must be more than 0.</source>
        <translation>Der Gehalt muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>A strength in percent cannot be more than 100 %.</source>
        <translation>Ein Gehalt in Prozent kann nicht über 100&#xa0;% liegen.</translation>
    </message>
    <message>
        <source>The specific gravity must lie between %1 and %2.</source>
        <extracomment>%1 and %2 are the numbers 0.5 and 2.5 in the user&apos;s notation.</extracomment>
        <translation>Die Dichte muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Enter the specific gravity: a % w/w or % v/v strength needs it.</source>
        <translation>Dichte eingeben: Ein Gehalt in %&#xa0;(m/⁠m) oder %&#xa0;(V/⁠V) erfordert sie.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>Die Temperatur ist keine Zahl.</translation>
    </message>
    <message>
        <source>The molecular weight must be more than 0.</source>
        <translation>Die Molmasse muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>molvera cannot read this formula. Enter the molecular weight, or correct the formula.</source>
        <translation>molvera kann diese Formel nicht lesen. Molmasse eingeben oder die Formel korrigieren.</translation>
    </message>
    <message>
        <source>The number of waters cannot be negative.</source>
        <translation>Die Anzahl H2O kann nicht negativ sein.</translation>
    </message>
    <message>
        <source>%1 is not written as a CAS number: 2 to 7 digits, 2 digits and a check digit, joined by hyphens, such as 7647-14-5.</source>
        <extracomment>%1 is the text typed as the CAS number; the example 7647-14-5 stays as it is.</extracomment>
        <translation>%1 ist nicht wie eine CAS-Nummer geschrieben: 2 bis 7 Ziffern, 2 Ziffern und eine Prüfziffer, durch Bindestriche verbunden, etwa 7647-14-5.</translation>
    </message>
    <message>
        <source>The CAS number %1 has a wrong check digit: it should end in %2.</source>
        <extracomment>%1 is the CAS number typed, %2 the check digit its other digits call for.</extracomment>
        <translation>Die CAS-Nummer %1 hat eine falsche Prüfziffer: Sie müsste auf %2 enden.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleDialog</name>
    <message>
        <source>% purity (a solid)</source>
        <translation>% Reinheit (Feststoff)</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>%&#xa0;(m/m)</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>%&#xa0;(V/V)</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>%&#xa0;(m/V)</translation>
    </message>
    <message>
        <source>g/L (mg/mL)</source>
        <translation>g/L (mg/mL)</translation>
    </message>
    <message>
        <source>M (mol/L)</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>Edit Bottle</source>
        <extracomment>The title of the window that edits a bottle of the reagent book.</extracomment>
        <translation>Flasche bearbeiten</translation>
    </message>
    <message>
        <source>New Bottle</source>
        <translation>Neue Flasche</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Bezeichnung:</translation>
    </message>
    <message>
        <source>&amp;Formula:</source>
        <translation>&amp;Formel:</translation>
    </message>
    <message>
        <source>Molecular &amp;weight:</source>
        <translation>&amp;Molmasse:</translation>
    </message>
    <message>
        <source>from the formula</source>
        <extracomment>Shown in the empty molecular weight box: the formula gives it where molvera reads it.</extracomment>
        <translation>aus der Formel</translation>
    </message>
    <message>
        <source>&amp;Basis:</source>
        <translation>&amp;Einheit:</translation>
    </message>
    <message>
        <source>&amp;Strength:</source>
        <translation>&amp;Gehalt:</translation>
    </message>
    <message>
        <source>Specific &amp;gravity:</source>
        <translation>&amp;Dichte:</translation>
    </message>
    <message>
        <source>&amp;CAS number:</source>
        <translation>&amp;CAS-Nummer:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>&amp;Notiz:</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <extracomment>Beside a field of a bottle that should hold a number.</extracomment>
        <translation>Zahl eingeben.</translation>
    </message>
    <message>
        <source>Molecular weight %1</source>
        <extracomment>%1 is a molecular weight.</extracomment>
        <translation>Molmasse %1</translation>
    </message>
    <message>
        <source>Number of H2O: %1</source>
        <extracomment>%1 is the number of waters of crystallisation the formula gives.</extracomment>
        <translation>Anzahl H2O: %1</translation>
    </message>
    <message>
        <source>Its strength makes %1</source>
        <extracomment>%1 is a molarity such as &quot;12.1 M&quot;: what the strength and specific gravity make.</extracomment>
        <translation>Gehalt entspricht %1</translation>
    </message>
    <message>
        <source>Measured &amp;at (°C):</source>
        <translation>Mess&amp;temperatur (°C):</translation>
    </message>
    <message>
        <source>Where it stan&amp;ds:</source>
        <translation>&amp;Standort:</translation>
    </message>
</context>
<context>
    <name>molvera::BottleTexts</name>
    <message>
        <source>%1 % pure</source>
        <extracomment>A solid&apos;s purity; %1 is the number.</extracomment>
        <translation>%1&#xa0;% rein</translation>
    </message>
    <message>
        <source>%1 % w/w</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (m/m)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;(m/⁠m)</translation>
    </message>
    <message>
        <source>%1 % v/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (V/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;(V/⁠V)</translation>
    </message>
    <message>
        <source>%1 % w/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (m/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;(m/⁠V)</translation>
    </message>
    <message>
        <source>%1 g/L</source>
        <extracomment>%1 is the number of grams per litre.</extracomment>
        <translation>%1&#xa0;g/L</translation>
    </message>
    <message>
        <source>%1 M</source>
        <extracomment>%1 is the number of moles per litre.</extracomment>
        <translation>%1&#xa0;mol/⁠L</translation>
    </message>
</context>
<context>
    <name>molvera::CalculationSheet</name>
    <message>
        <source>molvera calculation</source>
        <extracomment>The title of a sheet&apos;s print job and of its PDF file.</extracomment>
        <translation>Berechnung mit molvera</translation>
    </message>
    <message>
        <source>Your molvera Calculation</source>
        <translation>Ihre molvera-Berechnung</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Arbeitsanweisung</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Reagent:</source>
        <translation>Reagenz:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formel:</translation>
    </message>
    <message>
        <source>Molarity:</source>
        <translation>Molarität:</translation>
    </message>
    <message>
        <source>Concentration:</source>
        <translation>Konzentration:</translation>
    </message>
    <message>
        <source>Date Prepared:</source>
        <translation>Hergestellt am:</translation>
    </message>
    <message>
        <source>Stock: %1 %2, specific gravity %3</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above), %3 its specific gravity (a number).</extracomment>
        <translation>Ausgangssubstanz: %1&#xa0;%2, Dichte %3</translation>
    </message>
    <message>
        <source>Stock: %1 %2</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above).</extracomment>
        <translation>Ausgangssubstanz: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <extracomment>The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month, yyyy the year; words between single quotes are kept as written (&apos;de&apos;).</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>The PDF was not made.</source>
        <translation>Die PDF-Datei wurde nicht erstellt.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>The strength on the label: %1 the number as typed, %2 its unit (below). English writes them together: &quot;0.5M&quot;, &quot;20% w/v&quot;.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The molarity&apos;s unit on the label, as in &quot;0.5M&quot;, and of a molar stock, as in &quot;Stock: 2 M&quot;.</extracomment>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>% w/w</source>
        <extracomment>Percent weight in weight, as in &quot;20% w/w&quot;.</extracomment>
        <translation>%&#xa0;(m/m)</translation>
    </message>
    <message>
        <source>% w/v</source>
        <extracomment>Percent weight in volume, as in &quot;20% w/v&quot;.</extracomment>
        <translation>%&#xa0;(m/V)</translation>
    </message>
    <message>
        <source>% v/v</source>
        <extracomment>Percent volume in volume, as in &quot;20% v/v&quot;.</extracomment>
        <translation>%&#xa0;(V/V)</translation>
    </message>
    <message>
        <source>Stock: %1 %2, Number of H2O: %3</source>
        <extracomment>The stock of a hydrate solution: %1 its strength (a number), %2 its unit (&quot;%&quot;), %3 its number of waters of crystallisation (a number, 0 for the anhydrous salt). Worded as the hydrate page&apos;s caption of that number, &quot;Number of H2O:&quot;; H2O is a formula, not a word.</extracomment>
        <translation>Ausgangssubstanz: %1&#xa0;%2, Anzahl H2O: %3</translation>
    </message>
    <message>
        <source>mM</source>
        <extracomment>Millimoles per litre, as in &quot;50mM&quot;; write it as the language writes &quot;M&quot; (mmol/L).</extracomment>
        <translation>mmol/L</translation>
    </message>
    <message>
        <source>µM</source>
        <extracomment>Micromoles per litre, as in &quot;10µM&quot;; write it as the language writes &quot;M&quot; (µmol/L).</extracomment>
        <translation>µmol/L</translation>
    </message>
    <message>
        <source>nM</source>
        <extracomment>Nanomoles per litre, as in &quot;5nM&quot;; write it as the language writes &quot;M&quot; (nmol/L).</extracomment>
        <translation>nmol/L</translation>
    </message>
    <message>
        <source>g/L</source>
        <extracomment>Grams per litre, a stock&apos;s strength, as in &quot;10 g/L&quot;.</extracomment>
        <translation>g/L</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit.</extracomment>
        <translation>Ausgangssubstanz: %1 (%2&#xa0;%3)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, specific gravity %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit, %4 its specific gravity.</extracomment>
        <translation>Ausgangssubstanz: %1 (%2&#xa0;%3, Dichte %4)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, Number of H2O: %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit (&quot;%&quot;), %4 its waters of crystallisation; &quot;Number of H2O&quot; as the hydrate page&apos;s caption says it.</extracomment>
        <translation>Ausgangssubstanz: %1 (%2&#xa0;%3, Anzahl H2O: %4)</translation>
    </message>
</context>
<context>
    <name>molvera::CalculatorPage</name>
    <message>
        <source> Input Error!</source>
        <extracomment>The title of the box that says a page&apos;s input cannot be used. The space before it is kept.</extracomment>
        <translation> Eingabefehler!</translation>
    </message>
    <message>
        <source>Please correctly fill in all required text boxes!</source>
        <translation>Bitte alle erforderlichen Felder korrekt ausfüllen!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The title of the question asked before the sheet is saved as PDF.</extracomment>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>The answer is out of date: an entry has changed since the last calculation.</source>
        <extracomment>Asked before a page&apos;s sheet is printed or saved while the page shows its method out of date. The sheet is the record of the last calculation.</extracomment>
        <translation>Das Ergebnis ist veraltet: Seit der letzten Berechnung wurde eine Eingabe geändert.</translation>
    </message>
    <message>
        <source>&amp;Calculate First</source>
        <extracomment>Calculates with the entries as they stand, then prints or saves the new sheet.</extracomment>
        <translation>Zuerst &amp;berechnen</translation>
    </message>
    <message>
        <source>&amp;Print Last Calculation</source>
        <extracomment>Prints the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Letzte Berechnung drucken</translation>
    </message>
    <message>
        <source>&amp;Save Last Calculation</source>
        <extracomment>Saves the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Letzte Berechnung speichern</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says what a page could not use of a bottle of the reagent book.</extracomment>
        <translation>Reagenzienliste</translation>
    </message>
</context>
<context>
    <name>molvera::CommandLine</name>
    <message>
        <source>Works out how to make up reagent solutions.</source>
        <translation>Berechnet, wie Reagenzlösungen angesetzt werden.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given.</extracomment>
        <translation>%1: unerwartetes Argument „%2“</translation>
    </message>
    <message>
        <source>One of %1, answered on the terminal; &quot;molvera COMMAND --help&quot; describes its options. Without a command molvera opens its window.</source>
        <extracomment>%1 lists the commands, which are never translated: &quot;molar, percent, hydrate, formula&quot;. COMMAND stands for one of them.</extracomment>
        <translation>Einer der Befehle %1, im Terminal beantwortet; „molvera COMMAND --help“ beschreibt seine Optionen. Ohne Befehl öffnet molvera sein Fenster.</translation>
    </message>
    <message>
        <source>%1: unknown command &apos;%2&apos;; &quot;%1 --help&quot; lists the commands.</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given, which names no command.</extracomment>
        <translation>%1: unbekannter Befehl „%2“; „%1 --help“ listet die Befehle auf.</translation>
    </message>
</context>
<context>
    <name>molvera::Commands</name>
    <message>
        <source>Write the answer as one JSON object, with numbers as numbers.</source>
        <translation>Schreibt die Antwort als ein JSON-Objekt, Zahlen als JSON-Zahlen.</translation>
    </message>
    <message>
        <source>Write the calculation&apos;s sheet to FILE, as Save as PDF does.</source>
        <extracomment>FILE is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Schreibt das Blatt der Berechnung in FILE, wie „Als PDF speichern“.</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters.</source>
        <extracomment>%1 is an option, such as --molarity, %2 a number of characters.</extracomment>
        <translation>%1: länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>%1: not one line of UTF-8 text.</source>
        <extracomment>%1 is an option, such as --name.</extracomment>
        <translation>%1: keine einzelne Zeile UTF-8-Text.</translation>
    </message>
    <message>
        <source>%1: a negative number, which no amount or strength can be.</source>
        <extracomment>%1 is an option, such as --volume.</extracomment>
        <translation>%1: eine negative Zahl, doch keine Menge und keine Konzentration kann negativ sein.</translation>
    </message>
    <message>
        <source>%1: not a number, or not in a unit this option takes.</source>
        <extracomment>%1 is an option, such as --molarity, which takes a number, with a unit for some options.</extracomment>
        <translation>%1: keine Zahl oder nicht in einer Einheit, die diese Option annimmt.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an option, such as --formula, or the program&apos;s name, molvera; %2 a sentence that says what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 takes one of: %2.</source>
        <extracomment>%1 is an option, such as --type, %2 the values it takes, such as &quot;w/w, w/v, v/v&quot;.</extracomment>
        <translation>%1 nimmt einen dieser Werte an: %2.</translation>
    </message>
    <message>
        <source>The %1 command needs %2.</source>
        <extracomment>%1 is a command, such as molar, %2 an option, such as --molarity.</extracomment>
        <translation>Der Befehl %1 erfordert %2.</translation>
    </message>
    <message>
        <source>The sheet was not saved as “%1”: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it.</extracomment>
        <translation>Das Blatt wurde nicht als „%1“ gespeichert: %2</translation>
    </message>
</context>
<context>
    <name>molvera::ElementTable</name>
    <message>
        <source>Aluminium</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
    </message>
    <message>
        <source>Phosphous</source>
        <extracomment>The program&apos;s own spelling of Phosphorus.</extracomment>
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Sulphur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaBoxAction</name>
    <message>
        <source>Fill &amp;Element Rows from Formula</source>
        <translation>&amp;Elementzeilen aus Formel füllen</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaCommand</name>
    <message>
        <source>The elements of a formula with their counts, and its molecular weight.</source>
        <extracomment>The formula command&apos;s line in --help.</extracomment>
        <translation>Gibt die Elemente einer Formel mit ihrer Anzahl und die Molmasse der Formel aus.</translation>
    </message>
    <message>
        <source>The formula, such as NaCl, CuSO4·5H2O or K4[Fe(CN)6].</source>
        <extracomment>The formulas are never translated.</extracomment>
        <translation>Die Formel, etwa NaCl, CuSO4·5H2O oder K4[Fe(CN)6].</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts (&quot;Na 1, Cl 1&quot;), %3 its molecular weight (a number). Symbols and formulas are never translated.</extracomment>
        <translation>%1: %2; Molmasse %3</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3; waters of crystallisation: %4</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts, water&apos;s included (&quot;Cu 1, S 1, O 9, H 10&quot;), %3 its molecular weight, %4 its waters of crystallisation (numbers).</extracomment>
        <translation>%1: %2; Molmasse %3; Anzahl H2O: %4</translation>
    </message>
    <message>
        <source>The formula command needs a formula: molvera formula F.</source>
        <extracomment>F stands for the formula, as the help writes it.</extracomment>
        <translation>Der Befehl formula erfordert eine Formel: molvera formula F.</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaRows</name>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Molecular Weight</source>
        <translation>Molmasse</translation>
    </message>
    <message>
        <source>Select an Element</source>
        <translation>Element auswählen</translation>
    </message>
    <message>
        <source>Element, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Element, Zeile %1</translation>
    </message>
    <message>
        <source>Select the number of elements in this formula</source>
        <translation>Anzahl dieses Elements in der Formel auswählen</translation>
    </message>
    <message>
        <source>Number of atoms, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Anzahl Atome, Zeile %1</translation>
    </message>
    <message>
        <source>Molecular weight, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Molmasse, Zeile %1</translation>
    </message>
    <message>
        <source>Total molecular weight</source>
        <translation>Molmasse gesamt</translation>
    </message>
    <message>
        <source>Total Molecular Weight = </source>
        <extracomment>The caption left of the total box, which follows it on the same line.</extracomment>
        <translation>Molmasse gesamt = </translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCalculation</name>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 grams of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 grams of stock, %5 the formula of the stock that is weighed (formulas are never translated). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;mL einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4&#xa0;g %5 abwiegen und mit Lösungsmittel
auf %1&#xa0;mL auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;58.4 mg&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;mL einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4 %5 abwiegen und mit Lösungsmittel
auf %1&#xa0;mL auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;23.47 grams&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4 %5 abwiegen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCommand</name>
    <message>
        <source>How much of a salt, as it stands on the shelf, to weigh for a percent w/v solution of a form with other waters, as the Hydrate Solution page works it out.</source>
        <extracomment>The hydrate command&apos;s line in --help. The salt on the shelf is the starting substance.</extracomment>
        <translation>Berechnet wie die Seite „Hydratlösung“, wie viel vom vorrätigen Salz (der Ausgangssubstanz) für eine Lösung in %&#xa0;(m/V) einer Form mit anderer Anzahl H2O abzuwiegen ist.</translation>
    </message>
    <message>
        <source>The salt as its bottle writes it, with its waters: CuSO4·5H2O.</source>
        <extracomment>The formula is never translated.</extracomment>
        <translation>Das Salz, wie es auf seiner Flasche steht, mit Kristallwasser: CuSO4·5H2O.</translation>
    </message>
    <message>
        <source>The percent w/v wanted.</source>
        <translation>Gewünschte Konzentration in %&#xa0;(m/V).</translation>
    </message>
    <message>
        <source>The volume to make, in mL or with its unit: 100, 1 L.</source>
        <extracomment>Keep 100 and 1 L as they are.</extracomment>
        <translation>Herzustellendes Volumen, in mL oder mit Einheit, z.&#xa0;B. 100 oder 1 L.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the form the percent is stated for. Default: 0, the anhydrous salt.</source>
        <translation>Anzahl H2O (Kristallwasser) der Form, auf die sich die Prozentangabe bezieht. Standardwert: 0, das wasserfreie Salz.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the salt on the shelf, if not those of --formula.</source>
        <extracomment>--formula is an option: keep it.</extracomment>
        <translation>Anzahl H2O (Kristallwasser) der Ausgangssubstanz, falls nicht die aus --formula.</translation>
    </message>
    <message>
        <source>The purity of the salt on the shelf, in percent. Default: 100.</source>
        <translation>Gehalt der Ausgangssubstanz in Prozent. Standardwert: 100.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Bezeichnung des Reagenzes, für das Etikett des Blatts.</translation>
    </message>
</context>
<context>
    <name>molvera::HydratePage</name>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The option for a concentration stated for the hydrate, with the number of waters below. The tab has the same English words, translated on their own.</extracomment>
        <translation>Hydrat</translation>
    </message>
    <message>
        <source>1. Type of Solution</source>
        <translation>1. Art der Lösung</translation>
    </message>
    <message>
        <source>Anhydrous Solution</source>
        <extracomment>The option for a concentration stated for the anhydrous salt, without waters: a salt, not a solution.</extracomment>
        <translation>Wasserfreies Salz</translation>
    </message>
    <message>
        <source>2. Select Elements</source>
        <translation>2. Elemente auswählen</translation>
    </message>
    <message>
        <source>3. Stock Solution</source>
        <extracomment>The substance on the shelf, usually a solid salt: the starting substance, not a solution.</extracomment>
        <translation>3. Ausgangssubstanz</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <extracomment>The purity of the substance on the shelf (the starting substance), in percent.</extracomment>
        <translation>Gehalt:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Gehalt der Ausgangssubstanz in % eingeben</translation>
    </message>
    <message>
        <source>Number of H2O:</source>
        <translation>Anzahl H2O:</translation>
    </message>
    <message>
        <source>Enter the number of H2Os in the stock solution</source>
        <extracomment>The substance on the shelf: the starting substance, usually a solid salt.</extracomment>
        <translation>Anzahl H2O (Kristallwasser) der Ausgangssubstanz eingeben</translation>
    </message>
    <message>
        <source>Number of H2O in the stock</source>
        <translation>Anzahl H2O in der Ausgangssubstanz</translation>
    </message>
    <message>
        <source>4. Required Solution</source>
        <translation>4. Herzustellende Lösung</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Konzentration:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Gewünschte Konzentration eingeben</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>%&#xa0;(m/V)</translation>
    </message>
    <message>
        <source>Enter the number of H2Os required for the Hydrate</source>
        <translation>Anzahl H2O (Kristallwasser) des gewünschten Hydrats eingeben</translation>
    </message>
    <message>
        <source>Number of H2O required</source>
        <translation>Gewünschte Anzahl H2O</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make</source>
        <translation>Herzustellendes Volumen eingeben</translation>
    </message>
    <message>
        <source>5. Calculate</source>
        <translation>5. Berechnen</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Hier klicken, um das Ergebnis zu berechnen</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Herstellung</translation>
    </message>
    <message>
        <source>Copper Sulphate</source>
        <translation>Kupfersulfat</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows (and the stock&apos;s number of waters) from the formula box, since they held another salt. Keep it short: one line of the box.</extracomment>
        <translation>Elementzeilen aus der Formel gefüllt.</translation>
    </message>
    <message>
        <source>The hydrate page weighs a solid starting substance: the strength of %1, a solution, cannot be used here. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it. The page&apos;s stock is the substance on the shelf, weighed: the starting substance.</extracomment>
        <translation>Auf der Seite „Hydratlösung“ wird eine feste Ausgangssubstanz abgewogen: Der Gehalt von %1, einer Lösung, lässt sich hier nicht verwenden. Formel und Bezeichnung wurden übernommen.</translation>
    </message>
</context>
<context>
    <name>molvera::MainWindow</name>
    <message>
        <source>Visit the Kestrova Software Home Page</source>
        <translation>Zur Homepage von Kestrova Software</translation>
    </message>
    <message>
        <source>Chemical Formula:</source>
        <translation>Summenformel:</translation>
    </message>
    <message>
        <source>Enter the Chemical Formula</source>
        <translation>Summenformel eingeben</translation>
    </message>
    <message>
        <source>Chemical Name:</source>
        <translation>Chemische Bezeichnung:</translation>
    </message>
    <message>
        <source>Enter the Chemical Name</source>
        <translation>Chemische Bezeichnung eingeben</translation>
    </message>
</context>
<context>
    <name>molvera::MeasuredAmount</name>
    <message>
        <source>%1 grams</source>
        <extracomment>An amount of a weighed substance; %1 is a number with two decimals.</extracomment>
        <translation>%1&#xa0;g</translation>
    </message>
    <message>
        <source>%1 mL</source>
        <extracomment>%1 is a number. The unit symbols (mL, mg, µg, µL, nL, L, kg, M, mM, µM, nM) are international: change them only where the language writes them otherwise.</extracomment>
        <translation>%1&#xa0;mL</translation>
    </message>
    <message>
        <source>%1 mg</source>
        <extracomment>%1 is a number with three significant digits.</extracomment>
        <translation>%1&#xa0;mg</translation>
    </message>
    <message>
        <source>%1 µg</source>
        <extracomment>%1 is a number with three significant digits.</extracomment>
        <translation>%1&#xa0;µg</translation>
    </message>
    <message>
        <source>%1 µL</source>
        <extracomment>%1 is a number with three significant digits.</extracomment>
        <translation>%1&#xa0;µL</translation>
    </message>
    <message>
        <source>%1 nL</source>
        <extracomment>%1 is a number with three significant digits.</extracomment>
        <translation>%1&#xa0;nL</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A number typed with its unit; %1 is the number as typed, %2 the unit&apos;s symbol (L, mL, µL, kg, g, mg, M, mM, µM, nM). Keep a no-break space between them if the language does.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>So little cannot be measured well: make a more concentrated solution first and dilute it.</source>
        <extracomment>Added after instructions whose amount is less than a balance (1 mg) or a pipette (0.5 µL) measures well. One short sentence.</extracomment>
        <translation>So wenig lässt sich nicht genau abmessen: zuerst eine höher konzentrierte Lösung ansetzen und diese verdünnen.</translation>
    </message>
</context>
<context>
    <name>molvera::MethodBox</name>
    <message>
        <source>Out of date: an entry has changed since this was calculated. Calculate again to bring it up to date.</source>
        <extracomment>Said of a page&apos;s method sentence, by screen readers and in its tool-tip, once an input it was worked out from has changed.</extracomment>
        <translation>Veraltet: Seit dieser Berechnung wurde eine Eingabe geändert. Zum Aktualisieren erneut berechnen.</translation>
    </message>
    <message>
        <source>Method</source>
        <extracomment>What screen readers call a page&apos;s method sentence.</extracomment>
        <translation>Herstellung</translation>
    </message>
    <message>
        <source>Out of date: calculate again.</source>
        <extracomment>Shown in a page&apos;s method box, under a sentence that an entry changed since it was calculated. Keep it short: it has one line of the box.</extracomment>
        <translation>Veraltet: neu berechnen.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculation</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 grams or mLs of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams or millilitres of stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; and &quot;grams or mLs&quot; follow typed, possibly decimal numbers: prefer the unit symbols (L, g, mL) to plural forms.</extracomment>
        <translation>Für %1&#xa0;L einer Lösung von %3 mit %2&#xa0;mol/⁠L:
%4&#xa0;g bzw. mL %3 abmessen und mit Lösungsmittel
auf %1&#xa0;L auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 mL of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 millilitres of a liquid stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed, possibly decimal number: prefer the unit symbol (L).</extracomment>
        <translation>Für %1&#xa0;L einer Lösung von %3 mit %2&#xa0;mol/⁠L:
%4&#xa0;mL %3 abmessen und mit Lösungsmittel
auf %1&#xa0;L auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 the amount of stock with its unit (&quot;5.84 mg&quot;, &quot;0.500 µL&quot;). The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed number: prefer the symbol (L).</extracomment>
        <translation>Für %1&#xa0;L einer Lösung von %3 mit %2&#xa0;mol/⁠L:
%4 %3 abmessen und mit Lösungsmittel
auf %1&#xa0;L auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make and %2 the molarity, each a number with its unit as typed (&quot;250 mL&quot;, &quot;50 mM&quot;), %3 the formula (never translated), %4 the amount of stock with its unit (&quot;1.51 grams&quot;, &quot;22.50 mL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2:
%4 %3 abmessen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculationWeighed</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>As the molar sentence with the amount&apos;s unit, for a solid that is weighed: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams of it with the unit (&quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;L einer Lösung von %3 mit %2&#xa0;mol/⁠L:
%4 %3 abwiegen und mit Lösungsmittel
auf %1&#xa0;L auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the molar sentence with units typed, for a solid that is weighed: %1 the volume to make and %2 the molarity, each with its unit as typed, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;1.51 grams&quot;). Keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2:
%4 %3 abwiegen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCommand</name>
    <message>
        <source>How much stock to measure for a solution of a molarity, as the Molar Solution page works it out.</source>
        <extracomment>The molar command&apos;s line in --help.</extracomment>
        <translation>Berechnet wie die Seite „Molare Lösung“, wie viel Stammlösung für eine Lösung bestimmter Molarität abzumessen ist.</translation>
    </message>
    <message>
        <source>The molarity wanted, in M or with its unit: 0.5, 50mM.</source>
        <extracomment>Keep 0.5 and 50mM as they are, with the language&apos;s decimal separator.</extracomment>
        <translation>Gewünschte Molarität, in M oder mit Einheit, z.&#xa0;B. 0,5 oder 50mM.</translation>
    </message>
    <message>
        <source>The volume to make, in litres or with its unit: 1, 250mL.</source>
        <extracomment>Keep 1 and 250mL as they are.</extracomment>
        <translation>Herzustellendes Volumen, in Litern oder mit Einheit, z.&#xa0;B. 1 oder 250mL.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula: the sentence names it, and without --mw it gives the molecular weight (NaCl, MgCl2·6H2O).</source>
        <extracomment>--mw is an option: keep it. The formulas are never translated.</extracomment>
        <translation>Formel des Stoffs: Die Antwort nennt sie, und ohne --mw ergibt sie die Molmasse (NaCl, MgCl2·6H2O).</translation>
    </message>
    <message>
        <source>The molecular weight in g/mol, instead of the formula&apos;s.</source>
        <translation>Molmasse in g/mol, statt der aus der Formel.</translation>
    </message>
    <message>
        <source>The stock: a percent (98), a molarity (5M, 500 mM), 20 % w/v or 10 g/L. Default: 100 (%).</source>
        <extracomment>Keep the examples as they are, with the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Konzentration der Stammlösung: Prozent (98), Molarität (5M, 500 mM), 20 % w/v (m/V) oder 10 g/L. Standardwert: 100 (%).</translation>
    </message>
    <message>
        <source>The specific gravity of a percent stock. Default: 1.</source>
        <translation>Dichte einer Stammlösung in Prozent. Standardwert: 1.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Bezeichnung des Reagenzes, für das Etikett des Blatts.</translation>
    </message>
    <message>
        <source>The molar command needs %1 or %2, unless the stock is molar.</source>
        <extracomment>%1 and %2 are options, --formula and --mw.</extracomment>
        <translation>Der Befehl molar erfordert %1 oder %2, sofern die Stammlösung nicht molar ist.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarPage</name>
    <message>
        <source>1. Select Elements</source>
        <translation>1. Elemente auswählen</translation>
    </message>
    <message>
        <source>Calculate Mol Wt</source>
        <translation>Molmasse berechnen</translation>
    </message>
    <message>
        <source>Enter Manual Mol Wt</source>
        <translation>Molmasse eingeben</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>2. Stammlösung</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Konz. Stammlösung:</translation>
    </message>
    <message>
        <source>Stock concentration unit</source>
        <translation>Konzentrationseinheit der Stammlösung</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Dichte:</translation>
    </message>
    <message>
        <source>Enter the Specific Gravity if required.</source>
        <translation>Dichte eingeben, falls erforderlich.</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>3. Herzustellende Lösung</translation>
    </message>
    <message>
        <source>Molarity Required:</source>
        <translation>Molarität:</translation>
    </message>
    <message>
        <source>Molar</source>
        <translation>mol/L</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volumen:</translation>
    </message>
    <message>
        <source>Litre(s)</source>
        <extracomment>After a typed number, possibly decimal: prefer the unit symbol (L) to a plural form.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>4. Berechnen</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Hier klicken, um das Ergebnis zu berechnen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Sulphuric Acid</source>
        <translation>Schwefelsäure</translation>
    </message>
    <message>
        <source>Molecular weight worked out from the formula.</source>
        <extracomment>A line under the answer, after Calculate took the molecular weight from the formula box, whose formula the element rows cannot hold. Keep it short: one line of the box.</extracomment>
        <translation>Molmasse aus der Formel berechnet.</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows from the formula box, since they held another substance. Keep it short: one line of the box.</extracomment>
        <translation>Elementzeilen aus der Formel gefüllt.</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution, e.g. 98, or 500 mM for a molar stock</source>
        <extracomment>A molar stock may be typed with its unit: keep 500 mM as it is.</extracomment>
        <translation>Konzentration der Stammlösung eingeben, z.&#xa0;B. 98 oder 500&#xa0;mM für eine molare Stammlösung</translation>
    </message>
    <message>
        <source>Enter the molarity required, e.g. 0.5 or 50 mM</source>
        <extracomment>A unit may be typed after the number: keep 50 mM as it is (the language&apos;s decimal separator in 0.5).</extracomment>
        <translation>Gewünschte Molarität eingeben, z.&#xa0;B. 0,5 oder 50&#xa0;mM</translation>
    </message>
    <message>
        <source>Enter how many  Litres you wish to make, e.g. 1 or 250 mL</source>
        <extracomment>A unit may be typed after the number: keep 250 mL as it is.</extracomment>
        <translation>Herzustellendes Volumen in Litern eingeben, z.&#xa0;B. 1 oder 250&#xa0;mL</translation>
    </message>
    <message>
        <source>The molar page cannot use the strength of %1: a stock in % v/v would need the density of the pure liquid. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>Die Seite „Molare Lösung“ kann die Konzentration von %1 nicht verwenden: Für eine Stammlösung in %&#xa0;(V/⁠V) wäre die Dichte der reinen Flüssigkeit nötig. Formel und Bezeichnung wurden übernommen.</translation>
    </message>
</context>
<context>
    <name>molvera::PageButtonBar</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Clear this calculation</source>
        <translation>Diese Berechnung löschen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Instructions and Label</source>
        <translation>Arbeitsanweisung und Etikett drucken</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <translation>B&amp;eispiel</translation>
    </message>
    <message>
        <source>Click here to view an example.</source>
        <translation>Hier klicken, um ein Beispiel anzuzeigen.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Click here for Program Details</source>
        <translation>Hier klicken für Informationen zum Programm</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculation</name>
    <message>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 ,
Measure %4 grams of %3 and mix with %5 grams
of solvent.</source>
        <extracomment>%1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock, %5 grams of solvent. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;g einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠m):
%4&#xa0;g %3 abwiegen und mit %5&#xa0;g
Lösungsmittel mischen.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 grams of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;mL einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4&#xa0;g %3 abwiegen und mit Lösungsmittel
auf %1&#xa0;mL auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a liquid stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;mL einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4&#xa0;mL %3 abmessen und mit Lösungsmittel
auf %1&#xa0;mL auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1&#xa0;mL einer Lösung von %3 mit %2&#xa0;%&#xa0;(V/⁠V):
%4&#xa0;mL %3 abmessen und mit Lösungsmittel
auf %1&#xa0;mL auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/w solution of %3 ,
Measure %4 of %3 and mix with %5
of solvent.</source>
        <extracomment>%1 the amount to make with its unit (&quot;2 kg&quot;, &quot;100 grams&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock and %5 the solvent to mix in, each with its unit (&quot;300.00 grams&quot;, &quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠m):
%4 %3 abwiegen und mit %5
Lösungsmittel mischen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4 %3 abmessen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % v/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 µL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2&#xa0;%&#xa0;(V/⁠V):
%4 %3 abmessen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculationWeighed</name>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the w/v sentence with units, for a solid that is weighed: %1 the volume to make with its unit, %2 the percent wanted, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;4.50 grams&quot;, &quot;58.4 mg&quot;). Keep the two line breaks.</extracomment>
        <translation>Für %1 einer Lösung von %3 mit %2&#xa0;%&#xa0;(m/⁠V):
%4 %3 abwiegen und mit Lösungsmittel
auf %1 auffüllen.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCommand</name>
    <message>
        <source>How much stock to measure for a percent solution, as the % Solution page works it out.</source>
        <extracomment>The percent command&apos;s line in --help.</extracomment>
        <translation>Berechnet wie die Seite „%-Lösung“, wie viel Stammlösung für eine Lösung in Prozent abzumessen ist.</translation>
    </message>
    <message>
        <source>What the percent is of: w/w (made by weight), w/v or v/v.</source>
        <extracomment>w/w, w/v and v/v are the option&apos;s values: keep them as they are.</extracomment>
        <translation>Bezug der Prozentangabe: w/w (m/m, nach Masse angesetzt), w/v (m/V) oder v/v (V/V).</translation>
    </message>
    <message>
        <source>The percent wanted.</source>
        <translation>Gewünschte Konzentration in Prozent.</translation>
    </message>
    <message>
        <source>The amount to make, in grams for w/w and mL otherwise, or with its unit: 100, 2 kg, 1 L.</source>
        <extracomment>Keep 100, 2 kg and 1 L as they are.</extracomment>
        <translation>Herzustellende Menge, in Gramm bei w/w und sonst in mL, oder mit Einheit, z.&#xa0;B. 100, 2 kg oder 1 L.</translation>
    </message>
    <message>
        <source>The stock&apos;s percent by weight, or in grams per 100 mL written as 20 % w/v. Default: 100.</source>
        <extracomment>Keep &quot;20 % w/v&quot; as it is, but for the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Konzentration der Stammlösung in Prozent nach Masse oder, geschrieben als 20 % w/v (m/V), in Gramm pro 100&#xa0;mL. Standardwert: 100.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock. Default: 1.</source>
        <translation>Dichte der Stammlösung. Standardwert: 1.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula, which the sentence names.</source>
        <translation>Formel des Stoffs, die die Antwort nennt.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Bezeichnung des Reagenzes, für das Etikett des Blatts.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentPage</name>
    <message>
        <source>1. Type of Concentration</source>
        <translation>1. Konzentrationsangabe</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>%&#xa0;(m/m)</translation>
    </message>
    <message>
        <source>Weight per Weight Concentrations</source>
        <translation>Massenanteil (Masse pro Masse)</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>%&#xa0;(m/V)</translation>
    </message>
    <message>
        <source>Weight per Volume Concentrations</source>
        <translation>Massenkonzentration (Masse pro Volumen)</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>%&#xa0;(V/V)</translation>
    </message>
    <message>
        <source>Volume per Volume Concentrations</source>
        <translation>Volumenanteil (Volumen pro Volumen)</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <translation>2. Stammlösung</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Konz. Stammlösung:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Konzentration der Stammlösung eingeben</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Dichte:</translation>
    </message>
    <message>
        <source>Enter the SG of the stock solution</source>
        <translation>Dichte der Stammlösung eingeben</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <translation>3. Herzustellende Lösung</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Konzentration:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Gewünschte Konzentration eingeben</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <extracomment>The amount to make, in mL, or in grams for w/w: a word for an amount, not only a volume.</extracomment>
        <translation>Menge:</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <translation>4. Berechnen</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Hier klicken, um das Ergebnis zu berechnen</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Herstellung</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Sodium Chloride</source>
        <translation>Natriumchlorid</translation>
    </message>
    <message>
        <source>Choose what the stock&apos;s percent is of: weight in weight, or grams in 100 mL</source>
        <translation>Bezug der Prozentangabe der Stammlösung auswählen: Masse pro Masse oder Gramm in 100&#xa0;mL</translation>
    </message>
    <message>
        <source>Stock concentration basis</source>
        <translation>Bezug der Konzentration der Stammlösung</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (grams) or 2 kg</source>
        <extracomment>A unit may be typed after the number: keep 2 kg as it is.</extracomment>
        <translation>Herzustellende Menge eingeben, z.&#xa0;B. 100&#xa0;(g) oder 2&#xa0;kg</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (mL) or 1 L</source>
        <extracomment>A unit may be typed after the number: keep 1 L as it is.</extracomment>
        <translation>Herzustellende Menge eingeben, z.&#xa0;B. 100&#xa0;(mL) oder 1&#xa0;L</translation>
    </message>
    <message>
        <source>The stock&apos;s list has no % v/v: the percent of %1 is entered as the stock&apos;s, which serves a % v/v solution.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>Für die Stammlösung steht %&#xa0;(V/⁠V) nicht zur Auswahl: Der Prozentwert von %1 wurde als Konzentration der Stammlösung eingetragen und gilt so für eine Lösung in %&#xa0;(V/⁠V).</translation>
    </message>
    <message>
        <source>The % page cannot use the strength of %1, a molar stock: the molar page can. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>Die Seite „%-Lösung“ kann die Konzentration von %1, einer molaren Stammlösung, nicht verwenden; die Seite „Molare Lösung“ kann es. Formel und Bezeichnung wurden übernommen.</translation>
    </message>
</context>
<context>
    <name>molvera::ReagentBook</name>
    <message>
        <source>Reagent &amp;Book…</source>
        <extracomment>The formula box&apos;s context menu: opens the reagent book&apos;s window.</extracomment>
        <translation>Reagenzien&amp;liste…</translation>
    </message>
    <message>
        <source>&amp;Save Stock to Book…</source>
        <extracomment>The formula box&apos;s context menu: makes a bottle of the page&apos;s stock in the reagent book.</extracomment>
        <translation>Ausgangssubstanz in die Reagenzienliste auf&amp;nehmen…</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says the page&apos;s stock cannot be saved in the reagent book.</extracomment>
        <translation>Reagenzienliste</translation>
    </message>
    <message>
        <source>The stock&apos;s strength on this page is not a number, so it cannot be saved as a bottle.</source>
        <translation>Der Gehalt der Ausgangssubstanz auf dieser Seite ist keine Zahl, sie lässt sich also nicht als Flasche speichern.</translation>
    </message>
    <message>
        <source>This is neither a connection string (host=… dbname=…) nor a URI (postgresql://…).</source>
        <extracomment>The lab book&apos;s connection string cannot be read.</extracomment>
        <translation>Das ist weder eine Verbindungszeichenfolge (host=… dbname=…) noch eine URI (postgresql://…).</translation>
    </message>
    <message>
        <source>molvera keeps no password. Leave it out, and put it in ~/.pgpass (a line host:port:database:user:password) or a service file instead.</source>
        <extracomment>molvera keeps no passwords: libpq&apos;s own files do.</extracomment>
        <translation>molvera speichert kein Passwort. Bitte das Passwort weglassen und stattdessen in ~/.pgpass (eine Zeile host:port:database:user:password) oder eine Service-Datei eintragen.</translation>
    </message>
</context>
<context>
    <name>molvera::RefusalMessages</name>
    <message>
        <source>Cannot Calculate</source>
        <translation>Berechnung nicht möglich</translation>
    </message>
    <message>
        <source>Cannot Be Made</source>
        <translation>Herstellung nicht möglich</translation>
    </message>
    <message>
        <source>A number is too large to calculate with. Please enter smaller numbers.</source>
        <translation>Eine Zahl ist zu groß, um damit zu rechnen. Bitte kleinere Zahlen eingeben.</translation>
    </message>
    <message>
        <source>The stock concentration is zero, so no amount of the stock holds the substance. Please enter the concentration of the stock.</source>
        <translation>Die Konzentration der Stammlösung ist null, keine Menge davon enthält also den Stoff. Bitte die Konzentration der Stammlösung eingeben.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock is zero, so its volume cannot be calculated. Please enter the specific gravity of the stock.</source>
        <translation>Die Dichte der Stammlösung ist null, ihr Volumen lässt sich also nicht berechnen. Bitte die Dichte der Stammlösung eingeben.</translation>
    </message>
    <message>
        <source>The molecular weight of the salt with the waters required is zero, so the amount cannot be calculated. Please check the formula and the waters.</source>
        <translation>Die Molmasse des Salzes mit dem gewünschten Kristallwasser ist null, die Menge lässt sich also nicht berechnen. Bitte Formel und Anzahl H2O prüfen.</translation>
    </message>
    <message>
        <source>The stock is weaker than the solution wanted, so the solution cannot be made from it by dilution. Please use a stronger stock or make a weaker solution.</source>
        <translation>Die Stammlösung ist schwächer konzentriert als die gewünschte Lösung, diese lässt sich also nicht durch Verdünnen herstellen. Bitte eine höher konzentrierte Stammlösung verwenden oder eine verdünntere Lösung ansetzen.</translation>
    </message>
    <message>
        <source>An amount in the instructions would be negative, so they cannot be carried out. Please check the numbers for a minus sign.</source>
        <translation>Eine Menge in der Arbeitsanweisung wäre negativ, sie lässt sich also nicht ausführen. Bitte die Zahlen auf ein Minuszeichen prüfen.</translation>
    </message>
    <message>
        <source>Cannot Read Formula</source>
        <translation>Formel nicht lesbar</translation>
    </message>
    <message>
        <source>The purity of the starting substance is zero, so no amount of it holds the salt. Please enter its purity in percent.</source>
        <extracomment>The hydrate page&apos;s stock is the substance on the shelf, usually a solid salt: the starting substance, whose purity in percent is typed beside &quot;Conc of Stock Soln:&quot;.</extracomment>
        <translation>Der Gehalt der Ausgangssubstanz ist null, keine Menge davon enthält also das Salz. Bitte ihren Gehalt in Prozent eingeben.</translation>
    </message>
    <message>
        <source>There is no formula to read.</source>
        <extracomment>The formula box is empty.</extracomment>
        <translation>Es ist keine Formel eingetragen.</translation>
    </message>
    <message>
        <source>“%1” is not the symbol of an element.</source>
        <extracomment>%1 is what was typed as an element symbol, such as Xy. Use the language&apos;s quotation marks.</extracomment>
        <translation>„%1“ ist kein Elementsymbol.</translation>
    </message>
    <message>
        <source>“%1” has no standard atomic weight, so the formula&apos;s weight cannot be worked out.</source>
        <extracomment>%1 is an element symbol, such as Tc. Use the language&apos;s quotation marks.</extracomment>
        <translation>„%1“ hat kein Standardatomgewicht, die Molmasse der Formel lässt sich also nicht berechnen.</translation>
    </message>
    <message>
        <source>“%1” is not an element symbol: a symbol begins with a capital letter, as in “%2”.</source>
        <extracomment>%1 is a symbol typed in small letters (na), %2 the symbol as it is written (Na). Use the language&apos;s quotation marks.</extracomment>
        <translation>„%1“ ist kein Elementsymbol: Ein Symbol beginnt mit einem Großbuchstaben, wie in „%2“.</translation>
    </message>
    <message>
        <source>The formula has more than 32767 atoms of “%1”.</source>
        <extracomment>%1 is an element symbol. A count box holds at most 32767: write the number as the language groups its digits.</extracomment>
        <translation>Die Formel enthält mehr als 32&#xa0;767 Atome von „%1“.</translation>
    </message>
    <message>
        <source>A bracket is not closed after “%1”.</source>
        <extracomment>%1 is the formula as typed, such as Ca(OH. Use the language&apos;s quotation marks.</extracomment>
        <translation>Nach „%1“ ist eine Klammer nicht geschlossen.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket that was not opened.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it. Use the language&apos;s quotation marks.</extracomment>
        <translation>„%1“ nach „%2“ schließt eine Klammer, die nicht geöffnet wurde.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket opened with “%3”.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.</extracomment>
        <translation>„%1“ nach „%2“ schließt eine mit „%3“ geöffnete Klammer.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is not a count from 1 to 32767.</source>
        <extracomment>%1 is a number as typed, %2 the formula before it. Write 32767 as the language groups its digits.</extracomment>
        <translation>„%1“ nach „%2“ ist keine Anzahl von 1 bis 32&#xa0;767.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is a fraction: a count in a formula is a whole number.</source>
        <extracomment>%1 is a number with a fraction, such as 1.5, %2 the formula before it.</extracomment>
        <translation>„%1“ nach „%2“ ist keine ganze Zahl: Eine Anzahl in einer Formel muss ganzzahlig sein.</translation>
    </message>
    <message>
        <source>The count “%1” after “%2” is set apart by a blank: a count follows its symbol or bracket directly.</source>
        <extracomment>%1 is a count, %2 the formula before it, with a blank between them.</extracomment>
        <translation>Die Anzahl „%1“ nach „%2“ ist durch ein Leerzeichen abgetrennt: Eine Anzahl folgt direkt auf ihr Symbol oder ihre Klammer.</translation>
    </message>
    <message>
        <source>“%1” cannot stand at the start of a formula.</source>
        <extracomment>%1 is what was typed first: a character or a number.</extracomment>
        <translation>„%1“ kann nicht am Anfang einer Formel stehen.</translation>
    </message>
    <message>
        <source>“%1” cannot stand after “%2”.</source>
        <extracomment>%1 is a character or a number as typed, %2 the formula before it.</extracomment>
        <translation>„%1“ kann nicht nach „%2“ stehen.</translation>
    </message>
    <message>
        <source>“%1” after “%2” must begin a water of crystallisation at the end of the formula, such as 5H2O.</source>
        <extracomment>%1 is a hydrate dot such as &quot;.&quot; or &quot;·&quot;, %2 the formula before it. 5H2O is a formula: keep it.</extracomment>
        <translation>„%1“ nach „%2“ muss ein Kristallwasser am Ende der Formel einleiten, etwa 5H2O.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: “%1” is not one of the elements they offer.</source>
        <extracomment>%1 is an element symbol. The rows&apos; element lists offer 32 elements.</extracomment>
        <translation>Die Elementzeilen können diese Formel nicht aufnehmen: „%1“ steht nicht in ihrer Elementauswahl.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: it has more than six elements, and “%1” is the seventh.</source>
        <extracomment>%1 is the symbol of the seventh different element.</extracomment>
        <translation>Die Elementzeilen können diese Formel nicht aufnehmen: Sie hat mehr als sechs Elemente, „%1“ ist das siebte.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: the count of “%1” is not a whole number.</source>
        <extracomment>%1 is an element symbol whose count in the formula is a fraction (half waters).</extracomment>
        <translation>Die Elementzeilen können diese Formel nicht aufnehmen: Die Anzahl von „%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>A stock in % w/v says how many grams are in a volume of it, not what fraction of its weight or volume they are, so a % w/w or % v/v solution cannot be worked out from it. Please give the stock in % w/w with its specific gravity, or make a % w/v solution.</source>
        <extracomment>&quot;% w/v&quot;, &quot;% w/w&quot; and &quot;% v/v&quot; as the page&apos;s lists and options write them.</extracomment>
        <translation>Eine Stammlösung in %&#xa0;(m/⁠V) gibt die Masse des Stoffs in einem Volumen an, nicht seinen Anteil an ihrer Masse oder ihrem Volumen; eine Lösung in %&#xa0;(m/⁠m) oder %&#xa0;(V/⁠V) lässt sich daraus also nicht berechnen. Bitte die Stammlösung in %&#xa0;(m/⁠m) mit ihrer Dichte angeben oder eine Lösung in %&#xa0;(m/⁠V) ansetzen.</translation>
    </message>
</context>
<context>
    <name>molvera::SheetDialogs</name>
    <message>
        <source>The printer is stopped.</source>
        <translation>Der Drucker ist angehalten.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Drucker „%1“ ist angehalten.</translation>
    </message>
    <message>
        <source>The printer does not accept jobs.</source>
        <translation>Der Drucker nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>Der Drucker hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>Der Drucker „%1“ hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>No default printer is set up.</source>
        <translation>Es ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>The sheet was not saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it, a sentence.</extracomment>
        <translation>Das Blatt wurde nicht als „%1“ gespeichert: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The sheet was not printed. %1</source>
        <extracomment>%1 says why, in a whole sentence.</extracomment>
        <translation>Das Blatt wurde nicht gedruckt. %1</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Als PDF speichern…</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>Keep &quot;(*.pdf)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
</context>
<context>
    <name>molvera::StarterBottles</name>
    <message>
        <source>Hydrochloric acid 37 %</source>
        <translation>Salzsäure 37 %</translation>
    </message>
    <message>
        <source>Sulfuric acid 96 %</source>
        <translation>Schwefelsäure 96 %</translation>
    </message>
    <message>
        <source>Nitric acid 65 %</source>
        <translation>Salpetersäure 65 %</translation>
    </message>
    <message>
        <source>Nitric acid 70 %</source>
        <translation>Salpetersäure 70 %</translation>
    </message>
    <message>
        <source>Phosphoric acid 85 %</source>
        <translation>Phosphorsäure 85 %</translation>
    </message>
    <message>
        <source>Acetic acid, glacial</source>
        <translation>Essigsäure (Eisessig)</translation>
    </message>
    <message>
        <source>Formic acid 98 %</source>
        <translation>Ameisensäure 98 %</translation>
    </message>
    <message>
        <source>Ammonia solution 25 %</source>
        <translation>Ammoniaklösung 25 %</translation>
    </message>
    <message>
        <source>Ammonia solution 28 %</source>
        <translation>Ammoniaklösung 28 %</translation>
    </message>
    <message>
        <source>Hydrogen peroxide 30 %</source>
        <translation>Wasserstoffperoxid 30 %</translation>
    </message>
    <message>
        <source>Ethanol 96 %</source>
        <translation>Ethanol 96 %</translation>
    </message>
    <message>
        <source>Ethanol, absolute</source>
        <translation>Ethanol absolut</translation>
    </message>
    <message>
        <source>2-Propanol</source>
        <translation>2-Propanol</translation>
    </message>
    <message>
        <source>Methanol</source>
        <translation>Methanol</translation>
    </message>
    <message>
        <source>Glycerol</source>
        <translation>Glycerin</translation>
    </message>
    <message>
        <source>Formaldehyde solution 37 %</source>
        <translation>Formaldehydlösung 37 %</translation>
    </message>
    <message>
        <source>Perchloric acid 70 %</source>
        <translation>Perchlorsäure 70 %</translation>
    </message>
    <message>
        <source>Hydrofluoric acid 48 %</source>
        <translation>Flusssäure 48 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide solution 50 %</source>
        <translation>Natronlauge 50 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide pellets</source>
        <translation>Natriumhydroxid, Plätzchen</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Natriumchlorid</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Kaliumchlorid</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate</source>
        <translation>Calciumchlorid-Dihydrat</translation>
    </message>
    <message>
        <source>Magnesium chloride hexahydrate</source>
        <translation>Magnesiumchlorid-Hexahydrat</translation>
    </message>
    <message>
        <source>Magnesium sulfate heptahydrate</source>
        <translation>Magnesiumsulfat-Heptahydrat</translation>
    </message>
    <message>
        <source>Copper(II) sulfate pentahydrate</source>
        <translation>Kupfer(II)-sulfat-Pentahydrat</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate dihydrate</source>
        <translation>Dinatriumhydrogenphosphat-Dihydrat</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate monohydrate</source>
        <translation>Natriumdihydrogenphosphat-Monohydrat</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Kaliumdihydrogenphosphat</translation>
    </message>
    <message>
        <source>Sodium carbonate, anhydrous</source>
        <translation>Natriumcarbonat, wasserfrei</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Natriumhydrogencarbonat</translation>
    </message>
    <message>
        <source>Tris base</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>EDTA disodium dihydrate</source>
        <translation>EDTA-Dinatriumsalz-Dihydrat</translation>
    </message>
    <message>
        <source>D-Glucose, anhydrous</source>
        <translation>D-Glucose, wasserfrei</translation>
    </message>
    <message>
        <source>D-Glucose monohydrate</source>
        <translation>D-Glucose-Monohydrat</translation>
    </message>
</context>
<context>
    <name>molvera::TabCaptions</name>
    <message>
        <source>Molar Solution</source>
        <extracomment>The tab of the page for molar solutions.</extracomment>
        <translation>Molare Lösung</translation>
    </message>
    <message>
        <source>% Solution</source>
        <extracomment>The tab of the page for percent solutions.</extracomment>
        <translation>%-Lösung</translation>
    </message>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The tab of the page for solutions of hydrates. The page&apos;s option for a hydrate has the same English words, translated on their own.</extracomment>
        <translation>Hydratlösung</translation>
    </message>
</context>
<context>
    <name>molvera::Units</name>
    <message>
        <source>M</source>
        <extracomment>Moles per litre after a typed number, as the sentences write the page&apos;s &quot;M&quot;.</extracomment>
        <translation>mol/⁠L</translation>
    </message>
    <message>
        <source>mM</source>
        <extracomment>Millimoles per litre after a typed number; write it as &quot;M&quot; is written (mmol/L).</extracomment>
        <translation>mmol/⁠L</translation>
    </message>
    <message>
        <source>µM</source>
        <extracomment>Micromoles per litre after a typed number; write it as &quot;M&quot; is written (µmol/L).</extracomment>
        <translation>µmol/⁠L</translation>
    </message>
    <message>
        <source>nM</source>
        <extracomment>Nanomoles per litre after a typed number; write it as &quot;M&quot; is written (nmol/L).</extracomment>
        <translation>nmol/⁠L</translation>
    </message>
    <message>
        <source>L</source>
        <extracomment>Litres after a typed number.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>mL</source>
        <extracomment>Millilitres after a typed number.</extracomment>
        <translation>mL</translation>
    </message>
    <message>
        <source>µL</source>
        <extracomment>Microlitres after a typed number.</extracomment>
        <translation>µL</translation>
    </message>
    <message>
        <source>kg</source>
        <extracomment>Kilograms after a typed number.</extracomment>
        <translation>kg</translation>
    </message>
    <message>
        <source>g</source>
        <extracomment>Grams after a typed number: the symbol, where &quot;%1 grams&quot; spells the word out.</extracomment>
        <translation>g</translation>
    </message>
    <message>
        <source>mg</source>
        <extracomment>Milligrams after a typed number.</extracomment>
        <translation>mg</translation>
    </message>
</context>
</TS>
