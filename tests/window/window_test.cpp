// The window driven as a surveyor drives it: the real Form1, the real modal
// dialogs, mouse and keyboard, on Qt's offscreen platform. What the dialogs
// ask and what the window shows is checked against the terminal front end run
// with the same replies, and the key texts against their literal wording.
#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>
#include <set>

#include "app/window/layout.h"
#include "dialog_driver.h"
#include "replies.h"

using quorvel::Caption;
using quorvel::Form1;
using quorvel::testing::DialogDriver;
using quorvel::testing::SeenDialog;
using quorvel::testing::StateOf;
using quorvel::testing::WindowState;

namespace {

const QString kNPrompt = QStringLiteral("请输入三角形的个数 N ");
const QString kXaPrompt = QStringLiteral("请输入起始点 A 的纵座标 Xa :");
const QString kXaReentry = QStringLiteral("输入起始点 A 正确的纵座标 Xa :");
const QString kPacePrompt = QStringLiteral(
    "需要显示待定点的座标，第一次请输入一个不等于零的任意数，以后只须点击确定键，或者点击键输入键");

// What the terminal front end asks and writes for the same replies: each
// dialog with the window's texts while it waits, and the texts at the end.
struct Expected {
  std::vector<std::pair<QString, WindowState>> dialogs;
  WindowState final_state;
  QStringList errors;
};

Expected RunConsole(const QStringList& replies, WindowState state) {
  QProcess console;
  console.start(QStringLiteral(QUORVEL_CONSOLE), QStringList());
  Expected expected;
  if (!console.waitForStarted()) return expected;
  QByteArray input = "1\n";
  for (const QString& reply : replies) input += reply.toUtf8() + "\n";
  input += "2\n";
  console.write(input);
  console.closeWriteChannel();
  console.waitForFinished(60000);
  const QStringList lines = QString::fromUtf8(console.readAllStandardOutput()).split('\n');
  for (const QString& line : lines) {
    if (line.startsWith("? ")) {
      expected.dialogs.emplace_back(line.mid(2), state);
    } else if (line.startsWith("! ")) {
      expected.errors << line.mid(2);
    } else if (line.startsWith("Text") || line.startsWith("Label")) {
      const qsizetype eq = line.indexOf(" = ");
      state[line.left(eq)] = line.mid(eq + 3);
    }
  }
  expected.final_state = state;
  return expected;
}

// Remembers the text each field and label had when it was last painted, and
// notes every dialog that comes up while some write is not yet painted.
class PaintWatcher final : public QObject {
 public:
  explicit PaintWatcher(Form1& form) : form_(form) {
    for (int n = 1; n <= 25; ++n) form.Text(n)->installEventFilter(this);
    for (int n = 1; n <= 96; ++n) form.Label(n)->installEventFilter(this);
    qApp->installEventFilter(this);
  }
  ~PaintWatcher() override { qApp->removeEventFilter(this); }

  QStringList stale;  // "dialog k: Text1 Text5 ..."

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      if (auto* edit = qobject_cast<QLineEdit*>(watched)) painted_[watched] = edit->text();
      if (auto* label = qobject_cast<QLabel*>(watched)) painted_[watched] = label->text();
    } else if (event->type() == QEvent::Show && qobject_cast<QInputDialog*>(watched) != nullptr) {
      ++dialogs_;
      const QStringList now = Stale();
      if (!now.isEmpty()) stale << QString("dialog %1: %2").arg(dialogs_).arg(now.join(' '));
    }
    return false;
  }

 private:
  QStringList Stale() const {
    QStringList names;
    auto check = [&](QObject* control, const QString& text) {
      const auto it = painted_.find(control);
      if (it == painted_.end() ? !text.isEmpty() : it->second != text) names << control->objectName();
    };
    for (int n = 1; n <= 25; ++n) check(form_.Text(n), form_.Text(n)->text());
    for (int n = 1; n <= 96; ++n) check(form_.Label(n), form_.Label(n)->text());
    return names;
  }

  Form1& form_;
  std::map<QObject*, QString> painted_;
  int dialogs_ = 0;
};

// Runs one computation by clicking the compute command and answering every
// dialog, and checks it against the terminal front end: the same prompts in
// the same order, the same texts in the window while each dialog waits, the
// same texts at the end, every write painted before the next dialog, and
// every dialog modal over the window with its edit box focused.
void Compute(Form1& form, const QStringList& replies, DialogDriver::Keys keys = DialogDriver::Keys::Mouse,
             std::vector<SeenDialog>* seen = nullptr) {
  const Expected expected = RunConsole(replies, StateOf(form));
  QVERIFY2(!expected.dialogs.empty(), "the terminal front end did not run");

  PaintWatcher watcher(form);
  form.repaint();
  DialogDriver driver(form, replies, keys);
  if (keys == DialogDriver::Keys::Keyboard) {
    QCOMPARE(QApplication::focusWidget(), form.Command(1));
    QTest::keyClick(form.Command(1), Qt::Key_Space);
  } else {
    QTest::mouseClick(form.Command(1), Qt::LeftButton);
  }

  QVERIFY(!driver.ran_out);
  QCOMPARE(driver.RepliesLeft(), 0);
  QCOMPARE(driver.dialogs.size(), expected.dialogs.size());
  for (std::size_t i = 0; i < driver.dialogs.size(); ++i) {
    const SeenDialog& d = driver.dialogs[i];
    QCOMPARE(d.prompt, expected.dialogs[i].first);
    QCOMPARE(d.window, expected.dialogs[i].second);
    QVERIFY2(d.edit_focused, qPrintable(QString("dialog %1 opened without its edit box focused").arg(i)));
    QCOMPARE(d.accessible_name, d.prompt);
    QCOMPARE(d.parent, &form);
    QVERIFY(d.modal);
  }
  QVERIFY2(watcher.stale.isEmpty(), qPrintable(watcher.stale.join("; ")));
  QCOMPARE(StateOf(form), expected.final_state);
  QCOMPARE(driver.messages.size(), static_cast<std::size_t>(expected.errors.size()));
  if (seen != nullptr) *seen = driver.dialogs;
}

QStringList Prompts(const std::vector<SeenDialog>& dialogs) {
  QStringList prompts;
  for (const SeenDialog& d : dialogs) prompts << d.prompt;
  return prompts;
}

QColor PixelAt(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

bool Near(const QColor& a, const QColor& b, int tolerance = 0) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
  return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

}  // namespace

class WindowTest final : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    quorvel::SetUpApplication(*qApp);
    // The offscreen platform says for every dialog that it cannot pass size
    // hints on; that is noise here.
    static QtMessageHandler test_log = nullptr;
    test_log = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
      if (!text.contains("propagateSizeHints")) test_log(type, context, text);
    });
  }

  void layoutTablesAreComplete() {
    std::set<std::string_view> names;
    int fields = 0, labels = 0, buttons = 0;
    for (const auto& c : quorvel::layout::Controls()) {
      QVERIFY2(names.insert(c.name).second, c.name.data());
      fields += c.kind == quorvel::layout::Kind::Field;
      labels += c.kind == quorvel::layout::Kind::Label;
      buttons += c.kind == quorvel::layout::Kind::Button;
      // Everything lies inside the layout's extent.
      QVERIFY(c.left >= 1080 && c.left + c.width <= quorvel::layout::kClientWidth);
      QVERIFY(c.top >= 840 && c.top + c.height <= quorvel::layout::kClientHeight);
      if (c.kind == quorvel::layout::Kind::Field) {
        QCOMPARE(c.height, 285);
        QVERIFY2(quorvel::layout::FindControl(c.named_by) != nullptr, c.name.data());
      }
    }
    QCOMPARE(fields, 25);
    QCOMPARE(labels, 96);
    QCOMPARE(buttons, 2);
    for (int n = 1; n <= 25; ++n) QVERIFY(names.count(QString("Text%1").arg(n).toStdString()) == 1);
    for (int n = 1; n <= 96; ++n) QVERIFY(names.count(QString("Label%1").arg(n).toStdString()) == 1);

    std::set<int> lines;
    for (const auto& line : quorvel::layout::Lines()) lines.insert(quorvel::layout::NumberOf(line.name));
    QCOMPARE(lines.size(), std::size_t{40});
    QCOMPARE(*lines.begin(), 1);
    QCOMPARE(*lines.rbegin(), 40);
  }

  void initialState() {
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QString("Form1"));
    QCOMPARE(form.size(), QSize(937, 665));
    // Wholly on the screen.
    QVERIFY(form.screen()->availableGeometry().contains(form.frameGeometry()));

    QCOMPARE(form.findChildren<QLineEdit*>().size(), 25);
    QCOMPARE(form.findChildren<Caption*>().size(), 96);
    QCOMPARE(form.findChildren<QPushButton*>().size(), 2);
    for (int n = 1; n <= 25; ++n) {
      QCOMPARE(form.Text(n)->text(), QString());
      QVERIFY(!form.Text(n)->isReadOnly());  // the user may type into a field
    }
    QCOMPARE(form.Label(27)->text(), QString(" wb"));
    for (int n : {9, 10, 11, 35, 36, 37}) QCOMPARE(form.Label(n)->text(), QString());
    QCOMPARE(form.Label(1)->text(), QString("Quorvel"));
    QCOMPARE(form.Label(15)->text(), QString("   极条件    闭合差 w2"));
    QCOMPARE(form.Label(41)->text(), QString(" N"));
    QCOMPARE(form.Command(1)->text(), QString("计 算"));
    QCOMPARE(form.Command(2)->text(), QString("结 束"));

    // Where a label and a field overlap, the field lies on top.
    const QObjectList stacking = form.children();
    int overlaps = 0;
    for (int t = 1; t <= 25; ++t) {
      for (int l = 1; l <= 96; ++l) {
        if (!form.Text(t)->geometry().intersects(form.Label(l)->geometry())) continue;
        ++overlaps;
        QVERIFY2(stacking.indexOf(form.Text(t)) > stacking.indexOf(form.Label(l)),
                 qPrintable(form.Text(t)->objectName() + " under " + form.Label(l)->objectName()));
      }
    }
    QVERIFY(overlaps > 0);  // Label35 reaches under Text17, for one

    // Typing into a field is allowed and changes nothing else.
    const WindowState before = StateOf(form);
    QTest::keyClicks(form.Text(13), "12");
    QCOMPARE(form.Text(13)->text(), QString("12"));
    WindowState after = StateOf(form);
    after["Text13"] = QString();
    QCOMPARE(after, before);
  }

  void outerSideCaseThenAnotherCase() {
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    std::vector<SeenDialog> seen;
    Compute(form, quorvel::testing::OuterSideReplies(), DialogDriver::Keys::Mouse, &seen);
    if (QTest::currentTestFailed()) return;

    const QStringList prompts = Prompts(seen);
    QCOMPARE(prompts.first(), kNPrompt);
    QCOMPARE(prompts[1], kXaPrompt);
    QCOMPARE(prompts[3], kXaReentry);
    QCOMPARE(seen[3].window["Text1"], QString());  // blank while Xa is typed again
    QCOMPARE(seen[4].window["Text1"], QString(" 1100.000"));
    QCOMPARE(prompts.count(kPacePrompt), 5);
    QCOMPARE(prompts.last(), kPacePrompt);

    QCOMPARE(form.Text(9)->text(), QString("中心多边形有5个三角形"));
    QCOMPARE(form.Text(25)->text(), QString("由 A--B 的外侧边为起算起始边"));
    QCOMPARE(form.Text(3)->text(), QString("没有外方位角"));
    QCOMPARE(form.Text(4)->text(), QString("没有定向角"));
    QCOMPARE(form.Text(21)->text(), QString("由A-B边起算"));
    QCOMPARE(form.Text(23)->text(), QString("C点为待定点"));
    QCOMPARE(form.Text(5)->text(), QString(" 5"));
    QCOMPARE(form.Label(9)->text(), QString("A5"));
    QCOMPARE(form.Label(10)->text(), QString("B5"));
    QCOMPARE(form.Label(11)->text(), QString("C5"));
    QCOMPARE(form.Label(27)->text(), QString("W5"));
    QCOMPARE(form.Text(20)->text(), QString("1 秒"));
    QCOMPARE(form.Text(10)->text(), QString("1.67 秒"));
    QCOMPARE(form.Text(11)->text(), QString("-2.71 单位"));
    QCOMPARE(form.Label(35)->text(), QString("D$5"));
    QCOMPARE(form.Text(17)->text(), QString("  A"));
    QCOMPARE(form.Text(18)->text(), QString("1100.000"));  // A again, around the polygon
    QCOMPARE(form.Text(19)->text(), QString("2000.000"));
    QVERIFY(form.Text(15)->text().startsWith("1/"));
    // A long text shows its beginning.
    QCOMPARE(form.Text(25)->cursorPosition(), 0);

    // Another case: B half given, so no starting case and no coordinate
    // routine. What it does not write stays as the first computation left it.
    const WindowState first = StateOf(form);
    Compute(form, quorvel::testing::NoStartingCaseReplies());
    if (QTest::currentTestFailed()) return;
    for (const char* kept : {"Text3", "Text4", "Text21", "Text25", "Text13", "Text14", "Text15", "Text17",
                             "Text18", "Text19", "Label35", "Label36", "Label37"}) {
      QCOMPARE(StateOf(form)[kept], first.at(kept));
    }
    QCOMPARE(form.Text(16)->text(), QString(" 1050.000"));
    QCOMPARE(form.Text(22)->text(), QString(" 0.000"));
    QVERIFY(form.isVisible());
  }

  void geometryFontsAndColours_data() {
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    const QString sans = "Noto Sans CJK SC", song = "Noto Serif CJK SC";
    // Twips of the design; the window draws 15 to a pixel.
    QTest::newRow("Text13") << 3240 << 3210 << 1215 << 285 << sans << 8.25;
    QTest::newRow("Label18") << 1800 << 3120 << 1455 << 375 << sans << 8.25;
    QTest::newRow("Command1") << 5760 << 9480 << 855 << 495 << sans << 8.25;
    QTest::newRow("Command2") << 6960 << 9480 << 855 << 495 << sans << 8.25;
    QTest::newRow("Label1") << 4920 << 840 << 4575 << 375 << song << 15.75;
    QTest::newRow("Label13") << 4080 << 1920 << 2535 << 255 << sans << 9.75;
    QTest::newRow("Label2") << 1440 << 4080 << 2295 << 255 << song << 12.0;
    QTest::newRow("Label9") << 3960 << 7800 << 375 << 255 << song << 10.5;
    QTest::newRow("Label22") << 5520 << 8280 << 2415 << 255 << song << 14.25;
    QTest::newRow("Label85") << 13080 << 1080 << 135 << 255 << sans << 12.0;
    QTest::newRow("Label92") << 10680 << 3480 << 855 << 255 << sans << 8.25;
    QTest::newRow("Text25") << 7080 << 1560 << 3375 << 285 << sans << 8.25;
  }

  void geometryFontsAndColours() {
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, family);
    QFETCH(double, points);
    Form1 form;
    auto* widget = form.findChild<QWidget*>(QTest::currentDataTag());
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->geometry(), QRect(left / 15, top / 15, width / 15, height / 15));
    const QFontInfo info(widget->font());
    QCOMPARE(info.family(), family);  // the face is really there, not a fallback
    QVERIFY(info.bold());
    QCOMPARE(widget->font().weight(), QFont::Bold);
    QCOMPARE(widget->font().pointSizeF(), points);
    QVERIFY(QFontMetrics(widget->font()).inFontUcs4(U'闭'));
  }

  void linesAndColours() {
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = form.grab().toImage();
    const QColor ground(255, 255, 192), red(255, 0, 0), brown(192, 64, 0), black(0, 0, 0);
    QCOMPARE(PixelAt(image, 20, 20), ground);

    // Line6, the known side A-B of the outer side case: red, 3 pixels wide,
    // at y = 3480 twips, from x = 11640 to 13080.
    for (int y : {231, 232, 233}) QCOMPARE(PixelAt(image, 824, y), red);
    for (int y : {229, 235}) QVERIFY(!Near(PixelAt(image, 824, y), red, 60));
    QVERIFY(!Near(PixelAt(image, 770, 232), red, 60));  // it starts at A, x = 776
    // Line40, the top of the box: brown, 3 wide.
    for (int y : {447, 448, 449}) QCOMPARE(PixelAt(image, 444, y), brown);
    QCOMPARE(PixelAt(image, 444, 451), ground);
    // Line1, an outer side of sketch 1: default colour, 2 wide.
    for (int y : {87, 88}) QCOMPARE(PixelAt(image, 824, y), black);
    for (int y : {85, 90}) QCOMPARE(PixelAt(image, 824, y), ground);
    // Line32, the green stroke of Qa, and Line29, the red azimuth arrow, are
    // slanted: some pixel near their middle has their colour.
    auto any_near = [&](int cx, int cy, const QColor& colour) {
      for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
          if (Near(PixelAt(image, cx + dx, cy + dy), colour, 40)) return true;
      return false;
    };
    QVERIFY(any_near(748, 592, QColor(0, 192, 0)));
    QVERIFY(any_near(724, 592, red));

    // The commands are light cyan, the fields white.
    const QImage button = form.Command(1)->grab().toImage();
    QCOMPARE(PixelAt(button, 5, 5), QColor(192, 255, 255));
    const QImage field = form.Text(13)->grab().toImage();
    QCOMPARE(PixelAt(field, field.width() - 6, field.height() / 2), QColor(255, 255, 255));
  }

  void captionsWrapAtTheirBlanks() {
    Form1 form;
    auto lines = [&](int n) {
      Caption* label = form.Label(n);
      return quorvel::WrapCaption(label->text(), QFontMetricsF(label->font()), label->width());
    };
    QCOMPARE(lines(14), QStringList({" 中心条件", "闭合差 w1"}));
    QCOMPARE(lines(18), QStringList({"      最弱边", "边长权倒数 1/P"}));
    QCOMPARE(lines(17), QStringList({" 测角中误差", "mb"}));
    QCOMPARE(lines(5), QStringList({"   已知点 A", "外方位角 Ta"}));
    // Every 375-twip label takes two lines, every other one line, and each
    // line fits its label.
    for (const auto& c : quorvel::layout::Controls()) {
      if (c.kind != quorvel::layout::Kind::Label || c.caption.empty()) continue;
      const int n = quorvel::layout::NumberOf(c.name);
      const QStringList wrapped = lines(n);
      QCOMPARE(wrapped.size(), c.height == 375 && c.width < 2000 ? 2 : 1);
      if (wrapped.size() == 2) {
        for (const QString& line : wrapped) {
          QVERIFY2(QFontMetricsF(form.Label(n)->font()).horizontalAdvance(line) <= form.Label(n)->width(),
                   qPrintable(line));
        }
      }
    }
    // Both lines are painted: ink in the upper and in the lower half.
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage label = form.Label(18)->grab().toImage();
    auto ink = [&](int from, int to) {
      int dark = 0;
      for (int y = from; y < to; ++y)
        for (int x = 0; x < label.width(); ++x) dark += label.pixelColor(x, y).lightness() < 100;
      return dark;
    };
    QVERIFY(ink(0, label.height() / 2) > 10);
    QVERIFY(ink(label.height() / 2, label.height()) > 10);
  }

  void keyboardAndScreenReader() {
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.Command(1));

    // Tab walks the layout from top to bottom, left to right.
    const QStringList order = {"Text9",  "Text25", "Text10", "Text11", "Text12", "Text13", "Text14",
                               "Text15", "Text1",  "Text2",  "Text16", "Text22", "Text23", "Text24",
                               "Text5",  "Text20", "Text3",  "Text6",  "Text7",  "Text8",  "Text21",
                               "Text17", "Text18", "Text19", "Text4",  "Command1", "Command2", "Text9"};
    form.Text(9)->setFocus();
    QStringList walked{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(walked, order);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), form.Command(1));

    // A whole computation of the azimuth case by keys alone: Space on the
    // focused command, each reply typed and confirmed with Enter, every
    // empty reply given by Esc.
    Compute(form, quorvel::testing::AzimuthReplies(), DialogDriver::Keys::Keyboard);
    if (QTest::currentTestFailed()) return;
    QTRY_COMPARE(QApplication::focusWidget(), form.Command(1));  // back on the window
    QCOMPARE(form.Text(25)->text(), QString("由 A 点为起始点，A 点的外方位角和定向角 Qa 起算"));
    QCOMPARE(form.Text(3)->text(), QString(" 123.45300"));
    QCOMPARE(form.Text(4)->text(), QString(" 60.00000"));
    QCOMPARE(form.Text(21)->text(), QString(" 250.5000"));
    QCOMPARE(form.Text(16)->text(), QString("B点为待定点"));
    QCOMPARE(form.Label(35)->text(), QString("D$6"));
    QCOMPARE(form.Text(17)->text(), QString("  A"));
    QCOMPARE(form.Text(18)->text(), QString("500.000"));
    QCOMPARE(form.Text(19)->text(), QString("600.000"));

    // Enter on the focused command runs it as well; the fault report is
    // closed with Enter.
    DialogDriver driver(form, {"abc"}, DialogDriver::Keys::Keyboard);
    QTest::keyClick(form.Command(1), Qt::Key_Return);
    QCOMPARE(driver.dialogs.size(), std::size_t{1});
    QCOMPARE(driver.messages.size(), std::size_t{1});
    QTRY_COMPARE(QApplication::focusWidget(), form.Command(1));

    // What a screen reader hears.
    const std::pair<int, const char*> names[] = {
        {10, "中心条件 闭合差 w1"}, {11, "极条件 闭合差 w2"}, {12, "测角中误差 mb"},
        {13, "最弱边 边长权倒数 1/P"}, {1, "已知点 A 纵座标 Xa"}, {3, "已知点 A 外方位角 Ta"},
        {9, "三角形个数说明"}, {5, "三角形号"}, {6, "求 距 角 A"}, {17, "待定点点名 d$"}, {4, "定向角 Q"}};
    for (const auto& [field, name] : names) QCOMPARE(AccessibleName(form.Text(field)), QString(name));
    QCOMPARE(AccessibleName(form.Command(1)), QString("计 算"));
    QCOMPARE(AccessibleName(form.Command(2)), QString("结 束"));
    std::set<QString> distinct;
    for (int n = 1; n <= 25; ++n) {
      const QString name = AccessibleName(form.Text(n));
      QVERIFY2(!name.isEmpty() && name == name.simplified(), qPrintable(form.Text(n)->objectName()));
      distinct.insert(name);
    }
    QCOMPARE(distinct.size(), std::size_t{25});
  }

  void faultIsReportedAndTheWindowComputesAgain() {
    Form1 form;
    form.ShowAtStart();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Cancel gives the empty reply even over a typed text: N is empty, the
    // N sentence says so, and an empty N is no number.
    {
      DialogDriver driver(form, {quorvel::testing::kCancel + "5"});
      QTest::mouseClick(form.Command(1), Qt::LeftButton);
      QCOMPARE(driver.dialogs.size(), std::size_t{1});
      QCOMPARE(driver.messages.size(), std::size_t{1});
      QCOMPARE(driver.messages[0].icon, QMessageBox::Critical);
    }
    QCOMPARE(form.Text(9)->text(), QString("中心多边形有个三角形"));

    // N that is not a number: the N sentence is written, then the report.
    {
      DialogDriver driver(form, {"abc"});
      QTest::mouseClick(form.Command(1), Qt::LeftButton);
      QCOMPARE(driver.messages.size(), std::size_t{1});
      QCOMPARE(driver.messages[0].icon, QMessageBox::Critical);
      QVERIFY(driver.messages[0].text.contains("abc"));
      QVERIFY(driver.messages[0].text.contains("计算中止"));
    }
    QVERIFY(form.isVisible());
    QCOMPARE(form.Text(9)->text(), QString("中心多边形有abc个三角形"));

    // An angle that is not a number stops the computation after its
    // triangle is entered; what was written stays.
    QStringList replies = quorvel::testing::OuterSideReplies().mid(0, 20);
    replies << "57.4146" << "" << "47.1815" << "" << "x" << "";
    const Expected expected = RunConsole(replies, StateOf(form));
    QCOMPARE(expected.errors.size(), 1);
    {
      DialogDriver driver(form, replies);
      QTest::mouseClick(form.Command(1), Qt::LeftButton);
      QCOMPARE(driver.RepliesLeft(), 0);
      QCOMPARE(driver.messages.size(), std::size_t{1});
      QCOMPARE(driver.messages[0].text, expected.errors[0]);
    }
    QCOMPARE(StateOf(form), expected.final_state);
    QCOMPARE(form.Text(8)->text(), QString(" x"));

    // And the next computation runs whole.
    Compute(form, quorvel::testing::OuterSideReplies());
  }

  // Last: both ways of ending leave the event loop, which ends the program.
  void endCommandAndClosingEndTheProgram() {
    for (int way = 0; way < 2; ++way) {
      Form1 form;
      form.ShowAtStart();
      QVERIFY(QTest::qWaitForWindowExposed(&form));
      QTimer::singleShot(0, &form, [&form, way] {
        if (way == 0) {
          QTest::mouseClick(form.Command(2), Qt::LeftButton);
        } else {
          form.close();
        }
      });
      QTimer watchdog;
      watchdog.setSingleShot(true);
      connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
      watchdog.start(10000);
      QCOMPARE(QApplication::exec(), 0);
      QVERIFY(!form.isVisible());
    }
  }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
