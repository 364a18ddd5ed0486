// Whether this program was built with AddressSanitizer. The one place that asks the compiler: GCC
// says so with __SANITIZE_ADDRESS__, clang also through __has_feature.
#pragma once

namespace kadenzo::validate {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool addressSanitizerBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool addressSanitizerBuild = true;
#else
inline constexpr bool addressSanitizerBuild = false;
#endif
#else
inline constexpr bool addressSanitizerBuild = false;
#endif

} // namespace kadenzo::validate
