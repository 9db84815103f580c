<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="it">
<context>
    <name>Auxilium</name>
    <message>
        <source>Il manuale del gioco per gli insegnanti</source>
        <translation>Das Handbuch des Spiels für Lehrkräfte</translation>
    </message>
    <message>
        <source>Il manuale non si trova nella cartella %1: reinstallare il gioco per averlo di nuovo. Il gioco prosegue come sempre.</source>
        <translation>Das Handbuch ist nicht im Ordner %1: Das Spiel neu installieren, um es wiederzubekommen. Das Spiel läuft wie immer weiter.</translation>
    </message>
    <message>
        <source>Il manuale %1 non si può leggere. Il gioco prosegue come sempre.</source>
        <translation>Das Handbuch %1 kann nicht gelesen werden. Das Spiel läuft wie immer weiter.</translation>
    </message>
</context>
<context>
    <name>Certamen</name>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. Si gioca come sempre, ma quel certamen non si può riprendere.</source>
        <translation>Die Certamen-Datei %1 ist beschädigt oder stammt nicht von LessiCorsa: Sie wurde als %2 beiseitegelegt. Es wird wie immer gespielt, aber dieses Certamen kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: il prossimo certamen lo sostituirà. Si gioca come sempre.</source>
        <translation>Die Certamen-Datei %1 ist beschädigt oder stammt nicht von LessiCorsa, und sie konnte nicht beiseitegelegt werden: Das nächste Certamen wird sie ersetzen. Es wird wie immer gespielt.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file del certamen %1: se il programma si chiude ora, i risultati non ancora salvati andranno persi.</source>
        <translation>Die Certamen-Datei %1 kann nicht geschrieben werden: Wenn das Programm jetzt geschlossen wird, gehen die noch nicht gespeicherten Ergebnisse verloren.</translation>
    </message>
    <message>
        <source>Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si perdono. Iniziare un nuovo certamen?</source>
        <translation>Ein Certamen ist noch nicht beendet: Wenn ein neues begonnen wird, gehen seine Ergebnisse verloren. Ein neues Certamen beginnen?</translation>
    </message>
    <message>
        <source>Un alunno della prossima partita è assente: l&apos;altro vince a tavolino</source>
        <translation>Ein Schüler des nächsten Spiels fehlt: Der andere gewinnt kampflos</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Hebt das Ergebnis eines Spiels auf, das noch einmal gespielt wird</translation>
    </message>
    <message>
        <source>Chi è assente?</source>
        <translation>Wer fehlt?</translation>
    </message>
    <message>
        <source>%1 è assente: la partita va a %2 a tavolino. Confermare?</source>
        <translation>%1 fehlt: %2 gewinnt das Spiel kampflos. Bestätigen?</translation>
    </message>
    <message>
        <source>Quale partita si gioca di nuovo?</source>
        <translation>Welches Spiel wird noch einmal gespielt?</translation>
    </message>
    <message>
        <source>Il risultato di %1 contro %2 si annulla e la partita si gioca di nuovo. Confermare?</source>
        <translation>Das Ergebnis von %1 gegen %2 wird aufgehoben und das Spiel noch einmal gespielt. Bestätigen?</translation>
    </message>
    <message>
        <source>Che cosa fare di questa partita del certamen?

Sì: interromperla; si giocherà di nuovo dall&apos;inizio.
No: uscire dal programma; il certamen riprenderà da questa partita.
Annulla: continuare a giocare.</source>
        <translation>Was soll mit diesem Spiel des Certamen geschehen?

Ja: abbrechen; es wird von vorn noch einmal gespielt.
Nein: das Programm beenden; das Certamen geht bei diesem Spiel weiter.
Abbrechen: weiterspielen.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file del certamen %1 (mancano i permessi di lettura): resta com&apos;è e quel certamen non si può riprendere; un nuovo certamen lo sostituirebbe. Si gioca come sempre.</source>
        <translation>Die Certamen-Datei %1 kann nicht gelesen werden (die Leserechte fehlen): Sie bleibt, wie sie ist, und dieses Certamen kann nicht fortgesetzt werden; ein neues Certamen würde sie ersetzen. Es wird wie immer gespielt.</translation>
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
        <translation>Datei &quot;%1&quot; nicht vorhanden</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Persönlicher Wortschatz fehlt</translation>
    </message>
    <message>
        <source>LessiCorsa! Aperi</source>
        <translation>LessiCorsa! Aperi</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt);;Tutti i file (*)</source>
        <translation>Wortschätze (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano frequenza, classe, latino e traduzione. Si può importare con «Importa».</source>
        <translation>Die Datei %1 ist kein Wortschatz: Zu vielen Zeilen fehlen die drei «;», die Häufigkeit, Klasse, Latein und Übersetzung trennen. Sie kann mit «Importa» importiert werden.</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa</source>
        <translation>LessiCorsa! Importa</translation>
    </message>
    <message>
        <source>Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tutti i file (*)</source>
        <translation>Wortschätze anderer Programme (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Impossibile importare il file %1, riga %2: %3.</source>
        <translation>Die Datei %1 kann nicht importiert werden, Zeile %2: %3.</translation>
    </message>
    <message>
        <source>Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.</source>
        <translation>Mit den gewählten Lektionen und Spalten gibt es in der Datei %1 keine Wörter zu importieren.</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa: salva il nuovo elenco</source>
        <translation>LessiCorsa! Importa: die neue Wortliste speichern</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Wortschätze (*.txt)</translation>
    </message>
    <message>
        <source>Il nuovo elenco non può sostituire il file %1 da cui è importato.</source>
        <translation>Die neue Wortliste kann die Datei %1, aus der sie importiert wird, nicht ersetzen.</translation>
    </message>
    <message>
        <source>%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle impostazioni della prossima partita.</source>
        <translation>%1 Wörter in %2 importiert: Um sie zu spielen, «Repertorio meo utor» in den Einstellungen des nächsten Spiels ankreuzen.</translation>
    </message>
    <message>
        <source>
%1 righe senza vocabolo latino non sono state importate.</source>
        <translation>
%1 Zeilen ohne lateinisches Wort wurden nicht importiert.</translation>
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
        <translation>Die Spielerliste kann nicht in %1 gespeichert werden: Die Änderungen gelten nur, bis das Spiel geschlossen wird.</translation>
    </message>
    <message>
        <source>Scrivi il nome del giocatore.</source>
        <translation>Bitte geben Sie den Namen des Spielers ein.</translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 caratteri.</source>
        <translation>Der Name darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome: scegline un altro.</source>
        <translation>Es gibt schon einen Spieler mit diesem Namen: Bitte wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.</source>
        <translation>Den Spieler %1 entfernen? Seine Spielhistorie und seine falsch beantworteten Wörter werden gelöscht.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. I giocatori che si sono potuti leggere restano; gli altri sono nel file messo da parte.</source>
        <translation>Die Spielerliste %1 ist beschädigt oder stammt nicht von LessiCorsa: Sie wurde als %2 beiseitegelegt. Die Spieler, die gelesen werden konnten, bleiben; die anderen stehen in der beiseitegelegten Datei.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>Die Spielerliste %1 ist beschädigt oder stammt nicht von LessiCorsa, und sie konnte nicht beiseitegelegt werden: Sie bleibt, wie sie ist, und die Änderungen an den Spielern gelten nur, bis das Spiel geschlossen wird.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;elenco dei giocatori %1: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>Die Spielerliste %1 kann nicht gelesen werden: Sie bleibt, wie sie ist, und die Änderungen an den Spielern gelten nur, bis das Spiel geschlossen wird.</translation>
    </message>
</context>
<context>
    <name>MissedList</name>
    <message>
        <source>il file non si può leggere</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>non è un file</source>
        <translation>es ist keine Datei</translation>
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
        <translation>Speichert die Ergebnisse in einer CSV-Datei, die sich mit einer Tabellenkalkulation öffnen lässt</translation>
    </message>
    <message>
        <source>Stampa i risultati, o li salva in un file PDF</source>
        <translation>Druckt die Ergebnisse oder speichert sie in einer PDF-Datei</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Hebt das Ergebnis eines Spiels auf, das noch einmal gespielt wird</translation>
    </message>
    <message>
        <source>Un tasto qualsiasi: torna al gioco</source>
        <translation>Beliebige Taste: zurück zum Spiel</translation>
    </message>
    <message>
        <source>cambia il personaggio</source>
        <translation>Figur wechseln</translation>
    </message>
    <message>
        <source>un alunno è assente</source>
        <translation>ein Schüler fehlt</translation>
    </message>
    <message>
        <source>rigioca una partita</source>
        <translation>ein Spiel wiederholen</translation>
    </message>
    <message>
        <source>chiudi</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Invio o spazio: inizia la partita</source>
        <translation>Eingabe oder Leertaste: das Spiel beginnt</translation>
    </message>
    <message>
        <source>Partite da giocare: %1, circa %2 minuti</source>
        <translation>Verbleibende Spiele: %1, etwa %2 Minuten</translation>
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
    <name>formae</name>
    <message>
        <source>Manca il lessico delle forme &quot;%1&quot;.</source>
        <translation>Das Formenlexikon &quot;%1&quot; fehlt.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; non si può leggere.</source>
        <translation>Das Formenlexikon &quot;%1&quot; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; è danneggiato (riga %2).</source>
        <translation>Das Formenlexikon &quot;%1&quot; ist beschädigt (Zeile %2).</translation>
    </message>
</context>
<context>
    <name>formae::Formae</name>
    <message>
        <source>Mostra le vocali lunghe con il segno di lunghezza (amīcus)</source>
        <translation>Zeigt die langen Vokale mit dem Längenzeichen (amīcus)</translation>
    </message>
    <message>
        <source>Impossibile leggere il lessico delle forme.</source>
        <translation>Das Formenlexikon kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>

Il gioco delle forme resta spento; il gioco dei vocaboli continua come sempre.</source>
        <translation>

Das Formenspiel bleibt ausgeschaltet; das Vokabelspiel läuft wie immer weiter.</translation>
    </message>
    <message>
        <source>%1 vocaboli dell&apos;elenco non sono nel lessico: il gioco delle forme li lascia fuori.</source>
        <translation>%1 Wörter der Liste stehen nicht im Lexikon: Das Formenspiel lässt sie aus.</translation>
    </message>
    <message>
        <source>Nessun vocabolo scelto ha forme da chiedere: cambia le scelte delle classi o delle forme.</source>
        <translation>Keines der gewählten Wörter hat Formen zum Abfragen: Ändere die Auswahl der Klassen oder der Formen.</translation>
    </message>
</context>
<context>
    <name>frmAuxilium</name>
    <message>
        <source>Scrivere una parola e premere Invio per trovarla nel manuale</source>
        <translation>Ein Wort eingeben und die Eingabetaste drücken, um es im Handbuch zu finden</translation>
    </message>
    <message>
        <source>Indice: un clic porta al capitolo</source>
        <translation>Inhalt: Ein Klick führt zum Kapitel</translation>
    </message>
</context>
<context>
    <name>frmCertamen</name>
    <message>
        <source>Un nome per riga: da 3 a 32 alunni o squadre</source>
        <translation>Ein Name pro Zeile: 3 bis 32 Schüler oder Mannschaften</translation>
    </message>
    <message>
        <source>Legge i nomi da un file di testo, uno per riga</source>
        <translation>Liest die Namen aus einer Textdatei, einen pro Zeile</translation>
    </message>
    <message>
        <source>Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale</source>
        <translation>K.-o.-System: Wer verliert, scheidet aus; 3 bis 32 Teilnehmer, zufällig ausgelost</translation>
    </message>
    <message>
        <source>Girone all&apos;italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti</source>
        <translation>Jeder gegen jeden: Alle spielen einmal gegen jeden anderen; 3 bis 8 Teilnehmer</translation>
    </message>
    <message>
        <source>Sceglie, nella finestra delle impostazioni, come si gioca ogni partita</source>
        <translation>Legt im Einstellungsfenster fest, wie jedes Spiel gespielt wird</translation>
    </message>
    <message>
        <source>Sorteggia il certamen e mostra la tabula</source>
        <translation>Lost das Certamen aus und zeigt die Tabula</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 come elenco di nomi: deve essere un file di testo di al massimo 64 KB, un nome per riga.</source>
        <translation>Die Datei %1 kann nicht als Namensliste gelesen werden: Sie muss eine Textdatei von höchstens 64 KB sein, ein Name pro Zeile.</translation>
    </message>
    <message>
        <source>Durata stimata: le partite per la durata tipica di una partita con queste parole e questa velocità. Si può dividere in più lezioni: il certamen riprende da dove si è fermato</source>
        <translation>Geschätzte Dauer: die Spiele mal die übliche Dauer eines Spiels mit diesen Wörtern und dieser Geschwindigkeit. Es lässt sich auf mehrere Stunden verteilen: Das Certamen geht dort weiter, wo es aufgehört hat</translation>
    </message>
    <message>
        <source>Ogni partita chiede le forme delle parole invece del loro significato</source>
        <translation>Jedes Spiel fragt die Formen der Wörter statt ihrer Bedeutung ab</translation>
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
    <name>frmFormae</name>
    <message>
        <source>Chiedi le forme dei nomi</source>
        <translation>Die Formen der Substantive abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme degli aggettivi</source>
        <translation>Die Formen der Adjektive abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme dei pronomi</source>
        <translation>Die Formen der Pronomen abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme dei verbi</source>
        <translation>Die Formen der Verben abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo indicativo</source>
        <translation>Die Formen des Indikativs abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo congiuntivo</source>
        <translation>Die Formen des Konjunktivs abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo imperativo</source>
        <translation>Die Formen des Imperativs abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo infinito</source>
        <translation>Die Formen des Infinitivs abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del presente</source>
        <translation>Die Formen des Präsens abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme dell&apos;imperfetto</source>
        <translation>Die Formen des Imperfekts abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro semplice</source>
        <translation>Die Formen des Futurs I abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del perfetto</source>
        <translation>Die Formen des Perfekts abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del piuccheperfetto</source>
        <translation>Die Formen des Plusquamperfekts abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro anteriore</source>
        <translation>Die Formen des Futurs II abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme attive</source>
        <translation>Die aktiven Formen abfragen</translation>
    </message>
    <message>
        <source>Chiedi le forme passive (e dei deponenti)</source>
        <translation>Die passiven Formen (und die der Deponentien) abfragen</translation>
    </message>
    <message>
        <source>Conserva queste scelte per le partite di forme</source>
        <translation>Diese Auswahl für die Formenspiele behalten</translation>
    </message>
    <message>
        <source>Chiudi senza cambiare le scelte</source>
        <translation>Schließen, ohne die Auswahl zu ändern</translation>
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
        <translation>Das Zeichen, das die Felder der CSV-Datei trennt</translation>
    </message>
    <message>
        <source>La prima riga del file dà i nomi delle colonne</source>
        <translation>Die erste Zeile der Datei enthält die Namen der Spalten</translation>
    </message>
    <message>
        <source>Le lezioni (o i mazzi di Anki) da importare</source>
        <translation>Die Lektionen (oder Anki-Stapel), die importiert werden</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Colonna %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o scrivere il nome della lingua) o niente (-)</source>
        <translation>Was diese Spalte enthält: das Latein, die Klasse, eine Übersetzung (den Namen der Sprache wählen oder eingeben) oder nichts (-)</translation>
    </message>
    <message>
        <source>Scegliere la colonna del latino (Latinum)</source>
        <translation>Die Spalte mit dem Latein wählen (Latinum)</translation>
    </message>
    <message>
        <source>%1 vocaboli da importare</source>
        <translation>%1 Wörter zum Importieren</translation>
    </message>
    <message>
        <source>Importa anche le %1 voci che il file segna come disattivate</source>
        <translation>Importiert auch die %1 Einträge, die die Datei als deaktiviert kennzeichnet</translation>
    </message>
</context>
<context>
    <name>frmImprime</name>
    <message>
        <source>L&apos;elenco intero, come tabella</source>
        <translation>Die ganze Wortliste als Tabelle</translation>
    </message>
    <message>
        <source>Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; le soluzioni su una pagina a parte</source>
        <translation>Ein Test: die lateinischen Wörter in zufälliger Reihenfolge mit Zeilen für die Antworten; die Lösungen auf einer eigenen Seite</translation>
    </message>
    <message>
        <source>Impossibile stampare.</source>
        <translation>Drucken nicht möglich.</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>frmProgressus</name>
    <message>
        <source>Salva le partite del giocatore in un file CSV</source>
        <translation>Speichert die Spiele des Spielers in einer CSV-Datei</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>frmRepertorium</name>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Die Datei %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Aggiunge una riga dopo quella scelta (tasto Ins)</source>
        <translation>Fügt nach der gewählten Zeile eine neue ein (Taste Einfg)</translation>
    </message>
    <message>
        <source>Cancella le righe scelte (tasto Canc)</source>
        <translation>Löscht die gewählten Zeilen (Taste Entf)</translation>
    </message>
    <message>
        <source>Salva l&apos;elenco (Ctrl+S)</source>
        <translation>Speichert die Wortliste (Strg+S)</translation>
    </message>
    <message>
        <source>Nuovo elenco, non ancora salvato</source>
        <translation>Neue Wortliste, noch nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 righe</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>, %1 segnate</source>
        <translation>, %1 markiert</translation>
    </message>
    <message>
        <source> (non salvato)</source>
        <translation> (nicht gespeichert)</translation>
    </message>
    <message>
        <source>LessiCorsa! Salva</source>
        <translation>LessiCorsa! Salva</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Wortschätze (*.txt)</translation>
    </message>
    <message>
        <source>«%1» non c&apos;è</source>
        <translation>«%1» nicht gefunden</translation>
    </message>
    <message>
        <source>il nuovo elenco</source>
        <translation>der neuen Wortliste</translation>
    </message>
    <message>
        <source>Le modifiche a %1 non sono salvate. Chiudere senza salvarle?</source>
        <translation>Die Änderungen an %1 sind nicht gespeichert. Ohne Speichern schließen?</translation>
    </message>
</context>
<context>
    <name>lists</name>
    <message>
        <source>riga %1: la colonna «%2» non è un numero da 1 in su</source>
        <translation>Zeile %1: Die Spalte «%2» ist keine Zahl ab 1</translation>
    </message>
    <message>
        <source>riga %1: separatore «%2» sconosciuto</source>
        <translation>Zeile %1: unbekanntes Trennzeichen «%2»</translation>
    </message>
    <message>
        <source>riga %1: %2 campi invece di %3</source>
        <translation>Zeile %1: %2 Felder statt %3</translation>
    </message>
    <message>
        <source>le virgolette aperte qui non si chiudono più</source>
        <translation>die hier geöffneten Anführungszeichen werden nicht mehr geschlossen</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.</source>
        <translation>Die Datei %1 ist zu groß (%2 MB): Importiert werden Dateien bis %3 MB.</translation>
    </message>
    <message>
        <source>il testo UTF-16 è interrotto</source>
        <translation>der UTF-16-Text bricht ab</translation>
    </message>
    <message>
        <source>il file contiene dati binari, non testo</source>
        <translation>die Datei enthält Binärdaten, keinen Text</translation>
    </message>
    <message>
        <source>Lingua %1</source>
        <translation>Sprache %1</translation>
    </message>
    <message>
        <source>il file si dice in UTF-8 ma questa riga è scritta in un&apos;altra codifica</source>
        <translation>die Datei gibt UTF-8 an, aber diese Zeile ist in einer anderen Kodierung geschrieben</translation>
    </message>
    <message>
        <source>Nomen: ______________________________      Dies: ______________</source>
        <translation>Nomen: ______________________________      Dies: ______________</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2. Il file di prima resta com&apos;era.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2. Die bisherige Datei bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2.</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>lists::AddCommand</name>
    <message>
        <source>Aggiunta</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>lists::CellCommand</name>
    <message>
        <source>Modifica</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>lists::Kvtml</name>
    <message>
        <source>un elemento si chiude con un nome diverso da quello con cui si apre</source>
        <translation>ein Element wird mit einem anderen Namen geschlossen als dem, mit dem es geöffnet wurde</translation>
    </message>
    <message>
        <source>c&apos;è altro testo dopo la fine del documento</source>
        <translation>nach dem Ende des Dokuments steht noch weiterer Text</translation>
    </message>
    <message>
        <source>un carattere che l&apos;XML non ammette</source>
        <translation>ein Zeichen, das XML nicht zulässt</translation>
    </message>
    <message>
        <source>testo in una codifica diversa da quella dichiarata</source>
        <translation>Text in einer anderen als der angegebenen Kodierung</translation>
    </message>
    <message>
        <source>un attributo ripetuto nello stesso elemento</source>
        <translation>ein im selben Element wiederholtes Attribut</translation>
    </message>
    <message>
        <source>un&apos;entità XML non dichiarata o non valida</source>
        <translation>eine nicht deklarierte oder ungültige XML-Entität</translation>
    </message>
    <message>
        <source>una codifica sconosciuta nella dichiarazione XML</source>
        <translation>eine unbekannte Kodierung in der XML-Deklaration</translation>
    </message>
    <message>
        <source>il documento non ha un elemento principale</source>
        <translation>das Dokument hat kein Wurzelelement</translation>
    </message>
</context>
<context>
    <name>lists::ListModel</name>
    <message>
        <source>«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.</source>
        <translation>«%1» kann nicht in diese Wortliste geschrieben werden: Das Semikolon trennt die Felder, jedes Wort steht in einer Zeile, und die Kodierung der Datei (Windows-1252) hat nicht alle Zeichen.</translation>
    </message>
</context>
<context>
    <name>lists::Reader</name>
    <message>
        <source>il file dichiara entità XML, che non si espandono</source>
        <translation>die Datei deklariert XML-Entitäten, die nicht aufgelöst werden</translation>
    </message>
    <message>
        <source>il file usa l&apos;entità XML «%1», che non si espande</source>
        <translation>die Datei verwendet die XML-Entität «%1», die nicht aufgelöst wird</translation>
    </message>
    <message>
        <source>XML non valido: %1</source>
        <translation>Ungültiges XML: %1</translation>
    </message>
    <message>
        <source>riga %1: una voce senza numero (id)</source>
        <translation>Zeile %1: ein Eintrag ohne Nummer (id)</translation>
    </message>
    <message>
        <source>Lezione alla riga %1</source>
        <translation>Lektion in Zeile %1</translation>
    </message>
    <message>
        <source>riga %1: la lezione «%2» non nomina nessuna voce</source>
        <translation>Zeile %1: Die Lektion «%2» nennt keinen Eintrag</translation>
    </message>
    <message>
        <source>riga %1: %2 nomina la voce %3, che non c&apos;è</source>
        <translation>Zeile %1: %2 nennt den Eintrag %3, den es nicht gibt</translation>
    </message>
    <message>
        <source>la lezione «%1»</source>
        <translation>die Lektion «%1»</translation>
    </message>
    <message>
        <source>il tipo di parola «%1»</source>
        <translation>die Wortart «%1»</translation>
    </message>
    <message>
        <source>non è un file KVTML (l&apos;elemento principale è «%1»)</source>
        <translation>keine KVTML-Datei (das Wurzelelement ist «%1»)</translation>
    </message>
    <message>
        <source>versione KVTML «%1»: si leggono i file KVTML 2</source>
        <translation>KVTML-Version «%1»: Gelesen werden KVTML-2-Dateien</translation>
    </message>
    <message>
        <source>il file è vuoto o non è un file KVTML</source>
        <translation>die Datei ist leer oder keine KVTML-Datei</translation>
    </message>
    <message>
        <source>riga %1: la traduzione %2 non ha un identificatore</source>
        <translation>Zeile %1: Die Übersetzung %2 hat keine Kennung</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 non ha testo</source>
        <translation>Zeile %1: Der Eintrag %2 hat keinen Text</translation>
    </message>
    <message>
        <source>XML non valido: il file finisce prima che si chiudano gli elementi aperti</source>
        <translation>Ungültiges XML: Die Datei endet, bevor die offenen Elemente geschlossen sind</translation>
    </message>
    <message>
        <source>XML non valido: un segno al posto sbagliato (colonna %1)</source>
        <translation>Ungültiges XML: ein Zeichen an der falschen Stelle (Spalte %1)</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 c&apos;è già: si tengono tutte e due</source>
        <translation>Zeile %1: Den Eintrag %2 gibt es schon: Beide werden behalten</translation>
    </message>
    <message>
        <source>le lezioni o i tipi di parola sono annidati più di %1 livelli</source>
        <translation>die Lektionen oder Wortarten sind mehr als %1 Ebenen tief verschachtelt</translation>
    </message>
    <message>
        <source>è un file KVTML 1, la versione più vecchia del formato: si leggono i file KVTML 2</source>
        <translation>es ist eine KVTML-1-Datei, die älteste Version des Formats: Gelesen werden KVTML-2-Dateien</translation>
    </message>
</context>
<context>
    <name>lists::RemoveCommand</name>
    <message>
        <source>Cancellazione</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>lists::SortCommand</name>
    <message>
        <source>Ordinamento</source>
        <translation>Sortieren</translation>
    </message>
</context>
<context>
    <name>lists::WordList</name>
    <message>
        <source>Record difettoso: mancano i tre «;» che separano i campi</source>
        <translation>Fehlerhafter Eintrag: Es fehlen die drei «;», die die Felder trennen</translation>
    </message>
    <message>
        <source>Vocabolo latino vuoto</source>
        <translation>Leeres lateinisches Wort</translation>
    </message>
    <message>
        <source>Record fuori classe: ordine di frequenza %1</source>
        <translation>Eintrag ohne gültige Klasse: Häufigkeitsklasse %1</translation>
    </message>
    <message>
        <source>Record fuori classe: classe grammaticale «%1»</source>
        <translation>Eintrag ohne gültige Klasse: grammatische Klasse «%1»</translation>
    </message>
    <message>
        <source>Record difettoso se si gioca in %1: manca la traduzione</source>
        <translation>Fehlerhafter Eintrag, wenn auf %1 gespielt wird: Die Übersetzung fehlt</translation>
    </message>
</context>
<context>
    <name>players::HistoryWorker</name>
    <message>
        <source>Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta con la prossima, se ci sarà posto.</source>
        <translation>Der Datenträger ist voll: Das Spiel wurde nicht in die Spielhistorie (%1) aufgenommen. Es wird mit dem nächsten eingetragen, wenn Platz ist.</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era danneggiata</source>
        <translation>Die Spielhistorie (%1) war beschädigt</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era il file di un altro programma</source>
        <translation>Die Spielhistorie (%1) war die Datei eines anderen Programms</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) è di una versione di LessiCorsa che questo programma non conosce</source>
        <translation>Die Spielhistorie (%1) stammt von einer Version von LessiCorsa, die dieses Programm nicht kennt</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: Sie wurde als %2 beiseitegelegt, und eine neue wurde begonnen. Das Spiel geht weiter; die falsch beantworteten Wörter bleiben unberührt.</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2, ma non se ne può cominciare una nuova: le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: Sie wurde als %2 beiseitegelegt, aber eine neue kann nicht begonnen werden: Die Spiele werden nicht gespeichert. Das Spiel geht weiter; die falsch beantworteten Wörter bleiben unberührt.</translation>
    </message>
    <message>
        <source>Impossibile scrivere la storia delle partite (%1): le partite non vengono registrate. Il gioco continua.</source>
        <translation>Die Spielhistorie (%1) kann nicht geschrieben werden: Die Spiele werden nicht gespeichert. Das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Impossibile leggere la storia delle partite (%1): resta com&apos;è e le partite non vi vengono registrate. Il gioco continua.</source>
        <translation>Die Spielhistorie (%1) kann nicht gelesen werden: Sie bleibt, wie sie ist, und die Spiele werden nicht darin gespeichert. Das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>Il disco è pieno: la storia delle partite (%1) non si può cominciare. Le partite vi saranno scritte quando ci sarà posto.</source>
        <translation>Der Datenträger ist voll: Die Spielhistorie (%1) kann nicht angelegt werden. Die Spiele werden darin eingetragen, sobald Platz ist.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>il disco è pieno</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>mancano i permessi di scrittura</source>
        <translation>die Schreibrechte fehlen</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Il file %1 resta com&apos;era.</source>
        <translation>Die Datei %1 bleibt, wie sie war.</translation>
    </message>
    <message>
        <source>LessiCorsa è già aperto con i dati di questo utente: questa seconda copia si chiude, perché le due copie non si cancellino a vicenda i vocaboli sbagliati, i giocatori e il certamen.</source>
        <translation>LessiCorsa ist mit den Daten dieses Benutzers schon geöffnet: Diese zweite Kopie wird geschlossen, damit die beiden Kopien einander nicht die falsch beantworteten Wörter, die Spieler und das Certamen löschen.</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>al suo posto c&apos;è una cartella</source>
        <translation>an ihrer Stelle steht ein Ordner</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>Fehler des Datenträgers</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>Il file %1 non è stato creato.</source>
        <translation>Die Datei %1 wurde nicht angelegt.</translation>
    </message>
    <message>
        <source>Causa: %1.</source>
        <translation>Ursache: %1.</translation>
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
