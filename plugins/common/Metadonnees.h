// The descriptive exports that every save plug-in has: its kind, its texts and its extension.
#ifndef CORVANEL_METADONNEES_H
#define CORVANEL_METADONNEES_H

#include "Auteur.h"

#include <Plug_Contrat.h>

#define CORVANEL_PLUG_METADONNEES(GENRE, NOM, VERSION, DESCRIPTION, EXTENTION)                     \
    PLUG_EXPORT std::uint8_t Plug_Fonction()                                                       \
    {                                                                                              \
        return GENRE;                                                                              \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Nom()                                                             \
    {                                                                                              \
        return NOM;                                                                                \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Version()                                                         \
    {                                                                                              \
        return VERSION;                                                                            \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Auteur()                                                          \
    {                                                                                              \
        return Commun::Auteur;                                                                     \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Mail()                                                            \
    {                                                                                              \
        return Commun::Mail;                                                                       \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Site()                                                            \
    {                                                                                              \
        return Commun::Site;                                                                       \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Description()                                                     \
    {                                                                                              \
        return DESCRIPTION;                                                                        \
    }                                                                                              \
    PLUG_EXPORT const char *Plug_Enregistrement_Extention()                                        \
    {                                                                                              \
        return EXTENTION;                                                                          \
    }

#endif
