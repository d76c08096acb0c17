<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Formen)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Blöcke)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>Quorvel braucht auf diesem Wayland-Desktop ohne X-Server das Wayland-Plugin von Qt: Installieren Sie das Paket qt6-wayland
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel braucht eine grafische Anzeige, aber keine ist eingestellt: Starten Sie es auf einem Desktop oder in einer virtuellen Anzeige mit xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel braucht eine grafische Anzeige, aber die eingestellte lässt sich nicht öffnen: Starten Sie es auf einem Desktop oder in einer virtuellen Anzeige mit xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel braucht eine grafische Anzeige, aber DISPLAY=%1 lässt sich nicht öffnen: Starten Sie es auf einem Desktop oder in einer virtuellen Anzeige mit xvfb-run -a %2
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Aufruf: quorvel [--help | --version]
Zwei Puzzlespiele mit fallenden Steinen, Formen und Blöcke, mit einem gemeinsamen Menü.
Öffnet sein Fenster auf der grafischen Anzeige; andere Argumente werden ignoriert.

  --help     diese Hilfe ausgeben und beenden
  --version  die Version ausgeben und beenden
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: Schreiben in die Standardausgabe nicht möglich
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>Pause - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>Das Bild „%1“ kann nicht geladen werden. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigung</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Fallen lassen</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>Drei Reihen tiefer</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Spiel verlassen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>Gitter ein/aus</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>Klick ein/aus</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>Ton ein/aus</translation>
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
        <translation>Farben rotieren</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Quorvel-Steuerung</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>%1 am Gamepad</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>Die Taste %1 ist schon mit „%2“ belegt.</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>Die Gamepad-Taste %1 ist schon mit „%2“ belegt.</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Reihenbonus</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Reihen = %1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Punkte = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Reihenbonus</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Blöcke</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Stapeln und Dreier bilden</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Bestenliste für %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelFormen</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelBlöcke</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Willkommen bei Quorvel</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Voller Reihe</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Zeitablauf</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Beidem</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Quorvel-Optionen</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blöcke</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Formen</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Klick beim Fallen</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Mit Ton</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Schneller bei</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Vorschau zeigen</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Einfache Steine</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Gitter zeigen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>&amp;Steuerung...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Welches Spiel?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
</TS>
