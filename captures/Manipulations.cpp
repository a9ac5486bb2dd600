#include "Manipulations.h"

#include "TFenetres.h"
#include "TCablage.h"
#include "TForm1.h"
#include "TShape.h"
#include "TTrackBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace tavelor {

namespace {

void Souris(QWidget *widget, QEvent::Type type, QPoint ou, Qt::MouseButtons boutons)
{
    const QPointF point(ou);
    QMouseEvent evenement(type, point, widget->mapToGlobal(point), Qt::LeftButton, boutons, Qt::NoModifier);
    QApplication::sendEvent(widget, &evenement);
}

} // namespace

void Attend(int millisecondes)
{
    QDeadlineTimer fin(millisecondes);
    while (!fin.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void Tape(QWindow *fenetre, const char *texte)
{
    for (const char *c = texte; *c; ++c) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(*c)));
        QKeyEvent relache(QEvent::KeyRelease, 0, Qt::NoModifier, QString(QLatin1Char(*c)));
        QApplication::sendEvent(fenetre, &appui);
        QApplication::sendEvent(fenetre, &relache);
    }
}

void CableEtRegle(TForm1 &banc)
{
    const bool direct = banc.Cablage.Tag(TBorne::ShapeS2) == 2;
    for (TShape *borne : {banc.ShapeS1, banc.ShapeR1, banc.ShapeS2, direct ? banc.ShapeR2 : banc.ShapeR3, banc.ShapeS3,
                          direct ? banc.ShapeR3 : banc.ShapeR2})
        Clique(borne);
    banc.TrackBarIe->setValue(160 - 47);
    banc.TrackBarN->setValue(1500);
}

void Clique(QWidget *widget)
{
    const QPoint centre(widget->width() / 2, widget->height() / 2);
    Souris(widget, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    Souris(widget, QEvent::MouseButtonRelease, centre, Qt::NoButton);
}

void Glisse(QWidget *widget, QPoint de, QPoint a, bool relache)
{
    Souris(widget, QEvent::MouseButtonPress, de, Qt::LeftButton);
    Souris(widget, QEvent::MouseMove, a, Qt::LeftButton);
    if (relache)
        Souris(widget, QEvent::MouseButtonRelease, a, Qt::NoButton);
}

void ReleveCourbeV(TFenetres &fenetres)
{
    TForm1 &banc = *fenetres.Form1;
    banc.TrackBarN->setValue(100);
    for (const int ie : {40, 50, 60, 70, 85, 100}) {
        banc.TrackBarIe->setValue(160 - ie);
        Attend(200);
        fenetres.ReleveLePoint();
    }
    banc.TrackBarIe->setValue(160 - 120);
    Attend(200);
}

} // namespace tavelor
