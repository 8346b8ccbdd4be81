#include "Fiche_Ecran.h"

#include <QMouseEvent>

namespace Corvanel
{
void TFEcran::Souris_Appui(QMouseEvent *) {}
void TFEcran::Souris_Deplacement(QMouseEvent *) {}
void TFEcran::Souris_Relache(QMouseEvent *) {}
void TFEcran::Annuler() {}
} // namespace Corvanel
