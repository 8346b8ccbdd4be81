// What the windows take from the mouse besides the tools: files dropped on them, the wheel.
#ifndef CORVANEL_GESTES_H
#define CORVANEL_GESTES_H

#include <QStringList>

class QMimeData;
class QWheelEvent;

namespace Corvanel
{
// The local files a drag carries, in its order; links to elsewhere are left out.
QStringList Fichiers_Du_Depot(const QMimeData *donnees);
// Whole notches turned, away from the user positive; a part of a notch (fine-grained wheels,
// touchpads) waits in reste for the next event.
int Crans_Molette(const QWheelEvent *evenement, int &reste);
} // namespace Corvanel

#endif
