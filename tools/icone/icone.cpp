// Writes the program's icon for the desktop's icon theme, from the drawing the window uses:
//   corvanel-icone DOSSIER NOM
// gives DOSSIER/scalable/apps/NOM.svg and DOSSIER/<n>x<n>/apps/NOM.png.
#include "Icone_Programme.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

using namespace Corvanel;

namespace
{
bool Ecrire_Svg(const QString &Chemin)
{
    QFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream Flux(&Fichier);
    Flux << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         << QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                           "viewBox=\"0 0 %1 %1\">\n")
                .arg(Cote_Icone);
    for (const Forme_Icone &Forme : Formes_Icone())
        Flux << QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                               "fill=\"%6\"/>\n")
                    .arg(Forme.Rect.x())
                    .arg(Forme.Rect.y())
                    .arg(Forme.Rect.width())
                    .arg(Forme.Rect.height())
                    .arg(Forme.Rayon)
                    .arg(QColor(Forme.Couleur).name());
    Flux << "</svg>\n";
    Flux.flush();
    return Flux.status() == QTextStream::Ok && Fichier.error() == QFile::NoError;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc != 3)
    {
        std::fputs("Utilisation : corvanel-icone DOSSIER NOM\n", stderr);
        return 2;
    }
    const QDir Dossier(QFile::decodeName(argv[1]));
    const QString Nom = QFile::decodeName(argv[2]);
    bool Ok = Dossier.mkpath(QStringLiteral("scalable/apps")) &&
              Ecrire_Svg(Dossier.filePath(QStringLiteral("scalable/apps/%1.svg").arg(Nom)));
    for (const int Taille : {16, 32, 48, 64, 128, 256})
    {
        const QString Sous_Dossier = QStringLiteral("%1x%1/apps").arg(Taille);
        Ok = Ok && Dossier.mkpath(Sous_Dossier) &&
             Dessiner_Icone(Taille).save(
                 Dossier.filePath(QStringLiteral("%1/%2.png").arg(Sous_Dossier, Nom)), "PNG");
    }
    if (!Ok)
        std::fprintf(stderr, "corvanel-icone : écriture impossible dans %s\n", argv[1]);
    return Ok ? 0 : 1;
}
