#include "storage/xlsx_library.h"

#include <dlfcn.h>
#include <optional>

namespace ampera::files {

const XlsxLibrary* xlsxLibrary() {
    static const std::optional<XlsxLibrary> library = []() -> std::optional<XlsxLibrary> {
        void* handle = ::dlopen(AMPERA_XLSXWRITER_SONAME, RTLD_NOW | RTLD_LOCAL);
        if (!handle) return std::nullopt;
        XlsxLibrary l;
        bool found = true;
        const auto bind = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(handle, name));
            found = found && function;
        };
#define AMPERA_XLSX_BIND(name) bind(l.name, #name);
        AMPERA_XLSX_FUNCTIONS(AMPERA_XLSX_BIND)
#undef AMPERA_XLSX_BIND
        return found ? std::optional(l) : std::nullopt;
    }();
    return library ? &*library : nullptr;
}

}  // namespace ampera::files
