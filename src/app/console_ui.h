#pragma once
// The terminal front end: one line per event on standard output, replies one
// line each from standard input.
//
//   > 1 = 计 算, 2 = 结 束     waiting for a command
//   ? <prompt>                a dialog; the next input line is the reply
//   Text17 =   Q1             a field written
//   Label27 = W5              a label caption written
//   ! <message>               an error report
//
// Output is buffered but always flushed before the program waits for input,
// so whoever drives it sees every line before it has to answer.
#include <optional>
#include <string>

#include "app/ui.h"

namespace quorvel {

class LineReader {
 public:
  explicit LineReader(int fd) : fd_(fd) {}
  // The next line without its newline and trailing CR; nullopt at end of input.
  // `before_wait` runs before the reader blocks on the descriptor.
  template <class F>
  std::optional<std::string> Next(F&& before_wait);

 private:
  int fd_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool eof_ = false;
  bool Fill();
};

class ConsoleUi final : public Ui {
 public:
  ConsoleUi(int in_fd, int out_fd) : in_(in_fd), out_fd_(out_fd) {}
  ~ConsoleUi() override { Flush(); }

  std::string InputBox(std::string_view prompt) override;
  void SetText(int field, std::string_view text) override;
  void SetCaption(int label, std::string_view text) override;
  void ReportError(std::string_view message) override;

  // Shows the waiting line and reads commands until one is given: true for
  // the compute command, false for the end command or end of input.
  bool WaitForCommand();
  void Flush();

 private:
  void Line(std::string_view a, std::string_view b, std::string_view c = {});
  std::optional<std::string> ReadLine();

  LineReader in_;
  int out_fd_;
  std::string out_;
};

// The whole program: wait, compute, wait again, until the end command.
int RunConsole(int in_fd, int out_fd);

}  // namespace quorvel
