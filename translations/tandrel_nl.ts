<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Alarmtijd verstreken?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>De alarmtijd is verstreken. Wil je dit spel nog uitspelen?</translation>
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
        <translation>&amp;Annuleren</translation>
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
        <translation>Toe&amp;wijzen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wissen</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>twee</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drie</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>vijf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>zes</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>zeven</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>acht</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>negen</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>tien</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>boer</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>vrouw</translation>
    </message>
    <message>
        <source>king</source>
        <translation>heer</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>aas</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>klaveren</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>harten</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>schoppen</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ruiten</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%2%1</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Demo: elke toets of klik</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>brengt je spel terug.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>op de %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>op de lege stapel %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>naar een lege basisstapel.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Speel de %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Leg de %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>op de stapel van de computer.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Verplaats de %1 en wat erop ligt</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Verplaats de %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Haal de %1 terug</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Draai de gesloten kaart</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>van stapel %1 om.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Keer je aflegstapel om</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>en trek weer van je trekstapel.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Draai een kaart</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>van je trekstapel om.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Opnieuw beginnen</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>Spel&amp;instellingen</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistieken…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>Tussenstand op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Tussenstand &amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>Tafel aan &amp;venster aanpassen</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muziek</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Helponderwerpen</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Regels in het kort</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Tandrel</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Niets meer te spelen: beëindig</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>je beurt op het scorebord.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Geen van beiden komt verder.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 deelt een nieuw spel.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>De spelerslijst kon niet worden opgeslagen in %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Typ een naam voor de speler.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Een spelersnaam mag geen regeleinde of ander stuurteken bevatten.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Een spelersnaam mag geen [ of ] bevatten.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Een spelersnaam mag niet met een spatie beginnen of eindigen.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Die naam is te lang.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Die naam is gereserveerd voor het programma zelf.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Er is al een speler met de naam %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Weet je zeker dat je %1 wilt verwijderen?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Speler verwijderen</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Het instellingenbestand %1 kan niet worden geschreven. Instellingen, statistieken en het opgeslagen spel kunnen niet worden bewaard.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Speeltafel</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 gesloten kaart</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n gesloten kaart</numerusform>
            <numerusform>%n gesloten kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Stapel %1: leeg</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Stapel %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Basisstapel %1: leeg</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Basisstapel %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Je trekstapel: leeg</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Je trekstapel: 1 kaart</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Je trekstapel: %n kaart</numerusform>
            <numerusform>Je trekstapel: %n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Scorebord. Jouw kaarten: %1, kaarten van de computer: %2. Gewonnen: %3, verloren: %4.</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Je keert je aflegstapel om.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>De computer keert zijn aflegstapel om.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Je draait een kaart om.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>De computer draait een kaart om.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Je draait de gesloten kaart van stapel %1 om.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>De computer draait de gesloten kaart van stapel %1 om.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Je legt de %1 op de aflegstapel van de computer.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>De computer legt de %1 op je aflegstapel.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Je pakt de %1 op.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>De %1 gaat terug.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>De %1 past daar niet en gaat terug.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Je bent aan de beurt.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>De computer is aan de beurt.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Je hebt het spel gewonnen!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>De computer heeft het spel gewonnen.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Je aflegstapel: leeg</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Aflegstapel van de computer: leeg</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Je aflegstapel: %1, 1 kaart</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Aflegstapel van de computer: %1, 1 kaart</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Je aflegstapel: %1, %n kaart</numerusform>
            <numerusform>Je aflegstapel: %1, %n kaarten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Aflegstapel van de computer: %1, %n kaart</numerusform>
            <numerusform>Aflegstapel van de computer: %1, %n kaarten</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Vanaf de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Je speelt de %1 op de %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>De computer speelt de %1 op de %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Je speelt de %1 naar een lege basisstapel.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>De computer speelt de %1 naar een lege basisstapel.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Je speelt de %1 op de lege stapel %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>De computer speelt de %1 op de lege stapel %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel draait al op beeldscherm %1, met de instellingen in %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Je hebt gewonnen!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>De computer heeft gewonnen.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Gewonnen: %1   Verloren: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 deelt een nieuw spel</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Druk op F2 voor een nieuw spel.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Spel afgelopen!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Je bent aan de beurt. Klik</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>na afloop op het scorebord.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Even geduld...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Jouw kaarten over: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Kaarten tegenstander: </translation>
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
        <translation>Scorebord</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronde %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Je hebt het vorige spel verloren, dus deze keer begint de computer.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Je moet een kaart omdraaien.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Je moet eerst een kaart omdraaien.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Gemaakt door de ontwikkelaars van Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 de ontwikkelaars van Tandrel.
Vrije software onder de GNU General Public License,
versie 3 of (naar keuze) elke latere versie.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Projectpagina en ondersteuning: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
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
        <translation>Waarschuw me als ik 1 minuut heb gespeeld.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Waarschuw me als ik %n minuut heb gespeeld.</numerusform>
            <numerusform>Waarschuw me als ik %n minuten heb gespeeld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Speelminuten</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Spelinstellingen</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>Statistieken to&amp;nen</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Automatisch o&amp;pslaan</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Speler</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>T&amp;rekken</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Eén</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Twee</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drie</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>Tegenstan&amp;der</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderde</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meester</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>Speelsnel&amp;heid</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animatie</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;matie</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>Animatiesne&amp;lheid</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>Gel&amp;uiden</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>&amp;Winst</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>Verl&amp;ies</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Uiterlijk</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>Achtergrondaf&amp;beelding</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Gekleurde achtergrond</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>&amp;Effen achtergrondkleuren</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Kleur wij&amp;zigen</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>A&amp;fbeelding wijzigen</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>&amp;Kaartrug</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Typ de naam van een nieuwe speler.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nieuwe speler</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>De tafel en de achterkant van de kaarten zoals ze eruit zullen zien</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Handleiding van %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Startpagina</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;De handleiding ontbreekt&lt;/h2&gt;&lt;p&gt;Tandrel leest zijn handleiding uit &lt;b&gt;%1&lt;/b&gt;, en dat bestand is er niet.&lt;/p&gt;&lt;p&gt;De handleiding hoort bij de standaardbestanden van het programma, in de map &lt;tt&gt;handbook&lt;/tt&gt; daarvan: naast een programma in zijn buildmap (opnieuw bouwen zet haar terug), in &lt;tt&gt;share/tandrel&lt;/tt&gt; bij een geïnstalleerd programma (opnieuw installeren zet haar terug). Intussen geeft &lt;b&gt;Help, Regels in het kort&lt;/b&gt; een korte samenvatting van de regels.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>de afbeelding is te groot (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>het is geen afbeelding die dit programma kan lezen.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Achtergrondafbeelding</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>Af&amp;beeldingen</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>%1 kan niet worden getoond: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>De gekozen afbeelding zoals de tafel die zal tonen</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Het spel verloopt grotendeels zoals een gewone patience, met drie uitzonderingen. Ten eerste kun je op de aflegstapel van je tegenstander spelen, net zoals op een basisstapel of een speelstapel. Ten tweede mag je op de aflegstapel van je tegenstander in beide richtingen aanleggen: een rode acht kan dus op een zwarte zeven of op een zwarte negen worden gelegd. Ten slotte wint wie als eerste al zijn kaarten heeft uitgespeeld. Een uitgebreidere uitleg van de regels vind je in de help.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Het is ook handig om te weten dat je kaarten op twee manieren kunt spelen. Je kunt natuurlijk met de linkermuisknop klikken, slepen en neerzetten. Makkelijker gaat het met de rechtermuisknop: klik met de rechtermuisknop op een kaart of een stapel kaarten om de kaarten automatisch te spelen.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>De regels</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>De regels in het kort</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>WAV-bestand kiezen</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n bestand gevonden</numerusform>
            <numerusform>%n bestanden gevonden</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Gevorderde</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Meester</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Overwinningen</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Nederlagen</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Huidige winstreeks:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Langste winstreeks:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Alle spelers</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Alle niveaus</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Statistieken van %1 wissen?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Je spellen per niveau</translation>
    </message>
</context>
</TS>
