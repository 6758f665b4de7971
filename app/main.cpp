// The program's entry point: the toolkit's own, creating a DiceApp.
#include "app/DiceApp.h"

wxIMPLEMENT_APP(DiceApp);
