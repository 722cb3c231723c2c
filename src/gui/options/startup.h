#pragma once

#include "gui/options/tform1.h"

#include <QString>
#include <QStringList>

namespace pagoranto {

// What must be set before the QApplication exists.
void PrepareApplication();

// The directory as an absolute path ending in "/".
QString DirectoryWithSlash(const QString &directory);

// The program's own folder, and the picture directory named by the first argument, if any.
StartupPaths StartupPathsFromArguments(const QStringList &arguments);

} // namespace pagoranto
