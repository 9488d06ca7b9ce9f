<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Stop sign</source>
        <translation>Stoppschild</translation>
    </message>
    <message>
        <source>The period clock is stopped</source>
        <translation>Die Uhr der Runde steht</translation>
    </message>
    <message>
        <source>Minute of the period now running</source>
        <translation>Laufende Minute der Runde</translation>
    </message>
    <message>
        <source>Clock readout: minute and seconds of the period</source>
        <translation>Zeitanzeige: Minute und Sekunden der Runde</translation>
    </message>
    <message>
        <source>Starts the four-minute period, or stops and resets it</source>
        <translation>Startet die vierminütige Runde oder hält sie an und setzt sie zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Beendet das Programm</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Weißer Hintergrund</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Green background</source>
        <translation>Grüner Hintergrund</translation>
    </message>
    <message>
        <source>Cyan background</source>
        <translation>Türkiser Hintergrund</translation>
    </message>
    <message>
        <source>Yellow background</source>
        <translation>Gelber Hintergrund</translation>
    </message>
    <message>
        <source>Black background</source>
        <translation>Schwarzer Hintergrund</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Punkteliste</translation>
    </message>
    <message>
        <source>Shows or hides the score sheet</source>
        <translation>Zeigt oder verbirgt die Punkteliste</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Gesamtpunktzahl</translation>
    </message>
    <message>
        <source>Unlocks the team name box</source>
        <translation>Gibt das Feld für den Teamnamen frei</translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamname</translation>
    </message>
    <message>
        <source>Name of the competing team, printed on the result sheet</source>
        <translation>Name des spielenden Teams, steht auf dem Ergebnisblatt</translation>
    </message>
    <message>
        <source>Prints the window as the result sheet</source>
        <translation>Druckt das Fenster als Ergebnisblatt</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Frage %1</translation>
    </message>
    <message>
        <source>Minute in which question %1 was answered: 1 to 4, or 0 if it was not</source>
        <translation>Minute, in der Frage %1 beantwortet wurde: 1 bis 4, oder 0, wenn nicht</translation>
    </message>
    <message>
        <source>Answer minute of question %1</source>
        <translation>Antwortminute von Frage %1</translation>
    </message>
</context>
<context>
    <name>Audience</name>
    <message>
        <source>Show the clock to the room</source>
        <translation>Uhr im Saal zeigen</translation>
    </message>
    <message>
        <source>Show the total to the room</source>
        <translation>Punktestand im Saal zeigen</translation>
    </message>
    <message>
        <source>Show the clock on phones and tablets</source>
        <translation>Uhr auf Handys und Tablets zeigen</translation>
    </message>
    <message>
        <source>The link for phones and tablets…</source>
        <translation>Der Link für Handys und Tablets…</translation>
    </message>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>Die Uhr auf Handys und Tablets</translation>
    </message>
    <message>
        <source>The clock cannot be shown on phones and tablets: %1</source>
        <translation>Die Uhr kann nicht auf Handys und Tablets gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Show the standings to the room</source>
        <extracomment>Menu entry: between periods, the room and the phones show the standings for the stop sign.</extracomment>
        <translation>Tabelle im Saal zeigen</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>en</source>
        <extracomment>The language of these texts for the browser, as a language code: de, fr, nl...</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock</source>
        <extracomment>The title of the page phones and tablets show.</extracomment>
        <translation>Vornaxi Timer: die Uhr</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>Said by a screen reader when a new minute begins, %1 its number (1 to 4).</extracomment>
        <translation>Minute %1</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>Die Uhr steht</translation>
    </message>
    <message>
        <source>To keep this screen on, turn off its sleep in the device&apos;s settings</source>
        <extracomment>One line under the clock where the browser cannot keep the screen on itself.</extracomment>
        <translation>Damit dieser Bildschirm an bleibt, schalten Sie seinen Ruhezustand in den Einstellungen des Geräts aus</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <extracomment>Over the clock while the connection to the moderator&apos;s computer is lost.</extracomment>
        <translation>Verbindung wird wiederhergestellt…</translation>
    </message>
    <message>
        <source>The standings</source>
        <extracomment>What a screen reader calls the list of the teams, ranked, between periods.</extracomment>
        <translation>Die Tabelle</translation>
    </message>
</context>
<context>
    <name>ClockServer</name>
    <message>
        <source>The web server library could not be loaded: %1</source>
        <translation>Die Bibliothek des Webservers konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>None of the ports %1 to %2 is free.</source>
        <translation>Keiner der Ports %1 bis %2 ist frei.</translation>
    </message>
</context>
<context>
    <name>Evening</name>
    <message>
        <source>File %1</source>
        <translation>%1 ablegen</translation>
    </message>
    <message>
        <source>Reopen %1</source>
        <translation>%1 wieder öffnen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
</context>
<context>
    <name>EveningDesk</name>
    <message>
        <source>Save the standings</source>
        <translation>Tabelle speichern</translation>
    </message>
    <message>
        <source>standings.csv</source>
        <translation>tabelle.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Next team</source>
        <extracomment>Menu entry: files this team&apos;s sheet into the evening and starts an empty one.</extracomment>
        <translation>Nächstes Team</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry, followed by what is undone: &quot;Undo File Owls&quot;.</extracomment>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry, followed by what is redone.</extracomment>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Standings</source>
        <extracomment>Menu entry: opens the window of the evening&apos;s standings.
----------
The standings window&apos;s title.</extracomment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>New evening</source>
        <extracomment>Menu entry: ends this evening (its file is kept aside) and starts an empty one.</extracomment>
        <translation>Neuer Abend</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>Buttons of the standings window, for the selected team.</extracomment>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Reopen</source>
        <extracomment>Puts the selected team&apos;s sheet back in the window for correcting.</extracomment>
        <translation>Wieder öffnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>The standings could not be saved in %1.</source>
        <translation>Die Tabelle konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>EveningStore</name>
    <message>
        <source>The evening&apos;s file could not be used. It was kept as %1, and a new evening has begun.</source>
        <translation>Die Datei des Abends war nicht zu gebrauchen. Sie wurde als %1 aufbewahrt, und ein neuer Abend hat begonnen.</translation>
    </message>
    <message>
        <source>The evening&apos;s file %1 could not be used, nor be set aside. A new evening has begun, but nothing of it will be saved.</source>
        <translation>Die Datei des Abends %1 war nicht zu gebrauchen und ließ sich nicht beiseitelegen. Ein neuer Abend hat begonnen, aber nichts davon wird gespeichert.</translation>
    </message>
    <message>
        <source>The evening cannot be saved in %1. It goes on, but only until the program ends.</source>
        <translation>Der Abend kann nicht in %1 gespeichert werden. Er geht weiter, aber nur, bis das Programm endet.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 was not found or could not be loaded</source>
        <extracomment>%1 is a library&apos;s file, libqrencode.so.4 for one.</extracomment>
        <translation>%1 wurde nicht gefunden oder konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>%1 has no function %2</source>
        <translation>%1 hat keine Funktion %2</translation>
    </message>
</context>
<context>
    <name>PeriodClock</name>
    <message>
        <source>Stop/Reset</source>
        <extracomment>The start button while the period runs: stops the clock and resets it to the first minute. Short: the button is 80 px wide.</extracomment>
        <translation>Stopp/Reset</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The start button while the clock stands. Short: the button is 80 px wide.</extracomment>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>PhonesWindow</name>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>Die Uhr auf Handys und Tablets</translation>
    </message>
    <message>
        <source>Address in the link</source>
        <extracomment>Chooses which of the computer&apos;s network addresses the link uses.</extracomment>
        <translation>Adresse im Link</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>Der Link</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Anyone on this network with the link sees the clock; nobody can change anything</source>
        <translation>Alle in diesem Netzwerk, die den Link haben, sehen die Uhr; niemand kann etwas ändern</translation>
    </message>
    <message>
        <source>Screens watching now: %1</source>
        <translation>Schirme, die jetzt zusehen: %1</translation>
    </message>
    <message>
        <source>The QR code could not be drawn: %1</source>
        <translation>Der QR-Code konnte nicht gezeichnet werden: %1</translation>
    </message>
</context>
<context>
    <name>ResultSheet</name>
    <message>
        <source>No printer</source>
        <translation>Kein Drucker</translation>
    </message>
    <message>
        <source>No default printer</source>
        <translation>Kein Standarddrucker</translation>
    </message>
    <message>
        <source>Print job failed</source>
        <translation>Druckauftrag fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing was printed: no printer is available. The printing service may not be running.</source>
        <translation>Es wurde nichts gedruckt: Kein Drucker ist verfügbar. Der Druckdienst läuft vielleicht nicht.</translation>
    </message>
    <message>
        <source>Nothing was printed: no default printer is set. Choose one in the system&apos;s printer settings.</source>
        <translation>Es wurde nichts gedruckt: Es ist kein Standarddrucker eingestellt. Wählen Sie einen in den Druckereinstellungen des Systems.</translation>
    </message>
    <message>
        <source>Nothing was printed: the print job could not be started on the default printer.</source>
        <translation>Es wurde nichts gedruckt: Der Druckauftrag konnte auf dem Standarddrucker nicht gestartet werden.</translation>
    </message>
    <message>
        <source>PDF not saved</source>
        <translation>PDF nicht gespeichert</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden:
%1</translation>
    </message>
    <message>
        <source>You can save the result sheet as a PDF file instead.</source>
        <translation>Sie können das Ergebnisblatt stattdessen als PDF-Datei speichern.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Vornaxi Timer results</source>
        <extracomment>The print job&apos;s title in the printer&apos;s queue, %1 the team&apos;s name.</extracomment>
        <translation>Vornaxi-Timer-Ergebnisse</translation>
    </message>
    <message>
        <source>Vornaxi Timer results - %1</source>
        <translation>Vornaxi-Timer-Ergebnisse - %1</translation>
    </message>
    <message>
        <source>Results.pdf</source>
        <extracomment>The PDF file name offered, %1 the team&apos;s name; keep &quot;.pdf&quot;.</extracomment>
        <translation>Ergebnisse.pdf</translation>
    </message>
    <message>
        <source>Results - %1.pdf</source>
        <translation>Ergebnisse - %1.pdf</translation>
    </message>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Ergebnisblatt als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RoomView</name>
    <message>
        <source>The quiz clock is shown to the room</source>
        <translation>Die Quiz-Uhr wird im Saal gezeigt</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock for the room</source>
        <translation>Vornaxi-Timer: die Uhr für den Saal</translation>
    </message>
    <message>
        <source>The clock for the room</source>
        <translation>Die Uhr für den Saal</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>Die Uhr steht</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Which page of the standings the room sees, of how many: &quot;2/3&quot;. Short.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The standings of the evening</source>
        <translation>Die Tabelle des Abends</translation>
    </message>
</context>
<context>
    <name>StandingsModel</name>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>A column&apos;s caption: how many questions a team answered in that minute; keep it short</extracomment>
        <translation>Minute %1</translation>
    </message>
</context>
<context>
    <name>frmQuizdial</name>
    <message>
        <source>W</source>
        <extracomment>Colour button: the initial of White. One letter, at most two: the button leaves 16 px for it. Keep the five colour buttons different.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>Colour button: the initial of Green (one letter, at most two).</extracomment>
        <translation>Gr</translation>
    </message>
    <message>
        <source>T</source>
        <extracomment>Colour button: the initial of Turquoise (cyan; one letter, at most two).</extracomment>
        <translation>T</translation>
    </message>
    <message>
        <source>Y</source>
        <extracomment>Colour button: the initial of Yellow (one letter, at most two).</extracomment>
        <translation>Ge</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Colour button: the initial of Black (one letter, at most two).</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>Vornaxi Timer v3.0</source>
        <extracomment>The window&apos;s title: the program&apos;s name as in the desktop&apos;s menu, and its version.</extracomment>
        <translation>Vornaxi-Timer v3.0</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>Ends the program. In capitals, short: the button is 80 px wide.</extracomment>
        <translation>ENDE</translation>
    </message>
    <message>
        <source>Score-&gt;</source>
        <extracomment>Opens and closes the score sheet at the window&apos;s right. Very short: 59 px.</extracomment>
        <translation>Punkte-&gt;</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <extracomment>Unlocks the box for the team&apos;s name. Short: the button is 129 px wide.</extracomment>
        <translation>Team eintragen</translation>
    </message>
    <message>
        <source>Print Results</source>
        <extracomment>Prints the window as the result sheet. Short: the button is 117 px wide.</extracomment>
        <translation>Ergebnis drucken</translation>
    </message>
    <message>
        <source>Question #%1</source>
        <extracomment>Caption of a question&apos;s frame, %1 its number from 1 to 12. Short: 137 px.</extracomment>
        <translation>Frage Nr. %1</translation>
    </message>
</context>
</TS>
