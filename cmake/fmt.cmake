# {fmt}, vendored in third_party/fmt, compiled once in every build into a static library.
#   kadenzo::fmt   {fmt}'s src/format.cc as a static library, third_party/fmt/include as a system
#                  include folder, and text/ for number_text.h, the shortest text of a float or a double,
#                  which {fmt} 7's "{}" does not always give (see there). The plugin module, pluginsdk,
#                  kadenzo-sim, the tests and the benchmarks, on Linux and in the Windows cross build, all
#                  link this one copy, so its code is in each of them and no module needs a {fmt}
#                  library at run time.
# Rationale: not header-only, which would compile {fmt}'s whole implementation again into every source
# that includes it: three seconds each, for some sixty sources in each build.
#
# KADENZO_FMT_RELEASE names the release the vendored headers are, here and nowhere else: the configure
# step reads FMT_VERSION from them and refuses another. kadenzo-sim --version prints the same macro, and
# the test build.third_party_releases checks that no header of another {fmt} is compiled.

include(fmt_release)

set(KADENZO_FMT_RELEASE 7.0.3)
set(fmt_include_dir ${PROJECT_SOURCE_DIR}/third_party/fmt/include)

kadenzo_fmt_release(${fmt_include_dir}/fmt/core.h fmt_found_release)
if(NOT fmt_found_release STREQUAL KADENZO_FMT_RELEASE)
    message(FATAL_ERROR "${fmt_include_dir}/fmt/core.h is {fmt} ${fmt_found_release}, "
        "but the build uses {fmt} ${KADENZO_FMT_RELEASE} (KADENZO_FMT_RELEASE in cmake/fmt.cmake)")
endif()
message(STATUS "{fmt} ${KADENZO_FMT_RELEASE} from ${fmt_include_dir}")

add_library(kadenzo_fmt STATIC ${PROJECT_SOURCE_DIR}/third_party/fmt/src/format.cc)
add_library(kadenzo::fmt ALIAS kadenzo_fmt)
target_compile_options(kadenzo_fmt PRIVATE ${KADENZO_THIRD_PARTY_COMPILE_OPTIONS})
target_include_directories(kadenzo_fmt SYSTEM PUBLIC ${fmt_include_dir})
# Our rule for the text of a floating-point number, which every user of {fmt} here follows (number_text.h).
target_include_directories(kadenzo_fmt PUBLIC ${PROJECT_SOURCE_DIR}/text)
