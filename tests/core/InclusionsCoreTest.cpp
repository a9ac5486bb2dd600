#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The core's units (a header and its source), each with the core units its header or its
// source includes. A unit whose source reads another that reads it back is a loop as much as
// two headers including each other: neither can change or be tested alone.
std::map<std::string, std::set<std::string>> Dependances(const fs::path &dossier)
{
    std::set<std::string> unites;
    for (const auto &entree : fs::directory_iterator(dossier))
        if (entree.path().extension() == ".h")
            unites.insert(entree.path().stem().string());
    const std::regex inclusion(R"(^\s*#\s*include\s*"([^"]+)\.h")");
    std::map<std::string, std::set<std::string>> graphe;
    for (const std::string &unite : unites) {
        graphe[unite];
        for (const char *extension : {".h", ".cpp"}) {
            std::ifstream fichier(dossier / (unite + extension));
            std::string ligne;
            std::smatch m;
            while (std::getline(fichier, ligne))
                if (std::regex_search(ligne, m, inclusion) && m[1] != unite && unites.count(m[1]))
                    graphe[unite].insert(m[1]);
        }
    }
    return graphe;
}

// The first loop found, as the chain of units that closes on itself; empty without one.
std::vector<std::string> Boucle(const std::map<std::string, std::set<std::string>> &graphe)
{
    std::map<std::string, int> etat; // 0 unseen, 1 on the path, 2 done
    std::vector<std::string> chemin;
    std::vector<std::string> boucle;
    std::function<bool(const std::string &)> visite = [&](const std::string &u) {
        etat[u] = 1;
        chemin.push_back(u);
        for (const std::string &v : graphe.at(u)) {
            if (etat[v] == 1) {
                boucle.assign(std::find(chemin.begin(), chemin.end(), v), chemin.end());
                boucle.push_back(v);
                return true;
            }
            if (etat[v] == 0 && visite(v))
                return true;
        }
        chemin.pop_back();
        etat[u] = 2;
        return false;
    };
    for (const auto &[unite, _] : graphe)
        if (etat[unite] == 0 && visite(unite))
            break;
    return boucle;
}

std::string Texte(const std::vector<std::string> &boucle)
{
    std::string texte;
    for (const std::string &u : boucle)
        texte += (texte.empty() ? "" : " -> ") + u;
    return texte;
}

TEST(InclusionsCore, AucuneBoucleEntreLesUnitesDuCoeur)
{
    const auto graphe = Dependances(TAVELOR_CORE_DIR);
    ASSERT_GT(graphe.size(), 20u);
    EXPECT_TRUE(graphe.at("TCablage").count("TModele"));
    EXPECT_EQ(Texte(Boucle(graphe)), "");

    // The finder itself: the loop this test was written against is found.
    auto avecBoucle = graphe;
    avecBoucle["TCablage"].insert("TInstruments");
    EXPECT_FALSE(Boucle(avecBoucle).empty());
}

} // namespace
