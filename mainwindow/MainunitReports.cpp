#include "Mainunit.h"

#include "MainunitShared.h"
#include "CellEditRules.h"
#include "Color.h"
#include "HelpViewer.h"
#include "MessageDialogs.h"
#include "Nameunit.h"
#include "Palette.h"
#include "RecordText.h"
#include "ShiftJis.h"
#include "TeamReport.h"
#include "TextNumbers.h"
#include "TolvanekApplication.h"
#include "UiFont.h"
#include "Valuedlg.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolButton>

#include <filesystem>


using namespace mainunit;

// ---- Reports ----

namespace {

reports::GridTexts GridTextsOf(const StringGrid* grid) {
    reports::GridTexts texts;
    for (const std::vector<QString>& row : grid->AllCells()) {
        std::vector<std::string>& out = texts.emplace_back();
        for (const QString& cell : row)
            out.push_back(cell.toStdString());
    }
    return texts;
}

} // namespace

void TMainForm::WriteReport(const QString& path, const std::string& text) {
    const QByteArray bytes = ShiftJis::Encode(QString::fromStdString(text));
    QFile file(path);
    bool saved = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (saved) {
        saved = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        saved = saved && file.error() == QFileDevice::NoError;
    }
    MessageDlg(this,
               saved ? QStringLiteral("ファイルを保存しました")
                     : QStringLiteral("ファイルを保存できません"),
               MessageKind::Confirmation, MessageButtons::Ok);
}

void TMainForm::SaveCSV() {
    if (FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("データがありません"));
        return;
    }
    const QString path = RunSaveDialog(this, SaveCSVDialog);
    if (path.isEmpty())
        return;
    WriteReport(path, reports::BuildCsv(GridTextsOf(BatterTable), GridTextsOf(PitcherTable)));
}

void TMainForm::OutputHTML() {
    if (FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("データがありません"));
        return;
    }
    const QString path = RunSaveDialog(this, SaveHTMLDialog);
    if (path.isEmpty())
        return;
    // The page is built before the file is touched: a total that cannot be computed ends the
    // export with its message and leaves any existing file as it was.
    const std::string page =
        reports::BuildHtml(TeamBox->itemText(TeamBox->currentIndex()).toStdString(),
                           GridTextsOf(BatterTable), GridTextsOf(PitcherTable));
    WriteReport(path, page);
}

void TMainForm::MenuSaveCSVClick() {
    SaveCSV();
}

void TMainForm::MenuOutputHTMLClick() {
    // A total that cannot be read ends the export with its message here: the exception must not
    // unwind through the toolkit's action code, which is not built to be unwound and leaks.
    try {
        OutputHTML();
    } catch (const std::exception& error) {
        TolvanekApplication::ShowException(error);
    }
}

