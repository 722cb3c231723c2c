#pragma once

#include <QLabel>
#include <functional>

namespace pagoranto {

// A framed label that does something when clicked, such as explaining an indicator.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString &text, const char *objectName, QWidget *parent);

    void setOnClick(std::function<void()> onClick) { m_onClick = std::move(onClick); }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    std::function<void()> m_onClick;
};

} // namespace pagoranto
