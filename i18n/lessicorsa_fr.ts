<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="it">
<context>
    <name>Auxilium</name>
    <message>
        <source>Il manuale del gioco per gli insegnanti</source>
        <translation>Le manuel du jeu pour les enseignants</translation>
    </message>
    <message>
        <source>Il manuale non si trova nella cartella %1: reinstallare il gioco per averlo di nuovo. Il gioco prosegue come sempre.</source>
        <translation>Le manuel ne se trouve pas dans le dossier %1&#xa0;: réinstaller le jeu pour le retrouver. Le jeu continue comme d&apos;habitude.</translation>
    </message>
    <message>
        <source>Il manuale %1 non si può leggere. Il gioco prosegue come sempre.</source>
        <translation>Le manuel %1 ne peut pas être lu. Le jeu continue comme d&apos;habitude.</translation>
    </message>
</context>
<context>
    <name>Certamen</name>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. Si gioca come sempre, ma quel certamen non si può riprendere.</source>
        <translation>Le fichier du certamen %1 est endommagé ou n&apos;est pas de LessiCorsa&#xa0;: il a été mis de côté sous le nom %2. On joue comme d&apos;habitude, mais ce certamen ne peut pas être repris.</translation>
    </message>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: il prossimo certamen lo sostituirà. Si gioca come sempre.</source>
        <translation>Le fichier du certamen %1 est endommagé ou n&apos;est pas de LessiCorsa, et il n&apos;a pas pu être mis de côté&#xa0;: le prochain certamen le remplacera. On joue comme d&apos;habitude.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file del certamen %1: se il programma si chiude ora, i risultati non ancora salvati andranno persi.</source>
        <translation>Impossible d&apos;écrire le fichier du certamen %1&#xa0;: si le programme se ferme maintenant, les résultats pas encore enregistrés seront perdus.</translation>
    </message>
    <message>
        <source>Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si perdono. Iniziare un nuovo certamen?</source>
        <translation>Un certamen n&apos;est pas encore terminé&#xa0;: si vous en commencez un nouveau, ses résultats seront perdus. Commencer un nouveau certamen&#xa0;?</translation>
    </message>
    <message>
        <source>Un alunno della prossima partita è assente: l&apos;altro vince a tavolino</source>
        <translation>Un élève du prochain match est absent : l&apos;autre gagne par forfait</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Annule le résultat d&apos;un match, qui est rejoué</translation>
    </message>
    <message>
        <source>Chi è assente?</source>
        <translation>Qui est absent ?</translation>
    </message>
    <message>
        <source>%1 è assente: la partita va a %2 a tavolino. Confermare?</source>
        <translation>%1 est absent : %2 gagne le match par forfait. Confirmer ?</translation>
    </message>
    <message>
        <source>Quale partita si gioca di nuovo?</source>
        <translation>Quel match est rejoué ?</translation>
    </message>
    <message>
        <source>Il risultato di %1 contro %2 si annulla e la partita si gioca di nuovo. Confermare?</source>
        <translation>Le résultat de %1 contre %2 est annulé et le match est rejoué. Confirmer ?</translation>
    </message>
    <message>
        <source>Che cosa fare di questa partita del certamen?

Sì: interromperla; si giocherà di nuovo dall&apos;inizio.
No: uscire dal programma; il certamen riprenderà da questa partita.
Annulla: continuare a giocare.</source>
        <translation>Que faire de ce match du tournoi ?

Oui : l&apos;interrompre ; il sera rejoué depuis le début.
Non : quitter le programme ; le tournoi reprendra à ce match.
Annuler : continuer à jouer.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file del certamen %1 (mancano i permessi di lettura): resta com&apos;è e quel certamen non si può riprendere; un nuovo certamen lo sostituirebbe. Si gioca come sempre.</source>
        <translation>Impossible de lire le fichier du certamen %1 (il manque les droits de lecture)&#xa0;: il reste tel quel et ce certamen ne peut pas être repris&#xa0;; un nouveau certamen le remplacerait. On joue comme d&apos;habitude.</translation>
    </message>
</context>
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
    <name>Lists</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>fichier &quot;%1&quot; inexistant</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Vocabulaire personnel absent</translation>
    </message>
    <message>
        <source>LessiCorsa! Aperi</source>
        <translation>LessiCorsa! Aperi</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt);;Tutti i file (*)</source>
        <translation>Vocabulaires (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano frequenza, classe, latino e traduzione. Si può importare con «Importa».</source>
        <translation>Le fichier %1 n&apos;est pas un vocabulaire&#xa0;: trop de lignes n&apos;ont pas les trois «&#xa0;;&#xa0;» qui séparent fréquence, classe, latin et traduction. On peut l&apos;importer avec «&#xa0;Importa&#xa0;».</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa</source>
        <translation>LessiCorsa! Importa</translation>
    </message>
    <message>
        <source>Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tutti i file (*)</source>
        <translation>Vocabulaires d&apos;autres programmes (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Impossibile importare il file %1, riga %2: %3.</source>
        <translation>Impossible d&apos;importer le fichier %1, ligne %2&#xa0;: %3.</translation>
    </message>
    <message>
        <source>Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.</source>
        <translation>Aucun mot à importer du fichier %1 avec les leçons et les colonnes choisies.</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa: salva il nuovo elenco</source>
        <translation>LessiCorsa! Importa&#xa0;: enregistrer la nouvelle liste</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabulaires (*.txt)</translation>
    </message>
    <message>
        <source>Il nuovo elenco non può sostituire il file %1 da cui è importato.</source>
        <translation>La nouvelle liste ne peut pas remplacer le fichier %1 dont elle est importée.</translation>
    </message>
    <message>
        <source>%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle impostazioni della prossima partita.</source>
        <translation>%1 mots importés dans %2&#xa0;: pour les jouer, cocher «&#xa0;Repertorio meo utor&#xa0;» dans les réglages de la prochaine partie.</translation>
    </message>
    <message>
        <source>
%1 righe senza vocabolo latino non sono state importate.</source>
        <translation>
%1 lignes sans mot latin n&apos;ont pas été importées.</translation>
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
        <translation>Impossible d&apos;enregistrer la liste des joueurs dans %1&#xa0;: les modifications ne valent que jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Scrivi il nome del giocatore.</source>
        <translation>Écrivez le nom du joueur.</translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 caratteri.</source>
        <translation>Le nom peut avoir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome: scegline un altro.</source>
        <translation>Il y a déjà un joueur de ce nom&#xa0;: choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.</source>
        <translation>Retirer le joueur %1&#xa0;? Son historique et ses mots manqués seront effacés.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. I giocatori che si sono potuti leggere restano; gli altri sono nel file messo da parte.</source>
        <translation>La liste des joueurs %1 est endommagée ou n&apos;est pas de LessiCorsa&#xa0;: elle a été mise de côté sous le nom %2. Les joueurs qui ont pu être lus restent&#xa0;; les autres sont dans le fichier mis de côté.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>La liste des joueurs %1 est endommagée ou n&apos;est pas de LessiCorsa, et elle n&apos;a pas pu être mise de côté&#xa0;: elle reste telle quelle, et les modifications des joueurs ne valent que jusqu&apos;à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;elenco dei giocatori %1: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>Impossible de lire la liste des joueurs %1&#xa0;: elle reste telle quelle, et les modifications des joueurs ne valent que jusqu&apos;à la fermeture du jeu.</translation>
    </message>
</context>
<context>
    <name>MissedList</name>
    <message>
        <source>il file non si può leggere</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>non è un file</source>
        <translation>ce n&apos;est pas un fichier</translation>
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
    <name>Tabula</name>
    <message>
        <source>Salva i risultati in un file CSV, da aprire con un foglio di calcolo</source>
        <translation>Enregistre les résultats dans un fichier CSV, à ouvrir avec un tableur</translation>
    </message>
    <message>
        <source>Stampa i risultati, o li salva in un file PDF</source>
        <translation>Imprime les résultats, ou les enregistre dans un fichier PDF</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Annule le résultat d&apos;un match, qui est rejoué</translation>
    </message>
    <message>
        <source>Un tasto qualsiasi: torna al gioco</source>
        <translation>Une touche quelconque : retour au jeu</translation>
    </message>
    <message>
        <source>cambia il personaggio</source>
        <translation>changer de personnage</translation>
    </message>
    <message>
        <source>un alunno è assente</source>
        <translation>un élève est absent</translation>
    </message>
    <message>
        <source>rigioca una partita</source>
        <translation>rejouer un match</translation>
    </message>
    <message>
        <source>chiudi</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Invio o spazio: inizia la partita</source>
        <translation>Entrée ou Espace : le match commence</translation>
    </message>
    <message>
        <source>Partite da giocare: %1, circa %2 minuti</source>
        <translation>Matchs restants : %1, environ %2 minutes</translation>
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
    <name>formae</name>
    <message>
        <source>Manca il lessico delle forme &quot;%1&quot;.</source>
        <translation>Le lexique des formes « %1 » est introuvable.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; non si può leggere.</source>
        <translation>Le lexique des formes « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; è danneggiato (riga %2).</source>
        <translation>Le lexique des formes « %1 » est abîmé (ligne %2).</translation>
    </message>
</context>
<context>
    <name>formae::Formae</name>
    <message>
        <source>Mostra le vocali lunghe con il segno di lunghezza (amīcus)</source>
        <translation>Affiche les voyelles longues avec le signe de longueur (amīcus)</translation>
    </message>
    <message>
        <source>Impossibile leggere il lessico delle forme.</source>
        <translation>Impossible de lire le lexique des formes.</translation>
    </message>
    <message>
        <source>

Il gioco delle forme resta spento; il gioco dei vocaboli continua come sempre.</source>
        <translation>

Le jeu des formes reste désactivé&#xa0;; le jeu de vocabulaire continue comme d&apos;habitude.</translation>
    </message>
    <message>
        <source>%1 vocaboli dell&apos;elenco non sono nel lessico: il gioco delle forme li lascia fuori.</source>
        <translation>%1 mots de la liste ne sont pas dans le lexique&#xa0;: le jeu des formes les laisse de côté.</translation>
    </message>
    <message>
        <source>Nessun vocabolo scelto ha forme da chiedere: cambia le scelte delle classi o delle forme.</source>
        <translation>Aucun mot choisi n&apos;a de formes à demander&#xa0;: change le choix des classes ou des formes.</translation>
    </message>
</context>
<context>
    <name>frmAuxilium</name>
    <message>
        <source>Scrivere una parola e premere Invio per trovarla nel manuale</source>
        <translation>Écrire un mot et appuyer sur Entrée pour le trouver dans le manuel</translation>
    </message>
    <message>
        <source>Indice: un clic porta al capitolo</source>
        <translation>Sommaire&#xa0;: un clic mène au chapitre</translation>
    </message>
</context>
<context>
    <name>frmCertamen</name>
    <message>
        <source>Un nome per riga: da 3 a 32 alunni o squadre</source>
        <translation>Un nom par ligne&#xa0;: de 3 à 32 élèves ou équipes</translation>
    </message>
    <message>
        <source>Legge i nomi da un file di testo, uno per riga</source>
        <translation>Lit les noms dans un fichier texte, un par ligne</translation>
    </message>
    <message>
        <source>Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale</source>
        <translation>Élimination directe&#xa0;: qui perd sort&#xa0;; de 3 à 32 concurrents, tirage au sort</translation>
    </message>
    <message>
        <source>Girone all&apos;italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti</source>
        <translation>Championnat&#xa0;: chacun joue une fois contre chacun des autres&#xa0;; de 3 à 8 concurrents</translation>
    </message>
    <message>
        <source>Sceglie, nella finestra delle impostazioni, come si gioca ogni partita</source>
        <translation>Choisit, dans la fenêtre des réglages, comment se joue chaque partie</translation>
    </message>
    <message>
        <source>Sorteggia il certamen e mostra la tabula</source>
        <translation>Tire au sort le certamen et affiche la tabula</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 come elenco di nomi: deve essere un file di testo di al massimo 64 KB, un nome per riga.</source>
        <translation>Impossible de lire le fichier %1 comme liste de noms&#xa0;: ce doit être un fichier texte de 64 Ko au plus, un nom par ligne.</translation>
    </message>
    <message>
        <source>Durata stimata: le partite per la durata tipica di una partita con queste parole e questa velocità. Si può dividere in più lezioni: il certamen riprende da dove si è fermato</source>
        <translation>Durée estimée : les matchs multipliés par la durée habituelle d&apos;un match avec ces mots et cette vitesse. On peut la répartir sur plusieurs leçons : le tournoi reprend là où il s&apos;est arrêté</translation>
    </message>
    <message>
        <source>Ogni partita chiede le forme delle parole invece del loro significato</source>
        <translation>Chaque match demande les formes des mots au lieu de leur sens</translation>
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
    <name>frmFormae</name>
    <message>
        <source>Chiedi le forme dei nomi</source>
        <translation>Demander les formes des noms</translation>
    </message>
    <message>
        <source>Chiedi le forme degli aggettivi</source>
        <translation>Demander les formes des adjectifs</translation>
    </message>
    <message>
        <source>Chiedi le forme dei pronomi</source>
        <translation>Demander les formes des pronoms</translation>
    </message>
    <message>
        <source>Chiedi le forme dei verbi</source>
        <translation>Demander les formes des verbes</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo indicativo</source>
        <translation>Demander les formes du mode indicatif</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo congiuntivo</source>
        <translation>Demander les formes du mode subjonctif</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo imperativo</source>
        <translation>Demander les formes du mode impératif</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo infinito</source>
        <translation>Demander les formes du mode infinitif</translation>
    </message>
    <message>
        <source>Chiedi le forme del presente</source>
        <translation>Demander les formes du présent</translation>
    </message>
    <message>
        <source>Chiedi le forme dell&apos;imperfetto</source>
        <translation>Demander les formes de l&apos;imparfait</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro semplice</source>
        <translation>Demander les formes du futur simple</translation>
    </message>
    <message>
        <source>Chiedi le forme del perfetto</source>
        <translation>Demander les formes du parfait</translation>
    </message>
    <message>
        <source>Chiedi le forme del piuccheperfetto</source>
        <translation>Demander les formes du plus-que-parfait</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro anteriore</source>
        <translation>Demander les formes du futur antérieur</translation>
    </message>
    <message>
        <source>Chiedi le forme attive</source>
        <translation>Demander les formes actives</translation>
    </message>
    <message>
        <source>Chiedi le forme passive (e dei deponenti)</source>
        <translation>Demander les formes passives (et celles des déponents)</translation>
    </message>
    <message>
        <source>Conserva queste scelte per le partite di forme</source>
        <translation>Garder ces choix pour les parties de formes</translation>
    </message>
    <message>
        <source>Chiudi senza cambiare le scelte</source>
        <translation>Fermer sans changer les choix</translation>
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
        <translation>Le caractère qui sépare les champs du fichier CSV</translation>
    </message>
    <message>
        <source>La prima riga del file dà i nomi delle colonne</source>
        <translation>La première ligne du fichier donne les noms des colonnes</translation>
    </message>
    <message>
        <source>Le lezioni (o i mazzi di Anki) da importare</source>
        <translation>Les leçons (ou les paquets Anki) à importer</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Colonna %1</source>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o scrivere il nome della lingua) o niente (-)</source>
        <translation>Ce que donne cette colonne&#xa0;: le latin, la classe, une traduction (choisir ou écrire le nom de la langue) ou rien (-)</translation>
    </message>
    <message>
        <source>Scegliere la colonna del latino (Latinum)</source>
        <translation>Choisir la colonne du latin (Latinum)</translation>
    </message>
    <message>
        <source>%1 vocaboli da importare</source>
        <translation>%1 mots à importer</translation>
    </message>
    <message>
        <source>Importa anche le %1 voci che il file segna come disattivate</source>
        <translation>Importe aussi les %1 entrées que le fichier marque comme désactivées</translation>
    </message>
</context>
<context>
    <name>frmImprime</name>
    <message>
        <source>L&apos;elenco intero, come tabella</source>
        <translation>La liste entière, sous forme de tableau</translation>
    </message>
    <message>
        <source>Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; le soluzioni su una pagina a parte</source>
        <translation>Un contrôle&#xa0;: les mots latins dans un ordre aléatoire avec des lignes pour les réponses&#xa0;; les solutions sur une page à part</translation>
    </message>
    <message>
        <source>Impossibile stampare.</source>
        <translation>Impossible d&apos;imprimer.</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>frmProgressus</name>
    <message>
        <source>Salva le partite del giocatore in un file CSV</source>
        <translation>Enregistre les parties du joueur dans un fichier CSV</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>frmRepertorium</name>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>Impossible d&apos;ouvrir le fichier %1.</translation>
    </message>
    <message>
        <source>Aggiunge una riga dopo quella scelta (tasto Ins)</source>
        <translation>Ajoute une ligne après celle choisie (touche Inser)</translation>
    </message>
    <message>
        <source>Cancella le righe scelte (tasto Canc)</source>
        <translation>Supprime les lignes choisies (touche Suppr)</translation>
    </message>
    <message>
        <source>Salva l&apos;elenco (Ctrl+S)</source>
        <translation>Enregistre la liste (Ctrl+S)</translation>
    </message>
    <message>
        <source>Nuovo elenco, non ancora salvato</source>
        <translation>Nouvelle liste, pas encore enregistrée</translation>
    </message>
    <message>
        <source>%1 righe</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>, %1 segnate</source>
        <translation>, %1 signalées</translation>
    </message>
    <message>
        <source> (non salvato)</source>
        <translation> (non enregistré)</translation>
    </message>
    <message>
        <source>LessiCorsa! Salva</source>
        <translation>LessiCorsa! Salva</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabulaires (*.txt)</translation>
    </message>
    <message>
        <source>«%1» non c&apos;è</source>
        <translation>«&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message>
        <source>il nuovo elenco</source>
        <translation>la nouvelle liste</translation>
    </message>
    <message>
        <source>Le modifiche a %1 non sono salvate. Chiudere senza salvarle?</source>
        <translation>Les modifications de %1 ne sont pas enregistrées. Fermer sans les enregistrer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>lists</name>
    <message>
        <source>riga %1: la colonna «%2» non è un numero da 1 in su</source>
        <translation>ligne %1&#xa0;: la colonne «&#xa0;%2&#xa0;» n&apos;est pas un nombre à partir de 1</translation>
    </message>
    <message>
        <source>riga %1: separatore «%2» sconosciuto</source>
        <translation>ligne %1&#xa0;: séparateur «&#xa0;%2&#xa0;» inconnu</translation>
    </message>
    <message>
        <source>riga %1: %2 campi invece di %3</source>
        <translation>ligne %1&#xa0;: %2 champs au lieu de %3</translation>
    </message>
    <message>
        <source>le virgolette aperte qui non si chiudono più</source>
        <translation>les guillemets ouverts ici ne se referment jamais</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.</source>
        <translation>Le fichier %1 est trop grand (%2 Mo)&#xa0;: on importe des fichiers jusqu&apos;à %3 Mo.</translation>
    </message>
    <message>
        <source>il testo UTF-16 è interrotto</source>
        <translation>le texte UTF-16 est interrompu</translation>
    </message>
    <message>
        <source>il file contiene dati binari, non testo</source>
        <translation>le fichier contient des données binaires, pas du texte</translation>
    </message>
    <message>
        <source>Lingua %1</source>
        <translation>Langue %1</translation>
    </message>
    <message>
        <source>il file si dice in UTF-8 ma questa riga è scritta in un&apos;altra codifica</source>
        <translation>le fichier se dit en UTF-8 mais cette ligne est écrite dans un autre codage</translation>
    </message>
    <message>
        <source>Nomen: ______________________________      Dies: ______________</source>
        <translation>Nomen: ______________________________      Dies: ______________</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2. Il file di prima resta com&apos;era.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1&#xa0;: %2. L&apos;ancien fichier reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2.</source>
        <translation>Impossible d&apos;enregistrer le fichier %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>lists::AddCommand</name>
    <message>
        <source>Aggiunta</source>
        <translation>Ajout</translation>
    </message>
</context>
<context>
    <name>lists::CellCommand</name>
    <message>
        <source>Modifica</source>
        <translation>Modification</translation>
    </message>
</context>
<context>
    <name>lists::Kvtml</name>
    <message>
        <source>un elemento si chiude con un nome diverso da quello con cui si apre</source>
        <translation>un élément se ferme avec un autre nom que celui avec lequel il s&apos;ouvre</translation>
    </message>
    <message>
        <source>c&apos;è altro testo dopo la fine del documento</source>
        <translation>il y a encore du texte après la fin du document</translation>
    </message>
    <message>
        <source>un carattere che l&apos;XML non ammette</source>
        <translation>un caractère que le XML n&apos;admet pas</translation>
    </message>
    <message>
        <source>testo in una codifica diversa da quella dichiarata</source>
        <translation>du texte dans un codage différent de celui déclaré</translation>
    </message>
    <message>
        <source>un attributo ripetuto nello stesso elemento</source>
        <translation>un attribut répété dans le même élément</translation>
    </message>
    <message>
        <source>un&apos;entità XML non dichiarata o non valida</source>
        <translation>une entité XML non déclarée ou non valide</translation>
    </message>
    <message>
        <source>una codifica sconosciuta nella dichiarazione XML</source>
        <translation>un codage inconnu dans la déclaration XML</translation>
    </message>
    <message>
        <source>il documento non ha un elemento principale</source>
        <translation>le document n&apos;a pas d&apos;élément principal</translation>
    </message>
</context>
<context>
    <name>lists::ListModel</name>
    <message>
        <source>«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas s&apos;écrire dans cette liste&#xa0;: le point-virgule sépare les champs, chaque mot tient sur une ligne, et le codage du fichier (Windows-1252) n&apos;a pas tous les caractères.</translation>
    </message>
</context>
<context>
    <name>lists::Reader</name>
    <message>
        <source>il file dichiara entità XML, che non si espandono</source>
        <translation>le fichier déclare des entités XML, qui ne sont pas développées</translation>
    </message>
    <message>
        <source>il file usa l&apos;entità XML «%1», che non si espande</source>
        <translation>le fichier utilise l&apos;entité XML «&#xa0;%1&#xa0;», qui n&apos;est pas développée</translation>
    </message>
    <message>
        <source>XML non valido: %1</source>
        <translation>XML non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>riga %1: una voce senza numero (id)</source>
        <translation>ligne %1&#xa0;: une entrée sans numéro (id)</translation>
    </message>
    <message>
        <source>Lezione alla riga %1</source>
        <translation>Leçon de la ligne %1</translation>
    </message>
    <message>
        <source>riga %1: la lezione «%2» non nomina nessuna voce</source>
        <translation>ligne %1&#xa0;: la leçon «&#xa0;%2&#xa0;» ne nomme aucune entrée</translation>
    </message>
    <message>
        <source>riga %1: %2 nomina la voce %3, che non c&apos;è</source>
        <translation>ligne %1&#xa0;: %2 nomme l&apos;entrée %3, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>la lezione «%1»</source>
        <translation>la leçon «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>il tipo di parola «%1»</source>
        <translation>le type de mot «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>non è un file KVTML (l&apos;elemento principale è «%1»)</source>
        <translation>ce n&apos;est pas un fichier KVTML (l&apos;élément principal est «&#xa0;%1&#xa0;»)</translation>
    </message>
    <message>
        <source>versione KVTML «%1»: si leggono i file KVTML 2</source>
        <translation>version KVTML «&#xa0;%1&#xa0;»&#xa0;: on lit les fichiers KVTML 2</translation>
    </message>
    <message>
        <source>il file è vuoto o non è un file KVTML</source>
        <translation>le fichier est vide ou n&apos;est pas un fichier KVTML</translation>
    </message>
    <message>
        <source>riga %1: la traduzione %2 non ha un identificatore</source>
        <translation>ligne %1&#xa0;: la traduction %2 n&apos;a pas d&apos;identifiant</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 non ha testo</source>
        <translation>ligne %1&#xa0;: l&apos;entrée %2 n&apos;a pas de texte</translation>
    </message>
    <message>
        <source>XML non valido: il file finisce prima che si chiudano gli elementi aperti</source>
        <translation>XML non valide&#xa0;: le fichier se termine avant que les éléments ouverts soient fermés</translation>
    </message>
    <message>
        <source>XML non valido: un segno al posto sbagliato (colonna %1)</source>
        <translation>XML non valide&#xa0;: un signe au mauvais endroit (colonne %1)</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 c&apos;è già: si tengono tutte e due</source>
        <translation>ligne %1&#xa0;: l&apos;entrée %2 existe déjà&#xa0;: les deux sont gardées</translation>
    </message>
    <message>
        <source>le lezioni o i tipi di parola sono annidati più di %1 livelli</source>
        <translation>les leçons ou les types de mot sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <source>è un file KVTML 1, la versione più vecchia del formato: si leggono i file KVTML 2</source>
        <translation>c&apos;est un fichier KVTML 1, la plus ancienne version du format&#xa0;: on lit les fichiers KVTML 2</translation>
    </message>
</context>
<context>
    <name>lists::RemoveCommand</name>
    <message>
        <source>Cancellazione</source>
        <translation>Suppression</translation>
    </message>
</context>
<context>
    <name>lists::SortCommand</name>
    <message>
        <source>Ordinamento</source>
        <translation>Tri</translation>
    </message>
</context>
<context>
    <name>lists::WordList</name>
    <message>
        <source>Record difettoso: mancano i tre «;» che separano i campi</source>
        <translation>Enregistrement défectueux&#xa0;: il manque les trois «&#xa0;;&#xa0;» qui séparent les champs</translation>
    </message>
    <message>
        <source>Vocabolo latino vuoto</source>
        <translation>Mot latin vide</translation>
    </message>
    <message>
        <source>Record fuori classe: ordine di frequenza %1</source>
        <translation>Enregistrement hors classe&#xa0;: ordre de fréquence %1</translation>
    </message>
    <message>
        <source>Record fuori classe: classe grammaticale «%1»</source>
        <translation>Enregistrement hors classe&#xa0;: classe grammaticale «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Record difettoso se si gioca in %1: manca la traduzione</source>
        <translation>Enregistrement défectueux si l&apos;on joue en %1&#xa0;: la traduction manque</translation>
    </message>
</context>
<context>
    <name>players::HistoryWorker</name>
    <message>
        <source>Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta con la prossima, se ci sarà posto.</source>
        <translation>Le disque est plein&#xa0;: la partie n&apos;est pas entrée dans l&apos;historique (%1). Elle y sera écrite avec la suivante, s&apos;il y a de la place.</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era danneggiata</source>
        <translation>L&apos;historique des parties (%1) était endommagé</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era il file di un altro programma</source>
        <translation>L&apos;historique des parties (%1) était le fichier d&apos;un autre programme</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) è di una versione di LessiCorsa che questo programma non conosce</source>
        <translation>L&apos;historique des parties (%1) vient d&apos;une version de LessiCorsa que ce programme ne connaît pas</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1&#xa0;: il a été mis de côté sous le nom %2 et un nouveau a été commencé. Le jeu continue&#xa0;; les mots manqués ne sont pas touchés.</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2, ma non se ne può cominciare una nuova: le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1&#xa0;: il a été mis de côté sous le nom %2, mais il est impossible d&apos;en commencer un nouveau&#xa0;: les parties ne sont pas enregistrées. Le jeu continue&#xa0;; les mots manqués ne sont pas touchés.</translation>
    </message>
    <message>
        <source>Impossibile scrivere la storia delle partite (%1): le partite non vengono registrate. Il gioco continua.</source>
        <translation>Impossible d&apos;écrire l&apos;historique des parties (%1)&#xa0;: les parties ne sont pas enregistrées. Le jeu continue.</translation>
    </message>
    <message>
        <source>Impossibile leggere la storia delle partite (%1): resta com&apos;è e le partite non vi vengono registrate. Il gioco continua.</source>
        <translation>Impossible de lire l&apos;historique des parties (%1)&#xa0;: il reste tel quel et les parties n&apos;y sont pas enregistrées. Le jeu continue.</translation>
    </message>
    <message>
        <source>Il disco è pieno: la storia delle partite (%1) non si può cominciare. Le partite vi saranno scritte quando ci sarà posto.</source>
        <translation>Le disque est plein&#xa0;: l&apos;historique des parties (%1) ne peut pas être commencé. Les parties y seront écrites quand il y aura de la place.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>il disco è pieno</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>mancano i permessi di scrittura</source>
        <translation>il manque les droits d&apos;écriture</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>Il file %1 resta com&apos;era.</source>
        <translation>Le fichier %1 reste tel qu&apos;il était.</translation>
    </message>
    <message>
        <source>LessiCorsa è già aperto con i dati di questo utente: questa seconda copia si chiude, perché le due copie non si cancellino a vicenda i vocaboli sbagliati, i giocatori e il certamen.</source>
        <translation>LessiCorsa est déjà ouvert avec les données de cet utilisateur&#xa0;: cette deuxième copie se ferme, pour que les deux copies ne s&apos;effacent pas mutuellement les mots manqués, les joueurs et le certamen.</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>al suo posto c&apos;è una cartella</source>
        <translation>il y a un dossier à sa place</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>erreur du disque</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>erreur système %1</translation>
    </message>
    <message>
        <source>Il file %1 non è stato creato.</source>
        <translation>Le fichier %1 n&apos;a pas été créé.</translation>
    </message>
    <message>
        <source>Causa: %1.</source>
        <translation>Cause&#xa0;: %1.</translation>
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
