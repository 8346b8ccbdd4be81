// Start-up: the picture document, the four windows and their single instances.
#ifndef CORVANEL_DEMARRAGE_H
#define CORVANEL_DEMARRAGE_H

#include <memory>

class QSettings;

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
// window's tables), wires them together and shows the main window. The recent files and the
// dialogs' folders are read from reglages and kept there; without, they last the run.
void Creer_Fenetres(Dialogues &dialogues, QSettings *reglages = nullptr);
void Detruire_Fenetres();
// The program's own settings, in the user's configuration under "Corvanel".
std::unique_ptr<QSettings> Reglages_Programme();
} // namespace Corvanel

#endif
