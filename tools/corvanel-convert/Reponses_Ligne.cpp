#include "Reponses_Ligne.h"

namespace Corvanel
{
Analyse Erreur_Usage(const QString &Message)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Usage;
    Resultat.Erreur = Programme_Convert + QStringLiteral(": ") + Message +
                      QStringLiteral("\nEssayez « corvanel-convert --help » pour plus "
                                     "d'informations.\n");
    return Resultat;
}

Analyse Echec(const QString &Message)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Echec;
    Resultat.Erreur = Programme_Convert + QStringLiteral(": ") + Message + QLatin1Char('\n');
    return Resultat;
}

Analyse Reponse(const QString &Texte)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Succes;
    Resultat.Sortie = Texte;
    return Resultat;
}

bool Lire_Entier(const QString &Texte, int &Valeur)
{
    bool Ok = false;
    Valeur = Texte.trimmed().toInt(&Ok);
    return Ok;
}

QString Joindre(const QString &Dossier, const QString &Nom)
{
    return Dossier.endsWith(QLatin1Char('/')) ? Dossier + Nom : Dossier + QLatin1Char('/') + Nom;
}
} // namespace Corvanel
