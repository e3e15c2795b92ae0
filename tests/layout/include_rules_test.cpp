// The folders stand in floors: each includes only its own headers and those of the floors it stands on, and only
// the platform sees SDL. Every source's #include lines are read against the layout written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A folder, the project folders it may include, and the system headers besides the standard library it may use.
struct FLOOR { std::string Folder; std::vector<std::string> MayInclude, SystemHeaders; };

const std::vector<FLOOR> Floors = {
    {"base", {"base"}, {"unistd.h", "fcntl.h", "sys/file.h", "sys/stat.h"}},
    {"world", {"world", "base"}, {}},
    {"opponent", {"opponent", "world", "base"}, {}},
    {"platform", {"platform"}, {"SDL.h", "emmintrin.h", "immintrin.h"}},
    {"graphics", {"graphics", "world", "platform", "base"}, {}},
    {"screens", {"screens", "graphics", "world", "platform", "base"}, {}},
    {"shell", {"shell", "screens", "graphics", "opponent", "world", "platform", "base"}, {}},
    {"tools", {"tools", "graphics", "world", "platform", "base"}, {"ft2build.h"}},
};

// Whether an include line breaks its floor's rules. A standard header has no extension; a project header names its
// folder first; a macro names the header only for the art generator's typeface.
bool Breaches(const FLOOR& floor, const std::string& line)
{
    const std::string target = line.substr(9);
    const auto lists = [](const std::vector<std::string>& names, const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    if (target.front() == '"')
        return !lists(floor.MayInclude, target.substr(1, target.find('/') - 1));
    if (target.front() != '<')
        return floor.Folder != "tools";
    const std::string header = target.substr(1, target.find('>') - 1);
    return header.find('.') != std::string::npos && !lists(floor.SystemHeaders, header);
}

}  // namespace

// A new folder of sources must take its place in the layout before it can include anything.
TEST(IncludeRules, EveryFolderOfSourcesHasItsFloorAndIncludesOnlyItAndTheFloorsBelow)
{
    EXPECT_TRUE(Breaches(Floors[1], "#include \"screens/pointer.h\"") && Breaches(Floors[4], "#include <SDL.h>"));
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
                EXPECT_FALSE(line.rfind("#include ", 0) == 0 && Breaches(*floor, line)) << entry.path() << ": " << line;
        }
    }
    EXPECT_GT(sources, 100);
}
