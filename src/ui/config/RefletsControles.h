#pragma once
// Les états des contrôles du cœur reflétés sur les widgets Qt, sans que les
// widgets n'émettent de signal ; et le suivi des zones de saisie (filtre des
// touches, entrée et sortie) des pages.
#include <QObject>
#include <QValidator>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/dialog/Controles.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace pulsodex {

void RefleterEtat(QWidget* widget, const Controle& controle);
void RefleterRadio(QRadioButton* bouton, const BoutonRadio& radio);
class LimiteSaisie;
void RefleterZone(QLineEdit* zone, const ZoneTexte& texte, LimiteSaisie* limite = nullptr);
// Liste simple, ou à cocher quand la liste du cœur a des coches.
void RefleterListe(QListWidget* widget, const Liste& liste, bool aCocher);
void RefleterCombo(QComboBox* combo, const Liste& liste);
// Donne le focus au widget que le cœur nomme dans `focus`, s'il est parmi
// ceux donnés ; `focus` est alors vidé.
void RendreFocus(std::string& focus, const std::vector<std::pair<const char*, QWidget*>>& widgets);

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
