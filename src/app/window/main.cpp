// quorvel: the window program.
#include <QApplication>

#include "app/window/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quorvel::SetUpApplication(app);
  quorvel::Form1 form;
  form.ShowAtStart();
  return QApplication::exec();
}
