<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it">
<context>
    <name>Auxilium</name>
    <message>
        <source>Il manuale del gioco per gli insegnanti</source>
        <translation>The game&apos;s manual for teachers</translation>
    </message>
    <message>
        <source>Il manuale non si trova nella cartella %1: reinstallare il gioco per averlo di nuovo. Il gioco prosegue come sempre.</source>
        <translation>The manual is not in the folder %1: reinstall the game to get it back. The game goes on as usual.</translation>
    </message>
    <message>
        <source>Il manuale %1 non si può leggere. Il gioco prosegue come sempre.</source>
        <translation>The manual %1 cannot be read. The game goes on as usual.</translation>
    </message>
</context>
<context>
    <name>Certamen</name>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. Si gioca come sempre, ma quel certamen non si può riprendere.</source>
        <translation>The certamen file %1 is damaged or does not come from LessiCorsa: it has been set aside as %2. The game goes on as usual, but that certamen cannot be resumed.</translation>
    </message>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: il prossimo certamen lo sostituirà. Si gioca come sempre.</source>
        <translation>The certamen file %1 is damaged or does not come from LessiCorsa, and it could not be set aside: the next certamen will replace it. The game goes on as usual.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file del certamen %1: se il programma si chiude ora, i risultati non ancora salvati andranno persi.</source>
        <translation>Cannot write the certamen file %1: if the program is closed now, the results not saved yet will be lost.</translation>
    </message>
    <message>
        <source>Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si perdono. Iniziare un nuovo certamen?</source>
        <translation>A certamen is not finished yet: starting a new one loses its results. Start a new certamen?</translation>
    </message>
    <message>
        <source>Un alunno della prossima partita è assente: l&apos;altro vince a tavolino</source>
        <translation>A pupil of the next match is absent: the other wins by default</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Cancels the result of a match, which is played again</translation>
    </message>
    <message>
        <source>Chi è assente?</source>
        <translation>Who is absent?</translation>
    </message>
    <message>
        <source>%1 è assente: la partita va a %2 a tavolino. Confermare?</source>
        <translation>%1 is absent: %2 wins the match by default. Confirm?</translation>
    </message>
    <message>
        <source>Quale partita si gioca di nuovo?</source>
        <translation>Which match is played again?</translation>
    </message>
    <message>
        <source>Il risultato di %1 contro %2 si annulla e la partita si gioca di nuovo. Confermare?</source>
        <translation>The result of %1 against %2 is cancelled and the match is played again. Confirm?</translation>
    </message>
    <message>
        <source>Che cosa fare di questa partita del certamen?

Sì: interromperla; si giocherà di nuovo dall&apos;inizio.
No: uscire dal programma; il certamen riprenderà da questa partita.
Annulla: continuare a giocare.</source>
        <translation>What should happen to this match of the tournament?

Yes: break it off; it will be played again from the start.
No: quit the program; the tournament will resume at this match.
Cancel: go on playing.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file del certamen %1 (mancano i permessi di lettura): resta com&apos;è e quel certamen non si può riprendere; un nuovo certamen lo sostituirebbe. Si gioca come sempre.</source>
        <translation>Cannot read the certamen file %1 (read permission is missing): it is left as it is and that certamen cannot be resumed; a new certamen would replace it. The game goes on as usual.</translation>
    </message>
</context>
<context>
    <name>Errata</name>
    <message>
        <source>Impossibile leggere il file %1: il file resta com&apos;è e i vocaboli sbagliati non vengono registrati.</source>
        <translation>Cannot read the file %1: it is left as it is and missed words are not recorded.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: l&apos;ultimo vocabolo sbagliato non è stato registrato.</source>
        <translation>Cannot write the file %1: the last missed word was not recorded.</translation>
    </message>
    <message>
        <source>Questi vocaboli sbagliati non sono più nel file %1: restano nell&apos;elenco e si giocano con le traduzioni salvate.

%2</source>
        <translation>These missed words are no longer in the file %1: they stay in the list and are played with their stored translations.

%2</translation>
    </message>
</context>
<context>
    <name>Impostazioni</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Personal vocabulary missing</translation>
    </message>
    <message>
        <source>Salva le impostazioni - Save settings</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta.</source>
        <translation>One player: press the Enter key when the right translation is highlighted.</translation>
    </message>
    <message>
        <source>Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0.</source>
        <translation>Two players: the player on the left uses key 1, the player on the right uses key 0.</translation>
    </message>
    <message>
        <source>Imposta la velocità di svolgimento del gioco</source>
        <translation>Sets how fast the game runs</translation>
    </message>
    <message>
        <source>Imposta il numero di verbi su cui svolgere l&apos;esercizio</source>
        <translation>Sets how many words the exercise uses</translation>
    </message>
    <message>
        <source>Spuntare la casella per escludere dal gioco i vocaboli tropppo simili all&apos;italiano (prime due lettere uguali).</source>
        <translation>Tick the box to leave out words that look too much like their translation (same first two letters).</translation>
    </message>
    <message>
        <source>I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: scegliere quelli con cui giocare</source>
        <translation>The 1600 most frequent Latin words are split into 4 frequency classes: choose the ones to play with</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>file &quot;%1&quot; does not exist</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Personal vocabulary missing</translation>
    </message>
    <message>
        <source>LessiCorsa! Aperi</source>
        <translation>LessiCorsa! Aperi</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt);;Tutti i file (*)</source>
        <translation>Vocabularies (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano frequenza, classe, latino e traduzione. Si può importare con «Importa».</source>
        <translation>The file %1 is not a vocabulary: too many lines lack the three «;» that separate frequency, class, Latin and translation. It can be imported with «Importa».</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa</source>
        <translation>LessiCorsa! Importa</translation>
    </message>
    <message>
        <source>Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tutti i file (*)</source>
        <translation>Vocabularies of other programs (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Impossibile importare il file %1, riga %2: %3.</source>
        <translation>Cannot import the file %1, line %2: %3.</translation>
    </message>
    <message>
        <source>Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.</source>
        <translation>No words to import from the file %1 with the chosen lessons and columns.</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa: salva il nuovo elenco</source>
        <translation>LessiCorsa! Importa: save the new word list</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabularies (*.txt)</translation>
    </message>
    <message>
        <source>Il nuovo elenco non può sostituire il file %1 da cui è importato.</source>
        <translation>The new word list cannot replace the file %1 it is imported from.</translation>
    </message>
    <message>
        <source>%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle impostazioni della prossima partita.</source>
        <translation>%1 words imported into %2: to play them, tick «Repertorio meo utor» in the settings of the next game.</translation>
    </message>
    <message>
        <source>
%1 righe senza vocabolo latino non sono state importate.</source>
        <translation>
%1 lines without a Latin word were not imported.</translation>
    </message>
    <message>
        <source>LessiCorsa! Exporta</source>
        <translation>LessiCorsa! Exporta</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>KVTML (*.kvtml)</source>
        <translation>KVTML (*.kvtml)</translation>
    </message>
</context>
<context>
    <name>Lusores</name>
    <message>
        <source>Impossibile salvare l&apos;elenco dei giocatori in %1: le modifiche valgono solo fino alla chiusura del gioco.</source>
        <translation>Cannot save the list of players in %1: the changes last only until the game is closed.</translation>
    </message>
    <message>
        <source>Scrivi il nome del giocatore.</source>
        <translation>Type the player&apos;s name.</translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 caratteri.</source>
        <translation>The name can have at most %1 characters.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome: scegline un altro.</source>
        <translation>There is already a player with this name: choose another one.</translation>
    </message>
    <message>
        <source>Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.</source>
        <translation>Remove the player %1? Their history and missed words will be deleted.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. I giocatori che si sono potuti leggere restano; gli altri sono nel file messo da parte.</source>
        <translation>The list of players %1 is damaged or does not come from LessiCorsa: it has been set aside as %2. The players that could be read stay; the others are in the file set aside.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>The list of players %1 is damaged or does not come from LessiCorsa, and it could not be set aside: it is left as it is, and the changes to the players last only until the game is closed.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;elenco dei giocatori %1: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>Cannot read the list of players %1: it is left as it is, and the changes to the players last only until the game is closed.</translation>
    </message>
</context>
<context>
    <name>MissedList</name>
    <message>
        <source>il file non si può leggere</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>non è un file</source>
        <translation>it is not a file</translation>
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
        <translation>&amp;Cancel</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Tabula</name>
    <message>
        <source>Salva i risultati in un file CSV, da aprire con un foglio di calcolo</source>
        <translation>Saves the results in a CSV file, to be opened with a spreadsheet</translation>
    </message>
    <message>
        <source>Stampa i risultati, o li salva in un file PDF</source>
        <translation>Prints the results, or saves them in a PDF file</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Cancels the result of a match, which is played again</translation>
    </message>
    <message>
        <source>Un tasto qualsiasi: torna al gioco</source>
        <translation>Any key: back to the game</translation>
    </message>
    <message>
        <source>cambia il personaggio</source>
        <translation>change the character</translation>
    </message>
    <message>
        <source>un alunno è assente</source>
        <translation>a pupil is absent</translation>
    </message>
    <message>
        <source>rigioca una partita</source>
        <translation>replay a match</translation>
    </message>
    <message>
        <source>chiudi</source>
        <translation>close</translation>
    </message>
    <message>
        <source>Invio o spazio: inizia la partita</source>
        <translation>Enter or Space: the match begins</translation>
    </message>
    <message>
        <source>Partite da giocare: %1, circa %2 minuti</source>
        <translation>Matches left: %1, about %2 minutes</translation>
    </message>
</context>
<context>
    <name>Traduci</name>
    <message>
        <source>Solo %1 vocaboli selezionati!</source>
        <translation>Only%1 words selected!</translation>
    </message>
    <message>
        <source>(tasto Enter)</source>
        <translation>(Enter key)</translation>
    </message>
    <message>
        <source>(tasto 1 e tasto 0)</source>
        <translation>(keys 1 and 0)</translation>
    </message>
    <message>
        <source>Lascia perdere il mouse e usa la tastiera %1</source>
        <translation>Forget the mouse and use the keyboard %1</translation>
    </message>
    <message>
        <source>errore %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>File %1 assente o difettoso</source>
        <translation>File %1 missing or damaged</translation>
    </message>
    <message>
        <source>Troppi record difettosi nel file %1</source>
        <translation>Too many faulty records in file %1</translation>
    </message>
    <message>
        <source>Record difettosi nel file  %1</source>
        <translation>Faulty records in file %1</translation>
    </message>
    <message>
        <source>Solo%1 vocaboli nel file  %2</source>
        <translation>Only%1 words in file %2</translation>
    </message>
    <message>
        <source>Attendere caricamento</source>
        <translation>Loading, please wait</translation>
    </message>
    <message>
        <source>Record fuori classe nel file  %1</source>
        <translation>Records with no valid class in file %1</translation>
    </message>
</context>
<context>
    <name>formae</name>
    <message>
        <source>Manca il lessico delle forme &quot;%1&quot;.</source>
        <translation>The lexicon of forms &quot;%1&quot; is missing.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; non si può leggere.</source>
        <translation>The lexicon of forms &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; è danneggiato (riga %2).</source>
        <translation>The lexicon of forms &quot;%1&quot; is damaged (line %2).</translation>
    </message>
</context>
<context>
    <name>formae::Formae</name>
    <message>
        <source>Mostra le vocali lunghe con il segno di lunghezza (amīcus)</source>
        <translation>Shows the long vowels with the length mark (amīcus)</translation>
    </message>
    <message>
        <source>Impossibile leggere il lessico delle forme.</source>
        <translation>Cannot read the lexicon of forms.</translation>
    </message>
    <message>
        <source>

Il gioco delle forme resta spento; il gioco dei vocaboli continua come sempre.</source>
        <translation>

The forms game stays off; the vocabulary game goes on as usual.</translation>
    </message>
    <message>
        <source>%1 vocaboli dell&apos;elenco non sono nel lessico: il gioco delle forme li lascia fuori.</source>
        <translation>%1 words of the list are not in the lexicon: the forms game leaves them out.</translation>
    </message>
    <message>
        <source>Nessun vocabolo scelto ha forme da chiedere: cambia le scelte delle classi o delle forme.</source>
        <translation>None of the chosen words has forms to ask: change the choice of classes or forms.</translation>
    </message>
</context>
<context>
    <name>frmAuxilium</name>
    <message>
        <source>Scrivere una parola e premere Invio per trovarla nel manuale</source>
        <translation>Type a word and press Enter to find it in the manual</translation>
    </message>
    <message>
        <source>Indice: un clic porta al capitolo</source>
        <translation>Contents: a click leads to the chapter</translation>
    </message>
</context>
<context>
    <name>frmCertamen</name>
    <message>
        <source>Un nome per riga: da 3 a 32 alunni o squadre</source>
        <translation>One name per line: 3 to 32 pupils or teams</translation>
    </message>
    <message>
        <source>Legge i nomi da un file di testo, uno per riga</source>
        <translation>Reads the names from a text file, one per line</translation>
    </message>
    <message>
        <source>Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale</source>
        <translation>Knockout: whoever loses is out; 3 to 32 contestants, drawn at random</translation>
    </message>
    <message>
        <source>Girone all&apos;italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti</source>
        <translation>Round robin: everyone plays once against each of the others; 3 to 8 contestants</translation>
    </message>
    <message>
        <source>Sceglie, nella finestra delle impostazioni, come si gioca ogni partita</source>
        <translation>Chooses, in the settings window, how each game is played</translation>
    </message>
    <message>
        <source>Sorteggia il certamen e mostra la tabula</source>
        <translation>Draws the certamen and shows the tabula</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 come elenco di nomi: deve essere un file di testo di al massimo 64 KB, un nome per riga.</source>
        <translation>Cannot read the file %1 as a list of names: it must be a text file of at most 64 KB, one name per line.</translation>
    </message>
    <message>
        <source>Durata stimata: le partite per la durata tipica di una partita con queste parole e questa velocità. Si può dividere in più lezioni: il certamen riprende da dove si è fermato</source>
        <translation>Estimated length: the matches times a match&apos;s usual length with these words and this speed. It can be split over several lessons: the tournament resumes where it stopped</translation>
    </message>
    <message>
        <source>Ogni partita chiede le forme delle parole invece del loro significato</source>
        <translation>Each match asks for the forms of the words instead of their meaning</translation>
    </message>
</context>
<context>
    <name>frmErrata</name>
    <message>
        <source>Una partita con i soli vocaboli sbagliati</source>
        <translation>A game with the missed words only</translation>
    </message>
    <message>
        <source>Svuota l&apos;elenco dei vocaboli sbagliati</source>
        <translation>Empty the list of missed words</translation>
    </message>
    <message>
        <source>Cancellare dall&apos;elenco tutti i vocaboli sbagliati?</source>
        <translation>Delete every missed word from the list?</translation>
    </message>
</context>
<context>
    <name>frmFormae</name>
    <message>
        <source>Chiedi le forme dei nomi</source>
        <translation>Ask for the forms of nouns</translation>
    </message>
    <message>
        <source>Chiedi le forme degli aggettivi</source>
        <translation>Ask for the forms of adjectives</translation>
    </message>
    <message>
        <source>Chiedi le forme dei pronomi</source>
        <translation>Ask for the forms of pronouns</translation>
    </message>
    <message>
        <source>Chiedi le forme dei verbi</source>
        <translation>Ask for the forms of verbs</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo indicativo</source>
        <translation>Ask for the forms of the indicative mood</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo congiuntivo</source>
        <translation>Ask for the forms of the subjunctive mood</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo imperativo</source>
        <translation>Ask for the forms of the imperative mood</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo infinito</source>
        <translation>Ask for the forms of the infinitive</translation>
    </message>
    <message>
        <source>Chiedi le forme del presente</source>
        <translation>Ask for the forms of the present</translation>
    </message>
    <message>
        <source>Chiedi le forme dell&apos;imperfetto</source>
        <translation>Ask for the forms of the imperfect</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro semplice</source>
        <translation>Ask for the forms of the future</translation>
    </message>
    <message>
        <source>Chiedi le forme del perfetto</source>
        <translation>Ask for the forms of the perfect</translation>
    </message>
    <message>
        <source>Chiedi le forme del piuccheperfetto</source>
        <translation>Ask for the forms of the pluperfect</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro anteriore</source>
        <translation>Ask for the forms of the future perfect</translation>
    </message>
    <message>
        <source>Chiedi le forme attive</source>
        <translation>Ask for the active forms</translation>
    </message>
    <message>
        <source>Chiedi le forme passive (e dei deponenti)</source>
        <translation>Ask for the passive forms (and those of deponents)</translation>
    </message>
    <message>
        <source>Conserva queste scelte per le partite di forme</source>
        <translation>Keep these choices for the games of forms</translation>
    </message>
    <message>
        <source>Chiudi senza cambiare le scelte</source>
        <translation>Close without changing the choices</translation>
    </message>
</context>
<context>
    <name>frmImporta</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Il carattere che separa i campi del file CSV</source>
        <translation>The character that separates the fields of the CSV file</translation>
    </message>
    <message>
        <source>La prima riga del file dà i nomi delle colonne</source>
        <translation>The first line of the file gives the names of the columns</translation>
    </message>
    <message>
        <source>Le lezioni (o i mazzi di Anki) da importare</source>
        <translation>The lessons (or Anki decks) to import</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Colonna %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o scrivere il nome della lingua) o niente (-)</source>
        <translation>What this column gives: the Latin, the class, a translation (choose or type the name of the language) or nothing (-)</translation>
    </message>
    <message>
        <source>Scegliere la colonna del latino (Latinum)</source>
        <translation>Choose the Latin column (Latinum)</translation>
    </message>
    <message>
        <source>%1 vocaboli da importare</source>
        <translation>%1 words to import</translation>
    </message>
    <message>
        <source>Importa anche le %1 voci che il file segna come disattivate</source>
        <translation>Also imports the %1 entries that the file marks as switched off</translation>
    </message>
</context>
<context>
    <name>frmImprime</name>
    <message>
        <source>L&apos;elenco intero, come tabella</source>
        <translation>The whole word list, as a table</translation>
    </message>
    <message>
        <source>Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; le soluzioni su una pagina a parte</source>
        <translation>A test: the Latin words in random order with lines for the answers; the solutions on a separate page</translation>
    </message>
    <message>
        <source>Impossibile stampare.</source>
        <translation>Cannot print.</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
</context>
<context>
    <name>frmProgressus</name>
    <message>
        <source>Salva le partite del giocatore in un file CSV</source>
        <translation>Saves the player&apos;s games in a CSV file</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
</context>
<context>
    <name>frmRepertorium</name>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Cannot open the file %1.</translation>
    </message>
    <message>
        <source>Aggiunge una riga dopo quella scelta (tasto Ins)</source>
        <translation>Adds a row after the chosen one (Ins key)</translation>
    </message>
    <message>
        <source>Cancella le righe scelte (tasto Canc)</source>
        <translation>Deletes the chosen rows (Del key)</translation>
    </message>
    <message>
        <source>Salva l&apos;elenco (Ctrl+S)</source>
        <translation>Saves the word list (Ctrl+S)</translation>
    </message>
    <message>
        <source>Nuovo elenco, non ancora salvato</source>
        <translation>New word list, not saved yet</translation>
    </message>
    <message>
        <source>%1 righe</source>
        <translation>%1 rows</translation>
    </message>
    <message>
        <source>, %1 segnate</source>
        <translation>, %1 marked</translation>
    </message>
    <message>
        <source> (non salvato)</source>
        <translation> (not saved)</translation>
    </message>
    <message>
        <source>LessiCorsa! Salva</source>
        <translation>LessiCorsa! Salva</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabularies (*.txt)</translation>
    </message>
    <message>
        <source>«%1» non c&apos;è</source>
        <translation>«%1» not found</translation>
    </message>
    <message>
        <source>il nuovo elenco</source>
        <translation>the new word list</translation>
    </message>
    <message>
        <source>Le modifiche a %1 non sono salvate. Chiudere senza salvarle?</source>
        <translation>The changes to %1 are not saved. Close without saving them?</translation>
    </message>
</context>
<context>
    <name>lists</name>
    <message>
        <source>riga %1: la colonna «%2» non è un numero da 1 in su</source>
        <translation>line %1: the column «%2» is not a number of 1 or more</translation>
    </message>
    <message>
        <source>riga %1: separatore «%2» sconosciuto</source>
        <translation>line %1: unknown separator «%2»</translation>
    </message>
    <message>
        <source>riga %1: %2 campi invece di %3</source>
        <translation>line %1: %2 fields instead of %3</translation>
    </message>
    <message>
        <source>le virgolette aperte qui non si chiudono più</source>
        <translation>the quotation marks opened here are never closed</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Cannot read the file %1.</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.</source>
        <translation>The file %1 is too large (%2 MB): files of up to %3 MB can be imported.</translation>
    </message>
    <message>
        <source>il testo UTF-16 è interrotto</source>
        <translation>the UTF-16 text is cut off</translation>
    </message>
    <message>
        <source>il file contiene dati binari, non testo</source>
        <translation>the file holds binary data, not text</translation>
    </message>
    <message>
        <source>Lingua %1</source>
        <translation>Language %1</translation>
    </message>
    <message>
        <source>il file si dice in UTF-8 ma questa riga è scritta in un&apos;altra codifica</source>
        <translation>the file says it is in UTF-8 but this line is written in another encoding</translation>
    </message>
    <message>
        <source>Nomen: ______________________________      Dies: ______________</source>
        <translation>Nomen: ______________________________      Dies: ______________</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2. Il file di prima resta com&apos;era.</source>
        <translation>Cannot save the file %1: %2. The previous file is left as it was.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2.</source>
        <translation>Cannot save the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>lists::AddCommand</name>
    <message>
        <source>Aggiunta</source>
        <translation>Add</translation>
    </message>
</context>
<context>
    <name>lists::CellCommand</name>
    <message>
        <source>Modifica</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>lists::Kvtml</name>
    <message>
        <source>un elemento si chiude con un nome diverso da quello con cui si apre</source>
        <translation>an element is closed with a different name from the one it was opened with</translation>
    </message>
    <message>
        <source>c&apos;è altro testo dopo la fine del documento</source>
        <translation>there is more text after the end of the document</translation>
    </message>
    <message>
        <source>un carattere che l&apos;XML non ammette</source>
        <translation>a character that XML does not allow</translation>
    </message>
    <message>
        <source>testo in una codifica diversa da quella dichiarata</source>
        <translation>text in an encoding other than the declared one</translation>
    </message>
    <message>
        <source>un attributo ripetuto nello stesso elemento</source>
        <translation>an attribute repeated in the same element</translation>
    </message>
    <message>
        <source>un&apos;entità XML non dichiarata o non valida</source>
        <translation>an undeclared or invalid XML entity</translation>
    </message>
    <message>
        <source>una codifica sconosciuta nella dichiarazione XML</source>
        <translation>an unknown encoding in the XML declaration</translation>
    </message>
    <message>
        <source>il documento non ha un elemento principale</source>
        <translation>the document has no root element</translation>
    </message>
</context>
<context>
    <name>lists::ListModel</name>
    <message>
        <source>«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.</source>
        <translation>«%1» cannot be written in this word list: the semicolon separates the fields, each word stands on one line, and the file&apos;s encoding (Windows-1252) does not have every character.</translation>
    </message>
</context>
<context>
    <name>lists::Reader</name>
    <message>
        <source>il file dichiara entità XML, che non si espandono</source>
        <translation>the file declares XML entities, which are not expanded</translation>
    </message>
    <message>
        <source>il file usa l&apos;entità XML «%1», che non si espande</source>
        <translation>the file uses the XML entity «%1», which is not expanded</translation>
    </message>
    <message>
        <source>XML non valido: %1</source>
        <translation>Invalid XML: %1</translation>
    </message>
    <message>
        <source>riga %1: una voce senza numero (id)</source>
        <translation>line %1: an entry without a number (id)</translation>
    </message>
    <message>
        <source>Lezione alla riga %1</source>
        <translation>Lesson at line %1</translation>
    </message>
    <message>
        <source>riga %1: la lezione «%2» non nomina nessuna voce</source>
        <translation>line %1: the lesson «%2» names no entry</translation>
    </message>
    <message>
        <source>riga %1: %2 nomina la voce %3, che non c&apos;è</source>
        <translation>line %1: %2 names the entry %3, which is not there</translation>
    </message>
    <message>
        <source>la lezione «%1»</source>
        <translation>the lesson «%1»</translation>
    </message>
    <message>
        <source>il tipo di parola «%1»</source>
        <translation>the word type «%1»</translation>
    </message>
    <message>
        <source>non è un file KVTML (l&apos;elemento principale è «%1»)</source>
        <translation>not a KVTML file (the root element is «%1»)</translation>
    </message>
    <message>
        <source>versione KVTML «%1»: si leggono i file KVTML 2</source>
        <translation>KVTML version «%1»: KVTML 2 files can be read</translation>
    </message>
    <message>
        <source>il file è vuoto o non è un file KVTML</source>
        <translation>the file is empty or not a KVTML file</translation>
    </message>
    <message>
        <source>riga %1: la traduzione %2 non ha un identificatore</source>
        <translation>line %1: the translation %2 has no identifier</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 non ha testo</source>
        <translation>line %1: the entry %2 has no text</translation>
    </message>
    <message>
        <source>XML non valido: il file finisce prima che si chiudano gli elementi aperti</source>
        <translation>Invalid XML: the file ends before the open elements are closed</translation>
    </message>
    <message>
        <source>XML non valido: un segno al posto sbagliato (colonna %1)</source>
        <translation>Invalid XML: a character in the wrong place (column %1)</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 c&apos;è già: si tengono tutte e due</source>
        <translation>line %1: the entry %2 is there already: both are kept</translation>
    </message>
    <message>
        <source>le lezioni o i tipi di parola sono annidati più di %1 livelli</source>
        <translation>the lessons or word types are nested more than %1 levels deep</translation>
    </message>
    <message>
        <source>è un file KVTML 1, la versione più vecchia del formato: si leggono i file KVTML 2</source>
        <translation>it is a KVTML 1 file, the oldest version of the format: KVTML 2 files can be read</translation>
    </message>
</context>
<context>
    <name>lists::RemoveCommand</name>
    <message>
        <source>Cancellazione</source>
        <translation>Delete</translation>
    </message>
</context>
<context>
    <name>lists::SortCommand</name>
    <message>
        <source>Ordinamento</source>
        <translation>Sort</translation>
    </message>
</context>
<context>
    <name>lists::WordList</name>
    <message>
        <source>Record difettoso: mancano i tre «;» che separano i campi</source>
        <translation>Faulty record: the three «;» that separate the fields are missing</translation>
    </message>
    <message>
        <source>Vocabolo latino vuoto</source>
        <translation>Empty Latin word</translation>
    </message>
    <message>
        <source>Record fuori classe: ordine di frequenza %1</source>
        <translation>Record with no valid class: frequency class %1</translation>
    </message>
    <message>
        <source>Record fuori classe: classe grammaticale «%1»</source>
        <translation>Record with no valid class: grammatical class «%1»</translation>
    </message>
    <message>
        <source>Record difettoso se si gioca in %1: manca la traduzione</source>
        <translation>Faulty record when playing in %1: the translation is missing</translation>
    </message>
</context>
<context>
    <name>players::HistoryWorker</name>
    <message>
        <source>Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta con la prossima, se ci sarà posto.</source>
        <translation>The disk is full: the game did not go into the history (%1). It will be written there with the next one, if there is room.</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era danneggiata</source>
        <translation>The history of games (%1) was damaged</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era il file di un altro programma</source>
        <translation>The history of games (%1) was the file of another program</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) è di una versione di LessiCorsa che questo programma non conosce</source>
        <translation>The history of games (%1) comes from a version of LessiCorsa that this program does not know</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: it has been set aside as %2 and a new one has been started. The game goes on; the missed words are not touched.</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2, ma non se ne può cominciare una nuova: le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: it has been set aside as %2, but a new one cannot be started: games are not recorded. The game goes on; the missed words are not touched.</translation>
    </message>
    <message>
        <source>Impossibile scrivere la storia delle partite (%1): le partite non vengono registrate. Il gioco continua.</source>
        <translation>Cannot write the history of games (%1): games are not recorded. The game goes on.</translation>
    </message>
    <message>
        <source>Impossibile leggere la storia delle partite (%1): resta com&apos;è e le partite non vi vengono registrate. Il gioco continua.</source>
        <translation>Cannot read the history of games (%1): it is left as it is and games are not recorded in it. The game goes on.</translation>
    </message>
    <message>
        <source>Il disco è pieno: la storia delle partite (%1) non si può cominciare. Le partite vi saranno scritte quando ci sarà posto.</source>
        <translation>The disk is full: the history of games (%1) cannot be started. Games will be written in it when there is room.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>mancano i permessi di scrittura</source>
        <translation>write permission is missing</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>Il file %1 resta com&apos;era.</source>
        <translation>The file %1 is left as it was.</translation>
    </message>
    <message>
        <source>LessiCorsa è già aperto con i dati di questo utente: questa seconda copia si chiude, perché le due copie non si cancellino a vicenda i vocaboli sbagliati, i giocatori e il certamen.</source>
        <translation>LessiCorsa is already open with this user&apos;s data: this second copy closes, so that the two copies do not wipe out each other&apos;s missed words, players and certamen.</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>al suo posto c&apos;è una cartella</source>
        <translation>there is a folder in its place</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>disk error</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>system error %1</translation>
    </message>
    <message>
        <source>Il file %1 non è stato creato.</source>
        <translation>The file %1 has not been created.</translation>
    </message>
    <message>
        <source>Causa: %1.</source>
        <translation>Reason: %1.</translation>
    </message>
</context>
<context>
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>no usable sound device (%1): the game goes on without sound.</translation>
    </message>
</context>
</TS>
