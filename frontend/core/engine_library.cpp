#include "engine_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <map>
#include <memory>

namespace fe {

namespace {

template <typename Fn>
bool bind(void* handle, const char* name, Fn* slot, std::string* error) {
  dlerror();
  void* sym = dlsym(handle, name);
  if (sym == nullptr) {
    if (error) {
      const char* why = dlerror();
      *error = std::string("export ") + name + " not found" + (why ? std::string(": ") + why : "");
    }
    return false;
  }
  *slot = reinterpret_cast<Fn>(sym);
  return true;
}

}  // namespace

bool EngineLibrary::load(const std::string& path, std::string* error) {
  if (handle_ != nullptr) return true;
  void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (h == nullptr) {
    if (error) {
      const char* why = dlerror();
      *error = why ? why : "cannot load " + path;
    }
    return false;
  }
  EngineLibrary b;
  const bool ok = bind(h, "SETOPT", &b.SETOPT, error) && bind(h, "SETMAT", &b.SETMAT, error) &&
                  bind(h, "SETSP", &b.SETSP, error) && bind(h, "SETLC", &b.SETLC, error) &&
                  bind(h, "SETSCON", &b.SETSCON, error) && bind(h, "SETWCON", &b.SETWCON, error) &&
                  bind(h, "SETRCON", &b.SETRCON, error) && bind(h, "SETSF", &b.SETSF, error) &&
                  bind(h, "SETPF", &b.SETPF, error) && bind(h, "SETPI", &b.SETPI, error) &&
                  bind(h, "SETLF", &b.SETLF, error) && bind(h, "SETIRR", &b.SETIRR, error) &&
                  bind(h, "SETSUR", &b.SETSUR, error) && bind(h, "CONDLL", &b.CONDLL, error) &&
                  bind(h, "KELDOR_WRITTEN", &b.KELDOR_WRITTEN, error) &&
                  bind(h, "GETRUN", &b.GETRUN, error) && bind(h, "GETGEO", &b.GETGEO, error) &&
                  bind(h, "GETEF", &b.GETEF, error) && bind(h, "GETCHK", &b.GETCHK, error) &&
                  bind(h, "GETMSG", &b.GETMSG, error) && bind(h, "GETPIL", &b.GETPIL, error) &&
                  bind(h, "GETNRC", &b.GETNRC, error) && bind(h, "GETRCT", &b.GETRCT, error) &&
                  bind(h, "GETRPL", &b.GETRPL, error);
  if (!ok) {
    if (error) *error = path + ": " + *error;
    dlclose(h);
    return false;
  }
  *this = b;
  handle_ = h;
  path_ = path;
  return true;
}

std::string EngineLibrary::locate() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  std::string dir = ".";
  if (n > 0) {
    std::string exe(buf, static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    if (slash != std::string::npos) dir = exe.substr(0, slash);
  }
  std::string beside = dir + "/" + kEngineLibraryName;  // moved out when returned
  if (access(beside.c_str(), F_OK) == 0) return beside;
  const auto up = dir.rfind('/');
  if (up == std::string::npos) return beside;
  const std::string folder = dir.substr(0, up) + "/" + kInstalledLibraryFolder;
  return access(folder.c_str(), F_OK) == 0 ? folder + "/" + kEngineLibraryName : beside;
}

EngineLibrary* Engine(std::string* error) { return EngineAt(EngineLibrary::locate(), error); }

EngineLibrary* EngineAt(const std::string& path, std::string* error) {
  static std::map<std::string, EngineLibrary> bound;
  EngineLibrary& lib = bound[path];
  if (!lib.loaded() && !lib.load(path, error)) return nullptr;
  return &lib;
}

}  // namespace fe
