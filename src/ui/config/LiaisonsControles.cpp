#include "ui/config/LiaisonsControles.h"

#include <utility>

#include "ui/config/RefletsControles.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "core/config/dialog/TOptionsForm.h"
#include "ui/adaptateurs/Conversions.h"

namespace pulsodex {

namespace {
// Filtre de frappe et suivi du focus d'un widget.
class Filtre : public QObject {
public:
    Filtre(QObject* parent, std::string permis, std::function<void()> entree, std::function<void()> sortie)
        : QObject(parent), m_permis(std::move(permis)), m_entree(std::move(entree)),
          m_sortie(std::move(sortie)) {}

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        switch (evenement->type()) {
        case QEvent::KeyPress:
            // Tout caractère tapé hors des permis est arrêté (Ctrl+V compris).
            if (ToucheRefusee(*static_cast<QKeyEvent*>(evenement), m_permis)) {
                return true;
            }
            break;
        case QEvent::FocusIn:
            if (m_entree && FocusDeLUtilisateur(evenement)) {
                m_entree();
            }
            break;
        case QEvent::FocusOut:
            if (m_sortie && FocusDeLUtilisateur(evenement)) {
                m_sortie();
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(objet, evenement);
    }

private:
    std::string m_permis;
    std::function<void()> m_entree;
    std::function<void()> m_sortie;
};
} // namespace

PastilleCouleur::PastilleCouleur(QWidget* parent) : QWidget(parent) {
    setFixedSize(40, 18);
    setCursor(Qt::PointingHandCursor);
}

void PastilleCouleur::FixerCouleur(std::int32_t couleur) {
    m_couleur = couleur;
    update();
}

void PastilleCouleur::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    peintre.fillRect(rect(), isEnabled() ? CouleurQt(m_couleur) : palette().color(QPalette::Window));
    peintre.setPen(palette().color(QPalette::WindowText));
    peintre.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PastilleCouleur::mousePressEvent(QMouseEvent*) {
    if (isEnabled()) {
        emit Clic();
    }
}

void NommerSelon(QWidget* widget, const Controle& etat) {
    if (widget->objectName().isEmpty() && !etat.Nom.empty()) {
        widget->setObjectName(QString::fromLatin1(etat.Nom.data(), static_cast<qsizetype>(etat.Nom.size())));
    }
}

void RefleterControle(QWidget* widget, const Controle& etat) {
    widget->setEnabled(etat.Active);
    widget->setVisible(etat.Visible);
}

void LiaisonsControles::Lier(QCheckBox* boite, CaseACocher& etat) {
    NommerSelon(boite, etat);
    QObject::connect(boite, &QCheckBox::clicked, boite, [this, &etat](bool coche) {
        etat.Cocher(coche);
        m_apres();
    });
    m_reflets.emplace_back([boite, &etat] {
        const QSignalBlocker bloque(boite);
        boite->setChecked(etat.Coche());
        RefleterControle(boite, etat);
    });
}

void LiaisonsControles::Lier(QRadioButton* bouton, BoutonRadio& etat) {
    NommerSelon(bouton, etat);
    bouton->setAutoExclusive(false); // l'exclusion est celle du cœur
    QObject::connect(bouton, &QRadioButton::clicked, bouton, [this, &etat] {
        etat.Cocher();
        m_apres();
    });
    m_reflets.emplace_back([bouton, &etat] {
        const QSignalBlocker bloque(bouton);
        bouton->setChecked(etat.Coche());
        RefleterControle(bouton, etat);
    });
}

void LiaisonsControles::Lier(QLineEdit* zone, ZoneTexte& etat, std::string permis) {
    NommerSelon(zone, etat);
    QObject::connect(zone, &QLineEdit::textEdited, zone,
                     [&etat](const QString& texte) { etat.Texte = S(texte); });
    if (!permis.empty()) {
        zone->installEventFilter(new Filtre(zone, std::move(permis), nullptr, nullptr));
    }
    // La longueur maximale limite la frappe sans couper un texte déjà posé.
    auto* limite = new LimiteSaisie(zone);
    m_reflets.emplace_back([zone, &etat, limite] { RefleterZone(zone, etat, limite); });
}

void LiaisonsControles::Lier(QComboBox* liste, Liste& etat, std::function<void()> changement) {
    NommerSelon(liste, etat);
    QObject::connect(liste, &QComboBox::activated, liste,
                     [this, &etat, changement = std::move(changement)](int indice) {
                         etat.Selection = indice;
                         if (changement) {
                             changement();
                         }
                         m_apres();
                     });
    m_reflets.emplace_back([liste, &etat] {
        const QSignalBlocker bloque(liste);
        if (liste->count() != static_cast<int>(etat.Elements.size())) {
            liste->clear();
            for (const std::string& e : etat.Elements) {
                liste->addItem(Q(e));
            }
        } else {
            for (int i = 0; i < liste->count(); ++i) {
                liste->setItemText(i, Q(etat.Elements[static_cast<std::size_t>(i)]));
            }
        }
        liste->setCurrentIndex(etat.Selection);
        RefleterControle(liste, etat);
    });
}

void LiaisonsControles::Lier(QListWidget* liste, Liste& etat, std::function<void()> clic, bool aCocher) {
    NommerSelon(liste, etat);
    // La ligne choisie à la souris comme au clavier.
    QObject::connect(liste, &QListWidget::currentRowChanged, liste,
                     [this, &etat, clic = std::move(clic)](int ligne) {
                         etat.Selection = ligne;
                         if (clic) {
                             clic();
                         }
                         m_apres();
                     });
    m_reflets.emplace_back([liste, &etat, aCocher] { RefleterListe(liste, etat, aCocher); });
}

void LiaisonsControles::Lier(PastilleCouleur* pastille, Forme& etat, std::function<void()> clic) {
    NommerSelon(pastille, etat);
    QObject::connect(pastille, &PastilleCouleur::Clic, pastille, [this, clic = std::move(clic)] {
        clic();
        m_apres();
    });
    m_reflets.emplace_back([pastille, &etat] {
        pastille->FixerCouleur(etat.Couleur);
        RefleterControle(pastille, etat);
    });
}

void LiaisonsControles::Lier(QSlider* curseur, Curseur& etat) {
    NommerSelon(curseur, etat);
    curseur->setRange(etat.Min, etat.Max);
    QObject::connect(curseur, &QSlider::valueChanged, curseur, [this, &etat](int position) {
        etat.FixerPosition(position);
        m_apres();
    });
    m_reflets.emplace_back([curseur, &etat] {
        const QSignalBlocker bloque(curseur);
        curseur->setValue(etat.Position());
        RefleterControle(curseur, etat);
    });
}

void LiaisonsControles::Lier(QLabel* etiquette, Etiquette& etat) {
    NommerSelon(etiquette, etat);
    m_reflets.emplace_back([etiquette, &etat] {
        etiquette->setText(Q(etat.Texte));
        RefleterControle(etiquette, etat);
    });
}

void LiaisonsControles::Lier(QAbstractButton* bouton, Controle& etat, std::function<void()> clic) {
    NommerSelon(bouton, etat);
    QObject::connect(bouton, &QAbstractButton::clicked, bouton, [this, clic = std::move(clic)] {
        clic();
        m_apres();
    });
    m_reflets.emplace_back([bouton, &etat] { RefleterControle(bouton, etat); });
}

void LiaisonsControles::SurFocus(QWidget* widget, std::function<void()> entree,
                                 std::function<void()> sortie) {
    auto avecReflet = [this](std::function<void()> f) -> std::function<void()> {
        if (!f) {
            return nullptr;
        }
        return [this, f = std::move(f)] {
            f();
            m_apres();
        };
    };
    widget->installEventFilter(
        new Filtre(widget, {}, avecReflet(std::move(entree)), avecReflet(std::move(sortie))));
}

void LiaisonsControles::Refleter() {
    for (const auto& reflet : m_reflets) {
        reflet();
    }
}

QCheckBox* Case(const char* texte) {
    return new QCheckBox(QString::fromUtf8(texte));
}

QRadioButton* Radio(const char* texte) {
    return new QRadioButton(QString::fromUtf8(texte));
}

QGroupBox* Groupe(const char* titre, QLayout* contenu) {
    auto* g = new QGroupBox(QString::fromUtf8(titre));
    g->setLayout(contenu);
    return g;
}

} // namespace pulsodex
