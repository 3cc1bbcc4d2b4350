// Binds the engine library by file name at run time and keeps it loaded.
#pragma once

#include <string>

#include "keldor.h"

namespace fe {

// The engine library's file name; the program looks for it in its own folder,
// then in the library folder of an installed tree (bin/../lib/keldor).
inline constexpr const char* kEngineLibraryName = "libkeldor.so";

// The installed tree's library folder, relative to the folder above the
// program's own (prefix/bin/keldor-run, prefix/lib/keldor/libkeldor.so), as
// KELDOR_INSTALL_LIBDIR of the top-level CMakeLists.txt installs it.
inline constexpr const char* kInstalledLibraryFolder = "lib/keldor";

class EngineLibrary {
 public:
  // Loads the library at `path` and resolves every export. On failure returns
  // false, leaves the object unloaded and puts the system's reason in `error`.
  bool load(const std::string& path, std::string* error);
  bool loaded() const { return handle_ != nullptr; }
  const std::string& path() const { return path_; }

  // The library of the running program: beside it (the build tree, or a copy
  // of the two) when it is there, else in the installed tree's library folder
  // when that folder is there (an error then names the library's place in
  // it), else beside it.
  static std::string locate();

  decltype(&::SETOPT) SETOPT = nullptr;
  decltype(&::SETMAT) SETMAT = nullptr;
  decltype(&::SETSP) SETSP = nullptr;
  decltype(&::SETLC) SETLC = nullptr;
  decltype(&::SETSCON) SETSCON = nullptr;
  decltype(&::SETWCON) SETWCON = nullptr;
  decltype(&::SETRCON) SETRCON = nullptr;
  decltype(&::SETSF) SETSF = nullptr;
  decltype(&::SETPF) SETPF = nullptr;
  decltype(&::SETPI) SETPI = nullptr;
  decltype(&::SETLF) SETLF = nullptr;
  decltype(&::SETIRR) SETIRR = nullptr;
  decltype(&::SETSUR) SETSUR = nullptr;
  decltype(&::CONDLL) CONDLL = nullptr;
  decltype(&::KELDOR_WRITTEN) KELDOR_WRITTEN = nullptr;
  // The results of the last run.
  decltype(&::GETRUN) GETRUN = nullptr;
  decltype(&::GETGEO) GETGEO = nullptr;
  decltype(&::GETEF) GETEF = nullptr;
  decltype(&::GETCHK) GETCHK = nullptr;
  decltype(&::GETMSG) GETMSG = nullptr;
  decltype(&::GETPIL) GETPIL = nullptr;
  decltype(&::GETNRC) GETNRC = nullptr;
  decltype(&::GETRCT) GETRCT = nullptr;
  decltype(&::GETRPL) GETRPL = nullptr;

 private:
  void* handle_ = nullptr;  // never closed: the library stays loaded
  std::string path_;
};

// The process's one engine binding, loaded from EngineLibrary::locate() at
// the first call. Returns nullptr (and the reason in `error`) when it cannot be
// loaded; a later call tries again.
EngineLibrary* Engine(std::string* error);

// The process's binding of the library file at `path`, loaded at the first
// call for that path and kept loaded; as Engine(), nullptr and the reason when
// it cannot be loaded.
EngineLibrary* EngineAt(const std::string& path, std::string* error);

}  // namespace fe
