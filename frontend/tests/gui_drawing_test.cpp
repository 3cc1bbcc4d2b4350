// The wall drawing in the window and in its files: the pane beside every
// tab following each edit, File > Export Drawing, and the SVG and PNG files
// holding what the geometry says.
#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QPolygonF>
#include <QSplitter>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "drawing_export.h"
#include "drawing_painter.h"
#include "drawing_pane.h"
#include "input_file.h"
#include "keldor.h"
#include "recording_ui.h"
#include "start_up.h"
#include "test_support.h"
#include "wall_drawing.h"

namespace {

fe::InputRecord Example(const char* name) {
  fe::InputRecord r = StartUp();
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

}  // namespace

class DrawingTest : public QObject {
  Q_OBJECT

 private slots:
  // The outlines, piles and arrow heads of the geometry, each painted once.
  void svgHoldsEveryOutlinePileAndArrow() {
    fe::DrawingResults res;
    res.BW = 0, res.TF = 30, res.DK = 6, res.WT = 36, res.WF = 132;
    res.forces = {{"Earth", 1000, 60}, {"Seismic", 400, 90}};
    const struct {
      const char* example;
      const fe::DrawingResults* results;
      int concrete, piles, loads, forces;
      const char* words;
    } rows[] = {
        // Stem, footing and key; three rows; PD and PL; two earth forces.
        {"review-12ft-pile.in", &res, 3, 3, 2, 2, "PD = 1200 lbs/in"},
        // No key (DKMAX = 0); the surcharge's seven arrows.
        {"design-10ft-spread.in", nullptr, 2, 0, 7, 0, "WTMAX = 60 in"},
    };
    for (const auto& row : rows) {
      const fe::WallDrawing d = fe::DrawWall(Example(row.example), row.results);
      const QByteArray svg = gui::DrawingSvg(d, QSize(1000, 700));
      QString problem;
      const QMap<QString, int> fills = PolygonsByFill(svg, &problem);
      QVERIFY2(problem.isEmpty(), qPrintable(problem));
      QCOMPARE(fills.value("#c8c8c8"), row.concrete);
      QCOMPARE(fills.value("#9a9a9a"), row.piles);
      QCOMPARE(fills.value("#1f4e9a"), row.loads);
      QCOMPARE(fills.value("#c0392b"), row.forces);
      QVERIFY2(svg.contains(row.words), row.example);
    }
  }

  // In a pane as narrow as a 1366 x 768 screen leaves, and in an export,
  // every text lies inside the area, clear of the concrete and of the
  // others; none that matters is left out.
  void labelsStayInsideApartAndClearOfTheWall() {
    fe::DrawingResults spread;
    spread.BW = 0, spread.TF = 18, spread.WT = 36, spread.WF = 96;
    spread.forces = {{"Earth", 220.4f, 46}, {"Earth + surcharge", 300.3f, 52.1f}};
    spread.combinations = {{"Combination 1", true, 1.910f, 7.870f, 6.192f, {}}};
    fe::DrawingResults piles;
    piles.BW = 0, piles.TF = 30, piles.WT = 36, piles.WF = 132;
    piles.forces = {{"Earth", 346.7f, 58}, {"Seismic", 126.1f, 87}};
    piles.combinations = {{"Combination 1", false, 0, 0, 0, {104136, 69428, 40061}}};
    fe::InputRecord reference = Example("review-si-spread.in");
    reference.IUNITS = KELDOR_ENGLISH, reference.H = 120, reference.TWMIN = 12, reference.BW = 0;
    reference.BETA = 0, reference.HT = 0;
    const std::pair<fe::InputRecord, const fe::DrawingResults*> walls[] = {
        {Example("design-10ft-spread.in"), nullptr}, {Example("design-irregular-spread.in"), nullptr},
        {Example("review-si-spread.in"), nullptr},   {Example("review-12ft-pile.in"), &piles},
        {reference, &spread}};
    QImage device(10, 10, QImage::Format_ARGB32);
    for (const auto& [record, results] : walls)
      for (const QSizeF size : {QSizeF(290, 660), QSizeF(460, 660), QSizeF(1400, 1000)}) {
        const fe::WallDrawing d = fe::DrawWall(record, results);
        const QRectF area(QPointF(0, 0), size);
        const gui::DrawingLayout l = gui::LayOutDrawing(d, area, size.width() > 1000 ? 16 : 11, &device);
        const QString where = QString::fromStdString(d.title) + " " + QString::number(size.width());
        QVERIFY2(l.drawn && l.covering == 0, qPrintable(where));
        int essential = 0;
        auto count = [&](const auto& all) {
          for (const auto& x : all) essential += x.importance == fe::Importance::Essential;
        };
        count(d.dimensions), count(d.arrows), count(d.labels);
        std::vector<QPolygonF> concrete;
        for (const fe::DrawPolygon& g : d.polygons) {
          QPolygonF outline;
          for (fe::DrawPoint p : g.points) outline << l.map(p);
          if (g.layer == fe::DrawLayer::Concrete) concrete.push_back(outline);
        }
        for (const gui::PlacedText& t : l.texts) {
          const QString what = where + ": " + t.text;
          essential -= t.importance == fe::Importance::Essential;
          QVERIFY2(l.frame.contains(t.box), qPrintable(what));
          for (const QPolygonF& c : concrete)
            QVERIFY2(!c.intersects(QPolygonF(t.box)), qPrintable(what));
          for (const gui::PlacedText& u : l.texts)
            QVERIFY2(&u == &t || !u.box.intersects(t.box), qPrintable(what + " over " + u.text));
        }
        QVERIFY2(essential == 0, qPrintable(where));
        // The wide export leaves nothing out.
        if (size.width() > 1000) QVERIFY2(l.dropped == 0, qPrintable(where));
      }
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
    // On a 1366 x 768 screen the drawing has its share of the width, not
    // what the row of tab captions leaves.
    s.w.resize(1366, 740);
    QTest::qWait(0);
    QVERIFY2(pane->width() >= 400, qPrintable(QString::number(pane->width())));
    s.click("optReview");
    TypeInto(s.box("txtH"), "120");
    TypeInto(s.box("txtTWMIN"), "12");
    TypeInto(s.box("txtTFMIN"), "18");
    TypeInto(s.box("txtBWMIN"), "0");
    TypeInto(s.box("txtWTMAX"), "36");
    TypeInto(s.box("txtWHMAX"), "96");
    QCOMPARE(pane->drawing().polygon("footing")->points[0].x, -48.0f);
    QCOMPARE(pane->drawing().polygon("footing")->points[1].x, 48.0f);
    auto* canvas = Child<QWidget>(pane, "picDrawing");
    const QImage before = canvas->grab().toImage();
    // A slip of the finger: the wall grows tenfold and the picture says so.
    TypeInto(s.box("txtH"), "1200");
    QCOMPARE(pane->drawing().polygon("stem")->points[2].y, -1200.0f);
    QVERIFY(canvas->grab().toImage() != before);
    // Geometry that cannot be drawn: a note, no message box.
    TypeInto(s.box("txtWHMAX"), "20");
    QCOMPARE(pane->drawing().notes,
             std::vector<std::string>{"Footing width is smaller than the toe plus the stem"});
    QVERIFY(s.ui.events.isEmpty());
    // Loading a file and resetting redraw.
    s.ui.saveAnswers << gui::SaveChoice::Discard;
    s.load(QString(KELDOR_SOURCE_DIR) + "/examples/review-12ft-pile.in");
    QVERIFY(pane->drawing().polygon("pile row 3") != nullptr);
    s.trigger("mnuResetPile");
    QVERIFY(pane->drawing().polygon("pile row 1") == nullptr);
  }

  void resultsArePickedByTheComboBoxAndDroppedOnAnEdit() {
    Screen s;
    s.load(QString(KELDOR_SOURCE_DIR) + "/examples/review-si-spread.in");
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
    s.load(QString(KELDOR_SOURCE_DIR) + "/examples/review-si-spread.in");
    s.ui.events.clear();
    QTemporaryDir dir;
    s.ui.files << dir.filePath("wall");  // no suffix: SVG, at no size asked
    s.trigger("mnuExportDrawing");
    QFile svg(dir.filePath("wall.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    s.ui.files << dir.filePath("W.SVG");  // the suffix in either case
    s.trigger("mnuExportDrawing");
    QVERIFY(QFile::exists(dir.filePath("W.SVG")));
    // A PNG at the size asked for, the wall on it; a cancelled size writes
    // none; a suffix it cannot write, nothing and a message saying why.
    s.ui.files << dir.filePath("wall.png") << dir.filePath("none.png");
    s.ui.sizes << QSize(640, 480) << QSize();
    s.trigger("mnuExportDrawing");
    s.trigger("mnuExportDrawing");
    QCOMPARE(s.ui.events.filter("size dialog: 1400x1000").size(), 2);
    QVERIFY(!QFile::exists(dir.filePath("none.png")));
    const QImage image(dir.filePath("wall.png"));
    QCOMPARE(image.size(), QSize(640, 480));
    int concrete = 0, white = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        concrete += image.pixel(x, y) == QColor(0xc8, 0xc8, 0xc8).rgb();
        white += image.pixel(x, y) == QColor(Qt::white).rgb();
      }
    QVERIFY2(concrete > 2000, qPrintable(QString::number(concrete)));
    QVERIFY(white > 640 * 480 / 4);
    s.ui.files << dir.filePath("wall.bmp");
    s.trigger("mnuExportDrawing");
    QCOMPARE(s.ui.events.last(), "ok: Error exporting the drawing\n\nCannot write file " +
                                     dir.filePath("wall.bmp") +
                                     ": the name must end in .svg or .png");
    QVERIFY(s.ui.events.contains("beep"));
    // A folder that is not there: nothing is written and the reason is named;
    // a failed write leaves the file it would have replaced as it was.
    QVERIFY(QDir(dir.path()).mkdir("keep.svg"));
    s.ui.files << dir.filePath("no/w.svg") << dir.filePath("keep.svg");
    s.ui.events.clear();
    s.trigger("mnuExportDrawing");
    s.trigger("mnuExportDrawing");
    QCOMPARE(s.ui.events.size(), 6);
    QVERIFY2(s.ui.events[2].startsWith("ok: Error exporting the drawing\n\nCannot write file " +
                                       dir.filePath("no/w.svg")), qPrintable(s.ui.events[2]));
    QVERIFY(QFileInfo(dir.filePath("keep.svg")).isDir() && !QFile::exists(dir.filePath("no")));
  }
};

QTEST_MAIN(DrawingTest)
#include "gui_drawing_test.moc"
