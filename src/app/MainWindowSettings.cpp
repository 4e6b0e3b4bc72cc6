#include "MainWindow.h"

#include <QAction>
#include <QDockWidget>
#include <QSettings>
#include <QToolBar>

// Two INI files under the user's configuration folder: "general" holds the
// window's geometry and layout, "settings" the user's choices. Every key
// stands at the top level of its file.
namespace {

const QString organisation = QStringLiteral("Korvel");
const QString generalFile = QStringLiteral("general");
const QString settingsFile = QStringLiteral("settings");

const QString geometryKey = QStringLiteral("initGeo");
const QString layoutKey = QStringLiteral("initState");
const QString wordWrapKey = QStringLiteral("wordWrap");
const QString syncBarKey = QStringLiteral("syncBar");
const QString messageBarKey = QStringLiteral("msgBar");
const QString updateCheckKey = QStringLiteral("chkup");
const QString mainToolbarKey = QStringLiteral("mainToolBar");
const QString formatToolbarKey = QStringLiteral("formatToolBar");

// A visibility key sets the Window menu's check and the widget together; a
// missing key (first start, or an unreadable file) gives the default.
void restoreVisibility(const QSettings& settings, const QString& key, bool byDefault, QAction* action, QWidget* widget)
{
    const bool visible = settings.value(key, byDefault).toBool();
    action->setChecked(visible);
    widget->setVisible(visible);
}

} // namespace

void MainWindow::restoreSettings()
{
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, settingsFile);
    if (settings.contains(wordWrapKey))
        wordWrapAction->setChecked(settings.value(wordWrapKey).toBool());
    restoreVisibility(settings, syncBarKey, true, syncBarAction, syncDock);
    restoreVisibility(settings, messageBarKey, true, debugWindowAction, messageDock);
    autoCheckUpdates = settings.value(updateCheckKey, true).toBool();
    restoreVisibility(settings, mainToolbarKey, true, mainToolbarAction, mainToolbar);
    restoreVisibility(settings, formatToolbarKey, false, formatToolbarAction, formatToolbar);
    updateServer = UpdateServer::fromSettings(settings);
    if (autoCheckUpdates && updateServer.isSet())
        requestVersionFile();

    const QSettings general(QSettings::IniFormat, QSettings::UserScope, organisation, generalFile);
    if (general.contains(geometryKey))
        restoreGeometry(general.value(geometryKey).toByteArray());
    if (general.contains(layoutKey))
        restoreState(general.value(layoutKey).toByteArray(), 0);
}

void MainWindow::saveSettings() const
{
    QSettings general(QSettings::IniFormat, QSettings::UserScope, organisation, generalFile);
    general.setValue(geometryKey, saveGeometry());
    general.setValue(layoutKey, saveState(0));

    QSettings settings(QSettings::IniFormat, QSettings::UserScope, organisation, settingsFile);
    settings.setValue(wordWrapKey, wordWrapAction->isChecked());
    // The docks are saved from their menu checks, so a dock closed with its
    // own title-bar button comes back at the next start.
    settings.setValue(syncBarKey, syncBarAction->isChecked());
    settings.setValue(messageBarKey, debugWindowAction->isChecked());
    settings.setValue(updateCheckKey, autoCheckUpdates);
    // The toolbars are saved as they are, whichever way they were hidden.
    settings.setValue(mainToolbarKey, !mainToolbar->isHidden());
    settings.setValue(formatToolbarKey, !formatToolbar->isHidden());
}
