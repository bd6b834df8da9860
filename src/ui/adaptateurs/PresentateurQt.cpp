#include "PresentateurQt.h"

#include <QApplication>
#include <QCursor>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>
#include <string>
#include <vector>

#include "Conversions.h"
#include "Sons.h"
#include "shell/TMessageForm.h"

namespace pulsodex {

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

ReponseBoite PresentateurQt::Boite(std::string_view texte, std::string_view legende, IconeBoite icone,
                                   BoutonsBoite boutons) {
    if (!m_interactif) {
        // Rien n'est dit en silence : le texte va sur la sortie d'erreur.
        std::fprintf(stderr, "%s : %s\n", std::string(legende).c_str(), std::string(texte).c_str());
        return ReponsePrudente(boutons);
    }
    QMessageBox boite;
    boite.setWindowTitle(Q(legende));
    boite.setTextFormat(Qt::PlainText);
    boite.setText(Q(texte));
    switch (icone) {
    case IconeBoite::Information:
        boite.setIcon(QMessageBox::Information);
        break;
    case IconeBoite::Avertissement:
        boite.setIcon(QMessageBox::Warning);
        break;
    case IconeBoite::Question:
        boite.setIcon(QMessageBox::Question);
        break;
    case IconeBoite::Erreur:
        boite.setIcon(QMessageBox::Critical);
        break;
    case IconeBoite::Aucune:
        break;
    }
    struct Bouton {
        const char* Texte;
        QMessageBox::ButtonRole Role;
        ReponseBoite Reponse;
    };
    std::vector<Bouton> liste;
    switch (boutons) {
    case BoutonsBoite::Ok:
        liste = {{"OK", QMessageBox::AcceptRole, ReponseBoite::Ok}};
        break;
    case BoutonsBoite::OkAnnuler:
        liste = {{"OK", QMessageBox::AcceptRole, ReponseBoite::Ok},
                 {"Annuler", QMessageBox::RejectRole, ReponseBoite::Annuler}};
        break;
    case BoutonsBoite::OuiNon:
        liste = {{"&Oui", QMessageBox::YesRole, ReponseBoite::Oui},
                 {"&Non", QMessageBox::NoRole, ReponseBoite::Non}};
        break;
    case BoutonsBoite::AbandonnerIgnorer:
        liste = {{"&Abandonner", QMessageBox::RejectRole, ReponseBoite::Abandonner},
                 {"&Ignorer", QMessageBox::AcceptRole, ReponseBoite::Ignorer}};
        break;
    }
    std::vector<QPushButton*> poussoirs;
    poussoirs.reserve(liste.size());
    for (const auto& b : liste) {
        poussoirs.push_back(boite.addButton(QString::fromUtf8(b.Texte), b.Role));
    }
    boite.setDefaultButton(poussoirs.front());
    // Échap : la réponse prudente (ou la seule).
    const ReponseBoite prudente = ReponsePrudente(boutons);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i].Reponse == prudente) {
            boite.setEscapeButton(poussoirs[i]);
        }
    }
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    boite.exec();
    QApplication::restoreOverrideCursor();
    for (std::size_t i = 0; i < poussoirs.size(); ++i) {
        if (boite.clickedButton() == poussoirs[i]) {
            return liste[i].Reponse;
        }
    }
    // Aucun bouton : la boîte s'est fermée avec la fin du programme.
    return ReponseBoite::Annuler;
}

void PresentateurQt::Message(std::string_view texte, std::string_view legende, std::uint16_t son) {
    if (m_interactif) {
        AfficheMessage(texte, legende, son);
    }
}

void PresentateurQt::Son(std::uint16_t son) {
    if (m_interactif) {
        JouerSon(son);
    }
}

} // namespace pulsodex
