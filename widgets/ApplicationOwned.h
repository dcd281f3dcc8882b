// SPDX-FileCopyrightText: 2026 Tessaro-Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointer>

namespace tessaro {

// One object of type T for the whole program, made on first use as a child of the application object and destroyed
// with it: no Qt object the program keeps outlives QApplication. T is a QObject made from its parent.
template <class T>
T& applicationOwned() {
    static QPointer<T> instance;
    if (!instance)
        instance = new T(QCoreApplication::instance());
    return *instance;
}

// A table kept for the application's lifetime, such as a cache of icons.
template <class Key, class Value>
class ApplicationTable : public QObject {
public:
    using QObject::QObject;
    QHash<Key, Value> entries;
};

}  // namespace tessaro
