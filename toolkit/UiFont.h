// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

// The editor's Japanese UI font: "ＭＳ Ｐゴシック" where it exists, else a Japanese gothic.
[[nodiscard]] QFont JapaneseUiFont(int pixelSize = 12);
