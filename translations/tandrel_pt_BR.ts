<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Alarm</name>
    <message>
        <source>The alarm time is up?</source>
        <translation>O tempo do alarme acabou?</translation>
    </message>
    <message>
        <source>The alarm time is up. Do you want to finish this game?</source>
        <translation>O tempo do alarme acabou. Deseja terminar esta partida?</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testar</translation>
    </message>
    <message>
        <source>&amp;Assign</source>
        <translation>&amp;Atribuir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>sete</translation>
    </message>
    <message>
        <source>eight</source>
        <translation>oito</translation>
    </message>
    <message>
        <source>nine</source>
        <translation>nove</translation>
    </message>
    <message>
        <source>ten</source>
        <translation>dez</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valete</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dama</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rei</translation>
    </message>
    <message>
        <source>ace</source>
        <translation>ás</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>paus</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>copas</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>espadas</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>ouros</translation>
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
        <translation>Demo: qualquer tecla ou clique</translation>
    </message>
    <message>
        <source>brings your game back.</source>
        <translation>traz sua partida de volta.</translation>
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
        <translation>na coluna vazia %1.</translation>
    </message>
    <message>
        <source>to an empty foundation.</source>
        <translation>numa fundação vazia.</translation>
    </message>
    <message>
        <source>Play the %1</source>
        <translation>Jogue %1</translation>
    </message>
    <message>
        <source>Load the %1</source>
        <translation>Passe %1</translation>
    </message>
    <message>
        <source>onto the computer&apos;s waste.</source>
        <translation>para o descarte do computador.</translation>
    </message>
    <message>
        <source>Move the %1 and the cards on it</source>
        <translation>Mova %1 com as cartas de cima</translation>
    </message>
    <message>
        <source>Move the %1</source>
        <translation>Mova %1</translation>
    </message>
    <message>
        <source>Take the %1 down</source>
        <translation>Desça %1</translation>
    </message>
    <message>
        <source>Turn up the waiting card</source>
        <translation>Vire a carta fechada</translation>
    </message>
    <message>
        <source>of pile %1.</source>
        <translation>da coluna %1.</translation>
    </message>
    <message>
        <source>Turn your waste over</source>
        <translation>Devolva o descarte ao monte</translation>
    </message>
    <message>
        <source>to flip from the stock again.</source>
        <translation>para virar cartas de novo.</translation>
    </message>
    <message>
        <source>Flip a card</source>
        <translation>Vire uma carta</translation>
    </message>
    <message>
        <source>from your stock.</source>
        <translation>do seu monte.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>&amp;Restart Game</source>
        <translation>&amp;Reiniciar partida</translation>
    </message>
    <message>
        <source>&amp;Game Settings</source>
        <translation>&amp;Configurações do jogo</translation>
    </message>
    <message>
        <source>&amp;Statistics…</source>
        <translation>&amp;Estatísticas…</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demonstração</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Re&amp;do</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Take Snapshot</source>
        <translation>&amp;Salvar posição</translation>
    </message>
    <message>
        <source>&amp;Restore Snapshot</source>
        <translation>Res&amp;taurar posição</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>D&amp;ica</translation>
    </message>
    <message>
        <source>&amp;Alarm</source>
        <translation>&amp;Alarme</translation>
    </message>
    <message>
        <source>&amp;Fit Table to Window</source>
        <translation>A&amp;justar mesa à janela</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Tópicos da ajuda</translation>
    </message>
    <message>
        <source>&amp;Quick look at the rules</source>
        <translation>&amp;Resumo das regras</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>PlayAids</name>
    <message>
        <source>Nothing more to play: end</source>
        <translation>Sem mais jogadas: encerre</translation>
    </message>
    <message>
        <source>your turn on the score board.</source>
        <translation>sua vez no placar.</translation>
    </message>
    <message>
        <source>Neither side is making progress.</source>
        <translation>Nenhum lado está avançando.</translation>
    </message>
    <message>
        <source>F2 deals a new game.</source>
        <translation>F2 inicia uma nova partida.</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>The player list could not be saved to %1.</source>
        <translation>Não foi possível salvar a lista de jogadores em %1.</translation>
    </message>
    <message>
        <source>Please type a name for the player.</source>
        <translation>Digite um nome para o jogador.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold a line break or other control character.</source>
        <translation>O nome de um jogador não pode conter quebras de linha nem outros caracteres de controle.</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot hold [ or ].</source>
        <translation>O nome de um jogador não pode conter [ nem ].</translation>
    </message>
    <message>
        <source>A player&apos;s name cannot begin or end with a blank.</source>
        <translation>O nome de um jogador não pode começar nem terminar com espaço.</translation>
    </message>
    <message>
        <source>That name is too long.</source>
        <translation>Esse nome é longo demais.</translation>
    </message>
    <message>
        <source>That name is kept for the program&apos;s own use.</source>
        <translation>Esse nome é reservado para uso interno do programa.</translation>
    </message>
    <message>
        <source>There is already a player called %1.</source>
        <translation>Já existe um jogador chamado %1.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove %1?</source>
        <translation>Tem certeza de que deseja excluir %1?</translation>
    </message>
    <message>
        <source>Remove Player</source>
        <translation>Excluir jogador</translation>
    </message>
</context>
<context>
    <name>ProgramExit</name>
    <message>
        <source>The settings file %1 cannot be written. Settings, statistics and the saved game cannot be stored.</source>
        <translation>Não é possível gravar o arquivo de configurações %1. As configurações, as estatísticas e a partida salva não poderão ser guardadas.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Card table</source>
        <translation>Mesa de jogo</translation>
    </message>
    <message>
        <source>1 card face down</source>
        <translation>1 carta fechada</translation>
    </message>
    <message numerus="yes">
        <source>%n cards face down</source>
        <translation>
            <numerusform>%n carta fechada</numerusform>
            <numerusform>%n cartas fechadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Pile %1: empty</source>
        <translation>Coluna %1: vazia</translation>
    </message>
    <message>
        <source>Pile %1: %2</source>
        <translation>Coluna %1: %2</translation>
    </message>
    <message>
        <source>Foundation %1: empty</source>
        <translation>Fundação %1: vazia</translation>
    </message>
    <message>
        <source>Foundation %1: %2</source>
        <translation>Fundação %1: %2</translation>
    </message>
    <message>
        <source>Your stock, empty</source>
        <translation>Seu monte: vazio</translation>
    </message>
    <message>
        <source>Your stock, 1 card</source>
        <translation>Seu monte: 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your stock, %n cards</source>
        <translation>
            <numerusform>Seu monte: %n carta</numerusform>
            <numerusform>Seu monte: %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>Score board: your cards %1, computer&apos;s %2, wins %3, losses %4</source>
        <translation>Placar. Suas cartas: %1, cartas do computador: %2. Vitórias: %3, derrotas: %4.</translation>
    </message>
    <message>
        <source>You turn your waste over.</source>
        <translation>Você devolve o descarte ao monte.</translation>
    </message>
    <message>
        <source>The computer turns its waste over.</source>
        <translation>O computador devolve o descarte ao monte.</translation>
    </message>
    <message>
        <source>You flip a card.</source>
        <translation>Você vira uma carta.</translation>
    </message>
    <message>
        <source>The computer flips a card.</source>
        <translation>O computador vira uma carta.</translation>
    </message>
    <message>
        <source>You turn up the waiting card of pile %1.</source>
        <translation>Você vira a carta fechada da coluna %1.</translation>
    </message>
    <message>
        <source>The computer turns up the waiting card of pile %1.</source>
        <translation>O computador vira a carta fechada da coluna %1.</translation>
    </message>
    <message>
        <source>You load the %1 onto the computer&apos;s waste.</source>
        <translation>Você passa %1 para o descarte do computador.</translation>
    </message>
    <message>
        <source>The computer loads the %1 onto your waste.</source>
        <translation>O computador passa %1 para o seu descarte.</translation>
    </message>
    <message>
        <source>You pick up the %1.</source>
        <translation>Você pega %1.</translation>
    </message>
    <message>
        <source>The %1 goes back.</source>
        <translation>%1 volta ao lugar.</translation>
    </message>
    <message>
        <source>The %1 cannot go there; it goes back.</source>
        <translation>%1 não pode ir para lá e volta ao lugar.</translation>
    </message>
    <message>
        <source>Your turn.</source>
        <translation>Sua vez.</translation>
    </message>
    <message>
        <source>The computer&apos;s turn.</source>
        <translation>Vez do computador.</translation>
    </message>
    <message>
        <source>You won the game!</source>
        <translation>Você venceu a partida!</translation>
    </message>
    <message>
        <source>The computer won the game.</source>
        <translation>O computador venceu a partida.</translation>
    </message>
    <message>
        <source>Your waste: empty</source>
        <translation>Seu descarte: vazio</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: empty</source>
        <translation>Descarte do computador: vazio</translation>
    </message>
    <message>
        <source>Your waste: %1, 1 card</source>
        <translation>Seu descarte: %1, 1 carta</translation>
    </message>
    <message>
        <source>Computer&apos;s waste: %1, 1 card</source>
        <translation>Descarte do computador: %1, 1 carta</translation>
    </message>
    <message numerus="yes">
        <source>Your waste: %1, %n cards</source>
        <translation>
            <numerusform>Seu descarte: %1, %n carta</numerusform>
            <numerusform>Seu descarte: %1, %n cartas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Computer&apos;s waste: %1, %n cards</source>
        <translation>
            <numerusform>Descarte do computador: %1, %n carta</numerusform>
            <numerusform>Descarte do computador: %1, %n cartas</numerusform>
        </translation>
    </message>
    <message>
        <source>From the %1</source>
        <translation>A partir de %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You play the %1 onto the %2.</source>
        <translation>Você joga %1 sobre %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the %2.</source>
        <translation>O computador joga %1 sobre %2.</translation>
    </message>
    <message>
        <source>You play the %1 to an empty foundation.</source>
        <translation>Você joga %1 numa fundação vazia.</translation>
    </message>
    <message>
        <source>The computer plays the %1 to an empty foundation.</source>
        <translation>O computador joga %1 numa fundação vazia.</translation>
    </message>
    <message>
        <source>You play the %1 onto the empty pile %2.</source>
        <translation>Você joga %1 na coluna vazia %2.</translation>
    </message>
    <message>
        <source>The computer plays the %1 onto the empty pile %2.</source>
        <translation>O computador joga %1 na coluna vazia %2.</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Tandrel is already running on display %1, with the settings in %2.</source>
        <translation>O Tandrel já está em execução na tela %1, com as configurações em %2.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>You won!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>The computer won.</source>
        <translation>O computador venceu.</translation>
    </message>
    <message>
        <source>Win: %1   Loss: %2</source>
        <translation>Vitórias: %1   Derrotas: %2</translation>
    </message>
    <message>
        <source>F2 deals a new game</source>
        <translation>F2 inicia uma nova partida</translation>
    </message>
    <message>
        <source>Press F2 to start a new game.</source>
        <translation>Tecle F2 para nova partida.</translation>
    </message>
    <message>
        <source>Game Over!</source>
        <translation>Fim de jogo!</translation>
    </message>
    <message>
        <source>It is your turn. Click the</source>
        <translation>Sua vez. Ao terminar, clique</translation>
    </message>
    <message>
        <source>score board when finished.</source>
        <translation>no placar.</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Your cards left: </source>
        <translation>Suas cartas: </translation>
    </message>
    <message>
        <source>Opponent&apos;s cards left: </source>
        <translation>Cartas do oponente: </translation>
    </message>
    <message>
        <source>Win: </source>
        <translation>Vitórias: </translation>
    </message>
    <message>
        <source>Loss: </source>
        <translation>Derrotas: </translation>
    </message>
    <message>
        <source>Score Board</source>
        <translation>Placar</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Rodada %1</translation>
    </message>
</context>
<context>
    <name>Turns</name>
    <message>
        <source>You lost the last game so the computer will start first this time.</source>
        <translation>Você perdeu a última partida, então desta vez o computador começa.</translation>
    </message>
    <message>
        <source>You must flip a card.</source>
        <translation>Você precisa virar uma carta.</translation>
    </message>
    <message>
        <source>You need to flip a card first.</source>
        <translation>Primeiro você precisa virar uma carta.</translation>
    </message>
</context>
<context>
    <name>tandrel::AboutBox</name>
    <message>
        <source>Made by the Tandrel developers</source>
        <translation>Feito pelos desenvolvedores do Tandrel</translation>
    </message>
    <message>
        <source>Copyright © 2026 the Tandrel developers.
Free software under the GNU General Public License,
version 3 or (at your option) any later version.</source>
        <translation>Copyright © 2026 os desenvolvedores do Tandrel.
Software livre sob a GNU General Public License,
versão 3 ou (a seu critério) qualquer versão posterior.</translation>
    </message>
    <message>
        <source>Project page and support: %1</source>
        <translation>Página do projeto e suporte: %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre %1</translation>
    </message>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
</context>
<context>
    <name>tandrel::AlarmDialog</name>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alert me when I&apos;ve played for 1 Minute.</source>
        <translation>Avisar quando eu tiver jogado por 1 minuto.</translation>
    </message>
    <message numerus="yes">
        <source>Alert me when I&apos;ve played for %n Minutes.</source>
        <translation>
            <numerusform>Avisar quando eu tiver jogado por %n minuto.</numerusform>
            <numerusform>Avisar quando eu tiver jogado por %n minutos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Minutes of play</source>
        <translation>Minutos de jogo</translation>
    </message>
</context>
<context>
    <name>tandrel::GameSettingsDialog</name>
    <message>
        <source>Game Settings</source>
        <translation>Configurações do jogo</translation>
    </message>
    <message>
        <source>Show S&amp;tats</source>
        <translation>Exi&amp;bir estatísticas</translation>
    </message>
    <message>
        <source>Auto Sa&amp;ve</source>
        <translation>Sa&amp;lvar automaticamente</translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation>&amp;Jogador</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Com&amp;prar</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Uma</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Duas</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Três</translation>
    </message>
    <message>
        <source>Oppo&amp;nent</source>
        <translation>Opo&amp;nente</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mestre</translation>
    </message>
    <message>
        <source>Pla&amp;y Speed</source>
        <translation>Velocidade &amp;do jogo</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;mação</translation>
    </message>
    <message>
        <source>Animation Sp&amp;eed</source>
        <translation>V&amp;elocidade da animação</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>So&amp;unds</source>
        <translation>&amp;Sons</translation>
    </message>
    <message>
        <source>&amp;Win</source>
        <translation>&amp;Vitória</translation>
    </message>
    <message>
        <source>&amp;Loss</source>
        <translation>Derro&amp;ta</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message>
        <source>&amp;Background image</source>
        <translation>Ima&amp;gem de fundo</translation>
    </message>
    <message>
        <source>Colored back&amp;ground</source>
        <translation>F&amp;undo colorido</translation>
    </message>
    <message>
        <source>&amp;Solid background colors</source>
        <translation>Cores de &amp;fundo sólidas</translation>
    </message>
    <message>
        <source>C&amp;hange Color</source>
        <translation>Escol&amp;her cor</translation>
    </message>
    <message>
        <source>Change &amp;Image</source>
        <translation>Escolher &amp;imagem</translation>
    </message>
    <message>
        <source>Card Bac&amp;k</source>
        <translation>Ve&amp;rso das cartas</translation>
    </message>
    <message>
        <source>Type in the name of a new player.</source>
        <translation>Digite o nome do novo jogador.</translation>
    </message>
    <message>
        <source>New Player</source>
        <translation>Novo jogador</translation>
    </message>
    <message>
        <source>The table and the card back as they will look</source>
        <translation>A mesa e o verso das cartas como vão ficar</translation>
    </message>
</context>
<context>
    <name>tandrel::HelpWindow</name>
    <message>
        <source>%1 Handbook</source>
        <translation>Manual do %1</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Início</translation>
    </message>
    <message>
        <source>&lt;h2&gt;The handbook is missing&lt;/h2&gt;&lt;p&gt;Tandrel reads its handbook from &lt;b&gt;%1&lt;/b&gt;, and that file is not there.&lt;/p&gt;&lt;p&gt;The handbook comes with the program&apos;s default files, in their folder &lt;tt&gt;handbook&lt;/tt&gt;: beside a program in its build folder (building again puts it back), in &lt;tt&gt;share/tandrel&lt;/tt&gt; for an installed one (installing again puts it back). Meanwhile &lt;b&gt;Help, Quick look at the rules&lt;/b&gt; gives the rules in short.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;O manual não foi encontrado&lt;/h2&gt;&lt;p&gt;O Tandrel lê o manual de &lt;b&gt;%1&lt;/b&gt;, e esse arquivo não existe.&lt;/p&gt;&lt;p&gt;O manual acompanha os arquivos padrão do programa, na pasta &lt;tt&gt;handbook&lt;/tt&gt;: ao lado do programa, na pasta de compilação (compilar de novo o repõe), ou em &lt;tt&gt;share/tandrel&lt;/tt&gt;, se ele estiver instalado (instalar de novo o repõe). Enquanto isso, &lt;b&gt;Ajuda, Resumo das regras&lt;/b&gt; traz as regras em poucas palavras.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>tandrel::PictureChooser</name>
    <message>
        <source>it is too large (%1 x %2).</source>
        <translation>é grande demais (%1 x %2).</translation>
    </message>
    <message>
        <source>it is not a picture this program can read.</source>
        <translation>não é uma imagem que este programa consiga ler.</translation>
    </message>
    <message>
        <source>Background Picture</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>&amp;Pictures</source>
        <translation>&amp;Imagens</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Amostra</translation>
    </message>
    <message>
        <source>%1 cannot be shown: %2</source>
        <translation>Não é possível exibir %1: %2</translation>
    </message>
    <message>
        <source>The chosen picture as the table will show it</source>
        <translation>A imagem escolhida como a mesa vai mostrá-la</translation>
    </message>
</context>
<context>
    <name>tandrel::RulesWindow</name>
    <message>
        <source>The play of the game is much the same as in regular solitaire with three exceptions. First, you can play on your opponent&apos;s hand as you would a foundation or tableau. Second, when playing on your opponent&apos;s hand you can play in either direction. That is to say, a red eight can be played on a black seven or a black nine. Finally, the first person to play all of the cards in their hand wins. For a more detailed explanation of the rules see the help file.</source>
        <translation>O jogo funciona praticamente como a paciência comum, com três exceções. Primeiro, você pode jogar na mão do oponente como faria numa fundação ou numa coluna. Segundo, ao jogar na mão do oponente, você pode seguir em qualquer direção; ou seja, um oito vermelho pode ser colocado sobre um sete preto ou sobre um nove preto. Por fim, vence quem jogar primeiro todas as cartas da sua mão. Para uma explicação mais detalhada das regras, consulte a ajuda.</translation>
    </message>
    <message>
        <source>Also, it may be helpful to know that you can play cards in one of two ways. Of course, you can click, drag and drop with the left mouse button. An easier way is to use the right mouse button. Right-click on any card or stack of cards to automatically play the cards.</source>
        <translation>Além disso, é bom saber que você pode jogar as cartas de duas maneiras. Claro, você pode clicar, arrastar e soltar com o botão esquerdo do mouse. Uma maneira mais fácil é usar o botão direito: clique com o botão direito em qualquer carta ou pilha de cartas para jogá-las automaticamente.</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>As regras</translation>
    </message>
    <message>
        <source>A Quick Look At The Rules</source>
        <translation>Resumo das regras</translation>
    </message>
</context>
<context>
    <name>tandrel::SoundChooser</name>
    <message>
        <source>Select WAV File</source>
        <translation>Selecionar arquivo WAV</translation>
    </message>
    <message numerus="yes">
        <source>%n files found</source>
        <translation>
            <numerusform>%n arquivo encontrado</numerusform>
            <numerusform>%n arquivos encontrados</numerusform>
        </translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
</context>
<context>
    <name>tandrel::StatisticsWindow</name>
    <message>
        <source>Beginner</source>
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Mestre</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vencidas</translation>
    </message>
    <message>
        <source>Current winning streak:</source>
        <translation>Sequência atual de vitórias:</translation>
    </message>
    <message>
        <source>Longest winning streak:</source>
        <translation>Maior sequência de vitórias:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Maior sequência</translation>
    </message>
    <message>
        <source>All players</source>
        <translation>Todos os jogadores</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Todos os níveis</translation>
    </message>
    <message>
        <source>Reset the statistics of %1?</source>
        <translation>Zerar as estatísticas de %1?</translation>
    </message>
    <message>
        <source>Your games by level</source>
        <translation>Seus jogos por nível</translation>
    </message>
</context>
</TS>
