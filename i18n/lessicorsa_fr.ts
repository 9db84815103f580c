<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it">
<context>
    <name>Errata</name>
    <message>
        <source>Impossibile leggere il file %1: il file resta com&apos;è e i vocaboli sbagliati non vengono registrati.</source>
        <translation>Impossible de lire le fichier %1 : il reste tel quel et les mots manqués ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: l&apos;ultimo vocabolo sbagliato non è stato registrato.</source>
        <translation>Impossible d&apos;écrire le fichier %1 : le dernier mot manqué n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>Questi vocaboli sbagliati non sono più nel file %1: restano nell&apos;elenco e si giocano con le traduzioni salvate.

%2</source>
        <translation>Ces mots manqués ne sont plus dans le fichier %1 : ils restent dans la liste et se jouent avec les traductions enregistrées.

%2</translation>
    </message>
</context>
<context>
    <name>Impostazioni</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>fichier &quot;%1&quot; inexistant</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Vocabulaire personnel absent</translation>
    </message>
    <message>
        <source>Salva le impostazioni - Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta.</source>
        <translation>Un joueur&#xa0;: appuyer sur la touche Enter quand la bonne traduction est en surbrillance.</translation>
    </message>
    <message>
        <source>Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0.</source>
        <translation>Deux joueurs&#xa0;: le joueur de gauche utilise la touche 1, le joueur de droite la touche 0.</translation>
    </message>
    <message>
        <source>Imposta la velocità di svolgimento del gioco</source>
        <translation>Règle la vitesse du jeu</translation>
    </message>
    <message>
        <source>Imposta il numero di verbi su cui svolgere l&apos;esercizio</source>
        <translation>Règle le nombre de mots de l&apos;exercice</translation>
    </message>
    <message>
        <source>Spuntare la casella per escludere dal gioco i vocaboli tropppo simili all&apos;italiano (prime due lettere uguali).</source>
        <translation>Cocher la case pour écarter du jeu les mots trop proches de leur traduction (deux premières lettres identiques).</translation>
    </message>
    <message>
        <source>I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: scegliere quelli con cui giocare</source>
        <translation>Les 1600 mots latins les plus fréquents sont répartis en 4 classes de fréquence&#xa0;: choisir celles avec lesquelles jouer</translation>
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
        <translation>&amp;Annuler</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Traduci</name>
    <message>
        <source>Solo %1 vocaboli selezionati!</source>
        <translation>Seulement%1 mots choisis&#xa0;!</translation>
    </message>
    <message>
        <source>(tasto Enter)</source>
        <translation>(touche Enter)</translation>
    </message>
    <message>
        <source>(tasto 1 e tasto 0)</source>
        <translation>(touches 1 et 0)</translation>
    </message>
    <message>
        <source>Lascia perdere il mouse e usa la tastiera %1</source>
        <translation>Oublie la souris et utilise le clavier %1</translation>
    </message>
    <message>
        <source>errore %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>File %1 assente o difettoso</source>
        <translation>Fichier %1 absent ou défectueux</translation>
    </message>
    <message>
        <source>Troppi record difettosi nel file %1</source>
        <translation>Trop d&apos;enregistrements défectueux dans le fichier %1</translation>
    </message>
    <message>
        <source>Record difettosi nel file  %1</source>
        <translation>Enregistrements défectueux dans le fichier %1</translation>
    </message>
    <message>
        <source>Solo%1 vocaboli nel file  %2</source>
        <translation>Seulement%1 mots dans le fichier %2</translation>
    </message>
    <message>
        <source>Attendere caricamento</source>
        <translation>Chargement en cours</translation>
    </message>
    <message>
        <source>Record fuori classe nel file  %1</source>
        <translation>Enregistrements hors classe dans le fichier %1</translation>
    </message>
</context>
<context>
    <name>frmErrata</name>
    <message>
        <source>Una partita con i soli vocaboli sbagliati</source>
        <translation>Une partie avec les seuls mots manqués</translation>
    </message>
    <message>
        <source>Svuota l&apos;elenco dei vocaboli sbagliati</source>
        <translation>Vider la liste des mots manqués</translation>
    </message>
    <message>
        <source>Cancellare dall&apos;elenco tutti i vocaboli sbagliati?</source>
        <translation>Effacer de la liste tous les mots manqués ?</translation>
    </message>
</context>
<context>
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>aucun périphérique audio utilisable (%1) : le jeu continue sans son.</translation>
    </message>
</context>
</TS>
