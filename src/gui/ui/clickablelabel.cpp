#include "gui/ui/clickablelabel.h"

#include <QMouseEvent>

namespace pagoranto {

ClickableLabel::ClickableLabel(const QString &text, const char *objectName, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setFrameShape(QFrame::Box);
    setStyleSheet(QStringLiteral("QLabel { background: #fff3c4; padding: 1px 4px; }"));
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_onClick) {
        m_onClick();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace pagoranto
