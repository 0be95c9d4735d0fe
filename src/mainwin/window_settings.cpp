#include "mainwin/window_settings.h"

#include <QSettings>

namespace cgt {

namespace {

QSettings ModuleSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Verimo"), QStringLiteral("cgt2003"));
}

const QString kSizeKey = QStringLiteral("MainWindow/size");
const QString kMaximizedKey = QStringLiteral("MainWindow/maximized");

}  // namespace

std::optional<WindowPlacement> LoadWindowPlacement() {
    const QSettings settings = ModuleSettings();
    const QSize size = settings.value(kSizeKey).toSize();
    if (!size.isValid() || size.isEmpty()) return std::nullopt;
    return WindowPlacement{size, settings.value(kMaximizedKey, false).toBool()};
}

void SaveWindowPlacement(const WindowPlacement& placement) {
    QSettings settings = ModuleSettings();
    settings.setValue(kSizeKey, placement.size);
    settings.setValue(kMaximizedKey, placement.maximized);
}

}  // namespace cgt
