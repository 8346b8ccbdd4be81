#include "Demarrage.h"

#include "Document_Image.h"
#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"
#include "Historique_Image.h"

#include <memory>

namespace Corvanel
{
TFMain *FMain = nullptr;
TFEcran *FEcran = nullptr;
TFMask *FMask = nullptr;
TFPlugin *FPlugin = nullptr;

namespace
{
std::unique_ptr<Document_Image> Document;
std::unique_ptr<Historique_Image> Historique;
} // namespace

void Creer_Fenetres(Dialogues &dialogues)
{
    Document = std::make_unique<Document_Image>();
    Historique = std::make_unique<Historique_Image>(*Document);
    FMain = new TFMain(dialogues, *Document);
    FEcran = new TFEcran(*Document);
    FMask = new TFMask(*Document);
    FPlugin = new TFPlugin(FMain, dialogues, FMain->Plugins, *Document);
    FMain->Relier(FEcran, FMask, FPlugin);
    FMain->show();
}

void Detruire_Fenetres()
{
    delete FPlugin;
    FPlugin = nullptr;
    delete FMask;
    FMask = nullptr;
    delete FEcran;
    FEcran = nullptr;
    delete FMain;
    FMain = nullptr;
    Historique.reset();
    Document.reset();
}
} // namespace Corvanel
