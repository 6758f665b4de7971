#pragma once

#include <string>

// Texts between the program, which holds them in the system's code page as its command line
// comes in (UTF-8 where the program's manifest is honoured), and the Windows calls that take
// UTF-16. Windows only.
std::wstring WideText(const std::string& text);
std::string NarrowText(const std::wstring& text);
