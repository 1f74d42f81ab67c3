#include "app/window/form1.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTranslator>
#include <algorithm>
#include <vector>

#include "app/driver.h"
#include "app/window/caption.h"
#include "app/window/layout.h"

namespace quorvel {
namespace {

using layout::Px;

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

const QColor kGround(255, 255, 192);
const QColor kButtonGround(192, 255, 255);

QColor ColourOf(layout::LineColour colour) {
  switch (colour) {
    case layout::LineColour::Red: return {255, 0, 0};
    case layout::LineColour::Brown: return {192, 64, 0};
    case layout::LineColour::Green: return {0, 192, 0};
    case layout::LineColour::Default: break;
  }
  return Qt::black;  // the system's text colour in the design
}

QFont FontOf(layout::FontCode code) {
  const layout::FontSpec& spec = layout::Font(code);
  QFont font(Q(spec.face));
  font.setPointSizeF(spec.points);
  font.setWeight(QFont::Bold);
  return font;
}

QRect PixelRect(const layout::Control& c) {
  const int x = Px(c.left), y = Px(c.top);
  return {x, y, Px(c.left + c.width) - x, Px(c.top + c.height) - y};
}

// The light cyan of the commands has to show, which the platform's native
// button styles do not promise; a focused command gets a dark frame so that
// keyboard users see where Enter and Space go.
constexpr char kButtonStyle[] =
    "QPushButton { background-color: rgb(192, 255, 255); color: black;"
    " border-style: solid; border-width: 2px;"
    " border-color: rgb(255, 255, 255) rgb(64, 112, 112) rgb(64, 112, 112) rgb(255, 255, 255); }"
    "QPushButton:pressed {"
    " border-color: rgb(64, 112, 112) rgb(255, 255, 255) rgb(255, 255, 255) rgb(64, 112, 112); }"
    "QPushButton:focus { border-color: rgb(0, 0, 0); }";

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  setObjectName("Form1");
  setWindowTitle("Form1");
  QPalette ground = palette();
  ground.setColor(QPalette::Window, kGround);
  ground.setColor(QPalette::WindowText, Qt::black);
  ground.setColor(QPalette::Base, Qt::white);
  ground.setColor(QPalette::Text, Qt::black);
  setPalette(ground);
  setAutoFillBackground(true);
  setFont(FontOf(layout::FontCode::F0));

  std::vector<std::pair<const layout::Control*, QWidget*>> focusable;
  for (const layout::Control& c : layout::Controls()) {
    const int n = layout::NumberOf(c.name);
    QWidget* widget = nullptr;
    switch (c.kind) {
      case layout::Kind::Field: {
        auto* field = new QLineEdit(this);
        text_.at(static_cast<std::size_t>(n)) = field;
        widget = field;
        focusable.emplace_back(&c, field);
        break;
      }
      case layout::Kind::Label: {
        auto* label = new Caption(Q(c.caption), this);
        label->setTextFormat(Qt::PlainText);
        label_.at(static_cast<std::size_t>(n)) = label;
        widget = label;
        break;
      }
      case layout::Kind::Button: {
        auto* button = new QPushButton(Q(c.caption), this);
        button->setStyleSheet(kButtonStyle);
        button->setAccessibleName(Q(c.caption));
        // Enter on a focused command runs it, as Space does.
        button->setAutoDefault(true);
        command_.at(static_cast<std::size_t>(n)) = button;
        widget = button;
        focusable.emplace_back(&c, button);
        break;
      }
    }
    widget->setObjectName(Q(c.name));
    widget->setFont(FontOf(c.font));
    widget->setGeometry(PixelRect(c));
  }

  // Labels lie on the window's ground, fields and commands over them: where
  // a tag reaches under its field (D$ under the name of the listed point),
  // the field wins.
  for (const auto& entry : focusable) entry.second->raise();

  // A field is named by the caption beside it (or the column head above it),
  // with the design's spacing blanks collapsed.
  for (const auto& [control, widget] : focusable) {
    if (control->kind != layout::Kind::Field) continue;
    const layout::Control* caption = layout::FindControl(control->named_by);
    if (caption != nullptr) widget->setAccessibleName(Q(caption->caption).simplified());
  }

  // Tab order: top to bottom, then left to right.
  std::stable_sort(focusable.begin(), focusable.end(), [](const auto& a, const auto& b) {
    if (a.first->top != b.first->top) return a.first->top < b.first->top;
    return a.first->left < b.first->left;
  });
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    setTabOrder(focusable[i - 1].second, focusable[i].second);
  }

  connect(command_[1], &QPushButton::clicked, this, &Form1::Command1_Click);
  connect(command_[2], &QPushButton::clicked, this, &Form1::Command2_Click);
  resize(Px(layout::kClientWidth), Px(layout::kClientHeight));
}

QLineEdit* Form1::Text(int n) const { return n >= 1 && n <= 25 ? text_[static_cast<std::size_t>(n)] : nullptr; }

Caption* Form1::Label(int n) const { return n >= 1 && n <= 96 ? label_[static_cast<std::size_t>(n)] : nullptr; }

QPushButton* Form1::Command(int n) const { return n == 1 || n == 2 ? command_[static_cast<std::size_t>(n)] : nullptr; }

void Form1::ShowAtStart() {
  resize(Px(layout::kClientWidth), Px(layout::kClientHeight));
  if (const QScreen* screen = this->screen()) {
    const QRect room = screen->availableGeometry();
    QRect wanted({0, 0}, size());
    wanted.moveCenter(room.center());
    wanted.moveTop(std::max(wanted.top(), room.top()));
    wanted.moveLeft(std::max(wanted.left(), room.left()));
    move(wanted.topLeft());
  }
  show();
  command_[1]->setFocus();
}

void Form1::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const layout::Line& line : layout::Lines()) {
    QPen pen(ColourOf(line.colour), line.width);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    // An odd width is centred on a pixel, an even one on a pixel edge, so
    // that straight lines come out sharp.
    const qreal shift = line.width % 2 == 1 ? 0.5 : 0.0;
    painter.drawLine(QPointF(Px(line.x1) + shift, Px(line.y1) + shift),
                     QPointF(Px(line.x2) + shift, Px(line.y2) + shift));
  }
}

std::string Form1::InputBox(std::string_view prompt) {
  // The surveyor judges the echo written just before a confirmation dialog:
  // every write must be painted before the dialog takes over.
  repaint();

  const QString text = Q(prompt);
  QInputDialog dialog(this);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(text);
  dialog.setTextValue(QString());
  dialog.setAccessibleName(text);
  if (auto* label = dialog.findChild<QLabel*>()) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);  // the name prompt alone runs to some 200 characters
  }
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setAccessibleName(text);
  dialog.setMinimumWidth(460);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  return accepted ? dialog.textValue().toStdString() : std::string();
}

void Form1::SetText(int field, std::string_view text) {
  QLineEdit* edit = Text(field);
  if (edit == nullptr) return;
  edit->setText(Q(text));
  edit->setCursorPosition(0);  // a long text shows its beginning
}

void Form1::SetCaption(int label, std::string_view text) {
  if (Caption* caption = Label(label)) caption->setText(Q(text));
}

void Form1::ReportError(std::string_view message) {
  repaint();
  QMessageBox box(QMessageBox::Critical, QString(), Q(message), QMessageBox::Ok, this);
  box.setAccessibleName(Q(message));
  box.exec();
}

void Form1::Command1_Click() {
  quorvel::Command1_Click(*this, net_);
  // Not every window system hands the focus back when the last dialog
  // closes; the keyboard user carries on from the command just used.
  activateWindow();
}

void Form1::Command2_Click() {
  close();  // the last window closed ends the program
}

void SetUpApplication(QApplication& app) {
  static QTranslator qt_texts;
  if (qt_texts.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qt_texts);
  }
  QFont dialog_font("Noto Sans CJK SC");
  dialog_font.setPointSizeF(10.5);
  dialog_font.setWeight(QFont::Bold);  // the face the fields already load
  QApplication::setFont(dialog_font);
  QApplication::setQuitOnLastWindowClosed(true);
  app.setApplicationName("quorvel");
  QGuiApplication::setDesktopFileName("quorvel");
}

}  // namespace quorvel
