#include "ui/app/BandesFixesQt.h"

#include "core/app/BandesFixes.h"
#include "core/app/CycleRafraichissement.h"
#include "core/config/TConfig.h"
#include "core/probes/Formats.h"
#include "core/probes/Memoire.h"
#include "ui/adaptateurs/Conversions.h"
#include "ui/app/CoolBar.h"
#include "ui/app/Panneaux.h"

namespace pulsodex {

BandesFixesQt::BandesFixesQt(CoolBar& barre, const std::function<void(QWidget*)>& suivre,
                             const PeintreJauge& peindre)
    : m_barre(barre) {
    for (std::size_t i = 0; i < BandesFixes.size(); ++i) {
        const BandeFixe& b = BandesFixes[i];
        auto* panneau = new PanneauBande(QString::fromLatin1(b.Panneau));
        panneau->setToolTip(QString::fromUtf8(b.Bulle));
        panneau->resize(218, 20);
        if (b.Boite != nullptr) {
            auto* boite = new BoiteJauge(QString::fromLatin1(b.Boite));
            boite->Peindre = [peindre, jauge = b.Jauge](QPainter& peintre, const QRect& zone) {
                peindre(jauge, peintre, zone);
            };
            panneau->FixerContenu(boite);
            suivre(boite);
            m_boites[i] = boite;
        }
        suivre(panneau);
        m_barre.AjouterBande(panneau, b.Cle);
        m_panneaux[i] = panneau;
    }
}

void BandesFixesQt::Montrer(const TConfig& config) {
    for (const BandeFixe& b : BandesFixes) {
        m_barre.FixerVisible(b.Cle, BandeFixeVisible(b.Cle, config));
    }
}

void BandesFixesQt::Habiller(const TConfig& c, int h) {
    const QColor fond = CouleurQt(c.CouleurFond);
    for (std::size_t i = 0; i < BandesFixes.size(); ++i) {
        PanneauBande* panneau = m_panneaux[i];
        QPalette texte = panneau->palette();
        texte.setColor(QPalette::WindowText, CouleurQt(c.Fonte.Couleur));
        panneau->setPalette(texte);
        panneau->FixerFond(fond);
        panneau->FixerBord(c.Bord);
        panneau->resize(panneau->width(), h + 4);
        m_barre.FixerHauteurControle(BandesFixes[i].Cle, h + 4);
        if (BoiteJauge* boite = m_boites[i]) {
            boite->FixerFond(fond);
            boite->resize(boite->width(), h - 2);
        }
    }
}

void BandesFixesQt::BullesMemoire(SondesMemoire& memoire, const FormatNombres& format) {
    Boite(JaugeFixe::Mem)
        ->setToolTip(Q("Mémoire totale disponible" + ChaineTaille(memoire.GetMaxMem(), format)));
    Boite(JaugeFixe::RealMem)
        ->setToolTip(Q("Mémoire physique disponible" + ChaineTaille(memoire.GetMaxRealMem(), format)));
}

void BandesFixesQt::Redessiner(const Redessins& r) {
    const std::pair<bool, JaugeFixe> redessins[] = {{r.Cpu, JaugeFixe::Cpu},
                                                    {r.CpuMoy, JaugeFixe::CpuMoy},
                                                    {r.MemoryLoad, JaugeFixe::MemoryLoad},
                                                    {r.Mem, JaugeFixe::Mem},
                                                    {r.RealMem, JaugeFixe::RealMem}};
    for (const auto& [change, jauge] : redessins) {
        if (change) {
            Boite(jauge)->update();
        }
    }
}

void BandesFixesQt::FixerTexteHorloge(const QString& texte) {
    PanneauBande* date = m_panneaux[0];
    date->FixerTexte(texte);
    date->repaint();
}

PanneauBande* BandesFixesQt::Panneau(int cle) const {
    for (std::size_t i = 0; i < BandesFixes.size(); ++i) {
        if (BandesFixes[i].Cle == cle) {
            return m_panneaux[i];
        }
    }
    return nullptr;
}

BoiteJauge* BandesFixesQt::Boite(JaugeFixe jauge) const {
    for (std::size_t i = 0; i < BandesFixes.size(); ++i) {
        if (BandesFixes[i].Boite != nullptr && BandesFixes[i].Jauge == jauge) {
            return m_boites[i];
        }
    }
    return nullptr;
}

} // namespace pulsodex
