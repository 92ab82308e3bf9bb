// A small X11 helper for the end-to-end run, for what xdotool cannot do:
//   xwin list PID    the program's mapped top-level windows, one a line:
//                    "<id> <x> <y> <width> <height> <kind> <title>", kind
//                    "window" or "popup" (menus, tooltips); under a window
//                    manager a window is found inside its frame, and its
//                    place is given on the screen
//   xwin close ID    asks a window to close as a window manager's close box
//                    does (WM_DELETE_WINDOW)
//   xwin frame ID    "<x> <y> <width> <height>" of the window's frame: the
//                    top-level window that holds it (the window itself when
//                    no window manager runs)
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

void Print(Display* display, Window window, const XWindowAttributes& attributes) {
  int x = attributes.x, y = attributes.y;
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
  std::printf("%lu %d %d %d %d %s %s\n", window, x, y, attributes.width, attributes.height,
              attributes.override_redirect ? "popup" : "window", TitleOf(display, window).c_str());
}

// The program's viewable windows at or under this one: a window manager puts
// each of them into a frame of its own, a few levels down.
void ListUnder(Display* display, Window window, long pid, int depth) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return;
  if (PidOf(display, window) == pid) {
    Print(display, window, attributes);
    return;
  }
  if (depth == 0) return;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned int i = 0; i < count; ++i) ListUnder(display, children[i], pid, depth - 1);
  if (children) XFree(children);
}

int List(Display* display, long pid) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 1;
  for (unsigned int i = 0; i < count; ++i) ListUnder(display, children[i], pid, 3);
  if (children) XFree(children);
  return 0;
}

int Frame(Display* display, Window window) {
  const Window screen = DefaultRootWindow(display);
  for (;;) {
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 1;
    if (children) XFree(children);
    if (parent == screen || parent == 0) break;
    window = parent;
  }
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return 1;
  std::printf("%d %d %d %d\n", attributes.x, attributes.y, attributes.width, attributes.height);
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
  const bool list = argc == 3 && std::strcmp(argv[1], "list") == 0;
  const bool close = argc == 3 && std::strcmp(argv[1], "close") == 0;
  const bool frame = argc == 3 && std::strcmp(argv[1], "frame") == 0;
  if (!list && !close && !frame) {
    std::fprintf(stderr, "usage: xwin list PID | xwin close WINDOW | xwin frame WINDOW\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "xwin: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(IgnoreErrors);
  const auto window = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
  const int status = list    ? List(display, std::strtol(argv[2], nullptr, 10))
                     : close ? Close(display, window)
                             : Frame(display, window);
  XCloseDisplay(display);
  return status;
}
