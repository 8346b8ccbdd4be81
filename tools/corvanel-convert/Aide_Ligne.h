// The options of corvanel-convert, as the parser takes them and the help shows them.
#ifndef CORVANEL_AIDE_LIGNE_H
#define CORVANEL_AIDE_LIGNE_H

#include <QString>
#include <span>

namespace Corvanel
{
struct Definition_Option
{
    const char *Court;
    const char *Long;
    const char *Valeur;
    const char *Description;
};

std::span<const Definition_Option> Definitions_Options();
QString Texte_Aide();
} // namespace Corvanel

#endif
