#include "Enregistrement.h"

#include "Cp1252.h"
#include "Garde_Fichier.h"
#include "Plug_Contrat.h"
#include "Protocole_Plugin.h"
#include "Source_Compressee.h"

#include <QFile>
#include <QFileInfo>

namespace Corvanel
{
namespace
{
Resultat_Enregistrement Debut(Genre_Enregistrement Genre, const Plug_Info &Slot,
                              const QString &Chemin)
{
    Resultat_Enregistrement Resultat;
    Resultat.Genre = Genre;
    Resultat.Fichier = Slot.Fichier;
    Resultat.Chemin = Chemin;
    if (Slot.Fichier.empty())
        Resultat.Echec = Echec_Enregistrement::Sans_Plugin;
    return Resultat;
}

QString Nom_Local(const std::string &Fichier)
{
    return QFile::decodeName(QByteArray::fromStdString(Fichier));
}

// The step a save stopped at, from the helper's answer or from how the helper ended.
void Lire_Fin(const Resultat_Appel &Appel, Resultat_Enregistrement &Resultat)
{
    switch (Appel.Fin)
    {
    case Fin_Appel::Repondu:
    {
        Protocole::Lecture Reponse(Appel.Reponse);
        const auto Etat = static_cast<Protocole::Etat>(Reponse.Octet());
        if (Etat == Protocole::Etat::Non_Chargee)
            Resultat.Echec = Echec_Enregistrement::Chargement;
        else if (Etat == Protocole::Etat::Fonction_Absente)
            Resultat.Echec = Echec_Enregistrement::Fonction_Absente;
        else
        {
            const std::uint8_t Valeur = Reponse.Octet();
            if (Etat != Protocole::Etat::Fait || !Reponse.Valide())
            {
                Resultat.Echec = Echec_Enregistrement::Plantage;
                Resultat.Detail = QStringLiteral("réponse illisible du programme d'aide");
            }
            else if (Valeur == 0)
                Resultat.Echec = Echec_Enregistrement::Refus;
        }
        return;
    }
    case Fin_Appel::Plantage:
    case Fin_Appel::Arret_Plugin:
    case Fin_Appel::Reponse_Invalide:
        Resultat.Echec = Echec_Enregistrement::Plantage;
        break;
    case Fin_Appel::Delai:
        Resultat.Echec = Echec_Enregistrement::Delai;
        break;
    case Fin_Appel::Arret:
        Resultat.Echec = Echec_Enregistrement::Arret;
        break;
    case Fin_Appel::Sans_Hote:
        // Without its helper the host can load no library at all.
        Resultat.Echec = Echec_Enregistrement::Chargement;
        break;
    }
    Resultat.Detail = QString::fromStdString(Appel.Detail);
}

Resultat_Enregistrement Enregistrer(Genre_Enregistrement Genre, const Plug_Info &Slot,
                                    const QString &Chemin, const Protocole::Ecriture &Requete,
                                    const Options_Appel &Options)
{
    Resultat_Enregistrement Resultat = Debut(Genre, Slot, Chemin);
    if (!Resultat.Reussi())
        return Resultat;
    Garde_Fichier Garde(QFile::encodeName(Chemin).toStdString());
    if (!Garde.Proteger())
    {
        Resultat.Echec = Echec_Enregistrement::Fichier;
        Resultat.Detail = QString::fromStdString(Garde.Erreur());
        return Resultat;
    }
    if (Options.Hote != nullptr)
        Lire_Fin(Options.Hote->Appeler(Requete.Trame(), Options), Resultat);
    else
    {
        Hote_Plugin Hote;
        Lire_Fin(Hote.Appeler(Requete.Trame(), Options), Resultat);
    }
    if (Resultat.Reussi())
    {
        Garde.Valider();
        return Resultat;
    }
    // Read before the plug-in's file goes.
    if (Resultat.Echec == Echec_Enregistrement::Refus)
        if (const auto Octets = Garde.Contenu_Laisse(Protocole::Taille_Max_Raison))
            Resultat.Raison = Raison_Plugin(*Octets);
    if (!Garde.Retablir())
    {
        // The user must learn where the file went: that outweighs why the save failed.
        const QString Cause = Titre_Enregistrement(Resultat);
        Resultat.Echec = Echec_Enregistrement::Fichier;
        Resultat.Detail = QString::fromStdString(Garde.Erreur()) + QStringLiteral(" ; ") +
                          (Resultat.Detail.isEmpty() ? Cause : Resultat.Detail);
    }
    return Resultat;
}
} // namespace

namespace
{
Protocole::Operation Operation_Genre(Genre_Enregistrement Genre)
{
    switch (Genre)
    {
    case Genre_Enregistrement::Mask:
        return Protocole::Operation::Enregistrer_Mask;
    case Genre_Enregistrement::Image_Mask:
        return Protocole::Operation::Enregistrer_Image_Mask;
    case Genre_Enregistrement::Image:
        break;
    }
    return Protocole::Operation::Enregistrer_Image;
}

// A lot's answer: each sprite's result and bytes, up to the first one refused.
void Lire_Lot(const std::string &Reponse, int Nombre, Resultat_Enregistrement &Resultat,
              std::vector<QByteArray> &Octets)
{
    Protocole::Lecture Lecture(Reponse);
    Lecture.Octet();
    std::vector<QByteArray> Lus;
    for (int i = 0; i < Nombre && !Lecture.Fin(); ++i)
    {
        if (Lecture.Octet() == 0)
        {
            Resultat.Echec = Echec_Enregistrement::Refus;
            if (const std::optional<std::string> Laisse = Lecture.Texte_Optionnel())
                Resultat.Raison = Raison_Plugin(*Laisse);
            return;
        }
        const std::optional<std::string> Texte = Lecture.Texte_Optionnel();
        if (!Texte)
        {
            Resultat.Echec = Echec_Enregistrement::Fichier;
            Resultat.Detail = QStringLiteral("fichier écrit par le plug-in illisible");
            return;
        }
        Lus.push_back(QByteArray::fromStdString(*Texte));
    }
    if (!Lecture.Valide() || static_cast<int>(Lus.size()) != Nombre)
    {
        Resultat.Echec = Echec_Enregistrement::Plantage;
        Resultat.Detail = QStringLiteral("réponse illisible du programme d'aide");
        return;
    }
    for (QByteArray &Un : Lus)
        Octets.push_back(std::move(Un));
}
} // namespace

Lot_Enregistrement::Lot_Enregistrement(const Plug_Info &Slot, Genre_Enregistrement Genre,
                                       QString Brouillon)
    : Slot_(Slot), Genre_(Genre), Brouillon_(std::move(Brouillon)),
      Requete_(Protocole::Operation::Enregistrer_Lot)
{
    Commencer();
}

void Lot_Enregistrement::Commencer()
{
    Requete_ = Protocole::Ecriture(Protocole::Operation::Enregistrer_Lot);
    Requete_.Texte(Slot_.Fichier)
        .Octet(static_cast<std::uint8_t>(Operation_Genre(Genre_)))
        .Texte(QFile::encodeName(Brouillon_).toStdString());
    Nombre = 0;
    Points = 0;
}

void Lot_Enregistrement::Ajouter(const QString &Nom, std::uint8_t Nombre_Couleur,
                                 const Plan &Plan_Image, const Plan &Plan_Mask,
                                 std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image)
{
    Requete_.Texte(Vers_Cp1252(Nom))
        .Octet(Nombre_Couleur)
        .Octet(Hauteur_Image)
        .Octet(Largeur_Image);
    if (Genre_ != Genre_Enregistrement::Mask)
        Requete_.Points(Plan_Image.data(), Hauteur_Image, Largeur_Image);
    if (Genre_ != Genre_Enregistrement::Image)
        Requete_.Points(Plan_Mask.data(), Hauteur_Image, Largeur_Image);
    ++Nombre;
    Points += std::size_t{Hauteur_Image} * Largeur_Image;
}

bool Lot_Enregistrement::Plein() const
{
    // Small enough for the next lot to be made while the plug-in writes this one, and for
    // the request to go out at once; the answer stays far below a frame even for a text
    // format that spends several characters on each point.
    return Nombre >= 256 || Points >= (std::size_t{1} << 16);
}

void Lot_Enregistrement::Expedier(Hote_Plugin &Hote)
{
    Expedies = Nombre;
    if (Nombre > 0 && !Slot_.Fichier.empty())
        Hote.Commencer(Requete_.Trame());
    Commencer();
}

Resultat_Enregistrement Lot_Enregistrement::Recevoir(Hote_Plugin &Hote,
                                                     const Options_Appel &Options,
                                                     std::vector<QByteArray> &Octets)
{
    Resultat_Enregistrement Resultat = Debut(Genre_, Slot_, Brouillon_);
    const int Envoyes = Expedies;
    Expedies = -1;
    if (!Resultat.Reussi() || Envoyes <= 0)
        return Resultat;
    Options_Appel Options_Lot = Options;
    Options_Lot.Delai *= Envoyes;
    const Resultat_Appel Appel = Hote.Terminer(Options_Lot);
    if (Appel.Repondu() && !Appel.Reponse.empty() &&
        static_cast<Protocole::Etat>(Appel.Reponse[0]) == Protocole::Etat::Fait)
        Lire_Lot(Appel.Reponse, Envoyes, Resultat, Octets);
    else
        Lire_Fin(Appel, Resultat);
    return Resultat;
}

QString Appliquer_Extention(const QString &Chemin, const Plug_Info &Slot)
{
    if (Chemin.contains(QLatin1Char('.')) || Slot.Extention.empty())
    {
        return Chemin;
    }
    return Chemin + QLatin1Char('.') + Depuis_Cp1252(Slot.Extention);
}

QString Raison_Plugin(std::string_view Octets)
{
    if (Octets.size() > Protocole::Taille_Max_Raison)
        return {};
    for (const char c : Octets)
    {
        const auto Octet = static_cast<std::uint8_t>(c);
        // The controls, and the five bytes the code page leaves without a character.
        const bool Imprimable = Octet >= 0x20 && Octet != 0x7F && Octet != 0x81 && Octet != 0x8D &&
                                Octet != 0x8F && Octet != 0x90 && Octet != 0x9D;
        if (!Imprimable && Octet != '\r' && Octet != '\n')
            return {};
    }
    QString Texte = Depuis_Cp1252(Octets);
    Texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    Texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return Texte.trimmed();
}

QString Titre_Enregistrement(const Resultat_Enregistrement &Resultat)
{
    const bool Mask = Resultat.Genre == Genre_Enregistrement::Mask;
    switch (Resultat.Echec)
    {
    case Echec_Enregistrement::Aucun:
        if (Resultat.Compression)
            return QStringLiteral("Corvanel " CORVANEL_VERSION " (%1)")
                .arg(Texte_Tailles(*Resultat.Compression));
        return {};
    case Echec_Enregistrement::Compression:
        return QStringLiteral("Compression impossible : %1").arg(Resultat.Detail);
    case Echec_Enregistrement::Sans_Plugin:
        return QString::fromUtf8(Message_Sans_Plugin);
    case Echec_Enregistrement::Chargement:
        return QStringLiteral("Bug 1 !!!");
    case Echec_Enregistrement::Fonction_Absente:
        // The picture save names the library that lacks its function.
        return Mask ? QStringLiteral("Bug 2 !!!") : Nom_Local(Resultat.Fichier);
    case Echec_Enregistrement::Refus:
        return Mask ? QStringLiteral("Bug 3 !!!") : QStringLiteral("Problème d'enregistrement.");
    case Echec_Enregistrement::Plantage:
    case Echec_Enregistrement::Delai:
    case Echec_Enregistrement::Arret:
    case Echec_Enregistrement::Fichier:
        return QStringLiteral("Problème d'enregistrement.");
    }
    return QStringLiteral("Problème d'enregistrement.");
}

QString Message_Enregistrement(const Resultat_Enregistrement &Resultat)
{
    if (Resultat.Reussi())
        return {};
    // The window's title says what went wrong; the command line adds the file and the plug-in.
    QString Raison = Titre_Enregistrement(Resultat);
    if (!Resultat.Detail.isEmpty() && Resultat.Echec != Echec_Enregistrement::Compression)
        Raison += QStringLiteral(" (%1)").arg(Resultat.Detail);
    if (!Resultat.Raison.isEmpty())
        Raison += QLatin1Char(' ') +
                  QString(Resultat.Raison).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("Impossible d'enregistrer « %1 » avec %2 : %3")
        .arg(Resultat.Chemin, QFileInfo(Nom_Local(Resultat.Fichier)).fileName(), Raison);
}

Resultat_Enregistrement Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin,
                                          const QString &Nom, std::uint8_t Nombre_Couleur,
                                          const Plan &Plan_Image, std::uint8_t Hauteur_Image,
                                          std::uint8_t Largeur_Image, const Options_Appel &Options)
{
    Protocole::Ecriture Requete(Protocole::Operation::Enregistrer_Image);
    Requete.Texte(Slot.Fichier)
        .Texte(QFile::encodeName(Chemin).toStdString())
        .Texte(Vers_Cp1252(Nom))
        .Octet(Nombre_Couleur)
        .Plan(Plan_Image.data())
        .Octet(Hauteur_Image)
        .Octet(Largeur_Image);
    return Enregistrer(Genre_Enregistrement::Image, Slot, Chemin, Requete, Options);
}

Resultat_Enregistrement Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin,
                                         const QString &Nom, const Plan &Plan_Mask,
                                         std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image,
                                         const Options_Appel &Options)
{
    Protocole::Ecriture Requete(Protocole::Operation::Enregistrer_Mask);
    Requete.Texte(Slot.Fichier)
        .Texte(QFile::encodeName(Chemin).toStdString())
        .Texte(Vers_Cp1252(Nom))
        .Plan(Plan_Mask.data())
        .Octet(Hauteur_Image)
        .Octet(Largeur_Image);
    return Enregistrer(Genre_Enregistrement::Mask, Slot, Chemin, Requete, Options);
}

Resultat_Enregistrement Enregistrer_Image_Mask(const Plug_Info &Slot, const QString &Chemin,
                                               const QString &Nom, std::uint8_t Nombre_Couleur,
                                               const Plan &Plan_Image, const Plan &Plan_Mask,
                                               std::uint8_t Hauteur_Image,
                                               std::uint8_t Largeur_Image,
                                               const Options_Appel &Options)
{
    Protocole::Ecriture Requete(Protocole::Operation::Enregistrer_Image_Mask);
    Requete.Texte(Slot.Fichier)
        .Texte(QFile::encodeName(Chemin).toStdString())
        .Texte(Vers_Cp1252(Nom))
        .Octet(Nombre_Couleur)
        .Plan(Plan_Image.data())
        .Plan(Plan_Mask.data())
        .Octet(Hauteur_Image)
        .Octet(Largeur_Image);
    return Enregistrer(Genre_Enregistrement::Image_Mask, Slot, Chemin, Requete, Options);
}
} // namespace Corvanel
