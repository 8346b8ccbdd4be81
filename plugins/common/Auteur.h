// The author texts, the same in every shipped library (Windows-1252).
#ifndef CORVANEL_AUTEUR_H
#define CORVANEL_AUTEUR_H

namespace Commun
{
inline constexpr const char *Auteur = "L'\xE9"
                                      "quipe Corvanel";
inline constexpr const char *Mail = "corvanel@example.org";
inline constexpr const char *Site = "https://corvanel.example.org";
} // namespace Commun

#endif
