// What the windows take from the mouse besides the tools: files dropped on them, the wheel.
#ifndef CORVANEL_GESTES_H
#define CORVANEL_GESTES_H

#include <QStringList>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QWheelEvent;

namespace Corvanel
{
// The local files a drag carries, in its order; links to elsewhere are left out.
QStringList Fichiers_Du_Depot(const QMimeData *donnees);
// Whole notches turned, away from the user positive; a part of a notch (fine-grained wheels,
// touchpads) waits in reste for the next event.
int Crans_Molette(const QWheelEvent *evenement, int &reste);
// Ctrl and the wheel zoom: the event is taken and the notches turned returned. Without Ctrl, 0,
// and the event goes on to the parent.
int Crans_Zoom(QWheelEvent *evenement, int &reste);
// A drag is taken when it carries local files.
void Accepter_Fichiers(QDragEnterEvent *evenement);
// The local files dropped, the drop taken; none, and the drop refused, when it carries none.
QStringList Prendre_Fichiers(QDropEvent *evenement);
} // namespace Corvanel

#endif
