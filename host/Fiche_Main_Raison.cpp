// How the main window reports a save: the title says what happened, and a plug-in that
// refused with a reason of its own has it shown to the user.
#include "Decoupage.h"
#include "Dialogues.h"
#include "Enregistrement.h"
#include "Enregistrement_Carte.h"
#include "Fiche_Main.h"

namespace Corvanel
{
namespace
{
void Montrer(TFMain &fenetre, Dialogues &dialogues, const QString &titre,
             const Resultat_Enregistrement &resultat)
{
    if (!titre.isEmpty())
        fenetre.setWindowTitle(titre);
    if (!resultat.Reussi() && !resultat.Raison.isEmpty())
        dialogues.Information(&fenetre, QString::fromUtf8(Titre_Message), resultat.Raison);
}
} // namespace

void TFMain::Montrer_Enregistrement(const Resultat_Enregistrement &resultat)
{
    Montrer(*this, Dialogues_, Titre_Enregistrement(resultat), resultat);
}

void TFMain::Montrer_Planche(const Resultat_Planche &resultat)
{
    Montrer(*this, Dialogues_, Titre_Planche(resultat), resultat.Enregistrement);
}

void TFMain::Montrer_Carte(const Resultat_Carte &resultat)
{
    Montrer(*this, Dialogues_, Titre_Carte(resultat), resultat.Enregistrement);
}
} // namespace Corvanel
