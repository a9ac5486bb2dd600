#pragma once

#include <QApplication>

namespace tavelor::test {

// The one QApplication of a test executable, created on first use and never
// destroyed: Qt's own statics (the test input devices) must not outlive it.
inline QApplication &ApplicationQt()
{
    static int argc = 1;
    static char nom[] = "tavelor-tests";
    static char *argv[] = {nom, nullptr};
    static QApplication *application = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return *application;
}

} // namespace tavelor::test
