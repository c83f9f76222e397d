#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <deque>

#include "tests/test_files.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QString kHint = QString::fromUtf8("右のボタンで指定してください");
const QString kChoose = QString::fromUtf8(
    "ファイルを指定してください。\nまたは処理するファイルが多すぎますので、\n分割して指定してくださ"
    "い。");
const QString kCompleted = QString::fromUtf8(
    "お待たせしました。\n処理は終了しました。\nあとはQueltaさんに\n登録してもらってください。");

// Answers the file dialogs from a queue; an empty answer is a cancel.
class FakeChooser : public FileChooser {
 public:
  std::optional<FileAnswer> Choose(QWidget*, const FileQuestion& question) override {
    questions.push_back(question);
    if (answers.empty()) return std::nullopt;
    std::optional<FileAnswer> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<FileAnswer>> answers;
  std::vector<FileQuestion> questions;
};

class FakeDialogs : public Dialogs {
 public:
  void ShowMessage(const QString& text) override { messages.push_back(text); }
  void ShowError(const QString& text) override { errors.push_back(text); }
  std::vector<QString> messages;
  std::vector<QString> errors;
};

class FakeProgram : public ProgramControl {
 public:
  void EndProgram(int status) override { ends.push_back(status); }
  std::vector<int> ends;
};

template <class T>
T* Control(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

// The three windows as start-up makes them, with fakes for dialogs and exit.
class FormsTest : public ::testing::Test {
 protected:
  FormsTest() {
    Form1 = new TForm1(chooser, dialogs, program);
    Form2 = new TForm2;
    Form3 = new TForm3;
    QObject::connect(Control<QProgressBar>(Form3, "ProgressBar1"), &QProgressBar::valueChanged,
                     [this](int value) { bar.push_back(value); });
    for (char name : std::string("ABCD")) {
      WriteFile(dir / std::string(1, name), "Subject: " + std::string(1, name) + "\n");
    }
  }
  ~FormsTest() override {
    delete Form3;
    delete Form2;
    delete Form1;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
  }

  QPushButton* Button(QWidget* window, const char* name) {
    return Control<QPushButton>(window, name);
  }
  void Choose(const char* button, const std::vector<std::string>& paths,
              const QString& filter = {}) {
    FileAnswer answer{{}, filter};
    for (const std::string& path : paths) answer.paths.push_back(QString::fromStdString(path));
    chooser.answers.push_back(answer);
    Button(Form1, button)->click();
  }
  void ChooseMails(const std::string& names) {
    std::vector<std::string> paths;
    for (char name : names) paths.push_back(dir / std::string(1, name));
    Choose("Button5", paths);
  }
  void Cancel(const char* button) {
    chooser.answers.push_back(std::nullopt);
    Button(Form1, button)->click();
  }

  TempDir dir;
  FakeChooser chooser;
  FakeDialogs dialogs;
  FakeProgram program;
  std::vector<int> bar;
};

TEST_F(FormsTest, StartUpState) {
  EXPECT_EQ(Form1->windowTitle(), QString::fromUtf8("Queltaにラブレター（Orvendo版） v1.05"));
  EXPECT_EQ(Form2->windowTitle(), QString::fromUtf8("ヘルプ"));
  EXPECT_EQ(Form3->windowTitle(), QString::fromUtf8("状況"));
  auto* subject = Control<QCheckBox>(Form1, "CheckBox1");
  EXPECT_FALSE(subject->isEnabled());
  EXPECT_EQ(subject->checkState(), Qt::PartiallyChecked);
  const std::pair<const char*, bool> boxes[] = {{"CheckBox2", true},
                                                {"CheckBox3", false},
                                                {"CheckBox4", true},
                                                {"CheckBox5", false},
                                                {"CheckBox6", false}};
  for (auto [name, checked] : boxes)
    EXPECT_EQ(Control<QCheckBox>(Form1, name)->isChecked(), checked);
  EXPECT_TRUE(Control<QRadioButton>(Form1, "RadioButton1")->isChecked());
  EXPECT_FALSE(Control<QRadioButton>(Form1, "RadioButton2")->isChecked());
  EXPECT_EQ(Control<QLineEdit>(Form1, "Edit3")->text(), "76");
  for (const char* name : {"Edit1", "Edit2"}) {
    EXPECT_EQ(Control<QLineEdit>(Form1, name)->text(), kHint);
    EXPECT_TRUE(Control<QLineEdit>(Form1, name)->isReadOnly());
  }
  EXPECT_FALSE(Button(Form3, "Button1")->isEnabled());
  EXPECT_EQ(Control<QLabel>(Form3, "Label1")->text(),
            QString::fromUtf8("Queltaさんへのラブレターを書いています。"));
  EXPECT_TRUE(Control<QTextEdit>(Form2, "RichEdit1")->isReadOnly());
  EXPECT_NE(Form1->MailLines, nullptr);
  EXPECT_NE(Form1->OutputLines, nullptr);
}

TEST_F(FormsTest, TabOrderFollowsTheForm) {
  std::vector<std::string> order;
  QWidget* start = Control<QWidget>(Form1, "CheckBox2");
  QWidget* widget = start;
  do {
    if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget != Form1) {
      order.push_back(widget->objectName().toStdString());
    }
    widget = widget->nextInFocusChain();
  } while (widget != start && order.size() < 40);
  EXPECT_THAT(order, ElementsAre("CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox6",
                                 "Button1", "Button2", "Button3", "Edit1", "Edit2", "Button4",
                                 "Button5", "Edit3", "RadioButton1", "RadioButton2"));
}

TEST_F(FormsTest, RunConvertsChosenMailsAndCompletesProgress) {
  ChooseMails("ABC");
  Choose("Button4", {dir / "out.ren"});
  EXPECT_EQ(Control<QLineEdit>(Form1, "Edit1")->text(), QString::fromStdString(dir / "A"));
  EXPECT_EQ(Control<QLineEdit>(Form1, "Edit2")->text(), QString::fromStdString(dir / "out.ren"));
  Button(Form1, "Button1")->click();
  EXPECT_EQ(SubjectOrder(dir / "out.ren"), "CBA");
  EXPECT_THAT(bar, ElementsAre(33, 66, 100)) << "0 is where the bar starts";
  EXPECT_TRUE(Form3->isVisible());
  EXPECT_EQ(Control<QLabel>(Form3, "Label1")->text(), kCompleted);
  EXPECT_TRUE(Button(Form3, "Button1")->isEnabled());
  EXPECT_THAT(dialogs.messages, IsEmpty());

  Button(Form1, "Button1")->click();
  EXPECT_EQ(SubjectOrder(dir / "out.ren"), "ABC") << "the second run exchanges back";
  EXPECT_THAT(bar, ElementsAre(33, 66, 100, 0, 33, 66, 100));

  Button(Form3, "Button1")->click();
  EXPECT_FALSE(Form3->isVisible());
  EXPECT_TRUE(Form1->isVisible());
}

TEST_F(FormsTest, OptionsAreReadFromTheControls) {
  WriteFile(dir / "m", "Subject: s\nFrom: f\nCC: c\n");
  Choose("Button5", {dir / "m"});
  Choose("Button4", {dir / "out.ren"});
  Control<QCheckBox>(Form1, "CheckBox2")->setChecked(false);
  Control<QCheckBox>(Form1, "CheckBox6")->setChecked(true);
  Control<QLineEdit>(Form1, "Edit3")->setText("");
  Control<QRadioButton>(Form1, "RadioButton2")->setChecked(true);
  Button(Form1, "Button1")->click();
  EXPECT_EQ(ReadFile(dir / "out.ren"), CrLfText({"#S", "#KSubject: s", "#KCC: c", "#T s", "#W76",
                                                 "Subject: s", "From: f", "CC: c", "#E", ""}));
}

TEST_F(FormsTest, IncompleteSelectionShowsMessage) {
  Button(Form1, "Button1")->click();
  ChooseMails("AB");
  Button(Form1, "Button1")->click();
  Choose("Button4", {dir / "out.ren"});
  Cancel("Button4");
  Button(Form1, "Button1")->click();
  EXPECT_EQ(Control<QLineEdit>(Form1, "Edit2")->text(), QString::fromStdString(dir / "out.ren"))
      << "a cancelled dialog leaves the box as it was";
  Choose("Button4", {dir / "out.ren"});
  Cancel("Button5");
  Button(Form1, "Button1")->click();
  EXPECT_THAT(dialogs.messages, ElementsAre(kChoose, kChoose, kChoose, kChoose));
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B", "C", "D"));
  EXPECT_FALSE(Form3->isVisible());
}

TEST_F(FormsTest, DialogsRememberNameAndFilter) {
  QString textFilter = QString::fromUtf8("テキストファイル (*.txt)");
  Choose("Button5", {dir / "B", dir / "A"}, textFilter);
  Cancel("Button5");
  Choose("Button4", {dir / "out.ren"});
  ASSERT_EQ(chooser.questions.size(), 3u);
  const FileQuestion& first = chooser.questions[0];
  EXPECT_FALSE(first.save);
  EXPECT_EQ(first.selectedFilter, QString::fromUtf8("メールファイル (*.wml)"));
  EXPECT_EQ(first.filters.last(), QString::fromUtf8("ＨＴＭＬファイル (*.htm *.html)"));
  EXPECT_EQ(chooser.questions[1].fileName, QString::fromStdString(dir / "B"));
  EXPECT_EQ(chooser.questions[1].selectedFilter, textFilter);
  EXPECT_TRUE(chooser.questions[2].save);
  EXPECT_EQ(chooser.questions[2].selectedFilter, QString::fromUtf8("Queltaテキスト (*.ren)"));
}

TEST_F(FormsTest, UnreadableInputEndsProgramWithStatusOne) {
  WriteFile(dir / "out.ren", "earlier");
  Choose("Button5", {dir / "A", dir / "missing", dir / "B"});
  Choose("Button4", {dir / "out.ren"});
  Button(Form1, "Button1")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(dialogs.messages[0].startsWith(QString::fromUtf8("開けないファイルがあります。")));
  EXPECT_TRUE(dialogs.messages[0].contains(QString::fromStdString(dir / "missing")));
  EXPECT_THAT(program.ends, ElementsAre(1));
  EXPECT_EQ(ReadFile(dir / "out.ren"), "earlier");
}

TEST_F(FormsTest, OutputThatCannotBeCreatedIsReportedAndProgramGoesOn) {
  ChooseMails("AB");
  std::string output = dir / "no-folder/out.ren";
  Choose("Button4", {output});
  Button(Form1, "Button1")->click();
  EXPECT_THAT(dialogs.errors,
              ElementsAre(QString::fromStdString("ﾌｧｲﾙ " + output + " を作成できません.")));
  EXPECT_THAT(program.ends, IsEmpty());
  EXPECT_FALSE(Button(Form3, "Button1")->isEnabled());
  Choose("Button4", {dir / "out.ren"});
  Button(Form1, "Button1")->click();
  EXPECT_EQ(SubjectOrder(dir / "out.ren"), "AB") << "the failed run had exchanged them already";
}

TEST_F(FormsTest, KeysPressButtons) {
  Form1->show();
  auto press = [](QWidget* target, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  };
  auto* width = Control<QLineEdit>(Form1, "Edit3");
  width->setFocus();
  press(width, Qt::Key_Return);
  EXPECT_THAT(dialogs.messages, ElementsAre(kChoose)) << "Enter in a box presses OK";
  auto* open = Button(Form1, "Button5");
  open->setFocus();
  press(open, Qt::Key_Return);
  EXPECT_EQ(chooser.questions.size(), 1u) << "Enter presses the focused button";
  press(width, Qt::Key_Escape);
  EXPECT_THAT(program.ends, ElementsAre(0)) << "Esc presses Cancel, which ends the program";
}

TEST_F(FormsTest, ClosingMainWindowEndsProgram) {
  Form1->show();
  Form2->show();
  Form1->close();
  EXPECT_THAT(program.ends, ElementsAre(0));
}

TEST_F(FormsTest, HelpShowsTheDocumentBesideTheProgram) {
  Button(Form1, "Button3")->click();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_THAT(dialogs.errors, IsEmpty());
  EXPECT_TRUE(Control<QTextEdit>(Form2, "RichEdit1")
                  ->toPlainText()
                  .startsWith(QString::fromUtf8("Queltaにラブレター ヘルプ")));
}

TEST_F(FormsTest, HelpDocumentsOfEveryKind) {
  auto* box = Control<QTextEdit>(Form2, "RichEdit1");
  WriteFile(dir / "help.rtf", R"({\rtf1 Rich {\b text}})");
  Form2->LoadHelp(dir / "help.rtf");
  EXPECT_EQ(box->toPlainText(), "Rich text");
  WriteFile(dir / "help.txt", "Plain\r\ntext");
  Form2->LoadHelp(dir / "help.txt");
  EXPECT_EQ(box->toPlainText(), "Plain\ntext");

  const std::pair<std::string, std::string> failures[] = {
      {dir / "missing.rtf", "ﾌｧｲﾙ " + dir / "missing.rtf" + " は開けません"},
      {dir / "binary", "ｽﾄﾘｰﾑからの読み込みに失敗しました"},
  };
  WriteFile(dir / "binary", "\x80\xff\xfe\xa0\x85");
  for (const auto& [path, message] : failures) {
    try {
      Form2->LoadHelp(path);
      ADD_FAILURE() << path;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), message);
    }
    EXPECT_EQ(box->toPlainText(), "Plain\ntext") << "the window keeps its contents";
  }
}

TEST(RunGuarded, ReportsEscapedErrorWithFullStop) {
  FakeDialogs dialogs;
  bool after = false;
  RunGuarded(dialogs, [&] {
    throw std::runtime_error("broken.");
    after = true;
  });
  EXPECT_FALSE(after);
  EXPECT_THAT(dialogs.errors, ElementsAre("broken.."));
}

}  // namespace
