#include "app/window/DieImages.h"

#include "app/run/DieDrawing.h"

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/brush.h>
#include <wx/graphics.h>
#include <wx/icon.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include <algorithm>
#include <memory>

namespace {

// The icons, drawn by scripts/draw-die (xpm NAME SIZE), each at its size and at twice it for
// dense screens.
// clang-format off
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

static const char* const ICON_2X_XPM[] = {
    "32 32 6 1",
    "  c None",
    "f c #FAFAF5",
    "k c #1E1E1E",
    "p c #202020",
    "s c #BDBDB2",
    "t c #E4E4DC",
    "                                ",
    "                                ",
    "        kkkkkkkkkkkkkkkkkkkkkk  ",
    "       kktttttttttttttttttttkk  ",
    "      ktttttttttttttttttttkksk  ",
    "    kktttttttppppptttttttkkssk  ",
    "   kktttttttttppptttttttkksssk  ",
    "  kktttttttttttttttttttkkssssk  ",
    " kkkkkkkkkkkkkkkkkkkkkkssssssk  ",
    " kffffffffffffffffffffkssssssk  ",
    " kffffffffffffffffffffksppsssk  ",
    " kffffffffffffffffffffksppsssk  ",
    " kffffpppffffffppppfffksppsssk  ",
    " kfffpppppfffffppppfffkspssssk  ",
    " kfffpppppfffffppppfffkssppssk  ",
    " kffffppppfffffppppfffkssppssk  ",
    " kfffffpffffffffppffffkssppssk  ",
    " kffffffffffffffffffffkssppssk  ",
    " kffffffffffffffffffffkssssssk  ",
    " kffffffffffffffffffffksssppsk  ",
    " kffffffffffffffffffffksssppsk  ",
    " kffffpppfffffffppffffksssppsk  ",
    " kfffpppppfffffppppfffkssssssk  ",
    " kfffpppppffffpppppfffkssssskk  ",
    " kfffpppppfffffppppfffksssskk   ",
    " kffffpppffffffpppffffkssskk    ",
    " kffffffffffffffffffffksskk     ",
    " kffffffffffffffffffffksk       ",
    " kffffffffffffffffffffkk        ",
    " kkkkkkkkkkkkkkkkkkkkkk         ",
    "                                ",
    "                                ",
};

// clang-format on

} // namespace

wxIconBundle DieImages::Icons()
{
    wxIconBundle icons;
    icons.AddIcon(wxIcon(ICON_XPM));
    icons.AddIcon(wxIcon(ICON_2X_XPM));
    return icons;
}

wxBitmapBundle DieImages::Picture(int size)
{
    return wxBitmapBundle::FromBitmaps(Drawn(size), Drawn(2 * size));
}

// The die's shapes scaled to `size` pixels, smoothed, on a transparent square.
wxBitmap DieImages::Drawn(int size)
{
    wxImage image(size, size);
    image.InitAlpha();
    std::fill(image.GetAlpha(), image.GetAlpha() + size * size, 0);
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(image));
    const double scale = size / DieDrawing::SIZE;
    gc->Scale(scale, scale);
    const auto colour = [](const DieDrawing::Colour& c) {
        return wxColour(c.red, c.green, c.blue);
    };
    gc->SetPen(gc->CreatePen(wxGraphicsPenInfo(colour(DieDrawing::OUTLINE))
                                 .Width(DieDrawing::OUTLINE_WIDTH)
                                 .Join(wxJOIN_ROUND)));
    for (const DieDrawing::Face& face : DieDrawing::Faces()) {
        wxGraphicsPath path = gc->CreatePath();
        path.MoveToPoint(face.corners.front().x, face.corners.front().y);
        for (const DieDrawing::Point& corner : face.corners)
            path.AddLineToPoint(corner.x, corner.y);
        path.CloseSubpath();
        gc->SetBrush(wxBrush(colour(face.fill)));
        gc->DrawPath(path);
    }
    gc->SetPen(*wxTRANSPARENT_PEN);
    gc->SetBrush(wxBrush(colour(DieDrawing::PIP)));
    for (const DieDrawing::Pip& pip : DieDrawing::Pips())
        gc->DrawEllipse(pip.centre.x - pip.radiusX, pip.centre.y - pip.radiusY, 2 * pip.radiusX,
                        2 * pip.radiusY);
    gc.reset(); // the picture is in the image once the context is gone
    return wxBitmap(image);
}
