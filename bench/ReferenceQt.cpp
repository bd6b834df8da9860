// Programme de référence : le minimum honnête d'un tableau de bord Qt Widgets.
// Cinq textes (mémoire totale libre, mémoire physique libre, taux
// d'utilisation de la mémoire, charge du processeur et sa moyenne sur une
// minute) relevés chaque seconde dans /proc/meminfo et /proc/stat par un
// QTimer, chacun redessiné seulement quand sa valeur a changé.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int Lignes = 5;
constexpr int HauteurLigne = 20;

// Relit un fichier de /proc ouvert une fois ; texte terminé par un zéro.
class Fichier {
public:
    explicit Fichier(const char* chemin) : m_fd(::open(chemin, O_RDONLY | O_CLOEXEC)) {}
    ~Fichier() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Fichier(const Fichier&) = delete;
    Fichier& operator=(const Fichier&) = delete;

    const char* Relire() {
        const ssize_t n = m_fd >= 0 ? ::pread(m_fd, m_tampon.data(), m_tampon.size() - 1, 0) : -1;
        m_tampon[n > 0 ? static_cast<std::size_t>(n) : 0] = '\0';
        return m_tampon.data();
    }

private:
    int m_fd;
    std::array<char, 8192> m_tampon{};
};

// Valeur en kio du champ « Nom: » de meminfo, 0 s'il manque.
long long Champ(const char* texte, const char* nom) {
    const char* p = std::strstr(texte, nom);
    return p != nullptr ? std::strtoll(p + std::strlen(nom), nullptr, 10) : 0;
}

class Tableau : public QWidget {
public:
    Tableau() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
        setWindowTitle(QStringLiteral("Référence"));
        resize(224, Lignes * HauteurLigne);
        connect(&m_minuterie, &QTimer::timeout, this, &Tableau::Echantillonner);
        m_minuterie.start(1000);
        Echantillonner();
    }

protected:
    void paintEvent(QPaintEvent* evenement) override {
        QPainter peintre(this);
        peintre.fillRect(evenement->rect(), palette().window());
        for (int i = 0; i < Lignes; ++i) {
            const QRect ligne(0, i * HauteurLigne, width(), HauteurLigne);
            if (evenement->rect().intersects(ligne)) {
                peintre.drawText(ligne, Qt::AlignCenter, m_textes[static_cast<std::size_t>(i)]);
            }
        }
    }

private:
    void Echantillonner() {
        const char* meminfo = m_meminfo.Relire();
        const long long total = Champ(meminfo, "MemTotal:");
        const long long disponible = Champ(meminfo, "MemAvailable:");
        const long long echangeLibre = Champ(meminfo, "SwapFree:");
        const int taux = total > 0 ? static_cast<int>(100 * (total - disponible) / total) : 0;

        // Première ligne de /proc/stat : user nice system idle iowait irq softirq steal.
        const char* p = m_stat.Relire() + 3;
        std::uint64_t somme = 0;
        std::uint64_t inactif = 0;
        for (int i = 0; i < 8; ++i) {
            char* fin = nullptr;
            const std::uint64_t v = std::strtoull(p, &fin, 10);
            p = fin;
            somme += v;
            if (i == 3 || i == 4) {
                inactif += v;
            }
        }
        const std::uint64_t dTotal = somme - m_total;
        const std::uint64_t dInactif = inactif - m_inactif;
        m_total = somme;
        m_inactif = inactif;
        const int charge =
            dTotal > 0 && dInactif <= dTotal ? static_cast<int>(100 * (dTotal - dInactif) / dTotal) : 0;
        m_historique[m_position] = charge;
        m_position = (m_position + 1) % m_historique.size();
        m_echantillons = std::min(m_echantillons + 1, m_historique.size());
        int moyenne = 0;
        for (std::size_t i = 0; i < m_echantillons; ++i) {
            moyenne += m_historique[i];
        }
        moyenne /= static_cast<int>(m_echantillons);

        const std::array<long long, Lignes> valeurs{(disponible + echangeLibre) / 1024, disponible / 1024,
                                                    taux, charge, moyenne};
        static const std::array<const char*, Lignes> formats{"%1 Mo libres", "%1 Mo libres (physique)",
                                                             "Mémoire : %1 %", "Processeur : %1 %",
                                                             "Moyenne : %1 %"};
        for (std::size_t i = 0; i < valeurs.size(); ++i) {
            if (valeurs[i] != m_valeurs[i]) {
                m_valeurs[i] = valeurs[i];
                m_textes[i] = QString::fromUtf8(formats[i]).arg(valeurs[i]);
                update(0, static_cast<int>(i) * HauteurLigne, width(), HauteurLigne);
            }
        }
    }

    Fichier m_meminfo{"/proc/meminfo"};
    Fichier m_stat{"/proc/stat"};
    QTimer m_minuterie;
    std::uint64_t m_total = 0;
    std::uint64_t m_inactif = 0;
    std::array<int, 60> m_historique{};
    std::size_t m_position = 0;
    std::size_t m_echantillons = 0;
    std::array<long long, Lignes> m_valeurs{-1, -1, -1, -1, -1};
    std::array<QString, Lignes> m_textes;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    Tableau tableau;
    tableau.show();
    return QApplication::exec();
}
