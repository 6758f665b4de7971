#include "GtkDialogUser.h"

// Declared here so the tests do not need GTK's development headers.
extern "C" {
struct GList {
    void* data;
    GList* next;
    GList* prev;
};
GList* gtk_window_list_toplevels();
void g_list_free(GList* list);
const char* gtk_window_get_title(void* window);
int gtk_widget_get_visible(void* widget);
void gtk_dialog_response(void* dialog, int response);
}

namespace {

const int GTK_RESPONSE_CANCEL = -6;

// The visible top window of that title, or none.
void* ShownWindow(const std::string& title)
{
    void* found = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w; w = w->next)
        if (const char* shown = gtk_window_get_title(w->data))
            if (shown == title && gtk_widget_get_visible(w->data))
                found = w->data;
    g_list_free(windows);
    return found;
}

} // namespace

GtkDialogUser::GtkDialogUser(std::string title, std::string text, std::vector<int> keys)
    : title(std::move(title)), text(std::move(text)), keys(std::move(keys))
{
    poll.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Act(); });
    poll.Start(300);
}

bool GtkDialogUser::Showing() const { return ShownWindow(title) != nullptr; }

// The timer runs inside the dialog's own event loop. The dialog has a moment on the screen to
// take the focus before the first key.
void GtkDialogUser::Act()
{
    void* dialog = ShownWindow(title);
    if (!seen) {
        seen = dialog != nullptr;
    } else if (!dialog) {
        poll.Stop();
    } else if (!text.empty()) {
        sim.Char('a', wxMOD_CONTROL);
        sim.Text(text.c_str());
        text.clear();
    } else if (next < keys.size()) {
        sim.Char(keys[next++]);
    } else if (++idle == 10) {
        leftOpen = true;
        gtk_dialog_response(dialog, GTK_RESPONSE_CANCEL);
    }
}
