#include "input_file.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <istream>

#include "atomic_file.h"
#include "file_names.h"
#include "input_defaults.h"
#include "number_text.h"

#include "keldor.h"

namespace fe {

namespace {

constexpr const char* kLineEnd = "\r\n";

float At(const RecordArray& a, std::int32_t i) { return a.at_or_zero(i); }

// ---- Writing ------------------------------------------------------------------

class Writer {
 public:
  void title(const std::string& t) {
    std::string one = t;
    for (char& c : one)
      if (c == '\r' || c == '\n') c = ' ';  // the title is one line of the file
    text_ += "\"" + one + "\"" + kLineEnd;
  }
  void integers(std::initializer_list<std::int32_t> values) {
    std::string line;
    for (std::int32_t v : values) line += (line.empty() ? "" : ",") + FileNumber(v);
    text_ += line + kLineEnd;
  }
  // A line of floats, optionally ended by one integer.
  void reals(const char* what, std::initializer_list<float> values,
             const std::int32_t* trailing = nullptr) {
    std::string line;
    for (float v : values) {
      if (!std::isfinite(v) && error_.empty())
        error_ = std::string("a value of the ") + what + " is not a number";
      line += (line.empty() ? "" : ",") + FileNumber(v);
    }
    if (trailing) line += "," + FileNumber(*trailing);
    text_ += line + kLineEnd;
  }
  // A count line; the count must be one the file can be read back with.
  void count(const char* what, std::int32_t n) {
    if ((n < 0 || n > kMaxCount) && error_.empty())
      error_ = std::string("the number of ") + what + " (" + std::to_string(n) +
               ") is outside 0.." + std::to_string(kMaxCount);
    integers({n});
  }
  void rows(const char* what, std::int32_t n, std::initializer_list<const RecordArray*> arrays) {
    for (std::int32_t i = 1; i <= n && i <= kMaxCount; ++i) {
      std::string line;
      for (const RecordArray* a : arrays) {
        const float v = At(*a, i);
        if (!std::isfinite(v) && error_.empty())
          error_ = std::string("a value of the ") + what + " is not a number";
        line += (line.empty() ? "" : ",") + FileNumber(v);
      }
      text_ += line + kLineEnd;
    }
  }
  const std::string& text() const { return text_; }
  const std::string& error() const { return error_; }

 private:
  std::string text_;
  std::string error_;
};

// ---- Reading --------------------------------------------------------------------

// A file line longer than this is not an input file.
constexpr std::size_t kMaxLine = 65536;

struct Field {
  std::string text;
  bool quoted = false;
};

struct LoadFailure {
  std::string why;
};

// The fields of the file in order. Fields are separated by commas and by line
// ends (CR LF, LF or CR; the last line may lack one); empty lines are skipped.
// A field in double quotes runs to the last double quote of its line, so a
// title may itself hold quotes and commas.
class FieldReader {
 public:
  explicit FieldReader(std::istream& in) : in_(in) {}

  // Back to the first field of the file.
  void restart() {
    in_.clear();
    in_.seekg(0);
    inLine_ = false;
    lineNo_ = 0;
  }

  // The next field; false at the end of the file.
  bool next(Field* f) {
    while (!inLine_) {
      if (!readLine()) return false;
      if (line_.find_first_not_of(" \t") != std::string::npos) {
        inLine_ = true;
        pos_ = 0;
      }
    }
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
    f->quoted = pos_ < line_.size() && line_[pos_] == '"';
    std::size_t end = 0;
    if (f->quoted) {
      const std::size_t close = line_.rfind('"');
      const std::size_t stop = close > pos_ ? close : line_.size();
      f->text = line_.substr(pos_ + 1, stop - pos_ - 1);
      end = line_.find(',', stop);
    } else {
      end = line_.find(',', pos_);
      f->text = line_.substr(pos_, end == std::string::npos ? std::string::npos : end - pos_);
      while (!f->text.empty() && (f->text.back() == ' ' || f->text.back() == '\t'))
        f->text.pop_back();
    }
    if (end == std::string::npos) {
      inLine_ = false;  // the line end ends the field
    } else {
      pos_ = end + 1;   // the next field starts after the comma, even if empty
    }
    return true;
  }

  int line() const { return lineNo_; }

 private:
  bool readLine() {
    line_.clear();
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) return false;
    ++lineNo_;
    while (c != std::char_traits<char>::eof() && c != '\n' && c != '\r') {
      if (line_.size() >= kMaxLine)
        throw LoadFailure{"line " + std::to_string(lineNo_) + " is too long for an input file"};
      line_ += static_cast<char>(c);
      c = in_.get();
    }
    if (c == '\r' && in_.peek() == '\n') in_.get();
    if (in_.bad()) throw LoadFailure{"the file could not be read"};
    return true;
  }

  std::istream& in_;
  std::string line_;
  std::size_t pos_ = 0;
  bool inLine_ = false;
  int lineNo_ = 0;
};

// Reads the layout into a record that the caller takes over only when the
// whole file was read.
class Loader {
 public:
  Loader(std::istream& in, InputRecord& r) : in_(in), r_(r) {}

  void load() {
    // Fields of sections the file does not hold keep the defaults of the
    // units in force before the load.
    ResetOptions(r_);
    ResetMaterial(r_);
    ResetSoilParameters(r_);
    ResetLoads(r_);
    ResetSoilConfiguration(r_);
    ResetWallConfiguration(r_);
    ResetRebarConfiguration(r_);
    ResetSpreadFooting(r_);
    ResetPileFooting(r_);

    // The title line. A quoted first field is always the title (even one
    // that reads as a number); an unquoted one is taken as the title when it
    // is not a unit code, as in files written by hand.
    bool titled = false;
    Field first = field("the program options");
    if (first.quoted) {
      r_.TITLE = first.text;
      titled = true;
      options(6);
    } else {
      in_.restart();
      options(6);
      if (r_.IUNITS != KELDOR_ENGLISH && r_.IUNITS != KELDOR_SI) {
        in_.restart();
        r_.TITLE = field("the title").text;
        titled = true;
        options(6);
      }
    }
    // An older file with five options: the sixth value read was the first
    // material property. Such files also lack the minimum toe width.
    bool older = false;
    if (r_.IOPTIM < 1) {
      in_.restart();
      if (titled) field("the title");
      options(5);
      r_.IOPTIM = KELDOR_BY_VOLUME;
      older = true;
    }

    reals("the material properties", {&r_.RHOC, &r_.FC, &r_.FS, &r_.RHOS, &r_.PHI, &r_.COH});
    reals("the lateral pressure coefficients", {&r_.KA, &r_.YE, &r_.KAEQ, &r_.YEQ});
    reals("the passive pressure coefficients", {&r_.KP, &r_.KPEQ});
    reals("the soil/soil friction coefficients", {&r_.SS, &r_.SSW, &r_.SSEQ});
    r_.OPTSL = integer("the soil/soil friction option");
    reals("the dead load", {&r_.PD, &r_.PDX});
    reals("the live load", {&r_.PL, &r_.PLX});
    reals("the wind load", {&r_.VW, &r_.MW});
    reals("the seismic load", {&r_.AH, &r_.AV, &r_.VEQ, &r_.MEQ});
    r_.NLC = count("load combinations", 1);
    rows("load combinations", r_.NLC, {&r_.FD, &r_.FL, &r_.FE, &r_.FSUR, &r_.FW, &r_.FEQ});

    if (r_.ISOIL == KELDOR_IRREGULAR) {
      reals("the soil configuration", {&r_.H, &r_.HT});
      r_.NSEG = count("irregular backfill segments", 1);
      rows("irregular backfill segments", r_.NSEG, {&r_.LSEG, &r_.ASEG});
      r_.NSUR = count("irregular surcharge loads", 0);
      if (r_.NSUR >= 1)
        rows("irregular surcharge loads", r_.NSUR,
             {&r_.SURL, &r_.XSBEG, &r_.YSBEG, &r_.XSEND, &r_.YSEND});
    } else if (r_.ISOIL == KELDOR_CONSTANT_SLOPE) {
      reals("the soil configuration", {&r_.H, &r_.HT, &r_.BETA});
      reals("the uniform surcharge", {&r_.SUR});
    }

    if (r_.IMODE == KELDOR_DESIGN) {
      reals("the wall configuration",
            {&r_.TWMIN, &r_.BWMIN, &r_.TFMIN, &r_.DKMAX, &r_.WTMAX, &r_.WHMAX});
      if (older) r_.WTMIN = 0.0f;
      else reals("the wall configuration", {&r_.WTMIN});
      r_.BW = r_.BWMIN;
      r_.TF = r_.TFMIN;
      r_.DK = r_.DKMAX;
      r_.WT = 0.0f;
      r_.WF = 0.0f;
    } else if (r_.IMODE == KELDOR_REVIEW) {
      reals("the wall configuration", {&r_.TWMIN, &r_.BW, &r_.TF, &r_.DK, &r_.WT, &r_.WF});
      // The design limits follow the reviewed wall: its heel is what the
      // footing width leaves beyond the toe.
      r_.BWMIN = r_.BW;
      r_.TFMIN = r_.TF;
      r_.DKMAX = r_.DK;
      r_.WHMAX = r_.WF - r_.WT;
      r_.WTMAX = r_.WT;
      r_.WTMIN = r_.WT;
      reals("the reinforcing steel areas", {&r_.ASW, &r_.ASFTOP, &r_.ASFBOT});
    }
    reals("the concrete covers", {&r_.CW, &r_.CFTOP, &r_.CFBOT});
    reals("the reinforcing steel information", {&r_.DBAR, &r_.RATIO});

    if (r_.IFOOT == KELDOR_SPREAD_FOOTING) {
      reals("the allowable soil bearing pressures", {&r_.Q, &r_.QW, &r_.QEQ});
      reals("the concrete/soil friction coefficients", {&r_.CS, &r_.CSW, &r_.CSEQ});
      reals("the overturning safety factors", {&r_.SFOT, &r_.SFOTW, &r_.SFOTEQ});
      reals("the sliding safety factors", {&r_.SFSL, &r_.SFSLW, &r_.SFSLEQ});
    } else if (r_.IFOOT == KELDOR_PILE_FOOTING) {
      reals("the pile design properties", {&r_.PILEDIA, &r_.PILEME, &r_.PILEMS, &r_.PILEBAT});
      reals("the allowable axial pile loads", {&r_.PILEP, &r_.PILEPW, &r_.PILEPEQ});
      reals("the allowable lateral pile loads", {&r_.PILEV, &r_.PILEVW, &r_.PILEVEQ});
      if (r_.IMODE == KELDOR_REVIEW) {
        r_.NROWS = count("pile rows", 1);
        rows("pile rows", r_.NROWS, {&r_.PILEX, &r_.PILEB, &r_.PILES});
      }
    }
  }

 private:
  Field field(const std::string& what) {
    Field f;
    if (!in_.next(&f)) throw LoadFailure{"the file ends before " + what};
    return f;
  }

  [[noreturn]] void bad(const std::string& what, const Field& f, const std::string& why) {
    throw LoadFailure{"line " + std::to_string(in_.line()) + ": \"" + f.text + "\" in " + what +
                      " " + why};
  }

  std::int32_t integer(const std::string& what) {
    const Field f = field(what);
    std::int32_t v = 0;
    if (!ReadInteger(f.text, &v)) bad(what, f, "is too large");
    return v;
  }

  void options(int n) {
    std::int32_t* fields[] = {&r_.IUNITS, &r_.IMODE, &r_.IDESIGN, &r_.ISOIL, &r_.IFOOT, &r_.IOPTIM};
    for (int i = 0; i < n; ++i) *fields[i] = integer("the program options");
  }

  void reals(const std::string& what, std::initializer_list<float*> fields) {
    for (float* p : fields) {
      const Field f = field(what);
      if (!ReadFloat(f.text, p)) bad(what, f, "is too large");
    }
  }

  // A count of records; below `least` there is nothing to size the arrays.
  std::int32_t count(const std::string& what, std::int32_t least) {
    const std::string where = "the number of " + what;
    const Field f = field(where);
    std::int32_t n = 0;
    if (!ReadInteger(f.text, &n) || n < least || n > kMaxCount)
      bad(where, f, "is not a number from " + std::to_string(least) + " to " +
                        std::to_string(kMaxCount));
    return n;
  }

  // The arrays are re-created for records 1..n, all zero, then filled.
  void rows(const std::string& what, std::int32_t n, std::initializer_list<RecordArray*> arrays) {
    for (RecordArray* a : arrays) a->resize(n);
    for (std::int32_t i = 1; i <= n; ++i)
      for (RecordArray* a : arrays) {
        const Field f = field("the " + what);
        float v = 0.0f;
        if (!ReadFloat(f.text, &v)) bad("the " + what, f, "is too large");
        (*a)(i) = v;
      }
  }

  FieldReader in_;
  InputRecord& r_;
};

}  // namespace

bool InputFileText(const InputRecord& r, std::string* text, std::string* error) {
  Writer w;
  w.title(r.TITLE.trimmed());
  w.integers({r.IUNITS, r.IMODE, r.IDESIGN, r.ISOIL, r.IFOOT, r.IOPTIM});
  w.reals("material properties", {r.RHOC, r.FC, r.FS, r.RHOS, r.PHI, r.COH});
  w.reals("lateral pressure coefficients", {r.KA, r.YE, r.KAEQ, r.YEQ});
  w.reals("passive pressure coefficients", {r.KP, r.KPEQ});
  w.reals("soil/soil friction coefficients", {r.SS, r.SSW, r.SSEQ}, &r.OPTSL);
  w.reals("dead load", {r.PD, r.PDX});
  w.reals("live load", {r.PL, r.PLX});
  w.reals("wind load", {r.VW, r.MW});
  w.reals("seismic load", {r.AH, r.AV, r.VEQ, r.MEQ});
  w.count("load combinations", r.NLC);
  w.rows("load combinations", r.NLC, {&r.FD, &r.FL, &r.FE, &r.FSUR, &r.FW, &r.FEQ});

  if (r.ISOIL == KELDOR_CONSTANT_SLOPE) {
    w.reals("soil configuration", {r.H, r.HT, r.BETA});
    w.reals("uniform surcharge", {r.SUR});
  } else if (r.ISOIL == KELDOR_IRREGULAR) {
    w.reals("soil configuration", {r.H, r.HT});
    w.count("irregular backfill segments", r.NSEG);
    w.rows("irregular backfill segments", r.NSEG, {&r.LSEG, &r.ASEG});
    w.count("irregular surcharge loads", r.NSUR);
    w.rows("irregular surcharge loads", r.NSUR, {&r.SURL, &r.XSBEG, &r.YSBEG, &r.XSEND, &r.YSEND});
  }

  if (r.IMODE == KELDOR_DESIGN) {
    w.reals("wall configuration", {r.TWMIN, r.BWMIN, r.TFMIN, r.DKMAX, r.WTMAX, r.WHMAX, r.WTMIN});
  } else if (r.IMODE == KELDOR_REVIEW) {
    w.reals("wall configuration", {r.TWMIN, r.BW, r.TF, r.DK, r.WT, r.WF});
    w.reals("reinforcing steel areas", {r.ASW, r.ASFTOP, r.ASFBOT});
  }
  w.reals("concrete covers", {r.CW, r.CFTOP, r.CFBOT});
  w.reals("reinforcing steel information", {r.DBAR, r.RATIO});

  if (r.IFOOT == KELDOR_SPREAD_FOOTING) {
    w.reals("allowable soil bearing pressures", {r.Q, r.QW, r.QEQ});
    w.reals("concrete/soil friction coefficients", {r.CS, r.CSW, r.CSEQ});
    w.reals("overturning safety factors", {r.SFOT, r.SFOTW, r.SFOTEQ});
    w.reals("sliding safety factors", {r.SFSL, r.SFSLW, r.SFSLEQ});
  } else if (r.IFOOT == KELDOR_PILE_FOOTING) {
    w.reals("pile design properties", {r.PILEDIA, r.PILEME, r.PILEMS, r.PILEBAT});
    w.reals("allowable axial pile loads", {r.PILEP, r.PILEPW, r.PILEPEQ});
    w.reals("allowable lateral pile loads", {r.PILEV, r.PILEVW, r.PILEVEQ});
    if (r.IMODE == KELDOR_REVIEW) {
      w.count("pile rows", r.NROWS);
      w.rows("pile rows", r.NROWS, {&r.PILEX, &r.PILEB, &r.PILES});
    }
  }

  if (!w.error().empty()) {
    if (error) *error = w.error();
    return false;
  }
  *text = w.text();
  return true;
}

bool SaveInputFile(InputRecord& r, const std::string& path, std::string* error) {
  std::string text;
  std::string why;
  if (!InputFileText(r, &text, &why)) {
    if (error) *error = "Cannot write file " + path + ": " + why;
    return false;
  }
  if (!WriteFileAtomically(path, text, &why)) {
    if (error) *error = "Cannot write file " + path + ": " + why;
    return false;
  }
  r.INPATH = path;
  r.INFILE = FileTitle(path);
  return true;
}

bool LoadInputFile(InputRecord& r, const std::string& path, std::string* error) {
  std::ifstream file(path, std::ios::binary);
  const int openError = errno;
  std::error_code ec;
  if (!file || std::filesystem::is_directory(path, ec)) {
    const int why = file ? EISDIR : openError;
    if (error) *error = "Cannot open file " + path + ": " + std::strerror(why);
    return false;
  }
  InputRecord scratch = r;
  try {
    Loader(file, scratch).load();
  } catch (const LoadFailure& failure) {
    if (error) *error = "Cannot load file " + path + ": " + failure.why;
    return false;
  } catch (const std::bad_alloc&) {
    if (error) *error = "Cannot load file " + path + ": not enough memory";
    return false;
  }
  scratch.INPATH = path;
  scratch.INFILE = FileTitle(path);
  r = std::move(scratch);
  return true;
}

}  // namespace fe
