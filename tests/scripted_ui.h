#pragma once
// A Ui that answers from a queue of replies and records every operation, so
// a computation reads as "these replies give these writes, in this order".
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/driver.h"
#include "app/ui.h"

namespace quorvel::testing {

struct Op {
  char kind;         // '?' dialog, 'T' field, 'L' label, '!' error
  int control = 0;   // field or label number
  std::string text;  // prompt, text, caption or message
  bool operator==(const Op&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Op& op) {
  return os << op.kind << op.control << " \"" << op.text << "\"";
}

struct OutOfReplies : std::runtime_error {
  OutOfReplies() : std::runtime_error("the script ran out of replies") {}
};

class ScriptedUi final : public Ui {
 public:
  ScriptedUi() = default;
  explicit ScriptedUi(std::vector<std::string> replies) { Add(std::move(replies)); }

  void Add(const std::vector<std::string>& replies) { replies_.insert(replies_.end(), replies.begin(), replies.end()); }

  std::string InputBox(std::string_view prompt) override {
    log.push_back({'?', 0, std::string(prompt)});
    if (replies_.empty()) throw OutOfReplies();
    std::string reply = replies_.front();
    replies_.pop_front();
    return reply;
  }
  void SetText(int field, std::string_view text) override {
    log.push_back({'T', field, std::string(text)});
    fields[field] = std::string(text);
  }
  void SetCaption(int label, std::string_view text) override {
    log.push_back({'L', label, std::string(text)});
    labels[label] = std::string(text);
  }
  void ReportError(std::string_view message) override {
    log.push_back({'!', 0, std::string(message)});
    errors.emplace_back(message);
  }

  std::size_t Unused() const { return replies_.size(); }

  // Every prompt, in order.
  std::vector<std::string> Prompts() const {
    std::vector<std::string> prompts;
    for (const auto& op : log)
      if (op.kind == '?') prompts.push_back(op.text);
    return prompts;
  }
  // Every text written to one field, in order.
  std::vector<std::string> Writes(int field) const {
    std::vector<std::string> texts;
    for (const auto& op : log)
      if (op.kind == 'T' && op.control == field) texts.push_back(op.text);
    return texts;
  }

  std::vector<Op> log;
  std::map<int, std::string> fields;
  std::map<int, std::string> labels;
  std::vector<std::string> errors;

 private:
  std::deque<std::string> replies_;
};

// Runs one computation on the replies and checks it used every one of them.
inline void Run(ScriptedUi& ui, Network& net) {
  Command1_Click(ui, net);
  EXPECT_EQ(ui.Unused(), 0u) << "replies left over";
}

}  // namespace quorvel::testing
