#include "Explorateur.h"

#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Plug_Contrat.h"

#include <QRegularExpression>
#include <optional>

namespace Corvanel
{
namespace
{
// A text box shows CR LF, LF or CR alike as a line break.
void Ajouter_Lignes(QStringList &Lignes, const std::string &Texte)
{
    static const QRegularExpression Fin_Ligne(QStringLiteral("\r\n|\n|\r"));
    Lignes += Depuis_Cp1252(Texte).split(Fin_Ligne);
}

void Ajouter_Detail(QStringList &Lignes, const Bibliotheque &Plugin, const char *Nom, Ordre Formes,
                    const char *Inconnu)
{
    Ajouter_Lignes(Lignes, Plugin.Lire_Texte(Nom, Formes).value_or(Inconnu));
}
} // namespace

QStringList Details_Plugin(const std::string &Chemin)
{
    const QStringList Incompatible{QStringLiteral("Plug-in non compatible avec Corvanel 3.0.")};
    const Bibliotheque Plugin(Chemin);
    const auto Nom =
        Plugin.Chercher_Fonction<Plug_Texte_Type>("Plug_Nom", Ordre::Simple_Puis_Souligne);
    if (Nom == nullptr)
    {
        return Incompatible;
    }
    QStringList Lignes;
    // A library that exports a name but returns none is still compatible: its name is empty.
    Ajouter_Lignes(Lignes, Copier_Texte(Nom()).value_or(""));
    Lignes << QString() << QString() << QStringLiteral("Description du Plug-in :");
    Ajouter_Detail(Lignes, Plugin, "Plug_Description", Ordre::Simple_Puis_Souligne,
                   "Description Inconnue");
    Lignes << QString() << QStringLiteral("Version : ");
    Ajouter_Detail(Lignes, Plugin, "Plug_Version", Ordre::Simple_Puis_Souligne, "Version Inconnue");
    Lignes << QStringLiteral("Auteur : ");
    Ajouter_Detail(Lignes, Plugin, "Plug_Auteur", Ordre::Souligne_Puis_Simple, "Auteur Inconnu");
    Lignes << QStringLiteral("Mail : ");
    Ajouter_Detail(Lignes, Plugin, "Plug_Mail", Ordre::Simple_Puis_Souligne,
                   "Adresse mail Inconnue");
    Lignes << QStringLiteral("Site Internet : ");
    Ajouter_Detail(Lignes, Plugin, "Plug_Site", Ordre::Simple_Puis_Souligne,
                   "Adresse site inconnu");
    return Lignes;
}

bool Demarrer_Possible(std::int32_t Fonction)
{
    return Fonction == Plug::Genre_Application || Fonction == Plug::Genre_Reserve_32 ||
           Fonction == Plug::Genre_Reserve_64;
}

Resultat_Demarrage Demarrer_Plugin(const Entree_Plug &Entree, std::uint8_t Nombre_Couleur,
                                   Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                   std::uint8_t Largeur_Image)
{
    Resultat_Demarrage Resultat;
    if (Entree.Fonction != Plug::Genre_Application)
    {
        return Resultat;
    }
    const Bibliotheque Plugin(Entree.Fichier);
    if (!Plugin.Chargee())
    {
        Resultat.Message = QStringLiteral("Librairie pas trouvé");
        return Resultat;
    }
    const auto Go =
        Plugin.Chercher_Fonction<Plug_App_Go_Type>("Plug_App_Go", Ordre::Simple_Puis_Souligne);
    if (Go == nullptr)
    {
        Resultat.Message = QStringLiteral("Fonction non trouvé");
        return Resultat;
    }
    Resultat.Lance = true;
    if (Go(Nombre_Couleur, Plan_Image.data(), Hauteur_Image, Largeur_Image) == 0)
    {
        Resultat.Message = QStringLiteral("Problème d'enregistrement.");
    }
    return Resultat;
}
} // namespace Corvanel
