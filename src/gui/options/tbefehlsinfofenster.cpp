#include "gui/options/tbefehlsinfofenster.h"

#include "gui/ui/namedwidgets.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace pagoranto {

namespace {

const char *const helpText = R"(
<h2>Dynamic use of the hidden commands</h2>
<p>A template may hold HTML comments that a browser never shows. When you create a gallery,
Pagoranto replaces them with the texts of the hidden options, on every page. The texts may
themselves hold a few commands that are filled in <b>page by page</b>:</p>
<table border="1" cellpadding="4" cellspacing="0">
<tr><td><tt>$count$</tt></td><td>the number of the current page (or picture)</td></tr>
<tr><td><tt>$total$</tt></td><td>the number of pages of the gallery</td></tr>
<tr><td><tt>$freetext$</tt></td><td>the free text of the "Command options" tab</td></tr>
<tr><td><tt>$time$</tt></td><td>the time of the creation</td></tr>
<tr><td><tt>$dateeng$</tt>, <tt>$datenger$</tt></td><td>the date in English or German form</td></tr>
</table>
<p>So the title <tt>Holiday $count$ of $total$</tt> becomes "Holiday 3 of 12" on the third of
twelve pages. A text must never hold the command it replaces, nor <tt>$pic$</tt> or
<tt>$tpic$</tt>: the run would replace it again and again, so such an entry is removed as you
type it.</p>

<h3><a name="comment"></a>&lt;!--comment--&gt;</h3>
<p>Put <tt>&lt;!--comment--&gt;</tt> anywhere in the body of the template; it becomes your comment,
for example <tt>Pictures taken on $dateeng$</tt>. Untick "Enter your comment" and the marker stays
an invisible HTML comment.</p>

<h3><a name="author"></a>&lt;!--metaauthor--&gt;</h3>
<p>Put <tt>&lt;!--metaauthor--&gt;</tt> into the head of the template. It becomes a meta tag that
names the author and the copyright of the pictures, which search engines and archives read.</p>

<h3><a name="keywords"></a>&lt;!--metakeywords--&gt;</h3>
<p>Put <tt>&lt;!--metakeywords--&gt;</tt> into the head of the template. It becomes a meta tag with
your keywords, separated with commas: <tt>harbour,boats,summer</tt>.</p>

<h3><a name="title"></a>&lt;!--title--&gt;</h3>
<p>Put <tt>&lt;!--title--&gt;</tt> into the head of the template. It becomes the title of the
page, shown in the browser's tab and in bookmarks. With <tt>$count$</tt> and <tt>$total$</tt>
every page gets its own title.</p>

<h3><a name="target"></a>Target of the thumbnails</h3>
<p>When a gallery is shown in frames, the thumbnail links should open the picture in another
frame. Tick "Enter $TPIC$ target" and enter the frame's name, or choose one of the browser's own
targets from the list: <tt>_self</tt> (the same frame), <tt>_blank</tt> (a new window),
<tt>_parent</tt> (the frame around it) or <tt>_top</tt> (the whole window).</p>

<h3><a name="alternative"></a>Alternative texts</h3>
<p>Every picture and thumbnail carries an alternative text that is shown while it loads and read
aloud by screen readers. Take the file name, or an own text such as <tt>Picture $count$ of
$total$ - click for the full view</tt>.</p>

<h3><a name="information"></a>Information under the thumbnails</h3>
<p>The file name (with or without its extension), the dimensions, the file size and the
description (its first line or the whole of it) can be written under every thumbnail. Put the
<tt>$tpic$</tt> commands into the cells of a table, so that the lines stay under their
thumbnails.</p>

<h3><a name="html"></a>$html0$ .. $html9$</h3>
<p>Ten pieces of HTML of your own, for links, banners or notes that every page should carry.
Write <tt>$html1$</tt> into the template where the first one belongs. They may hold
<tt>$count$</tt>, <tt>$total$</tt> and the date and time commands as well:
<tt>&lt;a href="../index.html"&gt;Back to all galleries&lt;/a&gt; - page $count$</tt>.</p>
)";

} // namespace

Tbefehlsinfo_fenster::Tbefehlsinfo_fenster(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tbefehlsinfo_fenster"));
    setWindowTitle(QStringLiteral("Dynamic use of the hidden commands"));
    Memo1 = new QTextBrowser(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setOpenLinks(false);
    Memo1->setHtml(QString::fromUtf8(helpText));
    QHBoxLayout *buttons = BackButtonRow(this, Button1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addLayout(buttons);
    resize(620, 560);
}

void Tbefehlsinfo_fenster::ShowTopic(const QString &topic)
{
    if (topic.isEmpty())
        Memo1->moveCursor(QTextCursor::Start);
    else
        Memo1->scrollToAnchor(topic);
    exec();
}

} // namespace pagoranto
