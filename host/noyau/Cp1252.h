// Windows-1252 texts: what plug-ins return and what they receive as the picture name.
#ifndef CORVANEL_CP1252_H
#define CORVANEL_CP1252_H

#include <QString>
#include <string>
#include <string_view>

namespace Corvanel
{
// Every byte has a character: the five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same value, so nothing is lost.
QString Depuis_Cp1252(std::string_view Texte);

// Characters that Windows-1252 cannot hold become '?'; one '?' per character, not per UTF-16 unit.
std::string Vers_Cp1252(const QString &Texte);
} // namespace Corvanel

#endif
