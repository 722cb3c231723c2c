#pragma once

#include <QLabel>
#include <QSize>
#include <filesystem>

namespace pagoranto {

// A picture shown 317 wide or 220 high at its own ratio, or "Image not found !".
class FileListPreview : public QLabel {
    Q_OBJECT
public:
    explicit FileListPreview(QWidget *parent = nullptr);

    // False when the file could not be loaded.
    bool showPicture(const std::filesystem::path &file);
    void clearPicture();

    // The size the picture is shown at; empty while none is shown.
    QSize shownSize() const { return m_shownSize; }

private:
    QSize m_shownSize;
};

} // namespace pagoranto
