<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Accessibility</name>
    <message>
        <source>Stop sign</source>
        <translation>Panneau stop</translation>
    </message>
    <message>
        <source>The period clock is stopped</source>
        <translation>L&apos;horloge de la manche est arrêtée</translation>
    </message>
    <message>
        <source>Minute of the period now running</source>
        <translation>Minute en cours de la manche</translation>
    </message>
    <message>
        <source>Clock readout: minute and seconds of the period</source>
        <translation>Affichage de l&apos;horloge : minute et secondes de la manche</translation>
    </message>
    <message>
        <source>Starts the four-minute period, or stops and resets it</source>
        <translation>Lance la manche de quatre minutes, ou l&apos;arrête et la remet à zéro</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <translation>Ferme le programme</translation>
    </message>
    <message>
        <source>White background</source>
        <translation>Fond blanc</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Green background</source>
        <translation>Fond vert</translation>
    </message>
    <message>
        <source>Cyan background</source>
        <translation>Fond turquoise</translation>
    </message>
    <message>
        <source>Yellow background</source>
        <translation>Fond jaune</translation>
    </message>
    <message>
        <source>Black background</source>
        <translation>Fond noir</translation>
    </message>
    <message>
        <source>Score sheet</source>
        <translation>Feuille de score</translation>
    </message>
    <message>
        <source>Shows or hides the score sheet</source>
        <translation>Affiche ou masque la feuille de score</translation>
    </message>
    <message>
        <source>Total score</source>
        <translation>Score total</translation>
    </message>
    <message>
        <source>Unlocks the team name box</source>
        <translation>Déverrouille le champ du nom de l&apos;équipe</translation>
    </message>
    <message>
        <source>Team name</source>
        <translation>Nom de l&apos;équipe</translation>
    </message>
    <message>
        <source>Name of the competing team, printed on the result sheet</source>
        <translation>Nom de l&apos;équipe en lice, imprimé sur la feuille de résultats</translation>
    </message>
    <message>
        <source>Prints the window as the result sheet</source>
        <translation>Imprime la fenêtre comme feuille de résultats</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Question %1</translation>
    </message>
    <message>
        <source>Minute in which question %1 was answered: 1 to 4, or 0 if it was not</source>
        <translation>Minute de la réponse à la question %1 : de 1 à 4, ou 0 sans réponse</translation>
    </message>
    <message>
        <source>Answer minute of question %1</source>
        <translation>Minute de réponse de la question %1</translation>
    </message>
</context>
<context>
    <name>Audience</name>
    <message>
        <source>Show the clock to the room</source>
        <translation>Montrer l&apos;horloge à la salle</translation>
    </message>
    <message>
        <source>Show the total to the room</source>
        <translation>Montrer le total à la salle</translation>
    </message>
    <message>
        <source>Show the clock on phones and tablets</source>
        <translation>Afficher l’horloge sur téléphones et tablettes</translation>
    </message>
    <message>
        <source>The link for phones and tablets…</source>
        <translation>Le lien pour téléphones et tablettes…</translation>
    </message>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>L’horloge sur téléphones et tablettes</translation>
    </message>
    <message>
        <source>The clock cannot be shown on phones and tablets: %1</source>
        <translation>L’horloge ne peut pas être affichée sur téléphones et tablettes : %1</translation>
    </message>
    <message>
        <source>Show the standings to the room</source>
        <extracomment>Menu entry: between periods, the room and the phones show the standings for the stop sign.</extracomment>
        <translation>Montrer le classement à la salle</translation>
    </message>
</context>
<context>
    <name>ClockPage</name>
    <message>
        <source>en</source>
        <extracomment>The language of these texts for the browser, as a language code: de, fr, nl...</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock</source>
        <extracomment>The title of the page phones and tablets show.</extracomment>
        <translation>Vornaxi Timer : l’horloge</translation>
    </message>
    <message>
        <source>Minute %1</source>
        <extracomment>Said by a screen reader when a new minute begins, %1 its number (1 to 4).</extracomment>
        <translation>Minute %1</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>L’horloge est arrêtée</translation>
    </message>
    <message>
        <source>To keep this screen on, turn off its sleep in the device&apos;s settings</source>
        <extracomment>One line under the clock where the browser cannot keep the screen on itself.</extracomment>
        <translation>Pour garder cet écran allumé, désactivez sa mise en veille dans les réglages de l’appareil</translation>
    </message>
    <message>
        <source>Reconnecting…</source>
        <extracomment>Over the clock while the connection to the moderator&apos;s computer is lost.</extracomment>
        <translation>Reconnexion…</translation>
    </message>
    <message>
        <source>The standings</source>
        <extracomment>What a screen reader calls the list of the teams, ranked, between periods.</extracomment>
        <translation>Le classement</translation>
    </message>
</context>
<context>
    <name>ClockServer</name>
    <message>
        <source>The web server library could not be loaded: %1</source>
        <translation>La bibliothèque du serveur web n&apos;a pas pu être chargée : %1</translation>
    </message>
    <message>
        <source>None of the ports %1 to %2 is free.</source>
        <translation>Aucun des ports de %1 à %2 n&apos;est libre.</translation>
    </message>
</context>
<context>
    <name>Evening</name>
    <message>
        <source>File %1</source>
        <translation>Classer %1</translation>
    </message>
    <message>
        <source>Reopen %1</source>
        <translation>Rouvrir %1</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Retirer %1</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Équipe %1</translation>
    </message>
</context>
<context>
    <name>EveningDesk</name>
    <message>
        <source>Save the standings</source>
        <translation>Enregistrer le classement</translation>
    </message>
    <message>
        <source>standings.csv</source>
        <translation>classement.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Next team</source>
        <extracomment>Menu entry: files this team&apos;s sheet into the evening and starts an empty one.</extracomment>
        <translation>Équipe suivante</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Menu entry, followed by what is undone: &quot;Undo File Owls&quot;.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <extracomment>Menu entry, followed by what is redone.</extracomment>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Standings</source>
        <extracomment>Menu entry: opens the window of the evening&apos;s standings.
----------
The standings window&apos;s title.</extracomment>
        <translation>Classement</translation>
    </message>
    <message>
        <source>New evening</source>
        <extracomment>Menu entry: ends this evening (its file is kept aside) and starts an empty one.</extracomment>
        <translation>Nouvelle soirée</translation>
    </message>
    <message>
        <source>Rename</source>
        <extracomment>Buttons of the standings window, for the selected team.</extracomment>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Reopen</source>
        <extracomment>Puts the selected team&apos;s sheet back in the window for correcting.</extracomment>
        <translation>Rouvrir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>The standings could not be saved in %1.</source>
        <translation>Le classement n’a pas pu être enregistré dans %1.</translation>
    </message>
</context>
<context>
    <name>EveningStore</name>
    <message>
        <source>The evening&apos;s file could not be used. It was kept as %1, and a new evening has begun.</source>
        <translation>Le fichier de la soirée était inutilisable. Il a été conservé sous le nom %1, et une nouvelle soirée a commencé.</translation>
    </message>
    <message>
        <source>The evening&apos;s file %1 could not be used, nor be set aside. A new evening has begun, but nothing of it will be saved.</source>
        <translation>Le fichier de la soirée %1 était inutilisable et n&apos;a pas pu être mis de côté. Une nouvelle soirée a commencé, mais rien n&apos;en sera enregistré.</translation>
    </message>
    <message>
        <source>The evening cannot be saved in %1. It goes on, but only until the program ends.</source>
        <translation>La soirée ne peut pas être enregistrée dans %1. Elle continue, mais seulement jusqu&apos;à la fin du programme.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 was not found or could not be loaded</source>
        <extracomment>%1 is a library&apos;s file, libqrencode.so.4 for one.</extracomment>
        <translation>%1 est introuvable ou n&apos;a pas pu être chargé</translation>
    </message>
    <message>
        <source>%1 has no function %2</source>
        <translation>%1 n&apos;a pas de fonction %2</translation>
    </message>
</context>
<context>
    <name>PeriodClock</name>
    <message>
        <source>Stop/Reset</source>
        <extracomment>The start button while the period runs: stops the clock and resets it to the first minute. Short: the button is 80 px wide.</extracomment>
        <translation>Arrêt/RAZ</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The start button while the clock stands. Short: the button is 80 px wide.</extracomment>
        <translation>Départ</translation>
    </message>
</context>
<context>
    <name>PhonesWindow</name>
    <message>
        <source>The clock on phones and tablets</source>
        <translation>L’horloge sur téléphones et tablettes</translation>
    </message>
    <message>
        <source>Address in the link</source>
        <extracomment>Chooses which of the computer&apos;s network addresses the link uses.</extracomment>
        <translation>Adresse du lien</translation>
    </message>
    <message>
        <source>The link</source>
        <translation>Le lien</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Anyone on this network with the link sees the clock; nobody can change anything</source>
        <translation>Toute personne sur ce réseau qui a le lien voit l’horloge ; personne ne peut rien modifier</translation>
    </message>
    <message>
        <source>Screens watching now: %1</source>
        <translation>Écrans qui regardent maintenant : %1</translation>
    </message>
    <message>
        <source>The QR code could not be drawn: %1</source>
        <translation>Le code QR n&apos;a pas pu être dessiné : %1</translation>
    </message>
</context>
<context>
    <name>ResultSheet</name>
    <message>
        <source>No printer</source>
        <translation>Aucune imprimante</translation>
    </message>
    <message>
        <source>No default printer</source>
        <translation>Pas d&apos;imprimante par défaut</translation>
    </message>
    <message>
        <source>Print job failed</source>
        <translation>Échec de l&apos;impression</translation>
    </message>
    <message>
        <source>Nothing was printed: no printer is available. The printing service may not be running.</source>
        <translation>Rien n&apos;a été imprimé : aucune imprimante n&apos;est disponible. Le service d&apos;impression n&apos;est peut-être pas démarré.</translation>
    </message>
    <message>
        <source>Nothing was printed: no default printer is set. Choose one in the system&apos;s printer settings.</source>
        <translation>Rien n&apos;a été imprimé : aucune imprimante par défaut n&apos;est définie. Choisissez-en une dans les paramètres d&apos;impression du système.</translation>
    </message>
    <message>
        <source>Nothing was printed: the print job could not be started on the default printer.</source>
        <translation>Rien n&apos;a été imprimé : l&apos;impression n&apos;a pas pu démarrer sur l&apos;imprimante par défaut.</translation>
    </message>
    <message>
        <source>PDF not saved</source>
        <translation>PDF non enregistré</translation>
    </message>
    <message>
        <source>The PDF file could not be written:
%1</source>
        <translation>Impossible d&apos;écrire le fichier PDF :
%1</translation>
    </message>
    <message>
        <source>You can save the result sheet as a PDF file instead.</source>
        <translation>Vous pouvez enregistrer la feuille de résultats en PDF à la place.</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Vornaxi Timer results</source>
        <extracomment>The print job&apos;s title in the printer&apos;s queue, %1 the team&apos;s name.</extracomment>
        <translation>Résultats du Minuteur Vornaxi</translation>
    </message>
    <message>
        <source>Vornaxi Timer results - %1</source>
        <translation>Résultats du Minuteur Vornaxi - %1</translation>
    </message>
    <message>
        <source>Results.pdf</source>
        <extracomment>The PDF file name offered, %1 the team&apos;s name; keep &quot;.pdf&quot;.</extracomment>
        <translation>Résultats.pdf</translation>
    </message>
    <message>
        <source>Results - %1.pdf</source>
        <translation>Résultats - %1.pdf</translation>
    </message>
    <message>
        <source>Save the result sheet as PDF</source>
        <translation>Enregistrer la feuille de résultats en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>RoomView</name>
    <message>
        <source>The quiz clock is shown to the room</source>
        <translation>L&apos;horloge du quiz est montrée à la salle</translation>
    </message>
    <message>
        <source>Vornaxi Timer: the clock for the room</source>
        <translation>Minuteur Vornaxi : l&apos;horloge pour la salle</translation>
    </message>
    <message>
        <source>The clock for the room</source>
        <translation>L&apos;horloge pour la salle</translation>
    </message>
    <message>
        <source>The clock is stopped</source>
        <translation>L&apos;horloge est arrêtée</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <extracomment>Which page of the standings the room sees, of how many: &quot;2/3&quot;. Short.</extracomment>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>The standings of the evening</source>
        <translation>Le classement de la soirée</translation>
    </message>
</context>
<context>
    <name>StandingsModel</name>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Équipe</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
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
        <translation>J</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>Colour button: the initial of Black (one letter, at most two).</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Vornaxi Timer v3.0</source>
        <extracomment>The window&apos;s title: the program&apos;s name as in the desktop&apos;s menu, and its version.</extracomment>
        <translation>Minuteur Vornaxi v3.0</translation>
    </message>
    <message>
        <source>QUIT</source>
        <extracomment>Ends the program. In capitals, short: the button is 80 px wide.</extracomment>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>Score-&gt;</source>
        <extracomment>Opens and closes the score sheet at the window&apos;s right. Very short: 59 px.</extracomment>
        <translation>Score-&gt;</translation>
    </message>
    <message>
        <source>Enter Team Name</source>
        <extracomment>Unlocks the box for the team&apos;s name. Short: the button is 129 px wide.</extracomment>
        <translation>Nom de l&apos;équipe</translation>
    </message>
    <message>
        <source>Print Results</source>
        <extracomment>Prints the window as the result sheet. Short: the button is 117 px wide.</extracomment>
        <translation>Imprimer résultats</translation>
    </message>
    <message>
        <source>Question #%1</source>
        <extracomment>Caption of a question&apos;s frame, %1 its number from 1 to 12. Short: 137 px.</extracomment>
        <translation>Question n° %1</translation>
    </message>
</context>
</TS>
