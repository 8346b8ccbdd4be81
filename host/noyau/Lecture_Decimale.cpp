#include "Lecture_Decimale.h"

#include <algorithm>

namespace Corvanel
{
Nombre_Lu Lire_Decimal(const QString &texte)
{
    constexpr long long Plafond = 1'000'000'000'000LL;
    qsizetype i = 0;
    while (i < texte.size() && texte[i].isSpace())
        ++i;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == QLatin1Char('-') || texte[i] == QLatin1Char('+')))
        negatif = texte[i++] == QLatin1Char('-');
    long long valeur = 0;
    unsigned octet = 0;
    for (; i < texte.size() && texte[i] >= QLatin1Char('0') && texte[i] <= QLatin1Char('9'); ++i)
    {
        const int chiffre = texte[i].unicode() - '0';
        valeur = std::min(valeur * 10 + chiffre, Plafond);
        octet = (octet * 10 + static_cast<unsigned>(chiffre)) & 0xFFu;
    }
    if (negatif)
    {
        valeur = -valeur;
        octet = (256u - octet) & 0xFFu;
    }
    return {valeur, static_cast<std::uint8_t>(octet)};
}
} // namespace Corvanel
