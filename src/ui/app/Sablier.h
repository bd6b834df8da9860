#pragma once
// Le curseur d'attente de l'application, posé et retiré une fois chacun.
namespace pulsodex {

class Sablier {
public:
    Sablier() = default;
    ~Sablier() { Poser(false); }
    Sablier(const Sablier&) = delete;
    Sablier& operator=(const Sablier&) = delete;

    void Poser(bool actif);

private:
    bool m_pose = false;
};

} // namespace pulsodex
