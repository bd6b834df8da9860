#pragma once
// Ce que les liaisons de contrôles ne couvrent pas pour les pages
// « &Messages » et « Agen&da » : listes à cocher suivies au clavier, zones
// dont la longueur maximale ne coupe pas un texte déjà posé, et suivi des
// zones (filtre des touches, entrée, sortie, Entrée) comme l'utilisateur les voit.
#include <QObject>

class QEvent;
class QKeyEvent;
#include <QValidator>

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "core/config/dialog/Controles.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace pulsodex {

class LimiteSaisie;
void RefleterZone(QLineEdit* zone, const ZoneTexte& texte, LimiteSaisie* limite);
// Liste simple, ou à cocher (les coches du cœur).
void RefleterListe(QListWidget* widget, const Liste& liste, bool aCocher);
// Donne le focus au widget de `racine` que le cœur nomme dans `focus`, qui
// est alors vidé.
void RendreFocus(QWidget* racine, std::string& focus);
// Un changement de fenêtre active ou un menu ouvert ne fait ni entrer dans
// une zone ni en sortir : seul le geste de l'utilisateur compte.
bool FocusDeLUtilisateur(const QEvent* evenement);
// Vrai quand la touche tape un caractère hors des permis (vides : tout passe) ;
// les touches de déplacement, d'effacement et de validation passent toujours.
bool ToucheRefusee(const QKeyEvent& touche, std::string_view permis);

// Longueur maximale pour la frappe et le collage ; un texte déjà plus long,
// posé par le programme, est gardé et peut être raccourci.
class LimiteSaisie final : public QValidator {
public:
    explicit LimiteSaisie(QLineEdit* zone);
    // La longueur maximale (0 : aucune) et le texte que le programme vient de poser.
    void Fixer(std::size_t longueurMax, const QString& texte) {
        m_max = longueurMax;
        m_precedent = texte;
    }
    State validate(QString& texte, int& position) const override;

private:
    std::size_t m_max = 0;
    QString m_precedent;
};

// Les zones de saisie d'une page : filtre des touches tapées, entrée et
// sortie de la zone comme l'utilisateur les voit (un changement de fenêtre
// active n'en est pas une), et Entrée qui vérifie la zone avant de valider le
// dialogue.
class SuiviZones final : public QObject {
public:
    struct Zone {
        std::function<std::string()> Permis; // vide : toute touche passe
        std::function<void()> Entree;
        // Rend vrai quand la zone est refusée et garde le focus.
        std::function<bool()> Sortie;
    };

    explicit SuiviZones(QObject* parent) : QObject(parent) {}
    void Suivre(QLineEdit* zone, Zone regles);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    std::map<QObject*, Zone> m_zones;
    QObject* m_entree = nullptr; // la zone où l'utilisateur est entré
};

} // namespace pulsodex
