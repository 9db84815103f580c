<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="it">
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
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>no usable sound device (%1): the game goes on without sound.</translation>
    </message>
</context>
</TS>
