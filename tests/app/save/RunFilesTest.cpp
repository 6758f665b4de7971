#include "app/save/RunFiles.h"
#include "app/run/RunModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// The extension names the kind, in any case; a name chosen for a kind of file takes the kind's
// extension unless its own names one.
TEST(RunFilesTest, TheExtensionNamesTheKindAndANameWithoutOneTakesTheChosenKinds)
{
    struct Case {
        const char* chosen;
        RunFileKind filter;
        const char* saved;
        std::optional<RunFileKind> kind;
    };
    const Case cases[] = {
        {"sheet", RunFileKind::CSV, "sheet.csv", std::nullopt},
        {"sheet.CSV", RunFileKind::JSON, "sheet.CSV", RunFileKind::CSV},
        {"run.Json", RunFileKind::CSV, "run.Json", RunFileKind::JSON},
        {"week 3.1", RunFileKind::JSON, "week 3.1.json", std::nullopt},
        {"notes.txt", RunFileKind::CSV, "notes.txt.csv", std::nullopt},
        {"/home/a.csv/sheet", RunFileKind::CSV, "/home/a.csv/sheet.csv", std::nullopt},
        {"/home/a/.csv", RunFileKind::JSON, "/home/a/.csv", RunFileKind::CSV},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KindOfFile(c.chosen), c.kind) << c.chosen;
        EXPECT_EQ(WithKindsExtension(c.chosen, c.filter), c.saved) << c.chosen;
        EXPECT_EQ(KindOfFile(c.saved), c.kind ? c.kind : c.filter) << c.saved;
    }
}

// The pictures are drawn by whoever draws them, into the file made for them: a drawing that
// fails leaves no file, and a file that cannot be made is not drawn at all.
TEST(RunFilesTest, PicturesGoToTheDrawerWholeOrNotAtAll)
{
    std::string folder = std::filesystem::temp_directory_path() / "zobrin-drawn-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    RunModel run;
    run.Start(1);
    run.RollUntil(run.Rolls());
    run.End();
    std::vector<RunFileKind> drawn;
    const RunDrawer draw = [&](const RunModel&, RunFileKind kind, std::ostream& out) {
        drawn.push_back(kind);
        out << "picture";
        return kind == RunFileKind::PNG;
    };
    std::string error;
    EXPECT_TRUE(SaveRun(run, folder + "/a.PNG", draw, error)) << error;
    EXPECT_FALSE(SaveRun(run, folder + "/b.svg", draw, error));
    EXPECT_EQ(error, "could not save \"" + folder + "/b.svg\": it could not be drawn");
    EXPECT_FALSE(SaveRun(run, folder + "/gone/c.png", draw, error));
    EXPECT_EQ(drawn, (std::vector<RunFileKind>{RunFileKind::PNG, RunFileKind::SVG}));
    std::ifstream saved(folder + "/a.PNG");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

} // namespace
