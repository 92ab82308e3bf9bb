// A bare 800 x 600 Qt window, started the way the program starts: the yard
// stick of bench/startup.sh for how long the start window takes to appear.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare"));
  window.setFixedSize(800, 600);
  window.show();
  return QApplication::exec();
}
