#include "temp_folder.h"

#include "app/data_file_report.h"
#include "datafiles/data_folders.h"
#include "datafiles/editable_data_file.h"

#include <map>
#include <sys/stat.h>

namespace corrolab {
namespace {

namespace fs = std::filesystem;

Environment FakeEnvironment(std::map<std::string, std::string> variables)
{
    return [variables](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        if (found == variables.end())
            return std::nullopt;
        return found->second;
    };
}

std::vector<fs::path> Paths(const std::vector<DataFolder>& folders)
{
    std::vector<fs::path> paths;
    for (const DataFolder& folder : folders)
        paths.push_back(folder.path);
    return paths;
}

TEST(UserDataFolder, FollowsTheXdgRules)
{
    const struct
    {
        const char* row;
        std::map<std::string, std::string> environment;
        fs::path expected;
    } cases[] = {
        {"XDG_DATA_HOME first", {{"XDG_DATA_HOME", "/x/data"}, {"HOME", "/h"}}, "/x/data/corrolab"},
        {"trailing slash", {{"XDG_DATA_HOME", "/x/data/"}}, "/x/data/corrolab"},
        {"HOME when unset", {{"HOME", "/h"}}, "/h/.local/share/corrolab"},
        {"HOME when empty", {{"XDG_DATA_HOME", ""}, {"HOME", "/h"}}, "/h/.local/share/corrolab"},
        {"relative ignored", {{"XDG_DATA_HOME", "data"}, {"HOME", "/h"}},
            "/h/.local/share/corrolab"},
        {"relative HOME ignored", {{"HOME", "h"}}, ""},
        {"nothing set", {}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UserDataFolder(FakeEnvironment(c.environment)), c.expected) << c.row;
}

TEST(DataSearchFolders, OrderAndDefaults)
{
    const struct
    {
        const char* row;
        fs::path user;
        fs::path program;
        std::map<std::string, std::string> environment;
        std::vector<fs::path> expected;
    } cases[] = {
        {"build folder, default system dirs", "/h/.local/share/corrolab", "/src/build", {},
            {"/h/.local/share/corrolab", "/src/build", "/src/share/corrolab",
                "/usr/local/share/corrolab", "/usr/share/corrolab"}},
        {"installed in /usr: share/corrolab met once, as installed", "/u", "/usr/bin",
            {{"XDG_DATA_DIRS", "/usr/share:/opt/s/"}},
            {"/u", "/usr/bin", "/usr/share/corrolab", "/opt/s/corrolab"}},
        {"windows in libexec/corrolab", "/u", "/opt/c/libexec/corrolab", {{"XDG_DATA_DIRS", "/d"}},
            {"/u", "/opt/c/libexec/corrolab", "/opt/c/libexec/share/corrolab",
                "/opt/c/share/corrolab", "/d/corrolab"}},
        {"empty and relative dirs dropped, no user folder", "", "/p",
            {{"XDG_DATA_DIRS", "::rel:/d::"}}, {"/p", "/share/corrolab", "/d/corrolab"}},
        {"empty XDG_DATA_DIRS means the default", "/u", "/p", {{"XDG_DATA_DIRS", ""}},
            {"/u", "/p", "/share/corrolab", "/usr/local/share/corrolab", "/usr/share/corrolab"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            Paths(DataSearchFolders(c.user, c.program, FakeEnvironment(c.environment))), c.expected)
            << c.row;
}

TEST(DataSearchFolders, KindsFollowTheOrder)
{
    const auto folders
        = DataSearchFolders("/u", "/p/bin", FakeEnvironment({{"XDG_DATA_DIRS", "/s"}}));
    ASSERT_EQ(folders.size(), 4u);
    EXPECT_EQ(folders[0].kind, DataFolderKind::User);
    EXPECT_EQ(folders[1].kind, DataFolderKind::Program);
    EXPECT_EQ(folders[2].kind, DataFolderKind::Installed);
    EXPECT_EQ(folders[3].kind, DataFolderKind::System);
    EXPECT_EQ(UserFolderOf(folders), "/u");
    EXPECT_EQ(UserFolderOf({folders.begin() + 1, folders.end()}), "");
}

// A prefix with every folder the program searches, filled in turn.
class DataFileLookup : public ::testing::Test
{
protected:
    fs::path Folder(const char* name) const { return root.path() / name / "corrolab"; }
    std::vector<DataFolder> Search() const
    {
        const Environment environment = FakeEnvironment({
            {"XDG_DATA_HOME", (root.path() / "home").string()},
            {"XDG_DATA_DIRS",
                (root.path() / "xdg1").string() + ":" + (root.path() / "xdg2").string()},
        });
        return DataSearchFolders(
            UserDataFolder(environment), root.path() / "prefix" / "bin", environment);
    }
    void Place(const char* folder, const char* name) const
    {
        const fs::path path = folder == std::string("bin") ? root.path() / "prefix" / "bin"
            : folder == std::string("share") ? root.path() / "prefix" / "share" / "corrolab"
                                             : Folder(folder);
        fs::create_directories(path);
        std::ofstream(path / name) << folder;
    }
    TempFolder root;
};

TEST_F(DataFileLookup, EachFolderInTurn)
{
    const struct
    {
        const char* row;
        std::vector<const char*> placedIn; // "home", "bin", "share", "xdg1", "xdg2"
        const char* expectedFrom; // nullptr: not found
        DataFolderKind expectedKind;
    } cases[] = {
        {"nowhere", {}, nullptr, DataFolderKind::User},
        {"only the second system dir", {"xdg2"}, "xdg2", DataFolderKind::System},
        {"first system dir before second", {"xdg2", "xdg1"}, "xdg1", DataFolderKind::System},
        {"installed before system", {"xdg1", "share"}, "share", DataFolderKind::Installed},
        {"program folder before installed", {"share", "xdg1", "bin"}, "bin",
            DataFolderKind::Program},
        {"user folder before all", {"bin", "share", "xdg2", "home"}, "home", DataFolderKind::User},
    };
    for (const auto& c : cases) {
        fs::remove_all(root.path());
        fs::create_directories(root.path());
        for (const char* folder : c.placedIn)
            Place(folder, "Currency.txt");
        const auto found = FindDataFile(Search(), "Currency.txt");
        if (!c.expectedFrom) {
            EXPECT_FALSE(found) << c.row;
            continue;
        }
        ASSERT_TRUE(found) << c.row;
        EXPECT_EQ(found->kind, c.expectedKind) << c.row;
        std::ifstream in(found->file);
        std::string from;
        in >> from;
        EXPECT_EQ(from, c.expectedFrom) << c.row << ": " << found->file;
    }
}

TEST_F(DataFileLookup, NamesMatchWhateverTheirCase)
{
    Place("xdg1", "CURRENCY.TXT");
    Place("share", "Help.Txt");
    const auto rates = FindDataFile(Search(), "Currency.txt");
    ASSERT_TRUE(rates);
    EXPECT_EQ(rates->file.filename(), "CURRENCY.TXT");
    const auto help = FindDataFile(Search(), "help.txt");
    ASSERT_TRUE(help);
    EXPECT_EQ(help->kind, DataFolderKind::Installed);
    EXPECT_FALSE(FindDataFile(Search(), "units.txt"));
}

TEST_F(DataFileLookup, TheReportNamesTheFileInUseAndEveryFolder)
{
    Place("share", "help.txt");
    const std::string report = DataPathsReport(Search());
    const fs::path help = root.path() / "prefix" / "share" / "corrolab" / "help.txt";
    EXPECT_NE(report.find("help.txt: " + help.string() + " (installed)\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find("Currency.txt: not found\n"), std::string::npos) << report;
    EXPECT_NE(report.find("units.txt: not found\n"), std::string::npos) << report;
    size_t last = 0;
    for (const DataFolder& folder : Search()) {
        const size_t at = report.find("  " + folder.path.string() + " (");
        ASSERT_NE(at, std::string::npos) << folder.path;
        EXPECT_GT(at, last) << "out of order: " << folder.path;
        last = at;
    }
}

bool OwnerMayWrite(const fs::path& file)
{
    return (fs::status(file).permissions() & fs::perms::owner_write) != fs::perms::none;
}

TEST(MakeEditable, CopiesWhatMayNotBeEditedInPlace)
{
    const struct
    {
        const char* row;
        DataFolderKind kind;
        bool writable;
        bool expectCopy;
    } cases[] = {
        {"program folder, writable", DataFolderKind::Program, true, false},
        {"program folder, read-only", DataFolderKind::Program, false, true},
        {"installed, writable (root)", DataFolderKind::Installed, true, true},
        {"installed, read-only", DataFolderKind::Installed, false, true},
        {"system data folder", DataFolderKind::System, true, true},
        {"the user's own copy, read-only", DataFolderKind::User, false, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const fs::path original = folder.Write("Currency.txt", "a,b,c,d,e,f\nEuro,1\n");
        if (!c.writable)
            fs::permissions(original, fs::perms::owner_read | fs::perms::group_read);
        const fs::path user = folder.path() / "user" / "corrolab";

        const EditableFile editable = MakeEditable({original, c.kind}, c.writable, user);
        EXPECT_TRUE(editable.problem.empty()) << c.row << ": " << editable.problem;
        EXPECT_EQ(editable.copied, c.expectCopy) << c.row;
        EXPECT_EQ(editable.file, c.expectCopy ? user / "Currency.txt" : original) << c.row;
        EXPECT_EQ(FolderForEdits({original, c.kind}, c.writable, user),
            c.expectCopy ? user : folder.path())
            << c.row;
        if (c.expectCopy) {
            std::ifstream in(editable.file);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "a,b,c,d,e,f\nEuro,1\n")
                << c.row;
            EXPECT_TRUE(OwnerMayWrite(editable.file)) << c.row;
        }
        EXPECT_EQ(OwnerMayWrite(original), c.writable) << c.row << ": the original was changed";
    }
}

TEST(MakeEditable, SaysWhyNoCopyCanBeMade)
{
    TempFolder folder;
    const fs::path original = folder.Write("Currency.txt", "x");
    const fs::path blocker = folder.Write("not-a-folder", "x");
    const struct
    {
        const char* row;
        fs::path userFolder;
        const char* expectedInProblem;
    } cases[] = {
        {"no user folder", "", "HOME"},
        {"user folder is a file", blocker, blocker.c_str()},
        {"copy already there", folder.path(), "Currency.txt"},
    };
    for (const auto& c : cases) {
        const EditableFile editable
            = MakeEditable({original, DataFolderKind::Installed}, false, c.userFolder);
        EXPECT_TRUE(editable.file.empty()) << c.row;
        EXPECT_FALSE(editable.copied) << c.row;
        EXPECT_NE(editable.problem.find(c.expectedInProblem), std::string::npos)
            << c.row << ": " << editable.problem;
    }
}

} // namespace
} // namespace corrolab
