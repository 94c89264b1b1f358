<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Win: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Player</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Losses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
