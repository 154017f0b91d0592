#pragma once

#include <xlsxwriter.h>

namespace ampera::files {

// libxlsxwriter, loaded at its first use rather than at the program's start:
// with the compression and crypto libraries it brings, it would add about a
// tenth to the start of a program that writes a workbook only on request.

// The library's functions the workbook writer calls, each one named once.
#define AMPERA_XLSX_FUNCTIONS(X) \
    X(workbook_new)              \
    X(workbook_add_worksheet)    \
    X(workbook_add_format)       \
    X(workbook_close)            \
    X(format_set_bold)           \
    X(format_set_num_format)     \
    X(format_set_pattern)        \
    X(format_set_bg_color)       \
    X(worksheet_set_column)      \
    X(worksheet_write_string)    \
    X(worksheet_write_number)    \
    X(worksheet_write_blank)     \
    X(worksheet_freeze_panes)    \
    X(worksheet_autofilter)

struct XlsxLibrary {
#define AMPERA_XLSX_MEMBER(name) decltype(&::name) name = nullptr;
    AMPERA_XLSX_FUNCTIONS(AMPERA_XLSX_MEMBER)
#undef AMPERA_XLSX_MEMBER
};

// The library with every function found, or nullptr when it cannot be loaded.
const XlsxLibrary* xlsxLibrary();

}  // namespace ampera::files
