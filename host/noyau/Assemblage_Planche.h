// The text of a sheet in source code: the cells' outputs one after another, then the tables of
// their arrays.
#ifndef CORVANEL_ASSEMBLAGE_PLANCHE_H
#define CORVANEL_ASSEMBLAGE_PLANCHE_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace Corvanel
{
// "<nom>_<i>": the name of the cell's picture in the code.
QString Nom_Case(const QString &Nom, int Indice);

enum class Langage_Source
{
    Aucun, // not a source text: each cell goes to a file of its own
    C,
    Assembleur,
};
Langage_Source Langage_Extention(const std::string &Extention);

// The sheet's text: the output of every written cell in order (nothing for a skipped one),
// then for each array that the cells define, the table of their addresses, 0 for a skipped
// cell, and last the tables' length as the constant "<nom>_NOMBRE". An array of cell i is
// recognised by "<nom>_<i>" in its name.
QByteArray Assembler_Planche(const std::vector<std::optional<QByteArray>> &Sorties,
                             const QString &Nom, Langage_Source Langage);

// The arrays (C) or the data labels (assembler) that an output defines, in order.
QStringList Etiquettes(const QByteArray &Sortie, Langage_Source Langage);
// The text with every line end as CR LF, as the export plug-ins write it.
QByteArray Vers_Dos(const QString &Texte);
} // namespace Corvanel

#endif
