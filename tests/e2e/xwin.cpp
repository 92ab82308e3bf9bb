// A small X11 helper for the end-to-end run, for what xdotool cannot do:
//   xwin list PID    the program's mapped top-level windows, one a line:
//                    "<id> <x> <y> <width> <height> <kind> <title>", kind
//                    "window" or "popup" (menus, tooltips)
//   xwin close ID    asks a window to close as a window manager's close box
//                    does (WM_DELETE_WINDOW)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A window may go away between the listing and the look at it.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

long PidOf(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  long pid = -1;
  const Atom property = XInternAtom(display, "_NET_WM_PID", False);
  if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                         &data) == Success &&
      data && count == 1 && format == 32) {
    pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
  }
  if (data) XFree(data);
  return pid;
}

std::string TitleOf(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  std::string title;
  const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
  const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
  if (XGetWindowProperty(display, window, name, 0, 1024, False, utf8, &type, &format, &count, &after,
                         &data) == Success &&
      data && format == 8) {
    title.assign(reinterpret_cast<char*>(data), count);
  }
  if (data) XFree(data);
  return title;
}

int List(Display* display, long pid) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 1;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
      continue;
    if (PidOf(display, children[i]) != pid) continue;
    std::printf("%lu %d %d %d %d %s %s\n", children[i], attributes.x, attributes.y, attributes.width,
                attributes.height, attributes.override_redirect ? "popup" : "window",
                TitleOf(display, children[i]).c_str());
  }
  if (children) XFree(children);
  return 0;
}

int Close(Display* display, Window window) {
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::strcmp(argv[1], "list") != 0 && std::strcmp(argv[1], "close") != 0)) {
    std::fprintf(stderr, "usage: xwin list PID | xwin close WINDOW\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "xwin: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  const int status = std::strcmp(argv[1], "list") == 0
                         ? List(display, std::strtol(argv[2], nullptr, 10))
                         : Close(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
  XCloseDisplay(display);
  return status;
}
