// SPDX-License-Identifier: MIT
#pragma once

#include "DeferredDialog.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The modal on-screen keyboard on which a player's name is entered. The caller empties NameEdit,
// puts the cell's name into OldNameLabel, shows the window modally and on OK takes NameEdit's
// text. Lengths are Shift_JIS bytes: a name is at most five full-width characters, ten bytes.
class TNameForm : public DeferredDialog {
    Q_OBJECT
public:
    explicit TNameForm(QWidget* parent = nullptr, Controls controls = Controls::Now);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* OldNameLabel = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* NameEdit = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    // How many of the five places of a name are left, and why the last typed text was refused.
    QLabel* PlacesLabel = nullptr;
    QLabel* RefusalLabel = nullptr;
    // A name typed or pasted in kanji: its readings, best first, each in the game's spelling with
    // its places; clicking one puts it into NameEdit. Hidden while there is nothing to choose.
    QListWidget* ReadingList = nullptr;

    static constexpr int MaxNameBytes = 10;
    static constexpr int LastKeyNumber = 91;

    // Button1..Button91; the numbers 4, 5, 14 and 15 have no key and give nullptr, as does any
    // number outside 1..91 and every number before the controls are built.
    [[nodiscard]] QPushButton* Key(int buttonNumber) const;

    // `text` followed by `character` when that stays within ten bytes, otherwise `text`.
    [[nodiscard]] static QString AppendCharacter(const QString& text, const QString& character);
    // `text` without its last whole character; the empty text stays empty.
    [[nodiscard]] static QString DeleteLastCharacter(const QString& text);
    // A name of two to nine bytes filled with full-width spaces as far as ten bytes allow; an
    // empty text, a single one-byte character and texts of ten bytes or more stay as they are.
    [[nodiscard]] static QString PadName(const QString& text);

    // Text typed or pasted into the edit box, in the game's characters: katakana as hiragana, a
    // voiced kana as the plain one and its mark, letters and digits full-width, and so on. Spaces
    // before and after the name are kept (they are places of it while it is being typed). Empty,
    // with the reason, for text the game cannot show or that takes more than five places.
    struct TypedName {
        bool accepted = false;
        QString text;
        QString refusal;
    };
    [[nodiscard]] static TypedName NormalizeTyped(const QString& text);

protected:
    void BuildControls() override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void Button91Click();
    void BitBtn1Click();

private:
    void CharacterKeyClick(const QString& character);
    void NameEditTextEdited(const QString& text);
    // Puts the box back as it was before `text` was typed, and offers the readings of `text`.
    void OfferReadings(const QString& text);
    void ReadingChosen(QListWidgetItem* item);
    void HideReadings();
    void SetName(const QString& text);
    void ShowPlacesLeft();
    // The refusal note in a red that reads on the window's background, light or dark.
    void ShowRefusalInRed();

    // The edit box's text before the last typing, put back when that typing is refused.
    QString acceptedText_;

    std::array<QPushButton*, LastKeyNumber + 1> Keys{};
};

extern TNameForm* NameForm;
