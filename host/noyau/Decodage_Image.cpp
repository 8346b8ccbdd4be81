#include "Decodage_Image.h"

#include "Couleurs.h"
#include "Entete_Bitmap.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <cstdlib>
#include <mutex>

namespace Corvanel
{
namespace
{
QString Raison(QImageReader::ImageReaderError erreur)
{
    switch (erreur)
    {
    case QImageReader::FileNotFoundError:
        return QStringLiteral("fichier introuvable");
    case QImageReader::DeviceError:
        return QStringLiteral("lecture du fichier impossible");
    case QImageReader::UnsupportedFormatError:
        return QStringLiteral("format d'image non reconnu");
    case QImageReader::InvalidDataError:
        return QStringLiteral("données de l'image invalides ou incomplètes");
    default:
        return QStringLiteral("image illisible");
    }
}
// Qt refuses any picture over 128 MB, a 48-megapixel photo among them. The program's own
// limit is in pixels; the decoder may take what the largest of its formats needs for them
// (8 bytes a pixel, 16-bit channels).
void Permettre_Grandes_Images()
{
    static std::once_flag Fait;
    std::call_once(Fait,
                   [] {
                       QImageReader::setAllocationLimit(
                           static_cast<int>(Pixels_Maximum * 8 / (1024 * 1024) + 1));
                   });
}
} // namespace

Resultat_Decodage Decoder_Image(const QString &chemin, bool bitmap_seul)
{
    const QString debut = QStringLiteral("Impossible d'ouvrir l'image « %1 » : ").arg(chemin);
    const QFileInfo fichier(chemin);
    if (fichier.isDir())
        return {{}, debut + QStringLiteral("c'est un dossier")};
    // A named pipe or a device would keep the reader waiting for ever.
    if (fichier.exists() && !fichier.isFile())
        return {{}, debut + QStringLiteral("ce n'est pas un fichier ordinaire")};
    Permettre_Grandes_Images();
    QImageReader lecteur(chemin, bitmap_seul ? QByteArray("bmp") : QByteArray());
    lecteur.setDecideFormatFromContent(!bitmap_seul);
    // Checked on the reader's size, on the bitmap's own header (which the reader may not
    // report, for rows stored top down) and on the picture read, whichever says it first.
    const auto trop_grande = [](qint64 largeur, qint64 hauteur)
    {
        return largeur > Cote_Maximum || hauteur > Cote_Maximum ||
               largeur * hauteur > Pixels_Maximum;
    };
    const auto refus_taille = [&debut](qint64 largeur, qint64 hauteur)
    {
        return Resultat_Decodage{{},
                                 debut + QStringLiteral("image trop grande, %1 x %2 pixels : %3 "
                                                        "millions de pixels au plus")
                                             .arg(largeur)
                                             .arg(hauteur)
                                             .arg(Pixels_Maximum / 1'000'000)};
    };
    // Qt gives a top-down bitmap's height as a negative number; an unknown size is -1 x -1.
    const QSize taille = lecteur.size();
    const qint64 largeur = std::abs(qint64{taille.width()});
    const qint64 hauteur = std::abs(qint64{taille.height()});
    if (trop_grande(largeur, hauteur))
        return refus_taille(largeur, hauteur);
    Entete_Bitmap entete;
    if (lecteur.format() == "bmp")
    {
        QFile fichier_bmp(chemin);
        if (fichier_bmp.open(QIODevice::ReadOnly))
        {
            entete = Lire_Entete_Bitmap(fichier_bmp.read(Taille_Max_Entetes));
            if (trop_grande(entete.Largeur, entete.Hauteur))
                return refus_taille(entete.Largeur, entete.Hauteur);
            // The decoder would leave the missing rows as whatever the memory held.
            if (entete.Fin_Pixels > static_cast<std::uint64_t>(fichier_bmp.size()))
                return {{},
                        debut + QStringLiteral("fichier incomplet, %1 octets quand ses pixels "
                                               "en demandent %2")
                                    .arg(fichier_bmp.size())
                                    .arg(entete.Fin_Pixels)};
        }
    }
    QImage image;
    if (!lecteur.read(&image) || image.isNull())
        return {{}, debut + Raison(lecteur.error())};
    if (trop_grande(image.width(), image.height()))
        return refus_taille(image.width(), image.height());
    if (entete.Lu)
        Corriger_Canaux(image, entete);
    return {std::move(image), {}};
}

std::uint32_t Valeur_Source(const QImage &image, int x, int y)
{
    QRgb rgb;
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32)
        rgb = reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
    else
        rgb = image.pixel(x, y);
    if (image.hasAlphaChannel())
    {
        const int a = qAlpha(rgb);
        if (a != 255)
        {
            // Transparent parts read as white paper.
            const auto sur_blanc = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            if (format == QImage::Format_ARGB32_Premultiplied ||
                format == QImage::Format_RGBA8888_Premultiplied)
                rgb = qUnpremultiply(rgb);
            return Valeur_Couleur(sur_blanc(qRed(rgb)), sur_blanc(qGreen(rgb)),
                                  sur_blanc(qBlue(rgb)));
        }
    }
    return Depuis_Rgb(rgb);
}
} // namespace Corvanel
