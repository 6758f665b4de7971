#include "app/DieImages.h"

#include <wx/bitmap.h>
#include <wx/icon.h>

namespace {

// Drawn by scripts/draw-die.
static const char* const ICON_XPM[] = {
    "16 16 6 1",
    "  c None",
    "f c #FAFAF5",
    "k c #1E1E1E",
    "p c #202020",
    "s c #BDBDB2",
    "t c #E4E4DC",
    "                ",
    "   kkkkkkkkkkkk ",
    "  kktttppttttkk ",
    " kkttttttttkksk ",
    "kkkkkkkkkkkkssk ",
    "kffffffffffkpsk ",
    "kffppffpppfkpsk ",
    "kffppffpppfkssk ",
    "kffffffffffkssk ",
    "kffffffffffkspk ",
    "kffffffffffkspk ",
    "kffppffpppfkssk ",
    "kffppffppffksk  ",
    "kffffffffffkk   ",
    "kkkkkkkkkkkk    ",
    "                ",
};

static const char* const PICTURE_XPM[] = {
    "34 34 6 1",
    "  c None",
    "f c #FAFAF5",
    "k c #1E1E1E",
    "p c #202020",
    "s c #BDBDB2",
    "t c #E4E4DC",
    "                                  ",
    "                                  ",
    "         kkkkkkkkkkkkkkkkkkkkkk   ",
    "       kkkkkkkkkkkkkkkkkkkkkkkkk  ",
    "      kkttttttttttttttttttttkkkk  ",
    "     kkttttttttppptttttttttkkskk  ",
    "    kktttttttttpppttttttttkksskk  ",
    "   kkttttttttttttttttttttkkssskk  ",
    "  kkkkkkkkkkkkkkkkkkkkkkkksssskk  ",
    " kkkkkkkkkkkkkkkkkkkkkkkkssssskk  ",
    " kkffffffffffffffffffffkkssssskk  ",
    " kkffffffffffffffffffffkkppssskk  ",
    " kkffffppffffffffppffffkkppssskk  ",
    " kkfffppppffffffppppfffkkppssskk  ",
    " kkffppppppffffppppppffkkssssskk  ",
    " kkffppppppffffppppppffkksspsskk  ",
    " kkfffppppffffffppppfffkkspppskk  ",
    " kkffffppffffffffppffffkkspppskk  ",
    " kkffffffffffffffffffffkksspsskk  ",
    " kkffffffffffffffffffffkkssssskk  ",
    " kkffffffffffffffffffffkksssppkk  ",
    " kkffffffffffffffffffffkksssppkk  ",
    " kkffffppffffffffppffffkksssppkk  ",
    " kkfffppppffffffppppfffkkssssskk  ",
    " kkffppppppffffppppppffkkssssskk  ",
    " kkffppppppffffppppppffkksssskk   ",
    " kkfffppppffffffppppfffkkssskk    ",
    " kkffffppffffffffppffffkksskk     ",
    " kkffffffffffffffffffffkkskk      ",
    " kkffffffffffffffffffffkkkk       ",
    " kkkkkkkkkkkkkkkkkkkkkkkkk        ",
    "  kkkkkkkkkkkkkkkkkkkkkk          ",
    "                                  ",
    "                                  ",
};

} // namespace

wxIcon DieImages::Icon() { return wxIcon(ICON_XPM); }

wxBitmap DieImages::Picture() { return wxBitmap(PICTURE_XPM); }
