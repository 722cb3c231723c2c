#pragma once

#include "core/text/bytetext.h"
#include "core/text/textencoding.h"

#include <QListWidget>
#include <QString>
#include <filesystem>

namespace pagoranto {

class MessageBox;

// Saves the memo as the template's description in the encoding it was read in, asking before
// it becomes UTF-8; encoding then follows. False when the user declined, so the memo keeps the
// text; a failed write is not reported, as the windows leave it silent.
bool SaveDescriptionMemo(MessageBox &prompts, const std::filesystem::path &templatePath,
                         const QString &memo, FileEncoding &encoding);

// Needed-file entries are file names: the list keeps their bytes, so that they are written
// back as read and still name the files, whatever their encoding.
void AddNeededFileEntry(QListWidget *list, const std::string &entry);
ByteLines NeededFileEntries(const QListWidget *list);

} // namespace pagoranto
