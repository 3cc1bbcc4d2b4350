#include "input_echo.h"

#include <ctime>
#include <string>

#include "format.h"
#include "state.h"

namespace keldor {

namespace {

const char* const kBannerEdge = " * * * * * * * * * * * * * * * * * * * * * * * * * * *";
const char* const kBannerSide = " *                                                   *";

void Banner(const char* middle) {
  TextFile& r = S.report;
  r.line(kBannerEdge);
  r.line(kBannerSide);
  r.line(" *           P R O G R A M   K E L D O R             *");
  r.line(kBannerSide);
  r.line(middle);
  r.line(kBannerSide);
  r.line(kBannerEdge);
}

void SubHeading(const char* label) {
  S.report.blank();
  S.report.line(label);
  S.report.blank();
}

void Value(const char* label, const std::string& field) { S.report.line(label + field); }

// The option lines share one 40-column work field: a code outside its range
// is printed with whatever description the field last held.
class OptionLine {
 public:
  void write(const char* label, int code, std::initializer_list<std::pair<int, const char*>> texts) {
    for (const auto& t : texts)
      if (t.first == code) field_ = A(t.second, 40);
    S.report.line(label + I(code, 2) + field_);
  }
  void describe(int code, std::initializer_list<std::pair<int, const char*>> texts) {
    for (const auto& t : texts)
      if (t.first == code) field_ = A(t.second, 40);
  }
  const std::string& field() const { return field_; }

 private:
  std::string field_ = std::string(40, ' ');
};

void RunLine() {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  S.report.line(" (Version " + A(S.VERSION, 5) + ")" + X(16) + I(t.tm_mon + 1, 2) + "/" +
                I(t.tm_mday, 2, 2) + "/" + I(t.tm_year + 1900, 4, 4) + ", " + I(t.tm_hour, 2) +
                ":" + I(t.tm_min, 2, 2) + ":" + I(t.tm_sec, 2, 2));
}

void Options(OptionLine& work) {
  Heading(S.report, " P R O G R A M   O P T I O N S");
  S.report.blank();
  work.write(" PROGRAM UNITS      = ", S.IUNITS,
             {{KELDOR_ENGLISH, " (English: inches/pounds/degrees)"},
              {KELDOR_SI, " (SI: millimeters/newtons/degrees)"}});
  work.write(" ANALYSIS MODE      = ", S.IMODE,
             {{KELDOR_DESIGN, " (Design)"}, {KELDOR_REVIEW, " (Review)"}});
  work.write(" CONCRETE DESIGN    = ", S.IDESIGN,
             {{KELDOR_ULTIMATE_STRENGTH, " (Ultimate strength)"},
              {KELDOR_WORKING_STRESS, " (Working stress)"}});
  work.write(" SOIL CONFIGURATION = ", S.ISOIL,
             {{KELDOR_CONSTANT_SLOPE, " (Constant slope)"}, {KELDOR_IRREGULAR, " (Irregular)"}});
  work.write(" FOUNDATION TYPE    = ", S.IFOOT,
             {{KELDOR_SPREAD_FOOTING, " (Spread footing)"},
              {KELDOR_PILE_FOOTING, " (Pile footing)"}});
  if (S.IMODE == KELDOR_DESIGN && S.IFOOT == KELDOR_SPREAD_FOOTING) {
    work.describe(S.IOPTIM, {{KELDOR_BY_VOLUME, "<Optimized by volume>"},
                             {KELDOR_BY_WIDTH, "<Optimized by width>"}});
    S.report.line(X(25) + work.field());
  }
}

void Materials() {
  Heading(S.report, " M A T E R I A L   P R O P E R T I E S");
  SubHeading(" CONCRETE PROPERTIES:");
  Value("      Concrete unit weight          = ", G(S.RHOC));
  Value("      Concrete compressive strength = ", G(S.FC));
  Value("      Reinforcing steel strength    = ", G(S.FS));
  SubHeading(" SOIL PROPERTIES:");
  Value("      Soil unit weight              = ", G(S.RHOS));
  Value("      Soil friction angle           = ", G(Degrees(S.PHI)));
  Value("      Soil base cohesion            = ", G(S.COH));
}

void SoilParameters(OptionLine& work) {
  Heading(S.report, " S O I L   P A R A M E T E R S");
  SubHeading(" LATERAL PRESSURE COEFFICIENT:");
  S.report.line("      Regular loads = " + F(S.KA, 6, 3) + "  @ Y = " + F(S.YE, 6, 3) + "H");
  S.report.line("      Seismic loads = " + F(S.KAEQ, 6, 3) + "  @ Y = " + F(S.YEQ, 6, 3) + "H");
  SubHeading(" PASSIVE PRESSURE COEFFICIENT:");
  Value("      Regular loads = ", F(S.KP, 6, 3));
  Value("      Seismic loads = ", F(S.KPEQ, 6, 3));
  SubHeading(" SOIL/SOIL FRICTION COEFFICIENT:");
  Value("      Regular loads = ", F(S.SS, 6, 3));
  Value("      Wind loads    = ", F(S.SSW, 6, 3));
  Value("      Seismic loads = ", F(S.SSEQ, 6, 3));
  SubHeading(" SOIL/SOIL FRICTION OPTION:");
  work.write("      Option        = ", S.OPTSL,
             {{1, " (Use Pa vert component)"}, {0, " (No Pa vert component)"}});
}

void Loads() {
  Heading(S.report, " L O A D S");
  SubHeading(" LOADS AT TOP OF WALL:");
  S.report.line("      Dead load      = " + G(S.PD) + "  @ X = " + G(S.PDX));
  S.report.line("      Live load      = " + G(S.PL) + "  @ X = " + G(S.PLX));
  Value("      Wind shear     = ", G(S.VW));
  Value("      Wind moment    = ", G(S.MW));
  Value("      Seismic shear  = ", G(S.VEQ));
  Value("      Seismic moment = ", G(S.MEQ));
  if (S.ISOIL == KELDOR_IRREGULAR) {
    SubHeading(" SEISMIC ACCELERATION:");
    Value("      Horizontal     = ", G(S.AH));
    Value("      Vertical       = ", G(S.AV));
  }
  SubHeading(" LOAD COMBINATIONS:");
  for (int i = 1; i <= S.NLC; ++i) {
    S.report.line(X(6) + F(S.FD(i), 6, 3) + "D +" + F(S.FL(i), 6, 3) + "L +" + F(S.FE(i), 6, 3) +
                  "E +" + F(S.FSUR(i), 6, 3) + "SC +" + F(S.FW(i), 6, 3) + "W +" +
                  F(S.FEQ(i), 6, 3) + "EQ");
  }
}

void SoilConfiguration() {
  Heading(S.report, " S O I L   C O N F I G U R A T I O N");
  if (S.ISOIL == KELDOR_CONSTANT_SLOPE || S.ISOIL == KELDOR_IRREGULAR) {
    S.report.blank();
    Value(" Design height           = ", G(S.H));
    Value(" Height of soil over toe = ", G(S.HT));
  }
  if (S.ISOIL == KELDOR_CONSTANT_SLOPE) {
    Value(" Backfill slope angle    = ", G(Degrees(S.BETA)));
    S.report.blank();
    Value(" Uniform surcharge       = ", G(S.SUR));
  } else if (S.ISOIL == KELDOR_IRREGULAR) {
    SubHeading(" IRREGULAR BACKFILL SEGMENTS:");
    S.report.line(" NO       LENGTH      ANGLE");
    S.report.line(" ---------------------------");
    S.report.blank();
    for (int i = 1; i <= S.NSEG; ++i)
      S.report.line(I(i, 3) + X(6) + G(S.LSEG(i)) + X(2) + G(Degrees(S.ASEG(i))));
    SubHeading(" IRREGULAR SURCHARGE LOAD:");
    S.report.line(" NO    LOAD      XBEG      YBEG      XEND      YEND");
    S.report.line(" ---------------------------------------------------");
    S.report.blank();
    for (int i = 1; i <= S.NSUR; ++i)
      S.report.line(I(i, 3) + X(3) + G(S.SURL(i)) + G(S.XSBEG(i)) + G(S.YSBEG(i)) +
                    G(S.XSEND(i)) + G(S.YSEND(i)));
  }
}

void WallConfiguration() {
  Heading(S.report, " W A L L   C O N F I G U R A T I O N");
  S.report.blank();
  if (S.IMODE == KELDOR_DESIGN) {
    Value(" Minimum wall thickness    = ", G(S.TWMIN));
    Value(" Minimum wall batter       = ", G(Degrees(S.BWMIN)));
    Value(" Minimum footing thickness = ", G(S.TFMIN));
    Value(" Maximum key depth         = ", G(S.DKMAX));
    Value(" Maximum toe width         = ", G(S.WTMAX));
    Value(" Maximum heel width        = ", G(S.WHMAX));
    Value(" Minimum toe width         = ", G(S.WTMIN));
  } else if (S.IMODE == KELDOR_REVIEW) {
    Value(" Minimum wall thickness    = ", G(S.TWMIN));
    Value(" Wall batter               = ", G(Degrees(S.BW)));
    Value(" Footing thickness         = ", G(S.TF));
    Value(" Key depth                 = ", G(S.DK));
    Value(" Toe width                 = ", G(S.WT));
    Value(" Footing width             = ", G(S.WF));
  }
}

void RebarConfiguration() {
  Heading(S.report, " R E B A R   C O N F I G U R A T I O N");
  SubHeading(" REINFORCING STEEL INFORMATION:");
  Value("      Bar diameter            = ", G(S.DBAR));
  Value("      Ratio of balanced reinf = ", G(S.RATIO));
  SubHeading(" CONCRETE COVER:");
  Value("      At wall backface        = ", G(S.CW));
  Value("      At footing top          = ", G(S.CFTOP));
  Value("      At footing bottom       = ", G(S.CFBOT));
  if (S.IMODE == KELDOR_REVIEW) {
    SubHeading(" REINFORCING STEEL AREA:");
    Value("      At wall backface        = ", G(S.ASW));
    Value("      At footing top          = ", G(S.ASFTOP));
    Value("      At footing bottom       = ", G(S.ASFBOT));
  }
}

void Triple(const char* title, float regular, float wind, float seismic, bool fixed) {
  SubHeading(title);
  const auto edit = [fixed](float v) { return fixed ? F(v, 6, 3) : G(v); };
  Value("      Regular loads = ", edit(regular));
  Value("      Wind loads    = ", edit(wind));
  Value("      Seismic loads = ", edit(seismic));
}

void Foundation() {
  if (S.IFOOT == KELDOR_SPREAD_FOOTING) {
    Heading(S.report, " S P R E A D   F O O T I N G");
    Triple(" ALLOWABLE SOIL BEARING PRESSURE:", S.Q, S.QW, S.QEQ, false);
    Triple(" CONCRETE/SOIL FRICTION COEFFICIENT:", S.CS, S.CSW, S.CSEQ, true);
    Triple(" OVERTURNING SAFETY FACTORS:", S.SFOT, S.SFOTW, S.SFOTEQ, true);
    Triple(" SLIDING SAFETY FACTORS:", S.SFSL, S.SFSLW, S.SFSLEQ, true);
  } else if (S.IFOOT == KELDOR_PILE_FOOTING) {
    Heading(S.report, " P I L E   F O O T I N G");
    SubHeading(" PILE DESIGN PROPERTIES:");
    Value("      Pile diameter     = ", G(S.PILEDIA));
    Value("      Min edge distance = ", G(S.PILEME));
    Value("      Min spacing       = ", G(S.PILEMS));
    Value("      Pile batter angle = ", G(Degrees(S.PILEBAT)));
    SubHeading(" ALLOWABLE AXIAL PILE LOAD:");
    Value("      Regular loads     = ", G(S.PILEP));
    Value("      Wind loads        = ", G(S.PILEPW));
    Value("      Seismic loads     = ", G(S.PILEPEQ));
    SubHeading(" ALLOWABLE LATERAL PILE LOAD:");
    Value("      Regular loads     = ", G(S.PILEV));
    Value("      Wind loads        = ", G(S.PILEVW));
    Value("      Seismic loads     = ", G(S.PILEVEQ));
    if (S.IMODE == KELDOR_REVIEW) {
      SubHeading(" PILE LAYOUT:");
      S.report.line(" ROW   DISTANCE    BATTER      SPACING");
      S.report.line(" --------------------------------------");
      S.report.blank();
      for (int i = 1; i <= S.NROWS; ++i)
        S.report.line(I(i, 4) + X(2) + G(S.PILEX(i)) + X(2) + G(Degrees(S.PILEB(i))) + X(2) +
                      G(S.PILES(i)));
    }
  }
}

}  // namespace

void InputEcho() {
  TextFile& r = S.report;
  r.line(" " + A(S.TITLE, 80));
  r.blank();
  Banner(" *                 INPUT DATA ECHO                   *");
  RunLine();
  r.blank();
  r.line(" Input file  = " + A(S.INFILE, 80));
  r.line(" Output file = " + A(S.OUTFILE, 80));

  OptionLine work;
  Options(work);
  Materials();
  SoilParameters(work);
  Loads();
  SoilConfiguration();
  WallConfiguration();
  RebarConfiguration();
  Foundation();

  r.blank();
  r.blank();
  Banner(" *                   OUTPUT DATA                     *");
}

}  // namespace keldor
