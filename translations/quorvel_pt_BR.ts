<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Não foi possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Não foi possível gravar em %1: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Formas)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Blocos)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>O Quorvel precisa do plugin Wayland do Qt nesta área de trabalho Wayland, que não tem servidor X: instale o pacote qt6-wayland
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>O Quorvel precisa de uma tela gráfica, e nenhuma está definida: inicie-o em uma área de trabalho ou em uma tela virtual com xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>O Quorvel precisa de uma tela gráfica, e a tela definida não pode ser aberta: inicie-o em uma área de trabalho ou em uma tela virtual com xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>O Quorvel precisa de uma tela gráfica, e DISPLAY=%1 não pode ser aberta: inicie-o em uma área de trabalho ou em uma tela virtual com xvfb-run -a %2
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Uso: quorvel [--help | --version]
Dois jogos de quebra-cabeça com blocos que caem, Formas e Blocos, abertos a partir de um só menu.
Abre sua janela na tela gráfica; outros argumentos são ignorados.

  --help     mostra esta ajuda e sai
  --version  mostra a versão e sai
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: não é possível gravar na saída padrão
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>Pausado - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>Não foi possível carregar a imagem &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Tem certeza de que deseja sair?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>Mover para a esquerda</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Mover para a direita</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Derrubar</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>Descer três linhas</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>Encerrar partida</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais devagar</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nova partida</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>Mostrar/ocultar grade</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>Ligar/desligar clique</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>Ligar/desligar som</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>A pad button&apos;s label as printed on the common pads</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>The pad&apos;s Back (Select, View, minus) button</extracomment>
        <translation>Back</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>The pad&apos;s Start (Menu, plus) button</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>LB</source>
        <extracomment>The pad&apos;s left shoulder button</extracomment>
        <translation>LB</translation>
    </message>
    <message>
        <source>RB</source>
        <extracomment>The pad&apos;s right shoulder button</extracomment>
        <translation>RB</translation>
    </message>
    <message>
        <source>Cycle Colours</source>
        <extracomment>Up in Blocks: the column&apos;s three colours move round by one</extracomment>
        <translation>Girar cores</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Controles do Quorvel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>Controle</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>%1 no controle</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>A tecla %1 já está sendo usada para &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>O botão %1 já está sendo usado para &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Próxima peça</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Bônus de linha</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Linhas =%1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Pontos = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Bônus de linha</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Blocos</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Empilhe, junte três</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Recordes - %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não foi possível abrir o arquivo &quot;%1&quot;. %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelFormas</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelBlocos</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Bem-vindo ao Quorvel</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Linha completa</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Opções do Quorvel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome do jogador</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Clique na queda</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Usar som</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Acelerar com</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Ver próxima peça</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Peças fáceis</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Grade visível</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>Co&amp;ntroles...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Qual jogo?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
</TS>
