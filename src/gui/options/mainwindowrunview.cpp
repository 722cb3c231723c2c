#include "gui/options/mainwindowrunview.h"

#include "gui/generator/tcreationwindow.h"
#include "gui/generator/tendstatus.h"
#include "gui/options/protocolpanel.h"
#include "gui/options/specialoptionspanel.h"
#include "gui/options/tform1.h"
#include "gui/pictures/directorypanel.h"
#include "gui/pictures/tfilelistwindow.h"
#include "gui/pictures/thumbnaillist.h"
#include "gui/pictures/thumbnailpanel.h"
#include "gui/platform/qttext.h"

namespace pagoranto {

void MainWindowRunView::ShowRunStatus(std::string_view text)
{
    m_form.Panel10->Panel6->setText(ToQString(text));
}

void MainWindowRunView::ShowPageCounter(std::int64_t counter)
{
    m_form.ShowPageCounter(counter);
}

void MainWindowRunView::ShowPagePlan(const PagePlan &plan)
{
    m_form.Label4->setText(ToQString(plan.pageCountText));
    m_form.filelistwindow->ShowPlan(plan);
}

void MainWindowRunView::ShowPageNumber(int number)
{
    m_form.Label5->setText(QString::number(number));
}

void MainWindowRunView::ShowElapsedTime(std::string_view text)
{
    m_form.Panel10->Panel5->setText(ToQString(text));
}

void MainWindowRunView::ShowCompressIndicator(std::string_view text)
{
    m_form.compressindicator->setText(ToQString(text));
}

void MainWindowRunView::ShowProtocol(const LayoutAnalysis &analysis)
{
    m_form.Panel3->ShowProtocol(analysis);
}

void MainWindowRunView::ShowRunState(RunState state)
{
    m_form.ShowRunState(state);
}

void MainWindowRunView::RefreshPageFileList()
{
    m_form.Panel10->RefreshFileLists();
}

void MainWindowRunView::OpenInput(RunInput input)
{
    switch (input) {
    case RunInput::TemplateSelection:
        m_form.Selectpagetemplate1Click();
        break;
    case RunInput::ThumbnailList:
        m_form.reloadthumbnailsClick();
        break;
    case RunInput::SpecialOptionsTab:
        m_form.SelectTab(TForm1::OptionTab::specialOptions);
        break;
    case RunInput::DirectoryLevels:
        m_form.ToolButton3Click();
        break;
    }
}

std::vector<std::string> MainWindowRunView::CollectCheckedPictures()
{
    return m_form.thumbnail->ListView1->CollectCheckedPictures();
}

PictureListResult MainWindowRunView::ShowPictureList(std::vector<std::string> &creationList,
                                                     const PagePlan &plan,
                                                     const std::vector<std::string> &sortingLists)
{
    const GallerySettings &settings = m_form.settings();
    return m_form.filelistwindow->ShowForRun(
        creationList, plan, sortingLists, ToQString(m_form.setup().pictureDir),
        settings.special.createthumbnails, settings.special.pagecompressor);
}

void MainWindowRunView::ShowThumbnailerBusy(bool shown)
{
    m_form.CreationWindow->ShowBusy(shown);
    if (!shown)
        m_form.Panel11->createthumbnails->setChecked(m_form.settings().special.createthumbnails);
}

void MainWindowRunView::ShowWebPictureProgress(std::size_t done, std::size_t total)
{
    if (done == 0 && total == 0) {
        m_form.CreationWindow->ShowBusy(false);
        return;
    }
    m_form.CreationWindow->ShowProgress(
        QStringLiteral("Web-size pictures %1 of %2").arg(done).arg(total));
}

void MainWindowRunView::AddToHistory(const std::string &pictureDir, const std::string &templatePath)
{
    m_form.AddToHistory(pictureDir, templatePath);
}

void MainWindowRunView::ShowEndStatus(const EndStatus &status)
{
    m_form.endstatus->ShowEndStatus(status, m_form.settings().additional.browserStart);
}

} // namespace pagoranto
