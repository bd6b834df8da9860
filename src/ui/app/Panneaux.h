#pragma once
// Panneaux des bandes et boîtes de dessin des jauges.
#include <QWidget>

#include <functional>

#include "core/commun/Codes.h"

namespace pulsodex {

// Panneau d'une bande : fond, biseau intérieur (aucun, creux, relief) et,
// pour la bande de la date, un texte centré.
class PanneauBande : public QWidget {
    Q_OBJECT
public:
    explicit PanneauBande(const QString& nom, QWidget* parent = nullptr);

    void FixerFond(const QColor& fond);
    void FixerBord(Bord bord);
    void FixerTexte(const QString& texte);
    [[nodiscard]] const QString& Texte() const { return m_texte; }
    // La boîte de dessin qui remplit le panneau, s'il en a une.
    void FixerContenu(QWidget* contenu);
    [[nodiscard]] QWidget* Contenu() const { return m_contenu; }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    QColor m_fond;
    Bord m_bord = Bord::Creux;
    QString m_texte;
    QWidget* m_contenu = nullptr;
};

// Biseau d'un pixel autour d'un rectangle.
void DessinerBiseau(QPainter& peintre, const QRect& cadre, Bord bord, const QPalette& palette);

// Cadre biseauté autour d'une jauge ou d'un témoin (son intérieur n'est pas peint).
class Biseau : public QWidget {
    Q_OBJECT
public:
    explicit Biseau(const QString& nom, QWidget* parent = nullptr);
    void FixerBord(Bord bord);

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    Bord m_bord = Bord::Creux;
};

// Boîte de dessin d'une jauge : son gestionnaire de peinture dessine toute
// la surface ; sans gestionnaire, le fond seul.
class BoiteJauge : public QWidget {
    Q_OBJECT
public:
    explicit BoiteJauge(const QString& nom, QWidget* parent = nullptr);
    void FixerFond(const QColor& fond);

    std::function<void(QPainter&, const QRect&)> Peindre;
    std::function<void()> DoubleClic;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void mouseDoubleClickEvent(QMouseEvent* evenement) override;

private:
    QColor m_fond;
};

} // namespace pulsodex
