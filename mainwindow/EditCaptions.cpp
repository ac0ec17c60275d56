// SPDX-License-Identifier: MIT
#include "EditCaptions.h"

#include <QCoreApplication>

namespace mainunit {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EditCaptions)
};

} // namespace

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
