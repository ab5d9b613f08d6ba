# Rewrites one generated glue file so that every property accessor and every collector checks the
# class of `self` (bridge/GlueSelf.h) before it touches the object. tolua++ only checks that `self`
# is not nil there, so an accessor taken from one class table and called with another class's
# object would read or write the wrong memory. Run by vorn_tolua_package after the generator.
# Fails the build when a generated accessor or collector keeps its unchecked form, so a change in
# the generator's output cannot silently reopen the hole.
file(READ "${OUTPUT}" glue)

# Accessors: "  T* self = (T*)  tolua_tousertype(tolua_S,1,0);", the check block (a setter declares
# its tolua_Error first), then "  if (!self) tolua_error(tolua_S,"invalid 'self' in accessing ...".
set(cast "  ([^\n*]+)\\* self = \\(([^\n*]+)\\*\\)  tolua_tousertype\\(tolua_S,1,0\\);\n#ifndef TOLUA_RELEASE\n")
set(check "  if \\(!self\\) tolua_error\\(tolua_S,\"invalid 'self' in accessing variable")
set(checked "  if (!self || !bridge::GlueSelfIs(tolua_S,\"\\2\")) tolua_error(tolua_S,\"invalid 'self' in accessing variable")
string(REGEX REPLACE "${cast}${check}" "  \\1* self = (\\2*)  tolua_tousertype(tolua_S,1,0);\n#ifndef TOLUA_RELEASE\n${checked}"
  glue "${glue}")
string(REGEX REPLACE "${cast}  tolua_Error tolua_err;\n${check}"
  "  \\1* self = (\\2*)  tolua_tousertype(tolua_S,1,0);\n#ifndef TOLUA_RELEASE\n  tolua_Error tolua_err;\n${checked}"
  glue "${glue}")

# Collectors: " T* self = (T*) tolua_tousertype(tolua_S,1,0);" then "\tMtolua_delete(self);".
string(REGEX REPLACE
  " ([^\n*]+)\\* self = \\(([^\n*]+)\\*\\) tolua_tousertype\\(tolua_S,1,0\\);\n\tMtolua_delete\\(self\\)"
  " \\1* self = (\\2*) tolua_tousertype(tolua_S,1,0);\n\tif (self && !bridge::GlueSelfIs(tolua_S,\"\\2\")) tolua_error(tolua_S,\"invalid 'self' in function 'delete'\",NULL);\n\tMtolua_delete(self)"
  glue "${glue}")

# Counted through a marker word (the matched texts hold ';', which a CMake list would split on).
function(count_matches pattern text result)
  string(REGEX REPLACE "[@;]" "" plain "${text}")
  string(REGEX REPLACE "${pattern}" "@" marked "${plain}")
  string(REGEX REPLACE "[^@]" "" marks "${marked}")
  string(LENGTH "${marks}" n)
  set(${result} ${n} PARENT_SCOPE)
endfunction()
count_matches("if \\(!self\\) tolua_error\\(tolua_S,\"invalid 'self' in accessing variable" "${glue}" unchecked)
count_matches("\n\tMtolua_delete\\(self\\)" "${glue}" deletes)
count_matches("'delete'\",NULL\\)\n\tMtolua_delete\\(self\\)" "${glue}" checkedDeletes)
if(unchecked GREATER 0 OR NOT deletes EQUAL checkedDeletes)
  message(FATAL_ERROR "${OUTPUT}: ${unchecked} accessors and ${deletes} collectors (${checkedDeletes} "
    "checked) without a self type check: the generator's output changed shape (cmake/GlueSelfChecks.cmake)")
endif()

string(REPLACE "#include \"tolua++.h\"\n" "#include \"tolua++.h\"\n#include \"bridge/GlueSelf.h\"\n" glue "${glue}")
file(WRITE "${OUTPUT}" "${glue}")
