<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>Changes</name>
    <message numerus="yes">
        <source>%n cell(s)</source>
        <translation>
            <numerusform>%n セル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colour(s)</source>
        <translation>
            <numerusform>%n 色</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n 移動</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s)</source>
        <translation>
            <numerusform>%n 移籍</numerusform>
        </translation>
    </message>
    <message>
        <source>batter</source>
        <translation>打者</translation>
    </message>
    <message>
        <source>pitcher</source>
        <translation>投手</translation>
    </message>
    <message>
        <source>helmet</source>
        <translation>ヘルメット</translation>
    </message>
    <message>
        <source>uniform</source>
        <translation>ユニフォーム</translation>
    </message>
    <message>
        <source>batting order</source>
        <translation>打順</translation>
    </message>
    <message>
        <source>pitching order</source>
        <translation>投手の順番</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>移籍</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>色</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>バイト</translation>
    </message>
    <message>
        <source> (formerly %1)</source>
        <translation>（旧 %1）</translation>
    </message>
    <message>
        <source>other bytes %1-%2 (%3 bytes)</source>
        <translation>その他のバイト %1-%2（%3 バイト）</translation>
    </message>
    <message>
        <source>other bytes: %1 ranges, %2 bytes in all</source>
        <translation>その他のバイト: %1 か所、計 %2 バイト</translation>
    </message>
    <message>
        <source>en</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更の一覧</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>%1チーム</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>その他のバイト</translation>
    </message>
    <message>
        <source>Coloured cells changed; the struck-out value is the one before. A row number in blue marks a row a player moved or was transferred to.</source>
        <translation>色の付いたセルが変わったセルで、取り消し線の値が変更前の値です。行番号が青い行には、移動または移籍で選手が来ました。</translation>
    </message>
    <message>
        <source>No changes.</source>
        <translation>変更はありません。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a team and what changed in it</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between counts</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>an empty file, whose teams cannot be shown: %1</source>
        <translation>空のファイルのチームは表示できません：%1</translation>
    </message>
    <message>
        <source>a file of %1 bytes (CRC-32 %2) whose teams cannot be shown: %3</source>
        <translation>%1 バイトのファイル（CRC-32 %2）のチームは表示できません：%3</translation>
    </message>
</context>
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
        <source>cannot read standard input</source>
        <translation>標準入力を読めません</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>標準出力に書き込めません</translation>
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
        <source>The cartridge image (.nes).</source>
        <translation>カートリッジのイメージ（.nes）。</translation>
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
        <source>Write the league file, or one team&apos;s CSV or HTML page, as the window writes them.</source>
        <translation>リーグファイル、または1チームのCSVかHTMLページを、ウィンドウと同じ内容で出力します。</translation>
    </message>
    <message>
        <source>The team to export; without it, the league file.</source>
        <translation>出力するチーム。指定しないとリーグファイルを出力します。</translation>
    </message>
    <message>
        <source>Where to write; standard output when not given or -.</source>
        <translation>出力先。省略時と - のときは標準出力です。</translation>
    </message>
    <message>
        <source>Read a league file or a team CSV into the image. Every error is reported; nothing is written while there is one.</source>
        <translation>リーグファイルかチームCSVをイメージに読み込みます。エラーはすべて表示し、エラーがあるときは何も書き込みません。</translation>
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
    <message>
        <source>Tell which cartridge an image is (header, sizes, mapper, checksums with and without the header), check it as opening it in the window does, and list its teams: initials, helmet and uniform colour, first batter.</source>
        <translation>イメージがどのカートリッジかを示し（ヘッダー、サイズ、マッパー、ヘッダーを含む/含まないチェックサム）、ウィンドウで開くときと同じように検査して、チームの一覧（略称、ヘルメットとユニフォームの色、1人目の打者）を表示します。</translation>
    </message>
    <message>
        <source>Only which cartridge the file is: its header, sizes, mapper and checksums, and the result of the check.</source>
        <translation>どのカートリッジかだけを表示します：ヘッダー、サイズ、マッパー、チェックサムと検査の結果。</translation>
    </message>
    <message>
        <source>show what differs between two leagues</source>
        <translation>2つのリーグの違いを表示します</translation>
    </message>
    <message>
        <source>Show every change between two leagues by team, player and column: IMAGE against OTHER, or against what a patch (--patch) or an import of a CSV file (--csv) would make of it; nothing is written. Exit status 0: equal; 1: different; 2: wrong usage; 3: a file could not be read or written; 4: an input was refused (an image that fails the check without --force, a CSV file with errors, a patch for another image).</source>
        <translation>2つのリーグの違いをチーム、選手、項目ごとにすべて表示します：IMAGE と OTHER、またはパッチ（--patch）やCSVファイルの取込（--csv）で IMAGE がどうなるかを比べます。何も書き込みません。終了ステータス 0：同じ、1：違いあり、2：使い方の誤り、3：ファイルを読み書きできない、4：入力を受け付けない（--force なしで検査に通らないイメージ、誤りのあるCSVファイル、別のイメージ用のパッチ）。</translation>
    </message>
    <message>
        <source>The image to compare it with.</source>
        <translation>比べる相手のイメージ。</translation>
    </message>
    <message>
        <source>Compare with IMAGE as this patch would make it.</source>
        <translation>このパッチを当てた後の IMAGE と比べます。</translation>
    </message>
    <message>
        <source>Compare with IMAGE as importing this league file or team CSV would make it.</source>
        <translation>このリーグファイルまたはチームCSVを取り込んだ後の IMAGE と比べます。</translation>
    </message>
    <message>
        <source>The team a team CSV given with --csv replaces.</source>
        <translation>--csv で指定したチームCSVが置き換えるチーム。</translation>
    </message>
    <message>
        <source>print the whole league as lines, for git diff</source>
        <translation>リーグ全体を行の形で表示します（git diff 用）</translation>
    </message>
    <message>
        <source>Print the whole league as stable lines of UTF-8 text, one per player and one per team&apos;s colours, made to be git&apos;s text converter for .nes files.</source>
        <translation>リーグ全体を、選手1人につき1行、チームの色につき1行の、変わらない形のUTF-8テキストで表示します。.nes ファイル用の git のテキスト変換に使えます。</translation>
    </message>
    <message>
        <source>%1 is empty; it must name a file</source>
        <translation>%1 が空です。ファイルを指定してください</translation>
    </message>
    <message>
        <source>missing %1 %2</source>
        <translation>%1 %2 がありません</translation>
    </message>
    <message>
        <source>%1 is given an empty path; it must name a file</source>
        <translation>%1 のパスが空です。ファイルを指定してください</translation>
    </message>
    <message>
        <source>-o %1 is the same file as %2 %3; the command reads it, so it cannot write it: name another file</source>
        <translation>-o %1 は %2 %3 と同じファイルです。このコマンドはそれを読むので、そこには書き込めません。別のファイルを指定してください</translation>
    </message>
    <message>
        <source>unexpected error: %1</source>
        <translation>予期しないエラー：%1</translation>
    </message>
    <message>
        <source>unexpected error</source>
        <translation>予期しないエラー</translation>
    </message>
    <message>
        <source>standard input is larger than %1 bytes, more than any league file; nothing was read</source>
        <translation>標準入力が %1 バイトを超えています。どのリーグファイルよりも大きいので、読み込みませんでした</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file</source>
        <translation>%1 を読めません：通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, more than any file of its kind; nothing was read</source>
        <translation>%1 は %2 バイトを超えています。この種類のどのファイルよりも大きいので、読み込みませんでした</translation>
    </message>
    <message>
        <source>%1 is not applied to %2: %3; nothing was written</source>
        <translation>%1 を %2 に当てませんでした：%3。何も書き込んでいません</translation>
    </message>
    <message>
        <source>the patched image would be no image of this game (%1); nothing was written</source>
        <translation>パッチを当てた結果はこのゲームのイメージになりません（%1）。何も書き込んでいません</translation>
    </message>
    <message>
        <source>the patched image does not look like an image of this game (%1); nothing was written</source>
        <translation>パッチを当てた結果はこのゲームのイメージではないようです（%1）。何も書き込んでいません</translation>
    </message>
    <message>
        <source>give --force to write it all the same</source>
        <translation>それでも書き込むには --force を付けてください</translation>
    </message>
    <message>
        <source>give --patch or --csv, not both</source>
        <translation>--patch と --csv のどちらか一方を指定してください</translation>
    </message>
    <message>
        <source>--team names the team of --csv</source>
        <translation>--team は --csv のチームを指定します</translation>
    </message>
    <message>
        <source>give one of OTHER, --patch PATCH and --csv FILE to compare with</source>
        <translation>比べる相手として OTHER、--patch PATCH、--csv FILE のどれか1つを指定してください</translation>
    </message>
    <message>
        <source>%1 cannot be compared as %2 would make it: %3</source>
        <translation>%2 を当てた後の %1 とは比べられません：%3</translation>
    </message>
    <message>
        <source>write one page that compares the sixteen teams</source>
        <translation>16チームを比べる1枚のページを書きます</translation>
    </message>
    <message>
        <source>Write the league overview: one self-contained HTML page with a table of the sixteen teams and their ranks, a chart for every figure, and every team&apos;s rosters.</source>
        <translation>リーグ一覧を書きます：16チームの表と順位、数値ごとのグラフ、各チームの選手を載せた、それだけで完結する1枚のHTMLページです。</translation>
    </message>
    <message>
        <source>The page to write; - for standard output.</source>
        <translation>書き込むページ。- なら標準出力。</translation>
    </message>
    <message>
        <source>the overview cannot be written: %1</source>
        <translation>リーグ一覧を書けません：%1</translation>
    </message>
    <message>
        <source>The language of messages and help, en or ja, anywhere on the command line; without it, the locale&apos;s.</source>
        <translation>メッセージとヘルプの言語（en か ja）。コマンドラインのどこに置いてもかまいません。省略時はロケールの言語です。</translation>
    </message>
    <message>
        <source>--lang needs a language: en or ja</source>
        <translation>--lang には言語（en か ja）を指定してください</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot; for --lang; it is en or ja</source>
        <translation>--lang の「%1」という言語はありません。en か ja を指定してください</translation>
    </message>
    <message>
        <source>the patched image does not look like an image of this game (%1)</source>
        <translation>パッチを当てた結果はこのゲームのイメージではないようです（%1）</translation>
    </message>
    <message>
        <source>How a CSV file is written: shift_jis (when not given) or utf-8, with a byte-order mark, for spreadsheets that do not read Shift_JIS.</source>
        <translation>CSVファイルの文字コード。shift_jis（省略時）か utf-8。utf-8 はバイト順マーク付きで、Shift_JIS を読めない表計算ソフト向けです。</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; it is shift_jis or utf-8</source>
        <translation>「%1」という文字コードはありません。shift_jis か utf-8 を指定してください</translation>
    </message>
    <message>
        <source>--encoding utf-8 is for the CSV files; a page is always written in Shift_JIS</source>
        <translation>--encoding utf-8 はCSVファイル用です（ページは常に Shift_JIS で出力します）</translation>
    </message>
    <message>
        <source>How many seconds to wait while another program holds the lock on a file to be written (30 when not given; 0: not at all). When the time passes, nothing is written and the exit status is 3.</source>
        <translation>書き込むファイルのロックを別のプログラムが持っているとき、何秒まで待つか（指定しなければ 30、0 なら待ちません）。時間が過ぎたら何も書き込まず、終了ステータスは 3 です。</translation>
    </message>
    <message>
        <source>--%1 takes a number of seconds, 0 or more, not &quot;%2&quot;</source>
        <translation>--%1 には 0 以上の秒数を指定してください（「%2」は指定できません）</translation>
    </message>
    <message>
        <source>-o %1 is the file standard input is read from; the command reads it, so it cannot write it: name another file</source>
        <translation>-o %1 は標準入力の読み込み元のファイルです。このコマンドはそれを読むので、そこには書き込めません。別のファイルを指定してください</translation>
    </message>
    <message>
        <source>standard output goes to the file standard input is read from; the command reads it, so it cannot write it: send standard output to another file</source>
        <translation>標準出力の行き先が標準入力の読み込み元のファイルです。このコマンドはそれを読むので、そこには書き込めません。標準出力を別のファイルに向けてください</translation>
    </message>
    <message>
        <source>standard output goes to %1 %2; the command reads it, so it cannot write it: send standard output to another file</source>
        <translation>標準出力の行き先が %1 %2 です。このコマンドはそれを読むので、そこには書き込めません。標準出力を別のファイルに向けてください</translation>
    </message>
    <message>
        <source>%1 is locked by %2; waiting up to %3 seconds for it</source>
        <translation>%1 は %2 がロックしています。最大 %3 秒待ちます</translation>
    </message>
    <message>
        <source>%1 is still locked by %2 after %3 seconds; nothing was written</source>
        <translation>%3 秒待っても %1 は %2 がロックしたままです。何も書き込んでいません</translation>
    </message>
    <message>
        <source>%1 is locked by %2; nothing was written</source>
        <translation>%1 は %2 がロックしています。何も書き込んでいません</translation>
    </message>
    <message>
        <source>read names written in kanji as the game&apos;s kana</source>
        <translation>漢字で書かれた名前をゲームのかなで読みます</translation>
    </message>
    <message>
        <source>Print the readings of each name, best first and a surname&apos;s first of all, one per line: the name as given, the reading in the game&apos;s spelling (a voicing mark takes a place of its own) and the places it needs; the game holds five. A name without kanji is given as the game spells it. Exit status 1: a name has no reading; 3: the dictionary is missing.</source>
        <translation>名前ごとに読みを、よいものから（名字の読みを最初に）1行に1つずつ表示します。与えられた名前、ゲームの書き方での読み（濁点・半濁点は1文字分を取ります）、必要な文字数の順です。ゲームに入るのは5文字までです。漢字のない名前はゲームの書き方で表示します。終了コード 1: 読めない名前がある。3: 辞書がない。</translation>
    </message>
    <message>
        <source>A name, in kanji, kana or letters.</source>
        <translation>名前（漢字、かな、英字）。</translation>
    </message>
    <message>
        <source>text (when not given) or csv.</source>
        <translation>text（指定しないとき）か csv。</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is text or csv</source>
        <translation>「%1」という形式はありません。text か csv です</translation>
    </message>
    <message>
        <source>names in kanji cannot be read: there is no dictionary in %1; install the Debian package %2</source>
        <translation>漢字の名前を読めません。%1 に辞書がありません。Debian パッケージ %2 をインストールしてください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no reading in kana, letters and digits</source>
        <translation>「%1」はかな・英字・数字で読めません</translation>
    </message>
    <message>
        <source>rate the league from a sheet of a real season&apos;s statistics</source>
        <translation>実際のシーズン成績のシートからリーグの能力値を作ります</translation>
    </message>
    <message>
        <source>Read a sheet of a season&apos;s statistics (CSV in UTF-8 or Shift_JIS: one header row with the columns team, name and role, then one row per player) and make the game&apos;s values of them by the rules: the teams the sheet names get its players in sheet order, 13 batters and 5 pitchers each; the others stay as they are. The result is imported into the image, as the import does, or written as a league file with -o.</source>
        <translation>シーズン成績のシート（UTF-8 または Shift_JIS の CSV。見出し行に team, name, role の列、その後に選手 1 人 1 行）を読み、規則でゲームの値を作ります。シートにあるチームはシートの順に選手（打者 13 人、投手 5 人）を得て、ほかのチームはそのままです。結果は取込と同じようにイメージに取り込むか、-o でリーグファイルとして書きます。</translation>
    </message>
    <message>
        <source>The sheet of statistics (.csv).</source>
        <translation>成績のシート（.csv）。</translation>
    </message>
    <message>
        <source>The cartridge image the league comes from and, without -o, goes into.</source>
        <translation>リーグを読み、-o がなければ書き込むカートリッジイメージ。</translation>
    </message>
    <message>
        <source>The rules (TOML) that make the values; the built-in rules (season-rules.toml) when not given.</source>
        <translation>値を作る規則（TOML）。省略すると組み込みの規則（season-rules.toml）。</translation>
    </message>
    <message>
        <source>Print, for every player and column, the statistic read, the rule followed and the value, one tab-separated line each.</source>
        <translation>選手と列ごとに、読んだ成績、使った規則、値をタブ区切りで 1 行ずつ出力します。</translation>
    </message>
    <message>
        <source>Write the league file here instead of importing; - for standard output.</source>
        <translation>取り込まずに、ここへリーグファイルを書きます。- は標準出力。</translation>
    </message>
    <message>
        <source>name the image with --image: the league the sheet goes into</source>
        <translation>--image でイメージを指定してください: シートを入れるリーグです</translation>
    </message>
    <message>
        <source>Round a number that a cell cannot hold as written to the nearest value the game holds (a tie to the higher, beyond the range to its nearest end: .313 becomes .314, 2.35 becomes 2.40, 4 an ERA of 4.00); every rounded cell is listed. What is no number is still refused.</source>
        <translation>そのままではセルに入らない数を、ゲームが持つ最も近い値に丸めます（ちょうど中間は高い方、範囲外は近い端。.313 は .314、2.35 は 2.40、防御率の 4 は 4.00）。丸めたセルはすべて一覧にします。数でないものはこれまでどおり読みません。</translation>
    </message>
    <message>
        <source>Read names written in kanji as kana: each takes its first reading that fits in five places, and the notes name it with the other readings. A name none of whose readings fits stays an error.</source>
        <translation>漢字で書かれた名前をかなで読みます。5 文字に収まる最初の読みを使い、注意にその読みとほかの読みを示します。どの読みも収まらない名前はエラーのままです。</translation>
    </message>
    <message>
        <source>text (when not given) or json: the same as one JSON object (tolvanek-image).</source>
        <translation>text（省略時）または json：同じ内容を1つのJSONオブジェクト（tolvanek-image）で出力します。</translation>
    </message>
    <message>
        <source>write the league or one team as CSV, HTML or JSON</source>
        <translation>リーグまたは1チームをCSV、HTML、JSONで出力します</translation>
    </message>
    <message>
        <source>csv (when not given), html or json; html needs --team. JSON (tolvanek-league, or tolvanek-team with --team) is always UTF-8 and reads back with import.</source>
        <translation>csv（省略時）、html、json のどれか。html には --team が必要です。JSON（tolvanek-league、--team 付きでは tolvanek-team）は常にUTF-8で、import で読み込めます。</translation>
    </message>
    <message>
        <source>A league file or a team CSV, or either as JSON (a file that starts with { or is named .json); - for standard input.</source>
        <translation>リーグファイルかチームCSV、またはそのJSON形式（{ で始まるか名前が .json のファイル）。- は標準入力です。</translation>
    </message>
    <message>
        <source>The team a team CSV replaces; a team&apos;s JSON goes into the team it names unless this is given.</source>
        <translation>チームCSVが置き換えるチーム。チームのJSONは、これを指定しないとJSONに書かれたチームに読み込みます。</translation>
    </message>
    <message>
        <source>text (when not given), csv, html or json (tolvanek-changes).</source>
        <translation>text（省略時）、csv、html、json（tolvanek-changes）のどれか。</translation>
    </message>
    <message>
        <source>text (when not given) or json: the league as export --format json writes it.</source>
        <translation>text（省略時）または json：export --format json と同じ形でリーグを出力します。</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is text, csv, html or json</source>
        <translation>「%1」という形式はありません。text、csv、html、json のどれかです</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is %2</source>
        <translation>「%1」という形式はありません。%2 のどれかです</translation>
    </message>
    <message>
        <source>--encoding is for the CSV files; JSON is always UTF-8</source>
        <translation>--encoding はCSVファイル用です。JSONは常にUTF-8です</translation>
    </message>
    <message>
        <source>play an image in an emulator</source>
        <translation>イメージをエミュレーターで遊びます</translation>
    </message>
    <message>
        <source>Start an installed NES emulator on a private copy of the image, with a league file or team CSV imported into the copy when given; the image itself is left alone. The emulator is the command given with --emulator or in TOLVANEK_EMULATOR (%f stands for the copy&apos;s path; without it, the path is appended), else the first of fceux, nestopia and mednafen found on PATH or in /usr/games. The command waits for the emulator and ends with its exit status; 3 when none could be started.</source>
        <translation>インストールされたファミコンエミュレーターを、イメージの非公開のコピーで起動します。リーグファイルまたはチームCSVを指定すると、コピーに取り込んでから起動します。イメージそのものは変わりません。エミュレーターは --emulator または TOLVANEK_EMULATOR で指定したコマンド（%f はコピーのパスになります。%f がなければパスを最後に付けます）、なければ PATH または /usr/games で最初に見つかった fceux、nestopia、mednafen です。エミュレーターの終了を待ち、その終了ステータスで終わります。起動できなかったときは 3 です。</translation>
    </message>
    <message>
        <source>A league file or team CSV to import into the copy first, as the import reads it; - for standard input.</source>
        <translation>先にコピーへ取り込むリーグファイルまたはチームCSV（取り込みと同じように読みます）。- で標準入力。</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line, in place of TOLVANEK_EMULATOR and the search.</source>
        <translation>エミュレーターのコマンドライン。TOLVANEK_EMULATOR と検索の代わりに使います。</translation>
    </message>
    <message>
        <source>the emulator was not started</source>
        <translation>エミュレーターは起動しませんでした</translation>
    </message>
    <message>
        <source>cannot create a private folder for the copy: %1</source>
        <translation>コピー用の非公開フォルダーを作成できません: %1</translation>
    </message>
    <message>
        <source>cannot make the copy private: %1</source>
        <translation>コピーを非公開にできません: %1</translation>
    </message>
    <message>
        <source>the emulator (%1) ended abnormally</source>
        <translation>エミュレーター（%1）が異常終了しました</translation>
    </message>
</context>
<context>
    <name>EditCaptions</name>
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
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
</context>
<context>
    <name>Emulator</name>
    <message>
        <source>no emulator was found: install one of the Debian packages fceux, nestopia or mednafen, or name one in %1</source>
        <translation>エミュレーターが見つかりません。Debian のパッケージ fceux、nestopia、mednafen のどれかをインストールするか、%1 で指定してください</translation>
    </message>
    <message>
        <source>the emulator (%1) cannot be started: %2</source>
        <translation>エミュレーター（%1）を起動できません: %2</translation>
    </message>
    <message>
        <source>the emulator (%1) ended at once, abnormally</source>
        <translation>エミュレーター（%1）が起動直後に異常終了しました</translation>
    </message>
    <message>
        <source>the emulator (%1) ended at once with status %2</source>
        <translation>エミュレーター（%1）が起動直後に終了しました（終了ステータス %2）</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 is left as it was</source>
        <translation>%1 は元のままです</translation>
    </message>
    <message>
        <source>the old content of %1 was put back</source>
        <translation>%1 の元の内容を戻しました</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 は壊れています</translation>
    </message>
    <message>
        <source>%1 is damaged; the complete new content is in %2</source>
        <translation>%1 は壊れています。新しい内容の全体は %2 にあります</translation>
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
        <source>%1 was changed by another program after it was read; nothing was written, so that its changes are not lost</source>
        <translation>%1 は読み込んだ後に別のプログラムが変更しました。その変更を失わないよう、何も書き込んでいません</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 を作れません</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 に書き込めません</translation>
    </message>
    <message>
        <source>the teams cannot be written into %1</source>
        <translation>%1 にチームを書き込めません</translation>
    </message>
    <message>
        <source>a save into %1 was stopped before it ended; if %1 does not hold what was saved, the complete new image is in %2</source>
        <translation>%1 への保存が途中で止まりました。%1 に保存した内容がないときは、新しいイメージの全体が %2 にあります</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>ディスクに空きがありません</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>ディスクの使用量の上限に達しています</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>アクセスが許可されていません</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>読み取り専用のファイルシステムです</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>そのファイルまたはフォルダーはありません</translation>
    </message>
    <message>
        <source>a part of the path is no folder</source>
        <translation>パスの途中にフォルダーでないものがあります</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>ファイルは使用中です</translation>
    </message>
    <message>
        <source>the file is mounted over another file system</source>
        <translation>ファイルが別のファイルシステムからマウントされています</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>入出力エラー</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>too many symbolic links</source>
        <translation>シンボリックリンクが多すぎます</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>ファイルが大きすぎます</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>同じ名前のファイルがあります</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a message and its reason</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>what failed; what it left</comment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1 holds the new content, but its folder could not be written to the disk, so a power cut may still bring back the old one</source>
        <translation>%1 には新しい内容が入りましたが、フォルダーをディスクに書き込めなかったため、停電があると元の内容に戻るおそれがあります</translation>
    </message>
    <message>
        <source>%1 holds the new content, but the older copy %2 beside it could not be removed; it is no longer needed</source>
        <translation>%1 には新しい内容が入りましたが、横にある古いコピー %2 を削除できませんでした。このコピーはもう要りません</translation>
    </message>
    <message>
        <source>no device or reader is behind the name</source>
        <translation>その名前の先にデバイスも読み手もありません</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>そのデバイスはありません</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>閉じられています</translation>
    </message>
    <message>
        <source>the reading end is closed</source>
        <translation>読み手の側が閉じられています</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>メモリーが足りません</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>開いているファイルが多すぎます</translation>
    </message>
    <message>
        <source>the file system does not support it</source>
        <translation>ファイルシステムが対応していません</translation>
    </message>
    <message>
        <source>it is not ready; try again</source>
        <translation>まだ準備ができていません。もう一度試してください</translation>
    </message>
    <message>
        <source>%1 was written by another program while this was under way; nothing was written over it, so that its content is not lost</source>
        <translation>%1 はこの処理の途中で別のプログラムが書き込みました。その内容を失わないよう、上書きしていません</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>別のプログラム</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>プロセス %1</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>プロセス %1（%2）</translation>
    </message>
    <message>
        <source>%1 is locked by %2; nothing was written</source>
        <translation>%1 は %2 がロックしています。何も書き込んでいません</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>名前付きパイプで、ファイルではありません</translation>
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
    <message>
        <source>the file cannot be read: %1</source>
        <translation>ファイルを読めません：%1</translation>
    </message>
</context>
<context>
    <name>ImageIdentity</name>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>archaic iNES</source>
        <translation>古い形式の iNES</translation>
    </message>
    <message>
        <source>header</source>
        <translation>ヘッダー</translation>
    </message>
    <message>
        <source>program data</source>
        <translation>プログラムデータ</translation>
    </message>
    <message>
        <source>character data</source>
        <translation>キャラクターデータ</translation>
    </message>
    <message>
        <source>mapper</source>
        <translation>マッパー</translation>
    </message>
    <message>
        <source>none (no iNES header)</source>
        <translation>なし（iNESヘッダーがありません）</translation>
    </message>
    <message>
        <source>file size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>CRC-32</source>
        <translation>CRC-32</translation>
    </message>
    <message>
        <source>SHA-1</source>
        <translation>SHA-1</translation>
    </message>
    <message>
        <source>CRC-32 without header</source>
        <translation>CRC-32（ヘッダーを除く）</translation>
    </message>
    <message>
        <source>SHA-1 without header</source>
        <translation>SHA-1（ヘッダーを除く）</translation>
    </message>
    <message>
        <source>cannot be used (%1)</source>
        <translation>使えません（%1）</translation>
    </message>
    <message>
        <source>doubtful (%1)</source>
        <translation>疑わしい（%1）</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>問題なし</translation>
    </message>
    <message>
        <source>check</source>
        <translation>イメージの検査</translation>
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
    <message>
        <source>this is neither a league file (no line starts with &quot;%1&quot;) nor a team CSV (the first line is not the batter header)</source>
        <translation>リーグファイル（「%1」で始まる行がありません）でもチームCSV（1行目が打者の見出しではありません）でもありません</translation>
    </message>
    <message>
        <source>the file&apos;s character encoding is probably wrong: its Japanese reads as Latin letters and symbols (a spreadsheet opened it in another encoding and saved it so); open it again as Shift_JIS and save it as CSV in Shift_JIS or UTF-8</source>
        <translation>ファイルの文字コードが違うようです。日本語がラテン文字や記号になっています（表計算ソフトが別の文字コードで開いてそのまま保存したもの）。Shift_JIS として開き直し、Shift_JIS か UTF-8 のCSVとして保存してください</translation>
    </message>
    <message>
        <source>the file goes on beyond the %1 lines of a league file; it was read no further</source>
        <translation>リーグファイルの %1 行を超えて続いています。それ以降は読んでいません</translation>
    </message>
    <message>
        <source>the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and import it again</source>
        <translation>UTF-16 のテキストです。Shift_JIS か UTF-8 のCSVとして保存し、もう一度取り込んでください</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) before the first team line; every team of a league file starts with a line &quot;%1,...&quot;</source>
        <translation>
            <numerusform>最初のチーム行の前に %n 行あります。リーグファイルの各チームは「%1,…」の行で始まります</numerusform>
        </translation>
    </message>
    <message>
        <source>a spreadsheet probably turned the name &quot;%1&quot; into the number &quot;%2&quot;; the name was kept</source>
        <translation>表計算ソフトが名前「%1」を数値「%2」に変えたようです。名前はそのままにしました</translation>
    </message>
    <message>
        <source>the patch would make an image larger than %1 MiB, larger than any image the program reads</source>
        <translation>パッチを当てると %1 MiB を超えるイメージになります。このプログラムが読むどのイメージよりも大きすぎます</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; は数値ではありません</translation>
    </message>
    <message>
        <source>the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and import it again</source>
        <translation>UTF-32 のテキストです。Shift_JIS か UTF-8 のCSVとして保存し、もう一度取り込んでください</translation>
    </message>
    <message>
        <source>this line holds a zero byte (NUL), which no text holds; a league file or team CSV is text in Shift_JIS or UTF-8</source>
        <translation>この行にはテキストにはないゼロのバイト（NUL）があります。リーグファイルとチームCSVは Shift_JIS か UTF-8 のテキストです</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot;</source>
        <translation>名前「%1」を「%2」と読みました</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot;; other readings: %3</source>
        <translation>名前「%1」を「%2」と読みました。ほかの読み：%3</translation>
    </message>
    <message>
        <source>every reading of the name needs more than 5 places (%1 at the fewest, a voiced kana taking two): %2; write the name in kana</source>
        <translation>名前のどの読みも 5 文字を超えます（少なくとも %1 文字、濁音は 2 文字）：%2。名前をかなで書いてください</translation>
    </message>
    <message>
        <source>the name has no reading in kana, letters and digits; write it in kana</source>
        <translation>名前をかな・英字・数字で読めません。かなで書いてください</translation>
    </message>
    <message>
        <source>names in kanji cannot be read: install the Debian package %1</source>
        <translation>漢字の名前を読めません。Debian パッケージ %1 をインストールしてください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was read as %2, the nearest value the game holds</source>
        <translation>「%1」はゲームが持つ最も近い値 %2 として読みました</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name at line %3 is; the game shows the two alike</source>
        <translation>名前「%1」を %3 行目の名前と同じ「%2」と読みました。ゲームでは 2 人が同じ名前になります</translation>
    </message>
    <message>
        <source>team %1 is given twice; it was given before at %2</source>
        <translation>チーム%1が二度あります（%2 にもあります）</translation>
    </message>
    <message>
        <source>the file is no valid JSON from here on</source>
        <translation>ここから先は正しいJSONではありません</translation>
    </message>
    <message>
        <source>values are nested deeper here than in any form of the program (%1 levels at most)</source>
        <translation>ここは値の入れ子がこのプログラムのどの形式よりも深くなっています（最大%1段）</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is given twice in one object</source>
        <translation>メンバー「%1」が1つのオブジェクトに二度あります</translation>
    </message>
    <message>
        <source>the form has no member &quot;%1&quot; here; it has %2</source>
        <translation>この形式のここにメンバー「%1」はありません。あるのは %2 です</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing here</source>
        <translation>ここにメンバー「%1」がありません</translation>
    </message>
    <message>
        <source>a value of the type %1 is needed here, not %2</source>
        <translation>ここには %2 ではなく %1 型の値が必要です</translation>
    </message>
    <message>
        <source>the import reads the forms %1, not &quot;%2&quot;</source>
        <translation>取込で読めるのは形式 %1 で、「%2」は読めません</translation>
    </message>
    <message>
        <source>the file is of version %1 of its form, newer than this program reads (version %2); use a newer Tolvanek</source>
        <translation>このファイルは形式のバージョン%1で、このプログラムが読めるもの（バージョン%2）より新しいです。新しいTolvanekを使ってください</translation>
    </message>
    <message>
        <source>there is no version %1 of the form; this program reads version %2</source>
        <translation>形式のバージョン%1はありません。このプログラムが読むのはバージョン%2です</translation>
    </message>
    <message numerus="yes">
        <source>%n element(s) here; the form has %1</source>
        <translation>
            <numerusform>ここの要素は %n 個ですが、形式では %1 個です</numerusform>
        </translation>
    </message>
    <message>
        <source>the league form holds 1 to 16 teams, not %1</source>
        <translation>リーグ形式のチームは1〜16チームで、%1チームではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; disagrees with %2, which makes it &quot;%3&quot;; give both forms the same value or leave one of them out</source>
        <translation>「%1」は %2 と食い違っています（%2 では「%3」です）。両方を同じ値にするか、片方を省いてください</translation>
    </message>
    <message>
        <source>the colour chooser does not offer this palette index; it offers 0 to 13, 16 to 29, 32 to 45 and 48 to 61</source>
        <translation>色の選択ではこのパレット番号は選べません。選べるのは 0〜13、16〜29、32〜45、48〜61 です</translation>
    </message>
    <message>
        <source>the batter at %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>%1 の打者も同じ守備位置です。打順の守備位置は2から9までひとつずつ必要です</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name at %3 is; the game shows the two alike</source>
        <translation>名前「%1」の読み「%2」は %3 の名前と同じです。ゲームでは同じに表示されます</translation>
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
    <name>PatchFiles</name>
    <message>
        <source>this patch has already been applied to this image</source>
        <translation>このパッチはすでに適用されています</translation>
    </message>
    <message>
        <source>the patch was made for another image: it expects CRC-32 %1; this file has %2, and %3 without its header</source>
        <translation>このパッチは別のイメージ用です。パッチが求める CRC-32 は %1 ですが、このファイルは %2、ヘッダーを除くと %3 です</translation>
    </message>
    <message>
        <source>; it is not the same cartridge behind another header either</source>
        <translation>。ヘッダーだけが異なる同じカートリッジでもありません</translation>
    </message>
    <message>
        <source>applied to an image that differs only in its header</source>
        <translation>ヘッダーだけが異なるイメージに適用しました</translation>
    </message>
    <message>
        <source>an IPS patch carries no checksums, so it cannot prove that this is the image it was made for</source>
        <translation>IPS パッチにはチェックサムがないため、このイメージ用に作られたものかは確かめられません</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>batters</source>
        <translation>打者</translation>
    </message>
    <message>
        <source>pitchers</source>
        <translation>投手</translation>
    </message>
    <message>
        <source>not TOML: %1</source>
        <translation>TOML ではありません: %1</translation>
    </message>
    <message>
        <source>%1 names no column of the game</source>
        <translation>%1 はゲームのどの列でもありません</translation>
    </message>
    <message>
        <source>%1 is no setting of the rules</source>
        <translation>%1 は規則の設定ではありません</translation>
    </message>
    <message>
        <source>the rule for %1 names no statistic (statistic = &quot;...&quot;) and no value</source>
        <translation>%1 の規則に成績（statistic = &quot;...&quot;）も値もありません</translation>
    </message>
    <message>
        <source>the rule for %1 gives more than one of thresholds, rank and map</source>
        <translation>%1 の規則に thresholds, rank, map のうち 2 つ以上があります</translation>
    </message>
    <message>
        <source>the thresholds of %1 must rise; %2 comes after a threshold as high or higher</source>
        <translation>%1 のしきい値は昇順でなければなりません。%2 が同じかより高いしきい値の後にあります</translation>
    </message>
    <message>
        <source>%1 in the rule for %2: %3</source>
        <translation>%2 の規則の %1: %3</translation>
    </message>
    <message>
        <source>%1 holds no value the rules can use</source>
        <translation>%1 に規則で使える値がありません</translation>
    </message>
    <message>
        <source>the team name %1 is mapped to %2, which are no team&apos;s initials</source>
        <translation>チーム名 %1 の対応先 %2 はどのチームの略称でもありません</translation>
    </message>
    <message>
        <source>the sheet is empty; its first line names the columns</source>
        <translation>シートが空です。1 行目に列の見出しが必要です</translation>
    </message>
    <message>
        <source>the first line has no column &quot;%1&quot;</source>
        <translation>1 行目に列「%1」がありません</translation>
    </message>
    <message>
        <source>%1 is neither a team&apos;s initials nor a team name of the rules</source>
        <translation>%1 はチームの略称でも規則のチーム名でもありません</translation>
    </message>
    <message>
        <source>%1 is no role; B or 打者 for a batter, P or 投手 for a pitcher</source>
        <translation>%1 は区分ではありません。打者は 打者 か B、投手は 投手 か P です</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>team %1 has %2 %3; the game holds %4</source>
        <translation>チーム %1 の%3が %2 人です。ゲームは %4 人です</translation>
    </message>
    <message>
        <source>the first eight batters of team %1 do not hold the positions 2 to 9 once each</source>
        <translation>チーム %1 の最初の 8 人の打者の守備位置が 2〜9 の 1 つずつになっていません</translation>
    </message>
    <message>
        <source>the rule for %1 reads %2, which no column of the sheet is headed with</source>
        <translation>%1 の規則が読む %2 という見出しの列がシートにありません</translation>
    </message>
    <message>
        <source>%1 under %2 is no number, which the rule for %3 needs</source>
        <translation>%2 の %1 は数ではありません。%3 の規則には数が必要です</translation>
    </message>
    <message>
        <source>no %1 for this player, and the rule for %2 has no default</source>
        <translation>この選手に %1 がなく、%2 の規則に既定値がありません</translation>
    </message>
    <message>
        <source>%1 under %2 is not in the map of the rule for %3</source>
        <translation>%2 の %1 が %3 の規則の対応表にありません</translation>
    </message>
    <message>
        <source>the sheet is no text in UTF-8 or Shift_JIS</source>
        <translation>シートが UTF-8 または Shift_JIS のテキストではありません</translation>
    </message>
    <message>
        <source>a quoted field opens here and is never closed</source>
        <translation>ここで始まる引用符付きの欄が閉じていません</translation>
    </message>
    <message>
        <source>more than %1 lines, more than a league has players</source>
        <translation>%1 行を超えています。リーグの選手数より多い行です</translation>
    </message>
    <message>
        <source>%1 is stored as %2</source>
        <translation>%1 は %2 として保存されます</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1, the sheet&apos;s column</source>
        <translation>%1、シートの列</translation>
    </message>
    <message>
        <source>%1, the statistic itself</source>
        <translation>%1、成績そのまま</translation>
    </message>
    <message>
        <source>%1, threshold %2</source>
        <translation>%1、しきい値 %2</translation>
    </message>
    <message>
        <source>%1, rank %2 of %3</source>
        <translation>%1、%3 人中 %2 位</translation>
    </message>
    <message>
        <source>%1, the map</source>
        <translation>%1、対応表</translation>
    </message>
    <message>
        <source>one value for everyone</source>
        <translation>全員に同じ値</translation>
    </message>
    <message>
        <source>no %1, the default</source>
        <translation>%1 なし、既定値</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <translation>%1、既定値</translation>
    </message>
    <message>
        <source>no rule, as the row held it</source>
        <translation>規則なし、元の値のまま</translation>
    </message>
    <message>
        <source>, rounded</source>
        <translation>、丸め</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; cannot be read in a rules file; write it another way</source>
        <translation>文字「%1」は規則ファイルでは読めません。別の書き方にしてください</translation>
    </message>
    <message>
        <source>%1 is written in kanji (&quot;%2&quot;), which are read only when asked; ask for readings, or write the name in kana or letters</source>
        <translation>%1 は漢字（「%2」）で書かれています。漢字は頼まれたときだけ読みます。読みを付けて読み込むか、かなか英字で書いてください</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>usage: tolvanek [--lang en|ja] [IMAGE]
The team editor for the cartridge image of a 1992-season NES baseball game.
  IMAGE         an image (.nes) to open at start, as if chosen in the open dialog
  --lang en|ja  the window&apos;s language, English or Japanese; without it, the locale&apos;s
  --help        show this text
  --version     show the version
</source>
        <translation>使い方: tolvanek [--lang en|ja] [イメージ]
1992年度版のファミコン用プロ野球ゲームのカートリッジイメージのチームエディタです。
  イメージ      起動時に開くイメージ（.nes）。開くダイアログで選んだのと同じです
  --lang en|ja  ウィンドウの言語（英語か日本語）。省略時はロケールの言語です
  --help        この説明を表示します
  --version     バージョンを表示します
</translation>
    </message>
    <message>
        <source>--lang needs a language: en or ja</source>
        <translation>--lang には言語（en か ja）を指定してください</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot; for --lang; it is en or ja</source>
        <translation>--lang の「%1」という言語はありません。en か ja を指定してください</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>「%1」というオプションはありません</translation>
    </message>
    <message>
        <source>give at most one image</source>
        <translation>開けるイメージは1つだけです</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>ファイル %1 は存在しません</translation>
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
    <name>TChangeListDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
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
    <name>TCompareWindow</name>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>&amp;Swap Before and After</source>
        <translation>変更前と変更後を入れ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Compare the other way round: the file that is after becomes before</source>
        <translation>逆向きに比べます。変更後のファイルが変更前になります。</translation>
    </message>
    <message>
        <source>Swap before and after</source>
        <translation>変更前と変更後を入れ替え</translation>
    </message>
</context>
<context>
    <name>TImageInfoDialog</name>
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
    <message>
        <source>Row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Round and import</source>
        <translation>丸めて読み込む</translation>
    </message>
    <message>
        <source>Import with readings</source>
        <translation>読みを付けて読み込む</translation>
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
    <message>
        <source>League O&amp;verview HTML...</source>
        <translation>リーグ一覧HTML出力(&amp;V)...</translation>
    </message>
    <message>
        <source>Export League Overview</source>
        <translation>リーグ一覧HTML出力</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between numbers</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Missing from the batting order: %1. </source>
        <translation>打順にない守備位置：%1。</translation>
    </message>
    <message>
        <source>Position %1 is held by batters %2. </source>
        <translation>守備位置 %1 が %2 番の打者に重なっています。</translation>
    </message>
    <message>
        <source>Batters %1 hold a position the batting order cannot have (it needs 2 to 9). </source>
        <translation>%1 番の打者の守備位置は打順に置けません（2〜9 が1人ずつ必要です）。</translation>
    </message>
    <message>
        <source>Apply &amp;Patch...</source>
        <translation>パッチ適用(&amp;P)...</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>比較(&amp;D)...</translation>
    </message>
    <message>
        <source>Image In&amp;formation...</source>
        <translation>イメージ情報(&amp;F)...</translation>
    </message>
    <message>
        <source>Patches (BPS, IPS)</source>
        <translation>BPS・IPSパッチ</translation>
    </message>
    <message>
        <source>Apply Patch</source>
        <translation>パッチ適用</translation>
    </message>
    <message>
        <source>Images and patches</source>
        <translation>イメージとパッチ</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較するファイルを開く</translation>
    </message>
    <message>
        <source>Save the Patched Image</source>
        <translation>パッチを当てたイメージの保存</translation>
    </message>
    <message>
        <source>Team</source>
        <comment>change list</comment>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>change list</comment>
        <translation>区分</translation>
    </message>
    <message>
        <source>Row</source>
        <comment>change list</comment>
        <translation>行</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>change list</comment>
        <translation>名前</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>change list</comment>
        <translation>項目</translation>
    </message>
    <message>
        <source>Before</source>
        <comment>change list</comment>
        <translation>変更前</translation>
    </message>
    <message>
        <source>After</source>
        <comment>change list</comment>
        <translation>変更後</translation>
    </message>
    <message>
        <source>What the patch gives is no image of this game (%1).</source>
        <translation>パッチを当てた結果はこのゲームのイメージになりません（%1）</translation>
    </message>
    <message numerus="yes">
        <source>%n byte range(s) outside the players and colours</source>
        <translation>
            <numerusform>選手と色以外のバイト: %n か所</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 as it is saved on disk, against the same image with the patch %2 applied.</source>
        <translation>ディスクに保存されている %1 と、それにパッチ %2 を当てたイメージを比べています。</translation>
    </message>
    <message>
        <source>%1 cannot be compared: it is no image of this game (%2).</source>
        <translation>%1 はこのゲームのイメージではないため比較できません（%2）</translation>
    </message>
    <message>
        <source>%1 as it is saved on disk, against %2.</source>
        <translation>ディスクに保存されている %1 と %2 を比べています。</translation>
    </message>
    <message>
        <source>%1 does not look like an image of this game (%2).</source>
        <translation>%1 はこのゲームのイメージではないようです（%2）。</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same data.</source>
        <translation>%1 と %2 のデータは同じです</translation>
    </message>
    <message>
        <source>Edits not saved yet are not compared. Double-click a line to show its team and cell.</source>
        <translation>まだ保存していない変更は比較に含まれません。行をダブルクリックすると、そのチームとセルを表示します。</translation>
    </message>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>比較: %1 と %2</translation>
    </message>
    <message>
        <source>The image this comparison was made for is no longer open.</source>
        <translation>この比較のイメージはもう開かれていません</translation>
    </message>
    <message>
        <source>The patch changes nothing in this image.</source>
        <translation>このパッチでこのイメージは何も変わりません</translation>
    </message>
    <message>
        <source>The patched image does not look like an image of this game (%1). Go on?</source>
        <translation>パッチを当てた結果はこのゲームのイメージではないようです（%1）。続けますか？</translation>
    </message>
    <message>
        <source>The patch %1 makes these changes:</source>
        <translation>パッチ %1 による変更:</translation>
    </message>
    <message>
        <source>Write the patched image into a new file? The open image stays as it is.</source>
        <translation>パッチを当てたイメージを新しいファイルに書き込みますか？開いているイメージはそのままです。</translation>
    </message>
    <message>
        <source>The patch has been applied to %1.</source>
        <translation>%1 にパッチを当てました</translation>
    </message>
    <message>
        <source>The patched image has been saved as %1. Open it?</source>
        <translation>パッチを当てたイメージを %1 に保存しました。開きますか？</translation>
    </message>
    <message>
        <source>file: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>Image Information: %1</source>
        <translation>イメージ情報: %1</translation>
    </message>
    <message numerus="yes">
        <source>The data of %n team(s) will be rewritten as listed below, and the image file is written at once.</source>
        <translation>
            <numerusform>%nチームのデータを次のとおり書き換えます。イメージファイルにはすぐに書き込みます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Go on?</source>
        <translation>よろしいですか？</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Saved into %1; the open file is unchanged.</source>
        <translation>%1 に保存しました（開いているファイルは元のまま）</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1 KiB of text, more than any team&apos;s data; nothing was pasted.</source>
        <translation>クリップボードのテキストが%1 KiBを超えています。チームのデータより大きいため、貼り付けませんでした</translation>
    </message>
    <message>
        <source>The clipboard holds no cells to paste.</source>
        <translation>貼り付けるデータがクリップボードにありません</translation>
    </message>
    <message>
        <source>text line %1</source>
        <translation>テキストの%1行目</translation>
    </message>
    <message>
        <source>the pasted block has more than %1 rows; from this cell there is room for %2 × %3 cells (rows × columns)</source>
        <translation>貼り付ける範囲が%1行を超えています。このセルからは%2行×%3列までしか入りません</translation>
    </message>
    <message>
        <source>the pasted block is %1 × %2 cells (rows × columns); from this cell there is room for %3 × %4</source>
        <translation>貼り付ける範囲は%1行×%2列です。このセルからは%3行×%4列までしか入りません</translation>
    </message>
    <message>
        <source>the batter in row %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>%1番の打者も同じ守備位置です。打順の守備位置は2から9までひとつずつ必要です</translation>
    </message>
    <message>
        <source>Nothing was pasted because of these problems.</source>
        <translation>次の問題があるため貼り付けませんでした。</translation>
    </message>
    <message>
        <source>Pasted. These names were changed to the way the game writes them.</source>
        <translation>貼り付けました。次の名前はゲームの書き方に直しました。</translation>
    </message>
    <message>
        <source>Drop one file here: an image (.nes) to open it, a team CSV or a league file (.csv) to import it, or a patch (.bps, .ips) to apply it.</source>
        <translation>ここにドロップできるのはファイル1つです：開くイメージ（.nes）、取り込むチームCSVまたはリーグCSV（.csv）、当てるパッチ（.bps、.ips）</translation>
    </message>
    <message>
        <source>CSV (UTF-8)</source>
        <translation>CSV (UTF-8)</translation>
    </message>
    <message>
        <source>Before: %1. After: %2.</source>
        <translation>変更前は %1、変更後は %2 です。</translation>
    </message>
    <message>
        <source>the patched image</source>
        <translation>パッチを当てたイメージ</translation>
    </message>
    <message>
        <source>This file holds what team %1 shows; nothing was changed.</source>
        <translation>このファイルはチーム%1の表示中のデータと同じです。何も変更しませんでした</translation>
    </message>
    <message>
        <source>This file holds team %1.</source>
        <translation>このファイルはチーム%1のデータです。</translation>
    </message>
    <message>
        <source>It replaces team %1, which is shown, as listed below. Nothing is written to the image until you save.</source>
        <translation>表示中のチーム%1を下の一覧のとおり書き換えます。保存するまでイメージには書き込みません。</translation>
    </message>
    <message>
        <source>Import season statistics...</source>
        <translation>シーズン成績取込...</translation>
    </message>
    <message>
        <source>Import Season Statistics</source>
        <translation>シーズン成績取込</translation>
    </message>
    <message>
        <source>Pasted. These cells were read as listed.</source>
        <translation>貼り付けました。次のセルは一覧のとおりに読みました。</translation>
    </message>
    <message>
        <source>Imported. These cells were read as listed.</source>
        <translation>取り込みました。次のセルは一覧のとおりに読みました。</translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten. These cells were read as listed.</source>
        <translation>
            <numerusform>%nチームを書き換えました。次のセルは一覧のとおりに読みました</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1行目：%2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name in row %3 is; the game shows the two alike</source>
        <translation>名前「%1」を %3 番の名前と同じ「%2」と読みました。ゲームでは 2 人が同じ名前になります</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>ファイル全体</translation>
    </message>
    <message>
        <source>Team &amp;JSON...</source>
        <translation>チームJSON出力(&amp;J)...</translation>
    </message>
    <message>
        <source>League J&amp;SON...</source>
        <translation>リーグJSON出力(&amp;S)...</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSONファイル (*.json)</translation>
    </message>
    <message>
        <source>Export Team JSON</source>
        <translation>チームJSON出力</translation>
    </message>
    <message>
        <source>Export League JSON</source>
        <translation>リーグJSON出力</translation>
    </message>
    <message>
        <source>CSV and JSON files</source>
        <translation>CSV・JSONファイル</translation>
    </message>
    <message>
        <source>&amp;Play in emulator</source>
        <translation>ゲームで試す(&amp;P)</translation>
    </message>
    <message>
        <source>Play in emulator</source>
        <translation>ゲームで試す</translation>
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
    <message>
        <source>%1 (%2 places)</source>
        <extracomment>A reading of a name written in kanji, with the places of the five it takes.</extracomment>
        <translation>%1（%2文字）</translation>
    </message>
    <message>
        <source>%1 (%2 places, too long)</source>
        <extracomment>A reading that takes more than the five places a name has; it cannot be chosen.</extracomment>
        <translation>%1（%2文字、長すぎます）</translation>
    </message>
    <message>
        <source>Readings of the name in kanji: click one to take it</source>
        <translation>漢字の名前の読み：クリックすると名前に入ります</translation>
    </message>
    <message>
        <source>Names in kanji cannot be read: install the package %1.</source>
        <translation>漢字の名前を読めません。パッケージ %1 をインストールしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no reading in kana</source>
        <translation>「%1」はかなで読めません</translation>
    </message>
</context>
<context>
    <name>TSeasonController</name>
    <message>
        <source>Import Season Statistics</source>
        <translation>シーズン成績取込</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <source>The rules %1 beside the sheet cannot be read.</source>
        <translation>シートと同じ場所の規則 %1 を読めません</translation>
    </message>
    <message>
        <source>The image cannot be read.</source>
        <translation>イメージを読めません</translation>
    </message>
    <message>
        <source>Nothing was changed because of these errors.</source>
        <translation>次の誤りがあるため何も変更しませんでした。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1行目：%2</translation>
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
    <message>
        <source>Or type a number</source>
        <translation>数字キーでも入力できます</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>入力: %1</translation>
    </message>
</context>
<context>
    <name>TeamWords</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>打席</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>守備位置</translation>
    </message>
    <message>
        <source>AVG</source>
        <translation>打率</translation>
    </message>
    <message>
        <source>AVG</source>
        <comment>value dialog</comment>
        <translation>実打率</translation>
    </message>
    <message>
        <source>HR</source>
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
        <source>Style</source>
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
        <source>Fast</source>
        <translation>球速（速）</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>球速（中）</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>球速（遅）</translation>
    </message>
    <message>
        <source>R Brk</source>
        <translation>右変化</translation>
    </message>
    <message>
        <source>R Brk</source>
        <comment>value dialog</comment>
        <translation>右変化球</translation>
    </message>
    <message>
        <source>L Brk</source>
        <translation>左変化</translation>
    </message>
    <message>
        <source>L Brk</source>
        <comment>value dialog</comment>
        <translation>左変化球</translation>
    </message>
    <message>
        <source>Fork</source>
        <translation>フォーク</translation>
    </message>
    <message>
        <source>R</source>
        <comment>batting side 右</comment>
        <extracomment>A grid cell gives a batting side or a pitching style 33 pixels.</extracomment>
        <translation>右</translation>
    </message>
    <message>
        <source>L</source>
        <comment>batting side 左</comment>
        <translation>左</translation>
    </message>
    <message>
        <source>S</source>
        <comment>batting side 両: switch hitter</comment>
        <translation>両</translation>
    </message>
    <message>
        <source>R Sd</source>
        <comment>pitching style 右横: right-handed sidearm</comment>
        <translation>右横</translation>
    </message>
    <message>
        <source>L Sd</source>
        <comment>pitching style 左横: left-handed sidearm</comment>
        <translation>左横</translation>
    </message>
    <message>
        <source>R Sub</source>
        <comment>pitching style 右下: right-handed underhand (submarine)</comment>
        <translation>右下</translation>
    </message>
    <message>
        <source>L Sub</source>
        <comment>pitching style 左下: left-handed underhand (submarine)</comment>
        <translation>左下</translation>
    </message>
    <message>
        <source>R Axe</source>
        <comment>pitching style 右ま: right-handed masakari (tomahawk) windup</comment>
        <translation>右ま</translation>
    </message>
    <message>
        <source>L Axe</source>
        <comment>pitching style 左ま: left-handed masakari (tomahawk) windup</comment>
        <translation>左ま</translation>
    </message>
    <message>
        <source>Bat</source>
        <comment>the batter grid&apos;s corner</comment>
        <extracomment>The grid&apos;s corner gives the grid&apos;s name 21 pixels.</extracomment>
        <translation>打者</translation>
    </message>
    <message>
        <source>Pit</source>
        <comment>the pitcher grid&apos;s corner</comment>
        <translation>投手</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>%1チーム</translation>
    </message>
    <message>
        <source>[Batters] Team AVG %1 / Team HR %2 / Team Speed %3</source>
        <translation>【打者】チーム打率%1／チーム本塁打%2／チーム走力%3</translation>
    </message>
    <message>
        <source>[Pitchers] Team ERA %1 / Average Fast %2</source>
        <translation>【投手】チーム防御率%1／平均速球速度%2</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters.</source>
        <translation>打者13人の%1の平均。</translation>
    </message>
    <message>
        <source>Mean %1 of the 5 pitchers.</source>
        <translation>投手5人の%1の平均。</translation>
    </message>
    <message>
        <source>Sum of the %1 of the 5 pitchers.</source>
        <translation>投手5人の%1の合計。</translation>
    </message>
    <message>
        <source>League Overview</source>
        <translation>リーグ一覧</translation>
    </message>
    <message>
        <source>The 16 Teams Compared</source>
        <translation>16チームの比較</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>#%1</source>
        <comment>a team&apos;s rank</comment>
        <translation>%1位</translation>
    </message>
    <message>
        <source>helmet %1, uniform %2</source>
        <translation>ヘルメット %1、ユニフォーム %2</translation>
    </message>
    <message>
        <source>How the Figures Are Computed</source>
        <translation>数値の求め方</translation>
    </message>
    <message>
        <source>After each figure comes the team&apos;s rank among the 16 teams. #1 is the best; for ERA alone, lower is better. Teams with the same value share a rank, and the next rank skips as many places.</source>
        <translation>各数値の後ろは16チーム中の順位です。1位が最も良く、防御率だけは低いほど上位です。同じ値のチームは同じ順位になり、次の順位はその数だけ飛びます。</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>%1, best first: %2.</source>
        <translation>%1、良い順に：%2。</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <comment>initials, value and rank of a bar</comment>
        <translation>%1 %2（%3）</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the bars of a chart</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>Hitting and Pitching</source>
        <translation>打撃と投手力</translation>
    </message>
    <message>
        <source>Team AVG across, team ERA upwards: %1.</source>
        <translation>横軸はチーム打率、縦軸はチーム防御率：%1。</translation>
    </message>
    <message>
        <source>%1 AVG %2, ERA %3</source>
        <translation>%1 打率%2 防御率%3</translation>
    </message>
    <message>
        <source>Team AVG (higher to the right)</source>
        <translation>チーム打率（右ほど高い）</translation>
    </message>
    <message>
        <source>Team ERA (lower to the top)</source>
        <translation>チーム防御率（上ほど低い）</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>各チームの選手</translation>
    </message>
    <message>
        <source>Batters</source>
        <translation>打者</translation>
    </message>
    <message>
        <source>Pitchers</source>
        <translation>投手</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters, cut after the third decimal as on the team&apos;s HTML page.</source>
        <translation>打者13人の%1の平均（チームのHTML出力と同じく小数第4位以下を切り捨て）。</translation>
    </message>
    <message>
        <source>Sum of the %1 of the 13 batters.</source>
        <translation>打者13人の%1の合計。</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters, cut to a whole number as on the team&apos;s HTML page.</source>
        <translation>打者13人の%1の平均（チームのHTML出力と同じく小数点以下を切り捨て）。</translation>
    </message>
    <message>
        <source>Mean %1 of the batting order (the 8 batters 1 to 8).</source>
        <translation>打順の8人（１〜８）の%1の平均。</translation>
    </message>
    <message>
        <source>Mean %1 of the bench (the 5 batters P1 to P5).</source>
        <translation>控えの5人（Ｐ１〜Ｐ５）の%1の平均。</translation>
    </message>
    <message>
        <source>Mean %1 of the 5 pitchers, cut after the second decimal as on the team&apos;s HTML page. Lower ranks higher.</source>
        <translation>投手5人の%1の平均（チームのHTML出力と同じく小数第3位以下を切り捨て）。低いほど上位。</translation>
    </message>
    <message>
        <source>The highest %1 of the 5 pitchers.</source>
        <translation>投手5人の%1のうち最も速いもの。</translation>
    </message>
    <message>
        <source>Rounded half up to tenths.</source>
        <translation>小数第2位を四捨五入。</translation>
    </message>
    <message>
        <source>%1 (Order)</source>
        <comment>popularity of the batting order</comment>
        <translation>%1（打順）</translation>
    </message>
    <message>
        <source>%1 (Bench)</source>
        <comment>popularity of the bench</comment>
        <translation>%1（控え）</translation>
    </message>
    <message>
        <source>Top %1</source>
        <comment>the fastest ball of a team</comment>
        <translation>%1の最高</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>選手の名前</translation>
    </message>
    <message>
        <source>Batting side: right, left or switch</source>
        <translation>打席：右、左、両打ち</translation>
    </message>
    <message>
        <source>Popularity</source>
        <translation>人気</translation>
    </message>
    <message>
        <source>Popularity with the fans</source>
        <translation>ファンからの人気</translation>
    </message>
    <message>
        <source>★</source>
        <comment>the popularity column&apos;s header</comment>
        <extracomment>The popularity column&apos;s header: a star, since no word fits its 21 pixels.</extracomment>
        <translation>人気</translation>
    </message>
    <message>
        <source>Fielding position: 1 pitcher, 2 catcher, 3 first base, 4 second base, 5 third base, 6 shortstop, 7 left, 8 center, 9 right field</source>
        <translation>守備位置：1 投手、2 捕手、3 一塁、4 二塁、5 三塁、6 遊撃、7 左翼、8 中堅、9 右翼</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>打率</translation>
    </message>
    <message>
        <source>Home run power</source>
        <translation>本塁打（長打力）</translation>
    </message>
    <message>
        <source>Running speed</source>
        <translation>走力</translation>
    </message>
    <message>
        <source>Fielding skill</source>
        <translation>守備力</translation>
    </message>
    <message>
        <source>Throwing arm</source>
        <translation>肩（送球の強さ）</translation>
    </message>
    <message>
        <source>Pitching style: throwing arm and delivery</source>
        <translation>投法：利き腕と投げ方</translation>
    </message>
    <message>
        <source>Earned run average</source>
        <translation>防御率</translation>
    </message>
    <message>
        <source>Speed of the fastball</source>
        <translation>球速（速い球）</translation>
    </message>
    <message>
        <source>Speed of the medium pitch</source>
        <translation>球速（中くらいの球）</translation>
    </message>
    <message>
        <source>Speed of the slow pitch</source>
        <translation>球速（遅い球）</translation>
    </message>
    <message>
        <source>Right break: how far the breaking ball moves to the right</source>
        <translation>右変化：変化球が右に曲がる大きさ</translation>
    </message>
    <message>
        <source>Left break: how far the breaking ball moves to the left</source>
        <translation>左変化：変化球が左に曲がる大きさ</translation>
    </message>
    <message>
        <source>Forkball: how far it drops</source>
        <translation>フォーク：落ちる大きさ</translation>
    </message>
    <message>
        <source>R Bck</source>
        <comment>pitching style 右背: right-handed behind-the-back delivery</comment>
        <translation>右背</translation>
    </message>
    <message>
        <source>L Bck</source>
        <comment>pitching style 左背: left-handed behind-the-back delivery</comment>
        <translation>左背</translation>
    </message>
    <message>
        <source>Batters: 1 to 8 the batting order, P1 to P5 the bench</source>
        <translation>打者：１～８が打順、Ｐ１～Ｐ５が控え</translation>
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
<context>
    <name>Web</name>
    <message>
        <source>Open image...</source>
        <translation>イメージを開く...</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>チーム</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Choose an image with the button above, or drop it on this page. The image stays on this computer: nothing is sent anywhere.</source>
        <translation>上のボタンでイメージを選ぶか、このページにドロップしてください。イメージはこのコンピューターから出ません。どこにも送られません。</translation>
    </message>
    <message>
        <source>Image information</source>
        <translation>イメージ情報</translation>
    </message>
    <message>
        <source>Drop the image to open it</source>
        <translation>ドロップするとイメージを開きます</translation>
    </message>
    <message>
        <source>Compare and patch</source>
        <translation>比較とパッチ</translation>
    </message>
    <message>
        <source>Compare with an image or a patch...</source>
        <translation>イメージかパッチと比較...</translation>
    </message>
    <message>
        <source>Apply a patch...</source>
        <translation>パッチを当てる...</translation>
    </message>
    <message>
        <source>Save the patched image</source>
        <translation>パッチを当てたイメージを保存</translation>
    </message>
    <message>
        <source>Save the change list</source>
        <translation>変更の一覧を保存</translation>
    </message>
    <message>
        <source>Show the comparison page</source>
        <translation>比較のページを表示</translation>
    </message>
    <message>
        <source>%1 against %2: %3 changes</source>
        <translation>%1 と %2: %3 件の変更</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Save the league file</source>
        <translation>リーグファイルを保存</translation>
    </message>
    <message>
        <source>Save the team as CSV</source>
        <translation>チームをCSVで保存</translation>
    </message>
    <message>
        <source>Save the team as HTML</source>
        <translation>チームをHTMLで保存</translation>
    </message>
    <message>
        <source>Show the overview page</source>
        <translation>16チームの比較ページを表示</translation>
    </message>
    <message>
        <source>Save the league as text</source>
        <translation>リーグをテキストで保存</translation>
    </message>
    <message>
        <source>CSV encoding</source>
        <translation>CSVの文字コード</translation>
    </message>
    <message>
        <source>Make a patch to a modified image...</source>
        <translation>変更後のイメージへのパッチを作る...</translation>
    </message>
    <message>
        <source>Patch format</source>
        <translation>パッチの形式</translation>
    </message>
    <message>
        <source>An IPS patch cannot describe images larger than 16 MiB; make a BPS patch.</source>
        <translation>IPSパッチは16 MiBより大きいイメージを表せません。BPSパッチを作ってください。</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>未保存の変更があります</translation>
    </message>
    <message>
        <source>%1 places left</source>
        <translation>残り %1 文字</translation>
    </message>
    <message>
        <source>row %1, %2</source>
        <translation>%1 行目、%2</translation>
    </message>
    <message>
        <source>Round the numbers to the nearest values the game holds?</source>
        <translation>数値をゲームが持てる最も近い値に丸めますか？</translation>
    </message>
    <message>
        <source>A team CSV import reads a file of one team.</source>
        <translation>チームCSVの取込は1チームのファイルを読みます。</translation>
    </message>
    <message>
        <source>This is a team CSV: import it with the team CSV button.</source>
        <translation>これはチームCSVです。チームCSVのボタンで取り込んでください。</translation>
    </message>
    <message>
        <source>These changes will be made to the image; nothing is written until you save.</source>
        <translation>イメージに次の変更を加えます。保存するまで何も書き込まれません。</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Save the image</source>
        <translation>イメージを保存</translation>
    </message>
    <message>
        <source>Save the image as...</source>
        <translation>名前を付けてイメージを保存...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Helmet colour...</source>
        <translation>ヘルメットの色...</translation>
    </message>
    <message>
        <source>Uniform colour...</source>
        <translation>ユニフォームの色...</translation>
    </message>
    <message>
        <source>Import a team CSV...</source>
        <translation>チームCSVを取り込む...</translation>
    </message>
    <message>
        <source>Import a league file...</source>
        <translation>リーグファイルを取り込む...</translation>
    </message>
    <message>
        <source>Click a cell, or press Enter, F2 or Space on it, to change it. Drag a row by its label, or press Alt+Up or Alt+Down, to move a player. Ctrl+Z undoes, Ctrl+Y redoes, Ctrl+C and Ctrl+V copy and paste rows with spreadsheets, Ctrl+S saves.</source>
        <translation>セルをクリックするか、セルで Enter、F2、スペースを押すと変更できます。行の見出しをドラッグするか Alt+↑、Alt+↓ で選手を移動します。Ctrl+Z で元に戻し、Ctrl+Y でやり直し、Ctrl+C と Ctrl+V で表計算ソフトと行をコピー・貼り付けし、Ctrl+S で保存します。</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>現在:</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>新しい名前</translation>
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
        <source>Value</source>
        <translation>値</translation>
    </message>
    <message>
        <source>line %1, field %2</source>
        <translation>%1 行目、%2 項目</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Save the change list as CSV</source>
        <translation>変更の一覧をCSVで保存</translation>
    </message>
    <message>
        <source>Save the comparison page</source>
        <translation>比較のページを保存</translation>
    </message>
    <message>
        <source>Compare with a league file or team CSV...</source>
        <translation>リーグファイルまたはチームCSVと比較...</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>…ほか %1 件</translation>
    </message>
</context>
</TS>
