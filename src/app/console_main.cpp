// quorvel-console: the computation on standard input and output.
#include <csignal>

#include "app/console_ui.h"

int main() {
  std::signal(SIGPIPE, SIG_IGN);  // a reader that goes away ends nothing badly
  return quorvel::RunConsole(0, 1);
}
