<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>Czas minął?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Czas ustawiony w alarmie minął. Czy chcesz zakończyć tę grę?</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testuj</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Przypisz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>dwójka</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trójka</translation>
    </message>
    <message>
        <source>four</source>
        <translation>czwórka</translation>
    </message>
    <message>
        <source>five</source>
        <translation>piątka</translation>
    </message>
    <message>
        <source>six</source>
        <translation>szóstka</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siódemka</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ósemka</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>dziewiątka</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dziesiątka</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>walet</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>król</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trefl</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>kier</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pik</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>karo</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Demo: klawisz lub kliknięcie</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>przywraca twoją grę.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>na kartę: %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>na pustą kolumnę %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>na pusty stos bazowy.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Połóż kartę: %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Podrzuć kartę: %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>na stos odrzuconych komputera.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Przenieś stos od karty: %1</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Przenieś kartę: %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Zdejmij kartę: %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Odkryj zakrytą kartę</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>w kolumnie %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Odwróć stos odrzuconych,</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>aby znów dobierać z talii.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Odkryj kartę</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>ze swojej talii.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>Zacznij &amp;od nowa</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>&amp;Ustawienia gry</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Statystyki…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Zapamiętaj pozycję</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>P&amp;rzywróć pozycję</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>P&amp;odpowiedź</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarm</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>&amp;Dopasuj stół do okna</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tematy pomocy</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Krótko o zasadach</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Brak ruchów: zakończ turę</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>na tablicy wyników.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Nikt nie robi postępów.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 rozdaje nową grę.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Nie udało się zapisać listy graczy w %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Wpisz nazwę gracza.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>Nazwa gracza nie może zawierać znaku nowego wiersza ani innego znaku sterującego.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>Nazwa gracza nie może zawierać znaków [ ani ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>Nazwa gracza nie może zaczynać się ani kończyć spacją.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Ta nazwa jest za długa.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Ta nazwa jest zarezerwowana na potrzeby programu.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Gracz o nazwie %1 już istnieje.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Czy na pewno chcesz usunąć gracza %1?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Usuń gracza</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Nie można zapisać pliku ustawień %1. Ustawienia, statystyki i zapisana gra nie zostaną zachowane.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Stół do gry</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 zakryta karta</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n zakryta karta</numerusform>
            <numerusform>%n zakryte karty</numerusform>
            <numerusform>%n zakrytych kart</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Kolumna %1: pusta</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Kolumna %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Stos bazowy %1: pusty</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Stos bazowy %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Twoja talia: pusta</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Twoja talia: 1 karta</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Twoja talia: %n karta</numerusform>
            <numerusform>Twoja talia: %n karty</numerusform>
            <numerusform>Twoja talia: %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Tablica wyników. Twoje karty: %1, karty komputera: %2. Wygrane: %3, przegrane: %4.</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Odwracasz stos odrzuconych.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>Komputer odwraca swój stos odrzuconych.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Odkrywasz kartę.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>Komputer odkrywa kartę.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Odkrywasz zakrytą kartę w kolumnie %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>Komputer odkrywa zakrytą kartę w kolumnie %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Podrzucasz na stos odrzuconych komputera kartę: %1.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>Komputer podrzuca na twój stos odrzuconych kartę: %1.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Podnosisz kartę: %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>%1 wraca na miejsce.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>%1 tu nie pasuje i wraca na miejsce.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Twoja kolej.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Kolej komputera.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Wygrywasz grę!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>Komputer wygrał grę.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Twój stos odrzuconych: pusty</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Stos odrzuconych komputera: pusty</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Twój stos odrzuconych: %1, 1 karta</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Stos odrzuconych komputera: %1, 1 karta</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Twój stos odrzuconych: %1, %n karta</numerusform>
            <numerusform>Twój stos odrzuconych: %1, %n karty</numerusform>
            <numerusform>Twój stos odrzuconych: %1, %n kart</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Stos odrzuconych komputera: %1, %n karta</numerusform>
            <numerusform>Stos odrzuconych komputera: %1, %n karty</numerusform>
            <numerusform>Stos odrzuconych komputera: %1, %n kart</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Od karty: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Kładziesz kartę: %1, na kartę: %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>Komputer kładzie kartę: %1, na kartę: %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Kładziesz kartę: %1, na pusty stos bazowy.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>Komputer kładzie kartę: %1, na pusty stos bazowy.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Kładziesz kartę: %1, na pustą kolumnę %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>Komputer kładzie kartę: %1, na pustą kolumnę %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel jest już uruchomiony na ekranie %1, z ustawieniami w %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Wygrywasz!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>Komputer wygrał.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Wygrane: %1   Przegrane: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 rozdaje nową grę</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Nowa gra: naciśnij F2.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Koniec gry!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Twoja kolej. Po zakończeniu</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>kliknij tablicę wyników.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Twoje karty: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Karty przeciwnika: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Wygrane: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Przegrane: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Tablica wyników</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runda %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Ostatnią grę wygrał komputer, więc tym razem to on zaczyna.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Musisz odkryć kartę.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Najpierw musisz odkryć kartę.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Autorzy: twórcy programu Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 twórcy programu Tandrel.
Wolne oprogramowanie na licencji GNU General Public License,
w wersji 3 lub (według twojego wyboru) dowolnej późniejszej.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Strona projektu i pomoc techniczna: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Wersja %1.%2</translation>
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
        <translation>Powiadom mnie po 1 minucie gry.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Powiadom mnie po %n minutach gry.</numerusform>
            <numerusform>Powiadom mnie po %n minutach gry.</numerusform>
            <numerusform>Powiadom mnie po %n minutach gry.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Minuty gry</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>&amp;Pokazuj statystyki</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Autozap&amp;is</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Gracz</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Dobiera&amp;nie</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Po jednej</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Po dwie</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Po trzy</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>Prze&amp;ciwnik</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mistrz</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>&amp;Tempo gry</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Szybciej</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animacja</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;macja</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>&amp;Szybkość animacji</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>Dź&amp;więki</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>W&amp;ygrana</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>Prz&amp;egrana</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Wygląd</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>O&amp;braz tła</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Kolorowe tło</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>&amp;Jednolite kolory tła</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Zmień ko&amp;lor</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>&amp;Zmień obraz</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>&amp;Rewers kart</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Wpisz nazwę nowego gracza.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nowy gracz</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>Stół i rewers kart tak, jak będą wyglądać</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Podręcznik – %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Dalej</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Brak podręcznika&lt;/h2&gt;&lt;p&gt;Tandrel wczytuje podręcznik z &lt;b&gt;%1&lt;/b&gt;, a tego pliku tam nie ma.&lt;/p&gt;&lt;p&gt;Podręcznik jest dostarczany razem z domyślnymi plikami programu, w ich folderze &lt;tt&gt;handbook&lt;/tt&gt;: obok programu w jego folderze kompilacji (ponowna kompilacja go przywraca) albo w &lt;tt&gt;share/tandrel&lt;/tt&gt; w przypadku zainstalowanego programu (ponowna instalacja go przywraca). Tymczasem polecenie &lt;b&gt;Pomoc, Krótko o zasadach&lt;/b&gt; przedstawia zasady w skrócie.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>jest za duży (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>nie jest to obraz w formacie, który program potrafi odczytać.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Obraz tła</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>O&amp;brazy</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>Nie można wyświetlić pliku %1: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>Wybrany obraz tak, jak pokaże go stół</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>Gra przebiega niemal tak samo jak zwykły pasjans, z trzema wyjątkami. Po pierwsze, możesz dokładać karty na stos odrzuconych przeciwnika, tak jak na stos bazowy lub kolumnę. Po drugie, dokładając karty na stos odrzuconych przeciwnika, możesz grać w obu kierunkach. Oznacza to, że czerwoną ósemkę można położyć na czarną siódemkę albo na czarną dziewiątkę. Wreszcie wygrywa ten, kto pierwszy pozbędzie się wszystkich swoich kart. Dokładniejsze objaśnienie zasad znajdziesz w pomocy.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Warto też wiedzieć, że karty można zagrywać na dwa sposoby. Oczywiście można je przeciągać i upuszczać, trzymając lewy przycisk myszy. Łatwiej jednak użyć prawego przycisku myszy: kliknij prawym przyciskiem dowolną kartę lub stos kart, a karty zostaną zagrane automatycznie.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Krótko o zasadach</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Wybierz plik WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>Znaleziono %n plik</numerusform>
            <numerusform>Znaleziono %n pliki</numerusform>
            <numerusform>Znaleziono %n plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mistrz</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrano</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Obecna seria wygranych:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Najdłuższa seria wygranych:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Wszyscy gracze</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Wszystkie poziomy</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Wyzerować statystyki gracza %1?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Twoje gry według poziomu</translation>
    </message>
</context>
</TS>
