<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="it">
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
    <name>ui::MultimediaDevice</name>
    <message>
        <source>nessun dispositivo audio utilizzabile (%1): il gioco prosegue senza suono.</source>
        <translation>ningún dispositivo de audio utilizable (%1): el juego continúa sin sonido.</translation>
    </message>
</context>
</TS>
