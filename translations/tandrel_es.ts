<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>¿Se ha cumplido el tiempo de la alarma?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>Se ha cumplido el tiempo de la alarma. ¿Quieres terminar esta partida?</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Asignar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>seven</source>
        <translation>siete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>ocho</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nueve</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>diez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <extracomment>A card: %1 its rank, %2 its suit.</extracomment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>Demo</name>
    <message>
        <source>Demo: any key or click</source>
        <translation>Demo: una tecla o un clic</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>te devuelve a tu partida.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>onto the %1.</source>
        <translation>sobre %1.</translation>
    </message>
    <message>
        <source>onto the empty pile %1.</source>
        <translation>en la columna vacía %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>a una base vacía.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Juega %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Carga %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>en el descarte del ordenador.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Mueve %1 y lo que tiene encima</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Mueve %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Baja %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Levanta la carta boca abajo</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>de la columna %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Da la vuelta a tu descarte</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>para sacar otra vez del mazo.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Levanta una carta</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>de tu mazo.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>&amp;Configuración del juego</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Estadísticas…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demostración</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Guardar posición</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Res&amp;taurar posición</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarma</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>A&amp;justar mesa a la ventana</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Vistazo rápido a las reglas</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Nada más que jugar: termina</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>tu turno en el marcador.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Ninguno de los dos avanza.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 reparte una partida nueva.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>No se ha podido guardar la lista de jugadores en %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Escribe un nombre para el jugador.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>El nombre de un jugador no puede contener saltos de línea ni otros caracteres de control.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>El nombre de un jugador no puede contener [ ni ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>El nombre de un jugador no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Ese nombre es demasiado largo.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Ese nombre está reservado para uso interno del programa.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Ya existe un jugador llamado %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>¿Seguro que quieres quitar a %1?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Quitar jugador</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>No se puede escribir el archivo de configuración %1. No se podrán guardar ni la configuración, ni las estadísticas, ni la partida guardada.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta boca abajo</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carta boca abajo</numerusform>
            <numerusform>%n cartas boca abajo</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Columna %1: vacía</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Columna %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Base %1: vacía</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Base %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Tu mazo, vacío</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Tu mazo, 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Tu mazo, %n carta</numerusform>
            <numerusform>Tu mazo, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Marcador: tus cartas %1, las del ordenador %2, victorias %3, derrotas %4</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Das la vuelta a tu descarte.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>El ordenador da la vuelta a su descarte.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Levantas una carta.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>El ordenador levanta una carta.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Levantas la carta boca abajo de la columna %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>El ordenador levanta la carta boca abajo de la columna %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Cargas %1 en el descarte del ordenador.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>El ordenador carga %1 en tu descarte.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Coges %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>%1 vuelve a su sitio.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>%1 no puede ir ahí; vuelve a su sitio.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Es tu turno.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Turno del ordenador.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>¡Has ganado la partida!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>El ordenador ha ganado la partida.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Tu descarte: vacío</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Descarte del ordenador: vacío</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Tu descarte: %1, 1 carta</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Descarte del ordenador: %1, 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Tu descarte: %1, %n carta</numerusform>
            <numerusform>Tu descarte: %1, %n cartas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Descarte del ordenador: %1, %n carta</numerusform>
            <numerusform>Descarte del ordenador: %1, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>Desde %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Juegas %1 sobre %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>El ordenador juega %1 sobre %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Juegas %1 a una base vacía.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>El ordenador juega %1 a una base vacía.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Juegas %1 en la columna vacía %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>El ordenador juega %1 en la columna vacía %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>Tandrel ya se está ejecutando en la pantalla %1, con la configuración de %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>Ha ganado el ordenador.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Victorias: %1   Derrotas: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 reparte una partida nueva</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Pulsa F2 para otra partida.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>¡Fin de la partida!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Es tu turno. Al acabar, haz</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>clic en el marcador.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Tus cartas: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Cartas del oponente: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Victorias: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Derrotas: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Has perdido la última partida, así que esta vez empieza el ordenador.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Debes levantar una carta.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Primero tienes que levantar una carta.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Creado por los desarrolladores de Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 los desarrolladores de Tandrel.
Software libre bajo la GNU General Public License,
versión 3 o (a tu elección) cualquier versión posterior.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Página del proyecto y soporte: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>Avisarme cuando lleve 1 minuto jugando.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Avisarme cuando lleve %n minuto jugando.</numerusform>
            <numerusform>Avisarme cuando lleve %n minutos jugando.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Minutos de juego</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Configuración del juego</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>Mos&amp;trar estadísticas</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>G&amp;uardado automático</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Jugador</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Robar</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Una</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>O&amp;ponente</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>Rapide&amp;z de juego</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Más rápido</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;mación</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>Rapidez de a&amp;nimación</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sonidos</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>&amp;Victoria</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>D&amp;errota</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>&amp;Imagen de fondo</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>&amp;Fondo de color</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>C&amp;olores de fondo lisos</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Cam&amp;biar color</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>Cambiar ima&amp;gen</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>Dorso de &amp;las cartas</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Escribe el nombre del nuevo jugador.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Nuevo jugador</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>La mesa y el dorso de las cartas tal como se verán</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Manual de %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Inicio</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Falta el manual&lt;/h2&gt;&lt;p&gt;Tandrel lee su manual de &lt;b&gt;%1&lt;/b&gt;, y ese archivo no existe.&lt;/p&gt;&lt;p&gt;El manual viene con los archivos predeterminados del programa, en su carpeta &lt;tt&gt;handbook&lt;/tt&gt;: junto al programa, en su carpeta de compilación (volver a compilar lo repone), o en &lt;tt&gt;share/tandrel&lt;/tt&gt; si está instalado (volver a instalar lo repone). Mientras tanto, &lt;b&gt;Ayuda, Vistazo rápido a las reglas&lt;/b&gt; ofrece un resumen de las reglas.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>es demasiado grande (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>no es una imagen que este programa pueda leer.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imágenes</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>No se puede mostrar %1: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>La imagen elegida tal como la mostrará la mesa</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>La partida se juega casi igual que un solitario normal, con tres excepciones. Primero, puedes jugar sobre la mano de tu oponente igual que sobre una base o una columna. Segundo, al jugar sobre la mano de tu oponente puedes hacerlo en cualquier sentido; es decir, un ocho rojo puede ir sobre un siete negro o sobre un nueve negro. Por último, gana el primero que juegue todas las cartas de su mano. Para una explicación más detallada de las reglas, consulta la ayuda.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Además, conviene saber que puedes jugar las cartas de dos maneras. Por supuesto, puedes hacer clic, arrastrar y soltar con el botón izquierdo del ratón. Una forma más sencilla es usar el botón derecho: haz clic con el botón derecho en cualquier carta o montón de cartas y se jugarán automáticamente.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Vistazo rápido a las reglas</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Seleccionar archivo WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n archivo encontrado</numerusform>
            <numerusform>%n archivos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
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
        <translation>Experto</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Maestro</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Racha actual de victorias:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Mejor racha de victorias:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos los jugadores</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Todos los niveles</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>¿Restablecer las estadísticas de %1?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Tus partidas por nivel</translation>
    </message>
</context>
</TS>
