#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/string.h>
#include <wx/utils.h>

#include <chrono>
#include <cstring>

namespace {

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str().data(), line)
        << "toolkit assert in " << func.utf8_string() << ": " << cond.utf8_string() << " "
        << msg.utf8_string();
}

} // namespace

bool OnlyListingTests(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

void FailOnToolkitAsserts() { wxSetAssertHandler(FailOnAssert); }

bool WaitFor(const std::function<bool()>& done, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        wxTheApp->Yield();
        wxMilliSleep(2);
    }
    return true;
}

void LetEventsThrough(double seconds)
{
    WaitFor([] { return false; }, seconds);
}
