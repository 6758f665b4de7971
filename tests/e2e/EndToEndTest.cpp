// The program as a new user meets it: the real application starts, and keys and clicks travel
// through the display server to its window, as they do from a keyboard and a mouse.
#include "DiceFrameProbe.h"
#include "RunDiceApp.h"
#include "SimulatedUser.h"
#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/utils.h>

#include <cstring>
#include <functional>
#include <numeric>

namespace {


class EndToEnd : public testing::Test {
protected:
    DiceFrame& Frame() { return *static_cast<DiceFrame*>(wxTheApp->GetTopWindow()); }
    DiceFrameProbe Probe() { return DiceFrameProbe(Frame()); }

    // Types at the end of a box's text: Backspace `erase` times, then `text`.
    void TypeAtEnd(wxWindow& box, int erase, const char* text, const std::function<bool()>& done)
    {
        std::vector<int> keys{WXK_END};
        keys.insert(keys.end(), erase, WXK_BACK);
        keys.insert(keys.end(), text, text + std::strlen(text));
        ASSERT_TRUE(user.TypeKeys(box, keys));
        ASSERT_TRUE(WaitFor(done, 5)) << "typing \"" << text << "\" did not arrive";
    }

    // Selects all of a box's text and types over it.
    void TypeOverAll(wxWindow& box, const char* text, const std::function<bool()>& done)
    {
        ASSERT_TRUE(user.TypeOverAll(box, text));
        ASSERT_TRUE(WaitFor(done, 5)) << "typing \"" << text << "\" did not arrive";
    }

    SimulatedUser user;
};

} // namespace

TEST_F(EndToEnd, TypedNumbersRunToTheirResultsAndBadEntriesAreRefused)
{
    const DiceFrameProbe p = Probe();
    ASSERT_TRUE(WaitFor([&] { return Frame().IsShownOnScreen(); }, 20));

    // "1" becomes "12" dice; "1500" becomes "15", then "150" rolls: every step a valid number.
    TypeAtEnd(p.DiceSpin(), 0, "2", [&] { return p.Dice() == 12; });
    TypeAtEnd(p.RollsText(), 2, "0", [&] { return p.Rolls() == 150; });

    ASSERT_TRUE(user.Click(p.StartButton()));
    const std::vector<int>& counts = p.Counts();
    ASSERT_TRUE(WaitFor([&] {
        return !p.Running() && std::accumulate(counts.begin(), counts.end(), 0L) == 150;
    }, 20)) << "the run did not end";
    EXPECT_EQ(p.StartButton().GetLabel(), "Start");

    ASSERT_EQ(counts.size(), 61u) << "one count per sum from 12 to 72";
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0L), 150);
    ASSERT_EQ(p.Grid().GetNumberRows(), 61);
    for (int row = 0; row < 61; ++row) {
        EXPECT_EQ(p.Grid().GetCellValue(row, 0), wxString::Format("%d", 12 + row));
        EXPECT_EQ(p.Grid().GetCellValue(row, 1), wxString::Format("%d", counts[row]));
    }
    ASSERT_EQ(p.Series().runs.size(), 1u);
    EXPECT_EQ(p.Series().runs[0].size(), 61u);
    const wxString log = p.RollLog().GetValue();
    EXPECT_EQ(log.length(), 150u * 13) << "150 rolls of twelve digits and a blank";

    // Ctrl+C on the graph, clicked first as a user would, puts its picture on the clipboard.
    p.Notebook().SetSelection(1);
    ASSERT_TRUE(user.Click(p.Graph()));
    user.Key('c' | SimulatedUser::CTRL);
    EXPECT_TRUE(WaitFor([] {
        wxClipboardLocker locker;
        return !!locker && wxTheClipboard->IsSupported(wxDataFormat("image/png"));
    }, 5)) << "the graph's picture did not reach the clipboard";

    // Letters over the whole rolls box: the message for each letter, each of which replaces the
    // text the message left selected; the stored number stays.
    const auto refused = [](const char* what) {
        return wxExpectModal<wxMessageDialog>(wxID_OK).Describe(wxString("Invalid Entry for ") + what);
    };
    wxTEST_DIALOG(TypeOverAll(p.RollsText(), "abc", [&] { return p.RollsText().GetValue() == "c"; }),
                  refused("a"), refused("b"), refused("c"));
    EXPECT_EQ(p.Rolls(), 150);
}

int main(int argc, char** argv)
{
    const bool listing = OnlyListingTests(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listing)
        return RUN_ALL_TESTS();
    // The application starts with no arguments of its own.
    return RunDiceApp(argv[0], {}, [] {
        FailOnToolkitAsserts();
        return RUN_ALL_TESTS();
    });
}
