#pragma once

#include "app/run/CommandLine.h"

#include <wx/app.h>

class DiceFrame;
class WindowZoom;
class wxTopLevelWindow;

// The application: builds the main window, applies the command line's dice, rolls and seed,
// shows it. The command line is read before the toolkit starts, as the process received it.
class DiceApp : public wxApp {
public:
    explicit DiceApp(CommandLine commandLine) : commandLine(std::move(commandLine)) {}

    bool OnInit() override;
    // Hands what the program put on the clipboard to the desktop's clipboard manager, so that a
    // copied table, graph or list can still be pasted once the program has ended.
    int OnExit() override;

    // Gives the window the command line's numbers and, when one was given, its seed: the first
    // run takes that seed, each later one the next.
    static void ApplyArguments(DiceFrame& frame, const CommandLine& commandLine);

    // Starts the window at the command line's zoom or the one kept, and keeps the user's changes.
    static void ApplyZoom(WindowZoom& zoom, const CommandLine& commandLine);
    static void Place(wxTopLevelWindow& window);

private:
    const CommandLine commandLine;
    DiceFrame* frame = nullptr;
};
