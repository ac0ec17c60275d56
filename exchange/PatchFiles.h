// SPDX-License-Identifier: MIT
#pragma once

#include "Apply.h"
#include "ImageFile.h"
#include "Patch.h"
#include "PatchOrigin.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the faces show of a received patch applied to an image (Apply.h): the result as a loaded
// image, and why it was refused or what to know about it, in the user's language.
namespace exchange {

// The patched image a plan holds, as a loaded image, for the words and pages made of it.
[[nodiscard]] LoadedImage ResultImage(const plans::ApplyPlan& plan);

// Why the patch is not applied, in the user's language: already applied, or refused with the
// checksums that tell the images apart. Empty when it is applied.
[[nodiscard]] QString DescribeApplyRefusal(const plans::ApplyPlan& plan);

// What the user should know about a patch that is applied: that it went behind another header,
// or that an IPS patch cannot prove which image it was made for.
[[nodiscard]] QStringList DescribeApplyNotes(const plans::ApplyPlan& plan);

} // namespace exchange
