#pragma once
// The module keeps the main window's size in the user's settings file. A test
// program keeps its own, in a folder that goes when the program ends, so that
// tests neither read the developer's settings nor leave theirs behind.
#include <QSettings>
#include <QTemporaryDir>

namespace cgt::test {

inline void KeepSettingsInATemporaryFolder() {
    static QTemporaryDir folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
}

// Forgets what an earlier test in the same program left there.
inline void ClearModuleSettings() {
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Verimo"), QStringLiteral("cgt2003")).clear();
}

}  // namespace cgt::test
