<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>%1 klasörü oluşturulamadı: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>%1 yazılamadı: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 okunamadı: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel (Şekil)</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel (Blok)</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>Quorvel, X sunucusu olmayan bu Wayland masaüstünde Qt&apos;nin Wayland eklentisine ihtiyaç duyar: qt6-wayland paketini kurun
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel bir grafik ekran gerektirir, ancak hiçbiri ayarlanmamış: programı bir masaüstünde ya da xvfb-run -a %1 ile sanal bir ekranda başlatın
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel bir grafik ekran gerektirir, ancak ayarlanan ekran açılamıyor: programı bir masaüstünde ya da xvfb-run -a %1 ile sanal bir ekranda başlatın
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel bir grafik ekran gerektirir, ancak DISPLAY=%1 açılamıyor: programı bir masaüstünde ya da xvfb-run -a %2 ile sanal bir ekranda başlatın
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>Kullanım: quorvel [--help | --version]
Tek bir menüden başlatılan iki düşen blok bulmaca oyunu: Şekil ve Blok.
Penceresini grafik ekranda açar; diğer argümanlar yok sayılır.

  --help     bu yardımı yazdırır ve çıkar
  --version  sürümü yazdırır ve çıkar
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: standart çıktıya yazılamıyor
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>Duraklatıldı - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>&quot;%1&quot; resmi yüklenemiyor. %2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>Çıkmak istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Onayla</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>Sola kaydır</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>Sağa kaydır</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Döndür</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Aşağı bırak</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>Üç satır indir</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>Oyunu bitir</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Yavaşlat</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Hızlandır</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Oyundan çık</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Yeni oyun</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>Izgarayı göster/gizle</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>Tık sesini aç/kapat</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>Sesi aç/kapat</translation>
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
        <translation>Renkleri döndür</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Quorvel Kontrolleri</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blok</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>Varsayılanları geri yükle</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>Eylem</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>Tuş</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>Oyun kolu</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>Yok</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>Oyun kolunda %1</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>%1 tuşu zaten &quot;%2&quot; için kullanılıyor.</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>%1 düğmesi zaten &quot;%2&quot; için kullanılıyor.</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>Sonraki parça</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>Satır bonusu</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>Satır =%1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>Puan = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>Satır bonusu</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Süre</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel Blok</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>Üst üste diz, üçlü yap</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>Rekorlar - %1</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Lütfen adınızı girin</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>Talimatlar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>&quot;%1&quot; dosyası açılamıyor. %2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelŞekil</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>QuorvelBlok</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>Rekorlar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Talimatlar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Quorvel&apos;e Hoş Geldiniz</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Satır dolunca</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>Zamanla</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>İkisi de</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Quorvel Ayarları</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>Blok</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>Şekil</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>Oyuncu adı</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>Düşüşte tık sesi</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>Ses kullan</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>Hızlanma</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>Sonrakini göster</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>Kolay parçalar</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>Izgara görünür</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>&amp;Kontroller...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>Hangi oyun?</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
</context>
</TS>
