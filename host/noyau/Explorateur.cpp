#include "Explorateur.h"

#include "Cp1252.h"
#include "Plug_Contrat.h"
#include "Protocole_Plugin.h"

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

QStringList Incompatible(const QString &Pourquoi = {})
{
    QStringList Lignes{QString::fromUtf8(Texte_Incompatible)};
    if (!Pourquoi.isEmpty())
        Lignes << Pourquoi;
    return Lignes;
}

QString Phrase(const char *Quand, const std::string &Detail)
{
    return QString::fromUtf8(Quand) + QString::fromUtf8(Detail) + QLatin1Char('.');
}

// Compatible says whether the library gave its details.
QStringList Details(const std::string &Chemin, bool &Compatible)
{
    Compatible = false;
    Hote_Plugin Hote;
    const Resultat_Appel Appel =
        Hote.Appeler(Protocole::Ecriture(Protocole::Operation::Details).Texte(Chemin).Trame(),
                     Options_Appel{Delai_Examen, {}});
    if (!Appel.Repondu())
        return Incompatible(Phrase("En donnant ses détails, ", Appel.Detail));
    Protocole::Lecture Reponse(Appel.Reponse);
    if (static_cast<Protocole::Etat>(Reponse.Octet()) != Protocole::Etat::Fait)
        return Incompatible();
    const std::string Nom = Reponse.Texte();
    const auto Description = Reponse.Texte_Optionnel();
    const auto Version = Reponse.Texte_Optionnel();
    const auto Auteur = Reponse.Texte_Optionnel();
    const auto Mail = Reponse.Texte_Optionnel();
    const auto Site = Reponse.Texte_Optionnel();
    if (!Reponse.Valide())
        return Incompatible();

    QStringList Lignes;
    Ajouter_Lignes(Lignes, Nom);
    Lignes << QString() << QString() << QStringLiteral("Description du Plug-in :");
    Ajouter_Lignes(Lignes, Description.value_or("Description Inconnue"));
    Lignes << QString() << QStringLiteral("Version : ");
    Ajouter_Lignes(Lignes, Version.value_or("Version Inconnue"));
    Lignes << QStringLiteral("Auteur : ");
    Ajouter_Lignes(Lignes, Auteur.value_or("Auteur Inconnu"));
    Lignes << QStringLiteral("Mail : ");
    Ajouter_Lignes(Lignes, Mail.value_or("Adresse mail Inconnue"));
    Lignes << QStringLiteral("Site Internet : ");
    Ajouter_Lignes(Lignes, Site.value_or("Adresse site inconnu"));
    Compatible = true;
    return Lignes;
}
} // namespace

QStringList Details_Plugin(const std::string &Chemin)
{
    bool Compatible;
    return Details(Chemin, Compatible);
}

QStringList Details_Plugin(const Entree_Plug &Entree, const std::string &Chemin)
{
    if (Entree.Echec != Echec_Examen::Aucun)
        return Incompatible(Phrase("Au démarrage, ", Entree.Detail));
    bool Compatible;
    QStringList Lignes = Details(Chemin, Compatible);
    // The kind the scan read, which decides the dialogs a library is offered in.
    if (Compatible)
        Lignes << QString() << QStringLiteral("Genre : ") << Nom_Genre(Entree.Fonction);
    return Lignes;
}

bool Demarrer_Possible(std::int32_t Fonction)
{
    return Fonction == Plug::Genre_Application || Fonction == Plug::Genre_Reserve_32 ||
           Fonction == Plug::Genre_Reserve_64;
}

Resultat_Demarrage Demarrer_Plugin(const Entree_Plug &Entree, std::uint8_t Nombre_Couleur,
                                   Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                   std::uint8_t Largeur_Image, const Options_Appel &Options)
{
    Resultat_Demarrage Resultat;
    if (Entree.Fonction != Plug::Genre_Application)
        return Resultat;
    Hote_Plugin Hote;
    const Resultat_Appel Appel = Hote.Appeler(Protocole::Ecriture(Protocole::Operation::Demarrer)
                                                  .Texte(Entree.Fichier)
                                                  .Octet(Nombre_Couleur)
                                                  .Plan(Plan_Image.data())
                                                  .Octet(Hauteur_Image)
                                                  .Octet(Largeur_Image)
                                                  .Trame(),
                                              Options);
    const QString Probleme = QStringLiteral("Problème d'enregistrement.");
    if (!Appel.Repondu())
    {
        Resultat.Message = Probleme;
        Resultat.Detail = QString::fromStdString(Appel.Detail);
        return Resultat;
    }
    Protocole::Lecture Reponse(Appel.Reponse);
    switch (static_cast<Protocole::Etat>(Reponse.Octet()))
    {
    case Protocole::Etat::Non_Chargee:
        Resultat.Message = QStringLiteral("Librairie pas trouvé");
        return Resultat;
    case Protocole::Etat::Fonction_Absente:
        Resultat.Message = QStringLiteral("Fonction non trouvé");
        return Resultat;
    case Protocole::Etat::Fait:
        break;
    case Protocole::Etat::Requete_Invalide:
    default:
        Resultat.Message = Probleme;
        return Resultat;
    }
    const std::uint8_t Valeur = Reponse.Octet();
    Plan Rendu{};
    if (Valeur != 0)
        Reponse.Plan(Rendu.data());
    if (!Reponse.Valide())
    {
        Resultat.Message = Probleme;
        Resultat.Detail = QStringLiteral("réponse illisible du programme d'aide");
        return Resultat;
    }
    Resultat.Lance = true;
    if (Valeur == 0)
        Resultat.Message = Probleme;
    else
        Plan_Image = Rendu;
    return Resultat;
}
} // namespace Corvanel
