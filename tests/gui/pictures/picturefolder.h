#pragma once

#include "core/text/linefile.h"
#include "tests/support/scratchdirectory.h"
#include "tests/support/testpictures.h"

#include <QColor>
#include <QFile>
#include <QString>
#include <QTest>
#include <string>

namespace pagoranto::testing {

// A directory of pictures made by the test itself, with the paths as the panels take them.
class PictureFolder {
public:
    QString dir() const { return QFile::decodeName(m_dir.slashed().c_str()); }
    std::string path(const std::string &name) const { return m_dir.file(name).string(); }

    static std::string Jpeg(int width, int height, QColor colour = QColor(200, 40, 40))
    {
        JpegEncodeOptions options;
        options.quality = 95;
        const RgbImage picture =
            FlatPicture(width, height,
                        {std::uint8_t(colour.red()), std::uint8_t(colour.green()),
                         std::uint8_t(colour.blue())});
        return EncodePicture(picture, options).jpeg;
    }

    void write(const std::string &name, const std::string &bytes) const
    {
        QVERIFY(WriteFileBytes(path(name), bytes));
    }
    void writePicture(const std::string &name, int width, int height,
                      QColor colour = QColor(200, 40, 40)) const
    {
        write(name, Jpeg(width, height, colour));
    }
    void writeDamaged(const std::string &name) const { write(name, DamagedJpeg()); }

private:
    ScratchDirectory m_dir;
};

} // namespace pagoranto::testing
