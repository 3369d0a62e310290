#pragma once
// The accessible tree of a window as a screen reader is given it, read through Qt's QAccessible
// interface (no bus needed): tests find the objects a user can act on that have no name to be
// announced by.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace test_support {

// What a user can act on: it takes the keyboard, has an action (press, toggle, show menu) or is
// a field. Table cells are read as the table's content (an empty cell needs no name).
inline bool interactive(QAccessibleInterface* object)
{
    const QAccessible::State state = object->state();
    if (state.focusable || state.editable)
        return true;
    const QAccessibleActionInterface* actions = object->actionInterface();
    return actions && !actions->actionNames().isEmpty();
}

inline bool insideTable(QAccessible::Role role)
{
    return role == QAccessible::Cell || role == QAccessible::ColumnHeader || role == QAccessible::RowHeader
           || role == QAccessible::Row;
}

// Calls visit(object, path) for every showing object under `root`, depth first; `path` names the
// way down by roles and object names ("Dialog/PushButton ZavBut").
template <typename Visit>
void walkAccessible(QAccessibleInterface* object, const QString& path, Visit& visit)
{
    if (!object || !object->isValid() || object->state().invisible)
        return;
    const QObject* o = object->object();
    const QString here = path + "/" + QString::number(object->role(), 16)
                         + (o && !o->objectName().isEmpty() ? " " + o->objectName() : QString());
    visit(object, here);
    if (object->role() == QAccessible::Table || object->role() == QAccessible::Tree)
        return;
    for (int i = 0; i < object->childCount(); ++i)
        walkAccessible(object->child(i), here, visit);
}

// The interactive objects of the window that a screen reader could only call by their role:
// one line each, "<path> (role 0x2b)".
inline std::vector<std::string> unnamedInteractive(QWidget* window)
{
    std::vector<std::string> unnamed;
    auto visit = [&](QAccessibleInterface* object, const QString& path) {
        if (interactive(object) && !insideTable(object->role()) && object->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.push_back(path.toStdString());
    };
    walkAccessible(QAccessible::queryAccessibleInterface(window), QString(), visit);
    return unnamed;
}

// How many interactive objects the window has (the test says out of how many the unnamed are).
inline int interactiveCount(QWidget* window)
{
    int count = 0;
    auto visit = [&](QAccessibleInterface* object, const QString&) {
        count += interactive(object) && !insideTable(object->role());
    };
    walkAccessible(QAccessible::queryAccessibleInterface(window), QString(), visit);
    return count;
}

} // namespace test_support
