#include "Decodage_Image.h"

#include "Couleurs.h"

#include <QFileInfo>
#include <QImageReader>

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
    QImageReader lecteur(chemin, bitmap_seul ? QByteArray("bmp") : QByteArray());
    lecteur.setDecideFormatFromContent(!bitmap_seul);
    const QSize taille = lecteur.size();
    if (taille.isValid() && (taille.width() > Cote_Maximum || taille.height() > Cote_Maximum ||
                             qint64(taille.width()) * taille.height() > Pixels_Maximum))
        return {{},
                debut + QStringLiteral("l'image annonce %1 x %2 pixels, plus que les %3 "
                                       "millions acceptés")
                            .arg(taille.width())
                            .arg(taille.height())
                            .arg(Pixels_Maximum / 1'000'000)};
    QImage image;
    if (!lecteur.read(&image) || image.isNull())
        return {{}, debut + Raison(lecteur.error())};
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
