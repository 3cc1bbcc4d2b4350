// The report viewer: its fixed-pitch font on any machine.
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QTest>

#include "fixed_font.h"
#include "test_support.h"
#include "text_viewer.h"

namespace {

const QString kGolden = KELDOR_SOURCE_DIR "/tests/golden/";

}  // namespace

class ViewerTest : public QObject {
  Q_OBJECT

 private slots:
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

    gui::TextViewer v(nullptr);
    QString error;
    QVERIFY(v.load(kGolden + "review-pile-english.out", &error));
    const QFont shown = v.findChild<QPlainTextEdit*>("txtView")->font();
    QVERIFY(gui::IsFixedPitch(shown));
    // The report's columns line up: a row of digits is as wide as its blanks.
    const QFontMetricsF m(shown);
    QCOMPARE(m.horizontalAdvance("  1.500    "), m.horizontalAdvance("MMMMMMMMMMM"));
  }
};

QTEST_MAIN(ViewerTest)
#include "gui_viewer_test.moc"
