#include "Mainunit.h"

#include "Aboutdlg.h"
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

TMainForm* MainForm = nullptr;

namespace {

const QString ApplicationTitle = QStringLiteral("TOLVANEK");
const QString HelpFileName = QStringLiteral("Tolvanek.hlp");

const QStringList PitcherHeaders = {
    QStringLiteral("投手"),       QStringLiteral("名　　前　"), QStringLiteral("投法　"),
    QStringLiteral("人気"),       QStringLiteral("防御率 "),    QStringLiteral("スタミナ"),
    QStringLiteral("球速（速）"), QStringLiteral("球速（中）"), QStringLiteral("球速（遅）"),
    QStringLiteral("右変化"),     QStringLiteral("左変化"),     QStringLiteral("フォーク")};

const QStringList BatterHeaders = {QStringLiteral("打者"),       QStringLiteral("名　　前　"),
                                   QStringLiteral("打席　"),     QStringLiteral("人気"),
                                   QStringLiteral("守備位置"),   QStringLiteral("打　率"),
                                   QStringLiteral("本　塁　打"), QStringLiteral("　走　力　"),
                                   QStringLiteral("守　備　力"), QStringLiteral("　肩　")};

const QStringList BatterLabels = {
    QStringLiteral("　１"), QStringLiteral("　２"), QStringLiteral("　３"), QStringLiteral("　４"),
    QStringLiteral("　５"), QStringLiteral("　６"), QStringLiteral("　７"), QStringLiteral("　８"),
    QStringLiteral("Ｐ１"), QStringLiteral("Ｐ２"), QStringLiteral("Ｐ３"), QStringLiteral("Ｐ４"),
    QStringLiteral("Ｐ５")};

const QStringList PitcherLabels = {QStringLiteral("　１"), QStringLiteral("　２"),
                                   QStringLiteral("　３"), QStringLiteral("　４"),
                                   QStringLiteral("　５")};

// Window layout: a 41-pixel band of controls along the top, then the two grids.
constexpr int BandHeight = 41;
constexpr int BatterTableHeight = 192;
constexpr int PitcherTableHeight = 150;
constexpr int GridColumnCount = 12;
constexpr int TeamBoxWidth = 73;
constexpr int EditTeamLabelWidth = 65;

QString FileNamePart(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')),
                 std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))));
    return path.mid(cut + 1);
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(ApplicationTitle);
    setFont(JapaneseUiFont());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tolvanek16.png")));
    BuildMenu();
    BuildControls();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    MenuUpdate = bar->addMenu(QStringLiteral("ファイル(&F)"));
    MenuOpen = MenuUpdate->addAction(QStringLiteral("開く(&O)..."));
    MenuOpen->setShortcut(Qt::Key_F1);
    MenuClose = MenuUpdate->addAction(QStringLiteral("閉じる(&C)"));
    MenuClose->setShortcut(Qt::Key_F8);
    MenuUpdate->addSeparator();
    MenuSave = MenuUpdate->addAction(QStringLiteral("上書き保存(&U)"));
    MenuSave->setShortcut(Qt::Key_F5);
    MenuSaveNew = MenuUpdate->addAction(QStringLiteral("名前を付けて保存(&S)..."));
    O1 = MenuUpdate->addMenu(QStringLiteral("出力(&O)"));
    MenuSaveCSV = O1->addAction(QStringLiteral("CSV出力(&C)..."));
    MenuOutputHTML = O1->addAction(QStringLiteral("HTML出力(&H)..."));
    MenuUpdate->addSeparator();
    MenuExit = MenuUpdate->addAction(QStringLiteral("終了(&E)"));
    MenuExit->setShortcut(Qt::Key_F10);
    Help1 = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    Help2 = Help1->addAction(QStringLiteral("ヘルプ(&H)..."));
    V2 = Help1->addAction(QStringLiteral("バージョン(&V)..."));

    // The function keys work wherever the focus is in the window.
    for (QAction* action : {MenuOpen, MenuClose, MenuSave, MenuExit})
        action->setShortcutContext(Qt::WindowShortcut);

    connect(MenuOpen, &QAction::triggered, this, &TMainForm::MenuOpenClick);
    connect(MenuClose, &QAction::triggered, this, &TMainForm::MenuCloseClick);
    connect(MenuSave, &QAction::triggered, this, &TMainForm::MenuSaveClick);
    connect(MenuSaveNew, &QAction::triggered, this, &TMainForm::MenuSaveNewClick);
    connect(MenuSaveCSV, &QAction::triggered, this, &TMainForm::MenuSaveCSVClick);
    connect(MenuOutputHTML, &QAction::triggered, this, &TMainForm::MenuOutputHTMLClick);
    connect(MenuExit, &QAction::triggered, this, &TMainForm::MenuExitClick);
    connect(Help2, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(V2, &QAction::triggered, this, &TMainForm::V2Click);
}

void TMainForm::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Bevel1 = new QFrame(client);
    Bevel1->setFrameShape(QFrame::Panel);
    Bevel1->setFrameShadow(QFrame::Sunken);

    auto makeToolButton = [client](const QString& icon, const QString& hint, int left) {
        auto* button = new QToolButton(client);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(QIcon(icon));
        button->setIconSize(QSize(16, 16));
        button->setToolTip(hint);
        button->setGeometry(left, 8, 25, 25);
        return button;
    };
    SpeedOpenButton =
        makeToolButton(QStringLiteral(":/icons/open16.png"), QStringLiteral("ファイルを開く"), 16);
    SpeedUpdateButton =
        makeToolButton(QStringLiteral(":/icons/save16.png"), QStringLiteral("上書き保存"), 56);
    SpeedCloseButton = makeToolButton(QStringLiteral(":/icons/close16.png"),
                                      QStringLiteral("ファイルを閉じる"), 96);
    SpeedOpenButton->setObjectName(QStringLiteral("SpeedOpenButton"));
    SpeedUpdateButton->setObjectName(QStringLiteral("SpeedUpdateButton"));
    SpeedCloseButton->setObjectName(QStringLiteral("SpeedCloseButton"));

    auto makeSwatch = [client](int left) {
        auto* swatch = new QFrame(client);
        swatch->setGeometry(left, 8, 33, 25);
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        return swatch;
    };
    HelmetColor = makeSwatch(144);
    UniformColor = makeSwatch(280);
    SetSwatch(HelmetColor, Qt::white);
    SetSwatch(UniformColor, Qt::white);

    HelmetButton = new QPushButton(QStringLiteral("ヘルメット"), client);
    HelmetButton->setGeometry(184, 8, 75, 25);
    UniformButton = new QPushButton(QStringLiteral("ユニフォーム"), client);
    UniformButton->setGeometry(320, 8, 75, 25);

    EditTeamLabel = new QLabel(QStringLiteral("編集チーム："), client);
    EditTeamLabel->setGeometry(0, 8, EditTeamLabelWidth, 20);
    TeamBox = new QComboBox(client);
    TeamBox->setEditable(true);
    TeamBox->setInsertPolicy(QComboBox::NoInsert);
    TeamBox->setCompleter(nullptr);
    TeamBox->setGeometry(0, 8, TeamBoxWidth, 20);
    TeamBox->lineEdit()->installEventFilter(this);

    BatterTable = new StringGrid(GridColumnCount, 1 + teamdata::BatterCount, client);
    BatterTable->setObjectName(QStringLiteral("BatterTable"));
    QPalette white = BatterTable->palette();
    white.setColor(QPalette::Base, Qt::white);
    BatterTable->setPalette(white);
    PitcherTable = new StringGrid(GridColumnCount, 1 + teamdata::PitcherCount, client);
    PitcherTable->setObjectName(QStringLiteral("PitcherTable"));
    PitcherTable->SetRangeSelect(true);

    setTabOrder(BatterTable, PitcherTable);
    setTabOrder(PitcherTable, TeamBox);
    setTabOrder(TeamBox, HelmetButton);
    setTabOrder(HelmetButton, UniformButton);

    connect(SpeedOpenButton, &QToolButton::clicked, this, &TMainForm::SpeedOpenButtonClick);
    connect(SpeedUpdateButton, &QToolButton::clicked, this, &TMainForm::SpeedUpdateButtonClick);
    connect(SpeedCloseButton, &QToolButton::clicked, this, &TMainForm::SpeedCloseButtonClick);
    connect(HelmetButton, &QPushButton::clicked, this, &TMainForm::HelmetButtonClick);
    connect(UniformButton, &QPushButton::clicked, this, &TMainForm::UniformButtonClick);
    connect(TeamBox, &QComboBox::activated, this, &TMainForm::TeamBoxChange);
    connect(TeamBox->lineEdit(), &QLineEdit::textEdited, this, &TMainForm::TeamBoxTextEdited);
    connect(BatterTable, &StringGrid::Click, this, &TMainForm::BatterTableClick);
    connect(PitcherTable, &StringGrid::Click, this, &TMainForm::PitcherTableClick);
    connect(BatterTable, &StringGrid::RowMoved, this, &TMainForm::BatterTableRowMoved);
    connect(PitcherTable, &StringGrid::RowMoved, this, &TMainForm::PitcherTableRowMoved);

    OpenDialog = {QStringLiteral("NESticle ROM|*.nes|すべてのファイル(*.*)|*.*"),
                  QStringLiteral("nes"), QStringLiteral("*.nes"), false};
    SaveNewDialog = {QStringLiteral("NESticle ROM(*.nes)|*.nes|すべてのファイル(*.*)|*.*"),
                     QStringLiteral("nes"), QStringLiteral("*.nes"), false};
    SaveCSVDialog = {QStringLiteral("CSVファイル(*.csv)|*.csv|すべてのファイル(*.*)|*.*"),
                     QStringLiteral("csv"), QStringLiteral("*.csv"), true};
    SaveHTMLDialog = {QStringLiteral("HTMLファイル|*.html;*.htm|すべてのファイル|*.*"),
                      QStringLiteral("html"), QStringLiteral("*.html"), true};
}

void TMainForm::FormCreate() {
    for (int c = 0; c < GridColumnCount; ++c)
        PitcherTable->SetCells(c, 0, PitcherHeaders[c]);
    WritePitcherLabels();

    // Each column is as wide as its header is long in Shift_JIS bytes, six pixels a byte, and
    // the window is the grid plus a margin; the batter columns line up with the pitcher ones.
    int total = 0;
    for (int c = 0; c < GridColumnCount; ++c) {
        const int width = 6 * ShiftJis::ByteLength(PitcherTable->Cells(c, 0));
        PitcherTable->SetColWidths(c, width);
        total += width;
    }
    const int windowWidth = total + 40;

    for (int c = 0; c < BatterHeaders.size(); ++c)
        BatterTable->SetCells(c, 0, BatterHeaders[c]);
    WriteBatterLabels();
    for (int c = 0; c < GridColumnCount; ++c)
        BatterTable->SetColWidths(c, PitcherTable->ColWidths(c));

    const int clientHeight = BandHeight + BatterTableHeight + PitcherTableHeight;
    Bevel1->setGeometry(0, 0, windowWidth, BandHeight);
    BatterTable->setGeometry(0, BandHeight, windowWidth, BatterTableHeight);
    PitcherTable->setGeometry(0, BandHeight + BatterTableHeight, windowWidth, PitcherTableHeight);

    TeamBox->move(windowWidth - TeamBox->width() - 20, TeamBox->y());
    // The label is as wide as its text needs (at least its designed width) and ends 10 pixels
    // before the team box.
    EditTeamLabel->resize(std::max(EditTeamLabelWidth, EditTeamLabel->sizeHint().width()),
                          EditTeamLabel->height());
    EditTeamLabel->move(TeamBox->x() - EditTeamLabel->width() - 10, EditTeamLabel->y());

    setFixedSize(windowWidth, menuBar()->sizeHint().height() + clientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::WriteBatterLabels() {
    for (int r = 0; r < BatterLabels.size(); ++r)
        BatterTable->SetCells(0, r + 1, BatterLabels[r]);
}

void TMainForm::WritePitcherLabels() {
    for (int r = 0; r < PitcherLabels.size(); ++r)
        PitcherTable->SetCells(0, r + 1, PitcherLabels[r]);
}

void TMainForm::SetSwatch(QFrame* swatch, const QColor& color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
}

std::string TMainForm::NativePath(const QString& path) const {
    return QFile::encodeName(path).toStdString();
}

void TMainForm::ClearDataCells() {
    for (int r = 1; r < BatterTable->RowCount(); ++r)
        for (int c = 1; c < BatterTable->ColCount(); ++c)
            BatterTable->SetCells(c, r, QString());
    for (int r = 1; r < PitcherTable->RowCount(); ++r)
        for (int c = 1; c < PitcherTable->ColCount(); ++c)
            PitcherTable->SetCells(c, r, QString());
}

// ---- Opening, showing and closing ----

void TMainForm::MenuOpenClick() {
    OpenCartridge();
}

void TMainForm::SpeedOpenButtonClick() {
    OpenCartridge();
}

void TMainForm::OpenCartridge() {
    if (!FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("ファイルを閉じてください"));
        return;
    }
    const QString path = RunOpenDialog(this, OpenDialog);
    if (path.isEmpty())
        return;
    CloseCartridge();
    FilePath = path;
    if (!ShowTeam(0)) {
        // Nothing of a file that is not open stays on screen.
        FilePath.clear();
        ClearDataCells();
        shownTeam_ = -1;
        return;
    }
    shownTeam_ = 0;
    setWindowTitle(ApplicationTitle + QStringLiteral(" -") + FileNamePart(FilePath));
    TeamBox->clear();
    TeamBox->clearEditText();
    for (std::string_view initials : TRomTeamData::TeamInitials)
        TeamBox->addItem(
            QString::fromUtf8(initials.data(), static_cast<qsizetype>(initials.size())));
    TeamBox->setCurrentIndex(0);
    DataChanged = 0;
}

bool TMainForm::ShowTeam(int team) {
    bool shown = false;
    {
        // The grids repaint once when the team is in, not once for every one of its cells.
        const GridRepaintPause pause({BatterTable, PitcherTable});
        shown = FillTeam(team);
    }
    if (!shown) {
        ShowError(this, QStringLiteral("ファイルが壊れています"));
        return false;
    }
    // An image that ends before its colour table still shows its players; the colours then
    // keep their earlier values.
    std::uint8_t helmet = 0;
    std::uint8_t uniform = 0;
    if (RomTeamData.ReadColors(NativePath(FilePath), team, helmet, uniform)) {
        RomTeamData.HelmetColorByte = helmet;
        RomTeamData.UniformColorByte = uniform;
    }
    SetSwatch(HelmetColor, QColor::fromRgb(teamdata::SwatchColor(RomTeamData.HelmetColorByte)));
    SetSwatch(UniformColor, QColor::fromRgb(teamdata::SwatchColor(RomTeamData.UniformColorByte)));
    return true;
}

bool TMainForm::FillTeam(int team) {
    // Each record's row is written as soon as it is read, so after a failed read the rows
    // before it already show the new team.
    const std::string path = NativePath(FilePath);
    for (int i = 0; i < teamdata::BatterCount; ++i) {
        teamdata::BatterBytes bytes;
        if (!RomTeamData.ReadBatter(path, team, i, bytes))
            return false;
        const teamdata::BatterRowTexts texts = teamdata::BatterRowFromBytes(bytes);
        for (std::size_t c = 0; c < texts.size(); ++c)
            BatterTable->SetCells(static_cast<int>(c) + 1, i + 1, QString::fromStdString(texts[c]));
    }
    for (int i = 0; i < teamdata::PitcherCount; ++i) {
        teamdata::PitcherBytes bytes;
        if (!RomTeamData.ReadPitcher(path, team, i, bytes))
            return false;
        const teamdata::PitcherRowTexts texts = teamdata::PitcherRowFromBytes(bytes);
        for (std::size_t c = 0; c < texts.size(); ++c)
            PitcherTable->SetCells(static_cast<int>(c) + 1, i + 1,
                                   QString::fromStdString(texts[c]));
    }
    return true;
}

void TMainForm::TeamBoxChange() {
    if (DataChanged == 1 &&
        !AskYesNo(this, QStringLiteral("現在のデータは変更されています。よろしいですか？"))) {
        // The grids still hold the shown team; so must TeamBox, or a save would write these
        // rows into the records of the team just picked.
        RestoreTeamBoxEntry();
        return;
    }
    const int team = TeamBox->currentIndex();
    if (ShowTeam(team)) {
        shownTeam_ = team;
    } else {
        FilePath.clear();
        ClearDataCells();
        setWindowTitle(ApplicationTitle);
        shownTeam_ = -1;
    }
    DataChanged = 0;
}

void TMainForm::RestoreTeamBoxEntry() {
    if (shownTeam_ >= 0 && shownTeam_ < TeamBox->count()) {
        TeamBox->setCurrentIndex(shownTeam_);
        TeamBox->setEditText(TeamBox->itemText(shownTeam_));
    } else {
        TeamBox->setCurrentIndex(-1);
        TeamBox->clearEditText();
    }
}

void TMainForm::TeamBoxTextEdited(const QString& text) {
    // Typing the initials of a team picks it; anything else is put back when editing ends.
    const int entry = TeamBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0)
        return;
    TeamBox->setCurrentIndex(entry);
    TeamBoxChange();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TeamBox->lineEdit()) {
        const bool finishesEditing = event->type() == QEvent::FocusOut ||
                                     (event->type() == QEvent::KeyPress &&
                                      (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                       static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
        if (finishesEditing) {
            const int entry = TeamBox->findText(TeamBox->currentText(),
                                                Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (entry < 0 || entry != TeamBox->currentIndex())
                RestoreTeamBoxEntry();
            if (event->type() == QEvent::KeyPress)
                return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::CloseCartridge() {
    ClearDataCells();
    FilePath.clear();
    setWindowTitle(ApplicationTitle);
}

bool TMainForm::ConfirmDiscardEdits() {
    if (DataChanged != 1)
        return true;
    if (!AskYesNo(this, QStringLiteral("現在のデータは変更されています。よろしいですか？")))
        return false;
    DataChanged = 0;
    return true;
}

void TMainForm::MenuCloseClick() {
    if (!ConfirmDiscardEdits())
        return;
    CloseCartridge();
}

void TMainForm::SpeedCloseButtonClick() {
    if (!ConfirmDiscardEdits())
        return;
    DataChanged = 0;
    CloseCartridge();
}

void TMainForm::MenuExitClick() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!ConfirmDiscardEdits()) {
        event->ignore();
        return;
    }
    event->accept();
}

// ---- Saving ----

teamdata::BatterRows TMainForm::BatterRowsShown() const {
    teamdata::BatterRows rows;
    for (int r = 0; r < teamdata::BatterCount; ++r)
        for (int c = 0; c < static_cast<int>(rows[0].size()); ++c)
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                BatterTable->Cells(c + 1, r + 1).toStdString();
    return rows;
}

teamdata::PitcherRows TMainForm::PitcherRowsShown() const {
    teamdata::PitcherRows rows;
    for (int r = 0; r < teamdata::PitcherCount; ++r)
        for (int c = 0; c < static_cast<int>(rows[0].size()); ++c)
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                PitcherTable->Cells(c + 1, r + 1).toStdString();
    return rows;
}

bool TMainForm::TeamReadyToSave() {
    if (TeamBox->currentIndex() < 0 || FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("保存するデータが存在しません"));
        return false;
    }
    switch (teamdata::CheckTeamTexts(BatterRowsShown(), PitcherRowsShown())) {
    case teamdata::SaveRefusal::None:
        return true;
    case teamdata::SaveRefusal::RecordNotWritable:
        ShowError(this, QStringLiteral("ファイルを作成できません"));
        return false;
    case teamdata::SaveRefusal::FieldingPositions:
        ShowError(this, QStringLiteral("守備位置がおかしい"));
        return false;
    }
    return false;
}

void TMainForm::SaveTeam(const QString& target) {
    // Every text is checked before the first byte is written: a refused save leaves the target
    // exactly as it was rather than holding half of each version of the team.
    if (!TeamReadyToSave())
        return;
    const int team = TeamBox->currentIndex();
    const std::string path = NativePath(target);
    const teamdata::BatterRows batters = BatterRowsShown();
    const teamdata::PitcherRows pitchers = PitcherRowsShown();
    bool written = true;
    for (int i = 0; written && i < teamdata::BatterCount; ++i)
        written = RomTeamData.WriteBatter(path, team, i, batters[static_cast<std::size_t>(i)]);
    for (int i = 0; written && i < teamdata::PitcherCount; ++i)
        written = RomTeamData.WritePitcher(path, team, i, pitchers[static_cast<std::size_t>(i)]);
    // A colour entry that does not reach the disk is a failed save like any other: the colour
    // pick would otherwise be dropped without a word.
    written = written && RomTeamData.WriteColors(path, team, RomTeamData.HelmetColorByte,
                                                 RomTeamData.UniformColorByte);
    if (!written) {
        ShowError(this, QStringLiteral("ファイルを作成できません"));
        return;
    }
    DataChanged = 0;
}

void TMainForm::MenuSaveClick() {
    if (TeamBox->currentIndex() >= 0 && !FilePath.isEmpty())
        SaveTeam(FilePath);
    else
        ShowError(this, QStringLiteral("保存するデータが存在しません"));
}

void TMainForm::SpeedUpdateButtonClick() {
    SaveTeam(FilePath);
}

namespace {

bool IsSameFile(const QString& first, const QString& second) {
    std::error_code error;
    return std::filesystem::equivalent(
               std::filesystem::path(QFile::encodeName(first).toStdString()),
               std::filesystem::path(QFile::encodeName(second).toStdString()), error) &&
           !error;
}

enum class CopyResult { Copied, SourceUnreadable, TargetUnwritable };

// Copies the image byte for byte in blocks. A partial copy is removed on any failure.
CopyResult CopyImage(const QString& source, const QString& target) {
    QFile in(source);
    // Only a plain file has an end to copy up to; a device such as /dev/zero never reports one.
    if (!in.open(QIODevice::ReadOnly) || in.isSequential())
        return CopyResult::SourceUnreadable;
    // What a failed copy may take away again is only what the copy itself made: a new file or a
    // plain file it replaced, never a device or a link that was named as the target.
    std::error_code ignored;
    const std::filesystem::file_type targetKind =
        std::filesystem::symlink_status(QFile::encodeName(target).toStdString(), ignored).type();
    const bool removableOnFailure = targetKind == std::filesystem::file_type::not_found ||
                                    targetKind == std::filesystem::file_type::regular;
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return CopyResult::TargetUnwritable;
    constexpr qint64 BlockSize = 2000;
    char block[BlockSize];
    CopyResult result = CopyResult::Copied;
    for (;;) {
        const qint64 count = in.read(block, BlockSize);
        if (count < 0) {
            result = CopyResult::SourceUnreadable;
            break;
        }
        if (count == 0)
            break;
        if (out.write(block, count) != count) {
            result = CopyResult::TargetUnwritable;
            break;
        }
    }
    if (result == CopyResult::Copied && (!out.flush() || out.error() != QFileDevice::NoError))
        result = CopyResult::TargetUnwritable;
    out.close();
    if (result == CopyResult::Copied && out.error() != QFileDevice::NoError)
        result = CopyResult::TargetUnwritable;
    if (result != CopyResult::Copied && removableOnFailure)
        out.remove();
    return result;
}

} // namespace

void TMainForm::MenuSaveNewClick() {
    if (FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("データがありません"));
        return;
    }
    const QString target = RunSaveDialog(this, SaveNewDialog);
    if (target.isEmpty())
        return;
    // Copying the open file onto itself would empty it before it is read: save in place.
    if (IsSameFile(target, FilePath)) {
        SaveTeam(FilePath);
        return;
    }
    // A save that will be refused must not leave a copy (or a replaced file) behind.
    if (!TeamReadyToSave())
        return;
    switch (CopyImage(FilePath, target)) {
    case CopyResult::SourceUnreadable:
        ShowError(this, QStringLiteral("元ファイルを読めません"));
        return;
    case CopyResult::TargetUnwritable:
        ShowError(this, QStringLiteral("ファイルを作れません"));
        return;
    case CopyResult::Copied:
        break;
    }
    SaveTeam(target);
}

// ---- Editing cells ----

void TMainForm::EditName(StringGrid* grid) {
    NameForm->NameEdit->setText(QString());
    NameForm->OldNameLabel->setText(grid->Cells(grid->Col(), grid->Row()));
    if (NameForm->exec() != QDialog::Accepted)
        return;
    grid->SetCells(grid->Col(), grid->Row(), NameForm->NameEdit->text());
    DataChanged = 1;
}

std::optional<int> TMainForm::AskValue(StringGrid* grid, const teamdata::ValueColumn& column) {
    const int col = grid->Col();
    const int row = grid->Row();
    // A cell that holds no number fails here, before any dialog, and the failure is shown.
    const int initial = teamdata::StrictToInt(grid->Cells(col, row).toStdString());
    ValueDialog->SetupDialog(
        QString::fromUtf8(column.caption.data(), static_cast<qsizetype>(column.caption.size())),
        column.minimum, column.maximum, column.smallStep, column.largeStep, initial,
        grid->Cells(1, row));
    if (ValueDialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return ValueDialog->ValueBar->value();
}

void TMainForm::BatterTableClick() {
    if (FilePath.isEmpty())
        return;
    const int row = BatterTable->Row();
    const int col = BatterTable->Col();
    if (row == 0)
        return;
    if (col == teamdata::BatterColumn::Name) {
        EditName(BatterTable);
        return;
    }
    if (col == teamdata::BatterColumn::Side) {
        const auto next = teamdata::NextBatterSide(BatterTable->Cells(col, row).toStdString());
        if (!next)
            return;
        DataChanged = 1;
        BatterTable->SetCells(col, row, QString::fromUtf8(next->data(), next->size()));
        return;
    }
    const auto column = teamdata::BatterValueColumn(col);
    if (!column)
        return;
    const std::optional<int> value = AskValue(BatterTable, *column);
    if (!value)
        return;
    const QString text = QString::number(*value);
    if (col == teamdata::BatterColumn::Position) {
        DataChanged = 1;
        std::array<std::string, teamdata::BattingOrderLength> positions;
        for (int r = 1; r <= teamdata::BattingOrderLength; ++r)
            positions[static_cast<std::size_t>(r - 1)] = BatterTable->Cells(col, r).toStdString();
        const int swapRow = teamdata::PositionSwapRow(positions, row, text.toStdString());
        if (swapRow > 0)
            BatterTable->SetCells(col, swapRow, BatterTable->Cells(col, row));
        BatterTable->SetCells(col, row, text);
        return;
    }
    BatterTable->SetCells(col, row, text);
    DataChanged = 1;
}

void TMainForm::PitcherTableClick() {
    if (FilePath.isEmpty())
        return;
    const int row = PitcherTable->Row();
    const int col = PitcherTable->Col();
    if (row == 0)
        return;
    if (col == teamdata::PitcherColumn::Name) {
        EditName(PitcherTable);
        return;
    }
    if (col == teamdata::PitcherColumn::Style) {
        const auto next = teamdata::NextPitchingStyle(PitcherTable->Cells(col, row).toStdString());
        if (!next)
            return;
        PitcherTable->SetCells(col, row, QString::fromUtf8(next->data(), next->size()));
        DataChanged = 1;
        return;
    }
    const auto column = teamdata::PitcherValueColumn(col);
    if (!column)
        return;
    const std::optional<int> value = AskValue(PitcherTable, *column);
    if (!value)
        return;
    PitcherTable->SetCells(col, row, QString::number(*value));
    DataChanged = 1;
}

// ---- Team colours and row order ----

void TMainForm::PickTeamColor(QFrame* swatch, std::uint8_t& colorByte) {
    if (FilePath.isEmpty()) {
        ShowError(this, QStringLiteral("データがありません"));
        return;
    }
    if (ColorForm->exec() != QDialog::Accepted)
        return;
    ChosenColorIndex = ColorForm->ChosenColorIndex();
    ChosenColor = ColorForm->ChosenColor();
    SetSwatch(swatch, ChosenColor);
    colorByte = static_cast<std::uint8_t>(ChosenColorIndex & 0xFF);
    // A new colour is an edit like any other: switching team or closing asks before dropping it.
    DataChanged = 1;
}

void TMainForm::HelmetButtonClick() {
    PickTeamColor(HelmetColor, RomTeamData.HelmetColorByte);
}

void TMainForm::UniformButtonClick() {
    PickTeamColor(UniformColor, RomTeamData.UniformColorByte);
}

void TMainForm::BatterTableRowMoved(int fromIndex, int toIndex) {
    WriteBatterLabels();
    if (fromIndex != toIndex)
        DataChanged = 1;
}

void TMainForm::PitcherTableRowMoved(int fromIndex, int toIndex) {
    WritePitcherLabels();
    if (fromIndex != toIndex)
        DataChanged = 1;
}

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

// ---- Help ----

void TMainForm::Help2Click() {
    if (auto* application = dynamic_cast<TolvanekApplication*>(QCoreApplication::instance()))
        application->HelpFile = HelpFileName;
    ShowHelpTopics(this, HelpFileName);
}

void TMainForm::V2Click() {
    AboutDialog->exec();
}

// ---- Start-up ----

void CreateApplicationWindows() {
    MainForm = new TMainForm();
    NameForm = new TNameForm();
    ValueDialog = new TValueDialog();
    AboutDialog = new TAboutDialog();
    ColorForm = new TColorForm();
}

void DestroyApplicationWindows() {
    delete ColorForm;
    ColorForm = nullptr;
    delete AboutDialog;
    AboutDialog = nullptr;
    delete ValueDialog;
    ValueDialog = nullptr;
    delete NameForm;
    NameForm = nullptr;
    delete MainForm;
    MainForm = nullptr;
}
