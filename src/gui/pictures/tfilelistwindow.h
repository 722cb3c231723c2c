#pragma once

#include "core/generator/layoutanalysis.h"
#include "core/generator/pageplan.h"
#include "core/generator/runview.h"
#include "core/options/hiddenoptions.h"
#include "core/pictures/locationcolumn.h"
#include "gui/pictures/picturelistcontext.h"

#include <QDialog>
#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace pagoranto {

class FileListPreview;
class MessageBox;
class Tfilelistedit;

// The picture-list window of the Create run: the order of the pictures, sorting lists, the
// planned pages and what the template holds. It edits a list it does not own: the run's list
// while a run shows it, otherwise the one given by setCreationList.
class Tfilelistwindow : public QDialog {
    Q_OBJECT
public:
    explicit Tfilelistwindow(MessageBox &prompts, QWidget *parent = nullptr);

    void setContext(PictureListContext context);
    void setTemplateAnalysis(const LayoutAnalysis &analysis);
    // MyLed6..MyLed10: which hidden commands are used (comment, author, keywords, title, target).
    void setHiddenCommandLights(const HiddenOptions &options);

    // Called by the run's view: takes the run's list, sets the boxes, starts Timer1 and shows
    // the window modally. A call while the window is already open is refused with Cancel.
    PictureListResult ShowForRun(std::vector<std::string> &creationList, const PagePlan &plan,
                                 const std::vector<std::string> &sortingLists,
                                 const QString &pictureDir, bool thumbnails, bool htmlcompress);
    void ShowPlan(const PagePlan &plan);
    void ShowPictureCount(std::size_t count);
    // The plan for the list as it is now, e.g. after another template was chosen.
    void RefreshPlan();
    void setCreationList(std::vector<std::string> *list);
    const QString &lastSortingListName() const { return m_lastSortingListName; }

    QWidget *content;
    QTabWidget *tabs;
    QListWidget *Dateiliste;
    std::array<QLabel *, locationColumnRows> locationLabels;
    QWidget *locationColumn;
    QTimer *Timer1;
    FileListPreview *preview;
    QToolButton *previousPositionButton;
    QToolButton *nextPositionButton;
    QToolButton *firstPositionButton;
    QToolButton *lastPositionButton;
    QCheckBox *autosortBox;
    QPushButton *removeButton;
    QAction *deleteSelectedAction;
    QPushButton *editFileListButton;
    QPushButton *fitPiclistButton;
    QPushButton *saveSortingButton;
    QListWidget *ListBox2;
    QPushButton *lastsortinglist;
    QListWidget *pagelist;
    QLabel *pictureCountLabel;
    QLabel *label15;
    QCheckBox *thumbnailsBox;
    QCheckBox *htmlcompressBox;
    QLabel *Label4;
    QLabel *Label12;
    QLabel *Label5;
    QLabel *picCountLabel;
    QLabel *tpicCountLabel;
    QLabel *totalLabel;
    std::array<QLabel *, hiddenMarkers.size()> markerLeds;
    std::array<QLabel *, 5> useLeds;
    QPushButton *thumbnailConfigButton;
    QToolButton *templateButton;
    QToolButton *SpeedButton1;
    QPushButton *startButton;
    QPushButton *cancelButton;

signals:
    void thumbnailConfigRequested();
    void templateSelectionRequested();

protected:
    // Escape and the window's close button ask like "Cancel gallery creation".
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *makePictureListTab();
    QWidget *makeInformationTab();
    QWidget *makeRunButtons();

    std::vector<std::string> &list();
    void showList(int selectRow);
    void listChanged(int selectRow);
    void DateilisteClick(int row);
    void moveSelected(int (*moveRow)(std::vector<std::string> &, int));
    void autosortClick(bool checked);
    void removeSelectedClick();
    void editFileListClick();
    void fitPiclistClick();
    void saveSortingOrderClick();
    void loadSortingList(const std::string &name, bool rememberName);
    void ListBox2DblClick();
    void lastsortinglistClick();
    void pagelistDblClick();
    void label15Click();
    void Timer1Timer();
    void SpeedButton1Click();
    void startClick();
    void cancelClick();
    void showSortingLists();
    void setLastSortingListName(const std::string &name);

    MessageBox &m_prompts;
    PictureListContext m_context;
    Tfilelistedit *m_edit;
    std::vector<std::string> m_ownList;
    std::vector<std::string> *m_list = &m_ownList;
    std::vector<std::string> *m_betweenRuns = nullptr;
    std::vector<std::string> m_sortingLists;
    std::string m_pictureDir;
    std::string m_lastName;
    QString m_lastSortingListName;
    PagePlan m_plan;
    bool m_shownForRun = false;
    bool m_singlePageRunning = false;
};

} // namespace pagoranto
