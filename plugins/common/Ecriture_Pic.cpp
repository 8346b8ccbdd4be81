#include "Ecriture_Pic.h"

#include "Regles_Export.h"

#include "Tifiles.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>

namespace Commun
{
namespace
{
constexpr std::uint8_t Type_Pic = TI89_PIC; // the same on the TI-92 Plus
constexpr std::uint8_t Marque_Pic = 0xDF;
constexpr const char *Dossier = "main";
// The library's own comment carries the date: the same picture must give the same bytes.
constexpr const char *Commentaire = "Images PIC de Corvanel";

// System variables whose name is made of letters, digits and _ only (those with Greek
// letters or accents cannot come out of Nom_Pic).
constexpr std::string_view Noms_Systeme[] = {
    // graph window and its settings
    "xmin", "xmax", "xscl", "xgrid", "ymin", "ymax", "yscl", "ygrid", "xres", "zmin", "zmax",
    "zscl", "tmin", "tmax", "tstep", "t0", "tplot", "dtime", "ncurves", "diftol", "estep", "fldpic",
    "fldres", "ncontour", "nmin", "nmax", "plotstrt", "plotstep", "xc", "yc", "zc", "tc", "rc",
    "nc", "xfact", "yfact", "zfact",
    // the zoom memory
    "zxmin", "zxmax", "zxscl", "zxgrid", "zymin", "zymax", "zyscl", "zygrid", "zxres", "ztmin",
    "ztmax", "ztstep", "zt0de", "ztmaxde", "ztstepde", "ztplotde", "zzmin", "zzmax", "zzscl",
    "znmin", "znmax", "zpltstrt", "zpltstep",
    // statistics
    "sx", "sy", "nstat", "minx", "miny", "q1", "medstat", "q3", "maxx", "maxy", "corr", "medx1",
    "medx2", "medx3", "medy1", "medy2", "medy3", "regeq", "regcoef",
    // table, data, and the rest
    "tblstart", "tblinput", "sysdata", "sysmath", "main", "ok", "errornum"};
// Functions, sequences and data columns: the prefix followed by 1 to 99.
constexpr std::string_view Prefixes_Numerotes[] = {"y", "r", "xt", "yt", "z", "u", "ui", "yi", "c"};

std::uint8_t Refuser(const char *chemin, const std::string &raison)
{
    // The host shows this text as the reason; the file itself is put back as it was.
    if (std::FILE *flux = std::fopen(chemin, "wb"))
    {
        std::fwrite(raison.data(), 1, raison.size(), flux);
        std::fclose(flux);
    }
    return 0;
}

struct Session_Tifiles
{
    Session_Tifiles() { tifiles_library_init(); }
    ~Session_Tifiles() { tifiles_library_exit(); }
    Session_Tifiles(const Session_Tifiles &) = delete;
    Session_Tifiles &operator=(const Session_Tifiles &) = delete;
};

using Contenu_Fichier = std::unique_ptr<FileContent, decltype(&tifiles_content_delete_regular)>;

struct Variable
{
    std::string Nom;
    std::vector<std::uint8_t> Contenu;
};

// The size of what the library writes: the header, an entry per variable (and one for the
// folder once there are several), the file size and a mark, then each content between 4 bytes
// and its checksum. The library reports neither a full disk nor a short write, and reads back
// only files named with a calculator extension: a file of any other size did not reach the disk
// whole.
std::uint64_t Taille_Ecrite(const std::vector<Variable> &variables)
{
    std::uint64_t taille = 0x3C + 16 * (variables.size() + (variables.size() > 1 ? 1 : 0)) + 6;
    for (const Variable &variable : variables)
        taille += 4 + variable.Contenu.size() + 2;
    return taille;
}

bool Ecrire_Groupe(Modele_Pic modele, const char *chemin, const std::vector<Variable> &variables)
{
    const Session_Tifiles session;
    const CalcModel calc = modele == Modele_Pic::TI89 ? CALC_TI89 : CALC_TI92P;
    Contenu_Fichier fichier(tifiles_content_create_regular(calc), &tifiles_content_delete_regular);
    if (!fichier)
        return false;
    // The whole field is written: what follows the text goes into the file too.
    std::memset(fichier->default_folder, 0, sizeof fichier->default_folder);
    std::memset(fichier->comment, 0, sizeof fichier->comment);
    std::strcpy(fichier->default_folder, Dossier);
    std::strcpy(fichier->comment, Commentaire);
    for (const Variable &variable : variables)
    {
        VarEntry *v = tifiles_ve_create_alloc_data(variable.Contenu.size());
        if (!v)
            return false;
        std::memcpy(v->data, variable.Contenu.data(), variable.Contenu.size());
        v->size = static_cast<std::uint32_t>(variable.Contenu.size());
        std::snprintf(v->folder, sizeof v->folder, "%s", Dossier);
        std::snprintf(v->name, sizeof v->name, "%s", variable.Nom.c_str());
        v->type = Type_Pic;
        v->attr = ATTRB_NONE;
        if (tifiles_content_add_entry(fichier.get(), v) <= 0)
        {
            tifiles_ve_delete(v);
            return false;
        }
    }
    if (tifiles_file_write_regular(chemin, fichier.get(), nullptr) != 0)
        return false;
    std::error_code erreur;
    const std::uintmax_t taille = std::filesystem::file_size(chemin, erreur);
    return !erreur && taille == Taille_Ecrite(variables);
}
} // namespace

std::string Nom_Pic(std::string_view nom)
{
    std::string resultat;
    for (const char c : nom)
    {
        const char o = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if ((o >= 'a' && o <= 'z') || (o >= '0' && o <= '9') || o == '_')
            resultat += o;
    }
    if (resultat.empty())
        return "pic";
    if (resultat.front() < 'a' || resultat.front() > 'z')
        resultat.insert(resultat.begin(), 'p');
    return resultat;
}

bool Nom_Systeme(std::string_view nom)
{
    if (std::find(std::begin(Noms_Systeme), std::end(Noms_Systeme), nom) != std::end(Noms_Systeme))
        return true;
    for (const std::string_view prefixe : Prefixes_Numerotes)
    {
        if (!nom.starts_with(prefixe))
            continue;
        const std::string_view numero = nom.substr(prefixe.size());
        const bool chiffres =
            std::all_of(numero.begin(), numero.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (chiffres && (numero.size() == 1 || numero.size() == 2) && numero.front() != '0')
            return true;
    }
    return false;
}

std::vector<std::uint8_t> Contenu_Pic(const std::uint8_t *niveaux, std::uint8_t plan,
                                      std::uint8_t couleurs, std::uint8_t hauteur,
                                      std::uint8_t largeur)
{
    const int octets_ligne = (largeur + 7) / 8;
    const std::size_t suite = 4 + std::size_t(octets_ligne) * hauteur + 1;
    std::vector<std::uint8_t> contenu;
    contenu.reserve(2 + suite);
    for (const std::size_t mot : {suite, std::size_t(hauteur), std::size_t(largeur)})
    {
        contenu.push_back(static_cast<std::uint8_t>(mot >> 8));
        contenu.push_back(static_cast<std::uint8_t>(mot & 0xFF));
    }
    for (int y = 0; y < hauteur; ++y)
        for (int x0 = 0; x0 < largeur; x0 += 8)
        {
            int octet = 0;
            for (int b = 0; b < 8; ++b)
                octet = octet << 1 | Bit_Plan(x0 + b, y, plan, niveaux, largeur, couleurs);
            contenu.push_back(static_cast<std::uint8_t>(octet));
        }
    contenu.push_back(Marque_Pic);
    return contenu;
}

std::uint8_t Enregistrer_Pic(Modele_Pic modele, const char *chemin, const char *nom,
                             std::uint8_t couleurs, const std::uint8_t *niveaux,
                             std::uint8_t hauteur, std::uint8_t largeur) noexcept
{
    // Larger sizes would read past the host's plane.
    if (!chemin || !nom || !niveaux || largeur > Plug::Colonnes || hauteur > Plug::Lignes)
        return 0;
    try
    {
        if (largeur == 0 || hauteur == 0)
            return Refuser(chemin, "L'image n'a aucun point (" + std::to_string(largeur) + " x " +
                                       std::to_string(hauteur) +
                                       ") : il n'y a pas de variable PIC \xE0 \xE9"
                                       "crire.");
        const std::string base = Nom_Pic(nom);
        std::vector<Variable> variables;
        if (couleurs == 2)
            variables = {{base.substr(0, 8), {}}};
        else
            variables = {{base.substr(0, 7) + 'l', {}}, {base.substr(0, 7) + 'd', {}}};
        for (const Variable &variable : variables)
            if (Nom_Systeme(variable.Nom))
                return Refuser(chemin, "\xAB " + variable.Nom +
                                           " \xBB est le nom d'une variable syst\xE8me de la "
                                           "calculatrice : donnez un autre nom \xE0 l'image.");
        std::vector<std::uint8_t> copie;
        const std::uint8_t *lus = Niveaux_A_Exporter(niveaux, couleurs, hauteur, largeur, copie);
        for (std::size_t plan = 0; plan < variables.size(); ++plan)
            variables[plan].Contenu =
                Contenu_Pic(lus, static_cast<std::uint8_t>(plan), couleurs, hauteur, largeur);
        return Ecrire_Groupe(modele, chemin, variables) ? 1 : 0;
    }
    catch (...)
    {
        return 0;
    }
}
} // namespace Commun
