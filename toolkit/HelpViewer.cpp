// SPDX-License-Identifier: MIT
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int AnchorRole = Qt::UserRole;

// The window of a help request without an owner; windows with an owner are its children.
QPointer<HelpWindow> OwnerlessHelpWindow;

const QColor PaperLinkColour(0x06, 0x45, 0xAD);

QString BareFileName(const QString& name) {
    const qsizetype cut =
        std::max({name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')),
                  name.lastIndexOf(QLatin1Char(':'))});
    return name.mid(cut + 1);
}

QString MissingDocumentPage(const QString& helpFileName, const QStringList& searched) {
    QString page =
        QStringLiteral("<h2>%1</h2><p>%2</p><ul>")
            .arg(HelpWindow::tr("Help file not found"),
                 HelpWindow::tr("The help file \"%1\" (%2) could not be opened. These folders "
                                "were searched:")
                     .arg(helpFileName.toHtmlEscaped(),
                          HelpDocumentNames(helpFileName, exchange::InterfaceLanguage())
                              .join(QStringLiteral(", "))
                              .toHtmlEscaped()));
    for (const QString& folder : searched)
        page += QStringLiteral("<li>%1</li>").arg(QDir::toNativeSeparators(folder).toHtmlEscaped());
    page += QStringLiteral("</ul><p>%1</p>")
                .arg(HelpWindow::tr("The editor can still be used. To read the help, put back the "
                                    "help folder that is installed with the program."));
    return page;
}

} // namespace

HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Window) {
    setWindowTitle(tr("TOLVANEK Help"));
    setWindowModality(Qt::NonModal);
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic")});
    font.setPixelSize(14);
    setFont(font);
    resize(760, 560);

    ContentsButton = new QPushButton(tr("&Contents"));
    KeywordEdit = new QLineEdit;
    KeywordEdit->setPlaceholderText(tr("Type a keyword"));
    IndexList = new QListWidget;
    auto indexLabel = new QLabel(tr("&Index"));
    indexLabel->setBuddy(KeywordEdit);

    auto side = new QWidget;
    auto sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(ContentsButton);
    sideLayout->addWidget(indexLabel);
    sideLayout->addWidget(KeywordEdit);
    sideLayout->addWidget(IndexList, 1);

    Contents = new QTextBrowser;
    Contents->setOpenLinks(true);
    Contents->setOpenExternalLinks(false);
    // The manual is written for white paper: its headings, messages and table headers have
    // colours of their own, which on a dark desktop theme's page would all but vanish. So the page
    // stays white with black text under every theme, as the grids do, and its links get a blue of
    // their own too, since Qt gives a link the theme's link colour, made for the theme's page.
    QPalette paper = Contents->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    paper.setColor(QPalette::Link, PaperLinkColour);
    paper.setColor(QPalette::LinkVisited, PaperLinkColour);
    Contents->setPalette(paper);
    Contents->document()->setDefaultStyleSheet(
        QStringLiteral("a[href] { color: %1; }").arg(PaperLinkColour.name()));

    auto splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(side);
    splitter->addWidget(Contents);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 560});
    auto layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    connect(ContentsButton, &QPushButton::clicked, this, &HelpWindow::ShowContentsTop);
    connect(KeywordEdit, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
    connect(KeywordEdit, &QLineEdit::returnPressed, this, [this] {
        for (int row = 0; row < IndexList->count(); ++row)
            if (!IndexList->item(row)->isHidden()) {
                IndexList->setCurrentRow(row);
                ShowIndexEntry(IndexList->item(row));
                return;
            }
    });
    connect(IndexList, &QListWidget::itemActivated, this, &HelpWindow::ShowIndexEntry);
    connect(IndexList, &QListWidget::itemClicked, this, &HelpWindow::ShowIndexEntry);
}

void HelpWindow::OpenDocument(const QString& documentPath, const QString& helpFileName,
                              const QStringList& searchedDirectories) {
    QFile file(documentPath);
    if (documentPath.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        m_documentPath.clear();
        IndexList->clear();
        Contents->clearHistory();
        Contents->setSource(QUrl());
        Contents->setHtml(MissingDocumentPage(helpFileName, searchedDirectories));
        return;
    }
    const QString html = QString::fromUtf8(file.readAll());
    m_documentPath = QFileInfo(documentPath).absoluteFilePath();
    FillIndex(html);
    ShowContentsTop();
}

void HelpWindow::ShowContentsTop() {
    if (m_documentPath.isEmpty())
        return;
    const QUrl document = QUrl::fromLocalFile(m_documentPath);
    Contents->setSource(document);
    Contents->clearHistory();
    Contents->verticalScrollBar()->setValue(0);
}

void HelpWindow::ShowIndexEntry(QListWidgetItem* item) {
    if (!item || m_documentPath.isEmpty())
        return;
    const QUrl target =
        QUrl::fromLocalFile(m_documentPath).resolved(QUrl(item->data(AnchorRole).toString()));
    Contents->setSource(target);
}

void HelpWindow::FilterIndex(const QString& typed) {
    const QString wanted = typed.trimmed();
    bool selected = false;
    for (int row = 0; row < IndexList->count(); ++row) {
        QListWidgetItem* item = IndexList->item(row);
        const bool shown = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !selected && !wanted.isEmpty()) {
            IndexList->setCurrentItem(item);
            selected = true;
        }
    }
}

// The document carries its own keyword index as a list of links in an element of class
// "index"; the window lists the same keywords, so the two never disagree.
void HelpWindow::FillIndex(const QString& html) {
    IndexList->clear();
    static const QRegularExpression indexBlock(
        QStringLiteral("<ul[^>]*class=\"index\"[^>]*>(.*?)</ul>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression entry(QStringLiteral("<a\\s+href=\"([^\"]+)\"[^>]*>(.*?)</a>"),
                                          QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    auto blocks = indexBlock.globalMatch(html);
    while (blocks.hasNext()) {
        const QString block = blocks.next().captured(1);
        auto links = entry.globalMatch(block);
        while (links.hasNext()) {
            const auto link = links.next();
            QString keyword = link.captured(2);
            keyword.remove(tag);
            keyword.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            keyword.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
            keyword.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
            keyword.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
            auto item = new QListWidgetItem(keyword.simplified(), IndexList);
            item->setData(AnchorRole, link.captured(1));
        }
    }
}

QStringList HelpSearchDirectories() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/help/"),
            programFolder + QStringLiteral("/../share/tolvanek/help/")};
}

QStringList HelpDocumentNames(const QString& helpFileName, exchange::Language language) {
    QString name = BareFileName(helpFileName);
    if (name.endsWith(QStringLiteral(".hlp"), Qt::CaseInsensitive))
        name = name.chopped(4) + QStringLiteral(".html");
    if (name.isEmpty())
        return {};
    if (language == exchange::Language::Japanese)
        return {name};
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = QLatin1Char('_') + exchange::LanguageCode(language);
    const QString translated = dot > 0 ? name.left(dot) + suffix + name.mid(dot) : name + suffix;
    return {translated, name};
}

QString FindHelpDocument(const QString& helpFileName, const QStringList& searchDirectories,
                         exchange::Language language) {
    // The manual in the user's language wherever it is, before the Japanese one beside it.
    for (const QString& name : HelpDocumentNames(helpFileName, language)) {
        for (const QString& folder : searchDirectories) {
            const QFileInfo candidate(QDir(folder), name);
            if (candidate.isFile() && candidate.isReadable())
                return QDir::cleanPath(candidate.absoluteFilePath());
        }
    }
    return {};
}

QPoint HelpWindowPosition(const QRect& ownerFrame, const QSize& helpFrame,
                          const QRect& screenArea) {
    const int roomRight = screenArea.right() - ownerFrame.right();
    const int roomLeft = ownerFrame.left() - screenArea.left();
    int x;
    if (helpFrame.width() <= roomRight)
        x = ownerFrame.right() + 1;
    else if (helpFrame.width() <= roomLeft)
        x = ownerFrame.left() - helpFrame.width();
    else if (roomRight >= roomLeft)
        x = screenArea.right() + 1 - helpFrame.width();
    else
        x = screenArea.left();
    // A window wider or taller than the screen keeps its title bar and left edge reachable.
    x = std::max(x, screenArea.left());
    const int y = std::max(std::min(ownerFrame.top(), screenArea.bottom() + 1 - helpFrame.height()),
                           screenArea.top());
    return {x, y};
}

namespace {

// Before its first showing the window manager has not framed the help window yet, so its frame
// is taken to be as much larger than its contents as the owner's frame is.
void PlaceBesideOwner(HelpWindow* window, const QWidget* owner) {
    const QWidget* ownerWindow = owner->window();
    const QRect ownerFrame = ownerWindow->frameGeometry();
    const QSize decoration = ownerFrame.size() - ownerWindow->geometry().size();
    const QScreen* screen = ownerWindow->screen();
    if (!screen)
        return;
    window->move(
        HelpWindowPosition(ownerFrame, window->size() + decoration, screen->availableGeometry()));
}

} // namespace

HelpWindow* ShowHelpTopics(QWidget* owner, const QString& helpFileName) {
    return ShowHelpTopics(owner, helpFileName, HelpSearchDirectories());
}

HelpWindow* ShowHelpTopics(QWidget* owner, const QString& helpFileName,
                           const QStringList& searchDirectories) {
    HelpWindow* window = owner
                             ? owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                             : OwnerlessHelpWindow.data();
    if (!window) {
        window = new HelpWindow(owner);
        if (!owner) {
            window->setAttribute(Qt::WA_DeleteOnClose);
            OwnerlessHelpWindow = window;
        }
    }
    window->OpenDocument(FindHelpDocument(helpFileName, searchDirectories), helpFileName,
                         searchDirectories);
    // Only when it opens: a help window already on the screen stays where the user put it.
    if (owner && !window->isVisible())
        PlaceBesideOwner(window, owner);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
