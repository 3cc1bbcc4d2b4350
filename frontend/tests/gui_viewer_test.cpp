// The report viewer: its fixed-pitch font on any machine, the section list,
// the verdicts in colour, find and go to line, Save As and reloading.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "fixed_font.h"
#include "recording_ui.h"
#include "report_commands.h"
#include "report_highlighter.h"
#include "test_support.h"
#include "text_viewer.h"

namespace {

const QString kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

QStringList GoldenReports() {
  QStringList paths;
  for (const QString& name : QDir(kGolden).entryList({"*.out"}, QDir::Files, QDir::Name))
    paths << kGolden + name;
  return paths;
}

// The colour the viewer gives line `block`: its text colour where the
// highlighter set one, else an invalid colour.
QColor LineColour(const QTextBlock& block) {
  for (const QTextLayout::FormatRange& r : block.layout()->formats()) {
    if (r.start == 0 && r.length == block.length() - 1 && r.format.hasProperty(QTextFormat::ForegroundBrush))
      return r.format.foreground().color();
  }
  return {};
}

}  // namespace

class ViewerTest : public QObject {
  Q_OBJECT

  RecordingUi ui_;
  std::unique_ptr<gui::TextViewer> v_;

  void open(const QString& path) {
    QString error;
    QVERIFY2(v_->load(path, &error), qPrintable(error));
    v_->show();
    QVERIFY(QTest::qWaitForWindowActive(v_.get()));
  }
  QPlainTextEdit* view() const { return v_->view(); }
  void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
  }

 private slots:
  void init() {
    ui_ = RecordingUi();
    v_ = std::make_unique<gui::TextViewer>(ui_, nullptr);
  }
  void cleanup() { v_.reset(); }

  // The ctest run with KELDOR_MONOSPACE_IS_PROPORTIONAL set uses a font
  // configuration in which "monospace" is a proportional face; the system's
  // fixed font is then no fixed font, and the viewer must not take it.
  void fixedPitchFontOnEveryMachine() {
    if (qEnvironmentVariableIsSet("KELDOR_MONOSPACE_IS_PROPORTIONAL"))
      QVERIFY(!gui::IsFixedPitch(QFontDatabase::systemFont(QFontDatabase::FixedFont)));
    const QFont font = gui::FixedPitchFont();
    QVERIFY(gui::IsFixedPitch(font));
    QVERIFY(gui::IsFixedPitch(gui::FixedPitchFont(7.5)));
    QCOMPARE(gui::FixedPitchFont(7.5).pointSizeF(), 7.5);
    QVERIFY(!gui::IsFixedPitch(QFont("DejaVu Sans")));

    open(kGolden + "review-pile-english.out");
    QVERIFY(gui::IsFixedPitch(view()->font()));
    // The report's columns line up: a row of digits is as wide as its blanks,
    // in bold (failing checks) as in regular type.
    QFont bold = view()->font();
    bold.setBold(true);
    for (const QFont& f : {view()->font(), bold}) {
      const QFontMetricsF m(f);
      QCOMPARE(m.horizontalAdvance("  1.500    "), QFontMetricsF(view()->font()).horizontalAdvance("MMMMMMMMMMM"));
    }
  }

  // The headings are listed in order (FindSections, tested on every golden
  // report), and clicking one brings its heading to the top of the view.
  void sectionListAndGoToLineJumpToTheirLines() {
    open(kGolden + "review-pile-english.out");
    QListWidget* list = v_->sections();
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 13);
    QCOMPARE(list->item(0)->text(), QString("Program Options"));
    QCOMPARE(list->item(10)->text(), QString("Weight and Righting Moment"));
    QListWidgetItem* analysis = list->item(11);
    QCOMPARE(analysis->text(), QString("Pile Analysis"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(analysis).center());
    QCOMPARE(v_->currentLine(), 206);
    QCOMPARE(v_->topLine(), 206);
    QCOMPARE(list->currentItem(), analysis);
    // Scrolling marks the section at the top of the view.
    view()->verticalScrollBar()->setValue(30);
    QCOMPARE(list->currentItem()->text(), QString("Material Properties"));

    // Go to line, and the ends.
    QVERIFY(v_->goToLine(300));
    QCOMPARE(v_->currentLine(), 300);
    const int shown = view()->cursorRect().center().y();
    QVERIFY(shown > 0 && shown < view()->viewport()->height());
    for (int line : {0, -1, 359, 100000}) QVERIFY(!v_->goToLine(line));
    QCOMPARE(v_->currentLine(), 300);
    QVERIFY(v_->goToLine(358));  // the last line

    key(Qt::Key_G, Qt::ControlModifier);
    auto* spin = Child<QSpinBox>(v_.get(), "spnLine");
    QCOMPARE(QApplication::focusWidget(), spin);
    QCOMPARE(spin->maximum(), 358);
    QCOMPARE(v_->lineCount(), 358);
    QTest::keyClicks(spin, "57");
    key(Qt::Key_Return);
    QCOMPARE(v_->currentLine(), 57);
    QVERIFY(!Child<QWidget>(v_.get(), "barGoTo")->isVisible());
    QCOMPARE(QApplication::focusWidget(), view());
    key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(v_->currentLine(), 358);
    key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(v_->currentLine(), 1);
    QCOMPARE(v_->topLine(), 1);

    // The input file has no sections: no list.
    open(kGolden + "review-pile-english.in");
    QVERIFY(!v_->sections()->isVisible());
  }

  // Exactly the failing checks and the messages ending in " ***" are red,
  // exactly the passing checks green, in every golden report; the text is
  // the file's, unchanged.
  void verdictColoursOnExactlyTheirLines() {
    const QRegularExpression failing(" NG \\*\\*\\*$"), message("[A-Za-z] \\*\\*\\*$"),
        passing(" OKAY$");
    int red = 0, green = 0;
    for (const QString& report : GoldenReports()) {
      QString error;
      QVERIFY(v_->load(report, &error));
      QCOMPARE(v_->text(), QString::fromStdString(keldor_test::ReadFile(report.toStdString())).replace("\r\n", "\n"));
      for (QTextBlock b = view()->document()->begin(); b.isValid(); b = b.next()) {
        const QString line = b.text().trimmed();
        const QColor expected = line.contains(failing) || line.contains(message) ? gui::kFailingText
                                : line.contains(passing)                         ? gui::kPassingText
                                                                                 : QColor();
        QVERIFY2(LineColour(b) == expected, qPrintable(report + ": " + b.text()));
        red += expected == gui::kFailingText;
        green += expected == gui::kPassingText;
      }
    }
    QVERIFY(red > 50 && green > 300);
  }

  // Find goes forwards and backwards through every match, wraps at either
  // end and says where it is; F3 and Shift+F3 step through the matches.
  void findForwardsAndBackwardsWithWrap() {
    open(kGolden + "review-reference-wall-piles.out");
    QList<int> ngLines;
    const QStringList lines = v_->text().split('\n');
    for (int i = 0; i < lines.size(); ++i)
      if (lines[i].contains("NG ***")) ngLines << i + 1;
    QCOMPARE(ngLines.size(), 17);

    key(Qt::Key_F, Qt::ControlModifier);
    QLineEdit* box = Child<QLineEdit>(v_.get(), "txtFind");
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClicks(box, "NG ***");
    QCOMPARE(v_->currentLine(), ngLines[0]);
    QCOMPARE(view()->textCursor().selectedText(), QString("NG ***"));
    QCOMPARE(v_->findStatus(), QString("1 of 17"));
    for (int i = 1; i < ngLines.size(); ++i) {
      key(Qt::Key_F3);
      QCOMPARE(v_->currentLine(), ngLines[i]);
    }
    QCOMPARE(v_->findStatus(), QString("17 of 17"));
    key(Qt::Key_F3);  // past the last: the first again
    QCOMPARE(v_->currentLine(), ngLines[0]);
    QCOMPARE(v_->findStatus(), QString("1 of 17 (from the top)"));
    key(Qt::Key_F3, Qt::ShiftModifier);  // before the first: the last
    QCOMPARE(v_->currentLine(), ngLines[16]);
    QCOMPARE(v_->findStatus(), QString("17 of 17 (from the end)"));
    key(Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(v_->currentLine(), ngLines[15]);
    key(Qt::Key_Return);  // Enter in the box: the next
    QCOMPARE(v_->currentLine(), ngLines[16]);
    // The match found is marked apart from the others.
    QCOMPARE(view()->extraSelections().size(), 1 + 17);

    // Case: "ng ***" matches unless the case must match. Typed, the text is
    // looked for from the start of the match found.
    box->selectAll();
    QTest::keyClicks(box, "ng ***");
    QCOMPARE(v_->findStatus(), QString("17 of 17"));
    Child<QCheckBox>(v_.get(), "chkMatchCase")->setChecked(true);
    const int before = v_->currentLine();
    QVERIFY(!v_->findNext());
    QCOMPARE(v_->findStatus(), QString("Not found"));
    QCOMPARE(v_->currentLine(), before);
    // Escape closes the bar and the marks go; a second Escape the window.
    key(Qt::Key_Escape);
    QVERIFY(!Child<QWidget>(v_.get(), "barFind")->isVisible());
    QCOMPARE(view()->extraSelections().size(), 1);
    QVERIFY(v_->isVisible());
    key(Qt::Key_Escape);
    QVERIFY(!v_->isVisible());
  }

  // Save As writes the file as it was read, line ends included; a copy that
  // cannot be written says why and leaves nothing behind. A file that is no
  // run's report prints and exports without the run's first page, its name
  // heading the pages; a cancelled dialog does nothing.
  void saveAsCopiesTheFileAsItIsAndPrintsAndExportsIt() {
    keldor_test::TempFolder dir;
    const QString report = kGolden + "review-pile-english.out";
    open(report);
    ui_.files << QString::fromStdString(dir / "copy.out");
    Child<QAction>(v_.get(), "mnuViewerSaveAs")->trigger();
    QCOMPARE(ui_.events, QStringList({"save dialog: " + QString(gui::kOutputFilters) + " [1]"}));
    QCOMPARE(keldor_test::ReadFile(dir / "copy.out"), keldor_test::ReadFile(report.toStdString()));

    ui_.events.clear();
    ui_.files << QString::fromStdString(dir / "missing/copy.out");
    Child<QAction>(v_.get(), "mnuViewerSaveAs")->trigger();
    QCOMPARE(ui_.events.size(), 3);
    QCOMPARE(ui_.events[1], QString("beep"));
    QVERIFY(ui_.events[2].startsWith("ok: Unable to save the copy\n\n"));
    QVERIFY(ui_.events[2].contains(QString::fromStdString(dir / "missing/copy.out")));
    QVERIFY(QDir(QString::fromStdString(dir / "missing")).isEmpty() ||
            !QDir(QString::fromStdString(dir / "missing")).exists());

    ui_.events.clear();
    QVERIFY(!v_->document().firstPage);
    Child<QAction>(v_.get(), "mnuViewerPrint")->trigger();  // cancelled
    ui_.files << QString::fromStdString(dir / "printed.pdf") << QString::fromStdString(dir / "copy.pdf");
    Child<QAction>(v_.get(), "mnuViewerPrint")->trigger();
    Child<QAction>(v_.get(), "mnuViewerExportPdf")->trigger();
    QCOMPARE(ui_.events, QStringList({"print dialog", "print dialog",
                                      "save dialog: " + QString(gui::kPdfFilters) + " [0]"}));
    for (const char* pdf : {"printed.pdf", "copy.pdf"})
      QVERIFY2(keldor_test::ReadFile(dir / pdf).rfind("%PDF-", 0) == 0, pdf);
  }

  // A report written anew (by the next run) is shown anew, at the same line.
  void reloadsWhenTheFileChanges() {
    keldor_test::TempFolder dir;
    const std::string path = dir / "wall.out";
    const std::string first = keldor_test::ReadFile((kGolden + "review-pile-english.out").toStdString());
    keldor_test::WriteFile(path, first);
    open(QString::fromStdString(path));
    QVERIFY(v_->goToLine(120));
    keldor_test::WriteFile(path, keldor_test::Replaced(first, "Abutment on battered piles", "Abutment A2"));
    QTRY_VERIFY(v_->text().startsWith(" Abutment A2"));
    QCOMPARE(v_->currentLine(), 120);
  }
};

QTEST_MAIN(ViewerTest)
#include "gui_viewer_test.moc"
