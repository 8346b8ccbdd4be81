#include "Ligne_Commande.h"

#include "Bibliotheque.h"
#include "Choix_Image.h"
#include "Cp1252.h"
#include "Emplacements.h"
#include "Enregistrement.h"
#include "Liste_Plugins.h"
#include "Plan.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <thread>
#include <tuple>
#include <type_traits>

namespace Corvanel
{
namespace
{
const QString Programme = QStringLiteral("corvanel-convert");
// A TI 92 picture at 16 is 3840 pixels wide, about what the edit window allows.
constexpr int Zoom_Apercu_Maximum = 16;

struct Definition
{
    const char *Court;
    const char *Long;
    const char *Valeur;
    const char *Description;
};

const Definition Definitions[] = {
    {"p", "plugin", "NOM",
     "plug-in d'image qui écrit les sorties : nom de bibliothèque (Tavisk), fichier de "
     "bibliothèque, ou nom affiché (\"Sprite (language C)\") ; une bibliothèque nommée est "
     "seule examinée ; un plug-in d'image et de mask reçoit aussi le mask automatique (ou "
     "celui d'une source de sprite)"},
    {"o", "sortie", "CHEMIN",
     "fichier de sortie (une seule entrée) ou dossier existant ; par défaut, le dossier de "
     "chaque entrée"},
    {"t", "taille", "TAILLE",
     "\"TI 89\" (160 x 100, par défaut), \"TI 92\" (240 x 128), 32x32, 16x16 ou 8x8"},
    {"", "largeur", "N", "largeur personnalisée, de 1 à 240 (avec --hauteur)"},
    {"", "hauteur", "N", "hauteur personnalisée, de 1 à 128 (avec --largeur)"},
    {"c", "couper", "",
     "couper l'image en haut à gauche au lieu de l'adapter à la taille ; avec --grille, "
     "découper la source elle-même, un pixel par point"},
    {"g", "grille", "LxH",
     "planche de sprites : découpe l'image en cases de L x H (1-240 x 1-128), écrites l'une "
     "après l'autre dans la sortie, suivies de leurs tables"},
    {"", "ignorer-vides", "", "avec --grille, n'écrit pas les cases vides"},
    {"n", "niveaux", "N", "niveaux de gris : 2, 4 (par défaut) ou 8"},
    {"", "lumiere", "N", "appuis sur Lumière : N fois + si N > 0, -N fois - si N < 0"},
    {"", "contraste", "N", "appuis sur Contraste, de même, après ceux de Lumière"},
    {"", "echantillonnage", "MODE",
     "point (par défaut) : le point le plus proche de la source ; moyenne : la moyenne de la "
     "zone que couvre chaque point, quand l'image est adaptée à la taille"},
    {"", "teinte", "MODE",
     "valeur (par défaut) : la valeur de couleur R + 256 V + 65536 B ; luminance : le gris "
     "0,299 R + 0,587 V + 0,114 B"},
    {"", "tramage", "MODE",
     "aucun (par défaut), floyd-steinberg, atkinson, ordonne-4 ou ordonne-8 : mêle les niveaux "
     "pour que chaque zone garde son ton"},
    {"", "apercu", "FICHIER",
     "écrit aussi l'image convertie en PNG, en gris de Windows, un pixel par point ; un dossier "
     "existant avec plusieurs fichiers"},
    {"", "zoom", "N", "avec --apercu, chaque point en N x N pixels (1 à 16)"},
    {"", "nom", "NOM",
     "nom de l'image dans le code écrit (par défaut : celui que porte une source de sprite, "
     "sinon le nom de l'entrée fait identifiant C)"},
    {"m", "mask-plugin", "NOM",
     "écrit aussi le mask automatique (ou celui d'une source de sprite) avec ce plug-in, dans "
     "Mask_<nom> à côté de l'image"},
    {"f", "fond", "FOND",
     "couleur de fond du mask automatique : blanc (par défaut), gris-clair, gris-fonce, noir, "
     "ou 0 à 3"},
    {"d", "dossier-plugins", "DOSSIER",
     "dossier des plug-ins ; par défaut Plugin dans le dossier courant, sinon Plugin à côté "
     "du programme, sinon celui de l'installation"},
    {"L", "lister-plugins", "",
     "affiche le dossier des plug-ins, puis les plug-ins trouvés, leur genre et leur extension"},
    {"", "delai-plugin", "SECONDES",
     "temps laissé à un plug-in pour chaque enregistrement (60 par défaut) ; au-delà il est "
     "arrêté et l'entrée échoue"},
    {"j", "taches", "N", "conversions menées en même temps (par défaut : une par cœur)"},
    {"h", "help", "", "affiche cette aide et termine"},
    {"", "version", "", "affiche la version et termine"},
};

QString Texte_Aide()
{
    QString Texte = QStringLiteral(
        "Utilisation : corvanel-convert [OPTION]... FICHIER...\n"
        "Convertit des images (BMP, PNG, GIF, JPEG) en sprites pour TI-89 et TI-92, comme la\n"
        "fenêtre de Corvanel, et les écrit par ses plug-ins. Une sauvegarde (.cvl) est reprise\n"
        "telle quelle, sans conversion. Un fichier .bmp est lu comme bitmap, les autres selon\n"
        "leur contenu.\n\nOptions :\n");
    constexpr int Colonne = 28;
    constexpr int Largeur_Ligne = 79;
    for (const Definition &D : Definitions)
    {
        QString Tete = QStringLiteral("  ");
        Tete +=
            *D.Court ? QStringLiteral("-%1, ").arg(QLatin1String(D.Court)) : QStringLiteral("    ");
        Tete += QStringLiteral("--") + QLatin1String(D.Long);
        if (*D.Valeur)
            Tete += QLatin1Char('=') + QLatin1String(D.Valeur);
        // Descriptions wrapped at word boundaries under their column.
        QString Ligne = Tete.leftJustified(Colonne - 1) + QLatin1Char(' ');
        if (Tete.size() >= Colonne - 1)
        {
            Texte += Tete + QLatin1Char('\n');
            Ligne = QString(Colonne, QLatin1Char(' '));
        }
        bool Debut = true;
        for (const QString &Mot : QString::fromUtf8(D.Description).split(QLatin1Char(' ')))
        {
            if (!Debut && Ligne.size() + 1 + Mot.size() > Largeur_Ligne)
            {
                Texte += Ligne + QLatin1Char('\n');
                Ligne = QString(Colonne, QLatin1Char(' '));
                Debut = true;
            }
            Ligne += (Debut ? QString() : QStringLiteral(" ")) + Mot;
            Debut = false;
        }
        Texte += Ligne + QLatin1Char('\n');
    }
    Texte += QStringLiteral(
        "\nChaque entrée donne une sortie, nommée d'après l'entrée dans le dossier de sortie ;\n"
        "l'extension du plug-in est ajoutée quand le chemin ne contient aucun point, comme\n"
        "dans la fenêtre d'enregistrement. Les options des niveaux, de la lumière, du\n"
        "contraste et de la conversion ne touchent pas les sauvegardes ni les sources de\n"
        "sprite (.c, .h, .asm), qui gardent leurs niveaux ; leur aperçu montre leur image\n"
        "telle quelle.\n\n"
        "Code de sortie : 0 si toutes les entrées sont converties, 1 si l'une a échoué (les\n"
        "autres sont converties quand même), 2 pour une erreur d'utilisation.\n");
    return Texte;
}

Analyse Erreur_Usage(const QString &Message)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Usage;
    Resultat.Erreur = Programme + QStringLiteral(": ") + Message +
                      QStringLiteral("\nEssayez « corvanel-convert --help » pour plus "
                                     "d'informations.\n");
    return Resultat;
}

Analyse Reponse(const QString &Texte)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Succes;
    Resultat.Sortie = Texte;
    return Resultat;
}

// The parser's own messages are in English; the program speaks French.
QString Traduire(const QCommandLineParser &Parseur)
{
    const QStringList Inconnues = Parseur.unknownOptionNames();
    if (!Inconnues.isEmpty())
    {
        const QString Nom = Inconnues.front();
        return QStringLiteral("option inconnue « %1%2 »")
            .arg(Nom.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), Nom);
    }
    const QString Texte = Parseur.errorText();
    const QRegularExpression Manque(QStringLiteral("^Missing value after '(.*)'\\.$"));
    const QRegularExpression Inattendue(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto Trouve = Manque.match(Texte); Trouve.hasMatch())
        return QStringLiteral("valeur manquante après « %1 »").arg(Trouve.captured(1));
    if (const auto Trouve = Inattendue.match(Texte); Trouve.hasMatch())
        return QStringLiteral("l'option « %1 » ne prend pas de valeur").arg(Trouve.captured(1));
    return Texte;
}

bool Lire_Entier(const QString &Texte, int &Valeur)
{
    bool Ok = false;
    Valeur = Texte.trimmed().toInt(&Ok);
    return Ok;
}

QString Nom_Fichier(const Plug_Info &Slot)
{
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(Slot.Fichier))).fileName();
}

QString Nom_Bibliotheque(const Plug_Info &Slot)
{
    QString Nom = Nom_Fichier(Slot);
    if (Nom.endsWith(QLatin1String(Suffixe_Plugin)))
        Nom.chop(static_cast<int>(qstrlen(Suffixe_Plugin)));
    return Nom;
}

// By library name, with or without its suffix, or by the name shown in the save dialog;
// the exact spelling first, so that a case-only difference cannot pick another plug-in.
template <std::size_t Capacite>
const Plug_Info *Trouver_Plugin(const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre,
                                const QString &Nom)
{
    for (const Qt::CaseSensitivity Casse : {Qt::CaseSensitive, Qt::CaseInsensitive})
    {
        for (std::uint8_t i = 0; i < Nombre; ++i)
        {
            const Plug_Info &Slot = Liste[i];
            if (Nom.compare(Nom_Bibliotheque(Slot), Casse) == 0 ||
                Nom.compare(Nom_Fichier(Slot), Casse) == 0 ||
                Nom.compare(Depuis_Cp1252(Slot.Nom), Casse) == 0)
                return &Slot;
        }
    }
    return nullptr;
}

template <std::size_t Capacite>
QString Noms_Offerts(const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre)
{
    QStringList Noms;
    for (std::uint8_t i = 0; i < Nombre; ++i)
        Noms << QStringLiteral("%1 (%2)").arg(Nom_Bibliotheque(Liste[i]),
                                              Depuis_Cp1252(Liste[i].Nom));
    return Noms.join(QStringLiteral(", "));
}

template <std::size_t Capacite>
Analyse Introuvable(const char *Genre, const QString &Nom, const QString &Dossier,
                    const std::array<Plug_Info, Capacite> &Liste, std::uint8_t Nombre)
{
    return Erreur_Usage(
        QStringLiteral("plug-in %1 introuvable « %2 » dans « %3 »%4")
            .arg(QString::fromUtf8(Genre), Nom, Dossier,
                 Nombre == 0 ? QString()
                             : QStringLiteral(" ; offerts : ") + Noms_Offerts(Liste, Nombre)));
}

QString Joindre(const QString &Dossier, const QString &Nom)
{
    return Dossier.endsWith(QLatin1Char('/')) ? Dossier + Nom : Dossier + QLatin1Char('/') + Nom;
}

// The library file an option names: a path to a file, or a file of the plug-in folder with or
// without its suffix; empty when it names none, as a name shown in the save dialogs does.
QString Fichier_Nomme(const QString &Valeur, const QString &Dossier)
{
    if (Valeur.contains(QLatin1Char('/')) && QFileInfo(Valeur).isFile())
        return Valeur;
    for (const QString &Nom : {Valeur, Valeur + QLatin1String(Suffixe_Plugin)})
    {
        const QString Chemin = Joindre(Dossier, Nom);
        if (!Valeur.isEmpty() && !Valeur.contains(QLatin1Char('/')) && QFileInfo(Chemin).isFile())
            return Chemin;
    }
    return {};
}

Analyse Echec(const QString &Message)
{
    Analyse Resultat;
    Resultat.Statut = Statut_Echec;
    Resultat.Erreur = Programme + QStringLiteral(": ") + Message + QLatin1Char('\n');
    return Resultat;
}

QString Chemin_Reel(const QString &Chemin)
{
    const QFileInfo Info(Chemin);
    const QString Canonique = Info.canonicalFilePath();
    return Canonique.isEmpty() ? Info.absoluteFilePath() : Canonique;
}

// Two inputs writing the same file on two threads would leave it garbled, and an output on top
// of its input would destroy it: such inputs fail before anything is written.
void Refuser_Conflits(std::vector<Travail> &Travaux)
{
    QHash<QString, QString> Sorties;
    for (Travail &T : Travaux)
    {
        const QString Entree = Chemin_Reel(T.Entree);
        for (const QString &Chemin : {T.Chemin_Image, T.Chemin_Mask, T.Chemin_Apercu})
        {
            if (Chemin.isEmpty() || !T.Erreur.isEmpty())
                continue;
            const QString Reel = Chemin_Reel(Chemin);
            if (Reel == Entree)
                T.Erreur = QStringLiteral("« %1 » : la sortie « %2 » remplacerait le fichier "
                                          "d'entrée")
                               .arg(T.Entree, Chemin);
            else if (const auto Deja = Sorties.constFind(Reel); Deja != Sorties.cend())
                T.Erreur = QStringLiteral("« %1 » : même fichier de sortie « %2 » que « %3 »")
                               .arg(T.Entree, Chemin, *Deja);
        }
        // A preview on top of the input's own source code would replace it.
        if (T.Erreur.isEmpty() && !T.Chemin_Apercu.isEmpty())
            for (const QString &Chemin : {T.Chemin_Image, T.Chemin_Mask})
                if (!Chemin.isEmpty() && Chemin_Reel(Chemin) == Chemin_Reel(T.Chemin_Apercu))
                    T.Erreur = QStringLiteral("« %1 » : l'aperçu « %2 » remplacerait la sortie")
                                   .arg(T.Entree, T.Chemin_Apercu);
        if (T.Erreur.isEmpty())
        {
            Sorties.insert(Chemin_Reel(T.Chemin_Image), T.Entree);
            for (const QString &Chemin : {T.Chemin_Mask, T.Chemin_Apercu})
                if (!Chemin.isEmpty())
                    Sorties.insert(Chemin_Reel(Chemin), T.Entree);
        }
    }
}

// A size or a background as the command line spells it: lower case, no blanks, "x" for the
// multiplication sign.
QString Forme_Option(const QString &Nom)
{
    QString Forme = Nom.trimmed().toLower();
    Forme.remove(QRegularExpression(QStringLiteral("\\s")));
    Forme.replace(QChar(0x00D7), QLatin1Char('x'));
    return Forme;
}

const Taille_Predefinie *Trouver_Taille(const QString &Nom)
{
    for (const Taille_Predefinie &T : Tailles_Image)
        if (!T.Libre && Forme_Option(QString::fromUtf8(T.Nom)) == Forme_Option(Nom))
            return &T;
    return nullptr;
}

// By the option's name, the list's own name with dashes for blanks, or the level's digit.
const Fond_Mask *Trouver_Fond(const QString &Nom)
{
    const QString Cherche = Nom.trimmed().toLower();
    for (const Fond_Mask &F : Fonds_Mask)
        if (Cherche == QLatin1String(F.Option) ||
            Cherche ==
                QString::fromUtf8(F.Nom).toLower().replace(QLatin1Char(' '), QLatin1Char('-')) ||
            Cherche == QString::number(F.Niveau))
            return &F;
    return nullptr;
}

// A conversion mode by its command-line spelling; -1 when the list has none of that name.
template <std::size_t Nombre>
int Trouver_Mode(const Mode_Nomme (&Modes)[Nombre], const QString &Nom)
{
    const QString Cherche = Nom.trimmed().toLower();
    for (std::size_t i = 0; i < Nombre; ++i)
        if (Cherche == QLatin1String(Modes[i].Option))
            return static_cast<int>(i);
    return -1;
}

// "a, b ou c", as the usage errors list what is accepted.
template <std::size_t Nombre> QString Modes_Offerts(const Mode_Nomme (&Modes)[Nombre])
{
    QString Texte;
    for (std::size_t i = 0; i < Nombre; ++i)
        Texte += (i == 0            ? QString()
                  : i + 1 == Nombre ? QStringLiteral(" ou ")
                                    : QStringLiteral(", ")) +
                 QLatin1String(Modes[i].Option);
    return Texte;
}
} // namespace

Analyse Analyser_Ligne(const QStringList &Arguments, const QString &Dossier_Programme)
{
    QCommandLineParser Parseur;
    Parseur.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    for (const Definition &D : Definitions)
    {
        QStringList Noms;
        if (*D.Court)
            Noms << QLatin1String(D.Court);
        Noms << QLatin1String(D.Long);
        Parseur.addOption(
            QCommandLineOption(Noms, QString::fromUtf8(D.Description), QLatin1String(D.Valeur)));
    }
    Parseur.addPositionalArgument(QStringLiteral("fichier"), QString());
    if (!Parseur.parse(Arguments))
        return Erreur_Usage(Traduire(Parseur));
    const auto Option = [&Parseur](const char *Nom) { return Parseur.isSet(QLatin1String(Nom)); };
    const auto Valeur = [&Parseur](const char *Nom) { return Parseur.value(QLatin1String(Nom)); };

    if (Option("help"))
        return Reponse(Texte_Aide());
    if (Option("version"))
        return Reponse(Programme + QStringLiteral(" " CORVANEL_VERSION "\n"));

    Analyse Resultat;
    Lot &Lot_ = Resultat.Lot_;
    Choix_Conversion &Choix = Lot_.Choix;

    if (Option("taille") && (Option("largeur") || Option("hauteur")))
        return Erreur_Usage(QStringLiteral("--taille et --largeur/--hauteur s'excluent"));
    if (Option("largeur") != Option("hauteur"))
        return Erreur_Usage(QStringLiteral("--largeur et --hauteur vont ensemble"));
    if (Option("taille"))
    {
        const Taille_Predefinie *Trouvee = Trouver_Taille(Valeur("taille"));
        if (!Trouvee)
            return Erreur_Usage(QStringLiteral("taille inconnue « %1 » (TI 89, TI 92, 32x32, "
                                               "16x16 ou 8x8)")
                                    .arg(Valeur("taille")));
        Choix.Largeur = Trouvee->Largeur;
        Choix.Hauteur = Trouvee->Hauteur;
    }
    if (Option("largeur"))
    {
        int Largeur = 0;
        int Hauteur = 0;
        if (!Lire_Entier(Valeur("largeur"), Largeur) || !Lire_Entier(Valeur("hauteur"), Hauteur) ||
            !Taille_Valide(Largeur, Hauteur))
            return Erreur_Usage(QStringLiteral("taille refusée « %1 x %2 » : la largeur va de 1 "
                                               "à 240 pixels et la hauteur de 1 à 128")
                                    .arg(Valeur("largeur"), Valeur("hauteur")));
        Choix.Largeur = Largeur;
        Choix.Hauteur = Hauteur;
    }
    Choix.Adapter = !Option("couper");
    if (Option("ignorer-vides") && !Option("grille"))
        return Erreur_Usage(QStringLiteral("--ignorer-vides ne sert qu'avec --grille"));
    if (Option("grille"))
    {
        static const QRegularExpression Forme(
            QStringLiteral("^\\s*(\\d+)\\s*[xX\u00D7]\\s*(\\d+)\\s*$"));
        const auto Trouve = Forme.match(Valeur("grille"));
        int Largeur = 0;
        int Hauteur = 0;
        if (!Trouve.hasMatch() || !Lire_Entier(Trouve.captured(1), Largeur) ||
            !Lire_Entier(Trouve.captured(2), Hauteur) || !Grille_Valide(Largeur, Hauteur))
            return Erreur_Usage(QStringLiteral("grille refusée « %1 » : LxH, la largeur de 1 à "
                                               "240 pixels et la hauteur de 1 à 128")
                                    .arg(Valeur("grille")));
        if (Option("couper") && (Option("taille") || Option("largeur") || Option("hauteur")))
            return Erreur_Usage(QStringLiteral("avec --grille et --couper, la source est découpée "
                                               "telle quelle : --taille, --largeur et --hauteur "
                                               "n'y ont pas de sens"));
        Lot_.Grille = Grille_Sprites{Largeur, Hauteur, Option("ignorer-vides")};
        Lot_.Decouper_Source = Option("couper");
    }
    if (Option("niveaux"))
    {
        int Niveaux = 0;
        if (!Lire_Entier(Valeur("niveaux"), Niveaux) ||
            (Niveaux != 2 && Niveaux != 4 && Niveaux != 8))
            return Erreur_Usage(QStringLiteral("nombre de niveaux refusé « %1 » (2, 4 ou 8)")
                                    .arg(Valeur("niveaux")));
        Choix.Nombre_Couleur = static_cast<std::uint8_t>(Niveaux);
    }
    for (const auto &[Nom, Appuis] :
         {std::pair{"lumiere", &Choix.Lumiere}, std::pair{"contraste", &Choix.Contraste}})
        if (Option(Nom) && !Lire_Entier(Valeur(Nom), *Appuis))
            return Erreur_Usage(QStringLiteral("nombre d'appuis refusé pour --%1 : « %2 »")
                                    .arg(QLatin1String(Nom), Valeur(Nom)));
    const auto Lire_Mode = [&](const char *Nom, const auto &Modes, auto &Mode)
    {
        if (!Option(Nom))
            return true;
        const int Trouve = Trouver_Mode(Modes, Valeur(Nom));
        if (Trouve >= 0)
            Mode = static_cast<std::remove_reference_t<decltype(Mode)>>(Trouve);
        return Trouve >= 0;
    };
    if (!Lire_Mode("echantillonnage", Modes_Echantillonnage, Choix.Echantillonnage))
        return Erreur_Usage(
            QStringLiteral("échantillonnage inconnu « %1 » (%2)")
                .arg(Valeur("echantillonnage"), Modes_Offerts(Modes_Echantillonnage)));
    if (!Lire_Mode("teinte", Modes_Teinte, Choix.Teinte))
        return Erreur_Usage(QStringLiteral("teinte inconnue « %1 » (%2)")
                                .arg(Valeur("teinte"), Modes_Offerts(Modes_Teinte)));
    if (!Lire_Mode("tramage", Modes_Tramage, Choix.Tramage))
        return Erreur_Usage(QStringLiteral("tramage inconnu « %1 » (%2)")
                                .arg(Valeur("tramage"), Modes_Offerts(Modes_Tramage)));
    if (Option("zoom"))
    {
        if (!Lire_Entier(Valeur("zoom"), Lot_.Zoom_Apercu) || Lot_.Zoom_Apercu < 1 ||
            Lot_.Zoom_Apercu > Zoom_Apercu_Maximum)
            return Erreur_Usage(QStringLiteral("zoom refusé « %1 » (1 à %2)")
                                    .arg(Valeur("zoom"))
                                    .arg(Zoom_Apercu_Maximum));
        if (!Option("apercu"))
            return Erreur_Usage(QStringLiteral("--zoom ne sert qu'avec --apercu"));
    }
    if (Option("apercu") && Lot_.Decouper_Source)
        return Erreur_Usage(QStringLiteral("avec --grille et --couper, les cases sont prises "
                                           "dans la source elle-même : --apercu n'a pas "
                                           "d'image à montrer"));
    if (Option("fond"))
    {
        const Fond_Mask *Trouve = Trouver_Fond(Valeur("fond"));
        if (Trouve)
            Lot_.Fond = Trouve->Niveau;
        else
            return Erreur_Usage(QStringLiteral("fond inconnu « %1 » (blanc, gris-clair, "
                                               "gris-fonce, noir, ou 0 à 3)")
                                    .arg(Valeur("fond")));
    }
    Lot_.Taches = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (Option("taches") && (!Lire_Entier(Valeur("taches"), Lot_.Taches) || Lot_.Taches < 1))
        return Erreur_Usage(QStringLiteral("nombre de tâches refusé « %1 »").arg(Valeur("taches")));

    QString Dossier;
    if (Option("dossier-plugins"))
    {
        Dossier = Valeur("dossier-plugins");
        if (!QFileInfo(Dossier).isDir())
            return Erreur_Usage(
                QStringLiteral("dossier de plug-ins introuvable : « %1 »").arg(Dossier));
    }
    else if (QFileInfo(QLatin1String(Dossier_Plugin)).isDir())
        Dossier = QLatin1String(Dossier_Plugin);
    else if (QFileInfo(Joindre(Dossier_Programme, QLatin1String(Dossier_Plugin))).isDir())
        Dossier = Joindre(Dossier_Programme, QLatin1String(Dossier_Plugin));
    else
        Dossier = Dossier_Plugins_Installe(Dossier_Programme);
    if (Option("delai-plugin"))
    {
        bool Ok = false;
        const double Secondes = Valeur("delai-plugin")
                                    .trimmed()
                                    .replace(QLatin1Char(','), QLatin1Char('.'))
                                    .toDouble(&Ok);
        if (!Ok || !(Secondes > 0) || Secondes > 86400)
            return Erreur_Usage(QStringLiteral("délai refusé « %1 » : un nombre de secondes "
                                               "positif")
                                    .arg(Valeur("delai-plugin")));
        Lot_.Delai_Plugin =
            std::max(std::chrono::milliseconds(1),
                     std::chrono::milliseconds(static_cast<long long>(Secondes * 1000 + 0.5)));
    }

    // A library named by its file is examined alone: the others cannot slow or spoil the run.
    const QString Fichier_Image =
        Option("plugin") ? Fichier_Nomme(Valeur("plugin"), Dossier) : QString();
    const QString Fichier_Mask =
        Option("mask-plugin") ? Fichier_Nomme(Valeur("mask-plugin"), Dossier) : QString();
    const bool Tout = Option("lister-plugins") || (Option("plugin") && Fichier_Image.isEmpty()) ||
                      (Option("mask-plugin") && Fichier_Mask.isEmpty());
    const Resultat_Scan Scan = Tout ? Scanner_Dossier_Plugins(Dossier) : Resultat_Scan();

    const QStringList Entrees = Parseur.positionalArguments();
    if (Option("lister-plugins"))
    {
        if (!Entrees.isEmpty())
            return Erreur_Usage(QStringLiteral("--lister-plugins ne prend pas de fichier"));
        return Reponse(Lister_Plugins(Scan, Dossier));
    }
    if (Entrees.isEmpty())
        return Erreur_Usage(QStringLiteral("aucun fichier à convertir"));
    if (!Option("plugin"))
        return Erreur_Usage(QStringLiteral("choisissez le plug-in d'image avec --plugin "
                                           "(--lister-plugins les montre)"));

    // Each option's library is looked up in its own file's examination, or in the folder's.
    const Resultat_Scan Seul_Image =
        Fichier_Image.isEmpty() ? Resultat_Scan() : Scanner_Fichiers_Plugins({Fichier_Image});
    const Resultat_Scan Seul_Mask =
        Fichier_Mask.isEmpty() ? Resultat_Scan() : Scanner_Fichiers_Plugins({Fichier_Mask});
    for (const auto &[Fichier, Seul, Nom] : {std::tuple{&Fichier_Image, &Seul_Image, "plugin"},
                                             std::tuple{&Fichier_Mask, &Seul_Mask, "mask-plugin"}})
    {
        // A library that crashed or hung is no usage error.
        const Entree_Plug &Entree = Seul->Table_Plug[0];
        if (!Fichier->isEmpty() && Entree.Echec != Echec_Examen::Aucun)
            return Echec(QStringLiteral("« %1 » est inutilisable : %2")
                             .arg(Valeur(Nom), QString::fromStdString(Entree.Detail)));
    }
    const Resultat_Scan &Pour_Image = Fichier_Image.isEmpty() ? Scan : Seul_Image;
    const Resultat_Scan &Pour_Mask = Fichier_Mask.isEmpty() ? Scan : Seul_Mask;
    // A library named by its file is whatever that file offers.
    const auto Choisir = [](const auto &Liste, std::uint8_t Nombre, const QString &Nom,
                            bool Par_Fichier) -> const Plug_Info *
    {
        if (Par_Fichier)
            return Nombre > 0 ? &Liste[0] : nullptr;
        return Trouver_Plugin(Liste, Nombre, Nom);
    };

    const Plug_Info *Image = Choisir(Pour_Image.Liste_Plug_Image, Pour_Image.Nombre_Plug_Image,
                                     Valeur("plugin"), !Fichier_Image.isEmpty());
    if (!Image)
    {
        if (Choisir(Pour_Image.Liste_Plug_Mask, Pour_Image.Nombre_Plug_Mask, Valeur("plugin"),
                    !Fichier_Image.isEmpty()))
            return Erreur_Usage(QStringLiteral("« %1 » enregistre des masks : il va avec "
                                               "--mask-plugin")
                                    .arg(Valeur("plugin")));
        return Introuvable("d'image", Valeur("plugin"), Dossier, Pour_Image.Liste_Plug_Image,
                           Pour_Image.Nombre_Plug_Image);
    }
    Lot_.Plug_Image = *Image;
    if (Option("mask-plugin"))
    {
        const Plug_Info *Mask = Choisir(Pour_Mask.Liste_Plug_Mask, Pour_Mask.Nombre_Plug_Mask,
                                        Valeur("mask-plugin"), !Fichier_Mask.isEmpty());
        if (!Mask)
            return Introuvable("de mask", Valeur("mask-plugin"), Dossier, Pour_Mask.Liste_Plug_Mask,
                               Pour_Mask.Nombre_Plug_Mask);
        Lot_.Plug_Mask = *Mask;
    }
    // Known only now: whether the picture plug-in takes the mask too.
    if (Option("fond") && !Lot_.Plug_Mask && !Prend_Mask(Lot_.Plug_Image))
        return Erreur_Usage(QStringLiteral("--fond ne sert qu'avec --mask-plugin ou un plug-in "
                                           "d'image et de mask"));

    const bool Sortie_Donnee = Option("sortie");
    const QString Sortie = Valeur("sortie");
    if (Sortie_Donnee && Sortie.isEmpty())
        return Erreur_Usage(QStringLiteral("--sortie est vide"));
    const bool Vers_Dossier = !Sortie_Donnee || QFileInfo(Sortie).isDir();
    if (!Vers_Dossier && Entrees.size() > 1)
        return Erreur_Usage(
            QStringLiteral("avec plusieurs fichiers, --sortie doit être un dossier existant : "
                           "« %1 »")
                .arg(Sortie));

    const bool Apercu = Option("apercu");
    const QString Apercus = Valeur("apercu");
    if (Apercu && Apercus.isEmpty())
        return Erreur_Usage(QStringLiteral("--apercu est vide"));
    const bool Apercus_En_Dossier = Apercu && QFileInfo(Apercus).isDir();
    if (Apercu && !Apercus_En_Dossier && Entrees.size() > 1)
        return Erreur_Usage(
            QStringLiteral("avec plusieurs fichiers, --apercu doit être un dossier existant : "
                           "« %1 »")
                .arg(Apercus));

    for (const QString &Entree : Entrees)
    {
        Travail T;
        T.Entree = Entree;
        const QString Identifiant = Identifiant_C(QFileInfo(Entree).completeBaseName());
        T.Nom_Donne = Option("nom");
        T.Nom = T.Nom_Donne ? Valeur("nom") : Identifiant;
        if (Vers_Dossier)
        {
            // A name made here has no dot, so it always gets the plug-in's extension, whatever
            // dots the folder's path holds.
            const QString Dossier_Sortie = Sortie_Donnee ? Sortie : QFileInfo(Entree).path();
            T.Chemin_Image =
                Joindre(Dossier_Sortie, Appliquer_Extention(Identifiant, Lot_.Plug_Image));
            if (Lot_.Plug_Mask)
                T.Chemin_Mask =
                    Joindre(Dossier_Sortie,
                            Appliquer_Extention(QString::fromUtf8(Prefixe_Mask) + Identifiant,
                                                *Lot_.Plug_Mask));
        }
        else
        {
            // A path given whole follows the save dialog's rule, folders included.
            T.Chemin_Image = Appliquer_Extention(Sortie, Lot_.Plug_Image);
            if (Lot_.Plug_Mask)
            {
                const QFileInfo Info(Sortie);
                const QString Tete = Sortie.left(Sortie.size() - Info.fileName().size());
                T.Chemin_Mask = Appliquer_Extention(Tete + QString::fromUtf8(Prefixe_Mask) +
                                                        Info.completeBaseName(),
                                                    *Lot_.Plug_Mask);
            }
        }
        if (Apercu)
            T.Chemin_Apercu = Apercus_En_Dossier
                                  ? Joindre(Apercus, Identifiant + QStringLiteral(".png"))
                                  : Apercus;
        Lot_.Travaux.push_back(std::move(T));
    }
    Refuser_Conflits(Lot_.Travaux);
    return Resultat;
}
} // namespace Corvanel
