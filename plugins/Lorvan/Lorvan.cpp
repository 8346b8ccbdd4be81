// The picture as PIC variables in a TI-89 group file, ready to be sent to the calculator.
#include <Ecriture_Pic.h>
#include <Metadonnees.h>

CORVANEL_PLUG_METADONNEES(Plug::Genre_Image, "Images PIC de TI-89 (groupe)", "1.0",
                          "Enregistrement de l'image en variables PIC (une par plan) dans un "
                          "groupe de TI-89, \xE0 envoyer \xE0 la calculatrice.",
                          "89g")

PLUG_EXPORT std::uint8_t Plug_Enregistrement_Go(const char *chemin, const char *nom,
                                                std::uint8_t couleurs, const std::uint8_t *niveaux,
                                                std::uint8_t hauteur, std::uint8_t largeur)
{
    return Commun::Enregistrer_Pic(Commun::Modele_Pic::TI89, chemin, nom, couleurs, niveaux,
                                   hauteur, largeur);
}
