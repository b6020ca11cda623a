// The window under Qt's offscreen platform, with scripted message boxes and
// save dialog and a temporary drive folder.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QtTest>

#include "platform/qt/qt_platform.h"
#include "shell/qt/main_window.h"
#include "support/recording_messages.h"
#include "support/temp_drive.h"
#include "wizards/drill_circle/qt/hole_selector_dialog.h"
#include "wizards/qt/page_view.h"

using namespace verlo;

class GuiTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture {
    test::TempDrive drive;
    test::RecordingMessages messages;
    test::ScriptedSaveDialog dialog;
    DiskFileSystem files;
    TForm1Widget window{messages, dialog, files, {}};
    explicit Fixture(bool hostFolder = true) : drive(hostFolder) {
      window.show();
      window.Activate();
    }
    template <class T>
    T* Get(const char* name, QWidget* in = nullptr) {
      T* w = (in ? in : &window)->findChild<T*>(name);
      if (!w) qFatal("no widget %s", name);
      return w;
    }
    // Chooses the combo's item and returns the page it shows.
    QWidget* Choose(int item, const char* page) {
      auto* combo = Get<QComboBox>("ComboBox1");
      combo->setCurrentIndex(item);
      emit combo->activated(item);
      return Get<QWidget>(page);
    }
    QWidget* CutCircle() { return Choose(3, "Frame51"); }
    // Opens the About box by its button.
    QWidget* About() {
      QTest::mouseClick(Get<QPushButton>("Button1"), Qt::LeftButton);
      for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "AboutBox") return w;
      qFatal("no About box");
    }
  };

 private slots:
  void choosingAPageShowsItAndEnablesSending() {
    Fixture f;
    auto* send = f.Get<QPushButton>("Button3");
    QVERIFY(!send->isEnabled());
    QCOMPARE(send->text(), QString("Válassz varázslót először!!"));
    QWidget* page = f.CutCircle();
    QVERIFY(page->isVisible());
    QVERIFY(!f.Get<QWidget>("Frame41")->isVisible());
    QVERIFY(send->isEnabled());
    QCOMPARE(send->text(), QString("Küldés az VERLO-be"));
    QCOMPARE(f.window.windowTitle(), QString("VERLO varázslók"));
    // Every edit is named by its caption label.
    auto* r = f.Get<QLineEdit>("Edit_r_", page);
    QCOMPARE(r->text(), QString("20"));
    auto* label = f.Get<QLabel>("Edit_r_Label", page);
    QCOMPARE(label->buddy(), r);
    QCOMPARE(label->text(), QString("Kör átmérője:"));
    QVERIFY(!f.Get<QLineEdit>("Edit_szc_", page)->isEnabled());
    QVERIFY(!f.Get<QLabel>("Label11", page)->isEnabled());
    QTest::mouseClick(f.Get<QCheckBox>("CheckBox_szc_", page), Qt::LeftButton);
    QVERIFY(f.Get<QLineEdit>("Edit_szc_", page)->isEnabled());
    QVERIFY(f.Get<QLabel>("Label11", page)->isEnabled());
    QVERIFY(!f.Get<QLabel>("Image1", page)->pixmap().isNull());
  }

  void createShowsTheListingAndSendWritesTheFiles() {
    Fixture f;
    QWidget* page = f.CutCircle();
    auto* r = f.Get<QLineEdit>("Edit_r_", page);
    r->clear();
    QTest::keyClicks(r, "30");
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    auto* memo = f.Get<QPlainTextEdit>("Memo1", page);
    QCOMPARE(memo->document()->blockCount(), 27);
    QVERIFY(memo->toPlainText().contains("G2 X12.5000 Y0.0000 Z-1.0000 R12.5000 F300"));
    // The user's own edit of the listing is what gets sent.
    memo->appendPlainText("(kézi sor)");
    f.dialog.answers = {f.drive.Root() + "/kor"};
    QTest::mouseClick(f.Get<QPushButton>("Button3"), Qt::LeftButton);
    const auto tap = test::TempDrive::Read(f.drive.Root() + "/kor.tap");
    QVERIFY(tap.has_value());
    QVERIFY(tap->size() > 12 && tap->substr(tap->size() - 12) == "(k\xE9zi sor)\r\n");
    QCOMPARE(test::TempDrive::Read(f.drive.Host() + "/adatcsere.txt").value_or(""),
             std::string("L"));
    QCOMPARE(test::TempDrive::Read(f.drive.Host() + "/file.txt").value_or(""),
             std::string("C:\\kor.tap\r\n"));
    QVERIFY(!page->isVisible());
    QCOMPARE(f.Get<QPushButton>("Button3")->text(), QString("Vissza az utolsó varázslóba"));
    QTest::mouseClick(f.Get<QPushButton>("Button3"), Qt::LeftButton);
    QVERIFY(page->isVisible());
  }

  void badInputGetsAMessageAndKeepsTheListing() {
    Fixture f;
    QWidget* page = f.CutCircle();
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    auto* memo = f.Get<QPlainTextEdit>("Memo1", page);
    QTest::mouseClick(f.Get<QRadioButton>("RadioGroup_s__1", page), Qt::LeftButton);
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QCOMPARE(f.messages.shown[0].caption, std::string("Figyelmeztetés"));
    QCOMPARE(memo->toPlainText(), QString());
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    const QString series = memo->toPlainText();
    auto* depth = f.Get<QLineEdit>("Edit_m_", page);
    depth->setText("abc");
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    QCOMPARE(f.messages.shown.back().caption, std::string("VERLO varázslók"));
    QCOMPARE(f.messages.shown.back().text,
             std::string("'abc' is not a valid floating point value"));
    QVERIFY(f.messages.shown.back().error);
    QCOMPARE(memo->toPlainText(), series);  // series mode: the earlier program stays
  }

  void circularPocketAndItsStepsInTheEditor() {
    Fixture f;
    auto* accumulate = f.Get<QCheckBox>("CheckBox2");
    auto* editorButton = f.Get<QPushButton>("Button2");
    QVERIFY(accumulate->isEnabled() && !editorButton->isEnabled());
    QVERIFY(accumulate->toolTip().contains("körzseb"));
    QTest::mouseClick(accumulate, Qt::LeftButton);
    QVERIFY(editorButton->isEnabled());
    QWidget* page = f.Choose(1, "Frame31");
    QVERIFY(page->isVisible());
    QVERIFY(!f.Get<QLabel>("Image1", page)->pixmap().isNull());
    QCOMPARE(f.Get<QLabel>("Label10", page)->text(),
             QString("Fogás szélessége a szerszám szélességének arányában: "));
    QCOMPARE(f.Get<QLabel>("Label5", page)->text(), QString("2,5000 mm"));
    QTest::mouseClick(f.Get<QCheckBox>("CheckBox1", page), Qt::LeftButton);
    QVERIFY(!f.Get<QLabel>("Label15", page)->isEnabled());
    QVERIFY(!f.Get<QLabel>("Label16", page)->isEnabled());
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    const QString listing = f.Get<QPlainTextEdit>("Memo1", page)->toPlainText();
    QVERIFY(listing.contains("G2 Y0.0000 X7.5000 R7.5000 F300\n(főciklus vége)"));
    QVERIFY(!listing.contains("T1 M6"));
    f.Get<QLineEdit>("Edit1", page)->setText("40");
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    QTest::mouseClick(editorButton, Qt::LeftButton);
    QWidget* editor = f.Get<QWidget>("Frame131");
    QVERIFY(editor->isVisible() && !page->isVisible());
    auto* steps = f.Get<QComboBox>("ComboBox1", editor);
    QCOMPARE(steps->count(), 2);
    QCOMPARE(steps->itemText(1), QString("Körzseb - circular pocket X40 Y0 d20"));
    const QString joined = f.Get<QPlainTextEdit>("RichEdit1", editor)->toPlainText();
    QCOMPARE(joined.count("(Körzseb - circular pocket)"), 2);
    QVERIFY(joined.contains("\n\n(-------------------- next step --------------------)\n\n"));
    QVERIFY(f.messages.shown.empty());
  }

  void rectanglePocketShowsItsStepOver() {
    Fixture f;
    QWidget* page = f.Choose(2, "Frame41");
    QVERIFY(page->isVisible());
    QCOMPARE(f.Get<QLabel>("Label4", page)->text(), QString("50 %"));
    QCOMPARE(f.Get<QLabel>("Label5", page)->text(), QString("2,5000 mm"));
    f.Get<QScrollBar>("ScrollBar1", page)->setValue(40);
    QCOMPARE(f.Get<QLabel>("Label4", page)->text(), QString("40 %"));
    QCOMPARE(f.Get<QLabel>("Label5", page)->text(), QString("2,0000 mm"));
    QVERIFY(!f.Get<QLineEdit>("Edit_rc_", page)->isEnabled());
    QVERIFY(!f.Get<QPushButton>("Button3", page)->isEnabled());
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    QVERIFY(
        f.Get<QPlainTextEdit>("Memo1", page)->toPlainText().contains("(oldalirányú fogás 40%)"));
    // Cut rectangle: the refused tool diameter is shown as "0".
    QWidget* cut = f.Choose(4, "Frame71");
    f.Get<QLineEdit>("Edit_sz_", cut)->clear();
    QTest::mouseClick(f.Get<QPushButton>("Button1", cut), Qt::LeftButton);
    QCOMPARE(f.Get<QLineEdit>("Edit_sz_", cut)->text(), QString("0"));
    QCOMPARE(f.Get<QLineEdit>("Edit_rc_", cut)->text(), QString("0"));
    QCOMPARE(f.messages.shown.size(), size_t{2});
  }

  void standAloneSavesAndCancelSavesNothing() {
    Fixture f;
    QWidget* page = f.CutCircle();
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    auto* send = f.Get<QPushButton>("Button3");
    QTest::mouseClick(send, Qt::LeftButton);  // the dialog is cancelled
    QCOMPARE(f.dialog.runs, 1);
    QVERIFY(!test::TempDrive::Read(f.drive.Host() + "/file.txt"));
    QVERIFY(!test::TempDrive::Read(f.drive.Host() + "/adatcsere.txt"));
    QVERIFY(page->isVisible());
    QTest::mouseClick(f.Get<QCheckBox>("CheckBox1"), Qt::LeftButton);
    QCOMPARE(send->text(), QString("Mentés"));
    f.dialog.answers = {f.drive.Root() + "/kor.tap"};
    QTest::mouseClick(send, Qt::LeftButton);
    const auto tap = test::TempDrive::Read(f.drive.Root() + "/kor.tap");
    QVERIFY(tap && tap->substr(tap->size() - 9) == "M5\r\nM30\r\n");
    QVERIFY(!test::TempDrive::Read(f.drive.Host() + "/file.txt"));
    QVERIFY(!test::TempDrive::Read(f.drive.Host() + "/adatcsere.txt"));
    QVERIFY(page->isVisible());
    QCOMPARE(send->text(), QString("Mentés"));
    QVERIFY(f.messages.shown.empty());
  }

  void aMissingHostFolderIsReported() {
    Fixture f(false);
    QWidget* page = f.CutCircle();
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    f.dialog.answers = {f.drive.Root() + "/kor.tap"};
    QTest::mouseClick(f.Get<QPushButton>("Button3"), Qt::LeftButton);
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QVERIFY(f.messages.shown[0].error);
    QVERIFY(f.messages.shown[0].text.find(f.drive.Host() + "/file.txt") != std::string::npos);
    QVERIFY(page->isVisible());
    QCOMPARE(f.Get<QPlainTextEdit>("Memo1", page)->document()->blockCount(), 27);
    QTest::mouseClick(f.Get<QPushButton>("Button4"), Qt::LeftButton);  // reported, stays open
    QCOMPARE(f.messages.shown.size(), size_t{2});
    QVERIFY(f.window.isVisible());
    QTest::mouseClick(f.Get<QCheckBox>("CheckBox1"), Qt::LeftButton);
    QTest::mouseClick(f.Get<QPushButton>("Button4"), Qt::LeftButton);  // stand-alone: closes
    QVERIFY(!f.window.isVisible());
    QCOMPARE(f.messages.shown.size(), size_t{2});
  }

  void exitSignalsAndCloses() {
    Fixture f;
    QVERIFY(f.window.isVisible());
    QTest::mouseClick(f.Get<QPushButton>("Button4"), Qt::LeftButton);
    QCOMPARE(test::TempDrive::Read(f.drive.Host() + "/adatcsere.txt").value_or(""),
             std::string("E"));
    QVERIFY(!f.window.isVisible());
  }

  // A screen reader's Toggle action changes the model as a click does.
  static void AccessibleToggle(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    QVERIFY(a && a->actionInterface());
    a->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  }

  void everyChangeOfACheckBoxOrRadioGroupRunsItsHandler() {
    Fixture f;
    QWidget* page = f.CutCircle();
    AccessibleToggle(f.Get<QCheckBox>("CheckBox1"));
    QCOMPARE(f.Get<QPushButton>("Button3")->text(), QString("Mentés"));
    QCOMPARE(f.window.Model().State().standAlone, 1);
    AccessibleToggle(f.Get<QCheckBox>("CheckBox_szc_", page));
    QVERIFY(f.Get<QLineEdit>("Edit_szc_", page)->isEnabled());
    f.Get<QRadioButton>("RadioGroup_s__1", page)->setChecked(true);  // a test driver's change
    QCOMPARE(f.messages.shown.size(), size_t{1});
    QCOMPARE(f.messages.shown[0].caption, std::string("Figyelmeztetés"));
    // The copy-back from the model runs no handler: creating in series mode
    // warns no second time.
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    QCOMPARE(f.messages.shown.size(), size_t{1});
    // Stand-alone: a send only saves.
    f.dialog.answers = {f.drive.Root() + "/kor.tap"};
    QTest::mouseClick(f.Get<QPushButton>("Button3"), Qt::LeftButton);
    QVERIFY(test::TempDrive::Read(f.drive.Root() + "/kor.tap"));
    QVERIFY(!test::TempDrive::Read(f.drive.Host() + "/file.txt"));
  }

  void fieldsTakeOneLineOfAtMostFortyCharacters() {
    Fixture f;
    auto* x = f.Get<QLineEdit>("Edit_x_", f.CutCircle());
    x->clear();
    QApplication::clipboard()->setText("12\n,5\t\u2028");
    x->paste();
    QCOMPARE(x->text(), QString("12,5"));
    x->setText(QString(50, '1'));
    QCOMPARE(x->text().size(), 40);
  }

  // The selector window alone: the boxes where the page put them, the two
  // buttons reported.
  void holeSelectorPlacesAndReportsTheBoxes() {
    struct Events : HoleSelectorEvents {
      void HolesAccepted(const std::vector<bool>& t) override { ticked.push_back(t); }
      void HolesReread() override { ++rereads; }
      std::vector<std::vector<bool>> ticked;
      int rereads = 0;
    } events;
    TForm9 dialog;
    QCOMPARE(dialog.windowTitle(), QString("Furat kiválasztó"));
    QCOMPARE(dialog.size(), QSize(584, 561));
    QCOMPARE(dialog.findChild<QPushButton*>("Button1")->geometry(), QRect(432, 8, 144, 25));
    QCOMPARE(dialog.findChild<QPushButton*>("Button2")->text(), QString("Adat rendben"));
    const std::vector<HoleBox> boxes = {
        {280, 80, 120, "X0,0000 Y10,0000"}, {80, 280, 30, "2."}, {480, 280, 10, ""}};
    dialog.Show(boxes, events);
    QVERIFY(dialog.isVisible() && !dialog.isModal());
    QCOMPARE(dialog.Boxes().size(), boxes.size());
    for (size_t i = 0; i < boxes.size(); ++i) {
      QCheckBox* box = dialog.Boxes()[i];
      QCOMPARE(box->pos(), QPoint(boxes[i].left, boxes[i].top));
      QCOMPARE(box->width(), boxes[i].width);
      QCOMPARE(box->text().toStdString(), boxes[i].caption);
      QVERIFY(box->isChecked() && box->isVisible());
    }
    dialog.Boxes()[1]->setChecked(false);
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QCOMPARE(events.ticked, (std::vector<std::vector<bool>>{{true, false, true}}));
    QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QCOMPARE(events.rereads, 1);
    dialog.Rebuild({{10, 20, 30, "1."}});
    QCOMPARE(dialog.Boxes().size(), size_t{1});
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), 1);
    dialog.Close();
    QVERIFY(!dialog.isVisible());
  }

  // The drilling page with its selector in the window: the user's typing in
  // the page survives the selector's answer, and the ticks survive a visit
  // to the main window.
  void drillingPageWithItsHoleSelector() {
    Fixture f;
    QWidget* page = f.Choose(5, "Frame81");
    QVERIFY(page->isVisible());
    QVERIFY(!f.Get<QRadioButton>("RadioGroup1_2", page)->isEnabled());
    f.Get<QLineEdit>("Edit_drc_", page)->setText("4");
    QTest::mouseClick(f.Get<QRadioButton>("RadioGroup1_1", page), Qt::LeftButton);
    TForm9* dialog = f.window.HoleSelector();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->Boxes().size(), size_t{4});
    QVERIFY(f.Get<QRadioButton>("RadioGroup1_2", page)->isEnabled());
    QVERIFY(!f.Get<QRadioButton>("RadioGroup1_1", page)->isEnabled());
    QTest::mouseClick(dialog->Boxes()[1], Qt::LeftButton);
    f.window.activateWindow();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(dialog, &activate);
    QVERIFY(!dialog->Boxes()[1]->isChecked());
    f.Get<QLineEdit>("Edit_szsz_", page)->setText("7");  // typed, not yet read
    QTest::mouseClick(dialog->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(f.Get<QLineEdit>("Edit_szsz_", page)->text(), QString("7"));
    QTest::mouseClick(f.Get<QPushButton>("Button1", page), Qt::LeftButton);
    const QString listing = f.Get<QPlainTextEdit>("Memo1", page)->toPlainText();
    QVERIFY2(listing.contains("(főciklus)\nG83 X0.0000 Y10.0000 Z-10.0000 Q2 R1 F100\n"
                              "X0.0000 Y-10.0000\nX10.0000 Y0.0000\n(főciklus vége)"),
             qPrintable(listing));
    QVERIFY(listing.contains("T7 M6"));
    // The rectangular drilling page: laid out alike, nothing enabled.
    QWidget* disabled = f.Choose(6, "Frame101");
    QCOMPARE(f.Get<QLabel>("Label_title", disabled)->text(),
             QString("Fúrás kör mentén (drill circular bolt pattern)"));
    QVERIFY(!f.Get<QPushButton>("Button1", disabled)->isEnabled());
    QVERIFY(!f.Get<QLineEdit>("Edit_drc_", disabled)->isEnabled());
    QVERIFY(!f.Get<QPlainTextEdit>("Memo1", disabled)->isEnabled());
  }

  // Both windows open centred; the About box's console opens with "l" and
  // closes with "h"; the program ends with its main window.
  void aboutBoxAndItsConsole() {
    Fixture f;
    const QPoint centre = f.window.screen()->availableGeometry().center();
    QVERIFY((f.window.frameGeometry().center() - centre).manhattanLength() <= 4);  // the frame's
    QCOMPARE(f.Get<QPlainTextEdit>("Memo1")->toPlainText(), QString("1"));
    QWidget* about = f.About();
    QVERIFY(about->isVisible());
    QVERIFY((about->frameGeometry().center() - centre).manhattanLength() <= 4);
    QCOMPARE(about->size(), QSize(280, 324));
    QVERIFY(!f.Get<QLabel>("ProgramIcon", about)->pixmap().isNull());
    QCOMPARE(f.Get<QLabel>("Version", about)->text(), QString("Verzió " VERLO_VERSION));
    auto* ok = f.Get<QPushButton>("OKButton", about);
    auto* memo2 = f.Get<QPlainTextEdit>("Memo2", about);
    auto* dump = f.Get<QPushButton>("Button2", about);
    // Outer sizes; the console and its buttons lie inside the large box only.
    const struct {
      char key;
      QSize outer;
      bool console;
    } presses[] = {{'l', {678, 467}, true},
                   {'x', {678, 467}, true},
                   {'H', {287, 356}, false},
                   {'L', {678, 467}, true},
                   {'h', {287, 356}, false}};
    for (const auto& p : presses) {
      QTest::keyClick(ok, p.key);
      QCOMPARE(about->frameGeometry().size(), p.outer);
      QCOMPARE(memo2->isVisible(), p.console);
      QCOMPARE(about->rect().contains(dump->geometry()), p.console);
    }
    // Edit1 takes one line of any length.
    auto* edit = f.Get<QLineEdit>("Edit1", about);
    QApplication::clipboard()->setText("G0\nX10\t" + QString(50, '1'));
    edit->paste();
    QCOMPARE(edit->text(), "G0X10" + QString(50, '1'));
    QTest::mouseClick(dump, Qt::LeftButton);
    QVERIFY(memo2->toPlainText().startsWith("AboutBox változói\nXpos= 0,0000"));
    QTest::mouseClick(f.Get<QPushButton>("Button3", about), Qt::LeftButton);
    QCOMPARE(memo2->toPlainText(), QString());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(f.About()->isVisible());
    f.window.close();  // the title bar's close
    QVERIFY(!about->isVisible());
  }

  void aLargeListingAppearsAtOnce() {
    Fixture f;
    f.CutCircle();
    PageView* view = f.window.View(3);
    for (int i = 0; i < 100000; ++i) view->Page().Memo1().Add("G1 X1.0000 Y2.0000 F300");
    QElapsedTimer timer;
    timer.start();
    view->CopyOut();
    QCOMPARE(view->Memo()->document()->blockCount(), 100000);
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  app.setFont(ProgramFont());
  GuiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "gui_test.moc"
