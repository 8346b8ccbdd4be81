#include "Dialogues.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QUrl>

namespace Corvanel
{
QStringList Filtres_Qt(const QString &filtre)
{
    QStringList resultat;
    if (filtre.isEmpty())
        return resultat;
    const QStringList morceaux = filtre.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < morceaux.size(); i += 2)
    {
        const QString motifs = morceaux[i + 1].split(QLatin1Char(';')).join(QLatin1Char(' '));
        const QString description = morceaux[i];
        // Qt takes the patterns from the last parentheses, so they always close the entry.
        if (description.endsWith(QStringLiteral("(%1)").arg(motifs)))
            resultat << description;
        else
            resultat << QStringLiteral("%1 (%2)").arg(description, motifs);
    }
    return resultat;
}

namespace
{
class Attente_Qt final : public Attente_Plugin
{
public:
    Attente_Qt(QWidget *parent, const QString &texte)
        : Dialogue(texte, QStringLiteral("Arrêter"), 0, 0, parent)
    {
        Dialogue.setWindowTitle(QStringLiteral("Corvanel"));
        // The picture must not change under the plug-in's feet while it works.
        Dialogue.setWindowModality(Qt::ApplicationModal);
        Dialogue.setMinimumDuration(0);
        Dialogue.setAutoClose(false);
        Dialogue.setAutoReset(false);
        Dialogue.show();
    }
    bool Arret_Demande() override
    {
        QCoreApplication::processEvents();
        return Dialogue.wasCanceled();
    }

private:
    QProgressDialog Dialogue;
};

std::optional<Choix_Fichier> Executer(QFileDialog &dialogue, const QStringList &filtres)
{
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return std::nullopt;
    const int type = static_cast<int>(filtres.indexOf(dialogue.selectedNameFilter())) + 1;
    return Choix_Fichier{QDir::toNativeSeparators(dialogue.selectedFiles().constFirst()),
                         type > 0 ? type : 1};
}
} // namespace

std::optional<Choix_Fichier> Dialogues_Qt::Ouvrir_Fichier(QWidget *parent, const QString &titre,
                                                          const QString &filtre)
{
    QFileDialog dialogue(parent, titre);
    dialogue.setAcceptMode(QFileDialog::AcceptOpen);
    dialogue.setFileMode(QFileDialog::ExistingFile);
    const QStringList filtres = Filtres_Qt(filtre);
    dialogue.setNameFilters(filtres);
    return Executer(dialogue, filtres);
}

std::optional<Choix_Fichier>
Dialogues_Qt::Enregistrer_Fichier(QWidget *parent, const QString &titre, const QString &filtre,
                                  const QString &nom_propose, const QString &extension_defaut,
                                  int type_initial)
{
    QFileDialog dialogue(parent, titre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setFileMode(QFileDialog::AnyFile);
    // Files are replaced without asking, as the plug-ins empty and rewrite them.
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filtres = Filtres_Qt(filtre);
    dialogue.setNameFilters(filtres);
    if (type_initial >= 1 && type_initial <= filtres.size())
        dialogue.selectNameFilter(filtres[type_initial - 1]);
    // The extension rule is the host's own: Qt must not add one.
    Q_UNUSED(extension_defaut);
    dialogue.selectFile(nom_propose);
    return Executer(dialogue, filtres);
}

std::optional<QFont> Dialogues_Qt::Choisir_Police(QWidget *parent, const QFont &actuelle)
{
    bool accepte = false;
    const QFont police = QFontDialog::getFont(&accepte, actuelle, parent);
    if (!accepte)
        return std::nullopt;
    return police;
}

void Dialogues_Qt::Information(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox::information(parent, titre, texte);
}

void Dialogues_Qt::Erreur(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox::critical(parent, titre, texte);
}

bool Dialogues_Qt::Question(QWidget *parent, const QString &titre, const QString &texte)
{
    QMessageBox boite(QMessageBox::Question, titre, texte, QMessageBox::NoButton, parent);
    QPushButton *oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton *non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    // Losing work takes a deliberate choice: Enter and Escape keep it.
    boite.setDefaultButton(non);
    boite.setEscapeButton(non);
    boite.exec();
    return boite.clickedButton() == oui;
}

void Dialogues_Qt::Ouvrir_Document(const QString &cible)
{
    const QUrl url = cible.contains(QLatin1Char(':'))
                         ? QUrl(cible)
                         : QUrl::fromLocalFile(QFileInfo(cible).absoluteFilePath());
    QDesktopServices::openUrl(url);
}
std::unique_ptr<Attente_Plugin> Dialogues_Qt::Montrer_Attente(QWidget *parent, const QString &texte)
{
    return std::make_unique<Attente_Qt>(parent, texte);
}

Options_Appel Options_Fenetre(Dialogues &dialogues, QWidget *parent, const QString &texte)
{
    struct Etat
    {
        bool Demande = false;
        std::unique_ptr<Attente_Plugin> Attente;
    };
    auto etat = std::make_shared<Etat>();
    Options_Appel options;
    options.Arreter = [&dialogues, parent, texte, etat](std::chrono::milliseconds ecoule)
    {
        if (ecoule < Delai_Attente)
            return false;
        if (!etat->Demande)
        {
            etat->Demande = true;
            etat->Attente = dialogues.Montrer_Attente(parent, texte);
        }
        return etat->Attente && etat->Attente->Arret_Demande();
    };
    return options;
}
} // namespace Corvanel
