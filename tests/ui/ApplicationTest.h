#pragma once

// What every component test needs: the one application object, and a rendering of a
// component over a known background.

#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

namespace tavelor::test {

// Created on first use and kept to the end of the run; the data and settings folders are
// the test ones, never the user's, and each test program's own, so that programs run side
// by side (ctest -j) do not share a recovery file.
inline QApplication &Application()
{
    static int argc = 1;
    static char nom[] = "tavelor-test";
    static char *argv[] = {nom, nullptr};
    // Windows remember their places: never in the user's own settings.
    static QTemporaryDir reglages;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, reglages.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, reglages.path());
    static QApplication *application = [] {
        QStandardPaths::setTestModeEnabled(true);
        auto *nouvelle = new QApplication(argc, argv);
        QApplication::setOrganizationName(QStringLiteral("tavelor-test"));
        QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
        return nouvelle;
    }();
    return *application;
}

// A rendering of a component over a known background: what the component leaves
// unpainted keeps the colour `fond`, as its parent would show.
inline QImage Rendu(QWidget &composant, QColor fond = Qt::white)
{
    QImage image(composant.size(), QImage::Format_RGB32);
    image.fill(fond);
    composant.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

inline bool EstCouleur(const QImage &image, int x, int y, QColor couleur)
{
    return image.valid(x, y) && image.pixelColor(x, y) == couleur;
}

} // namespace tavelor::test

#include <QMouseEvent>

namespace tavelor::test {

// A mouse event delivered as the window system would, at `position` in the widget's
// own pixels. `boutons` are the buttons held once the event has happened.
inline bool Souris(QWidget &widget, QEvent::Type type, QPoint position, Qt::MouseButton bouton = Qt::LeftButton,
                   Qt::MouseButtons boutons = Qt::NoButton)
{
    const QPointF local(position);
    QMouseEvent evenement(type, local, widget.mapToGlobal(local), bouton, boutons, Qt::NoModifier);
    return QApplication::sendEvent(&widget, &evenement);
}

inline void Clic(QWidget &widget, QPoint position)
{
    Souris(widget, QEvent::MouseButtonPress, position, Qt::LeftButton, Qt::LeftButton);
    Souris(widget, QEvent::MouseButtonRelease, position, Qt::LeftButton, Qt::NoButton);
}

} // namespace tavelor::test
