// STL functions that msvcp140.dll exports but Wine lacks or implements only as "unimplemented" stubs
// (so its import library leaves them out): defined here as the STL's sources define them, each with the
// import-table cell through which code compiled against the STL's headers (which declare them
// dllimport) calls it.
#include <functional>
#include <regex>
#include <system_error>

namespace {

[[noreturn]] void __cdecl throw_bad_function_call() {
    throw std::bad_function_call();
}

// As stl/src/thread0.cpp: the STL's threads support reports errors by index.
[[noreturn]] void __cdecl throw_cpp_error(int code) {
    static constexpr const char* messages[] = {
        "device or resource busy",
        "invalid argument",
        "no such process",
        "not enough memory",
        "operation not permitted",
        "resource deadlock would occur",
        "resource unavailable try again",
    };
    static constexpr std::errc codes[] = {
        std::errc::device_or_resource_busy,
        std::errc::invalid_argument,
        std::errc::no_such_process,
        std::errc::not_enough_memory,
        std::errc::operation_not_permitted,
        std::errc::resource_deadlock_would_occur,
        std::errc::resource_unavailable_try_again,
    };
    throw std::system_error(static_cast<int>(codes[code]), std::generic_category(), messages[code]);
}

// As stl/src/xthrow.cpp: std::regex reports a pattern it cannot compile through this.
[[noreturn]] void __cdecl throw_regex_error(std::regex_constants::error_type code) {
    throw std::regex_error(code);
}

} // namespace

extern "C" {
extern void(__cdecl* const imported_Xbad_function_call)() __asm__("__imp_?_Xbad_function_call@std@@YAXXZ") =
    &throw_bad_function_call;
extern void(__cdecl* const imported_Throw_Cpp_error)(int) __asm__("__imp_?_Throw_Cpp_error@std@@YAXH@Z") =
    &throw_cpp_error;
extern void(__cdecl* const imported_Xregex_error)(std::regex_constants::error_type) __asm__(
    "__imp_?_Xregex_error@std@@YAXW4error_type@regex_constants@1@@Z") = &throw_regex_error;
}
