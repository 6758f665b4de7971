#include "ScreenArea.h"

// The GDK calls needed, declared here so the tests do not need GTK's development headers.
extern "C" {
void* gdk_get_default_root_window();
void* gdk_pixbuf_get_from_window(void* window, int x, int y, int width, int height);
unsigned char* gdk_pixbuf_get_pixels(const void* pixbuf);
int gdk_pixbuf_get_rowstride(const void* pixbuf);
int gdk_pixbuf_get_n_channels(const void* pixbuf);
void g_object_unref(void* object);
}

wxImage ScreenArea(const wxRect& area)
{
    void* shot = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), area.x, area.y,
                                            area.width, area.height);
    wxImage image(area.GetSize());
    if (!shot)
        return image;
    const unsigned char* pixels = gdk_pixbuf_get_pixels(shot);
    const int stride = gdk_pixbuf_get_rowstride(shot);
    const int channels = gdk_pixbuf_get_n_channels(shot);
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) {
            const unsigned char* p = pixels + y * stride + x * channels;
            image.SetRGB(x, y, p[0], p[1], p[2]);
        }
    g_object_unref(shot);
    return image;
}
