// SPDX-License-Identifier: MIT
// The main window built: its menus, its controls and their places, and its file dialogs.
#include "Mainunit.h"

#include "GridCaptions.h"
#include "MainunitShared.h"
#include "ShiftJis.h"
#include "TeamWords.h"

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
#include <QTimer>
#include <QToolButton>

using namespace mainunit;

namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Window layout: a 41-pixel band of controls along the top, then the two grids.
constexpr int BandHeight = 41;
constexpr int BatterTableHeight = 192;
constexpr int PitcherTableHeight = 150;
constexpr int TeamBoxWidth = 73;
constexpr int EditTeamLabelWidth = 65;
// Long enough to be read, short enough not to stay as if it were part of the window.
constexpr int SavedCopyNoteTime = 6000;

// A file type of a file dialog: its description, in the user's language, and its patterns.
struct FilterEntry {
    QString description;
    const char* patterns;
};

// The filter text of FileDialogSettings: description|patterns pairs.
QString FilterText(std::initializer_list<FilterEntry> entries) {
    QStringList parts;
    for (const FilterEntry& entry : entries)
        parts << entry.description << QLatin1String(entry.patterns);
    return parts.join(QLatin1Char('|'));
}

} // namespace

void TMainForm::BuildMenu() {
    QMenuBar* bar = menuBar();
    menuUpdate_ = bar->addMenu(tr("&File"));
    menuOpen_ = menuUpdate_->addAction(tr("&Open..."));
    menuOpen_->setShortcut(Qt::Key_F1);
    menuClose_ = menuUpdate_->addAction(tr("&Close"));
    menuClose_->setShortcut(Qt::Key_F8);
    menuUpdate_->addSeparator();
    menuSave_ = menuUpdate_->addAction(tr("&Save"));
    // F5 first: the menu shows the first shortcut, and F5 is the one the editor has always had.
    menuSave_->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_S)});
    menuSaveNew_ = menuUpdate_->addAction(tr("Save &As..."));
    o1_ = menuUpdate_->addMenu(tr("&Export"));
    menuSaveCSV_ = o1_->addAction(tr("Team &CSV...", "export"));
    menuOutputHTML_ = o1_->addAction(tr("Team &HTML..."));
    menuSaveLeagueCSV_ = o1_->addAction(tr("&League CSV...", "export"));
    menuOutputLeagueOverview_ = o1_->addAction(tr("League O&verview HTML..."));
    menuSaveTeamJSON_ = o1_->addAction(tr("Team &JSON..."));
    menuSaveLeagueJSON_ = o1_->addAction(tr("League J&SON..."));
    menuOutputPatch_ = o1_->addAction(tr("&Patch..."));
    i1_ = menuUpdate_->addMenu(tr("&Import"));
    menuImportCSV_ = i1_->addAction(tr("Team &CSV...", "import"));
    menuImportLeagueCSV_ = i1_->addAction(tr("&League CSV...", "import"));
    menuImportSeason_ = i1_->addAction(tr("Import season statistics..."));
    menuApplyPatch_ = i1_->addAction(tr("Apply &Patch..."));
    menuCompare_ = menuUpdate_->addAction(tr("Show &Differences..."));
    menuImageInfo_ = menuUpdate_->addAction(tr("Image In&formation..."));
    menuPlay_ = menuUpdate_->addAction(tr("&Play in emulator"));
    menuPlay_->setShortcut(Qt::Key_F9);
    menuUpdate_->addSeparator();
    menuExit_ = menuUpdate_->addAction(tr("E&xit"));
    menuExit_->setShortcut(Qt::Key_F10);
    menuEdit_ = bar->addMenu(tr("&Edit"));
    menuUndo_ = menuEdit_->addAction(QString());
    menuUndo_->setShortcut(QKeySequence::Undo);
    menuRedo_ = menuEdit_->addAction(QString());
    menuRedo_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    menuEdit_->addSeparator();
    menuCopy_ = menuEdit_->addAction(tr("&Copy"));
    menuCopy_->setShortcuts(QKeySequence::Copy);
    menuPaste_ = menuEdit_->addAction(tr("&Paste"));
    menuPaste_->setShortcuts(QKeySequence::Paste);
    help1_ = bar->addMenu(tr("&Help"));
    help2_ = help1_->addAction(tr("&Help Topics..."));
    v2_ = help1_->addAction(tr("&About TOLVANEK..."));

    // The function keys work wherever the focus is in the window. So do Ctrl+C and Ctrl+V, except
    // in the team box's edit field, which takes them for its own text first.
    for (QAction* action : {menuOpen_, menuClose_, menuSave_, menuPlay_, menuExit_, menuUndo_,
                            menuRedo_, menuCopy_, menuPaste_})
        action->setShortcutContext(Qt::WindowShortcut);

    connect(menuOpen_, &QAction::triggered, this, &TMainForm::MenuOpenClick);
    connect(menuClose_, &QAction::triggered, this, &TMainForm::MenuCloseClick);
    connect(menuSave_, &QAction::triggered, this, &TMainForm::MenuSaveClick);
    connect(menuSaveNew_, &QAction::triggered, this, &TMainForm::MenuSaveNewClick);
    connect(menuSaveCSV_, &QAction::triggered, this, &TMainForm::MenuSaveCSVClick);
    connect(menuOutputHTML_, &QAction::triggered, this, &TMainForm::MenuOutputHTMLClick);
    connect(menuSaveLeagueCSV_, &QAction::triggered, this, &TMainForm::MenuSaveLeagueCSVClick);
    connect(menuOutputLeagueOverview_, &QAction::triggered, this,
            &TMainForm::MenuOutputLeagueOverviewClick);
    connect(menuSaveTeamJSON_, &QAction::triggered, this, &TMainForm::MenuSaveTeamJSONClick);
    connect(menuSaveLeagueJSON_, &QAction::triggered, this, &TMainForm::MenuSaveLeagueJSONClick);
    connect(menuOutputPatch_, &QAction::triggered, this, &TMainForm::MenuOutputPatchClick);
    connect(menuImportCSV_, &QAction::triggered, this, &TMainForm::MenuImportCSVClick);
    connect(menuImportLeagueCSV_, &QAction::triggered, this, &TMainForm::MenuImportLeagueCSVClick);
    connect(menuImportSeason_, &QAction::triggered, this, &TMainForm::MenuImportSeasonClick);
    connect(menuApplyPatch_, &QAction::triggered, this, &TMainForm::MenuApplyPatchClick);
    connect(menuCompare_, &QAction::triggered, this, &TMainForm::MenuCompareClick);
    connect(menuImageInfo_, &QAction::triggered, this, &TMainForm::MenuImageInfoClick);
    connect(menuPlay_, &QAction::triggered, this, &TMainForm::MenuPlayClick);
    connect(menuExit_, &QAction::triggered, this, &TMainForm::MenuExitClick);
    connect(help2_, &QAction::triggered, this, &TMainForm::Help2Click);
    connect(v2_, &QAction::triggered, this, &TMainForm::V2Click);
    connect(menuCopy_, &QAction::triggered, this, &TMainForm::MenuCopyClick);
    connect(menuPaste_, &QAction::triggered, this, &TMainForm::MenuPasteClick);

    // Undo never writes to the image and never shows a dialog: the commands only put texts,
    // rows and colours back.
    connect(menuUndo_, &QAction::triggered, &undoStack_, &QUndoStack::undo);
    connect(menuRedo_, &QAction::triggered, &undoStack_, &QUndoStack::redo);
    connect(&undoStack_, &QUndoStack::indexChanged, this, &TMainForm::UpdateUndoActions);
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &TMainForm::UpdateUndoActions);
    connect(&undoStack_, &QUndoStack::cleanChanged, this, &TMainForm::ShowCaption);
    UpdateUndoActions();

    // A save into a copy is confirmed without a box: a note beside the menus, which goes by
    // itself.
    savedCopyNote_ = new QLabel(bar);
    savedCopyNote_->setObjectName(QStringLiteral("SavedCopyNote"));
    bar->setCornerWidget(savedCopyNote_, Qt::TopRightCorner);
    savedCopyNote_->hide();
    savedCopyNoteTimer_ = new QTimer(this);
    savedCopyNoteTimer_->setSingleShot(true);
    savedCopyNoteTimer_->setInterval(SavedCopyNoteTime);
    connect(savedCopyNoteTimer_, &QTimer::timeout, savedCopyNote_, &QWidget::hide);
}

void TMainForm::BuildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    bevel1_ = new QFrame(client);
    bevel1_->setFrameShape(QFrame::Panel);
    bevel1_->setFrameShadow(QFrame::Sunken);

    // A tool button is another face of a menu command: it triggers the command's action and
    // gives its hint. The picture is the button's own: on the action it would make the menu leave
    // room for pictures beside all of its entries, even hidden there. The button takes the
    // action's (empty) picture again whenever the action changes, so it is put back each time.
    auto makeToolButton = [client](QAction* action, const QString& icon, const QString& hint,
                                   int left) {
        action->setToolTip(hint);
        auto* button = new QToolButton(client);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(16, 16));
        button->setDefaultAction(action);
        const QIcon picture(icon);
        button->setIcon(picture);
        QObject::connect(action, &QAction::changed, button,
                         [button, picture] { button->setIcon(picture); });
        button->setGeometry(left, 8, 25, 25);
        return button;
    };
    speedOpenButton_ =
        makeToolButton(menuOpen_, QStringLiteral(":/icons/open16.png"), tr("Open a file"), 16);
    speedUpdateButton_ =
        makeToolButton(menuSave_, QStringLiteral(":/icons/save16.png"), tr("Save"), 46);
    speedCloseButton_ =
        makeToolButton(menuClose_, QStringLiteral(":/icons/close16.png"), tr("Close the file"), 76);
    // Set apart from the file commands, before the colours: it changes no file.
    speedPlayButton_ = makeToolButton(menuPlay_, QStringLiteral(":/icons/play16.png"),
                                      tr("Play in emulator"), 110);
    speedOpenButton_->setObjectName(QStringLiteral("SpeedOpenButton"));
    speedUpdateButton_->setObjectName(QStringLiteral("SpeedUpdateButton"));
    speedCloseButton_->setObjectName(QStringLiteral("SpeedCloseButton"));
    speedPlayButton_->setObjectName(QStringLiteral("SpeedPlayButton"));

    auto makeSwatch = [client](int left) {
        auto* swatch = new QFrame(client);
        swatch->setGeometry(left, 8, 33, 25);
        swatch->setFrameShape(QFrame::Box);
        swatch->setAutoFillBackground(true);
        return swatch;
    };
    helmetColor_ = makeSwatch(144);
    uniformColor_ = makeSwatch(280);
    SetSwatch(helmetColor_, Qt::white);
    SetSwatch(uniformColor_, Qt::white);

    helmetButton_ = new QPushButton(tr("Helmet"), client);
    helmetButton_->setGeometry(184, 8, 75, 25);
    uniformButton_ = new QPushButton(tr("Uniform"), client);
    uniformButton_->setGeometry(320, 8, 75, 25);

    editTeamLabel_ = new QLabel(tr("Team:"), client);
    editTeamLabel_->setGeometry(0, 8, EditTeamLabelWidth, 20);
    teamBox_ = new QComboBox(client);
    teamBox_->setEditable(true);
    teamBox_->setInsertPolicy(QComboBox::NoInsert);
    teamBox_->setCompleter(nullptr);
    teamBox_->setGeometry(0, 8, TeamBoxWidth, 20);
    // Keys and the focus reach the box itself from the keyboard (it hands them on to its edit
    // field directly, past any filter there) and the edit field when sent to it.
    teamBox_->installEventFilter(this);
    teamBox_->lineEdit()->installEventFilter(this);
    // A file dropped on the team box is a file dropped on the window, not text for the box.
    teamBox_->lineEdit()->setAcceptDrops(false);

    batterTable_ = new StringGrid(teamdata::GridColumnCount, 1 + teamdata::BatterCount, client);
    batterTable_->setObjectName(QStringLiteral("BatterTable"));
    pitcherTable_ = new StringGrid(teamdata::GridColumnCount, 1 + teamdata::PitcherCount, client);
    pitcherTable_->setObjectName(QStringLiteral("PitcherTable"));
    pitcherTable_->SetRangeSelect(true);
    // The grids are white, as the window has always shown them; their text is set black with
    // it, so that a dark desktop theme, whose text is light, cannot leave white on white. The
    // headers and the selection keep the theme's own pairs of colours.
    for (StringGrid* grid : {batterTable_, pitcherTable_}) {
        QPalette cells = grid->palette();
        cells.setColor(QPalette::Base, Qt::white);
        cells.setColor(QPalette::Text, Qt::black);
        grid->setPalette(cells);
        // The cells hold the data's texts in every language, for saving, the files and the undo
        // steps; outside Japanese they show the headers and the side and style labels in the
        // interface's words.
        grid->SetDisplayText([which = GridOf(grid)](int col, int row, const QString& text) {
            return exchange::ShownCellText(which, col, row, text);
        });
    }

    setAcceptDrops(true);
    clipboardGrid_ = batterTable_;
    focusConnection_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now == batterTable_ || now == pitcherTable_)
                clipboardGrid_ = static_cast<StringGrid*>(now);
        });

    setTabOrder(batterTable_, pitcherTable_);
    setTabOrder(pitcherTable_, teamBox_);
    setTabOrder(teamBox_, helmetButton_);
    setTabOrder(helmetButton_, uniformButton_);

    connect(helmetButton_, &QPushButton::clicked, this, &TMainForm::HelmetButtonClick);
    connect(uniformButton_, &QPushButton::clicked, this, &TMainForm::UniformButtonClick);
    connect(teamBox_, &QComboBox::activated, this, &TMainForm::TeamBoxChange);
    connect(teamBox_->lineEdit(), &QLineEdit::textEdited, this, &TMainForm::TeamBoxTextEdited);
    connect(batterTable_, &StringGrid::Click, this, &TMainForm::BatterTableClick);
    connect(pitcherTable_, &StringGrid::Click, this, &TMainForm::PitcherTableClick);
    connect(batterTable_, &StringGrid::RowMoved, this, &TMainForm::BatterTableRowMoved);
    connect(pitcherTable_, &StringGrid::RowMoved, this, &TMainForm::PitcherTableRowMoved);
}

void TMainForm::BuildFileDialogs() {
    const QString nes = QStringLiteral("nes");
    const QString csv = QStringLiteral("csv");
    const QString anyNes = QStringLiteral("*.nes");
    const QString anyCsv = QStringLiteral("*.csv");
    const FilterEntry allFiles{tr("All files (*.*)"), "*.*"};
    const QString images = FilterText({{tr("NESticle ROM"), "*.nes"}, allFiles});
    const FilterEntry shiftJisCsv{tr("CSV files (*.csv)"), "*.csv"};
    const QString csvFiles = FilterText({shiftJisCsv, allFiles});
    // The exports offer UTF-8 as a file type of its own, for the spreadsheets that cannot read
    // Shift_JIS; the imports read both without being told.
    const QString csvExports = FilterText({shiftJisCsv, {tr("CSV (UTF-8)"), "*.csv"}, allFiles});
    openDialog_ = {images, nes, anyNes, false, {}};
    const QString newImages = FilterText({{tr("NESticle ROM (*.nes)"), "*.nes"}, allFiles});
    saveNewDialog_ = {newImages, nes, anyNes, false, {}};
    saveCSVDialog_ = {csvExports, csv, anyCsv, true, {}};
    saveHTMLDialog_ = {FilterText({{tr("HTML files"), "*.html;*.htm"}, {tr("All files"), "*.*"}}),
                       QStringLiteral("html"),
                       QStringLiteral("*.html"),
                       true,
                       {}};
    saveLeagueCSVDialog_ = {csvExports, csv, anyCsv, true, tr("Export League CSV")};
    saveLeagueOverviewDialog_ = {
        FilterText({{tr("HTML files"), "*.html;*.htm"}, {tr("All files"), "*.*"}}),
        QStringLiteral("html"), QStringLiteral("*.html"), true, tr("Export League Overview")};
    const FilterEntry jsonFiles{tr("JSON files (*.json)"), "*.json"};
    const QString json = QStringLiteral("json");
    saveTeamJSONDialog_ = {FilterText({jsonFiles, allFiles}), json, QStringLiteral("*.json"), true,
                           tr("Export Team JSON")};
    saveLeagueJSONDialog_ = {FilterText({jsonFiles, allFiles}), json, QStringLiteral("*.json"),
                             true, tr("Export League JSON")};
    // The imports read a file's JSON form as well, known by its first brace or its name.
    const QString importFiles =
        FilterText({{tr("CSV and JSON files"), "*.csv;*.json"}, shiftJisCsv, jsonFiles, allFiles});
    importCSVDialog_ = {importFiles, csv, QString(), false, tr("Import Team CSV")};
    importLeagueCSVDialog_ = {importFiles, csv, QString(), false, tr("Import League CSV")};
    importSeasonDialog_ = {csvFiles, csv, anyCsv, false, tr("Import Season Statistics")};
    patchOriginalDialog_ = {images, nes, anyNes, false, tr("Open the Original Image")};
    savePatchDialog_ = {
        FilterText({{tr("BPS patch (*.bps)"), "*.bps"}, {tr("IPS patch (*.ips)"), "*.ips"}}),
        QStringLiteral("bps"),
        QString(),
        true,
        tr("Export Patch"),
        true};
    const FilterEntry patches{tr("Patches (BPS, IPS)"), "*.bps;*.ips"};
    applyPatchDialog_ = {FilterText({patches, allFiles}), QString(), QString(), false,
                         tr("Apply Patch")};
    compareDialog_ = {FilterText({{tr("Images and patches"), "*.nes;*.bps;*.ips"},
                                  {tr("NESticle ROM"), "*.nes"},
                                  patches,
                                  allFiles}),
                      QString(), QString(), false, tr("Compare With")};
    // Replacing a file is asked about by the command itself, as 名前を付けて保存 does.
    savePatchedDialog_ = {newImages, nes, QString(), false, tr("Save the Patched Image")};
}

void TMainForm::FormCreate() {
    for (int c = 0; c < teamdata::GridColumnCount; ++c)
        pitcherTable_->SetCells(c, 0, Text(teamdata::PitcherHeaders[static_cast<std::size_t>(c)]));
    WritePitcherLabels();

    // Each column is as wide as its header is long in Shift_JIS bytes, six pixels a byte, and
    // the window is the grid plus a margin; the batter columns line up with the pitcher ones.
    int total = 0;
    for (int c = 0; c < teamdata::GridColumnCount; ++c) {
        const int width = 6 * ShiftJis::ByteLengthOfEncodable(pitcherTable_->Cells(c, 0));
        pitcherTable_->SetColWidths(c, width);
        total += width;
    }
    const int windowWidth = total + 40;

    for (std::size_t c = 0; c < teamdata::BatterHeaders.size(); ++c)
        batterTable_->SetCells(static_cast<int>(c), 0, Text(teamdata::BatterHeaders[c]));
    WriteBatterLabels();
    for (int c = 0; c < teamdata::GridColumnCount; ++c)
        batterTable_->SetColWidths(c, pitcherTable_->ColWidths(c));
    // The headers are short, and in Japanese cut off by their columns: each names its column in
    // full when the pointer rests on it.
    for (int c = 0; c < teamdata::GridColumnCount; ++c) {
        batterTable_->SetHeaderToolTip(c, exchange::ColumnToolTip(teamdata::Grid::Batters, c));
        pitcherTable_->SetHeaderToolTip(c, exchange::ColumnToolTip(teamdata::Grid::Pitchers, c));
    }

    const int clientHeight = BandHeight + BatterTableHeight + PitcherTableHeight;
    bevel1_->setGeometry(0, 0, windowWidth, BandHeight);
    batterTable_->setGeometry(0, BandHeight, windowWidth, BatterTableHeight);
    pitcherTable_->setGeometry(0, BandHeight + BatterTableHeight, windowWidth, PitcherTableHeight);

    teamBox_->move(windowWidth - teamBox_->width() - 20, teamBox_->y());
    // The label is as wide as its text needs (at least its designed width) and ends 10 pixels
    // before the team box.
    editTeamLabel_->resize(std::max(EditTeamLabelWidth, editTeamLabel_->sizeHint().width()),
                           editTeamLabel_->height());
    editTeamLabel_->move(teamBox_->x() - editTeamLabel_->width() - 10, editTeamLabel_->y());

    setFixedSize(windowWidth, menuBar()->sizeHint().height() + clientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TMainForm::WriteBatterLabels() {
    for (std::size_t r = 0; r < teamdata::BatterLabels.size(); ++r)
        batterTable_->SetCells(0, static_cast<int>(r) + 1, Text(teamdata::BatterLabels[r]));
}

void TMainForm::WritePitcherLabels() {
    for (std::size_t r = 0; r < teamdata::PitcherLabels.size(); ++r)
        pitcherTable_->SetCells(0, static_cast<int>(r) + 1, Text(teamdata::PitcherLabels[r]));
}
