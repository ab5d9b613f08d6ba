# Finds the Debian-packaged libraries the build uses (installed by tools/install-deps.sh).
find_package(PkgConfig REQUIRED)

# Lua 5.1, the C build: script errors unwind with longjmp, so no C++ object with a destructor may
# be alive on the stack when a Lua error is raised (see runtime/bridge/README.md).
pkg_check_modules(LUA REQUIRED IMPORTED_TARGET lua5.1)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(SDL2_IMAGE REQUIRED IMPORTED_TARGET SDL2_image)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(HARFBUZZ REQUIRED IMPORTED_TARGET harfbuzz)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(FRIBIDI REQUIRED IMPORTED_TARGET fribidi)
pkg_check_modules(SNDFILE REQUIRED IMPORTED_TARGET sndfile)
pkg_check_modules(POLYCLIPPING REQUIRED IMPORTED_TARGET polyclipping)
pkg_check_modules(GLU REQUIRED IMPORTED_TARGET glu)

# tolua++: the generator and its static runtime.
find_program(TOLUA_GENERATOR NAMES tolua++5.1 REQUIRED)
find_library(TOLUA_LIBRARY NAMES libtolua++5.1.a tolua++5.1 REQUIRED)
find_path(TOLUA_INCLUDE_DIR tolua++.h REQUIRED)
add_library(tolua STATIC IMPORTED GLOBAL)
set_target_properties(tolua PROPERTIES IMPORTED_LOCATION ${TOLUA_LIBRARY})
target_include_directories(tolua INTERFACE ${TOLUA_INCLUDE_DIR})
target_link_libraries(tolua INTERFACE PkgConfig::LUA)
