#include "gui/templates/companionfiles.h"

#include "core/templates/templatecompanions.h"
#include "gui/platform/encodedsave.h"
#include "gui/platform/qttext.h"

#include <QFile>

namespace pagoranto {

namespace {

constexpr int entryBytesRole = Qt::UserRole;

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
    auto *item = new QListWidgetItem(ToQString(ToUtf8(entry)));
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
