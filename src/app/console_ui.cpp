#include "app/console_ui.h"

#include <unistd.h>

#include <cerrno>

#include "app/driver.h"

namespace quorvel {

bool LineReader::Fill() {
  if (pos_ > 0) {
    buffer_.erase(0, pos_);
    pos_ = 0;
  }
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd_, chunk, sizeof chunk);
    if (got > 0) {
      buffer_.append(chunk, static_cast<std::size_t>(got));
      return true;
    }
    if (got < 0 && errno == EINTR) continue;
    eof_ = true;
    return false;
  }
}

template <class F>
std::optional<std::string> LineReader::Next(F&& before_wait) {
  for (;;) {
    const std::size_t end = buffer_.find('\n', pos_);
    if (end != std::string::npos) {
      std::string line = buffer_.substr(pos_, end - pos_);
      pos_ = end + 1;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return line;
    }
    if (eof_) break;
    before_wait();
    if (!Fill()) break;
  }
  if (pos_ < buffer_.size()) {  // a last line without its newline
    std::string line = buffer_.substr(pos_);
    pos_ = buffer_.size();
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
  return std::nullopt;
}

void ConsoleUi::Flush() {
  std::size_t done = 0;
  while (done < out_.size()) {
    const ssize_t wrote = ::write(out_fd_, out_.data() + done, out_.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) break;  // nobody is reading any more; nothing to keep
    done += static_cast<std::size_t>(wrote);
  }
  out_.clear();
}

void ConsoleUi::Line(std::string_view a, std::string_view b, std::string_view c) {
  out_ += a;
  out_ += b;
  out_ += c;
  out_ += '\n';
  if (out_.size() >= (1 << 16)) Flush();
}

std::optional<std::string> ConsoleUi::ReadLine() {
  return in_.Next([this] { Flush(); });
}

std::string ConsoleUi::InputBox(std::string_view prompt) {
  Line("? ", prompt);
  return ReadLine().value_or(std::string());  // end of input answers as Cancel does
}

void ConsoleUi::SetText(int field, std::string_view text) {
  Line("Text" + std::to_string(field), " = ", text);
}

void ConsoleUi::SetCaption(int label, std::string_view text) {
  Line("Label" + std::to_string(label), " = ", text);
}

void ConsoleUi::ReportError(std::string_view message) {
  Line("! ", message);
  Flush();
}

bool ConsoleUi::WaitForCommand() {
  for (;;) {
    Line("> 1 = 计 算, 2 = 结 束", "");
    const auto command = ReadLine();
    if (!command || *command == "2") return false;
    if (*command == "1") return true;
  }
}

int RunConsole(int in_fd, int out_fd) {
  ConsoleUi ui(in_fd, out_fd);
  Network net;
  while (ui.WaitForCommand()) Command1_Click(ui, net);
  ui.Flush();
  return 0;
}

}  // namespace quorvel
