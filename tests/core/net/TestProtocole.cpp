#include <gtest/gtest.h>

#include "core/net/Protocole.h"

namespace pulsodex::net {
namespace {

using namespace std::string_literals;

TEST(Protocole, TableDesCommandes) {
    struct Cas {
        std::string octets;
        ActionCommande attendue;
    };
    const ActionCommande ok{"OK\r\n", false, std::nullopt};
    const ActionCommande bye{"BYE\r\n", true, std::nullopt};
    const ActionCommande rien{};
    const auto montrer = [](std::string texte) {
        return ActionCommande{"", false, std::move(texte)};
    };
    const std::string longue = "SHOW" + std::string(1020, 'a');
    // clang-format off
    const Cas cas[] = {
        {"get\r\n", ok}, {"GET", ok}, {"GETX\r\n", ok}, {"Bye\r\n", bye}, {"BYEBYE", bye}, {"quit\r\n", bye},
        {"QUITTER", bye}, {"SHOW Bonjour\r\n", montrer(" Bonjour")}, {"SHOW", montrer("")},
        {"SHOW\r\n", montrer("")}, {"show  deux  blancs", montrer("  deux  blancs")},
        {"SHOW a\r\nb\r\n", montrer(" ab\r\n")}, // seule la première paire part
        {"GET\r\nGET\r\n", ok}, {"GET\r\nBYE\r\n", ok}, // «GETBYE» : un GET
        {"KILL\r\n", rien}, {"HELP\r\n", rien}, {"GE", rien}, {"QUI", rien}, {"", rien}, {"\r\n", rien},
        {"G\r\nET", ok}, // la paire ôtée recolle la commande
        {"GET\0BYE"s, ok}, {"\0GET"s, rien}, {"SHO\0W"s, rien}, {"SHOW x\0y"s, montrer(" x")}, {" GET", rien},
        {"\xC7\xC5T", rien}, // pas de majuscules hors a à z
        {"SHOW été\r\n", montrer(" été")}, {"SHOW \xE9t\xE9\r\n", montrer(" été")}, // sinon du Latin-1
        {"SHOW \xFF\xFE", montrer(" ÿþ")}, {std::string(1024, '\xFF'), rien}, // 1024 octets au plus :
        {longue, montrer(std::string(1020, 'a'))}, {longue + "bbbb", montrer(std::string(1020, 'a'))}};
    // clang-format on
    for (const auto& c : cas) {
        EXPECT_EQ(TraiterLecture(c.octets), c.attendue) << c.octets.substr(0, 40);
    }
}

} // namespace
} // namespace pulsodex::net
