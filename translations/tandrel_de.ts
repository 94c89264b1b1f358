<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Alarmzeit abgelaufen?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Die Alarmzeit ist abgelaufen. Möchten Sie dieses Spiel noch zu Ende spielen?</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Zuweisen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%2-%1</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Demo: Jede Taste, jeder Klick</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>holt Ihr Spiel zurück.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>auf %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>auf den leeren Stapel %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>auf einen leeren Zielstapel.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Spielen Sie %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Legen Sie %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>auf den Abwurf des Computers.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Schieben Sie %1 samt Reihe</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Schieben Sie %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Nehmen Sie %1 herunter</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Decken Sie die verdeckte Karte</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>von Stapel %1 auf.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Wenden Sie Ihren Abwurf,</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>um erneut vom Talon zu ziehen.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Decken Sie eine Karte</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>von Ihrem Talon auf.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Spiel neu &amp;starten</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>Spiel&amp;einstellungen</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>S&amp;tatistik…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>Zwischenstand &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Zwischenstand &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>Tisch an &amp;Fenster anpassen</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Regeln im Überblick</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tandrel</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Nichts mehr zu spielen: Zug</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>an der Punktetafel beenden.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Keine Seite kommt mehr voran.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 gibt ein neues Spiel.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Die Spielerliste konnte nicht in %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Bitte geben Sie einen Namen für den Spieler ein.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Ein Spielername darf keinen Zeilenumbruch und kein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Ein Spielername darf weder [ noch ] enthalten.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Ein Spielername darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Dieser Name ist zu lang.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Dieser Name ist für das Programm selbst reserviert.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Es gibt bereits einen Spieler namens %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Möchten Sie %1 wirklich entfernen?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Spieler entfernen</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden. Einstellungen, Statistik und das gespeicherte Spiel können nicht gesichert werden.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 Karte verdeckt</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n Karte verdeckt</numerusform>
            <numerusform>%n Karten verdeckt</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Stapel %1: leer</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Stapel %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Zielstapel %1: leer</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Zielstapel %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Ihr Talon, leer</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Ihr Talon, 1 Karte</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Ihr Talon, %n Karte</numerusform>
            <numerusform>Ihr Talon, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Punktetafel: Ihre Karten %1, Karten des Computers %2, Siege %3, Niederlagen %4</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Sie wenden Ihren Abwurf.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>Der Computer wendet seinen Abwurf.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Sie decken eine Karte auf.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>Der Computer deckt eine Karte auf.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Sie decken die verdeckte Karte von Stapel %1 auf.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>Der Computer deckt die verdeckte Karte von Stapel %1 auf.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Sie legen %1 auf den Abwurf des Computers.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>Der Computer legt %1 auf Ihren Abwurf.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Sie nehmen %1 auf.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>%1 geht zurück.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>%1 passt dort nicht und geht zurück.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Sie sind am Zug.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Der Computer ist am Zug.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Sie haben das Spiel gewonnen!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>Der Computer hat das Spiel gewonnen.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Ihr Abwurf: leer</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Abwurf des Computers: leer</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Ihr Abwurf: %1, 1 Karte</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Abwurf des Computers: %1, 1 Karte</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Ihr Abwurf: %1, %n Karte</numerusform>
            <numerusform>Ihr Abwurf: %1, %n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Abwurf des Computers: %1, %n Karte</numerusform>
            <numerusform>Abwurf des Computers: %1, %n Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Ab %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Sie spielen %1 auf %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>Der Computer spielt %1 auf %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Sie spielen %1 auf einen leeren Zielstapel.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>Der Computer spielt %1 auf einen leeren Zielstapel.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Sie spielen %1 auf den leeren Stapel %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>Der Computer spielt %1 auf den leeren Stapel %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel läuft bereits auf Display %1, mit den Einstellungen in %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>Der Computer hat gewonnen.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Gewonnen: %1   Verloren: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 gibt ein neues Spiel</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>F2 startet ein neues Spiel.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spiel vorbei!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Sie sind am Zug. Klicken Sie</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>am Ende auf die Punktetafel.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Ihre Restkarten: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Restkarten Gegner: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Gewonnen: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Verloren: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Punktetafel</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Sie haben das letzte Spiel verloren, deshalb beginnt diesmal der Computer.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Sie müssen eine Karte aufdecken.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Sie müssen zuerst eine Karte aufdecken.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Erstellt von den Tandrel-Entwicklern</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 die Tandrel-Entwickler.
Freie Software unter der GNU General Public License,
Version 3 oder (nach Ihrer Wahl) jeder späteren Version.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Projektseite und Support: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>Mich nach 1 Minute Spielzeit erinnern.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Mich nach %n Minute Spielzeit erinnern.</numerusform>
            <numerusform>Mich nach %n Minuten Spielzeit erinnern.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Spielminuten</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Spieleinstellungen</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>&amp;Statistik anzeigen</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>A&amp;utomatisch speichern</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>S&amp;pieler</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Ziehen</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eine</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>&amp;Gegner</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>Spiel&amp;tempo</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;mation</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>An&amp;imationstempo</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Klänge</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>Ge&amp;wonnen</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>&amp;Verloren</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>Hintergrund&amp;bild</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Farbiger Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>Ei&amp;nfarbige Hintergründe</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Farbe än&amp;dern</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>Bi&amp;ld ändern</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>Karten&amp;rücken</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Geben Sie den Namen eines neuen Spielers ein.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Neuer Spieler</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>Der Tisch und die Kartenrückseite, wie sie aussehen werden</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>%1-Handbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startseite</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Das Handbuch fehlt&lt;/h2&gt;&lt;p&gt;Tandrel liest sein Handbuch aus &lt;b&gt;%1&lt;/b&gt;, und diese Datei ist nicht vorhanden.&lt;/p&gt;&lt;p&gt;Das Handbuch gehört zu den Standarddateien des Programms, in deren Ordner &lt;tt&gt;handbook&lt;/tt&gt;: neben einem Programm in seinem Build-Ordner (erneutes Bauen stellt es wieder her), in &lt;tt&gt;share/tandrel&lt;/tt&gt; bei einem installierten Programm (erneutes Installieren stellt es wieder her). Bis dahin gibt &lt;b&gt;Hilfe, Regeln im Überblick&lt;/b&gt; die Regeln in Kurzform.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>das Bild ist zu groß (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>es ist kein Bild, das dieses Programm lesen kann.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Bilder</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>%1 kann nicht angezeigt werden: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>Das gewählte Bild, wie der Tisch es zeigen wird</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Das Spiel verläuft weitgehend wie eine gewöhnliche Patience, mit drei Ausnahmen. Erstens können Sie auf den Abwurfstapel Ihres Gegners spielen, genau wie auf einen Zielstapel oder einen Spielstapel. Zweitens dürfen Sie auf dem Abwurfstapel Ihres Gegners in beide Richtungen anlegen: Eine rote Acht kann also auf eine schwarze Sieben oder eine schwarze Neun gelegt werden. Und schließlich gewinnt, wer als Erster alle eigenen Karten ausgespielt hat. Eine ausführlichere Erklärung der Regeln finden Sie in der Hilfe.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Außerdem ist es nützlich zu wissen, dass Sie Karten auf zwei Arten spielen können. Natürlich können Sie Karten mit der linken Maustaste anklicken, ziehen und ablegen. Einfacher geht es mit der rechten Maustaste: Ein Rechtsklick auf eine Karte oder einen Kartenstapel spielt die Karten automatisch aus.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Die Regeln</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Die Regeln im Überblick</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>WAV-Datei auswählen</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n Datei gefunden</numerusform>
            <numerusform>%n Dateien gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittener</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Aktuelle Siegesserie:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Längste Siegesserie:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Alle Spieler</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Alle Stufen</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Statistik von %1 zurücksetzen?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Ihre Spiele nach Stärke</translation>
    </message>
</context>
</TS>
