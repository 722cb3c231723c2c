#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace pagoranto {

// Colours HTML tags, comments and the template's own commands and hidden markers, so that what
// the Create run replaces stands out from the page around it.
class TemplateHighlighter : public QSyntaxHighlighter {
public:
    explicit TemplateHighlighter(QTextDocument *document);

protected:
    void highlightBlock(const QString &text) override;

private:
    QRegularExpression m_tag;
    QRegularExpression m_command;
    QRegularExpression m_marker;
    QTextCharFormat m_tagFormat;
    QTextCharFormat m_commentFormat;
    QTextCharFormat m_commandFormat;
    QTextCharFormat m_markerFormat;
};

} // namespace pagoranto
