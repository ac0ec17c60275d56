// SPDX-License-Identifier: MIT
#pragma once

class QCoreApplication;
class QLocale;

// Installs the program's own Japanese messages (built in) and Qt's Japanese texts (from the
// folder Qt reports for its translations) when `locale` is Japanese; for any other locale the
// English texts of the sources stay. A missing Qt translation file only leaves Qt's texts English.
void InstallTranslations(QCoreApplication& application, const QLocale& locale);
