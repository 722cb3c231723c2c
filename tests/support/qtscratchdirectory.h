#pragma once

#include "tests/support/scratchdirectory.h"

#include <QFile>
#include <QString>
#include <filesystem>
#include <system_error>

namespace pagoranto::testing {

// The scratch directory with its paths as QStrings, named as QTemporaryDir names them, for
// QtTest programs.
class QtScratchDirectory {
public:
    bool isValid() const
    {
        std::error_code error;
        return std::filesystem::is_directory(m_dir.path(), error);
    }
    QString path() const { return QFile::decodeName(m_dir.path().c_str()); }
    QString filePath(const QString &name) const { return path() + QLatin1Char('/') + name; }

private:
    ScratchDirectory m_dir;
};

} // namespace pagoranto::testing
