// A file read whole when it is small enough: what the readers of sprite source and calculator
// files do before they look at the bytes.
#ifndef CORVANEL_FICHIER_BORNE_H
#define CORVANEL_FICHIER_BORNE_H

#include <QByteArray>
#include <QString>

namespace Corvanel
{
enum class Etat_Fichier_Borne
{
    Lu,
    Pas_Ordinaire, // a folder, a named pipe or a device: a pipe would keep the read waiting
    Non_Ouvert,    // Raison says why: missing or unreadable
    Trop_Grand,    // more than the maximum, before or while it was read
};

struct Fichier_Borne
{
    Etat_Fichier_Borne Etat = Etat_Fichier_Borne::Lu;
    QByteArray Octets;
    QString Raison; // "fichier introuvable" or "lecture impossible" when not opened
};

Fichier_Borne Lire_Fichier_Borne(const QString &Chemin, qint64 Maximum);
} // namespace Corvanel

#endif
