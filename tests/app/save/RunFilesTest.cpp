#include "app/save/RunFiles.h"
#include "app/run/RunModel.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

// The drawn kinds are drawn by whoever draws them, into the file made for them: a drawing that
// fails leaves no file, and a file that cannot be made is not drawn at all.
TEST(RunFilesTest, DrawnKindsGoToTheDrawerWholeOrNotAtAll)
{
    std::string folder = std::filesystem::temp_directory_path() / "zobrin-drawn-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    RunModel run;
    run.Start(1);
    run.RollUntil(run.Rolls());
    std::vector<RunFileKind> drawn;
    const RunDrawer draw = [&](const RunModel&, RunFileKind kind, std::ostream& out) {
        drawn.push_back(kind);
        out << "picture";
        return kind != RunFileKind::SVG;
    };
    std::string error;
    EXPECT_TRUE(SaveRun(run, folder + "/a.PNG", draw, error)) << error;
    EXPECT_FALSE(SaveRun(run, folder + "/b.svg", draw, error));
    EXPECT_EQ(error, "could not save \"" + folder + "/b.svg\": it could not be drawn");
    EXPECT_FALSE(SaveRun(run, folder + "/gone/c.pdf", draw, error));
    EXPECT_EQ(drawn, (std::vector<RunFileKind>{RunFileKind::PNG, RunFileKind::SVG}));
    std::ifstream saved(folder + "/a.PNG");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "picture");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    std::filesystem::remove_all(folder);
}

} // namespace
