// Opens libical by its soname at the first call (see base/ical_libical.h).
#define VESPERA_LIBICAL_LOADER
#include "base/ical_libical.h"

#include <dlfcn.h>

namespace vespera::ical {
namespace {

// Debian's libical3 (libical 3.0); the headers compiled against are the same.
constexpr const char* kSoname = "libical.so.3";

std::optional<Libical> opened() {
    void* handle = ::dlopen(kSoname, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return std::nullopt;
    Libical library;
    bool complete = true;
#define VESPERA_LIBICAL_LOOKUP(name)                                                          \
    library.name = reinterpret_cast<decltype(&::name)>(::dlsym(handle, #name));               \
    complete = complete && library.name != nullptr;
    VESPERA_LIBICAL_FUNCTIONS(VESPERA_LIBICAL_LOOKUP)
#undef VESPERA_LIBICAL_LOOKUP
    if (!complete) return std::nullopt;
    return library;
}

} // namespace

const Libical* libical() {
    static const std::optional<Libical> library = opened();
    return library ? &*library : nullptr;
}

} // namespace vespera::ical
