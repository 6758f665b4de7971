# Cross-building Zobrin for 64-bit Windows with mingw-w64 (posix threads), against the libraries
# windows/build-libraries made: ZOBRIN_WINDOWS_LIBRARIES names their folder, and
# ZOBRIN_WINDOWS_HEADERS a folder that shows the host's header-only libraries and nothing else of it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ZOBRIN_WINDOWS_LIBRARIES ZOBRIN_WINDOWS_HEADERS)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${ZOBRIN_WINDOWS_LIBRARIES} ${ZOBRIN_WINDOWS_HEADERS})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(wxWidgets_CONFIG_EXECUTABLE ${ZOBRIN_WINDOWS_LIBRARIES}/bin/wx-config)
# expat is linked statically: its header must not ask for a DLL.
set(CMAKE_C_FLAGS_INIT -DXML_STATIC)
set(CMAKE_CXX_FLAGS_INIT -DXML_STATIC)
# One program, with the C++ and threads runtimes inside: it needs no DLL but Windows' own.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
