#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace pagoranto {

// The engine's texts are UTF-8.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToEngineText(const QString &text)
{
    return text.toStdString();
}

// Message texts break lines with "\r".
inline QString MessageText(std::string_view text)
{
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

} // namespace pagoranto
