<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra la guida alle opzioni della riga di comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra la guida, incluse le opzioni specifiche di Qt.</translation>
    </message>
</context>
<context>
    <name>molvera::AboutBox</name>
    <message>
        <source>This program is a molvera calculator for laboratory technicians. The program will assist in the preparation of reagents for use in laboratories.</source>
        <translation>Questo programma è un calcolatore molvera per tecnici di laboratorio. Il programma aiuta a preparare i reagenti per l’uso in laboratorio.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>For Windows 95/98/2000/NT</source>
        <translation>Per Windows 95/98/2000/NT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Report comments and suggestions to:</source>
        <translation>Inviare commenti e suggerimenti a:</translation>
    </message>
    <message>
        <source>Visit our web site for updates:</source>
        <translation>Aggiornamenti sul nostro sito:</translation>
    </message>
</context>
<context>
    <name>molvera::BookCommand</name>
    <message>
        <source>Lists, exports or imports the bottles of the reagent book.</source>
        <extracomment>The book command&apos;s line in --help.</extracomment>
        <translation>Elenca, esporta o importa i flaconi del registro dei reagenti.</translation>
    </message>
    <message>
        <source>list; export FILE, as CSV; or import FILE, a CSV file of either kind, all or nothing.</source>
        <extracomment>Keep list, export, import and FILE as they are: they are typed so.</extracomment>
        <translation>list; export FILE, in CSV; o import FILE, un file CSV di uno dei due tipi, tutto o niente.</translation>
    </message>
    <message>
        <source>The lab book at CONNECTION, a libpq connection string or URI, instead of your own book (MOLVERA_LAB_BOOK gives it too).</source>
        <extracomment>CONNECTION is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Il registro del laboratorio in CONNECTION, una stringa di connessione o un URI di libpq, al posto del proprio registro (lo indica anche MOLVERA_LAB_BOOK).</translation>
    </message>
    <message>
        <source>Export with semicolons and decimal commas, as spreadsheets of such languages read it.</source>
        <translation>Esporta con punti e virgola e virgola decimale, nel formato che leggono i fogli di calcolo delle lingue con la virgola decimale.</translation>
    </message>
    <message>
        <source>The book command takes list, export FILE or import FILE.</source>
        <extracomment>Keep list, export, import and FILE as they are.</extracomment>
        <translation>Il comando book accetta list, export FILE o import FILE.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read or written, as the system says it.</extracomment>
        <translation>«%1»: %2</translation>
    </message>
    <message>
        <source>%1	%2	%3</source>
        <extracomment>A bottle of the list: %1 its name, %2 its formula (never translated), %3 its strength.</extracomment>
        <translation>%1	%2	%3</translation>
    </message>
    <message>
        <source>%1 bottles written to “%2”.</source>
        <extracomment>%1 is how many bottles were written, %2 the file.</extracomment>
        <translation>Flaconi scritti in «%2»: %1.</translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were in the book already.</extracomment>
        <translation>Flaconi aggiunti: %1; già presenti nel registro e non aggiunti di nuovo: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported: these rows cannot be.</source>
        <extracomment>After this sentence, each bad row is named on a line of its own.</extracomment>
        <translation>Non è stato importato nulla: queste voci non possono esserlo.</translation>
    </message>
</context>
<context>
    <name>molvera::BookCompletion</name>
    <message>
        <source>Bottles of the reagent book</source>
        <extracomment>What screen readers call the list of bottles offered under a box as one types.</extracomment>
        <translation>Flaconi del registro dei reagenti</translation>
    </message>
</context>
<context>
    <name>molvera::BookCsv</name>
    <message>
        <source>The row has more cells than the header has names.</source>
        <translation>La riga ha più celle di quanti nomi abbia l’intestazione.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <extracomment>%1 is the cell&apos;s text as it stands in the file.</extracomment>
        <translation>%1 non è un numero.</translation>
    </message>
    <message>
        <source>%1 is not a date and time such as 2026-12-07T09:30:00Z.</source>
        <extracomment>%1 is the cell&apos;s text; the example date and time stays as it is.</extracomment>
        <translation>%1 non è una data e ora come 2026-12-07T09:30:00Z.</translation>
    </message>
    <message>
        <source>%1 is not a basis molvera knows: write purity %, % w/w, % v/v, % w/v, g/L or M.</source>
        <extracomment>%1 is the cell&apos;s text; the bases listed are written as they stand.</extracomment>
        <translation>%1 non è un’unità nota a molvera: scrivere purity %, % w/w, % v/v, % w/v, g/L o M.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the sentence that says what is wrong.</extracomment>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the column&apos;s name as the file&apos;s header writes it (not translated), %3 the sentence that says what is wrong.</extracomment>
        <translation>Riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it as CSV in UTF-8 and import it again.</source>
        <translation>Il file non è testo UTF-8. Salvarlo come CSV in UTF-8 e importarlo di nuovo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>L’intestazione non ha la colonna %1.</translation>
    </message>
</context>
<context>
    <name>molvera::BookModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Specific gravity</source>
        <translation>Peso specifico</translation>
    </message>
    <message>
        <source>Works out at</source>
        <extracomment>The molarity the bottle&apos;s strength works out at: a check of the numbers on its label.</extracomment>
        <translation>Equivale a</translation>
    </message>
    <message>
        <source>CAS number</source>
        <extracomment>The CAS registry number.</extracomment>
        <translation>N. CAS</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>Where the bottle stands in the lab.</extracomment>
        <translation>Collocazione</translation>
    </message>
    <message>
        <source>Book</source>
        <extracomment>Which book the bottle is in: the lab&apos;s or the user&apos;s own.</extracomment>
        <translation>Registro</translation>
    </message>
</context>
<context>
    <name>molvera::BookStore</name>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Non è possibile creare il registro dei reagenti %1 perché la sua cartella non è scrivibile. molvera funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s reason (in English).</extracomment>
        <translation>Non è possibile creare il registro dei reagenti %1: %2. molvera funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is damaged: %2. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>Il registro dei reagenti %1 è danneggiato: %2. molvera ha lasciato il file com’era e funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is from an older molvera and can only be read, so it cannot be brought up to date. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Il registro dei reagenti %1 proviene da una versione precedente di molvera e può essere solo letto, quindi non può essere aggiornato. molvera ha lasciato il file com’era e funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read: changes to it cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Il registro dei reagenti %1 può essere solo letto: le modifiche non possono essere salvate.</translation>
    </message>
    <message>
        <source>%1 is not a reagent book of molvera. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>%1 non è un registro dei reagenti di molvera. molvera ha lasciato il file com’era e funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>Il registro dei reagenti %1 è stato scritto da una versione più recente di molvera (versione del registro %2; questa versione di molvera conosce le versioni fino alla %3). molvera ha lasciato il file com’era e funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be opened: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s or the database&apos;s reason (in English).</extracomment>
        <translation>Non è possibile aprire il registro dei reagenti %1: %2. molvera funziona senza il registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera shows the starter bottles, but changes to them cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Non è possibile creare il registro dei reagenti %1 perché la sua cartella non è scrivibile. molvera mostra i flaconi iniziali, ma le modifiche non possono essere salvate.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read, so the change was not saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Il registro dei reagenti %1 può essere solo letto, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>No reagent book is open, so the change was not saved.</source>
        <translation>Nessun registro dei reagenti è aperto, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>The reagent book %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>Non è stato possibile modificare il registro dei reagenti %1: %2. La modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so this change was not saved. Look at the bottle again and make the change once more.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>Il flacone %1 è stato modificato nel registro dopo essere stato letto, quindi questa modifica non è stata salvata. Riguardare il flacone e ripetere la modifica.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book, so the change was not saved.</source>
        <translation>Il flacone %1 non è più nel registro, quindi la modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book.</source>
        <translation>Il flacone %1 non è più nel registro.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so it was not removed. Look at the bottle again before removing it.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>Il flacone %1 è stato modificato nel registro dopo essere stato letto, quindi non è stato eliminato. Riguardare il flacone prima di eliminarlo.</translation>
    </message>
    <message>
        <source>%1 (%2) is in the book already, so the row was not added again.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) è già nel registro, quindi la riga non è stata aggiunta di nuovo.</translation>
    </message>
    <message>
        <source>Lab book</source>
        <extracomment>The name of the book the whole lab shares, beside its bottles.</extracomment>
        <translation>Registro del laboratorio</translation>
    </message>
    <message>
        <source>My book</source>
        <extracomment>The name of the user&apos;s own book, beside its bottles.</extracomment>
        <translation>Il mio registro</translation>
    </message>
    <message>
        <source>The lab book cannot be opened, because Qt&apos;s PostgreSQL driver is not installed (on Debian, the package libqt6sql6-psql). molvera works without the lab book.</source>
        <translation>Non è possibile aprire il registro del laboratorio perché il driver PostgreSQL di Qt non è installato (su Debian, il pacchetto libqt6sql6-psql). molvera funziona senza il registro del laboratorio.</translation>
    </message>
    <message>
        <source>molvera cannot read the lab book&apos;s connection string %1. Write it as host=… dbname=… or as postgresql://host/dbname, with no “;” in a value.</source>
        <extracomment>%1 is the connection string as given, without its password; host=… dbname=… and postgresql://host/dbname are written as they are.</extracomment>
        <translation>molvera non riesce a leggere la stringa di connessione %1 del registro del laboratorio. Scriverla come host=… dbname=… o come postgresql://host/dbname, senza «;» nei valori.</translation>
    </message>
    <message>
        <source>Connecting to the lab book at %1 …</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Connessione al registro del laboratorio su %1&#xa0;…</translation>
    </message>
    <message>
        <source>The database of the lab book at %1 holds a table of bottles that is not molvera&apos;s. molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Il database del registro del laboratorio su %1 contiene una tabella di flaconi che non è di molvera. molvera l’ha lasciato com’era e funziona senza il registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>Il registro del laboratorio su %1 è stato scritto da una versione più recente di molvera (versione del registro %2; questa versione di molvera conosce le versioni fino alla %3). molvera l’ha lasciato com’era e funziona senza il registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be opened: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Non è possibile aprire il registro del laboratorio su %1: %2. molvera funziona senza il registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be reached: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the reason libpq gives (in English).</extracomment>
        <translation>Il registro del laboratorio su %1 non è raggiungibile: %2. molvera funziona senza il registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 did not take the change: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Il registro del laboratorio su %1 ha rifiutato la modifica: %2. La modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>The lab book at %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Non è stato possibile modificare il registro del laboratorio su %1: %2. La modifica non è stata salvata.</translation>
    </message>
    <message>
        <source>%1 (%2) is in this book already, so it was not copied.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) è già in questo registro, quindi non è stato copiato.</translation>
    </message>
</context>
<context>
    <name>molvera::BookWindow</name>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the reagent book&apos;s window.</extracomment>
        <translation>Registro dei reagenti</translation>
    </message>
    <message>
        <source>Searc&amp;h:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>A few letters of a name, a formula or a CAS number</source>
        <extracomment>Shown in the empty search box of the reagent book&apos;s window.</extracomment>
        <translation>Alcune lettere di un nome, di una formula o di un numero CAS</translation>
    </message>
    <message>
        <source>Bottles</source>
        <extracomment>What screen readers call the reagent book&apos;s table of bottles.</extracomment>
        <translation>Flaconi</translation>
    </message>
    <message>
        <source>&amp;Use on This Page</source>
        <translation>&amp;Usa in questa pagina</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Aggiungi…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>Du&amp;plicate…</source>
        <translation>&amp;Duplica…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>U&amp;ndo Delete</source>
        <translation>A&amp;nnulla eliminazione</translation>
    </message>
    <message>
        <source>Save &amp;Stock to Book…</source>
        <translation>&amp;Salva sostanza di partenza…</translation>
    </message>
    <message>
        <source>&amp;Restore Starter Bottles</source>
        <translation>&amp;Ripristina flaconi iniziali</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importa…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Es&amp;porta…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>The book %1 can only be read: its file or folder cannot be written to.</source>
        <extracomment>%1 is the book&apos;s file. The book can be read but not changed.</extracomment>
        <translation>Il registro %1 può essere solo letto: il suo file o la sua cartella non è scrivibile.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a duplicated bottle: %1 is the name of the bottle it was copied from.</extracomment>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>Delete Bottle</source>
        <extracomment>%1 is the bottle&apos;s name. Undo Delete brings it back while the window is open.</extracomment>
        <translation>Elimina flacone</translation>
    </message>
    <message>
        <source>Delete the bottle %1 from the book?</source>
        <translation>Eliminare il flacone %1 dal registro?</translation>
    </message>
    <message numerus="yes">
        <source>%n starter bottle(s) added back.</source>
        <extracomment>%n is how many starter bottles were added back to the book.</extracomment>
        <translation>
            <numerusform>%n flacone iniziale ripristinato.</numerusform>
            <numerusform>%n flaconi iniziali ripristinati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <extracomment>The title of the file dialog that chooses a CSV file to import into the reagent book.</extracomment>
        <translation>Importa flaconi</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read.</extracomment>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n row(s) cannot be. The details name each by line and column.</source>
        <translation>
            <numerusform>Non è stato importato nulla: %n voce non può esserlo. I dettagli la indicano per riga e colonna.</numerusform>
            <numerusform>Non è stato importato nulla: %n voci non possono esserlo. I dettagli indicano ciascuna per riga e colonna.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were already in the book.</extracomment>
        <translation>Flaconi aggiunti: %1; già presenti nel registro e non aggiunti di nuovo: %2.</translation>
    </message>
    <message>
        <source>Export Bottles</source>
        <extracomment>The title of the file dialog that chooses where to export the reagent book.</extracomment>
        <translation>Esporta flaconi</translation>
    </message>
    <message>
        <source>CSV with commas and decimal points (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file for spreadsheets that write numbers with a decimal point.</extracomment>
        <translation>CSV con virgole e punto decimale (*.csv)</translation>
    </message>
    <message>
        <source>CSV with semicolons and decimal commas (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file German, French ... spreadsheets read: &quot;;&quot; and decimal commas.</extracomment>
        <translation>CSV con punti e virgola e virgola decimale (*.csv)</translation>
    </message>
    <message>
        <source>reagent book.csv</source>
        <extracomment>The file name the export proposes.</extracomment>
        <translation>registro dei reagenti.csv</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>C&amp;opy to Lab Book</source>
        <translation>C&amp;opia nel registro del laboratorio</translation>
    </message>
    <message>
        <source>&amp;Lab book:</source>
        <translation>Registro del &amp;laboratorio:</translation>
    </message>
    <message>
        <source>host=… dbname=…, or postgresql://…; empty for no lab book</source>
        <extracomment>Shown in the empty lab book box. Keep host=, dbname= and postgresql:// as they are.</extracomment>
        <translation>host=… dbname=… o postgresql://…; vuoto se non c’è un registro del laboratorio</translation>
    </message>
    <message>
        <source>Co&amp;nnect</source>
        <translation>Conne&amp;tti</translation>
    </message>
    <message>
        <source>Set by MOLVERA_LAB_BOOK</source>
        <extracomment>The lab book comes from the environment variable; keep MOLVERA_LAB_BOOK as it is.</extracomment>
        <translation>Impostato da MOLVERA_LAB_BOOK</translation>
    </message>
    <message>
        <source>Asking the lab book&apos;s server at %1 …</source>
        <extracomment>While the lab book&apos;s server is asked; %1 is its host.</extracomment>
        <translation>Interrogazione del server del registro del laboratorio su %1&#xa0;…</translation>
    </message>
    <message>
        <source>C&amp;opy to My Book</source>
        <translation>C&amp;opia nel mio registro</translation>
    </message>
    <message>
        <source>The book now holds: %1, %2.</source>
        <extracomment>After a refusal because the bottle changed: %1 its name and %2 its strength as the book now holds them.</extracomment>
        <translation>Il registro ora contiene: %1, %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleCheck</name>
    <message>
        <source>Enter the bottle&apos;s name.</source>
        <translation>Inserire il nome del flacone.</translation>
    </message>
    <message>
        <source>The strength must be more than 0.</source>
        <translation>Il titolo deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>A strength in percent cannot be more than 100 %.</source>
        <translation>Un titolo in percentuale non può superare il 100&#xa0;%.</translation>
    </message>
    <message>
        <source>The specific gravity must lie between %1 and %2.</source>
        <extracomment>%1 and %2 are the numbers 0.5 and 2.5 in the user&apos;s notation.</extracomment>
        <translation>Il peso specifico deve essere compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Enter the specific gravity: a % w/w or % v/v strength needs it.</source>
        <translation>Inserire il peso specifico: serve per un titolo in %&#xa0;p/⁠p o in %&#xa0;v/⁠v.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>La temperatura non è un numero.</translation>
    </message>
    <message>
        <source>The molecular weight must be more than 0.</source>
        <translation>Il peso molecolare deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>molvera cannot read this formula. Enter the molecular weight, or correct the formula.</source>
        <translation>molvera non riesce a leggere questa formula. Inserire il peso molecolare o correggere la formula.</translation>
    </message>
    <message>
        <source>The number of waters cannot be negative.</source>
        <translation>Il numero di molecole di H2O non può essere negativo.</translation>
    </message>
    <message>
        <source>%1 is not written as a CAS number: 2 to 7 digits, 2 digits and a check digit, joined by hyphens, such as 7647-14-5.</source>
        <extracomment>%1 is the text typed as the CAS number; the example 7647-14-5 stays as it is.</extracomment>
        <translation>%1 non è scritto come un numero CAS: da 2 a 7 cifre, 2 cifre e una cifra di controllo, uniti da trattini, ad es. 7647-14-5.</translation>
    </message>
    <message>
        <source>The CAS number %1 has a wrong check digit: it should end in %2.</source>
        <extracomment>%1 is the CAS number typed, %2 the check digit its other digits call for.</extracomment>
        <translation>Il numero CAS %1 ha una cifra di controllo errata: dovrebbe terminare con %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleDialog</name>
    <message>
        <source>% purity (a solid)</source>
        <translation>% di purezza (solido)</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>%&#xa0;p/p</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>%&#xa0;v/v</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>%&#xa0;p/v</translation>
    </message>
    <message>
        <source>g/L (mg/mL)</source>
        <translation>g/L (mg/mL)</translation>
    </message>
    <message>
        <source>M (mol/L)</source>
        <translation>M (mol/L)</translation>
    </message>
    <message>
        <source>Edit Bottle</source>
        <extracomment>The title of the window that edits a bottle of the reagent book.</extracomment>
        <translation>Modifica flacone</translation>
    </message>
    <message>
        <source>New Bottle</source>
        <translation>Nuovo flacone</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Formula:</source>
        <translation>&amp;Formula:</translation>
    </message>
    <message>
        <source>Molecular &amp;weight:</source>
        <translation>Peso &amp;molecolare:</translation>
    </message>
    <message>
        <source>from the formula</source>
        <extracomment>Shown in the empty molecular weight box: the formula gives it where molvera reads it.</extracomment>
        <translation>dalla formula</translation>
    </message>
    <message>
        <source>&amp;Basis:</source>
        <translation>&amp;Unità:</translation>
    </message>
    <message>
        <source>&amp;Strength:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>Specific &amp;gravity:</source>
        <translation>Peso s&amp;pecifico:</translation>
    </message>
    <message>
        <source>&amp;CAS number:</source>
        <translation>Numero &amp;CAS:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>F&amp;onte:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>Not&amp;e:</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <extracomment>Beside a field of a bottle that should hold a number.</extracomment>
        <translation>Inserire un numero.</translation>
    </message>
    <message>
        <source>Molecular weight %1</source>
        <extracomment>%1 is a molecular weight.</extracomment>
        <translation>Peso molecolare %1</translation>
    </message>
    <message>
        <source>Number of H2O: %1</source>
        <extracomment>%1 is the number of waters of crystallisation the formula gives.</extracomment>
        <translation>Molecole di H2O: %1</translation>
    </message>
    <message>
        <source>Its strength makes %1</source>
        <extracomment>%1 is a molarity such as &quot;12.1 M&quot;: what the strength and specific gravity make.</extracomment>
        <translation>Molarità corrispondente: %1</translation>
    </message>
    <message>
        <source>Measured &amp;at (°C):</source>
        <translation>Misurato &amp;a (°C):</translation>
    </message>
    <message>
        <source>Where it stan&amp;ds:</source>
        <translation>Co&amp;llocazione:</translation>
    </message>
</context>
<context>
    <name>molvera::BottleTexts</name>
    <message>
        <source>%1 % pure</source>
        <extracomment>A solid&apos;s purity; %1 is the number.</extracomment>
        <translation>%1&#xa0;% di purezza</translation>
    </message>
    <message>
        <source>%1 % w/w</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (m/m)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;p/⁠p</translation>
    </message>
    <message>
        <source>%1 % v/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (V/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;v/⁠v</translation>
    </message>
    <message>
        <source>%1 % w/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (m/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;p/⁠v</translation>
    </message>
    <message>
        <source>%1 g/L</source>
        <extracomment>%1 is the number of grams per litre.</extracomment>
        <translation>%1&#xa0;g/⁠L</translation>
    </message>
    <message>
        <source>%1 M</source>
        <extracomment>%1 is the number of moles per litre.</extracomment>
        <translation>%1&#xa0;M</translation>
    </message>
</context>
<context>
    <name>molvera::CalculationSheet</name>
    <message>
        <source>molvera calculation</source>
        <extracomment>The title of a sheet&apos;s print job and of its PDF file.</extracomment>
        <translation>Calcolo molvera</translation>
    </message>
    <message>
        <source>Your molvera Calculation</source>
        <translation>Calcolo molvera</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Reagent:</source>
        <translation>Reagente:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formula:</translation>
    </message>
    <message>
        <source>Molarity:</source>
        <translation>Molarità:</translation>
    </message>
    <message>
        <source>Concentration:</source>
        <translation>Concentrazione:</translation>
    </message>
    <message>
        <source>Date Prepared:</source>
        <translation>Data di preparazione:</translation>
    </message>
    <message>
        <source>Stock: %1 %2, specific gravity %3</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above), %3 its specific gravity (a number).</extracomment>
        <translation>Sostanza di partenza: %1&#xa0;%2, peso specifico %3</translation>
    </message>
    <message>
        <source>Stock: %1 %2</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above).</extracomment>
        <translation>Sostanza di partenza: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <extracomment>The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month, yyyy the year; words between single quotes are kept as written (&apos;de&apos;).</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>The PDF was not made.</source>
        <translation>Il PDF non è stato creato.</translation>
    </message>
    <message>
        <source>%1%2</source>
        <extracomment>The strength on the label: %1 the number as typed, %2 its unit (below). English writes them together: &quot;0.5M&quot;, &quot;20% w/v&quot;.</extracomment>
        <translation>%1&#xa0;%2</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The molarity&apos;s unit on the label, as in &quot;0.5M&quot;, and of a molar stock, as in &quot;Stock: 2 M&quot;.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>% w/w</source>
        <extracomment>Percent weight in weight, as in &quot;20% w/w&quot;.</extracomment>
        <translation>%&#xa0;p/⁠p</translation>
    </message>
    <message>
        <source>% w/v</source>
        <extracomment>Percent weight in volume, as in &quot;20% w/v&quot;.</extracomment>
        <translation>%&#xa0;p/⁠v</translation>
    </message>
    <message>
        <source>% v/v</source>
        <extracomment>Percent volume in volume, as in &quot;20% v/v&quot;.</extracomment>
        <translation>%&#xa0;v/⁠v</translation>
    </message>
    <message>
        <source>Stock: %1 %2, Number of H2O: %3</source>
        <extracomment>The stock of a hydrate solution: %1 its strength (a number), %2 its unit (&quot;%&quot;), %3 its number of waters of crystallisation (a number, 0 for the anhydrous salt). Worded as the hydrate page&apos;s caption of that number, &quot;Number of H2O:&quot;; H2O is a formula, not a word.</extracomment>
        <translation>Sostanza di partenza: %1&#xa0;%2, molecole di H2O: %3</translation>
    </message>
    <message>
        <source>mM</source>
        <extracomment>Millimoles per litre, as in &quot;50mM&quot;; write it as the language writes &quot;M&quot; (mmol/L).</extracomment>
        <translation>mM</translation>
    </message>
    <message>
        <source>µM</source>
        <extracomment>Micromoles per litre, as in &quot;10µM&quot;; write it as the language writes &quot;M&quot; (µmol/L).</extracomment>
        <translation>µM</translation>
    </message>
    <message>
        <source>nM</source>
        <extracomment>Nanomoles per litre, as in &quot;5nM&quot;; write it as the language writes &quot;M&quot; (nmol/L).</extracomment>
        <translation>nM</translation>
    </message>
    <message>
        <source>g/L</source>
        <extracomment>Grams per litre, a stock&apos;s strength, as in &quot;10 g/L&quot;.</extracomment>
        <translation>g/⁠L</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit.</extracomment>
        <translation>Sostanza di partenza: %1 (%2&#xa0;%3)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, specific gravity %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit, %4 its specific gravity.</extracomment>
        <translation>Sostanza di partenza: %1 (%2&#xa0;%3, peso specifico %4)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, Number of H2O: %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit (&quot;%&quot;), %4 its waters of crystallisation; &quot;Number of H2O&quot; as the hydrate page&apos;s caption says it.</extracomment>
        <translation>Sostanza di partenza: %1 (%2&#xa0;%3, molecole di H2O: %4)</translation>
    </message>
</context>
<context>
    <name>molvera::CalculatorPage</name>
    <message>
        <source> Input Error!</source>
        <extracomment>The title of the box that says a page&apos;s input cannot be used. The space before it is kept.</extracomment>
        <translation> Errore nei dati!</translation>
    </message>
    <message>
        <source>Please correctly fill in all required text boxes!</source>
        <translation>Compilare correttamente tutte le caselle richieste!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Anteprima di stampa…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The title of the question asked before the sheet is saved as PDF.</extracomment>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>The answer is out of date: an entry has changed since the last calculation.</source>
        <extracomment>Asked before a page&apos;s sheet is printed or saved while the page shows its method out of date. The sheet is the record of the last calculation.</extracomment>
        <translation>Il risultato non è aggiornato: un dato è cambiato dopo l’ultimo calcolo.</translation>
    </message>
    <message>
        <source>&amp;Calculate First</source>
        <extracomment>Calculates with the entries as they stand, then prints or saves the new sheet.</extracomment>
        <translation>&amp;Calcola prima</translation>
    </message>
    <message>
        <source>&amp;Print Last Calculation</source>
        <extracomment>Prints the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Stampa l’ultimo calcolo</translation>
    </message>
    <message>
        <source>&amp;Save Last Calculation</source>
        <extracomment>Saves the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Salva l’ultimo calcolo</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says what a page could not use of a bottle of the reagent book.</extracomment>
        <translation>Registro dei reagenti</translation>
    </message>
</context>
<context>
    <name>molvera::CommandLine</name>
    <message>
        <source>Works out how to make up reagent solutions.</source>
        <translation>Calcola come preparare soluzioni di reagenti.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given.</extracomment>
        <translation>%1: argomento non previsto «%2»</translation>
    </message>
    <message>
        <source>One of %1, answered on the terminal; &quot;molvera COMMAND --help&quot; describes its options. Without a command molvera opens its window.</source>
        <extracomment>%1 lists the commands, which are never translated: &quot;molar, percent, hydrate, formula&quot;. COMMAND stands for one of them.</extracomment>
        <translation>Uno dei comandi %1, con risposta nel terminale; «molvera COMMAND --help» ne descrive le opzioni. Senza comando molvera apre la sua finestra.</translation>
    </message>
    <message>
        <source>%1: unknown command &apos;%2&apos;; &quot;%1 --help&quot; lists the commands.</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given, which names no command.</extracomment>
        <translation>%1: comando sconosciuto «%2»; «%1 --help» elenca i comandi.</translation>
    </message>
</context>
<context>
    <name>molvera::Commands</name>
    <message>
        <source>Write the answer as one JSON object, with numbers as numbers.</source>
        <translation>Scrive la risposta come un unico oggetto JSON, con i numeri come numeri JSON.</translation>
    </message>
    <message>
        <source>Write the calculation&apos;s sheet to FILE, as Save as PDF does.</source>
        <extracomment>FILE is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Scrive il foglio del calcolo in FILE, come fa «Salva come PDF».</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters.</source>
        <extracomment>%1 is an option, such as --molarity, %2 a number of characters.</extracomment>
        <translation>%1: più di %2 caratteri.</translation>
    </message>
    <message>
        <source>%1: not one line of UTF-8 text.</source>
        <extracomment>%1 is an option, such as --name.</extracomment>
        <translation>%1: non è una sola riga di testo UTF-8.</translation>
    </message>
    <message>
        <source>%1: a negative number, which no amount or strength can be.</source>
        <extracomment>%1 is an option, such as --volume.</extracomment>
        <translation>%1: un numero negativo, ma nessuna quantità né concentrazione può esserlo.</translation>
    </message>
    <message>
        <source>%1: not a number, or not in a unit this option takes.</source>
        <extracomment>%1 is an option, such as --molarity, which takes a number, with a unit for some options.</extracomment>
        <translation>%1: non è un numero, o non è in un’unità accettata da questa opzione.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an option, such as --formula, or the program&apos;s name, molvera; %2 a sentence that says what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 takes one of: %2.</source>
        <extracomment>%1 is an option, such as --type, %2 the values it takes, such as &quot;w/w, w/v, v/v&quot;.</extracomment>
        <translation>%1 accetta uno di questi valori: %2.</translation>
    </message>
    <message>
        <source>The %1 command needs %2.</source>
        <extracomment>%1 is a command, such as molar, %2 an option, such as --molarity.</extracomment>
        <translation>Il comando %1 richiede %2.</translation>
    </message>
    <message>
        <source>The sheet was not saved as “%1”: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it.</extracomment>
        <translation>Il foglio non è stato salvato come «%1»: %2</translation>
    </message>
</context>
<context>
    <name>molvera::ElementTable</name>
    <message>
        <source>Aluminium</source>
        <translation>Alluminio</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbonio</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluoro</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Idrogeno</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodio</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Piombo</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nichel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Ossigeno</translation>
    </message>
    <message>
        <source>Phosphous</source>
        <extracomment>The program&apos;s own spelling of Phosphorus.</extracomment>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Sulphur</source>
        <translation>Zolfo</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Stagno</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungsteno</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaBoxAction</name>
    <message>
        <source>Fill &amp;Element Rows from Formula</source>
        <translation>Riempi le righe degli &amp;elementi dalla formula</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaCommand</name>
    <message>
        <source>The elements of a formula with their counts, and its molecular weight.</source>
        <extracomment>The formula command&apos;s line in --help.</extracomment>
        <translation>Mostra gli elementi di una formula con il numero di atomi, e il suo peso molecolare.</translation>
    </message>
    <message>
        <source>The formula, such as NaCl, CuSO4·5H2O or K4[Fe(CN)6].</source>
        <extracomment>The formulas are never translated.</extracomment>
        <translation>La formula, ad es. NaCl, CuSO4·5H2O o K4[Fe(CN)6].</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts (&quot;Na 1, Cl 1&quot;), %3 its molecular weight (a number). Symbols and formulas are never translated.</extracomment>
        <translation>%1: %2; peso molecolare %3</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3; waters of crystallisation: %4</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts, water&apos;s included (&quot;Cu 1, S 1, O 9, H 10&quot;), %3 its molecular weight, %4 its waters of crystallisation (numbers).</extracomment>
        <translation>%1: %2; peso molecolare %3; molecole di H2O: %4</translation>
    </message>
    <message>
        <source>The formula command needs a formula: molvera formula F.</source>
        <extracomment>F stands for the formula, as the help writes it.</extracomment>
        <translation>Il comando formula richiede una formula: molvera formula F.</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaRows</name>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Molecular Weight</source>
        <translation>Peso molecolare</translation>
    </message>
    <message>
        <source>Select an Element</source>
        <translation>Selezionare un elemento</translation>
    </message>
    <message>
        <source>Element, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Elemento, riga %1</translation>
    </message>
    <message>
        <source>Select the number of elements in this formula</source>
        <translation>Selezionare il numero di atomi dell’elemento nella formula</translation>
    </message>
    <message>
        <source>Number of atoms, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Numero di atomi, riga %1</translation>
    </message>
    <message>
        <source>Molecular weight, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Peso molecolare, riga %1</translation>
    </message>
    <message>
        <source>Total molecular weight</source>
        <translation>Peso molecolare totale</translation>
    </message>
    <message>
        <source>Total Molecular Weight = </source>
        <extracomment>The caption left of the total box, which follows it on the same line.</extracomment>
        <translation>Peso molecolare totale = </translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCalculation</name>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 grams of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 grams of stock, %5 the formula of the stock that is weighed (formulas are never translated). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;mL di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
pesare %4&#xa0;g di %5 e portare a %1&#xa0;mL
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;58.4 mg&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;mL di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
pesare %4 di %5 e portare a %1&#xa0;mL
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;23.47 grams&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
pesare %4 di %5 e portare a %1
con il solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCommand</name>
    <message>
        <source>How much of a salt, as it stands on the shelf, to weigh for a percent w/v solution of a form with other waters, as the Hydrate Solution page works it out.</source>
        <extracomment>The hydrate command&apos;s line in --help. The salt on the shelf is the starting substance.</extracomment>
        <translation>Calcola, come la pagina «Soluzione di idrato», quanto sale, così com’è nel flacone (la sostanza di partenza), pesare per una soluzione in %&#xa0;p/v di una forma con un altro numero di molecole di H2O.</translation>
    </message>
    <message>
        <source>The salt as its bottle writes it, with its waters: CuSO4·5H2O.</source>
        <extracomment>The formula is never translated.</extracomment>
        <translation>Il sale come è scritto sul flacone, con la sua acqua di cristallizzazione: CuSO4·5H2O.</translation>
    </message>
    <message>
        <source>The percent w/v wanted.</source>
        <translation>Concentrazione richiesta in %&#xa0;p/v.</translation>
    </message>
    <message>
        <source>The volume to make, in mL or with its unit: 100, 1 L.</source>
        <extracomment>Keep 100 and 1 L as they are.</extracomment>
        <translation>Volume da preparare, in mL o con la sua unità, ad es. 100 o 1 L.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the form the percent is stated for. Default: 0, the anhydrous salt.</source>
        <translation>Molecole di H2O della forma a cui si riferisce la percentuale. Valore predefinito: 0, il sale anidro.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the salt on the shelf, if not those of --formula.</source>
        <extracomment>--formula is an option: keep it.</extracomment>
        <translation>Molecole di H2O della sostanza di partenza, se diverse da quelle di --formula.</translation>
    </message>
    <message>
        <source>The purity of the salt on the shelf, in percent. Default: 100.</source>
        <translation>Purezza della sostanza di partenza, in percentuale. Valore predefinito: 100.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome del reagente, per l’etichetta del foglio.</translation>
    </message>
</context>
<context>
    <name>molvera::HydratePage</name>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The option for a concentration stated for the hydrate, with the number of waters below. The tab has the same English words, translated on their own.</extracomment>
        <translation>Sale idrato</translation>
    </message>
    <message>
        <source>1. Type of Solution</source>
        <translation>1. Tipo di soluzione</translation>
    </message>
    <message>
        <source>Anhydrous Solution</source>
        <extracomment>The option for a concentration stated for the anhydrous salt, without waters: a salt, not a solution.</extracomment>
        <translation>Sale anidro</translation>
    </message>
    <message>
        <source>2. Select Elements</source>
        <translation>2. Selezionare gli elementi</translation>
    </message>
    <message>
        <source>3. Stock Solution</source>
        <extracomment>The substance on the shelf, usually a solid salt: the starting substance, not a solution.</extracomment>
        <translation>3. Sostanza di partenza</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <extracomment>The purity of the substance on the shelf (the starting substance), in percent.</extracomment>
        <translation>Purezza:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Inserire la purezza della sostanza di partenza</translation>
    </message>
    <message>
        <source>Number of H2O:</source>
        <translation>Molecole di H2O:</translation>
    </message>
    <message>
        <source>Enter the number of H2Os in the stock solution</source>
        <extracomment>The substance on the shelf: the starting substance, usually a solid salt.</extracomment>
        <translation>Inserire il numero di molecole d’acqua di cristallizzazione della sostanza di partenza</translation>
    </message>
    <message>
        <source>Number of H2O in the stock</source>
        <translation>Molecole di H2O nella sostanza di partenza</translation>
    </message>
    <message>
        <source>4. Required Solution</source>
        <translation>4. Soluzione da preparare</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. richiesta:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Inserire la concentrazione richiesta</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% p/v</translation>
    </message>
    <message>
        <source>Enter the number of H2Os required for the Hydrate</source>
        <translation>Inserire il numero di molecole d’acqua richiesto per l’idrato</translation>
    </message>
    <message>
        <source>Number of H2O required</source>
        <translation>Molecole di H2O richieste</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volume richiesto:</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make</source>
        <translation>Inserire la quantità da preparare</translation>
    </message>
    <message>
        <source>5. Calculate</source>
        <translation>5. Calcolare</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Fare clic qui per calcolare il risultato</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Copper Sulphate</source>
        <translation>Solfato di rame</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows (and the stock&apos;s number of waters) from the formula box, since they held another salt. Keep it short: one line of the box.</extracomment>
        <translation>Righe riempite dalla formula.</translation>
    </message>
    <message>
        <source>The hydrate page weighs a solid starting substance: the strength of %1, a solution, cannot be used here. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it. The page&apos;s stock is the substance on the shelf, weighed: the starting substance.</extracomment>
        <translation>La pagina «Soluzione di idrato» serve a pesare una sostanza di partenza solida: la concentrazione di %1, che è una soluzione, non si può usare qui. La formula e il nome sono stati inseriti.</translation>
    </message>
</context>
<context>
    <name>molvera::MainWindow</name>
    <message>
        <source>Visit the Kestrova Software Home Page</source>
        <translation>Visitare il sito web di Kestrova Software</translation>
    </message>
    <message>
        <source>Chemical Formula:</source>
        <translation>Formula chimica:</translation>
    </message>
    <message>
        <source>Enter the Chemical Formula</source>
        <translation>Inserire la formula chimica</translation>
    </message>
    <message>
        <source>Chemical Name:</source>
        <translation>Nome chimico:</translation>
    </message>
    <message>
        <source>Enter the Chemical Name</source>
        <translation>Inserire il nome chimico</translation>
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
        <translation>Quantità troppo piccola per una misura precisa: preparare prima una soluzione più concentrata e diluirla.</translation>
    </message>
</context>
<context>
    <name>molvera::MethodBox</name>
    <message>
        <source>Out of date: an entry has changed since this was calculated. Calculate again to bring it up to date.</source>
        <extracomment>Said of a page&apos;s method sentence, by screen readers and in its tool-tip, once an input it was worked out from has changed.</extracomment>
        <translation>Non aggiornato: un dato è cambiato dopo questo calcolo. Ricalcolare per aggiornare il procedimento.</translation>
    </message>
    <message>
        <source>Method</source>
        <extracomment>What screen readers call a page&apos;s method sentence.</extracomment>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Out of date: calculate again.</source>
        <extracomment>Shown in a page&apos;s method box, under a sentence that an entry changed since it was calculated. Keep it short: it has one line of the box.</extracomment>
        <translation>Non aggiornato: ricalcolare.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculation</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 grams or mLs of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams or millilitres of stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; and &quot;grams or mLs&quot; follow typed, possibly decimal numbers: prefer the unit symbols (L, g, mL) to plural forms.</extracomment>
        <translation>Per preparare %1&#xa0;L di soluzione %2&#xa0;M di %3,
prelevare %4&#xa0;g o mL di %3 e portare a %1&#xa0;L
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 mL of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 millilitres of a liquid stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed, possibly decimal number: prefer the unit symbol (L).</extracomment>
        <translation>Per preparare %1&#xa0;L di soluzione %2&#xa0;M di %3,
prelevare %4&#xa0;mL di %3 e portare a %1&#xa0;L
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 the amount of stock with its unit (&quot;5.84 mg&quot;, &quot;0.500 µL&quot;). The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed number: prefer the symbol (L).</extracomment>
        <translation>Per preparare %1&#xa0;L di soluzione %2&#xa0;M di %3,
prelevare %4 di %3 e portare a %1&#xa0;L
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make and %2 the molarity, each a number with its unit as typed (&quot;250 mL&quot;, &quot;50 mM&quot;), %3 the formula (never translated), %4 the amount of stock with its unit (&quot;1.51 grams&quot;, &quot;22.50 mL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione %2 di %3,
prelevare %4 di %3 e portare a %1
con il solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculationWeighed</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>As the molar sentence with the amount&apos;s unit, for a solid that is weighed: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams of it with the unit (&quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;L di soluzione %2&#xa0;M di %3,
pesare %4 di %3 e portare a %1&#xa0;L
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the molar sentence with units typed, for a solid that is weighed: %1 the volume to make and %2 the molarity, each with its unit as typed, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;1.51 grams&quot;). Keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione %2 di %3,
pesare %4 di %3 e portare a %1
con il solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCommand</name>
    <message>
        <source>How much stock to measure for a solution of a molarity, as the Molar Solution page works it out.</source>
        <extracomment>The molar command&apos;s line in --help.</extracomment>
        <translation>Calcola, come la pagina «Soluzione molare», quanta soluzione madre prelevare per una soluzione di una data molarità.</translation>
    </message>
    <message>
        <source>The molarity wanted, in M or with its unit: 0.5, 50mM.</source>
        <extracomment>Keep 0.5 and 50mM as they are, with the language&apos;s decimal separator.</extracomment>
        <translation>Molarità richiesta, in M o con la sua unità, ad es. 0,5 o 50mM.</translation>
    </message>
    <message>
        <source>The volume to make, in litres or with its unit: 1, 250mL.</source>
        <extracomment>Keep 1 and 250mL as they are.</extracomment>
        <translation>Volume da preparare, in litri o con la sua unità, ad es. 1 o 250mL.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula: the sentence names it, and without --mw it gives the molecular weight (NaCl, MgCl2·6H2O).</source>
        <extracomment>--mw is an option: keep it. The formulas are never translated.</extracomment>
        <translation>Formula della sostanza: la risposta la nomina e, senza --mw, se ne ricava il peso molecolare (NaCl, MgCl2·6H2O).</translation>
    </message>
    <message>
        <source>The molecular weight in g/mol, instead of the formula&apos;s.</source>
        <translation>Peso molecolare in g/mol, al posto di quello della formula.</translation>
    </message>
    <message>
        <source>The stock: a percent (98), a molarity (5M, 500 mM), 20 % w/v or 10 g/L. Default: 100 (%).</source>
        <extracomment>Keep the examples as they are, with the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Concentrazione della soluzione madre: una percentuale (98), una molarità (5M, 500 mM), 20 % w/v (p/v) o 10 g/L. Valore predefinito: 100 (%).</translation>
    </message>
    <message>
        <source>The specific gravity of a percent stock. Default: 1.</source>
        <translation>Peso specifico di una soluzione madre in percentuale. Valore predefinito: 1.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome del reagente, per l’etichetta del foglio.</translation>
    </message>
    <message>
        <source>The molar command needs %1 or %2, unless the stock is molar.</source>
        <extracomment>%1 and %2 are options, --formula and --mw.</extracomment>
        <translation>Il comando molar richiede %1 o %2, a meno che la soluzione madre non sia molare.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarPage</name>
    <message>
        <source>1. Select Elements</source>
        <translation>1. Selezionare gli elementi</translation>
    </message>
    <message>
        <source>Calculate Mol Wt</source>
        <translation>Calcolare il PM</translation>
    </message>
    <message>
        <source>Enter Manual Mol Wt</source>
        <translation>Inserire il PM a mano</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>2. Soluzione madre</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. soluz. madre:</translation>
    </message>
    <message>
        <source>Stock concentration unit</source>
        <translation>Unità di concentrazione della soluzione madre</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Peso specifico:</translation>
    </message>
    <message>
        <source>Enter the Specific Gravity if required.</source>
        <translation>Inserire il peso specifico, se necessario.</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>3. Soluzione da preparare</translation>
    </message>
    <message>
        <source>Molarity Required:</source>
        <translation>Molarità richiesta:</translation>
    </message>
    <message>
        <source>Molar</source>
        <translation>molare</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volume richiesto:</translation>
    </message>
    <message>
        <source>Litre(s)</source>
        <extracomment>After a typed number, possibly decimal: prefer the unit symbol (L) to a plural form.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>4. Calcolare</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Fare clic qui per calcolare il risultato</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Sulphuric Acid</source>
        <translation>Acido solforico</translation>
    </message>
    <message>
        <source>Molecular weight worked out from the formula.</source>
        <extracomment>A line under the answer, after Calculate took the molecular weight from the formula box, whose formula the element rows cannot hold. Keep it short: one line of the box.</extracomment>
        <translation>Peso molecolare calcolato dalla formula.</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows from the formula box, since they held another substance. Keep it short: one line of the box.</extracomment>
        <translation>Righe riempite dalla formula.</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution, e.g. 98, or 500 mM for a molar stock</source>
        <extracomment>A molar stock may be typed with its unit: keep 500 mM as it is.</extracomment>
        <translation>Inserire la concentrazione della soluzione madre, ad es. 98, o 500&#xa0;mM per una soluzione madre molare</translation>
    </message>
    <message>
        <source>Enter the molarity required, e.g. 0.5 or 50 mM</source>
        <extracomment>A unit may be typed after the number: keep 50 mM as it is (the language&apos;s decimal separator in 0.5).</extracomment>
        <translation>Inserire la molarità richiesta, ad es. 0,5 o 50&#xa0;mM</translation>
    </message>
    <message>
        <source>Enter how many  Litres you wish to make, e.g. 1 or 250 mL</source>
        <extracomment>A unit may be typed after the number: keep 250 mL as it is.</extracomment>
        <translation>Inserire i litri da preparare, ad es. 1 o 250&#xa0;mL</translation>
    </message>
    <message>
        <source>The molar page cannot use the strength of %1: a stock in % v/v would need the density of the pure liquid. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>La pagina «Soluzione molare» non può usare la concentrazione di %1: una soluzione madre in %&#xa0;v/⁠v richiederebbe la densità del liquido puro. La formula e il nome sono stati inseriti.</translation>
    </message>
</context>
<context>
    <name>molvera::PageButtonBar</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Uscire dal programma</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Cancella</translation>
    </message>
    <message>
        <source>Clear this calculation</source>
        <translation>Cancellare questo calcolo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Print Instructions and Label</source>
        <translation>Stampare istruzioni ed etichetta</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <translation>Ese&amp;mpio</translation>
    </message>
    <message>
        <source>Click here to view an example.</source>
        <translation>Fare clic qui per vedere un esempio.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Click here for Program Details</source>
        <translation>Fare clic qui per le informazioni sul programma</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculation</name>
    <message>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 ,
Measure %4 grams of %3 and mix with %5 grams
of solvent.</source>
        <extracomment>%1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock, %5 grams of solvent. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;g di soluzione al %2&#xa0;%&#xa0;p/⁠p di %3,
pesare %4&#xa0;g di %3 e mescolare con %5&#xa0;g
di solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 grams of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;mL di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
pesare %4&#xa0;g di %3 e portare a %1&#xa0;mL
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a liquid stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;mL di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
prelevare %4&#xa0;mL di %3 e portare a %1&#xa0;mL
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1&#xa0;mL di soluzione al %2&#xa0;%&#xa0;v/⁠v di %3,
prelevare %4&#xa0;mL di %3 e portare a %1&#xa0;mL
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/w solution of %3 ,
Measure %4 of %3 and mix with %5
of solvent.</source>
        <extracomment>%1 the amount to make with its unit (&quot;2 kg&quot;, &quot;100 grams&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock and %5 the solvent to mix in, each with its unit (&quot;300.00 grams&quot;, &quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione al %2&#xa0;%&#xa0;p/⁠p di %3,
pesare %4 di %3 e mescolare con %5
di solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
prelevare %4 di %3 e portare a %1
con il solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % v/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 µL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione al %2&#xa0;%&#xa0;v/⁠v di %3,
prelevare %4 di %3 e portare a %1
con il solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculationWeighed</name>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the w/v sentence with units, for a solid that is weighed: %1 the volume to make with its unit, %2 the percent wanted, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;4.50 grams&quot;, &quot;58.4 mg&quot;). Keep the two line breaks.</extracomment>
        <translation>Per preparare %1 di soluzione al %2&#xa0;%&#xa0;p/⁠v di %3,
pesare %4 di %3 e portare a %1
con il solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCommand</name>
    <message>
        <source>How much stock to measure for a percent solution, as the % Solution page works it out.</source>
        <extracomment>The percent command&apos;s line in --help.</extracomment>
        <translation>Calcola, come la pagina «Soluzione percentuale», quanta soluzione madre prelevare per una soluzione percentuale.</translation>
    </message>
    <message>
        <source>What the percent is of: w/w (made by weight), w/v or v/v.</source>
        <extracomment>w/w, w/v and v/v are the option&apos;s values: keep them as they are.</extracomment>
        <translation>A cosa si riferisce la percentuale: w/w (p/p, preparata a peso), w/v (p/v) o v/v.</translation>
    </message>
    <message>
        <source>The percent wanted.</source>
        <translation>Percentuale richiesta.</translation>
    </message>
    <message>
        <source>The amount to make, in grams for w/w and mL otherwise, or with its unit: 100, 2 kg, 1 L.</source>
        <extracomment>Keep 100, 2 kg and 1 L as they are.</extracomment>
        <translation>Quantità da preparare, in grammi per w/w e in mL negli altri casi, o con la sua unità, ad es. 100, 2 kg o 1 L.</translation>
    </message>
    <message>
        <source>The stock&apos;s percent by weight, or in grams per 100 mL written as 20 % w/v. Default: 100.</source>
        <extracomment>Keep &quot;20 % w/v&quot; as it is, but for the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Percentuale in peso della soluzione madre, o grammi in 100&#xa0;mL scritti come 20 % w/v (p/v). Valore predefinito: 100.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock. Default: 1.</source>
        <translation>Peso specifico della soluzione madre. Valore predefinito: 1.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula, which the sentence names.</source>
        <translation>Formula della sostanza, che la risposta nomina.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome del reagente, per l’etichetta del foglio.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentPage</name>
    <message>
        <source>1. Type of Concentration</source>
        <translation>1. Tipo di concentrazione</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>% p/p</translation>
    </message>
    <message>
        <source>Weight per Weight Concentrations</source>
        <translation>Concentrazione peso su peso</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% p/v</translation>
    </message>
    <message>
        <source>Weight per Volume Concentrations</source>
        <translation>Concentrazione peso su volume</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>% v/v</translation>
    </message>
    <message>
        <source>Volume per Volume Concentrations</source>
        <translation>Concentrazione volume su volume</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <translation>2. Soluzione madre</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. soluz. madre:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Inserire la concentrazione della soluzione madre</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Peso specifico:</translation>
    </message>
    <message>
        <source>Enter the SG of the stock solution</source>
        <translation>Inserire il peso specifico della soluzione madre</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <translation>3. Soluzione da preparare</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. richiesta:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Inserire la concentrazione richiesta</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <extracomment>The amount to make, in mL, or in grams for w/w: a word for an amount, not only a volume.</extracomment>
        <translation>Quantità richiesta:</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <translation>4. Calcolare</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Fare clic qui per calcolare il risultato</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Sodium Chloride</source>
        <translation>Cloruro di sodio</translation>
    </message>
    <message>
        <source>Choose what the stock&apos;s percent is of: weight in weight, or grams in 100 mL</source>
        <translation>Scegliere a cosa si riferisce la percentuale della soluzione madre: peso su peso, o grammi in 100&#xa0;mL</translation>
    </message>
    <message>
        <source>Stock concentration basis</source>
        <translation>Base della concentrazione della soluzione madre</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (grams) or 2 kg</source>
        <extracomment>A unit may be typed after the number: keep 2 kg as it is.</extracomment>
        <translation>Inserire la quantità da preparare, ad es. 100&#xa0;(g) o 2&#xa0;kg</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (mL) or 1 L</source>
        <extracomment>A unit may be typed after the number: keep 1 L as it is.</extracomment>
        <translation>Inserire la quantità da preparare, ad es. 100&#xa0;(mL) o 1&#xa0;L</translation>
    </message>
    <message>
        <source>The stock&apos;s list has no % v/v: the percent of %1 is entered as the stock&apos;s, which serves a % v/v solution.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>L’elenco della soluzione madre non ha %&#xa0;v/⁠v: la percentuale di %1 è inserita come quella della soluzione madre, il che va bene per una soluzione in %&#xa0;v/⁠v.</translation>
    </message>
    <message>
        <source>The % page cannot use the strength of %1, a molar stock: the molar page can. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>La pagina «Soluzione percentuale» non può usare la concentrazione di %1, una soluzione madre molare; la pagina «Soluzione molare» sì. La formula e il nome sono stati inseriti.</translation>
    </message>
</context>
<context>
    <name>molvera::ReagentBook</name>
    <message>
        <source>Reagent &amp;Book…</source>
        <extracomment>The formula box&apos;s context menu: opens the reagent book&apos;s window.</extracomment>
        <translation>Re&amp;gistro dei reagenti…</translation>
    </message>
    <message>
        <source>&amp;Save Stock to Book…</source>
        <extracomment>The formula box&apos;s context menu: makes a bottle of the page&apos;s stock in the reagent book.</extracomment>
        <translation>&amp;Salva la sostanza di partenza nel registro…</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says the page&apos;s stock cannot be saved in the reagent book.</extracomment>
        <translation>Registro dei reagenti</translation>
    </message>
    <message>
        <source>The stock&apos;s strength on this page is not a number, so it cannot be saved as a bottle.</source>
        <translation>La concentrazione della sostanza di partenza in questa pagina non è un numero, quindi non può essere salvata come flacone.</translation>
    </message>
    <message>
        <source>This is neither a connection string (host=… dbname=…) nor a URI (postgresql://…).</source>
        <extracomment>The lab book&apos;s connection string cannot be read.</extracomment>
        <translation>Non è né una stringa di connessione (host=… dbname=…) né un URI (postgresql://…).</translation>
    </message>
    <message>
        <source>molvera keeps no password. Leave it out, and put it in ~/.pgpass (a line host:port:database:user:password) or a service file instead.</source>
        <extracomment>molvera keeps no passwords: libpq&apos;s own files do.</extracomment>
        <translation>molvera non conserva le password. Togliere la password e inserirla invece in ~/.pgpass (una riga host:port:database:user:password) o in un file di servizio.</translation>
    </message>
</context>
<context>
    <name>molvera::RefusalMessages</name>
    <message>
        <source>Cannot Calculate</source>
        <translation>Impossibile calcolare</translation>
    </message>
    <message>
        <source>Cannot Be Made</source>
        <translation>Impossibile preparare</translation>
    </message>
    <message>
        <source>A number is too large to calculate with. Please enter smaller numbers.</source>
        <translation>Un numero è troppo grande per il calcolo. Inserire numeri più piccoli.</translation>
    </message>
    <message>
        <source>The stock concentration is zero, so no amount of the stock holds the substance. Please enter the concentration of the stock.</source>
        <translation>La concentrazione della soluzione madre è zero, quindi nessuna sua quantità contiene il composto. Inserire la concentrazione della soluzione madre.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock is zero, so its volume cannot be calculated. Please enter the specific gravity of the stock.</source>
        <translation>Il peso specifico della soluzione madre è zero, quindi non se ne può calcolare il volume. Inserire il peso specifico della soluzione madre.</translation>
    </message>
    <message>
        <source>The molecular weight of the salt with the waters required is zero, so the amount cannot be calculated. Please check the formula and the waters.</source>
        <translation>Il peso molecolare del sale con le molecole d’acqua richieste è zero, quindi non si può calcolare la quantità. Controllare la formula e il numero di molecole d’acqua.</translation>
    </message>
    <message>
        <source>The stock is weaker than the solution wanted, so the solution cannot be made from it by dilution. Please use a stronger stock or make a weaker solution.</source>
        <translation>La soluzione madre è meno concentrata della soluzione richiesta: non la si può ottenere per diluizione. Usare una soluzione madre più concentrata o preparare una soluzione più diluita.</translation>
    </message>
    <message>
        <source>An amount in the instructions would be negative, so they cannot be carried out. Please check the numbers for a minus sign.</source>
        <translation>Una quantità nelle istruzioni risulterebbe negativa: le istruzioni non sono eseguibili. Controllare se un numero ha il segno meno.</translation>
    </message>
    <message>
        <source>Cannot Read Formula</source>
        <translation>Formula non leggibile</translation>
    </message>
    <message>
        <source>The purity of the starting substance is zero, so no amount of it holds the salt. Please enter its purity in percent.</source>
        <extracomment>The hydrate page&apos;s stock is the substance on the shelf, usually a solid salt: the starting substance, whose purity in percent is typed beside &quot;Conc of Stock Soln:&quot;.</extracomment>
        <translation>La purezza della sostanza di partenza è zero, quindi nessuna sua quantità contiene il sale. Inserire la purezza in percentuale.</translation>
    </message>
    <message>
        <source>There is no formula to read.</source>
        <extracomment>The formula box is empty.</extracomment>
        <translation>Non è stata inserita alcuna formula.</translation>
    </message>
    <message>
        <source>“%1” is not the symbol of an element.</source>
        <extracomment>%1 is what was typed as an element symbol, such as Xy. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» non è il simbolo di un elemento.</translation>
    </message>
    <message>
        <source>“%1” has no standard atomic weight, so the formula&apos;s weight cannot be worked out.</source>
        <extracomment>%1 is an element symbol, such as Tc. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» non ha un peso atomico standard, quindi non si può calcolare il peso molecolare della formula.</translation>
    </message>
    <message>
        <source>“%1” is not an element symbol: a symbol begins with a capital letter, as in “%2”.</source>
        <extracomment>%1 is a symbol typed in small letters (na), %2 the symbol as it is written (Na). Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» non è un simbolo di elemento: un simbolo inizia con la maiuscola, come in «%2».</translation>
    </message>
    <message>
        <source>The formula has more than 32767 atoms of “%1”.</source>
        <extracomment>%1 is an element symbol. A count box holds at most 32767: write the number as the language groups its digits.</extracomment>
        <translation>La formula ha più di 32&#xa0;767 atomi di «%1».</translation>
    </message>
    <message>
        <source>A bracket is not closed after “%1”.</source>
        <extracomment>%1 is the formula as typed, such as Ca(OH. Use the language&apos;s quotation marks.</extracomment>
        <translation>Una parentesi non è chiusa dopo «%1».</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket that was not opened.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» dopo «%2» chiude una parentesi che non è stata aperta.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket opened with “%3”.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.</extracomment>
        <translation>«%1» dopo «%2» chiude una parentesi aperta con «%3».</translation>
    </message>
    <message>
        <source>“%1” after “%2” is not a count from 1 to 32767.</source>
        <extracomment>%1 is a number as typed, %2 the formula before it. Write 32767 as the language groups its digits.</extracomment>
        <translation>«%1» dopo «%2» non è un numero da 1 a 32&#xa0;767.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is a fraction: a count in a formula is a whole number.</source>
        <extracomment>%1 is a number with a fraction, such as 1.5, %2 the formula before it.</extracomment>
        <translation>«%1» dopo «%2» non è un numero intero: in una formula il numero di atomi deve essere intero.</translation>
    </message>
    <message>
        <source>The count “%1” after “%2” is set apart by a blank: a count follows its symbol or bracket directly.</source>
        <extracomment>%1 is a count, %2 the formula before it, with a blank between them.</extracomment>
        <translation>Il numero «%1» è separato da «%2» da uno spazio: un numero segue direttamente il suo simbolo o la sua parentesi.</translation>
    </message>
    <message>
        <source>“%1” cannot stand at the start of a formula.</source>
        <extracomment>%1 is what was typed first: a character or a number.</extracomment>
        <translation>«%1» non può stare all’inizio di una formula.</translation>
    </message>
    <message>
        <source>“%1” cannot stand after “%2”.</source>
        <extracomment>%1 is a character or a number as typed, %2 the formula before it.</extracomment>
        <translation>«%1» non può stare dopo «%2».</translation>
    </message>
    <message>
        <source>“%1” after “%2” must begin a water of crystallisation at the end of the formula, such as 5H2O.</source>
        <extracomment>%1 is a hydrate dot such as &quot;.&quot; or &quot;·&quot;, %2 the formula before it. 5H2O is a formula: keep it.</extracomment>
        <translation>«%1» dopo «%2» deve introdurre un’acqua di cristallizzazione alla fine della formula, per esempio 5H2O.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: “%1” is not one of the elements they offer.</source>
        <extracomment>%1 is an element symbol. The rows&apos; element lists offer 32 elements.</extracomment>
        <translation>Le righe degli elementi non possono contenere questa formula: «%1» non è tra gli elementi proposti.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: it has more than six elements, and “%1” is the seventh.</source>
        <extracomment>%1 is the symbol of the seventh different element.</extracomment>
        <translation>Le righe degli elementi non possono contenere questa formula: ha più di sei elementi e «%1» è il settimo.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: the count of “%1” is not a whole number.</source>
        <extracomment>%1 is an element symbol whose count in the formula is a fraction (half waters).</extracomment>
        <translation>Le righe degli elementi non possono contenere questa formula: il numero di atomi di «%1» non è intero.</translation>
    </message>
    <message>
        <source>A stock in % w/v says how many grams are in a volume of it, not what fraction of its weight or volume they are, so a % w/w or % v/v solution cannot be worked out from it. Please give the stock in % w/w with its specific gravity, or make a % w/v solution.</source>
        <extracomment>&quot;% w/v&quot;, &quot;% w/w&quot; and &quot;% v/v&quot; as the page&apos;s lists and options write them.</extracomment>
        <translation>Una soluzione madre in %&#xa0;p/⁠v indica i grammi di sostanza contenuti in un volume, non la frazione del peso o del volume della soluzione che rappresentano, quindi non permette di calcolare una soluzione in %&#xa0;p/⁠p o in %&#xa0;v/⁠v. Indicare la soluzione madre in %&#xa0;p/⁠p con il suo peso specifico, oppure preparare una soluzione in %&#xa0;p/⁠v.</translation>
    </message>
</context>
<context>
    <name>molvera::SheetDialogs</name>
    <message>
        <source>The printer is stopped.</source>
        <translation>La stampante è ferma.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La stampante «%1» è ferma.</translation>
    </message>
    <message>
        <source>The printer does not accept jobs.</source>
        <translation>La stampante non accetta lavori di stampa.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La stampante «%1» non accetta lavori di stampa.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La stampante ha segnalato un errore.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La stampante «%1» ha segnalato un errore.</translation>
    </message>
    <message>
        <source>No default printer is set up.</source>
        <translation>Non è impostata nessuna stampante predefinita.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>The sheet was not saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it, a sentence.</extracomment>
        <translation>Il foglio non è stato salvato come «%1»: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>The sheet was not printed. %1</source>
        <extracomment>%1 says why, in a whole sentence.</extracomment>
        <translation>Il foglio non è stato stampato. %1</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salva come PDF…</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>Keep &quot;(*.pdf)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>molvera::StarterBottles</name>
    <message>
        <source>Hydrochloric acid 37 %</source>
        <translation>Acido cloridrico 37 %</translation>
    </message>
    <message>
        <source>Sulfuric acid 96 %</source>
        <translation>Acido solforico 96 %</translation>
    </message>
    <message>
        <source>Nitric acid 65 %</source>
        <translation>Acido nitrico 65 %</translation>
    </message>
    <message>
        <source>Nitric acid 70 %</source>
        <translation>Acido nitrico 70 %</translation>
    </message>
    <message>
        <source>Phosphoric acid 85 %</source>
        <translation>Acido fosforico 85 %</translation>
    </message>
    <message>
        <source>Acetic acid, glacial</source>
        <translation>Acido acetico glaciale</translation>
    </message>
    <message>
        <source>Formic acid 98 %</source>
        <translation>Acido formico 98 %</translation>
    </message>
    <message>
        <source>Ammonia solution 25 %</source>
        <translation>Ammoniaca in soluzione 25 %</translation>
    </message>
    <message>
        <source>Ammonia solution 28 %</source>
        <translation>Ammoniaca in soluzione 28 %</translation>
    </message>
    <message>
        <source>Hydrogen peroxide 30 %</source>
        <translation>Perossido di idrogeno 30 %</translation>
    </message>
    <message>
        <source>Ethanol 96 %</source>
        <translation>Etanolo 96 %</translation>
    </message>
    <message>
        <source>Ethanol, absolute</source>
        <translation>Etanolo assoluto</translation>
    </message>
    <message>
        <source>2-Propanol</source>
        <translation>2-Propanolo</translation>
    </message>
    <message>
        <source>Methanol</source>
        <translation>Metanolo</translation>
    </message>
    <message>
        <source>Glycerol</source>
        <translation>Glicerolo</translation>
    </message>
    <message>
        <source>Formaldehyde solution 37 %</source>
        <translation>Formaldeide in soluzione 37 %</translation>
    </message>
    <message>
        <source>Perchloric acid 70 %</source>
        <translation>Acido perclorico 70 %</translation>
    </message>
    <message>
        <source>Hydrofluoric acid 48 %</source>
        <translation>Acido fluoridrico 48 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide solution 50 %</source>
        <translation>Idrossido di sodio in soluzione 50 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide pellets</source>
        <translation>Idrossido di sodio in pastiglie</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Cloruro di sodio</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Cloruro di potassio</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate</source>
        <translation>Cloruro di calcio diidrato</translation>
    </message>
    <message>
        <source>Magnesium chloride hexahydrate</source>
        <translation>Cloruro di magnesio esaidrato</translation>
    </message>
    <message>
        <source>Magnesium sulfate heptahydrate</source>
        <translation>Solfato di magnesio eptaidrato</translation>
    </message>
    <message>
        <source>Copper(II) sulfate pentahydrate</source>
        <translation>Solfato di rame(II) pentaidrato</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate dihydrate</source>
        <translation>Idrogenofosfato disodico diidrato</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate monohydrate</source>
        <translation>Diidrogenofosfato di sodio monoidrato</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Diidrogenofosfato di potassio</translation>
    </message>
    <message>
        <source>Sodium carbonate, anhydrous</source>
        <translation>Carbonato di sodio anidro</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Idrogenocarbonato di sodio</translation>
    </message>
    <message>
        <source>Tris base</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>EDTA disodium dihydrate</source>
        <translation>EDTA disodico diidrato</translation>
    </message>
    <message>
        <source>D-Glucose, anhydrous</source>
        <translation>D-Glucosio anidro</translation>
    </message>
    <message>
        <source>D-Glucose monohydrate</source>
        <translation>D-Glucosio monoidrato</translation>
    </message>
</context>
<context>
    <name>molvera::TabCaptions</name>
    <message>
        <source>Molar Solution</source>
        <extracomment>The tab of the page for molar solutions.</extracomment>
        <translation>Soluzione molare</translation>
    </message>
    <message>
        <source>% Solution</source>
        <extracomment>The tab of the page for percent solutions.</extracomment>
        <translation>Soluzione percentuale</translation>
    </message>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The tab of the page for solutions of hydrates. The page&apos;s option for a hydrate has the same English words, translated on their own.</extracomment>
        <translation>Soluzione di idrato</translation>
    </message>
</context>
<context>
    <name>molvera::Units</name>
    <message>
        <source>M</source>
        <extracomment>Moles per litre after a typed number, as the sentences write the page&apos;s &quot;M&quot;.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>mM</source>
        <extracomment>Millimoles per litre after a typed number; write it as &quot;M&quot; is written (mmol/L).</extracomment>
        <translation>mM</translation>
    </message>
    <message>
        <source>µM</source>
        <extracomment>Micromoles per litre after a typed number; write it as &quot;M&quot; is written (µmol/L).</extracomment>
        <translation>µM</translation>
    </message>
    <message>
        <source>nM</source>
        <extracomment>Nanomoles per litre after a typed number; write it as &quot;M&quot; is written (nmol/L).</extracomment>
        <translation>nM</translation>
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
