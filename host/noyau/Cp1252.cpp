#include "Cp1252.h"

#include <QList>
#include <array>
#include <cstdint>

namespace Corvanel
{
namespace
{
// 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> Table_80_9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char Octet_Cp1252(char32_t Code)
{
    if (Code < 0x80 || (Code >= 0xA0 && Code <= 0xFF))
    {
        return static_cast<char>(Code);
    }
    for (std::size_t i = 0; i < Table_80_9F.size(); ++i)
    {
        if (Table_80_9F[i] == Code)
        {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}
} // namespace

QString Depuis_Cp1252(std::string_view Texte)
{
    QString Resultat;
    Resultat.reserve(static_cast<qsizetype>(Texte.size()));
    for (char c : Texte)
    {
        const auto Octet = static_cast<std::uint8_t>(c);
        const char16_t Code = (Octet >= 0x80 && Octet <= 0x9F) ? Table_80_9F[Octet - 0x80] : Octet;
        Resultat.append(QChar(Code));
    }
    return Resultat;
}

std::string Vers_Cp1252(const QString &Texte)
{
    std::string Resultat;
    Resultat.reserve(static_cast<std::size_t>(Texte.size()));
    for (char32_t Code : Texte.toUcs4())
    {
        Resultat.push_back(Octet_Cp1252(Code));
    }
    return Resultat;
}
} // namespace Corvanel
