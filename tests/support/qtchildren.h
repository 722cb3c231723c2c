#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace pagoranto::testing {

// The control of that object name below root; a missing one ends the test with its name.
template <class T> T *Child(const QObject *root, const char *name)
{
    T *child = root->findChild<T *>(QString::fromLatin1(name));
    if (!child)
        throw std::logic_error(std::string("no control named ") + name);
    return child;
}

} // namespace pagoranto::testing
