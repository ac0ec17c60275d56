# SPDX-License-Identifier: MIT
"""What the end-to-end test knows about a cartridge image, written down on its own.

The test makes its own image, predicts the bytes a save must leave and the CSV report the
editor must write, and compares. Nothing here comes from the program's code: the offsets, the
name tiles and the text rules are restated from the file format so that a fault in the
program's own tables shows up as a difference.
"""

TEAM_COUNT = 16
BATTER_COUNT = 13
PITCHER_COUNT = 5
TEAM_AREA = 61456  # team block t starts at TEAM_AREA + 256 * t
TEAM_BLOCK_SIZE = 256
BATTER_SIZE = 13
PITCHER_AREA = 169  # within a team block
PITCHER_SIZE = 16
COLOR_TABLE = 125535  # colour entry t at COLOR_TABLE + 2 * t
IMAGE_SIZE = 16 + 8 * 16384 + 16 * 8192

# The name tile characters, tile code = index. "＊" entries stand for no character.
TILE_CHARS = (
    "０１２３４５６７８９"
    "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ"
    "　．＊＊"
    "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむめもやゆよらりるれろわをん"
    "゛゜"
    "＊＊＊＊＊＊＊＊＊"
    "－"
)
assert len(TILE_CHARS) == 98
SPACE_TILE = 36

PITCHING_STYLES = [
    (0x00, "右"), (0x01, "左"), (0x80, "右横"), (0x81, "左横"), (0xC0, "右下"),
    (0xC1, "左下"), (0x10, "右ま"), (0x11, "左ま"), (0x20, "右背"), (0x21, "左背"),
]

BATTER_HEADERS = ["名　　前　", "打席　", "人気", "守備位置", "打　率", "本　塁　打",
                  "　走　力　", "守　備　力", "　肩　"]
PITCHER_HEADERS = ["名　　前　", "投法　", "人気", "防御率 ", "スタミナ", "球速（速）",
                   "球速（中）", "球速（遅）", "右変化", "左変化", "フォーク"]


def batter_offset(team, index):
    return TEAM_AREA + TEAM_BLOCK_SIZE * team + BATTER_SIZE * index


def pitcher_offset(team, index):
    return TEAM_AREA + TEAM_BLOCK_SIZE * team + PITCHER_AREA + PITCHER_SIZE * index


def color_offset(team):
    return COLOR_TABLE + 2 * team


def tiles_of(text):
    """Tile codes of a name of up to five table characters, padded with spaces."""
    codes = [TILE_CHARS.index(ch) for ch in text]
    assert all(TILE_CHARS[c] != "＊" for c in codes) and len(codes) <= 5
    return codes + [SPACE_TILE] * (5 - len(codes))


def _name(team, player):
    """An invented name: kana, sometimes with a sound mark, letters or the long dash."""
    kana = [40 + (team * 13 + player * 5 + k * 7) % 46 for k in range(3)]
    kind = (team + player) % 6
    if kind == 0:
        return [10 + (team + player) % 26, 37, 10 + (team * 3 + player) % 26, 36, 36]
    if kind == 1:
        return kana[:2] + [86] + kana[2:] + [36]
    if kind == 2:
        return kana[:1] + [87, 97] + kana[1:]
    if kind == 3:
        return [(team + player) % 10, (team * player) % 10] + kana
    return kana + [36, 36]


def make_image():
    """A 256 KiB iNES image: a filler pattern, then 16 teams whose every value lies inside
    the range the editor offers, so that saving an unedited team rewrites the same bytes."""
    image = bytearray(((i * 131 + (i >> 8) * 7 + 0x35) & 0xFF) for i in range(IMAGE_SIZE))
    image[0:16] = bytes([0x4E, 0x45, 0x53, 0x1A, 8, 16, 0x10] + [0] * 9)
    for t in range(TEAM_COUNT):
        for i in range(BATTER_COUNT):
            position = 2 + (i + t) % 8 if i < 8 else 1 + (i * t) % 9
            record = [(t + 3 * i) % 21] + _name(t, i) + [
                (t + i) % 3,
                16 * (1 + (t + i) % 10) + position,
                25 + (t * 11 + i * 7) % 101,  # average 200..400
                (t * 5 + i * 9) % 59,  # home runs, never 59
                (t * 3 + i * 7) % 51,
                1 + (t + 2 * i) % 5,
                1 + (2 * t + i) % 5,
            ]
            image[batter_offset(t, i):batter_offset(t, i) + BATTER_SIZE] = bytes(record)
        for i in range(PITCHER_COUNT):
            fast = 80 + 2 * ((t * 3 + i * 5) % 58)
            record = [(2 * t + i) % 21] + _name(t, BATTER_COUNT + i) + [
                PITCHING_STYLES[(t + i) % 10][0],
                16 * (1 + (t + 2 * i) % 10) + 1,
                (t * 7 + i * 13) % 100,  # ERA 0..990
                1 + (t + i) % 20,
                fast,
                max(80, fast - 2 * (5 + (t + i) % 7)),
                max(80, fast - 2 * (12 + (t * i) % 9)),
                2 * ((t + i) % 17),
                2 * ((t * 2 + i) % 17),
                2 * ((t * 3 + i * 2) % 17),
            ]
            image[pitcher_offset(t, i):pitcher_offset(t, i) + PITCHER_SIZE] = bytes(record)
        image[color_offset(t)] = 16 * (t % 4) + (t * 3) % 14
        image[color_offset(t) + 1] = 16 * ((t + 1) % 4) + (t * 5 + 1) % 14
    return image


def name_text(tiles):
    return "".join(TILE_CHARS[c] for c in tiles)


def batter_texts(record):
    """The nine cell texts of a 13-byte batter record."""
    side = {0: "右", 1: "左"}.get(record[6], "両")
    return [name_text(record[1:6]), side, str(record[7] >> 4), str(record[7] & 15),
            str(2 * record[8] + 150)] + [str(b) for b in record[9:13]]


def pitcher_texts(record):
    """The eleven cell texts of a 16-byte pitcher record."""
    style = next((label for code, label in PITCHING_STYLES if code == record[6]), "左背")
    popularity = int((record[7] - 1) / 16)  # cut toward zero: byte 0 shows 0
    return [name_text(record[1:6]), style, str(popularity), str(10 * record[8])] + [
        str(b) for b in record[9:16]]


def batter_record(image, team, index):
    return image[batter_offset(team, index):batter_offset(team, index) + BATTER_SIZE]


def pitcher_record(image, team, index):
    return image[pitcher_offset(team, index):pitcher_offset(team, index) + PITCHER_SIZE]


def expected_csv(image, team):
    """The CSV report of `team` as read from `image`: Shift_JIS (code page 932), CR LF."""
    lines = [",".join(BATTER_HEADERS)]
    lines += [",".join(batter_texts(batter_record(image, team, i))) for i in range(BATTER_COUNT)]
    lines.append(",".join(PITCHER_HEADERS))
    lines += [",".join(pitcher_texts(pitcher_record(image, team, i)))
              for i in range(PITCHER_COUNT)]
    return "".join(line + "\r\n" for line in lines).encode("cp932")


def describe_offset(offset):
    """Where a file offset lies, in words, for failure messages."""
    for t in range(TEAM_COUNT):
        for i in range(BATTER_COUNT):
            if 0 <= offset - batter_offset(t, i) < BATTER_SIZE:
                return f"team {t} batter {i} byte {offset - batter_offset(t, i)}"
        for i in range(PITCHER_COUNT):
            if 0 <= offset - pitcher_offset(t, i) < PITCHER_SIZE:
                return f"team {t} pitcher {i} byte {offset - pitcher_offset(t, i)}"
        if 0 <= offset - color_offset(t) < 2:
            return f"team {t} colour byte {offset - color_offset(t)}"
    return "outside the team data"
