#include "Enregistrement.h"

#include "Bibliotheque.h"
#include "Cp1252.h"
#include "Plug_Contrat.h"

#include <QFile>

namespace Corvanel
{
QString Appliquer_Extention(const QString &Chemin, const Plug_Info &Slot)
{
    if (Chemin.contains(QLatin1Char('.')) || Slot.Extention.empty())
    {
        return Chemin;
    }
    return Chemin + QLatin1Char('.') + Depuis_Cp1252(Slot.Extention);
}

QString Enregistrer_Image(const Plug_Info &Slot, const QString &Chemin, const QString &Nom,
                          std::uint8_t Nombre_Couleur, const Plan &Plan_Image,
                          std::uint8_t Hauteur_Image, std::uint8_t Largeur_Image)
{
    if (Slot.Fichier.empty())
    {
        return QString::fromUtf8(Message_Sans_Plugin);
    }
    const Bibliotheque Plugin(Slot.Fichier);
    if (!Plugin.Chargee())
    {
        return QStringLiteral("Bug 1 !!!");
    }
    const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Image_Type>(
        "Plug_Enregistrement_Go", Ordre::Simple_Puis_Souligne);
    if (Go == nullptr)
    {
        return QFile::decodeName(QByteArray::fromStdString(Slot.Fichier));
    }
    const QByteArray Chemin_Local = QFile::encodeName(Chemin);
    const std::string Nom_Cp1252 = Vers_Cp1252(Nom);
    if (Go(Chemin_Local.constData(), Nom_Cp1252.c_str(), Nombre_Couleur, Plan_Image.data(),
           Hauteur_Image, Largeur_Image) == 0)
    {
        return QStringLiteral("Problème d'enregistrement.");
    }
    return {};
}

QString Enregistrer_Mask(const Plug_Info &Slot, const QString &Chemin, const QString &Nom,
                         const Plan &Plan_Mask, std::uint8_t Hauteur_Image,
                         std::uint8_t Largeur_Image)
{
    if (Slot.Fichier.empty())
    {
        return QString::fromUtf8(Message_Sans_Plugin);
    }
    const Bibliotheque Plugin(Slot.Fichier);
    if (!Plugin.Chargee())
    {
        return QStringLiteral("Bug 1 !!!");
    }
    const auto Go = Plugin.Chercher_Fonction<Plug_Enregistrement_Mask_Type>(
        "Plug_Enregistrement_Go", Ordre::Simple_Seul);
    if (Go == nullptr)
    {
        return QStringLiteral("Bug 2 !!!");
    }
    const QByteArray Chemin_Local = QFile::encodeName(Chemin);
    const std::string Nom_Cp1252 = Vers_Cp1252(Nom);
    if (Go(Chemin_Local.constData(), Nom_Cp1252.c_str(), Plan_Mask.data(), Hauteur_Image,
           Largeur_Image) == 0)
    {
        return QStringLiteral("Bug 3 !!!");
    }
    return {};
}
} // namespace Corvanel
