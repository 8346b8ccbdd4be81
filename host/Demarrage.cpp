#include "Demarrage.h"

#include "Fiche_Ecran.h"
#include "Fiche_Main.h"
#include "Fiche_Mask.h"
#include "Fiche_Plugin.h"

#include <QCheckBox>
#include <QRadioButton>

namespace Corvanel
{
TFMain *FMain = nullptr;
TFEcran *FEcran = nullptr;
TFMask *FMask = nullptr;
TFPlugin *FPlugin = nullptr;

void Creer_Fenetres(Dialogues &dialogues)
{
    FMain = new TFMain(dialogues);
    FEcran = new TFEcran(dialogues);
    FMask = new TFMask();
    FPlugin = new TFPlugin(FMain);
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
}

Mode_Gris Mode_Courant()
{
    return FMain && FMain->Choix_Couleur_WIN->isChecked() ? Mode_Gris::Windows : Mode_Gris::TI;
}

bool Adapter_Image()
{
    return !FMain || FMain->Adaptation_Image->isChecked();
}
} // namespace Corvanel
