// The yardstick of bench/idle_cpu.sh: a bare Qt program with a small window
// and one 20 ms timer that does nothing - what any program polling like
// Lumivox costs at the least.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("idle baseline"));
  window.resize(240, 420);
  window.show();
  QTimer tick;
  QObject::connect(&tick, &QTimer::timeout, [] {});
  tick.start(20);
  return QApplication::exec();
}
