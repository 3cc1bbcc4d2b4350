// keldor-run's side of the export module: the drawing and PDF writers of
// drawing_file.h and report_pdf_file.h, reached through libkeldor-export.so,
// which is loaded at the first drawing or PDF asked for.
#include <dlfcn.h>

#include "drawing_file.h"
#include "engine_library.h"
#include "export_module.h"
#include "report_pdf_file.h"

namespace cli {
namespace {

struct ExportModule {
  decltype(&KeldorExportDrawing) drawing = nullptr;
  decltype(&KeldorExportPdf) pdf = nullptr;
  std::string why;  // why the module could not be loaded
};

// The module beside the analysis library, loaded once.
const ExportModule& Module() {
  static const ExportModule module = [] {
    ExportModule m;
    std::string path = fe::EngineLibrary::locate();
    const auto slash = path.rfind('/');
    path = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + kExportModuleName;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      const char* reason = dlerror();
      m.why = "cannot load " + path + (reason != nullptr ? std::string(": ") + reason : std::string());
      return m;
    }
    m.drawing = reinterpret_cast<decltype(&KeldorExportDrawing)>(dlsym(handle, "KeldorExportDrawing"));
    m.pdf = reinterpret_cast<decltype(&KeldorExportPdf)>(dlsym(handle, "KeldorExportPdf"));
    if (m.drawing == nullptr || m.pdf == nullptr) m.why = path + " is not Keldor's export module";
    return m;
  }();
  return module;
}

}  // namespace

#ifdef KELDOR_DRAWING
bool CanDraw() { return true; }
bool CanWritePdf() { return true; }
#else
bool CanDraw() { return false; }
bool CanWritePdf() { return false; }
#endif

bool WriteDrawingFile(const fe::InputRecord& record, const std::string& path, int width,
                      int height, std::string* error) {
  const ExportModule& m = Module();
  if (m.drawing == nullptr) {
    *error = "Cannot write file " + path + ": " + m.why;
    return false;
  }
  return m.drawing(&record, &path, &width, &height, error) != 0;
}

bool WriteReportPdf(const fe::InputRecord& record, const fe::RunResults* results,
                    const std::string& path, std::string* error) {
  const ExportModule& m = Module();
  if (m.pdf == nullptr) {
    *error = "Cannot write file " + path + ": " + m.why;
    return false;
  }
  return m.pdf(&record, results, &path, error) != 0;
}

}  // namespace cli
