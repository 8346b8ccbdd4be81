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

namespace
{
bool Trop_Grande(qint64 largeur, qint64 hauteur)
{
    return largeur > Cote_Maximum || hauteur > Cote_Maximum || largeur * hauteur > Pixels_Maximum;
}

QString Refus_Taille(qint64 largeur, qint64 hauteur)
{
    return QStringLiteral("image trop grande, %1 x %2 pixels : %3 millions de pixels au plus")
        .arg(largeur)
        .arg(hauteur)
        .arg(Pixels_Maximum / 1'000'000);
}
} // namespace

Lecture_Images::Lecture_Images(const QString &chemin, bool bitmap_seul)
    : Chemin(chemin), Debut(QStringLiteral("Impossible d'ouvrir l'image « %1 » : ").arg(chemin))
{
    const QFileInfo fichier(chemin);
    if (fichier.isDir())
    {
        Refus = QStringLiteral("c'est un dossier");
        return;
    }
    // A named pipe or a device would keep the reader waiting for ever.
    if (fichier.exists() && !fichier.isFile())
    {
        Refus = QStringLiteral("ce n'est pas un fichier ordinaire");
        return;
    }
    Permettre_Grandes_Images();
    Lecteur =
        std::make_unique<QImageReader>(chemin, bitmap_seul ? QByteArray("bmp") : QByteArray());
    Lecteur->setDecideFormatFromContent(!bitmap_seul);
    // Checked on the reader's size, on the bitmap's own header (which the reader may not
    // report, for rows stored top down) and on each frame read, whichever says it first.
    // Qt gives a top-down bitmap's height as a negative number; an unknown size is -1 x -1.
    const QSize taille = Lecteur->size();
    const qint64 largeur = std::abs(qint64{taille.width()});
    const qint64 hauteur = std::abs(qint64{taille.height()});
    if (Trop_Grande(largeur, hauteur))
    {
        Refus = Refus_Taille(largeur, hauteur);
        return;
    }
    if (Lecteur->format() == "bmp")
    {
        QFile fichier_bmp(chemin);
        if (fichier_bmp.open(QIODevice::ReadOnly))
        {
            Entete = Lire_Entete_Bitmap(fichier_bmp.read(Taille_Max_Entetes));
            if (Trop_Grande(Entete.Largeur, Entete.Hauteur))
            {
                Refus = Refus_Taille(Entete.Largeur, Entete.Hauteur);
                return;
            }
            // The decoder would leave the missing rows as whatever the memory held.
            if (Entete.Fin_Pixels > static_cast<std::uint64_t>(fichier_bmp.size()))
            {
                Refus = QStringLiteral("fichier incomplet, %1 octets quand ses pixels en "
                                       "demandent %2")
                            .arg(fichier_bmp.size())
                            .arg(Entete.Fin_Pixels);
                return;
            }
        }
    }
    // Counting the frames of an animation reads its file through once; the reader starts
    // again from the first frame afterwards.
    if (Lecteur->supportsAnimation())
        Nombre_ = std::max(1, Lecteur->imageCount());
}

Lecture_Images::~Lecture_Images() = default;

Resultat_Decodage Lecture_Images::Suivante()
{
    if (!Refus.isEmpty())
        return {{}, Debut + Refus, Nombre_};
    if (Lues >= Nombre_)
        return {{}, Debut + QStringLiteral("l'animation n'a que %1 images").arg(Nombre_), Nombre_};
    QImage image;
    if (!Lecteur->read(&image) || image.isNull())
    {
        // Past the first frame, a frame the file lacks is one the count promised.
        Refus = Lues == 0 ? Raison(Lecteur->error())
                          : QStringLiteral("image %1 sur %2 illisible : %3")
                                .arg(Lues + 1)
                                .arg(Nombre_)
                                .arg(Raison(Lecteur->error()));
        return {{}, Debut + Refus, Nombre_};
    }
    ++Lues;
    if (Trop_Grande(image.width(), image.height()))
    {
        Refus = Refus_Taille(image.width(), image.height());
        return {{}, Debut + Refus, Nombre_};
    }
    if (Entete.Lu)
        Corriger_Canaux(image, Entete);
    return {std::move(image), {}, Nombre_};
}

Resultat_Decodage Lecture_Images::Image(int numero)
{
    if (numero < Lues || numero >= Nombre_)
        return {
            {}, Debut + QStringLiteral("pas d'image %1 dans l'animation").arg(numero + 1), Nombre_};
    Resultat_Decodage resultat;
    while (Lues <= numero)
    {
        resultat = Suivante();
        if (resultat.Image.isNull())
            break;
    }
    return resultat;
}

Resultat_Decodage Decoder_Image(const QString &chemin, bool bitmap_seul)
{
    return Lecture_Images(chemin, bitmap_seul).Suivante();
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

QRgb Pixel_Source(const QImage &image, int x, int y)
{
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGB32)
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x] | 0xFF000000u;
    if (format == QImage::Format_ARGB32)
        return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
    if (!image.hasAlphaChannel())
        return image.pixel(x, y) | 0xFF000000u;
    // pixel() gives some formats premultiplied; a QColor never is.
    return image.pixelColor(x, y).rgba();
}
} // namespace Corvanel
