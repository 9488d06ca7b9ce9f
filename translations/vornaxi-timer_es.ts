<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Stop sign</source>
        <translation>Señal de stop</translation>
    </message>
    <message>
        <source>The period clock is stopped</source>
        <translation>El reloj de la ronda está parado</translation>
    </message>
    <message>
        <source>Minute of the period now running</source>
        <translation>Minuto en curso de la ronda</translation>
    </message>
    <message>
        <source>Clock readout: minute and seconds of the period</source>
        <translation>Indicador del reloj: minuto y segundos de la ronda</translation>
    </message>
    <message>
        <source>Starts the four-minute period, or stops and resets it</source>
        <translation>Inicia la ronda de cuatro minutos, o la detiene y la pone a cero</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Cierra el programa</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Fondo blanco</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Green background</source>
        <translation>Fondo verde</translation>
    </message>
    <message>
        <source>Cyan background</source>
        <translation>Fondo turquesa</translation>
    </message>
    <message>
        <source>Yellow background</source>
        <translation>Fondo amarillo</translation>
    </message>
    <message>
        <source>Black background</source>
        <translation>Fondo negro</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Hoja de puntos</translation>
    </message>
    <message>
        <source>Shows or hides the score sheet</source>
        <translation>Muestra u oculta la hoja de puntos</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Puntuación total</translation>
    </message>
    <message>
        <source>Unlocks the team name box</source>
        <translation>Desbloquea el campo del nombre del equipo</translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Name of the competing team, printed on the result sheet</source>
        <translation>Nombre del equipo participante, impreso en la hoja de resultados</translation>
    </message>
    <message>
        <source>Prints the window as the result sheet</source>
        <translation>Imprime la ventana como hoja de resultados</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>Minute in which question %1 was answered: 1 to 4, or 0 if it was not</source>
        <translation>Minuto en que se respondió la pregunta %1: de 1 a 4, o 0 si no se respondió</translation>
    </message>
    <message>
        <source>Answer minute of question %1</source>
        <translation>Minuto de respuesta de la pregunta %1</translation>
    </message>
</context>
<context>
    <name>Audience</name>
    <message>
        <source>Show the clock to the room</source>
        <translation>Mostrar el reloj a la sala</translation>
    </message>
    <message>
        <source>Show the total to the room</source>
        <translation>Mostrar el total a la sala</translation>
    </message>
    <message>
        <source>Show the clock on phones and tablets</source>
        <translation>Mostrar el reloj en móviles y tabletas</translation>
    </message>
    <message>
        <source>The link for phones and tablets…</source>
        <translation>El enlace para móviles y tabletas…</translation>
    </message>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>El reloj en móviles y tabletas</translation>
    </message>
    <message>
        <source>The clock cannot be shown on phones and tablets: %1</source>
        <translation>El reloj no se puede mostrar en móviles y tabletas: %1</translation>
    </message>
    <message>
        <source>Show the standings to the room</source>
        <extracomment>Menu entry: between periods, the room and the phones show the standings for the stop sign.</extracomment>
        <translation>Mostrar la clasificación a la sala</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>en</source>
        <extracomment>The language of these texts for the browser, as a language code: de, fr, nl...</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock</source>
        <extracomment>The title of the page phones and tablets show.</extracomment>
        <translation>Vornaxi Timer: el reloj</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>Said by a screen reader when a new minute begins, %1 its number (1 to 4).</extracomment>
        <translation>Minuto %1</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>El reloj está parado</translation>
    </message>
    <message>
        <source>To keep this screen on, turn off its sleep in the device&apos;s settings</source>
        <extracomment>One line under the clock where the browser cannot keep the screen on itself.</extracomment>
        <translation>Para que esta pantalla siga encendida, desactive su suspensión en los ajustes del dispositivo</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <extracomment>Over the clock while the connection to the moderator&apos;s computer is lost.</extracomment>
        <translation>Reconectando…</translation>
    </message>
    <message>
        <source>The standings</source>
        <extracomment>What a screen reader calls the list of the teams, ranked, between periods.</extracomment>
        <translation>La clasificación</translation>
    </message>
</context>
<context>
    <name>ClockServer</name>
    <message>
        <source>The web server library could not be loaded: %1</source>
        <translation>No se pudo cargar la biblioteca del servidor web: %1</translation>
    </message>
    <message>
        <source>None of the ports %1 to %2 is free.</source>
        <translation>Ninguno de los puertos del %1 al %2 está libre.</translation>
    </message>
</context>
<context>
    <name>Evening</name>
    <message>
        <source>File %1</source>
        <translation>Archivar %1</translation>
    </message>
    <message>
        <source>Reopen %1</source>
        <translation>Reabrir %1</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renombrar %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Equipo %1</translation>
    </message>
</context>
<context>
    <name>EveningDesk</name>
    <message>
        <source>Save the standings</source>
        <translation>Guardar la clasificación</translation>
    </message>
    <message>
        <source>standings.csv</source>
        <translation>clasificacion.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Next team</source>
        <extracomment>Menu entry: files this team&apos;s sheet into the evening and starts an empty one.</extracomment>
        <translation>Siguiente equipo</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry, followed by what is undone: &quot;Undo File Owls&quot;.</extracomment>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry, followed by what is redone.</extracomment>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Standings</source>
        <extracomment>Menu entry: opens the window of the evening&apos;s standings.
----------
The standings window&apos;s title.</extracomment>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>New evening</source>
        <extracomment>Menu entry: ends this evening (its file is kept aside) and starts an empty one.</extracomment>
        <translation>Nueva velada</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>Buttons of the standings window, for the selected team.</extracomment>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Reopen</source>
        <extracomment>Puts the selected team&apos;s sheet back in the window for correcting.</extracomment>
        <translation>Reabrir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>The standings could not be saved in %1.</source>
        <translation>No se pudo guardar la clasificación en %1.</translation>
    </message>
</context>
<context>
    <name>EveningStore</name>
    <message>
        <source>The evening&apos;s file could not be used. It was kept as %1, and a new evening has begun.</source>
        <translation>No se pudo usar el archivo de la velada. Se ha guardado como %1 y ha empezado una velada nueva.</translation>
    </message>
    <message>
        <source>The evening&apos;s file %1 could not be used, nor be set aside. A new evening has begun, but nothing of it will be saved.</source>
        <translation>No se pudo usar el archivo de la velada %1 ni apartarlo. Ha empezado una velada nueva, pero no se guardará nada de ella.</translation>
    </message>
    <message>
        <source>The evening cannot be saved in %1. It goes on, but only until the program ends.</source>
        <translation>La velada no se puede guardar en %1. Sigue, pero solo hasta que termine el programa.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 was not found or could not be loaded</source>
        <extracomment>%1 is a library&apos;s file, libqrencode.so.4 for one.</extracomment>
        <translation>No se encontró %1 o no se pudo cargar</translation>
    </message>
    <message>
        <source>%1 has no function %2</source>
        <translation>%1 no tiene la función %2</translation>
    </message>
</context>
<context>
    <name>PeriodClock</name>
    <message>
        <source>Stop/Reset</source>
        <extracomment>The start button while the period runs: stops the clock and resets it to the first minute. Short: the button is 80 px wide.</extracomment>
        <translation>Parar/Reiniciar</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The start button while the clock stands. Short: the button is 80 px wide.</extracomment>
        <translation>Iniciar</translation>
    </message>
</context>
<context>
    <name>PhonesWindow</name>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>El reloj en móviles y tabletas</translation>
    </message>
    <message>
        <source>Address in the link</source>
        <extracomment>Chooses which of the computer&apos;s network addresses the link uses.</extracomment>
        <translation>Dirección del enlace</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>El enlace</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Anyone on this network with the link sees the clock; nobody can change anything</source>
        <translation>Cualquiera en esta red que tenga el enlace ve el reloj; nadie puede cambiar nada</translation>
    </message>
    <message>
        <source>Screens watching now: %1</source>
        <translation>Pantallas que miran ahora: %1</translation>
    </message>
    <message>
        <source>The QR code could not be drawn: %1</source>
        <translation>No se pudo dibujar el código QR: %1</translation>
    </message>
</context>
<context>
    <name>ResultSheet</name>
    <message>
        <source>No printer</source>
        <translation>No hay impresora</translation>
    </message>
    <message>
        <source>No default printer</source>
        <translation>No hay impresora predeterminada</translation>
    </message>
    <message>
        <source>Print job failed</source>
        <translation>Falló la impresión</translation>
    </message>
    <message>
        <source>Nothing was printed: no printer is available. The printing service may not be running.</source>
        <translation>No se imprimió nada: no hay ninguna impresora disponible. Puede que el servicio de impresión no esté en marcha.</translation>
    </message>
    <message>
        <source>Nothing was printed: no default printer is set. Choose one in the system&apos;s printer settings.</source>
        <translation>No se imprimió nada: no hay ninguna impresora predeterminada. Elija una en la configuración de impresoras del sistema.</translation>
    </message>
    <message>
        <source>Nothing was printed: the print job could not be started on the default printer.</source>
        <translation>No se imprimió nada: no se pudo iniciar la impresión en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>PDF not saved</source>
        <translation>PDF no guardado</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>No se pudo escribir el archivo PDF:
%1</translation>
    </message>
    <message>
        <source>You can save the result sheet as a PDF file instead.</source>
        <translation>Puede guardar la hoja de resultados como archivo PDF en su lugar.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Vornaxi Timer results</source>
        <extracomment>The print job&apos;s title in the printer&apos;s queue, %1 the team&apos;s name.</extracomment>
        <translation>Resultados del Temporizador Vornaxi</translation>
    </message>
    <message>
        <source>Vornaxi Timer results - %1</source>
        <translation>Resultados del Temporizador Vornaxi - %1</translation>
    </message>
    <message>
        <source>Results.pdf</source>
        <extracomment>The PDF file name offered, %1 the team&apos;s name; keep &quot;.pdf&quot;.</extracomment>
        <translation>Resultados.pdf</translation>
    </message>
    <message>
        <source>Results - %1.pdf</source>
        <translation>Resultados - %1.pdf</translation>
    </message>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Guardar la hoja de resultados como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RoomView</name>
    <message>
        <source>The quiz clock is shown to the room</source>
        <translation>El reloj del concurso se muestra a la sala</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock for the room</source>
        <translation>Temporizador Vornaxi: el reloj para la sala</translation>
    </message>
    <message>
        <source>The clock for the room</source>
        <translation>El reloj para la sala</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>El reloj está parado</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Which page of the standings the room sees, of how many: &quot;2/3&quot;. Short.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The standings of the evening</source>
        <translation>La clasificación de la noche</translation>
    </message>
</context>
<context>
    <name>StandingsModel</name>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>A column&apos;s caption: how many questions a team answered in that minute; keep it short</extracomment>
        <translation>Minuto %1</translation>
    </message>
</context>
<context>
    <name>frmQuizdial</name>
    <message>
        <source>W</source>
        <extracomment>Colour button: the initial of White. One letter, at most two: the button leaves 16 px for it. Keep the five colour buttons different.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>Colour button: the initial of Green (one letter, at most two).</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>Colour button: the initial of Turquoise (cyan; one letter, at most two).</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>Y</source>
        <extracomment>Colour button: the initial of Yellow (one letter, at most two).</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Colour button: the initial of Black (one letter, at most two).</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Vornaxi Timer v3.0</source>
        <extracomment>The window&apos;s title: the program&apos;s name as in the desktop&apos;s menu, and its version.</extracomment>
        <translation>Temporizador Vornaxi v3.0</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>Ends the program. In capitals, short: the button is 80 px wide.</extracomment>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>Score-&gt;</source>
        <extracomment>Opens and closes the score sheet at the window&apos;s right. Very short: 59 px.</extracomment>
        <translation>Puntos-&gt;</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <extracomment>Unlocks the box for the team&apos;s name. Short: the button is 129 px wide.</extracomment>
        <translation>Nombre del equipo</translation>
    </message>
    <message>
        <source>Print Results</source>
        <extracomment>Prints the window as the result sheet. Short: the button is 117 px wide.</extracomment>
        <translation>Imprimir resultados</translation>
    </message>
    <message>
        <source>Question #%1</source>
        <extracomment>Caption of a question&apos;s frame, %1 its number from 1 to 12. Short: 137 px.</extracomment>
        <translation>Pregunta n.º %1</translation>
    </message>
</context>
</TS>
