#include "app/save/RunFiles.h"

#include <gtest/gtest.h>

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

} // namespace
