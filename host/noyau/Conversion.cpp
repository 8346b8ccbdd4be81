#include "Conversion.h"

#include "Couleurs.h"

#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

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

void Convertir_Image(Plan &plan, const Image_Source &source, int largeur, int hauteur, bool adapter,
                     std::uint8_t nombre_couleur, const Bandes &bandes)
{
    largeur = std::clamp(largeur, 0, Colonnes_Plan);
    hauteur = std::clamp(hauteur, 0, Lignes_Plan);
    const QImage &image = source.Image;
    const qint64 ws = image.width();
    const qint64 hs = image.height();
    const qint64 wf = source.Largeur_Cadre;
    const qint64 hf = source.Hauteur_Cadre;
    for (int y = 0; y < hauteur; ++y)
    {
        for (int x = 0; x < largeur; ++x)
        {
            qint64 xs = x;
            qint64 ys = y;
            if (adapter)
            {
                xs = wf > 0 ? x * ws / wf : 0;
                ys = hf > 0 ? y * hs / hf : 0;
            }
            std::uint8_t code = Code::Blanc;
            if (xs < ws && ys < hs)
                code = Quantifier_Couleur(
                    Valeur_Source(image, static_cast<int>(xs), static_cast<int>(ys)),
                    nombre_couleur, bandes);
            plan[Indice(x, y)] = code;
        }
    }
}
} // namespace Corvanel
