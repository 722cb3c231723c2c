#include "gui/options/protocolpanel.h"

#include "core/text/bytetext.h"
#include "gui/platform/qttext.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pagoranto {

ProtocolPanel::ProtocolPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel3"));
    auto *title = new QLabel(QStringLiteral("<b>Template protocol (found commands)</b>"), this);
    protocol = new QPlainTextEdit(this);
    protocol->setObjectName(QStringLiteral("protocol"));
    protocol->setReadOnly(true);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    connect(close, &QPushButton::clicked, this, &ProtocolPanel::closeRequested);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(protocol, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void ProtocolPanel::ShowProtocol(const LayoutAnalysis &analysis)
{
    QStringList lines;
    for (const std::string &line : analysis.protocol)
        lines << ToQString(ToUtf8(line));
    protocol->setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace pagoranto
