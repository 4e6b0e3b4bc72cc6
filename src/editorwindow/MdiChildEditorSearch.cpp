// The find-and-replace bar of a script window.
#include "MdiChildEditor.h"

#include "DocumentSearch.h"
#include "EditorBars.h"
#include "SearchMarks.h"
#include "editor/CallTip.h"
#include "editor/LineEditBtn.h"
#include "editor/MslTextEditor.h"

#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QToolButton>

namespace {

const char* const previousIcon = ":/find/resources/img_assets/editor/find/previous.png";
const char* const nextIcon = ":/find/resources/img_assets/editor/find/next.png";
constexpr int searchBarMaxHeight = 75;
const QSize modeIconSize(16, 16);

enum SearchColumn { LabelColumn = 0, BoxColumn = 1, FirstButtonColumn = 2, SecondButtonColumn = 3, CloseColumn = 6 };

QIcon iconOf(SearchMode mode)
{
    return QIcon(QString::fromLatin1(SearchModes::lookOf(mode).icon));
}

QTextCursor selectionOf(QTextDocument* document, const SearchMatch& match)
{
    QTextCursor cursor(document);
    cursor.setPosition(match.start);
    cursor.setPosition(match.end(), QTextCursor::KeepAnchor);
    return cursor;
}

} // namespace

void MdiChildEditor::buildSearchBar()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);

    searchBox = new LineEditBtn(content);
    searchBox->setObjectName(QStringLiteral("searchBox"));
    searchBox->setButtonIcon(iconOf(SearchMode::Plain), modeIconSize);
    replaceBox = new QLineEdit(content);
    replaceBox->setObjectName(QStringLiteral("replaceBox"));

    auto* previous = new QPushButton(QIcon(QString::fromLatin1(previousIcon)), QStringLiteral("previous"), content);
    auto* next = new QPushButton(QIcon(QString::fromLatin1(nextIcon)), QStringLiteral("next"), content);
    auto* replace = new QPushButton(QStringLiteral("replace"), content);
    auto* replaceAll = new QPushButton(QStringLiteral("replace all"), content);
    QPushButton* close = EditorBars::closeButton(content);
    close->setObjectName(QStringLiteral("searchClose"));

    grid->addWidget(EditorBars::whiteLabel(QStringLiteral("Find:"), content), 0, LabelColumn);
    grid->addWidget(searchBox, 0, BoxColumn);
    grid->addWidget(previous, 0, FirstButtonColumn);
    grid->addWidget(next, 0, SecondButtonColumn);
    grid->addWidget(close, 0, CloseColumn);
    grid->addWidget(EditorBars::whiteLabel(QStringLiteral("Replace with:"), content), 1, LabelColumn);
    grid->addWidget(replaceBox, 1, BoxColumn);
    grid->addWidget(replace, 1, FirstButtonColumn);
    grid->addWidget(replaceAll, 1, SecondButtonColumn);

    searchMarks = new SearchMarks(editor);
    searchBar = EditorBars::addBar(this, QStringLiteral("Search"), searchBarMaxHeight, content);

    auto* find = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this);
    connect(find, &QShortcut::activated, this, &MdiChildEditor::openSearchBox);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &MdiChildEditor::closExtraBoxes);

    connect(searchBox, &QLineEdit::textChanged, this, &MdiChildEditor::search_change);
    connect(searchBox, &QLineEdit::returnPressed, this, &MdiChildEditor::search_enter);
    connect(searchBox, &LineEditBtn::sideBtnCustomContext, this, &MdiChildEditor::searchSelectionClicked);
    connect(previous, &QPushButton::clicked, this, &MdiChildEditor::search_prev);
    connect(next, &QPushButton::clicked, this, &MdiChildEditor::search_next);
    connect(replace, &QPushButton::clicked, this, &MdiChildEditor::search_replace);
    connect(replaceAll, &QPushButton::clicked, this, &MdiChildEditor::search_replaceAll);
    connect(close, &QPushButton::clicked, this, &MdiChildEditor::closExtraBoxes);
}

void MdiChildEditor::openSearchBox()
{
    closExtraBoxes();
    searchBar->show();
    searchBox->setFocus();
}

void MdiChildEditor::closExtraBoxes()
{
    // Typing goes on in the script, not in whatever widget would come next.
    const bool barHadFocus = searchBar->isAncestorOf(focusWidget()) || gotoBar->isAncestorOf(focusWidget());
    if (barHadFocus)
        editor->setFocus();
    searchBar->hide();
    gotoBar->hide();
    editor->callTipPopup()->hide();
}

void MdiChildEditor::searchSelectionClicked(QPoint point)
{
    QMenu menu(this);
    for (int i = 0; i < SearchModes::lookCount; ++i) {
        const SearchModeLook& look = SearchModes::looks[i];
        if (!look.menuText)
            continue;
        QAction* entry = menu.addAction(QString::fromLatin1(look.menuText));
        entry->setCheckable(true);
        entry->setChecked(look.mode == searchMode);
        entry->setData(int(look.mode));
    }
    const QPoint at = searchBox->mapToGlobal(point) + QPoint(searchBox->width(), 0);
    QAction* chosen = menu.exec(at);
    if (!chosen)
        return;
    const auto mode = SearchMode(chosen->data().toInt());
    // Choosing the mode in use again switches back to the plain search.
    setSearchMode(mode == searchMode ? SearchMode::Plain : mode);
}

void MdiChildEditor::setSearchMode(SearchMode mode)
{
    searchMode = mode;
    searchBox->setButtonIcon(iconOf(mode), modeIconSize);
}

DocumentSearch MdiChildEditor::currentSearch() const
{
    return DocumentSearch(highlighter, searchMode, searchBox->text());
}

bool MdiChildEditor::selectMatch(bool backward)
{
    const QTextCursor cursor = editor->textCursor();
    const DocumentSearch search = currentSearch();
    const std::optional<SearchMatch> match =
        backward ? search.previous(cursor.selectionStart()) : search.next(cursor.selectionEnd());
    if (!match)
        return false;
    editor->jumpTo(selectionOf(editor->document(), *match));
    return true;
}

void MdiChildEditor::search_prev()
{
    selectMatch(true);
    editor->setFocus();
}

void MdiChildEditor::search_next()
{
    selectMatch(false);
    editor->setFocus();
}

void MdiChildEditor::search_enter()
{
    selectMatch(false);
}

void MdiChildEditor::search_change()
{
    searchMarks->show(currentSearch().all(maxSearchMarks));
}

void MdiChildEditor::search_replace()
{
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection()) {
        cursor.insertText(replaceBox->text());
        editor->setTextCursor(cursor);
    }
    selectMatch(false);
    editor->setFocus();
}

void MdiChildEditor::search_replaceAll()
{
    // The matches are found before anything changes. A replacement is never
    // searched again, so one that contains the searched text does not grow
    // the run.
    const QVector<SearchMatch> matches = currentSearch().all(maxReplacements);
    if (matches.isEmpty())
        return;
    // Marks are cursors that every edit would have to move.
    searchMarks->show({});
    const QString replacement = replaceBox->text();
    QTextDocument* document = editor->document();
    QTextCursor cursor(document);
    QTextCursor afterLast;
    // One edit block: the whole run is one undo step, and the document tells
    // its highlighter and layout about the change once, at the end. Each
    // line's matches are replaced in one edit, from the last line back, so
    // that the matches still to replace stay where they were found and the
    // checker's identifier records still describe their lines; placing a
    // cursor lays out its line, which must not happen once per match in a
    // long line.
    cursor.beginEditBlock();
    int lineEnd = int(matches.size());
    while (lineEnd > 0) {
        const QTextBlock block = document->findBlock(matches[lineEnd - 1].start);
        int lineStart = lineEnd - 1;
        while (lineStart > 0 && matches[lineStart - 1].start >= block.position())
            --lineStart;
        const QString text = block.text();
        const int from = matches[lineStart].start - block.position();
        QString edited;
        int copied = from;
        for (int i = lineStart; i < lineEnd; ++i) {
            const int start = matches[i].start - block.position();
            edited += QStringView(text).mid(copied, start - copied);
            edited += replacement;
            copied = start + matches[i].length;
        }
        cursor.setPosition(block.position() + from);
        cursor.setPosition(block.position() + copied, QTextCursor::KeepAnchor);
        cursor.insertText(edited);
        if (afterLast.isNull())
            afterLast = cursor; // follows the edits before it
        lineEnd = lineStart;
    }
    cursor.endEditBlock();
    editor->setTextCursor(afterLast);
}
