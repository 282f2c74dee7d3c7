#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// The modal window once its own event loop has brought it up, or null if none comes.
inline QWidget *waitForModal()
{
    const auto modal = [] { return QApplication::activeModalWidget(); };
    return QTest::qWaitFor([&modal] { return modal() != nullptr; }) ? modal() : nullptr;
}
