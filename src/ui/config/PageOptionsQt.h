#pragma once
// Ce que les pages « &Messages » et « Agen&da » ont en commun : le cœur
// qu'elles reflètent, les liaisons de leurs contrôles, leurs listes et leurs
// zones de saisie suivies, et le rafraîchissement qui suit chaque geste.
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "ui/config/LiaisonsControles.h"

class QLineEdit;
class QListWidget;

namespace pulsodex {

class TOptionsForm;
class SuiviZones;
class LimiteSaisie;

class PageOptionsQt : public QWidget {
public:
    // États du cœur → widgets.
    void Refleter();
    // Après chaque geste transmis au cœur : le dialogue reflète toutes ses
    // pages. Sans lui, la page se reflète seule.
    std::function<void()> Rafraichir;

protected:
    using Regle = void (TOptionsForm::*)();

    PageOptionsQt(TOptionsForm& form, const char* nom, QWidget* parent);
    void Apres();
    // Une liste, à cocher ou non : la ligne choisie, à la souris ou au
    // clavier, puis la règle.
    void LierListe(QListWidget* widget, Liste& liste, Regle regle, bool aCocher);
    // Une zone de saisie : son texte, sa longueur, le filtre des touches,
    // l'entrée et la sortie (qui peut la refuser : le cœur lui rend alors le focus).
    void LierZone(QLineEdit* widget, ZoneTexte& zone, std::function<std::string()> permis, Regle entree,
                  Regle sortie);

    TOptionsForm& m_form;
    LiaisonsControles m_liaisons;

private:
    SuiviZones* m_zones = nullptr;
};

} // namespace pulsodex
