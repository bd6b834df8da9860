#include "ui/adaptateurs/PresentateurQt.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ui/adaptateurs/Conversions.h"
#include "ui/adaptateurs/Sons.h"
#include "ui/shell/BoitesSansAttente.h"
#include "ui/shell/TMessageForm.h"

namespace pulsodex {

namespace {
const char* const ProprieteReponse = "reponse";

struct Bouton {
    const char* Texte;
    QMessageBox::ButtonRole Role;
    ReponseBoite Reponse;
};

std::vector<Bouton> Boutons(BoutonsBoite boutons) {
    switch (boutons) {
    case BoutonsBoite::OkAnnuler:
        return {{"OK", QMessageBox::AcceptRole, ReponseBoite::Ok},
                {"Annuler", QMessageBox::RejectRole, ReponseBoite::Annuler}};
    case BoutonsBoite::OuiNon:
        return {{"&Oui", QMessageBox::YesRole, ReponseBoite::Oui},
                {"&Non", QMessageBox::NoRole, ReponseBoite::Non}};
    case BoutonsBoite::AbandonnerIgnorer:
        return {{"&Abandonner", QMessageBox::RejectRole, ReponseBoite::Abandonner},
                {"&Ignorer", QMessageBox::AcceptRole, ReponseBoite::Ignorer}};
    case BoutonsBoite::Ok:
        break;
    }
    return {{"OK", QMessageBox::AcceptRole, ReponseBoite::Ok}};
}

// Sans interaction, rien n'est dit en silence : le texte va sur la sortie d'erreur.
void DireSansMontrer(std::string_view texte, std::string_view legende) {
    std::fprintf(stderr, "%s : %s\n", std::string(legende).c_str(), std::string(texte).c_str());
}

QMessageBox::Icon IconeQt(IconeBoite icone) {
    switch (icone) {
    case IconeBoite::Information:
        return QMessageBox::Information;
    case IconeBoite::Avertissement:
        return QMessageBox::Warning;
    case IconeBoite::Question:
        return QMessageBox::Question;
    case IconeBoite::Erreur:
        return QMessageBox::Critical;
    case IconeBoite::Aucune:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

ReponseBoite PresentateurQt::ReponsePrudente(BoutonsBoite boutons) {
    switch (boutons) {
    case BoutonsBoite::OkAnnuler:
        return ReponseBoite::Annuler;
    case BoutonsBoite::OuiNon:
        return ReponseBoite::Non;
    case BoutonsBoite::AbandonnerIgnorer:
        return ReponseBoite::Ignorer;
    case BoutonsBoite::Ok:
        break;
    }
    return ReponseBoite::Ok;
}

QMessageBox* CreerBoite(std::string_view texte, std::string_view legende, IconeBoite icone,
                        BoutonsBoite boutons) {
    auto* boite = new QMessageBox;
    boite->setWindowTitle(Q(legende));
    boite->setTextFormat(Qt::PlainText);
    boite->setText(Q(texte));
    boite->setIcon(IconeQt(icone));
    const ReponseBoite prudente = PresentateurQt::ReponsePrudente(boutons);
    bool premier = true;
    for (const Bouton& b : Boutons(boutons)) {
        QPushButton* poussoir = boite->addButton(QString::fromUtf8(b.Texte), b.Role);
        poussoir->setProperty(ProprieteReponse, static_cast<int>(b.Reponse));
        if (premier) {
            boite->setDefaultButton(poussoir);
            premier = false;
        }
        // Échap et la case de fermeture : la réponse prudente (ou la seule).
        if (b.Reponse == prudente) {
            boite->setEscapeButton(poussoir);
        }
    }
    return boite;
}

ReponseBoite ReponseDe(const QMessageBox& boite) {
    const QAbstractButton* clique = boite.clickedButton();
    if (clique == nullptr || !clique->property(ProprieteReponse).isValid()) {
        // Aucun bouton : la boîte s'est fermée avec la fin du programme.
        return ReponseBoite::Annuler;
    }
    return static_cast<ReponseBoite>(clique->property(ProprieteReponse).toInt());
}

PresentateurQt::~PresentateurQt() {
    FermerTout();
}

void PresentateurQt::Ouvrir(std::string_view texte, std::string_view legende, IconeBoite icone,
                            BoutonsBoite boutons, SuiteBoite suite) {
    if (!m_interactif) {
        DireSansMontrer(texte, legende);
        // Jamais pendant l'appel : l'appelant finit d'abord ce qu'il fait.
        if (suite) {
            QTimer::singleShot(0, qApp,
                               [suite = std::move(suite), boutons] { suite(ReponsePrudente(boutons)); });
        }
        return;
    }
    QMessageBox* boite = CreerBoite(texte, legende, icone, boutons);
    MontrerSansAttendre(boite, [boite, suite = std::move(suite)](int) {
        if (suite) {
            suite(ReponseDe(*boite));
        }
    });
}

void PresentateurQt::OuvrirMessage(std::string_view texte, std::string_view legende, std::uint16_t son,
                                   std::function<void()> fermee) {
    if (!m_interactif) {
        DireSansMontrer(texte, legende);
        if (fermee) {
            QTimer::singleShot(0, qApp, std::move(fermee));
        }
        return;
    }
    AfficheMessage(texte, legende, son, std::move(fermee));
}

void PresentateurQt::FermerTout() {
    FermerBoitesOuvertes();
}

ReponseBoite PresentateurQt::Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                                   BoutonsBoite boutons) {
    if (!m_interactif) {
        DireSansMontrer(texte, legende);
        return ReponsePrudente(boutons);
    }
    const std::unique_ptr<QMessageBox> boite(CreerBoite(texte, legende, icone, boutons));
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    boite->exec();
    QApplication::restoreOverrideCursor();
    return ReponseDe(*boite);
}

void PresentateurQt::Son(std::uint16_t son) {
    if (m_interactif) {
        JouerSon(son);
    }
}

} // namespace pulsodex
