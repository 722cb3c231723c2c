#include "gui/options/tthreegalleries.h"

#include "gui/ui/namedwidgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

struct Kind {
    const char *file;
    const char *caption;
    const char *explanation;
};

constexpr std::array<Kind, 3> kinds{{
    {"pic.jpg", "Just the $PIC$ command - The result",
     "One page per picture, linked by the navigation commands. Layout \"picture\"."},
    {"pictpic.jpg", "$PIC$ and $TPIC$ - commands - The result",
     "One page per picture with thumbnails of the next pictures. Layout \"strip\"."},
    {"tpic.jpg", "Just the $TPIC$ command - The result",
     "Index pages of thumbnails, each linked to its picture. Layout \"index\"."},
}};

constexpr int pictureWidth = 400;
constexpr int pictureHeight = 300;

} // namespace

Tthreegalleries::Tthreegalleries(const QString &pictureDirectory, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tthreegalleries"));
    setWindowTitle(QStringLiteral("Three different gallery types"));
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const int column = static_cast<int>(i);
        auto *caption = new QLabel(QString::fromLatin1(kinds[i].caption), this);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        Image[i] =
            NamedLabel(QStringLiteral("Image%1").arg(column + 1).toLatin1().constData(), this);
        Image[i]->setFixedSize(pictureWidth, pictureHeight);
        Image[i]->setFrameShape(QFrame::Box);
        Image[i]->setAlignment(Qt::AlignCenter);
        Image[i]->setWordWrap(true);
        const QString file = pictureDirectory + QString::fromLatin1(kinds[i].file);
        const QPixmap picture(file);
        if (picture.isNull())
            Image[i]->setText(QStringLiteral("The picture %1 is missing.").arg(file));
        else
            Image[i]->setPixmap(picture.scaled(pictureWidth, pictureHeight, Qt::KeepAspectRatio,
                                               Qt::SmoothTransformation));
        auto *explanation = new QLabel(QString::fromLatin1(kinds[i].explanation), this);
        explanation->setWordWrap(true);
        grid->addWidget(caption, 0, column);
        grid->addWidget(Image[i], 1, column);
        grid->addWidget(explanation, 2, column);
    }
    QHBoxLayout *buttons = BackButtonRow(this, Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

} // namespace pagoranto
