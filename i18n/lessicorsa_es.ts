<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it">
<context>
    <name>Auxilium</name>
    <message>
        <source>Il manuale del gioco per gli insegnanti</source>
        <translation>El manual del juego para los profesores</translation>
    </message>
    <message>
        <source>Il manuale non si trova nella cartella %1: reinstallare il gioco per averlo di nuovo. Il gioco prosegue come sempre.</source>
        <translation>El manual no está en la carpeta %1: reinstalar el juego para tenerlo de nuevo. El juego sigue como siempre.</translation>
    </message>
    <message>
        <source>Il manuale %1 non si può leggere. Il gioco prosegue come sempre.</source>
        <translation>El manual %1 no se puede leer. El juego sigue como siempre.</translation>
    </message>
</context>
<context>
    <name>Certamen</name>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. Si gioca come sempre, ma quel certamen non si può riprendere.</source>
        <translation>El archivo del certamen %1 está dañado o no es de LessiCorsa: se ha apartado como %2. Se juega como siempre, pero ese certamen no se puede reanudar.</translation>
    </message>
    <message>
        <source>Il file del certamen %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: il prossimo certamen lo sostituirà. Si gioca come sempre.</source>
        <translation>El archivo del certamen %1 está dañado o no es de LessiCorsa, y no se ha podido apartar: el próximo certamen lo sustituirá. Se juega como siempre.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file del certamen %1: se il programma si chiude ora, i risultati non ancora salvati andranno persi.</source>
        <translation>No se puede escribir el archivo del certamen %1: si el programa se cierra ahora, se perderán los resultados aún no guardados.</translation>
    </message>
    <message>
        <source>Un certamen non è ancora finito: iniziandone uno nuovo, i suoi risultati si perdono. Iniziare un nuovo certamen?</source>
        <translation>Un certamen aún no ha terminado: si empiezas uno nuevo, sus resultados se pierden. ¿Empezar un nuevo certamen?</translation>
    </message>
    <message>
        <source>Un alunno della prossima partita è assente: l&apos;altro vince a tavolino</source>
        <translation>Un alumno de la próxima partida está ausente: el otro gana por incomparecencia</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Anula el resultado de una partida, que se vuelve a jugar</translation>
    </message>
    <message>
        <source>Chi è assente?</source>
        <translation>¿Quién está ausente?</translation>
    </message>
    <message>
        <source>%1 è assente: la partita va a %2 a tavolino. Confermare?</source>
        <translation>%1 está ausente: %2 gana la partida por incomparecencia. ¿Confirmar?</translation>
    </message>
    <message>
        <source>Quale partita si gioca di nuovo?</source>
        <translation>¿Qué partida se vuelve a jugar?</translation>
    </message>
    <message>
        <source>Il risultato di %1 contro %2 si annulla e la partita si gioca di nuovo. Confermare?</source>
        <translation>El resultado de %1 contra %2 se anula y la partida se vuelve a jugar. ¿Confirmar?</translation>
    </message>
    <message>
        <source>Che cosa fare di questa partita del certamen?

Sì: interromperla; si giocherà di nuovo dall&apos;inizio.
No: uscire dal programma; il certamen riprenderà da questa partita.
Annulla: continuare a giocare.</source>
        <translation>¿Qué hacer con esta partida del torneo?

Sí: interrumpirla; se volverá a jugar desde el principio.
No: salir del programa; el torneo se reanudará en esta partida.
Cancelar: seguir jugando.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file del certamen %1 (mancano i permessi di lettura): resta com&apos;è e quel certamen non si può riprendere; un nuovo certamen lo sostituirebbe. Si gioca come sempre.</source>
        <translation>No se puede leer el archivo del certamen %1 (faltan los permisos de lectura): queda como está y ese certamen no se puede reanudar; un nuevo certamen lo sustituiría. Se juega como siempre.</translation>
    </message>
</context>
<context>
    <name>Errata</name>
    <message>
        <source>Impossibile leggere il file %1: il file resta com&apos;è e i vocaboli sbagliati non vengono registrati.</source>
        <translation>No se puede leer el archivo %1: queda como está y las palabras falladas no se registran.</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1: l&apos;ultimo vocabolo sbagliato non è stato registrato.</source>
        <translation>No se puede escribir el archivo %1: la última palabra fallada no se ha registrado.</translation>
    </message>
    <message>
        <source>Questi vocaboli sbagliati non sono più nel file %1: restano nell&apos;elenco e si giocano con le traduzioni salvate.

%2</source>
        <translation>Estas palabras falladas ya no están en el archivo %1: se quedan en la lista y se juegan con las traducciones guardadas.

%2</translation>
    </message>
</context>
<context>
    <name>Impostazioni</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>archivo &quot;%1&quot; inexistente</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Falta el vocabulario personal</translation>
    </message>
    <message>
        <source>Salva le impostazioni - Save settings</source>
        <translation>Guardar los ajustes</translation>
    </message>
    <message>
        <source>Un giocatore: Usare il tasto Enter quando è evidenziata la traduzione esatta.</source>
        <translation>Un jugador: pulsar la tecla Enter cuando se resalte la traducción correcta.</translation>
    </message>
    <message>
        <source>Due giocatori: Il giocatore di sinistra usa il tasto 1, il giocatore di destra usa il tasto 0.</source>
        <translation>Dos jugadores: el jugador de la izquierda usa la tecla 1, el de la derecha la tecla 0.</translation>
    </message>
    <message>
        <source>Imposta la velocità di svolgimento del gioco</source>
        <translation>Ajusta la velocidad del juego</translation>
    </message>
    <message>
        <source>Imposta il numero di verbi su cui svolgere l&apos;esercizio</source>
        <translation>Ajusta el número de palabras del ejercicio</translation>
    </message>
    <message>
        <source>Spuntare la casella per escludere dal gioco i vocaboli tropppo simili all&apos;italiano (prime due lettere uguali).</source>
        <translation>Marcar la casilla para excluir del juego las palabras muy parecidas a su traducción (dos primeras letras iguales).</translation>
    </message>
    <message>
        <source>I 1600 vocaboli latini più frequenti sono divisi in 4 classi di frequenza: scegliere quelli con cui giocare</source>
        <translation>Las 1600 palabras latinas más frecuentes se dividen en 4 clases de frecuencia: elegir con cuáles jugar</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>file &quot;%1&quot; inesistente</source>
        <translation>archivo &quot;%1&quot; inexistente</translation>
    </message>
    <message>
        <source>Manca il vocabolario personale</source>
        <translation>Falta el vocabulario personal</translation>
    </message>
    <message>
        <source>LessiCorsa! Aperi</source>
        <translation>LessiCorsa! Aperi</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt);;Tutti i file (*)</source>
        <translation>Vocabularios (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Il file %1 non è un vocabolario: troppe righe non hanno i tre «;» che separano frequenza, classe, latino e traduzione. Si può importare con «Importa».</source>
        <translation>El archivo %1 no es un vocabulario: demasiadas líneas no tienen los tres «;» que separan frecuencia, clase, latín y traducción. Se puede importar con «Importa».</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa</source>
        <translation>LessiCorsa! Importa</translation>
    </message>
    <message>
        <source>Vocabolari di altri programmi (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Tutti i file (*)</source>
        <translation>Vocabularios de otros programas (*.kvtml *.csv *.tsv *.txt);;KVTML (*.kvtml);;CSV, TSV (*.csv *.tsv *.txt);;Anki (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Impossibile importare il file %1, riga %2: %3.</source>
        <translation>No se puede importar el archivo %1, línea %2: %3.</translation>
    </message>
    <message>
        <source>Nessun vocabolo da importare dal file %1 con le lezioni e le colonne scelte.</source>
        <translation>Ninguna palabra que importar del archivo %1 con las lecciones y las columnas elegidas.</translation>
    </message>
    <message>
        <source>LessiCorsa! Importa: salva il nuovo elenco</source>
        <translation>LessiCorsa! Importa: guardar la nueva lista</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabularios (*.txt)</translation>
    </message>
    <message>
        <source>Il nuovo elenco non può sostituire il file %1 da cui è importato.</source>
        <translation>La nueva lista no puede sustituir al archivo %1 del que se ha importado.</translation>
    </message>
    <message>
        <source>%1 vocaboli importati in %2: per giocarli spuntare «Repertorio meo utor» nelle impostazioni della prossima partita.</source>
        <translation>%1 palabras importadas en %2: para jugarlas, marcar «Repertorio meo utor» en los ajustes de la próxima partida.</translation>
    </message>
    <message>
        <source>
%1 righe senza vocabolo latino non sono state importate.</source>
        <translation>
%1 líneas sin palabra latina no se han importado.</translation>
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
        <translation>No se puede guardar la lista de jugadores en %1: los cambios solo valen hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>Scrivi il nome del giocatore.</source>
        <translation>Escribe el nombre del jugador.</translation>
    </message>
    <message>
        <source>Il nome può avere al massimo %1 caratteri.</source>
        <translation>El nombre puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>C&apos;è già un giocatore con questo nome: scegline un altro.</source>
        <translation>Ya hay un jugador con este nombre: elige otro.</translation>
    </message>
    <message>
        <source>Togliere il giocatore %1? La sua storia e i suoi vocaboli sbagliati saranno cancellati.</source>
        <translation>¿Quitar al jugador %1? Su historial y sus palabras falladas se borrarán.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa: è stato messo da parte come %2. I giocatori che si sono potuti leggere restano; gli altri sono nel file messo da parte.</source>
        <translation>La lista de jugadores %1 está dañada o no es de LessiCorsa: se ha apartado como %2. Los jugadores que se han podido leer se quedan; los demás están en el archivo apartado.</translation>
    </message>
    <message>
        <source>L&apos;elenco dei giocatori %1 è danneggiato o non è di LessiCorsa, e non si è potuto metterlo da parte: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>La lista de jugadores %1 está dañada o no es de LessiCorsa, y no se ha podido apartar: queda como está, y los cambios en los jugadores solo valen hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>Impossibile leggere l&apos;elenco dei giocatori %1: resta com&apos;è, e le modifiche ai giocatori valgono solo fino alla chiusura del gioco.</source>
        <translation>No se puede leer la lista de jugadores %1: queda como está, y los cambios en los jugadores solo valen hasta que se cierre el juego.</translation>
    </message>
</context>
<context>
    <name>MissedList</name>
    <message>
        <source>il file non si può leggere</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>non è un file</source>
        <translation>no es un archivo</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Tabula</name>
    <message>
        <source>Salva i risultati in un file CSV, da aprire con un foglio di calcolo</source>
        <translation>Guarda los resultados en un archivo CSV, para abrirlo con una hoja de cálculo</translation>
    </message>
    <message>
        <source>Stampa i risultati, o li salva in un file PDF</source>
        <translation>Imprime los resultados, o los guarda en un archivo PDF</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
    <message>
        <source>Annulla il risultato di una partita, che si gioca di nuovo</source>
        <translation>Anula el resultado de una partida, que se vuelve a jugar</translation>
    </message>
    <message>
        <source>Un tasto qualsiasi: torna al gioco</source>
        <translation>Cualquier tecla: volver al juego</translation>
    </message>
    <message>
        <source>cambia il personaggio</source>
        <translation>cambiar el personaje</translation>
    </message>
    <message>
        <source>un alunno è assente</source>
        <translation>un alumno está ausente</translation>
    </message>
    <message>
        <source>rigioca una partita</source>
        <translation>repetir una partida</translation>
    </message>
    <message>
        <source>chiudi</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Invio o spazio: inizia la partita</source>
        <translation>Intro o espacio: empieza la partida</translation>
    </message>
    <message>
        <source>Partite da giocare: %1, circa %2 minuti</source>
        <translation>Partidas pendientes: %1, unos %2 minutos</translation>
    </message>
</context>
<context>
    <name>Traduci</name>
    <message>
        <source>Solo %1 vocaboli selezionati!</source>
        <translation>¡Solo%1 palabras elegidas!</translation>
    </message>
    <message>
        <source>(tasto Enter)</source>
        <translation>(tecla Enter)</translation>
    </message>
    <message>
        <source>(tasto 1 e tasto 0)</source>
        <translation>(teclas 1 y 0)</translation>
    </message>
    <message>
        <source>Lascia perdere il mouse e usa la tastiera %1</source>
        <translation>Olvida el ratón y usa el teclado %1</translation>
    </message>
    <message>
        <source>errore %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>File %1 assente o difettoso</source>
        <translation>Archivo %1 ausente o defectuoso</translation>
    </message>
    <message>
        <source>Troppi record difettosi nel file %1</source>
        <translation>Demasiados registros defectuosos en el archivo %1</translation>
    </message>
    <message>
        <source>Record difettosi nel file  %1</source>
        <translation>Registros defectuosos en el archivo %1</translation>
    </message>
    <message>
        <source>Solo%1 vocaboli nel file  %2</source>
        <translation>Solo%1 palabras en el archivo %2</translation>
    </message>
    <message>
        <source>Attendere caricamento</source>
        <translation>Cargando, espere</translation>
    </message>
    <message>
        <source>Record fuori classe nel file  %1</source>
        <translation>Registros sin clase válida en el archivo %1</translation>
    </message>
</context>
<context>
    <name>formae</name>
    <message>
        <source>Manca il lessico delle forme &quot;%1&quot;.</source>
        <translation>Falta el léxico de las formas &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; non si può leggere.</source>
        <translation>El léxico de las formas &quot;%1&quot; no se puede leer.</translation>
    </message>
    <message>
        <source>Il lessico delle forme &quot;%1&quot; è danneggiato (riga %2).</source>
        <translation>El léxico de las formas &quot;%1&quot; está dañado (línea %2).</translation>
    </message>
</context>
<context>
    <name>formae::Formae</name>
    <message>
        <source>Mostra le vocali lunghe con il segno di lunghezza (amīcus)</source>
        <translation>Muestra las vocales largas con el signo de longitud (amīcus)</translation>
    </message>
    <message>
        <source>Impossibile leggere il lessico delle forme.</source>
        <translation>No se puede leer el léxico de las formas.</translation>
    </message>
    <message>
        <source>

Il gioco delle forme resta spento; il gioco dei vocaboli continua come sempre.</source>
        <translation>

El juego de las formas queda desactivado; el juego de vocabulario sigue como siempre.</translation>
    </message>
    <message>
        <source>%1 vocaboli dell&apos;elenco non sono nel lessico: il gioco delle forme li lascia fuori.</source>
        <translation>%1 palabras de la lista no están en el léxico: el juego de las formas las deja fuera.</translation>
    </message>
    <message>
        <source>Nessun vocabolo scelto ha forme da chiedere: cambia le scelte delle classi o delle forme.</source>
        <translation>Ninguna palabra elegida tiene formas que preguntar: cambia la elección de las clases o de las formas.</translation>
    </message>
</context>
<context>
    <name>frmAuxilium</name>
    <message>
        <source>Scrivere una parola e premere Invio per trovarla nel manuale</source>
        <translation>Escribir una palabra y pulsar Intro para encontrarla en el manual</translation>
    </message>
    <message>
        <source>Indice: un clic porta al capitolo</source>
        <translation>Índice: un clic lleva al capítulo</translation>
    </message>
</context>
<context>
    <name>frmCertamen</name>
    <message>
        <source>Un nome per riga: da 3 a 32 alunni o squadre</source>
        <translation>Un nombre por línea: de 3 a 32 alumnos o equipos</translation>
    </message>
    <message>
        <source>Legge i nomi da un file di testo, uno per riga</source>
        <translation>Lee los nombres de un archivo de texto, uno por línea</translation>
    </message>
    <message>
        <source>Eliminazione diretta: chi perde esce; da 3 a 32 concorrenti, sorteggio casuale</source>
        <translation>Eliminación directa: quien pierde sale; de 3 a 32 participantes, sorteo al azar</translation>
    </message>
    <message>
        <source>Girone all&apos;italiana: ognuno gioca una volta contro ciascun altro; da 3 a 8 concorrenti</source>
        <translation>Liga: cada uno juega una vez contra cada uno de los demás; de 3 a 8 participantes</translation>
    </message>
    <message>
        <source>Sceglie, nella finestra delle impostazioni, come si gioca ogni partita</source>
        <translation>Elige, en la ventana de ajustes, cómo se juega cada partida</translation>
    </message>
    <message>
        <source>Sorteggia il certamen e mostra la tabula</source>
        <translation>Sortea el certamen y muestra la tabula</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1 come elenco di nomi: deve essere un file di testo di al massimo 64 KB, un nome per riga.</source>
        <translation>No se puede leer el archivo %1 como lista de nombres: debe ser un archivo de texto de 64 KB como máximo, un nombre por línea.</translation>
    </message>
    <message>
        <source>Durata stimata: le partite per la durata tipica di una partita con queste parole e questa velocità. Si può dividere in più lezioni: il certamen riprende da dove si è fermato</source>
        <translation>Duración estimada: las partidas por la duración habitual de una partida con estas palabras y esta velocidad. Se puede repartir en varias clases: el torneo se reanuda donde se detuvo</translation>
    </message>
    <message>
        <source>Ogni partita chiede le forme delle parole invece del loro significato</source>
        <translation>Cada partida pregunta las formas de las palabras en lugar de su significado</translation>
    </message>
</context>
<context>
    <name>frmErrata</name>
    <message>
        <source>Una partita con i soli vocaboli sbagliati</source>
        <translation>Una partida solo con las palabras falladas</translation>
    </message>
    <message>
        <source>Svuota l&apos;elenco dei vocaboli sbagliati</source>
        <translation>Vaciar la lista de palabras falladas</translation>
    </message>
    <message>
        <source>Cancellare dall&apos;elenco tutti i vocaboli sbagliati?</source>
        <translation>¿Borrar de la lista todas las palabras falladas?</translation>
    </message>
</context>
<context>
    <name>frmFormae</name>
    <message>
        <source>Chiedi le forme dei nomi</source>
        <translation>Preguntar las formas de los sustantivos</translation>
    </message>
    <message>
        <source>Chiedi le forme degli aggettivi</source>
        <translation>Preguntar las formas de los adjetivos</translation>
    </message>
    <message>
        <source>Chiedi le forme dei pronomi</source>
        <translation>Preguntar las formas de los pronombres</translation>
    </message>
    <message>
        <source>Chiedi le forme dei verbi</source>
        <translation>Preguntar las formas de los verbos</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo indicativo</source>
        <translation>Preguntar las formas del modo indicativo</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo congiuntivo</source>
        <translation>Preguntar las formas del modo subjuntivo</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo imperativo</source>
        <translation>Preguntar las formas del modo imperativo</translation>
    </message>
    <message>
        <source>Chiedi le forme del modo infinito</source>
        <translation>Preguntar las formas del infinitivo</translation>
    </message>
    <message>
        <source>Chiedi le forme del presente</source>
        <translation>Preguntar las formas del presente</translation>
    </message>
    <message>
        <source>Chiedi le forme dell&apos;imperfetto</source>
        <translation>Preguntar las formas del imperfecto</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro semplice</source>
        <translation>Preguntar las formas del futuro imperfecto</translation>
    </message>
    <message>
        <source>Chiedi le forme del perfetto</source>
        <translation>Preguntar las formas del perfecto</translation>
    </message>
    <message>
        <source>Chiedi le forme del piuccheperfetto</source>
        <translation>Preguntar las formas del pluscuamperfecto</translation>
    </message>
    <message>
        <source>Chiedi le forme del futuro anteriore</source>
        <translation>Preguntar las formas del futuro perfecto</translation>
    </message>
    <message>
        <source>Chiedi le forme attive</source>
        <translation>Preguntar las formas activas</translation>
    </message>
    <message>
        <source>Chiedi le forme passive (e dei deponenti)</source>
        <translation>Preguntar las formas pasivas (y las de los deponentes)</translation>
    </message>
    <message>
        <source>Conserva queste scelte per le partite di forme</source>
        <translation>Conservar estas elecciones para las partidas de formas</translation>
    </message>
    <message>
        <source>Chiudi senza cambiare le scelte</source>
        <translation>Cerrar sin cambiar las elecciones</translation>
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
        <translation>El carácter que separa los campos del archivo CSV</translation>
    </message>
    <message>
        <source>La prima riga del file dà i nomi delle colonne</source>
        <translation>La primera línea del archivo da los nombres de las columnas</translation>
    </message>
    <message>
        <source>Le lezioni (o i mazzi di Anki) da importare</source>
        <translation>Las lecciones (o los mazos de Anki) que importar</translation>
    </message>
    <message>
        <source>Riga %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Colonna %1</source>
        <translation>Columna %1</translation>
    </message>
    <message>
        <source>Che cosa dà questa colonna: il latino, la classe, una traduzione (scegliere o scrivere il nome della lingua) o niente (-)</source>
        <translation>Qué da esta columna: el latín, la clase, una traducción (elegir o escribir el nombre del idioma) o nada (-)</translation>
    </message>
    <message>
        <source>Scegliere la colonna del latino (Latinum)</source>
        <translation>Elegir la columna del latín (Latinum)</translation>
    </message>
    <message>
        <source>%1 vocaboli da importare</source>
        <translation>%1 palabras que importar</translation>
    </message>
    <message>
        <source>Importa anche le %1 voci che il file segna come disattivate</source>
        <translation>Importa también las %1 entradas que el archivo marca como desactivadas</translation>
    </message>
</context>
<context>
    <name>frmImprime</name>
    <message>
        <source>L&apos;elenco intero, come tabella</source>
        <translation>La lista entera, como tabla</translation>
    </message>
    <message>
        <source>Un compito: i vocaboli latini in ordine casuale con le righe per le risposte; le soluzioni su una pagina a parte</source>
        <translation>Una prueba: las palabras latinas en orden aleatorio con líneas para las respuestas; las soluciones en una página aparte</translation>
    </message>
    <message>
        <source>Impossibile stampare.</source>
        <translation>No se puede imprimir.</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>frmProgressus</name>
    <message>
        <source>Salva le partite del giocatore in un file CSV</source>
        <translation>Guarda las partidas del jugador en un archivo CSV</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>No se puede escribir el archivo %1.</translation>
    </message>
</context>
<context>
    <name>frmRepertorium</name>
    <message>
        <source>Impossibile aprire il file %1.</source>
        <translation>No se puede abrir el archivo %1.</translation>
    </message>
    <message>
        <source>Aggiunge una riga dopo quella scelta (tasto Ins)</source>
        <translation>Añade una línea después de la elegida (tecla Insert)</translation>
    </message>
    <message>
        <source>Cancella le righe scelte (tasto Canc)</source>
        <translation>Borra las líneas elegidas (tecla Supr)</translation>
    </message>
    <message>
        <source>Salva l&apos;elenco (Ctrl+S)</source>
        <translation>Guarda la lista (Ctrl+S)</translation>
    </message>
    <message>
        <source>Nuovo elenco, non ancora salvato</source>
        <translation>Lista nueva, aún no guardada</translation>
    </message>
    <message>
        <source>%1 righe</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>, %1 segnate</source>
        <translation>, %1 marcadas</translation>
    </message>
    <message>
        <source> (non salvato)</source>
        <translation> (sin guardar)</translation>
    </message>
    <message>
        <source>LessiCorsa! Salva</source>
        <translation>LessiCorsa! Salva</translation>
    </message>
    <message>
        <source>Vocabolari (*.txt)</source>
        <translation>Vocabularios (*.txt)</translation>
    </message>
    <message>
        <source>«%1» non c&apos;è</source>
        <translation>«%1» no está</translation>
    </message>
    <message>
        <source>il nuovo elenco</source>
        <translation>la lista nueva</translation>
    </message>
    <message>
        <source>Le modifiche a %1 non sono salvate. Chiudere senza salvarle?</source>
        <translation>Los cambios en %1 no están guardados. ¿Cerrar sin guardarlos?</translation>
    </message>
</context>
<context>
    <name>lists</name>
    <message>
        <source>riga %1: la colonna «%2» non è un numero da 1 in su</source>
        <translation>línea %1: la columna «%2» no es un número de 1 en adelante</translation>
    </message>
    <message>
        <source>riga %1: separatore «%2» sconosciuto</source>
        <translation>línea %1: separador «%2» desconocido</translation>
    </message>
    <message>
        <source>riga %1: %2 campi invece di %3</source>
        <translation>línea %1: %2 campos en lugar de %3</translation>
    </message>
    <message>
        <source>le virgolette aperte qui non si chiudono più</source>
        <translation>las comillas abiertas aquí no se cierran nunca</translation>
    </message>
    <message>
        <source>Impossibile leggere il file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
    <message>
        <source>Il file %1 è troppo grande (%2 MB): si importano file fino a %3 MB.</source>
        <translation>El archivo %1 es demasiado grande (%2 MB): se importan archivos de hasta %3 MB.</translation>
    </message>
    <message>
        <source>il testo UTF-16 è interrotto</source>
        <translation>el texto UTF-16 está interrumpido</translation>
    </message>
    <message>
        <source>il file contiene dati binari, non testo</source>
        <translation>el archivo contiene datos binarios, no texto</translation>
    </message>
    <message>
        <source>Lingua %1</source>
        <translation>Idioma %1</translation>
    </message>
    <message>
        <source>il file si dice in UTF-8 ma questa riga è scritta in un&apos;altra codifica</source>
        <translation>el archivo dice estar en UTF-8 pero esta línea está escrita en otra codificación</translation>
    </message>
    <message>
        <source>Nomen: ______________________________      Dies: ______________</source>
        <translation>Nomen: ______________________________      Dies: ______________</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2. Il file di prima resta com&apos;era.</source>
        <translation>No se puede guardar el archivo %1: %2. El archivo anterior queda como estaba.</translation>
    </message>
    <message>
        <source>Impossibile salvare il file %1: %2.</source>
        <translation>No se puede guardar el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>lists::AddCommand</name>
    <message>
        <source>Aggiunta</source>
        <translation>Adición</translation>
    </message>
</context>
<context>
    <name>lists::CellCommand</name>
    <message>
        <source>Modifica</source>
        <translation>Modificación</translation>
    </message>
</context>
<context>
    <name>lists::Kvtml</name>
    <message>
        <source>un elemento si chiude con un nome diverso da quello con cui si apre</source>
        <translation>un elemento se cierra con un nombre distinto de aquel con el que se abre</translation>
    </message>
    <message>
        <source>c&apos;è altro testo dopo la fine del documento</source>
        <translation>hay más texto después del final del documento</translation>
    </message>
    <message>
        <source>un carattere che l&apos;XML non ammette</source>
        <translation>un carácter que el XML no admite</translation>
    </message>
    <message>
        <source>testo in una codifica diversa da quella dichiarata</source>
        <translation>texto en una codificación distinta de la declarada</translation>
    </message>
    <message>
        <source>un attributo ripetuto nello stesso elemento</source>
        <translation>un atributo repetido en el mismo elemento</translation>
    </message>
    <message>
        <source>un&apos;entità XML non dichiarata o non valida</source>
        <translation>una entidad XML no declarada o no válida</translation>
    </message>
    <message>
        <source>una codifica sconosciuta nella dichiarazione XML</source>
        <translation>una codificación desconocida en la declaración XML</translation>
    </message>
    <message>
        <source>il documento non ha un elemento principale</source>
        <translation>el documento no tiene un elemento principal</translation>
    </message>
</context>
<context>
    <name>lists::ListModel</name>
    <message>
        <source>«%1» non si può scrivere in questo elenco: il punto e virgola separa i campi, ogni vocabolo sta su una riga, e la codifica del file (Windows-1252) non ha tutti i caratteri.</source>
        <translation>«%1» no se puede escribir en esta lista: el punto y coma separa los campos, cada palabra ocupa una línea, y la codificación del archivo (Windows-1252) no tiene todos los caracteres.</translation>
    </message>
</context>
<context>
    <name>lists::Reader</name>
    <message>
        <source>il file dichiara entità XML, che non si espandono</source>
        <translation>el archivo declara entidades XML, que no se expanden</translation>
    </message>
    <message>
        <source>il file usa l&apos;entità XML «%1», che non si espande</source>
        <translation>el archivo usa la entidad XML «%1», que no se expande</translation>
    </message>
    <message>
        <source>XML non valido: %1</source>
        <translation>XML no válido: %1</translation>
    </message>
    <message>
        <source>riga %1: una voce senza numero (id)</source>
        <translation>línea %1: una entrada sin número (id)</translation>
    </message>
    <message>
        <source>Lezione alla riga %1</source>
        <translation>Lección de la línea %1</translation>
    </message>
    <message>
        <source>riga %1: la lezione «%2» non nomina nessuna voce</source>
        <translation>línea %1: la lección «%2» no nombra ninguna entrada</translation>
    </message>
    <message>
        <source>riga %1: %2 nomina la voce %3, che non c&apos;è</source>
        <translation>línea %1: %2 nombra la entrada %3, que no existe</translation>
    </message>
    <message>
        <source>la lezione «%1»</source>
        <translation>la lección «%1»</translation>
    </message>
    <message>
        <source>il tipo di parola «%1»</source>
        <translation>el tipo de palabra «%1»</translation>
    </message>
    <message>
        <source>non è un file KVTML (l&apos;elemento principale è «%1»)</source>
        <translation>no es un archivo KVTML (el elemento principal es «%1»)</translation>
    </message>
    <message>
        <source>versione KVTML «%1»: si leggono i file KVTML 2</source>
        <translation>versión KVTML «%1»: se leen los archivos KVTML 2</translation>
    </message>
    <message>
        <source>il file è vuoto o non è un file KVTML</source>
        <translation>el archivo está vacío o no es un archivo KVTML</translation>
    </message>
    <message>
        <source>riga %1: la traduzione %2 non ha un identificatore</source>
        <translation>línea %1: la traducción %2 no tiene identificador</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 non ha testo</source>
        <translation>línea %1: la entrada %2 no tiene texto</translation>
    </message>
    <message>
        <source>XML non valido: il file finisce prima che si chiudano gli elementi aperti</source>
        <translation>XML no válido: el archivo termina antes de que se cierren los elementos abiertos</translation>
    </message>
    <message>
        <source>XML non valido: un segno al posto sbagliato (colonna %1)</source>
        <translation>XML no válido: un signo en el lugar equivocado (columna %1)</translation>
    </message>
    <message>
        <source>riga %1: la voce %2 c&apos;è già: si tengono tutte e due</source>
        <translation>línea %1: la entrada %2 ya existe: se conservan las dos</translation>
    </message>
    <message>
        <source>le lezioni o i tipi di parola sono annidati più di %1 livelli</source>
        <translation>las lecciones o los tipos de palabra están anidados en más de %1 niveles</translation>
    </message>
    <message>
        <source>è un file KVTML 1, la versione più vecchia del formato: si leggono i file KVTML 2</source>
        <translation>es un archivo KVTML 1, la versión más antigua del formato: se leen los archivos KVTML 2</translation>
    </message>
</context>
<context>
    <name>lists::RemoveCommand</name>
    <message>
        <source>Cancellazione</source>
        <translation>Borrado</translation>
    </message>
</context>
<context>
    <name>lists::SortCommand</name>
    <message>
        <source>Ordinamento</source>
        <translation>Ordenación</translation>
    </message>
</context>
<context>
    <name>lists::WordList</name>
    <message>
        <source>Record difettoso: mancano i tre «;» che separano i campi</source>
        <translation>Registro defectuoso: faltan los tres «;» que separan los campos</translation>
    </message>
    <message>
        <source>Vocabolo latino vuoto</source>
        <translation>Palabra latina vacía</translation>
    </message>
    <message>
        <source>Record fuori classe: ordine di frequenza %1</source>
        <translation>Registro sin clase válida: orden de frecuencia %1</translation>
    </message>
    <message>
        <source>Record fuori classe: classe grammaticale «%1»</source>
        <translation>Registro sin clase válida: clase gramatical «%1»</translation>
    </message>
    <message>
        <source>Record difettoso se si gioca in %1: manca la traduzione</source>
        <translation>Registro defectuoso si se juega en %1: falta la traducción</translation>
    </message>
</context>
<context>
    <name>players::HistoryWorker</name>
    <message>
        <source>Il disco è pieno: la partita non è entrata nella storia (%1). Vi sarà scritta con la prossima, se ci sarà posto.</source>
        <translation>El disco está lleno: la partida no ha entrado en el historial (%1). Se escribirá con la próxima, si hay sitio.</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era danneggiata</source>
        <translation>El historial de partidas (%1) estaba dañado</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) era il file di un altro programma</source>
        <translation>El historial de partidas (%1) era el archivo de otro programa</translation>
    </message>
    <message>
        <source>La storia delle partite (%1) è di una versione di LessiCorsa che questo programma non conosce</source>
        <translation>El historial de partidas (%1) es de una versión de LessiCorsa que este programa no conoce</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2 e ne è stata cominciata una nuova. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: se ha apartado como %2 y se ha empezado uno nuevo. El juego continúa; las palabras falladas no se tocan.</translation>
    </message>
    <message>
        <source>%1: è stata messa da parte come %2, ma non se ne può cominciare una nuova: le partite non vengono registrate. Il gioco continua; i vocaboli sbagliati non sono toccati.</source>
        <translation>%1: se ha apartado como %2, pero no se puede empezar uno nuevo: las partidas no se registran. El juego continúa; las palabras falladas no se tocan.</translation>
    </message>
    <message>
        <source>Impossibile scrivere la storia delle partite (%1): le partite non vengono registrate. Il gioco continua.</source>
        <translation>No se puede escribir el historial de partidas (%1): las partidas no se registran. El juego continúa.</translation>
    </message>
    <message>
        <source>Impossibile leggere la storia delle partite (%1): resta com&apos;è e le partite non vi vengono registrate. Il gioco continua.</source>
        <translation>No se puede leer el historial de partidas (%1): queda como está y las partidas no se registran en él. El juego continúa.</translation>
    </message>
    <message>
        <source>Il disco è pieno: la storia delle partite (%1) non si può cominciare. Le partite vi saranno scritte quando ci sarà posto.</source>
        <translation>El disco está lleno: el historial de partidas (%1) no se puede empezar. Las partidas se escribirán en él cuando haya sitio.</translation>
    </message>
</context>
<context>
    <name>ui</name>
    <message>
        <source>il disco è pieno</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>mancano i permessi di scrittura</source>
        <translation>faltan los permisos de escritura</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>Il file %1 resta com&apos;era.</source>
        <translation>El archivo %1 queda como estaba.</translation>
    </message>
    <message>
        <source>LessiCorsa è già aperto con i dati di questo utente: questa seconda copia si chiude, perché le due copie non si cancellino a vicenda i vocaboli sbagliati, i giocatori e il certamen.</source>
        <translation>LessiCorsa ya está abierto con los datos de este usuario: esta segunda copia se cierra, para que las dos copias no se borren mutuamente las palabras falladas, los jugadores y el certamen.</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>al suo posto c&apos;è una cartella</source>
        <translation>en su lugar hay una carpeta</translation>
    </message>
    <message>
        <source>errore del disco</source>
        <translation>error del disco</translation>
    </message>
    <message>
        <source>errore di sistema %1</source>
        <translation>error del sistema %1</translation>
    </message>
    <message>
        <source>Il file %1 non è stato creato.</source>
        <translation>El archivo %1 no se ha creado.</translation>
    </message>
    <message>
        <source>Causa: %1.</source>
        <translation>Causa: %1.</translation>
    </message>
</context>
<context>
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>ningún dispositivo de audio utilizable (%1): el juego continúa sin sonido.</translation>
    </message>
</context>
</TS>
