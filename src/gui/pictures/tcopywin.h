#pragma once

#include "core/options/additionaloptions.h"
#include "core/pictures/copyname.h"
#include "core/pictures/copypictures.h"
#include "core/platform/prompts.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <atomic>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QStatusBar;
class QThreadPool;
class QToolButton;

namespace pagoranto {

class PictureLoader;

// The nine sizes of "New image size".
struct CopySize {
    const char *caption;
    int width;
    int height;
};
inline constexpr CopySize copySizes[] = {
    {"1024w X 768h", 1024, 768}, {"800w X 600h", 800, 600}, {"700w X 500h", 700, 500},
    {"640w X 480h", 640, 480},   {"600w X 400h", 600, 400}, {"320w X 240h", 320, 240},
    {"240w X 160h", 240, 160},   {"160w X 120h", 160, 120}, {"100w X 100h", 100, 100},
};

// The copy window: copies the ticked pictures into the destination directory, named by a
// scheme and, if asked, resized. The copying runs on a worker thread; the window shows each
// picture as it goes and stays usable.
class Tcopywin : public QDialog {
    Q_OBJECT
public:
    // names holds the texts of the four naming options, stored with the other options;
    // samplePicture is the photo the quality preview is made of.
    Tcopywin(Prompts &prompts, AdditionalOptions &names, const QString &samplePicture,
             QWidget *parent = nullptr);
    ~Tcopywin() override;

    // The pictures to copy (names in pictureDir, which ends in "/"); then the window modally.
    // Returns the directory the main window should show afterwards, if any.
    std::optional<QString> ShowFor(std::vector<std::string> pictures, const QString &pictureDir);
    // ShowFor without the modal loop, for tests.
    void Prepare(std::vector<std::string> pictures, const QString &pictureDir);

    QString destination() const { return m_destination; }
    void setDestination(const QString &dir);
    int copyNumber() const { return m_copyNumber; }
    // The handed-back refresh directory of the last "Back".
    std::optional<QString> refreshDirectory() const { return m_refresh; }

    // The name texts from the options, after the option files were read.
    void ShowNameTexts();
    // The quality bar and the size choice, kept in "resizer.ini".
    int quality() const;
    void setQuality(int quality);
    int sizeIndex() const;
    void setSizeIndex(int index);

    CopyNameOptions nameOptions() const;
    bool copying() const { return m_copying; }
    // Waits until the running copy has been shown to its end (for tests).
    void WaitForCopy();

    void SelectDestinationClick();
    void StartClick();
    void BackClick();
    void ResetClick();
    void StepNumber(int step);

    QLabel *destinationDir;
    QPushButton *selectDestination;
    QRadioButton *RadioButton1; // "Take original filenames"
    QRadioButton *RadioButton2; // "File name options"
    QGroupBox *nameOptionsBox;
    QRadioButton *RadioButton3; // "NEW+original filename"
    QRadioButton *RadioButton4; // "Original filename+NEW"
    QRadioButton *RadioButton5; // "NEW filename + number"
    QRadioButton *RadioButton6; // "Number+ NEW filename"
    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLabel *startNumber;
    QToolButton *numberUp[3];
    QToolButton *numberDown[3];
    QPushButton *resetNumber;
    QSpinBox *numberLength;
    QGroupBox *Special;
    QRadioButton *downcaseNames;
    QRadioButton *upcaseNames;
    QCheckBox *overwriteFiles;
    QLabel *example;
    QCheckBox *resizeImages;
    QGroupBox *RadioGroup3;
    QButtonGroup *sizeButtons;
    QScrollBar *ScrollBar1;
    QLabel *compressionValue;
    QCheckBox *progressive;
    QLabel *sampleOriginal;
    QLabel *sampleCompressed;
    QCheckBox *useForRefresh;
    QPushButton *startCopy;
    QPushButton *backButton;
    QProgressBar *ProgressBar1;
    QProgressBar *ProgressBar2;
    QLabel *copyPreview;
    QStatusBar *StatusBar1;
    QLabel *statusField[3];

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    QWidget *MakeNamingBox();
    QWidget *MakeResizeBox();
    void UpdateEnabling();
    void ShowNumber();
    void ShowExample();
    void ShowQualitySample();
    void SetControlsEnabled(bool enabled);
    void CopyStarted(int index, int number, const QString &name, const QImage &preview);
    void CopyFinished(int number, const std::string &endMessage);

    Prompts &m_prompts;
    AdditionalOptions &m_names;
    QThreadPool *m_pool;
    PictureLoader *m_sampleLoader;
    QImage m_sample;
    std::vector<std::string> m_pictures;
    QString m_pictureDir;
    QString m_destination;
    std::optional<QString> m_refresh;
    std::vector<QWidget *> m_optionControls;
    std::atomic<bool> m_stop{false};
    int m_copyNumber = 0;
    bool m_copying = false;
};

} // namespace pagoranto
