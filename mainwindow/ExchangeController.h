// SPDX-License-Identifier: MIT
#pragma once

#include "Apply.h"
#include "Compare.h"
#include "ImageFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The window's comparison and its patch application, from the files the user chose to what is
// shown and asked: the plans decide, this class reads the files, asks and words, and TMainForm's
// handlers only hand their workflow over.
class TExchangeController {
public:
    // What a comparison window needs of the main window: a place beside it, and the team and cell
    // of a change shown there.
    struct WindowHooks {
        std::function<void(QWidget*)> placeBeside;
        std::function<void(const QString& comparedImage, const teamdata::LeagueChange&)> showPlace;
    };

    TExchangeController(QWidget* parent, WindowHooks hooks);

    // What the file chosen to compare with is, told by its bytes.
    using KindOf = std::function<plans::CompareKind(const QByteArray& bytes)>;

    // One comparison in the direction the user chose: the open image as it is on disk and the
    // other side (another image, or the open one with a patch applied), either of them before.
    struct Comparison {
        plans::ComparisonPlan plan;
        std::vector<std::uint8_t> image; // as it is on disk
        QString imageName;
        QString otherName;       // the other side as the message names it
        QStringList description; // what is compared, and what the user should know of it
        bool otherIsBefore = false;
        std::vector<teamdata::LeagueChange> changes; // in the chosen direction

        void Compare();
        [[nodiscard]] QString Message() const;
    };

    // The image at `imagePath` as it is on disk beside the file at `otherPath`, read as `kindOf`
    // says it is, planned and, where the plan asks first, asked about. Empty when the comparison
    // stops; the user has been told why.
    [[nodiscard]] std::optional<Comparison> PrepareComparison(const QString& imagePath,
                                                              const QString& otherPath,
                                                              const KindOf& kindOf,
                                                              std::optional<int> team = {});

    // The whole of 比較 once the other file is chosen: prepared, then told (the same data, or a
    // patch already applied) or shown in a comparison window beside the main window.
    void Compare(const QString& imagePath, const QString& otherPath, const KindOf& kindOf);

    // The patch application planned for `image` (read and not refused), the user asked where the
    // result does not look like the game's. Empty when it is not to be written; the user has been
    // told why. `notes` receives what the user should know about how it was applied.
    [[nodiscard]] std::optional<plans::ApplyPlan>
    PlanPatch(const exchange::LoadedImage& image, const QByteArray& patch, QStringList& notes);

private:
    QWidget* parent_;
    WindowHooks hooks_;
};
