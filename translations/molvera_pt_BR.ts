<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
</context>
<context>
    <name>molvera::AboutBox</name>
    <message>
        <source>This program is a molvera calculator for laboratory technicians. The program will assist in the preparation of reagents for use in laboratories.</source>
        <translation>Este programa é uma calculadora molvera para técnicos de laboratório. Ele auxilia no preparo de reagentes para uso em laboratório.</translation>
    </message>
    <message>
        <source>About %1</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>For Windows 95/98/2000/NT</source>
        <translation>Para Windows 95/98/2000/NT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Report comments and suggestions to:</source>
        <translation>Envie comentários e sugestões para:</translation>
    </message>
    <message>
        <source>Visit our web site for updates:</source>
        <translation>Visite nosso site para atualizações:</translation>
    </message>
</context>
<context>
    <name>molvera::BookCommand</name>
    <message>
        <source>Lists, exports or imports the bottles of the reagent book.</source>
        <extracomment>The book command&apos;s line in --help.</extracomment>
        <translation>Lista, exporta ou importa os frascos do cadastro de reagentes.</translation>
    </message>
    <message>
        <source>list; export FILE, as CSV; or import FILE, a CSV file of either kind, all or nothing.</source>
        <extracomment>Keep list, export, import and FILE as they are: they are typed so.</extracomment>
        <translation>list; export FILE, em CSV; ou import FILE, um arquivo CSV de qualquer um dos dois tipos, tudo ou nada.</translation>
    </message>
    <message>
        <source>The lab book at CONNECTION, a libpq connection string or URI, instead of your own book (MOLVERA_LAB_BOOK gives it too).</source>
        <extracomment>CONNECTION is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>O cadastro do laboratório em CONNECTION, uma string de conexão ou URI da libpq, em vez do seu próprio cadastro (MOLVERA_LAB_BOOK também o indica).</translation>
    </message>
    <message>
        <source>Export with semicolons and decimal commas, as spreadsheets of such languages read it.</source>
        <translation>Exporta com ponto e vírgula e vírgula decimal, no formato que as planilhas de idiomas com vírgula decimal leem.</translation>
    </message>
    <message>
        <source>The book command takes list, export FILE or import FILE.</source>
        <extracomment>Keep list, export, import and FILE as they are.</extracomment>
        <translation>O comando book aceita list, export FILE ou import FILE.</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read or written, as the system says it.</extracomment>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>%1	%2	%3</source>
        <extracomment>A bottle of the list: %1 its name, %2 its formula (never translated), %3 its strength.</extracomment>
        <translation>%1	%2	%3</translation>
    </message>
    <message>
        <source>%1 bottles written to “%2”.</source>
        <extracomment>%1 is how many bottles were written, %2 the file.</extracomment>
        <translation>Frascos gravados em “%2”: %1.</translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were in the book already.</extracomment>
        <translation>Frascos adicionados: %1; já estavam no cadastro e não foram adicionados de novo: %2.</translation>
    </message>
    <message>
        <source>Nothing was imported: these rows cannot be.</source>
        <extracomment>After this sentence, each bad row is named on a line of its own.</extracomment>
        <translation>Nada foi importado: estes registros não podem ser importados.</translation>
    </message>
</context>
<context>
    <name>molvera::BookCompletion</name>
    <message>
        <source>Bottles of the reagent book</source>
        <extracomment>What screen readers call the list of bottles offered under a box as one types.</extracomment>
        <translation>Frascos do cadastro de reagentes</translation>
    </message>
</context>
<context>
    <name>molvera::BookCsv</name>
    <message>
        <source>The row has more cells than the header has names.</source>
        <translation>A linha tem mais células do que o cabeçalho tem nomes.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <extracomment>%1 is the cell&apos;s text as it stands in the file.</extracomment>
        <translation>%1 não é um número.</translation>
    </message>
    <message>
        <source>%1 is not a date and time such as 2026-12-07T09:30:00Z.</source>
        <extracomment>%1 is the cell&apos;s text; the example date and time stays as it is.</extracomment>
        <translation>%1 não é uma data e hora como 2026-12-07T09:30:00Z.</translation>
    </message>
    <message>
        <source>%1 is not a basis molvera knows: write purity %, % w/w, % v/v, % w/v, g/L or M.</source>
        <extracomment>%1 is the cell&apos;s text; the bases listed are written as they stand.</extracomment>
        <translation>%1 não é uma unidade que o molvera conheça: escreva purity %, % w/w, % v/v, % w/v, g/L ou M.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the sentence that says what is wrong.</extracomment>
        <translation>Linha %1: %2</translation>
    </message>
    <message>
        <source>Line %1, column %2: %3</source>
        <extracomment>%1 is the line&apos;s number in the file, %2 the column&apos;s name as the file&apos;s header writes it (not translated), %3 the sentence that says what is wrong.</extracomment>
        <translation>Linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>The file is not UTF-8 text. Save it as CSV in UTF-8 and import it again.</source>
        <translation>O arquivo não é texto UTF-8. Salve-o como CSV em UTF-8 e importe-o novamente.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The header has no column %1.</source>
        <translation>O cabeçalho não tem a coluna %1.</translation>
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
        <translation>Fórmula</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Teor</translation>
    </message>
    <message>
        <source>Specific gravity</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Works out at</source>
        <extracomment>The molarity the bottle&apos;s strength works out at: a check of the numbers on its label.</extracomment>
        <translation>Equivale a</translation>
    </message>
    <message>
        <source>CAS number</source>
        <extracomment>The CAS registry number.</extracomment>
        <translation>Nº CAS</translation>
    </message>
    <message>
        <source>Place</source>
        <extracomment>Where the bottle stands in the lab.</extracomment>
        <translation>Local</translation>
    </message>
    <message>
        <source>Book</source>
        <extracomment>Which book the bottle is in: the lab&apos;s or the user&apos;s own.</extracomment>
        <translation>Cadastro</translation>
    </message>
</context>
<context>
    <name>molvera::BookStore</name>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Não é possível criar o cadastro de reagentes %1 porque não é possível gravar na pasta dele. O molvera funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s reason (in English).</extracomment>
        <translation>Não é possível criar o cadastro de reagentes %1: %2. O molvera funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is damaged: %2. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>O cadastro de reagentes %1 está danificado: %2. O molvera deixou o arquivo como estava e funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 is from an older molvera and can only be read, so it cannot be brought up to date. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>O cadastro de reagentes %1 é de uma versão mais antiga do molvera e só pode ser lido, por isso não pode ser atualizado. O molvera deixou o arquivo como estava e funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read: changes to it cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>O cadastro de reagentes %1 só pode ser lido: as alterações nele não podem ser salvas.</translation>
    </message>
    <message>
        <source>%1 is not a reagent book of molvera. molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the file.</extracomment>
        <translation>%1 não é um cadastro de reagentes do molvera. O molvera deixou o arquivo como estava e funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left the file as it is and works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>O cadastro de reagentes %1 foi gravado por uma versão mais nova do molvera (versão do cadastro %2; esta versão do molvera conhece versões até a %3). O molvera deixou o arquivo como estava e funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be opened: %2. molvera works without the book.</source>
        <extracomment>%1 is the book&apos;s file, %2 the system&apos;s or the database&apos;s reason (in English).</extracomment>
        <translation>Não é possível abrir o cadastro de reagentes %1: %2. O molvera funciona sem o cadastro.</translation>
    </message>
    <message>
        <source>The reagent book %1 cannot be made, because its folder cannot be written to. molvera shows the starter bottles, but changes to them cannot be saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>Não é possível criar o cadastro de reagentes %1 porque não é possível gravar na pasta dele. O molvera mostra os frascos iniciais, mas as alterações neles não podem ser salvas.</translation>
    </message>
    <message>
        <source>The reagent book %1 can only be read, so the change was not saved.</source>
        <extracomment>%1 is the book&apos;s file.</extracomment>
        <translation>O cadastro de reagentes %1 só pode ser lido, por isso a alteração não foi salva.</translation>
    </message>
    <message>
        <source>No reagent book is open, so the change was not saved.</source>
        <translation>Nenhum cadastro de reagentes está aberto, por isso a alteração não foi salva.</translation>
    </message>
    <message>
        <source>The reagent book %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the book&apos;s file, %2 the database&apos;s reason (in English).</extracomment>
        <translation>Não foi possível alterar o cadastro de reagentes %1: %2. A alteração não foi salva.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so this change was not saved. Look at the bottle again and make the change once more.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>O frasco %1 foi alterado no cadastro depois de ter sido lido, por isso esta alteração não foi salva. Consulte o frasco novamente e faça a alteração outra vez.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book, so the change was not saved.</source>
        <translation>O frasco %1 não está mais no cadastro, por isso a alteração não foi salva.</translation>
    </message>
    <message>
        <source>%1 is no longer in the book.</source>
        <translation>O frasco %1 não está mais no cadastro.</translation>
    </message>
    <message>
        <source>%1 was changed in the book after it was read, so it was not removed. Look at the bottle again before removing it.</source>
        <extracomment>%1 is the bottle&apos;s name.</extracomment>
        <translation>O frasco %1 foi alterado no cadastro depois de ter sido lido, por isso não foi excluído. Consulte o frasco novamente antes de excluí-lo.</translation>
    </message>
    <message>
        <source>%1 (%2) is in the book already, so the row was not added again.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) já está no cadastro, por isso a linha não foi adicionada de novo.</translation>
    </message>
    <message>
        <source>Lab book</source>
        <extracomment>The name of the book the whole lab shares, beside its bottles.</extracomment>
        <translation>Cadastro do laboratório</translation>
    </message>
    <message>
        <source>My book</source>
        <extracomment>The name of the user&apos;s own book, beside its bottles.</extracomment>
        <translation>Meu cadastro</translation>
    </message>
    <message>
        <source>The lab book cannot be opened, because Qt&apos;s PostgreSQL driver is not installed (on Debian, the package libqt6sql6-psql). molvera works without the lab book.</source>
        <translation>Não é possível abrir o cadastro do laboratório porque o driver PostgreSQL do Qt não está instalado (no Debian, o pacote libqt6sql6-psql). O molvera funciona sem o cadastro do laboratório.</translation>
    </message>
    <message>
        <source>molvera cannot read the lab book&apos;s connection string %1. Write it as host=… dbname=… or as postgresql://host/dbname, with no “;” in a value.</source>
        <extracomment>%1 is the connection string as given, without its password; host=… dbname=… and postgresql://host/dbname are written as they are.</extracomment>
        <translation>O molvera não consegue ler a string de conexão %1 do cadastro do laboratório. Escreva-a como host=… dbname=… ou como postgresql://host/dbname, sem “;” em nenhum valor.</translation>
    </message>
    <message>
        <source>Connecting to the lab book at %1 …</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>Conectando ao cadastro do laboratório em %1&#xa0;…</translation>
    </message>
    <message>
        <source>The database of the lab book at %1 holds a table of bottles that is not molvera&apos;s. molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host.</extracomment>
        <translation>O banco de dados do cadastro do laboratório em %1 contém uma tabela de frascos que não é do molvera. O molvera o deixou como estava e funciona sem o cadastro do laboratório.</translation>
    </message>
    <message>
        <source>The lab book at %1 was written by a newer molvera (book version %2; this molvera knows versions up to %3). molvera left it as it is and works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the version of the book found, %3 the newest this molvera knows.</extracomment>
        <translation>O cadastro do laboratório em %1 foi gravado por uma versão mais nova do molvera (versão do cadastro %2; esta versão do molvera conhece versões até a %3). O molvera o deixou como estava e funciona sem o cadastro do laboratório.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be opened: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Não é possível abrir o cadastro do laboratório em %1: %2. O molvera funciona sem o cadastro do laboratório.</translation>
    </message>
    <message>
        <source>The lab book at %1 cannot be reached: %2. molvera works without the lab book.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the reason libpq gives (in English).</extracomment>
        <translation>Não é possível acessar o cadastro do laboratório em %1: %2. O molvera funciona sem o cadastro do laboratório.</translation>
    </message>
    <message>
        <source>The lab book at %1 did not take the change: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>O cadastro do laboratório em %1 recusou a alteração: %2. A alteração não foi salva.</translation>
    </message>
    <message>
        <source>The lab book at %1 could not be changed: %2. The change was not saved.</source>
        <extracomment>%1 is the lab book&apos;s host, %2 the server&apos;s reason (in English).</extracomment>
        <translation>Não foi possível alterar o cadastro do laboratório em %1: %2. A alteração não foi salva.</translation>
    </message>
    <message>
        <source>%1 (%2) is in this book already, so it was not copied.</source>
        <extracomment>%1 is the bottle&apos;s name, %2 its formula as typed (either may be empty).</extracomment>
        <translation>%1 (%2) já está neste cadastro, por isso não foi copiado.</translation>
    </message>
</context>
<context>
    <name>molvera::BookWindow</name>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the reagent book&apos;s window.</extracomment>
        <translation>Cadastro de reagentes</translation>
    </message>
    <message>
        <source>Searc&amp;h:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>A few letters of a name, a formula or a CAS number</source>
        <extracomment>Shown in the empty search box of the reagent book&apos;s window.</extracomment>
        <translation>Algumas letras de um nome, uma fórmula ou um número CAS</translation>
    </message>
    <message>
        <source>Bottles</source>
        <extracomment>What screen readers call the reagent book&apos;s table of bottles.</extracomment>
        <translation>Frascos</translation>
    </message>
    <message>
        <source>&amp;Use on This Page</source>
        <translation>&amp;Usar nesta página</translation>
    </message>
    <message>
        <source>&amp;Add…</source>
        <translation>&amp;Adicionar…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Du&amp;plicate…</source>
        <translation>&amp;Duplicar…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ex&amp;cluir</translation>
    </message>
    <message>
        <source>U&amp;ndo Delete</source>
        <translation>Desfa&amp;zer exclusão</translation>
    </message>
    <message>
        <source>Save &amp;Stock to Book…</source>
        <translation>&amp;Salvar substância de partida…</translation>
    </message>
    <message>
        <source>&amp;Restore Starter Bottles</source>
        <translation>&amp;Restaurar frascos iniciais</translation>
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
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>The book %1 can only be read: its file or folder cannot be written to.</source>
        <extracomment>%1 is the book&apos;s file. The book can be read but not changed.</extracomment>
        <translation>O cadastro %1 só pode ser lido: não é possível gravar no arquivo ou na pasta dele.</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <extracomment>The name of a duplicated bottle: %1 is the name of the bottle it was copied from.</extracomment>
        <translation>%1 (cópia)</translation>
    </message>
    <message>
        <source>Delete Bottle</source>
        <extracomment>%1 is the bottle&apos;s name. Undo Delete brings it back while the window is open.</extracomment>
        <translation>Excluir frasco</translation>
    </message>
    <message>
        <source>Delete the bottle %1 from the book?</source>
        <translation>Excluir o frasco %1 do cadastro?</translation>
    </message>
    <message numerus="yes">
        <source>%n starter bottle(s) added back.</source>
        <extracomment>%n is how many starter bottles were added back to the book.</extracomment>
        <translation>
            <numerusform>%n frasco inicial restaurado.</numerusform>
            <numerusform>%n frascos iniciais restaurados.</numerusform>
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
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <extracomment>%1 is the file, %2 why it could not be read.</extracomment>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Nothing was imported: %n row(s) cannot be. The details name each by line and column.</source>
        <translation>
            <numerusform>Nada foi importado: %n registro não pode ser importado. Os detalhes o indicam por linha e coluna.</numerusform>
            <numerusform>Nada foi importado: %n registros não podem ser importados. Os detalhes indicam cada um por linha e coluna.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 bottles added; %2 already in the book and not added again.</source>
        <extracomment>%1 is how many bottles were added, %2 how many rows were already in the book.</extracomment>
        <translation>Frascos adicionados: %1; já estavam no cadastro e não foram adicionados de novo: %2.</translation>
    </message>
    <message>
        <source>Export Bottles</source>
        <extracomment>The title of the file dialog that chooses where to export the reagent book.</extracomment>
        <translation>Exportar frascos</translation>
    </message>
    <message>
        <source>CSV with commas and decimal points (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file for spreadsheets that write numbers with a decimal point.</extracomment>
        <translation>CSV com vírgulas e ponto decimal (*.csv)</translation>
    </message>
    <message>
        <source>CSV with semicolons and decimal commas (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot;. The file German, French ... spreadsheets read: &quot;;&quot; and decimal commas.</extracomment>
        <translation>CSV com ponto e vírgula e vírgula decimal (*.csv)</translation>
    </message>
    <message>
        <source>reagent book.csv</source>
        <extracomment>The file name the export proposes.</extracomment>
        <translation>cadastro de reagentes.csv</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <extracomment>%1 is the file, %2 why it could not be written.</extracomment>
        <translation>Não foi possível gravar %1: %2</translation>
    </message>
    <message>
        <source>C&amp;opy to Lab Book</source>
        <translation>C&amp;opiar para o cadastro do laboratório</translation>
    </message>
    <message>
        <source>&amp;Lab book:</source>
        <translation>Cadastro do &amp;laboratório:</translation>
    </message>
    <message>
        <source>host=… dbname=…, or postgresql://…; empty for no lab book</source>
        <extracomment>Shown in the empty lab book box. Keep host=, dbname= and postgresql:// as they are.</extracomment>
        <translation>host=… dbname=… ou postgresql://…; deixe vazio se não houver cadastro do laboratório</translation>
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
        <translation>Consultando o servidor do cadastro do laboratório em %1&#xa0;…</translation>
    </message>
    <message>
        <source>C&amp;opy to My Book</source>
        <translation>C&amp;opiar para meu cadastro</translation>
    </message>
    <message>
        <source>The book now holds: %1, %2.</source>
        <extracomment>After a refusal because the bottle changed: %1 its name and %2 its strength as the book now holds them.</extracomment>
        <translation>O cadastro agora contém: %1, %2.</translation>
    </message>
</context>
<context>
    <name>molvera::BottleCheck</name>
    <message>
        <source>Enter the bottle&apos;s name.</source>
        <translation>Digite o nome do frasco.</translation>
    </message>
    <message>
        <source>The strength must be more than 0.</source>
        <translation>O teor deve ser maior que 0.</translation>
    </message>
    <message>
        <source>A strength in percent cannot be more than 100 %.</source>
        <translation>Um teor em porcentagem não pode ser maior que 100&#xa0;%.</translation>
    </message>
    <message>
        <source>The specific gravity must lie between %1 and %2.</source>
        <extracomment>%1 and %2 are the numbers 0.5 and 2.5 in the user&apos;s notation.</extracomment>
        <translation>A densidade deve estar entre %1 e %2.</translation>
    </message>
    <message>
        <source>Enter the specific gravity: a % w/w or % v/v strength needs it.</source>
        <translation>Digite a densidade: um teor em %&#xa0;m/⁠m ou %&#xa0;v/⁠v precisa dela.</translation>
    </message>
    <message>
        <source>The temperature is not a number.</source>
        <translation>A temperatura não é um número.</translation>
    </message>
    <message>
        <source>The molecular weight must be more than 0.</source>
        <translation>A massa molar deve ser maior que 0.</translation>
    </message>
    <message>
        <source>molvera cannot read this formula. Enter the molecular weight, or correct the formula.</source>
        <translation>O molvera não consegue ler esta fórmula. Digite a massa molar ou corrija a fórmula.</translation>
    </message>
    <message>
        <source>The number of waters cannot be negative.</source>
        <translation>O número de H2O não pode ser negativo.</translation>
    </message>
    <message>
        <source>%1 is not written as a CAS number: 2 to 7 digits, 2 digits and a check digit, joined by hyphens, such as 7647-14-5.</source>
        <extracomment>%1 is the text typed as the CAS number; the example 7647-14-5 stays as it is.</extracomment>
        <translation>%1 não está escrito como um número CAS: 2 a 7 dígitos, 2 dígitos e um dígito verificador, unidos por hifens, como 7647-14-5.</translation>
    </message>
    <message>
        <source>The CAS number %1 has a wrong check digit: it should end in %2.</source>
        <extracomment>%1 is the CAS number typed, %2 the check digit its other digits call for.</extracomment>
        <translation>O número CAS %1 tem um dígito verificador errado: ele deveria terminar em %2.</translation>
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
        <translation>%&#xa0;m/m</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>%&#xa0;v/v</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>%&#xa0;m/v</translation>
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
        <translation>Novo frasco</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Formula:</source>
        <translation>&amp;Fórmula:</translation>
    </message>
    <message>
        <source>Molecular &amp;weight:</source>
        <translation>&amp;Massa molar:</translation>
    </message>
    <message>
        <source>from the formula</source>
        <extracomment>Shown in the empty molecular weight box: the formula gives it where molvera reads it.</extracomment>
        <translation>pela fórmula</translation>
    </message>
    <message>
        <source>&amp;Basis:</source>
        <translation>&amp;Unidade:</translation>
    </message>
    <message>
        <source>&amp;Strength:</source>
        <translation>&amp;Teor:</translation>
    </message>
    <message>
        <source>Specific &amp;gravity:</source>
        <translation>&amp;Densidade:</translation>
    </message>
    <message>
        <source>&amp;CAS number:</source>
        <translation>Nº &amp;CAS:</translation>
    </message>
    <message>
        <source>S&amp;ource:</source>
        <translation>F&amp;onte:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>O&amp;bservação:</translation>
    </message>
    <message>
        <source>Enter a number.</source>
        <extracomment>Beside a field of a bottle that should hold a number.</extracomment>
        <translation>Digite um número.</translation>
    </message>
    <message>
        <source>Molecular weight %1</source>
        <extracomment>%1 is a molecular weight.</extracomment>
        <translation>Massa molar %1</translation>
    </message>
    <message>
        <source>Number of H2O: %1</source>
        <extracomment>%1 is the number of waters of crystallisation the formula gives.</extracomment>
        <translation>Número de H2O: %1</translation>
    </message>
    <message>
        <source>Its strength makes %1</source>
        <extracomment>%1 is a molarity such as &quot;12.1 M&quot;: what the strength and specific gravity make.</extracomment>
        <translation>Molaridade correspondente: %1</translation>
    </message>
    <message>
        <source>Measured &amp;at (°C):</source>
        <translation>Medida &amp;a (°C):</translation>
    </message>
    <message>
        <source>Where it stan&amp;ds:</source>
        <translation>&amp;Local:</translation>
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
        <translation>%1&#xa0;%&#xa0;m/⁠m</translation>
    </message>
    <message>
        <source>%1 % v/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (V/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;v/⁠v</translation>
    </message>
    <message>
        <source>%1 % w/v</source>
        <extracomment>%1 is the number; the notation is the translator&apos;s to choose (&quot;% (m/V)&quot;).</extracomment>
        <translation>%1&#xa0;%&#xa0;m/⁠v</translation>
    </message>
    <message>
        <source>%1 g/L</source>
        <extracomment>%1 is the number of grams per litre.</extracomment>
        <translation>%1&#xa0;g/L</translation>
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
        <translation>Cálculo molvera</translation>
    </message>
    <message>
        <source>Your molvera Calculation</source>
        <translation>Seu cálculo molvera</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Rótulo</translation>
    </message>
    <message>
        <source>Reagent:</source>
        <translation>Reagente:</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Fórmula:</translation>
    </message>
    <message>
        <source>Molarity:</source>
        <translation>Molaridade:</translation>
    </message>
    <message>
        <source>Concentration:</source>
        <translation>Concentração:</translation>
    </message>
    <message>
        <source>Date Prepared:</source>
        <translation>Data de preparo:</translation>
    </message>
    <message>
        <source>Stock: %1 %2, specific gravity %3</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above), %3 its specific gravity (a number).</extracomment>
        <translation>Substância de partida: %1&#xa0;%2, densidade %3</translation>
    </message>
    <message>
        <source>Stock: %1 %2</source>
        <extracomment>The stock the instructions are for: %1 its strength (a number), %2 its unit (&quot;%&quot;, or the molarity&apos;s unit as translated above).</extracomment>
        <translation>Substância de partida: %1&#xa0;%2</translation>
    </message>
    <message>
        <source>dddd, d MMMM yyyy</source>
        <extracomment>The date on the label, as a date pattern: dddd the weekday, d the day, MMMM the month, yyyy the year; words between single quotes are kept as written (&apos;de&apos;).</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>The PDF was not made.</source>
        <translation>O PDF não foi gerado.</translation>
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
        <translation>%&#xa0;m/m</translation>
    </message>
    <message>
        <source>% w/v</source>
        <extracomment>Percent weight in volume, as in &quot;20% w/v&quot;.</extracomment>
        <translation>%&#xa0;m/v</translation>
    </message>
    <message>
        <source>% v/v</source>
        <extracomment>Percent volume in volume, as in &quot;20% v/v&quot;.</extracomment>
        <translation>%&#xa0;v/v</translation>
    </message>
    <message>
        <source>Stock: %1 %2, Number of H2O: %3</source>
        <extracomment>The stock of a hydrate solution: %1 its strength (a number), %2 its unit (&quot;%&quot;), %3 its number of waters of crystallisation (a number, 0 for the anhydrous salt). Worded as the hydrate page&apos;s caption of that number, &quot;Number of H2O:&quot;; H2O is a formula, not a word.</extracomment>
        <translation>Substância de partida: %1&#xa0;%2, número de H2O: %3</translation>
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
        <translation>g/L</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit.</extracomment>
        <translation>Substância de partida: %1 (%2&#xa0;%3)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, specific gravity %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit, %4 its specific gravity.</extracomment>
        <translation>Substância de partida: %1 (%2&#xa0;%3, densidade %4)</translation>
    </message>
    <message>
        <source>Stock: %1 (%2 %3, Number of H2O: %4)</source>
        <extracomment>%1 the bottle&apos;s name, %2 its strength (a number), %3 its unit (&quot;%&quot;), %4 its waters of crystallisation; &quot;Number of H2O&quot; as the hydrate page&apos;s caption says it.</extracomment>
        <translation>Substância de partida: %1 (%2&#xa0;%3, número de H2O: %4)</translation>
    </message>
</context>
<context>
    <name>molvera::CalculatorPage</name>
    <message>
        <source> Input Error!</source>
        <extracomment>The title of the box that says a page&apos;s input cannot be used. The space before it is kept.</extracomment>
        <translation> Erro de entrada!</translation>
    </message>
    <message>
        <source>Please correctly fill in all required text boxes!</source>
        <translation>Preencha corretamente todos os campos obrigatórios!</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print Preview…</source>
        <translation>Visualizar impressão…</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salvar como PDF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>The title of the question asked before the sheet is saved as PDF.</extracomment>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>The answer is out of date: an entry has changed since the last calculation.</source>
        <extracomment>Asked before a page&apos;s sheet is printed or saved while the page shows its method out of date. The sheet is the record of the last calculation.</extracomment>
        <translation>O resultado está desatualizado: um dado foi alterado depois do último cálculo.</translation>
    </message>
    <message>
        <source>&amp;Calculate First</source>
        <extracomment>Calculates with the entries as they stand, then prints or saves the new sheet.</extracomment>
        <translation>&amp;Calcular primeiro</translation>
    </message>
    <message>
        <source>&amp;Print Last Calculation</source>
        <extracomment>Prints the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Imprimir o último cálculo</translation>
    </message>
    <message>
        <source>&amp;Save Last Calculation</source>
        <extracomment>Saves the sheet of the last calculation as it is.</extracomment>
        <translation>&amp;Salvar o último cálculo</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says what a page could not use of a bottle of the reagent book.</extracomment>
        <translation>Cadastro de reagentes</translation>
    </message>
</context>
<context>
    <name>molvera::CommandLine</name>
    <message>
        <source>Works out how to make up reagent solutions.</source>
        <translation>Calcula como preparar soluções de reagentes.</translation>
    </message>
    <message>
        <source>%1: unexpected argument &apos;%2&apos;</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given.</extracomment>
        <translation>%1: argumento inesperado “%2”</translation>
    </message>
    <message>
        <source>One of %1, answered on the terminal; &quot;molvera COMMAND --help&quot; describes its options. Without a command molvera opens its window.</source>
        <extracomment>%1 lists the commands, which are never translated: &quot;molar, percent, hydrate, formula&quot;. COMMAND stands for one of them.</extracomment>
        <translation>Um dos comandos %1, respondido no terminal; “molvera COMMAND --help” descreve suas opções. Sem comando, o molvera abre sua janela.</translation>
    </message>
    <message>
        <source>%1: unknown command &apos;%2&apos;; &quot;%1 --help&quot; lists the commands.</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument it was given, which names no command.</extracomment>
        <translation>%1: comando desconhecido “%2”; “%1 --help” lista os comandos.</translation>
    </message>
</context>
<context>
    <name>molvera::Commands</name>
    <message>
        <source>Write the answer as one JSON object, with numbers as numbers.</source>
        <translation>Escreve a resposta como um único objeto JSON, com os números como números JSON.</translation>
    </message>
    <message>
        <source>Write the calculation&apos;s sheet to FILE, as Save as PDF does.</source>
        <extracomment>FILE is the option&apos;s value, as the help writes it: keep it as it is.</extracomment>
        <translation>Grava a folha do cálculo em FILE, como faz “Salvar como PDF”.</translation>
    </message>
    <message>
        <source>%1: longer than %2 characters.</source>
        <extracomment>%1 is an option, such as --molarity, %2 a number of characters.</extracomment>
        <translation>%1: mais de %2 caracteres.</translation>
    </message>
    <message>
        <source>%1: not one line of UTF-8 text.</source>
        <extracomment>%1 is an option, such as --name.</extracomment>
        <translation>%1: não é uma única linha de texto UTF-8.</translation>
    </message>
    <message>
        <source>%1: a negative number, which no amount or strength can be.</source>
        <extracomment>%1 is an option, such as --volume.</extracomment>
        <translation>%1: um número negativo, mas nenhuma quantidade ou concentração pode ser negativa.</translation>
    </message>
    <message>
        <source>%1: not a number, or not in a unit this option takes.</source>
        <extracomment>%1 is an option, such as --molarity, which takes a number, with a unit for some options.</extracomment>
        <translation>%1: não é um número, ou não está em uma unidade aceita por esta opção.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an option, such as --formula, or the program&apos;s name, molvera; %2 a sentence that says what is wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 takes one of: %2.</source>
        <extracomment>%1 is an option, such as --type, %2 the values it takes, such as &quot;w/w, w/v, v/v&quot;.</extracomment>
        <translation>%1 aceita um destes valores: %2.</translation>
    </message>
    <message>
        <source>The %1 command needs %2.</source>
        <extracomment>%1 is a command, such as molar, %2 an option, such as --molarity.</extracomment>
        <translation>O comando %1 precisa de %2.</translation>
    </message>
    <message>
        <source>The sheet was not saved as “%1”: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it.</extracomment>
        <translation>A folha não foi salva como “%1”: %2</translation>
    </message>
</context>
<context>
    <name>molvera::ElementTable</name>
    <message>
        <source>Aluminium</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argônio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bário</translation>
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
        <translation>Cádmio</translation>
    </message>
    <message>
        <source>Caesium</source>
        <translation>Césio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
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
        <translation>Hidrogênio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lítio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrogênio</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxigênio</translation>
    </message>
    <message>
        <source>Phosphous</source>
        <extracomment>The program&apos;s own spelling of Phosphorus.</extracomment>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silício</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sódio</translation>
    </message>
    <message>
        <source>Sulphur</source>
        <translation>Enxofre</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estanho</translation>
    </message>
    <message>
        <source>Tungsten</source>
        <translation>Tungstênio</translation>
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
        <translation>Preencher as linhas de &amp;elementos pela fórmula</translation>
    </message>
</context>
<context>
    <name>molvera::FormulaCommand</name>
    <message>
        <source>The elements of a formula with their counts, and its molecular weight.</source>
        <extracomment>The formula command&apos;s line in --help.</extracomment>
        <translation>Mostra os elementos de uma fórmula com suas quantidades, e sua massa molar.</translation>
    </message>
    <message>
        <source>The formula, such as NaCl, CuSO4·5H2O or K4[Fe(CN)6].</source>
        <extracomment>The formulas are never translated.</extracomment>
        <translation>A fórmula, como NaCl, CuSO4·5H2O ou K4[Fe(CN)6].</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts (&quot;Na 1, Cl 1&quot;), %3 its molecular weight (a number). Symbols and formulas are never translated.</extracomment>
        <translation>%1: %2; massa molar %3</translation>
    </message>
    <message>
        <source>%1: %2; molecular weight %3; waters of crystallisation: %4</source>
        <extracomment>%1 is the formula as typed, %2 its elements with their counts, water&apos;s included (&quot;Cu 1, S 1, O 9, H 10&quot;), %3 its molecular weight, %4 its waters of crystallisation (numbers).</extracomment>
        <translation>%1: %2; massa molar %3; número de H2O: %4</translation>
    </message>
    <message>
        <source>The formula command needs a formula: molvera formula F.</source>
        <extracomment>F stands for the formula, as the help writes it.</extracomment>
        <translation>O comando formula precisa de uma fórmula: molvera formula F.</translation>
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
        <translation>Massa molar</translation>
    </message>
    <message>
        <source>Select an Element</source>
        <translation>Selecione um elemento</translation>
    </message>
    <message>
        <source>Element, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Elemento, linha %1</translation>
    </message>
    <message>
        <source>Select the number of elements in this formula</source>
        <translation>Selecione quantos átomos deste elemento a fórmula tem</translation>
    </message>
    <message>
        <source>Number of atoms, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Número de átomos, linha %1</translation>
    </message>
    <message>
        <source>Molecular weight, row %1</source>
        <extracomment>%1 is the row&apos;s number, 1 to 6.</extracomment>
        <translation>Massa molar, linha %1</translation>
    </message>
    <message>
        <source>Total molecular weight</source>
        <translation>Massa molar total</translation>
    </message>
    <message>
        <source>Total Molecular Weight = </source>
        <extracomment>The caption left of the total box, which follows it on the same line.</extracomment>
        <translation>Massa molar total = </translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCalculation</name>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 grams of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 grams of stock, %5 the formula of the stock that is weighed (formulas are never translated). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
pese %4&#xa0;g de %5 e complete o volume até %1&#xa0;mL
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1mL of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
mL with solvent.</source>
        <extracomment>%1 mL to make (a number), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;58.4 mg&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
pese %4 de %5 e complete o volume até %1&#xa0;mL
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 percent Solution of %3,
Measure %4 of %5 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent w/v wanted, %3 the formula of the form its strength is stated for, %4 the stock with its unit (&quot;23.47 grams&quot;), %5 the formula of the stock that is weighed. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
pese %4 de %5 e complete o volume até %1
com solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::HydrateCommand</name>
    <message>
        <source>How much of a salt, as it stands on the shelf, to weigh for a percent w/v solution of a form with other waters, as the Hydrate Solution page works it out.</source>
        <extracomment>The hydrate command&apos;s line in --help. The salt on the shelf is the starting substance.</extracomment>
        <translation>Calcula, como a página “Solução de hidrato”, quanto de um sal, tal como está no frasco (a substância de partida), pesar para uma solução em %&#xa0;m/v de uma forma com outro número de H2O.</translation>
    </message>
    <message>
        <source>The salt as its bottle writes it, with its waters: CuSO4·5H2O.</source>
        <extracomment>The formula is never translated.</extracomment>
        <translation>O sal como está escrito no frasco, com sua água de cristalização: CuSO4·5H2O.</translation>
    </message>
    <message>
        <source>The percent w/v wanted.</source>
        <translation>Concentração desejada em %&#xa0;m/v.</translation>
    </message>
    <message>
        <source>The volume to make, in mL or with its unit: 100, 1 L.</source>
        <extracomment>Keep 100 and 1 L as they are.</extracomment>
        <translation>Volume a preparar, em mL ou com sua unidade, ex.: 100 ou 1 L.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the form the percent is stated for. Default: 0, the anhydrous salt.</source>
        <translation>Número de H2O da forma a que se refere a porcentagem. Valor padrão: 0, o sal anidro.</translation>
    </message>
    <message>
        <source>The waters of crystallisation of the salt on the shelf, if not those of --formula.</source>
        <extracomment>--formula is an option: keep it.</extracomment>
        <translation>Número de H2O da substância de partida, se não for o de --formula.</translation>
    </message>
    <message>
        <source>The purity of the salt on the shelf, in percent. Default: 100.</source>
        <translation>Pureza da substância de partida, em porcentagem. Valor padrão: 100.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome do reagente, para o rótulo da folha.</translation>
    </message>
</context>
<context>
    <name>molvera::HydratePage</name>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The option for a concentration stated for the hydrate, with the number of waters below. The tab has the same English words, translated on their own.</extracomment>
        <translation>Sal hidratado</translation>
    </message>
    <message>
        <source>1. Type of Solution</source>
        <translation>1. Tipo de solução</translation>
    </message>
    <message>
        <source>Anhydrous Solution</source>
        <extracomment>The option for a concentration stated for the anhydrous salt, without waters: a salt, not a solution.</extracomment>
        <translation>Sal anidro</translation>
    </message>
    <message>
        <source>2. Select Elements</source>
        <translation>2. Selecione os elementos</translation>
    </message>
    <message>
        <source>3. Stock Solution</source>
        <extracomment>The substance on the shelf, usually a solid salt: the starting substance, not a solution.</extracomment>
        <translation>3. Substância de partida</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <extracomment>The purity of the substance on the shelf (the starting substance), in percent.</extracomment>
        <translation>Pureza:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Digite a pureza da substância de partida</translation>
    </message>
    <message>
        <source>Number of H2O:</source>
        <translation>Número de H2O:</translation>
    </message>
    <message>
        <source>Enter the number of H2Os in the stock solution</source>
        <extracomment>The substance on the shelf: the starting substance, usually a solid salt.</extracomment>
        <translation>Digite o número de H2O (águas de cristalização) da substância de partida</translation>
    </message>
    <message>
        <source>Number of H2O in the stock</source>
        <translation>Número de H2O da substância de partida</translation>
    </message>
    <message>
        <source>4. Required Solution</source>
        <translation>4. Solução desejada</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. desejada:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Digite a concentração desejada</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% m/v</translation>
    </message>
    <message>
        <source>Enter the number of H2Os required for the Hydrate</source>
        <translation>Digite o número de H2O desejado para o hidrato</translation>
    </message>
    <message>
        <source>Number of H2O required</source>
        <translation>Número de H2O desejado</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volume desejado:</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make</source>
        <translation>Digite o volume que deseja preparar</translation>
    </message>
    <message>
        <source>5. Calculate</source>
        <translation>5. Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Clique aqui para calcular o resultado</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Copper Sulphate</source>
        <translation>Sulfato de cobre</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows (and the stock&apos;s number of waters) from the formula box, since they held another salt. Keep it short: one line of the box.</extracomment>
        <translation>Linhas preenchidas a partir da fórmula.</translation>
    </message>
    <message>
        <source>The hydrate page weighs a solid starting substance: the strength of %1, a solution, cannot be used here. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it. The page&apos;s stock is the substance on the shelf, weighed: the starting substance.</extracomment>
        <translation>A página “Solução de hidrato” serve para pesar uma substância de partida sólida: a concentração de %1, que é uma solução, não pode ser usada aqui. A fórmula e o nome foram preenchidos.</translation>
    </message>
</context>
<context>
    <name>molvera::MainWindow</name>
    <message>
        <source>Visit the Kestrova Software Home Page</source>
        <translation>Visite a página da Kestrova Software</translation>
    </message>
    <message>
        <source>Chemical Formula:</source>
        <translation>Fórmula química:</translation>
    </message>
    <message>
        <source>Enter the Chemical Formula</source>
        <translation>Digite a fórmula química</translation>
    </message>
    <message>
        <source>Chemical Name:</source>
        <translation>Nome do reagente:</translation>
    </message>
    <message>
        <source>Enter the Chemical Name</source>
        <translation>Digite o nome do reagente</translation>
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
        <translation>Quantidade pequena demais para medir com precisão: prepare antes uma solução mais concentrada e dilua-a.</translation>
    </message>
</context>
<context>
    <name>molvera::MethodBox</name>
    <message>
        <source>Out of date: an entry has changed since this was calculated. Calculate again to bring it up to date.</source>
        <extracomment>Said of a page&apos;s method sentence, by screen readers and in its tool-tip, once an input it was worked out from has changed.</extracomment>
        <translation>Desatualizado: um dado foi alterado depois deste cálculo. Calcule novamente para atualizar o procedimento.</translation>
    </message>
    <message>
        <source>Method</source>
        <extracomment>What screen readers call a page&apos;s method sentence.</extracomment>
        <translation>Procedimento</translation>
    </message>
    <message>
        <source>Out of date: calculate again.</source>
        <extracomment>Shown in a page&apos;s method box, under a sentence that an entry changed since it was calculated. Keep it short: it has one line of the box.</extracomment>
        <translation>Desatualizado: calcule novamente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculation</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 grams or mLs of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams or millilitres of stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; and &quot;grams or mLs&quot; follow typed, possibly decimal numbers: prefer the unit symbols (L, g, mL) to plural forms.</extracomment>
        <translation>Para preparar %1&#xa0;L de solução de %3 %2&#xa0;M,
meça %4&#xa0;g ou mL de %3 e complete o volume até %1&#xa0;L
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 mL of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 millilitres of a liquid stock. The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed, possibly decimal number: prefer the unit symbol (L).</extracomment>
        <translation>Para preparar %1&#xa0;L de solução de %3 %2&#xa0;M,
meça %4&#xa0;mL de %3 e complete o volume até %1&#xa0;L
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>%1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 the amount of stock with its unit (&quot;5.84 mg&quot;, &quot;0.500 µL&quot;). The sheet prints three lines: keep the two line breaks. &quot;Litre(s)&quot; follows a typed number: prefer the symbol (L).</extracomment>
        <translation>Para preparar %1&#xa0;L de solução de %3 %2&#xa0;M,
meça %4 de %3 e complete o volume até %1&#xa0;L
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make and %2 the molarity, each a number with its unit as typed (&quot;250 mL&quot;, &quot;50 mM&quot;), %3 the formula (never translated), %4 the amount of stock with its unit (&quot;1.51 grams&quot;, &quot;22.50 mL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 %2,
meça %4 de %3 e complete o volume até %1
com solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCalculationWeighed</name>
    <message>
        <source>To prepare %1L of a %2 Molar Solution of %3,
Measure %4 of %3 and dilute up to %1
Litre(s) with solvent.</source>
        <extracomment>As the molar sentence with the amount&apos;s unit, for a solid that is weighed: %1 litres to make (a number), %2 the molarity, %3 the formula (never translated), %4 grams of it with the unit (&quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;L de solução de %3 %2&#xa0;M,
pese %4 de %3 e complete o volume até %1&#xa0;L
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 Solution of %3,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the molar sentence with units typed, for a solid that is weighed: %1 the volume to make and %2 the molarity, each with its unit as typed, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;1.51 grams&quot;). Keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 %2,
pese %4 de %3 e complete o volume até %1
com solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarCommand</name>
    <message>
        <source>How much stock to measure for a solution of a molarity, as the Molar Solution page works it out.</source>
        <extracomment>The molar command&apos;s line in --help.</extracomment>
        <translation>Calcula, como a página “Solução molar”, quanto de solução estoque medir para uma solução de determinada molaridade.</translation>
    </message>
    <message>
        <source>The molarity wanted, in M or with its unit: 0.5, 50mM.</source>
        <extracomment>Keep 0.5 and 50mM as they are, with the language&apos;s decimal separator.</extracomment>
        <translation>Molaridade desejada, em M ou com sua unidade, ex.: 0,5 ou 50mM.</translation>
    </message>
    <message>
        <source>The volume to make, in litres or with its unit: 1, 250mL.</source>
        <extracomment>Keep 1 and 250mL as they are.</extracomment>
        <translation>Volume a preparar, em litros ou com sua unidade, ex.: 1 ou 250mL.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula: the sentence names it, and without --mw it gives the molecular weight (NaCl, MgCl2·6H2O).</source>
        <extracomment>--mw is an option: keep it. The formulas are never translated.</extracomment>
        <translation>Fórmula da substância: a resposta a cita e, sem --mw, dela se calcula a massa molar (NaCl, MgCl2·6H2O).</translation>
    </message>
    <message>
        <source>The molecular weight in g/mol, instead of the formula&apos;s.</source>
        <translation>Massa molar em g/mol, em vez da calculada pela fórmula.</translation>
    </message>
    <message>
        <source>The stock: a percent (98), a molarity (5M, 500 mM), 20 % w/v or 10 g/L. Default: 100 (%).</source>
        <extracomment>Keep the examples as they are, with the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Concentração da solução estoque: uma porcentagem (98), uma molaridade (5M, 500 mM), 20 % w/v (m/v) ou 10 g/L. Valor padrão: 100 (%).</translation>
    </message>
    <message>
        <source>The specific gravity of a percent stock. Default: 1.</source>
        <translation>Densidade de uma solução estoque em porcentagem. Valor padrão: 1.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome do reagente, para o rótulo da folha.</translation>
    </message>
    <message>
        <source>The molar command needs %1 or %2, unless the stock is molar.</source>
        <extracomment>%1 and %2 are options, --formula and --mw.</extracomment>
        <translation>O comando molar precisa de %1 ou %2, a menos que a solução estoque seja molar.</translation>
    </message>
</context>
<context>
    <name>molvera::MolarPage</name>
    <message>
        <source>1. Select Elements</source>
        <translation>1. Selecione os elementos</translation>
    </message>
    <message>
        <source>Calculate Mol Wt</source>
        <translation>Calcular massa molar</translation>
    </message>
    <message>
        <source>Enter Manual Mol Wt</source>
        <translation>Digitar massa molar</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>2. Solução estoque</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. sol. estoque:</translation>
    </message>
    <message>
        <source>Stock concentration unit</source>
        <translation>Unidade de concentração da solução estoque</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Densidade:</translation>
    </message>
    <message>
        <source>Enter the Specific Gravity if required.</source>
        <translation>Digite a densidade, se necessário.</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <extracomment>Keep the number and its full stop first: the page renumbers its steps.</extracomment>
        <translation>3. Solução desejada</translation>
    </message>
    <message>
        <source>Molarity Required:</source>
        <translation>Molaridade desejada:</translation>
    </message>
    <message>
        <source>Molar</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <translation>Volume desejado:</translation>
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
        <translation>Clique aqui para calcular o resultado</translation>
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
        <translation>Massa molar calculada a partir da fórmula.</translation>
    </message>
    <message>
        <source>Element rows filled from the formula.</source>
        <extracomment>A line under the answer, after Calculate filled the element rows from the formula box, since they held another substance. Keep it short: one line of the box.</extracomment>
        <translation>Linhas preenchidas a partir da fórmula.</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution, e.g. 98, or 500 mM for a molar stock</source>
        <extracomment>A molar stock may be typed with its unit: keep 500 mM as it is.</extracomment>
        <translation>Digite a concentração da solução estoque, ex.: 98, ou 500&#xa0;mM para uma solução estoque molar</translation>
    </message>
    <message>
        <source>Enter the molarity required, e.g. 0.5 or 50 mM</source>
        <extracomment>A unit may be typed after the number: keep 50 mM as it is (the language&apos;s decimal separator in 0.5).</extracomment>
        <translation>Digite a molaridade desejada, ex.: 0,5 ou 50&#xa0;mM</translation>
    </message>
    <message>
        <source>Enter how many  Litres you wish to make, e.g. 1 or 250 mL</source>
        <extracomment>A unit may be typed after the number: keep 250 mL as it is.</extracomment>
        <translation>Digite quantos litros deseja preparar, ex.: 1 ou 250&#xa0;mL</translation>
    </message>
    <message>
        <source>The molar page cannot use the strength of %1: a stock in % v/v would need the density of the pure liquid. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>A página “Solução molar” não pode usar a concentração de %1: uma solução estoque em %&#xa0;v/⁠v exigiria a densidade do líquido puro. A fórmula e o nome foram preenchidos.</translation>
    </message>
</context>
<context>
    <name>molvera::PageButtonBar</name>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Clear this calculation</source>
        <translation>Limpar este cálculo</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print Instructions and Label</source>
        <translation>Imprimir instruções e rótulo</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <translation>&amp;Exemplo</translation>
    </message>
    <message>
        <source>Click here to view an example.</source>
        <translation>Clique aqui para ver um exemplo.</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>S&amp;obre</translation>
    </message>
    <message>
        <source>Click here for Program Details</source>
        <translation>Clique aqui para ver os detalhes do programa</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculation</name>
    <message>
        <source>To prepare %1 grams of a %2 % w/w solution of %3 ,
Measure %4 grams of %3 and mix with %5 grams
of solvent.</source>
        <extracomment>%1 grams to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock, %5 grams of solvent. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;g de solução de %3 a %2&#xa0;%&#xa0;m/⁠m,
pese %4&#xa0;g de %3 e misture com %5&#xa0;g
de solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 grams of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 grams of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
pese %4&#xa0;g de %3 e complete o volume até %1&#xa0;mL
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % w/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of a liquid stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
meça %4&#xa0;mL de %3 e complete o volume até %1&#xa0;mL
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 mL of a %2 % v/v solution of %3 ,
Measure %4 mL of %3 and dilute up to %1 mL
with solvent.</source>
        <extracomment>%1 mL to make, %2 the percent wanted, %3 the formula (never translated), %4 mL of stock. The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1&#xa0;mL de solução de %3 a %2&#xa0;%&#xa0;v/⁠v,
meça %4&#xa0;mL de %3 e complete o volume até %1&#xa0;mL
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/w solution of %3 ,
Measure %4 of %3 and mix with %5
of solvent.</source>
        <extracomment>%1 the amount to make with its unit (&quot;2 kg&quot;, &quot;100 grams&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock and %5 the solvent to mix in, each with its unit (&quot;300.00 grams&quot;, &quot;5.84 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 a %2&#xa0;%&#xa0;m/⁠m,
pese %4 de %3 e misture com %5
de solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 mg&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
meça %4 de %3 e complete o volume até %1
com solvente.</translation>
    </message>
    <message>
        <source>To prepare %1 of a %2 % v/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>%1 the volume to make with its unit (&quot;250 mL&quot;, &quot;1 L&quot;), %2 the percent wanted, %3 the formula (never translated), %4 the stock with its unit (&quot;4.50 mL&quot;, &quot;58.4 µL&quot;). The sheet prints three lines: keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 a %2&#xa0;%&#xa0;v/⁠v,
meça %4 de %3 e complete o volume até %1
com solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCalculationWeighed</name>
    <message>
        <source>To prepare %1 of a %2 % w/v solution of %3 ,
Measure %4 of %3 and dilute up to %1
with solvent.</source>
        <extracomment>As the w/v sentence with units, for a solid that is weighed: %1 the volume to make with its unit, %2 the percent wanted, %3 the formula (never translated), %4 the grams to weigh with the unit (&quot;4.50 grams&quot;, &quot;58.4 mg&quot;). Keep the two line breaks.</extracomment>
        <translation>Para preparar %1 de solução de %3 a %2&#xa0;%&#xa0;m/⁠v,
pese %4 de %3 e complete o volume até %1
com solvente.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentCommand</name>
    <message>
        <source>How much stock to measure for a percent solution, as the % Solution page works it out.</source>
        <extracomment>The percent command&apos;s line in --help.</extracomment>
        <translation>Calcula, como a página “Solução percentual”, quanto de solução estoque medir para uma solução percentual.</translation>
    </message>
    <message>
        <source>What the percent is of: w/w (made by weight), w/v or v/v.</source>
        <extracomment>w/w, w/v and v/v are the option&apos;s values: keep them as they are.</extracomment>
        <translation>A que se refere a porcentagem: w/w (m/m, preparada por pesagem), w/v (m/v) ou v/v.</translation>
    </message>
    <message>
        <source>The percent wanted.</source>
        <translation>Porcentagem desejada.</translation>
    </message>
    <message>
        <source>The amount to make, in grams for w/w and mL otherwise, or with its unit: 100, 2 kg, 1 L.</source>
        <extracomment>Keep 100, 2 kg and 1 L as they are.</extracomment>
        <translation>Quantidade a preparar, em gramas para w/w e em mL nos demais casos, ou com sua unidade, ex.: 100, 2 kg ou 1 L.</translation>
    </message>
    <message>
        <source>The stock&apos;s percent by weight, or in grams per 100 mL written as 20 % w/v. Default: 100.</source>
        <extracomment>Keep &quot;20 % w/v&quot; as it is, but for the language&apos;s decimal separator and its way of writing % w/v.</extracomment>
        <translation>Porcentagem em massa da solução estoque, ou gramas em 100&#xa0;mL escritos como 20 % w/v (m/v). Valor padrão: 100.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock. Default: 1.</source>
        <translation>Densidade da solução estoque. Valor padrão: 1.</translation>
    </message>
    <message>
        <source>The substance&apos;s formula, which the sentence names.</source>
        <translation>Fórmula da substância, citada na resposta.</translation>
    </message>
    <message>
        <source>The reagent&apos;s name, for the sheet&apos;s label.</source>
        <translation>Nome do reagente, para o rótulo da folha.</translation>
    </message>
</context>
<context>
    <name>molvera::PercentPage</name>
    <message>
        <source>1. Type of Concentration</source>
        <translation>1. Tipo de concentração</translation>
    </message>
    <message>
        <source>% w/w</source>
        <translation>% m/m</translation>
    </message>
    <message>
        <source>Weight per Weight Concentrations</source>
        <translation>Concentração massa por massa</translation>
    </message>
    <message>
        <source>% w/v</source>
        <translation>% m/v</translation>
    </message>
    <message>
        <source>Weight per Volume Concentrations</source>
        <translation>Concentração massa por volume</translation>
    </message>
    <message>
        <source>% v/v</source>
        <translation>% v/v</translation>
    </message>
    <message>
        <source>Volume per Volume Concentrations</source>
        <translation>Concentração volume por volume</translation>
    </message>
    <message>
        <source>2. Stock Solution</source>
        <translation>2. Solução estoque</translation>
    </message>
    <message>
        <source>Conc of Stock Soln:</source>
        <translation>Conc. sol. estoque:</translation>
    </message>
    <message>
        <source>Enter the Conc of the Stock Solution</source>
        <translation>Digite a concentração da solução estoque</translation>
    </message>
    <message>
        <source>Specific Gravity:</source>
        <translation>Densidade:</translation>
    </message>
    <message>
        <source>Enter the SG of the stock solution</source>
        <translation>Digite a densidade da solução estoque</translation>
    </message>
    <message>
        <source>3. Required Solution</source>
        <translation>3. Solução desejada</translation>
    </message>
    <message>
        <source>Conc Required:</source>
        <translation>Conc. desejada:</translation>
    </message>
    <message>
        <source>Enter the Concentration required</source>
        <translation>Digite a concentração desejada</translation>
    </message>
    <message>
        <source>Volume Required:</source>
        <extracomment>The amount to make, in mL, or in grams for w/w: a word for an amount, not only a volume.</extracomment>
        <translation>Quantidade desejada:</translation>
    </message>
    <message>
        <source>4. Calculate</source>
        <translation>4. Calcular</translation>
    </message>
    <message>
        <source>Click here to calculate your result</source>
        <translation>Clique aqui para calcular o resultado</translation>
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
        <translation>Cloreto de sódio</translation>
    </message>
    <message>
        <source>Choose what the stock&apos;s percent is of: weight in weight, or grams in 100 mL</source>
        <translation>Escolha a que se refere a porcentagem da solução estoque: massa por massa, ou gramas em 100&#xa0;mL</translation>
    </message>
    <message>
        <source>Stock concentration basis</source>
        <translation>Base da concentração da solução estoque</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (grams) or 2 kg</source>
        <extracomment>A unit may be typed after the number: keep 2 kg as it is.</extracomment>
        <translation>Digite a quantidade que deseja preparar, ex.: 100&#xa0;(g) ou 2&#xa0;kg</translation>
    </message>
    <message>
        <source>Enter the amount you wish to make, e.g. 100 (mL) or 1 L</source>
        <extracomment>A unit may be typed after the number: keep 1 L as it is.</extracomment>
        <translation>Digite a quantidade que deseja preparar, ex.: 100&#xa0;(mL) ou 1&#xa0;L</translation>
    </message>
    <message>
        <source>The stock&apos;s list has no % v/v: the percent of %1 is entered as the stock&apos;s, which serves a % v/v solution.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>A lista da solução estoque não tem %&#xa0;v/⁠v: a porcentagem de %1 foi inserida como a da solução estoque, o que serve para uma solução em %&#xa0;v/⁠v.</translation>
    </message>
    <message>
        <source>The % page cannot use the strength of %1, a molar stock: the molar page can. Its formula and name are filled in.</source>
        <extracomment>%1 is the bottle&apos;s name as the book shows it.</extracomment>
        <translation>A página “Solução percentual” não pode usar a concentração de %1, uma solução estoque molar; a página “Solução molar” pode. A fórmula e o nome foram preenchidos.</translation>
    </message>
</context>
<context>
    <name>molvera::ReagentBook</name>
    <message>
        <source>Reagent &amp;Book…</source>
        <extracomment>The formula box&apos;s context menu: opens the reagent book&apos;s window.</extracomment>
        <translation>C&amp;adastro de reagentes…</translation>
    </message>
    <message>
        <source>&amp;Save Stock to Book…</source>
        <extracomment>The formula box&apos;s context menu: makes a bottle of the page&apos;s stock in the reagent book.</extracomment>
        <translation>&amp;Salvar a substância de partida no cadastro…</translation>
    </message>
    <message>
        <source>Reagent Book</source>
        <extracomment>The title of the box that says the page&apos;s stock cannot be saved in the reagent book.</extracomment>
        <translation>Cadastro de reagentes</translation>
    </message>
    <message>
        <source>The stock&apos;s strength on this page is not a number, so it cannot be saved as a bottle.</source>
        <translation>A concentração da substância de partida nesta página não é um número, por isso ela não pode ser salva como frasco.</translation>
    </message>
    <message>
        <source>This is neither a connection string (host=… dbname=…) nor a URI (postgresql://…).</source>
        <extracomment>The lab book&apos;s connection string cannot be read.</extracomment>
        <translation>Isto não é uma string de conexão (host=… dbname=…) nem uma URI (postgresql://…).</translation>
    </message>
    <message>
        <source>molvera keeps no password. Leave it out, and put it in ~/.pgpass (a line host:port:database:user:password) or a service file instead.</source>
        <extracomment>molvera keeps no passwords: libpq&apos;s own files do.</extracomment>
        <translation>O molvera não guarda senhas. Retire a senha e coloque-a em ~/.pgpass (uma linha host:port:database:user:password) ou em um arquivo de serviço.</translation>
    </message>
</context>
<context>
    <name>molvera::RefusalMessages</name>
    <message>
        <source>Cannot Calculate</source>
        <translation>Não é possível calcular</translation>
    </message>
    <message>
        <source>Cannot Be Made</source>
        <translation>Não é possível preparar</translation>
    </message>
    <message>
        <source>A number is too large to calculate with. Please enter smaller numbers.</source>
        <translation>Um dos números é grande demais para o cálculo. Digite números menores.</translation>
    </message>
    <message>
        <source>The stock concentration is zero, so no amount of the stock holds the substance. Please enter the concentration of the stock.</source>
        <translation>A concentração da solução estoque é zero, portanto nenhuma quantidade dela contém a substância. Digite a concentração da solução estoque.</translation>
    </message>
    <message>
        <source>The specific gravity of the stock is zero, so its volume cannot be calculated. Please enter the specific gravity of the stock.</source>
        <translation>A densidade da solução estoque é zero, portanto o volume a medir não pode ser calculado. Digite a densidade da solução estoque.</translation>
    </message>
    <message>
        <source>The molecular weight of the salt with the waters required is zero, so the amount cannot be calculated. Please check the formula and the waters.</source>
        <translation>A massa molar do sal com o número de H2O desejado é zero, portanto a quantidade não pode ser calculada. Verifique a fórmula e o número de H2O.</translation>
    </message>
    <message>
        <source>The stock is weaker than the solution wanted, so the solution cannot be made from it by dilution. Please use a stronger stock or make a weaker solution.</source>
        <translation>A solução estoque é mais diluída que a solução desejada, portanto esta não pode ser preparada por diluição. Use uma solução estoque mais concentrada ou prepare uma solução mais diluída.</translation>
    </message>
    <message>
        <source>An amount in the instructions would be negative, so they cannot be carried out. Please check the numbers for a minus sign.</source>
        <translation>Uma quantidade nas instruções seria negativa, portanto elas não podem ser executadas. Verifique se algum número tem sinal de menos.</translation>
    </message>
    <message>
        <source>Cannot Read Formula</source>
        <translation>Não é possível ler a fórmula</translation>
    </message>
    <message>
        <source>The purity of the starting substance is zero, so no amount of it holds the salt. Please enter its purity in percent.</source>
        <extracomment>The hydrate page&apos;s stock is the substance on the shelf, usually a solid salt: the starting substance, whose purity in percent is typed beside &quot;Conc of Stock Soln:&quot;.</extracomment>
        <translation>A pureza da substância de partida é zero, portanto nenhuma quantidade dela contém o sal. Digite a pureza em porcentagem.</translation>
    </message>
    <message>
        <source>There is no formula to read.</source>
        <extracomment>The formula box is empty.</extracomment>
        <translation>Nenhuma fórmula foi digitada.</translation>
    </message>
    <message>
        <source>“%1” is not the symbol of an element.</source>
        <extracomment>%1 is what was typed as an element symbol, such as Xy. Use the language&apos;s quotation marks.</extracomment>
        <translation>“%1” não é o símbolo de um elemento.</translation>
    </message>
    <message>
        <source>“%1” has no standard atomic weight, so the formula&apos;s weight cannot be worked out.</source>
        <extracomment>%1 is an element symbol, such as Tc. Use the language&apos;s quotation marks.</extracomment>
        <translation>“%1” não tem peso atômico padrão, portanto a massa molar da fórmula não pode ser calculada.</translation>
    </message>
    <message>
        <source>“%1” is not an element symbol: a symbol begins with a capital letter, as in “%2”.</source>
        <extracomment>%1 is a symbol typed in small letters (na), %2 the symbol as it is written (Na). Use the language&apos;s quotation marks.</extracomment>
        <translation>“%1” não é um símbolo de elemento: um símbolo começa com letra maiúscula, como em “%2”.</translation>
    </message>
    <message>
        <source>The formula has more than 32767 atoms of “%1”.</source>
        <extracomment>%1 is an element symbol. A count box holds at most 32767: write the number as the language groups its digits.</extracomment>
        <translation>A fórmula tem mais de 32&#xa0;767 átomos de “%1”.</translation>
    </message>
    <message>
        <source>A bracket is not closed after “%1”.</source>
        <extracomment>%1 is the formula as typed, such as Ca(OH. Use the language&apos;s quotation marks.</extracomment>
        <translation>Há um parêntese ou colchete não fechado depois de “%1”.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket that was not opened.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it. Use the language&apos;s quotation marks.</extracomment>
        <translation>“%1” depois de “%2” fecha um parêntese ou colchete que não foi aberto.</translation>
    </message>
    <message>
        <source>“%1” after “%2” closes a bracket opened with “%3”.</source>
        <extracomment>%1 is a closing bracket, ) or ], %2 the formula before it, %3 the other kind of opening bracket.</extracomment>
        <translation>“%1” depois de “%2” fecha o que foi aberto com “%3”.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is not a count from 1 to 32767.</source>
        <extracomment>%1 is a number as typed, %2 the formula before it. Write 32767 as the language groups its digits.</extracomment>
        <translation>“%1” depois de “%2” não é uma quantidade de 1 a 32&#xa0;767.</translation>
    </message>
    <message>
        <source>“%1” after “%2” is a fraction: a count in a formula is a whole number.</source>
        <extracomment>%1 is a number with a fraction, such as 1.5, %2 the formula before it.</extracomment>
        <translation>“%1” depois de “%2” não é um número inteiro: em uma fórmula, as quantidades são números inteiros.</translation>
    </message>
    <message>
        <source>The count “%1” after “%2” is set apart by a blank: a count follows its symbol or bracket directly.</source>
        <extracomment>%1 is a count, %2 the formula before it, with a blank between them.</extracomment>
        <translation>A quantidade “%1” está separada de “%2” por um espaço: a quantidade vem logo depois do seu símbolo ou parêntese.</translation>
    </message>
    <message>
        <source>“%1” cannot stand at the start of a formula.</source>
        <extracomment>%1 is what was typed first: a character or a number.</extracomment>
        <translation>“%1” não pode ficar no início de uma fórmula.</translation>
    </message>
    <message>
        <source>“%1” cannot stand after “%2”.</source>
        <extracomment>%1 is a character or a number as typed, %2 the formula before it.</extracomment>
        <translation>“%1” não pode ficar depois de “%2”.</translation>
    </message>
    <message>
        <source>“%1” after “%2” must begin a water of crystallisation at the end of the formula, such as 5H2O.</source>
        <extracomment>%1 is a hydrate dot such as &quot;.&quot; or &quot;·&quot;, %2 the formula before it. 5H2O is a formula: keep it.</extracomment>
        <translation>“%1” depois de “%2” deve iniciar uma água de cristalização no final da fórmula, por exemplo 5H2O.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: “%1” is not one of the elements they offer.</source>
        <extracomment>%1 is an element symbol. The rows&apos; element lists offer 32 elements.</extracomment>
        <translation>As linhas de elementos não comportam esta fórmula: “%1” não está entre os elementos oferecidos.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: it has more than six elements, and “%1” is the seventh.</source>
        <extracomment>%1 is the symbol of the seventh different element.</extracomment>
        <translation>As linhas de elementos não comportam esta fórmula: ela tem mais de seis elementos, e “%1” é o sétimo.</translation>
    </message>
    <message>
        <source>The element rows cannot hold this formula: the count of “%1” is not a whole number.</source>
        <extracomment>%1 is an element symbol whose count in the formula is a fraction (half waters).</extracomment>
        <translation>As linhas de elementos não comportam esta fórmula: a quantidade de “%1” não é um número inteiro.</translation>
    </message>
    <message>
        <source>A stock in % w/v says how many grams are in a volume of it, not what fraction of its weight or volume they are, so a % w/w or % v/v solution cannot be worked out from it. Please give the stock in % w/w with its specific gravity, or make a % w/v solution.</source>
        <extracomment>&quot;% w/v&quot;, &quot;% w/w&quot; and &quot;% v/v&quot; as the page&apos;s lists and options write them.</extracomment>
        <translation>Uma solução estoque em %&#xa0;m/⁠v indica os gramas de substância contidos em um volume, não a fração da massa ou do volume da solução que eles representam; por isso, não é possível calcular a partir dela uma solução em %&#xa0;m/⁠m ou %&#xa0;v/⁠v. Informe a solução estoque em %&#xa0;m/⁠m com sua densidade, ou prepare uma solução em %&#xa0;m/⁠v.</translation>
    </message>
</context>
<context>
    <name>molvera::SheetDialogs</name>
    <message>
        <source>The printer is stopped.</source>
        <translation>A impressora está parada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>A impressora “%1” está parada.</translation>
    </message>
    <message>
        <source>The printer does not accept jobs.</source>
        <translation>A impressora não está aceitando trabalhos.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; does not accept jobs.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>A impressora “%1” não está aceitando trabalhos.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>A impressora informou um erro.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; reported an error.</source>
        <extracomment>%1 is the printer&apos;s name.</extracomment>
        <translation>A impressora “%1” informou um erro.</translation>
    </message>
    <message>
        <source>No default printer is set up.</source>
        <translation>Nenhuma impressora padrão está configurada.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>The sheet was not saved as &quot;%1&quot;: %2</source>
        <extracomment>%1 is the file&apos;s path, %2 the reason as the system gives it, a sentence.</extracomment>
        <translation>A folha não foi salva como “%1”: %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The sheet was not printed. %1</source>
        <extracomment>%1 says why, in a whole sentence.</extracomment>
        <translation>A folha não foi impressa. %1</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <translation>Salvar como PDF…</translation>
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
        <translation>Ácido clorídrico 37 %</translation>
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
        <translation>Solução de amônia 25 %</translation>
    </message>
    <message>
        <source>Ammonia solution 28 %</source>
        <translation>Solução de amônia 28 %</translation>
    </message>
    <message>
        <source>Hydrogen peroxide 30 %</source>
        <translation>Peróxido de hidrogênio 30 %</translation>
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
        <translation>Solução de formaldeído 37 %</translation>
    </message>
    <message>
        <source>Perchloric acid 70 %</source>
        <translation>Ácido perclórico 70 %</translation>
    </message>
    <message>
        <source>Hydrofluoric acid 48 %</source>
        <translation>Ácido fluorídrico 48 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide solution 50 %</source>
        <translation>Solução de hidróxido de sódio 50 %</translation>
    </message>
    <message>
        <source>Sodium hydroxide pellets</source>
        <translation>Hidróxido de sódio em lentilhas</translation>
    </message>
    <message>
        <source>Sodium chloride</source>
        <translation>Cloreto de sódio</translation>
    </message>
    <message>
        <source>Potassium chloride</source>
        <translation>Cloreto de potássio</translation>
    </message>
    <message>
        <source>Calcium chloride dihydrate</source>
        <translation>Cloreto de cálcio di-hidratado</translation>
    </message>
    <message>
        <source>Magnesium chloride hexahydrate</source>
        <translation>Cloreto de magnésio hexa-hidratado</translation>
    </message>
    <message>
        <source>Magnesium sulfate heptahydrate</source>
        <translation>Sulfato de magnésio hepta-hidratado</translation>
    </message>
    <message>
        <source>Copper(II) sulfate pentahydrate</source>
        <translation>Sulfato de cobre(II) penta-hidratado</translation>
    </message>
    <message>
        <source>Disodium hydrogen phosphate dihydrate</source>
        <translation>Fosfato de sódio dibásico di-hidratado</translation>
    </message>
    <message>
        <source>Sodium dihydrogen phosphate monohydrate</source>
        <translation>Fosfato de sódio monobásico mono-hidratado</translation>
    </message>
    <message>
        <source>Potassium dihydrogen phosphate</source>
        <translation>Fosfato de potássio monobásico</translation>
    </message>
    <message>
        <source>Sodium carbonate, anhydrous</source>
        <translation>Carbonato de sódio anidro</translation>
    </message>
    <message>
        <source>Sodium hydrogen carbonate</source>
        <translation>Bicarbonato de sódio</translation>
    </message>
    <message>
        <source>Tris base</source>
        <translation>Tris</translation>
    </message>
    <message>
        <source>EDTA disodium dihydrate</source>
        <translation>EDTA dissódico di-hidratado</translation>
    </message>
    <message>
        <source>D-Glucose, anhydrous</source>
        <translation>D-Glicose anidra</translation>
    </message>
    <message>
        <source>D-Glucose monohydrate</source>
        <translation>D-Glicose mono-hidratada</translation>
    </message>
</context>
<context>
    <name>molvera::TabCaptions</name>
    <message>
        <source>Molar Solution</source>
        <extracomment>The tab of the page for molar solutions.</extracomment>
        <translation>Solução molar</translation>
    </message>
    <message>
        <source>% Solution</source>
        <extracomment>The tab of the page for percent solutions.</extracomment>
        <translation>Solução percentual</translation>
    </message>
    <message>
        <source>Hydrate Solution</source>
        <extracomment>The tab of the page for solutions of hydrates. The page&apos;s option for a hydrate has the same English words, translated on their own.</extracomment>
        <translation>Solução de hidrato</translation>
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
