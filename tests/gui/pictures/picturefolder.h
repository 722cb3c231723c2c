#pragma once

#include "core/pictures/jpegencoder.h"
#include "core/text/linefile.h"

#include <QColor>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

namespace pagoranto::testing {

// A directory of pictures made by the test itself.
class PictureFolder {
public:
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }
    std::string path(const std::string &name) const
    {
        return QFile::encodeName(dir()).toStdString() + name;
    }

    static std::string Jpeg(int width, int height, QColor colour = QColor(200, 40, 40))
    {
        RgbImage image{width, height, {}};
        image.rgb.reserve(std::size_t(width) * height * 3);
        for (int i = 0; i < width * height; ++i)
            image.rgb.insert(image.rgb.end(), {std::uint8_t(colour.red()),
                                               std::uint8_t(colour.green()),
                                               std::uint8_t(colour.blue())});
        JpegEncodeOptions options;
        options.quality = 95;
        return EncodeJpeg(ViewOf(image), options).jpeg;
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
    // A JPEG start marker followed by rubbish: no decoder makes a picture of it.
    void writeDamaged(const std::string &name) const
    {
        write(name, std::string("\xFF\xD8\xFF\xE0 this is no picture at all", 30));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace pagoranto::testing
