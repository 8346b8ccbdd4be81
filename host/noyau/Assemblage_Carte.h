// The text of a tile map in source code: each array a plug-in writes for one tile, the tiles'
// elements one after another in one array, then the map and its constants.
#ifndef CORVANEL_ASSEMBLAGE_CARTE_H
#define CORVANEL_ASSEMBLAGE_CARTE_H

#include "Assemblage_Planche.h"
#include "Carte_Tuiles.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace Corvanel
{
// "<nom>_Tuiles": the name each tile is saved under, so that its arrays carry their final name.
QString Nom_Tuiles(const QString &Nom);

class Assemblage_Carte
{
public:
    explicit Assemblage_Carte(Langage_Source Langage) : Langage_(Langage) {}

    // The tiles that follow are another plug-in's (the mask's): its arrays come after.
    void Changer_Plugin();
    // The output of the next tile, as the plug-in wrote it; false, with Erreur, when it holds
    // no array or not the arrays and element counts of the tiles before.
    bool Ajouter(const QByteArray &Sortie);
    const QString &Erreur() const { return Erreur_; }

    // The whole file: the arrays of the tiles, the map, the constants, with CR LF line ends.
    QByteArray Texte(const Carte_De_Tuiles &Carte, const QString &Nom) const;

private:
    struct Tableau_Tuiles
    {
        QByteArray Nom;
        QByteArray Tete;  // C: the declaration's words before the name
        QByteArray Corps; // the elements of the tiles so far: C one line a tile, else dc lines
        int Elements = 0; // numbers of one tile
    };

    Langage_Source Langage_;
    std::vector<Tableau_Tuiles> Tableaux;
    std::size_t Premier = 0; // the current plug-in's first array
    int Tuile = 0;           // the current plug-in's next tile
    QString Erreur_;
};
} // namespace Corvanel

#endif
