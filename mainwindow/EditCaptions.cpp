// SPDX-License-Identifier: MIT
#include "EditCaptions.h"

#include "RecordText.h"

#include <QCoreApplication>

namespace mainunit {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EditCaptions)
};

struct ColumnCaption {
    int column;
    const char* name;
    const char* valueCaption; // the name's when null
};

namespace Batter = teamdata::BatterColumn;
namespace Pitcher = teamdata::PitcherColumn;

constexpr ColumnCaption BatterCaptions[] = {
    {Batter::Name, QT_TRANSLATE_NOOP("EditCaptions", "Name"), nullptr},
    {Batter::Side, QT_TRANSLATE_NOOP("EditCaptions", "Bats"), nullptr},
    {Batter::Popularity, QT_TRANSLATE_NOOP("EditCaptions", "Popularity"), nullptr},
    {Batter::Position, QT_TRANSLATE_NOOP("EditCaptions", "Position"), nullptr},
    {Batter::Average, QT_TRANSLATE_NOOP("EditCaptions", "Average"),
     QT_TRANSLATE_NOOP("EditCaptions", "True Average")},
    {Batter::HomeRuns, QT_TRANSLATE_NOOP("EditCaptions", "Home Runs"), nullptr},
    {Batter::Speed, QT_TRANSLATE_NOOP("EditCaptions", "Speed"), nullptr},
    {Batter::Fielding, QT_TRANSLATE_NOOP("EditCaptions", "Fielding"), nullptr},
    {Batter::Arm, QT_TRANSLATE_NOOP("EditCaptions", "Arm"), nullptr},
};

constexpr ColumnCaption PitcherCaptions[] = {
    {Pitcher::Name, QT_TRANSLATE_NOOP("EditCaptions", "Name"), nullptr},
    {Pitcher::Style, QT_TRANSLATE_NOOP("EditCaptions", "Delivery"), nullptr},
    {Pitcher::Popularity, QT_TRANSLATE_NOOP("EditCaptions", "Popularity"), nullptr},
    {Pitcher::Era, QT_TRANSLATE_NOOP("EditCaptions", "ERA"), nullptr},
    {Pitcher::Stamina, QT_TRANSLATE_NOOP("EditCaptions", "Stamina"), nullptr},
    {Pitcher::Fast, QT_TRANSLATE_NOOP("EditCaptions", "Speed (Fast)"), nullptr},
    {Pitcher::Medium, QT_TRANSLATE_NOOP("EditCaptions", "Speed (Medium)"), nullptr},
    {Pitcher::Slow, QT_TRANSLATE_NOOP("EditCaptions", "Speed (Slow)"), nullptr},
    {Pitcher::RightBreak, QT_TRANSLATE_NOOP("EditCaptions", "Break Right"),
     QT_TRANSLATE_NOOP("EditCaptions", "Breaking Ball Right")},
    {Pitcher::LeftBreak, QT_TRANSLATE_NOOP("EditCaptions", "Break Left"),
     QT_TRANSLATE_NOOP("EditCaptions", "Breaking Ball Left")},
    {Pitcher::Fork, QT_TRANSLATE_NOOP("EditCaptions", "Forkball"), nullptr},
};

const ColumnCaption* CaptionOf(teamdata::Grid grid, int column) {
    const auto find = [column](const auto& captions) -> const ColumnCaption* {
        for (const ColumnCaption& caption : captions)
            if (caption.column == column)
                return &caption;
        return nullptr;
    };
    return grid == teamdata::Grid::Batters ? find(BatterCaptions) : find(PitcherCaptions);
}

} // namespace

QString ColumnName(teamdata::Grid grid, int column) {
    const ColumnCaption* caption = CaptionOf(grid, column);
    return caption ? Texts::tr(caption->name) : QString();
}

QString ValueCaption(teamdata::Grid grid, int column) {
    const ColumnCaption* caption = CaptionOf(grid, column);
    if (!caption)
        return {};
    return Texts::tr(caption->valueCaption ? caption->valueCaption : caption->name);
}

QString StepName(EditStep step) {
    switch (step) {
    case EditStep::BattingOrder:
        return Texts::tr("Batting Order");
    case EditStep::PitchingOrder:
        return Texts::tr("Pitching Order");
    case EditStep::Helmet:
        return Texts::tr("Helmet");
    case EditStep::Uniform:
        return Texts::tr("Uniform");
    case EditStep::TeamCsvImport:
        return Texts::tr("Import Team CSV");
    case EditStep::Paste:
        return Texts::tr("Paste");
    }
    return {};
}

} // namespace mainunit
