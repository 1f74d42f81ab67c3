// quorvel-bench-script N: writes to standard output the reply script that
// makes quorvel-console compute the regular central polygon of N triangles
// in the outer side case once, then end.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "network_script.h"

int main(int argc, char** argv) {
  const long n = argc == 2 ? std::strtol(argv[1], nullptr, 10) : 0;
  if (n < 3 || n > 100000) {
    std::fprintf(stderr, "usage: quorvel-bench-script N   (3 <= N <= 100000)\n");
    return 2;
  }
  std::string out = "1\n";
  for (const auto& reply : quorvel::bench::Replies(static_cast<int>(n))) {
    out += reply;
    out += '\n';
  }
  out += "2\n";
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
