// Test entry point: every test runs in a fresh temporary working folder, since the game writes its event log and its
// files into the working folder, and from the state the program starts with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/start_state.h"

namespace {

class TemporaryFolderPerTest : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tollmarrow-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();  // no test could keep its files apart
        Folder = pattern;
        std::filesystem::current_path(Folder);
        RestoreStartState();
    }

    void OnTestEnd(const testing::TestInfo&) override
    {
        std::filesystem::current_path(Folder.parent_path());
        std::error_code ignored;
        std::filesystem::permissions(Folder, std::filesystem::perms::owner_all, ignored);  // a test may lock it
        std::filesystem::remove_all(Folder, ignored);
    }

    std::filesystem::path Folder;
};

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new TemporaryFolderPerTest);
    return RUN_ALL_TESTS();
}
