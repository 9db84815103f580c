<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it">
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
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>kein nutzbares Audiogerät (%1): das Spiel läuft ohne Ton weiter.</translation>
    </message>
</context>
</TS>
