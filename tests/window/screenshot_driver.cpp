// Shows Form1 and runs one computation of the outer side case (N = 5) through
// the real dialogs, then says "ready" on standard output and keeps the window
// up until it is closed, so that a screenshot can be taken of the result.
// With a number as argument it answers only that many dialogs and says
// "ready" while the next one waits. A helper of scripts/screenshot.sh; it is
// not installed.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "dialog_driver.h"
#include "replies.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quorvel::SetUpApplication(app);
  quorvel::Form1 form;
  form.ShowAtStart();
  QStringList replies = quorvel::testing::OuterSideReplies();
  const bool stop_early = argc > 1;
  if (stop_early) replies = replies.mid(0, QString(argv[1]).toInt());
  quorvel::testing::DialogDriver driver(form, replies);
  driver.leave_last_open = stop_early;
  if (stop_early) {
    driver.on_dialog = [&driver](QInputDialog&) {
      if (driver.RepliesLeft() == 0) {
        QTimer::singleShot(200, [] { std::printf("ready\n"); std::fflush(stdout); });
      }
    };
  }
  QTimer::singleShot(300, &form, [&form, &driver] {
    form.Command(1)->click();
    std::printf(driver.ran_out || driver.RepliesLeft() != 0 ? "replies did not match\n" : "ready\n");
    std::fflush(stdout);
  });
  return QApplication::exec();
}
