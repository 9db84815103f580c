<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it">
<context>
    <name>Certamen</name>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. Si gioca come sempre, ma quel certamen non si può riprendere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: il prossimo certamen lo sostituirà. Si gioca come sempre.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file del certamen %1: se il programma si chiude ora, i risultati non ancora salvati andranno persi.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si perdono. Iniziare un nuovo certamen?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Errata</name>
    <message>
        <source>Impossibile leggere il file %1: il file resta com&apos;è e i vocaboli sbagliati non vengono registrati.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: Sie bleibt, wie sie ist, und falsche Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: l&apos;ultimo vocabolo sbagliato non è stato registrato.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Das letzte falsch beantwortete Wort wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Questi vocaboli sbagliati non sono più nel file %1: restano nell&apos;elenco e si giocano con le traduzioni salvate.

%2</source>
        <translation>Diese falsch beantworteten Wörter stehen nicht mehr in der Datei %1: Sie bleiben in der Liste und werden mit den gespeicherten Übersetzungen gespielt.

%2</translation>
    </message>
</context>
<context>
    <name>Impostazioni</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>Datei &quot;%1&quot; nicht vorhanden</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Persönlicher Wortschatz fehlt</translation>
    </message>
    <message>
        <source>Salva le impostazioni - Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta.</source>
        <translation>Ein Spieler: die Taste Enter drücken, wenn die richtige Übersetzung hervorgehoben ist.</translation>
    </message>
    <message>
        <source>Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0.</source>
        <translation>Zwei Spieler: Der Spieler links nimmt die Taste 1, der Spieler rechts die Taste 0.</translation>
    </message>
    <message>
        <source>Imposta la velocità di svolgimento del gioco</source>
        <translation>Stellt ein, wie schnell das Spiel läuft</translation>
    </message>
    <message>
        <source>Imposta il numero di verbi su cui svolgere l&apos;esercizio</source>
        <translation>Stellt ein, mit wie vielen Wörtern geübt wird</translation>
    </message>
    <message>
        <source>Spuntare la casella per escludere dal gioco i vocaboli tropppo simili all&apos;italiano (prime due lettere uguali).</source>
        <translation>Ankreuzen, um Wörter auszulassen, die ihrer Übersetzung zu ähnlich sind (gleiche erste zwei Buchstaben).</translation>
    </message>
    <message>
        <source>I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: scegliere quelli con cui giocare</source>
        <translation>Die 1600 häufigsten lateinischen Wörter sind in 4 Häufigkeitsklassen eingeteilt: die gewünschten auswählen</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation type="unfinished">Datei &quot;%1&quot; nicht vorhanden</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation type="unfinished">Persönlicher Wortschatz fehlt</translation>
    </message>
    <message>
        <source>LessiCorsa! Aperi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabolari (*.txt);;Tutti i file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano frequenza, classe, latino e traduzione. Si può importare con «Importa».</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LessiCorsa! Importa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tutti i file (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile importare il file %1, riga %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LessiCorsa! Importa: salva il nuovo elenco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il nuovo elenco non può sostituire il file %1 da cui è importato.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle impostazioni della prossima partita.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
%1 righe senza vocabolo latino non sono state importate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LessiCorsa! Exporta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV (*.csv);;KVTML (*.kvtml)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Lusores</name>
    <message>
        <source>Impossibile salvare l&apos;elenco dei giocatori in %1: le modifiche valgono solo fino alla chiusura del gioco.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrivi il nome del giocatore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 caratteri.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome: scegline un altro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Tabula</name>
    <message>
        <source>Salva i risultati in un file CSV, da aprire con un foglio di calcolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa i risultati, o li salva in un file PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Traduci</name>
    <message>
        <source>Solo %1 vocaboli selezionati!</source>
        <translation>Nur%1 Wörter ausgewählt!</translation>
    </message>
    <message>
        <source>(tasto Enter)</source>
        <translation>(Taste Enter)</translation>
    </message>
    <message>
        <source>(tasto 1 e tasto 0)</source>
        <translation>(Tasten 1 und 0)</translation>
    </message>
    <message>
        <source>Lascia perdere il mouse e usa la tastiera %1</source>
        <translation>Vergiss die Maus und nimm die Tastatur %1</translation>
    </message>
    <message>
        <source>errore %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>File %1 assente o difettoso</source>
        <translation>Datei %1 fehlt oder ist fehlerhaft</translation>
    </message>
    <message>
        <source>Troppi record difettosi nel file %1</source>
        <translation>Zu viele fehlerhafte Einträge in der Datei %1</translation>
    </message>
    <message>
        <source>Record difettosi nel file  %1</source>
        <translation>Fehlerhafte Einträge in der Datei %1</translation>
    </message>
    <message>
        <source>Solo%1 vocaboli nel file  %2</source>
        <translation>Nur%1 Wörter in der Datei %2</translation>
    </message>
    <message>
        <source>Attendere caricamento</source>
        <translation>Lädt, bitte warten</translation>
    </message>
    <message>
        <source>Record fuori classe nel file  %1</source>
        <translation>Einträge ohne gültige Klasse in der Datei %1</translation>
    </message>
</context>
<context>
    <name>frmCertamen</name>
    <message>
        <source>Un nome per riga: da 3 a 32 alunni o squadre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legge i nomi da un file di testo, uno per riga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Girone all&apos;italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sceglie, nella finestra delle impostazioni, come si gioca ogni partita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorteggia il certamen e mostra la tabula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 come elenco di nomi: deve essere un file di testo di al massimo 64 KB, un nome per riga.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmErrata</name>
    <message>
        <source>Una partita con i soli vocaboli sbagliati</source>
        <translation>Ein Spiel nur mit den falsch beantworteten Wörtern</translation>
    </message>
    <message>
        <source>Svuota l&apos;elenco dei vocaboli sbagliati</source>
        <translation>Die Liste der falsch beantworteten Wörter leeren</translation>
    </message>
    <message>
        <source>Cancellare dall&apos;elenco tutti i vocaboli sbagliati?</source>
        <translation>Alle falsch beantworteten Wörter aus der Liste löschen?</translation>
    </message>
</context>
<context>
    <name>frmImporta</name>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il carattere che separa i campi del file CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La prima riga del file dà i nomi delle colonne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le lezioni (o i mazzi di Anki) da importare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colonna %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o scrivere il nome della lingua) o niente (-)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scegliere la colonna del latino (Latinum)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 vocaboli da importare</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmImprime</name>
    <message>
        <source>L&apos;elenco intero, come tabella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; le soluzioni su una pagina a parte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile stampare.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgressus</name>
    <message>
        <source>Salva le partite del giocatore in un file CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmRepertorium</name>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aggiunge una riga dopo quella scelta (tasto Ins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella le righe scelte (tasto Canc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva l&apos;elenco (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo elenco, non ancora salvato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 righe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 segnate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (non salvato)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LessiCorsa! Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>«%1» non c&apos;è</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il nuovo elenco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le modifiche a %1 non sono salvate. Chiudere senza salvarle?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists</name>
    <message>
        <source>riga %1: la colonna «%2» non è un numero da 1 in su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: separatore «%2» sconosciuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: %2 campi invece di %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>le virgolette aperte qui non si chiudono più</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il testo UTF-16 è interrotto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file contiene dati binari, non testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lingua %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file si dice in UTF-8 ma questa riga è scritta in un&apos;altra codifica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nomen: ______________________________      Dies: ______________</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2. Il file di prima resta com&apos;era.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::AddCommand</name>
    <message>
        <source>Aggiunta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::CellCommand</name>
    <message>
        <source>Modifica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::ListModel</name>
    <message>
        <source>«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::Reader</name>
    <message>
        <source>il file dichiara entità XML, che non si espandono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file usa l&apos;entità XML «%1», che non si espande</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>XML non valido: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: una voce senza numero (id)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: la voce %2 c&apos;è già, vale l&apos;ultima</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lezione alla riga %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: la lezione «%2» non nomina nessuna voce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: %2 nomina la voce %3, che non c&apos;è</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>la lezione «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il tipo di parola «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>non è un file KVTML (l&apos;elemento principale è «%1»)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>versione KVTML «%1»: si leggono i file KVTML 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>il file è vuoto o non è un file KVTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: la traduzione %2 non ha un identificatore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>riga %1: la voce %2 non ha testo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::RemoveCommand</name>
    <message>
        <source>Cancellazione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::SortCommand</name>
    <message>
        <source>Ordinamento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lists::WordList</name>
    <message>
        <source>Record difettoso: mancano i tre «;» che separano i campi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabolo latino vuoto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record fuori classe: ordine di frequenza %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record fuori classe: classe grammaticale «%1»</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record difettoso se si gioca in %1: manca la traduzione</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>players::HistoryWorker</name>
    <message>
        <source>La storia delle partite (%1) era danneggiata: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era danneggiata ed è stata messa da parte come %2, ma non se ne può cominciare una nuova: le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere la storia delle partite (%1): le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati sono salvati a parte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La storia delle partite (%1) è stata scritta da una versione più recente di LessiCorsa: resta com&apos;è e le partite di oggi non vi vengono registrate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta con la prossima, se ci sarà posto.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>kein nutzbares Audiogerät (%1): das Spiel läuft ohne Ton weiter.</translation>
    </message>
</context>
</TS>
