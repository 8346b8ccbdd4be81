// Start-up: the four windows and their single instances.
#ifndef CORVANEL_DEMARRAGE_H
#define CORVANEL_DEMARRAGE_H

#include "Couleurs.h"

namespace Corvanel
{
class Dialogues;
class TFMain;
class TFEcran;
class TFMask;
class TFPlugin;

extern TFMain *FMain;
extern TFEcran *FEcran;
extern TFMask *FMask;
extern TFPlugin *FPlugin;

// Creates the main window, the edit window, the mask window and the plug-in explorer, in
// that order (the explorer's scan fills the main window's tables), and shows the main window.
void Creer_Fenetres(Dialogues &dialogues);
void Detruire_Fenetres();

// The grey mode and the fit option chosen on the main window.
Mode_Gris Mode_Courant();
bool Adapter_Image();
} // namespace Corvanel

#endif
