<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Accessibility</name>
    <message>
        <source>Stop sign</source>
        <translation>Stopbord</translation>
    </message>
    <message>
        <source>The period clock is stopped</source>
        <translation>De klok van de ronde staat stil</translation>
    </message>
    <message>
        <source>Minute of the period now running</source>
        <translation>Lopende minuut van de ronde</translation>
    </message>
    <message>
        <source>Clock readout: minute and seconds of the period</source>
        <translation>Tijdweergave: minuut en seconden van de ronde</translation>
    </message>
    <message>
        <source>Starts the four-minute period, or stops and resets it</source>
        <translation>Start de ronde van vier minuten, of stopt die en zet die terug op nul</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Sluit het programma af</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Witte achtergrond</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Achtergrondkleur</translation>
    </message>
    <message>
        <source>Green background</source>
        <translation>Groene achtergrond</translation>
    </message>
    <message>
        <source>Cyan background</source>
        <translation>Turquoise achtergrond</translation>
    </message>
    <message>
        <source>Yellow background</source>
        <translation>Gele achtergrond</translation>
    </message>
    <message>
        <source>Black background</source>
        <translation>Zwarte achtergrond</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Scoreblad</translation>
    </message>
    <message>
        <source>Shows or hides the score sheet</source>
        <translation>Toont of verbergt het scoreblad</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Totaalscore</translation>
    </message>
    <message>
        <source>Unlocks the team name box</source>
        <translation>Ontgrendelt het vak voor de teamnaam</translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Teamnaam</translation>
    </message>
    <message>
        <source>Name of the competing team, printed on the result sheet</source>
        <translation>Naam van het deelnemende team, afgedrukt op het uitslagblad</translation>
    </message>
    <message>
        <source>Prints the window as the result sheet</source>
        <translation>Drukt het venster af als uitslagblad</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Vraag %1</translation>
    </message>
    <message>
        <source>Minute in which question %1 was answered: 1 to 4, or 0 if it was not</source>
        <translation>Minuut waarin vraag %1 is beantwoord: 1 tot 4, of 0 als dat niet is gebeurd</translation>
    </message>
    <message>
        <source>Answer minute of question %1</source>
        <translation>Antwoordminuut van vraag %1</translation>
    </message>
</context>
<context>
    <name>Audience</name>
    <message>
        <source>Show the clock to the room</source>
        <translation>Klok aan de zaal tonen</translation>
    </message>
    <message>
        <source>Show the total to the room</source>
        <translation>Totaal aan de zaal tonen</translation>
    </message>
    <message>
        <source>Show the clock on phones and tablets</source>
        <translation>De klok op telefoons en tablets tonen</translation>
    </message>
    <message>
        <source>The link for phones and tablets…</source>
        <translation>De link voor telefoons en tablets…</translation>
    </message>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>De klok op telefoons en tablets</translation>
    </message>
    <message>
        <source>The clock cannot be shown on phones and tablets: %1</source>
        <translation>De klok kan niet op telefoons en tablets worden getoond: %1</translation>
    </message>
    <message>
        <source>Show the standings to the room</source>
        <extracomment>Menu entry: between periods, the room and the phones show the standings for the stop sign.</extracomment>
        <translation>Stand aan de zaal tonen</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>en</source>
        <extracomment>The language of these texts for the browser, as a language code: de, fr, nl...</extracomment>
        <translation>nl</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock</source>
        <extracomment>The title of the page phones and tablets show.</extracomment>
        <translation>Vornaxi Timer: de klok</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>Said by a screen reader when a new minute begins, %1 its number (1 to 4).</extracomment>
        <translation>Minuut %1</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>De klok staat stil</translation>
    </message>
    <message>
        <source>To keep this screen on, turn off its sleep in the device&apos;s settings</source>
        <extracomment>One line under the clock where the browser cannot keep the screen on itself.</extracomment>
        <translation>Zet de slaapstand uit in de instellingen van het apparaat om dit scherm aan te houden</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <extracomment>Over the clock while the connection to the moderator&apos;s computer is lost.</extracomment>
        <translation>Opnieuw verbinden…</translation>
    </message>
    <message>
        <source>The standings</source>
        <extracomment>What a screen reader calls the list of the teams, ranked, between periods.</extracomment>
        <translation>De stand</translation>
    </message>
</context>
<context>
    <name>ClockServer</name>
    <message>
        <source>The web server library could not be loaded: %1</source>
        <translation>De bibliotheek van de webserver kon niet worden geladen: %1</translation>
    </message>
    <message>
        <source>None of the ports %1 to %2 is free.</source>
        <translation>Geen van de poorten %1 tot en met %2 is vrij.</translation>
    </message>
</context>
<context>
    <name>Evening</name>
    <message>
        <source>File %1</source>
        <translation>%1 opslaan</translation>
    </message>
    <message>
        <source>Reopen %1</source>
        <translation>%1 heropenen</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 hernoemen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>%1 verwijderen</translation>
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
        <translation>Stand opslaan</translation>
    </message>
    <message>
        <source>standings.csv</source>
        <translation>stand.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>Next team</source>
        <extracomment>Menu entry: files this team&apos;s sheet into the evening and starts an empty one.</extracomment>
        <translation>Volgend team</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry, followed by what is undone: &quot;Undo File Owls&quot;.</extracomment>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry, followed by what is redone.</extracomment>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Standings</source>
        <extracomment>Menu entry: opens the window of the evening&apos;s standings.
----------
The standings window&apos;s title.</extracomment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>New evening</source>
        <extracomment>Menu entry: ends this evening (its file is kept aside) and starts an empty one.</extracomment>
        <translation>Nieuwe avond</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>Buttons of the standings window, for the selected team.</extracomment>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Reopen</source>
        <extracomment>Puts the selected team&apos;s sheet back in the window for correcting.</extracomment>
        <translation>Heropenen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Opslaan als CSV</translation>
    </message>
    <message>
        <source>The standings could not be saved in %1.</source>
        <translation>De stand kon niet worden opgeslagen in %1.</translation>
    </message>
</context>
<context>
    <name>EveningStore</name>
    <message>
        <source>The evening&apos;s file could not be used. It was kept as %1, and a new evening has begun.</source>
        <translation>Het bestand van de avond was onbruikbaar. Het is bewaard als %1, en een nieuwe avond is begonnen.</translation>
    </message>
    <message>
        <source>The evening&apos;s file %1 could not be used, nor be set aside. A new evening has begun, but nothing of it will be saved.</source>
        <translation>Het bestand van de avond %1 was onbruikbaar en kon niet opzij worden gezet. Een nieuwe avond is begonnen, maar er wordt niets van opgeslagen.</translation>
    </message>
    <message>
        <source>The evening cannot be saved in %1. It goes on, but only until the program ends.</source>
        <translation>De avond kan niet in %1 worden opgeslagen. Hij gaat door, maar alleen tot het programma eindigt.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 was not found or could not be loaded</source>
        <extracomment>%1 is a library&apos;s file, libqrencode.so.4 for one.</extracomment>
        <translation>%1 is niet gevonden of kon niet worden geladen</translation>
    </message>
    <message>
        <source>%1 has no function %2</source>
        <translation>%1 heeft geen functie %2</translation>
    </message>
</context>
<context>
    <name>PeriodClock</name>
    <message>
        <source>Stop/Reset</source>
        <extracomment>The start button while the period runs: stops the clock and resets it to the first minute. Short: the button is 80 px wide.</extracomment>
        <translation>Stop/Reset</translation>
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
        <translation>De klok op telefoons en tablets</translation>
    </message>
    <message>
        <source>Address in the link</source>
        <extracomment>Chooses which of the computer&apos;s network addresses the link uses.</extracomment>
        <translation>Adres in de link</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>De link</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Anyone on this network with the link sees the clock; nobody can change anything</source>
        <translation>Iedereen op dit netwerk met de link ziet de klok; niemand kan iets veranderen</translation>
    </message>
    <message>
        <source>Screens watching now: %1</source>
        <translation>Schermen die nu kijken: %1</translation>
    </message>
    <message>
        <source>The QR code could not be drawn: %1</source>
        <translation>De QR-code kon niet worden getekend: %1</translation>
    </message>
</context>
<context>
    <name>ResultSheet</name>
    <message>
        <source>No printer</source>
        <translation>Geen printer</translation>
    </message>
    <message>
        <source>No default printer</source>
        <translation>Geen standaardprinter</translation>
    </message>
    <message>
        <source>Print job failed</source>
        <translation>Afdrukopdracht mislukt</translation>
    </message>
    <message>
        <source>Nothing was printed: no printer is available. The printing service may not be running.</source>
        <translation>Er is niets afgedrukt: er is geen printer beschikbaar. Misschien draait de afdrukservice niet.</translation>
    </message>
    <message>
        <source>Nothing was printed: no default printer is set. Choose one in the system&apos;s printer settings.</source>
        <translation>Er is niets afgedrukt: er is geen standaardprinter ingesteld. Kies er een in de printerinstellingen van het systeem.</translation>
    </message>
    <message>
        <source>Nothing was printed: the print job could not be started on the default printer.</source>
        <translation>Er is niets afgedrukt: de afdrukopdracht kon niet worden gestart op de standaardprinter.</translation>
    </message>
    <message>
        <source>PDF not saved</source>
        <translation>PDF niet opgeslagen</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Het PDF-bestand kon niet worden geschreven:
%1</translation>
    </message>
    <message>
        <source>You can save the result sheet as a PDF file instead.</source>
        <translation>U kunt het uitslagblad in plaats daarvan als PDF-bestand opslaan.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Opslaan als PDF...</translation>
    </message>
    <message>
        <source>Vornaxi Timer results</source>
        <extracomment>The print job&apos;s title in the printer&apos;s queue, %1 the team&apos;s name.</extracomment>
        <translation>Uitslag Vornaxi-timer</translation>
    </message>
    <message>
        <source>Vornaxi Timer results - %1</source>
        <translation>Uitslag Vornaxi-timer - %1</translation>
    </message>
    <message>
        <source>Results.pdf</source>
        <extracomment>The PDF file name offered, %1 the team&apos;s name; keep &quot;.pdf&quot;.</extracomment>
        <translation>Uitslag.pdf</translation>
    </message>
    <message>
        <source>Results - %1.pdf</source>
        <translation>Uitslag - %1.pdf</translation>
    </message>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Uitslagblad opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RoomView</name>
    <message>
        <source>The quiz clock is shown to the room</source>
        <translation>De quizklok wordt aan de zaal getoond</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock for the room</source>
        <translation>Vornaxi-timer: de klok voor de zaal</translation>
    </message>
    <message>
        <source>The clock for the room</source>
        <translation>De klok voor de zaal</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>De klok staat stil</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Which page of the standings the room sees, of how many: &quot;2/3&quot;. Short.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The standings of the evening</source>
        <translation>De stand van de avond</translation>
    </message>
</context>
<context>
    <name>StandingsModel</name>
    <message>
        <source>Rank</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totaal</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>A column&apos;s caption: how many questions a team answered in that minute; keep it short</extracomment>
        <translation>Minuut %1</translation>
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
        <translation>Z</translation>
    </message>
    <message>
        <source>Vornaxi Timer v3.0</source>
        <extracomment>The window&apos;s title: the program&apos;s name as in the desktop&apos;s menu, and its version.</extracomment>
        <translation>Vornaxi-timer v3.0</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>Ends the program. In capitals, short: the button is 80 px wide.</extracomment>
        <translation>AFSLUITEN</translation>
    </message>
    <message>
        <source>Score-&gt;</source>
        <extracomment>Opens and closes the score sheet at the window&apos;s right. Very short: 59 px.</extracomment>
        <translation>Score-&gt;</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <extracomment>Unlocks the box for the team&apos;s name. Short: the button is 129 px wide.</extracomment>
        <translation>Teamnaam invullen</translation>
    </message>
    <message>
        <source>Print Results</source>
        <extracomment>Prints the window as the result sheet. Short: the button is 117 px wide.</extracomment>
        <translation>Uitslag printen</translation>
    </message>
    <message>
        <source>Question #%1</source>
        <extracomment>Caption of a question&apos;s frame, %1 its number from 1 to 12. Short: 137 px.</extracomment>
        <translation>Vraag nr. %1</translation>
    </message>
</context>
</TS>
