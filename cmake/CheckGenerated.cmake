# Fails the build when the tolua++ generator produced no glue (it exits 0 on parse errors).
if(NOT EXISTS "${OUTPUT}")
  message(FATAL_ERROR "tolua++ wrote no glue for ${PKG}: the package file does not parse")
endif()
file(SIZE "${OUTPUT}" size)
if(size EQUAL 0)
  message(FATAL_ERROR "tolua++ wrote empty glue for ${PKG}")
endif()
