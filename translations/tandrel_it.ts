<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Tempo scaduto?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Il tempo impostato nell&apos;allarme è scaduto. Vuoi terminare questa partita?</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Assegna</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Azzera</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>due</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tre</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quattro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinque</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sei</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>sette</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>otto</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dieci</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>fante</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>donna</translation>
    </message>
    <message>
        <source>king</source>
        <translation>re</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>asso</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 di %2</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Demo: premi un tasto o clicca</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>per riprendere la partita.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>sulla carta %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>sulla colonna vuota %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>su una base vuota.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Gioca la carta %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Metti la carta %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>sugli scarti del computer.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Sposta la carta %1 e seguenti</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Sposta la carta %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Riporta giù la carta %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Scopri la carta coperta</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>della colonna %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Gira i tuoi scarti</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>per ripescare dal mazzo.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Gira una carta</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>dal tuo mazzo.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Ricomincia partita</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>&amp;Impostazioni di gioco</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statistiche…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Salva istantanea</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Ri&amp;pristina istantanea</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Su&amp;ggerimento</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>A&amp;llarme</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>Adatta il tavolo alla &amp;finestra</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Regole in breve</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Nessuna mossa: termina</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>il tuo turno sul segnapunti.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Nessuno dei due fa progressi.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 avvia una nuova partita.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Impossibile salvare l&apos;elenco dei giocatori in %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Digita un nome per il giocatore.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Il nome di un giocatore non può contenere interruzioni di riga o altri caratteri di controllo.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Il nome di un giocatore non può contenere [ o ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Il nome di un giocatore non può iniziare o finire con uno spazio.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Il nome è troppo lungo.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Questo nome è riservato all&apos;uso interno del programma.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Esiste già un giocatore di nome %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Vuoi davvero rimuovere %1?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Rimuovi giocatore</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Impossibile scrivere il file delle impostazioni %1. Impostazioni, statistiche e partita salvata non possono essere memorizzate.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Tavolo da gioco</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta coperta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carta coperta</numerusform>
            <numerusform>%n carte coperte</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Colonna %1: vuota</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Colonna %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Base %1: vuota</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Base %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Il tuo mazzo, vuoto</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Il tuo mazzo, 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Il tuo mazzo, %n carta</numerusform>
            <numerusform>Il tuo mazzo, %n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Segnapunti: le tue carte %1, quelle del computer %2, vittorie %3, sconfitte %4</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Giri i tuoi scarti.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>Il computer gira i suoi scarti.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Giri una carta.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>Il computer gira una carta.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Scopri la carta coperta della colonna %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>Il computer scopre la carta coperta della colonna %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Metti la carta %1 sugli scarti del computer.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>Il computer mette la carta %1 sui tuoi scarti.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Prendi la carta %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>La carta %1 torna al suo posto.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>La carta %1 non può andare lì; torna al suo posto.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Tocca a te.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Tocca al computer.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Hai vinto la partita!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>Il computer ha vinto la partita.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>I tuoi scarti: nessuna carta</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Scarti del computer: nessuna carta</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>I tuoi scarti: %1, 1 carta</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Scarti del computer: %1, 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>I tuoi scarti: %1, %n carta</numerusform>
            <numerusform>I tuoi scarti: %1, %n carte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Scarti del computer: %1, %n carta</numerusform>
            <numerusform>Scarti del computer: %1, %n carte</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Dalla carta %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Giochi la carta %1 sulla carta %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>Il computer gioca la carta %1 sulla carta %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Giochi la carta %1 su una base vuota.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>Il computer gioca la carta %1 su una base vuota.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Giochi la carta %1 sulla colonna vuota %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>Il computer gioca la carta %1 sulla colonna vuota %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel è già in esecuzione sul display %1, con le impostazioni in %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>Ha vinto il computer.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Vittorie: %1   Sconfitte: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 avvia una nuova partita</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Premi F2 per giocare ancora.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Partita finita!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Tocca a te. Quando hai finito,</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>clicca sul segnapunti.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Ti restano: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Restano all&apos;avversario: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Vittorie: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Sconfitte: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Segnapunti</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Mano %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Hai perso l&apos;ultima partita, quindi questa volta inizia il computer.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Devi girare una carta.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Prima devi girare una carta.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Realizzato dagli sviluppatori di Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 gli sviluppatori di Tandrel.
Software libero distribuito con la GNU General Public License,
versione 3 o (a tua scelta) qualsiasi versione successiva.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Pagina del progetto e assistenza: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Allarme</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>Avvisami dopo 1 minuto di gioco.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Avvisami dopo %n minuto di gioco.</numerusform>
            <numerusform>Avvisami dopo %n minuti di gioco.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Minuti di gioco</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Impostazioni di gioco</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>Mostra statistic&amp;he</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Salvataggio auto&amp;matico</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Giocatore</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aggiu&amp;ngi</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Pesca</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Una</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tre</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>Avv&amp;ersario</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>&amp;Velocità di gioco</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Animazi&amp;one</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>Velocità anima&amp;zione</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Suoni</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>Vi&amp;ttoria</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>Scon&amp;fitta</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>&amp;Immagine di sfondo</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>Sfondo co&amp;lorato</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>Sfondi a tinta &amp;unita</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>&amp;Cambia colore</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>Cam&amp;bia immagine</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>&amp;Dorso delle carte</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Digita il nome del nuovo giocatore.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nuovo giocatore</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>Il tavolo e il dorso delle carte come appariranno</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Manuale di %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Pagina iniziale</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Il manuale non è presente&lt;/h2&gt;&lt;p&gt;Tandrel legge il manuale da &lt;b&gt;%1&lt;/b&gt;, ma quel file non esiste.&lt;/p&gt;&lt;p&gt;Il manuale è fornito con i file predefiniti del programma, nella loro cartella &lt;tt&gt;handbook&lt;/tt&gt;: accanto al programma, nella sua cartella di compilazione (compilando di nuovo viene ripristinato), oppure in &lt;tt&gt;share/tandrel&lt;/tt&gt; per un programma installato (reinstallando viene ripristinato). Nel frattempo, &lt;b&gt;Guida, Regole in breve&lt;/b&gt; riassume le regole.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>l&apos;immagine è troppo grande (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>non è un&apos;immagine che questo programma sa leggere.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Immagine di sfondo</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Immagini</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>Impossibile mostrare %1: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>L&apos;immagine scelta come la mostrerà il tavolo</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Il gioco si svolge più o meno come un normale solitario, con tre eccezioni. Primo, puoi giocare sugli scarti dell&apos;avversario come faresti su una base o su una colonna. Secondo, quando giochi sugli scarti dell&apos;avversario puoi salire o scendere: un otto rosso, per esempio, può andare su un sette nero o su un nove nero. Infine, vince chi per primo gioca tutte le proprie carte. Per una spiegazione più dettagliata delle regole, consulta la guida.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Può essere utile sapere, inoltre, che le carte si possono giocare in due modi. Naturalmente puoi fare clic, trascinare e rilasciare con il tasto sinistro del mouse. Un modo più semplice è usare il tasto destro: fai clic destro su una carta o su una pila di carte per giocarle automaticamente.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Le regole</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Le regole in breve</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Seleziona file WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n file trovato</numerusform>
            <numerusform>%n file trovati</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Serie di vittorie attuale:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Serie di vittorie più lunga:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Serie più lunga</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Tutti i giocatori</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Tutti i livelli</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Azzerare le statistiche di %1?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Le tue partite per livello</translation>
    </message>
</context>
</TS>
