#include "gui/templates/templatehighlighter.h"

#include "core/generator/commandlist.h"
#include "core/generator/layoutanalysis.h"
#include "gui/platform/qttext.h"

#include <QStringList>

namespace pagoranto {

namespace {

enum class State { none = -1, insideComment = 1 };

QString Alternatives(auto &&texts)
{
    QStringList escaped;
    for (const auto &text : texts)
        escaped.push_back(QRegularExpression::escape(ToQString(std::string_view(text))));
    return escaped.join(QLatin1Char('|'));
}

} // namespace

TemplateHighlighter::TemplateHighlighter(QTextDocument *document) : QSyntaxHighlighter(document)
{
    QStringList commands;
    for (const TemplateCommand &command : commandList())
        commands.push_back(QRegularExpression::escape(ToQString(command.text)));
    m_tag = QRegularExpression(QStringLiteral("</?[A-Za-z!][^>]*>?"));
    m_command = QRegularExpression(commands.join(QLatin1Char('|')),
                                   QRegularExpression::CaseInsensitiveOption);
    m_marker =
        QRegularExpression(Alternatives(hiddenMarkers), QRegularExpression::CaseInsensitiveOption);
    m_tagFormat.setForeground(QColor(0x1F, 0x4E, 0x9A));
    m_commentFormat.setForeground(QColor(0x6A, 0x73, 0x7D));
    m_commentFormat.setFontItalic(true);
    m_commandFormat.setForeground(QColor(0xB0, 0x30, 0x00));
    m_commandFormat.setFontWeight(QFont::Bold);
    m_markerFormat = m_commandFormat;
    m_markerFormat.setBackground(QColor(0xFF, 0xF3, 0xC4));
}

void TemplateHighlighter::highlightBlock(const QString &text)
{
    for (auto it = m_tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (!match.captured().startsWith(QLatin1String("<!--")))
            setFormat(int(match.capturedStart()), int(match.capturedLength()), m_tagFormat);
    }
    // Comments, which may run over several lines.
    int start = previousBlockState() == int(State::insideComment)
                    ? 0
                    : int(text.indexOf(QLatin1String("<!--")));
    setCurrentBlockState(int(State::none));
    while (start >= 0) {
        const qsizetype end = text.indexOf(QLatin1String("-->"), start + (start == 0 ? 0 : 4));
        int length;
        if (end < 0) {
            setCurrentBlockState(int(State::insideComment));
            length = int(text.size()) - start;
        } else {
            length = int(end) - start + 3;
        }
        setFormat(start, length, m_commentFormat);
        start = int(text.indexOf(QLatin1String("<!--"), start + length));
    }
    for (auto it = m_marker.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        setFormat(int(match.capturedStart()), int(match.capturedLength()), m_markerFormat);
    }
    for (auto it = m_command.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        setFormat(int(match.capturedStart()), int(match.capturedLength()), m_commandFormat);
    }
}

} // namespace pagoranto
