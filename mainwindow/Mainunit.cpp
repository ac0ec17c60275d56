// SPDX-License-Identifier: MIT
#include "Mainunit.h"

#include "Aboutdlg.h"
#include "Color.h"
#include "GridCaptions.h"
#include "HelpViewer.h"
#include "MainunitShared.h"
#include "Nameunit.h"
#include "ShiftJis.h"
#include "TolvanekApplication.h"
#include "UiFont.h"
#include "Valuedlg.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

TMainForm* MainForm = nullptr;

using namespace mainunit;

namespace {

const QString HelpFileName = QStringLiteral("Tolvanek.hlp");

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Window layout: a 41-pixel band of controls along the top, then the two grids.
constexpr int BandHeight = 41;
constexpr int BatterTableHeight = 192;
constexpr int PitcherTableHeight = 150;
constexpr int TeamBoxWidth = 73;
constexpr int EditTeamLabelWidth = 65;

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
    MenuSaveLeagueCSV = O1->addAction(QStringLiteral("リーグCSV出力(&L)..."));
    MenuOutputPatch = O1->addAction(QStringLiteral("パッチ出力(&P)..."));
    I1 = MenuUpdate->addMenu(QStringLiteral("取込(&I)"));
    MenuImportCSV = I1->addAction(QStringLiteral("CSV取込(&C)..."));
    MenuImportLeagueCSV = I1->addAction(QStringLiteral("リーグCSV取込(&L)..."));
    MenuUpdate->addSeparator();
    MenuExit = MenuUpdate->addAction(QStringLiteral("終了(&E)"));
    MenuExit->setShortcut(Qt::Key_F10);
    MenuEdit = bar->addMenu(QStringLiteral("編集(&E)"));
    MenuUndo = MenuEdit->addAction(QStringLiteral("元に戻す(&U)"));
    MenuUndo->setShortcut(QKeySequence::Undo);
    MenuRedo = MenuEdit->addAction(QStringLiteral("やり直し(&R)"));
    MenuRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Help1 = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    Help2 = Help1->addAction(QStringLiteral("ヘルプ(&H)..."));
    V2 = Help1->addAction(QStringLiteral("バージョン(&V)..."));

    // The function keys work wherever the focus is in the window.
    for (QAction* action : {MenuOpen, MenuClose, MenuSave, MenuExit, MenuUndo, MenuRedo})
        action->setShortcutContext(Qt::WindowShortcut);

    connect(MenuOpen, &QAction::triggered, this, &TMainForm::MenuOpenClick);
    connect(MenuClose, &QAction::triggered, this, &TMainForm::MenuCloseClick);
    connect(MenuSave, &QAction::triggered, this, &TMainForm::MenuSaveClick);
    connect(MenuSaveNew, &QAction::triggered, this, &TMainForm::MenuSaveNewClick);
    connect(MenuSaveCSV, &QAction::triggered, this, &TMainForm::MenuSaveCSVClick);
    connect(MenuOutputHTML, &QAction::triggered, this, &TMainForm::MenuOutputHTMLClick);
    connect(MenuSaveLeagueCSV, &QAction::triggered, this, &TMainForm::MenuSaveLeagueCSVClick);
    connect(MenuOutputPatch, &QAction::triggered, this, &TMainForm::MenuOutputPatchClick);
    connect(MenuImportCSV, &QAction::triggered, this, &TMainForm::MenuImportCSVClick);
    connect(MenuImportLeagueCSV, &QAction::triggered, this, &TMainForm::MenuImportLeagueCSVClick);
    connect(MenuExit, &QAction::triggered, this, &TMainForm::MenuExitClick);
    connect(Help2, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(V2, &QAction::triggered, this, &TMainForm::V2Click);

    // Undo never writes to the image and never shows a dialog: the commands only put texts,
    // rows and colours back. The edit flag follows the stack, so undoing every edit since the
    // team was shown or saved leaves nothing to ask about.
    connect(MenuUndo, &QAction::triggered, &undoStack_, &QUndoStack::undo);
    connect(MenuRedo, &QAction::triggered, &undoStack_, &QUndoStack::redo);
    // Every step (an edit, an undo, a redo) sets it anew, so an edit marks the team changed even
    // when it follows a moment at which the flag was cleared by other means.
    connect(&undoStack_, &QUndoStack::indexChanged, this, &TMainForm::UpdateUndoActions);
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &TMainForm::UpdateUndoActions);
    UpdateUndoActions();
}

void TMainForm::UpdateUndoActions() {
    DataChanged = undoStack_.isClean() ? 0 : 1;
    const auto caption = [](const QString& action, const QString& what) {
        return what.isEmpty() ? action : action + QStringLiteral(": ") + what;
    };
    MenuUndo->setText(caption(QStringLiteral("元に戻す(&U)"), undoStack_.undoText()));
    MenuRedo->setText(caption(QStringLiteral("やり直し(&R)"), undoStack_.redoText()));
    MenuUndo->setEnabled(undoStack_.canUndo());
    MenuRedo->setEnabled(undoStack_.canRedo());
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

    BatterTable = new StringGrid(teamdata::GridColumnCount, 1 + teamdata::BatterCount, client);
    BatterTable->setObjectName(QStringLiteral("BatterTable"));
    QPalette white = BatterTable->palette();
    white.setColor(QPalette::Base, Qt::white);
    BatterTable->setPalette(white);
    PitcherTable = new StringGrid(teamdata::GridColumnCount, 1 + teamdata::PitcherCount, client);
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
                  QStringLiteral("nes"),
                  QStringLiteral("*.nes"),
                  false,
                  {}};
    SaveNewDialog = {QStringLiteral("NESticle ROM(*.nes)|*.nes|すべてのファイル(*.*)|*.*"),
                     QStringLiteral("nes"),
                     QStringLiteral("*.nes"),
                     false,
                     {}};
    SaveCSVDialog = {QStringLiteral("CSVファイル(*.csv)|*.csv|すべてのファイル(*.*)|*.*"),
                     QStringLiteral("csv"),
                     QStringLiteral("*.csv"),
                     true,
                     {}};
    SaveHTMLDialog = {QStringLiteral("HTMLファイル|*.html;*.htm|すべてのファイル|*.*"),
                      QStringLiteral("html"),
                      QStringLiteral("*.html"),
                      true,
                      {}};
    const QString csvFilter = QStringLiteral("CSVファイル(*.csv)|*.csv|すべてのファイル(*.*)|*.*");
    SaveLeagueCSVDialog = {csvFilter, QStringLiteral("csv"), QStringLiteral("*.csv"), true,
                           QStringLiteral("リーグCSV出力")};
    ImportCSVDialog = {csvFilter, QStringLiteral("csv"), QStringLiteral("*.csv"), false,
                       QStringLiteral("CSV取込")};
    ImportLeagueCSVDialog = {csvFilter, QStringLiteral("csv"), QStringLiteral("*.csv"), false,
                             QStringLiteral("リーグCSV取込")};
    PatchOriginalDialog = {QStringLiteral("NESticle ROM|*.nes|すべてのファイル(*.*)|*.*"),
                           QStringLiteral("nes"), QStringLiteral("*.nes"), false,
                           QStringLiteral("元のイメージを開く")};
    SavePatchDialog = {QStringLiteral("BPSパッチ(*.bps)|*.bps|IPSパッチ(*.ips)|*.ips"),
                       QStringLiteral("bps"),
                       QString(),
                       true,
                       QStringLiteral("パッチ出力"),
                       true};
}

void TMainForm::FormCreate() {
    for (int c = 0; c < teamdata::GridColumnCount; ++c)
        PitcherTable->SetCells(c, 0, Text(teamdata::PitcherHeaders[static_cast<std::size_t>(c)]));
    WritePitcherLabels();

    // Each column is as wide as its header is long in Shift_JIS bytes, six pixels a byte, and
    // the window is the grid plus a margin; the batter columns line up with the pitcher ones.
    int total = 0;
    for (int c = 0; c < teamdata::GridColumnCount; ++c) {
        const int width = 6 * ShiftJis::ByteLengthOfEncodable(PitcherTable->Cells(c, 0));
        PitcherTable->SetColWidths(c, width);
        total += width;
    }
    const int windowWidth = total + 40;

    for (std::size_t c = 0; c < teamdata::BatterHeaders.size(); ++c)
        BatterTable->SetCells(static_cast<int>(c), 0, Text(teamdata::BatterHeaders[c]));
    WriteBatterLabels();
    for (int c = 0; c < teamdata::GridColumnCount; ++c)
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
    for (std::size_t r = 0; r < teamdata::BatterLabels.size(); ++r)
        BatterTable->SetCells(0, static_cast<int>(r) + 1, Text(teamdata::BatterLabels[r]));
}

void TMainForm::WritePitcherLabels() {
    for (std::size_t r = 0; r < teamdata::PitcherLabels.size(); ++r)
        PitcherTable->SetCells(0, static_cast<int>(r) + 1, Text(teamdata::PitcherLabels[r]));
}

void TMainForm::SetSwatch(QFrame* swatch, const QColor& color) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, color);
    swatch->setPalette(palette);
}

void TMainForm::ClearDataCells() {
    for (int r = 1; r < BatterTable->RowCount(); ++r)
        for (int c = 1; c < BatterTable->ColCount(); ++c)
            BatterTable->SetCells(c, r, QString());
    for (int r = 1; r < PitcherTable->RowCount(); ++r)
        for (int c = 1; c < PitcherTable->ColCount(); ++c)
            PitcherTable->SetCells(c, r, QString());
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
    // The dialogs build their controls when first shown: a session pays only for those it uses,
    // and the main window is not kept waiting for any of them.
    constexpr auto deferred = DeferredDialog::Controls::WhenFirstShown;
    MainForm = new TMainForm();
    NameForm = new TNameForm(nullptr, deferred);
    ValueDialog = new TValueDialog(nullptr, deferred);
    AboutDialog = new TAboutDialog(nullptr, deferred);
    ColorForm = new TColorForm(nullptr, deferred);
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
