#pragma once

#include "core/generator/layoutanalysis.h"

#include <QPlainTextEdit>
#include <QWidget>

namespace pagoranto {

// The commands the template analysis found, line by line.
class ProtocolPanel : public QWidget {
    Q_OBJECT
public:
    explicit ProtocolPanel(QWidget *parent = nullptr);

    void ShowProtocol(const LayoutAnalysis &analysis);

    QPlainTextEdit *protocol;

signals:
    void closeRequested();
};

} // namespace pagoranto
