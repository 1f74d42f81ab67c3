// The floor for the window's start-up time and memory: a Qt Widgets program
// that shows one window with one label and nothing else.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("QuorvelFloor"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("中心多边形"), &window));
  window.show();
  return app.exec();
}
