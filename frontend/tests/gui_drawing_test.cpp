// The wall drawing in the window and in its files: the pane beside every
// tab following each edit, File > Export Drawing, and the SVG and PNG files
// holding what the geometry says.
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSplitter>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <memory>

#include "drawing_export.h"
#include "drawing_pane.h"
#include "input_defaults.h"
#include "input_file.h"
#include "recording_ui.h"
#include "test_support.h"
#include "wall_drawing.h"

namespace {

fe::InputRecord Example(const char* name) {
  fe::InputRecord r;
  fe::InitialiseInput(r, 1);
  std::string error;
  if (!fe::LoadInputFile(r, std::string(KELDOR_SOURCE_DIR) + "/examples/" + name, &error))
    qFatal("%s", error.c_str());
  return r;
}

// The polygons of an SVG document by the fill they are painted with (the
// fill of the nearest enclosing element that names one).
QMap<QString, int> PolygonsByFill(const QByteArray& svg, QString* problem) {
  QMap<QString, int> count;
  QXmlStreamReader xml(svg);
  QStringList fills{"none"};
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement()) {
      const QString fill = xml.attributes().value("fill").toString();
      fills.push_back(fill.isEmpty() ? fills.back() : fill);
      if (xml.name() == QLatin1String("polygon") || xml.name() == QLatin1String("path"))
        ++count[fills.back()];
    } else if (xml.isEndElement()) {
      fills.pop_back();
    }
  }
  if (xml.hasError()) *problem = xml.errorString();
  return count;
}

int Arrows(const fe::WallDrawing& d, fe::DrawLayer layer) {
  int n = 0;
  for (const fe::DrawArrow& a : d.arrows) n += a.layer == layer;
  return n;
}

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT

 private slots:
  void svgHoldsEveryOutlinePileAndArrow() {
    const fe::InputRecord r = Example("review-12ft-pile.in");
    fe::DrawingResults res;
    res.BW = 0, res.TF = 30, res.DK = 6, res.WT = 36, res.WF = 132;
    res.forces = {{"Earth", 1000, 60}, {"Seismic", 400, 90}};
    const fe::WallDrawing d = fe::DrawWall(r, &res);
    const QByteArray svg = gui::DrawingSvg(d, QSize(1000, 700));
    QString problem;
    const QMap<QString, int> fills = PolygonsByFill(svg, &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // Stem, footing and key; three pile rows; the arrow heads of the dead
    // and live loads and of the two earth forces.
    QCOMPARE(fills.value("#c8c8c8"), 3);
    QCOMPARE(fills.value("#9a9a9a"), 3);
    QCOMPARE(Arrows(d, fe::DrawLayer::Load), 2);
    QCOMPARE(fills.value("#1f4e9a"), 2);
    QCOMPARE(fills.value("#c0392b"), 2);
    QVERIFY(svg.contains("PD = 1200 lbs/in"));
    QVERIFY(svg.contains("WF = 132 in"));
  }

  void svgOfTheSurchargedDesignHasItsSevenArrows() {
    const fe::WallDrawing d = fe::DrawWall(Example("design-10ft-spread.in"));
    QString problem;
    const QMap<QString, int> fills = PolygonsByFill(gui::DrawingSvg(d, QSize(800, 600)), &problem);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(fills.value("#1f4e9a"), 7);
    QCOMPARE(fills.value("#c8c8c8"), 2);  // no key: DKMAX = 0
  }

  void pngHasTheSizeAskedForAndTheWallOnIt() {
    const fe::WallDrawing d = fe::DrawWall(Example("review-si-spread.in"));
    const QImage image = gui::DrawingImage(d, QSize(640, 480));
    QCOMPARE(image.size(), QSize(640, 480));
    int concrete = 0, white = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QRgb c = image.pixel(x, y);
        concrete += c == QColor(0xc8, 0xc8, 0xc8).rgb();
        white += c == QColor(Qt::white).rgb();
      }
    QVERIFY2(concrete > 2000, qPrintable(QString::number(concrete)));
    QVERIFY(white > 640 * 480 / 4);
  }

  void exportWritesByTheSuffixAndRefusesOthers() {
    QTemporaryDir dir;
    const fe::WallDrawing d = fe::DrawWall(Example("review-12ft-pile.in"));
    QString error;
    QVERIFY2(gui::ExportDrawing(d, dir.filePath("w.SVG"), QSize(800, 600), &error),
             qPrintable(error));
    QFile svg(dir.filePath("w.SVG"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QVERIFY(svg.readAll().contains("<svg"));
    QVERIFY2(gui::ExportDrawing(d, dir.filePath("w.png"), QSize(300, 200), &error),
             qPrintable(error));
    QCOMPARE(QImage(dir.filePath("w.png")).size(), QSize(300, 200));

    // A suffix it cannot write, and a folder that is not there: nothing is
    // written and the reason is named.
    QVERIFY(!gui::ExportDrawing(d, dir.filePath("w.jpg"), QSize(300, 200), &error));
    QCOMPARE(error, "Cannot write file " + dir.filePath("w.jpg") +
                        ": the name must end in .svg or .png");
    QVERIFY(!QFile::exists(dir.filePath("w.jpg")));
    QVERIFY(!gui::ExportDrawing(d, dir.filePath("no/w.png"), QSize(300, 200), &error));
    QVERIFY2(error.startsWith("Cannot write file " + dir.filePath("no/w.png")), qPrintable(error));
    // A failed write leaves the file it would have replaced as it was.
    QFile::remove(dir.filePath("keep.png"));
    QVERIFY(QDir(dir.path()).mkdir("keep.png"));
    QVERIFY(!gui::ExportDrawing(d, dir.filePath("keep.png"), QSize(300, 200), &error));
    QVERIFY(QFileInfo(dir.filePath("keep.png")).isDir());
  }

  void paneIsBesideEveryTabAndFollowsEachEdit() {
    Screen s;
    auto* pane = Child<gui::DrawingPane>(&s.w, "fraDrawing");
    QVERIFY(qobject_cast<QSplitter*>(pane->parentWidget()) != nullptr);
    auto* tabs = Child<QTabWidget>(&s.w, "SSTabinter");
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      QVERIFY2(pane->isVisible(), qPrintable(tabs->tabText(i)));
    }
    s.click("optReview");
    TypeInto(s.box("txtH"), "120");
    TypeInto(s.box("txtTWMIN"), "12");
    TypeInto(s.box("txtTFMIN"), "18");
    TypeInto(s.box("txtBWMIN"), "0");
    TypeInto(s.box("txtWTMAX"), "36");
    TypeInto(s.box("txtWHMAX"), "96");
    const fe::WallDrawing d = pane->drawing();
    const fe::DrawPolygon* footing = d.polygon("footing");
    QVERIFY(footing != nullptr);
    QCOMPARE(footing->points[0].x, -48.0f);
    QCOMPARE(footing->points[1].x, 48.0f);
    auto* canvas = Child<QWidget>(pane, "picDrawing");
    const QImage before = canvas->grab().toImage();
    // A slip of the finger: the wall grows tenfold and the picture says so.
    TypeInto(s.box("txtH"), "1200");
    QCOMPARE(pane->drawing().polygon("stem")->points[2].y, -1200.0f);
    QVERIFY(canvas->grab().toImage() != before);
    // Geometry that cannot be drawn: a note, no message box.
    TypeInto(s.box("txtWHMAX"), "20");
    const fe::WallDrawing bad = pane->drawing();
    QVERIFY(!bad.notes.empty());
    QCOMPARE(QString::fromStdString(bad.notes.front()),
             QString("Footing width is smaller than the toe plus the stem"));
    QVERIFY(s.ui.events.isEmpty());
  }

  void loadingAFileAndResettingRedraw() {
    Screen s;
    auto* pane = Child<gui::DrawingPane>(&s.w, "fraDrawing");
    s.ui.files << QString(KELDOR_SOURCE_DIR) + "/examples/review-12ft-pile.in";
    s.trigger("mnuLoadInput");
    QVERIFY(pane->drawing().polygon("pile row 3") != nullptr);
    s.trigger("mnuResetPile");
    QVERIFY(pane->drawing().polygon("pile row 1") == nullptr);
  }

  void resultsArePickedByTheComboBoxAndDroppedOnAnEdit() {
    Screen s;
    s.ui.files << QString(KELDOR_SOURCE_DIR) + "/examples/review-si-spread.in";
    s.trigger("mnuLoadInput");
    auto* pane = Child<gui::DrawingPane>(&s.w, "fraDrawing");
    auto* combo = Child<QComboBox>(pane, "cboCombination");
    QVERIFY(!combo->isEnabled());
    fe::DrawingResults res;
    res.BW = 2.29f, res.TF = 450, res.DK = 0, res.WT = 900, res.WF = 2700;
    res.combinations = {{"Combination 1", true, 100, 0.12f, 0.08f, {}},
                        {"Combination 2", true, 600, 0.2f, 0, {}}};
    res.governing = 1;
    pane->setResults(&res);
    QVERIFY(combo->isEnabled());
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->currentText(), QString("Combination 2 (governing)"));
    QCOMPARE(pane->drawing().polygon("bearing pressure")->points.size(), std::size_t(3));
    combo->setCurrentIndex(0);
    QCOMPARE(pane->drawing().polygon("bearing pressure")->points.size(), std::size_t(4));
    // Results belong to the input they were run with.
    TypeInto(s.box("txtHT"), "500");
    QVERIFY(!pane->hasResults());
    QVERIFY(pane->drawing().polygon("bearing pressure") == nullptr);
    QVERIFY(!combo->isEnabled());
  }

  void aRunDrawsItsWallAndBaseReactions() {
    keldor_test::TempFolder dir;
    keldor_test::InFolder in{dir.path()};
    Screen s;
    auto* pane = Child<gui::DrawingPane>(&s.w, "fraDrawing");
    s.ui.files << QString(KELDOR_SOURCE_DIR) + "/examples/design-10ft-spread.in"
               << QString::fromStdString(dir / "wall.out");
    s.trigger("mnuLoadInput");
    s.trigger("mnuOutput");
    QCOMPARE(QString::fromStdString(pane->drawing().title), QString("Design limits"));
    s.trigger("mnuRunKeldor");
    QVERIFY2(pane->hasResults(), qPrintable(s.ui.events.join("|")));
    const fe::WallDrawing d = pane->drawing();
    QCOMPARE(QString::fromStdString(d.title), QString("Converged design"));
    QVERIFY(d.polygon("largest footing") == nullptr);
    QVERIFY(d.polygon("bearing pressure") != nullptr);
    int forces = 0;
    for (const fe::DrawArrow& a : d.arrows) forces += a.layer == fe::DrawLayer::Force;
    QVERIFY(forces >= 1);
    QCOMPARE(Child<QComboBox>(pane, "cboCombination")->count(), 3);  // one per combination
  }

  void exportDrawingAsksForANameAndWritesIt() {
    Screen s;
    QTemporaryDir dir;
    s.ui.files << dir.filePath("wall");  // no suffix: SVG
    s.trigger("mnuExportDrawing");
    QVERIFY(QFile::exists(dir.filePath("wall.svg")));
    s.ui.files << dir.filePath("wall.bmp");
    s.trigger("mnuExportDrawing");
    QCOMPARE(s.ui.events.last(), "ok: Error exporting the drawing\n\nCannot write file " +
                                     dir.filePath("wall.bmp") +
                                     ": the name must end in .svg or .png");
    QVERIFY(s.ui.events.contains("beep"));
  }
};

QTEST_MAIN(DrawingTest)
#include "gui_drawing_test.moc"
