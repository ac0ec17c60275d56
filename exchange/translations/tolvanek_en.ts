<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Changes</name>
    <message>
        <source>batter</source>
        <translation>batter</translation>
    </message>
    <message>
        <source>pitcher</source>
        <translation>pitcher</translation>
    </message>
    <message>
        <source>helmet</source>
        <translation>helmet</translation>
    </message>
    <message>
        <source>uniform</source>
        <translation>uniform</translation>
    </message>
    <message>
        <source>batting order</source>
        <translation>batting order</translation>
    </message>
    <message>
        <source>pitching order</source>
        <translation>pitching order</translation>
    </message>
    <message>
        <source>transfer</source>
        <translation>transfer</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>color</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source> (formerly %1)</source>
        <translation> (formerly %1)</translation>
    </message>
    <message>
        <source>other bytes %1-%2 (%3 bytes)</source>
        <translation>other bytes %1-%2 (%3 bytes)</translation>
    </message>
    <message>
        <source>other bytes: %1 ranges, %2 bytes in all</source>
        <translation>other bytes: %1 ranges, %2 bytes in all</translation>
    </message>
    <message>
        <source>en</source>
        <translation>en</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>Other bytes</translation>
    </message>
    <message>
        <source>Coloured cells changed; the struck-out value is the one before. A row number in blue marks a row a player moved or was transferred to.</source>
        <translation>Colored cells changed; the struck-out value is the one before. A row number in blue marks a row a player moved or was transferred to.</translation>
    </message>
    <message>
        <source>No changes.</source>
        <translation>No changes.</translation>
    </message>
    <message numerus="yes">
        <source>%n cell(s)</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colour(s)</source>
        <translation>
            <numerusform>%n color</numerusform>
            <numerusform>%n colors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n move(s)</source>
        <translation>
            <numerusform>%n move</numerusform>
            <numerusform>%n moves</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s)</source>
        <translation>
            <numerusform>%n transfer</numerusform>
            <numerusform>%n transfers</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a team and what changed in it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between counts</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>an empty file, whose teams cannot be shown: %1</source>
        <translation>an empty file, whose teams cannot be shown: %1</translation>
    </message>
    <message>
        <source>a file of %1 bytes (CRC-32 %2) whose teams cannot be shown: %3</source>
        <translation>a file of %1 bytes (CRC-32 %2) whose teams cannot be shown: %3</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>see &quot;%1&quot; for how to use it</source>
        <translation>see &quot;%1&quot; for how to use it</translation>
    </message>
    <message>
        <source>Go on with an image that does not look like the game&apos;s, as answering yes in the window does.</source>
        <translation>Go on with an image that does not look like the game&apos;s, as answering yes in the window does.</translation>
    </message>
    <message>
        <source>check an image and list its teams</source>
        <translation>check an image and list its teams</translation>
    </message>
    <message>
        <source>Tell which cartridge an image is (header, sizes, mapper, checksums with and without the header), check it as opening it in the window does, and list its teams: initials, helmet and uniform colour, first batter.</source>
        <translation>Tell which cartridge an image is (header, sizes, mapper, checksums with and without the header), check it as opening it in the window does, and list its teams: initials, helmet and uniform color, first batter.</translation>
    </message>
    <message>
        <source>The cartridge image (.nes).</source>
        <translation>The cartridge image (.nes).</translation>
    </message>
    <message>
        <source>Only which cartridge the file is: its header, sizes, mapper and checksums, and the result of the check.</source>
        <translation>Only which cartridge the file is: its header, sizes, mapper and checksums, and the result of the check.</translation>
    </message>
    <message>
        <source>Write the league file, or one team&apos;s CSV or HTML page, as the window writes them.</source>
        <translation>Write the league file, or one team&apos;s CSV or HTML page, as the window writes them.</translation>
    </message>
    <message>
        <source>The team to export; without it, the league file.</source>
        <translation>The team to export; without it, the league file.</translation>
    </message>
    <message>
        <source>Where to write; standard output when not given or -.</source>
        <translation>Where to write; standard output when not given or -.</translation>
    </message>
    <message>
        <source>read a league file or a team CSV into an image</source>
        <translation>read a league file or a team CSV into an image</translation>
    </message>
    <message>
        <source>Read a league file or a team CSV into the image. Every error is reported; nothing is written while there is one.</source>
        <translation>Read a league file or a team CSV into the image. Every error is reported; nothing is written while there is one.</translation>
    </message>
    <message>
        <source>Check everything and write nothing.</source>
        <translation>Check everything and write nothing.</translation>
    </message>
    <message>
        <source>Write the result into a copy here and leave the image alone.</source>
        <translation>Write the result into a copy here and leave the image alone.</translation>
    </message>
    <message>
        <source>make a BPS or IPS patch between two images</source>
        <translation>make a BPS or IPS patch between two images</translation>
    </message>
    <message>
        <source>Write a patch that turns ORIGINAL into MODIFIED.</source>
        <translation>Write a patch that turns ORIGINAL into MODIFIED.</translation>
    </message>
    <message>
        <source>The image the patch starts from.</source>
        <translation>The image the patch starts from.</translation>
    </message>
    <message>
        <source>The image the patch leads to.</source>
        <translation>The image the patch leads to.</translation>
    </message>
    <message>
        <source>The patch to write; .bps or .ips chooses the format.</source>
        <translation>The patch to write; .bps or .ips chooses the format.</translation>
    </message>
    <message>
        <source>apply a BPS or IPS patch into a new image</source>
        <translation>apply a BPS or IPS patch into a new image</translation>
    </message>
    <message>
        <source>Apply a BPS or IPS patch to IMAGE and write the result to OUTPUT, never to IMAGE itself.</source>
        <translation>Apply a BPS or IPS patch to IMAGE and write the result to OUTPUT, never to IMAGE itself.</translation>
    </message>
    <message>
        <source>A BPS or IPS patch.</source>
        <translation>A BPS or IPS patch.</translation>
    </message>
    <message>
        <source>The patched image to write.</source>
        <translation>The patched image to write.</translation>
    </message>
    <message>
        <source>show what differs between two leagues</source>
        <translation>show what differs between two leagues</translation>
    </message>
    <message>
        <source>Show every change between two leagues by team, player and column: IMAGE against OTHER, or against what a patch (--patch) or an import of a CSV file (--csv) would make of it; nothing is written. Exit status 0: equal; 1: different; 2: wrong usage; 3: a file could not be read or written; 4: an input was refused (an image that fails the check without --force, a CSV file with errors, a patch for another image).</source>
        <translation>Show every change between two leagues by team, player and column: IMAGE against OTHER, or against what a patch (--patch) or an import of a CSV file (--csv) would make of it; nothing is written. Exit status 0: equal; 1: different; 2: wrong usage; 3: a file could not be read or written; 4: an input was refused (an image that fails the check without --force, a CSV file with errors, a patch for another image).</translation>
    </message>
    <message>
        <source>The image to compare it with.</source>
        <translation>The image to compare it with.</translation>
    </message>
    <message>
        <source>Compare with IMAGE as this patch would make it.</source>
        <translation>Compare with IMAGE as this patch would make it.</translation>
    </message>
    <message>
        <source>Compare with IMAGE as importing this league file or team CSV would make it.</source>
        <translation>Compare with IMAGE as importing this league file or team CSV would make it.</translation>
    </message>
    <message>
        <source>The team a team CSV given with --csv replaces.</source>
        <translation>The team a team CSV given with --csv replaces.</translation>
    </message>
    <message>
        <source>write one page that compares the sixteen teams</source>
        <translation>write one page that compares the sixteen teams</translation>
    </message>
    <message>
        <source>Write the league overview: one self-contained HTML page with a table of the sixteen teams and their ranks, a chart for every figure, and every team&apos;s rosters.</source>
        <translation>Write the league overview: one self-contained HTML page with a table of the sixteen teams and their ranks, a chart for every figure, and every team&apos;s rosters.</translation>
    </message>
    <message>
        <source>The page to write; - for standard output.</source>
        <translation>The page to write; - for standard output.</translation>
    </message>
    <message>
        <source>print the whole league as lines, for git diff</source>
        <translation>print the whole league as lines, for git diff</translation>
    </message>
    <message>
        <source>Print the whole league as stable lines of UTF-8 text, one per player and one per team&apos;s colours, made to be git&apos;s text converter for .nes files.</source>
        <translation>Print the whole league as stable lines of UTF-8 text, one per player and one per team&apos;s colors, made to be git&apos;s text converter for .nes files.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>Usage: %1 %2 [options] %3</source>
        <translation>Usage: %1 %2 [options] %3</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is empty; it must name a file</source>
        <translation>%1 is empty; it must name a file</translation>
    </message>
    <message>
        <source>missing %1 %2</source>
        <translation>missing %1 %2</translation>
    </message>
    <message>
        <source>%1 is given an empty path; it must name a file</source>
        <translation>%1 is given an empty path; it must name a file</translation>
    </message>
    <message>
        <source>-o %1 is the same file as %2 %3; the command reads it, so it cannot write it: name another file</source>
        <translation>-o %1 is the same file as %2 %3; the command reads it, so it cannot write it: name another file</translation>
    </message>
    <message>
        <source>Usage: %1 COMMAND [options] ARGUMENTS</source>
        <translation>Usage: %1 COMMAND [options] ARGUMENTS</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>&quot;%1 COMMAND --help&quot; describes a command.</source>
        <translation>&quot;%1 COMMAND --help&quot; describes a command.</translation>
    </message>
    <message>
        <source>Check, export, import and patch the team data of a cartridge image.</source>
        <translation>Check, export, import and patch the team data of a cartridge image.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Show the program&apos;s version and exit.</translation>
    </message>
    <message>
        <source>The language of messages and help, en or ja, anywhere on the command line; without it, the locale&apos;s.</source>
        <translation>The language of messages and help, en or ja, anywhere on the command line; without it, the locale&apos;s.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unknown command &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected error: %1</source>
        <translation>unexpected error: %1</translation>
    </message>
    <message>
        <source>unexpected error</source>
        <translation>unexpected error</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>cannot write to standard output</translation>
    </message>
    <message>
        <source>--lang needs a language: en or ja</source>
        <translation>--lang needs a language: en or ja</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot; for --lang; it is en or ja</source>
        <translation>unknown language &quot;%1&quot; for --lang; it is en or ja</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>note: %1</translation>
    </message>
    <message>
        <source>%1 does not look like an image of this game (%2)</source>
        <translation>%1 does not look like an image of this game (%2)</translation>
    </message>
    <message>
        <source>give --force to go on with it all the same, as answering yes in the window does</source>
        <translation>give --force to go on with it all the same, as answering yes in the window does</translation>
    </message>
    <message>
        <source>no team has the initials &quot;%1&quot;; the teams are %2</source>
        <translation>no team has the initials &quot;%1&quot;; the teams are %2</translation>
    </message>
    <message>
        <source>standard input is larger than %1 bytes, more than any league file; nothing was read</source>
        <translation>standard input is larger than %1 bytes, more than any league file; nothing was read</translation>
    </message>
    <message>
        <source>cannot read standard input</source>
        <translation>cannot read standard input</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>cannot read %1: it is not a regular file</source>
        <translation>cannot read %1: it is not a regular file</translation>
    </message>
    <message>
        <source>%1 is larger than %2 bytes, more than any file of its kind; nothing was read</source>
        <translation>%1 is larger than %2 bytes, more than any file of its kind; nothing was read</translation>
    </message>
    <message>
        <source>--format html needs --team: a page shows one team</source>
        <translation>--format html needs --team: a page shows one team</translation>
    </message>
    <message>
        <source>team %1 holds a value that is no number; its page cannot be written</source>
        <translation>team %1 holds a value that is no number; its page cannot be written</translation>
    </message>
    <message>
        <source>an image cannot be written to standard output</source>
        <translation>an image cannot be written to standard output</translation>
    </message>
    <message>
        <source>%1 is a league file, which names its teams itself; --team is for a team CSV</source>
        <translation>%1 is a league file, which names its teams itself; --team is for a team CSV</translation>
    </message>
    <message>
        <source>name the team of a team CSV with --team</source>
        <translation>name the team of a team CSV with --team</translation>
    </message>
    <message>
        <source>nothing was written</source>
        <translation>nothing was written</translation>
    </message>
    <message>
        <source>%1 of %2 teams would be rewritten</source>
        <translation>%1 of %2 teams would be rewritten</translation>
    </message>
    <message>
        <source>%1 of %2 teams rewritten</source>
        <translation>%1 of %2 teams rewritten</translation>
    </message>
    <message>
        <source>the patch&apos;s name must end in .bps or .ips, which chooses its format</source>
        <translation>the patch&apos;s name must end in .bps or .ips, which chooses its format</translation>
    </message>
    <message>
        <source>an IPS patch cannot describe images larger than 16 MiB; make a BPS patch</source>
        <translation>an IPS patch cannot describe images larger than 16 MiB; make a BPS patch</translation>
    </message>
    <message>
        <source>%1 is not applied to %2: %3; nothing was written</source>
        <translation>%1 is not applied to %2: %3; nothing was written</translation>
    </message>
    <message>
        <source>the patched image would be no image of this game (%1); nothing was written</source>
        <translation>the patched image would be no image of this game (%1); nothing was written</translation>
    </message>
    <message>
        <source>the patched image does not look like an image of this game (%1); nothing was written</source>
        <translation>the patched image does not look like an image of this game (%1); nothing was written</translation>
    </message>
    <message>
        <source>give --force to write it all the same</source>
        <translation>give --force to write it all the same</translation>
    </message>
    <message>
        <source>give --patch or --csv, not both</source>
        <translation>give --patch or --csv, not both</translation>
    </message>
    <message>
        <source>--team names the team of --csv</source>
        <translation>--team names the team of --csv</translation>
    </message>
    <message>
        <source>give one of OTHER, --patch PATCH and --csv FILE to compare with</source>
        <translation>give one of OTHER, --patch PATCH and --csv FILE to compare with</translation>
    </message>
    <message>
        <source>%1 cannot be compared as %2 would make it: %3</source>
        <translation>%1 cannot be compared as %2 would make it: %3</translation>
    </message>
    <message>
        <source>the overview cannot be written: %1</source>
        <translation>the overview cannot be written: %1</translation>
    </message>
    <message>
        <source>the patched image does not look like an image of this game (%1)</source>
        <translation>the patched image does not look like an image of this game (%1)</translation>
    </message>
    <message>
        <source>How a CSV file is written: shift_jis (when not given) or utf-8, with a byte-order mark, for spreadsheets that do not read Shift_JIS.</source>
        <translation>How a CSV file is written: shift_jis (when not given) or utf-8, with a byte-order mark, for spreadsheets that do not read Shift_JIS.</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;; it is shift_jis or utf-8</source>
        <translation>unknown encoding &quot;%1&quot;; it is shift_jis or utf-8</translation>
    </message>
    <message>
        <source>--encoding utf-8 is for the CSV files; a page is always written in Shift_JIS</source>
        <translation>--encoding utf-8 is for the CSV files; a page is always written in Shift_JIS</translation>
    </message>
    <message>
        <source>How many seconds to wait while another program holds the lock on a file to be written (30 when not given; 0: not at all). When the time passes, nothing is written and the exit status is 3.</source>
        <translation>How many seconds to wait while another program holds the lock on a file to be written (30 when not given; 0: not at all). When the time passes, nothing is written and the exit status is 3.</translation>
    </message>
    <message>
        <source>--%1 takes a number of seconds, 0 or more, not &quot;%2&quot;</source>
        <translation>--%1 takes a number of seconds, 0 or more, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>-o %1 is the file standard input is read from; the command reads it, so it cannot write it: name another file</source>
        <translation>-o %1 is the file standard input is read from; the command reads it, so it cannot write it: name another file</translation>
    </message>
    <message>
        <source>standard output goes to the file standard input is read from; the command reads it, so it cannot write it: send standard output to another file</source>
        <translation>standard output goes to the file standard input is read from; the command reads it, so it cannot write it: send standard output to another file</translation>
    </message>
    <message>
        <source>standard output goes to %1 %2; the command reads it, so it cannot write it: send standard output to another file</source>
        <translation>standard output goes to %1 %2; the command reads it, so it cannot write it: send standard output to another file</translation>
    </message>
    <message>
        <source>%1 is locked by %2; waiting up to %3 seconds for it</source>
        <translation>%1 is locked by %2; waiting up to %3 seconds for it</translation>
    </message>
    <message>
        <source>%1 is still locked by %2 after %3 seconds; nothing was written</source>
        <translation>%1 is still locked by %2 after %3 seconds; nothing was written</translation>
    </message>
    <message>
        <source>%1 is locked by %2; nothing was written</source>
        <translation>%1 is locked by %2; nothing was written</translation>
    </message>
    <message>
        <source>read names written in kanji as the game&apos;s kana</source>
        <translation>read names written in kanji as the game&apos;s kana</translation>
    </message>
    <message>
        <source>Print the readings of each name, best first and a surname&apos;s first of all, one per line: the name as given, the reading in the game&apos;s spelling (a voicing mark takes a place of its own) and the places it needs; the game holds five. A name without kanji is given as the game spells it. Exit status 1: a name has no reading; 3: the dictionary is missing.</source>
        <translation>Print the readings of each name, best first and a surname&apos;s first of all, one per line: the name as given, the reading in the game&apos;s spelling (a voicing mark takes a place of its own) and the places it needs; the game holds five. A name without kanji is given as the game spells it. Exit status 1: a name has no reading; 3: the dictionary is missing.</translation>
    </message>
    <message>
        <source>A name, in kanji, kana or letters.</source>
        <translation>A name, in kanji, kana or letters.</translation>
    </message>
    <message>
        <source>text (when not given) or csv.</source>
        <translation>text (when not given) or csv.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is text or csv</source>
        <translation>unknown format &quot;%1&quot;; it is text or csv</translation>
    </message>
    <message>
        <source>names in kanji cannot be read: there is no dictionary in %1; install the Debian package %2</source>
        <translation>names in kanji cannot be read: there is no dictionary in %1; install the Debian package %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no reading in kana, letters and digits</source>
        <translation>&quot;%1&quot; has no reading in kana, letters and digits</translation>
    </message>
    <message>
        <source>rate the league from a sheet of a real season&apos;s statistics</source>
        <translation>rate the league from a sheet of a real season&apos;s statistics</translation>
    </message>
    <message>
        <source>Read a sheet of a season&apos;s statistics (CSV in UTF-8 or Shift_JIS: one header row with the columns team, name and role, then one row per player) and make the game&apos;s values of them by the rules: the teams the sheet names get its players in sheet order, 13 batters and 5 pitchers each; the others stay as they are. The result is imported into the image, as the import does, or written as a league file with -o.</source>
        <translation>Read a sheet of a season&apos;s statistics (CSV in UTF-8 or Shift_JIS: one header row with the columns team, name and role, then one row per player) and make the game&apos;s values of them by the rules: the teams the sheet names get its players in sheet order, 13 batters and 5 pitchers each; the others stay as they are. The result is imported into the image, as the import does, or written as a league file with -o.</translation>
    </message>
    <message>
        <source>The sheet of statistics (.csv).</source>
        <translation>The sheet of statistics (.csv).</translation>
    </message>
    <message>
        <source>The cartridge image the league comes from and, without -o, goes into.</source>
        <translation>The cartridge image the league comes from and, without -o, goes into.</translation>
    </message>
    <message>
        <source>The rules (TOML) that make the values; the built-in rules (season-rules.toml) when not given.</source>
        <translation>The rules (TOML) that make the values; the built-in rules (season-rules.toml) when not given.</translation>
    </message>
    <message>
        <source>Print, for every player and column, the statistic read, the rule followed and the value, one tab-separated line each.</source>
        <translation>Print, for every player and column, the statistic read, the rule followed and the value, one tab-separated line each.</translation>
    </message>
    <message>
        <source>Write the league file here instead of importing; - for standard output.</source>
        <translation>Write the league file here instead of importing; - for standard output.</translation>
    </message>
    <message>
        <source>name the image with --image: the league the sheet goes into</source>
        <translation>name the image with --image: the league the sheet goes into</translation>
    </message>
    <message>
        <source>Round a number that a cell cannot hold as written to the nearest value the game holds (a tie to the higher, beyond the range to its nearest end: .313 becomes .314, 2.35 becomes 2.40, 4 an ERA of 4.00); every rounded cell is listed. What is no number is still refused.</source>
        <translation>Round a number that a cell cannot hold as written to the nearest value the game holds (a tie to the higher, beyond the range to its nearest end: .313 becomes .314, 2.35 becomes 2.40, 4 an ERA of 4.00); every rounded cell is listed. What is no number is still refused.</translation>
    </message>
    <message>
        <source>Read names written in kanji as kana: each takes its first reading that fits in five places, and the notes name it with the other readings. A name none of whose readings fits stays an error.</source>
        <translation>Read names written in kanji as kana: each takes its first reading that fits in five places, and the notes name it with the other readings. A name none of whose readings fits stays an error.</translation>
    </message>
    <message>
        <source>text (when not given) or json: the same as one JSON object (tolvanek-image).</source>
        <translation>text (when not given) or json: the same as one JSON object (tolvanek-image).</translation>
    </message>
    <message>
        <source>write the league or one team as CSV, HTML or JSON</source>
        <translation>write the league or one team as CSV, HTML or JSON</translation>
    </message>
    <message>
        <source>csv (when not given), html or json; html needs --team. JSON (tolvanek-league, or tolvanek-team with --team) is always UTF-8 and reads back with import.</source>
        <translation>csv (when not given), html or json; html needs --team. JSON (tolvanek-league, or tolvanek-team with --team) is always UTF-8 and reads back with import.</translation>
    </message>
    <message>
        <source>A league file or a team CSV, or either as JSON (a file that starts with { or is named .json); - for standard input.</source>
        <translation>A league file or a team CSV, or either as JSON (a file that starts with { or is named .json); - for standard input.</translation>
    </message>
    <message>
        <source>The team a team CSV replaces; a team&apos;s JSON goes into the team it names unless this is given.</source>
        <translation>The team a team CSV replaces; a team&apos;s JSON goes into the team it names unless this is given.</translation>
    </message>
    <message>
        <source>text (when not given), csv, html or json (tolvanek-changes).</source>
        <translation>text (when not given), csv, html or json (tolvanek-changes).</translation>
    </message>
    <message>
        <source>text (when not given) or json: the league as export --format json writes it.</source>
        <translation>text (when not given) or json: the league as export --format json writes it.</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is text, csv, html or json</source>
        <translation>unknown format &quot;%1&quot;; it is text, csv, html or json</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot;; it is %2</source>
        <translation>unknown format &quot;%1&quot;; it is %2</translation>
    </message>
    <message>
        <source>--encoding is for the CSV files; JSON is always UTF-8</source>
        <translation>--encoding is for the CSV files; JSON is always UTF-8</translation>
    </message>
    <message>
        <source>play an image in an emulator</source>
        <translation>play an image in an emulator</translation>
    </message>
    <message>
        <source>Start an installed NES emulator on a private copy of the image, with a league file or team CSV imported into the copy when given; the image itself is left alone. The emulator is the command given with --emulator or in TOLVANEK_EMULATOR (%f stands for the copy&apos;s path; without it, the path is appended), else the first of fceux, nestopia and mednafen found on PATH or in /usr/games. The command waits for the emulator and ends with its exit status; 3 when none could be started.</source>
        <translation>Start an installed NES emulator on a private copy of the image, with a league file or team CSV imported into the copy when given; the image itself is left alone. The emulator is the command given with --emulator or in TOLVANEK_EMULATOR (%f stands for the copy&apos;s path; without it, the path is appended), else the first of fceux, nestopia and mednafen found on PATH or in /usr/games. The command waits for the emulator and ends with its exit status; 3 when none could be started.</translation>
    </message>
    <message>
        <source>A league file or team CSV to import into the copy first, as the import reads it; - for standard input.</source>
        <translation>A league file or team CSV to import into the copy first, as the import reads it; - for standard input.</translation>
    </message>
    <message>
        <source>The emulator&apos;s command line, in place of TOLVANEK_EMULATOR and the search.</source>
        <translation>The emulator&apos;s command line, in place of TOLVANEK_EMULATOR and the search.</translation>
    </message>
    <message>
        <source>the emulator was not started</source>
        <translation>the emulator was not started</translation>
    </message>
    <message>
        <source>cannot create a private folder for the copy: %1</source>
        <translation>cannot create a private folder for the copy: %1</translation>
    </message>
    <message>
        <source>cannot make the copy private: %1</source>
        <translation>cannot make the copy private: %1</translation>
    </message>
    <message>
        <source>the emulator (%1) ended abnormally</source>
        <translation>the emulator (%1) ended abnormally</translation>
    </message>
</context>
<context>
    <name>EditCaptions</name>
    <message>
        <source>Batting Order</source>
        <translation>Batting Order</translation>
    </message>
    <message>
        <source>Pitching Order</source>
        <translation>Pitching Order</translation>
    </message>
    <message>
        <source>Helmet</source>
        <translation>Helmet</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <source>Import Team CSV</source>
        <translation>Import Team CSV</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>Emulator</name>
    <message>
        <source>no emulator was found: install one of the Debian packages fceux, nestopia or mednafen, or name one in %1</source>
        <translation>no emulator was found: install one of the Debian packages fceux, nestopia or mednafen, or name one in %1</translation>
    </message>
    <message>
        <source>the emulator (%1) cannot be started: %2</source>
        <translation>the emulator (%1) cannot be started: %2</translation>
    </message>
    <message>
        <source>the emulator (%1) ended at once, abnormally</source>
        <translation>the emulator (%1) ended at once, abnormally</translation>
    </message>
    <message>
        <source>the emulator (%1) ended at once with status %2</source>
        <translation>the emulator (%1) ended at once with status %2</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1: %2</source>
        <comment>a message and its reason</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is left as it was</source>
        <translation>%1 is left as it was</translation>
    </message>
    <message>
        <source>the old content of %1 was put back</source>
        <translation>the old content of %1 was put back</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 is damaged</translation>
    </message>
    <message>
        <source>%1 is damaged; the complete new content is in %2</source>
        <translation>%1 is damaged; the complete new content is in %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>%1 changed while it was being read; nothing was written</source>
        <translation>%1 changed while it was being read; nothing was written</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was read; nothing was written, so that its changes are not lost</source>
        <translation>%1 was changed by another program after it was read; nothing was written, so that its changes are not lost</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>cannot create %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <comment>what failed; what it left</comment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>the teams cannot be written into %1</source>
        <translation>the teams cannot be written into %1</translation>
    </message>
    <message>
        <source>a save into %1 was stopped before it ended; if %1 does not hold what was saved, the complete new image is in %2</source>
        <translation>a save into %1 was stopped before it ended; if %1 does not hold what was saved, the complete new image is in %2</translation>
    </message>
    <message>
        <source>no space left on the device</source>
        <translation>no space left on the device</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>a part of the path is no folder</source>
        <translation>a part of the path is no folder</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>the file is in use</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>the file is mounted over another file system</source>
        <translation>the file is mounted over another file system</translation>
    </message>
    <message>
        <source>input/output error</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>too many symbolic links</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>a file of that name is in the way</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>%1 holds the new content, but its folder could not be written to the disk, so a power cut may still bring back the old one</source>
        <translation>%1 holds the new content, but its folder could not be written to the disk, so a power cut may still bring back the old one</translation>
    </message>
    <message>
        <source>%1 holds the new content, but the older copy %2 beside it could not be removed; it is no longer needed</source>
        <translation>%1 holds the new content, but the older copy %2 beside it could not be removed; it is no longer needed</translation>
    </message>
    <message>
        <source>no device or reader is behind the name</source>
        <translation>no device or reader is behind the name</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>no such device</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>it is closed</translation>
    </message>
    <message>
        <source>the reading end is closed</source>
        <translation>the reading end is closed</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>too many files are open</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>the file system does not support it</source>
        <translation>the file system does not support it</translation>
    </message>
    <message>
        <source>it is not ready; try again</source>
        <translation>it is not ready; try again</translation>
    </message>
    <message>
        <source>%1 was written by another program while this was under way; nothing was written over it, so that its content is not lost</source>
        <translation>%1 was written by another program while this was under way; nothing was written over it, so that its content is not lost</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>another program</translation>
    </message>
    <message>
        <source>process %1</source>
        <translation>process %1</translation>
    </message>
    <message>
        <source>process %1 (%2)</source>
        <translation>process %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is locked by %2; nothing was written</source>
        <translation>%1 is locked by %2; nothing was written</translation>
    </message>
    <message>
        <source>it is a named pipe, not a file</source>
        <translation>it is a named pipe, not a file</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help file not found</source>
        <translation>Help file not found</translation>
    </message>
    <message>
        <source>The help file &quot;%1&quot; (%2) could not be opened. These folders were searched:</source>
        <translation>The help file &quot;%1&quot; (%2) could not be opened. These folders were searched:</translation>
    </message>
    <message>
        <source>The editor can still be used. To read the help, put back the help folder that is installed with the program.</source>
        <translation>The editor can still be used. To read the help, put back the help folder that is installed with the program.</translation>
    </message>
    <message>
        <source>TOLVANEK Help</source>
        <translation>TOLVANEK Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contents</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Type a keyword</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>the file cannot be read</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>the file is too large to be an image of this game</source>
        <translation>the file is too large to be an image of this game</translation>
    </message>
    <message>
        <source>the file is not an iNES image (it does not begin with NES and 0x1A)</source>
        <translation>the file is not an iNES image (it does not begin with NES and 0x1A)</translation>
    </message>
    <message>
        <source>the file is too short to hold the team data (%1 bytes, at least %2 needed)</source>
        <translation>the file is too short to hold the team data (%1 bytes, at least %2 needed)</translation>
    </message>
    <message>
        <source>the file is %1 bytes long, but its header declares %2 bytes</source>
        <translation>the file is %1 bytes long, but its header declares %2 bytes</translation>
    </message>
    <message>
        <source>team %1 holds a player record that this game cannot have written</source>
        <translation>team %1 holds a player record that this game cannot have written</translation>
    </message>
    <message>
        <source>a pitcher&apos;s name in team %1 holds tiles that are no characters</source>
        <translation>a pitcher&apos;s name in team %1 holds tiles that are no characters</translation>
    </message>
    <message>
        <source>the batting order of team %1 does not hold the positions 2 to 9 once each</source>
        <translation>the batting order of team %1 does not hold the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>the file cannot be read: %1</translation>
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
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>archaic iNES</source>
        <translation>archaic iNES</translation>
    </message>
    <message>
        <source>header</source>
        <translation>header</translation>
    </message>
    <message>
        <source>program data</source>
        <translation>program data</translation>
    </message>
    <message>
        <source>character data</source>
        <translation>character data</translation>
    </message>
    <message>
        <source>mapper</source>
        <translation>mapper</translation>
    </message>
    <message>
        <source>none (no iNES header)</source>
        <translation>none (no iNES header)</translation>
    </message>
    <message>
        <source>file size</source>
        <translation>file size</translation>
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
        <translation>CRC-32 without header</translation>
    </message>
    <message>
        <source>SHA-1 without header</source>
        <translation>SHA-1 without header</translation>
    </message>
    <message>
        <source>cannot be used (%1)</source>
        <translation>cannot be used (%1)</translation>
    </message>
    <message>
        <source>doubtful (%1)</source>
        <translation>doubtful (%1)</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>no problems found</translation>
    </message>
    <message>
        <source>check</source>
        <translation>check</translation>
    </message>
</context>
<context>
    <name>League</name>
    <message>
        <source>%1 to %2 in steps of %3</source>
        <translation>%1 to %2 in steps of %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>a quoted field opens here and is never closed</source>
        <translation>a quoted field opens here and is never closed</translation>
    </message>
    <message>
        <source>this is a team CSV without a team line: name the team it is for</source>
        <translation>this is a team CSV without a team line: name the team it is for</translation>
    </message>
    <message>
        <source>this is neither a league file (no line starts with &quot;%1&quot;) nor a team CSV (the first line is not the batter header)</source>
        <translation>this is neither a league file (no line starts with &quot;%1&quot;) nor a team CSV (the first line is not the batter header)</translation>
    </message>
    <message>
        <source>the file&apos;s character encoding is probably wrong: its Japanese reads as Latin letters and symbols (a spreadsheet opened it in another encoding and saved it so); open it again as Shift_JIS and save it as CSV in Shift_JIS or UTF-8</source>
        <translation>the file&apos;s character encoding is probably wrong: its Japanese reads as Latin letters and symbols (a spreadsheet opened it in another encoding and saved it so); open it again as Shift_JIS and save it as CSV in Shift_JIS or UTF-8</translation>
    </message>
    <message>
        <source>the file goes on beyond the %1 lines of a league file; it was read no further</source>
        <translation>the file goes on beyond the %1 lines of a league file; it was read no further</translation>
    </message>
    <message>
        <source>the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and import it again</source>
        <translation>the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and import it again</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) before the first team line; every team of a league file starts with a line &quot;%1,...&quot;</source>
        <translation>
            <numerusform>%n line before the first team line; every team of a league file starts with a line &quot;%1,...&quot;</numerusform>
            <numerusform>%n lines before the first team line; every team of a league file starts with a line &quot;%1,...&quot;</numerusform>
        </translation>
    </message>
    <message>
        <source>the team has %1 lines here; it needs %2 (a header and 13 batters, a header and 5 pitchers)</source>
        <translation>the team has %1 lines here; it needs %2 (a header and 13 batters, a header and 5 pitchers)</translation>
    </message>
    <message>
        <source>the line has %1 fields; it needs %2</source>
        <translation>the line has %1 fields; it needs %2</translation>
    </message>
    <message>
        <source>the header here must read &quot;%1&quot;</source>
        <translation>the header here must read &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the team line must read &quot;%1&quot; here</source>
        <translation>the team line must read &quot;%1&quot; here</translation>
    </message>
    <message>
        <source>no team has these initials; the teams are %1</source>
        <translation>no team has these initials; the teams are %1</translation>
    </message>
    <message>
        <source>team %1 is given twice; it was given before at line %2</source>
        <translation>team %1 is given twice; it was given before at line %2</translation>
    </message>
    <message>
        <source>a colour is written as 0x and two hexadecimal digits, such as 0x16</source>
        <translation>a color is written as 0x and two hexadecimal digits, such as 0x16</translation>
    </message>
    <message>
        <source>the colour chooser does not offer this palette index; it offers 0x00 to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D</source>
        <translation>the color chooser does not offer this palette index; it offers 0x00 to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D</translation>
    </message>
    <message>
        <source>not a number; allowed are %1</source>
        <translation>not a number; allowed are %1</translation>
    </message>
    <message>
        <source>the editor does not offer this value; allowed are %1</source>
        <translation>the editor does not offer this value; allowed are %1</translation>
    </message>
    <message>
        <source>allowed are %1</source>
        <translation>allowed are %1</translation>
    </message>
    <message>
        <source>the game cannot show the character &quot;%1&quot; (character %2 of the name)</source>
        <translation>the game cannot show the character &quot;%1&quot; (character %2 of the name)</translation>
    </message>
    <message>
        <source>the name needs %1 places; the game has 5 (a voiced kana takes two)</source>
        <translation>the name needs %1 places; the game has 5 (a voiced kana takes two)</translation>
    </message>
    <message>
        <source>the batter at line %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>the batter at line %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>the batting order needs the positions 2 to 9 once each</source>
        <translation>the batting order needs the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>a spreadsheet probably turned the name &quot;%1&quot; into the number &quot;%2&quot;; the name was kept</source>
        <translation>a spreadsheet probably turned the name &quot;%1&quot; into the number &quot;%2&quot;; the name was kept</translation>
    </message>
    <message>
        <source>small kana are written large, as the game writes them: &quot;%1&quot;</source>
        <translation>small kana are written large, as the game writes them: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the file is no BPS or IPS patch</source>
        <translation>the file is no BPS or IPS patch</translation>
    </message>
    <message>
        <source>the patch is damaged or cut short</source>
        <translation>the patch is damaged or cut short</translation>
    </message>
    <message>
        <source>the image is not the one the patch was made for (its size differs)</source>
        <translation>the image is not the one the patch was made for (its size differs)</translation>
    </message>
    <message>
        <source>the image is not the one the patch was made for (its checksum differs)</source>
        <translation>the image is not the one the patch was made for (its checksum differs)</translation>
    </message>
    <message>
        <source>the patch is damaged (its own checksum does not match)</source>
        <translation>the patch is damaged (its own checksum does not match)</translation>
    </message>
    <message>
        <source>the patched image does not match the patch&apos;s checksum</source>
        <translation>the patched image does not match the patch&apos;s checksum</translation>
    </message>
    <message>
        <source>the patch would make an image larger than %1 MiB, larger than any image the program reads</source>
        <translation>the patch would make an image larger than %1 MiB, larger than any image the program reads</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; is not a number</translation>
    </message>
    <message>
        <source>the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and import it again</source>
        <translation>the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and import it again</translation>
    </message>
    <message>
        <source>this line holds a zero byte (NUL), which no text holds; a league file or team CSV is text in Shift_JIS or UTF-8</source>
        <translation>this line holds a zero byte (NUL), which no text holds; a league file or team CSV is text in Shift_JIS or UTF-8</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot;</source>
        <translation>the name &quot;%1&quot; is read &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot;; other readings: %3</source>
        <translation>the name &quot;%1&quot; is read &quot;%2&quot;; other readings: %3</translation>
    </message>
    <message>
        <source>every reading of the name needs more than 5 places (%1 at the fewest, a voiced kana taking two): %2; write the name in kana</source>
        <translation>every reading of the name needs more than 5 places (%1 at the fewest, a voiced kana taking two): %2; write the name in kana</translation>
    </message>
    <message>
        <source>the name has no reading in kana, letters and digits; write it in kana</source>
        <translation>the name has no reading in kana, letters and digits; write it in kana</translation>
    </message>
    <message>
        <source>names in kanji cannot be read: install the Debian package %1</source>
        <translation>names in kanji cannot be read: install the Debian package %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was read as %2, the nearest value the game holds</source>
        <translation>&quot;%1&quot; was read as %2, the nearest value the game holds</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name at line %3 is; the game shows the two alike</source>
        <translation>the name &quot;%1&quot; is read &quot;%2&quot; as the name at line %3 is; the game shows the two alike</translation>
    </message>
    <message>
        <source>team %1 is given twice; it was given before at %2</source>
        <translation>team %1 is given twice; it was given before at %2</translation>
    </message>
    <message>
        <source>the file is no valid JSON from here on</source>
        <translation>the file is no valid JSON from here on</translation>
    </message>
    <message>
        <source>values are nested deeper here than in any form of the program (%1 levels at most)</source>
        <translation>values are nested deeper here than in any form of the program (%1 levels at most)</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is given twice in one object</source>
        <translation>the member &quot;%1&quot; is given twice in one object</translation>
    </message>
    <message>
        <source>the form has no member &quot;%1&quot; here; it has %2</source>
        <translation>the form has no member &quot;%1&quot; here; it has %2</translation>
    </message>
    <message>
        <source>the member &quot;%1&quot; is missing here</source>
        <translation>the member &quot;%1&quot; is missing here</translation>
    </message>
    <message>
        <source>a value of the type %1 is needed here, not %2</source>
        <translation>a value of the type %1 is needed here, not %2</translation>
    </message>
    <message>
        <source>the import reads the forms %1, not &quot;%2&quot;</source>
        <translation>the import reads the forms %1, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the file is of version %1 of its form, newer than this program reads (version %2); use a newer Tolvanek</source>
        <translation>the file is of version %1 of its form, newer than this program reads (version %2); use a newer Tolvanek</translation>
    </message>
    <message>
        <source>there is no version %1 of the form; this program reads version %2</source>
        <translation>there is no version %1 of the form; this program reads version %2</translation>
    </message>
    <message numerus="yes">
        <source>%n element(s) here; the form has %1</source>
        <translation>
            <numerusform>%n element here; the form has %1</numerusform>
            <numerusform>%n elements here; the form has %1</numerusform>
        </translation>
    </message>
    <message>
        <source>the league form holds 1 to 16 teams, not %1</source>
        <translation>the league form holds 1 to 16 teams, not %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; disagrees with %2, which makes it &quot;%3&quot;; give both forms the same value or leave one of them out</source>
        <translation>&quot;%1&quot; disagrees with %2, which makes it &quot;%3&quot;; give both forms the same value or leave one of them out</translation>
    </message>
    <message>
        <source>the colour chooser does not offer this palette index; it offers 0 to 13, 16 to 29, 32 to 45 and 48 to 61</source>
        <translation>the colour chooser does not offer this palette index; it offers 0 to 13, 16 to 29, 32 to 45 and 48 to 61</translation>
    </message>
    <message>
        <source>the batter at %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>the batter at %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name at %3 is; the game shows the two alike</source>
        <translation>the name &quot;%1&quot; is read &quot;%2&quot; as the name at %3 is; the game shows the two alike</translation>
    </message>
</context>
<context>
    <name>MessageDialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>PatchFiles</name>
    <message>
        <source>this patch has already been applied to this image</source>
        <translation>this patch has already been applied to this image</translation>
    </message>
    <message>
        <source>the patch was made for another image: it expects CRC-32 %1; this file has %2, and %3 without its header</source>
        <translation>the patch was made for another image: it expects CRC-32 %1; this file has %2, and %3 without its header</translation>
    </message>
    <message>
        <source>; it is not the same cartridge behind another header either</source>
        <translation>; it is not the same cartridge behind another header either</translation>
    </message>
    <message>
        <source>applied to an image that differs only in its header</source>
        <translation>applied to an image that differs only in its header</translation>
    </message>
    <message>
        <source>an IPS patch carries no checksums, so it cannot prove that this is the image it was made for</source>
        <translation>an IPS patch carries no checksums, so it cannot prove that this is the image it was made for</translation>
    </message>
</context>
<context>
    <name>Season</name>
    <message>
        <source>batters</source>
        <translation>batters</translation>
    </message>
    <message>
        <source>pitchers</source>
        <translation>pitchers</translation>
    </message>
    <message>
        <source>not TOML: %1</source>
        <translation>not TOML: %1</translation>
    </message>
    <message>
        <source>%1 names no column of the game</source>
        <translation>%1 names no column of the game</translation>
    </message>
    <message>
        <source>%1 is no setting of the rules</source>
        <translation>%1 is no setting of the rules</translation>
    </message>
    <message>
        <source>the rule for %1 names no statistic (statistic = &quot;...&quot;) and no value</source>
        <translation>the rule for %1 names no statistic (statistic = &quot;...&quot;) and no value</translation>
    </message>
    <message>
        <source>the rule for %1 gives more than one of thresholds, rank and map</source>
        <translation>the rule for %1 gives more than one of thresholds, rank and map</translation>
    </message>
    <message>
        <source>the thresholds of %1 must rise; %2 comes after a threshold as high or higher</source>
        <translation>the thresholds of %1 must rise; %2 comes after a threshold as high or higher</translation>
    </message>
    <message>
        <source>%1 in the rule for %2: %3</source>
        <translation>%1 in the rule for %2: %3</translation>
    </message>
    <message>
        <source>%1 holds no value the rules can use</source>
        <translation>%1 holds no value the rules can use</translation>
    </message>
    <message>
        <source>the team name %1 is mapped to %2, which are no team&apos;s initials</source>
        <translation>the team name %1 is mapped to %2, which are no team&apos;s initials</translation>
    </message>
    <message>
        <source>the sheet is empty; its first line names the columns</source>
        <translation>the sheet is empty; its first line names the columns</translation>
    </message>
    <message>
        <source>the first line has no column &quot;%1&quot;</source>
        <translation>the first line has no column &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 is neither a team&apos;s initials nor a team name of the rules</source>
        <translation>%1 is neither a team&apos;s initials nor a team name of the rules</translation>
    </message>
    <message>
        <source>%1 is no role; B or 打者 for a batter, P or 投手 for a pitcher</source>
        <translation>%1 is no role; B or 打者 for a batter, P or 投手 for a pitcher</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>team %1 has %2 %3; the game holds %4</source>
        <translation>team %1 has %2 %3; the game holds %4</translation>
    </message>
    <message>
        <source>the first eight batters of team %1 do not hold the positions 2 to 9 once each</source>
        <translation>the first eight batters of team %1 do not hold the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>the rule for %1 reads %2, which no column of the sheet is headed with</source>
        <translation>the rule for %1 reads %2, which no column of the sheet is headed with</translation>
    </message>
    <message>
        <source>%1 under %2 is no number, which the rule for %3 needs</source>
        <translation>%1 under %2 is no number, which the rule for %3 needs</translation>
    </message>
    <message>
        <source>no %1 for this player, and the rule for %2 has no default</source>
        <translation>no %1 for this player, and the rule for %2 has no default</translation>
    </message>
    <message>
        <source>%1 under %2 is not in the map of the rule for %3</source>
        <translation>%1 under %2 is not in the map of the rule for %3</translation>
    </message>
    <message>
        <source>the sheet is no text in UTF-8 or Shift_JIS</source>
        <translation>the sheet is no text in UTF-8 or Shift_JIS</translation>
    </message>
    <message>
        <source>a quoted field opens here and is never closed</source>
        <translation>a quoted field opens here and is never closed</translation>
    </message>
    <message>
        <source>more than %1 lines, more than a league has players</source>
        <translation>more than %1 lines, more than a league has players</translation>
    </message>
    <message>
        <source>%1 is stored as %2</source>
        <translation>%1 is stored as %2</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1, the sheet&apos;s column</source>
        <translation>%1, the sheet&apos;s column</translation>
    </message>
    <message>
        <source>%1, the statistic itself</source>
        <translation>%1, the statistic itself</translation>
    </message>
    <message>
        <source>%1, threshold %2</source>
        <translation>%1, threshold %2</translation>
    </message>
    <message>
        <source>%1, rank %2 of %3</source>
        <translation>%1, rank %2 of %3</translation>
    </message>
    <message>
        <source>%1, the map</source>
        <translation>%1, the map</translation>
    </message>
    <message>
        <source>one value for everyone</source>
        <translation>one value for everyone</translation>
    </message>
    <message>
        <source>no %1, the default</source>
        <translation>no %1, the default</translation>
    </message>
    <message>
        <source>%1, the default</source>
        <translation>%1, the default</translation>
    </message>
    <message>
        <source>no rule, as the row held it</source>
        <translation>no rule, as the row held it</translation>
    </message>
    <message>
        <source>, rounded</source>
        <translation>, rounded</translation>
    </message>
    <message>
        <source>the character &quot;%1&quot; cannot be read in a rules file; write it another way</source>
        <translation>the character &quot;%1&quot; cannot be read in a rules file; write it another way</translation>
    </message>
    <message>
        <source>%1 is written in kanji (&quot;%2&quot;), which are read only when asked; ask for readings, or write the name in kana or letters</source>
        <translation>%1 is written in kanji (&quot;%2&quot;), which are read only when asked; ask for readings, or write the name in kana or letters</translation>
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
        <translation>usage: tolvanek [--lang en|ja] [IMAGE]
The team editor for the cartridge image of a 1992-season NES baseball game.
  IMAGE         an image (.nes) to open at start, as if chosen in the open dialog
  --lang en|ja  the window&apos;s language, English or Japanese; without it, the locale&apos;s
  --help        show this text
  --version     show the version
</translation>
    </message>
    <message>
        <source>--lang needs a language: en or ja</source>
        <translation>--lang needs a language: en or ja</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot; for --lang; it is en or ja</source>
        <translation>unknown language &quot;%1&quot; for --lang; it is en or ja</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>give at most one image</source>
        <translation>give at most one image</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>TAboutDialog</name>
    <message>
        <source>For the &apos;92 season only</source>
        <translation>&apos;92 edition only</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tolvanek %1 Team Editor</source>
        <translation>Tolvanek %1 Team Editor</translation>
    </message>
    <message>
        <source>Report bugs to the issue list</source>
        <translation>Report bugs to the issue list</translation>
    </message>
</context>
<context>
    <name>TChangeListDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
</context>
<context>
    <name>TColorForm</name>
    <message>
        <source>Choose a Colour</source>
        <translation>Choose a Color</translation>
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
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&amp;Swap Before and After</source>
        <translation>&amp;Swap Before and After</translation>
    </message>
    <message>
        <source>Compare the other way round: the file that is after becomes before</source>
        <translation>Compare the other way round: the file that is after becomes before</translation>
    </message>
    <message>
        <source>Swap before and after</source>
        <translation>Swap before and after</translation>
    </message>
</context>
<context>
    <name>TImageInfoDialog</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
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
        <translation>Line</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Round and import</source>
        <translation>Round and import</translation>
    </message>
    <message>
        <source>Import with readings</source>
        <translation>Import with readings</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Export</translation>
    </message>
    <message>
        <source>Team &amp;CSV...</source>
        <comment>export</comment>
        <translation>Team &amp;CSV...</translation>
    </message>
    <message>
        <source>Team &amp;HTML...</source>
        <translation>Team &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;League CSV...</source>
        <comment>export</comment>
        <translation>&amp;League CSV...</translation>
    </message>
    <message>
        <source>League O&amp;verview HTML...</source>
        <translation>League O&amp;verview HTML...</translation>
    </message>
    <message>
        <source>&amp;Patch...</source>
        <translation>&amp;Patch...</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Team &amp;CSV...</source>
        <comment>import</comment>
        <translation>Team &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;League CSV...</source>
        <comment>import</comment>
        <translation>&amp;League CSV...</translation>
    </message>
    <message>
        <source>Apply &amp;Patch...</source>
        <translation>Apply &amp;Patch...</translation>
    </message>
    <message>
        <source>Show &amp;Differences...</source>
        <translation>Show &amp;Differences...</translation>
    </message>
    <message>
        <source>Image In&amp;formation...</source>
        <translation>Image In&amp;formation...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Help Topics...</source>
        <translation>&amp;Help Topics...</translation>
    </message>
    <message>
        <source>&amp;About TOLVANEK...</source>
        <translation>&amp;About TOLVANEK...</translation>
    </message>
    <message>
        <source>Saved into %1; the open file is unchanged.</source>
        <translation>Saved into %1; the open file is unchanged.</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Undo: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>&amp;Redo: %1</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Close the file</source>
        <translation>Close the file</translation>
    </message>
    <message>
        <source>Helmet</source>
        <translation>Helmet</translation>
    </message>
    <message>
        <source>Uniform</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <source>Team:</source>
        <translation>Team:</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>NESticle ROM</source>
        <translation>NES ROM image</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>NESticle ROM (*.nes)</source>
        <translation>NES ROM image (*.nes)</translation>
    </message>
    <message>
        <source>HTML files</source>
        <translation>HTML files</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>All files</translation>
    </message>
    <message>
        <source>Export League CSV</source>
        <translation>Export League CSV</translation>
    </message>
    <message>
        <source>Export League Overview</source>
        <translation>Export League Overview</translation>
    </message>
    <message>
        <source>Import Team CSV</source>
        <translation>Import Team CSV</translation>
    </message>
    <message>
        <source>Import League CSV</source>
        <translation>Import League CSV</translation>
    </message>
    <message>
        <source>Open the Original Image</source>
        <translation>Open the Original Image</translation>
    </message>
    <message>
        <source>BPS patch (*.bps)</source>
        <translation>BPS patch (*.bps)</translation>
    </message>
    <message>
        <source>IPS patch (*.ips)</source>
        <translation>IPS patch (*.ips)</translation>
    </message>
    <message>
        <source>Export Patch</source>
        <translation>Export Patch</translation>
    </message>
    <message>
        <source>Patches (BPS, IPS)</source>
        <translation>Patches (BPS, IPS)</translation>
    </message>
    <message>
        <source>Apply Patch</source>
        <translation>Apply Patch</translation>
    </message>
    <message>
        <source>Images and patches</source>
        <translation>Images and patches</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Compare With</translation>
    </message>
    <message>
        <source>Save the Patched Image</source>
        <translation>Save the Patched Image</translation>
    </message>
    <message>
        <source>The clipboard holds more than %1 KiB of text, more than any team&apos;s data; nothing was pasted.</source>
        <translation>The clipboard holds more than %1 KiB of text, more than any team&apos;s data; nothing was pasted.</translation>
    </message>
    <message>
        <source>The clipboard holds no cells to paste.</source>
        <translation>The clipboard holds no cells to paste.</translation>
    </message>
    <message>
        <source>text line %1</source>
        <translation>text line %1</translation>
    </message>
    <message>
        <source>the pasted block has more than %1 rows; from this cell there is room for %2 × %3 cells (rows × columns)</source>
        <translation>the pasted block has more than %1 rows; from this cell there is room for %2 × %3 cells (rows × columns)</translation>
    </message>
    <message>
        <source>the pasted block is %1 × %2 cells (rows × columns); from this cell there is room for %3 × %4</source>
        <translation>the pasted block is %1 × %2 cells (rows × columns); from this cell there is room for %3 × %4</translation>
    </message>
    <message>
        <source>the batter in row %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</source>
        <translation>the batter in row %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each</translation>
    </message>
    <message>
        <source>Nothing was pasted because of these problems.</source>
        <translation>Nothing was pasted because of these problems.</translation>
    </message>
    <message>
        <source>Pasted. These names were changed to the way the game writes them.</source>
        <translation>Pasted. These names were changed to the way the game writes them.</translation>
    </message>
    <message>
        <source>Drop one file here: an image (.nes) to open it, a team CSV or a league file (.csv) to import it, or a patch (.bps, .ips) to apply it.</source>
        <translation>Drop one file here: an image (.nes) to open it, a team CSV or a league file (.csv) to import it, or a patch (.bps, .ips) to apply it.</translation>
    </message>
    <message>
        <source>Team</source>
        <comment>change list</comment>
        <translation>Team</translation>
    </message>
    <message>
        <source>Kind</source>
        <comment>change list</comment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Row</source>
        <comment>change list</comment>
        <translation>Row</translation>
    </message>
    <message>
        <source>Name</source>
        <comment>change list</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Item</source>
        <comment>change list</comment>
        <translation>Item</translation>
    </message>
    <message>
        <source>Before</source>
        <comment>change list</comment>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <comment>change list</comment>
        <translation>After</translation>
    </message>
    <message>
        <source>What the patch gives is no image of this game (%1).</source>
        <translation>What the patch gives is no image of this game (%1).</translation>
    </message>
    <message numerus="yes">
        <source>%n byte range(s) outside the players and colours</source>
        <translation>
            <numerusform>%n byte range outside the players and colors</numerusform>
            <numerusform>%n byte ranges outside the players and colors</numerusform>
        </translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>%1 as it is saved on disk, against the same image with the patch %2 applied.</source>
        <translation>%1 as it is saved on disk, against the same image with the patch %2 applied.</translation>
    </message>
    <message>
        <source>%1 cannot be compared: it is no image of this game (%2).</source>
        <translation>%1 cannot be compared: it is no image of this game (%2).</translation>
    </message>
    <message>
        <source>%1 as it is saved on disk, against %2.</source>
        <translation>%1 as it is saved on disk, against %2.</translation>
    </message>
    <message>
        <source>%1 does not look like an image of this game (%2).</source>
        <translation>%1 does not look like an image of this game (%2).</translation>
    </message>
    <message>
        <source>%1 and %2 hold the same data.</source>
        <translation>%1 and %2 hold the same data.</translation>
    </message>
    <message>
        <source>Edits not saved yet are not compared. Double-click a line to show its team and cell.</source>
        <translation>Edits not saved yet are not compared. Double-click a line to show its team and cell.</translation>
    </message>
    <message>
        <source>Compare: %1 and %2</source>
        <translation>Compare: %1 and %2</translation>
    </message>
    <message>
        <source>The image this comparison was made for is no longer open.</source>
        <translation>The image this comparison was made for is no longer open.</translation>
    </message>
    <message>
        <source>The patch changes nothing in this image.</source>
        <translation>The patch changes nothing in this image.</translation>
    </message>
    <message>
        <source>The patched image does not look like an image of this game (%1). Go on?</source>
        <translation>The patched image does not look like an image of this game (%1). Go on?</translation>
    </message>
    <message>
        <source>The patch %1 makes these changes:</source>
        <translation>The patch %1 makes these changes:</translation>
    </message>
    <message>
        <source>Write the patched image into a new file? The open image stays as it is.</source>
        <translation>Write the patched image into a new file? The open image stays as it is.</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>The patch has been applied to %1.</source>
        <translation>The patch has been applied to %1.</translation>
    </message>
    <message>
        <source>The patched image has been saved as %1. Open it?</source>
        <translation>The patched image has been saved as %1. Open it?</translation>
    </message>
    <message>
        <source>file: %1</source>
        <translation>file: %1</translation>
    </message>
    <message>
        <source>Image Information: %1</source>
        <translation>Image Information: %1</translation>
    </message>
    <message>
        <source>Close the open file first.</source>
        <translation>Close the open file first.</translation>
    </message>
    <message>
        <source>This file does not look like an image of this game (%1).
Saving into it could damage it. Open it?</source>
        <translation>This file does not look like an image of this game (%1).
Saving into it could damage it. Open it?</translation>
    </message>
    <message>
        <source>There is nothing to save.</source>
        <translation>There is nothing to save.</translation>
    </message>
    <message>
        <source>The fielding positions are wrong.</source>
        <translation>The fielding positions are wrong.</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between numbers</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Missing from the batting order: %1. </source>
        <translation>Missing from the batting order: %1. </translation>
    </message>
    <message>
        <source>Position %1 is held by batters %2. </source>
        <translation>Position %1 is held by batters %2. </translation>
    </message>
    <message>
        <source>Batters %1 hold a position the batting order cannot have (it needs 2 to 9). </source>
        <translation>Batters %1 hold a position the batting order cannot have (it needs 2 to 9). </translation>
    </message>
    <message>
        <source>The name &quot;%2&quot; in batter row %1 cannot be saved.</source>
        <translation>The name &quot;%2&quot; in batter row %1 cannot be saved.</translation>
    </message>
    <message>
        <source>The name &quot;%2&quot; in pitcher row %1 cannot be saved.</source>
        <translation>The name &quot;%2&quot; in pitcher row %1 cannot be saved.</translation>
    </message>
    <message>
        <source>The new file cannot be created.</source>
        <translation>The new file cannot be created.</translation>
    </message>
    <message>
        <source>The file cannot be saved.</source>
        <translation>The file cannot be saved.</translation>
    </message>
    <message>
        <source>The file has been saved.</source>
        <translation>The file has been saved.</translation>
    </message>
    <message>
        <source>Nothing was imported because of these errors.</source>
        <translation>Nothing was imported because of these errors.</translation>
    </message>
    <message>
        <source>A team CSV import reads a file of one team. Import this one as a league CSV.</source>
        <translation>A team CSV import reads a file of one team. Import this one as a league CSV.</translation>
    </message>
    <message>
        <source>This file holds team %1. Import it into team %2, which is shown?</source>
        <translation>This file holds team %1. Import it into team %2, which is shown?</translation>
    </message>
    <message>
        <source>Imported. These names were changed to the way the game writes them.</source>
        <translation>Imported. These names were changed to the way the game writes them.</translation>
    </message>
    <message>
        <source>Nothing was changed because of these errors.</source>
        <translation>Nothing was changed because of these errors.</translation>
    </message>
    <message>
        <source>No team needs to be rewritten.</source>
        <translation>No team needs to be rewritten.</translation>
    </message>
    <message numerus="yes">
        <source>The data of %n team(s) will be rewritten as listed below, and the image file is written at once.</source>
        <translation>
            <numerusform>The data of %n team will be rewritten as listed below, and the image file is written at once.</numerusform>
            <numerusform>The data of %n teams will be rewritten as listed below, and the image file is written at once.</numerusform>
        </translation>
    </message>
    <message>
        <source>Go on?</source>
        <translation>Go on?</translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten. These names were changed to the way the game writes them.</source>
        <translation>
            <numerusform>%n team rewritten. These names were changed to the way the game writes them.</numerusform>
            <numerusform>%n teams rewritten. These names were changed to the way the game writes them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten.</source>
        <translation>
            <numerusform>%n team rewritten.</numerusform>
            <numerusform>%n teams rewritten.</numerusform>
        </translation>
    </message>
    <message>
        <source>The changes have not been saved. Save them and make the patch?</source>
        <translation>The changes have not been saved. Save them and make the patch?</translation>
    </message>
    <message>
        <source>This file cannot be the original image (%1).</source>
        <translation>This file cannot be the original image (%1).</translation>
    </message>
    <message>
        <source>The original image does not look like an image of this game (%1). Use it?</source>
        <translation>The original image does not look like an image of this game (%1). Use it?</translation>
    </message>
    <message>
        <source>Choose the patch format by the extension: .bps or .ips.</source>
        <translation>Choose the patch format by the extension: .bps or .ips.</translation>
    </message>
    <message>
        <source>The image is too large for an IPS patch. Choose BPS.</source>
        <translation>The image is too large for an IPS patch. Choose BPS.</translation>
    </message>
    <message>
        <source>The patch has been saved (%1, %2 bytes).</source>
        <translation>The patch has been saved (%1, %2 bytes).</translation>
    </message>
    <message>
        <source>No image is open.</source>
        <translation>No image is open.</translation>
    </message>
    <message>
        <source>The file is damaged.</source>
        <translation>The file is damaged.</translation>
    </message>
    <message>
        <source>The file cannot be created.</source>
        <translation>The file cannot be created.</translation>
    </message>
    <message>
        <source>The original file cannot be read.</source>
        <translation>The original file cannot be read.</translation>
    </message>
    <message>
        <source>The team has unsaved changes. Discard them?</source>
        <translation>The team has unsaved changes. Discard them?</translation>
    </message>
    <message>
        <source>CSV (UTF-8)</source>
        <translation>CSV (UTF-8)</translation>
    </message>
    <message>
        <source>Before: %1. After: %2.</source>
        <translation>Before: %1. After: %2.</translation>
    </message>
    <message>
        <source>the patched image</source>
        <translation>the patched image</translation>
    </message>
    <message>
        <source>This file holds what team %1 shows; nothing was changed.</source>
        <translation>This file holds what team %1 shows; nothing was changed.</translation>
    </message>
    <message>
        <source>This file holds team %1.</source>
        <translation>This file holds team %1.</translation>
    </message>
    <message>
        <source>It replaces team %1, which is shown, as listed below. Nothing is written to the image until you save.</source>
        <translation>It replaces team %1, which is shown, as listed below. Nothing is written to the image until you save.</translation>
    </message>
    <message>
        <source>Import season statistics...</source>
        <translation>Import season statistics...</translation>
    </message>
    <message>
        <source>Import Season Statistics</source>
        <translation>Import Season Statistics</translation>
    </message>
    <message>
        <source>Pasted. These cells were read as listed.</source>
        <translation>Pasted. These cells were read as listed.</translation>
    </message>
    <message>
        <source>Imported. These cells were read as listed.</source>
        <translation>Imported. These cells were read as listed.</translation>
    </message>
    <message numerus="yes">
        <source>%n team(s) rewritten. These cells were read as listed.</source>
        <translation>
            <numerusform>%n team rewritten. These cells were read as listed.</numerusform>
            <numerusform>%n teams rewritten. These cells were read as listed.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>the name &quot;%1&quot; is read &quot;%2&quot; as the name in row %3 is; the game shows the two alike</source>
        <translation>the name &quot;%1&quot; is read &quot;%2&quot; as the name in row %3 is; the game shows the two alike</translation>
    </message>
    <message>
        <source>the whole file</source>
        <translation>the whole file</translation>
    </message>
    <message>
        <source>Team &amp;JSON...</source>
        <translation>Team &amp;JSON...</translation>
    </message>
    <message>
        <source>League J&amp;SON...</source>
        <translation>League J&amp;SON...</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>Export Team JSON</source>
        <translation>Export Team JSON</translation>
    </message>
    <message>
        <source>Export League JSON</source>
        <translation>Export League JSON</translation>
    </message>
    <message>
        <source>CSV and JSON files</source>
        <translation>CSV and JSON files</translation>
    </message>
    <message>
        <source>&amp;Play in emulator</source>
        <translation>&amp;Play in emulator</translation>
    </message>
    <message>
        <source>Play in emulator</source>
        <translation>Play in emulator</translation>
    </message>
</context>
<context>
    <name>TNameForm</name>
    <message>
        <source>Del</source>
        <extracomment>The key that deletes the last character; it is 20 pixels wide.</extracomment>
        <translation>←</translation>
    </message>
    <message>
        <source>SP</source>
        <extracomment>The key that types a space; it is 20 pixels wide.</extracomment>
        <translation>SP</translation>
    </message>
    <message>
        <source>More than 5 places (a voiced kana takes 2)</source>
        <translation>More than 5 places (a voiced kana takes 2)</translation>
    </message>
    <message>
        <source>Enter a Name</source>
        <translation>Enter a Name</translation>
    </message>
    <message>
        <source>Characters</source>
        <translation>Characters</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used</source>
        <translation>&quot;%1&quot; cannot be used</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>How many of the five places of the name are still free.</extracomment>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>%1 (%2 places)</source>
        <extracomment>A reading of a name written in kanji, with the places of the five it takes.</extracomment>
        <translation>%1 (%2 places)</translation>
    </message>
    <message>
        <source>%1 (%2 places, too long)</source>
        <extracomment>A reading that takes more than the five places a name has; it cannot be chosen.</extracomment>
        <translation>%1 (%2 places, too long)</translation>
    </message>
    <message>
        <source>Readings of the name in kanji: click one to take it</source>
        <translation>Readings of the name in kanji: click one to take it</translation>
    </message>
    <message>
        <source>Names in kanji cannot be read: install the package %1.</source>
        <translation>Names in kanji cannot be read: install the package %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no reading in kana</source>
        <translation>&quot;%1&quot; has no reading in kana</translation>
    </message>
</context>
<context>
    <name>TSeasonController</name>
    <message>
        <source>Import Season Statistics</source>
        <translation>Import Season Statistics</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The rules %1 beside the sheet cannot be read.</source>
        <translation>The rules %1 beside the sheet cannot be read.</translation>
    </message>
    <message>
        <source>The image cannot be read.</source>
        <translation>The image cannot be read.</translation>
    </message>
    <message>
        <source>Nothing was changed because of these errors.</source>
        <translation>Nothing was changed because of these errors.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
</context>
<context>
    <name>TValueDialog</name>
    <message>
        <source>Set a Value</source>
        <translation>Set a Value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The window&apos;s caption: the column&apos;s name, then the player&apos;s.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Scroll bar property out of range</source>
        <translation>Scroll bar property out of range</translation>
    </message>
    <message>
        <source>Or type a number</source>
        <translation>Or type a number</translation>
    </message>
    <message>
        <source>Typed: %1</source>
        <translation>Typed: %1</translation>
    </message>
</context>
<context>
    <name>TeamWords</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bats</source>
        <translation>Bats</translation>
    </message>
    <message>
        <source>Pos</source>
        <translation>Pos</translation>
    </message>
    <message>
        <source>AVG</source>
        <translation>AVG</translation>
    </message>
    <message>
        <source>AVG</source>
        <comment>value dialog</comment>
        <translation>AVG</translation>
    </message>
    <message>
        <source>HR</source>
        <translation>HR</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fielding</source>
        <translation>Fielding</translation>
    </message>
    <message>
        <source>Arm</source>
        <translation>Arm</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>ERA</source>
        <translation>ERA</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Stamina</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>R Brk</source>
        <translation>R Brk</translation>
    </message>
    <message>
        <source>R Brk</source>
        <comment>value dialog</comment>
        <translation>R Brk</translation>
    </message>
    <message>
        <source>L Brk</source>
        <translation>L Brk</translation>
    </message>
    <message>
        <source>L Brk</source>
        <comment>value dialog</comment>
        <translation>L Brk</translation>
    </message>
    <message>
        <source>Fork</source>
        <translation>Fork</translation>
    </message>
    <message>
        <source>R</source>
        <comment>batting side 右</comment>
        <extracomment>A grid cell gives a batting side or a pitching style 33 pixels.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>L</source>
        <comment>batting side 左</comment>
        <translation>L</translation>
    </message>
    <message>
        <source>S</source>
        <comment>batting side 両: switch hitter</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>R Sd</source>
        <comment>pitching style 右横: right-handed sidearm</comment>
        <translation>R Sd</translation>
    </message>
    <message>
        <source>L Sd</source>
        <comment>pitching style 左横: left-handed sidearm</comment>
        <translation>L Sd</translation>
    </message>
    <message>
        <source>R Sub</source>
        <comment>pitching style 右下: right-handed underhand (submarine)</comment>
        <translation>R Sub</translation>
    </message>
    <message>
        <source>L Sub</source>
        <comment>pitching style 左下: left-handed underhand (submarine)</comment>
        <translation>L Sub</translation>
    </message>
    <message>
        <source>R Axe</source>
        <comment>pitching style 右ま: right-handed masakari (tomahawk) windup</comment>
        <translation>R Axe</translation>
    </message>
    <message>
        <source>L Axe</source>
        <comment>pitching style 左ま: left-handed masakari (tomahawk) windup</comment>
        <translation>L Axe</translation>
    </message>
    <message>
        <source>Bat</source>
        <comment>the batter grid&apos;s corner</comment>
        <extracomment>The grid&apos;s corner gives the grid&apos;s name 21 pixels.</extracomment>
        <translation>Bat</translation>
    </message>
    <message>
        <source>Pit</source>
        <comment>the pitcher grid&apos;s corner</comment>
        <translation>Pit</translation>
    </message>
    <message>
        <source>Team %1</source>
        <translation>Team %1</translation>
    </message>
    <message>
        <source>[Batters] Team AVG %1 / Team HR %2 / Team Speed %3</source>
        <translation>[Batters] Team AVG %1 / Team HR %2 / Team Speed %3</translation>
    </message>
    <message>
        <source>[Pitchers] Team ERA %1 / Average Fast %2</source>
        <translation>[Pitchers] Team ERA %1 / Average Fast %2</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters.</source>
        <translation>Mean %1 of the 13 batters.</translation>
    </message>
    <message>
        <source>Mean %1 of the 5 pitchers.</source>
        <translation>Mean %1 of the 5 pitchers.</translation>
    </message>
    <message>
        <source>Sum of the %1 of the 5 pitchers.</source>
        <translation>Sum of the %1 of the 5 pitchers.</translation>
    </message>
    <message>
        <source>League Overview</source>
        <translation>League Overview</translation>
    </message>
    <message>
        <source>The 16 Teams Compared</source>
        <translation>The 16 Teams Compared</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>#%1</source>
        <comment>a team&apos;s rank</comment>
        <translation>#%1</translation>
    </message>
    <message>
        <source>helmet %1, uniform %2</source>
        <translation>helmet %1, uniform %2</translation>
    </message>
    <message>
        <source>How the Figures Are Computed</source>
        <translation>How the Figures Are Computed</translation>
    </message>
    <message>
        <source>After each figure comes the team&apos;s rank among the 16 teams. #1 is the best; for ERA alone, lower is better. Teams with the same value share a rank, and the next rank skips as many places.</source>
        <translation>After each figure comes the team&apos;s rank among the 16 teams. #1 is the best; for ERA alone, lower is better. Teams with the same value share a rank, and the next rank skips as many places.</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>%1, best first: %2.</source>
        <translation>%1, best first: %2.</translation>
    </message>
    <message>
        <source>%1 %2 (%3)</source>
        <comment>initials, value and rank of a bar</comment>
        <translation>%1 %2 (%3)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the bars of a chart</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Hitting and Pitching</source>
        <translation>Hitting and Pitching</translation>
    </message>
    <message>
        <source>Team AVG across, team ERA upwards: %1.</source>
        <translation>Team AVG across, team ERA upwards: %1.</translation>
    </message>
    <message>
        <source>%1 AVG %2, ERA %3</source>
        <translation>%1 AVG %2, ERA %3</translation>
    </message>
    <message>
        <source>Team AVG (higher to the right)</source>
        <translation>Team AVG (higher to the right)</translation>
    </message>
    <message>
        <source>Team ERA (lower to the top)</source>
        <translation>Team ERA (lower to the top)</translation>
    </message>
    <message>
        <source>Rosters</source>
        <translation>Rosters</translation>
    </message>
    <message>
        <source>Batters</source>
        <translation>Batters</translation>
    </message>
    <message>
        <source>Pitchers</source>
        <translation>Pitchers</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters, cut after the third decimal as on the team&apos;s HTML page.</source>
        <translation>Mean %1 of the 13 batters, cut after the third decimal as on the team&apos;s HTML page.</translation>
    </message>
    <message>
        <source>Sum of the %1 of the 13 batters.</source>
        <translation>Sum of the %1 of the 13 batters.</translation>
    </message>
    <message>
        <source>Mean %1 of the 13 batters, cut to a whole number as on the team&apos;s HTML page.</source>
        <translation>Mean %1 of the 13 batters, cut to a whole number as on the team&apos;s HTML page.</translation>
    </message>
    <message>
        <source>Mean %1 of the batting order (the 8 batters 1 to 8).</source>
        <translation>Mean %1 of the batting order (the 8 batters 1 to 8).</translation>
    </message>
    <message>
        <source>Mean %1 of the bench (the 5 batters P1 to P5).</source>
        <translation>Mean %1 of the bench (the 5 batters P1 to P5).</translation>
    </message>
    <message>
        <source>Mean %1 of the 5 pitchers, cut after the second decimal as on the team&apos;s HTML page. Lower ranks higher.</source>
        <translation>Mean %1 of the 5 pitchers, cut after the second decimal as on the team&apos;s HTML page. Lower ranks higher.</translation>
    </message>
    <message>
        <source>The highest %1 of the 5 pitchers.</source>
        <translation>The highest %1 of the 5 pitchers.</translation>
    </message>
    <message>
        <source>Rounded half up to tenths.</source>
        <translation>Rounded half up to tenths.</translation>
    </message>
    <message>
        <source>%1 (Order)</source>
        <comment>popularity of the batting order</comment>
        <translation>%1 (Order)</translation>
    </message>
    <message>
        <source>%1 (Bench)</source>
        <comment>popularity of the bench</comment>
        <translation>%1 (Bench)</translation>
    </message>
    <message>
        <source>Top %1</source>
        <comment>the fastest ball of a team</comment>
        <translation>Top %1</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Player name</translation>
    </message>
    <message>
        <source>Batting side: right, left or switch</source>
        <translation>Batting side: right, left or switch</translation>
    </message>
    <message>
        <source>Popularity</source>
        <translation>Popularity</translation>
    </message>
    <message>
        <source>Popularity with the fans</source>
        <translation>Popularity with the fans</translation>
    </message>
    <message>
        <source>★</source>
        <comment>the popularity column&apos;s header</comment>
        <extracomment>The popularity column&apos;s header: a star, since no word fits its 21 pixels.</extracomment>
        <translation>★</translation>
    </message>
    <message>
        <source>Fielding position: 1 pitcher, 2 catcher, 3 first base, 4 second base, 5 third base, 6 shortstop, 7 left, 8 center, 9 right field</source>
        <translation>Fielding position: 1 pitcher, 2 catcher, 3 first base, 4 second base, 5 third base, 6 shortstop, 7 left, 8 center, 9 right field</translation>
    </message>
    <message>
        <source>Batting average</source>
        <translation>Batting average</translation>
    </message>
    <message>
        <source>Home run power</source>
        <translation>Home run power</translation>
    </message>
    <message>
        <source>Running speed</source>
        <translation>Running speed</translation>
    </message>
    <message>
        <source>Fielding skill</source>
        <translation>Fielding skill</translation>
    </message>
    <message>
        <source>Throwing arm</source>
        <translation>Throwing arm</translation>
    </message>
    <message>
        <source>Pitching style: throwing arm and delivery</source>
        <translation>Pitching style: throwing arm and delivery</translation>
    </message>
    <message>
        <source>Earned run average</source>
        <translation>Earned run average</translation>
    </message>
    <message>
        <source>Speed of the fastball</source>
        <translation>Speed of the fastball</translation>
    </message>
    <message>
        <source>Speed of the medium pitch</source>
        <translation>Speed of the medium pitch</translation>
    </message>
    <message>
        <source>Speed of the slow pitch</source>
        <translation>Speed of the slow pitch</translation>
    </message>
    <message>
        <source>Right break: how far the breaking ball moves to the right</source>
        <translation>Right break: how far the breaking ball moves to the right</translation>
    </message>
    <message>
        <source>Left break: how far the breaking ball moves to the left</source>
        <translation>Left break: how far the breaking ball moves to the left</translation>
    </message>
    <message>
        <source>Forkball: how far it drops</source>
        <translation>Forkball: how far it drops</translation>
    </message>
    <message>
        <source>R Bck</source>
        <comment>pitching style 右背: right-handed behind-the-back delivery</comment>
        <translation>R Bck</translation>
    </message>
    <message>
        <source>L Bck</source>
        <comment>pitching style 左背: left-handed behind-the-back delivery</comment>
        <translation>L Bck</translation>
    </message>
    <message>
        <source>Batters: 1 to 8 the batting order, P1 to P5 the bench</source>
        <translation>Batters: 1 to 8 the batting order, P1 to P5 the bench</translation>
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
        <translation>Open image...</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Choose an image with the button above, or drop it on this page. The image stays on this computer: nothing is sent anywhere.</source>
        <translation>Choose an image with the button above, or drop it on this page. The image stays on this computer: nothing is sent anywhere.</translation>
    </message>
    <message>
        <source>Image information</source>
        <translation>Image information</translation>
    </message>
    <message>
        <source>Drop the image to open it</source>
        <translation>Drop the image to open it</translation>
    </message>
    <message>
        <source>Compare and patch</source>
        <translation>Compare and patch</translation>
    </message>
    <message>
        <source>Compare with an image or a patch...</source>
        <translation>Compare with an image or a patch...</translation>
    </message>
    <message>
        <source>Apply a patch...</source>
        <translation>Apply a patch...</translation>
    </message>
    <message>
        <source>Save the patched image</source>
        <translation>Save the patched image</translation>
    </message>
    <message>
        <source>Save the change list</source>
        <translation>Save the change list</translation>
    </message>
    <message>
        <source>Show the comparison page</source>
        <translation>Show the comparison page</translation>
    </message>
    <message>
        <source>%1 against %2: %3 changes</source>
        <translation>%1 against %2: %3 changes</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Save the league file</source>
        <translation>Save the league file</translation>
    </message>
    <message>
        <source>Save the team as CSV</source>
        <translation>Save the team as CSV</translation>
    </message>
    <message>
        <source>Save the team as HTML</source>
        <translation>Save the team as HTML</translation>
    </message>
    <message>
        <source>Show the overview page</source>
        <translation>Show the overview page</translation>
    </message>
    <message>
        <source>Save the league as text</source>
        <translation>Save the league as text</translation>
    </message>
    <message>
        <source>CSV encoding</source>
        <translation>CSV encoding</translation>
    </message>
    <message>
        <source>Make a patch to a modified image...</source>
        <translation>Make a patch to a modified image...</translation>
    </message>
    <message>
        <source>Patch format</source>
        <translation>Patch format</translation>
    </message>
    <message>
        <source>An IPS patch cannot describe images larger than 16 MiB; make a BPS patch.</source>
        <translation>An IPS patch cannot describe images larger than 16 MiB; make a BPS patch.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>%1 places left</source>
        <translation>%1 places left</translation>
    </message>
    <message>
        <source>row %1, %2</source>
        <translation>row %1, %2</translation>
    </message>
    <message>
        <source>Round the numbers to the nearest values the game holds?</source>
        <translation>Round the numbers to the nearest values the game holds?</translation>
    </message>
    <message>
        <source>A team CSV import reads a file of one team.</source>
        <translation>A team CSV import reads a file of one team.</translation>
    </message>
    <message>
        <source>This is a team CSV: import it with the team CSV button.</source>
        <translation>This is a team CSV: import it with the team CSV button.</translation>
    </message>
    <message>
        <source>These changes will be made to the image; nothing is written until you save.</source>
        <translation>These changes will be made to the image; nothing is written until you save.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save the image</source>
        <translation>Save the image</translation>
    </message>
    <message>
        <source>Save the image as...</source>
        <translation>Save the image as...</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Helmet colour...</source>
        <translation>Helmet colour...</translation>
    </message>
    <message>
        <source>Uniform colour...</source>
        <translation>Uniform colour...</translation>
    </message>
    <message>
        <source>Import a team CSV...</source>
        <translation>Import a team CSV...</translation>
    </message>
    <message>
        <source>Import a league file...</source>
        <translation>Import a league file...</translation>
    </message>
    <message>
        <source>Click a cell, or press Enter, F2 or Space on it, to change it. Drag a row by its label, or press Alt+Up or Alt+Down, to move a player. Ctrl+Z undoes, Ctrl+Y redoes, Ctrl+C and Ctrl+V copy and paste rows with spreadsheets, Ctrl+S saves.</source>
        <translation>Click a cell, or press Enter, F2 or Space on it, to change it. Drag a row by its label, or press Alt+Up or Alt+Down, to move a player. Ctrl+Z undoes, Ctrl+Y redoes, Ctrl+C and Ctrl+V copy and paste rows with spreadsheets, Ctrl+S saves.</translation>
    </message>
    <message>
        <source>Now:</source>
        <translation>Now:</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>New name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>line %1, field %2</source>
        <translation>line %1, field %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Save the change list as CSV</source>
        <translation>Save the change list as CSV</translation>
    </message>
    <message>
        <source>Save the comparison page</source>
        <translation>Save the comparison page</translation>
    </message>
    <message>
        <source>Compare with a league file or team CSV...</source>
        <translation>Compare with a league file or team CSV...</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... and %1 more</translation>
    </message>
</context>
</TS>
