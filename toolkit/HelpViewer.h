// SPDX-License-Identifier: MIT
#pragma once

#include "Translations.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

// The program's help viewer: a non-modal window with the help document's contents page and a
// keyword index. It never blocks the editor.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner = nullptr);

    // Shows the document at `documentPath` at its contents (its top). An empty path, or one
    // that cannot be read, makes the window say that the help file `helpFileName` was not found
    // in `searchedDirectories`.
    void OpenDocument(const QString& documentPath, const QString& helpFileName,
                      const QStringList& searchedDirectories);

    [[nodiscard]] bool HasDocument() const { return !m_documentPath.isEmpty(); }
    [[nodiscard]] QString DocumentPath() const { return m_documentPath; }

    QTextBrowser* Contents;
    QPushButton* ContentsButton;
    QLineEdit* KeywordEdit;
    QListWidget* IndexList;

    // Moves the contents page to the place an index entry names.
    void ShowIndexEntry(QListWidgetItem* item);
    void ShowContentsTop();

private:
    void FilterIndex(const QString& typed);
    void FillIndex(const QString& html);

    QString m_documentPath;
};

// The folders searched for the help document: "help" beside the program, then the installed
// data folder.
[[nodiscard]] QStringList HelpSearchDirectories();

// The names of the help documents that stand for `helpFileName` in `language`, the one to read
// first first: the name without any folder (the old "\" and ":" separators count too), with
// ".hlp" replaced by ".html", is the Japanese manual; another language's manual has the
// language's code before the extension ("Tolvanek_en.html") and falls back to the Japanese one.
[[nodiscard]] QStringList HelpDocumentNames(const QString& helpFileName,
                                            exchange::Language language);

// The help document that stands for `helpFileName` in `language`: each of its names in turn,
// looked up in each folder in turn. Empty when none holds a readable file.
[[nodiscard]] QString FindHelpDocument(const QString& helpFileName,
                                       const QStringList& searchDirectories,
                                       exchange::Language language = exchange::InterfaceLanguage());

// Where a help window's frame of `helpFrame` size goes so that it stands beside its owner's frame
// `ownerFrame` instead of covering it: to its right when it fits in `screenArea`, otherwise to its
// left, otherwise against the edge of the side with more room. Its top is level with the owner's,
// moved only as far as needed to keep it on the screen.
[[nodiscard]] QPoint HelpWindowPosition(const QRect& ownerFrame, const QSize& helpFrame,
                                        const QRect& screenArea);

// Shows the help topics of `helpFileName` in the help window of `owner` (made on first use,
// shown again afterwards) and returns at once.
HelpWindow* ShowHelpTopics(QWidget* owner, const QString& helpFileName);
HelpWindow* ShowHelpTopics(QWidget* owner, const QString& helpFileName,
                           const QStringList& searchDirectories);
