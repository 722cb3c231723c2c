#include "gui/ui/fieldlimits.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <limits>

namespace pagoranto {

namespace {

QRegularExpression AnyOf(std::string_view characters)
{
    const QString set =
        QString::fromLatin1(characters.data(), static_cast<qsizetype>(characters.size()));
    return QRegularExpression(QStringLiteral("[") + QRegularExpression::escape(set) +
                              QStringLiteral("]*"));
}

} // namespace

void ApplyFieldLimits(QLineEdit *edit, const TextField &field)
{
    // A line edit's own maximum would cut a longer stored text when it is shown.
    edit->setMaxLength(field.maxLength > 0 ? static_cast<int>(field.maxLength)
                                           : std::numeric_limits<int>::max());
    if (!field.allowed.empty())
        edit->setValidator(new QRegularExpressionValidator(AnyOf(field.allowed), edit));
}

void ApplyFieldLimits(QSpinBox *box, const NumberField &field)
{
    box->setRange(field.minimum, field.maximum);
}

} // namespace pagoranto
