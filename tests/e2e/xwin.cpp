// A small X11 helper for the end-to-end run, for what xdotool cannot do:
//   xwin list PID    the program's mapped top-level windows, one a line:
//                    "<id> <x> <y> <width> <height> <kind> <title>", kind
//                    "window" or "popup" (menus, tooltips); under a window
//                    manager a window is found inside its frame, and its
//                    place is given on the screen
//   xwin titles PID  the titles of those of kind "window", one a line, in
//                    byte order
//   xwin spot ID X Y WIDTH HEIGHT
//                    the brightest colour channel of that part of a window,
//                    0 to 65535 (as ImageMagick's %[max])
//   xwin like ID X Y WIDTH HEIGHT RRGGBB TOLERANCE
//                    how many pixels of that part of a window are of that
//                    colour, each channel within TOLERANCE (of 255)
//   xwin close ID    asks a window to close as a window manager's close box
//                    does (WM_DELETE_WINDOW)
//   xwin frame ID    "<x> <y> <width> <height>" of the window's frame: the
//                    top-level window that holds it (the window itself when
//                    no window manager runs)
//   xwin sync PID [SECONDS]
//                    returns once the program has handled every event sent
//                    to it before, and what those events made it post and
//                    paint: it pings one of the program's mapped windows
//                    (_NET_WM_PING) and waits for the answer, three times.
//                    Status 3 when the program has no mapped window, 1 when
//                    it has not answered within SECONDS (10).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A window may go away between the listing and the look at it.
bool g_failed = false;
int NoteErrors(Display*, XErrorEvent*) {
  g_failed = true;
  return 0;
}

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

struct Mapped {
  Window id;
  XWindowAttributes attributes;  // x and y on the screen
};

// The program's viewable windows at or under this one: a window manager puts
// each of them into a frame of its own, a few levels down.
void FindUnder(Display* display, Window window, long pid, int depth, std::vector<Mapped>& found) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return;
  if (PidOf(display, window) == pid) {
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &attributes.x, &attributes.y,
                          &child);
    found.push_back({window, attributes});
    return;
  }
  if (depth == 0) return;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned int i = 0; i < count; ++i) FindUnder(display, children[i], pid, depth - 1, found);
  if (children) XFree(children);
}

// The program's mapped windows, bottom to top.
std::vector<Mapped> MappedWindows(Display* display, long pid) {
  std::vector<Mapped> found;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return found;
  for (unsigned int i = 0; i < count; ++i) FindUnder(display, children[i], pid, 3, found);
  if (children) XFree(children);
  return found;
}

int List(Display* display, long pid) {
  for (const Mapped& window : MappedWindows(display, pid)) {
    const XWindowAttributes& a = window.attributes;
    std::printf("%lu %d %d %d %d %s %s\n", window.id, a.x, a.y, a.width, a.height,
                a.override_redirect ? "popup" : "window", TitleOf(display, window.id).c_str());
  }
  return 0;
}

int Titles(Display* display, long pid) {
  std::vector<std::string> titles;
  for (const Mapped& window : MappedWindows(display, pid)) {
    if (!window.attributes.override_redirect) titles.push_back(TitleOf(display, window.id));
  }
  std::sort(titles.begin(), titles.end());
  for (const std::string& title : titles) std::printf("%s\n", title.c_str());
  return 0;
}

// Calls `each` with the red, green and blue (0 to 255) of every pixel of a
// part of a window; false when the part cannot be read.
template <class Each>
bool ForEachPixel(Display* display, Window window, int x, int y, int width, int height, Each each) {
  XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (!image) return false;
  // A channel scaled to 0..255 whatever its width.
  const auto channel = [](unsigned long pixel, unsigned long mask) {
    unsigned long value = pixel & mask, full = mask;
    while (full && !(full & 1)) {
      value >>= 1;
      full >>= 1;
    }
    return full ? static_cast<int>(value * 255 / full) : 0;
  };
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const unsigned long pixel = XGetPixel(image, column, row);
      each(channel(pixel, image->red_mask), channel(pixel, image->green_mask),
           channel(pixel, image->blue_mask));
    }
  }
  XDestroyImage(image);
  return true;
}

int Spot(Display* display, Window window, int x, int y, int width, int height) {
  int brightest = 0;
  if (!ForEachPixel(display, window, x, y, width, height, [&](int r, int g, int b) {
        brightest = std::max({brightest, r, g, b});
      }))
    return 1;
  std::printf("%d\n", brightest * 257);
  return 0;
}

int Like(Display* display, Window window, int x, int y, int width, int height, const char* colour,
         int tolerance) {
  const unsigned long rgb = std::strtoul(colour, nullptr, 16);
  const int want[] = {static_cast<int>(rgb >> 16 & 0xFF), static_cast<int>(rgb >> 8 & 0xFF),
                      static_cast<int>(rgb & 0xFF)};
  long count = 0;
  if (!ForEachPixel(display, window, x, y, width, height, [&](int r, int g, int b) {
        if (std::abs(r - want[0]) <= tolerance && std::abs(g - want[1]) <= tolerance &&
            std::abs(b - want[2]) <= tolerance)
          ++count;
      }))
    return 1;
  std::printf("%ld\n", count);
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

enum class Answer { kAnswered, kGone, kLate };

// Sends one ping to the window and waits for the program's answer, which
// comes back to the root window with the token it was sent. A window that
// goes away meanwhile never answers.
Answer Ping(Display* display, Window window, long token, std::chrono::steady_clock::time_point deadline) {
  g_failed = false;
  XSelectInput(display, window, StructureNotifyMask);
  XSync(display, False);
  if (g_failed) return Answer::kGone;
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = protocols;
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(ping);
  event.xclient.data.l[1] = token;
  event.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  for (;;) {
    while (XPending(display)) {
      XNextEvent(display, &event);
      if (event.type == DestroyNotify && event.xdestroywindow.window == window) return Answer::kGone;
      if (event.type == ClientMessage && event.xclient.message_type == protocols &&
          static_cast<Atom>(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == token)
        return Answer::kAnswered;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return Answer::kLate;
    pollfd wait{ConnectionNumber(display), POLLIN, 0};
    poll(&wait, 1, static_cast<int>(left.count()) + 1);
  }
}

// Qt takes from its queue, in one pass, only the X events that were there
// when the pass began, and answers a ping as it takes it. The answer to the
// first ping shows every event sent before it taken (and the requests the
// program made before it done, their events queued); each later ping is
// taken in a later pass, after what the passes before had posted: window
// events, repaints.
int Sync(Display* display, long pid, int seconds) {
  // The answers are sent to the root window for a window manager to see.
  XSelectInput(display, DefaultRootWindow(display), StructureNotifyMask);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  const long token = static_cast<long>(getpid()) << 4;
  for (long round = 1; round <= 3;) {
    // A window of the program's own rather than a menu, which goes sooner.
    const std::vector<Mapped> windows = MappedWindows(display, pid);
    if (windows.empty()) return 3;
    Window target = windows.back().id;
    for (const Mapped& window : windows) {
      if (!window.attributes.override_redirect) target = window.id;
    }
    switch (Ping(display, target, token + round, deadline)) {
      case Answer::kAnswered:
        ++round;
        break;
      case Answer::kGone:
        if (std::chrono::steady_clock::now() < deadline) break;
        [[fallthrough]];
      case Answer::kLate:
        std::fprintf(stderr, "xwin: the program did not answer within %d s\n", seconds);
        return 1;
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc >= 3 ? argv[1] : "";
  const int arguments = argc - 2;
  const bool known =
      ((command == "list" || command == "titles" || command == "close" || command == "frame") &&
       arguments == 1) ||
      (command == "sync" && arguments <= 2) || (command == "spot" && arguments == 5) ||
      (command == "like" && arguments == 7);
  if (!known) {
    std::fprintf(stderr,
                 "usage: xwin list PID | xwin titles PID | xwin close WINDOW | xwin frame WINDOW |\n"
                 "       xwin sync PID [SECONDS] | xwin spot WINDOW X Y WIDTH HEIGHT |\n"
                 "       xwin like WINDOW X Y WIDTH HEIGHT RRGGBB TOLERANCE\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "xwin: cannot open the display\n");
    return 1;
  }
  XSetErrorHandler(NoteErrors);
  const long pid = std::strtol(argv[2], nullptr, 10);
  const auto window = static_cast<Window>(std::strtoul(argv[2], nullptr, 0));
  const auto number = [&](int index) { return std::atoi(argv[index]); };
  int status = 0;
  if (command == "list") status = List(display, pid);
  if (command == "titles") status = Titles(display, pid);
  if (command == "close") status = Close(display, window);
  if (command == "frame") status = Frame(display, window);
  if (command == "sync") status = Sync(display, pid, arguments == 2 ? number(3) : 10);
  if (command == "spot") status = Spot(display, window, number(3), number(4), number(5), number(6));
  if (command == "like")
    status = Like(display, window, number(3), number(4), number(5), number(6), argv[7], number(8));
  XCloseDisplay(display);
  return status;
}
