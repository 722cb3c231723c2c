#pragma once

#include "core/options/thumbnailoptionsfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QThreadPool>
#include <QToolButton>
#include <functional>

namespace pagoranto {

class ClickableLabel;
class MessageBox;

// The gradient background as the thumbnailer draws it, with the frame and a stand-in
// thumbnail.
class GradientPreview : public QWidget {
    Q_OBJECT
public:
    explicit GradientPreview(QWidget *parent = nullptr);

    void setColours(ColourValue start, ColourValue end);
    void setGradientType(int type);
    void setFrame(bool frame);
    void setThumbnailShown(bool shown);
    ColourValue startColour() const { return m_start; }
    ColourValue endColour() const { return m_end; }
    bool thumbnailShown() const { return m_thumbnail; }
    // What is painted, for tests and the screenshot.
    QImage render() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourValue m_start = 0;
    ColourValue m_end = 0;
    int m_type = 0;
    bool m_frame = false;
    bool m_thumbnail = false;
};

QColor ToQColor(ColourValue colour);
ColourValue ToColourValue(const QColor &colour);

// "Thumbnail options": everything the thumbnailer needs, kept in the settings the run reads.
class TThumbnailerOpt : public QDialog {
    Q_OBJECT
public:
    TThumbnailerOpt(ThumbnailOptions &options, MessageBox &prompts,
                    QString thumbnailConfigDirectory, QWidget *parent = nullptr);
    ~TThumbnailerOpt() override;

    // Where the pages go, for the ".cct" files, which carry it like the thumbnailer's file.
    void setDestinationSource(std::function<ThumbnailerFile()> source)
    {
        m_destination = std::move(source);
    }

    // Shows the options again after they were read from a file.
    void ShowOptions();
    // Modal; the options are kept in any case.
    int ShowModal();

    bool LoadThumbnailConfigData(const QString &path);
    bool SaveThumbnailConfigData(const QString &path);

    void RadioGroup1Click(int index);
    void Panel11Click();
    void Panel12Click();
    void Button3Click(); // swap colours
    void Button1Click(); // background colour
    void BitBtn3Click();
    void BitBtn4Click();
    // Starts the compression preview unless one is being made; a change meanwhile is made next.
    void UpdateCompressionPreview();
    bool compressionPreviewRunning() const { return m_compressing; }
    QColor previewBackground() const;

    QScrollBar *ScrollBar2; // width
    QScrollBar *ScrollBar3; // height
    QScrollBar *ScrollBar1; // JPEG quality
    QScrollBar *ScrollBar6; // horizontal margin
    QScrollBar *ScrollBar5; // vertical margin
    QScrollBar *ScrollBar4; // border
    QLabel *Label7;
    QLabel *Label8;
    QLabel *Label4;
    QLabel *Label14;
    QLabel *Label13;
    QLabel *Label10;
    QButtonGroup *RadioGroup1; // size presets
    QButtonGroup *RadioGroup2; // gradient type
    QCheckBox *CheckBox1;      // greyscaled
    QCheckBox *CheckBox2;      // show the sample thumbnail
    QCheckBox *Drei3d_check;
    ClickableLabel *Panel11;
    ClickableLabel *Panel12;
    QWidget *previewPanel;
    GradientPreview *HarmGradient1;
    QLabel *Image1; // the sample as it is
    QLabel *Image2; // the sample compressed
    QLabel *compressedSize;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QToolButton *BitBtn3;
    QToolButton *BitBtn4;
    QLineEdit *thumbdir;
    QStatusBar *StatusBar1;

protected:
    void showEvent(QShowEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    QScrollBar *AddScrollBar(const char *name, const NumberField &field, int &value, QLabel *&label,
                             const char *labelName);
    QWidget *MakeSizeBox();
    QWidget *MakeCompressionBox();
    QWidget *MakeBackgroundBox();
    QWidget *MakePlacementBox();
    void ShowColours();
    void SetPreviewBackground(const QColor &colour);
    QString ConfigDirectory() const;

    ThumbnailOptions &m_options;
    MessageBox &m_prompts;
    QString m_thumbnailConfigDirectory;
    std::function<ThumbnailerFile()> m_destination;
    QImage m_sample;
    bool m_compressing = false;
    bool m_compressAgain = false;
    QThreadPool m_pool;
};

} // namespace pagoranto
