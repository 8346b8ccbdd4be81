#include "Aide_Ligne.h"

#include <QStringList>

namespace Corvanel
{
namespace
{
const Definition_Option Definitions[] = {
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
    {"", "proportions", "",
     "adapter l'image à la taille en gardant ses proportions : une seule échelle, l'image "
     "centrée, les marges blanches et transparentes"},
    {"g", "grille", "LxH",
     "planche de sprites : découpe l'image en cases de L x H (1-240 x 1-128), écrites l'une "
     "après l'autre dans la sortie, suivies de leurs tables"},
    {"", "ignorer-vides", "", "avec --grille, n'écrit pas les cases vides"},
    {"", "images", "",
     "toutes les images d'une animation (GIF), converties de même et écrites l'une après "
     "l'autre dans la sortie comme les cases d'une planche, suivies de leurs tables ; avec "
     "--apercu, les images côte à côte"},
    {"", "carte", "LxH",
     "tuiles uniques et carte : découpe la source elle-même, un pixel par point, en tuiles de "
     "L x H (1-240 x 1-128), garde une fois chaque tuile, et écrit dans la sortie les tableaux "
     "des tuiles (et du mask avec --mask-plugin), la carte et ses constantes"},
    {"z", "compresser", "",
     "remplace les tableaux écrits par un seul tableau d'octets <nom>_Compresse que "
     "UnpackBuffer décompresse sur la calculatrice, avec <nom>_TAILLE et le décalage "
     "<tableau>_DECALAGE de chacun ; code source seulement, 65535 octets au plus"},
    {"n", "niveaux", "N", "niveaux de gris : 2, 4 (par défaut) ou 8"},
    {"", "equilibrer", "",
     "Équilibrer : chaque limite entre deux niveaux à mi-chemin de leurs tons, avant les "
     "appuis de --lumiere et --contraste"},
    {"", "lumiere", "N", "appuis sur Lumière : N fois + si N > 0, -N fois - si N < 0"},
    {"", "contraste", "N", "appuis sur Contraste, de même, après ceux de Lumière"},
    {"", "echantillonnage", "MODE",
     "point (par défaut) : le point le plus proche de la source ; moyenne : la moyenne de la "
     "zone que couvre chaque point, quand l'image est adaptée à la taille"},
    {"", "teinte", "MODE",
     "valeur (par défaut) : la valeur de couleur R + 256 V + 65536 B ; luminance : le gris "
     "0,299 R + 0,587 V + 0,114 B ; exacte : chaque couleur distincte de l'image son propre "
     "niveau autant que le nombre de niveaux le permet (le point le plus proche, sans lumière, "
     "contraste ni tramage)"},
    {"", "palette", "LISTE",
     "avec --teinte exacte, \"#RRVVBB=N,...\" : le niveau N (0 à 3, ou 0, 101, 1, 112, 2, "
     "123, 3 à 8 niveaux ; 0 ou 1 à 2) de chaque couleur donnée ; toute autre couleur prend "
     "celui de la plus proche de la liste"},
    {"", "tramage", "MODE",
     "aucun (par défaut), floyd-steinberg, atkinson, ordonne-4 ou ordonne-8 : mêle les niveaux "
     "pour que chaque zone garde son ton"},
    {"", "apercu", "FICHIER",
     "écrit aussi l'image convertie en PNG, en gris de Windows, un pixel par point ; un dossier "
     "existant avec plusieurs fichiers"},
    {"", "zoom", "N", "avec --apercu, chaque point en N x N pixels (1 à 16)"},
    {"", "nom", "NOM",
     "nom de l'image dans le code écrit (par défaut : celui que porte une source de sprite ou "
     "une image de calculatrice, sinon le nom de l'entrée fait identifiant C)"},
    {"m", "mask-plugin", "NOM",
     "écrit aussi le mask automatique (ou celui d'une source de sprite) avec ce plug-in, dans "
     "Mask_<nom> à côté de l'image"},
    {"f", "fond", "FOND",
     "couleur de fond du mask automatique : blanc, gris-clair, gris-fonce, noir, 0 à 3, ou "
     "transparence (le mask couvre les points qui ne sont pas transparents) ; par défaut "
     "transparence pour une image qui en a, sinon blanc"},
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

} // namespace

std::span<const Definition_Option> Definitions_Options()
{
    return Definitions;
}

QString Texte_Aide()
{
    QString Texte = QStringLiteral(
        "Utilisation : corvanel-convert [OPTION]... FICHIER...\n"
        "Convertit des images (BMP, PNG, GIF, JPEG) en sprites pour TI-89 et TI-92, comme la\n"
        "fenêtre de Corvanel, et les écrit par ses plug-ins. Une sauvegarde (.cvl) est reprise\n"
        "telle quelle, sans conversion ; une sauvegarde avec mask (.cvm) aussi, et son mask\n"
        "sert au plug-in de mask ; de même les variables PIC d'une image de calculatrice\n"
        "(.89g, .9xg, .89i, .9xi). Une image est lue selon son contenu, quel que soit son\n"
        "nom.\n\nOptions :\n");
    constexpr int Colonne = 28;
    constexpr int Largeur_Ligne = 79;
    for (const Definition_Option &D : Definitions)
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
        "contraste et de la conversion ne touchent pas les sauvegardes, les sources de sprite\n"
        "(.c, .h, .asm) ni les images de calculatrice, qui gardent leurs niveaux ; leur aperçu\n"
        "montre leur image telle quelle.\n\n"
        "Code de sortie : 0 si toutes les entrées sont converties, 1 si l'une a échoué (les\n"
        "autres sont converties quand même), 2 pour une erreur d'utilisation.\n");
    return Texte;
}
} // namespace Corvanel
