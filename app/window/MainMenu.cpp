#include "app/window/MainMenu.h"

#include "app/Version.h"

#include <wx/aboutdlg.h>
#include <wx/menu.h>

namespace {

wxMenu* FileMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_SAVE, "&Save...\tCtrl+S");
    menu->Append(wxID_PRINT, "&Print...\tCtrl+P");
    menu->AppendSeparator();
    menu->Append(wxID_EXIT, "&Quit\tCtrl+Q");
    return menu;
}

wxMenu* EditMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_COPY, "&Copy\tCtrl+C");
    return menu;
}

wxMenu* ViewMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_ZOOM_IN, "Zoom &In\tCtrl++");
    menu->Append(wxID_ZOOM_OUT, "Zoom &Out\tCtrl+-");
    menu->Append(wxID_ZOOM_100, "&Normal Size\tCtrl+0");
    return menu;
}

wxMenu* HelpMenu()
{
    auto* menu = new wxMenu;
    menu->Append(wxID_ABOUT, "&About");
    return menu;
}

} // namespace

wxMenuBar* MakeMainMenu()
{
    auto* bar = new wxMenuBar;
    bar->Append(FileMenu(), "&File");
    bar->Append(EditMenu(), "&Edit");
    bar->Append(ViewMenu(), "&View");
    bar->Append(HelpMenu(), "&Help");
    EnableResultCommands(*bar, false);
    return bar;
}

void EnableResultCommands(wxMenuBar& menu, bool enable)
{
    menu.Enable(wxID_SAVE, enable);
    menu.Enable(wxID_PRINT, enable);
}

void ShowAboutBox(wxWindow* parent)
{
    wxAboutDialogInfo info;
    info.SetName("Zobrin");
    info.SetVersion(ZOBRIN_VERSION);
    info.SetDescription("Roll dice and watch how often each sum comes up.");
    info.SetCopyright("Copyright (c) 2026 The Zobrin developers\n"
                      "Licence: GPL-3.0-or-later");
    info.SetLicence("Zobrin is free software: you can redistribute it and/or modify it under the "
                    "terms of the GNU General Public License as published by the Free Software "
                    "Foundation, either version 3 of the License, or (at your option) any later "
                    "version.\n\n"
                    "Zobrin is distributed in the hope that it will be useful, but WITHOUT ANY "
                    "WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS "
                    "FOR A PARTICULAR PURPOSE. See the GNU General Public License for more "
                    "details.\n\n"
                    "You should have received a copy of the GNU General Public License along "
                    "with Zobrin. If not, see <https://www.gnu.org/licenses/>.");
    wxAboutBox(info, parent);
}
