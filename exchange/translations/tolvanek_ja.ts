<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Cli</name>
    <message>
        <source>see &quot;%1&quot; for how to use it</source>
        <translation>使い方は「%1」で表示できます</translation>
    </message>
    <message>
        <source>%1 does not look like an image of this game (%2)</source>
        <translation>%1 はこのゲームのイメージではないようです（%2）</translation>
    </message>
    <message>
        <source>give --force to go on with it all the same, as answering yes in the window does</source>
        <translation>それでも続けるには --force を付けてください（ウィンドウで「はい」と答えるのと同じです）</translation>
    </message>
    <message>
        <source>no team has the initials &quot;%1&quot;; the teams are %2</source>
        <translation>略称「%1」のチームはありません。チームは %2 です</translation>
    </message>
    <message>
        <source>standard input is too large</source>
        <translation>標準入力が大きすぎます</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>標準入力を読めません</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読めません：%2</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 は大きすぎます</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>標準出力に書き込めません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>注意: %1</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>%1 を読めません</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing was written</source>
        <translation>読み込み中に %1 が変わりました。何も書き込んでいません</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作れません</translation>
    </message>
    <message>
        <source>cannot write %1; it is left as it was</source>
        <translation>%1 に書き込めません。ファイルは元のままです</translation>
    </message>
    <message>
        <source>the teams cannot be written into %1</source>
        <translation>%1 にチームを書き込めません</translation>
    </message>
    <message>
        <source>--format html needs --team: a page shows one team</source>
        <translation>--format html には --team が必要です（ページには1チームを出力します）</translation>
    </message>
    <message>
        <source>team %1 holds a value that is no number; its page cannot be written</source>
        <translation>チーム%1に数値でない値があるため、ページを出力できません</translation>
    </message>
    <message>
        <source>an image cannot be written to standard output</source>
        <translation>イメージは標準出力に書き出せません</translation>
    </message>
    <message>
        <source>%1 is a league file, which names its teams itself; --team is for a team CSV</source>
        <translation>%1 はリーグファイルで、チームはファイルの中で指定されています。--team はチームCSVに使います</translation>
    </message>
    <message>
        <source>name the team of a team CSV with --team</source>
        <translation>チームCSVのチームを --team で指定してください</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>何も書き込んでいません</translation>
    </message>
    <message>
        <source>%1 of %2 teams would be rewritten</source>
        <translation>%2チーム中%1チームが書き換えられます</translation>
    </message>
    <message>
        <source>%1 of %2 teams rewritten</source>
        <translation>%2チーム中%1チームを書き換えました</translation>
    </message>
    <message>
        <source>the patch&apos;s name must end in .bps or .ips, which chooses its format</source>
        <translation>パッチのファイル名は .bps か .ips で終わる必要があります（拡張子で形式を選びます）</translation>
    </message>
    <message>
        <source>an IPS patch cannot describe images larger than 16 MiB; make a BPS patch</source>
        <translation>IPSパッチは16MiBより大きいイメージを扱えません。BPSパッチを作ってください</translation>
    </message>
    <message>
        <source>a patch is never applied in place: give -o another file than %1</source>
        <translation>パッチは元のファイルには当てません。-o には %1 以外のファイルを指定してください</translation>
    </message>
    <message>
        <source>%1 cannot be applied to %2: %3</source>
        <translation>%1 を %2 に当てられません：%3</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Go on with an image that does not look like the game&apos;s, as answering yes in the window does.</source>
        <translation>このゲームのイメージではないようなイメージでも続けます（ウィンドウで「はい」と答えるのと同じです）。</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options] %3</source>
        <translation>使い方: %1 %2 [オプション] %3</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 がありません</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>余分な引数「%1」があります</translation>
    </message>
    <message>
        <source>missing -o %1</source>
        <translation>-o %1 がありません</translation>
    </message>
    <message>
        <source>The cartridge image (.nes).</source>
        <translation>カートリッジのイメージ（.nes）。</translation>
    </message>
    <message>
        <source>A league file or a team CSV; - for standard input.</source>
        <translation>リーグファイルかチームCSV。- で標準入力。</translation>
    </message>
    <message>
        <source>The image the patch starts from.</source>
        <translation>パッチの元になるイメージ。</translation>
    </message>
    <message>
        <source>The image the patch leads to.</source>
        <translation>パッチを当てた後のイメージ。</translation>
    </message>
    <message>
        <source>A BPS or IPS patch.</source>
        <translation>BPSパッチかIPSパッチ。</translation>
    </message>
    <message>
        <source>Check an image as opening it in the window does, and list its teams: initials, helmet and uniform colour, first batter.</source>
        <translation>ウィンドウで開くときと同じようにイメージを確認し、チームの一覧（略称、ヘルメットとユニフォームの色、1番打者）を表示します。</translation>
    </message>
    <message>
        <source>Write the league file, or one team&apos;s CSV or HTML page, as the window writes them.</source>
        <translation>リーグファイル、または1チームのCSVかHTMLページを、ウィンドウと同じ内容で出力します。</translation>
    </message>
    <message>
        <source>The team to export; without it, the league file.</source>
        <translation>出力するチーム。指定しないとリーグファイルを出力します。</translation>
    </message>
    <message>
        <source>csv (when not given) or html; html needs --team.</source>
        <translation>csv（省略時）か html。html には --team が必要です。</translation>
    </message>
    <message>
        <source>Where to write; standard output when not given or -.</source>
        <translation>出力先。省略時と - のときは標準出力です。</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is csv or html</source>
        <translation>「%1」という形式はありません。csv か html を指定してください</translation>
    </message>
    <message>
        <source>Read a league file or a team CSV into the image. Every error is reported; nothing is written while there is one.</source>
        <translation>リーグファイルかチームCSVをイメージに読み込みます。エラーはすべて表示し、エラーがあるときは何も書き込みません。</translation>
    </message>
    <message>
        <source>The team a team CSV replaces.</source>
        <translation>チームCSVで置き換えるチーム。</translation>
    </message>
    <message>
        <source>Check everything and write nothing.</source>
        <translation>すべて確認し、何も書き込みません。</translation>
    </message>
    <message>
        <source>Write the result into a copy here and leave the image alone.</source>
        <translation>結果をここにコピーとして書き込み、元のイメージは変えません。</translation>
    </message>
    <message>
        <source>Write a patch that turns ORIGINAL into MODIFIED.</source>
        <translation>ORIGINAL を MODIFIED に変えるパッチを書き出します。</translation>
    </message>
    <message>
        <source>The patch to write; .bps or .ips chooses the format.</source>
        <translation>書き出すパッチ。.bps か .ips で形式を選びます。</translation>
    </message>
    <message>
        <source>Apply a BPS or IPS patch to IMAGE and write the result to OUTPUT, never to IMAGE itself.</source>
        <translation>BPSパッチかIPSパッチを IMAGE に当て、結果を OUTPUT に書き出します。IMAGE 自体は変えません。</translation>
    </message>
    <message>
        <source>The patched image to write.</source>
        <translation>パッチを当てたイメージの出力先。</translation>
    </message>
    <message>
        <source>check an image and list its teams</source>
        <translation>イメージを確認し、チームを一覧表示します</translation>
    </message>
    <message>
        <source>write the league or one team as CSV or HTML</source>
        <translation>リーグか1チームをCSVかHTMLで出力します</translation>
    </message>
    <message>
        <source>read a league file or a team CSV into an image</source>
        <translation>リーグファイルかチームCSVをイメージに読み込みます</translation>
    </message>
    <message>
        <source>make a BPS or IPS patch between two images</source>
        <translation>2つのイメージからBPSパッチかIPSパッチを作ります</translation>
    </message>
    <message>
        <source>apply a BPS or IPS patch into a new image</source>
        <translation>BPSパッチかIPSパッチを当てて新しいイメージを作ります</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options] ARGUMENTS</source>
        <translation>使い方: %1 コマンド [オプション] 引数</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>コマンド:</translation>
    </message>
    <message>
        <source>&quot;%1 COMMAND --help&quot; describes a command.</source>
        <translation>「%1 コマンド --help」でコマンドの説明を表示します。</translation>
    </message>
    <message>
        <source>Check, export, import and patch the team data of a cartridge image.</source>
        <translation>カートリッジのイメージのチームデータを確認、出力、読み込みし、パッチを作ります。</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>コマンドが指定されていません</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>「%1」というコマンドはありません</translation>
    </message>
</context>
<context>
    <name>EditCaptions</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>打席</translation>
    </message>
    <message>
        <source>Popularity</source>
        <translation>人気</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>守備位置</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>打率</translation>
    </message>
    <message>
        <source>True Average</source>
        <translation>実打率</translation>
    </message>
    <message>
        <source>Home Runs</source>
        <translation>本塁打</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>走力</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>守備力</translation>
    </message>
    <message>
        <source>Arm</source>
        <translation>肩</translation>
    </message>
    <message>
        <source>Delivery</source>
        <translation>投法</translation>
    </message>
    <message>
        <source>ERA</source>
        <translation>防御率</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>スタミナ</translation>
    </message>
    <message>
        <source>Speed (Fast)</source>
        <translation>球速（速）</translation>
    </message>
    <message>
        <source>Speed (Medium)</source>
        <translation>球速（中）</translation>
    </message>
    <message>
        <source>Speed (Slow)</source>
        <translation>球速（遅）</translation>
    </message>
    <message>
        <source>Break Right</source>
        <translation>右変化</translation>
    </message>
    <message>
        <source>Breaking Ball Right</source>
        <translation>右変化球</translation>
    </message>
    <message>
        <source>Break Left</source>
        <translation>左変化</translation>
    </message>
    <message>
        <source>Breaking Ball Left</source>
        <translation>左変化球</translation>
    </message>
    <message>
        <source>Forkball</source>
        <translation>フォーク</translation>
    </message>
    <message>
        <source>Batting Order</source>
        <translation>打順</translation>
    </message>
    <message>
        <source>Pitching Order</source>
        <translation>投手の順番</translation>
    </message>
    <message>
        <source>Helmet</source>
        <translation>ヘルメット</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>ユニフォーム</translation>
    </message>
    <message>
        <source>Import Team CSV</source>
        <translation>CSV取込</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help file not found</source>
        <translation>ヘルプファイルが見つかりません</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; (%2) could not be opened. These folders were searched:</source>
        <translation>ヘルプファイル「%1」（%2）を開けませんでした。次のフォルダを探しました：</translation>
    </message>
    <message>
        <source>The editor can still be used. To read the help, put back the help folder that is installed with the program.</source>
        <translation>エディタはこのまま使えます。ヘルプを読むには、プログラムと一緒にインストールされる help フォルダを元に戻してください。</translation>
    </message>
    <message>
        <source>TOLVANEK Help</source>
        <translation>TOLVANEK ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>キーワードを入力</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file is too large to be an image of this game</source>
        <translation>このゲームのイメージにしては大きすぎます</translation>
    </message>
    <message>
        <source>the file is not an iNES image (it does not begin with NES and 0x1A)</source>
        <translation>iNES形式のイメージではありません（先頭が NES と 0x1A ではありません）</translation>
    </message>
    <message>
        <source>the file is too short to hold the team data (%1 bytes, at least %2 needed)</source>
        <translation>チームデータが入るには短すぎます（%1バイト、少なくとも%2バイト必要です）</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, but its header declares %2 bytes</source>
        <translation>ファイルの長さは%1バイトですが、ヘッダーが示す長さは%2バイトです</translation>
    </message>
    <message>
        <source>team %1 holds a player record that this game cannot have written</source>
        <translation>チーム%1に、このゲームが書き込まない選手データがあります</translation>
    </message>
    <message>
        <source>a pitcher&apos;s name in team %1 holds tiles that are no characters</source>
        <translation>チーム%1の投手の名前に文字でないタイルがあります</translation>
    </message>
    <message>
        <source>the batting order of team %1 does not hold the positions 2 to 9 once each</source>
        <translation>チーム%1の打順の守備位置が2から9までひとつずつになっていません</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1から%2まで%3刻み</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1から%2まで</translation>
    </message>
    <message>
        <source>a quoted field opens here and is never closed</source>
        <translation>ここで始まる引用符が閉じていません</translation>
    </message>
    <message>
        <source>this is a team CSV without a team line: name the team it is for</source>
        <translation>チーム行のないチームCSVです。どのチームのものか指定してください</translation>
    </message>
    <message>
        <source>the team has %1 lines here; it needs %2 (a header and 13 batters, a header and 5 pitchers)</source>
        <translation>このチームの行数が%1行です。%2行（見出しと打者13人、見出しと投手5人）必要です</translation>
    </message>
    <message>
        <source>the line has %1 fields; it needs %2</source>
        <translation>この行の項目数は%1です。%2項目必要です</translation>
    </message>
    <message>
        <source>the header here must read &quot;%1&quot;</source>
        <translation>ここの見出しは「%1」でなければなりません</translation>
    </message>
    <message>
        <source>the team line must read &quot;%1&quot; here</source>
        <translation>チーム行のここは「%1」でなければなりません</translation>
    </message>
    <message>
        <source>no team has these initials; the teams are %1</source>
        <translation>この略称のチームはありません。チームは %1 です</translation>
    </message>
    <message>
        <source>team %1 is given twice; it was given before at line %2</source>
        <translation>チーム%1が二度あります（%2行目にもあります）</translation>
    </message>
    <message>
        <source>a colour is written as 0x and two hexadecimal digits, such as 0x16</source>
        <translation>色は 0x と16進数2桁で書きます（例 0x16）</translation>
    </message>
    <message>
        <source>the colour chooser does not offer this palette index; it offers 0x00 to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D</source>
        <translation>色の選択にないパレット番号です。使えるのは 0x00～0x0D、0x10～0x1D、0x20～0x2D、0x30～0x3D です</translation>
    </message>
    <message>
        <source>not a number; allowed are %1</source>
        <translation>数値ではありません。%1の値が使えます</translation>
    </message>
    <message>
        <source>the editor does not offer this value; allowed are %1</source>
        <translation>エディタでは設定できない値です。%1の値が使えます</translation>
    </message>
    <message>
        <source>allowed are %1</source>
        <translation>使えるのは %1 です</translation>
    </message>
    <message>
        <source>the game cannot show the character &quot;%1&quot; (character %2 of the name)</source>
        <translation>「%1」（名前の%2文字目）はゲームで表示できない文字です</translation>
    </message>
    <message>
        <source>the name needs %1 places; the game has 5 (a voiced kana takes two)</source>
        <translation>名前に%1文字分必要です。ゲームの名前は5文字分です（濁音・半濁音は2文字分）</translation>
    </message>
    <message>
        <source>the batter at line %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>%1行目の打者も同じ守備位置です。打順の守備位置は2から9までひとつずつ必要です</translation>
    </message>
    <message>
        <source>the batting order needs the positions 2 to 9 once each</source>
        <translation>打順の守備位置は2から9までひとつずつ必要です</translation>
    </message>
    <message>
        <source>small kana are written large, as the game writes them: &quot;%1&quot;</source>
        <translation>小さい仮名はゲームと同じく大きく書きます：「%1」</translation>
    </message>
    <message>
        <source>the file is no BPS or IPS patch</source>
        <translation>BPSパッチでもIPSパッチでもありません</translation>
    </message>
    <message>
        <source>the patch is damaged or cut short</source>
        <translation>パッチが壊れているか途中で切れています</translation>
    </message>
    <message>
        <source>the image is not the one the patch was made for (its size differs)</source>
        <translation>パッチの元になったイメージではありません（大きさが違います）</translation>
    </message>
    <message>
        <source>the image is not the one the patch was made for (its checksum differs)</source>
        <translation>パッチの元になったイメージではありません（チェックサムが違います）</translation>
    </message>
    <message>
        <source>the patch is damaged (its own checksum does not match)</source>
        <translation>パッチが壊れています（パッチのチェックサムが合いません）</translation>
    </message>
    <message>
        <source>the patched image does not match the patch&apos;s checksum</source>
        <translation>パッチを当てた結果がパッチのチェックサムと合いません</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>ｴﾗｰ</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>For the &apos;92 season only</source>
        <translation>’９２年度版専用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tolvanek %1 Team Editor</source>
        <translation>Tolvanek %1 チーム編集</translation>
    </message>
    <message>
        <source>Report bugs to the issue list</source>
        <translation>不具合の報告は課題一覧へ</translation>
    </message>
</context>
<context>
    <name>TColorForm</name>
    <message>
        <source>Choose a Colour</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TIssueListDialog</name>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>内容</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;U)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>出力(&amp;O)</translation>
    </message>
    <message>
        <source>Team &amp;CSV...</source>
        <comment>export</comment>
        <translation>CSV出力(&amp;C)...</translation>
    </message>
    <message>
        <source>Team &amp;HTML...</source>
        <translation>HTML出力(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;League CSV...</source>
        <comment>export</comment>
        <translation>リーグCSV出力(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Patch...</source>
        <translation>パッチ出力(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>取込(&amp;I)</translation>
    </message>
    <message>
        <source>Team &amp;CSV...</source>
        <comment>import</comment>
        <translation>CSV取込(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;League CSV...</source>
        <comment>import</comment>
        <translation>リーグCSV取込(&amp;L)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>ヘルプ(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;About TOLVANEK...</source>
        <translation>バージョン(&amp;V)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Close the file</source>
        <translation>ファイルを閉じる</translation>
    </message>
    <message>
        <source>Helmet</source>
        <translation>ヘルメット</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>ユニフォーム</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>編集チーム：</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル(*.*)</translation>
    </message>
    <message>
        <source>NESticle ROM</source>
        <translation>NESticle ROM</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSVファイル(*.csv)</translation>
    </message>
    <message>
        <source>NESticle ROM (*.nes)</source>
        <translation>NESticle ROM(*.nes)</translation>
    </message>
    <message>
        <source>HTML files</source>
        <translation>HTMLファイル</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Export League CSV</source>
        <translation>リーグCSV出力</translation>
    </message>
    <message>
        <source>Import Team CSV</source>
        <translation>CSV取込</translation>
    </message>
    <message>
        <source>Import League CSV</source>
        <translation>リーグCSV取込</translation>
    </message>
    <message>
        <source>Open the Original Image</source>
        <translation>元のイメージを開く</translation>
    </message>
    <message>
        <source>BPS patch (*.bps)</source>
        <translation>BPSパッチ(*.bps)</translation>
    </message>
    <message>
        <source>IPS patch (*.ips)</source>
        <translation>IPSパッチ(*.ips)</translation>
    </message>
    <message>
        <source>Export Patch</source>
        <translation>パッチ出力</translation>
    </message>
    <message>
        <source>Close the open file first.</source>
        <translation>ファイルを閉じてください</translation>
    </message>
    <message>
        <source>This file does not look like an image of this game (%1).
Saving into it could damage it. Open it?</source>
        <translation>このファイルはこのゲームのイメージではないようです（%1）。
保存するとファイルを壊すおそれがあります。開きますか？</translation>
    </message>
    <message>
        <source>There is nothing to save.</source>
        <translation>保存するデータが存在しません</translation>
    </message>
    <message>
        <source>The fielding positions are wrong.</source>
        <translation>守備位置がおかしい</translation>
    </message>
    <message>
        <source>The name &quot;%2&quot; in batter row %1 cannot be saved.</source>
        <translation>打者の%1行目の名前「%2」は保存できません</translation>
    </message>
    <message>
        <source>The name &quot;%2&quot; in pitcher row %1 cannot be saved.</source>
        <translation>投手の%1行目の名前「%2」は保存できません</translation>
    </message>
    <message>
        <source>The new file cannot be created.</source>
        <translation>ファイルを作れません</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 は既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>The file cannot be saved.</source>
        <translation>ファイルを保存できません</translation>
    </message>
    <message>
        <source>The file has been saved.</source>
        <translation>ファイルを保存しました</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <source>Nothing was imported because of these errors.</source>
        <translation>次の誤りがあるため取り込みませんでした。</translation>
    </message>
    <message>
        <source>A team CSV import reads a file of one team. Import this one as a league CSV.</source>
        <translation>CSV取込では1チームだけのファイルを読みます。リーグCSV取込を使ってください</translation>
    </message>
    <message>
        <source>This file holds team %1. Import it into team %2, which is shown?</source>
        <translation>このファイルはチーム%1のデータです。表示中のチーム%2に取り込みますか？</translation>
    </message>
    <message>
        <source>Imported. These names were changed to the way the game writes them.</source>
        <translation>取り込みました。次の名前はゲームの書き方に直しました。</translation>
    </message>
    <message>
        <source>Nothing was changed because of these errors.</source>
        <translation>次の誤りがあるため何も変更しませんでした。</translation>
    </message>
    <message>
        <source>No team needs to be rewritten.</source>
        <translation>書き換えるチームはありません</translation>
    </message>
    <message numerus="yes">
        <source>The data of %n team(s) will be rewritten. Go on?</source>
        <translation>
            <numerusform>%nチームのデータを書き換えます。よろしいですか？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten. These names were changed to the way the game writes them.</source>
        <translation>
            <numerusform>%nチームを書き換えました。次の名前はゲームの書き方に直しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten.</source>
        <translation>
            <numerusform>%nチームを書き換えました</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes have not been saved. Save them and make the patch?</source>
        <translation>変更が保存されていません。保存してからパッチを作りますか？</translation>
    </message>
    <message>
        <source>This file cannot be the original image (%1).</source>
        <translation>元のイメージとして使えません（%1）</translation>
    </message>
    <message>
        <source>The original image does not look like an image of this game (%1). Use it?</source>
        <translation>元のイメージはこのゲームのイメージではないようです（%1）。使いますか？</translation>
    </message>
    <message>
        <source>Choose the patch format by the extension: .bps or .ips.</source>
        <translation>パッチの形式は拡張子 .bps か .ips で選んでください</translation>
    </message>
    <message>
        <source>The image is too large for an IPS patch. Choose BPS.</source>
        <translation>IPSパッチにするには大きすぎるイメージです。BPSを選んでください</translation>
    </message>
    <message>
        <source>The patch has been saved (%1, %2 bytes).</source>
        <translation>パッチを保存しました（%1形式、%2バイト）</translation>
    </message>
    <message>
        <source>No image is open.</source>
        <translation>データがありません</translation>
    </message>
    <message>
        <source>The file is damaged.</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>The file cannot be created.</source>
        <translation>ファイルを作成できません</translation>
    </message>
    <message>
        <source>The original file cannot be read.</source>
        <translation>元ファイルを読めません</translation>
    </message>
    <message>
        <source>The team has unsaved changes. Discard them?</source>
        <translation>現在のデータは変更されています。よろしいですか？</translation>
    </message>
</context>
<context>
    <name>TNameForm</name>
    <message>
        <source>Del</source>
        <extracomment>The key that deletes the last character; it is 20 pixels wide.</extracomment>
        <translation>消</translation>
    </message>
    <message>
        <source>SP</source>
        <extracomment>The key that types a space; it is 20 pixels wide.</extracomment>
        <translation>SP</translation>
    </message>
    <message>
        <source>More than 5 places (a voiced kana takes 2)</source>
        <translation>5文字分を超えます（濁音は2文字分）</translation>
    </message>
    <message>
        <source>Enter a Name</source>
        <translation>名前入力</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used</source>
        <translation>「%1」は使えない文字です</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>How many of the five places of the name are still free.</extracomment>
        <translation>あと%1文字</translation>
    </message>
</context>
<context>
    <name>TValueDialog</name>
    <message>
        <source>Set a Value</source>
        <translation>値の設定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s caption: the column&apos;s name, then the player&apos;s.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Scroll bar property out of range</source>
        <translation>ｽｸﾛｰﾙﾊﾞｰ ﾌﾟﾛﾊﾟﾃｨが範囲を越えました</translation>
    </message>
</context>
<context>
    <name>TolvanekApplication</name>
    <message>
        <source>unknown error</source>
        <translation>unknown error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
