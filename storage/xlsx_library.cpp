#include "storage/xlsx_library.h"

#include <optional>

#include "storage/platform.h"

namespace ampera::files {

const XlsxLibrary* xlsxLibrary() {
    static const std::optional<XlsxLibrary> library = []() -> std::optional<XlsxLibrary> {
        void* handle = platform::loadLibrary(AMPERA_XLSXWRITER_SONAME);
        if (!handle) return std::nullopt;
        XlsxLibrary l;
        bool found = true;
        const auto bind = [&](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                platform::librarySymbol(handle, name));
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
