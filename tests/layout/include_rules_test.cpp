// The folders stand in floors: each includes only its own headers and those of the floors it stands on, and only
// the platform sees SDL. The rules are read from every source's #include lines against the layout written here.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A folder, the project folders it may include, and the system headers besides the standard library it may use.
struct FLOOR {
    std::string Folder;
    std::vector<std::string> MayInclude;
    std::vector<std::string> SystemHeaders;
};

const std::vector<FLOOR> Floors = {
    {"base", {"base"}, {"unistd.h"}},
    {"world", {"world", "base"}, {}},
    {"opponent", {"opponent", "world", "base"}, {}},
    {"platform", {"platform"}, {"SDL.h", "emmintrin.h", "immintrin.h"}},
    {"graphics", {"graphics", "world", "platform", "base"}, {}},
    {"screens", {"screens", "graphics", "world", "platform", "base"}, {}},
    {"shell", {"shell", "screens", "graphics", "opponent", "world", "platform", "base"}, {}},
    {"tools", {"tools", "graphics", "world", "platform", "base"}, {"ft2build.h"}},
};

const FLOOR* FindFloor(const std::string& folder)
{
    for (const FLOOR& floor : Floors)
        if (floor.Folder == folder)
            return &floor;
    return nullptr;
}

bool Lists(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The include lines of a source text that its floor does not allow. A standard header has no extension; a
// project header names its folder first.
std::vector<std::string> Breaches(const FLOOR& floor, const std::string& text)
{
    std::vector<std::string> breaches;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("#include ", 0) != 0)
            continue;
        const std::string target = line.substr(9);
        if (target.size() > 2 && target.front() == '"') {
            const std::string path = target.substr(1, target.find('"', 1) - 1);
            if (!Lists(floor.MayInclude, path.substr(0, path.find('/'))))
                breaches.push_back(line);
        } else if (target.size() > 2 && target.front() == '<') {
            const std::string header = target.substr(1, target.find('>') - 1);
            if (header.find('.') != std::string::npos && !Lists(floor.SystemHeaders, header))
                breaches.push_back(line);
        } else if (floor.Folder != "tools") {
            breaches.push_back(line);  // a macro names the header: only the art generator's typeface does that
        }
    }
    return breaches;
}

bool IsSource(const std::filesystem::path& path)
{
    return path.extension() == ".cpp" || path.extension() == ".h";
}

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(IncludeRules, EveryFolderIncludesOnlyItsOwnFloorAndTheFloorsBelow)
{
    int sources = 0;
    std::vector<std::string> breaches;
    for (const FLOOR& floor : Floors) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(SOURCE_FOLDER "/" + floor.Folder)) {
            if (!IsSource(entry.path()))
                continue;
            sources++;
            for (const std::string& line : Breaches(floor, ReadText(entry.path())))
                breaches.push_back(entry.path().lexically_relative(SOURCE_FOLDER).string() + ": " + line);
        }
    }
    EXPECT_GT(sources, 100);
    std::string list;
    for (const std::string& breach : breaches)
        list += breach + "\n";
    EXPECT_TRUE(breaches.empty()) << list;
}

// A new folder of sources must take its place in the layout before it can include anything.
TEST(IncludeRules, EveryFolderOfSourcesHasItsFloor)
{
    for (const auto& entry : std::filesystem::directory_iterator(SOURCE_FOLDER)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_directory() || name == "tests" || name == "build" || name.front() == '.')
            continue;
        bool hasSources = false;
        for (const auto& file : std::filesystem::recursive_directory_iterator(entry.path()))
            hasSources = hasSources || IsSource(file.path());
        EXPECT_TRUE(!hasSources || FindFloor(name) != nullptr) << name << " holds sources but has no floor";
    }
}

TEST(IncludeRules, UpwardIncludesAndStrayLibrariesAreFound)
{
    const struct { const char* Folder; const char* Line; bool Allowed; } cases[] = {
        {"world", "#include \"base/eventlog.h\"", true},
        {"world", "#include \"screens/pointer.h\"", false},
        {"screens", "#include \"opponent/opponent.h\"", false},
        {"shell", "#include \"opponent/opponent.h\"", true},
        {"platform", "#include \"base/files.h\"", false},
        {"platform", "#include <SDL.h>", true},
        {"graphics", "#include <SDL.h>", false},
        {"base", "#include <vector>", true},
        {"tools", "#include <ft2build.h>", true},
        {"world", "#include FT_FREETYPE_H", false},
    };
    for (const auto& c : cases) {
        const FLOOR* floor = FindFloor(c.Folder);
        ASSERT_NE(floor, nullptr) << c.Folder;
        EXPECT_EQ(Breaches(*floor, std::string(c.Line) + "\n").empty(), c.Allowed) << c.Folder << ": " << c.Line;
    }
}
