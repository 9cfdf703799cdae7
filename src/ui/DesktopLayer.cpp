#include "ui/DesktopLayer.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <wx/toplevel.h>

void MakeDesktopLayer(wxTopLevelWindow& window) {
    GtkWindow* gtkWindow = GTK_WINDOW(window.GetHandle());
    gtk_window_set_type_hint(gtkWindow, GDK_WINDOW_TYPE_HINT_DESKTOP);
    // For window managers that place desktop windows as any other.
    gtk_window_set_keep_below(gtkWindow, TRUE);
    gtk_window_stick(gtkWindow);
    gtk_window_set_skip_taskbar_hint(gtkWindow, TRUE);
    gtk_window_set_skip_pager_hint(gtkWindow, TRUE);
    gtk_window_set_focus_on_map(gtkWindow, FALSE);
}

unsigned long TopLevelXWindow(const wxTopLevelWindow& window) {
    GdkWindow* gdkWindow = gtk_widget_get_window(window.GetHandle());
    return gdkWindow && GDK_IS_X11_WINDOW(gdkWindow) ? gdk_x11_window_get_xid(gdkWindow) : 0;
}
