// Start-up: the picture document, the four windows and their single instances.
#ifndef CORVANEL_DEMARRAGE_H
#define CORVANEL_DEMARRAGE_H

namespace Corvanel
{
class Dialogues;
class Document_Image;
class TFMain;
class TFEcran;
class TFMask;
class TFPlugin;

extern TFMain *FMain;
extern TFEcran *FEcran;
extern TFMask *FMask;
extern TFPlugin *FPlugin;

// Creates the document the windows share and its history, then the main window, the edit window,
// the mask window and the plug-in explorer, in that order (the explorer's scan fills the main
// window's tables), wires them together and shows the main window.
void Creer_Fenetres(Dialogues &dialogues);
void Detruire_Fenetres();
} // namespace Corvanel

#endif
