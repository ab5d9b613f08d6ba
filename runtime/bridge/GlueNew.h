// GlueNew: turns the generated Mtolua_new((Type)(args)) into GlueNewType(args), so a package can
// check arguments before allocating (a Lua error there leaks nothing) or build a record with no
// matching constructor. Include it only from a package's glue header (it redefines Mtolua_new
// for the whole glue file) and declare GlueNew<Type> for every constructor form.
#pragma once

#include <tolua++.h>

#undef Mtolua_new
#define Mtolua_new(EXP) VORN_GLUE_NEW_ EXP
#define VORN_GLUE_NEW_(Type) GlueNew##Type
