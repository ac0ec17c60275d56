// SPDX-License-Identifier: MIT
// Writes the small seed inputs of the fuzz targets, made up from the record layout and the name
// table alone (no game data): fuzz_make_corpus <corpus directory>. Each target's inputs go into
// a folder named after the target.

#include "ImageLayout.h"
#include "NameCodec.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace teamdata;
namespace fs = std::filesystem;

namespace {

// The input format of FuzzSupport.h's ByteReader, written.
class Seed {
public:
    Seed& Byte(std::uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    Seed& Text(const std::string& text) {
        Byte(static_cast<std::uint8_t>(text.size()));
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    Seed& Int(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 24; shift >= 0; shift -= 8)
            Byte(static_cast<std::uint8_t>(bits >> shift));
        return *this;
    }
    Seed& Length(std::size_t length) {
        return Byte(static_cast<std::uint8_t>(length >> 16))
            .Byte(static_cast<std::uint8_t>(length >> 8))
            .Byte(static_cast<std::uint8_t>(length));
    }
    void Save(const fs::path& directory, const std::string& name) const {
        fs::create_directories(directory);
        std::ofstream out(directory / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> bytes;
};

// Names, values and colours that any editor screen accepts, different for every record.
std::vector<std::uint8_t> TeamArea() {
    std::vector<std::uint8_t> area(TeamCount * TeamBlockSize, 0);
    for (int team = 0; team < TeamCount; ++team) {
        const std::size_t block = static_cast<std::size_t>(team) * TeamBlockSize;
        for (int i = 0; i < BatterCount; ++i) {
            std::uint8_t* r = &area[block + BatterRecordSize * static_cast<std::size_t>(i)];
            r[0] = static_cast<std::uint8_t>((team + i) % 21);
            for (int k = 0; k < NameTileCount; ++k)
                r[1 + k] = static_cast<std::uint8_t>(40 + (team * 7 + i * 3 + k) % 46);
            r[6] = static_cast<std::uint8_t>(i % 3);
            r[7] = static_cast<std::uint8_t>(16 * (1 + i % 10) + (i < 8 ? 2 + i : 1 + i % 9));
            r[8] = static_cast<std::uint8_t>(25 + (team + i) % 75);
            r[9] = static_cast<std::uint8_t>(i * 4);
            r[10] = static_cast<std::uint8_t>(i * 3);
            r[11] = static_cast<std::uint8_t>(1 + i % 5);
            r[12] = static_cast<std::uint8_t>(1 + (i + team) % 5);
        }
        for (int i = 0; i < PitcherCount; ++i) {
            std::uint8_t* r =
                &area[block + PitcherAreaInBlock + PitcherRecordSize * static_cast<std::size_t>(i)];
            r[0] = static_cast<std::uint8_t>(i);
            for (int k = 0; k < NameTileCount; ++k)
                r[1 + k] = static_cast<std::uint8_t>(10 + (team + i * 5 + k) % 26);
            const std::uint8_t styles[] = {0x00, 0x81, 0xC0, 0x11, 0x20};
            r[6] = styles[i];
            r[7] = static_cast<std::uint8_t>(16 * (1 + i) + 1);
            r[8] = static_cast<std::uint8_t>(20 + i * 7);
            for (int k = 9; k < 16; ++k)
                r[k] = static_cast<std::uint8_t>(k < 13 ? 80 + 2 * (i + k) : 2 * (i + k));
        }
    }
    return area;
}

void ReadImageSeeds(const fs::path& dir) {
    const std::vector<std::uint8_t> area = TeamArea();
    std::vector<std::uint8_t> colours;
    for (int team = 0; team < TeamCount; ++team) {
        colours.push_back(static_cast<std::uint8_t>(0x01 + team % 13));
        colours.push_back(static_cast<std::uint8_t>(0x21 + team % 13));
    }
    const std::size_t imageEnd = ColorTableBase + TeamCount * ColorEntrySize;
    const struct {
        const char* name;
        std::size_t length;
    } lengths[] = {
        {"whole", imageEnd},
        {"ends-before-colours", TeamAreaBase + TeamCount * TeamBlockSize},
        {"ends-in-last-pitcher", PitcherRecordOffset(15, 4).value + PitcherRecordSize - 1},
        {"ends-in-first-batter", TeamAreaBase + 7},
        {"ends-in-last-colour", imageEnd - 1},
    };
    for (const auto& [name, length] : lengths) {
        Seed seed;
        seed.Length(length).Byte(0).Byte(15);
        seed.bytes.insert(seed.bytes.end(), area.begin(), area.end());
        seed.bytes.insert(seed.bytes.end(), colours.begin(), colours.end());
        seed.Save(dir, name);
    }
    Seed damaged;
    damaged.Length(imageEnd).Byte(0).Byte(1);
    std::vector<std::uint8_t> bad = area;
    bad[BatterRecordSize * 2] = 21;                         // a lead byte above 20
    bad[BatterRecordSize * 3 + 1] = 38;                     // a placeholder tile in a batter name
    bad[PitcherAreaInBlock + 2] = 200;                      // a pitcher name tile with no character
    bad[PitcherAreaInBlock + PitcherRecordSize + 6] = 0x40; // an unknown pitching style
    damaged.bytes.insert(damaged.bytes.end(), bad.begin(), bad.end());
    damaged.Save(dir, "damaged-records");
    Seed empty;
    empty.Save(dir, "empty");
}

void WriteRecordSeeds(const fs::path& dir) {
    Seed batter;
    batter.Byte(0).Byte(0).Byte(2).Byte(3);                      // whole image; batter 1 of team 0
    batter.Byte(2).Byte(40).Byte(41).Byte(42).Byte(43).Byte(44); // a name of five kana
    batter.Byte(1);                                              // "左"
    for (const char* value : {"10", "9", "250", "59", "50", "5", "5"})
        batter.Text(value);
    batter.Byte(2).Byte(17).Byte(0x16).Byte(0x2A); // then colours of team 15
    batter.Save(dir, "batter-then-colours");

    Seed pitcher;
    pitcher.Byte(0).Byte(1).Byte(7).Byte(6); // pitcher 4 of team 5
    pitcher.Byte(1).Byte(10).Byte(11).Byte(12).Byte(13).Byte(14);
    pitcher.Byte(5); // "左下"
    for (const char* value : {"10", "990", "20", "194", "120", "80", "32", "0", "16"})
        pitcher.Text(value);
    pitcher.Byte(1).Byte(2).Byte(0).Byte(0).Byte(0).Byte(0).Byte(0).Byte(0);
    pitcher.Byte(200).Text("?"); // a style that is no label: only the name is written
    pitcher.Save(dir, "pitcher-then-refused-style");

    Seed cut;
    cut.Byte(255).Length(PitcherRecordOffset(3, 2).value + 8); // image ends inside a record
    cut.Byte(1).Byte(5).Byte(4).Byte(2).Byte(0).Byte(1).Byte(2).Byte(3).Byte(4).Byte(0);
    for (const char* value : {" 12abc", "-7", "+2550", "x", "256", "1e3", "", "99999999999", "0"})
        cut.Text(value);
    cut.Byte(2).Byte(5).Byte(1).Byte(2); // colours beyond the end lengthen the file
    cut.Save(dir, "cut-image");
}

void NameCodecSeeds(const fs::path& dir) {
    const auto save = [&dir](const std::string& text, const std::string& name) {
        Seed seed;
        seed.bytes.assign(text.begin(), text.end());
        seed.Save(dir, name);
    };
    save("ＡＢＣＤＥ", "capitals");
    save("やまた゛　", "kana-with-mark");
    save("０．－＊Ｚ", "placeholder");
    save("ＡＢＣＤ", "four-characters");
    save(std::string("\x0a\x28\x61\x26\x62", 5), "tile-codes");
}

void ReportSeeds(const fs::path& dir) {
    Seed seed;
    seed.Byte(0).Text("Ｄ");
    for (int grid = 0; grid < 2; ++grid) {
        const bool batters = grid == 0;
        for (int r = 0; r < (batters ? 14 : 6); ++r)
            for (int c = 0; c < 12; ++c) {
                const bool summed = r > 0 && (batters ? c >= 5 && c <= 7 : c == 4 || c == 6);
                if (summed)
                    seed.Byte(0).Int(batters ? 200 + r * 13 : 80 + r * 37);
                else
                    seed.Text(r == 0 ? "名　　前　" : c == 1 ? "ＡＢ,\"Ｃ\"" : "5");
            }
    }
    seed.Save(dir, "window-shaped");
}

// fuzz_compare edits: grid (0 batters, 1 pitchers), team, row, then the kind and its bytes.
void CompareSeeds(const fs::path& dir) {
    constexpr std::uint8_t Batters = 0, Pitchers = 1;
    constexpr std::uint8_t AnyByte = 0, TeamByte = 1, Drag = 2, Copy = 3, Colour = 4, Length = 5;
    Seed drags;
    drags.Byte(0);
    drags.Byte(Batters).Byte(3).Byte(2).Byte(Drag).Byte(4);  // one move, rows 3 to 5
    drags.Byte(Pitchers).Byte(7).Byte(0).Byte(Drag).Byte(1); // two neighbours swapped
    drags.Save(dir, "drags");

    Seed trade;
    trade.Byte(5);
    trade.Byte(Batters).Byte(3).Byte(6).Byte(Copy).Byte(9).Byte(1).Byte(1); // from the base image
    trade.Byte(Batters).Byte(9).Byte(1).Byte(Copy).Byte(3).Byte(6).Byte(1);
    trade.Byte(Pitchers).Byte(2).Byte(4).Byte(Copy).Byte(2).Byte(0).Byte(0); // within the team
    trade.Save(dir, "trade-and-copy");

    Seed bytes;
    bytes.Byte(63);
    bytes.Byte(0).Byte(0).Byte(0).Byte(AnyByte).Length(4).Byte(0x4E);       // the iNES header
    bytes.Byte(0).Byte(0).Byte(0).Byte(TeamByte).Byte(0).Byte(250).Byte(1); // unused block bytes
    bytes.Byte(0).Byte(0).Byte(0).Byte(TeamByte).Byte(0).Byte(13).Byte(20); // a lead byte
    bytes.Byte(0).Byte(11).Byte(0).Byte(Colour).Byte(1).Byte(0x30);
    bytes.Byte(0).Byte(0).Byte(0).Byte(Length).Byte(0x90); // shorter by 112
    bytes.Save(dir, "stray-bytes-and-length");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus directory>\n", argv[0]);
        return 2;
    }
    const fs::path root = argv[1];
    ReadImageSeeds(root / "fuzz_read_image");
    WriteRecordSeeds(root / "fuzz_write_records");
    NameCodecSeeds(root / "fuzz_name_codec");
    ReportSeeds(root / "fuzz_reports");
    CompareSeeds(root / "fuzz_compare");
    return 0;
}
