#include "ToolkitTestSupport.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/debug.h>
#include <wx/string.h>
#include <wx/utils.h>

#include <chrono>
#include <cstring>
#include <string>

// GLib's log writer, declared here so the tests do not need GLib's development headers.
extern "C" {
struct GLogField {
    const char* key;
    const void* value;
    long length;
};
using GLogWriterFunc = int (*)(int level, const GLogField* fields, unsigned long count, void* data);
void g_log_set_writer_func(GLogWriterFunc func, void* data, void (*destroy)(void*));
int g_log_writer_default(int level, const GLogField* fields, unsigned long count, void* data);
}

namespace {

constexpr int LOG_LEVEL_CRITICAL = 1 << 3;
constexpr int LOG_LEVEL_WARNING = 1 << 4;

std::string FieldText(const GLogField& field)
{
    const char* text = static_cast<const char*>(field.value);
    return field.length < 0 ? std::string(text) : std::string(text, field.length);
}

// A warning or critical message of GTK's fails the running test; every message is still written
// where GLib writes it.
int FailOnGtkMessage(int level, const GLogField* fields, unsigned long count, void* data)
{
    std::string domain, message;
    for (unsigned long i = 0; i < count; ++i) {
        if (std::strcmp(fields[i].key, "GLIB_DOMAIN") == 0)
            domain = FieldText(fields[i]);
        else if (std::strcmp(fields[i].key, "MESSAGE") == 0)
            message = FieldText(fields[i]);
    }
    if (domain == "Gtk" && (level & (LOG_LEVEL_CRITICAL | LOG_LEVEL_WARNING)) != 0)
        ADD_FAILURE() << "Gtk-" << ((level & LOG_LEVEL_CRITICAL) ? "CRITICAL" : "WARNING") << ": "
                      << message;
    return g_log_writer_default(level, fields, count, data);
}

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

void FailOnToolkitAsserts()
{
    wxSetAssertHandler(FailOnAssert);
    static bool writerSet = false; // GLib takes a writer once only
    if (!writerSet)
        g_log_set_writer_func(FailOnGtkMessage, nullptr, nullptr);
    writerSet = true;
}

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
