// The folders stand in floors: each includes only its own headers and those of the floors it stands on, and only
// the platform sees SDL. Every source's #include lines are read against the layout written here.
// Below the screens no source names the one game: each function there takes the game it works on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

// A folder, the project folders it may include, and the system headers besides the standard library it may use.
struct FLOOR { std::string Folder; std::vector<std::string> MayInclude, SystemHeaders; };

const std::vector<FLOOR> Floors = {
    {"base", {"base"}, {"unistd.h", "fcntl.h", "signal.h", "sys/file.h", "sys/stat.h"}},
    {"world", {"world", "base"}, {}},
    {"opponent", {"opponent", "world", "base"}, {}},
    {"platform", {"platform"}, {"SDL.h", "emmintrin.h", "immintrin.h"}},
    {"graphics", {"graphics", "world", "platform", "base"}, {}},
    {"screens", {"screens", "graphics", "world", "platform", "base"}, {}},
    {"shell", {"shell", "screens", "graphics", "opponent", "world", "platform", "base"}, {}},
    {"tools", {"tools", "graphics", "world", "platform", "base"}, {"ft2build.h"}},
};

// Whether a line is an include that breaks its floor's rules, read as the compiler reads it: blanks may stand around
// the '#' and before the name, and a quoted path is resolved ("." and "..") before its folder is taken; a path that
// climbs above the root breaches. A standard header has no extension; a project header names its folder first; a
// macro names the header only for the art generator's typeface.
bool Breaches(const FLOOR& floor, const std::string& line)
{
    std::size_t at = line.find_first_not_of(" \t");
    if (at == std::string::npos || line[at] != '#')
        return false;
    at = line.find_first_not_of(" \t", at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0 || at + 7 == line.size() ||
        std::string(" \t\"<").find(line[at + 7]) == std::string::npos)
        return false;
    at = line.find_first_not_of(" \t", at + 7);
    if (at == std::string::npos)
        return false;
    const std::string target = line.substr(at);
    const auto lists = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    if (target.front() == '"') {
        const std::string path = target.substr(1, target.find('"', 1) - 1);
        std::vector<std::string> parts;
        for (std::size_t from = 0, to = 0; from <= path.size(); from = to + 1) {
            to = std::min(path.find('/', from), path.size());
            const std::string part = path.substr(from, to - from);
            if (part == ".." && parts.empty())
                return true;
            if (part == "..")
                parts.pop_back();
            else if (!part.empty() && part != ".")
                parts.push_back(part);
        }
        return parts.size() < 2 || !lists(floor.MayInclude, parts.front());
    }
    if (target.front() != '<')
        return floor.Folder != "tools";
    const std::string header = target.substr(1, target.find('>') - 1);
    return header.find('.') != std::string::npos && !lists(floor.SystemHeaders, header);
}

}  // namespace

// A new folder of sources must take its place in the layout before it can include anything.
TEST(IncludeRules, EveryFolderOfSourcesHasItsFloorAndIncludesOnlyItAndTheFloorsBelow)
{
    for (const char* breach : {"#include \"screens/pointer.h\"", "#  include \"screens/pointer.h\"",
                               " \t#include\t\"screens/pointer.h\"", "#include \"world/../screens/pointer.h\"",
                               "#include \"../world/game.h\"", "#include <SDL.h>"})
        EXPECT_TRUE(Breaches(Floors[1], breach)) << breach;
    EXPECT_FALSE(Breaches(Floors[1], " # include \"base/./../world/game.h\"  // the world's own"));
    int sources = 0;
    for (const auto& folder : std::filesystem::directory_iterator(SOURCE_FOLDER)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name == "tests" || name == "build" || name.front() == '.')
            continue;
        const auto floor = std::find_if(Floors.begin(), Floors.end(), [&](const FLOOR& f) { return f.Folder == name; });
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            sources++;
            if (floor == Floors.end()) {
                ADD_FAILURE() << name << " holds sources but has no floor";
                break;
            }
            std::ifstream file(entry.path());
            for (std::string line; std::getline(file, line);)
                EXPECT_FALSE(Breaches(*floor, line)) << entry.path() << ": " << line;
        }
    }
    EXPECT_GT(sources, 100);
}

namespace {

// Whether a source line names the one game the screens keep, its strings and its comment aside.
bool NamesTheGame(const std::string& line)
{
    static const std::regex literals(R"("([^"\\]|\\.)*"|'([^'\\]|\\.)*')");
    static const std::regex game(R"(\bGame\b)");
    const std::string code = std::regex_replace(line, literals, "\"\"");
    return std::regex_search(code.substr(0, code.find("//")), game);
}

}  // namespace

// Below the screens every function works on the game it is handed.
TEST(GameReach, TheFloorsBelowTheScreensWorkOnTheGameTheyAreHanded)
{
    EXPECT_TRUE(NamesTheGame("    if (Game.HumanTurnEnded)") && !NamesTheGame(R"(    f(game, "Free Game");  // Game)"));
    int sources = 0;
    for (const std::string folder : {"world", "opponent", "graphics"})
        for (const auto& entry : std::filesystem::recursive_directory_iterator(SOURCE_FOLDER "/" + folder)) {
            if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h")
                continue;
            sources++;
            std::ifstream file(entry.path());
            for (std::string line; std::getline(file, line);)
                EXPECT_FALSE(NamesTheGame(line)) << entry.path() << ": " << line;
        }
    EXPECT_GT(sources, 50);
}
