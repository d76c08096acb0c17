<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Nie można odczytać pliku %1: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Figury)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Klocki)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>Quorvel na tym pulpicie Wayland, który nie ma serwera X, wymaga wtyczki Wayland dla Qt: zainstaluj pakiet qt6-wayland
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel wymaga ekranu graficznego, a żaden nie jest ustawiony: uruchom go na pulpicie albo na ekranie wirtualnym poleceniem xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel wymaga ekranu graficznego, a ustawionego ekranu nie można otworzyć: uruchom go na pulpicie albo na ekranie wirtualnym poleceniem xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel wymaga ekranu graficznego, a ekranu DISPLAY=%1 nie można otworzyć: uruchom go na pulpicie albo na ekranie wirtualnym poleceniem xvfb-run -a %2
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Użycie: quorvel [--help | --version]
Dwie gry logiczne ze spadającymi klockami, Figury i Klocki, uruchamiane z jednego menu.
Otwiera okno na ekranie graficznym; pozostałe argumenty są pomijane.

  --help     wyświetla tę pomoc i kończy działanie
  --version  wyświetla wersję i kończy działanie
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: nie można pisać na standardowe wyjście
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>Pauza - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>Nie można wczytać obrazu „%1”. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Czy na pewno chcesz zakończyć grę?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdzenie</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>Przesuń w lewo</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Przesuń w prawo</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Obróć</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Zrzuć</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>Trzy rzędy w dół</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Wolniej</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Szybciej</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Wyjdź z gry</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>Pokaż/ukryj siatkę</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>Włącz/wyłącz klik</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>Włącz/wyłącz dźwięk</translation>
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
        <translation>Zmień kolejność kolorów</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Sterowanie Quorvel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Klocki</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Figury</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>%1 na gamepadzie</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>Klawisz %1 jest już przypisany do akcji „%2”.</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>Przycisk %1 jest już przypisany do akcji „%2”.</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Następna</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Premia</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Linie =%1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Punkty = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Premia</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Klocki</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Układaj i łącz po trzy</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Rekordy %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Podaj swoje imię</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelFigury</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelKlocki</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Rekordy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Witamy w Quorvel</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Pełna linia</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Co minutę</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Oba</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Opcje Quorvel</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Klocki</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Figury</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Imię gracza</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Klik co krok</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Dźwięk</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Przyspieszanie</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Następna figura</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Łatwe figury</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Pokaż siatkę</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>&amp;Sterowanie...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Która gra?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
</TS>
