#pragma once

#include <QString>

// Tab icons of the document windows.
namespace DocumentIcons {

inline const QString script = QStringLiteral(":/tabbar/resources/img_assets/options/main/tabs/file.png");
inline const QString readOnlyScript =
    QStringLiteral(":/tabbar/resources/img_assets/options/main/tabs/file-read-only.png");
inline const QString dialog = QStringLiteral(":/tabbar/resources/img_assets/options/main/tabs/dialog.png");

} // namespace DocumentIcons
