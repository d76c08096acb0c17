<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Forme)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Blocchi)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>Quorvel ha bisogno del plugin Wayland di Qt su questo desktop Wayland, che non ha un server X: installa il pacchetto qt6-wayland
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel ha bisogno di un display grafico, ma non ne è impostato nessuno: avvialo da un desktop o in un display virtuale con xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel ha bisogno di un display grafico, ma quello impostato non si può aprire: avvialo da un desktop o in un display virtuale con xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel ha bisogno di un display grafico, ma DISPLAY=%1 non si può aprire: avvialo da un desktop o in un display virtuale con xvfb-run -a %2
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
Due rompicapi a blocchi cadenti, Forme e Blocchi, avviati da un unico menu.
Apre la sua finestra sul display grafico; gli altri argomenti vengono ignorati.

  --help     mostra questo aiuto ed esce
  --version  mostra la versione ed esce
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: impossibile scrivere sullo standard output
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
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>In pausa - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>Impossibile caricare l&apos;immagine «%1». %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Prossimo pezzo</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Bonus righe</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Righe =%1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Punti = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Bonus righe</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Blocchi</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Impila e allinea tre</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Classifica di %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelForme</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelBlocchi</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Benvenuto in Quorvel</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Riga completa</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Entrambi</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Opzioni di Quorvel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blocchi</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Nome giocatore</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Clic in caduta</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Attiva suoni</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Accelera con</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Prossimo pezzo</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Pezzi facili</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Mostra griglia</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Quale gioco?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
</TS>
