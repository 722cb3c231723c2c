#pragma once

#include <QByteArray>
#include <QFile>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QtTest>

namespace pagoranto::testing {

inline void WriteFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// "<missing>" keeps a comparison with expected bytes readable when the file is not there.
inline QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->item(i)->text());
    return items;
}

} // namespace pagoranto::testing
