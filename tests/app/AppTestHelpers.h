#pragma once

#include "DeferredDeletes.h"
#include "FileBytes.h"
#include "ModalAnswers.h"
#include "TestRegistry.h"
#include "app/MainWindow.h"
#include "app/NewProjectDialog.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QListWidget>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace AppTests {

// A window's own actions whose text is exactly `text`: for the main window
// a menu entry (menu texts keep their "&" marks) and, for a control code,
// its toolbar button. Direct children only: the toolbars' and docks' view
// toggles carry their titles as texts.
inline QList<QAction*> actionsNamed(const QWidget& window, const QString& text)
{
    QList<QAction*> found;
    const QList<QAction*> actions = window.findChildren<QAction*>(Qt::FindDirectChildrenOnly);
    for (QAction* a : actions) {
        if (a->text() == text)
            found.append(a);
    }
    return found;
}

inline QAction* action(const MainWindow& window, const QString& text)
{
    return actionsNamed(window, text).value(0);
}

// The titles of the document tabs, left to right.
inline QStringList tabTexts(const MainWindow& window)
{
    QStringList texts;
    for (int i = 0; i < window.tabArea()->count(); ++i)
        texts.append(window.tabArea()->tabText(i));
    return texts;
}

// The message dock's tabs: Debug, Messages, then References once listed.
inline QTabWidget* messageTabs(const MainWindow& window)
{
    return qobject_cast<QTabWidget*>(window.findChild<QDockWidget*>(QStringLiteral("msgArea"))->widget());
}

// The rows of one of the message dock's lists as "file:line", with
// ":column" when `withColumn`, sorted.
inline QStringList listedPlaces(const QAbstractItemModel* model, bool withColumn = false)
{
    QStringList places;
    for (int row = 0; row < model->rowCount(); ++row) {
        places << QFileInfo(model->index(row, 0).data().toString()).fileName() + ':'
                + model->index(row, 1).data().toString();
        if (withColumn)
            places.last() += ':' + model->index(row, 2).data().toString();
    }
    places.sort();
    return places;
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    writeBytes(path, content);
    return path;
}

// Both settings files go to `dir`, so no test sees another's or the user's.
inline void useSettingsDir(const QTemporaryDir& dir)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}

// One of Korvel's settings files ("general" or "settings") in `dir`.
inline QString settingsFile(const QTemporaryDir& dir, const char* name)
{
    return dir.filePath(QStringLiteral("Korvel/%1.ini").arg(QLatin1String(name)));
}

// Opens the script at `path` in `window`; its editor.
inline MslTextEditor* openEditor(MainWindow& window, const QString& path, bool readOnly = false)
{
    window.openScript(QFileInfo(path), readOnly);
    return qobject_cast<MdiChildEditor*>(window.tabArea()->currentWidget())->getEditor();
}

// A `_data` table of one bool column, a row for each value.
inline void boolRows(const char* column, const char* whenFalse, const char* whenTrue)
{
    QTest::addColumn<bool>(column);
    QTest::newRow(whenFalse) << false;
    QTest::newRow(whenTrue) << true;
}

// Exit ends the running event loop; run one so that it has a loop to end
// (an exit outside any loop would make every later dialog return at once).
// Returns the loop's exit code, -1 when Korvel stayed: then nothing ends
// the loop, and a moment later the test does.
inline int exitProgram(MainWindow& window)
{
    constexpr int stayedAfterMs = 100;
    QTimer stayed;
    stayed.setSingleShot(true);
    QObject::connect(&stayed, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    QTimer::singleShot(0, &window, [&] {
        window.exitProgram();
        stayed.start(stayedAfterMs);
    });
    return QCoreApplication::exec();
}

// Picks `row` in the New command's type chooser with OK (or Cancel), and
// accepts the information box that Dialog and the unsupported types show.
inline void chooseNew(MainWindow& window, int row)
{
    ModalAnswers answers;
    answers.then([row](QWidget* modal) {
        auto* chooser = qobject_cast<NewProjectDialog*>(modal);
        if (row == NewProjectDialog::Cancelled) {
            chooser->cancelBtnClicked();
            return;
        }
        chooser->typeList()->setCurrentRow(row);
        chooser->selectBtnClicked();
    });
    if (row != NewProjectDialog::ScriptDocument && row != NewProjectDialog::Cancelled)
        answers.press(QMessageBox::Ok);
    window.newFile();
}

} // namespace AppTests
