<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>molvera::AboutBox</name>
    <message>
        <source>This program is a molvera calculator for laboratory technicians. The program will assist in the preparation of reagents for use in laboratories.</source>
        <translation>Este programa es una calculadora molvera para técnicos de laboratorio. Le ayudará a preparar los reactivos que se usan en el laboratorio.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>For Windows 95/98/2000/NT</source>
        <translation>Para Windows 95/98/2000/NT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Report comments and suggestions to:</source>
        <translation>Envíe sus comentarios y sugerencias a:</translation>
    </message>
    <message>
        <source>Visit our web site for updates:</source>
        <translation>Actualizaciones en nuestra web:</translation>
    </message>
</context>
<context>
    <name>molvera::BookCommand</name>
    <message>
        <source>Lists, exports or imports the bottles of the reagent book.</source>
        <extracomment>The book command&apos;s line in --help.</extracomment>
        <translation>Enumera, exporta o importa los frascos del registro de reactivos.</translation>
    </message>
    <message>
        <source>list; export FILE, as CSV; or import FILE, a CSV file of either kind, all or nothing.</source>
        <extracomment>Keep list, export, import and FILE as they are: they are typed so.</extracomment>
        <translation>list; export FILE, en CSV; o import FILE, un archivo CSV de cualquiera de los dos tipos, todo o nada.</translation>
    </message>
    <message>
        <source>The lab book at CONNECTION, a libpq connection string or URI, instead of your own book (MOLVERA_LAB_BOOK gives it too).</source>
        <extracomment>CONNECTION is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>El registro del laboratorio en CONNECTION, una cadena de conexión o un URI de libpq, en lugar de su propio registro (también se puede indicar con MOLVERA_LAB_BOOK).</translation>
    </message>
    <message>
        <source>Export with semicolons and decimal commas, as spreadsheets of such languages read it.</source>
        <translation>Exporta con punto y coma y coma decimal, en el formato que leen las hojas de cálculo de los idiomas con coma decimal.</translation>
    </message>
    <message>
        <source>The book command takes list, export FILE or import FILE.</source>
        <extracomment>Keep list, export, import and FILE as they are.</extracomment>
        <translation>La orden book admite list, export FILE o import FILE.</translation>
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
        <translation>Frascos escritos en «%2»: %1.</translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were in the book already.</extracomment>
        <translation>Frascos añadidos: %1; ya estaban en el registro y no se han vuelto a añadir: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported: these rows cannot be.</source>
        <extracomment>After this sentence, each bad row is named on a line of its own.</extracomment>
        <translation>No se ha importado nada: estas filas no se pueden importar.</translation>
    </message>
</context>
<context>
    <name>molvera::BookCompletion</name>
    <message>
        <source>Bottles of the reagent book</source>
        <extracomment>What screen readers call the list of bottles offered under a box as one types.</extracomment>
        <translation>Frascos del registro de reactivos</translation>
    </message>
</context>
<context>
    <name>molvera::BookCsv</name>
    <message>
        <source>The row has more cells than the header has names.</source>
        <translation>La fila tiene más celdas que nombres hay en el encabezado.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <extracomment>%1 is the cell&apos;s text as it stands in the file.</extracomment>
        <translation>%1 no es un número.</translation>
    </message>
    <message>
        <source>%1 is not a date and time such as 2026-12-07T09:30:00Z.</source>
        <extracomment>%1 is the cell&apos;s text; the example date and time stays as it is.</extracomment>
        <translation>%1 no es una fecha y hora como 2026-12-07T09:30:00Z.</translation>
    </message>
    <message>
        <source>%1 is not a basis molvera knows: write purity %, % w/w, % v/v, % w/v, g/L or M.</source>
        <extracomment>%1 is the cell&apos;s text; the bases listed are written as they stand.</extracomment>
        <translation>%1 no es una unidad que molvera conozca: escriba purity %, % w/w, % v/v, % w/v, g/L o M.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the sentence that says what is wrong.</extracomment>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the column&apos;s name as the file&apos;s header writes it (not translated), %3 the sentence that says what is wrong.</extracomment>
        <translation>Línea %1, columna %2: %3</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it as CSV in UTF-8 and import it again.</source>
        <translation>El archivo no es texto UTF-8. Guárdelo como CSV en UTF-8 e impórtelo de nuevo.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>El encabezado no tiene la columna %1.</translation>
    </message>
</context>
<context>
    <name>molvera::BookModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Riqueza</translation>
    </message>
    <message>
        <source>Specific gravity</source>
        <translation>Densidad relativa</translation>
    </message>
    <message>
        <source>Works out at</source>
        <extracomment>The molarity the bottle&apos;s strength works out at: a check of the numbers on its label.</extracomment>
        <translation>Equivale a</translation>
    </message>
    <message>
        <source>CAS number</source>
        <extracomment>The CAS registry number.</extracomment>
        <translation>N.º CAS</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>Where the bottle stands in the lab.</extracomment>
        <translation>Ubicación</translation>
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
        <translation>No se puede crear el registro de reactivos %1 porque no se puede escribir en su carpeta. molvera funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s reason (in English).</extracomment>
        <translation>No se puede crear el registro de reactivos %1: %2. molvera funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is damaged: %2. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>El registro de reactivos %1 está dañado: %2. molvera ha dejado el archivo tal como estaba y funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is from an older molvera and can only be read, so it cannot be brought up to date. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>El registro de reactivos %1 es de una versión anterior de molvera y solo se puede leer, por lo que no se puede actualizar. molvera ha dejado el archivo tal como estaba y funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read: changes to it cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>El registro de reactivos %1 solo se puede leer: los cambios en él no se pueden guardar.</translation>
    </message>
    <message>
        <source>%1 is not a reagent book of molvera. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>%1 no es un registro de reactivos de molvera. molvera ha dejado el archivo tal como estaba y funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>El registro de reactivos %1 lo escribió una versión más reciente de molvera (versión del registro %2; esta versión de molvera conoce las versiones hasta la %3). molvera ha dejado el archivo tal como estaba y funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be opened: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s or the database&apos;s reason (in English).</extracomment>
        <translation>No se puede abrir el registro de reactivos %1: %2. molvera funciona sin el registro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera shows the starter bottles, but changes to them cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>No se puede crear el registro de reactivos %1 porque no se puede escribir en su carpeta. molvera muestra los frascos iniciales, pero los cambios en ellos no se pueden guardar.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read, so the change was not saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>El registro de reactivos %1 solo se puede leer, por lo que no se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>No reagent book is open, so the change was not saved.</source>
        <translation>No hay ningún registro de reactivos abierto, por lo que no se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>The reagent book %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>No se ha podido modificar el registro de reactivos %1: %2. No se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so this change was not saved. Look at the bottle again and make the change once more.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>El frasco %1 se modificó en el registro después de leerse, por lo que no se ha guardado este cambio. Vuelva a consultar el frasco y repita el cambio.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book, so the change was not saved.</source>
        <translation>El frasco %1 ya no está en el registro, por lo que no se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book.</source>
        <translation>El frasco %1 ya no está en el registro.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so it was not removed. Look at the bottle again before removing it.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>El frasco %1 se modificó en el registro después de leerse, por lo que no se ha eliminado. Vuelva a consultar el frasco antes de eliminarlo.</translation>
    </message>
    <message>
        <source>%1 (%2) is in the book already, so the row was not added again.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) ya está en el registro, por lo que la fila no se ha vuelto a añadir.</translation>
    </message>
    <message>
        <source>Lab book</source>
        <extracomment>The name of the book the whole lab shares, beside its bottles.</extracomment>
        <translation>Registro del laboratorio</translation>
    </message>
    <message>
        <source>My book</source>
        <extracomment>The name of the user&apos;s own book, beside its bottles.</extracomment>
        <translation>Mi registro</translation>
    </message>
    <message>
        <source>The lab book cannot be opened, because Qt&apos;s PostgreSQL driver is not installed (on Debian, the package libqt6sql6-psql). molvera works without the lab book.</source>
        <translation>No se puede abrir el registro del laboratorio porque el controlador PostgreSQL de Qt no está instalado (en Debian, el paquete libqt6sql6-psql). molvera funciona sin el registro del laboratorio.</translation>
    </message>
    <message>
        <source>molvera cannot read the lab book&apos;s connection string %1. Write it as host=… dbname=… or as postgresql://host/dbname, with no “;” in a value.</source>
        <extracomment>%1 is the connection string as given, without its password; host=… dbname=… and postgresql://host/dbname are written as they are.</extracomment>
        <translation>molvera no puede leer la cadena de conexión %1 del registro del laboratorio. Escríbala como host=… dbname=… o como postgresql://host/dbname, sin «;» en ningún valor.</translation>
    </message>
    <message>
        <source>Connecting to the lab book at %1 …</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Conectando con el registro del laboratorio en %1&#xa0;…</translation>
    </message>
    <message>
        <source>The database of the lab book at %1 holds a table of bottles that is not molvera&apos;s. molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>La base de datos del registro del laboratorio en %1 contiene una tabla de frascos que no es de molvera. molvera la ha dejado tal como estaba y funciona sin el registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>El registro del laboratorio en %1 lo escribió una versión más reciente de molvera (versión del registro %2; esta versión de molvera conoce las versiones hasta la %3). molvera lo ha dejado tal como estaba y funciona sin el registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be opened: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>No se puede abrir el registro del laboratorio en %1: %2. molvera funciona sin el registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be reached: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the reason libpq gives (in English).</extracomment>
        <translation>No se puede acceder al registro del laboratorio en %1: %2. molvera funciona sin el registro del laboratorio.</translation>
    </message>
    <message>
        <source>The lab book at %1 did not take the change: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>El registro del laboratorio en %1 ha rechazado el cambio: %2. No se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>The lab book at %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>No se ha podido modificar el registro del laboratorio en %1: %2. No se ha guardado el cambio.</translation>
    </message>
    <message>
        <source>%1 (%2) is in this book already, so it was not copied.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) ya está en este registro, por lo que no se ha copiado.</translation>
    </message>
</context>
<context>
    <name>molvera::BookWindow</name>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the reagent book&apos;s window.</extracomment>
        <translation>Registro de reactivos</translation>
    </message>
    <message>
        <source>Searc&amp;h:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>A few letters of a name, a formula or a CAS number</source>
        <extracomment>Shown in the empty search box of the reagent book&apos;s window.</extracomment>
        <translation>Unas letras de un nombre, una fórmula o un número CAS</translation>
    </message>
    <message>
        <source>Bottles</source>
        <extracomment>What screen readers call the reagent book&apos;s table of bottles.</extracomment>
        <translation>Frascos</translation>
    </message>
    <message>
        <source>&amp;Use on This Page</source>
        <translation>&amp;Usar en esta página</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Añadir…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Du&amp;plicate…</source>
        <translation>Du&amp;plicar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>U&amp;ndo Delete</source>
        <translation>&amp;Deshacer eliminación</translation>
    </message>
    <message>
        <source>Save &amp;Stock to Book…</source>
        <translation>&amp;Guardar producto de partida…</translation>
    </message>
    <message>
        <source>&amp;Restore Starter Bottles</source>
        <translation>&amp;Restaurar frascos iniciales</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>The book %1 can only be read: its file or folder cannot be written to.</source>
        <extracomment>%1 is the book&apos;s file. The book can be read but not changed.</extracomment>
        <translation>El registro %1 solo se puede leer: no se puede escribir en su archivo o en su carpeta.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a duplicated bottle: %1 is the name of the bottle it was copied from.</extracomment>
        <translation>%1 (copia)</translation>
    </message>
    <message>
        <source>Delete Bottle</source>
        <extracomment>%1 is the bottle&apos;s name. Undo Delete brings it back while the window is open.</extracomment>
        <translation>Eliminar frasco</translation>
    </message>
    <message>
        <source>Delete the bottle %1 from the book?</source>
        <translation>¿Eliminar el frasco %1 del registro?</translation>
    </message>
    <message numerus="yes">
        <source>%n starter bottle(s) added back.</source>
        <extracomment>%n is how many starter bottles were added back to the book.</extracomment>
        <translation>
            <numerusform>Se ha restaurado %n frasco inicial.</numerusform>
            <numerusform>Se han restaurado %n frascos iniciales.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Bottles</source>
        <extracomment>The title of the file dialog that chooses a CSV file to import into the reagent book.</extracomment>
        <translation>Importar frascos</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read.</extracomment>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n row(s) cannot be. The details name each by line and column.</source>
        <translation>
            <numerusform>No se ha importado nada: %n fila no se puede importar. Los detalles la indican por línea y columna.</numerusform>
            <numerusform>No se ha importado nada: %n filas no se pueden importar. Los detalles indican cada una por línea y columna.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were already in the book.</extracomment>
        <translation>Frascos añadidos: %1; ya estaban en el registro y no se han vuelto a añadir: %2.</translation>
    </message>
    <message>
        <source>Export Bottles</source>
        <extracomment>The title of the file dialog that chooses where to export the reagent book.</extracomment>
        <translation>Exportar frascos</translation>
    </message>
    <message>
        <source>CSV with commas and decimal points (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file for spreadsheets that write numbers with a decimal point.</extracomment>
        <translation>CSV con comas y punto decimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV with semicolons and decimal commas (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file German, French ... spreadsheets read: &quot;;&quot; and decimal commas.</extracomment>
        <translation>CSV con punto y coma y coma decimal (*.csv)</translation>
    </message>
    <message>
        <source>reagent book.csv</source>
        <extracomment>The file name the export proposes.</extracomment>
        <translation>registro de reactivos.csv</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>C&amp;opy to Lab Book</source>
        <translation>C&amp;opiar al registro del laboratorio</translation>
    </message>
    <message>
        <source>&amp;Lab book:</source>
        <translation>Registro del labora&amp;torio:</translation>
    </message>
    <message>
        <source>host=… dbname=…, or postgresql://…; empty for no lab book</source>
        <extracomment>Shown in the empty lab book box. Keep host=, dbname= and postgresql:// as they are.</extracomment>
        <translation>host=… dbname=… o postgresql://…; vacío si no hay registro del laboratorio</translation>
    </message>
    <message>
        <source>Co&amp;nnect</source>
        <translation>Co&amp;nectar</translation>
    </message>
    <message>
        <source>Set by MOLVERA_LAB_BOOK</source>
        <extracomment>The lab book comes from the environment variable; keep MOLVERA_LAB_BOOK as it is.</extracomment>
        <translation>Definido por MOLVERA_LAB_BOOK</translation>
    </message>
    <message>
        <source>Asking the lab book&apos;s server at %1 …</source>
        <extracomment>While the lab book&apos;s server is asked; %1 is its host.</extracomment>
        <translation>Consultando el servidor del registro del laboratorio en %1&#xa0;…</translation>
    </message>
    <message>
        <source>C&amp;opy to My Book</source>
        <translation>C&amp;opiar a mi registro</translation>
    </message>
    <message>
        <source>The book now holds: %1, %2.</source>
        <extracomment>After a refusal because the bottle changed: %1 its name and %2 its strength as the book now holds them.</extracomment>
        <translation>El registro contiene ahora: %1, %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleCheck</name>
    <message>
        <source>Enter the bottle&apos;s name.</source>
        <translation>Introduzca el nombre del frasco.</translation>
    </message>
    <message>
        <source>The strength must be more than 0.</source>
        <translation>La riqueza debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>A strength in percent cannot be more than 100 %.</source>
        <translation>Una riqueza en porcentaje no puede ser mayor que 100&#xa0;%.</translation>
    </message>
    <message>
        <source>The specific gravity must lie between %1 and %2.</source>
        <extracomment>%1 and %2 are the numbers 0.5 and 2.5 in the user&apos;s notation.</extracomment>
        <translation>La densidad relativa debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Enter the specific gravity: a % w/w or % v/v strength needs it.</source>
        <translation>Introduzca la densidad relativa: una riqueza en %&#xa0;p/⁠p o en %&#xa0;v/⁠v la necesita.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>La temperatura no es un número.</translation>
    </message>
    <message>
        <source>The molecular weight must be more than 0.</source>
        <translation>El peso molecular debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>molvera cannot read this formula. Enter the molecular weight, or correct the formula.</source>
        <translation>molvera no puede leer esta fórmula. Introduzca el peso molecular o corrija la fórmula.</translation>
    </message>
    <message>
        <source>The number of waters cannot be negative.</source>
        <translation>El número de H2O no puede ser negativo.</translation>
    </message>
    <message>
        <source>%1 is not written as a CAS number: 2 to 7 digits, 2 digits and a check digit, joined by hyphens, such as 7647-14-5.</source>
        <extracomment>%1 is the text typed as the CAS number; the example 7647-14-5 stays as it is.</extracomment>
        <translation>%1 no tiene la forma de un número CAS: de 2 a 7 dígitos, 2 dígitos y un dígito de control, unidos por guiones, como 7647-14-5.</translation>
    </message>
    <message>
        <source>The CAS number %1 has a wrong check digit: it should end in %2.</source>
        <extracomment>%1 is the CAS number typed, %2 the check digit its other digits call for.</extracomment>
        <translation>El número CAS %1 tiene un dígito de control erróneo: debería terminar en %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleDialog</name>
    <message>
        <source>% purity (a solid)</source>
        <translation>% de pureza (sólido)</translation>
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
        <translation>Editar frasco</translation>
    </message>
    <message>
        <source>New Bottle</source>
        <translation>Nuevo frasco</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Formula:</source>
        <translation>&amp;Fórmula:</translation>
    </message>
    <message>
        <source>Molecular &amp;weight:</source>
        <translation>Peso &amp;molecular:</translation>
    </message>
    <message>
        <source>from the formula</source>
        <extracomment>Shown in the empty molecular weight box: the formula gives it where molvera reads it.</extracomment>
        <translation>a partir de la fórmula</translation>
    </message>
    <message>
        <source>&amp;Basis:</source>
        <translation>&amp;Unidad:</translation>
    </message>
    <message>
        <source>&amp;Strength:</source>
        <translation>&amp;Riqueza:</translation>
    </message>
    <message>
        <source>Specific &amp;gravity:</source>
        <translation>&amp;Densidad relativa:</translation>
    </message>
    <message>
        <source>&amp;CAS number:</source>
        <translation>N.º &amp;CAS:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Origen:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;ta:</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <extracomment>Beside a field of a bottle that should hold a number.</extracomment>
        <translation>Introduzca un número.</translation>
    </message>
    <message>
        <source>Molecular weight %1</source>
        <extracomment>%1 is a molecular weight.</extracomment>
        <translation>Peso molecular %1</translation>
    </message>
    <message>
        <source>Number of H2O: %1</source>
        <extracomment>%1 is the number of waters of crystallisation the formula gives.</extracomment>
        <translation>Número de H2O: %1</translation>
    </message>
    <message>
        <source>Its strength makes %1</source>
        <extracomment>%1 is a molarity such as &quot;12.1 M&quot;: what the strength and specific gravity make.</extracomment>
        <translation>Molaridad equivalente: %1</translation>
    </message>
    <message>
        <source>Measured &amp;at (°C):</source>
        <translation>Medida &amp;a (°C):</translation>
    </message>
    <message>
        <source>Where it stan&amp;ds:</source>
        <translation>U&amp;bicación:</translation>
    </message>
</context>
<context>
    <name>molvera::BottleTexts</name>
    <message>
        <source>%1 % pure</source>
        <extracomment>A solid&apos;s purity; %1 is the number.</extracomment>
        <translation>%1&#xa0;% de pureza</translation>
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
        <translation>Cálculo de molvera</translation>
    </message>
    <message>
        <source>Your molvera Calculation</source>
        <translation>Su cálculo de molvera</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Reagent:</source>
        <translation>Reactivo:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Fórmula:</translation>
    </message>
    <message>
        <source>Molarity:</source>
        <translation>Molaridad:</translation>
    </message>
    <message>
        <source>Concentration:</source>
        <translation>Concentración:</translation>
    </message>
    <message>
        <source>Date Prepared:</source>
        <translation>Fecha de preparación:</translation>
    </message>
    <message>
        <source>Stock: %1 %2, specific gravity %3</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above), %3 its specific gravity (a number).</extracomment>
        <translation>Producto de partida: %1&#xa0;%2, densidad relativa %3</translation>
    </message>
    <message>
        <source>Stock: %1 %2</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above).</extracomment>
        <translation>Producto de partida: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <extracomment>The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month, yyyy the year; words between single quotes are kept as written (&apos;de&apos;).</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>The PDF was not made.</source>
        <translation>No se ha creado el PDF.</translation>
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
        <translation>Producto de partida: %1&#xa0;%2, número de H2O: %3</translation>
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
        <translation>Producto de partida: %1 (%2&#xa0;%3)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, specific gravity %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit, %4 its specific gravity.</extracomment>
        <translation>Producto de partida: %1 (%2&#xa0;%3, densidad relativa %4)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, Number of H2O: %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit (&quot;%&quot;), %4 its waters of crystallisation; &quot;Number of H2O&quot; as the hydrate page&apos;s caption says it.</extracomment>
        <translation>Producto de partida: %1 (%2&#xa0;%3, número de H2O: %4)</translation>
    </message>
</context>
<context>
    <name>molvera::CalculatorPage</name>
    <message>
        <source> Input Error!</source>
        <extracomment>The title of the box that says a page&apos;s input cannot be used. The space before it is kept.</extracomment>
        <translation> ¡Error en los datos!</translation>
    </message>
    <message>
        <source>Please correctly fill in all required text boxes!</source>
        <translation>¡Rellene correctamente todos los campos obligatorios!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Vista previa de impresión…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The title of the question asked before the sheet is saved as PDF.</extracomment>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>The answer is out of date: an entry has changed since the last calculation.</source>
        <extracomment>Asked before a page&apos;s sheet is printed or saved while the page shows its method out of date. The sheet is the record of the last calculation.</extracomment>
        <translation>El resultado está desactualizado: se ha cambiado un dato desde el último cálculo.</translation>
    </message>
    <message>
        <source>&amp;Calculate First</source>
        <extracomment>Calculates with the entries as they stand, then prints or saves the new sheet.</extracomment>
        <translation>&amp;Calcular primero</translation>
    </message>
    <message>
        <source>&amp;Print Last Calculation</source>
        <extracomment>Prints the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Imprimir el último cálculo</translation>
    </message>
    <message>
        <source>&amp;Save Last Calculation</source>
        <extracomment>Saves the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Guardar el último cálculo</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says what a page could not use of a bottle of the reagent book.</extracomment>
        <translation>Registro de reactivos</translation>
    </message>
</context>
<context>
    <name>molvera::CommandLine</name>
    <message>
        <source>Works out how to make up reagent solutions.</source>
        <translation>Calcula cómo preparar disoluciones de reactivos.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given.</extracomment>
        <translation>%1: argumento inesperado «%2»</translation>
    </message>
    <message>
        <source>One of %1, answered on the terminal; &quot;molvera COMMAND --help&quot; describes its options. Without a command molvera opens its window.</source>
        <extracomment>%1 lists the commands, which are never translated: &quot;molar, percent, hydrate, formula&quot;. COMMAND stands for one of them.</extracomment>
        <translation>Una de las órdenes %1, respondida en el terminal; «molvera COMMAND --help» describe sus opciones. Sin orden, molvera abre su ventana.</translation>
    </message>
    <message>
        <source>%1: unknown command &apos;%2&apos;; &quot;%1 --help&quot; lists the commands.</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given, which names no command.</extracomment>
        <translation>%1: orden desconocida «%2»; «%1 --help» enumera las órdenes.</translation>
    </message>
</context>
<context>
    <name>molvera::Commands</name>
    <message>
        <source>Write the answer as one JSON object, with numbers as numbers.</source>
        <translation>Escribe la respuesta como un único objeto JSON, con los números como números JSON.</translation>
    </message>
    <message>
        <source>Write the calculation&apos;s sheet to FILE, as Save as PDF does.</source>
        <extracomment>FILE is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Escribe la hoja del cálculo en FILE, como hace «Guardar como PDF».</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters.</source>
        <extracomment>%1 is an option, such as --molarity, %2 a number of characters.</extracomment>
        <translation>%1: más de %2 caracteres.</translation>
    </message>
    <message>
        <source>%1: not one line of UTF-8 text.</source>
        <extracomment>%1 is an option, such as --name.</extracomment>
        <translation>%1: no es una sola línea de texto UTF-8.</translation>
    </message>
    <message>
        <source>%1: a negative number, which no amount or strength can be.</source>
        <extracomment>%1 is an option, such as --volume.</extracomment>
        <translation>%1: un número negativo, pero ninguna cantidad ni concentración puede ser negativa.</translation>
    </message>
    <message>
        <source>%1: not a number, or not in a unit this option takes.</source>
        <extracomment>%1 is an option, such as --molarity, which takes a number, with a unit for some options.</extracomment>
        <translation>%1: no es un número o no está en una unidad que admita esta opción.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an option, such as --formula, or the program&apos;s name, molvera; %2 a sentence that says what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 takes one of: %2.</source>
        <extracomment>%1 is an option, such as --type, %2 the values it takes, such as &quot;w/w, w/v, v/v&quot;.</extracomment>
        <translation>%1 admite uno de estos valores: %2.</translation>
    </message>
    <message>
        <source>The %1 command needs %2.</source>
        <extracomment>%1 is a command, such as molar, %2 an option, such as --molarity.</extracomment>
        <translation>La orden %1 necesita %2.</translation>
    </message>
    <message>
        <source>The sheet was not saved as “%1”: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it.</extracomment>
        <translation>La hoja no se ha guardado como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>molvera::ElementTable</name>
    <message>
        <source>Aluminium</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
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
        <translation>Carbono</translation>
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
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
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
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Phosphous</source>
        <extracomment>The program&apos;s own spelling of Phosphorus.</extracomment>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Sulphur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Cinc</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaBoxAction</name>
    <message>
        <source>Fill &amp;Element Rows from Formula</source>
        <translation>Rellenar las filas de &amp;elementos a partir de la fórmula</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaCommand</name>
    <message>
        <source>The elements of a formula with their counts, and its molecular weight.</source>
        <extracomment>The formula command&apos;s line in --help.</extracomment>
        <translation>Muestra los elementos de una fórmula con su número de átomos, y su peso molecular.</translation>
    </message>
    <message>
        <source>The formula, such as NaCl, CuSO4·5H2O or K4[Fe(CN)6].</source>
        <extracomment>The formulas are never translated.</extracomment>
        <translation>La fórmula, como NaCl, CuSO4·5H2O o K4[Fe(CN)6].</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts (&quot;Na 1, Cl 1&quot;), %3 its molecular weight (a number). Symbols and formulas are never translated.</extracomment>
        <translation>%1: %2; peso molecular %3</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3; waters of crystallisation: %4</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts, water&apos;s included (&quot;Cu 1, S 1, O 9, H 10&quot;), %3 its molecular weight, %4 its waters of crystallisation (numbers).</extracomment>
        <translation>%1: %2; peso molecular %3; número de H2O: %4</translation>
    </message>
    <message>
        <source>The formula command needs a formula: molvera formula F.</source>
        <extracomment>F stands for the formula, as the help writes it.</extracomment>
        <translation>La orden formula necesita una fórmula: molvera formula F.</translation>
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
        <translation>Número</translation>
    </message>
    <message>
        <source>Molecular Weight</source>
        <translation>Peso molecular</translation>
    </message>
    <message>
        <source>Select an Element</source>
        <translation>Seleccione un elemento</translation>
    </message>
    <message>
        <source>Element, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Elemento, fila %1</translation>
    </message>
    <message>
        <source>Select the number of elements in this formula</source>
        <translation>Seleccione cuántos átomos de este elemento tiene la fórmula</translation>
    </message>
    <message>
        <source>Number of atoms, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Número de átomos, fila %1</translation>
    </message>
    <message>
        <source>Molecular weight, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Peso molecular, fila %1</translation>
    </message>
    <message>
        <source>Total molecular weight</source>
        <translation>Peso molecular total</translation>
    </message>
    <message>
        <source>Total Molecular Weight = </source>
        <extracomment>The caption left of the total box, which follows it on the same line.</extracomment>
        <translation>Peso molecular total = </translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCalculation</name>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 grams of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 grams of stock, %5 the formula of the stock that is weighed (formulas are never translated). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
pese %4&#xa0;g de %5 y enrase a %1&#xa0;mL
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;58.4 mg&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
pese %4 de %5 y enrase a %1&#xa0;mL
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;23.47 grams&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
pese %4 de %5 y enrase a %1
con disolvente.</translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCommand</name>
    <message>
        <source>How much of a salt, as it stands on the shelf, to weigh for a percent w/v solution of a form with other waters, as the Hydrate Solution page works it out.</source>
        <extracomment>The hydrate command&apos;s line in --help. The salt on the shelf is the starting substance.</extracomment>
        <translation>Calcula, como la página «Disolución de hidrato», cuánta sal, tal como está en el frasco (el producto de partida), hay que pesar para una disolución en %&#xa0;p/v de una forma con otro número de H2O.</translation>
    </message>
    <message>
        <source>The salt as its bottle writes it, with its waters: CuSO4·5H2O.</source>
        <extracomment>The formula is never translated.</extracomment>
        <translation>La sal tal como figura en su frasco, con su agua de cristalización: CuSO4·5H2O.</translation>
    </message>
    <message>
        <source>The percent w/v wanted.</source>
        <translation>Concentración deseada en %&#xa0;p/v.</translation>
    </message>
    <message>
        <source>The volume to make, in mL or with its unit: 100, 1 L.</source>
        <extracomment>Keep 100 and 1 L as they are.</extracomment>
        <translation>Volumen a preparar, en mililitros o con su unidad, p.&#xa0;ej. 100 o 1 L.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the form the percent is stated for. Default: 0, the anhydrous salt.</source>
        <translation>Número de H2O de la forma a la que se refiere el porcentaje. Valor predeterminado: 0, la sal anhidra.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the salt on the shelf, if not those of --formula.</source>
        <extracomment>--formula is an option: keep it.</extracomment>
        <translation>Número de H2O del producto de partida, si no es el de --formula.</translation>
    </message>
    <message>
        <source>The purity of the salt on the shelf, in percent. Default: 100.</source>
        <translation>Pureza del producto de partida, en porcentaje. Valor predeterminado: 100.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nombre del reactivo, para la etiqueta de la hoja.</translation>
    </message>
</context>
<context>
    <name>molvera::HydratePage</name>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The option for a concentration stated for the hydrate, with the number of waters below. The tab has the same English words, translated on their own.</extracomment>
        <translation>Sal hidratada</translation>
    </message>
    <message>
        <source>1. Type of Solution</source>
        <translation>1. Tipo de disolución</translation>
    </message>
    <message>
        <source>Anhydrous Solution</source>
        <extracomment>The option for a concentration stated for the anhydrous salt, without waters: a salt, not a solution.</extracomment>
        <translation>Sal anhidra</translation>
    </message>
    <message>
        <source>2. Select Elements</source>
        <translation>2. Seleccione los elementos</translation>
    </message>
    <message>
        <source>3. Stock Solution</source>
        <extracomment>The substance on the shelf, usually a solid salt: the starting substance, not a solution.</extracomment>
        <translation>3. Producto de partida</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <extracomment>The purity of the substance on the shelf (the starting substance), in percent.</extracomment>
        <translation>Pureza:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Introduzca la pureza del producto de partida</translation>
    </message>
    <message>
        <source>Number of H2O:</source>
        <translation>Número de H2O:</translation>
    </message>
    <message>
        <source>Enter the number of H2Os in the stock solution</source>
        <extracomment>The substance on the shelf: the starting substance, usually a solid salt.</extracomment>
        <translation>Introduzca el número de H2O del producto de partida</translation>
    </message>
    <message>
        <source>Number of H2O in the stock</source>
        <translation>Número de H2O del producto de partida</translation>
    </message>
    <message>
        <source>4. Required Solution</source>
        <translation>4. Disolución a preparar</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. deseada:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Introduzca la concentración deseada</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% p/v</translation>
    </message>
    <message>
        <source>Enter the number of H2Os required for the Hydrate</source>
        <translation>Introduzca el número de H2O del hidrato deseado</translation>
    </message>
    <message>
        <source>Number of H2O required</source>
        <translation>Número de H2O deseado</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volumen a preparar:</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make</source>
        <translation>Introduzca la cantidad que desea preparar</translation>
    </message>
    <message>
        <source>5. Calculate</source>
        <translation>5. Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Haga clic aquí para calcular el resultado</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>Copper Sulphate</source>
        <translation>Sulfato de cobre</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows (and the stock&apos;s number of waters) from the formula box, since they held another salt. Keep it short: one line of the box.</extracomment>
        <translation>Filas rellenadas a partir de la fórmula.</translation>
    </message>
    <message>
        <source>The hydrate page weighs a solid starting substance: the strength of %1, a solution, cannot be used here. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it. The page&apos;s stock is the substance on the shelf, weighed: the starting substance.</extracomment>
        <translation>La página «Disolución de hidrato» sirve para pesar un producto de partida sólido: la concentración de %1, que es una disolución, no se puede usar aquí. Se han rellenado su fórmula y su nombre.</translation>
    </message>
</context>
<context>
    <name>molvera::MainWindow</name>
    <message>
        <source>Visit the Kestrova Software Home Page</source>
        <translation>Visite la página web de Kestrova Software</translation>
    </message>
    <message>
        <source>Chemical Formula:</source>
        <translation>Fórmula química:</translation>
    </message>
    <message>
        <source>Enter the Chemical Formula</source>
        <translation>Introduzca la fórmula química</translation>
    </message>
    <message>
        <source>Chemical Name:</source>
        <translation>Nombre químico:</translation>
    </message>
    <message>
        <source>Enter the Chemical Name</source>
        <translation>Introduzca el nombre químico</translation>
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
        <translation>Una cantidad tan pequeña no se mide con precisión: prepare primero una disolución más concentrada y dilúyala.</translation>
    </message>
</context>
<context>
    <name>molvera::MethodBox</name>
    <message>
        <source>Out of date: an entry has changed since this was calculated. Calculate again to bring it up to date.</source>
        <extracomment>Said of a page&apos;s method sentence, by screen readers and in its tool-tip, once an input it was worked out from has changed.</extracomment>
        <translation>Desactualizado: se ha cambiado un dato desde este cálculo. Vuelva a calcular para actualizar el procedimiento.</translation>
    </message>
    <message>
        <source>Method</source>
        <extracomment>What screen readers call a page&apos;s method sentence.</extracomment>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>Out of date: calculate again.</source>
        <extracomment>Shown in a page&apos;s method box, under a sentence that an entry changed since it was calculated. Keep it short: it has one line of the box.</extracomment>
        <translation>Desactualizado: vuelva a calcular.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculation</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 grams or mLs of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams or millilitres of stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; and &quot;grams or mLs&quot; follow typed, possibly decimal numbers: prefer the unit symbols (L, g, mL) to plural forms.</extracomment>
        <translation>Para preparar %1&#xa0;L de disolución %2&#xa0;M de %3,
tome %4&#xa0;g o mL de %3 y enrase a %1&#xa0;L
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 mL of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 millilitres of a liquid stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed, possibly decimal number: prefer the unit symbol (L).</extracomment>
        <translation>Para preparar %1&#xa0;L de disolución %2&#xa0;M de %3,
mida %4&#xa0;mL de %3 y enrase a %1&#xa0;L
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 the amount of stock with its unit (&quot;5.84 mg&quot;, &quot;0.500 µL&quot;). The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed number: prefer the symbol (L).</extracomment>
        <translation>Para preparar %1&#xa0;L de disolución %2&#xa0;M de %3,
tome %4 de %3 y enrase a %1&#xa0;L
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make and %2 the molarity, each a number with its unit as typed (&quot;250 mL&quot;, &quot;50 mM&quot;), %3 the formula (never translated), %4 the amount of stock with its unit (&quot;1.51 grams&quot;, &quot;22.50 mL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución %2 de %3,
tome %4 de %3 y enrase a %1
con disolvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculationWeighed</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>As the molar sentence with the amount&apos;s unit, for a solid that is weighed: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams of it with the unit (&quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;L de disolución %2&#xa0;M de %3,
pese %4 de %3 y enrase a %1&#xa0;L
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the molar sentence with units typed, for a solid that is weighed: %1 the volume to make and %2 the molarity, each with its unit as typed, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;1.51 grams&quot;). Keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución %2 de %3,
pese %4 de %3 y enrase a %1
con disolvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCommand</name>
    <message>
        <source>How much stock to measure for a solution of a molarity, as the Molar Solution page works it out.</source>
        <extracomment>The molar command&apos;s line in --help.</extracomment>
        <translation>Calcula, como la página «Disolución molar», cuánta disolución madre hay que medir para una disolución de una molaridad dada.</translation>
    </message>
    <message>
        <source>The molarity wanted, in M or with its unit: 0.5, 50mM.</source>
        <extracomment>Keep 0.5 and 50mM as they are, with the language&apos;s decimal separator.</extracomment>
        <translation>Molaridad deseada, en M o con su unidad, p.&#xa0;ej. 0,5 o 50mM.</translation>
    </message>
    <message>
        <source>The volume to make, in litres or with its unit: 1, 250mL.</source>
        <extracomment>Keep 1 and 250mL as they are.</extracomment>
        <translation>Volumen a preparar, en litros o con su unidad, p.&#xa0;ej. 1 o 250mL.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula: the sentence names it, and without --mw it gives the molecular weight (NaCl, MgCl2·6H2O).</source>
        <extracomment>--mw is an option: keep it. The formulas are never translated.</extracomment>
        <translation>Fórmula de la sustancia: la respuesta la nombra y, sin --mw, da el peso molecular (NaCl, MgCl2·6H2O).</translation>
    </message>
    <message>
        <source>The molecular weight in g/mol, instead of the formula&apos;s.</source>
        <translation>Peso molecular en g/mol, en lugar del de la fórmula.</translation>
    </message>
    <message>
        <source>The stock: a percent (98), a molarity (5M, 500 mM), 20 % w/v or 10 g/L. Default: 100 (%).</source>
        <extracomment>Keep the examples as they are, with the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Concentración de la disolución madre: un porcentaje (98), una molaridad (5M, 500 mM), 20 % w/v (p/v) o 10 g/L. Valor predeterminado: 100 (%).</translation>
    </message>
    <message>
        <source>The specific gravity of a percent stock. Default: 1.</source>
        <translation>Densidad relativa de una disolución madre en porcentaje. Valor predeterminado: 1.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nombre del reactivo, para la etiqueta de la hoja.</translation>
    </message>
    <message>
        <source>The molar command needs %1 or %2, unless the stock is molar.</source>
        <extracomment>%1 and %2 are options, --formula and --mw.</extracomment>
        <translation>La orden molar necesita %1 o %2, salvo que la disolución madre sea molar.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarPage</name>
    <message>
        <source>1. Select Elements</source>
        <translation>1. Seleccione los elementos</translation>
    </message>
    <message>
        <source>Calculate Mol Wt</source>
        <translation>Calcular peso mol.</translation>
    </message>
    <message>
        <source>Enter Manual Mol Wt</source>
        <translation>Introducir peso mol.</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>2. Disolución madre</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. disol. madre:</translation>
    </message>
    <message>
        <source>Stock concentration unit</source>
        <translation>Unidad de concentración de la disolución madre</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Densidad relativa:</translation>
    </message>
    <message>
        <source>Enter the Specific Gravity if required.</source>
        <translation>Introduzca la densidad relativa si hace falta.</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>3. Disolución a preparar</translation>
    </message>
    <message>
        <source>Molarity Required:</source>
        <translation>Molaridad deseada:</translation>
    </message>
    <message>
        <source>Molar</source>
        <translation>molar</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volumen a preparar:</translation>
    </message>
    <message>
        <source>Litre(s)</source>
        <extracomment>After a typed number, possibly decimal: prefer the unit symbol (L) to a plural form.</extracomment>
        <translation>L</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>4. Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Haga clic aquí para calcular el resultado</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sulphuric Acid</source>
        <translation>Ácido sulfúrico</translation>
    </message>
    <message>
        <source>Molecular weight worked out from the formula.</source>
        <extracomment>A line under the answer, after Calculate took the molecular weight from the formula box, whose formula the element rows cannot hold. Keep it short: one line of the box.</extracomment>
        <translation>Peso molecular calculado a partir de la fórmula.</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows from the formula box, since they held another substance. Keep it short: one line of the box.</extracomment>
        <translation>Filas rellenadas a partir de la fórmula.</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution, e.g. 98, or 500 mM for a molar stock</source>
        <extracomment>A molar stock may be typed with its unit: keep 500 mM as it is.</extracomment>
        <translation>Introduzca la concentración de la disolución madre, p.&#xa0;ej. 98, o 500&#xa0;mM para una disolución madre molar</translation>
    </message>
    <message>
        <source>Enter the molarity required, e.g. 0.5 or 50 mM</source>
        <extracomment>A unit may be typed after the number: keep 50 mM as it is (the language&apos;s decimal separator in 0.5).</extracomment>
        <translation>Introduzca la molaridad deseada, p.&#xa0;ej. 0,5 o 50&#xa0;mM</translation>
    </message>
    <message>
        <source>Enter how many  Litres you wish to make, e.g. 1 or 250 mL</source>
        <extracomment>A unit may be typed after the number: keep 250 mL as it is.</extracomment>
        <translation>Introduzca los litros que desea preparar, p.&#xa0;ej. 1 o 250&#xa0;mL</translation>
    </message>
    <message>
        <source>The molar page cannot use the strength of %1: a stock in % v/v would need the density of the pure liquid. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>La página «Disolución molar» no puede usar la concentración de %1: una disolución madre en %&#xa0;v/⁠v necesitaría la densidad del líquido puro. Se han rellenado su fórmula y su nombre.</translation>
    </message>
</context>
<context>
    <name>molvera::PageButtonBar</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear this calculation</source>
        <translation>Borrar este cálculo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Instructions and Label</source>
        <translation>Imprimir instrucciones y etiqueta</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <translation>&amp;Ejemplo</translation>
    </message>
    <message>
        <source>Click here to view an example.</source>
        <translation>Haga clic aquí para ver un ejemplo.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Click here for Program Details</source>
        <translation>Haga clic aquí para ver los datos del programa</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculation</name>
    <message>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 ,
Measure %4 grams of %3 and mix with %5 grams
of solvent.</source>
        <extracomment>%1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock, %5 grams of solvent. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;g de disolución al %2&#xa0;%&#xa0;p/⁠p de %3,
pese %4&#xa0;g de %3 y mezcle con %5&#xa0;g
de disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 grams of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
pese %4&#xa0;g de %3 y enrase a %1&#xa0;mL
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a liquid stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
mida %4&#xa0;mL de %3 y enrase a %1&#xa0;mL
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de disolución al %2&#xa0;%&#xa0;v/⁠v de %3,
mida %4&#xa0;mL de %3 y enrase a %1&#xa0;mL
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/w solution of %3 ,
Measure %4 of %3 and mix with %5
of solvent.</source>
        <extracomment>%1 the amount to make with its unit (&quot;2 kg&quot;, &quot;100 grams&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock and %5 the solvent to mix in, each with its unit (&quot;300.00 grams&quot;, &quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución al %2&#xa0;%&#xa0;p/⁠p de %3,
pese %4 de %3 y mezcle con %5
de disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
tome %4 de %3 y enrase a %1
con disolvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % v/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 µL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución al %2&#xa0;%&#xa0;v/⁠v de %3,
mida %4 de %3 y enrase a %1
con disolvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculationWeighed</name>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the w/v sentence with units, for a solid that is weighed: %1 the volume to make with its unit, %2 the percent wanted, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;4.50 grams&quot;, &quot;58.4 mg&quot;). Keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de disolución al %2&#xa0;%&#xa0;p/⁠v de %3,
pese %4 de %3 y enrase a %1
con disolvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCommand</name>
    <message>
        <source>How much stock to measure for a percent solution, as the % Solution page works it out.</source>
        <extracomment>The percent command&apos;s line in --help.</extracomment>
        <translation>Calcula, como la página «Disolución en %», cuánta disolución madre hay que medir para una disolución porcentual.</translation>
    </message>
    <message>
        <source>What the percent is of: w/w (made by weight), w/v or v/v.</source>
        <extracomment>w/w, w/v and v/v are the option&apos;s values: keep them as they are.</extracomment>
        <translation>A qué se refiere el porcentaje: w/w (p/p, preparada por pesada), w/v (p/v) o v/v.</translation>
    </message>
    <message>
        <source>The percent wanted.</source>
        <translation>Porcentaje deseado.</translation>
    </message>
    <message>
        <source>The amount to make, in grams for w/w and mL otherwise, or with its unit: 100, 2 kg, 1 L.</source>
        <extracomment>Keep 100, 2 kg and 1 L as they are.</extracomment>
        <translation>Cantidad a preparar, en gramos para w/w y en mL en los demás casos, o con su unidad, p.&#xa0;ej. 100, 2 kg o 1 L.</translation>
    </message>
    <message>
        <source>The stock&apos;s percent by weight, or in grams per 100 mL written as 20 % w/v. Default: 100.</source>
        <extracomment>Keep &quot;20 % w/v&quot; as it is, but for the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Porcentaje en peso de la disolución madre, o gramos en 100&#xa0;mL escritos como 20 % w/v (p/v). Valor predeterminado: 100.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock. Default: 1.</source>
        <translation>Densidad relativa de la disolución madre. Valor predeterminado: 1.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula, which the sentence names.</source>
        <translation>Fórmula de la sustancia, que nombra la respuesta.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nombre del reactivo, para la etiqueta de la hoja.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentPage</name>
    <message>
        <source>1. Type of Concentration</source>
        <translation>1. Tipo de concentración</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>% p/p</translation>
    </message>
    <message>
        <source>Weight per Weight Concentrations</source>
        <translation>Concentración peso en peso (p/p)</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% p/v</translation>
    </message>
    <message>
        <source>Weight per Volume Concentrations</source>
        <translation>Concentración peso en volumen (p/v)</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>% v/v</translation>
    </message>
    <message>
        <source>Volume per Volume Concentrations</source>
        <translation>Concentración volumen en volumen (v/v)</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <translation>2. Disolución madre</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. disol. madre:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Introduzca la concentración de la disolución madre</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Densidad relativa:</translation>
    </message>
    <message>
        <source>Enter the SG of the stock solution</source>
        <translation>Introduzca la densidad relativa de la disolución madre</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <translation>3. Disolución a preparar</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. deseada:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Introduzca la concentración deseada</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <extracomment>The amount to make, in mL, or in grams for w/w: a word for an amount, not only a volume.</extracomment>
        <translation>Cantidad a preparar:</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <translation>4. Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Haga clic aquí para calcular el resultado</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>grams</source>
        <translation>g</translation>
    </message>
    <message>
        <source>Sodium Chloride</source>
        <translation>Cloruro de sodio</translation>
    </message>
    <message>
        <source>Choose what the stock&apos;s percent is of: weight in weight, or grams in 100 mL</source>
        <translation>Elija a qué se refiere el porcentaje de la disolución madre: peso en peso, o gramos en 100&#xa0;mL</translation>
    </message>
    <message>
        <source>Stock concentration basis</source>
        <translation>Base de la concentración de la disolución madre</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (grams) or 2 kg</source>
        <extracomment>A unit may be typed after the number: keep 2 kg as it is.</extracomment>
        <translation>Introduzca la cantidad que desea preparar, p.&#xa0;ej. 100&#xa0;(g) o 2&#xa0;kg</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (mL) or 1 L</source>
        <extracomment>A unit may be typed after the number: keep 1 L as it is.</extracomment>
        <translation>Introduzca la cantidad que desea preparar, p.&#xa0;ej. 100&#xa0;(mL) o 1&#xa0;L</translation>
    </message>
    <message>
        <source>The stock&apos;s list has no % v/v: the percent of %1 is entered as the stock&apos;s, which serves a % v/v solution.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>La lista de la disolución madre no incluye %&#xa0;v/⁠v: el porcentaje de %1 se introduce como el de la disolución madre, lo que sirve para una disolución en %&#xa0;v/⁠v.</translation>
    </message>
    <message>
        <source>The % page cannot use the strength of %1, a molar stock: the molar page can. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>La página «Disolución en %» no puede usar la concentración de %1, una disolución madre molar; la página «Disolución molar» sí puede. Se han rellenado su fórmula y su nombre.</translation>
    </message>
</context>
<context>
    <name>molvera::ReagentBook</name>
    <message>
        <source>Reagent &amp;Book…</source>
        <extracomment>The formula box&apos;s context menu: opens the reagent book&apos;s window.</extracomment>
        <translation>Registro de reacti&amp;vos…</translation>
    </message>
    <message>
        <source>&amp;Save Stock to Book…</source>
        <extracomment>The formula box&apos;s context menu: makes a bottle of the page&apos;s stock in the reagent book.</extracomment>
        <translation>&amp;Guardar el producto de partida en el registro…</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says the page&apos;s stock cannot be saved in the reagent book.</extracomment>
        <translation>Registro de reactivos</translation>
    </message>
    <message>
        <source>The stock&apos;s strength on this page is not a number, so it cannot be saved as a bottle.</source>
        <translation>La concentración del producto de partida en esta página no es un número, por lo que no se puede guardar como frasco.</translation>
    </message>
    <message>
        <source>This is neither a connection string (host=… dbname=…) nor a URI (postgresql://…).</source>
        <extracomment>The lab book&apos;s connection string cannot be read.</extracomment>
        <translation>No es ni una cadena de conexión (host=… dbname=…) ni un URI (postgresql://…).</translation>
    </message>
    <message>
        <source>molvera keeps no password. Leave it out, and put it in ~/.pgpass (a line host:port:database:user:password) or a service file instead.</source>
        <extracomment>molvera keeps no passwords: libpq&apos;s own files do.</extracomment>
        <translation>molvera no guarda contraseñas. Quite la contraseña y póngala en ~/.pgpass (una línea host:port:database:user:password) o en un archivo de servicio.</translation>
    </message>
</context>
<context>
    <name>molvera::RefusalMessages</name>
    <message>
        <source>Cannot Calculate</source>
        <translation>No se puede calcular</translation>
    </message>
    <message>
        <source>Cannot Be Made</source>
        <translation>No se puede preparar</translation>
    </message>
    <message>
        <source>A number is too large to calculate with. Please enter smaller numbers.</source>
        <translation>Hay un número demasiado grande para poder calcular. Introduzca números más pequeños.</translation>
    </message>
    <message>
        <source>The stock concentration is zero, so no amount of the stock holds the substance. Please enter the concentration of the stock.</source>
        <translation>La concentración de la disolución madre es cero, por lo que ninguna cantidad de ella contiene la sustancia. Introduzca la concentración de la disolución madre.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock is zero, so its volume cannot be calculated. Please enter the specific gravity of the stock.</source>
        <translation>La densidad relativa de la disolución madre es cero, por lo que no se puede calcular su volumen. Introduzca la densidad relativa de la disolución madre.</translation>
    </message>
    <message>
        <source>The molecular weight of the salt with the waters required is zero, so the amount cannot be calculated. Please check the formula and the waters.</source>
        <translation>El peso molecular de la sal con las moléculas de agua deseadas es cero, por lo que no se puede calcular la cantidad. Compruebe la fórmula y el número de H2O.</translation>
    </message>
    <message>
        <source>The stock is weaker than the solution wanted, so the solution cannot be made from it by dilution. Please use a stronger stock or make a weaker solution.</source>
        <translation>La disolución madre es menos concentrada que la disolución deseada, por lo que esta no se puede preparar diluyéndola. Use una disolución madre más concentrada o prepare una disolución más diluida.</translation>
    </message>
    <message>
        <source>An amount in the instructions would be negative, so they cannot be carried out. Please check the numbers for a minus sign.</source>
        <translation>Una de las cantidades de las instrucciones sería negativa, por lo que no se pueden seguir. Compruebe si algún número lleva signo menos.</translation>
    </message>
    <message>
        <source>Cannot Read Formula</source>
        <translation>No se puede leer la fórmula</translation>
    </message>
    <message>
        <source>The purity of the starting substance is zero, so no amount of it holds the salt. Please enter its purity in percent.</source>
        <extracomment>The hydrate page&apos;s stock is the substance on the shelf, usually a solid salt: the starting substance, whose purity in percent is typed beside &quot;Conc of Stock Soln:&quot;.</extracomment>
        <translation>La pureza del producto de partida es cero, por lo que ninguna cantidad de él contiene la sal. Introduzca su pureza en porcentaje.</translation>
    </message>
    <message>
        <source>There is no formula to read.</source>
        <extracomment>The formula box is empty.</extracomment>
        <translation>No se ha escrito ninguna fórmula.</translation>
    </message>
    <message>
        <source>“%1” is not the symbol of an element.</source>
        <extracomment>%1 is what was typed as an element symbol, such as Xy. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» no es el símbolo de ningún elemento.</translation>
    </message>
    <message>
        <source>“%1” has no standard atomic weight, so the formula&apos;s weight cannot be worked out.</source>
        <extracomment>%1 is an element symbol, such as Tc. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» no tiene peso atómico estándar, por lo que no se puede calcular el peso molecular de la fórmula.</translation>
    </message>
    <message>
        <source>“%1” is not an element symbol: a symbol begins with a capital letter, as in “%2”.</source>
        <extracomment>%1 is a symbol typed in small letters (na), %2 the symbol as it is written (Na). Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» no es un símbolo de elemento: los símbolos empiezan por mayúscula, como en «%2».</translation>
    </message>
    <message>
        <source>The formula has more than 32767 atoms of “%1”.</source>
        <extracomment>%1 is an element symbol. A count box holds at most 32767: write the number as the language groups its digits.</extracomment>
        <translation>La fórmula tiene más de 32&#xa0;767 átomos de «%1».</translation>
    </message>
    <message>
        <source>A bracket is not closed after “%1”.</source>
        <extracomment>%1 is the formula as typed, such as Ca(OH. Use the language&apos;s quotation marks.</extracomment>
        <translation>Hay un paréntesis o corchete sin cerrar después de «%1».</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket that was not opened.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it. Use the language&apos;s quotation marks.</extracomment>
        <translation>«%1» después de «%2» cierra un paréntesis o corchete que no se abrió.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket opened with “%3”.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.</extracomment>
        <translation>«%1» después de «%2» cierra lo que se abrió con «%3».</translation>
    </message>
    <message>
        <source>“%1” after “%2” is not a count from 1 to 32767.</source>
        <extracomment>%1 is a number as typed, %2 the formula before it. Write 32767 as the language groups its digits.</extracomment>
        <translation>«%1» después de «%2» no es una cantidad de 1 a 32&#xa0;767.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is a fraction: a count in a formula is a whole number.</source>
        <extracomment>%1 is a number with a fraction, such as 1.5, %2 the formula before it.</extracomment>
        <translation>«%1» después de «%2» no es un número entero: en una fórmula, las cantidades son números enteros.</translation>
    </message>
    <message>
        <source>The count “%1” after “%2” is set apart by a blank: a count follows its symbol or bracket directly.</source>
        <extracomment>%1 is a count, %2 the formula before it, with a blank between them.</extracomment>
        <translation>La cantidad «%1» está separada de «%2» por un espacio: una cantidad va justo después de su símbolo o paréntesis.</translation>
    </message>
    <message>
        <source>“%1” cannot stand at the start of a formula.</source>
        <extracomment>%1 is what was typed first: a character or a number.</extracomment>
        <translation>«%1» no puede ir al principio de una fórmula.</translation>
    </message>
    <message>
        <source>“%1” cannot stand after “%2”.</source>
        <extracomment>%1 is a character or a number as typed, %2 the formula before it.</extracomment>
        <translation>«%1» no puede ir después de «%2».</translation>
    </message>
    <message>
        <source>“%1” after “%2” must begin a water of crystallisation at the end of the formula, such as 5H2O.</source>
        <extracomment>%1 is a hydrate dot such as &quot;.&quot; or &quot;·&quot;, %2 the formula before it. 5H2O is a formula: keep it.</extracomment>
        <translation>«%1» después de «%2» debe introducir un agua de cristalización al final de la fórmula, por ejemplo 5H2O.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: “%1” is not one of the elements they offer.</source>
        <extracomment>%1 is an element symbol. The rows&apos; element lists offer 32 elements.</extracomment>
        <translation>Las filas de elementos no admiten esta fórmula: «%1» no está entre los elementos que ofrecen.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: it has more than six elements, and “%1” is the seventh.</source>
        <extracomment>%1 is the symbol of the seventh different element.</extracomment>
        <translation>Las filas de elementos no admiten esta fórmula: tiene más de seis elementos, y «%1» es el séptimo.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: the count of “%1” is not a whole number.</source>
        <extracomment>%1 is an element symbol whose count in the formula is a fraction (half waters).</extracomment>
        <translation>Las filas de elementos no admiten esta fórmula: la cantidad de «%1» no es un número entero.</translation>
    </message>
    <message>
        <source>A stock in % w/v says how many grams are in a volume of it, not what fraction of its weight or volume they are, so a % w/w or % v/v solution cannot be worked out from it. Please give the stock in % w/w with its specific gravity, or make a % w/v solution.</source>
        <extracomment>&quot;% w/v&quot;, &quot;% w/w&quot; and &quot;% v/v&quot; as the page&apos;s lists and options write them.</extracomment>
        <translation>Una disolución madre en %&#xa0;p/⁠v indica los gramos de sustancia que hay en un volumen, no qué fracción del peso o del volumen de la disolución representan, por lo que no permite calcular una disolución en %&#xa0;p/⁠p ni en %&#xa0;v/⁠v. Indique la disolución madre en %&#xa0;p/⁠p con su densidad relativa, o prepare una disolución en %&#xa0;p/⁠v.</translation>
    </message>
</context>
<context>
    <name>molvera::SheetDialogs</name>
    <message>
        <source>The printer is stopped.</source>
        <translation>La impresora está detenida.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La impresora «%1» está detenida.</translation>
    </message>
    <message>
        <source>The printer does not accept jobs.</source>
        <translation>La impresora no acepta trabajos.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La impresora «%1» no acepta trabajos.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora ha notificado un error.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>La impresora «%1» ha notificado un error.</translation>
    </message>
    <message>
        <source>No default printer is set up.</source>
        <translation>No hay ninguna impresora predeterminada configurada.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>The sheet was not saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it, a sentence.</extracomment>
        <translation>La hoja no se ha guardado como «%1»: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The sheet was not printed. %1</source>
        <extracomment>%1 says why, in a whole sentence.</extracomment>
        <translation>La hoja no se ha impreso. %1</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Guardar como PDF…</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <extracomment>Keep &quot;(*.pdf)&quot;: it is the pattern the dialog filters by.</extracomment>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>molvera::StarterBottles</name>
    <message>
        <source>Hydrochloric acid 37 %</source>
        <translation>Ácido clorhídrico 37 %</translation>
    </message>
    <message>
        <source>Sulfuric acid 96 %</source>
        <translation>Ácido sulfúrico 96 %</translation>
    </message>
    <message>
        <source>Nitric acid 65 %</source>
        <translation>Ácido nítrico 65 %</translation>
    </message>
    <message>
        <source>Nitric acid 70 %</source>
        <translation>Ácido nítrico 70 %</translation>
    </message>
    <message>
        <source>Phosphoric acid 85 %</source>
        <translation>Ácido fosfórico 85 %</translation>
    </message>
    <message>
        <source>Acetic acid, glacial</source>
        <translation>Ácido acético glacial</translation>
    </message>
    <message>
        <source>Formic acid 98 %</source>
        <translation>Ácido fórmico 98 %</translation>
    </message>
    <message>
        <source>Ammonia solution 25 %</source>
        <translation>Amoníaco en solución 25 %</translation>
    </message>
    <message>
        <source>Ammonia solution 28 %</source>
        <translation>Amoníaco en solución 28 %</translation>
    </message>
    <message>
        <source>Hydrogen peroxide 30 %</source>
        <translation>Peróxido de hidrógeno 30 %</translation>
    </message>
    <message>
        <source>Ethanol 96 %</source>
        <translation>Etanol 96 %</translation>
    </message>
    <message>
        <source>Ethanol, absolute</source>
        <translation>Etanol absoluto</translation>
    </message>
    <message>
        <source>2-Propanol</source>
        <translation>2-Propanol</translation>
    </message>
    <message>
        <source>Methanol</source>
        <translation>Metanol</translation>
    </message>
    <message>
        <source>Glycerol</source>
        <translation>Glicerol</translation>
    </message>
    <message>
        <source>Formaldehyde solution 37 %</source>
        <translation>Formaldehído en solución 37 %</translation>
    </message>
    <message>
        <source>Perchloric acid 70 %</source>
        <translation>Ácido perclórico 70 %</translation>
    </message>
    <message>
        <source>Hydrofluoric acid 48 %</source>
        <translation>Ácido fluorhídrico 48 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide solution 50 %</source>
        <translation>Hidróxido de sodio en solución 50 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide pellets</source>
        <translation>Hidróxido de sodio en lentejas</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Cloruro de sodio</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Cloruro de potasio</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate</source>
        <translation>Cloruro de calcio dihidrato</translation>
    </message>
    <message>
        <source>Magnesium chloride hexahydrate</source>
        <translation>Cloruro de magnesio hexahidrato</translation>
    </message>
    <message>
        <source>Magnesium sulfate heptahydrate</source>
        <translation>Sulfato de magnesio heptahidrato</translation>
    </message>
    <message>
        <source>Copper(II) sulfate pentahydrate</source>
        <translation>Sulfato de cobre(II) pentahidrato</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate dihydrate</source>
        <translation>Hidrogenofosfato disódico dihidrato</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate monohydrate</source>
        <translation>Dihidrogenofosfato de sodio monohidrato</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Dihidrogenofosfato de potasio</translation>
    </message>
    <message>
        <source>Sodium carbonate, anhydrous</source>
        <translation>Carbonato de sodio anhidro</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Hidrogenocarbonato de sodio</translation>
    </message>
    <message>
        <source>Tris base</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>EDTA disodium dihydrate</source>
        <translation>EDTA disódico dihidrato</translation>
    </message>
    <message>
        <source>D-Glucose, anhydrous</source>
        <translation>D-Glucosa anhidra</translation>
    </message>
    <message>
        <source>D-Glucose monohydrate</source>
        <translation>D-Glucosa monohidrato</translation>
    </message>
</context>
<context>
    <name>molvera::TabCaptions</name>
    <message>
        <source>Molar Solution</source>
        <extracomment>The tab of the page for molar solutions.</extracomment>
        <translation>Disolución molar</translation>
    </message>
    <message>
        <source>% Solution</source>
        <extracomment>The tab of the page for percent solutions.</extracomment>
        <translation>Disolución en %</translation>
    </message>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The tab of the page for solutions of hydrates. The page&apos;s option for a hydrate has the same English words, translated on their own.</extracomment>
        <translation>Disolución de hidrato</translation>
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
