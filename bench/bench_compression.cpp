// Packed sprites: the size the packer gives on a full-screen photo at 4 levels, a 512 x 512
// sheet of 16 x 16 cells and a level drawn from repeated tiles, as a picture and as tile maps,
// beside their plain size and beside a plain greedy parse with fixed settings (the longest copy
// or run at each step); and the time to pack 64 KB.
#include "Bench.h"

#include "Carte_Tuiles.h"
#include "Compactage.h"
#include "Copies_Compactage.h"
#include "Decompactage.h"
#include "Decoupage.h"
#include "Enregistrement_Carte.h"
#include "Source_Compressee.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>
#include <optional>

using namespace Corvanel;

namespace
{
using Octets = std::vector<std::uint8_t>;

// The greedy reference: escape bits 2, no extra distance bits, no table of run bytes.
Octets Compacter_Glouton(const Octets &Donnees)
{
    const Copies_Compactage Copies(Donnees);
    std::vector<Jeton> Jetons;
    for (std::size_t i = 0; i < Donnees.size();)
    {
        std::size_t Serie = 1;
        while (i + Serie < Donnees.size() && Serie < 65280 && Donnees[i + Serie] == Donnees[i])
            ++Serie;
        Copie_Possible Copie{0, 0};
        for (const Copie_Possible &C : Copies.A(i))
            if (C.Distance <= 254 * 256 && (C.Longueur > 2 || C.Distance <= 256))
                Copie = C;
        if (Serie >= 2 && Serie >= Copie.Longueur)
            Jetons.push_back({Genre_Jeton::Serie, static_cast<std::uint16_t>(Serie), 0});
        else if (Copie.Longueur >= 2)
            Jetons.push_back({Genre_Jeton::Copie, Copie.Longueur, Copie.Distance});
        else
            Jetons.push_back({});
        i += Jetons.back().Longueur;
    }
    return Ecrire_Compacte(Donnees, {2, 0, {}}, Jetons);
}

// The machine is shared: the process's own time says more than the clock on the wall.
template <typename F> std::pair<double, double> Temps_ms(int Repetitions, F &&Fonction)
{
    const auto Processeur = []
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
    };
    std::vector<double> Temps;
    const double Mur = Bench::Mediane_ms(Repetitions,
                                         [&]
                                         {
                                             const double Debut = Processeur();
                                             Fonction();
                                             Temps.push_back(Processeur() - Debut);
                                         });
    std::sort(Temps.begin(), Temps.end());
    return {Temps[Temps.size() / 2], Mur};
}

QString Plugin_C()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Plugin/Tavisk.so");
}

// The bytes a calculator program would unpack for this output: the source packed, read back.
std::optional<Octets> Donnees_De(const QString &Chemin, const QString &Nom)
{
    QFile Fichier(Chemin);
    if (!Fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    const Source_Compressee Compressee =
        Compresser_Source(Fichier.readAll(), Langage_Source::C, Nom);
    if (!Compressee.Erreur.isEmpty())
    {
        std::printf("compression: %s: %s\n", qPrintable(Nom), qPrintable(Compressee.Erreur));
        return std::nullopt;
    }
    const std::string_view Texte(Compressee.Texte.constData(),
                                 static_cast<std::size_t>(Compressee.Texte.size()));
    for (const Tableau &T : Analyser_Source(Texte).Tableaux)
        if (T.Nom == (Nom + QLatin1String(Suffixe_Compresse)).toStdString())
            return Decompacter(Octets(T.Valeurs.begin(), T.Valeurs.end())).Donnees;
    return std::nullopt;
}

// With a dither, the choices made for photos: area average and luminance.
Document_Image Document_De(const QImage &Source, int Largeur, int Hauteur, Mode_Tramage Tramage)
{
    Document_Image Document;
    Document.Choisir_Nombre(4, false);
    Options_Conversion Options = Document.Conversion;
    Options.Tramage = Tramage;
    if (Tramage != Mode_Tramage::Aucun)
    {
        Options.Echantillonnage = Mode_Echantillonnage::Moyenne_Zone;
        Options.Teinte = Mode_Teinte::Luminance;
    }
    Options.Adapter = Source.width() != Largeur || Source.height() != Hauteur;
    Document.Choisir_Conversion(Options, false);
    Document.Largeur_Image = static_cast<std::uint8_t>(Largeur);
    Document.Hauteur_Image = static_cast<std::uint8_t>(Hauteur);
    Document.Prendre_Source(Source, Largeur, Hauteur);
    return Document;
}

std::optional<Octets> Image_Simple(const QImage &Source, Mode_Tramage Tramage, const QString &Nom)
{
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath(QStringLiteral("image.c"));
    const Plug_Info Slot{Plugin_C().toStdString(), "Sprite (language C)", "c"};
    if (!Document_De(Source, 240, 128, Tramage).Enregistrer_Image(Slot, Chemin, Nom).Reussi())
        return std::nullopt;
    return Donnees_De(Chemin, Nom);
}

std::optional<Octets> Planche(const QImage &Source, int Niveaux, bool Ignorer_Vides)
{
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath(QStringLiteral("planche.c"));
    const Plug_Info Slot{Plugin_C().toStdString(), "Sprite (language C)", "c"};
    Document_Image Document = Document_De(Source, 240, 128, Mode_Tramage::Aucun);
    Document.Choisir_Nombre(static_cast<std::uint8_t>(Niveaux), false);
    Document.Conversion.Adapter = false;
    Document.Prendre_Source(Source, Source.width(), Source.height());
    if (!Enregistrer_Planche_Source(Document, Grille_Sprites{16, 16, Ignorer_Vides}, std::nullopt,
                                    Slot, Genre_Enregistrement::Image, Chemin, QStringLiteral("p"))
             .Enregistrement.Reussi())
        return std::nullopt;
    return Donnees_De(Chemin, QStringLiteral("p"));
}

// The tile map of the source itself, as corvanel-convert --carte makes it.
std::optional<Octets> Carte(const QImage &Source, int Cote)
{
    QTemporaryDir Dossier;
    const QString Chemin = Dossier.filePath(QStringLiteral("carte.c"));
    const Plug_Info Slot{Plugin_C().toStdString(), "Sprite (language C)", "c"};
    const Document_Image Document = Document_De(Source, 240, 128, Mode_Tramage::Aucun);
    const Carte_De_Tuiles Tuiles = Carte_Source(Document, {Cote, Cote}, std::nullopt);
    if (!Enregistrer_Carte(Tuiles, Slot, std::nullopt, Chemin, QStringLiteral("c")).Reussi())
        return std::nullopt;
    std::printf("compression: map of %d x %d: %d unique tiles of %d x %d\n", Tuiles.Largeur,
                Tuiles.Hauteur, Tuiles.Nombre(), Cote, Cote);
    return Donnees_De(Chemin, QStringLiteral("c"));
}

// Round tiles of every colour with a dark core, one in five left white, as a tile set is.
QImage Dessiner_Planche()
{
    QImage Planche(512, 512, QImage::Format_RGB32);
    Planche.fill(Qt::white);
    QPainter Peintre(&Planche);
    QRandomGenerator Hasard(3);
    for (int Y = 0; Y < 512; Y += 16)
        for (int X = 0; X < 512; X += 16)
        {
            if (Hasard.bounded(5) == 0)
                continue;
            Peintre.setPen(Qt::NoPen);
            Peintre.setBrush(
                QColor::fromRgb(Hasard.bounded(256), Hasard.bounded(256), Hasard.bounded(256)));
            Peintre.drawEllipse(X + 2, Y + 2, 12, 12);
            Peintre.setBrush(Qt::black);
            Peintre.drawRect(X + 5, Y + 5, 5, 5);
        }
    return Planche;
}

// A level of a platform game, the TI-92's screen high: sky, ground, bricks, a few platforms
// and coins, every 16 x 16 tile one of six drawings.
QImage Dessiner_Niveau(int Largeur = 240)
{
    QImage Tuiles[6];
    for (int t = 0; t < 6; ++t)
    {
        Tuiles[t] = QImage(16, 16, QImage::Format_RGB32);
        Tuiles[t].fill(Qt::white);
        QPainter P(&Tuiles[t]);
        if (t == 1) // ground
            P.fillRect(0, 0, 16, 16, QColor(80, 80, 80));
        if (t == 2) // bricks
        {
            P.fillRect(0, 0, 16, 16, QColor(150, 150, 150));
            P.setPen(Qt::black);
            for (int y = 0; y < 16; y += 4)
                P.drawLine(0, y, 15, y);
            for (int y = 0; y < 16; y += 4)
                P.drawLine((y / 4 % 2) * 8, y, (y / 4 % 2) * 8, y + 3);
        }
        if (t == 3) // platform
            P.fillRect(0, 0, 16, 6, QColor(40, 40, 40));
        if (t == 4) // coin
        {
            P.setBrush(QColor(180, 180, 180));
            P.drawEllipse(4, 3, 8, 10);
        }
        if (t == 5) // cloud
        {
            P.setBrush(QColor(220, 220, 220));
            P.setPen(Qt::NoPen);
            P.drawEllipse(1, 5, 14, 8);
        }
    }
    QImage Niveau(Largeur, 128, QImage::Format_RGB32);
    QPainter Peintre(&Niveau);
    QRandomGenerator Hasard(24);
    for (int Y = 0; Y < 8; ++Y)
        for (int X = 0; X < Largeur / 16; ++X)
        {
            int t = Y >= 6 ? 1 : Y == 5 ? 2 : 0;
            if (t == 0 && Y == 3 && X % 5 < 3)
                t = 3;
            else if (t == 0 && Hasard.bounded(8) == 0)
                t = Y < 2 ? 5 : 4;
            Peintre.drawImage(X * 16, Y * 16, Tuiles[t]);
        }
    return Niveau;
}

// A photo of the skimage samples when installed, else a drawn stand-in of one.
QImage Photo(QString &Nom)
{
    for (const char *Dossier :
         {"/usr/lib/python3/dist-packages/skimage/data", "/usr/share/python3-skimage/data"})
    {
        const QImage Chat(QString::fromLatin1(Dossier) + QStringLiteral("/chelsea.png"));
        if (!Chat.isNull())
        {
            Nom = QStringLiteral("chelsea.png");
            return Chat.convertToFormat(QImage::Format_RGB32);
        }
    }
    Nom = QStringLiteral("a drawn stand-in (no python3-skimage)");
    QImage Image(451, 300, QImage::Format_RGB32);
    QRandomGenerator Hasard(12);
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
        {
            const int g = (x * 255 / Image.width() + y * 128 / Image.height()) / 2 +
                          static_cast<int>(Hasard.bounded(40)) - 20;
            const int v = std::clamp(g, 0, 255);
            Image.setPixel(x, y, qRgb(v, v, v));
        }
    return Image;
}

void Comparer(const char *Nom, const std::optional<Octets> &Donnees)
{
    if (!Donnees)
    {
        std::printf("compression: %s: skipped\n", Nom);
        return;
    }
    Octets Compacte;
    const auto [Processeur, Mur] = Temps_ms(3, [&] { Compacte = Compacter(*Donnees); });
    const Octets Glouton = Compacter_Glouton(*Donnees);
    const bool Juste =
        Decompacter(Compacte).Donnees == *Donnees && Decompacter(Glouton).Donnees == *Donnees;
    std::printf("compression: %s: plain %zu bytes, packed %zu (%.1f %%, escape %d, extra %d, "
                "table %d), greedy %zu (%.1f %%), packed/greedy %.3f, %.1f ms (%.1f ms wall)%s\n",
                Nom, Donnees->size(), Compacte.size(), 100.0 * Compacte.size() / Donnees->size(),
                Compacte[9], Compacte[12], Compacte[15], Glouton.size(),
                100.0 * Glouton.size() / Donnees->size(),
                static_cast<double>(Compacte.size()) / Glouton.size(), Processeur, Mur,
                Juste ? "" : " (ROUND TRIP FAILED)");
}

void Mesurer_Compression()
{
    QString Nom_Photo;
    const QImage Source_Photo = Photo(Nom_Photo);
    std::printf("compression: photo: %s, \"TI 92\" 240 x 128, 4 levels, Sprite (language C)\n",
                qPrintable(Nom_Photo));
    Comparer("photo", Image_Simple(Source_Photo, Mode_Tramage::Aucun, QStringLiteral("photo")));
    Comparer("photo, area average, luminance, Floyd-Steinberg",
             Image_Simple(Source_Photo, Mode_Tramage::Floyd_Steinberg, QStringLiteral("photo")));
    const QImage Tuiles = Dessiner_Planche();
    // At 4 levels the sheet's 1024 cells are 65536 bytes, one more than the header can say.
    Comparer("sheet 512 x 512 of 16 x 16, 2 levels", Planche(Tuiles, 2, false));
    Comparer("sheet 512 x 512 of 16 x 16, 4 levels, empty cells skipped", Planche(Tuiles, 4, true));
    Comparer("level of repeated tiles, 240 x 128",
             Image_Simple(Dessiner_Niveau(), Mode_Tramage::Aucun, QStringLiteral("niveau")));
    Comparer("the same level as a map of 16 x 16 tiles", Carte(Dessiner_Niveau(), 16));
    Comparer("the same level as a map of 8 x 8 tiles", Carte(Dessiner_Niveau(), 8));
    // Eight screens wide, as a level scrolls.
    Comparer("level 1920 x 128 as a map of 16 x 16 tiles", Carte(Dessiner_Niveau(1920), 16));
    Comparer("level 1920 x 128 as a map of 8 x 8 tiles", Carte(Dessiner_Niveau(1920), 8));

    // 64 KB: the largest input, as a sheet's bytes (31 rows of cells, then its start again),
    // as noise, as one long blank, and as the level over and over.
    std::optional<Octets> Feuille = Planche(Tuiles.copy(0, 0, 512, 496), 4, false);
    Octets Bruit(Taille_Max_Compactage);
    QRandomGenerator Hasard(64);
    for (std::uint8_t &Octet : Bruit)
        Octet = static_cast<std::uint8_t>(Hasard.bounded(256));
    const Octets Blanc(Taille_Max_Compactage, 0);
    Octets Niveaux;
    if (const std::optional<Octets> Niveau =
            Image_Simple(Dessiner_Niveau(), Mode_Tramage::Aucun, QStringLiteral("n")))
        while (Niveaux.size() < Taille_Max_Compactage)
            Niveaux.insert(Niveaux.end(), Niveau->begin(), Niveau->end());
    Niveaux.resize(Taille_Max_Compactage);
    std::vector<std::pair<const char *, Octets>> Entrees = {
        {"noise", Bruit}, {"blank", Blanc}, {"level repeated", Niveaux}};
    if (Feuille)
    {
        Octets Entiere = *Feuille;
        while (Entiere.size() < Taille_Max_Compactage)
            Entiere.insert(Entiere.end(), Feuille->begin(), Feuille->end());
        Entiere.resize(Taille_Max_Compactage);
        Entrees.insert(Entrees.begin(), {"sheet at 4 levels", Entiere});
    }
    for (const auto &[Nom, Donnees] : Entrees)
    {
        std::size_t Taille = 0;
        const auto [Processeur, Mur] =
            Temps_ms(5, [&, &Donnees = Donnees] { Taille = Compacter(Donnees).size(); });
        std::printf("compression: 64 KB (%zu bytes) of %s: %.1f ms (%.1f ms wall; goal 500 ms), "
                    "%zu bytes packed\n",
                    Donnees.size(), Nom, Processeur, Mur, Taille);
    }
}

const bool Enregistre = Bench::Ajouter("compression", [] { Mesurer_Compression(); });
} // namespace
