// SPDX-License-Identifier: MIT
#include "Nameunit.h"

#include "KanjiReader.h"
#include "NameKeyboard.h"
#include "NameNormalizer.h"
#include "ShiftJis.h"
#include "UiFont.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

TNameForm* NameForm = nullptr;

namespace {

const QString FullWidthSpace = QStringLiteral("　");

using teamdata::DeleteKeyNumber;
using teamdata::KeyColumns;
using teamdata::KeyGrid;
using teamdata::KeyPlace;
using teamdata::KeyRows;
using teamdata::SpaceKeyNumber;

constexpr int KeyLefts[KeyColumns] = {16, 40, 64, 88, 112, 136, 160, 184, 208, 232};
constexpr int KeyTops[KeyRows] = {16, 40, 64, 88, 112, 144, 168, 192, 216, 240};
constexpr int KeySize = 20;

using teamdata::NamePlaces;

QString KeyCaption(const KeyPlace& place) {
    if (place.number == DeleteKeyNumber)
        //: The key that deletes the last character; it is 20 pixels wide.
        return TNameForm::tr("Del");
    if (place.number == SpaceKeyNumber)
        //: The key that types a space; it is 20 pixels wide.
        return TNameForm::tr("SP");
    return QString::fromUtf8(place.caption);
}

QString TooLongRefusal() {
    return TNameForm::tr("More than 5 places (a voiced kana takes 2)");
}

// Where the readings open: under the edit box, reaching left over the keys so that a long reading
// and its places fit on one line, as an input method's choices do.
constexpr int ReadingListLeft = 160;
constexpr int ReadingListTop = 157;
constexpr int ReadingListWidth = 220;
constexpr int ReadingRowsShown = 6;

// The game's spelling of a reading, as the edit box shows it, with its places.
QString ReadingChoiceText(const readings::NameReading& reading) {
    const QString spelling = QString::fromStdString(reading.spelling);
    if (reading.Fits())
        //: A reading of a name written in kanji, with the places of the five it takes.
        return TNameForm::tr("%1 (%2 places)").arg(spelling).arg(reading.places);
    //: A reading that takes more than the five places a name has; it cannot be chosen.
    return TNameForm::tr("%1 (%2 places, too long)").arg(spelling).arg(reading.places);
}

} // namespace

TNameForm::TNameForm(QWidget* parent, Controls controls)
    : DeferredDialog(parent, {}) {
    setWindowTitle(tr("Enter a Name"));
    setFont(JapaneseUiFont(12));
    resize(384, 268);
    move(272, 177);
    if (controls == Controls::Now)
        EnsureBuilt();
}

void TNameForm::BuildControls() {
    // Controls are created in their tab order, which Qt follows by default.
    GroupBox1 = new QGroupBox(tr("Characters"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 0, 265, height());

    for (int row = 0; row < KeyRows; ++row) {
        for (int column = 0; column < KeyColumns; ++column) {
            const KeyPlace& place = KeyGrid[row][column];
            if (place.number == 0)
                continue;
            auto key = new QPushButton(KeyCaption(place), GroupBox1);
            key->setObjectName(QStringLiteral("Button%1").arg(place.number));
            key->setGeometry(KeyLefts[column], KeyTops[row], KeySize, KeySize);
            // Enter stays with OK even after a key was clicked and holds the focus.
            key->setAutoDefault(false);
            Keys[static_cast<std::size_t>(place.number)] = key;
            if (place.number == DeleteKeyNumber) {
                connect(key, &QPushButton::clicked, this, &TNameForm::Button91Click);
            } else {
                const QString character =
                    place.number == SpaceKeyNumber ? FullWidthSpace : key->text();
                connect(key, &QPushButton::clicked, this,
                        [this, character] { CharacterKeyClick(character); });
            }
        }
    }

    OldNameLabel = new QLabel(this);
    OldNameLabel->setObjectName(QStringLiteral("OldNameLabel"));
    OldNameLabel->setAlignment(Qt::AlignCenter);
    OldNameLabel->setGeometry(280, 32, 73, OldNameLabel->fontMetrics().height());

    Label2 = new QLabel(QStringLiteral("↓"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(JapaneseUiFont(32));
    Label2->setGeometry(304, 64, 32, 33);

    Label1 = new QLabel(tr("Name:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(280, 112);
    Label1->adjustSize();

    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(272, 136, 105, 20);

    PlacesLabel = new QLabel(this);
    PlacesLabel->setObjectName(QStringLiteral("PlacesLabel"));
    PlacesLabel->setGeometry(313, 112, 64, 16);
    PlacesLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    RefusalLabel = new QLabel(this);
    RefusalLabel->setObjectName(QStringLiteral("RefusalLabel"));
    RefusalLabel->setGeometry(268, 157, 116, 26);
    RefusalLabel->setWordWrap(true);
    RefusalLabel->setFont(JapaneseUiFont(11));
    ShowRefusalInRed();

    ReadingList = new QListWidget(this);
    ReadingList->setObjectName(QStringLiteral("ReadingList"));
    ReadingList->setToolTip(tr("Readings of the name in kanji: click one to take it"));
    ReadingList->setWordWrap(true);
    ReadingList->setGeometry(ReadingListLeft, ReadingListTop, ReadingListWidth,
                             ReadingList->fontMetrics().height() * ReadingRowsShown);
    ReadingList->hide();

    BitBtn1 = new QPushButton(tr("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(288, 184, 75, 25);
    BitBtn1->setDefault(true);

    BitBtn2 = new QPushButton(tr("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(288, 232, 75, 25);

    connect(BitBtn1, &QPushButton::clicked, this, &TNameForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(NameEdit, &QLineEdit::textEdited, this, &TNameForm::NameEditTextEdited);
    connect(NameEdit, &QLineEdit::textChanged, this, &TNameForm::ShowPlacesLeft);
    connect(ReadingList, &QListWidget::itemClicked, this, &TNameForm::ReadingChosen);
    connect(ReadingList, &QListWidget::itemActivated, this, &TNameForm::ReadingChosen);
    ShowPlacesLeft();
}

QPushButton* TNameForm::Key(int buttonNumber) const {
    if (buttonNumber < 1 || buttonNumber > LastKeyNumber)
        return nullptr;
    return Keys[static_cast<std::size_t>(buttonNumber)];
}

QString TNameForm::AppendCharacter(const QString& text, const QString& character) {
    const QString longer = text + character;
    return ShiftJis::ByteLength(longer) <= MaxNameBytes ? longer : text;
}

QString TNameForm::DeleteLastCharacter(const QString& text) {
    if (text.isEmpty())
        return text;
    const bool surrogatePair = text.size() >= 2 && text.back().isLowSurrogate() &&
                               text.at(text.size() - 2).isHighSurrogate();
    return text.chopped(surrogatePair ? 2 : 1);
}

QString TNameForm::PadName(const QString& text) {
    // Below two bytes there is no character to pad after; from ten bytes on nothing fits.
    const int length = ShiftJis::ByteLength(text);
    if (length < 2 || length >= MaxNameBytes)
        return text;
    QString padded = text;
    while (ShiftJis::ByteLength(padded + FullWidthSpace) <= MaxNameBytes)
        padded += FullWidthSpace;
    return padded;
}

TNameForm::TypedName TNameForm::NormalizeTyped(const QString& text) {
    const teamdata::NameNormalization typed = teamdata::NormalizeTypedName(text.toStdString());
    switch (typed.outcome) {
    case teamdata::NameNormalization::Outcome::UnknownCharacter:
        return {
            false, {}, tr("\"%1\" cannot be used").arg(QString::fromStdString(typed.character))};
    case teamdata::NameNormalization::Outcome::TooLong:
        return {false, {}, TooLongRefusal()};
    case teamdata::NameNormalization::Outcome::Accepted:
        break;
    }
    return {true, QString::fromStdString(typed.name), {}};
}

void TNameForm::NameEditTextEdited(const QString& text) {
    if (readings::ContainsKanji(text.toStdString())) {
        OfferReadings(text);
        return;
    }
    HideReadings();
    const TypedName typed = NormalizeTyped(text);
    if (!typed.accepted) {
        const int cursor = NameEdit->cursorPosition() - static_cast<int>(text.size()) +
                           static_cast<int>(acceptedText_.size());
        NameEdit->setText(acceptedText_);
        NameEdit->setCursorPosition(std::max(0, cursor));
        RefusalLabel->setText(typed.refusal);
        return;
    }
    RefusalLabel->clear();
    acceptedText_ = typed.text;
    if (typed.text == text)
        return;
    // The cursor keeps its distance from the end, which is where typing usually goes on.
    const int fromEnd = static_cast<int>(text.size()) - NameEdit->cursorPosition();
    NameEdit->setText(typed.text);
    NameEdit->setCursorPosition(std::max(0, static_cast<int>(typed.text.size()) - fromEnd));
}

void TNameForm::OfferReadings(const QString& text) {
    // The box only ever holds the game's characters: the kanji wait in the list's choices.
    const int cursor = NameEdit->cursorPosition() - static_cast<int>(text.size()) +
                       static_cast<int>(acceptedText_.size());
    NameEdit->setText(acceptedText_);
    NameEdit->setCursorPosition(std::max(0, cursor));
    RefusalLabel->clear();
    ReadingList->clear();
    // The dictionary is loaded here, by the first kanji, and never when the window opens.
    const readings::KanjiReadings read = readings::SharedKanjiReader().Read(text.toStdString());
    switch (read.outcome) {
    case readings::KanjiReadings::Outcome::DictionaryMissing: {
        auto* note =
            new QListWidgetItem(tr("Names in kanji cannot be read: install the package %1.")
                                    .arg(QLatin1String(readings::DictionaryPackage)),
                                ReadingList);
        note->setFlags(Qt::ItemIsEnabled);
        break;
    }
    case readings::KanjiReadings::Outcome::Read:
        for (const readings::NameReading& reading : read.readings) {
            auto* choice = new QListWidgetItem(ReadingChoiceText(reading), ReadingList);
            choice->setData(Qt::UserRole, QString::fromStdString(reading.spelling));
            choice->setToolTip(QString::fromStdString(reading.kana));
            if (!reading.Fits())
                choice->setFlags(Qt::NoItemFlags);
        }
        break;
    case readings::KanjiReadings::Outcome::NoKanji:
    case readings::KanjiReadings::Outcome::Unreadable:
        RefusalLabel->setText(tr("\"%1\" has no reading in kana").arg(text.trimmed()));
        HideReadings();
        return;
    }
    // As tall as its choices, up to six; more scroll.
    const int rows = std::min(ReadingList->count(), ReadingRowsShown);
    int rowsHeight = 0;
    for (int row = 0; row < rows; ++row)
        rowsHeight += ReadingList->sizeHintForRow(row);
    ReadingList->resize(ReadingListWidth, rowsHeight + 2 * ReadingList->frameWidth());
    ReadingList->show();
    ReadingList->raise();
}

void TNameForm::ReadingChosen(QListWidgetItem* item) {
    const QString spelling = item->data(Qt::UserRole).toString();
    if (spelling.isEmpty() || !(item->flags() & Qt::ItemIsSelectable))
        return;
    // The normaliser takes the reading over as if it had been typed.
    const TypedName typed = NormalizeTyped(spelling);
    if (!typed.accepted)
        return;
    SetName(typed.text);
    NameEdit->setFocus();
}

void TNameForm::HideReadings() {
    if (!ReadingList)
        return;
    ReadingList->hide();
    ReadingList->clear();
}

void TNameForm::ShowPlacesLeft() {
    const int left = std::max(0, NamePlaces - static_cast<int>(NameEdit->text().size()));
    //: How many of the five places of the name are still free.
    PlacesLabel->setText(tr("%1 left").arg(left));
}

void TNameForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Not yet built, the key group takes the window's height when it is made.
    if (GroupBox1)
        GroupBox1->resize(GroupBox1->width(), height());
}

void TNameForm::CharacterKeyClick(const QString& character) {
    SetName(AppendCharacter(NameEdit->text(), character));
}

void TNameForm::Button91Click() {
    SetName(DeleteLastCharacter(NameEdit->text()));
}

void TNameForm::SetName(const QString& text) {
    NameEdit->setText(text);
    acceptedText_ = text;
    RefusalLabel->clear();
    HideReadings();
}

void TNameForm::ShowRefusalInRed() {
    if (!RefusalLabel)
        return;
    // A dark red on a light window, a light one on a dark window: either way the note stands out
    // from the window as well as ordinary text does.
    const bool darkWindow = palette().color(QPalette::Window).lightnessF() < 0.5;
    QPalette warning = RefusalLabel->palette();
    warning.setColor(QPalette::WindowText,
                     darkWindow ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC0, 0x00, 0x00));
    RefusalLabel->setPalette(warning);
}

void TNameForm::changeEvent(QEvent* event) {
    DeferredDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        ShowRefusalInRed();
}

void TNameForm::showEvent(QShowEvent* event) {
    // The caller has just put the starting text in; typing starts from it.
    acceptedText_ = NameEdit->text();
    RefusalLabel->clear();
    HideReadings();
    QDialog::showEvent(event);
    // Typing, with an input method or pasting, goes straight into the edit box; the keys work
    // with the mouse wherever the focus is.
    NameEdit->setFocus();
}

void TNameForm::BitBtn1Click() {
    // The edit box only ever holds the game's characters, so a padded name is one the game can
    // show; an empty one becomes the blank name rather than a name no save could write.
    const QString text = NameEdit->text();
    NameEdit->setText(text.isEmpty() ? QString(NamePlaces, QChar(0x3000)) : PadName(text));
    accept();
}
