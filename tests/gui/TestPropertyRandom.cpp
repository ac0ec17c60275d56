// SPDX-License-Identifier: MIT
// Random images, each edited through the main window by a random run of cell edits, row drags,
// colour picks, team switches and saves. Whatever the run, a save changes no byte but the shown
// team's record bytes and colour entry, writes there what the conversion rules make of the texts
// on screen (or, when it refuses, writes nothing), and showing the team again shows exactly the
// texts that the saved bytes stand for.
//
// The seed is fixed so that every run checks the same cases; TOLVANEK_PROPERTY_SEED picks another
// one to explore with. A failure names the seed and the iteration.

#include "CellEditRules.h"
#include "EditSession.h"
#include "ImageCheck.h"
#include "MainWindowFixture.h"
#include "NameCodec.h"
#include "RecordText.h"
#include "SaveCheck.h"
#include "Valuedlg.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>

using GuiTest::AnswerNextMessage;
using GuiTest::MessageSeen;
using testsupport::ImageBuilder;
using namespace teamdata;

namespace {

constexpr int Iterations = 200;
constexpr int StepsPerIteration = 8;
constexpr std::uint32_t DefaultSeed = 19920401;

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Seed() {
    const char* chosen = std::getenv("TOLVANEK_PROPERTY_SEED");
    return chosen ? static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10)) : DefaultSeed;
}

// Tile codes that stand for a character.
std::vector<std::uint8_t> NameTileCodes() {
    std::vector<std::uint8_t> codes;
    for (int code = 0; code < TileCharCount; ++code)
        if (TileCharTable[static_cast<std::size_t>(code)] != PlaceholderChar)
            codes.push_back(static_cast<std::uint8_t>(code));
    return codes;
}

class Random {
public:
    explicit Random(std::uint32_t seed)
        : engine(seed) {}
    // 0 .. count - 1, the same on every platform.
    int Below(int count) { return static_cast<int>(engine() % static_cast<std::uint32_t>(count)); }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(engine()); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Below(static_cast<int>(items.size())))];
    }

private:
    std::mt19937 engine;
};

// The record bytes of one team as the model of the file holds them.
BatterBytes BatterAt(const Bytes& image, int team, int index) {
    const std::size_t o = BatterRecordOffset(team, index).value;
    BatterBytes b;
    for (std::size_t k = 0; k < b.tiles.size(); ++k)
        b.tiles[k] = image[o + 1 + k];
    b.side = image[o + 6];
    b.popularityPosition = image[o + 7];
    b.averageCode = image[o + 8];
    b.homeRuns = image[o + 9];
    b.speed = image[o + 10];
    b.fielding = image[o + 11];
    b.arm = image[o + 12];
    return b;
}

PitcherBytes PitcherAt(const Bytes& image, int team, int index) {
    const std::size_t o = PitcherRecordOffset(team, index).value;
    PitcherBytes p;
    for (std::size_t k = 0; k < p.tiles.size(); ++k)
        p.tiles[k] = image[o + 1 + k];
    const std::uint8_t* r = &image[o + 6];
    p.style = r[0];
    p.popularity = r[1];
    p.eraCode = r[2];
    p.stamina = r[3];
    p.fast = r[4];
    p.medium = r[5];
    p.slow = r[6];
    p.rightBreak = r[7];
    p.leftBreak = r[8];
    p.fork = r[9];
    return p;
}

void PutBatter(Bytes& image, int team, int index, const BatterBytes& b) {
    const std::size_t o = BatterRecordOffset(team, index).value;
    std::copy(b.tiles.begin(), b.tiles.end(), image.begin() + static_cast<std::ptrdiff_t>(o + 1));
    const std::uint8_t rest[] = {b.side,  b.popularityPosition, b.averageCode, b.homeRuns,
                                 b.speed, b.fielding,           b.arm};
    std::copy(std::begin(rest), std::end(rest), image.begin() + static_cast<std::ptrdiff_t>(o + 6));
}

void PutPitcher(Bytes& image, int team, int index, const PitcherBytes& p) {
    const std::size_t o = PitcherRecordOffset(team, index).value;
    std::copy(p.tiles.begin(), p.tiles.end(), image.begin() + static_cast<std::ptrdiff_t>(o + 1));
    const std::uint8_t rest[] = {p.style,  p.popularity, p.eraCode,    p.stamina,   p.fast,
                                 p.medium, p.slow,       p.rightBreak, p.leftBreak, p.fork};
    std::copy(std::begin(rest), std::end(rest), image.begin() + static_cast<std::ptrdiff_t>(o + 6));
}

class PropertyRandom : public MainWindowFixture {
protected:
    // Records loadable as they are (lead bytes 0..20, batter names of real characters), every
    // other record byte anywhere in 0..255. Most batting orders hold the positions 2..9 and most
    // pitchers a name and style that can be saved back, so that most saves go through; the rest
    // are there to be refused.
    Bytes RandomImage() {
        ImageBuilder image;
        // Half of the images could have been written by the game and open without a question.
        const bool sound = random.Chance(50);
        for (int team = 0; team < TeamCount; ++team) {
            std::vector<int> positions = {2, 3, 4, 5, 6, 7, 8, 9};
            for (int i = 7; i > 0; --i)
                std::swap(positions[static_cast<std::size_t>(i)],
                          positions[static_cast<std::size_t>(random.Below(i + 1))]);
            const bool orderValid = sound || random.Chance(85);
            for (int i = 0; i < BatterCount; ++i) {
                BatterBytes b;
                for (std::uint8_t& tile : b.tiles)
                    tile = random.Pick(nameTiles);
                b.side =
                    random.Chance(70) ? static_cast<std::uint8_t>(random.Below(3)) : random.Byte();
                b.popularityPosition = random.Byte();
                if (orderValid && i < BattingOrderLength)
                    b.popularityPosition = static_cast<std::uint8_t>(
                        (b.popularityPosition & 0xF0) | positions[static_cast<std::size_t>(i)]);
                b.averageCode = random.Byte();
                b.homeRuns = random.Byte();
                b.speed = random.Byte();
                b.fielding = random.Byte();
                b.arm = random.Byte();
                image.SetBatter(team, i, b, static_cast<std::uint8_t>(random.Below(21)));
            }
            for (int i = 0; i < PitcherCount; ++i) {
                PitcherBytes p;
                const bool anyName = !sound && random.Chance(3);
                for (std::uint8_t& tile : p.tiles)
                    tile = anyName ? random.Byte() : random.Pick(nameTiles);
                p.style = random.Chance(60)
                              ? PitchingStyles[static_cast<std::size_t>(random.Below(10))].code
                              : random.Byte();
                for (std::uint8_t* value :
                     {&p.popularity, &p.eraCode, &p.stamina, &p.fast, &p.medium, &p.slow,
                      &p.rightBreak, &p.leftBreak, &p.fork})
                    *value = random.Byte();
                image.SetPitcher(team, i, p, static_cast<std::uint8_t>(random.Below(21)));
            }
            image.SetColors(team, random.Byte(), random.Byte());
        }
        return image.Bytes();
    }

    // ---- What the window must show ----

    void ExpectShows(int team) {
        for (int i = 0; i < BatterCount; ++i) {
            const BatterRowTexts texts = BatterRowFromBytes(BatterAt(model, team, i));
            for (int c = 1; c <= 9; ++c)
                ASSERT_EQ(MainForm->BatterTable()->Cells(c, i + 1), Q(texts[c - 1]))
                    << "team " << team << " batter " << i << " column " << c;
            ASSERT_TRUE(MainForm->BatterTable()->Cells(10, i + 1).isEmpty());
        }
        for (int i = 0; i < PitcherCount; ++i) {
            const PitcherRowTexts texts = PitcherRowFromBytes(PitcherAt(model, team, i));
            for (int c = 1; c <= 11; ++c)
                ASSERT_EQ(MainForm->PitcherTable()->Cells(c, i + 1), Q(texts[c - 1]))
                    << "team " << team << " pitcher " << i << " column " << c;
        }
        ASSERT_EQ(MainForm->ShownTeam(), team);
        ASSERT_EQ(MainForm->TeamBox()->currentIndex(), team);
    }

    static std::vector<std::vector<QString>> Screen() {
        std::vector<std::vector<QString>> cells = MainForm->BatterTable()->AllCells();
        for (auto& row : MainForm->PitcherTable()->AllCells())
            cells.push_back(row);
        return cells;
    }

    // ---- Steps ----

    void Open() {
        MainForm->UndoStack().setClean();
        MainForm->MenuClose()->trigger();
        // An image the game could not have written (a batting order without the positions 2..9,
        // a pitcher name without characters) is opened only after a question, answered Yes.
        if (CheckImage(model).verdict == ImageVerdict::Questionable) {
            OpenQuestionable(path, true);
            ++checks.questioned;
        } else {
            OpenThroughMenu(path);
        }
        ASSERT_EQ(MainForm->FilePath(), Q(path));
        ASSERT_EQ(MainForm->ShownTeam(), 0);
        ++checks.opens;
        ExpectShows(0);
        shownAtStart = State();
    }

    // Everything an undo puts back: every cell and both colour bytes.
    struct Shown {
        std::vector<std::vector<QString>> cells;
        std::uint8_t helmet;
        std::uint8_t uniform;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    static Shown State() {
        return {Screen(), MainForm->RomTeamData().HelmetColorByte,
                MainForm->RomTeamData().UniformColorByte};
    }

    // Undoing every edit since the team was shown gives back what was shown then, with nothing
    // left to ask about; redoing them all gives back the edited team. A save after undoing all
    // writes what a save straight after showing would have written: nothing at all, when the
    // team's bytes read back as they are.
    void UndoAndRedoEverything() {
        QUndoStack& stack = MainForm->UndoStack();
        const Shown edited = State();
        const int steps = stack.index();
        for (int i = 0; i < steps; ++i)
            MainForm->MenuUndo()->trigger();
        ASSERT_FALSE(stack.canUndo());
        ASSERT_EQ(State(), shownAtStart) << "after undoing " << steps << " steps";
        ASSERT_EQ(MainForm->DataChanged(), 0);
        MainForm->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(MainForm));
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(MainForm, Qt::Key_Y, Qt::ControlModifier);
        ASSERT_EQ(State(), edited) << "after redoing " << steps << " steps";
        ASSERT_EQ(MainForm->DataChanged(), steps > 0 ? 1 : 0);
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(MainForm, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(State(), shownAtStart);
        checks.undone += steps;
        const Bytes before = FileBytes();
        const bool roundTrips = TeamReadsBackAsItIs(MainForm->ShownTeam());
        Save();
        if (roundTrips && !::testing::Test::HasFatalFailure()) {
            ASSERT_TRUE(FileBytes() == before) << "a save after undoing everything wrote";
            ++checks.unchangedSaves;
        }
    }

    // Whether showing and saving the team leaves every one of its bytes as it is.
    bool TeamReadsBackAsItIs(int team) const {
        for (int i = 0; i < BatterCount; ++i) {
            const BatterBytes b = BatterAt(model, team, i);
            if (BatterBytesFromRow(BatterRowFromBytes(b)) != b)
                return false;
        }
        for (int i = 0; i < PitcherCount; ++i) {
            const PitcherBytes p = PitcherAt(model, team, i);
            if (PitcherBytesFromRow(PitcherRowFromBytes(p)) != p)
                return false;
        }
        return true;
    }

    QString RandomName() {
        QString name;
        for (int k = 0; k < NameTileCount; ++k)
            name += Q(TileCharTable[random.Pick(nameTiles)]);
        return name;
    }

    // A value the column's dialog offers, set through the dialog itself.
    void EditWithValueDialog(StringGrid* grid, int column, int row, const ValueColumn& range) {
        const int steps = (range.maximum - range.minimum) / range.smallStep;
        const int value = range.minimum + range.smallStep * random.Below(steps + 1);
        // The dialog opens on the cell's number and refuses a cell without one; every cell it is
        // used on here holds a number, as every shown cell does.
        GuiTest::OnNextModal(
            [value](QWidget*) {
                ValueDialog->ValueBar->setValue(value);
                ValueDialog->BitBtn1->click();
            },
            nullptr, 5000, [](QWidget* widget) { return widget == ValueDialog; });
        grid->SetCurrentCell(column, row);
        if (grid == MainForm->BatterTable())
            MainForm->BatterTableClick();
        else
            MainForm->PitcherTableClick();
        ASSERT_TRUE(GuiTest::NoModalOpen());
        ASSERT_EQ(grid->Cells(column, row), QString::number(value));
    }

    // A value the column's dialog offers, put into the cell directly.
    void EditDirectly(StringGrid* grid, int column, int row, const ValueColumn& range) {
        const int steps = (range.maximum - range.minimum) / range.smallStep;
        MainForm->ApplyCellText(
            grid, column, row,
            QString::number(range.minimum + range.smallStep * random.Below(steps + 1)));
    }

    void EditCell() {
        const bool batter = random.Chance(60);
        StringGrid* grid = batter ? MainForm->BatterTable() : MainForm->PitcherTable();
        const int row = 1 + random.Below(batter ? BatterCount : PitcherCount);
        const int column = 1 + random.Below(batter ? 9 : 11);
        if (column == 1) {
            MainForm->ApplyCellText(grid, column, row, RandomName());
        } else if (column == 2) {
            // Side and style cycle with each click, through the real handlers.
            grid->SetCurrentCell(column, row);
            if (batter)
                MainForm->BatterTableClick();
            else
                MainForm->PitcherTableClick();
        } else {
            const std::optional<ValueColumn> range =
                batter ? BatterValueColumn(column) : PitcherValueColumn(column);
            ASSERT_TRUE(range.has_value());
            const bool position = batter && column == BatterColumn::Position;
            if (position || random.Chance(20))
                EditWithValueDialog(grid, column, row, *range);
            else
                EditDirectly(grid, column, row, *range);
        }
        ++checks.edits;
    }

    void DragRow() {
        const bool batter = random.Chance(60);
        StringGrid* grid = batter ? MainForm->BatterTable() : MainForm->PitcherTable();
        const int rows = batter ? BatterCount : PitcherCount;
        const int from = random.Below(rows);
        const int to = random.Below(rows);
        grid->verticalHeader()->moveSection(from, to);
        ++checks.drags;
    }

    void PickColours() {
        // Any of the palette indexes the colour chooser offers.
        const auto offered = [this] {
            return static_cast<std::uint8_t>(16 * random.Below(4) + random.Below(14));
        };
        const std::uint8_t helmet = offered();
        MainForm->ApplyColors({helmet, offered()}, QStringLiteral("色"));
        ++checks.colours;
    }

    void SwitchTeam() {
        const int shown = MainForm->ShownTeam();
        const int team = (shown + 1 + random.Below(TeamCount - 1)) % TeamCount;
        const bool asks = MainForm->DataChanged() == 1;
        const bool yes = random.Chance(50);
        const auto before = Screen();
        MessageSeen seen;
        if (asks)
            AnswerNextMessage(seen,
                              yes ? QStringLiteral("はい(&Y)") : QStringLiteral("いいえ(&N)"));
        PickTeam(team);
        ASSERT_TRUE(GuiTest::NoModalOpen());
        ASSERT_EQ(seen.seen, asks);
        if (asks && !yes) {
            ASSERT_EQ(Screen(), before);
            ASSERT_EQ(MainForm->ShownTeam(), shown);
            ASSERT_EQ(MainForm->TeamBox()->currentIndex(), shown);
            ASSERT_EQ(MainForm->DataChanged(), 1);
        } else {
            ExpectShows(team);
            ASSERT_EQ(MainForm->DataChanged(), 0);
            shownAtStart = State();
        }
        ++checks.switches;
    }

    void Save() {
        const int team = MainForm->ShownTeam();
        BatterRows batters;
        PitcherRows pitchers;
        for (int r = 0; r < BatterCount; ++r)
            for (int c = 0; c < 9; ++c)
                batters[r][c] = MainForm->BatterTable()->Cells(c + 1, r + 1).toStdString();
        for (int r = 0; r < PitcherCount; ++r)
            for (int c = 0; c < 11; ++c)
                pitchers[r][c] = MainForm->PitcherTable()->Cells(c + 1, r + 1).toStdString();
        const SaveRefusal refusal = CheckTeamTexts(batters, pitchers);
        const int changedBefore = MainForm->DataChanged();
        // The browser page's save of the same texts into the same image, for the bytes it writes.
        const TeamTexts shownTexts{
            batters,
            pitchers,
            {MainForm->RomTeamData().HelmetColorByte, MainForm->RomTeamData().UniformColorByte}};
        const std::optional<Bytes> pageSave = plans::ImageWithTeam(FileBytes(), team, shownTexts);
        ASSERT_EQ(plans::PlanSave(team, shownTexts).refusal, refusal);

        MessageSeen seen;
        if (refusal != SaveRefusal::None)
            AnswerNextMessage(seen);
        switch (random.Below(3)) {
        case 0:
            ASSERT_NO_FATAL_FAILURE(PressKey(Qt::Key_F5));
            break;
        case 1:
            MainForm->MenuSave()->trigger();
            break;
        default:
            MainForm->SpeedUpdateButton()->click();
            break;
        }
        ASSERT_TRUE(GuiTest::NoModalOpen());

        if (refusal != SaveRefusal::None) {
            ASSERT_TRUE(seen.seen);
            ASSERT_EQ(seen.Headline(), refusal == SaveRefusal::FieldingPositions
                                           ? QStringLiteral("守備位置がおかしい")
                                           : RefusedRecordMessage(batters, pitchers));
            ASSERT_EQ(MainForm->DataChanged(), changedBefore);
            ASSERT_TRUE(FileBytes() == model) << "a refused save wrote something";
            ++checks.refusedSaves;
            return;
        }

        for (int i = 0; i < BatterCount; ++i) {
            const std::optional<BatterBytes> b = BatterBytesFromRow(batters[i]);
            ASSERT_TRUE(b.has_value());
            PutBatter(model, team, i, *b);
        }
        for (int i = 0; i < PitcherCount; ++i) {
            const std::optional<PitcherBytes> p = PitcherBytesFromRow(pitchers[i]);
            ASSERT_TRUE(p.has_value());
            PutPitcher(model, team, i, *p);
        }
        const std::size_t entry = ColorEntryOffset(team).value;
        model[entry] = MainForm->RomTeamData().HelmetColorByte;
        model[entry + 1] = MainForm->RomTeamData().UniformColorByte;
        ASSERT_EQ(MainForm->DataChanged(), 0);
        ExpectFileIsModel();
        ASSERT_TRUE(pageSave && *pageSave == FileBytes())
            << "the page's save writes other bytes than the window's";
        ++checks.saves;

        // Showing another team and this one again reads back what was just saved.
        const int other = (team + 1 + random.Below(TeamCount - 1)) % TeamCount;
        for (int shown : {other, team}) {
            PickTeam(shown);
            ASSERT_TRUE(GuiTest::NoModalOpen());
            ExpectShows(shown);
        }
        shownAtStart = State();
        ++checks.reloads;
    }

    // The first name that cannot be stored, named with its grid and row; a style that is no
    // label has no row message.
    static QString RefusedRecordMessage(const BatterRows& batters, const PitcherRows& pitchers) {
        NameTiles tiles{};
        for (int r = 0; r < BatterCount; ++r)
            if (!EncodeName(batters[r][0], tiles))
                return QStringLiteral("打者の%1行目の名前「%2」は保存できません")
                    .arg(r + 1)
                    .arg(Q(batters[r][0]));
        for (int r = 0; r < PitcherCount; ++r)
            if (!EncodeName(pitchers[r][0], tiles))
                return QStringLiteral("投手の%1行目の名前「%2」は保存できません")
                    .arg(r + 1)
                    .arg(Q(pitchers[r][0]));
        return QStringLiteral("ファイルを作成できません");
    }

    // The file is the model: the bytes the saves were predicted to write, and every other byte
    // as the image was made, lead bytes, block tails and header included.
    void ExpectFileIsModel() {
        const Bytes file = FileBytes();
        ASSERT_EQ(file.size(), model.size());
        if (file == model)
            return;
        const auto differ = std::mismatch(file.begin(), file.end(), model.begin());
        const auto offset = static_cast<std::size_t>(differ.first - file.begin());
        FAIL() << "byte " << offset << " is " << int(*differ.first) << ", expected "
               << int(*differ.second)
               << (testsupport::IsWritableTeamByte(offset) ? " (a record byte)"
                                                           : " (not a record byte)");
    }

    Bytes FileBytes() const { return testsupport::ReadFileBytes(path); }

    void RunIteration() {
        model = RandomImage();
        const Bytes original = model;
        {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(model.data()),
                      static_cast<std::streamsize>(model.size()));
        }
        Open();
        if (::testing::Test::HasFatalFailure())
            return;
        for (int step = 0; step < StepsPerIteration && !::testing::Test::HasFatalFailure();
             ++step) {
            switch (random.Below(10)) {
            case 0:
            case 1:
            case 2:
            case 3:
                EditCell();
                break;
            case 4:
                DragRow();
                break;
            case 5:
                PickColours();
                break;
            case 6:
            case 7:
                SwitchTeam();
                break;
            default:
                Save();
                break;
            }
        }
        if (::testing::Test::HasFatalFailure())
            return;
        UndoAndRedoEverything();
        if (::testing::Test::HasFatalFailure())
            return;
        ExpectFileIsModel();
        for (std::size_t offset = 0; offset < model.size(); ++offset) {
            if (!testsupport::IsWritableTeamByte(offset)) {
                ASSERT_EQ(model[offset], original[offset]) << "offset " << offset;
            }
        }
    }

    struct Checks {
        int opens = 0, edits = 0, drags = 0, colours = 0, switches = 0, saves = 0, refusedSaves = 0,
            reloads = 0, questioned = 0, undone = 0, unchangedSaves = 0;
    } checks;
    Shown shownAtStart;

    std::filesystem::path path = dir.File("random.nes");
    Random random{Seed()};
    std::vector<std::uint8_t> nameTiles = NameTileCodes();
    Bytes model;
};

TEST_F(PropertyRandom, SavesChangeOnlyTheShownTeamAndShowingItAgainShowsWhatWasSaved) {
    const std::uint32_t seed = Seed();
    for (int iteration = 0; iteration < Iterations; ++iteration) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", iteration " + std::to_string(iteration));
        RunIteration();
        if (HasFailure())
            break;
    }
    std::printf("%d iterations: %d opens (%d after the question), %d edits, %d row drags, %d "
                "colour picks, %d team switches, %d saves (each shown again), %d refused saves, "
                "%d steps undone and redone, %d saves after undoing all that wrote nothing\n",
                Iterations, checks.opens, checks.questioned, checks.edits, checks.drags,
                checks.colours, checks.switches, checks.saves, checks.refusedSaves, checks.undone,
                checks.unchangedSaves);
    EXPECT_GT(checks.saves, Iterations);
    EXPECT_GT(checks.refusedSaves, 0);
    EXPECT_GT(checks.undone, Iterations);
    EXPECT_GT(checks.unchangedSaves, 0);
}

} // namespace
