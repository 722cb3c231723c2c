#include "gui/templates/companionfiles.h"

#include "core/templates/templatecompanions.h"
#include "gui/platform/encodedsave.h"
#include "gui/platform/qttext.h"

#include <QCollator>
#include <QFile>
#include <QLocale>

namespace pagoranto {

namespace {

constexpr int entryBytesRole = Qt::UserRole;

// Alphabetical as a reader means it: without regard to case, an umlaut beside its letter. The C
// locale of a bare session would order by code point, so English stands in for it.
const QCollator &AlphabeticalOrder()
{
    static const QCollator collator = [] {
        QCollator order(QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale());
        order.setCaseSensitivity(Qt::CaseInsensitive);
        return order;
    }();
    return collator;
}

// A sorted list keeps its entries alphabetically; names equal but for case keep a fixed order.
class NeededFileItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override
    {
        const int order = AlphabeticalOrder().compare(text(), other.text());
        return order != 0 ? order < 0 : text() < other.text();
    }
};

} // namespace

bool SaveDescriptionMemo(MessageBox &prompts, const std::filesystem::path &templatePath,
                         const QString &memo, FileEncoding &encoding)
{
    const std::filesystem::path file = DescriptionPath(templatePath);
    const std::optional<TextToSave> text =
        TextForSaving(prompts, QFile::decodeName(file.c_str()), ToEngineText(memo), encoding);
    if (!text)
        return false;
    if (SaveTemplateDescription(templatePath, text->bytes))
        encoding = text->encoding;
    return true;
}

void AddNeededFileEntry(QListWidget *list, const std::string &entry)
{
    auto *item = new NeededFileItem(ToQString(ToUtf8(entry)));
    item->setData(entryBytesRole, QByteArray::fromStdString(entry));
    list->addItem(item);
}

ByteLines NeededFileEntries(const QListWidget *list)
{
    ByteLines entries;
    for (int i = 0; i < list->count(); ++i)
        entries.push_back(list->item(i)->data(entryBytesRole).toByteArray().toStdString());
    return entries;
}

} // namespace pagoranto
