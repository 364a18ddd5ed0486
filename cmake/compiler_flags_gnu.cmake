# Flags for compilers with GCC's command line.
add_compile_options(-Wall -Wextra -Wpedantic -Werror)
# Floating-point arithmetic step by step as written, no fused multiply-add: the speed controller and
# the pictures must come out the same on every platform.
add_compile_options(-ffp-contract=off)
if(KADENZO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
# Third-party code is built without our warning policy.
set(KADENZO_THIRD_PARTY_COMPILE_OPTIONS -w)
