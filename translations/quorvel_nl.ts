<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>Kan de map %1 niet aanmaken: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>Kan niet schrijven naar %1: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Kan %1 niet lezen: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Vormen)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Blokken)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>Quorvel heeft op deze Wayland-desktop, die geen X-server heeft, de Wayland-plug-in van Qt nodig: installeer het pakket qt6-wayland
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel heeft een grafisch beeldscherm nodig, maar er is er geen ingesteld: start het op een desktop, of op een virtueel beeldscherm met xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel heeft een grafisch beeldscherm nodig, maar het ingestelde kan niet worden geopend: start het op een desktop, of op een virtueel beeldscherm met xvfb-run -a %1
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel heeft een grafisch beeldscherm nodig, maar DISPLAY=%1 kan niet worden geopend: start het op een desktop, of op een virtueel beeldscherm met xvfb-run -a %2
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Gebruik: quorvel [--help | --version]
Twee puzzelspellen met vallende blokjes, Vormen en Blokken, te starten vanuit één menu.
Opent een venster op het grafische beeldscherm; andere argumenten worden genegeerd.

  --help     deze hulptekst tonen en afsluiten
  --version  het versienummer tonen en afsluiten
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: kan niet naar de standaarduitvoer schrijven
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>Gepauzeerd - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>Kan de afbeelding &quot;%1&quot; niet laden. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Weet je zeker dat je wilt stoppen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Laten vallen</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>Drie rijen omlaag</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>Spel beëindigen</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langzamer</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Spel verlaten</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>Raster aan/uit</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>Klik aan/uit</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>Geluid aan/uit</translation>
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
        <translation>Kleuren doorschuiven</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Quorvel-besturing</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blokken</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>Actie</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>Gamepad</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>Geen</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>%1 op de gamepad</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>De toets %1 wordt al gebruikt voor &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>De knop %1 wordt al gebruikt voor &quot;%2&quot;.</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Rijbonus</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Rijen =%1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Punten = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Rijbonus</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Blokken</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Stapel ze, drie op een rij</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Topscores %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Vul je naam in</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan het bestand &quot;%1&quot; niet openen. %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelVormen</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelBlokken</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Topscores</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Welkom bij Quorvel</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Volle rij</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Quorvel-opties</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blokken</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Vormen</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Spelernaam</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Klik bij vallen</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Sneller bij</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Toon volgende</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Simpele vormen</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Toon raster</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>&amp;Besturing...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Welk spel?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
</context>
</TS>
