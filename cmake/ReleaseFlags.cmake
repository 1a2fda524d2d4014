# Optimised builds are hardened as Debian hardens its packages (fortified
# functions, a strong stack protector, format checks, read-only relocations
# bound at start, position-independent executables). The sanitizer and fuzz
# builds keep their own instrumentation.

if(NOT TORVANE_SANITIZE AND NOT TORVANE_FUZZ)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)

    set(TORVANE_OPTIMISED $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
    add_compile_options(
        "$<${TORVANE_OPTIMISED}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
        -fstack-protector-strong -Wformat -Werror=format-security)
    add_link_options(-Wl,-z,relro,-z,now)
endif()

