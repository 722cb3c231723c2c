#include "gui/pictures/filelistpreview.h"
#include "gui/pictures/tfilelistedit.h"
#include "tests/gui/picturelist/picturelistpictures.h"
#include "tests/support/qtscratchdirectory.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace pagoranto;

using Names = std::vector<std::string>;

namespace {

Names Rows(const QListWidget *list)
{
    Names names;
    for (int i = 0; i < list->count(); ++i)
        names.push_back(list->item(i)->text().toStdString());
    return names;
}

// Opens the window with candidates and lets driver work it; a driver that stops early (a
// failed check) still ends with the window closed.
std::optional<Names> EditWith(Tfilelistedit &edit, Names candidates, const std::string &dir,
                              std::function<void()> driver)
{
    QTimer::singleShot(0, &edit, [&edit, driver] {
        driver();
        if (edit.isVisible())
            edit.reject();
    });
    return edit.Edit(std::move(candidates), dir);
}

} // namespace

class TfilelistEditTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheRestSortedAndNothingToAdd();
    void transferButtonsFollowTheLists();
    void okGivesThePicturesInTheirOrder();
    void cancelGivesNothing();
    void clickedPicturesArePreviewed();
};

void TfilelistEditTest::showsTheRestSortedAndNothingToAdd()
{
    Tfilelistedit edit;
    EditWith(edit, {"c.jpg", "A.jpg", "b.jpg"}, "/nowhere/", [&] {
        QCOMPARE(edit.windowTitle(), QString("Add \".jpg\" pictures to the list"));
        QCOMPARE(Rows(edit.restList), (Names{"A.jpg", "b.jpg", "c.jpg"}));
        QCOMPARE(edit.addList->count(), 0);
        QCOMPARE(edit.restCount->text(), QString("3 pictures"));
        QCOMPARE(edit.addCount->text(), QString("0 pictures"));
        QCOMPARE(edit.restList->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(edit.note->text(), QString("The new pictures are about to be added at the end "
                                            "of the existing list !"));
    });
}

void TfilelistEditTest::transferButtonsFollowTheLists()
{
    Tfilelistedit edit;
    EditWith(edit, {"a", "b"}, "/nowhere/", [&] {
        QVERIFY(edit.addSelectedButton->isEnabled());
        QVERIFY(edit.addAllButton->isEnabled());
        QVERIFY(!edit.takeBackButton->isEnabled());
        QVERIFY(!edit.takeBackAllButton->isEnabled());

        edit.addAllButton->click();
        QVERIFY(!edit.addSelectedButton->isEnabled());
        QVERIFY(!edit.addAllButton->isEnabled());
        QVERIFY(edit.takeBackButton->isEnabled());
        QVERIFY(edit.takeBackAllButton->isEnabled());

        edit.addList->item(1)->setSelected(true);
        edit.takeBackButton->click();
        QCOMPARE(Rows(edit.restList), (Names{"b"}));
        QCOMPARE(Rows(edit.addList), (Names{"a"}));
        QVERIFY(edit.addSelectedButton->isEnabled());
        edit.takeBackAllButton->click();
        QCOMPARE(Rows(edit.restList), (Names{"a", "b"}));
        QVERIFY(!edit.takeBackAllButton->isEnabled());
    });
}

void TfilelistEditTest::okGivesThePicturesInTheirOrder()
{
    Tfilelistedit edit;
    const auto added = EditWith(edit, {"a", "b", "c", "d"}, "/nowhere/", [&] {
        edit.restList->item(1)->setSelected(true);
        edit.restList->item(3)->setSelected(true);
        edit.addSelectedButton->click();
        QCOMPARE(Rows(edit.restList), (Names{"a", "c"}));
        QCOMPARE(edit.restCount->text(), QString("2 pictures"));
        edit.addAllButton->click();
        edit.okButton->click();
    });
    QVERIFY(added.has_value());
    QCOMPARE(*added, (Names{"d", "b", "a", "c"}));

    // The window is reused: the next opening starts afresh.
    const auto second = EditWith(edit, {"x"}, "/nowhere/", [&] {
        QCOMPARE(edit.addList->count(), 0);
        edit.okButton->click();
    });
    QCOMPARE(*second, Names{});
}

void TfilelistEditTest::cancelGivesNothing()
{
    Tfilelistedit edit;
    const auto added = EditWith(edit, {"a"}, "/nowhere/", [&] {
        edit.addAllButton->click();
        edit.cancelButton->click();
    });
    QVERIFY(!added.has_value());
}

void TfilelistEditTest::clickedPicturesArePreviewed()
{
    const testing::QtScratchDirectory dir;
    QVERIFY(testing::WritePicture(dir.path().toStdString(), "wide.jpg", 400, 200));
    Tfilelistedit edit;
    EditWith(edit, {"wide.jpg", "gone.jpg"}, dir.path().toStdString() + "/", [&] {
        QTest::mouseClick(edit.restList->viewport(), Qt::LeftButton, {},
                          edit.restList->visualItemRect(edit.restList->item(1)).center());
        QCOMPARE(edit.preview->shownSize(), QSize(317, 158));
        QTest::mouseClick(edit.restList->viewport(), Qt::LeftButton, {},
                          edit.restList->visualItemRect(edit.restList->item(0)).center());
        QCOMPARE(edit.preview->text(), QString("Image not found !"));
    });
}

QTEST_MAIN(TfilelistEditTest)
#include "tfilelistedit_test.moc"
