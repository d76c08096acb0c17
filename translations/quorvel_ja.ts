<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Files</name>
    <message>
        <source>Unable to create the folder %1: %2</source>
        <translation>フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 を読み込めません: %2</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Quorvel (Shapes)</source>
        <translation>Quorvel（シェイプ）</translation>
    </message>
    <message>
        <source>Quorvel (Blocks)</source>
        <translation>Quorvel（ブロック）</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Quorvel needs Qt&apos;s Wayland plugin on this Wayland desktop, which has no X server: install the package qt6-wayland
</source>
        <translation>この Wayland デスクトップには X サーバーがないため、Quorvel には Qt の Wayland プラグインが必要です: パッケージ qt6-wayland をインストールしてください
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and none is set: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel にはグラフィカルディスプレイが必要ですが、設定されていません: デスクトップ上で起動するか、xvfb-run -a %1 で仮想ディスプレイ上で起動してください
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and the one set cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %1
</source>
        <translation>Quorvel にはグラフィカルディスプレイが必要ですが、設定されたディスプレイを開けません: デスクトップ上で起動するか、xvfb-run -a %1 で仮想ディスプレイ上で起動してください
</translation>
    </message>
    <message>
        <source>Quorvel needs a graphical display, and DISPLAY=%1 cannot be opened: start it on a desktop, or under a virtual display with xvfb-run -a %2
</source>
        <translation>Quorvel にはグラフィカルディスプレイが必要ですが、DISPLAY=%1 を開けません: デスクトップ上で起動するか、xvfb-run -a %2 で仮想ディスプレイ上で起動してください
</translation>
    </message>
    <message>
        <source>Usage: quorvel [--help | --version]
Two falling-block puzzle games, Shapes and Blocks, started from one menu.
Opens its window on the graphical display; other arguments are ignored.

  --help     print this help and exit
  --version  print the version and exit
</source>
        <translation>使い方: quorvel [--help | --version]
1つのメニューから始める2つの落ち物パズルゲーム、シェイプとブロック。
グラフィカルディスプレイにウィンドウを開きます。その他の引数は無視されます。

  --help     このヘルプを表示して終了する
  --version  バージョンを表示して終了する
</translation>
    </message>
    <message>
        <source>Quorvel: cannot write to the standard output
</source>
        <translation>Quorvel: 標準出力に書き込めません
</translation>
    </message>
</context>
<context>
    <name>TGameWindow</name>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Paused - %1</source>
        <extracomment>The window&apos;s caption while the game waits for P; %1 is the game&apos;s name</extracomment>
        <translation>一時停止中 - %1</translation>
    </message>
    <message>
        <source>Cannot load the picture &quot;%1&quot;. %2</source>
        <translation>画像「%1」を読み込めません。%2</translation>
    </message>
    <message>
        <source>Are you sure you want to quit ?</source>
        <translation>本当に終了しますか？</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
</context>
<context>
    <name>TfrmControls</name>
    <message>
        <source>Move Left</source>
        <translation>左に移動</translation>
    </message>
    <message>
        <source>Move Right</source>
        <translation>右に移動</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>真下に落とす</translation>
    </message>
    <message>
        <source>Three Rows Down</source>
        <extracomment>End: the piece falls three rows at once</extracomment>
        <translation>3段下げる</translation>
    </message>
    <message>
        <source>End Game</source>
        <extracomment>Home: the game ends now and its score goes into the high-score table</extracomment>
        <translation>ゲームを終える</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>遅くする</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>速くする</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>ゲームをやめる</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Grid On Or Off</source>
        <extracomment>The letter switch that shows or hides the board&apos;s grid</extracomment>
        <translation>グリッドの表示・非表示</translation>
    </message>
    <message>
        <source>Click On Or Off</source>
        <extracomment>The letter switch for the click on every step of the falling piece</extracomment>
        <translation>クリック音のオン・オフ</translation>
    </message>
    <message>
        <source>Sound On Or Off</source>
        <extracomment>The letter switch for the game&apos;s sounds</extracomment>
        <translation>効果音のオン・オフ</translation>
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
        <translation>色を入れ替える</translation>
    </message>
    <message>
        <source>Quorvel Controls</source>
        <translation>Quorvel 操作設定</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>シェイプ</translation>
    </message>
    <message>
        <source>Reset to defaults</source>
        <translation>初期設定に戻す</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Action</source>
        <extracomment>The heading over the column of what each key does in the game</extracomment>
        <translation>操作</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>The heading over the column of the keyboard&apos;s keys</extracomment>
        <translation>キー</translation>
    </message>
    <message>
        <source>Game Pad</source>
        <extracomment>The heading over the column of the game pad&apos;s buttons</extracomment>
        <translation>ゲームパッド</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No pad button does the action</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 on the game pad</source>
        <translation>%1 のゲームパッドボタン</translation>
    </message>
    <message>
        <source>The key %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a key&apos;s name, %2 the action it is bound to</extracomment>
        <translation>キー %1 はすでに「%2」に使われています。</translation>
    </message>
    <message>
        <source>The button %1 is already used for &quot;%2&quot;.</source>
        <extracomment>%1 is a game pad button&apos;s name, %2 the action it is bound to</extracomment>
        <translation>ボタン %1 はすでに「%2」に使われています。</translation>
    </message>
</context>
<context>
    <name>TfrmGame</name>
    <message>
        <source>Next Piece</source>
        <translation>次のピース</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Line Bonus</source>
        <translation>ラインボーナス</translation>
    </message>
    <message>
        <source>Lines =%1</source>
        <translation>ライン数 = %1</translation>
    </message>
    <message>
        <source>Points = %1</source>
        <translation>得点 = %1</translation>
    </message>
    <message>
        <source>Lines Bonus</source>
        <translation>ラインボーナス</translation>
    </message>
</context>
<context>
    <name>TfrmGameBlocks</name>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Quorvel Blocks</source>
        <extracomment>The game&apos;s name on a panel of its window</extracomment>
        <translation>Quorvel ブロック</translation>
    </message>
    <message>
        <source>Stack them, match three</source>
        <extracomment>The game&apos;s motto on a panel of its window: stack the blocks, line up three of a colour</extracomment>
        <translation>積んで三つ並べよ</translation>
    </message>
</context>
<context>
    <name>TfrmHigh</name>
    <message>
        <source>Highscores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>Highest Scores %1</source>
        <extracomment>The table&apos;s caption; %1 is the game&apos;s name</extracomment>
        <translation>%1 のハイスコア</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>名前を入力してください</translation>
    </message>
</context>
<context>
    <name>TfrmInst</name>
    <message>
        <source>Instructions</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>ファイル「%1」を開けません。%2</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>QuorvelShapes</source>
        <extracomment>The main menu&apos;s button that starts Shapes: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>Quorvelシェイプ</translation>
    </message>
    <message>
        <source>QuorvelBlocks</source>
        <extracomment>The main menu&apos;s button that starts Blocks: the program&apos;s and the game&apos;s name in one word</extracomment>
        <translation>Quorvelブロック</translation>
    </message>
    <message>
        <source>High Score</source>
        <extracomment>The main menu&apos;s button that shows a game&apos;s table of the ten best scores</extracomment>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Welcome To Quorvel</source>
        <translation>Quorvel へようこそ</translation>
    </message>
</context>
<context>
    <name>TfrmOptions</name>
    <message>
        <source>Line Complete</source>
        <extracomment>Speed up each time a line is complete (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>ライン完成</translation>
    </message>
    <message>
        <source>Timer</source>
        <extracomment>Speed up once a minute of play (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>タイマー</translation>
    </message>
    <message>
        <source>Both</source>
        <extracomment>Speed up on both occasions (a radio item under &quot;Speed Up On&quot;)</extracomment>
        <translation>両方</translation>
    </message>
    <message>
        <source>Quorvel Options</source>
        <translation>Quorvel オプション</translation>
    </message>
    <message>
        <source>Blocks</source>
        <extracomment>The tab of the game Blocks: the game&apos;s name</extracomment>
        <translation>ブロック</translation>
    </message>
    <message>
        <source>Shapes</source>
        <extracomment>The tab of the game Shapes: the game&apos;s name</extracomment>
        <translation>シェイプ</translation>
    </message>
    <message>
        <source>Player Name</source>
        <translation>プレイヤー名</translation>
    </message>
    <message>
        <source>Click On Drop</source>
        <extracomment>A short click of the computer&apos;s bell on every step of the falling piece</extracomment>
        <translation>落下時クリック音</translation>
    </message>
    <message>
        <source>Use Sound</source>
        <translation>効果音を使用</translation>
    </message>
    <message>
        <source>Speed Up On</source>
        <translation>加速の条件</translation>
    </message>
    <message>
        <source>Show Next Piece</source>
        <translation>次のピースを表示</translation>
    </message>
    <message>
        <source>Use Easy Pieces</source>
        <extracomment>Play Shapes with the seven classic four-square pieces instead of the harder set</extracomment>
        <translation>簡単ピースを使用</translation>
    </message>
    <message>
        <source>Grid Visible</source>
        <translation>グリッド表示</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Co&amp;ntrols...</source>
        <extracomment>Opens the dialog where each game&apos;s keys and game pad buttons are chosen</extracomment>
        <translation>操作設定(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>TfrmSelect</name>
    <message>
        <source>Which Game ?</source>
        <translation>どのゲームにしますか？</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
</TS>
