#pragma once
// Answers the window's real modal dialogs from a list of replies, the way a
// surveyor would: it waits for each QInputDialog to come up, notes its prompt
// and what the window shows at that moment, types the reply and closes the
// dialog with OK (mouse) or with Enter / Esc (keyboard). Message boxes are
// noted and closed as well.
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/window/caption.h"
#include "app/window/form1.h"

namespace quorvel::testing {

// The texts of the 25 fields and the seven run-time labels, by name.
using WindowState = std::map<QString, QString>;

inline WindowState StateOf(const Form1& form) {
  WindowState state;
  for (int n = 1; n <= 25; ++n) state[QString("Text%1").arg(n)] = form.Text(n)->text();
  for (int n : {9, 10, 11, 27, 35, 36, 37}) state[QString("Label%1").arg(n)] = form.Label(n)->text();
  return state;
}

// A reply that starts with this is typed and then cancelled with Cancel.
inline const QString kCancel = QStringLiteral("<cancel>");

struct SeenDialog {
  QString prompt;
  WindowState window;             // what the window held while the dialog waited
  bool edit_focused = false;      // the dialog opened with its edit box focused
  QString accessible_name;
  QWidget* parent = nullptr;
  bool modal = false;             // the window takes no commands meanwhile
};

struct SeenMessage {
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class DialogDriver final : public QObject {
 public:
  enum class Keys { Mouse, Keyboard };

  DialogDriver(const Form1& form, QStringList replies, Keys keys = Keys::Mouse)
      : form_(form), replies_(std::move(replies)), keys_(keys) {
    timer_.setInterval(2);
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::Poll);
    timer_.start();
  }

  std::vector<SeenDialog> dialogs;
  std::vector<SeenMessage> messages;
  bool ran_out = false;  // a dialog came up with no reply left for it
  bool leave_last_open = false;  // with no reply left, leave the dialog up

  qsizetype RepliesLeft() const { return replies_.size(); }

  // Called with every dialog before it is answered, to look at more of it.
  std::function<void(QInputDialog&)> on_dialog;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal->property("answered").toBool() || !modal->isVisible()) return;
    // Give the platform its time to activate the dialog, as a user would wait
    // for it to come up; a dialog that never gets focus is answered anyway
    // and noted as such.
    if (modal != waiting_for_) {
      waiting_for_ = modal;
      since_.start();
    }
    if (QApplication::activeWindow() != modal && since_.elapsed() < 5000) return;
    waiting_for_ = nullptr;  // the next dialog may well come up at the same address
    if (auto* dialog = qobject_cast<QInputDialog*>(modal)) {
      modal->setProperty("answered", true);
      Answer(*dialog);
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      modal->setProperty("answered", true);
      messages.push_back({box->text(), box->icon()});
      if (keys_ == Keys::Keyboard) {
        QTest::keyClick(box, Qt::Key_Return);
      } else {
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
      }
    }
  }

  void Answer(QInputDialog& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>();
    SeenDialog seen;
    seen.prompt = dialog.labelText();
    seen.window = StateOf(form_);
    seen.edit_focused = edit != nullptr && QApplication::focusWidget() == edit;
    seen.accessible_name = dialog.accessibleName();
    seen.parent = dialog.parentWidget();
    seen.modal = dialog.windowModality() == Qt::ApplicationModal && QApplication::activeModalWidget() == &dialog;
    dialogs.push_back(seen);
    if (on_dialog) on_dialog(dialog);

    if (replies_.isEmpty()) {
      if (leave_last_open) return;
      ran_out = true;
      dialog.reject();
      return;
    }
    QString reply = replies_.takeFirst();
    if (reply.startsWith(kCancel)) {
      // Typed, then cancelled: the reply must come back empty all the same.
      reply.remove(0, kCancel.size());
      if (edit != nullptr) QTest::keyClicks(edit, reply);
      auto* buttons = dialog.findChild<QDialogButtonBox*>();
      QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
      return;
    }
    if (edit != nullptr) QTest::keyClicks(edit, reply);
    if (keys_ == Keys::Keyboard) {
      // Nothing typed and Esc gives the same empty reply as Enter on an empty
      // box; the keyboard run uses Esc for every empty reply.
      QTest::keyClick(edit, reply.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    } else {
      auto* buttons = dialog.findChild<QDialogButtonBox*>();
      QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }
  }

  const Form1& form_;
  QStringList replies_;
  Keys keys_;
  QTimer timer_;
  QWidget* waiting_for_ = nullptr;
  QElapsedTimer since_;
};

}  // namespace quorvel::testing
